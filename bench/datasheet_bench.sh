#!/bin/sh
# The datasheet's speed over a table of 1,000,000 records: opening it and moving to its last record,
# timed in the datasheet itself without a window, against 100 ms each (no pause a user would notice).
# Usage: bench/datasheet_bench.sh [BUILD_DIR]   (default: build)
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
[ -f "$build/CMakeCache.txt" ] || cmake -S "$here/.." -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" -j2 --target datasheet_bench > /dev/null
"$build/bench/datasheet_bench"
