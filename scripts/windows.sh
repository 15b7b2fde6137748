#!/usr/bin/env bash
# Builds, packages and tests Tolvane for 64-bit Windows on a Debian 12 machine.
#
#   scripts/windows.sh          the zip and the installer in build-windows/
#   scripts/windows.sh test     that, then the tests under Wine and the installed program checked
#   scripts/windows.sh deps     only what the others build on: the packages, Qt, giflib, libwebp
#
# Qt 6.4.2 (qtbase, qtsvg), giflib and libwebp are built from Debian's own source packages with
# mingw-w64 into a cache keyed by their versions (TOLVANE_WINDOWS_CACHE, by default
# ~/.cache/tolvane-windows): qtbase takes half an hour of two idle cores (85 minutes measured on
# two shared ones), later runs only build Tolvane (about 30 s).
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
what=${1:-package}
jobs=$(nproc)
mingw=x86_64-w64-mingw32
cache=${TOLVANE_WINDOWS_CACHE:-$HOME/.cache/tolvane-windows}
out=$root/build-windows
toolchain=$root/cmake/mingw-w64-x86_64.cmake
log() { echo "windows.sh: $*"; }
# ccache finds what another checkout of the same sources compiled.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$root}
took() { log "$1 took $((SECONDS - $2)) s"; }

# --- the packages -------------------------------------------------------------------------------

