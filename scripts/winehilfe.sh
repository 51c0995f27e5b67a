# Wine in a private prefix, never the user's ~/.wine; sourced (POSIX sh).

# Exports what every Wine call needs and makes the prefix PREFIX on first
# use; programs that start together wait for the one that makes it. The
# prefix draws with the X11 driver where a display is given and with Wine's
# null driver where none is (the logic's and the window's tests need none),
# keeps Wine's menu builder away from the user's desktop, and has the Tahoma
# fonts that Qt's dialog font "MS Shell Dlg" maps to: Wine does not read
# Debian's copy of them, and text falls back to a serif face without them.
wine_einrichten() {
  export WINEPREFIX="$1"
  export WINEDEBUG="${WINEDEBUG:--all}"
  export WINEDLLOVERRIDES="winemenubuilder.exe=d"
  # Without a UTF-8 locale Wine does not find files with non-ASCII names.
  export LANG=C.UTF-8
  [ -f "$1/.bereit" ] && return 0
  mkdir -p "$1"
  (
    flock 9
    if [ ! -f "$1/.bereit" ]; then
      wine wineboot --init >/dev/null 2>&1
      wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11,null /f >/dev/null 2>&1
      if [ -d /usr/share/wine/fonts ]; then
        cp /usr/share/wine/fonts/tahoma*.ttf "$1/drive_c/windows/Fonts/" 2>/dev/null || true
      fi
      wineserver -w 2>/dev/null || true
      touch "$1/.bereit"
    fi
  ) 9>"$1.sperre"
}

# The Unix path of the folder in a Windows environment variable, e.g. APPDATA.
wine_ordner() {
  winepath -u "$(wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r')" 2>/dev/null
}
