#!/usr/bin/env bash
# Statements and scripts nested far too deep end with the engine's error and exit status, not a crash.
set -u
. "$(dirname "$0")/cli_checks.sh"
repeat() { local text="$1" count="$2"; printf "%${count}s" "" | sed "s/ /$text/g"; }

"$cli" create-empty "$db" || fail "create-empty"
"$cli" sql "$db" "CREATE TABLE Orders (Item varchar(20), Qty int)" "INSERT INTO Orders VALUES ('Pen', 3)" \
  > /dev/null || fail "tables"

# refused_sql WHERE: the statement fails with the engine's error and the usual exit status.
refused_sql() {
  "$cli" sql "$db" "SELECT * FROM Orders WHERE $1" > /dev/null 2> "$work/err"
  local status=$?
  [ $status -eq 1 ] || fail "a deep WHERE exits with 1, not $status"
  grep -q "^error: .*DB_E_ERRORSINCOMMAND" "$work/err" || fail "a deep WHERE names the failure"
}
refused_sql "$(repeat '(' 30000)Qty = 3$(repeat ')' 30000)"
refused_sql "$(repeat 'NOT ' 30000)Qty = 3"

# refused_script TEXT: the script ends with "Out of stack space" and the script error status.
refused_script() {
  printf '%s\nShowResult "ran"\n' "$1" > "$work/deep.vbs"
  "$cli" script "$work/deep.vbs" > "$work/out" 2> "$work/err"
  local status=$?
  [ $status -eq 2 ] || fail "a deep script exits with 2, not $status"
  grep -q "^error: line .*: Out of stack space$" "$work/err" || fail "a deep script says why -> $(head -c 300 "$work/err")"
  [ ! -s "$work/out" ] || fail "nothing of a refused script runs"
}
refused_script "x = $(repeat '(' 100000)1$(repeat ')' 100000)"
refused_script "x = $(repeat 'Not ' 30000)True"
refused_script $'Function Down(n)\n  Down = Down(n + 1)\nEnd Function\nx = Down(0)'

[ "$failures" -eq 0 ] && echo "deep nesting is refused" || exit 1
