#!/usr/bin/env bash
# The desktop entry's launcher: two files become the program's markers; every
# other selection is explained (notification, else standard error) with
# status 2 and the program is not started.
#
#   launcher_test.sh LAUNCHER
set -uo pipefail
launcher=${1:?usage: launcher_test.sh LAUNCHER}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The launcher starts the quorvelin-compare beside it: a stand-in that prints
# its arguments one per line.
mkdir -p "$work/bin" "$work/tools" "$work/notify" "$work/files/a folder"
cp "$launcher" "$work/bin/quorvelin-compare-launcher"
printf '#!/bin/sh\nfor a; do printf "%%s\\n" "$a"; done\n' >"$work/bin/quorvelin-compare"
chmod +x "$work/bin/"*
ln -s "$(command -v dirname)" "$work/tools/dirname"
# A notify-send that records its last argument, and one that fails as it does
# without a notification service.
printf '#!/bin/sh\nfor a; do last=$a; done\nprintf "%%s\\n" "$last" >"%s/notified"\n' "$work" \
  >"$work/notify/notify-send"
mkdir -p "$work/broken"
printf '#!/bin/sh\nexit 1\n' >"$work/broken/notify-send"
chmod +x "$work/notify/notify-send" "$work/broken/notify-send"
f=$work/files
mkdir -p "$f/x" && touch "$f/left.txt" "$f/right side.txt" "$f/trailing.txt " "$f/x/2:y"

failed=0
# check NAME PATH_DIRS EXPECTED_STATUS EXPECTED_STDOUT EXPECTED_MESSAGE_PART -- ARGS...
check() {
  local name=$1 path=$2 status=$3 stdout=$4 message=$5
  shift 6
  rm -f "$work/notified"
  local out err rc
  out=$(PATH=$path "$work/bin/quorvelin-compare-launcher" "$@" 2>"$work/err")
  rc=$?
  err=$(cat "$work/err")
  [ -f "$work/notified" ] && err="notified: $(cat "$work/notified")$err"
  if [ "$rc" -ne "$status" ] || [ "$out" != "$stdout" ] || [[ "$err" != *"$message"* ]] ||
     { [ -z "$message" ] && [ -n "$err" ]; }; then
    echo "FAIL $name: status $rc, stdout [$out], message [$err]"
    failed=$((failed + 1))
  else
    echo "ok   $name"
  fi
}

quiet=$work/tools
nl=$'\n'
check "two files" "$quiet" 0 "--eol=any$nl/1:$f/left.txt$nl/2:$f/right side.txt" "" -- \
  "$f/left.txt" "$f/right side.txt"
check "no file" "$quiet" 2 "" "Select exactly two files to compare (got 0)" --
check "one file" "$quiet" 2 "" "(got 1)" -- "$f/left.txt"
check "three files" "$quiet" 2 "" "(got 3)" -- "$f/left.txt" "$f/left.txt" "$f/left.txt"
check "a folder" "$quiet" 2 "" "is a folder" -- "$f/left.txt" "$f/a folder"
check "a marker in a path" "$quiet" 2 "" "Cannot pass this path" -- "$f/x/2:y" "$f/left.txt"
check "a trailing blank" "$quiet" 2 "" "Cannot pass this path" -- "$f/left.txt" "$f/trailing.txt "
check "explained in a notification" "$quiet:$work/notify" 2 "" "notified: Select exactly two" -- \
  "$f/left.txt"
check "failed notification falls back" "$quiet:$work/broken" 2 "" \
  "quorvelin-compare-launcher: Select exactly two" -- "$f/left.txt"

if [ "$failed" -ne 0 ]; then
  echo "$failed failed"
  exit 1
fi
