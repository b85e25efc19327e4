#!/bin/sh
# Installs the build into a fresh prefix and runs the installed programs from there, as a user
# with folders of its own: the programs find their companion files relative to themselves.
set -eu
build=$1
version=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cmake --install "$build" --prefix "$scratch/prefix" >/dev/null
mkdir -p "$scratch/runtime"
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/config" XDG_RUNTIME_DIR="$scratch/runtime"
prefix=$scratch/prefix
test -x "$prefix/libexec/quorvanta/pls"
test -f "$prefix/share/quorvanta/English.ini"
test -f "$prefix/share/quorvanta/guide/index.html"
test -f "$prefix/share/man/man1/quorvanta-batch.1.gz"
[ "$("$prefix/bin/quorvanta-batch" --version)" = "quorvanta-batch $version" ]
[ "$("$prefix/bin/quorvanta" --version)" = "quorvanta $version" ]
cp -r "$prefix/share/quorvanta/examples/ecsi" "$scratch/ecsi"
"$prefix/bin/quorvanta-batch" estimate "$scratch/ecsi/ecsi.qvt" --json "$scratch/ecsi.json" >"$scratch/out.txt"
grep -q "IMAG        EXPE            0.504914" "$scratch/out.txt"
grep -q '"coefficient"' "$scratch/ecsi.json"
test -f "$scratch/ecsi/ecsi.out"
echo "installed programs ran from $prefix"
