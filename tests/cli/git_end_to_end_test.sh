#!/usr/bin/env bash
# quorvelin-diff used from git in a scratch repository, set up as the README
# says: as a difftool, and through scripts/git-external-diff as git's
# external diff. Checks what each prints, and that the external diff's output
# patches the committed files into the working tree's.
#
# Usage: git_end_to_end_test.sh DIR_OF_QUORVELIN_DIFF PATH_OF_GIT_EXTERNAL_DIFF
# Exits 77 (skipped) when git or patch is missing.
set -euo pipefail
bin_dir=$(realpath "$1")
external_diff=$(realpath "$2")
for tool in git patch; do
  if ! command -v "$tool" > /dev/null; then
    echo "skipped: $tool is not installed"
    exit 77
  fi
done
export PATH="$bin_dir:$PATH"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# The user's own git settings take no part.
export HOME="$work" GIT_CONFIG_NOSYSTEM=1 GIT_CONFIG_GLOBAL=/dev/null
repo="$work/repo"
git init -q "$repo"
cd "$repo"
git config user.email test@example.org
git config user.name Test

printf 'int a;\nint b;\nint c;\n' > code.c
printf 'one\r\ntwo\r\n' > crlf.txt
printf 'first\nlast' > open-end.txt
printf 'gone\n' > removed.txt
git add . && git commit -q -m start
printf 'int a;\nint B;\nint c;\n' > code.c
printf 'one\ntwo\n' > crlf.txt
printf 'first\nlast\n' > open-end.txt
git rm -q removed.txt
printf 'new\n' > added.c
git add -A

status=0
# check LABEL EXPECTED-FILE ACTUAL-FILE
check() {
  if diff -u "$2" "$3" > "$work/why"; then
    echo "ok   $1"
  else
    echo "FAIL $1:"
    cat "$work/why"
    status=1
  fi
}

git config difftool.quorvelin-diff.cmd \
  'quorvelin-diff --eol=any --label "a/$MERGED" --label "b/$MERGED" "$LOCAL" "$REMOTE"'
git difftool -y -t quorvelin-diff --cached > "$work/difftool.out"
cat > "$work/difftool.want" <<'WANT'
--- a/added.c
+++ b/added.c
@@ -0,0 +1 @@
+new
--- a/code.c
+++ b/code.c
@@ -1,3 +1,3 @@
 int a;
-int b;
+int B;
 int c;
Line ends differ: CR LF against LF
--- a/open-end.txt
+++ b/open-end.txt
@@ -1,2 +1,2 @@
 first
-last
\ No newline at end of file
+last
--- a/removed.txt
+++ b/removed.txt
@@ -1 +0,0 @@
-gone
WANT
check "git difftool with quorvelin-diff" "$work/difftool.want" "$work/difftool.out"

git config diff.external "$external_diff"
git diff --ext-diff --cached > "$work/external.out"
cat > "$work/external.want" <<'WANT'
quorvelin-diff --eol=any /dev/null b/added.c
--- /dev/null
+++ b/added.c
@@ -0,0 +1 @@
+new
quorvelin-diff --eol=any a/code.c b/code.c
--- a/code.c
+++ b/code.c
@@ -1,3 +1,3 @@
 int a;
-int b;
+int B;
 int c;
quorvelin-diff --eol=any a/crlf.txt b/crlf.txt
Line ends differ: CR LF against LF
quorvelin-diff --eol=any a/open-end.txt b/open-end.txt
--- a/open-end.txt
+++ b/open-end.txt
@@ -1,2 +1,2 @@
 first
-last
\ No newline at end of file
+last
quorvelin-diff --eol=any a/removed.txt /dev/null
--- a/removed.txt
+++ /dev/null
@@ -1 +0,0 @@
-gone
WANT
check "git diff with the external diff" "$work/external.want" "$work/external.out"

# The external diff's output turns the committed files into the new ones.
mkdir "$work/copy"
git archive HEAD | tar -x -C "$work/copy"
(cd "$work/copy" && patch -s -p1 < "$work/external.out" > /dev/null)
for file in code.c open-end.txt added.c; do
  check "patched $file" "$file" "$work/copy/$file"
done
if [ -e "$work/copy/removed.txt" ]; then
  echo "FAIL patched removed.txt: still there"
  status=1
fi
exit $status
