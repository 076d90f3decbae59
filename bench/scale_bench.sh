#!/usr/bin/env bash
# Opening a table of 10^6 and 10^7 records (10^8 with --huge), moving to its last record and back to the
# first, through the engine, beside the sqlite3 shell doing the nearest work on the same file: counting
# the records with the first 50, and reading the last record. The files are made once and kept in
# VARNEL_BENCH_DATA (default ~/.cache/varnel-bench); the shell fills them, then one write of the engine
# keeps their count. Usage: bench/scale_bench.sh [--huge] [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
sizes=(1000000 10000000)
if [ "${1:-}" = --huge ]; then sizes+=(100000000); shift; fi
build="${1:-build}"
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" -j2 --target cedb_bench > /dev/null
bench="$build/bench/cedb_bench"
command -v sqlite3 > /dev/null || { echo "the sqlite3 shell is needed (Debian package sqlite3)"; exit 1; }
data="${VARNEL_BENCH_DATA:-$HOME/.cache/varnel-bench}"
mkdir -p "$data"
export VARNEL_ROOT="$data"

# Processor time (user + system) of the shell's statements, summed by its own timer; median of 7.
shell_ms() {
  local db="$1"; shift
  for _ in 1 2 3 4 5 6 7; do
    printf '%s\n' ".timer on" "$@" | sqlite3 "$db" | awk '/^Run Time/ { total += $6 + $8 } END { printf "%.3f\n", total * 1000 }'
  done | sort -n | sed -n 4p
}

printf "\n%-52s %10s %10s %8s %8s\n" "figure (median, ms of processor time)" "engine" "sqlite3" "ratio" "target"
row() { awk -v n="$1" -v a="$2" -v b="$3" 'BEGIN { printf "%-52s %10.2f %10.2f %7.1fx %8s\n", n, a, b, (b > 0 ? a / b : 0), "20" }'; }
for size in "${sizes[@]}"; do
  name="Scale$size"; db="$data/$name.cdb"
  if [ ! -f "$db" ]; then
    echo "Making $db ..." >&2
    "$bench" scale-table "$db"
    sqlite3 "$db" "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < $size - 1)
                   INSERT INTO t4 (c1, c2, c3, c4) SELECT i, 'Name ' || i, i % 100, i * 0.5 FROM n;"
  fi
  "$bench" scale-keep "$db"
  read -r _ records open last first <<< "$("$bench" scale "$db")"
  shell_open=$(shell_ms "$db" "SELECT count(*) FROM t4;" "SELECT * FROM t4 LIMIT 50;")
  shell_last=$(shell_ms "$db" "SELECT * FROM t4 ORDER BY rowid DESC LIMIT 1;")
  shell_first=$(shell_ms "$db" "SELECT * FROM t4 LIMIT 1;")
  # The same, once another program wrote the file: its count is taken again until the engine writes.
  sqlite3 "$db" "INSERT INTO t4 (c1) VALUES (-2); DELETE FROM t4 WHERE c1 = -2;"
  read -r _ _ stale _ _ <<< "$("$bench" scale "$db")"
  "$bench" scale-keep "$db"
  row "$records records: open, count, first 50 records" "$open" "$shell_open"
  row "$records records: move to the last record" "$last" "$shell_last"
  row "$records records: move back to the first record" "$first" "$shell_first"
  row "$records records: open after another program wrote" "$stale" "$shell_open"
done
