#!/usr/bin/env bash
# Sourced by run.sh and test.sh: installs what is missing, then configures and
# builds into $build (default build/).
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${MDX_BUILD_DIR:-$root/build}
bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
  -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache >/dev/null
cmake --build "$build" -j"$(nproc)" -- --no-print-directory
bash "$root/scripts/wine-prefix.sh" "$build/wineprefix"
