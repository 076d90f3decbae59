#!/usr/bin/env bash
# The same work on a .cdb file, on a database of a throwaway local PostgreSQL server, and by psql on that
# server for reference: the datasheet over 1,000,000 records (open with its first page, move to the last
# record), 100,000 records added one by one, and the import of 1,000,000 delimited lines beside psql's
# \copy of the same file. Wall-clock milliseconds, since the server's work is done in its own processes.
# Targets: the datasheet figures within 100 ms each; the import within 2x of psql's \copy.
# Usage: bench/server_bench.sh [BUILD_DIR]   (default: build)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../build}
[ -f "$build/CMakeCache.txt" ] || cmake -S "$here/.." -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" -j2 --target datasheet_bench varnel-cli > /dev/null
cli="$build/tools/varnel-cli/varnel-cli"
dir=$(mktemp -d /tmp/varnel-bench-XXXXXX)
# Under root the throwaway server runs as nobody, which must reach its folder inside this one.
chmod a+rx "$dir"
trap '"$here/../tests/support/test_server.sh" stop "$dir/pg"; rm -rf "$dir"' EXIT
"$here/../tests/support/test_server.sh" start "$dir/pg"
server="postgresql:///%s?host=$dir/pg&port=5432&user=varnel"
# shellcheck disable=SC2059
at() { printf "$server" "$1"; }
fresh() { psql -q "$(at postgres)" -c "DROP DATABASE IF EXISTS $1" -c "CREATE DATABASE $1"; }
export VARNEL_ROOT=$dir/root
mkdir -p "$VARNEL_ROOT"
now() { date +%s%N; }
# Milliseconds `"$@"` takes, its output put away.
took() {
  local start
  start=$(now)
  "$@" > /dev/null
  echo $(( ($(now) - start) / 1000000 ))
}

echo "== datasheet over 1,000,000 records"
fresh bench
printf 'file:   '; "$build/bench/datasheet_bench"
printf 'server: '; VARNEL_BENCH_DATABASE="$(at bench)" "$build/bench/datasheet_bench"
table=$(psql -qtA "$(at bench)" -c "SELECT 't' || TableID FROM MSysTables WHERE TableName = 'Big'")
first=$(psql -qtA "$(at bench)" -c '\timing on' -c "SELECT * FROM $table ORDER BY rowid LIMIT 64" | sed -n 's/^Time: \([0-9.]*\).*/\1/p')
last=$(psql -qtA "$(at bench)" -c '\timing on' -c "SELECT * FROM $table ORDER BY rowid DESC LIMIT 64" | sed -n 's/^Time: \([0-9.]*\).*/\1/p')
echo "psql:   first page $first ms, last page $last ms"

# Id, a name with a blank, a city, a decimal amount and a date.
lines() {
  seq 1 "$1" | awk 'BEGIN { split("Paris,Oslo,Rome,Lima,Kyiv", city, ",") }
    { printf "%d,Name %d,%s,%.2f,%d/%d/20%02d\n", $1, $1, city[$1 % 5 + 1], $1 * 0.25, $1 % 12 + 1, $1 % 28 + 1, $1 % 30 }'
}
psqlTable="CREATE TABLE Rows (Id integer, Name varchar(255), City varchar(255), Amount double precision, Day date)"
engineColumns="Id integer, Name varchar(255) COLLATE cedb_nocase, City varchar(255) COLLATE cedb_nocase, Amount double precision, Day timestamp"

for count in 100000 1000000; do
  { echo "Id,Name,City,Amount,Day"; lines "$count"; } > "$dir/Rows.txt"
  lines "$count" > "$dir/rows.csv"
  echo "== $count records added by an import (into the file an INSERT each, into the server by COPY) and by psql"
  rm -f "$dir/Bench.cdb"
  "$cli" create "$dir/Bench.cdb" > /dev/null
  echo "file:   $(took "$cli" import "$dir/Bench.cdb" "$dir/Rows.txt" --header --table Rows) ms"
  fresh imports
  "$cli" create "$(at imports)" > /dev/null
  echo "server: $(took "$cli" import "$(at imports)" "$dir/Rows.txt" --header --table Rows) ms"
  fresh reference
  psql -q "$(at reference)" -c "$psqlTable"
  echo "psql \\copy: $(took psql -q "$(at reference)" -c "SET datestyle = 'MDY'" -c "\\copy Rows FROM '$dir/rows.csv' CSV") ms"
  # The server's own share of the work for a table as the engine keeps it: a rowid from a sequence and its
  # primary key for every record, beside the plain table above.
  psql -q "$(at imports)" -c "CREATE TABLE shaped (rowid bigserial PRIMARY KEY, $engineColumns)"
  echo "psql \\copy into a table of the engine's shape: $(took psql -q "$(at imports)" -c "SET datestyle = 'MDY'" -c "\\copy shaped (Id, Name, City, Amount, Day) FROM '$dir/rows.csv' CSV") ms"
  if [ "$count" -eq 100000 ]; then
    fresh inserts
    psql -q "$(at inserts)" -c "$psqlTable"
    awk -F, 'BEGIN { print "BEGIN;" } { printf "INSERT INTO Rows VALUES (%s, '\''%s'\'', '\''%s'\'', %s, '\''%s'\'');\n", $1, $2, $3, $4, $5 }
      END { print "COMMIT;" }' "$dir/rows.csv" > "$dir/inserts.sql"
    echo "psql INSERTs in one transaction: $(took psql -q "$(at inserts)" -v ON_ERROR_STOP=1 -c "SET datestyle = 'MDY'" -f "$dir/inserts.sql") ms"
  fi
done
