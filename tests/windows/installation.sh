#!/usr/bin/env bash
# The installer under Wine, for a user without administrator rights: a
# silent install, the program started through its Start menu entry (the
# shell resolves the link's target, arguments and working folder) in
# %APPDATA%\Tamvoril, made when missing, and a silent uninstall that leaves
# no program file behind but keeps the user's "ini.txt".
# Usage: installation.sh BUILD_FOLDER DEMO_FOLDER WINE_PREFIX
set -euo pipefail
hier=$(dirname "$0")
source "$hier/../../scripts/xhilfe.sh"
source "$hier/../../scripts/winehilfe.sh"
source "$hier/../pruefhilfe.sh"
installer=$(echo "$1"/Tamvoril-*-win64.exe)
archiv=$(echo "$1"/Tamvoril-*-win64.zip)
arbeitsordner_mit_demo "$2"
wine_einrichten "$3"
trap 'wineserver -k; aufraeumen' EXIT
wineserver -w
programme="$(wine_ordner LOCALAPPDATA)/Programs/Tamvoril"
startordner="$(wine_ordner APPDATA)/Tamvoril"
eintrag="$(wine_ordner APPDATA)/Microsoft/Windows/Start Menu/Programs/Tamvoril.lnk"
schluessel='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tamvoril'
rm -rf "$programme" "$startordner" "$eintrag" # left by an interrupted run

pruefe "the installer succeeds silently" timeout 120 wine "$installer" /S
pruefe "the ZIP holds the installed program" \
  sh -c "unzip -p '$archiv' '*/Tamvoril.exe' | cmp - '$programme/Tamvoril.exe'"
pruefe "the uninstaller is registered" wine reg query "$schluessel" /v UninstallString

xvfb_starten
twm >/dev/null 2>&1 &
start_und_fenster() {
  wineserver -k
  wineserver -w
  wine start /unix "$eintrag"
  fenster_finden
}
pruefe "started from the Start menu, the window shows" start_und_fenster
pruefe "its working folder was made" test -d "$startordner"
printf '%s\\' "$(winepath -w "$arbeit/einstellungen")" >"$startordner/ini.txt"
start_und_fenster
pruefe "it loads the folder that %APPDATA%\\Tamvoril\\ini.txt names" warten_auf_text $text3_0 "96"
wineserver -k

pruefe "the uninstaller succeeds silently" wine "$programme/Deinstallieren.exe" /S
wineserver -w # the uninstaller returns before it is done
pruefe "no program file is left" test ! -e "$programme"
pruefe "the Start menu entry is gone" test ! -e "$eintrag"
pruefe "the uninstaller is no longer registered" \
  sh -c "! wine reg query '$schluessel' >/dev/null 2>&1"
pruefe "the user's ini.txt stays" test -f "$startordner/ini.txt"

echo "$bestanden passed, $gescheitert failed"
[ "$gescheitert" -eq 0 ]
