#!/usr/bin/env bash
# The editor on a real X server with a window manager: starts Xvfb on a free
# display and openbox on it, runs the desktop check there (its screenshots go
# to build/tests/xcheck/), and stops both again.
set -euo pipefail
cd "$(dirname "$0")/.."
work="$(mktemp -d)"
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# Waits up to 20 seconds for a file to be there and not empty.
wait_for() {
  for _ in $(seq 200); do
    [ -s "$1" ] && return 0
    sleep 0.1
  done
  echo "xcheck: $2 did not start" >&2
  return 1
}

# Xvfb picks a free display itself and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
wait_for "$work/display" Xvfb
export DISPLAY=":$(head -n1 "$work/display")"
openbox --startup "touch $work/wm" 2>"$work/openbox.log" &
pids+=($!)
for _ in $(seq 200); do [ -e "$work/wm" ] && break; sleep 0.1; done
[ -e "$work/wm" ] || { echo "xcheck: openbox did not start" >&2; exit 1; }

env -u QT_QPA_PLATFORM LANG=C.UTF-8 timeout 300 build/tests/desktop_xcheck
