#!/usr/bin/env bash
# `varnel-cli index list` prints a table's indexes as the index manager lists them.
set -u
. "$(dirname "$0")/cli_checks.sh"
tab=$'\t'

"$cli" create "$db" > /dev/null || fail "create"
"$cli" sql "$db" "CREATE TABLE 'Le Café' (Nom varchar(20), Age int, Ville varchar(10))" \
  "CREATE INDEX ix1 ON 'Le Café' (Nom DESC CASESENSITIVE ) " "CREATE INDEX 'par âge' ON 'Le Café' (Age UNKNOWNFIRST)" \
  > /dev/null || fail "tables"

wanted="Index Name${tab}Field Name${tab}Null First${tab}Case Sensitive${tab}Sort Descending${tab}Flags
ix1${tab}Nom${tab}FALSE${tab}TRUE${tab}TRUE${tab}7
par âge${tab}Age${tab}TRUE${tab}FALSE${tab}FALSE${tab}0"
got=$("$cli" index list "$db" "Le Café" 2>&1) || fail "index list -> $got"
[ "$got" == "$wanted" ] || fail "index list"$'\n'"  wanted: $wanted"$'\n'"  got:    $got"

"$cli" index list "$db" Nowhere > /dev/null 2> "$work/err" && fail "an unknown table is refused"
grep -q "Could not get info from msysindexes" "$work/err" || fail "an unknown table says so -> $(cat "$work/err")"
"$cli" index show "$db" T > /dev/null 2>&1; [ $? -eq 2 ] || fail "an unknown action is a usage error"

[ $failures -eq 0 ] && echo "all index checks passed"
exit $failures
