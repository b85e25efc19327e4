#!/usr/bin/env bash
# Follows the README's "Install" section on this machine: builds the Debian package, installs
# it with apt-get, and runs the installed programs: the batch estimate of the installed ECSI
# example copied to a temporary folder, and the workbench offscreen.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"

# The README's commands.
"$root/scripts/build.sh"
(cd "$root/build" && cpack -G DEB)
version=$(sed -n 's/^project(Quorvanta VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")
package="$root/build/quorvanta_${version}_amd64.deb"
test -f "$package"
DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "$package" >/dev/null

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir -p "$scratch/runtime"
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime"
[ "$(quorvanta-batch --version)" = "quorvanta-batch $version" ]
[ "$(quorvanta --version)" = "quorvanta $version" ]
quorvanta-batch --help | grep -q "usage: quorvanta-batch"
man -w quorvanta-batch >/dev/null 2>&1 || test -f /usr/share/man/man1/quorvanta-batch.1.gz
cp -r /usr/share/quorvanta/examples/ecsi "$scratch/ecsi"
quorvanta-batch estimate "$scratch/ecsi/ecsi.qvt" --json "$scratch/ecsi.json" | tee "$scratch/estimate.txt"
grep -q "IMAG        EXPE            0.504914" "$scratch/estimate.txt"
grep -q '"from": "IMAG"' "$scratch/ecsi.json"
quorvanta-batch report "$scratch/ecsi/ecsi.qvt" | grep -q "ecsi_report/WebOutput.html"
[ -z "$(ls -A "$scratch/runtime/quorvanta" 2>/dev/null)" ] || { echo "work folders left behind" >&2; exit 1; }

# The workbench starts offscreen on the example and keeps running until it is stopped; a
# start that fails ends it early with a message.
set +e
QT_QPA_PLATFORM=offscreen timeout 10 quorvanta "$scratch/ecsi/ecsi.qvt" >"$scratch/gui.txt" 2>&1
status=$?
set -e
if [ "$status" -ne 124 ]; then
  echo "the installed workbench ended with status $status:" >&2
  cat "$scratch/gui.txt" >&2
  exit 1
fi
echo "package $package installed and ran"
