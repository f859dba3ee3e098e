#!/usr/bin/env bash
# The geodesy benchmark beside PROJ: builds the project (as the test command
# does) and the native PROJ program bench/native/proj_utm_bench with the
# host's g++ against Debian's libproj-dev, then runs, in turns,
# geodesy_bench under Wine (64-bit build) and proj_utm_bench natively on the
# same UTM points. Usage: geodesy-bench.sh [ROUNDS] (default 3).
set -euo pipefail
scripts=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$scripts")
rounds=${1:-3}
arch=x86_64
(source "$scripts/build.sh")
build=${MDX_BUILD_DIR:-$root/build}
native=$build/native
mkdir -p "$native"
g++ -O2 -std=c++20 -Wall -Wextra -I"$root" "$root/bench/native/proj_utm_bench.cpp" -lproj -o "$native/proj_utm_bench"
for round in $(seq "$rounds"); do
  echo "geodesy-bench: round $round of $rounds"
  "$scripts/wine-run.sh" "$arch" "$build/$arch/bench/geodesy_bench.exe"
  "$native/proj_utm_bench"
done
