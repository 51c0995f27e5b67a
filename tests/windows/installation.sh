#!/usr/bin/env bash
# The installer under Wine, as a user without administrator rights meets
# it: a silent install, the program started through its Start menu entry
# (the shell resolves the link's target, arguments and working folder), its
# working folder in %APPDATA%, made when missing, and a silent uninstall that
# leaves no program file behind but keeps the user's "ini.txt".
# Usage: installation.sh BUILD_FOLDER DEMO_FOLDER WINE_PREFIX
set -euo pipefail
hier=$(cd "$(dirname "$0")" && pwd)
source "$hier/../../scripts/xhilfe.sh"
source "$hier/../../scripts/winehilfe.sh"
source "$hier/../pruefhilfe.sh"
shopt -s nullglob
installer=("$1"/Tamvoril-*-win64.exe)
archiv=("$1"/Tamvoril-*-win64.zip)
if [ ${#installer[@]} -ne 1 ] || [ ${#archiv[@]} -ne 1 ]; then
  echo "expected one installer and one ZIP in $1 (cpack makes them)" >&2
  exit 1
fi
arbeitsordner_mit_demo "$2"
wine_einrichten "$3"
trap 'wineserver -k 2>/dev/null; aufraeumen' EXIT
wineserver -w

anwendungsdaten=$(wine_ordner APPDATA)
programme="$(wine_ordner LOCALAPPDATA)/Programs/Tamvoril"
eintrag="$anwendungsdaten/Microsoft/Windows/Start Menu/Programs/Tamvoril.lnk"
startordner="$anwendungsdaten/Tamvoril"
schluessel='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tamvoril'
# What an earlier, interrupted run may have left.
rm -rf "$programme" "$startordner" "$eintrag"
wine reg delete "$schluessel" /f >/dev/null 2>&1 || true

pruefe "the installer succeeds silently" timeout 120 wine "${installer[0]}" /S
pruefe "the program is installed for the user" test -f "$programme/Tamvoril.exe"
pruefe "the ZIP holds the same program" \
  sh -c "unzip -p '${archiv[0]}' '*/Tamvoril.exe' | cmp -s - '$programme/Tamvoril.exe'"
pruefe "the Start menu entry exists" test -f "$eintrag"
pruefe "the uninstaller is registered" wine reg query "$schluessel" /v UninstallString

# Starts the program through its Start menu entry and waits for its window.
ueber_startmenue() {
  wine start /unix "$eintrag"
  fenster_finden
}
xvfb_starten
twm >/dev/null 2>&1 &
pruefe "started from the Start menu, the window shows" ueber_startmenue
pruefe "the working folder was made in %APPDATA%" test -d "$startordner"
wineserver -k
wineserver -w

windowspfad=$(winepath -w "$arbeit/einstellungen")
printf '%s\\' "$windowspfad" >"$startordner/ini.txt"
ueber_startmenue
pruefe "it loads the folder named in %APPDATA%\\Tamvoril\\ini.txt" warten_auf_text 124 687 "96"
wineserver -k
wineserver -w

pruefe "the uninstaller succeeds silently" wine "$programme/Deinstallieren.exe" /S
# The uninstaller copies itself away and returns before it is done.
wineserver -w
pruefe "no program file is left" test ! -e "$programme"
pruefe "the Start menu entry is gone" test ! -e "$eintrag"
pruefe "the uninstaller is no longer registered" \
  sh -c "! wine reg query '$schluessel' >/dev/null 2>&1"
pruefe "the user's ini.txt stays" test -f "$startordner/ini.txt"

echo "$bestanden passed, $gescheitert failed"
[ "$gescheitert" -eq 0 ]
