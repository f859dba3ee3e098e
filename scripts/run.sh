#!/usr/bin/env bash
# Builds MERIDOXA and starts it under Wine.
set -euo pipefail
source "$(dirname "$0")/build.sh"
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all
exec wine "$build/meridoxa/meridoxa.exe" "$@"
