#!/usr/bin/env bash
# The whole window on a generated CR LF edit pair, under the offscreen
# platform, beside `quorvelin-diff --rows` on the same pair.
#
#   bench/window_bench.sh [BUILD_DIR] [LINES]
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build/release}
lines=${2:-1000000}

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQFC_TESTS=OFF >/dev/null
cmake --build "$build_dir" --target quorvelin-diff window_bench >/dev/null

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 bench/generate_pair.py --lines "$lines" --variant edit --seed 1 "$work/left.txt" "$work/right.txt"

/usr/bin/time -f '%e %M' -o "$work/diff.time" "$build_dir/src/cli/quorvelin-diff" --rows \
  "$work/left.txt" "$work/right.txt" >/dev/null || true
read -r diff_s diff_kb < <(tail -n 1 "$work/diff.time")
QT_QPA_PLATFORM=offscreen "$build_dir/bench/window_bench" "$work/left.txt" "$work/right.txt" > "$work/window.txt"
cat "$work/window.txt"
shown_s=$(awk '$1 == "shown_s" { print $2 }' "$work/window.txt")
peak_mb=$(awk '$1 == "peak_mb" { print $2 }' "$work/window.txt")
files_mb=$(( ($(stat -c %s "$work/left.txt") + $(stat -c %s "$work/right.txt")) / 1048576 ))
echo "quorvelin-diff --rows: ${diff_s}s, $((diff_kb / 1024)) MB"
awk -v w="$shown_s" -v d="$diff_s" -v m="$peak_mb" -v f="$files_mb" \
  'BEGIN { printf "window shown / quorvelin-diff --rows: %.2f (target <= 2)\nwindow peak memory / files: %.2f\n", w / d, m / f }'
