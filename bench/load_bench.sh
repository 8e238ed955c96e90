#!/usr/bin/env bash
# Loads a generated pair of CR LF files with load_bench and prints its wall
# time and peak memory beside `wc -l` and `md5sum` on the same two files, as
# ratios. Each tool runs several times; the best time counts.
#
# Usage: bench/load_bench.sh BUILD_DIR [LINES] [VARIANT]
#   BUILD_DIR  a build directory in which the load_bench target was built
#   LINES      lines of the left file (default 1000000, about 70 MB)
#   VARIANT    edit, reversed, shuffled or identical (default edit)
set -euo pipefail

build_dir=${1:?usage: load_bench.sh BUILD_DIR [LINES] [VARIANT]}
lines=${2:-1000000}
variant=${3:-edit}
runs=3
here=$(cd "$(dirname "$0")" && pwd)
driver="$build_dir/bench/load_bench"
[[ -x $driver ]] || { echo "build the load_bench target first: $driver not found" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
left="$work/left.txt"
right="$work/right.txt"
python3 "$here/generate_pair.py" --lines "$lines" --variant "$variant" "$left" "$right"
cat "$left" "$right" >/dev/null  # warm the page cache for every tool alike

# best_of CMD...: prints "seconds peak_kib", the best wall time of $runs runs
# and the largest peak resident size seen.
best_of() {
  local best="" peak=0 out
  for _ in $(seq "$runs"); do
    out=$(/usr/bin/time -f "%e %M" "$@" 2>&1 >/dev/null | tail -n 1)
    read -r secs kib <<<"$out"
    if [[ -z $best ]] || awk -v a="$secs" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$secs; fi
    (( kib > peak )) && peak=$kib
  done
  echo "$best $peak"
}

# The driver measures itself: load time only, without process start and exit.
best_driver() {
  local best="" peak=0 text=0 out secs kib
  for _ in $(seq "$runs"); do
    out=$("$driver" "$left" "$right")
    secs=$(awk '$1 == "seconds" { print $2 }' <<<"$out")
    kib=$(awk '$1 == "peak_rss_kib" { print $2 }' <<<"$out")
    text=$(awk '$1 == "text_bytes" { print $2 }' <<<"$out")
    if [[ -z $best ]] || awk -v a="$secs" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$secs; fi
    (( kib > peak )) && peak=$kib
  done
  echo "$best $peak $text"
  echo "$out" | grep -E '^(lines|mode|failure)' >&2
}

read -r wc_s wc_kib < <(best_of wc -l "$left" "$right")
read -r md5_s md5_kib < <(best_of md5sum "$left" "$right")
read -r load_s load_kib text_bytes < <(best_driver)
bytes=$(( $(stat -c %s "$left") + $(stat -c %s "$right") ))

awk -v lines="$lines" -v variant="$variant" -v bytes="$bytes" -v text="$text_bytes" \
    -v wc="$wc_s" -v md5="$md5_s" -v load="$load_s" -v load_kib="$load_kib" '
BEGIN {
  printf "pair: %d lines, variant %s, %.1f MB in both files\n", lines, variant, bytes / 1e6
  printf "wc -l      %8.3f s\n", wc
  printf "md5sum     %8.3f s\n", md5
  printf "load_bench %8.3f s   peak RSS %.1f MB for %.1f MB of text\n", load, load_kib / 1024, text / 1048576
  printf "ratio load / md5sum  %6.2f   (target <= 2)\n", load / md5
  printf "ratio load / wc -l   %6.2f\n", (wc > 0 ? load / wc : 0)
  printf "ratio peak RSS / text %5.2f   (target < 2)\n", (text > 0 ? load_kib * 1024 / text : 0)
}'
