#!/usr/bin/env bash
# End-to-end checks of moidview's window under Xvfb (a 1920x1200 screen of its own, on a
# free display number, stopped at the end). Every wait is bounded, so nothing hangs.
# Usage: tests/e2e/window_checks.sh [BUILD-DIR]   (default: build/)
# Set MOID_E2E_RUN_SCRIPT=1 to also start moidview through scripts/run (scripts/test does).
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
bin=$build/src/moidview
demo=$build/tests/sdl_list_demo
closer=$build/tests/x11_close_window
work=$(mktemp -d)
# shellcheck source=tests/e2e/x11_harness.sh
. "$root/tests/e2e/x11_harness.sh"

# start_app NAME DIR COMMAND...: runs the command in DIR with stdin from /dev/null.
start_app() {
  local name=$1 dir=$2
  shift 2
  (cd "$dir" && exec "$@") </dev/null >"$work/$name.out" 2>"$work/$name.err" &
  app_pid=$!
}

# find_window TITLE: the id of the visible window with this title, or with a status line
# ending in " TITLE" (waits 20 s).
find_window() {
  timeout 20 xdotool search --sync --onlyvisible --name "(^| )$1\$" 2>/dev/null | head -n1
}

# keys WINDOW KEY...: types keys into the window.
keys() {
  local w=$1
  shift
  xdotool mousemove --window "$w" 4 4 windowfocus "$w" 2>/dev/null
  sleep 0.2
  xdotool key --delay 60 "$@"
}

# wait_size WINDOW WxH: true once the window has this size (within 20 s).
wait_size() {
  local geometry
  for _ in $(seq 200); do
    geometry=$(xdotool getwindowgeometry "$1" 2>/dev/null | sed -n 's/.*Geometry: //p')
    [ "$geometry" = "$2" ] && return 0
    sleep 0.1
  done
  echo "  window size $geometry, expected $2"
  return 1
}

catalogue_dir() {
  local d
  d=$(mktemp -d -p "$work")
  cp "$root/share/ELEMENTS.DAT" "$d/"
  echo "$d"
}

check_export() {
  local symbols
  symbols=$(nm -D "$bin")
  if grep -qE ' T Gfx_OleStringParams$' <<<"$symbols"; then
    pass "moidview exports Gfx_OleStringParams"
  else
    fail "moidview exports Gfx_OleStringParams"
  fi
}

# check_no_display LABEL ENV...: one line on stderr, nothing on stdout, a non-zero code.
check_no_display() {
  local label=$1 rc
  shift
  (cd "$work" && env "$@" timeout 20 "$bin") </dev/null >"$work/nd.out" 2>"$work/nd.err"
  rc=$?
  if [ $rc -ne 0 ] && [ $rc -ne 124 ] && [ "$(wc -l <"$work/nd.err")" -eq 1 ] &&
     grep -q "no display" "$work/nd.err" && [ ! -s "$work/nd.out" ]; then
    pass "no display ($label): one line on stderr, exit code $rc"
  else
    fail "no display ($label): exit code $rc"; cat "$work/nd.err"
  fi
}

check_escape_at_width_list() {
  local dir w rc
  dir=$(catalogue_dir)
  start_app escape "$dir" env KORIX12DIR="$dir" "$bin"
  w=$(find_window moidview)
  if [ -z "$w" ]; then fail "window appears"; wait_exit 1; return; fi
  pass "window appears"
  wait_size "$w" 320x320 || fail "width list window is 40 x 20 cells of 8 x 16"
  keys "$w" Escape
  wait_exit 20; rc=$?
  [ $rc -eq 0 ] && pass "Esc at the width list ends it with code 0" ||
    fail "Esc at the width list ends it with code 0 (got $rc)"
}

check_close_window() {
  local dir w rc
  dir=$(catalogue_dir)
  start_app close "$dir" env KORIX12DIR="$dir" "$bin"
  w=$(find_window moidview)
  if [ -z "$w" ] || [ ! -x "$closer" ]; then fail "closing the window (no window or helper)"; wait_exit 1; return; fi
  sleep 0.3
  "$closer" "$w"
  wait_exit 20; rc=$?
  [ $rc -eq 0 ] && pass "closing the window ends it with code 0" ||
    fail "closing the window ends it with code 0 (got $rc)"
}

