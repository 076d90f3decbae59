#!/usr/bin/env bash
# Builds the engine benchmark and prints its figures beside the sqlite3 shell doing the same work on
# the same file. Usage: bench/run.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" -j2 --target cedb_bench > /dev/null
bench="$build/bench/cedb_bench"
command -v sqlite3 > /dev/null || { echo "the sqlite3 shell is needed (Debian package sqlite3)"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
db="$work/Bench.cdb"
export VARNEL_ROOT="$work"
echo "Preparing 1,000,000 + 10,000 records..."
ids=$("$bench" prepare "$db")
table_of() { echo "t$(awk -v name="$1" '$1 == name { print $2 }' <<< "$ids")"; }
t=$(table_of T); orders=$(table_of Orders); fresh=$(table_of Fresh)

# All figures are processor time (user + system), which other work on a busy machine does not blur.
# The shell's own timer, summed over the statements of one run; the median of 7 runs.
shell_ms() {
  for _ in 1 2 3 4 5 6 7; do
    printf '%s\n' ".timer on" "$@" | sqlite3 "$db" | awk '/^Run Time/ { total += $6 + $8 } END { printf "%.3f\n", total * 1000 }'
  done | sort -n | sed -n 4p
}
# A whole shell process.
cpu_ms() {
  local TIMEFORMAT='%3U %3S' times
  times=$( { time "$@" > /dev/null; } 2>&1 )
  awk '{ printf "%.0f\n", ($1 + $2) * 1000 }' <<< "$times"
}

figures=($("$bench" open "$db")); open01=${figures[2]}; open23=${figures[5]}
figures=($("$bench" move "$db")); move01=${figures[2]}; move23=${figures[5]}
shell_open=$(shell_ms "SELECT count(*) FROM $t;" "SELECT * FROM $t LIMIT 50;")
shell_move=$(shell_ms "SELECT count(*) FROM $t;" "SELECT * FROM $t LIMIT 50;" "SELECT * FROM $t LIMIT 50 OFFSET 999950;")

figures=($("$bench" insert "$db")); insert=${figures[1]}
seq 0 99999 | awk '{ printf "%d,Name %d,%d,%s\n", $1, $1, $1 % 100, $1 * 0.5 }' > "$work/rows.csv"
shell_insert=$(for i in 1 2 3; do
  sqlite3 "$db" "DELETE FROM $fresh;"
  cpu_ms sqlite3 "$db" ".mode csv" ".import $work/rows.csv $fresh"
done | sort -n | sed -n 2p)

figures=($("$bench" cycles "$db")); cycles=${figures[1]}
seq 0 9999 | awk -v t="$orders" '{ printf "SELECT c3 FROM %s LIMIT 1 OFFSET %d;\n", t, $1 }' > "$work/cycles.sql"
shell_cycles=$(for i in 1 2 3; do cpu_ms sqlite3 "$db" ".read $work/cycles.sql"; done | sort -n | sed -n 2p)

figures=($("$bench" memory "$db")); memory=${figures[1]}

printf "\n%-62s %12s %12s %8s\n" "figure (median, ms of processor time)" "engine" "sqlite3" "ratio"
row() { awk -v n="$1" -v a="$2" -v b="$3" 'BEGIN { printf "%-62s %12.1f %12.1f %7.1fx\n", n, a, b, (b > 0 ? a / b : 0) }'; }
row "(a) open 1M table, count, first 50 records, 0/1" "$open01" "$shell_open"
row "(a) open 1M table, count, first 50 records, 2/3" "$open23" "$shell_open"
row "(b) as (a), then MoveTo(999950) and 50 records, 0/1" "$move01" "$shell_move"
row "(b) as (a), then MoveTo(999950) and 50 records, 2/3" "$move23" "$shell_move"
row "(c) 100,000 inserts in one transaction (shell: .import)" "$insert" "$shell_insert"
row "(d) 10,000 x open, MoveTo(n), read, close on 10,000 records" "$cycles" "$shell_cycles"
printf "%-62s %12.1f MB above the empty process (target < 64)\n" "peak memory of (a) and (b), 2/3" "$memory"
echo "Targets: (a), (b) within 3x of the shell; (c) within 1.5x; (d) within 1.2x."
