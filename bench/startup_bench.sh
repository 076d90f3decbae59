#!/usr/bin/env bash
# Start-up to the main window mapped, under a private Xvfb: the program with no database and with the
# sample database, beside a bare Qt Widgets window (the floor every Qt program pays). Wall-clock, the
# median of 10 starts each. Usage: bench/startup_bench.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$build" -j2 --target Varnel startup_probe startup_floor varnel-cli > /dev/null
probe="$build/bench/startup_probe"
command -v Xvfb > /dev/null || { echo "Xvfb is needed (Debian package xvfb)"; exit 1; }

work=$(mktemp -d)
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp > /dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2> /dev/null; rm -rf "$work"' EXIT
export DISPLAY="$display" VARNEL_ROOT="$work/root" QT_QPA_PLATFORM=xcb
mkdir -p "$VARNEL_ROOT"
sleep 1
"$build/tools/varnel-cli/varnel-cli" create "$work/root/Shop.cdb" > /dev/null

median() {
  for _ in 1 2 3 4 5 6 7 8 9 10; do "$probe" "$@"; done | sort -n | sed -n 5p
}
floor=$(median "$build/bench/startup_floor")
bare=$(median "$build/app/Varnel")
shop=$(median "$build/app/Varnel" "$work/root/Shop.cdb")

printf "\n%-48s %10s %10s %8s %8s\n" "start-up to the window mapped (median, ms)" "Varnel" "bare Qt" "ratio" "target"
row() { awk -v n="$1" -v a="$2" -v b="$3" 'BEGIN { printf "%-48s %10.1f %10.1f %7.1fx %8s\n", n, a, b, a / b, "150" }'; }
row "no database" "$bare" "$floor"
row "a database given on the command line" "$shop" "$floor"
