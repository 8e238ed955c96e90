#!/usr/bin/env bash
# Times `quorvelin-diff --rows` against GNU diff and git's patience diff on
# generated CR LF pairs and prints the ratios of wall time and peak memory.
#
#   bench/engine_bench.sh [BUILD_DIR] [LINES...]
#
# BUILD_DIR defaults to build/release (built here if missing); LINES to
# 100000 1000000. Pairs are written to a temporary directory, removed at exit.
set -euo pipefail
cd "$(dirname "$0")/.."

build_dir=${1:-build/release}
shift || true
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(100000 1000000)

if [ ! -x "$build_dir/src/cli/quorvelin-diff" ]; then
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQFC_TESTS=OFF >/dev/null
  cmake --build "$build_dir" --target quorvelin-diff >/dev/null
fi
qdiff=$(realpath "$build_dir/src/cli/quorvelin-diff")

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Prints "seconds peak_kilobytes" for one run; output goes to /dev/null.
measure() {
  local report="$work/time.txt"
  /usr/bin/time -f '%e %M' -o "$report" "$@" >/dev/null 2>&1 || true
  tail -n 1 "$report"
}

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else printf "n/a" }'; }

printf '%-9s %9s %10s %9s %9s %9s %9s %10s %9s\n' variant lines "qdiff(s)" "/diff" "/patience" \
  "qdiff(MB)" "/diff" "/files" "/patience"
for lines in "${sizes[@]}"; do
  for variant in edit reversed shuffled; do
    left="$work/left.txt"
    right="$work/right.txt"
    python3 bench/generate_pair.py --lines "$lines" --variant "$variant" --seed 1 "$left" "$right"
    files_kb=$(( ($(stat -c %s "$left") + $(stat -c %s "$right")) / 1024 ))
    read -r q_time q_mem < <(measure "$qdiff" --rows "$left" "$right")
    read -r d_time d_mem < <(measure diff "$left" "$right")
    read -r g_time g_mem < <(measure git diff --no-index --patience "$left" "$right")
    printf '%-9s %9s %10s %9s %9s %9s %9s %10s %9s\n' "$variant" "$lines" "$q_time" \
      "$(ratio "$q_time" "$d_time")" "$(ratio "$q_time" "$g_time")" "$((q_mem / 1024))" \
      "$(ratio "$q_mem" "$d_mem")" "$(ratio "$q_mem" "$files_kb")" "$(ratio "$q_mem" "$g_mem")"
  done
done