# Down x3, Up, Enter picks " 576": the console becomes 576/8+6 = 78 by 576/16+5 = 41 cells.
# Esc at the asteroid list takes the second body; space opens the map, which saves both
# pictures of the graphics area, 624 x 656 pixels (54 + 624*656*3 bytes); Esc ends it.
check_width_list_keys() {
  local dir w rc size
  dir=$(catalogue_dir)
  start_app widths "$dir" env KORIX12DIR="$dir" "$bin"
  w=$(find_window moidview)
  if [ -z "$w" ]; then fail "width list answers arrows and Enter (no window)"; wait_exit 1; return; fi
  wait_size "$w" 320x320
  keys "$w" Down Down Down Up Return
  if wait_size "$w" 624x656; then
    pass "width list answers arrows and Enter (576 chosen)"
  else
    fail "width list answers arrows and Enter"
  fi
  sleep 1
  keys "$w" Escape
  sleep 2
  keys "$w" space
  size=""
  for _ in $(seq 300); do
    size=$(stat -c %s "$dir/Orbdis.bmp" 2>/dev/null)
    [ "$size" = 1228086 ] && [ -s "$dir/Orbits.bmp" ] && break
    sleep 0.1
  done
  [ "$size" = 1228086 ] && [ "$(stat -c %s "$dir/Orbits.bmp")" = 1228086 ] &&
    [ "$(identify -format '%wx%h' "$dir/Orbdis.bmp" 2>/dev/null)" = 624x656 ] &&
    pass "the map saves both pictures of the 624 x 656 area" ||
    fail "the map saves both pictures (size $size)"
  keys "$w" Escape
  wait_exit 20; rc=$?
  [ $rc -eq 0 ] && pass "Esc at the map ends it with code 0" ||
    fail "Esc at the map ends it with code 0 (got $rc)"
}

check_type_to_search() {
  local w rc started elapsed
  start_app search "$work" "$demo" 25000
  w=$(find_window "moidview list")
  if [ -z "$w" ]; then fail "type-to-search (no window)"; wait_exit 1; return; fi
  sleep 0.3
  xdotool mousemove --window "$w" 4 4 windowfocus "$w" 2>/dev/null
  started=$(date +%s%N)
  xdotool type --delay 60 "Drzia"
  xdotool key Return
  wait_exit 20; rc=$?
  elapsed=$((($(date +%s%N) - started) / 1000000))
  if [ $rc -eq 0 ] && [ "$(cat "$work/search.out")" = "(17345) Drzia" ]; then
    pass "type-to-search among 25,000 names selects the typed one (${elapsed} ms)"
  else
    fail "type-to-search among 25,000 names: code $rc, answer '$(cat "$work/search.out")'"
  fi
}

# Without a terminal and without a catalogue: the line on stdout, and a box in the window
# (its title bar is not the console's black) that Enter dismisses.
check_missing_data_box() {
  local dir w rc pixel
  dir=$(mktemp -d -p "$work")
  # The data folders point at the empty folder too, so a catalogue installed on this
  # machine is not found.
  start_app missing "$dir" env -u KORIX12DIR XDG_DATA_HOME="$dir" XDG_DATA_DIRS="$dir" "$bin"
  w=$(find_window moidview)
  if [ -z "$w" ]; then fail "missing-data box (no window)"; wait_exit 1; return; fi
  sleep 1
  import -window "$w" "$work/missing.png" 2>/dev/null
  pixel=$(convert "$work/missing.png" -format '%[pixel:p{320,165}]' info: 2>/dev/null)
  case "$pixel" in
    ""|black|"srgb(0,0,0)"|"rgb(0,0,0)") fail "missing-data message box is shown (pixel '$pixel')" ;;
    *) pass "missing-data message box is shown" ;;
  esac
  keys "$w" Return
  wait_exit 20; rc=$?
  if [ $rc -eq 0 ] && [ "$(sed -n 1p "$work/missing.out")" = "File ELEMENTS.DAT Not Found!" ] &&
     sed -n 2p "$work/missing.out" | grep -q '^Looked for /.*ELEMENTS.DAT; KORIX12DIR names' &&
     [ "$(wc -l <"$work/missing.out")" -eq 2 ]; then
    pass "missing data: the message and the path tried on stdout, Enter ends it with code 0"
  else
    fail "missing data: code $rc, stdout '$(cat "$work/missing.out")'"
  fi
}

check_run_script() {
  local w rc
  start_app run "$root" "$root/scripts/run"
  w=$(timeout 600 xdotool search --sync --onlyvisible --name '(^| )moidview$' 2>/dev/null | head -n1)
  if [ -z "$w" ]; then fail "scripts/run opens the window"; wait_exit 1; return; fi
  keys "$w" Escape
  wait_exit 20; rc=$?
  [ $rc -eq 0 ] && pass "scripts/run opens the window; Esc ends it with code 0" ||
    fail "scripts/run: code $rc"
}

for f in "$bin" "$demo"; do
  [ -x "$f" ] || { echo "missing $f (build first)"; exit 1; }
done

check_export
check_no_display "DISPLAY unset" -u DISPLAY -u WAYLAND_DISPLAY -u SDL_VIDEODRIVER
check_no_display "offscreen driver" DISPLAY=:0 SDL_VIDEODRIVER=offscreen
start_xvfb
check_no_display "DISPLAY names no server" -u WAYLAND_DISPLAY DISPLAY=:9999
check_escape_at_width_list
check_close_window
check_width_list_keys
check_type_to_search
check_missing_data_box
if [ "${MOID_E2E_RUN_SCRIPT:-0}" = 1 ]; then check_run_script; fi

echo "window checks: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
