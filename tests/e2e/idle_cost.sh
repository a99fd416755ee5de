#!/usr/bin/env bash
# CPU use of an idle moidview under Xvfb: the width list, the asteroid list, a still orbit
# view and the map with the pointer at rest, each over SECONDS (default 10) from the
# process's user + system time in /proc. Prints a table row per screen: moidview's and the X
# server's share of one core.
# Usage: tests/e2e/idle_cost.sh [BUILD-DIR] [SECONDS]
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
seconds=${2:-10}
bin=$build/src/moidview
work=$(mktemp -d)
xvfb_pid=""
app_pid=""

cleanup() {
  [ -n "$app_pid" ] && kill -9 "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1920x1200x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
DISPLAY=":$(head -n1 "$work/display")"
export DISPLAY
unset WAYLAND_DISPLAY

# cpu_ticks PID: user + system clock ticks so far.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# measure LABEL: CPU use of the app and of the X server over the interval, in % of one core.
measure() {
  local t0 t1 x0 x1 s0 s1
  sleep 2  # let the screen finish drawing
  t0=$(cpu_ticks "$app_pid"); x0=$(cpu_ticks "$xvfb_pid"); s0=$(date +%s%N)
  sleep "$seconds"
  t1=$(cpu_ticks "$app_pid"); x1=$(cpu_ticks "$xvfb_pid"); s1=$(date +%s%N)
  awk -v d=$((t1 - t0)) -v x=$((x1 - x0)) -v hz="$(getconf CLK_TCK)" -v ns=$((s1 - s0)) -v l="$1" \
    'BEGIN { s = ns / 1e9 * hz / 100
             printf "| %s | %.2f %% | %.2f %% |\n", l, d / s, x / s }'
}

keys() { xdotool windowfocus "$w" 2>/dev/null; sleep 0.2; xdotool key --delay 80 "$@"; }

cp "$root/share/ELEMENTS.DAT" "$work/"
(cd "$work" && exec env KORIX12DIR="$work" "$bin") </dev/null >/dev/null 2>&1 &
app_pid=$!
w=$(timeout 20 xdotool search --sync --onlyvisible --name '(^| )moidview$' | head -n1)
[ -n "$w" ] || { echo "no window"; exit 1; }
echo "| Screen | moidview | Xvfb |"
echo "|---|---|---|"
xdotool mousemove 1800 1100
measure "width list"
keys Down Down Return
measure "asteroid list (W = 576)"
xdotool windowfocus "$w"; xdotool type --delay 80 apoph; keys Return
measure "still orbit view"
keys space
xdotool mousemove --window "$w" 300 300
measure "map, pointer at rest over the map"
keys Escape
wait "$app_pid"
app_pid=""
