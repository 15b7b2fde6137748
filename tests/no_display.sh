#!/usr/bin/env bash
# Runs the program where it cannot get a display, and checks that it says why in a short message
# that names the real cause and how to go on, and exits with status 1. A desktop names its display
# in DISPLAY, WAYLAND_DISPLAY or both; one that is set but empty names none. A user may name an X
# display with --display, which the toolkit then opens instead.
set -u
case=$1 program=$2
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
base=(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u DISPLAY -u XDG_SESSION_TYPE XDG_RUNTIME_DIR="$runtime")
case "$case" in
no-display)          run=("${base[@]}" "$program"); expect='none is set.*\n.*xvfb-run -a' ;;
empty-display)       run=("${base[@]}" DISPLAY= "$program"); expect='none is set' ;;
empty-wayland)       run=("${base[@]}" WAYLAND_DISPLAY= "$program"); expect='none is set' ;;
unreachable-display) run=("${base[@]}" DISPLAY=:4711 "$program"); expect='cannot open the display ":4711"' ;;
display-option)      run=("${base[@]}" "$program" --display=:4712); expect='cannot open the display ":4712"' ;;
wayland-only)        run=("${base[@]}" WAYLAND_DISPLAY=tolvane-none "$program")
                     expect='cannot reach the Wayland compositor "tolvane-none"' ;;
both-displays)       run=("${base[@]}" DISPLAY=:4711 WAYLAND_DISPLAY=tolvane-none "$program")
                     expect='cannot (open the display ":4711"|reach the Wayland compositor "tolvane-none")' ;;
no-such-plugin)      run=("${base[@]}" DISPLAY=:4711 "$program" --platform bogus); expect='"bogus".*xcb' ;;
no-compositor)       run=("${base[@]}" QT_QPA_PLATFORM=wayland "$program" --verbose)
                     expect='Failed to create wl_display.*\n.*cannot reach the Wayland compositor "wayland-0"' ;;
esac
out=$("${run[@]}" 2>&1)
status=$?
printf '%s\n' "$out"
[ "$status" -eq 1 ] || { echo "FAIL: exit status $status, expected 1"; exit 1; }
printf '%s\n' "$out" | grep -Pzq "(?s)$expect" || { echo "FAIL: expected /$expect/"; exit 1; }
# Without --verbose the toolkit's own lines stay out of the way: a summary, a hint, a pointer to
# --verbose; with it, no pointer.
if [ "$case" != no-compositor ] && [ "$(printf '%s\n' "$out" | wc -l)" -gt 3 ]; then
  echo "FAIL: more than three lines"; exit 1
fi
if [ "$case" = no-compositor ] && printf '%s\n' "$out" | grep -q -- --verbose; then
  echo "FAIL: --verbose was given, yet it is suggested"; exit 1
fi
