#!/usr/bin/env bash
# Builds the script engine's and the script host's tests with ThreadSanitizer into their own folder and
# runs them: scripts run on a worker thread while the window thread serves them.
# usage: scripts/tsan.sh
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${VARNEL_TSAN_BUILD_DIR:-$here/build-tsan}
"$here/scripts/deps.sh"
launcher=()
command -v ccache > /dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" \
  -DCMAKE_CXX_FLAGS="-fsanitize=thread" -DCMAKE_C_FLAGS="-fsanitize=thread" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=thread" -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=thread" > /dev/null
targets=$(cd "$build" && cmake --build . --target help | sed -n 's/^\.\.\. \(\(vbscript\|logic\)[a-z_]*tests\)$/\1/p')
cmake --build "$build" -j"$(nproc)" --target $targets
# Qt is not instrumented; the suppressions name the few places where its own locks order what it does.
export TSAN_OPTIONS=halt_on_error=1:second_deadlock_stack=1:suppressions=$here/scripts/tsan.supp
# This test recurses deeper than the 65536 frames the thread sanitizer follows on a thread (past them its
# shadow stack overruns and later threads misbehave); it is about stack depth, not threads, and runs in the
# normal and the address-sanitizer builds.
too_deep="-EngineFace.RecursionThroughDeepExpressionsEndsBeforeTheStackDoes"
status=0
for target in $targets; do
  test=$(find "$build/tests" -type f -name "$target" -perm -u+x | head -1)
  echo "== $target"
  filter=()
  [ "$target" = vbscript_engine_tests ] && filter=(--gtest_filter="$too_deep")
  QT_QPA_PLATFORM=offscreen "$test" "${filter[@]}" > "$build/$target.log" 2>&1 || { status=1; tail -40 "$build/$target.log"; }
  grep -E "PASSED|FAILED|Totals" "$build/$target.log" | tail -2 || true
done
echo "thread sanitizer runs: $(echo $targets | wc -w) test programs, $([ $status -eq 0 ] && echo clean || echo FINDINGS)"
exit $status
