#!/usr/bin/env bash
# `varnel-cli form show|export|import`: a stored form printed as ParseForm reads it, written to a form
# file and added back under the file's name, and the refusals that leave the database unchanged.
set -u
. "$(dirname "$0")/cli_checks.sh"

"$cli" create "$db" > /dev/null || fail "create"
line='Yes~Yes~Yes~Yes~16777215~Orders~Yes~Yes~Yes~Yes~No~Yes~Orders~|3|18|Label~Left~16777215~Yes~Name:~~Yes~Tahoma-11-FALSE-FALSE-FALSE-FALSE~~Label1~~Yes~No~MainForm~~~10~5~30~80|2|Gadget~x|9|Line~1'
"$cli" sql --edit "$db" "INSERT INTO XNSysForms (FormName, TableSource, CtrlProps) VALUES ('Orders', 'Orders', '$line')" \
  > /dev/null || fail "insert"

shown=$("$cli" form show "$db" Orders) || fail "show"
[ "$(echo "$shown" | head -2)" == $'form\tOrders\tOrders\nFormProps' ] || fail "show header -> $(echo "$shown" | head -2)"
echo "$shown" | grep -qx '  SQL Source=Orders' || fail "form property"
[ "$(echo "$shown" | grep -c '^control')" == 3 ] || fail "three control records"
echo "$shown" | grep -qx $'control\t1\t?' || fail "an unknown type prints ?"
[ "$(echo "$shown" | sed -n '/^control\t1/,$p' | sed -n 2p)" == $'control\t2\tLine' ] || fail "no properties for ?"
echo "$shown" | grep -qx '  Word wrap=No' || fail "label properties"
[ "$(echo "$shown" | sed -n '/^control\t0/,/^control\t1/p' | wc -l)" == 21 ] || fail "19 label properties"
echo "$shown" | grep -qx '  Y2=' || fail "a short Line record keeps its defaults"

"$cli" form export "$db" Orders "$work/Copy.v1.xnf" || fail "export"
[ "$(cat "$work/Copy.v1.xnf")" == "$line" ] || fail "the file holds the stored text"
"$cli" form import "$db" "$work/Copy.v1.xnf" || fail "import"
[ "$("$cli" form show "$db" Copy | head -1)" == $'form\tCopy\tOrders' ] || fail "imported under the file's name"

"$cli" form import "$db" "$work/Copy.v1.xnf" 2> "$work/err" && fail "an existing name is refused"
grep -q "exists already" "$work/err" || fail "and says so -> $(cat "$work/err")"
"$cli" form export "$db" Missing "$work/Missing.xnf" 2> /dev/null && fail "a missing form is refused"
[ -e "$work/Missing.xnf" ] && fail "and nothing is written"
"$cli" form import "$db" "$work/none.xnf" 2> /dev/null && fail "a missing file is refused"
"$cli" form show "$db" Missing 2> /dev/null && fail "show of a missing form"
count=$("$cli" sql "$db" "SELECT FormName FROM XNSysForms" | tail -n +2 | wc -l)
[ "$count" == 2 ] || fail "the refusals add nothing -> $count"

[ $failures -eq 0 ] && echo "all form checks passed"
exit $failures
