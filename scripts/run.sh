#!/usr/bin/env bash
# Builds the program and starts it. Without a display it runs under xvfb-run.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${VARNEL_BUILD_DIR:-$here/build}
"$here/scripts/build.sh"
if [ -x "$build/app/Varnel" ]; then
  if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then exec xvfb-run -a "$build/app/Varnel" "$@"; fi
  exec "$build/app/Varnel" "$@"
fi
exec "$build/tools/varnel-cli/varnel-cli" --help
