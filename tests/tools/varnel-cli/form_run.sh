#!/usr/bin/env bash
# `varnel-cli form run` over a real database: a stored form with text boxes, a check box and a subform
# control, and the automatic form of a table, driven command by command.
set -u
. "$(dirname "$0")/cli_checks.sh"
# run EXPECTED ARGUMENT...: `form run DATABASE ARGUMENT...` prints exactly EXPECTED and succeeds.
run() {
  local wanted="$1"; shift
  local got
  got=$("$cli" form run "$db" "$@" 2>&1) || { fail "$* -> $got"; return; }
  [ "$got" == "$wanted" ] || fail "$*"$'\n'"  wanted: $wanted"$'\n'"  got:    $got"
}
sql() { "$cli" sql "$db" "$@" > /dev/null || fail "sql $*"; }
# record TYPE INDEX=VALUE...: one control record; the values not named stay empty, the missing ones
# take their defaults.
record() {
  local type="$1"; shift
  local -a values=()
  local max=0 pair
  for pair in "$@"; do values[${pair%%=*}]="${pair#*=}"; ((${pair%%=*} > max)) && max=${pair%%=*}; done
  local text="$type" i
  for ((i = 0; i <= max; i++)); do text+="~${values[$i]:-}"; done
  printf '0|%s|' "$text"
}
# Field catalogue rows as the table designer writes them: name, id, ODBCType, Required, ZeroLen, Unique,
# DefValue, AutoNumber.
field_row() {
  sql "INSERT INTO XNSysFields (TableID, FieldName, FieldID, Len, ODBCType, Required, ZeroLen, Unique, DefValue, AutoNumber, Calculation, ValdnRule, ValdnText, Combo) VALUES ($table_id, '$1', $2, 0, $3, $4, $5, $6, '$7', $8, '', '', '', 0)"
}

"$cli" create "$db" || fail "create"
sql "CREATE TABLE Customers (ID int, Name varchar(40), City varchar(40), Age int, Price float, Active bit)" \
    "CREATE TABLE Orders (Name varchar(40), Item varchar(40))" \
    "INSERT INTO Customers VALUES (1, 'Ann', 'Oslo', 30, 1.5, true)" \
    "INSERT INTO Customers VALUES (2, 'Bob', 'Rome', 40, 2.5, false)" \
    "INSERT INTO Orders VALUES ('Bob', 'Pen')" "INSERT INTO Orders VALUES ('Ann', 'Ink')"
table_id=$("$cli" tables "$db" | awk '$1 == "Customers" { print $3 }')
sql "DELETE FROM XNSysFields WHERE TableID = $table_id"
field_row ID 1 4 false false false "" 3
field_row Name 2 12 false false true "" 0
field_row City 3 12 false false false "" 0
field_row Age 4 4 false false false "2-2" 0
field_row Price 5 8 false false false "" 0
field_row Active 6 -7 false false false "" 0

form="Yes~Yes~Yes~Yes~16777215~Shop~Yes~Yes~Yes~Yes~No~Yes~Customers~|8|"
form+=$(record TextBox 2=Customers.ID 10=ID)$(record TextBox 2=Customers.Name 10=Name)
form+=$(record TextBox 2=Customers.City 10=City)$(record TextBox 2=Customers.Age 10=Age)
form+=$(record TextBox 2=Customers.Price 10=Price)$(record CheckBox 3=Customers.Active 7=Active)
form+=$(record TextBox 2=Orders.Item 10=Item 17=Sales)$(record CommandButton 7=Go 14=GoLast)
sql "INSERT INTO XNSysForms VALUES ('Shop', 'Customers', '$form')"

ann=$'position\t1/2\nID\t1\nName\tAnn\nCity\tOslo\nAge\t30\nPrice\t1.5\nActive\t-1\nItem\tPen'
bob=$'position\t2/2\nID\t2\nName\tBob\nCity\tRome\nAge\t40\nPrice\t2.5\nActive\t0\nItem\tPen'
# The subform control shows its own source's first record whichever the main record is.
run "$ann" Shop show
# Next on the last record stays there.
run "$bob" Shop next next show
run $'message: Invalid Record number\n'"$bob" Shop last goto 3 show

# An event runs the module its property names, which acts on the form.
sql "INSERT INTO XNSysModules VALUES ('GoLast', 'LastRecord()')"
run "$bob" Shop event Go OnClick show
run "$ann" Shop event Go OnGotFocus show

# Zero length (City allows none, though not required) and unique violations keep the form on the record.
run $'message: Zero Length property violation : City\n'"${ann/Oslo/}" Shop set City "" next show
run $'message: Unique property violation : Name\n'"${ann/Ann/Bob}" Shop set Name Bob next show
[ "$("$cli" sql "$db" "SELECT Name FROM Customers")" == $'Name\nAnn\nBob' ] || fail "the refused name was written"

