#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer into their
# own folder and runs each for SECONDS (default 600), starting from the seeds in fuzz/corpus. New inputs
# gather in the build folder; a crash leaves its input there and is named in the summary.
# usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -uo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${VARNEL_FUZZ_BUILD_DIR:-$here/build-fuzz}
seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=($(ls "$here/fuzz/corpus"))
"$here/scripts/deps.sh"
if ! command -v clang++-14 > /dev/null || ! dpkg-query -W libclang-rt-14-dev > /dev/null 2>&1; then
  sudo_cmd=""; [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq clang-14 libclang-rt-14-dev > /dev/null
fi
flags="-fsanitize=address,undefined,fuzzer-no-link -fno-sanitize-recover=undefined -fno-omit-frame-pointer -gline-tables-only"
launcher=()
command -v ccache > /dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVARNEL_FUZZ=ON "${launcher[@]}" \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_C_FLAGS="$flags" \
  -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" -DCMAKE_SHARED_LINKER_FLAGS="-fsanitize=address,undefined" \
  > /dev/null || exit 1
cmake --build "$build" -j"$(nproc)" --target "${targets[@]}" || exit 1
export ASAN_OPTIONS=detect_leaks=1
export LSAN_OPTIONS=suppressions=$here/scripts/sanitize-leaks.supp
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for target in "${targets[@]}"; do
  corpus=$build/corpus/$target
  artifacts=$build/findings/$target/
  mkdir -p "$corpus" "$artifacts"
  "$build/fuzz/$target" "$corpus" "$here/fuzz/corpus/$target" -max_total_time="$seconds" -timeout=20 \
    -rss_limit_mb=2048 -max_len=8192 -artifact_prefix="$artifacts" -print_final_stats=1 > "$build/$target.log" 2>&1
  result=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/$target.log")
  if [ $result -eq 0 ]; then
    echo "$target: ${seconds}s, ${runs:-?} inputs, no finding"
  else
    status=1
    echo "$target: FINDING after ${runs:-?} inputs: $(ls -t "$artifacts" | head -1) (see $build/$target.log)"
  fi
done
exit $status
