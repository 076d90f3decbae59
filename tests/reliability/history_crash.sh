#!/usr/bin/env bash
# Kills varnel-cli in the middle of a big import, a big undo and a big delete query, and checks after each kill
# that the file is sound, that its data and its history agree (the whole step or none of it, in both)
# and that undo and redo still work.
# usage: history_crash.sh TRIALS VARNEL_CLI
set -uo pipefail
trials=${1:-4}
cli=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export VARNEL_ROOT="$work"
seed=1000
lines=200000
failures=0

fail() { echo "$1"; ((failures++)); }
q() { sqlite3 "$1" "$2"; }

seq 1 "$seed" | awk 'BEGIN { print "Id,Name" } { printf "%d,Name %d\n", $1, $1 }' > "$work/Seed.txt"
seq 1 "$lines" | awk '{ printf "%d,Mass %d\n", $1 + 1000000, $1 }' > "$work/Mass.txt"
"$cli" create "$work/Base.cdb" > /dev/null || { echo "create failed"; exit 1; }
"$cli" import "$work/Base.cdb" "$work/Seed.txt" --header --table Rows > /dev/null || { echo "seed import failed"; exit 1; }
rows=t$(q "$work/Base.cdb" "SELECT TableID FROM MSysTables WHERE TableName = 'Rows'")

# Runs a command, kills it with SIGKILL after a random part of `longest` seconds and says whether it
# ended by itself first.
kill_during() {
  local longest=$1
  shift
  "$@" > /dev/null 2>&1 &
  local pid=$!
  sleep "$(awk -v seed="$RANDOM" -v most="$longest" 'BEGIN { srand(seed); printf "%.3f", 0.1 + rand() * most }')"
  kill -KILL "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}

# The file is sound, every step has changes, and the records of Rows are what its steps in force add up to;
# prints how many records Rows holds, or what is wrong.
agrees() {
  local db=$1 what=$2
  [ "$(q "$db" "PRAGMA integrity_check")" == ok ] || { echo "$what: integrity check fails"; return 1; }
  local empty
  empty=$(q "$db" "SELECT count(*) FROM VarnelHistorySteps s WHERE NOT EXISTS (SELECT 1 FROM VarnelHistoryChanges c WHERE c.step = s.id)")
  [ "$empty" == 0 ] || { echo "$what: $empty steps without changes"; return 1; }
  local held added
  held=$(q "$db" "SELECT count(*) FROM $rows")
  added=$(q "$db" "SELECT total(CASE c.kind WHEN 1 THEN 1 WHEN 6 THEN CAST(c.after AS INTEGER) WHEN 3 THEN -1 ELSE 0 END) FROM VarnelHistoryChanges c
                   JOIN VarnelHistorySteps s ON s.id = c.step WHERE s.undone = 0")
  added=${added%.0}
  [ "$held" == "$added" ] || { echo "$what: $held records but the history adds up to $added"; return 1; }
  # The kept number of records, while its stamp is the file's change counter, is the real one.
  local stamp counter kept
  stamp=$(q "$db" "SELECT counter FROM VarnelRecordCountStamp")
  counter=$(od -An -tu1 -j24 -N4 "$db" | awk '{ print (($1 * 256 + $2) * 256 + $3) * 256 + $4 }')
  kept=$(q "$db" "SELECT records FROM VarnelRecordCounts WHERE tableId = ${rows#t}")
  [[ $stamp != "$counter" || $kept == "$held" ]] || { echo "$what: $held records but $kept kept"; return 1; }
  echo "$held"
}

for ((trial = 1; trial <= trials; trial++)); do
  db=$work/Trial$trial.cdb
  cp "$work/Base.cdb" "$db"

  # An import of many lines: all of them and their step, or none and no step.
  kill_during 2 "$cli" import "$db" "$work/Mass.txt" --table Rows --append
  held=$(agrees "$db" "trial $trial, import") || { fail "$held"; continue; }
  [[ $held == "$seed" || $held == $((seed + lines)) ]] || { fail "trial $trial: $held records after a killed import"; continue; }
  summary="import killed with $((held - seed)) records in"
  if [[ $held == "$seed" ]]; then
    "$cli" import "$db" "$work/Mass.txt" --table Rows --append > /dev/null || { fail "trial $trial: import again"; continue; }
  fi

  # An undo of that import killed half way: the step is undone whole or not at all.
  kill_during 1.5 "$cli" undo "$db"
  held=$(agrees "$db" "trial $trial, undo") || { fail "$held"; continue; }
  undone=$(q "$db" "SELECT undone FROM VarnelHistorySteps ORDER BY id DESC LIMIT 1")
  [[ ($held == "$seed" && $undone == 1) || ($held == $((seed + lines)) && $undone == 0) ]] ||
    { fail "trial $trial: $held records with the import's step undone=$undone"; continue; }
  summary+=", undo killed with the step undone=$undone"
  [[ $undone == 1 ]] || "$cli" undo "$db" > /dev/null || { fail "trial $trial: undo after the kill"; continue; }
  "$cli" redo "$db" > /dev/null || { fail "trial $trial: redo after the kill"; continue; }
  held=$(agrees "$db" "trial $trial, redo") || { fail "$held"; continue; }
  [ "$held" == $((seed + lines)) ] || { fail "trial $trial: redo brought back $held records"; continue; }

  # A delete query over the imported records: all of them and their step, or none and no step.
  kill_during 1.5 "$cli" sql --edit "$db" "DELETE FROM Rows WHERE Id > $seed"
  held=$(agrees "$db" "trial $trial, delete") || { fail "$held"; continue; }
  [[ $held == "$seed" || $held == $((seed + lines)) ]] || { fail "trial $trial: $held records after a killed delete"; continue; }
  echo "trial $trial: $summary, delete killed with $held records left"
  if [[ $held == "$seed" ]]; then
    "$cli" undo "$db" > /dev/null || { fail "trial $trial: undo of the delete"; continue; }
    held=$(agrees "$db" "trial $trial, undone delete") || { fail "$held"; continue; }
    [ "$held" == $((seed + lines)) ] || fail "trial $trial: the delete was undone to $held records"
  fi
  rm -f "$db"
done
echo "history crash trials: $trials, failures: $failures"
[[ $failures -eq 0 ]]
