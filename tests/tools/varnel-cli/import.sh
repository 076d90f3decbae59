#!/usr/bin/env bash
# `varnel-cli import`: a delimited file becomes a table over a real database; refused lines are listed by
# number, and a refused import exits 1 with its message and leaves no table.
set -u
. "$(dirname "$0")/cli_checks.sh"

"$cli" create "$db" > /dev/null || fail "create"
printf 'Name;Qty;City\n"Ann; Jr";3;Paris\nBob;4;Rome;Oslo\nCy;;Oslo\n' > "$work/Orders.txt"
out=$("$cli" import "$db" "$work/Orders.txt" --delimiter ';' --header) || fail "import -> $out"
[ "$out" == $'Imported 2 records into Orders\nline 3: 4 values for 3 fields' ] ||
  fail "summary -> $out"
expect_from sql $'Name\tQty\tCity\nAnn; Jr\t3\tParis\nCy\t\tOslo' "SELECT * FROM Orders"

"$cli" import "$db" "$work/Orders.txt" --delimiter ';' --header 2> "$work/err" && fail "an existing table is refused"
grep -q "Table already exists in the database" "$work/err" || fail "and says so -> $(cat "$work/err")"

out=$("$cli" import "$db" "$work/Orders.txt" --delimiter ';' --header --table Copy --types text) || fail "as text"
[ "$out" == $'Imported 2 records into Copy\nline 3: 4 values for 3 fields' ] || fail "as text -> $out"
expect_from sql $'Qty\n3' "SELECT Qty FROM Copy WHERE Name = 'Ann; Jr'"
"$cli" sql "$db" "SELECT FieldName, ODBCType FROM XNSysFields" | grep -q $'^Qty\t12$' || fail "Qty is Text in Copy"

# Names the field rules refuse are given ones they take, and the summary says which.
printf 'Id,Ship_Date\n1,2\n' > "$work/Ship.txt"
out=$("$cli" import "$db" "$work/Ship.txt" --header) || fail "Ship_Date is renamed -> $out"
[ "$out" == $'Imported 1 records into Ship\nFields renamed: "Ship_Date" as ShipDate' ] || fail "and listed -> $out"
expect_from sql $'Id\tShipDate\n1\t2' "SELECT * FROM Ship"

# Note lines are passed over when asked.
printf '# zones\nAD\tEurope/Andorra\n' > "$work/zones.tab"
out=$("$cli" import "$db" "$work/zones.tab" --delimiter '[Tab]' --skip-comments) || fail "notes skipped -> $out"
expect_from sql $'Field0\tField1\nAD\tEurope/Andorra' "SELECT * FROM zones"

# Choices not given are the ones the import dialog proposes for the file: its delimiter, the names on its
# first line, and a column of prices as numbers. Relative paths are taken from the current folder.
mkdir -p "$work/sub"
printf 'Item;Price;Qty\nTea;2.50;3\nLamp;1234.99;1\n' > "$work/sub/Prices.txt"
out=$(cd "$work/sub" && "$cli" import ../Shop.cdb Prices.txt) || fail "relative paths -> $out"
[ "$out" == "Imported 2 records into Prices" ] || fail "proposed choices -> $out"
expect_from sql $'Item\tPrice\tQty\nTea\t2.5\t3\nLamp\t1234.99\t1' "SELECT * FROM Prices"
fields=$("$cli" sql "$db" "SELECT FieldName, ODBCType FROM XNSysFields")
grep -q $'^Price\t8$' <<< "$fields" && grep -q $'^Qty\t4$' <<< "$fields" || fail "Price Double, Qty Integer -> $fields"
out=$(cd "$work/sub" && "$cli" import ../Shop.cdb Prices.txt --no-header --table Raw) || fail "--no-header -> $out"
[ "$out" == "Imported 3 records into Raw" ] || fail "the first line is a record -> $out"
out=$(cd "$work/sub" && "$cli" tables ../Shop.cdb) || fail "tables by a relative path -> $out"
grep -q $'^Raw\t3\t' <<< "$out" || fail "lists Raw -> $out"
out=$(cd "$work/sub" && "$cli" export ../Shop.cdb Prices Back.csv) || fail "export to a relative path -> $out"
[ -f "$work/sub/Back.csv" ] || fail "the export is in the current folder"

printf 'Qty;Name\n9;Dee\n' > "$work/More.txt"
out=$("$cli" import "$db" "$work/More.txt" --delimiter ';' --header --table Orders --append) || fail "append"
[ "$out" == "Imported 1 records into Orders" ] || fail "append summary -> $out"

# export writes what import reads back; export-sqlite a file the sqlite3 shell reads under the real names.
out=$("$cli" export "$db" Orders "$work/Back.txt" --delimiter ';') || fail "export -> $out"
[ "$out" == "Exported 3 records to $work/Back.txt" ] || fail "export summary -> $out"
"$cli" import "$db" "$work/Back.txt" --delimiter ';' --header > /dev/null || fail "import of the export"
[ "$("$cli" sql "$db" "SELECT * FROM Back")" == "$("$cli" sql "$db" "SELECT * FROM Orders")" ] || fail "same records"
"$cli" sql "$db" "CREATE INDEX 'Names' ON Orders ('Name')" > /dev/null || fail "index"
out=$("$cli" export-sqlite "$db" "$work/plain.db") || fail "export-sqlite -> $out"
if command -v sqlite3 > /dev/null; then
  [ "$(sqlite3 "$work/plain.db" "SELECT Name, Qty FROM Orders ORDER BY Qty DESC LIMIT 1")" == "Dee|9" ] ||
    fail "the shell reads Orders -> $(sqlite3 "$work/plain.db" .dump | head -20)"
  sqlite3 "$work/plain.db" ".schema Orders" | grep -q 'CREATE INDEX "Orders_Names" ON "Orders" ("Name")' ||
    fail "with its index -> $(sqlite3 "$work/plain.db" .schema)"
  [ "$(sqlite3 "$work/plain.db" "SELECT count(*) FROM sqlite_master WHERE name LIKE '%Sys%'")" == 0 ] ||
    fail "no catalogue tables"
fi

[ $failures -eq 0 ] && echo "all import checks passed"
exit $failures
