#!/usr/bin/env bash
# A user's walk through moidview's real window under Xvfb (1920x1200, a display of its own):
# width list, type-to-search in the asteroid list, every orbit-view key, the map and the
# ways out of it, another asteroid, another width, Esc. Every map entry must write both
# pictures anew, and the map's cells must equal those `moidtool render` writes for the same
# width and asteroid. Then closing the window on every screen. Every wait is bounded.
# Usage: tests/e2e/user_walk.sh [BUILD-DIR]   (default: build/)
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
bin=$build/src/moidview
tool=$build/src/moidtool
closer=$build/tests/x11_close_window
work=$(mktemp -d)
# For a sanitizer build: address and undefined-behaviour errors end the run with a non-zero
# code; leaks are left to the headless suites, as the libraries SDL loads and unloads leak a
# little at exit where no suppression can name them.
export ASAN_OPTIONS="detect_leaks=0${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
# shellcheck source=tests/e2e/x11_harness.sh
. "$root/tests/e2e/x11_harness.sh"

# check LABEL COMMAND...: passes when the command succeeds.
check() {
  local label=$1
  shift
  if "$@"; then pass "$label"; else fail "$label"; fi
}

# start_app NAME DIR: moidview in DIR on the catalogue of DIR, stdin from /dev/null.
start_app() {
  local name=$1 dir=$2
  (cd "$dir" && exec env KORIX12DIR="$dir" "$bin") </dev/null >"$work/$name.out" 2>"$work/$name.err" &
  app_pid=$!
}

# expect_exit LABEL: the app ends within 20 s with code 0.
expect_exit() {
  local rc
  wait_exit 20; rc=$?
  [ $rc -eq 0 ] && pass "$1: exit code 0" || fail "$1: exit code $rc"
}

# The window's title is a status line ending in " moidview".
find_window() {
  timeout 20 xdotool search --sync --onlyvisible --name "(^| )moidview\$" 2>/dev/null | head -n1
}

# epoch_day YYYY-MM-DD: days since 1970-01-01.
epoch_day() { echo $(($(date -ud "$1" +%s) / 86400)); }

# title_while_animating LABEL WINDOW BODY: the title names the body, carries the date and
# the Earth distance in AU, and the date moves 10 to 75 days a second (one day per frame,
# at most the display's refresh rate).
title_while_animating() {
  local label=$1 w=$2 body=$3 t1 t2 s1 s2 d1 d2 rate
  sleep 0.5
  t1=$(xdotool getwindowname "$w" 2>/dev/null); s1=$(date +%s.%N)
  sleep 2
  t2=$(xdotool getwindowname "$w" 2>/dev/null); s2=$(date +%s.%N)
  d1=$(grep -oE '[0-9]{4}-[0-9]{2}-[0-9]{2}' <<<"$t1" | head -n1)
  d2=$(grep -oE '[0-9]{4}-[0-9]{2}-[0-9]{2}' <<<"$t2" | head -n1)
  if [[ $t2 != *"$body"* ]] || ! grep -qE '[0-9]+\.[0-9]+ AU' <<<"$t2" || [ -z "$d1" ] || [ -z "$d2" ]; then
    fail "$label: the title while animating names the body, the date and the distance ('$t2')"
    return
  fi
  pass "$label: the title while animating names the body, the date and the distance"
  rate=$(awk -v d=$(($(epoch_day "$d2") - $(epoch_day "$d1"))) -v a="$s1" -v b="$s2" \
    'BEGIN { printf "%.1f", d / (b - a) }')
  if awk -v r="$rate" 'BEGIN { exit !(r >= 10 && r <= 75) }'; then
    pass "$label: the date moves $rate days a second"
  else
    fail "$label: the date moves $rate days a second, not 10 to 75 ('$t1' then '$t2')"
  fi
}

focus() {
  xdotool windowfocus "$1" 2>/dev/null
  sleep 0.2
}

# keys WINDOW KEY...: types keys into the window (the pointer stays where it is).
keys() {
  local w=$1
  shift
  focus "$w"
  xdotool key --delay 80 "$@"
}

# type_text WINDOW TEXT
type_text() {
  focus "$1"
  xdotool type --delay 80 "$2"
}

# click WINDOW X Y BUTTON: moves the pointer there and presses the button.
click() {
  xdotool mousemove --window "$1" "$2" "$3" 2>/dev/null
  sleep 0.2
  xdotool click --window "$1" "$4" 2>/dev/null || xdotool click "$4"
}

geometry() {
  xdotool getwindowgeometry "$1" 2>/dev/null | sed -n 's/.*Geometry: //p'
}

