#!/usr/bin/env bash
# Runs a Windows executable of the build under Wine, in the build's private
# prefix. CMake uses it as the emulator of every test; scripts/test.sh
# prepares the prefix, the display and the wineserver first.
set -u
exe=$1; shift
dir=$(cd "$(dirname "$exe")" && pwd)
build=$dir
while [ "$build" != / ] && [ ! -f "$build/CMakeCache.txt" ]; do build=$(dirname "$build"); done
export WINEPREFIX=${WINEPREFIX:-$build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-winemenubuilder.exe,mscoree,mshtml=}
# The program directory holds orbalith32.dll.
export WINEPATH="Z:$build/meridoxa"
exec wine "$exe" "$@"
