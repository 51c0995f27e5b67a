#!/bin/sh
# The in-place write of "ini.txt" under Wine as nobody, in a working folder
# of mode 555; only root can switch users (else 77, skipped). Wine takes
# only a prefix that its user owns.
# Usage: ohne_schreibrecht.sh LOGIKTESTS_EXE WINE SCRATCH
set -eu
[ "$(id -u)" -eq 0 ] || exit 77
hilfe="$(cd "$(dirname "$0")/../../scripts" && pwd)/winehilfe.sh"
rm -rf "$3/ordner" && mkdir -p "$3/ordner" && printf alt >"$3/ordner/ini.txt"
chown nobody:nogroup "$3" "$3/ordner" "$3/ordner/ini.txt" && chmod 555 "$3/ordner" && cd "$3/ordner"
exec setpriv --reuid=nobody --regid=nogroup --clear-groups env HOME="$3" sh -c '. "$1"
  wine_einrichten "$2/wine" && exec "$3" "$4" --gtest_also_run_disabled_tests \
    --gtest_filter=win32ohneSchreibrecht.*' - "$hilfe" "$3" "$2" "$1"
