#!/usr/bin/env bash
# Measures Tolvane: builds a Release tree, runs the benchmarks, then times and samples the real
# program on a private X server, and prints the medians. Takes about three minutes.
#
#   ./bench/measure.sh            everything
#   RUNS=21 ./bench/measure.sh    more start-ups and replays (default 11)
#   BUILD_DIR=dir                 the Release tree to use (default build-bench)
#
# Raw results are kept in $BUILD_DIR/measure/.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build-bench}
runs=${RUNS:-11}
out=$build/measure

scripts/setup.sh test libx11-dev libxtst-dev libxdamage-dev  # the probes: Xlib, XTest, DAMAGE
load=$(cut -d' ' -f1-3 /proc/loadavg)  # other work on the machine skews every figure
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DTOLVANE_TESTS=OFF -DTOLVANE_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target Tolvane tolvane_bench_logic tolvane_bench_drawing tolvane_bench_export tolvane_probe \
  tolvane_key_probe >/dev/null
rm -rf "$out" && mkdir -p "$out"
program=$build/src/Tolvane
probe=$build/bench/tolvane_probe

median() { sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) exit 1; print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# --- 1. Benchmarks: nine repetitions each, medians only. ---------------------------------
echo "== benchmarks (9 repetitions, medians)"
for b in logic drawing export; do
  "$build/bench/tolvane_bench_$b" --benchmark_repetitions=9 --benchmark_report_aggregates_only=true \
    --benchmark_out="$out/bench_$b.json" --benchmark_out_format=json >"$out/bench_$b.txt" 2>"$out/bench_$b.err"
done
python3 - "$out/bench_logic.json" "$out/bench_drawing.json" "$out/bench_export.json" <<'EOF' | tee "$out/summary.txt"
import json, sys
for path in sys.argv[1:]:
    for b in json.load(open(path))["benchmarks"]:
        if b.get("aggregate_name") != "median":
            continue
        extra = "".join(f"  {k}={b[k]:.1f}" for k in ("draws_per_maze", "route_entries") if k in b)
        print(f"{b['run_name']:<28} {b['real_time']:10.1f} {b['time_unit']} wall {b['cpu_time']:10.1f} {b['time_unit']} CPU{extra}")
EOF

# --- 2. The real program on a private X server. ------------------------------------------
for t in Xvfb xdotool; do command -v $t >/dev/null || { echo "measure: $t missing"; exit 2; }; done
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; wait 2>/dev/null || true; }
trap cleanup EXIT
disp_file=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -dpi 96 -nolisten tcp -noreset 3>"$disp_file" 2>/dev/null &
xvfb=$!
pids+=("$xvfb")
for _ in $(seq 100); do [ -s "$disp_file" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$disp_file")"
rm -f "$disp_file"
unset QT_QPA_PLATFORM QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR WAYLAND_DISPLAY

# The program is the probe's child; once the probe has exited it is nobody's, so stopping it
# means waiting until its /proc entry is gone.
stop() {
  kill "$1" 2>/dev/null || true
  for _ in $(seq 200); do [ -e "/proc/$1" ] || return 0; sleep 0.02; done
  kill -9 "$1" 2>/dev/null || true
}
field() { sed -n "s/.*\\b$1=\\([^ ]*\\).*/\\1/p"; }
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }  # user + system, all threads
kib() { awk -v k="$2:" '$1 == k { print $2 }' "/proc/$1/status"; }
now() { date +%s.%N; }

# Start-up: from just before the process starts to the first poll (every millisecond) that
# reads the complete start-up picture back from the X server. One run first, not counted,
# so that every counted run finds the libraries and the font cache in memory.
echo "== start-up to first frame ($runs runs after one warm-up)"
: >"$out/startup.txt"
for i in $(seq 0 "$runs"); do
  line=$("$probe" first-frame "$program" 2>>"$out/program.log")
  stop "$(echo "$line" | field pid)"
  [ "$i" -eq 0 ] || echo "$line" >>"$out/startup.txt"
  sleep 0.3
done
startup=$(field first_frame_ms <"$out/startup.txt" | median)
mapped=$(field mapped_ms <"$out/startup.txt" | median)
echo "first frame: median $startup ms (window mapped: median $mapped ms)"

