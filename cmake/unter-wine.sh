#!/usr/bin/env bash
# Runs a cross-built Windows program under Wine in the build's own prefix,
# made on first use: the Windows build's emulator for its tests.
# Usage: unter-wine.sh PREFIX PROGRAM [ARGUMENT...]
set -euo pipefail
source "$(dirname "$0")/../scripts/winehilfe.sh"
wine_einrichten "$1"
shift
exec wine "$@"
