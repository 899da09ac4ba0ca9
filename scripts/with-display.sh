#!/usr/bin/env bash
# Runs a command with an X display. Where there is none, starts Xvfb with the fvwm window
# manager (without one, Wine waits about 2 s on every window change) and stops both after.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$@"
fi
for display in $(seq 90 140); do
  [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ] || break
done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=":$display"
for _ in $(seq 50); do
  xdpyinfo >/dev/null 2>&1 && break
  sleep 0.1
done
fvwm -f "$here/fvwm.conf" >/dev/null 2>&1 &
fvwm_pid=$!
cleanup() {
  kill "$fvwm_pid" 2>/dev/null || true
  kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
}
trap cleanup EXIT
sleep 0.5
status=0
"$@" || status=$?
exit $status
