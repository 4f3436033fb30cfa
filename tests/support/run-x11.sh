#!/usr/bin/env bash
# run-x11.sh [--wm] COMMAND...
# Runs COMMAND on a private Xvfb server (its own display, so tests that move
# the pointer can run in parallel), optionally with the openbox window manager.
set -uo pipefail

with_wm=0
if [ "${1:-}" = "--wm" ]; then with_wm=1; shift; fi

tmp=$(mktemp -d)
xvfb_pid=""
wm_pid=""
cleanup() {
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$tmp"
}
trap cleanup EXIT

# -displayfd lets the server pick a free display number itself: no race
# between parallel tests choosing the same number.
mkfifo "$tmp/display"
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp 3>"$tmp/display" 2>"$tmp/xvfb.log" &
xvfb_pid=$!
if ! read -r -t 20 display_number < "$tmp/display"; then
  echo "run-x11.sh: Xvfb did not start" >&2
  cat "$tmp/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$display_number"
export QT_QPA_PLATFORM=xcb

if [ "$with_wm" -eq 1 ]; then
  openbox --sm-disable >"$tmp/wm.log" 2>&1 &
  wm_pid=$!
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
  done
  if ! xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then
    echo "run-x11.sh: the window manager did not start" >&2
    cat "$tmp/wm.log" >&2
    exit 1
  fi
fi

"$@"
