#!/usr/bin/env bash
# Runs a Windows executable of a build under Wine: usage wine-run.sh ARCH EXE
# [ARGS]. CMake uses it as the emulator of every test; scripts/test.sh
# prepares the prefix, the display and the wineserver first.
set -u
arch=$1 exe=$2; shift 2
build=$(cd "$(dirname "$exe")" && pwd)
while [ "$build" != / ] && [ ! -f "$build/CMakeCache.txt" ]; do build=$(dirname "$build"); done
source "$(dirname "$0")/wine-env.sh"
# The program directory holds orbalith32.dll.
export WINEPATH="Z:$build/meridoxa"
exec "$wine" "$exe" "$@"
