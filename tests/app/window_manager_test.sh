#!/usr/bin/env bash
# The windows as a window manager frames them, on a private X server: the
# main window's frame at the top left, as wide as the screen and 0.9 of its
# height; the progress window's frame centred (seen while the binary verdict
# is up); after a Find hit the main window, not the dialog, is active.
# Runs under each window manager installed of openbox and icewm; skips
# (status 77) when Xvfb or both of them are missing.
#
#   window_manager_test.sh PROGRAM
set -uo pipefail
program=${1:?usage: window_manager_test.sh PROGRAM}
# The windows must reach the X server, whatever the test runner chose.
export QT_QPA_PLATFORM=xcb
readonly kScreenWidth=1280 kScreenHeight=1000 kTitle="Quorvelin File Compare"
# The WM answers within a second or two; give up looking after this many tenths.
readonly kPatience=100

for tool in Xvfb xdotool xwininfo xprop xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
managers=()
for wm in openbox icewm; do
  if command -v "$wm" >/dev/null; then managers+=("$wm"); else echo "note: $wm not installed"; fi
done
[ ${#managers[@]} -gt 0 ] || { echo "SKIP: neither openbox nor icewm is installed"; exit 77; }

work=$(mktemp -d)
pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
for n in $(seq 1 300); do
  printf 'line %d\r\n' "$n" >>"$work/left.txt"
  if [ "$n" = 150 ]; then printf 'changed %d\r\n' "$n"; else printf 'line %d\r\n' "$n"; fi >>"$work/right.txt"
done
# LF line ends: a binary pair.
for n in $(seq 1 12); do printf 'line %d\n' "$n"; done >"$work/binary-left"
for n in $(seq 1 13); do printf 'line %d\n' "$n"; done >"$work/binary-right"

failures=0
fail() { echo "FAIL [$wm]: $*"; failures=$((failures + 1)); }

# "x y width height" of the frame around window $1: the client's place less
# the extents the window manager states.
frame_of() {
  local info extents x y w h l r t b
  info=$(xwininfo -id "$1" 2>/dev/null) || return 1
  extents=$(xprop -id "$1" _NET_FRAME_EXTENTS 2>/dev/null | sed -n 's/.*= //p' | tr -d ' ')
  [ -n "$extents" ] || return 1
  IFS=, read -r l r t b <<<"$extents"
  x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
  y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
  w=$(sed -n 's/^ *Width: *//p' <<<"$info")
  h=$(sed -n 's/^ *Height: *//p' <<<"$info")
  echo "$((x - l)) $((y - t)) $((w + l + r)) $((h + t + b))"
}

# Waits until `$1 ARGS` succeeds; false when it never does.
eventually() {
  for _ in $(seq "$kPatience"); do "$@" && return 0; sleep 0.1; done
  return 1
}

main_window_placed() {
  local id frame
  id=$(xdotool search --onlyvisible --name "^$kTitle\$" 2>/dev/null | head -n 1)
  [ -n "$id" ] || return 1
  frame=$(frame_of "$id") || return 1
  last_frame=$frame
  [ "$frame" = "0 0 $kScreenWidth $(( (kScreenHeight * 9 + 5) / 10 ))" ]
}

progress_centred() {
  local id x y w h
  id=$(xdotool search --onlyvisible --name '^ $' 2>/dev/null | head -n 1)
  [ -n "$id" ] || return 1
  read -r x y w h <<<"$(frame_of "$id")" || return 1
  last_frame="$x $y $w $h"
  [ -n "$h" ] && [ $(( 2 * x + w - kScreenWidth )) -ge -1 ] && [ $(( 2 * x + w - kScreenWidth )) -le 1 ] &&
    [ $(( 2 * y + h - kScreenHeight )) -ge -1 ] && [ $(( 2 * y + h - kScreenHeight )) -le 1 ]
}

active_is_main() { [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = "$kTitle" ]; }

for wm in "${managers[@]}"; do
  for n in $(seq 300 399); do [ -e "/tmp/.X$n-lock" ] || { display=$n; break; }; done
  Xvfb ":$display" -screen 0 "${kScreenWidth}x${kScreenHeight}x24" -nolisten tcp >/dev/null 2>&1 &
  pids+=($!)
  export DISPLAY=":$display"
  eventually xdpyinfo >/dev/null 2>&1 || { fail "no X server"; continue; }
  "$wm" >/dev/null 2>&1 &
  wm_pid=$!
  pids+=("$wm_pid")
  sleep 1

  "$program" "/1:$work/left.txt" "/2:$work/right.txt" >/dev/null 2>&1 &
  app=$!
  last_frame="none"
  eventually main_window_placed || fail "main window frame is '$last_frame'"
  xdotool key ctrl+f
  eventually sh -c "xdotool search --onlyvisible --name '^Find\$' >/dev/null" || fail "no Find dialog"
  xdotool type "changed"
  xdotool key Return
  eventually active_is_main || fail "active after a hit: $(xdotool getactivewindow getwindowname)"
  kill "$app" 2>/dev/null; wait "$app" 2>/dev/null

  "$program" "/1:$work/binary-left" "/2:$work/binary-right" >/dev/null 2>&1 &
  app=$!
  last_frame="none"
  eventually progress_centred || fail "progress window frame '$last_frame' not centred"
  kill "$app" 2>/dev/null; wait "$app" 2>/dev/null

  kill "$wm_pid" 2>/dev/null
  echo "checked under $wm"
done
[ "$failures" -eq 0 ] || exit 1
echo "window manager checks passed"
