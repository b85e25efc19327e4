#!/usr/bin/env bash
# Builds everything and estimates the bundled ECSI example; with a display, the workbench
# then opens on it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
bin="$root/build/bin"
"$bin/quorvanta-batch" estimate "$root/examples/ecsi/ecsi.qvt"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$bin/quorvanta" ]; then
  exec "$bin/quorvanta" "$root/examples/ecsi/ecsi.qvt"
fi