# wait_size WINDOW WxH: true once the window has this size (within 20 s).
wait_size() {
  local g=""
  for _ in $(seq 200); do
    g=$(geometry "$1")
    [ "$g" = "$2" ] && return 0
    sleep 0.1
  done
  echo "  window size $g, expected $2"
  return 1
}

# The console for width W: W/8 + 6 columns of 8 pixels by round(W/16 + 5) rows of 16
# (halves to even), the same size as the pictures the map saves.
console_size() {
  local w=$1 q r
  q=$(((w + 80) / 16))
  r=$(((w + 80) % 16))
  if [ $r -gt 8 ] || { [ $r -eq 8 ] && [ $((q % 2)) -eq 1 ]; }; then q=$((q + 1)); fi
  echo "$(((w / 8 + 6) * 8))x$((q * 16))"
}

# wait_files DIR FILE...: true once every file exists (within 20 s).
wait_files() {
  local dir=$1 all
  shift
  for _ in $(seq 200); do
    all=1
    for f in "$@"; do [ -s "$dir/$f" ] || all=0; done
    [ $all = 1 ] && return 0
    sleep 0.1
  done
  return 1
}

# settled WINDOW [SECONDS]: waits until two screenshots 0.3 s apart agree (at most 10 s),
# so the screen in front of the user has been drawn before the next key.
settled() {
  local a=$work/settle-a.png b=$work/settle-b.png
  import -window "$1" "$a" 2>/dev/null
  for _ in $(seq $((${2:-10} * 10 / 3))); do
    sleep 0.3
    import -window "$1" "$b" 2>/dev/null
    [ "$(compare -metric AE "$a" "$b" null: 2>&1)" = 0 ] && return 0
    mv "$b" "$a"
  done
  return 1
}

# enter_map LABEL DIR ACTION...: removes both pictures, runs the action that opens the map and
# waits for both to be written again.
enter_map() {
  local label=$1 dir=$2
  shift 2
  rm -f "$dir/Orbits.bmp" "$dir/Orbdis.bmp"
  "$@"
  if wait_files "$dir" Orbits.bmp Orbdis.bmp; then
    pass "$label writes Orbits.bmp and Orbdis.bmp"
  else
    fail "$label writes Orbits.bmp and Orbdis.bmp"
  fi
}

# cells BMP W OUT: the W x W cells of a map picture (x 34..W+33, y 27..W+26).
cells() {
  convert "$1" -crop "${2}x${2}+34+27" +repage "$3" 2>/dev/null
}

# same_cells LABEL DIR W BODY: the map cells of DIR/Orbdis.bmp against moidtool render's.
same_cells() {
  local label=$1 dir=$2 w=$3 body=$4 ref=$work/render-$3 diff
  mkdir -p "$ref"
  if ! "$tool" render "$dir/ELEMENTS.DAT" --body "$body" --width "$w" --out "$ref" >/dev/null; then
    fail "$label: moidtool render failed"; return
  fi
  cells "$dir/Orbdis.bmp" "$w" "$work/window-cells.png"
  cells "$ref/Orbdis.bmp" "$w" "$work/render-cells.png"
  diff=$(compare -metric AE "$work/window-cells.png" "$work/render-cells.png" null: 2>&1)
  [ "$diff" = 0 ] && pass "$label: map cells equal moidtool render's ($w x $w)" ||
    fail "$label: map cells differ from moidtool render's in '$diff' pixels"
}

# same A B: the number of pixels that differ between two pictures (or an error text).
same() { compare -metric AE "$1" "$2" null: 2>&1; }

# shot WINDOW PNG: what the window shows.
shot() { import -window "$1" "$2" 2>/dev/null; }

# same_view LABEL WINDOW DIR W BODY KEYS: the window shows the orbit view that moidtool
# render saves after the same keys.
same_view() {
  local label=$1 ref=$work/view-$4 diff
  mkdir -p "$ref"
  "$tool" render "$3/ELEMENTS.DAT" --body "$5" --width "$4" --keys "$6" --out "$ref" >/dev/null
  shot "$2" "$work/view.png"
  diff=$(same "$work/view.png" "$ref/Orbits.bmp")
  [ "$diff" = 0 ] && pass "$label: the view equals moidtool render's after the same keys" ||
    fail "$label: the view differs from moidtool render's in '$diff' pixels"
}

# same_pictures LABEL DIR W: both whole pictures equal moidtool render's of the last
# same_cells call (an orbit view as first drawn, opened without other keys).
same_pictures() {
  local label=$1 dir=$2 w=$3 f diff
  for f in Orbits.bmp Orbdis.bmp; do
    diff=$(compare -metric AE "$dir/$f" "$work/render-$w/$f" null: 2>&1)
    [ "$diff" = 0 ] && pass "$label: $f equals moidtool render's" ||
      fail "$label: $f differs from moidtool render's ('$diff')"
  done
}

