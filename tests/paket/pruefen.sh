#!/usr/bin/env bash
# Checks the Debian package that a package build made: lintian, the desktop
# entry, the AppStream file, the dependencies, the launcher's working folder,
# and the end-to-end test once more against the unpacked program.
# Usage: pruefen.sh PACKAGE_BUILD DEMO_FOLDER
set -euo pipefail
hier=$(cd "$(dirname "$0")" && pwd)
demo=$2
shopt -s nullglob
pakete=("$1"/tamvoril_*_amd64.deb)
if [ ${#pakete[@]} -ne 1 ]; then
  echo "expected one tamvoril_*_amd64.deb in $1, found ${#pakete[@]}" >&2
  exit 1
fi
paket=${pakete[0]}
echo "package: $paket"

source "$hier/../pruefhilfe.sh"
arbeit=$(mktemp -d)
trap aufraeumen EXIT

pruefe "lintian reports no errors" lintian --fail-on error --display-info "$paket"

wurzel="$arbeit/wurzel"
dpkg-deb -x "$paket" "$wurzel"
pruefe "desktop entry" desktop-file-validate "$wurzel/usr/share/applications/tamvoril.desktop"
pruefe "AppStream metainfo" appstreamcli validate --no-net "$wurzel"/usr/share/metainfo/*.metainfo.xml

abhaengig=$(dpkg-deb -f "$paket" Depends)
echo "Depends: $abhaengig"
for p in libqt6widgets6 fonts-liberation qt6-translations-l10n qt6-qpa-plugins; do
  pruefe "depends on $p" grep -q "\\b$p\\b" <<<"$abhaengig"
done
bildgroesse() { # size, file
  [ "$(identify -format '%wx%h' "$2")" = "$1x$1" ]
}
for groesse in 16 32 48 64 128 256; do
  pruefe "icon ${groesse}x${groesse}" bildgroesse "$groesse" \
    "$wurzel/usr/share/icons/hicolor/${groesse}x${groesse}/apps/tamvoril.png"
done

# The menu's launcher runs the program in the configuration folder, made
# when missing: with XDG_CONFIG_HOME, and with the default under HOME.
starter=$(sed -n 's/^Exec=//p' "$wurzel/usr/share/applications/tamvoril.desktop")
pruefe "the entry starts the launcher" test "$starter" = /usr/libexec/tamvoril/starten
# An install by hand names the launcher under its own prefix.
cmake --install "$1" --prefix "$arbeit/anders" >/dev/null
pruefe "an install's entry starts its own launcher" test \
  "$(sed -n 's/^Exec=//p' "$arbeit/anders/share/applications/tamvoril.desktop")" = \
  "$arbeit/anders/libexec/tamvoril/starten"
startordner() { # environment settings; prints the program's working folder
  (cd / && exec env -u XDG_CONFIG_HOME QT_QPA_PLATFORM=offscreen "$@" \
    "$wurzel/usr/libexec/tamvoril/starten" >/dev/null 2>&1) &
  STARTER_PID=$!
  for _ in $(seq 50); do
    ordner=$(readlink "/proc/$STARTER_PID/cwd" 2>/dev/null || true)
    [ -n "$ordner" ] && [ "$ordner" != / ] && break
    sleep 0.1
  done
  kill "$STARTER_PID" 2>/dev/null || true
  wait "$STARTER_PID" 2>/dev/null || true
  STARTER_PID=""
  echo "$ordner"
}
pruefe "started in \$XDG_CONFIG_HOME/tamvoril" test \
  "$(startordner XDG_CONFIG_HOME="$arbeit/konfig" HOME="$arbeit/heim")" = "$arbeit/konfig/tamvoril"
pruefe "started in ~/.config/tamvoril" test \
  "$(startordner HOME="$arbeit/heim")" = "$arbeit/heim/.config/tamvoril"

pruefe "end-to-end test of the unpacked program" \
  bash "$hier/../ui/ende_zu_ende.sh" "$wurzel/usr/bin/tamvoril" "$demo"

[ "$gescheitert" -eq 0 ]