# One session: memory after start-up, the CPU of a full replay, memory after replays.
line=$("$probe" first-frame "$program" 2>>"$out/program.log")
pid=$(echo "$line" | field pid)
win=$(echo "$line" | field window)
pids+=("$pid")
sleep 1
rss_start=$(kib "$pid" VmRSS)
hwm_start=$(kib "$pid" VmHWM)
t0=$(now); c0=$(cpu_ticks "$pid"); sleep 3; c1=$(cpu_ticks "$pid"); t1=$(now)
idle=$(awk -v c="$((c1 - c0))" -v a="$t0" -v b="$t1" -v hz="$(getconf CLK_TCK)" 'BEGIN { printf "%.2f", 100 * c / hz / (b - a) }')

# Each replay runs on a new maze: Command1, then Command2, then wait until the picture has been
# still for 600 ms (read four times a second, which barely disturbs the X server). A replay of
# a route through N cells is N ticks of 50 ms; the CPU time (user + system, all threads) from
# the click to the end of the wait is divided by that, in percent of one core.
echo "== replay CPU ($runs replays)"
hz=$(getconf CLK_TCK)
: >"$out/replay.txt"
for i in $(seq "$runs"); do
  xdotool mousemove --window "$win" 412 24 click 1
  "$probe" settle "$win" 300 50 >/dev/null
  p0=$(cpu_ticks "$pid"); x0=$(cpu_ticks "$xvfb")
  xdotool mousemove --window "$win" 412 72 click 1
  cells=$("$probe" settle "$win" 600 250 | field route_cells)
  p1=$(cpu_ticks "$pid"); x1=$(cpu_ticks "$xvfb")
  awk -v p="$((p1 - p0))" -v x="$((x1 - x0))" -v n="$cells" -v hz="$hz" 'BEGIN {
    s = n * 0.050
    printf "ticks=%d replay_s=%.2f program_cpu_s=%.2f xserver_cpu_s=%.2f program_pct=%.2f xserver_pct=%.2f\n",
      n, s, p / hz, x / hz, 100 * p / hz / s, 100 * x / hz / s }' >>"$out/replay.txt"
done
replay_cpu=$(field program_pct <"$out/replay.txt" | median)
xserver_cpu=$(field xserver_pct <"$out/replay.txt" | median)
replay_ticks=$(field ticks <"$out/replay.txt" | median)
replay_all=$(awk '{ for (i = 1; i <= NF; ++i) { split($i, kv, "="); v[kv[1]] += kv[2] } }
  END { printf "%.2f %% over %.1f s", 100 * v["program_cpu_s"] / v["replay_s"], v["replay_s"] }' "$out/replay.txt")
rss_replay=$(kib "$pid" VmRSS)
hwm_replay=$(kib "$pid" VmHWM)

# A game's move, whole process: a new maze, P, then 101 moves back and forth out of S, each from
# the key pressed through XTest to the X server's first damage report on the maze picture.
echo "== key to damage (101 moves)"
xdotool mousemove --window "$win" 412 24 click 1
"$probe" settle "$win" 300 50 >/dev/null
xdotool windowfocus --sync "$win" key p
"$probe" settle "$win" 300 50 >/dev/null
"$build/bench/tolvane_key_probe" "$win" 101 >"$out/key.txt"
key_ms=$(field key_to_damage_ms <"$out/key.txt" | median)
key_max=$(field key_to_damage_ms <"$out/key.txt" | sort -g | tail -n 1)
stop "$pid"

{
  echo "start-up to first frame  median ${startup} ms (window mapped: ${mapped} ms)"
  echo "idle CPU after start-up  ${idle} % of one core"
  echo "replay CPU               median ${replay_cpu} % of one core (all replays together: ${replay_all}; X server: median ${xserver_cpu} %), median replay ${replay_ticks} ticks"
  echo "resident after start-up  VmRSS ${rss_start} KiB, VmHWM ${hwm_start} KiB"
  echo "resident after replays   VmRSS ${rss_replay} KiB, VmHWM ${hwm_replay} KiB"
  echo "key to damage (a move)   median ${key_ms} ms, slowest ${key_max} ms of 101"
  echo "machine                  $(nproc) cores, $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1), load average at the start ${load}"
} | tee -a "$out/summary.txt"

echo "== export of 100 worksheets with their solutions against the Python + cairo anchor"
bench/export_vs_cairo.py "$program" "$runs" | tee -a "$out/summary.txt"
