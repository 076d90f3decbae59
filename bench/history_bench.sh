#!/usr/bin/env bash
# What keeping the history of data changes costs: single-record edits as the datasheet makes them and a
# delimited import, each with the history kept and with VARNEL_KEEP_HISTORY=0, in processor time (the
# commits' waits for the disk are the same either way), and the file's growth per 100,000 edits.
# Target: at most 1.3x.
# Usage: bench/history_bench.sh [BUILD_DIR] [EDITS] [IMPORT_LINES]   (defaults: build 100000 1000000)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
edits="${2:-100000}"
count="${3:-1000000}"
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" -j2 --target varnel-cli history_bench > /dev/null
cli="$build/tools/varnel-cli/varnel-cli"
edit="$build/bench/history_bench"
[ -x /usr/bin/time ] || { echo "/usr/bin/time is needed (Debian package time)"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VARNEL_ROOT="$work"

# Processor milliseconds (user + system) of one run; its standard output goes to $work/out.
measure() {
  /usr/bin/time -f "%U %S" -o "$work/time" "$@" > "$work/out"
  awk '{ printf "%.0f\n", ($1 + $2) * 1000 }' "$work/time"
}

printf "%-40s %12s %12s %7s\n" "work (processor ms)" "history" "no history" "ratio"
on=$(measure "$edit" "$edits"); read -r _ before after < "$work/out"
off=$(VARNEL_KEEP_HISTORY=0 measure "$edit" "$edits"); read -r _ before_off after_off < "$work/out"
awk -v n="$edits" -v a="$on" -v b="$off" 'BEGIN { printf "%-40s %12d %12d %6.2fx\n", n " single-record edits", a, b, a / b }'

seq 1 "$count" | awk 'BEGIN { print "Id,Name,City,Amount,Day"; split("Paris,Oslo,Rome,Lima,Kyiv", city, ",") }
  { printf "%d,Name %d,%s,%.2f,%d/%d/20%02d\n", $1, $1, city[$1 % 5 + 1], $1 * 0.25, $1 % 12 + 1, $1 % 28 + 1, $1 % 30 }' \
  > "$work/Rows.txt"
"$cli" create "$work/On.cdb" > /dev/null
"$cli" create "$work/Off.cdb" > /dev/null
on=$(measure "$cli" import "$work/On.cdb" "$work/Rows.txt" --header --table Rows)
off=$(VARNEL_KEEP_HISTORY=0 measure "$cli" import "$work/Off.cdb" "$work/Rows.txt" --header --table Rows)
awk -v n="$count" -v a="$on" -v b="$off" 'BEGIN { printf "%-40s %12d %12d %6.2fx\n", "import of " n " lines", a, b, a / b }'

awk -v n="$edits" -v g="$((after - before))" -v g0="$((after_off - before_off))" \
  'BEGIN { printf "file growth per 100,000 edits: %.1f MB with history, %.1f MB without\n",
           g * 100000 / n / 1048576, g0 * 100000 / n / 1048576 }'
awk -v a="$(stat -c %s "$work/On.cdb")" -v b="$(stat -c %s "$work/Off.cdb")" \
  'BEGIN { printf "file after the import: %.1f MB with history, %.1f MB without\n", a / 1048576, b / 1048576 }'
