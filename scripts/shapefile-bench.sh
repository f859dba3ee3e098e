#!/usr/bin/env bash
# The shapefile benchmark beside its floor: builds the project (as the test
# command does), writes the map of 100,000 polygons with pyshp once, builds
# the native shapelib program bench/native/shapelib_floor.c with the host's
# C compiler against Debian's libshp-dev, then runs shapefile_bench under
# Wine (64-bit build) and shapelib_floor natively on the same file.
# The window part needs a display: DISPLAY=... scripts/shapefile-bench.sh
set -euo pipefail
scripts=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$scripts")
arch=x86_64
(source "$scripts/build.sh")
build=${MDX_BUILD_DIR:-$root/build}
data=$build/bench-data
native=$build/native
mkdir -p "$native"
[ -f "$data/bench_polygons.shp" ] || /usr/bin/python3 "$root/bench/make_bench_shapefile.py" "$data"
gcc -O2 -Wall -Wextra "$root/bench/native/shapelib_floor.c" -lshp -o "$native/shapelib_floor"
"$native/shapelib_floor" "$data/bench_polygons.shp"
"$scripts/wine-run.sh" "$arch" "$build/$arch/bench/shapefile_bench.exe" "Z:$data/bench_polygons.shp"
