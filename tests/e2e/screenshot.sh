#!/usr/bin/env bash
# Starts the real grafuri.exe under Wine in a working folder, waits for its painted window,
# saves a PNG of it, closes it with WM_CLOSE and checks that it ended with exit code 0.
# Needs an X display (scripts/with-display.sh gives one).
# Usage: screenshot.sh grafuri.exe window_probe.exe working-folder output.png
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
wine_run="$here/../../scripts/wine-run.sh"
exe=$(realpath "$1")
probe=$(realpath "$2")
folder=$3
png=$(realpath -m "$4")

"$here/../../scripts/wine-prefix.sh"
(cd "$folder" && exec "$wine_run" "$exe") &
program=$!

if ! "$wine_run" "$probe" wait; then
  kill "$program" 2>/dev/null || true
  exit 1
fi
sleep 0.5 # let the X server show what Wine painted
frame=$(xwininfo -frame -name "Grafuri neorientate ponderate" 2>/dev/null || true)
if [ -n "$frame" ]; then
  x=$(awk '/Absolute upper-left X/{print $4}' <<<"$frame")
  y=$(awk '/Absolute upper-left Y/{print $4}' <<<"$frame")
  w=$(awk '/Width:/{print $2}' <<<"$frame")
  h=$(awk '/Height:/{print $2}' <<<"$frame")
  import -window root -crop "${w}x${h}+${x}+${y}" +repage "$png"
else
  import -window root "$png"
fi

"$wine_run" "$probe" close
status=0
wait "$program" || status=$?
echo "screenshot: $png"
echo "grafuri.exe exit code: $status"
[ "$status" -eq 0 ]
