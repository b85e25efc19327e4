#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/build.sh"
cd "$root/build"
# A test that hangs fails after five minutes instead of holding up the run.
ctest --output-on-failure -j "$(nproc)" --timeout 300
# The GUI's toolkit takes the user's locale over for its whole process: the suite runs once
# more under a comma-decimal one, and every file the programs write must still carry points.
LC_ALL=de_DE.UTF-8 ctest --output-on-failure -j "$(nproc)" --timeout 300
