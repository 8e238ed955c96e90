#!/usr/bin/env bash
# Runs quorvelin-diff and the window (offscreen) under strace on a text pair,
# a binary pair and an error case, and fails if either program opens a file
# for writing or creates, renames or removes one.
#
# Usage: scripts/check-no-writes.sh BUILD_DIR
set -euo pipefail
build=${1:?usage: check-no-writes.sh BUILD_DIR}
here=$(cd "$(dirname "$0")/.." && pwd)
command -v strace >/dev/null || { echo "strace is not installed" >&2; exit 2; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'alpha\r\nbeta\r\ngamma\r\n' > "$work/a.txt"
printf 'alpha\r\nBETA\r\ngamma\r\ndelta\r\n' > "$work/b.txt"
head -c 200000 /dev/urandom > "$work/a.bin"
head -c 200000 /dev/urandom > "$work/b.bin"

# Paths a run may legitimately open for writing, each with its reason:
#   /dev/null, /dev/tty  - standard streams redirected by the runtime
#   fontconfig cache     - the font library refreshes its own cache
#   /tmp/runtime-USER    - Qt makes its runtime folder when XDG_RUNTIME_DIR is unset
allowed='^(/dev/null|/dev/tty|.*/fontconfig/.*|/tmp/runtime-[^/]*)$'

status=0
check() {
  local label=$1; shift
  local log="$work/trace.log"
  strace -f -qq -o "$log" -e trace=open,openat,creat,rename,renameat,renameat2,unlink,unlinkat,mkdir,mkdirat,truncate,ftruncate \
    env QT_QPA_PLATFORM=offscreen "$@" >/dev/null 2>&1 </dev/null || true
  local bad
  bad=$(grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|creat\(|rename|unlink|mkdir|truncate\(' "$log" \
        | grep -v -- '= -1 ' \
        | grep -oE '"[^"]*"' | tr -d '"' | grep -vE "$allowed" || true)
  if [ -n "$bad" ]; then
    echo "FAIL $label writes: $bad"
    status=1
  else
    echo "ok   $label"
  fi
}

diff_cmd="$build/src/cli/quorvelin-diff"
window_cmd="$build/src/app/quorvelin-compare"
check "diff text pair"   "$diff_cmd" "$work/a.txt" "$work/b.txt"
check "diff binary pair" "$diff_cmd" "$work/a.bin" "$work/b.bin"
check "diff missing file" "$diff_cmd" "$work/a.txt" "$work/missing.txt"
# The window waits for the user: end it after it has settled.
check "window text pair"   timeout -s INT 5 "$window_cmd" "/1:$work/a.txt" "/2:$work/b.txt"
check "window binary pair" timeout -s INT 5 "$window_cmd" "/1:$work/a.bin" "/2:$work/b.bin"
check "window missing file" timeout -s INT 5 "$window_cmd" "/1:$work/a.txt" "/2:$work/missing.txt"
exit $status
