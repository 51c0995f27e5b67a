#!/usr/bin/env bash
# On a screen lower than the window, the window opens inside the screen and
# its content scrolls: the result boxes at the bottom are reached with the
# mouse wheel and show the loaded products.
# Usage: kleiner_bildschirm.sh PROGRAM DEMO_FOLDER
set -euo pipefail
programm=$1
demo=$2
source "$(dirname "$0")/../../scripts/xhilfe.sh"
source "$(dirname "$0")/../pruefhilfe.sh"
arbeitsordner_mit_demo "$demo"

xvfb_starten 1024x600
(cd "$arbeit" && exec env -u QT_QPA_PLATFORM "$programm") &
TOOL_PID=$!
fenster_finden
sleep 0.5

read -r breite hoehe x y < <(fenstermasse)
echo "window: ${breite} x ${hoehe} at ${x},${y}"
passt() {
  [ "$breite" -le 1024 ] && [ $((y + hoehe)) -le 600 ] && [ "$x" -ge 0 ] && [ "$y" -ge 0 ]
}
pruefe "the window fits the 1024 x 600 screen" passt

# Scrolled to the end, the form's last 141 rows are hidden above: the first
# result box moves from y 687 to 546.
xdotool mousemove --window "$FENSTER" 400 300 click --repeat 15 --delay 50 5
sleep 0.3
pruefe "the first result box is reached by scrolling" warten_auf_text 124 546 "96"
[ "$gescheitert" -eq 0 ]
