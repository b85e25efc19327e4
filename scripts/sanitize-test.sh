#!/usr/bin/env bash
# Builds the whole suite with clang, the programs' code with AddressSanitizer and
# UndefinedBehaviorSanitizer (any undefined behaviour ends the program), into build-fuzz/ (or
# $QV_FUZZ_BUILD), the folder scripts/fuzz.sh builds its programs in, and runs every test.
# LC_ALL picks the locale of the run (CI runs it under the comma-decimal one).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QV_FUZZ_BUILD:-$root/build-fuzz}
"$root/scripts/install-deps.sh"
CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_SANITIZE=ON \
  -DQV_FUZZ=ON >/dev/null
cmake --build "$build" -j "$(nproc)"
# Leak checking stays on: the suite, the toolkit included, ends without a leak.
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
cd "$build"
ctest --output-on-failure -j "$(nproc)" --timeout 300