# The ticked box over a true field writes nothing; unticking writes false.
run "$ann" Shop tick Active save show
run "${ann/Active$'\t'-1/Active$'\t'0}" Shop untick Active save first show
[ "$("$cli" sql "$db" "SELECT Active FROM Customers WHERE ID = 1")" == $'Active\n0' ] || fail "untick"
"$cli" form run "$db" Shop tick Active save > /dev/null

# Typing goes through each field's character filter: "x" is refused on an integer field.
out=$("$cli" form run "$db" Shop set Age 7x show | grep -P '^(Age|Price|City)\t')
[ "$out" == $'City\tOslo\nAge\t7\nPrice\t1.5' ] || fail "7x -> $out"
out=$("$cli" form run "$db" Shop set Age -7 set Price 1.2.5 set City "Ann O'Brien-José" show | grep -P '^(Age|Price|City)\t')
[ "$out" == $'City\tAnn O\'Brien-José\nAge\t-7\nPrice\t1.25' ] || fail "typed whole -> $out"

# A new record: the AutoNumber handed out and stored at once, a default of 0 shown and stored as 0,
# and quotes and SQL text stored and found exactly.
out=$("$cli" form run "$db" Shop new show)
[ "$(grep -P '^(position|ID|Age)\t' <<< "$out")" == $'position\t3/3\nID\t3\nAge\t0' ] || fail "new -> $out"
[ "$("$cli" sql "$db" "SELECT AutoNumber FROM XNSysFields WHERE FieldName = 'ID'")" == $'AutoNumber\n4' ] ||
  fail "the counter is kept as each number is handed out"
"$cli" form run "$db" Shop new set Name "' OR 1=1 --" set City "It's" save > /dev/null || fail "quoted save"
[ "$("$cli" sql "$db" "SELECT ID, Name, City, Age FROM Customers WHERE ID = 4")" == $'ID\tName\tCity\tAge\n4\t\' OR 1=1 --\tIt\'s\t0' ] ||
  fail "quoted values -> $("$cli" sql "$db" "SELECT * FROM Customers")"
run $'message: Unique property violation : Name' Shop set Name "' OR 1=1 --" save
out=$("$cli" form run "$db" Shop filter Name including "' OR 1=1 --" show | grep -P '^(position|Name)\t')
[ "$out" == $'position\t1/1\nName\t\' OR 1=1 --' ] || fail "filter on the quoted value -> $out"
out=$("$cli" form run "$db" Shop filter Name excluding "A*" sort Age desc show | grep -P '^(position|Name)\t')
[ "$out" == $'position\t1/2\nName\tBob' ] || fail "filter and sort -> $out"

# Confirm On: the question, answered No, changes nothing; deleting the last record moves to the new last.
"$cli" profile set TABLEFORM_OPTIONS ConfirmOnAdding 1 > /dev/null
"$cli" profile set TABLEFORM_OPTIONS ConfirmOnDeleting 1 > /dev/null
out=$("$cli" form run "$db" Shop --answer no new show | head -2)
[ "$out" == $'question: Add Record\nposition\t1/3' ] || fail "Confirm On, No -> $out"
out=$("$cli" form run "$db" Shop last delete show | head -3)
[ "$out" == $'question: Do you want to delete the selected record ?\nposition\t2/2\nID\t2' ] || fail "delete last -> $out"
out=$("$cli" form run "$db" --auto Customers last delete delete delete show 2>&1 | tr '\n' '|')
[ "$out" == "question: Do you want to delete the selected record ?|question: Do you want to delete the selected record ?|message: No records to delete|position	0/0|ID	|Name	|City	|Age	|Price	|Active	0|" ] ||
  fail "the automatic form deletes to an empty table -> $out"
"$cli" profile set TABLEFORM_OPTIONS ConfirmOnAdding 0 > /dev/null
"$cli" profile set TABLEFORM_OPTIONS ConfirmOnDeleting 0 > /dev/null

# An empty source: nothing to move to, nothing to delete.
out=$("$cli" form run "$db" Shop next last delete show | head -2)
[ "$out" == $'message: No records to delete\nposition\t0/0' ] || fail "empty source -> $out"

# Forms that cannot be opened.
"$cli" form run "$db" Nothing show > /dev/null 2>&1
[ $? -eq 1 ] || fail "a missing form exits with 1"
"$cli" form run "$db" --auto Vanished show > "$work/out" 2>&1
[ $? -eq 1 ] || fail "a missing table exits with 1"
grep -q "^message: The record source of this form cannot be opened : Vanished$" "$work/out" || fail "$(cat "$work/out")"
"$cli" form run "$db" Shop set Nobody x > /dev/null 2>&1
[ $? -eq 2 ] || fail "an unknown control is a usage error"

[ $failures -eq 0 ] && echo "all form run checks passed"
exit $failures
