#!/usr/bin/env bash
# `varnel-cli eval` over a small database: results, record offsets, the logical words and failures.
set -u
. "$(dirname "$0")/cli_checks.sh"
# expect OUTPUT ARGUMENT...: eval prints exactly OUTPUT and succeeds.
expect() { expect_from eval "$@"; }

"$cli" create-empty "$db" || fail "create-empty"
"$cli" sql "$db" "CREATE TABLE Orders (Item varchar(20), Qty int, Price float)" \
  "INSERT INTO Orders VALUES ('Pen', 3, 1.5)" "INSERT INTO Orders VALUES ('Ink', 5, 12.25)" > /dev/null ||
  fail "tables"

expect 6 "Orders.Qty * 2"
expect 10 "Orders.Qty * 2" --offset 1
expect 10 --offset 1 "Orders.Qty * 2"
expect -1 "Orders.Price > 10 AND Orders.Price < 20" --offset 1 --logical
expect Ink5 "Orders.Item & Orders.Qty" --offset 1
expect 3.1423 "3.1423"
expect 5 "2.5 * 2"

"$cli" eval "$db" "1 +* (" > "$work/out" 2> "$work/err"
[ $? -eq 2 ] || fail "a script error exits with 2"
grep -q "^error: .*compilation error: .* (line 2)$" "$work/err" || fail "the engine's error -> $(cat "$work/err")"
"$cli" eval "$db" "LOWER(\"A\")" > /dev/null 2> "$work/err"
[ $? -eq 2 ] || fail "LOWER has no implementation"
long=$(printf '1%.0s' $(seq 300))
"$cli" eval "$db" "$long" > /dev/null 2> "$work/err"
[ $? -eq 2 ] || fail "a too long expression exits with 2"
grep -q "too long" "$work/err" || fail "a too long expression says so -> $(cat "$work/err")"
"$cli" eval "$db" "1" --offset x 2> /dev/null && fail "a bad offset is refused"
"$cli" eval "$work/none.cdb" "1" 2> /dev/null && fail "a missing database is refused"

# A script run through the console's MyObject computes the system's own functions as the program does.
printf 'ShowResult(TONUMBER("  -12abc") & "|" & TOTIMESTR(90061) & "|" & SUM(2147483647, 1))\n' > "$work/functions.vbs"
got=$("$cli" script "$work/functions.vbs" 2>&1)
[ "$got" == "-12|1: 1: 1|-2147483648" ] || fail "the console's functions -> $got"

[ $failures -eq 0 ] && echo "all eval checks passed"
exit $failures
