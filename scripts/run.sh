#!/usr/bin/env bash
# Builds MERIDOXA and starts it under Wine.
set -euo pipefail
source "$(dirname "$0")/build.sh"
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all
# The program's windows go onto the real desktop (the tests use a virtual one).
wine reg delete 'HKCU\Software\Wine\Explorer' /v Desktop /f >/dev/null 2>&1 || true
exec wine "$build/meridoxa/meridoxa.exe" "$@"
