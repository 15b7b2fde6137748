# Sourced by scripts/windows.sh once Qt and the libraries are in the cache: builds Tolvane for
# Windows and writes the zip and the installer into build-windows/.

# The DLLs a Windows binary imports, by name, as its import table lists them.
imported_dlls() { $mingw-objdump -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p'; }

# Where the DLLs that do not come with Windows are: the cache's prefix, then mingw's runtime.
dll_folders() {
  echo "$prefix/bin"
  dirname "$($mingw-g++-posix -print-file-name=libstdc++-6.dll)"
  dirname "$($mingw-gcc-posix -print-file-name=libwinpthread-1.dll)"
  echo "/usr/$mingw/lib"
}

# Copies into $1 every DLL that the binaries given after it need, and what those need in turn;
# what is found in none of the folders is Windows' own.
copy_needed_dlls() {
  local into=$1 queue=("${@:2}") seen=" " binary name folder found
  local folders
  mapfile -t folders < <(dll_folders)
  while [ ${#queue[@]} -gt 0 ]; do
    binary=${queue[0]}
    queue=("${queue[@]:1}")
    while read -r name; do
      case "$seen" in *" ${name,,} "*) continue ;; esac
      seen+="${name,,} "
      found=
      for folder in "${folders[@]}"; do
        found=$(find "$folder" -maxdepth 1 -iname "$name" -print -quit 2>/dev/null)
        [ -n "$found" ] && break
      done
      [ -n "$found" ] || continue
      cp "$found" "$into/"
      queue+=("$into/$(basename "$found")")
    done < <(imported_dlls "$binary")
  done
}

configure_tolvane() {
  local launcher=()
  command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  # pkg-config reads only the cache's libwebp, never the host's.
  PKG_CONFIG_LIBDIR=$prefix/lib/pkgconfig PKG_CONFIG_PATH='' \
    cmake -S "$root" -B "$out/build" -G Ninja "${qt_toolchain[@]}" "${launcher[@]}" \
    -DCMAKE_BUILD_TYPE=Release -DTOLVANE_TESTS=ON -DTOLVANE_BENCH=OFF >"$out/configure.log" 2>&1 \
    || { tail -n 40 "$out/configure.log"; exit 1; }
}

# The folder that runs where it is unpacked: the program and its console twin, the DLLs it needs, the plugins Qt loads
# (the platform, the native style, SVG pictures and icons), Qt's own Japanese texts and the font of
# a word's outline.
stage_tolvane() {
  local stage=$1 plugin
  rm -rf "$stage"
  mkdir -p "$stage"/{platforms,styles,imageformats,iconengines,translations}
  cp "$out/build/src/Tolvane.exe" "$out/build/src/Tolvane.com" "$stage/"
  for plugin in platforms/qwindows styles/qwindowsvistastyle imageformats/qjpeg imageformats/qgif; do
    cp "$prefix/plugins/$plugin.dll" "$stage/$plugin.dll"
  done
  for plugin in imageformats/qsvg iconengines/qsvgicon; do
    if [ -f "$prefix/plugins/$plugin.dll" ]; then
      cp "$prefix/plugins/$plugin.dll" "$stage/$plugin.dll"
    else
      log "WARNING: no $plugin.dll (Qt built without qtsvg)"
    fi
  done
  copy_needed_dlls "$stage" "$stage/Tolvane.exe" "$stage"/*/*.dll
  # The same version as the Qt built here, from the host's Qt of the same sources.
  cp /usr/share/qt6/translations/qtbase_ja.qm "$stage/translations/"
  # The face a word's outline is cut from, which Windows lacks, with its licence.
  mkdir -p "$stage/fonts"
  cp /usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf "$stage/fonts/"
  cp /usr/share/doc/fonts-dejavu-core/copyright "$stage/fonts/DejaVu-LICENSE.txt"
  find "$stage" -type d -empty -delete
  $mingw-strip --strip-unneeded "$stage"/*.exe "$stage"/*.com "$stage"/*.dll "$stage"/*/*.dll
}

# The installer of the folder $1 as version $2, written to $3.
make_installer() {
  local stage=$1 version=$2 setup=$3 remove file
  # The uninstaller removes exactly what was installed, deepest first.
  remove=$(mktemp --suffix=.nsh)
  while read -r file; do
    echo "Delete \"\$INSTDIR\\${file//\//\\}\"" >>"$remove"
  done < <(cd "$stage" && find . -type f | sed 's|^\./||' | sort)
  while read -r file; do
    echo "RMDir \"\$INSTDIR\\${file//\//\\}\"" >>"$remove"
  done < <(cd "$stage" && find . -mindepth 1 -type d | sed 's|^\./||' | sort -r)
  makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DSTAGE="$stage" -DREMOVE="$remove" \
    -DLICENSE="$root/LICENSE" -DICON="$root/resources/icons/tolvane.ico" \
    -DOUTFILE="$setup" "$root/resources/windows/Tolvane.nsi" >"$out/nsis.log" 2>&1 \
    || { tail -n 40 "$out/nsis.log"; exit 1; }
  rm -f "$remove"
}

package_tolvane() {
  local start=$SECONDS version stage
  mkdir -p "$out"
  configure_tolvane
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/build/CMakeCache.txt")
  log "building Tolvane $version for Windows"
  cmake --build "$out/build" --parallel "$jobs" --target Tolvane >"$out/build.log" 2>&1 \
    || { tail -n 40 "$out/build.log"; exit 1; }

  stage=$out/Tolvane-$version-win64
  stage_tolvane "$stage"
  rm -f "$out/Tolvane-$version-win64.zip"
  (cd "$out" && zip -qr9 "Tolvane-$version-win64.zip" "Tolvane-$version-win64")

  make_installer "$stage" "$version" "$out/Tolvane-$version-setup.exe"
  took "Tolvane, the zip and the installer" "$start"
  log "wrote $out/Tolvane-$version-win64.zip and $out/Tolvane-$version-setup.exe"
}
