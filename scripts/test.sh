#!/usr/bin/env bash
# Builds MERIDOXA with its tests and runs every test under Wine: the 64-bit
# build on every machine, the 32-bit build too where the machine runs 32-bit
# code. Tests that open windows share one Xvfb display; the tests of one
# build share one wineserver; the serial tests share one pseudo-terminal
# pair, COM201 and COM202 in every build's prefix. Arguments go to ctest.
set -euo pipefail
scripts=$(cd "$(dirname "$0")" && pwd)
export LANG=C.UTF-8 LC_ALL=C.UTF-8
source "$scripts/arch.sh"
echo "test: $archs_why"

for arch in "${archs[@]}"; do
  (source "$scripts/build.sh")
done

displayfile=$(mktemp)
Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$displayfile" 2>/dev/null &
xvfb=$!
serial=${MDX_BUILD_DIR:-$scripts/../build}/serial
mkdir -p "$serial"
rm -f "$serial/A" "$serial/B"
socat pty,raw,echo=0,link="$serial/A" pty,raw,echo=0,link="$serial/B" 2>/dev/null &
socat=$!
cleanup() {
  kill "$xvfb" "$socat" 2>/dev/null || true
  wait "$xvfb" "$socat" 2>/dev/null || true
  rm -f "$displayfile"
}
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$displayfile" ] && [ -e "$serial/B" ] && break; sleep 0.1; done
[ -s "$displayfile" ] || { echo "test: Xvfb did not start" >&2; exit 1; }
[ -e "$serial/B" ] || echo "test: socat did not start; the serial tests will fail" >&2
export DISPLAY=:$(head -n1 "$displayfile")

# Runs the suite of one build; its exit code is ctest's.
run_suite() (
  arch=$1; shift
  build=${MDX_BUILD_DIR:-$scripts/../build}/$arch
  source "$scripts/wine-env.sh"
  ln -sfn "$serial/A" "$WINEPREFIX/dosdevices/com201"
  ln -sfn "$serial/B" "$WINEPREFIX/dosdevices/com202"
  "$wineserver" -p
  trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT
  # Windows of the tests live in one virtual desktop: without a window manager
  # Wine would wait about two seconds whenever a top-level window is hidden.
  "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v MdxTests /d 1280x1024 /f >/dev/null 2>&1 || true
  "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d MdxTests /f >/dev/null 2>&1 || true
  # Start Wine's background services now, so that they do not inherit (and
  # hold open) the output pipe of the first test.
  "$wine" cmd /c exit >/dev/null 2>&1 </dev/null
  ctest --test-dir "$build" -j"$(nproc)" --output-on-failure --no-tests=error "$@"
)

failed=()
for arch in "${archs[@]}"; do
  echo "test: the ${arch} suite"
  run_suite "$arch" "$@" || failed+=("$arch")
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "test: FAILED in the ${failed[*]} build" >&2
  exit 1
fi
echo "test: every suite passed (${archs[*]})"
