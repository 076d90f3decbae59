#!/usr/bin/env bash
# Builds the whole tree with AddressSanitizer and UndefinedBehaviorSanitizer into its own folder and runs
# every test there; any finding fails the test that met it. Ends with ctest's summary line.
# usage: scripts/sanitize.sh [CTEST ARGUMENTS...]
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${VARNEL_SANITIZE_BUILD_DIR:-$here/build-sanitize}
"$here/scripts/deps.sh"
flags="-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer"
launcher=()
command -v ccache > /dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
  -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_C_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" \
  > /dev/null
cmake --build "$build" -j"$(nproc)"
cd "$build"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=0:strict_string_checks=1
export LSAN_OPTIONS=suppressions=$here/scripts/sanitize-leaks.supp:print_suppressions=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 900 "$@"
