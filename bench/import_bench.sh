#!/usr/bin/env bash
# Delimited text import: 100,000 and 1,000,000 lines of 5 fields imported with `varnel-cli import`
# beside the sqlite3 shell's .import of the same file into a table of the same columns, and the
# import's memory peak, which must not grow with the file. Target: within 1.2x of the shell.
# Usage: bench/import_bench.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" -j2 --target varnel-cli > /dev/null
cli="$build/tools/varnel-cli/varnel-cli"
command -v sqlite3 > /dev/null || { echo "the sqlite3 shell is needed (Debian package sqlite3)"; exit 1; }
[ -x /usr/bin/time ] || { echo "/usr/bin/time is needed (Debian package time)"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VARNEL_ROOT="$work"

# Id, a name with a blank, a city, a decimal amount and a date: one of each kind the import guesses.
lines() {
  seq 1 "$1" | awk 'BEGIN { split("Paris,Oslo,Rome,Lima,Kyiv", city, ",") }
    { printf "%d,Name %d,%s,%.2f,%d/%d/20%02d\n", $1, $1, city[$1 % 5 + 1], $1 * 0.25, $1 % 12 + 1, $1 % 28 + 1, $1 % 30 }'
}

# Milliseconds of processor time (user + system, which other work on a busy machine does not blur) and
# peak resident megabytes of one run, as "ms MB".
measure() {
  /usr/bin/time -f "%U %S %M" -o "$work/time" "$@" > /dev/null
  awk '{ printf "%.0f %.1f\n", ($1 + $2) * 1000, $3 / 1024 }' "$work/time"
}
median() { sort -n | sed -n "$(( ($1 + 1) / 2 ))p"; }

printf "%-44s %10s %10s %7s %12s\n" "lines of 5 fields (median of 3, processor ms)" "import" "shell" "ratio" "peak MB"
for count in 100000 1000000; do
  { echo "Id,Name,City,Amount,Day"; lines "$count"; } > "$work/Rows.txt"
  tail -n +2 "$work/Rows.txt" > "$work/rows.csv"
  ours=(); shell=(); peaks=()
  for run in 1 2 3; do
    rm -f "$work/Bench.cdb" "$work/shell.db"
    "$cli" create "$work/Bench.cdb"
    read -r ms mb < <(measure "$cli" import "$work/Bench.cdb" "$work/Rows.txt" --header --table Rows)
    ours+=("$ms"); peaks+=("$mb")
    sqlite3 "$work/shell.db" "CREATE TABLE Rows (Id INTEGER, Name TEXT, City TEXT, Amount REAL, Day TEXT)"
    read -r ms mb < <(measure sqlite3 "$work/shell.db" ".mode csv" ".import $work/rows.csv Rows")
    shell+=("$ms")
  done
  a=$(printf '%s\n' "${ours[@]}" | median 3); b=$(printf '%s\n' "${shell[@]}" | median 3)
  p=$(printf '%s\n' "${peaks[@]}" | sort -n | tail -1)
  awk -v n="$count" -v a="$a" -v b="$b" -v p="$p" \
    'BEGIN { printf "%-44s %10d %10d %6.1fx %12.1f\n", n " lines", a, b, (b > 0 ? a / b : 0), p }'
done
echo "Target: the import within 1.2x of the shell; the peak the same for both sizes."
