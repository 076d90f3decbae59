#!/usr/bin/env bash
# `varnel-cli print`: a table's records and a stored query's result written as a PDF without a window, read
# back with pdftotext; a query's parameters from the command line; failures with a message and no file.
set -u
. "$(dirname "$0")/cli_checks.sh"

"$cli" create "$db" > /dev/null || fail "create"
"$cli" sql "$db" "CREATE TABLE Customers (Name varchar(40), City varchar(40))" "INSERT INTO Customers VALUES ('Ann', 'Cork')" \
  "INSERT INTO Customers VALUES ('O''Brien', 'Cork')" "INSERT INTO Customers VALUES ('Zoë', 'Köln')" > /dev/null ||
  fail "customers"
"$cli" sql "$db" "INSERT INTO XNSysQueries (QueryID, QueryName, QueryType, QueryStmt) VALUES \
(1, 'By town', 1, 'SELECT Name, City FROM Customers WHERE City = [Town] ORDER BY Name')" > /dev/null || fail "query"

out=$("$cli" print "$db" Customers "$work/customers.pdf" 2> /dev/null) || fail "print a table"
[ "$out" == "Printed 1 page to $work/customers.pdf" ] || fail "the pages told -> $out"
text=$(pdftotext -layout "$work/customers.pdf" -)
for value in "O'Brien" "Zoë" "Köln" "Customers" "Page 1 of 1"; do
  grep -qF "$value" <<< "$text" || fail "the table's PDF shows $value"
done

"$cli" print "$db" "(Q)By town" "$work/town.pdf" --param "[Town]=Cork" > /dev/null 2>&1 || fail "print a query"
text=$(pdftotext -layout "$work/town.pdf" -)
grep -qF "By town" <<< "$text" || fail "the query's name heads its pages"
[ "$(grep -oE "Ann|O'Brien" <<< "$text" | tr '\n' ' ')" == "Ann O'Brien " ] || fail "its order -> $text"
grep -qF "Zoë" <<< "$text" && fail "its condition"

# The messages, without what the graphics library says of its own.
messages() { "$cli" "$@" 2>&1 | grep -v XDG_RUNTIME; return "${PIPESTATUS[0]}"; }
got=$(messages print "$db" "(Q)By town" "$work/none.pdf") && fail "a missing parameter is refused"
[ "$got" == "error: no value given for the parameter [Town]" ] || fail "and named -> $got"
[ -e "$work/none.pdf" ] && fail "no file for a refused print"
got=$(messages print "$db" Nowhere "$work/none.pdf")
[ "$got" == "Varnel Desk 5.0: The record source is missing: Nowhere" ] || fail "a missing table -> $got"
"$cli" print "$db" Customers "$work/no folder/x.pdf" > /dev/null 2>&1; [ $? == 1 ] || fail "an unwritable path fails with 1"
"$cli" print "$db" Customers 2> /dev/null; [ $? == 2 ] || fail "a missing argument is a usage error"

layout='{"fields":[{"name":"Name","width":90}],"groups":[{"field":"City","by":"Value"}],"totals":[{"field":"Name","aggregate":"Count"}]}'
"$cli" sql "$db" "CREATE TABLE 'XNSysReports' (ReportName varchar(64), RecordSource text, Layout text)" \
  "INSERT INTO XNSysReports VALUES ('By city', 'Customers', '$layout')" > /dev/null || fail "a stored report"
"$cli" print "$db" - "$work/report.pdf" --report "By city" > /dev/null 2>&1 || fail "print a report"
text=$(pdftotext -layout "$work/report.pdf" -)
for line in "City: Cork" "Total for City: Cork, 2 records" "City: Köln" "Grand total, 3 records"; do
  grep -qF "$line" <<< "$text" || fail "the report shows $line"
done
"$cli" print "$db" "(Q)By town" "$work/over.pdf" --report "By city" --param "Town=Köln" > /dev/null 2>&1 ||
  fail "a report over another source"
pdftotext -layout "$work/over.pdf" - | grep -qF "Total for City: Köln, 1 record" || fail "over the query's records"
labels='{"kind":"labels","sheet":{"columns":2,"rows":7,"width":99.1,"height":38.1,"left":4.65,"top":15.15,"columnGap":2.5,"rowGap":0},"labelLines":["[Name]","[City]"]}'
"$cli" sql "$db" "INSERT INTO XNSysReports VALUES ('Labels', 'Customers', '$labels')" > /dev/null || fail "a label report"
out=$("$cli" print "$db" - "$work/labels.pdf" --report Labels 2> /dev/null) || fail "print labels"
[ "$out" == "Printed 1 page to $work/labels.pdf" ] || fail "three labels on one sheet -> $out"
text=$(pdftotext -layout "$work/labels.pdf" -)
[ "$(grep -oE "Ann|O'Brien|Zoë|Köln" <<< "$text" | tr '\n' ' ')" == "Ann O'Brien Zoë Köln " ] ||
  fail "two labels across, then the third below -> $text"
grep -qF "Page" <<< "$text" && fail "no page frame on labels"
got=$(messages print "$db" - "$work/none.pdf" --report Nothing)
[ "$got" == "Varnel Desk 5.0: There is no report named Nothing" ] || fail "an unknown report -> $got"
got=$(messages print "$db" Nope "$work/none.pdf" --form)
[ "$got" == "Varnel Desk 5.0: There is no form named Nope" ] || fail "an unknown form -> $got"
"$cli" print "$db" Customers "$work/none.pdf" --record 2 2> /dev/null; [ $? == 2 ] || fail "--record is a form's"

[ $failures -eq 0 ] && echo "all print checks passed"
exit $failures
