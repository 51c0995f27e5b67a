#!/usr/bin/env bash
# Drives the real program in a real X window, as a user would: chooses the
# folder on a first start, types into a field, applies with the mouse and the
# keyboard, selects another vehicle, and checks the settings file's bytes and
# the texts the window shows.
# Usage: ende_zu_ende.sh PROGRAM DEMO_FOLDER
source "$(dirname "$0")/fensterstart.sh" "$@"
# A folder named with letters that Windows-1252 lacks, as users name theirs.
ordnername="Łódź – Ağrı"
mv "$arbeit/einstellungen" "$arbeit/$ordnername"
datei="$arbeit/$ordnername/ApplicationSettings.xml"

# Retries a command for up to ten seconds until it succeeds.
binnen() {
  for _ in $(seq 100); do
    "$@" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  "$@"
}

# Pastes the text where the focus is: typing reaches no letter that the
# keyboard map lacks, and under Wine not even "ö".
einfuegen() {
  printf %s "$1" | xclip -selection clipboard
  xdotool key ctrl+v
}

# True once no window but the main one is shown: the message box is closed.
nur_hauptfenster() {
  [ "$(xdotool search --onlyvisible --name '^Tamvoril$' 2>/dev/null | wc -l)" -eq 1 ]
}

rm "$arbeit/ini.txt" # a first start
# The folder dialog starts at HOME and keeps its own settings there.
programm_starten 1024x800 HOME="$arbeit"

sleep 1
pruefe "a first start shows no message box" nur_hauptfenster
if [ -n "${ORDNER_ALS_WINDOWSPFAD:-}" ]; then
  # Under Wine the folder dialog is Wine's, not Windows': the folder is typed
  # into the path box, which has the focus, as a Windows path on drive Z:.
  ordner="Z:$arbeit/$ordnername/"
  xdotool windowfocus --sync "$FENSTER"
  einfuegen "${ordner//\//\\}"
else
  xdotool windowfocus --sync "$FENSTER" key ctrl+o # the focus is in the path box
  pruefe "Ctrl+O opens the folder dialog" binnen xdotool search --onlyvisible --name '^Ordner wählen$' \
    windowfocus --sync
  einfuegen "$arbeit/$ordnername"
  # The first Return may only take the offered completion.
  pruefe "Return chooses the folder" binnen sh -c \
    "xdotool key Return; sleep 0.3; ! xdotool search --onlyvisible --name '^Ordner wählen$'"
fi
klicken $command3
pruefe "Fertig loads from it" warten_auf_text $text3_0 "96"
pruefe "the client area is 787 x 741 pixels" test "$(fenstermasse | cut -d ' ' -f 1,2)" = "787 741"
pruefe "the window carries its icon" sh -c "xprop -id $FENSTER _NET_WM_ICON | grep -q CARDINAL"

klicken $text1_3
xdotool key ctrl+a
xdotool type "1,5"
klicken $command2_0
LC_ALL=C sed 's/<City>1.0|0.95|0.9|0.85|0.7|0.6|0.4|0.5</<City>1.0|0.95|0.9|1.5|0.7|0.6|0.4|0.5</' \
  "$demo/ApplicationSettings.xml" >"$arbeit/erwartet"
box_finden
xdotool key Return
pruefe "Yes writes the normalised value, every other byte unchanged" \
  binnen cmp "$datei" "$arbeit/erwartet"
pruefe "the field shows the normalised value" warten_auf_text $text1_3 "1.5"

klicken $text1_36
xdotool key ctrl+a
xdotool type "2"
klicken $command2_1
box_finden
xdotool key Escape
pruefe "Escape closes the box" binnen nur_hauptfenster

klicken $command1_4
pruefe "LKW loads the truck's speeds" warten_auf_text $text1_20 "60"
pruefe "and its products" warten_auf_text $text3_0 "72"
# The window handles one event after the other, so the route writer has long
# finished once the truck shows.
pruefe "No leaves the file as it was" cmp "$datei" "$arbeit/erwartet"
pruefe "the program is still running" kill -0 "$TOOL_PID"

echo "$bestanden passed, $gescheitert failed"
[ "$gescheitert" -eq 0 ]
