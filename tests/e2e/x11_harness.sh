# Shared pieces of the end-to-end scripts, sourced by them: a private Xvfb, the app's process,
# and the pass/fail tally. The sourcing script sets `work` (a scratch folder) first.
passed=0
failed=0
xvfb_pid=""
app_pid=""

cleanup() {
  [ -n "$app_pid" ] && kill -9 "$app_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

pass() { echo "ok - $1"; passed=$((passed + 1)); }
fail() { echo "FAIL - $1"; failed=$((failed + 1)); }

# start_xvfb: a 1920x1200 screen on a free display number, which becomes DISPLAY.
start_xvfb() {
  Xvfb -displayfd 3 -screen 0 1920x1200x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  xvfb_pid=$!
  for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
  done
  if [ ! -s "$work/display" ]; then
    echo "Xvfb did not start:"; cat "$work/xvfb.log"; exit 1
  fi
  DISPLAY=":$(head -n1 "$work/display")"
  export DISPLAY
  unset WAYLAND_DISPLAY
}

# wait_exit SECONDS: the app's exit code, or 124 after killing it when it did not end.
wait_exit() {
  local pid=$app_pid rc
  for _ in $(seq $(($1 * 10))); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    kill -9 "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    app_pid=""
    return 124
  fi
  wait "$pid"
  rc=$?
  app_pid=""
  return $rc
}
