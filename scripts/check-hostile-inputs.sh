#!/usr/bin/env bash
# Feeds quorvelin-diff the inputs a hostile or unlucky user may give it and
# checks that each ends with the right words and exit status, without a crash
# or a hang. The largest case (LINES, default 5,000,000) also reports the
# peak memory against the two files' size.
#
# Usage: scripts/check-hostile-inputs.sh BUILD_DIR [LINES]
set -euo pipefail
build=${1:?usage: check-hostile-inputs.sh BUILD_DIR [LINES]}
lines=${2:-5000000}
here=$(cd "$(dirname "$0")/.." && pwd)
qdiff=$(realpath "$build/src/cli/quorvelin-diff")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

status=0
# expect LABEL EXIT_STATUS PATTERN -- COMMAND...: runs the command (at most
# 120 s) and checks its exit status and that stdout+stderr match PATTERN.
expect() {
  local label=$1 want=$2 pattern=$3
  shift 4
  local got=0
  timeout 120 "$@" > out.txt 2>&1 || got=$?
  if [ "$got" -eq "$want" ] && grep -qE "$pattern" out.txt; then
    echo "ok   $label"
  else
    echo "FAIL $label: exit $got, output: $(head -c 300 out.txt)"
    status=1
  fi
}

printf 'one\r\ntwo\r\n' > a.txt
printf 'one\r\nTWO\r\n' > b.txt
mkdir dir
ln -s a.txt link-to-file
ln -s dir link-to-dir
cp a.txt "with blank.txt"
cp a.txt "$(printf 'caf\xe9.txt')"
mkfifo pipe

expect "symlink to a file is compared" 1 'Compare Results = File differences exist!!!' -- "$qdiff" --rows link-to-file b.txt
expect "symlink to a folder does not exist" 2 'Left side file location does not exist.' -- "$qdiff" link-to-dir b.txt
expect "a FIFO without a writer is an empty file" 1 '^1	-1	<' -- "$qdiff" --rows a.txt pipe
expect "/dev/null is an empty file" 1 '^1	-1	<' -- "$qdiff" --rows a.txt /dev/null
expect "a pipe is read to its end" 1 '^2	2	!' -- bash -c "\"\$0\" --rows a.txt <(cat b.txt)" "$qdiff"
expect "a /proc file is read to its end" 1 'Binary Files Differ' -- "$qdiff" /proc/self/status /proc/self/maps
expect "path with a blank" 0 'Files are identical' -- "$qdiff" --rows "with blank.txt" a.txt
expect "path with a non-ASCII byte" 0 'Files are identical' -- "$qdiff" --rows "$(printf 'caf\xe9.txt')" a.txt
expect "path in quotes does not exist" 2 'Left side file location does not exist.' -- "$qdiff" '"a.txt"' a.txt

head -c 100000000 /dev/zero | tr '\0' 'x' > long-line.txt
expect "100 MB line without a line end" 1 'File differences exist' -- "$qdiff" --rows long-line.txt a.txt

truncate -s 600M big-1 big-2
expect "a pair over the 32-bit limit" 2 'Overflow' -- "$qdiff" big-1 big-2
rm -f big-1 big-2

if [ "$(id -u)" -ne 0 ]; then
  cp a.txt locked.txt && chmod 000 locked.txt
  expect "a file without read permission" 2 'Permission denied' -- "$qdiff" locked.txt a.txt
else
  echo "skip a file without read permission (root reads it anyway)"
fi

python3 "$here/bench/generate_pair.py" --lines "$lines" --variant edit --seed 7 left.txt right.txt
files_kb=$(( ($(stat -c %s left.txt) + $(stat -c %s right.txt)) / 1024 ))
/usr/bin/time -f '%e %M' -o time.txt "$qdiff" --rows left.txt right.txt > /dev/null || true
read -r seconds peak_kb < <(tail -n 1 time.txt)
awk -v l="$lines" -v s="$seconds" -v p="$peak_kb" -v f="$files_kb" 'BEGIN {
  printf "%d-line pair: %.1f s, peak %.0f MB = %.2f x the files (%.0f MB)\n", l, s, p / 1024, p / f, f / 1024
  exit !(p < 3 * f) }' || { echo "FAIL peak memory is not under three times the files"; status=1; }
exit $status
