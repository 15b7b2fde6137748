# Sourced by scripts/windows.sh once the zip and the installer are written: the unit and widget
# tests under Wine, then the installer and the installed program, on a private X server.

wine=/usr/lib/wine/wine64
wineserver=/usr/lib/wine/wineserver64

# A Wine prefix of its own, made offline (no Mono, no Gecko), with a Japanese font in its Fonts
# as Windows has.
fresh_prefix() {
  export WINEPREFIX=$1
  rm -rf "$WINEPREFIX"
  "$wine" wineboot -i >/dev/null 2>&1
  "$wineserver" -w
  ln -s /usr/share/fonts/truetype/vlgothic/VL-Gothic-Regular.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
}

# A value of the uninstall record in the prefix's registry ($1: user.reg or system.reg), or nothing.
uninstall_value() {
  "$wineserver" -w
  /usr/bin/python3 - "$WINEPREFIX/$1" "$2" <<'EOF'
import re, sys
text = open(sys.argv[1], encoding="utf-8", errors="replace").read()
key = re.search(r'^\[Software\\\\(?:Wow6432Node\\\\)?Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\Tolvane\][^\n]*\n(.*?)(?:\n\n|\Z)',
                text, re.S | re.M)
value = key and re.search(r'^"%s"="(.*)"$' % re.escape(sys.argv[2]), key.group(1), re.M)
# As regedit writes them: a backslash and a quotation mark each escaped by a backslash.
print(re.sub(r'\\(.)', r'\1', value.group(1)) if value else "")
EOF
}

fail() { log "FAILED: $*"; failed=1; }

# The Windows binaries of the tests beside what they load, on the offscreen platform (the tests'
# own choice). On Windows that platform reads its fonts only from QT_QPA_FONTDIR, which must name
# the system's Fonts folder, as a Windows machine running the tests would set it. Wine hands no
# QT_ variable of the Unix environment to a Windows program, so it is set in the prefix's own
# environment instead.
run_unit_tests() {
  local dir=$work/tests test
  mkdir -p "$dir/platforms" "$dir/imageformats"
  cp "$out/build/tests/core_tests.exe" "$out/build/tests/widget_tests.exe" "$dir/"
  cp "$prefix/plugins/platforms/qoffscreen.dll" "$prefix/plugins/platforms/qwindows.dll" "$dir/platforms/"
  for plugin in jpeg gif svg; do
    [ ! -f "$prefix/plugins/imageformats/q$plugin.dll" ] || cp "$prefix/plugins/imageformats/q$plugin.dll" "$dir/imageformats/"
  done
  copy_needed_dlls "$dir" "$dir"/*.exe "$dir"/*/*.dll
  fresh_prefix "$work/prefix-tests"
  # The tests read a word's outline from the installed fonts, not the program's own.
  ln -s /usr/share/fonts/truetype/dejavu/DejaVuSans{,-Bold}.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  "$wine" reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /d 'C:\windows\Fonts' /f >/dev/null 2>&1
  "$wineserver" -w
  for test in core_tests widget_tests; do
    local begin=$SECONDS
    if "$wine" "$dir/$test.exe" --gtest_brief=1 >"$work/$test.log" 2>&1; then
      log "$test.exe: $(grep -E '^\[  PASSED  \]' "$work/$test.log") ($((SECONDS - begin)) s)"
    else
      grep -E '^\[  FAILED  \]|^\[  PASSED  \]' "$work/$test.log" | head -n 30
      fail "$test.exe ($work/$test.log)"
    fi
  done
}

# The Linux program of the same sources, whose files the Windows one must match: the checkout's
# own build (brought up to date) where there is one, else one of its own.
build_linux_program() {
  linux_build=$root/build
  if [ ! -f "$linux_build/CMakeCache.txt" ]; then
    linux_build=$out/linux
    "$root/scripts/setup.sh" run >/dev/null
    cmake -S "$root" -B "$linux_build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -DNDEBUG" \
      -DTOLVANE_TESTS=OFF -DTOLVANE_BENCH=OFF $(command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache) \
      >"$work/linux-build.log" 2>&1 || { tail -n 40 "$work/linux-build.log"; exit 1; }
  fi
  cmake --build "$linux_build" --parallel "$jobs" --target Tolvane >>"$work/linux-build.log" 2>&1 \
    || { tail -n 40 "$work/linux-build.log"; exit 1; }
}

# What the installer leaves: the program's files, the Start-menu entry, the uninstall record.
installed_files() { (cd "$1" && find . -type f | sort); }

