#!/usr/bin/env bash
# The window program at rest and under a server that never answers: starts
# time-page-server on 127.0.0.1 and Veltrane offscreen with --dry-run and the
# lock box checked (without the right to set the clock), and prints
#   - the process's CPU time over 30 s, as a share of one core,
#   - the most background runs in flight at once (threads named veltrane-run),
#   - resident memory at the 10th and the 60th second.
# Goals: CPU at most 2 %; runs in flight at most 3 against a prompt server and
# at most 15 against one that never answers; memory flat (within 1 MiB).
#
# usage: benchmarks/window-benchmark.sh [BUILD_DIR]   (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
cmake --build "$build" --target veltrane time-page-server >/dev/null

tick=$(getconf CLK_TCK)
pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap cleanup EXIT

cpu_ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
rss_kib() { awk '/^VmRSS:/ {print $2}' "/proc/$1/status"; }
runs_in_flight() { cat /proc/"$1"/task/*/comm 2>/dev/null | grep -cx 'veltrane-run' || true; }

# measure NAME SERVER_OPTIONS SECONDS
measure() {
  local name=$1 server_options=$2 seconds=$3
  local out
  out=$(mktemp)
  # shellcheck disable=SC2086
  "$build/tools/time-page-server" $server_options >"$out" &
  pids+=($!)
  local url=""
  for _ in $(seq 50); do
    url=$(sed -n 2p "$out")
    [ -n "$url" ] && break
    sleep 0.1
  done
  QT_QPA_PLATFORM=offscreen DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent no_proxy='*' \
    setpriv --inh-caps=-sys_time --bounding-set=-sys_time \
    "$build/app/veltrane" --dry-run --locked --time-url "$url" >/dev/null 2>&1 &
  local app=$!
  pids+=($app)

  local start_ns cpu_start=0 wall_start=0 cpu_end=0 wall_end=0 rss10=0 rss_last=0 most=0 t=0
  start_ns=$(date +%s%N)
  while [ "$t" -lt "$seconds" ]; do
    sleep 0.2
    t=$(( ($(date +%s%N) - start_ns) / 1000000000 ))
    local now_runs
    now_runs=$(runs_in_flight "$app")
    if [ "$now_runs" -gt "$most" ]; then most=$now_runs; fi
    if [ "$wall_start" = 0 ] && [ "$t" -ge 5 ]; then
      cpu_start=$(cpu_ticks "$app")
      wall_start=$(date +%s%N)
    fi
    if [ "$wall_end" = 0 ] && [ "$t" -ge 35 ]; then
      cpu_end=$(cpu_ticks "$app")
      wall_end=$(date +%s%N)
    fi
    if [ "$rss10" = 0 ] && [ "$t" -ge 10 ]; then rss10=$(rss_kib "$app"); fi
    rss_last=$(rss_kib "$app")
  done
  awk -v name="$name" -v c0="$cpu_start" -v c1="$cpu_end" -v w0="$wall_start" -v w1="$wall_end" \
      -v tick="$tick" -v most="$most" -v r10="$rss10" -v rl="$rss_last" -v secs="$seconds" 'BEGIN {
    wall = (w1 - w0) / 1e9
    printf "%-22s CPU %.2f %% of one core over %.0f s; runs in flight at most %d; RSS %.1f MiB at 10 s, %.1f MiB at %d s (%+.2f MiB)\n",
      name, 100 * (c1 - c0) / tick / wall, wall, most, r10 / 1024, rl / 1024, secs, (rl - r10) / 1024
  }'
  kill "$app"
  wait "$app" 2>/dev/null || true
  rm -f "$out"
}

measure "prompt server:" "" 60
measure "never-answering server:" "--never-answer" 60
