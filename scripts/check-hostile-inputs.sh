#!/usr/bin/env bash
# Feeds quorvelin-diff and the window the inputs a hostile or unlucky user may
# give them and checks how each ends: quorvelin-diff with the right words and
# exit status; the window (offscreen) alive and settled, that is loaded,
# compared, painted and idle, waiting for the user, until the script ends it.
# A crash or a hang fails the case. Large cases report the peak memory
# against the two files' size.
#
# Usage: scripts/check-hostile-inputs.sh BUILD_DIR [LINES]
#   LINES (default 5,000,000) sizes the generated pair of the last case.
set -euo pipefail
build=${1:?usage: check-hostile-inputs.sh BUILD_DIR [LINES]}
lines=${2:-5000000}
here=$(cd "$(dirname "$0")/.." && pwd)
qdiff=$(realpath "$build/src/cli/quorvelin-diff")
qwindow=$(realpath "$build/src/app/quorvelin-compare")
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

# The peak memory of a run against the files' size, as "peak N MB = R x".
ratio() {
  awk -v p="$1" -v f="$2" 'BEGIN { printf "peak %.0f MB = %.2f x the files (%.1f MB)", p / 1024, p / f, f / 1024 }'
}
files_kb() { echo $(( ($(stat -L -c %s "$1") + $(stat -L -c %s "$2")) / 1024 + 1 )); }

# Seconds of CPU the process has used, in clock ticks.
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat" 2>/dev/null || echo gone; }

# window LABEL LEFT RIGHT: runs the window offscreen on the pair (at most
# 300 s). Settled means two half-second looks in a row found it alive and
# using no CPU: whatever it shows (the grids, a verdict or an error in a
# message box) it waits for the user. Then it is ended, and must end by that.
window() {
  local label=$1 left=$2 right=$3
  QT_QPA_PLATFORM=offscreen "$qwindow" "/1:$left" "/2:$right" > window.txt 2>&1 & local pid=$!
  local last=-1 idle=0 ticks peak_kb=0 got=0
  for _ in $(seq 600); do
    sleep 0.5
    ticks=$(cpu_ticks "$pid")
    [ "$ticks" = gone ] && break
    if [ "$ticks" = "$last" ]; then idle=$((idle + 1)); else idle=0; fi
    last=$ticks
    peak_kb=$(awk '/^VmHWM/ { print $2 }' "/proc/$pid/status" 2>/dev/null || echo 0)
    [ "$idle" -ge 2 ] && break
  done
  if [ "$idle" -lt 2 ]; then
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" || got=$?
    echo "FAIL window: $label: did not settle (exit $got): $(head -c 300 window.txt)"
    status=1
    return
  fi
  kill -TERM "$pid"
  wait "$pid" || got=$?
  if [ "$got" -ne 143 ]; then
    echo "FAIL window: $label: ended with $got instead of by the script"
    status=1
    return
  fi
  local size_kb
  size_kb=$(files_kb "$left" "$right" 2>/dev/null || echo 0)
  if [ "$size_kb" -gt 1024 ]; then
    echo "ok   window: $label: settled, $(ratio "$peak_kb" "$size_kb")"
  else
    echo "ok   window: $label: settled"
  fi
}

# headless_ratio LABEL LEFT RIGHT: quorvelin-diff's peak memory on the pair.
headless_ratio() {
  /usr/bin/time -f '%M' -o time.txt "$qdiff" --rows "$2" "$3" > /dev/null 2>&1 || true
  echo "     $1: quorvelin-diff $(ratio "$(tail -n 1 time.txt)" "$(files_kb "$2" "$3")")"
}

printf 'one\r\ntwo\r\n' > a.txt
printf 'one\r\nTWO\r\n' > b.txt
printf 'line\r\n' > line.txt
mkdir dir
ln -s a.txt link-to-file
ln -s dir link-to-dir
cp a.txt "with blank.txt"
nonascii=$(printf 'caf\xe9.txt')
cp a.txt "$nonascii"
hostile=$(printf 'a\n+++ evil.txt')
quoted='q"uote\.txt'
cp a.txt "$hostile"
cp b.txt "$quoted"
mkfifo pipe

