#!/bin/sh
# The form runtime's speed over a table of 1,000,000 records: opening a stored form of 40 controls and
# moving to its last record, timed in the form session without a window, against 100 ms each.
# Usage: bench/form_bench.sh [BUILD_DIR]   (default: build)
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
[ -f "$build/CMakeCache.txt" ] || cmake -S "$here/.." -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" -j2 --target form_bench > /dev/null
"$build/bench/form_bench"
