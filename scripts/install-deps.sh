#!/usr/bin/env bash
# Installs the Debian packages the build needs, only those that are missing, and the
# comma-decimal locale the tests also run under.
set -euo pipefail
# clang, its sanitizer and libFuzzer runtimes, llvm (the symbolizer) and lld build the fuzz
# programs and the sanitizer suite; the last four build the Debian package and validate its
# desktop and metainfo files.
packages=(g++ cmake ninja-build libboost-dev libeigen3-dev libgtest-dev nlohmann-json3-dev qt6-base-dev qt6-svg-dev locales
          pkg-config libzip-dev libexpat1-dev libpugixml-dev libreadstat-dev libxlsxwriter-dev
          clang libclang-rt-14-dev llvm lld
          dpkg-dev file desktop-file-utils appstream)
missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
sudo_cmd=""
[ "$(id -u)" -eq 0 ] || sudo_cmd="sudo"
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  $sudo_cmd apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}" >/dev/null
fi
if ! locale -a 2>/dev/null | grep -qix 'de_DE\.utf-\?8'; then
  echo "Generating the locale de_DE.UTF-8"
  $sudo_cmd sed -i 's/^# *\(de_DE\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -qx 'de_DE.UTF-8 UTF-8' /etc/locale.gen || echo 'de_DE.UTF-8 UTF-8' | $sudo_cmd tee -a /etc/locale.gen >/dev/null
  $sudo_cmd locale-gen >/dev/null
fi
