#!/usr/bin/env bash
# Installs the Debian packages a task needs, those that are missing only;
# uses sudo when not run as root.
#
#   scripts/setup.sh window   what building and running the window needs
#   scripts/setup.sh          that and what the tests, checks, fuzzers,
#                             benchmarks and the Debian package need
set -euo pipefail

# Compiler, build tools, Qt, a font for the window's text, rsvg-convert,
# which renders the program icon from its SVG, and the xcb headers, with
# which the window reads the frame the window manager put around it.
window_packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libgl-dev fonts-dejavu-core librsvg2-bin libxcb1-dev
)
# GoogleTest; clang and its sanitizer runtime for the fuzzers; GNU diff and
# patch, time and strace for the checks and benchmarks; git for the test of
# quorvelin-diff as git's difftool and external diff; Xvfb and xdotool for
# the responsiveness check; openbox, icewm and the X utilities for the
# window-manager test of the windows' frames; the validators, man, file (for dpkg-shlibdeps in
# CPack) and lintian for the install check.
test_packages=(
  libgtest-dev clang libclang-rt-14-dev
  diffutils patch time strace git xvfb xdotool openbox icewm x11-utils
  desktop-file-utils appstream man-db file lintian
)

case "${1:-all}" in
  window) packages=("${window_packages[@]}") ;;
  all) packages=("${window_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: setup.sh [window]" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
"${sudo_cmd[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
