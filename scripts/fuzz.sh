#!/usr/bin/env bash
# Builds the fuzz programs with clang, AddressSanitizer and UndefinedBehaviorSanitizer into
# build-fuzz/ (or $QV_FUZZ_BUILD) and runs each for SECONDS (default 30), as many at once as
# there are processors. Prints per program the inputs executed and the crashes, hangs (an input
# running over 10 s) and out-of-memory ends (over 2 GB) found; the inputs that caused them are
# kept in build-fuzz/tests/fuzz/artifacts. Exits non-zero when any program found one. The
# corpus each run grows is kept for the next.
set -euo pipefail
seconds=${1:-30}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QV_FUZZ_BUILD:-$root/build-fuzz}
fuzz="$build/tests/fuzz"
targets=(fuzz_model_file fuzz_ini_file fuzz_text_data fuzz_xlsx fuzz_ods fuzz_statistics_file
         fuzz_control_file fuzz_listing)

"$root/scripts/install-deps.sh"
CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQV_SANITIZE=ON \
  -DQV_FUZZ=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}

# Runs one program and writes its line of the table to TARGET.summary.
run() {
  local target=$1
  local seeds="$fuzz/seeds/$target" corpus="$fuzz/corpus/$target" artifacts="$fuzz/artifacts/$target"
  local log="$fuzz/$target.log"
  rm -rf "$seeds" "$artifacts"
  mkdir -p "$seeds" "$corpus" "$artifacts"
  while IFS= read -r seed; do
    [ -z "$seed" ] && continue
    if [ -d "$seed" ]; then cp "$seed"/* "$seeds/"; else cp "$seed" "$seeds/"; fi
  done <"$fuzz/seeds/$target.txt"
  "$fuzz/$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$corpus" "$seeds" >"$log" 2>&1 || true
  local executions crashes hangs ooms
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  crashes=$(find "$artifacts" -name 'crash-*' -o -name 'leak-*' -o -name 'deadly-*' | wc -l)
  hangs=$(find "$artifacts" -name 'timeout-*' | wc -l)
  ooms=$(find "$artifacts" -name 'oom-*' | wc -l)
  printf '%-22s %12s %8s %8s %6s\n' "$target" "${executions:-none}" "$crashes" "$hangs" "$ooms" \
    >"$fuzz/$target.summary"
}

running=0
for target in "${targets[@]}"; do
  if [ "$running" -ge "$(nproc)" ]; then
    wait -n
    running=$((running - 1))
  fi
  run "$target" &
  running=$((running + 1))
done
wait

failed=0
printf '%-22s %12s %8s %8s %6s\n' program executions crashes hangs ooms
for target in "${targets[@]}"; do
  cat "$fuzz/$target.summary"
  read -r _ executions crashes hangs ooms <"$fuzz/$target.summary"
  if [ "$executions" = none ] || [ $((crashes + hangs + ooms)) -gt 0 ]; then
    failed=1
    echo "--- $fuzz/$target.log (end)" >&2
    tail -n 40 "$fuzz/$target.log" >&2
  fi
done
exit "$failed"
