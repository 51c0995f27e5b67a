# Wine for the Windows build's tests; sourced. Every Wine call here runs in
# a private prefix, never in the user's ~/.wine.

# Exports what every Wine call needs and makes the prefix PREFIX once; tests
# that start together wait for the one that makes it.
wine_einrichten() {
  export WINEPREFIX=$1
  export WINEDEBUG=-all
  # Without a UTF-8 locale Wine finds no file with a non-ASCII name.
  export LANG=C.UTF-8
  # Keeps Wine from writing menu entries into the user's home.
  export WINEDLLOVERRIDES=winemenubuilder.exe=d
  [ -f "$WINEPREFIX/.eingerichtet" ] && return 0
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    [ -f "$WINEPREFIX/.eingerichtet" ] && exit 0
    rm -rf "$WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wine wineboot --init >/dev/null 2>&1
    # Qt's dialog font "MS Shell Dlg" is Tahoma under Wine, which does not
    # read Debian's copy of it; other fonts fall back to a serif face.
    cp /usr/share/wine/fonts/tahoma*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
    # The X11 driver where a display is given, the null driver where none
    # is: the unit and window tests run without X.
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d x11,null /f >/dev/null 2>&1
    wineserver -w
    touch "$WINEPREFIX/.eingerichtet"
  ) 9>"$WINEPREFIX.sperre"
}

# The Unix path of the folder in a Windows environment variable, e.g. APPDATA.
wine_ordner() {
  winepath -u "$(wine cmd /c echo "%$1%" 2>/dev/null | tr -d '\r')" 2>/dev/null
}
