#!/bin/sh
# Starts the Windows program under Wine on the display the shell tests made,
# the way they start the Linux program: the process stays until the program
# ends. xdotool types only into windows that a window manager manages, so
# one is started with it.
# Usage: programm.sh PREFIX PROGRAM [ARGUMENT...]
set -eu
. "$(dirname "$0")/../../scripts/winehilfe.sh"
wine_einrichten "$1"
shift
# A session begun without a display would keep Wine's null driver.
wineserver -w
twm >/dev/null 2>&1 &
exec wine "$@"
