# Helpers for driving the tool in a virtual X display; sourced by scripts/run
# and the shell tests. Coordinates are pixels of the window's client area.

# The centres of the controls that the scripts click and read: the twip
# rectangles of ui/layouttabelle.h divided by 15. Used unquoted, as "x y".
text1_0="124 81"     # the first vehicle factor, where the tool starts
text1_3="388 81"     # a vehicle factor
text1_20="124 129"   # the first town speed
text1_36="122 444"   # the first route factor
text3_0="124 687"    # the first result box
command1_4="476 340" # LKW
command2_0="721 316" # applies the vehicle half
command2_1="720 571" # applies the route half
command3="43 633"    # Pfad / Fertig

# Starts Xvfb on a free display and exports DISPLAY; XVFB_PID is its process.
# The screen is 1024x800 unless given, for example "1024x600". Without
# -noreset the server resets when its last client leaves, and a client that
# connects meanwhile is refused. A server that ends before it names its
# display is reported at once, with what it said.
xvfb_starten() {
  local nummer protokoll
  nummer=$(mktemp)
  protokoll=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${1:-1024x800}x24" -nolisten tcp -noreset 3>"$nummer" >"$protokoll" 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$nummer" ] && break
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  if [ ! -s "$nummer" ]; then
    echo "Xvfb did not start:" >&2
    cat "$protokoll" >&2
    rm -f "$nummer" "$protokoll"
    return 1
  fi
  DISPLAY=":$(cat "$nummer")"
  export DISPLAY
  rm -f "$nummer" "$protokoll"
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
