#!/usr/bin/env bash
# Configures and builds everything into build/ (programs and companions in build/bin); any
# arguments go to the configuration (-DNAME=VALUE).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
cmake --build "$root/build" -j "$(nproc)"
