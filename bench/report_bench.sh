#!/usr/bin/env bash
# A grouped report of 10,000 records rendered to PDF (pages per second), beside the sqlite3 shell making the
# same grouped counts and sums as text from the same records. Usage: bench/report_bench.sh [BUILD_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
[ -f "$build/CMakeCache.txt" ] || cmake -S "$here/.." -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" -j2 --target report_bench > /dev/null
command -v sqlite3 > /dev/null || { echo "the sqlite3 shell is needed (Debian package sqlite3)"; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

QT_QPA_PLATFORM=offscreen "$build/bench/report_bench" "$work/orders.sqlite" 2> /dev/null
sums="SELECT Town, COUNT(*), SUM(Amount) FROM Big GROUP BY Town ORDER BY Town"
best=
for run in 1 2 3 4 5; do
  start=$(date +%s%N)
  sqlite3 "$work/orders.sqlite" "$sums" > "$work/sums.txt"
  took=$(( ($(date +%s%N) - start) / 1000 ))
  [ -z "$best" ] || [ "$took" -lt "$best" ] && best=$took
done
groups=$(wc -l < "$work/sums.txt")
printf 'sqlite3 grouped sums as text: %d groups in %d.%03d ms\n' "$groups" $((best / 1000)) $((best % 1000))
