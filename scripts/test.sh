#!/usr/bin/env bash
# Builds everything and runs every test; ends with ctest's summary line.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${VARNEL_BUILD_DIR:-$here/build}
"$here/scripts/build.sh"
cd "$build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"$(nproc)" --timeout 300
