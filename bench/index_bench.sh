#!/bin/sh
# An equality lookup on a table of 1,000,000 records before and after CREATE INDEX, in our engine through
# the index manager and in the sqlite3 shell over the same shape of table, side by side.
# Usage: bench/index_bench.sh [BUILD_DIR]   (default: build)
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
[ -f "$build/CMakeCache.txt" ] || cmake -S "$here/.." -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" -j2 --target index_bench > /dev/null
"$build/bench/index_bench"

command -v sqlite3 > /dev/null || { echo "sqlite3 shell not found: no reference figures"; exit 0; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sqlite3 "$work/ref.db" "CREATE TABLE Big (Code INTEGER, Label TEXT);
  WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 999999)
  INSERT INTO Big SELECT (i * 7919) % 1000000, 'label ' || i FROM n;"
lookups=$(awk 'BEGIN { for (i = 0; i < 100; i++) printf "SELECT * FROM Big WHERE Code = %d;\n", (i * 9973 * 7919) % 1000000 }')
# Microseconds per lookup, best of five runs of 100 lookups, the shell's start included.
per_lookup() {
  best=
  for run in 1 2 3 4 5; do
    start=$(date +%s%N)
    echo "$lookups" | sqlite3 "$work/ref.db" > /dev/null
    took=$(( ($(date +%s%N) - start) / 1000 / 100 ))
    [ -z "$best" ] || [ "$took" -lt "$best" ] && best=$took
  done
  echo "$best"
}
before=$(per_lookup)
sqlite3 "$work/ref.db" "CREATE INDEX ByCode ON Big (Code)"
after=$(per_lookup)
printf "sqlite3 lookup without index: %10s us   with index: %8s us\n" "$before" "$after"