expect "symlink to a file is compared" 1 'Compare Results = File differences exist!!!' -- "$qdiff" --rows link-to-file b.txt
expect "symlink to a folder does not exist" 2 'Left side file location does not exist.' -- "$qdiff" link-to-dir b.txt
expect "a FIFO without a writer is an empty file" 1 '^1	-1	<' -- "$qdiff" --rows a.txt pipe
expect "/dev/null is an empty file" 1 '^1	-1	<' -- "$qdiff" --rows a.txt /dev/null
expect "a pipe is read to its end" 1 '^2	2	!' -- bash -c "\"\$0\" --rows a.txt <(cat b.txt)" "$qdiff"
expect "a /proc file is read to its end" 1 'Binary Files Differ' -- "$qdiff" /proc/self/status /proc/self/maps
expect "path with a blank" 0 'Files are identical' -- "$qdiff" --rows "with blank.txt" a.txt
expect "path with a non-ASCII byte" 0 'Files are identical' -- "$qdiff" --rows "$nonascii" a.txt
expect "path in quotes does not exist" 2 'Left side file location does not exist.' -- "$qdiff" '"a.txt"' a.txt
expect "a line feed in a name stays in its quotes" 1 '^--- "a\\n\+\+\+ evil.txt"$' -- "$qdiff" "$hostile" b.txt
expect "a quote and a backslash in a name are escaped" 1 '^\+\+\+ "q\\"uote\\\\.txt"$' -- "$qdiff" a.txt "$quoted"
expect "a non-ASCII name is quoted in octal" 1 '^--- "caf\\351.txt"$' -- "$qdiff" "$nonascii" b.txt

window "a pipe" a.txt <(cat b.txt)
window "a /proc file" /proc/self/status /proc/self/maps
window "a FIFO without a writer" a.txt pipe
window "a name with a line feed" "$hostile" b.txt
window "a name with a quote and a backslash" a.txt "$quoted"
window "a name with a non-ASCII byte" "$nonascii" b.txt
window "a folder (the message that it does not exist)" dir b.txt

# One line without a line end, of the lengths that once crashed the window,
# and 100 MB of NUL bytes (one line, so text); each against a short line.
for length in 150000007 180000003 200000001; do
  head -c "$length" /dev/zero | tr '\0' 'x' > long-line.txt
  expect "$length-byte line" 1 'File differences exist' -- "$qdiff" --rows long-line.txt line.txt
  window "$length-byte line" long-line.txt line.txt
done
rm -f long-line.txt
head -c 100000000 /dev/zero > nul-line.txt
expect "100 MB of NUL bytes" 1 'File differences exist' -- "$qdiff" --rows nul-line.txt line.txt
window "100 MB of NUL bytes" nul-line.txt line.txt
rm -f nul-line.txt

truncate -s 600M big-1 big-2
expect "a pair over the 32-bit limit" 2 'Overflow' -- "$qdiff" big-1 big-2
window "a pair over the 32-bit limit (the overflow message)" big-1 big-2
rm -f big-1 big-2

if [ "$(id -u)" -ne 0 ]; then
  cp a.txt locked.txt && chmod 000 locked.txt
  expect "a file without read permission" 2 'Permission denied' -- "$qdiff" locked.txt a.txt
else
  echo "skip a file without read permission (root reads it anyway)"
fi

# Ten million empty CR LF lines a side: the per-line cost, printed.
python3 -c 'import sys; sys.stdout.buffer.write(b"\r\n" * 10_000_000)' > empty-1.txt
cp empty-1.txt empty-2.txt
echo 'x' >> empty-2.txt
expect "10,000,000 empty lines a side" 1 'File differences exist' -- "$qdiff" --rows empty-1.txt empty-2.txt
headless_ratio "10,000,000 empty lines a side" empty-1.txt empty-2.txt
window "10,000,000 empty lines a side" empty-1.txt empty-2.txt
rm -f empty-1.txt empty-2.txt

python3 "$here/bench/generate_pair.py" --lines "$lines" --variant edit --seed 7 left.txt right.txt
pair_kb=$(files_kb left.txt right.txt)
/usr/bin/time -f '%e %M' -o time.txt "$qdiff" --rows left.txt right.txt > /dev/null || true
read -r seconds peak_kb < <(tail -n 1 time.txt)
awk -v l="$lines" -v s="$seconds" -v p="$peak_kb" -v f="$pair_kb" 'BEGIN {
  printf "%d-line pair: %.1f s, peak %.0f MB = %.2f x the files (%.0f MB)\n", l, s, p / 1024, p / f, f / 1024
  exit !(p < 3 * f) }' || { echo "FAIL peak memory is not under three times the files"; status=1; }
exit $status
