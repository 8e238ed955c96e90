#!/usr/bin/env bash
# Installs a build into a fresh temporary prefix and checks what a desktop
# sees: the files are there, the icon sizes are what their folders say, the
# desktop entry, the AppStream metainfo and the manual pages pass their
# validators; then builds the Debian package and runs lintian on it.
#
#   scripts/check-install.sh BUILD_DIR
#
# Needs desktop-file-utils, appstream, man-db, lintian and file (scripts/setup.sh).
set -euo pipefail
build=$(realpath "${1:?usage: check-install.sh BUILD_DIR}")
app_id=org.quorvelin.FileCompare
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

cmake --build "$build" --target quorvelin-compare quorvelin-diff qfc_icons qfc_docs
cmake --install "$build" --prefix "$prefix" >/dev/null

expected=(
  bin/quorvelin-compare bin/quorvelin-diff bin/quorvelin-compare-launcher
  share/applications/$app_id.desktop share/metainfo/$app_id.metainfo.xml
  share/icons/hicolor/scalable/apps/$app_id.svg
  share/man/man1/quorvelin-compare.1.gz share/man/man1/quorvelin-diff.1.gz
  share/man/man1/quorvelin-compare-launcher.1.gz
  share/doc/quorvelin-compare/copyright share/doc/quorvelin-compare/changelog.gz
)
for size in 16 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$app_id.png")
done
for file in "${expected[@]}"; do
  [ -f "$prefix/$file" ] || fail "not installed: $file"
done

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for png in "$prefix"/share/icons/hicolor/*x*/apps/*.png; do
  folder=$(basename "$(dirname "$(dirname "$png")")")
  read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
    awk '{ print $1*16777216 + $2*65536 + $3*256 + $4, $5*16777216 + $6*65536 + $7*256 + $8 }')
  [ "${width}x${height}" = "$folder" ] || fail "$png is ${width}x${height}"
done

echo "desktop-file-validate:"
desktop-file-validate "$prefix/share/applications/$app_id.desktop" || fail "desktop-file-validate"
echo "appstreamcli validate:"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" ||
  fail "appstreamcli validate"
echo "man --warnings:"
for page in "$prefix"/share/man/man1/*.1.gz; do
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null || true)
  [ -z "$warnings" ] || fail "$(basename "$page"): $warnings"
  echo "  $(basename "$page"): $(MANWIDTH=80 man -l "$page" 2>/dev/null | wc -l) lines, no warnings"
done

# The Debian package, built from the same install rules.
(cd "$build" && cpack -G DEB -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/*.deb)
echo "package: $(basename "$deb")"
dpkg-deb --field "$deb" Depends Suggests | sed 's/^/  /'
echo "lintian:"
lintian --fail-on error --display-info "$deb" | sed 's/^/  /' || fail "lintian reports errors"

if [ "$failures" -ne 0 ]; then
  echo "check-install: $failures failed"
  exit 1
fi
echo "check-install: installed, validated and packaged"
