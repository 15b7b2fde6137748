#!/usr/bin/env bash
# Start-up to the first complete frame of two builds of Tolvane, runs alternating on one private
# Xvfb, so that a change's cost to start-up is measured against the same machine's moods.
#
#   bench/startup_ab.sh PROBE BEFORE AFTER [RUNS]     (PROBE: build-bench/bench/tolvane_probe)
set -euo pipefail
probe=$1 before=$2 after=$3 runs=${4:-21}
disp_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset 3>"$disp_file" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 100); do [ -s "$disp_file" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$disp_file")"
rm -f "$disp_file"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY
field() { sed -n "s/.*\\b$1=\\([^ ]*\\).*/\\1/p"; }
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
once() {
  local line pid
  line=$("$probe" first-frame "$1" 2>/dev/null)
  pid=$(echo "$line" | field pid)
  kill "$pid" 2>/dev/null || true
  while [ -e "/proc/$pid" ]; do sleep 0.02; done
  echo "$line" | field first_frame_ms
}
once "$before" >/dev/null; once "$after" >/dev/null  # warm-up, not counted
: >/tmp/startup_ab.$$
for _ in $(seq "$runs"); do
  echo "$(once "$before") $(once "$after")" >>/tmp/startup_ab.$$
done
echo "first frame, $runs runs each: before median $(cut -d' ' -f1 /tmp/startup_ab.$$ | median) ms," \
  "after median $(cut -d' ' -f2 /tmp/startup_ab.$$ | median) ms," \
  "median of the per-pair differences $(awk '{ print $2 - $1 }' /tmp/startup_ab.$$ | median) ms"
rm -f /tmp/startup_ab.$$
