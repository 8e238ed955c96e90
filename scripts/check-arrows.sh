#!/usr/bin/env bash
# Checks every #include "folder/..." line under src/ against the arrows in
# ARCHITECTURE.md: a folder may include from itself and from every folder
# reachable along its arrows. Folders marked without Qt must not include a
# Qt header. Prints each offending line and fails when there is one.
#
# Usage: scripts/check-arrows.sh
set -euo pipefail
cd "$(dirname "$0")/.."

table=$(sed -n '/<!-- arrows:begin -->/,/<!-- arrows:end -->/p' ARCHITECTURE.md |
        grep -E '^\| [a-z]+ \|' | grep -v '^| folder ')
[ -n "$table" ] || { echo "no arrow table in ARCHITECTURE.md" >&2; exit 2; }

declare -A uses qt
while IFS='|' read -r _ folder targets usesqt _; do
  folder=$(echo "$folder" | xargs)
  uses[$folder]=$(echo "$targets" | xargs)
  qt[$folder]=$(echo "$usesqt" | xargs)
done <<< "$table"

# Every folder reachable from $1 along the arrows, $1 included.
reachable() {
  local -A seen=([$1]=1)
  local queue=("$1") next
  while [ ${#queue[@]} -gt 0 ]; do
    next=${queue[0]}; queue=("${queue[@]:1}")
    for t in ${uses[$next]}; do
      [ -n "${seen[$t]:-}" ] || { seen[$t]=1; queue+=("$t"); }
    done
  done
  echo "${!seen[@]}"
}

status=0
for dir in src/*/; do
  folder=$(basename "$dir")
  if [ -z "${uses[$folder]+set}" ]; then
    echo "src/$folder is not in the arrow table of ARCHITECTURE.md"
    status=1
    continue
  fi
  allowed=" $(reachable "$folder") "
  while IFS= read -r hit; do
    file=${hit%%:*}; rest=${hit#*:}; line=${rest%%:*}; text=${rest#*:}
    target=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"([^/"]+)\/.*/\1/' <<< "$text")
    if [ -z "${uses[$target]+set}" ]; then continue; fi
    if [[ "$allowed" != *" $target "* ]]; then
      echo "$file:$line: $folder may not include from $target: $text"
      status=1
    fi
  done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*"[^/"]+/' "$dir" || true)
  if [ "${qt[$folder]}" = "no" ]; then
    while IFS= read -r hit; do
      echo "$hit: $folder must not use Qt"
      status=1
    done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include[[:space:]]*<Q' "$dir" || true)
  fi
done
[ "$status" -eq 0 ] && echo "ok   every include follows the arrows in ARCHITECTURE.md"
exit "$status"
