#!/bin/sh
# The in-place write of "ini.txt" under Wine as nobody, in a working folder
# of mode 555; only root can switch users (else 77, skipped). Wine takes
# only a prefix that its user owns. That user reads nothing of the
# checkout, which may lie in a private folder (mode 700): the Wine helper
# and the test program are copied into the scratch folder, or, where that
# user cannot reach it, into a fresh folder in the system's temporary folder.
# Usage: ohne_schreibrecht.sh LOGIKTESTS_EXE WINE SCRATCH
set -eu
[ "$(id -u)" -eq 0 ] || exit 77
als_nobody() { setpriv --reuid=nobody --regid=nogroup --clear-groups "$@"; }
erreichbar() { chown nobody:nogroup "$1" && als_nobody test -w "$1" -a -x "$1"; }

arbeit=$3
mkdir -p "$arbeit"
if ! erreichbar "$arbeit"; then
  arbeit=$(mktemp -d)
  trap 'rm -rf "$arbeit"' EXIT
  if ! erreichbar "$arbeit"; then
    echo "skipped: nobody reaches neither $3 nor $arbeit" >&2
    exit 77
  fi
fi
cp "$(dirname "$0")/../../scripts/winehilfe.sh" "$arbeit/winehilfe.sh"
cp "$1" "$arbeit/logiktests.exe"
chmod a+r "$arbeit/winehilfe.sh" "$arbeit/logiktests.exe"
rm -rf "$arbeit/ordner" && mkdir -p "$arbeit/ordner" && printf alt >"$arbeit/ordner/ini.txt"
chown nobody:nogroup "$arbeit/ordner" "$arbeit/ordner/ini.txt" && chmod 555 "$arbeit/ordner"
cd "$arbeit/ordner"
# Not exec'd: a fresh folder is removed afterwards, once Wine has ended.
als_nobody env HOME="$arbeit" sh -c '. "$1/winehilfe.sh"
  wine_einrichten "$1/wine"
  rc=0
  "$2" "$1/logiktests.exe" --gtest_also_run_disabled_tests \
    --gtest_filter=win32ohneSchreibrecht.* || rc=$?
  "${2%/*}/wineserver" -w 2>/dev/null || wineserver -w 2>/dev/null || true
  exit $rc' - "$arbeit" "$2"
