#!/bin/sh
# Runs a cross-built Windows program under Debian's Wine, in a private Wine
# prefix that is made on first use: wine.sh PREFIX WINE PROGRAM [ARGS...].
# The prefix draws with Wine's null graphics driver (the logic's tests need
# no display), keeps Wine's menu builder away from the user's desktop, and
# has the Tahoma fonts that Qt's dialog font maps to.
set -eu
prefix=$1
wine=$2
shift 2
export WINEPREFIX="$prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="winemenubuilder.exe=d"
# Without a UTF-8 locale Wine does not find files with non-ASCII names.
export LANG=C.UTF-8

if [ ! -f "$prefix/.bereit" ]; then
  mkdir -p "$prefix"
  (
    flock 9
    if [ ! -f "$prefix/.bereit" ]; then
      "$wine" wineboot --init >/dev/null 2>&1
      "$wine" reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
      if [ -d /usr/share/wine/fonts ]; then
        cp /usr/share/wine/fonts/tahoma*.ttf "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
      fi
      wineserver -w 2>/dev/null || true
      touch "$prefix/.bereit"
    fi
  ) 9>"$prefix.sperre"
fi
exec "$wine" "$@"
