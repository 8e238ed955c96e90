#!/usr/bin/env bash
# Opens a large generated pair in the window under Xvfb, clicks Close on the
# progress window while the files load, and reports how long the program took
# to end after the click (the aim: a tenth of a second).
#
# Usage: scripts/check-responsive.sh BUILD_DIR [LINES]
set -euo pipefail
build=${1:?usage: check-responsive.sh BUILD_DIR [LINES]}
lines=${2:-1000000}
here=$(cd "$(dirname "$0")/.." && pwd)
for tool in Xvfb xdotool; do command -v $tool >/dev/null || { echo "$tool is not installed" >&2; exit 2; }; done

work=$(mktemp -d)
cleanup() { kill "${app:-}" "${xvfb:-}" 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT
python3 "$here/bench/generate_pair.py" --lines "$lines" --variant edit --seed 5 "$work/l.txt" "$work/r.txt"

# Xvfb picks a free display and writes its number once it accepts clients.
Xvfb -displayfd 3 -screen 0 1280x1024x24 3>"$work/display" >/dev/null 2>&1 & xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
display=:$(head -n 1 "$work/display")
DISPLAY=$display "$build/src/app/quorvelin-compare" "/1:$work/l.txt" "/2:$work/r.txt" >"$work/app.log" 2>&1 & app=$!

# The progress window is the only window until the main window appears.
for _ in $(seq 50); do
  win=$(DISPLAY=$display xdotool search --onlyvisible --pid "$app" 2>/dev/null | head -1 || true)
  [ -n "$win" ] && break
  sleep 0.1
done
[ -n "$win" ] || { echo "no progress window appeared"; cat "$work/app.log"; exit 1; }
sleep 0.5
# Close sits at twips (120 + 5760, 3240) size 1215 x 375 in the window: its
# centre, at 15 twips per pixel.
DISPLAY=$display xdotool mousemove --window "$win" 432 228 mousedown 1
# A button acts on its release: time from just before the release, so that
# xdotool's own start-up counts against the program, not for it.
start=$(date +%s%N)
DISPLAY=$display xdotool mouseup 1 & release=$!
while kill -0 "$app" 2>/dev/null; do sleep 0.002; done
end=$(date +%s%N)
wait "$release"
echo "the run ended $(( (end - start) / 1000000 )) ms after Close was released"
