# Helpers for driving the tool in a virtual X display; sourced by scripts/run
# and the end-to-end test. Coordinates are pixels of the window's client area.

# Starts Xvfb on a free display and exports DISPLAY; XVFB_PID is its process.
# The screen is 1024x800 unless given, for example "1024x600". Without
# -noreset the server resets when its last client leaves, and a client that
# connects meanwhile is refused.
xvfb_starten() {
  local nummer
  nummer=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${1:-1024x800}x24" -nolisten tcp -noreset 3>"$nummer" >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$nummer" ] && break
    sleep 0.1
  done
  DISPLAY=":$(cat "$nummer")"
  export DISPLAY
  rm -f "$nummer"
}

# Waits for the tool's main window; sets FENSTER.
fenster_finden() {
  FENSTER=""
  for _ in $(seq 150); do
    FENSTER=$(xdotool search --onlyvisible --name '^Tamvoril$' 2>/dev/null | head -n 1 || true)
    [ -n "$FENSTER" ] && return 0
    sleep 0.1
  done
  echo "the window did not appear" >&2
  return 1
}

# Waits for a box titled like the main window (a message box) and focuses it.
box_finden() {
  local w
  for _ in $(seq 100); do
    for w in $(xdotool search --onlyvisible --name '^Tamvoril$' 2>/dev/null || true); do
      if [ "$w" != "$FENSTER" ]; then
        xdotool windowfocus --sync "$w"
        return 0
      fi
    done
    sleep 0.1
  done
  echo "no message box appeared" >&2
  return 1
}

klicken() {
  xdotool mousemove --window "$FENSTER" "$1" "$2" click 1
  sleep 0.2
}

# Clicks the text box at x y, selects all and copies it; prints the text.
text_lesen() {
  klicken "$1" "$2"
  xdotool key ctrl+a ctrl+c
  sleep 0.2
  xclip -o -selection clipboard 2>/dev/null || true
}

# Waits until the text box at x y shows the expected text.
warten_auf_text() {
  for _ in $(seq 50); do
    [ "$(text_lesen "$1" "$2")" = "$3" ] && return 0
    sleep 0.2
  done
  echo "the box at $1,$2 does not show '$3' but '$(text_lesen "$1" "$2")'" >&2
  return 1
}

# Prints the window's size and position: "WIDTH HEIGHT X Y".
fenstermasse() {
  xdotool getwindowgeometry --shell "$FENSTER" |
    awk -F= '{ w[$1] = $2 } END { print w["WIDTH"], w["HEIGHT"], w["X"], w["Y"] }'
}
