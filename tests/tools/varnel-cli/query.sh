#!/usr/bin/env bash
# `varnel-cli query run|show`: a stored query run with its parameters given on the command line, printed as
# `varnel-cli sql` prints a result, and its stored row shown column by column.
set -u
. "$(dirname "$0")/cli_checks.sh"

"$cli" create "$db" > /dev/null || fail "create"
"$cli" sql "$db" "CREATE TABLE Customers (CustID int, Name varchar(40), City varchar(40))" \
  "INSERT INTO Customers VALUES (1, 'O''Brien', 'Cork')" "INSERT INTO Customers VALUES (2, 'Zoë', 'Köln')" \
  "INSERT INTO Customers VALUES (3, 'Ann', 'Cork')" > /dev/null || fail "customers"
stmt="SELECT Customers.Name FROM Customers WHERE ((Customers.City =[Town] AND Customers.CustID >[From]) ) "
"$cli" sql "$db" "INSERT INTO XNSysQueries VALUES (1, 'By town', 1, '$stmt', 'Customers.Name,Customers.City,', \
'Customers,Customers,', ',=[Town],~,,~,,~,,~', 'Customers.Name,Customers.City,', '', '10000000000000000000')" \
  > /dev/null || fail "insert"

# `varnel-cli query run DATABASE "By town" ARGUMENT...` succeeds and prints exactly OUTPUT.
expect_run() {
  local wanted="$1" got; shift
  got=$("$cli" query run "$db" "By town" "$@" 2>&1) || { fail "$* -> $got"; return; }
  [ "$got" == "$wanted" ] || fail "$*"$'\n'"  wanted: $wanted"$'\n'"  got:    $got"
}
expect_run $'Name\nO\'Brien\nAnn' --param "[Town]=Cork" --param "[From]="
expect_run $'Name\nAnn' --param "[Town]= Cork " --param "From=2"
expect_run 'Name' --param "[Town]=Cork' OR '1'='1" --param "[From]=0"
got=$("$cli" query run "$db" "By town" --param "[Town]=Cork" 2>&1) && fail "a missing parameter is refused"
[ "$got" == "error: no value given for the parameter [From]" ] || fail "and named -> $got"
"$cli" query run "$db" Nothing 2> /dev/null; [ $? == 1 ] || fail "an unknown query fails with 1"
"$cli" query run "$db" "By town" --param 2> /dev/null; [ $? == 2 ] || fail "a bare --param is a usage error"

shown=$("$cli" query show "$db" "By town") || fail "show"
[ "$(echo "$shown" | wc -l)" == 10 ] || fail "ten columns -> $shown"
[ "$(echo "$shown" | head -3)" == $'QueryID=1\nQueryName=By town\nQueryType=1' ] || fail "show head -> $shown"
echo "$shown" | grep -qxF "QueryStmt=$stmt" || fail "the statement as stored"
echo "$shown" | grep -qxF "Attribs=10000000000000000000" || fail "attribs"

[ $failures -eq 0 ] && echo "all query checks passed"
exit $failures
