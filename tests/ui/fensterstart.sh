# The start that the window's shell tests share; sourced with the test's
# arguments PROGRAM DEMO_FOLDER. Brings the X and check helpers and makes the
# scratch working folder "$arbeit" with a copy of the sample settings.
set -euo pipefail
programm=$1
demo=$2
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/xhilfe.sh"
source "$(dirname "${BASH_SOURCE[0]}")/../pruefhilfe.sh"
arbeitsordner_mit_demo "$demo"

# Starts Xvfb with the screen size given and the program in "$arbeit" on it,
# with the environment settings that follow, and waits for its window. The
# program gets the X display whatever platform the test was told to use.
programm_starten() { # screen size, then NAME=VALUE settings
  xvfb_starten "$1"
  shift
  (cd "$arbeit" && exec env -u QT_QPA_PLATFORM "$@" "$programm") &
  TOOL_PID=$!
  fenster_finden
}