# idle LABEL: moidview left alone for 5 s uses under 2 % of one core (user + system time).
# Only where MOID_E2E_IDLE=1: a sanitizer build polls at several times the cost.
idle() {
  local t0 t1 ticks hz
  [ "${MOID_E2E_IDLE:-0}" = 1 ] || return 0
  hz=$(getconf CLK_TCK)
  t0=$(awk '{ print $14 + $15 }' "/proc/$app_pid/stat")
  sleep 5
  t1=$(awk '{ print $14 + $15 }' "/proc/$app_pid/stat")
  ticks=$((t1 - t0))
  # 2 % of 5 s is 0.1 s of CPU time.
  if [ $((ticks * 10)) -lt "$hz" ]; then
    pass "$1: idle for 5 s, $ticks ticks of CPU time (under 2 % of one core)"
  else
    fail "$1: idle for 5 s took $ticks ticks of CPU time (2 % is $((hz / 10)))"
  fi
}

# readout_shown WINDOW W: the readout line below the map holds dark pixels.
readout_shown() {
  local mean
  import -window "$1" "$work/readout.png" 2>/dev/null
  mean=$(convert "$work/readout.png" -crop "300x16+40+$(($2 + 58))" +repage -colorspace Gray \
    -format '%[fx:minima]' info: 2>/dev/null)
  [ -n "$mean" ] && awk -v m="$mean" 'BEGIN { exit !(m < 0.5) }'
}

catalogue_dir() {
  local d
  d=$(mktemp -d -p "$work")
  cp "$root/share/ELEMENTS.DAT" "$d/"
  echo "$d"
}

walk() {
  local dir w w1=504 w2=648
  dir=$(catalogue_dir)
  start_app walk "$dir"
  w=$(find_window)
  if [ -z "$w" ]; then fail "walk: window appears"; wait_exit 1; return; fi
  xdotool mousemove 0 0  # out of the window, which is centred on the screen
  check "walk: the width list is 40 x 20 cells" wait_size "$w" 320x320
  settled "$w"
  keys "$w" Down Return
  check "walk: Down, Enter chooses $w1" wait_size "$w" "$(console_size $w1)"
  settled "$w"
  type_text "$w" "apoph"
  keys "$w" Return
  settled "$w"
  # Every orbit-view key: turn, zoom, balls, grid; the view must be the one moidtool render
  # draws after the same keys.
  keys "$w" Left Right Up Down Up plus plus minus greater less less numbersign
  settled "$w"
  idle "walk: the still orbit view"
  same_view "walk: arrows, + -, < >, #" "$w" "$dir" $w1 "Apophis" \
    "Left Right Up Down Up + + - > < < #"
  # Animate, pause, step with space, run backwards, reset, resume, stop; then help.
  keys "$w" m
  title_while_animating "walk" "$w" "Apophis"
  keys "$w" p
  settled "$w"
  shot "$w" "$work/paused.png"
  rm -f "$dir/Orbits.bmp"
  keys "$w" space
  settled "$w"
  shot "$w" "$work/stepped.png"
  if [ "$(same "$work/paused.png" "$work/stepped.png")" != 0 ] && [ ! -e "$dir/Orbits.bmp" ]; then
    pass "walk: space while paused steps the animation and stays in the view"
  else
    fail "walk: space while paused steps the animation and stays in the view"
  fi
  keys "$w" space b space Home p m
  settled "$w"
  shot "$w" "$work/before-help.png"
  keys "$w" F1
  settled "$w"
  shot "$w" "$work/help.png"
  check "walk: F1 shows the help box" [ "$(same "$work/before-help.png" "$work/help.png")" != 0 ]
  keys "$w" Return
  settled "$w"
  shot "$w" "$work/after-help.png"
  check "walk: Enter dismisses the help box and the view is drawn again" \
    [ "$(same "$work/before-help.png" "$work/after-help.png")" = 0 ]
  enter_map "walk: space" "$dir" keys "$w" space
  settled "$w"
  same_cells "walk: Apophis" "$dir" $w1 "Apophis"
  cp "$dir/Orbits.bmp" "$work/first-orbits.bmp"
  if readout_shown "$w" $w1; then
    fail "walk: no readout while the pointer is outside the window"
  else
    pass "walk: no readout while the pointer is outside the window"
  fi
  xdotool mousemove --window "$w" $((34 + w1 / 2)) $((27 + w1 / 3))
  sleep 0.5
  check "walk: the pointer over the map shows the readout" readout_shown "$w" $w1
  idle "walk: the map with the pointer at rest"
  click "$w" $((34 + w1 / 2)) $((27 + w1 / 3)) 1
  settled "$w"
  enter_map "walk: Enter after the left button" "$dir" keys "$w" Return
  check "walk: the orbit view comes back from the map as it was" \
    [ "$(compare -metric AE "$dir/Orbits.bmp" "$work/first-orbits.bmp" null: 2>&1)" = 0 ]
  settled "$w"
  click "$w" 100 100 3
  settled "$w"
  type_text "$w" "bennu"
  keys "$w" Return
  settled "$w"
  enter_map "walk: space for another asteroid" "$dir" keys "$w" space
  same_cells "walk: Bennu" "$dir" $w1 "Bennu"
  keys "$w" Down
  check "walk: an arrow on the map goes to the width list" wait_size "$w" 320x320
  settled "$w"
  keys "$w" Home Down Down Down Return
  check "walk: Home, Down x3, Enter chooses $w2" wait_size "$w" "$(console_size $w2)"
  settled "$w"
  type_text "$w" "eros"
  keys "$w" Return
  settled "$w"
  enter_map "walk: a mouse press at $w2" "$dir" click "$w" 200 200 1
  same_cells "walk: Eros" "$dir" $w2 "(433) Eros"
  same_pictures "walk: Eros" "$dir" $w2
  keys "$w" Escape
  expect_exit "walk: Esc at the map"
  [ -s "$work/walk.err" ] && sed 's/^/  /' "$work/walk.err" | head -20
}

