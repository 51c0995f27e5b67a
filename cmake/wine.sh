#!/bin/sh
# Runs a cross-built Windows program under Debian's Wine, in a private Wine
# prefix that is made on first use: wine.sh PREFIX WINE PROGRAM [ARGS...].
set -eu
. "$(dirname "$0")/../scripts/winehilfe.sh"
wine_einrichten "$1"
wine=$2
shift 2
exec "$wine" "$@"
