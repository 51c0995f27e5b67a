#!/usr/bin/env bash
# On a screen lower than the window, the window opens inside the screen and
# its content scrolls: the result boxes at the bottom are reached with the
# mouse wheel and show the loaded products.
# Usage: kleiner_bildschirm.sh PROGRAM DEMO_FOLDER
source "$(dirname "$0")/fensterstart.sh" "$@"

programm_starten 1024x600
sleep 0.5

read -r breite hoehe x y < <(fenstermasse)
echo "window: ${breite} x ${hoehe} at ${x},${y}"
passt() {
  [ "$breite" -le 1024 ] && [ $((y + hoehe)) -le 600 ] && [ "$x" -ge 0 ] && [ "$y" -ge 0 ]
}
pruefe "the window fits the 1024 x 600 screen" passt

# Scrolled to the end, the form's last 141 rows are hidden above: the first
# result box moves up by as many.
xdotool mousemove --window "$FENSTER" 400 300 click --repeat 15 --delay 50 5
sleep 0.3
read -r x y <<<"$text3_0"
pruefe "the first result box is reached by scrolling" warten_auf_text "$x" $((y - 141)) "96"
[ "$gescheitert" -eq 0 ]
