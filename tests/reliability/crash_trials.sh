#!/usr/bin/env bash
# Kills a writer at random moments and checks after each kill that every confirmed edit is in the file,
# the file is sound and the catalogue agrees with the tables.
# usage: crash_trials.sh TRIALS [CRASH_TRIAL_BINARY]
set -uo pipefail
trials=${1:-20}
binary=${2:-$(dirname "$0")/../../build/tests/reliability/crash_trial}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
for ((trial = 1; trial <= trials; trial++)); do
    root=$work/$trial
    mkdir -p "$root"
    "$binary" write "$root" "$root/journal" 2>"$root/writer.err" &
    writer=$!
    for ((wait = 0; wait < 200; wait++)); do
        grep -q ready "$root/journal" 2>/dev/null && break
        sleep 0.05
    done
    # Up to about a second and a half of edits, so that the kill lands in every kind of step.
    sleep "$(awk -v seed="$RANDOM" 'BEGIN { srand(seed); printf "%.3f", rand() * 1.5 }')"
    kill -KILL "$writer" 2>/dev/null
    wait "$writer" 2>/dev/null
    status=$?
    if [[ $status -ne 137 && $status -ne 0 ]]; then
        echo "trial $trial: the writer failed by itself: $(cat "$root/writer.err")"
        ((failures++))
        continue
    fi
    if ! result=$("$binary" check "$root" "$root/journal" 2>&1); then
        echo "trial $trial: $result"
        ((failures++))
    fi
    rm -rf "$root"
done
echo "crash trials: $trials, failures: $failures"
[[ $failures -eq 0 ]]