# close_on LABEL KEYS...: opens moidview, types the keys (groups separated by "/", a pause
# for the screen to settle after each), then closes the window as a window manager would.
close_on() {
  local label=$1 dir w group
  shift
  dir=$(catalogue_dir)
  start_app close "$dir"
  w=$(find_window)
  if [ -z "$w" ]; then fail "closing at $label: no window"; wait_exit 1; return; fi
  settled "$w"
  group=()
  for k in "$@" /; do
    if [ "$k" = / ]; then
      if [ ${#group[@]} -gt 0 ]; then
        keys "$w" "${group[@]}"
        settled "$w" 5
      fi
      group=()
    else
      group+=("$k")
    fi
  done
  "$closer" "$w"
  expect_exit "closing the window at $label"
  [ -s "$work/close.err" ] && sed 's/^/  /' "$work/close.err" | head -20
}

# found_at LABEL START-DIR PICTURE-DIR: moidview started in START-DIR without KORIX12DIR
# finds the catalogue, and its map writes the pictures into PICTURE-DIR.
found_at() {
  local label=$1 start=$2 pictures=$3 w
  (cd "$start" && exec env -u KORIX12DIR "$bin") </dev/null >"$work/found.out" 2>"$work/found.err" &
  app_pid=$!
  w=$(find_window)
  if [ -z "$w" ]; then fail "$label: no window"; wait_exit 1; return; fi
  settled "$w"
  keys "$w" Return
  wait_size "$w" "$(console_size 432)" >/dev/null
  settled "$w"
  keys "$w" Return
  settled "$w"
  enter_map "$label: the catalogue is found and the map" "$pictures" keys "$w" space
  keys "$w" Escape
  expect_exit "$label"
}

# The catalogue beside a KORIX121.EXE in the start directory, names in lower case; and the
# catalogue in the parent of a directory whose name ends in USERDATA.
discovery() {
  local dir
  dir=$(mktemp -d -p "$work")
  cp "$root/share/ELEMENTS.DAT" "$dir/elements.dat"
  : >"$dir/korix121.exe"
  found_at "korix121.exe and elements.dat in the start directory" "$dir" "$dir"
  dir=$(catalogue_dir)
  mkdir "$dir/MyUserData"
  found_at "started in MyUserData below the catalogue" "$dir/MyUserData" "$dir/MyUserData"
  dir=$(catalogue_dir)
  mkdir "$dir/userdata"
  : >"$dir/KORIX121.EXE"
  found_at "a userdata folder in the start directory" "$dir" "$dir/userdata"
}

for f in "$bin" "$tool" "$closer"; do
  [ -x "$f" ] || { echo "missing $f (build first)"; exit 1; }
done

start_xvfb
walk
close_on "the width list"
close_on "the asteroid list" Return
close_on "the orbit view" Return / Return
close_on "the animated orbit view" Return / Return / m
close_on "the help box" Return / Return / F1
close_on "the paused orbit view" Return / Return / m p
close_on "the map" Return / Return / space
close_on "the width list after the map" Return / Return / space / Down
discovery

echo "user walk: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
