#!/usr/bin/env bash
# Sourced by run.sh and test.sh with $arch set (i686 or x86_64): installs what
# is missing, then configures and builds into $build ($MDX_BUILD_DIR/$arch,
# default build/$arch) and makes that build's Wine prefix, unless
# $compile_only is set (a build this machine cannot run).
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${MDX_BUILD_DIR:-$root/build}/$arch
bash "${MDX_SETUP:-$root/scripts/setup.sh}"
# CMake hands the compiler absolute paths: relative to the checkout's root,
# the compiler cache serves every clone of the same sources in any folder.
export CCACHE_BASEDIR=$root CCACHE_NOHASHDIR=1
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-$arch.cmake" \
  -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache >/dev/null
cmake --build "$build" -j"$(nproc)" -- --no-print-directory
[ -n "${compile_only:-}" ] || bash "$root/scripts/wine-prefix.sh" "$arch" "$build"
