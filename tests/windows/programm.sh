#!/usr/bin/env bash
# Starts the Windows program under Wine on the display the shell tests made,
# the way they start the Linux program: PROGRAM ARGUMENTS... stays the
# process until it ends. xdotool types only into windows that a window
# manager manages, so one is started with it.
# Usage: programm.sh PREFIX PROGRAM [ARGUMENT...]
set -euo pipefail
source "$(dirname "$0")/../../scripts/winehilfe.sh"
wine_einrichten "$1"
# A session that began without a display would keep Wine's null driver.
wineserver -w
twm >/dev/null 2>&1 &
shift
exec wine "$@"