test_installer() {
  local setup=$1 stage=$2 version=$3 place exe start_menu
  fresh_prefix "$work/prefix-install"
  "$wine" "$setup" /S /CurrentUser
  "$wineserver" -w
  place=$(uninstall_value user.reg InstallLocation)
  [ -n "$place" ] || { fail "no uninstall record in HKCU after /S /CurrentUser"; return; }
  place=$("$wine" winepath -u "$place" 2>/dev/null)
  exe=$place/Tolvane.exe
  start_menu=$WINEPREFIX/drive_c/users/$USER/AppData/Roaming/Microsoft/Windows/Start\ Menu/Programs/Tolvane.lnk
  [ -f "$start_menu" ] || fail "no Start-menu entry at $start_menu"
  diff <({ installed_files "$stage"; echo ./Uninstall.exe; } | sort) <(installed_files "$place") >"$work/files.diff" \
    || fail "the installed files are not the zip's ($work/files.diff)"
  log "installed per user into $place"

  /usr/bin/python3 "$root/tests/windows/check_windows.py" "$exe" "$linux_build/src/Tolvane" "$work/check" \
    || fail "the installed program (tests/windows/check_windows.py, $work/check)"

  # Uninstalled: nothing of it left.
  "$wine" "$place/Uninstall.exe" /S
  "$wineserver" -w
  sleep 2
  "$wineserver" -w
  [ ! -e "$place" ] || fail "the uninstaller left $(find "$place" | head -n 5 | tr '\n' ' ')"
  [ ! -e "$start_menu" ] || fail "the uninstaller left the Start-menu entry"
  [ -z "$(uninstall_value user.reg DisplayName)" ] || fail "the uninstaller left the uninstall record"
  "$wine" reg query 'HKCU\Software\tolvane' >/dev/null 2>&1 && fail "the uninstaller left the settings"
  log "uninstalled, nothing left"

  # Over an older version in place: its files go (one that this version no longer has too),
  # this version's come, one record, the user's settings kept.
  local older=$work/older
  cp -r "$stage" "$older"
  echo "a file of an older version" >"$older/retired.dll"
  make_installer "$older" 0.9.0.0 "$work/older-setup.exe"
  fresh_prefix "$work/prefix-upgrade"
  "$wine" "$work/older-setup.exe" /S /CurrentUser
  "$wineserver" -w
  place=$("$wine" winepath -u "$(uninstall_value user.reg InstallLocation)" 2>/dev/null)
  "$wine" reg add 'HKCU\Software\tolvane\tolvane' /v kept /d yes /f >/dev/null 2>&1
  [ -f "$place/retired.dll" ] || fail "the older version did not install into $place"
  "$wine" "$setup" /S /CurrentUser
  "$wineserver" -w
  [ "$(uninstall_value user.reg DisplayVersion)" = "$version" ] || fail "after the upgrade the record does not say $version"
  diff <({ installed_files "$stage"; echo ./Uninstall.exe; } | sort) <(installed_files "$place") >"$work/upgrade.diff" \
    || fail "after the upgrade the files are not this version's ($work/upgrade.diff)"
  "$wine" reg query 'HKCU\Software\tolvane\tolvane' /v kept >/dev/null 2>&1 || fail "the upgrade lost the settings"
  log "installed over version 0.9.0.0 in place"

  # For everyone, as the administrator Wine's user is: Program Files and HKLM.
  fresh_prefix "$work/prefix-all-users"
  "$wine" "$setup" /S
  "$wineserver" -w
  place=$(uninstall_value system.reg InstallLocation)
  case "$place" in
  *"Program Files\\Tolvane") log "installed for all users into $place" ;;
  *) fail "/S as an administrator installed into '$place', not Program Files, or left no HKLM record"; return ;;
  esac
  # Uninstalled as Apps & features does it silently, by the record's own command: nothing left.
  local quiet uninstaller
  quiet=$(uninstall_value system.reg QuietUninstallString)
  uninstaller=$(sed 's/^"\([^"]*\)".*/\1/' <<<"$quiet")
  start_menu=$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start\ Menu/Programs/Tolvane.lnk
  [ -f "$start_menu" ] || fail "no Start-menu entry for all users at $start_menu"
  place=$("$wine" winepath -u "$place" 2>/dev/null)
  # shellcheck disable=SC2086 # the record's options, as the shell splits them
  "$wine" "$("$wine" winepath -u "$uninstaller" 2>/dev/null)" ${quiet#"\"$uninstaller\""}
  "$wineserver" -w
  sleep 2
  "$wineserver" -w
  [ ! -e "$place" ] || fail "the uninstaller for all users ($quiet) left $(find "$place" | head -n 5 | tr '\n' ' ')"
  [ ! -e "$start_menu" ] || fail "the uninstaller for all users left the Start-menu entry"
  [ -z "$(uninstall_value system.reg DisplayName)" ] || fail "the uninstaller for all users left the HKLM record"
  log "uninstalled for all users by '$quiet', nothing left"
}

test_tolvane() {
  local start=$SECONDS version failed=0 display_file xvfb linux_build
  work=$out/test
  rm -rf "$work"
  mkdir -p "$work"
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$out/build/CMakeCache.txt")
  # Wine takes its Windows locale from the Unix one: Japanese needs it generated.
  locale -a | grep -qix 'ja_JP.utf8' || localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
  log "building Tolvane for Linux, to compare with"
  build_linux_program

  display_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp 3>"$display_file" 2>/dev/null &
  xvfb=$!
  # Expanded now: the local variable is gone by the time the script exits, and under set -e a
  # failing command here would become the script's status.
  # shellcheck disable=SC2064
  trap "kill $xvfb 2>/dev/null || true; \"$wineserver\" -k 2>/dev/null || true" EXIT
  for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.05; done
  export DISPLAY=":$(head -n 1 "$display_file")"
  rm -f "$display_file"
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" WINEARCH=win64 USER=${USER:-$(id -un)}
  unset QT_QPA_PLATFORM WAYLAND_DISPLAY

  test_installer "$out/Tolvane-$version-setup.exe" "$out/Tolvane-$version-win64" "$version"
  log "building the unit and widget tests for Windows"
  cmake --build "$out/build" --parallel "$jobs" --target core_tests widget_tests >"$work/tests-build.log" 2>&1 \
    || { tail -n 40 "$work/tests-build.log"; exit 1; }
  run_unit_tests
  took "the Windows tests" "$start"
  [ "$failed" -eq 0 ] || { log "the Windows tests FAILED"; exit 1; }
  log "the Windows tests passed"
}
