#!/usr/bin/env bash
# Runs the program without a usable display and checks it ends with one clear line and status 1.
set -u
case=$1 program=$2
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
if [ "$case" = no-display ]; then
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM XDG_RUNTIME_DIR="$runtime" "$program" 2>&1)
else
  out=$(env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:4711 XDG_RUNTIME_DIR="$runtime" "$program" 2>&1)
fi
status=$?
printf '%s\n' "$out"
[ "$status" -eq 1 ] || { echo "FAIL: exit status $status, expected 1"; exit 1; }
[ "$(printf '%s\n' "$out" | wc -l)" -eq 1 ] || { echo "FAIL: more than one line"; exit 1; }
printf '%s\n' "$out" | grep -q 'xvfb-run' || { echo "FAIL: the line does not say how to get a display"; exit 1; }
