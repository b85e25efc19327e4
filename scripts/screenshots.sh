#!/usr/bin/env bash
# Pictures of the workbench with the ECSI example open and of each dialog, as PNG files.
# Usage: scripts/screenshots.sh [OUTPUT_FOLDER]   (default: build/screenshots)
# Runs on a virtual X display when xvfb-run is installed, otherwise on the offscreen platform.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QV_BUILD_DIR:-$root/build}
out=$(realpath -m "${1:-$build/screenshots}")
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --target WorkbenchScreenshots quorvanta >/dev/null
if [ -n "$(cmake --build "$build" --target help | grep -w pls || true)" ]; then
  cmake --build "$build" --target pls >/dev/null
fi
if command -v xvfb-run >/dev/null; then
  xvfb-run -a -s "-screen 0 1280x900x24" "$build/tests/WorkbenchScreenshots" "$out"
else
  QT_QPA_PLATFORM=offscreen "$build/tests/WorkbenchScreenshots" "$out"
fi
