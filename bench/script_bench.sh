#!/bin/sh
# The script engine's speed figures beside their references:
#  - a loop of 1,000,000 rounds of integer and string work, against the same loop in Debian's python3;
#  - 1,000,000 calls of a class instance's method, against the same calls in python3;
#  - the start-up of a run of an empty script, against python3 starting on nothing;
#  - parse-and-run of a one-line expression script with a fresh engine each time, against 20 microseconds.
# Usage: bench/script_bench.sh [BUILD_DIR]   (default: build)
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
[ -f "$build/CMakeCache.txt" ] || cmake -S "$here/.." -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" -j2 --target varnel-cli script_expression_bench > /dev/null
# The median user+sys seconds of seven runs of the command: on a shared machine the best of a few runs
# swings with the other load, the median does not.
median() {
    for run in 1 2 3 4 5 6 7; do
        /usr/bin/time -f "%U %S" "$@" 2>&1 >/dev/null | tail -1 | awk '{ print $1 + $2 }'
    done | sort -n | sed -n 4p
}
script=$(median "$build/tools/varnel-cli/varnel-cli" script "$here/script_loop.vbs")
python=$(median /usr/bin/python3 "$here/script_loop.py")
echo "loop of 1,000,000 rounds: script engine ${script} s, python3 ${python} s (target: no slower than python3)"
script=$(median "$build/tools/varnel-cli/varnel-cli" script "$here/script_method_loop.vbs")
python=$(median /usr/bin/python3 "$here/script_method_loop.py")
echo "1,000,000 method calls: script engine ${script} s, python3 ${python} s (target: no slower than python3)"
# One start-up is below the timer's resolution: twenty of them are timed together.
empty=$(mktemp)
trap 'rm -f "$empty"' EXIT
startup() {
    median sh -c "for run in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20; do $* > /dev/null; done" |
        awk '{ printf "%.1f", $1 * 1000 / 20 }'
}
script=$(startup "'$build/tools/varnel-cli/varnel-cli'" script "'$empty'")
python=$(startup /usr/bin/python3 -c pass)
echo "start-up, empty script: script engine ${script} ms, python3 ${python} ms (python3 for reference)"
"$build/bench/script_expression_bench"
