#!/usr/bin/env bash
# Runs the batch program on the ECSI example under disk faults and counts the outcomes: a run
# must either give the figures of an undisturbed run or fail with a message; a run that ends
# with status 0 and other figures, or fails without a word, is counted against it.
#   disk-fault-runs.sh fill-work  bootstrap|estimate FROM TO STEP   the work folder on a tmpfs of FROM..TO KiB
#   disk-fault-runs.sh fill-model bootstrap|estimate FROM TO STEP   the model's folder on such a tmpfs
#   disk-fault-runs.sh race RUNS    the work folder (600 MiB) filled at a random moment of a bootstrap
#   disk-fault-runs.sh kill RUNS    the engine killed (SIGKILL) at a random moment of a bootstrap
# Needs root (it mounts tmpfs) and a build in build/.
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
batch="$root/build/bin/quorvanta-batch"
work=$(mktemp -d /tmp/qv-disk-faults.XXXXXX)
trap 'umount -q "$work"/run/proj "$work"/run/user/runtime 2>/dev/null; rm -rf "$work"' EXIT
ok=0 told=0 wrong=0 silent=0

arguments() { [ "$1" = bootstrap ] && echo "bootstrap --samples ${2:-50} --seed 3" || echo estimate; }

# A fresh run folder; run DIR COMMAND...: the batch program on a copy of the example as a user of its own.
prepare() { rm -rf "$1"; mkdir -p "$1"/proj "$1"/user/config "$1"/user/runtime; }
run() {
  local dir=$1; shift
  cp "$root"/examples/ecsi/* "$dir"/proj/ 2>/dev/null
  HOME="$dir"/user XDG_CONFIG_HOME="$dir"/user/config XDG_RUNTIME_DIR="$dir"/user/runtime XDG_CACHE_HOME= \
    timeout 300 "$batch" $1 "$dir"/proj/ecsi.qvt ${*:2} >"$dir"/out 2>"$dir"/err
}
reference() { prepare "$work"/ref; run "$work"/ref "$@"; }
# The processes this script started under PID, children first.
descendants() { local child; for child in $(ps -o pid= --ppid "$1"); do echo "$child"; descendants "$child"; done; }

# judge STATUS: compares the run's output and kept listing with the undisturbed run's.
judge() {
  local listing=ecsi.out; [ -f "$work"/ref/proj/ecsi.boot ] && listing=ecsi.boot
  if [ "$1" = 0 ]; then
    if cmp -s "$work"/run/out "$work"/ref/out && cmp -s "$work"/run/proj/$listing "$work"/ref/proj/$listing; then
      ok=$((ok + 1)); echo ok; else wrong=$((wrong + 1)); echo "WRONG at exit 0"; fi
  elif [ -s "$work"/run/err ]; then told=$((told + 1)); head -c 160 "$work"/run/err | tr '\n' ' '; echo
  else silent=$((silent + 1)); echo "SILENT failure"; fi
}

mode=${1:-}; shift || true
case "$mode" in
  fill-work|fill-model)
    args=$(arguments "$1"); reference $args
    for ((size = $2; size <= $3; size += $4)); do
      prepare "$work"/run
      target="$work"/run/user/runtime; [ "$mode" = fill-model ] && target="$work"/run/proj
      mount -t tmpfs -o size=${size}k tmpfs "$target"
      run "$work"/run $args; status=$?
      echo -n "$size KiB: status $status: "; judge $status
      umount "$target"
    done;;
  race|kill)
    args=$(arguments bootstrap 5000); reference $args
    for ((i = 1; i <= $1; i++)); do
      prepare "$work"/run
      [ "$mode" = race ] && mount -t tmpfs -o size=600m tmpfs "$work"/run/user/runtime
      run "$work"/run $args & batchPid=$!
      sleep $((RANDOM % 3)).$((RANDOM % 100))
      if [ "$mode" = race ]; then cat /dev/zero >"$work"/run/user/runtime/filler 2>/dev/null
      else for engine in $(descendants $batchPid); do
             [ "$(ps -o comm= -p "$engine")" = pls ] && kill -9 "$engine"; done; fi
      wait $batchPid; status=$?
      echo -n "run $i: status $status: "; judge $status
      [ "$mode" = race ] && umount "$work"/run/user/runtime
    done;;
  *) sed -n '2,9p' "$0"; exit 2;;
esac
echo "runs: $((ok + told + wrong + silent)), figures as undisturbed: $ok, failed with a message: $told," \
     "wrong figures at exit 0: $wrong, failed without a message: $silent"
[ $((wrong + silent)) -eq 0 ]
