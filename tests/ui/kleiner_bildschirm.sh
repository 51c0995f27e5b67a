#!/usr/bin/env bash
# On a screen too low even for the form scaled down to 80 %, the window opens
# inside the screen and its content scrolls: the result boxes at the bottom
# are reached with the mouse wheel and show the loaded products.
# Usage: kleiner_bildschirm.sh PROGRAM DEMO_FOLDER
source "$(dirname "$0")/fensterstart.sh" "$@"

programm_starten 1024x540
sleep 0.5

read -r breite hoehe x y < <(fenstermasse)
echo "window: ${breite} x ${hoehe} at ${x},${y}"
passt() {
  [ "$breite" -le 1024 ] && [ $((y + hoehe)) -le 540 ] && [ "$x" -ge 0 ] && [ "$y" -ge 0 ]
}
pruefe "the window fits the 1024 x 540 screen" passt

# The form at 80 % is 593 pixels high, its first result box centred at
# (99, 546); scrolled to the end, its last 53 rows are hidden above.
xdotool mousemove --window "$FENSTER" 300 300 click --repeat 15 --delay 50 5
sleep 0.3
pruefe "the first result box is reached by scrolling" warten_auf_text 99 $((546 - 53)) "96"
[ "$gescheitert" -eq 0 ]
