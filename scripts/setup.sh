#!/usr/bin/env bash
# Installs the Debian packages that Tolvane needs and that are missing.
#
#   scripts/setup.sh run     what building and running the program need
#   scripts/setup.sh test    that, and everything the tests, benchmarks and quality gates use
set -euo pipefail

purpose=${1:-test}
shift || true

# Build and run: the compiler, CMake, Qt (widgets, printing, SVG, the translation tools), Qt's own
# translations (the file and print dialogs and the help's headings in the user's language) and the
# Japanese font of the captions, and DejaVu Sans, whose bold face a word's outline is cut from.
packages=(
  build-essential cmake qt6-base-dev qt6-svg-dev libqt6svg6 qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools
  qt6-translations-l10n fonts-vlgothic fonts-dejavu-core
  # animated GIF and WebP files
  libgif-dev libwebp-dev pkg-config
)
case "$purpose" in
run) ;;
test)
  packages+=(
    # unit, widget and benchmark builds
    googletest libgtest-dev libgmock-dev libbenchmark-dev
    # the probes that time the real program from outside: Xlib, XTest and DAMAGE
    libx11-dev libxtst-dev libxdamage-dev
    # tests against a real X server, and reading exported files back
    xvfb xauth xdotool imagemagick x11-utils python3 python3-xlib poppler-utils xclip
    # the animation benchmark's anchor (Python and Pillow)
    python3-pil
    # what an ordinary desktop has, so the tests prove the program there: an accessibility bus,
    # a session bus and the Wayland platform plugin; weston for the Wayland test; cairo for the
    # export benchmark's anchor
    dbus-x11 at-spi2-core python3-pyatspi qt6-wayland weston python3-cairo
    # the .deb package and its checks
    dpkg-dev file lintian desktop-file-utils appstream binutils-mingw-w64-x86-64
    # quality gates: the event fuzzer (clang and its libFuzzer runtime), valgrind and strace runs
    clang-14 libclang-rt-14-dev valgrind strace
  )
  ;;
*)
  sed -n '2,5p' "$0" | sed 's/^# \{0,1\}//'
  exit 2
  ;;
esac
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
