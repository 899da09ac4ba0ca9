#!/usr/bin/env bash
# The real grafuri.exe started under Wine on the sample graph: its window appears and paints,
# a screenshot is taken, WM_CLOSE ends it with exit code 0.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
exe=$1 probe=$2 sample=$3 folder=$4
rm -rf "$folder"
mkdir -p "$folder"
cp "$sample" "$folder/RuriDU.in"
"$here/screenshot.sh" "$exe" "$probe" "$folder" "$folder/grafuri.png"
# The screenshot must show the window, not an empty screen: many distinct colours.
colours=$(identify -format '%k' "$folder/grafuri.png")
echo "distinct colours in the screenshot: $colours"
[ "$colours" -gt 4 ]
