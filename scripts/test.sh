#!/usr/bin/env bash
# Builds MERIDOXA with its tests and runs every test under Wine. Tests that
# open windows share one Xvfb display; all share one wineserver.
set -euo pipefail
source "$(dirname "$0")/build.sh"
export WINEPREFIX=$build/wineprefix WINEDEBUG=-all

displayfile=$(mktemp)
Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$displayfile" 2>/dev/null &
xvfb=$!
cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  kill "$xvfb" 2>/dev/null || true
  wait "$xvfb" 2>/dev/null || true
  rm -f "$displayfile"
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
[ -s "$displayfile" ] || { echo "test: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -n1 "$displayfile")
wineserver -p
# Windows of the tests live in one virtual desktop: without a window manager
# Wine would wait about two seconds whenever a top-level window is hidden.
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v MdxTests /d 1280x1024 /f >/dev/null 2>&1 || true
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d MdxTests /f >/dev/null 2>&1 || true
# Start Wine's background services now, so that they do not inherit (and hold
# open) the output pipe of the first test.
wine cmd /c exit >/dev/null 2>&1 </dev/null

ctest --test-dir "$build" -j"$(nproc)" --output-on-failure "$@"
