#!/usr/bin/env bash
# Checks the layout of the C++ files, builds MERIDOXA with its tests for 32
# and 64 bits and runs every test under Wine: the 64-bit build's on every
# machine, the 32-bit build's too where the machine runs 32-bit code
# (elsewhere the 32-bit build is compiled only, so that a 32-bit compile error
# fails everywhere). Tests that open windows share one Xvfb display; the tests
# of one build share one wineserver; the serial tests share one
# pseudo-terminal pair, COM201 and COM202 in every build's prefix; the
# printing tests share the PDF printer of a CUPS scheduler of the command's
# own (scripts/cups.sh), the default printer of every build's prefix.
# Arguments go to ctest.
set -euo pipefail
scripts=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$scripts")
export LANG=C.UTF-8 LC_ALL=C.UTF-8
source "$scripts/arch.sh"   # installs what is missing, then chooses the builds
if [ ${#archs[@]} = 2 ]; then
  echo "test: builds and runs the 32-bit and the 64-bit suite ($archs_why)"
else
  echo "test: builds the 32-bit and the 64-bit program and tests, runs the 64-bit suite only ($archs_why)"
fi

bash "$scripts/layout.sh"

for arch in i686 x86_64; do
  if [[ " ${archs[*]} " == *" $arch "* ]]; then
    (source "$scripts/build.sh")
  else
    (compile_only=1; source "$scripts/build.sh")
  fi
done

source "$scripts/cups.sh"
displayfile=$(mktemp)
cleanup() {
  kill "${xvfb:-}" "${socat:-}" 2>/dev/null || true
  wait "${xvfb:-}" "${socat:-}" 2>/dev/null || true
  rm -f "$displayfile"
  cups_stop
}
trap cleanup EXIT
trap 'exit 130' INT TERM
Xvfb -displayfd 1 -screen 0 1280x1024x24 -nolisten tcp >"$displayfile" 2>/dev/null &
xvfb=$!
serial=${MDX_BUILD_DIR:-$root/build}/serial
mkdir -p "$serial"
rm -f "$serial/A" "$serial/B"
socat pty,raw,echo=0,link="$serial/A" pty,raw,echo=0,link="$serial/B" 2>/dev/null &
socat=$!
cups_start
for _ in $(seq 100); do [ -s "$displayfile" ] && [ -e "$serial/B" ] && break; sleep 0.1; done
[ -s "$displayfile" ] || { echo "test: Xvfb did not start" >&2; exit 1; }
[ -e "$serial/B" ] || echo "test: socat did not start; the serial tests will fail" >&2
export DISPLAY=:$(head -n1 "$displayfile")

# Runs the suite of one build; its exit code is ctest's.
run_suite() (
  arch=$1; shift
  build=${MDX_BUILD_DIR:-$root/build}/$arch
  source "$scripts/wine-env.sh"
  ln -sfn "$serial/A" "$WINEPREFIX/dosdevices/com201"
  ln -sfn "$serial/B" "$WINEPREFIX/dosdevices/com202"
  "$wineserver" -p
  trap '"$wineserver" -k >/dev/null 2>&1 || true' EXIT
  # Windows of the tests live in one virtual desktop: without a window manager
  # Wine would wait about two seconds whenever a top-level window is hidden.
  "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v MdxTests /d 1280x1024 /f >/dev/null 2>&1 || true
  "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d MdxTests /f >/dev/null 2>&1 || true
  # The PDF printer is the prefix's default printer, as Wine names it.
  "$wine" reg add 'HKCU\Software\Microsoft\Windows NT\CurrentVersion\Windows' /v Device \
    /d 'PDF,wineps.drv,CUPS:PDF' /f >/dev/null 2>&1 || true
  # Start Wine's background services and the virtual desktop now, so that they
  # do not inherit (and hold open) the output pipe of a test: Wine starts the
  # desktop's explorer.exe with the error output of the first process that
  # needs it, and while the desktop is in use ctest would wait for that test.
  # This desktop lives until the wineserver ends.
  "$wine" cmd /c exit >/dev/null 2>&1 </dev/null
  "$wine" explorer /desktop=MdxTests,1280x1024 >/dev/null 2>&1 </dev/null &
  for _ in $(seq 100); do
    xwininfo -root -tree 2>/dev/null | grep -q '"MdxTests - Wine desktop"' && break
    sleep 0.1
  done
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
