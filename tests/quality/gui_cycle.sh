#!/usr/bin/env bash
# Drives one build-solve cycle of the real window on a private Xvfb, as a person would.
#
#   gui_cycle.sh WORKDIR COMMAND...
#
# Starts Xvfb on a free display, runs COMMAND (the program, possibly under strace or valgrind),
# waits for the window "Tolvane", clicks Command1, waits for the maze, clicks Command2, waits
# until the red route has reached G, then closes the window with WM_DELETE_WINDOW and expects
# the program to end with status 0. Screenshots of each step are left in WORKDIR.
#
# COMMAND runs in the environment of a fresh desktop session and nothing more: a private empty
# HOME, a private XDG_RUNTIME_DIR and a session bus address inside it (no bus listens there, so
# the toolkit's desktop integration finds none and does not try to launch one), a UTF-8
# locale, and DISPLAY. The caller's own variables do not leak in. With GUI_BUS=a11y a private
# session bus listens there, with the accessibility bus running and the toolkit's bridge on.
# GUI_TIMEOUT (seconds, default 60) bounds every wait; raise it for slow runners like valgrind.
set -euo pipefail

work=$(mkdir -p "$1" && cd "$1" && pwd)
shift
here=$(cd "$(dirname "$0")" && pwd)
timeout=${GUI_TIMEOUT:-60}
mkdir -p "$work"

for tool in Xvfb xdotool import python3; do
  command -v "$tool" >/dev/null || { echo "gui_cycle: $tool is missing: run scripts/setup.sh" >&2; exit 1; }
done

xvfb_pid=""
app_pid=""
bus_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  # The accessibility bus launcher, which the session bus started, ends with it.
  [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

fail() {
  echo "gui_cycle: $*" >&2
  # import waits forever on a window that has gone, so only while the program still runs.
  if [ -n "${window:-}" ] && [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then
    timeout 10 import -window "$window" "$work/failure.png" 2>/dev/null || true
  fi
  exit 1
}

# Waits up to 10 s until `test FLAG PATH` holds (-s: a non-empty file, -S: a socket).
wait_for() {
  for _ in $(seq 100); do
    test "$1" "$2" && return 0
    sleep 0.1
  done
  return 1
}

# A private server on whatever display number is free; it reports the number on fd 5. It must not
# reset when its last client leaves: the window searches below come and go before the program
# has connected, and a connection attempt during a reset is refused.
rm -f "$work/display"
Xvfb -displayfd 5 -screen 0 800x600x24 -nolisten tcp -noreset 5>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"

rm -rf "$work/home" "$work/runtime"
mkdir -p "$work/home"
mkdir -m 0700 "$work/runtime"
session=(env -i PATH=/usr/bin:/bin HOME="$work/home" LANG=C.UTF-8 DISPLAY="$DISPLAY"
  XDG_RUNTIME_DIR="$work/runtime" DBUS_SESSION_BUS_ADDRESS="unix:path=$work/runtime/bus")
if [ "${GUI_BUS:-}" = a11y ]; then
  # A desktop's session bus, which starts the accessibility bus when asked for it, and a
  # screen reader's worth of interest: the toolkit's accessibility bridge switched on.
  command -v dbus-daemon >/dev/null || { echo "gui_cycle: dbus-daemon is missing: run scripts/setup.sh" >&2; exit 1; }
  "${session[@]}" dbus-daemon --session --nofork --nopidfile --address="unix:path=$work/runtime/bus" \
    >"$work/bus.log" 2>&1 &
  bus_pid=$!
  wait_for -S "$work/runtime/bus" || fail "the session bus did not start"
  # As a desktop session does, start the accessibility bus before any program: the toolkit
  # joins it only if it is running already.
  "${session[@]}" dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >>"$work/bus.log" 2>&1 || fail "the accessibility bus did not start (see $work/bus.log)"
  session+=(QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1)
fi
"${session[@]}" "$@" >"$work/program.out" 2>&1 &
app_pid=$!

# Polls until the shell condition in "$@" holds, for at most $timeout seconds.
wait_for() {
  local what=$1
  shift
  local deadline=$((SECONDS + timeout))
  until "$@"; do
    kill -0 "$app_pid" 2>/dev/null || fail "the program ended while waiting for $what"
    [ "$SECONDS" -lt "$deadline" ] || fail "timed out waiting for $what"
    sleep 0.2
  done
}

find_window() { window=$(xdotool search --onlyvisible --name '^Tolvane$' 2>/dev/null | head -n1) && [ -n "$window" ]; }
picture() { timeout 10 import -window "$window" -depth 8 rgb:- 2>/dev/null | md5sum | cut -d' ' -f1; }
pixel() { timeout 10 import -window "$window" -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null | grep -o '#[0-9A-F]\{6\}' | head -n1; }
picture_changed() { [ "$(picture)" != "$1" ]; }
goal_red() { [ "$(pixel 348 348)" = "#FF0000" ]; }
click() { xdotool mousemove --window "$window" "$1" "$2" click 1; }

window=""
wait_for "the window" find_window
# Until Qt has painted, the window is all black; then the frame is black on white.
frame_shown() { [ "$(pixel 0 0)" = "#000000" ] && [ "$(pixel 357 357)" = "#000000" ] && [ "$(pixel 180 180)" = "#FFFFFF" ]; }
wait_for "the start-up picture" frame_shown
timeout 10 import -window "$window" "$work/1-start.png"

before=$(picture)
click 412 24  # Command1
wait_for "a maze after Command1" picture_changed "$before"
timeout 10 import -window "$window" "$work/2-maze.png"

click 412 72  # Command2
wait_for "the route to reach G" goal_red
timeout 10 import -window "$window" "$work/3-route.png"

python3 "$here/xclose.py" "$window"
deadline=$((SECONDS + timeout))
while kill -0 "$app_pid" 2>/dev/null; do
  [ "$SECONDS" -lt "$deadline" ] || fail "the program did not end after WM_DELETE_WINDOW"
  sleep 0.2
done
status=0
wait "$app_pid" || status=$?
app_pid=""
[ "$status" -eq 0 ] || window="" fail "the program ended with status $status (output in $work/program.out)"
echo "gui_cycle: start, maze, route and close done"
