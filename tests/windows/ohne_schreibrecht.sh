#!/bin/sh
# The in-place write of "ini.txt" under Wine, as the user nobody in a
# working folder of mode 555, to which nobody may not add a file: one case
# of the Windows logic suite. Only root can switch users; anyone else skips
# (77). Wine takes only a prefix that its user owns, so nobody gets one of
# its own in SCRATCH, made on first use.
# Usage: ohne_schreibrecht.sh LOGIKTESTS_EXE WINE SCRATCH
set -eu
[ "$(id -u)" -eq 0 ] || exit 77
hilfe="$(cd "$(dirname "$0")/../../scripts" && pwd)/winehilfe.sh"
mkdir -p "$3"
chown nobody:nogroup "$3"
rm -rf "$3/ordner"
mkdir "$3/ordner"
printf alt >"$3/ordner/ini.txt"
chown -R nobody:nogroup "$3/ordner"
chmod 555 "$3/ordner"
cd "$3/ordner"
exec setpriv --reuid=nobody --regid=nogroup --clear-groups \
  env HOME="$3" TAMVORIL_OHNE_SCHREIBRECHT=1 sh -c '
    . "$1"
    wine_einrichten "$2/wine"
    exec "$3" "$4" --gtest_filter=win32ohneSchreibrecht.*' - "$hilfe" "$3" "$2" "$1"
