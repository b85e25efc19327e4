#!/usr/bin/env bash
# Builds everything and estimates the bundled ECSI example; with a display, the workbench
# then opens on it. The example runs from a fresh copy in build/example/ecsi, where its control
# file and listing are kept, so the source tree stays as it was.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
bin="$root/build/bin"
example="$root/build/example/ecsi"
rm -rf "$example"
mkdir -p "$example"
cp "$root/examples/ecsi/ecsi.qvt" "$root/examples/ecsi/mobi.txt" "$example/"
"$bin/quorvanta-batch" estimate "$example/ecsi.qvt"
echo "The example's files are in $example"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x "$bin/quorvanta" ]; then
  exec "$bin/quorvanta" "$example/ecsi.qvt"
fi
