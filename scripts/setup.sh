#!/usr/bin/env bash
# Installs whatever Debian packages Tolvane needs to build, run and test that are missing.
set -euo pipefail

packages=(
  # build and run
  build-essential cmake qt6-base-dev fonts-vlgothic
  # unit, widget and benchmark builds
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  # tests against a real X server
  xvfb xauth xdotool imagemagick x11-utils python3 python3-xlib
  # the .deb package and its checks
  dpkg-dev file lintian desktop-file-utils appstream binutils-mingw-w64-x86-64
  # quality gates: the event fuzzer (clang and its libFuzzer runtime), valgrind and strace runs
  clang-14 libclang-rt-14-dev valgrind strace
)
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "setup: installing ${missing[*]}"
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -qq
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
