#!/bin/sh
# The datasheet over 1,000,000 records (open with its first page, move to the last record) on a .cdb
# file and on a database of a throwaway local PostgreSQL server, and psql reading the same pages from
# that server for reference.
# Usage: bench/server_bench.sh [BUILD_DIR]   (default: build)
set -e
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
[ -f "$build/CMakeCache.txt" ] || cmake -S "$here/.." -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" -j2 --target datasheet_bench > /dev/null
dir=$(mktemp -d /tmp/varnel-bench-XXXXXX)
trap '"$here/../tests/support/test_server.sh" stop "$dir/pg"' EXIT
"$here/../tests/support/test_server.sh" start "$dir/pg"
maintenance="postgresql:///postgres?host=$dir/pg&port=5432&user=varnel"
address="postgresql:///bench?host=$dir/pg&port=5432&user=varnel"
psql -q "$maintenance" -c "CREATE DATABASE bench"
printf 'file:   '; "$build/bench/datasheet_bench"
printf 'server: '; VARNEL_BENCH_DATABASE="$address" "$build/bench/datasheet_bench"
table=$(psql -qtA "$address" -c "SELECT 't' || TableID FROM MSysTables WHERE TableName = 'Big'")
first=$(psql -qtA "$address" -c '\timing on' -c "SELECT * FROM $table ORDER BY rowid LIMIT 64" | sed -n 's/^Time: \([0-9.]*\).*/\1/p')
last=$(psql -qtA "$address" -c '\timing on' -c "SELECT * FROM $table ORDER BY rowid DESC LIMIT 64" | sed -n 's/^Time: \([0-9.]*\).*/\1/p')
echo "psql:   first page $first ms, last page $last ms"
