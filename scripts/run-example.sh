#!/usr/bin/env bash
# Builds everything and estimates the bundled ECSI example.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
batch="$root/build/bin/quorvanta-batch"
if [ ! -x "$batch" ]; then
  echo "Built into $root/build/bin; the batch estimate is not available in this build yet."
  exit 0
fi
cd "$root/build/bin"
exec "$batch" estimate "$root/examples/ecsi/ecsi.qvt"
