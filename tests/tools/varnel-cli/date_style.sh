#!/usr/bin/env bash
# `varnel-cli sql` shows dates in the Date Style the options hold, as the program's datasheet does.
set -u
. "$(dirname "$0")/cli_checks.sh"
# The C locale offers the engine's style and its own short style, "d MMM yyyy".
export LC_ALL=C
T=$'\t'
expect() { expect_from sql "$@"; }

"$cli" create-empty "$db" || fail "create-empty"
"$cli" sql "$db" "CREATE TABLE Visits (Guest varchar(20), Due datetime)" \
    "INSERT INTO Visits VALUES ('Zoë', '12/7/2026')" "INSERT INTO Visits VALUES ('Ana', '3/4/2026 10:05:09 AM')" \
    >/dev/null || fail "creating the table"
expect "Guest${T}Due
Zoë${T}12/7/2026
Ana${T}3/4/2026 10:05:09 AM" "SELECT * FROM Visits"
"$cli" profile set GENERAL_OPTIONS Default_Date_Style 1 || fail "choosing the style"
expect "Guest${T}Due
Zoë${T}7 Dec 2026
Ana${T}4 Mar 2026 10:05:09 AM" "SELECT * FROM Visits"
# The statement's own dates stay the engine's: a WHERE still takes month/day/year.
expect "Guest
Ana" "SELECT Guest FROM Visits WHERE Due < '4/1/2026'"

[ "$failures" -eq 0 ] && echo "dates showed in the chosen style" || exit 1
