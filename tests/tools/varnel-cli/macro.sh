#!/usr/bin/env bash
# `varnel-cli macro show` and `macro run` over a real database: a stored form over Customers, macros
# run from the database window and by a control's event, and a module run in place of a macro.
set -u
. "$(dirname "$0")/cli_checks.sh"
sql() { "$cli" sql "$db" "$@" > /dev/null || fail "sql $*"; }
# macro NAME ARGUMENTS: a macro row whose Event column lists the actions of its Arguments.
macro() {
  local event
  event=$(printf '%s' "$2" | awk -v RS='~' 'NR % 2 == 1 && $0 != "" { printf "%s~", $0 }')
  local quote="'"
  sql "INSERT INTO XNSysMacros (MacroName, Event, Arguments, Standalone) VALUES ('$1', '$event', '${2//$quote/$quote$quote}', true)"
}
# run EXPECTED ARGUMENT...: `macro run DATABASE ARGUMENT...` prints exactly EXPECTED and succeeds.
run() {
  local wanted="$1"; shift
  local got
  got=$("$cli" macro run "$db" "$@" 2>&1) || { fail "$* -> $got"; return; }
  [ "$got" == "$wanted" ] || fail "$*"$'\n'"  wanted: $wanted"$'\n'"  got:    $got"
}

"$cli" create "$db" || fail "create"
sql "CREATE TABLE Customers (Name varchar(40), City varchar(40), Age int)" \
    "INSERT INTO Customers VALUES ('Ann', 'Oslo', 30)" "INSERT INTO Customers VALUES ('Bob', 'Rome', 40)" \
    "INSERT INTO Customers VALUES ('Zoë O''Brien', 'Lima', 50)"
text_box() { printf '0|TextBox~~~%s~~~~~~~~%s|' "$1" "$2"; }
form="Yes~Yes~Yes~Yes~16777215~Shop~Yes~Yes~Yes~Yes~No~Yes~Customers~|3|"
form+=$(text_box Customers.Name Name)$(text_box Customers.City City)$(text_box "" Note)
sql "INSERT INTO XNSysForms VALUES ('Shop', 'Customers', '$form')"
ann=$'position\t1/3\nName\tAnn\nCity\tOslo\nNote\t'
bob=$'position\t2/3\nName\tBob\nCity\tRome\nNote\t'

# The macro the editor stores for Next Record alone, and one of every kind of argument.
macro Step "Next Record~"
[ "$("$cli" sql "$db" "SELECT Event, Arguments FROM XNSysMacros WHERE MacroName = 'Step'")" == \
  $'Event\tArguments\nNext Record~\tNext Record~' ] || fail "stored Next Record macro"
[ "$("$cli" macro show "$db" Step)" == "Next Record" ] || fail "show Step"
macro Go "Open Form~FormName=Shop#Edit mode=ReadWrite~Next Record~~Message~Message text=Done"
[ "$("$cli" macro show "$db" Go)" == $'Open Form\tFormName=Shop\tEdit mode=ReadWrite\nNext Record\nMessage\tMessage text=Done' ] ||
  fail "show Go"

# From the database window: the first action opens the form, the rest run on it.
run $'message: Done\n'"$bob" Go
out=$("$cli" macro run "$db" Step 2>&1) && fail "a macro without Open Form started"
[ "$out" == "message: Cannot execute the macro. No form is open." ] || fail "Step -> $out"
run "$bob" Step --form Shop

# A question answered No ends the run; Find Next says so and the run goes on.
macro Leave "Close Form~Prompt to save before close ?=Yes~Message~Message text=after"
run $'question: Do you want to close the current form ?\n'"$ann" Leave --form Shop --answer no
run $'question: Do you want to close the current form ?\nmessage: after\nno form is open' Leave --form Shop
macro Onward "Find Next~~Next Record~"
run $'message: Not Implemented yet\n'"$bob" Onward --form Shop

# Set Field Value evaluates at the current record; a name no control has ends the run.
macro Stamp "Last Record~~Set Field Value~Control Name=Note#New Value=Customers.Age * 2"
run "$(printf 'position\t3/3\nName\tZoë O'"'"'Brien\nCity\tLima\nNote\t100')" Stamp --form Shop
macro Nobody "Set Field Value~Control Name=note#New Value=1~Message~Message text=after"
run $'message: Invalid Name specified in the macro\n'"$ann" Nobody --form Shop

# If, Else and EndIf run one branch, and the run goes on after EndIf.
macro Check "If~Expression=Customers.Age > 35~Message~Message text=old~Else~~Message~Message text=young~EndIf~~Message~Message text=end"
run $'message: young\nmessage: end\n'"$ann" Check --form Shop
macro Later "Next Record~~If~Expression=Customers.Age > 35~Message~Message text=old~Else~~Message~Message text=young~EndIf~"
run $'message: old\n'"$bob" Later --form Shop

# A name that is no macro runs the module of that name, acting on the form.
sql "INSERT INTO XNSysModules VALUES ('GoLast', 'LastRecord()')"
run "$(printf 'position\t3/3\nName\tZoë O'"'"'Brien\nCity\tLima\nNote\t')" GoLast --form Shop

# Move to and Apply Filter take their stored arguments; a condition that leaves its place is refused.
macro Jump "Move to~Record Number=9~Message~Message text=after"
run $'message: The macro Jump stopped at row 1, Move to: there is no record 9.\n'"$ann" Jump --form Shop
macro South "Apply Filter~Query Name=#SQL Filter Condition=City = 'Rome' OR City = 'Lima'"
run "$(printf 'position\t1/2\nName\tBob\nCity\tRome\nNote\t')" South --form Shop
macro Sneak "Apply Filter~Query Name=#SQL Filter Condition=1 = 1; DROP TABLE Customers"
out=$("$cli" macro run "$db" Sneak --form Shop) || fail "Sneak"
[[ "$out" == "message: The macro Sneak stopped at row 1, Apply Filter: the filter condition may not contain ;."* ]] ||
  fail "Sneak -> $out"
[ "$("$cli" sql "$db" "SELECT Name FROM Customers WHERE Age = 50")" == $'Name\nZoë O\'Brien' ] || fail "records lost"

"$cli" macro show "$db" Missing > /dev/null 2>&1 && fail "show of a missing macro succeeded"
"$cli" macro run "$db" Go --form Nowhere > /dev/null 2>&1 && fail "run on a missing form succeeded"
[ $failures -eq 0 ] && echo "all macro checks passed"
exit $failures