packages=(
  build-essential cmake ninja-build dpkg-dev perl python3 zip pkg-config googletest git
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
  # the host's Qt of the same version: moc, rcc, uic, lrelease and the translations
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-translations-l10n
  nsis
  # the face of a word's outline, which the package brings along
  fonts-dejavu-core
  # the tests: Wine on a private X server, a Japanese font for the captions (and the locale that
  # makes Wine Japanese), the files read back
  wine64 xvfb xauth xdotool imagemagick fonts-vlgothic locales poppler-utils python3-pil
)
install_packages() {
  local missing=() p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  # Source packages come from the same archive as the binaries.
  if ! grep -rqs '^Types:.*deb-src\|^deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
    log "adding the source lines of Debian 12's archive"
    sed 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources \
      >/etc/apt/sources.list.d/tolvane-debian-src.sources
    missing+=(--update)
  fi
  [ ${#missing[@]} -eq 0 ] && return
  log "installing ${missing[*]}"
  DEBIAN_FRONTEND=noninteractive apt-get update -qq
  local real=()
  for p in "${missing[@]}"; do [ "$p" = --update ] || real+=("$p"); done
  [ ${#real[@]} -eq 0 ] || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${real[@]}" >/dev/null
}

# --- the libraries, once per version ------------------------------------------------------------

source_version() { apt-cache showsrc "$1" | awk '/^Version:/ {print $2; exit}'; }

# Unpacks Debian's source package $1 into $2 (patches applied), unless it is there.
unpack() {
  local package=$1 dir=$2
  [ -d "$dir" ] && return
  local tmp
  tmp=$(mktemp -d "$cache/src.XXXXXX")
  if ! (cd "$tmp" && apt-get source -qq "$package" >"$cache/src-$package.log" 2>&1); then
    grep -E '^(E|W):' "$cache/src-$package.log" >&2
    rm -rf "$tmp"
    return 1
  fi
  mv "$(find "$tmp" -mindepth 1 -maxdepth 1 -type d | head -n 1)" "$dir"
  rm -rf "$tmp"
}

build_qtbase() {
  local version src build
  version=$(source_version qt6-base)
  prefix=$cache/qt-$version
  [ -f "$prefix/.done" ] && return
  src=$cache/src/qtbase-$version
  build=$cache/build/qtbase-$version
  mkdir -p "$cache/src" "$cache/build"
  unpack qt6-base "$src" || exit 1
  log "building qtbase $version for Windows (about half an hour)"
  rm -rf "$build" "$prefix"
  mkdir -p "$build"
  local start=$SECONDS
  # The Debian tarball leaves out wintab.h, which only tablet input needs; no OpenGL, D-Bus,
  # ICU or fontconfig on Windows; the bundled image and text libraries.
  (cd "$build" && "$src/configure" -prefix "$prefix" -release -shared -xplatform win32-g++ \
    -device-option CROSS_COMPILE=$mingw- -qt-host-path /usr \
    -nomake examples -nomake tests -no-opengl -no-dbus -no-pkg-config -no-fontconfig -no-icu \
    -no-feature-sql -no-feature-tabletevent \
    -qt-zlib -qt-libpng -qt-libjpeg -qt-pcre -qt-harfbuzz -qt-freetype \
    -- -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake -G Ninja) \
    >"$cache/build/qtbase-configure.log" 2>&1 || { tail -n 40 "$cache/build/qtbase-configure.log"; exit 1; }
  cmake --build "$build" --parallel "$jobs" >"$cache/build/qtbase-build.log" 2>&1 \
    || { tail -n 40 "$cache/build/qtbase-build.log"; exit 1; }
  cmake --install "$build" >/dev/null
  touch "$prefix/.done"
  took "qtbase" "$start"
}

# What a CMake project needs to build against that Qt: its toolchain file, which loads this
# checkout's mingw-w64 one (not the one Qt was configured with, which may have moved since).
qt_toolchain_arguments() {
  qt_toolchain=(-DCMAKE_TOOLCHAIN_FILE="$prefix/lib/cmake/Qt6/qt.toolchain.cmake"
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH=/usr
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake)
}

# Qt's qtsvg at the tag of release $1, unpacked into $2 (TOLVANE_QTSVG_GIT names another clone).
upstream_qtsvg() {
  local release=$1 dir=$2 repository=${TOLVANE_QTSVG_GIT:-https://code.qt.io/qt/qtsvg.git}
  log "Debian's qt6-svg tarball is not on the mirror; taking v$release from $repository"
  rm -rf "$dir.git"
  git clone -q --depth 1 --branch "v$release" "$repository" "$dir.git" >>"$cache/src-qt6-svg.log" 2>&1 \
    || { tail -n 3 "$cache/src-qt6-svg.log" >&2; rm -rf "$dir.git"; return 1; }
  git -C "$dir.git" log -1 --format="windows.sh: qtsvg at %H (%s)"
  rm -rf "$dir.git/.git"
  mv "$dir.git" "$dir"
}

build_qtsvg() {
  local version src build
  version=$(source_version qt6-svg)
  [ -f "$prefix/.svg-$version" ] && return
  src=$cache/src/qtsvg-$version
  build=$cache/build/qtsvg-$version
  # Debian's qt6-svg is Qt's own release tarball with the packaging beside it; where a mirror has
  # the package's record but not its tarball, the same release is taken from Qt's repository at
  # its tag. Tolvane itself reads no SVG (only the widget tests and the SVG plugins need qtsvg),
  # so a source that cannot be had either way is said and left out rather than stopping the build.
  if ! unpack qt6-svg "$src" && ! upstream_qtsvg "${version%%-*}" "$src"; then
    log "WARNING: neither Debian's qt6-svg source nor Qt's v${version%%-*} tag can be fetched; building without qtsvg (no SVG plugins, no export widget tests)"
    return 0
  fi
  log "building qtsvg $version for Windows"
  rm -rf "$build"
  local start=$SECONDS
  cmake -S "$src" -B "$build" -G Ninja "${qt_toolchain[@]}" \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release >"$cache/build/qtsvg.log" 2>&1 \
    && cmake --build "$build" --parallel "$jobs" >>"$cache/build/qtsvg.log" 2>&1 \
    && cmake --install "$build" >>"$cache/build/qtsvg.log" 2>&1 \
    || { tail -n 40 "$cache/build/qtsvg.log"; exit 1; }
  touch "$prefix/.svg-$version"
  took "qtsvg" "$start"
}

# giflib's own build is a Makefile for Unix that makes a shared library the Unix way; its library is
# the C files its Makefile lists as SOURCES, compiled into a static archive here.
build_giflib() {
  local version src
  version=$(source_version giflib)
  [ -f "$prefix/.giflib-$version.done" ] && return
  src=$cache/src/giflib-$version
  unpack giflib "$src" || exit 1
  log "building giflib $version for Windows"
  local objects=() f sources
  sources=$(sed -n '/^SOURCES *=/,/[^\\]$/p' "$src/Makefile" | sed 's/^SOURCES *=//; s/\\$//')
  [ -n "$sources" ] || { log "no SOURCES in $src/Makefile"; exit 1; }
  mkdir -p "$cache/build/giflib" "$prefix/include" "$prefix/lib"
  for f in $sources; do
    $mingw-gcc-posix -O2 -c "$src/$f" -I"$src" -o "$cache/build/giflib/${f%.c}.o"
    objects+=("$cache/build/giflib/${f%.c}.o")
  done
  rm -f "$prefix/lib/libgif.a"
  $mingw-ar rcs "$prefix/lib/libgif.a" "${objects[@]}"
  cp "$src/gif_lib.h" "$prefix/include/"
  touch "$prefix/.giflib-$version.done"
}

build_libwebp() {
  local version src build
  version=$(source_version libwebp)
  [ -f "$prefix/.libwebp-$version" ] && return
  src=$cache/src/libwebp-$version
  build=$cache/build/libwebp-$version
  unpack libwebp "$src" || exit 1
  log "building libwebp $version for Windows"
  rm -rf "$build"
  cmake -S "$src" -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_SHARED_LIBS=OFF -DWEBP_BUILD_ANIM_UTILS=OFF \
    -DWEBP_BUILD_CWEBP=OFF -DWEBP_BUILD_DWEBP=OFF -DWEBP_BUILD_GIF2WEBP=OFF -DWEBP_BUILD_IMG2WEBP=OFF \
    -DWEBP_BUILD_VWEBP=OFF -DWEBP_BUILD_WEBPINFO=OFF -DWEBP_BUILD_WEBPMUX=OFF -DWEBP_BUILD_EXTRAS=OFF \
    >"$cache/build/libwebp.log" 2>&1 \
    && cmake --build "$build" --parallel "$jobs" >>"$cache/build/libwebp.log" 2>&1 \
    && cmake --install "$build" >>"$cache/build/libwebp.log" 2>&1 \
    || { tail -n 40 "$cache/build/libwebp.log"; exit 1; }
  touch "$prefix/.libwebp-$version"
}

# GoogleTest from Debian's own sources, for the unit and widget tests that run under Wine.
build_googletest() {
  local version build
  version=$(dpkg-query -W -f='${Version}' googletest)
  [ -f "$prefix/.googletest-$version" ] && return
  build=$cache/build/googletest-$version
  log "building googletest $version for Windows"
  rm -rf "$build"
  cmake -S /usr/src/googletest -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_INSTALL_PREFIX="$prefix" -DBUILD_GMOCK=OFF -DINSTALL_GTEST=ON >"$cache/build/googletest.log" 2>&1 \
    && cmake --build "$build" --parallel "$jobs" >>"$cache/build/googletest.log" 2>&1 \
    && cmake --install "$build" >>"$cache/build/googletest.log" 2>&1 \
    || { tail -n 40 "$cache/build/googletest.log"; exit 1; }
  touch "$prefix/.googletest-$version"
}

dependencies() {
  install_packages
  mkdir -p "$cache"
  build_qtbase
  export TOLVANE_WINDOWS_PREFIX=$prefix
  qt_toolchain_arguments
  build_qtsvg
  build_giflib
  build_libwebp
  build_googletest
}

case "$what" in
deps) dependencies ;;
package | test)
  dependencies
  source "$root/scripts/windows-package.sh"
  package_tolvane
  if [ "$what" = test ]; then
    source "$root/scripts/windows-test.sh"
    test_tolvane
  fi
  ;;
*)
  sed -n '2,6p' "$0" | sed 's/^# \{0,1\}//'
  exit 2
  ;;
esac
