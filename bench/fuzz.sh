#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer and the sanitizers, and runs
# each for SECONDS (default 60). Corpora go to a temporary folder unless
# FUZZ_CORPUS names one to keep; the loader targets' corpora start from seed
# pairs past two 64000-byte chunks. Exits non-zero on the first finding.
#
# Usage: bench/fuzz.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
scripts/setup.sh
CC=clang CXX=clang++ cmake -S . -B build/fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQFC_FUZZ=ON -DQFC_SANITIZE=ON >/dev/null
cmake --build build/fuzz --target fuzz_command_line fuzz_loader fuzz_loader_reference fuzz_engine

corpus_root=${FUZZ_CORPUS:-$(mktemp -d)}
for target in command_line loader loader_reference engine; do
  corpus="$corpus_root/$target"
  mkdir -p "$corpus"
  max_len=40000
  case $target in
    loader*)
      python3 tests/fuzz/loader_seeds.py "$corpus"
      max_len=400000 ;;
  esac
  echo "== fuzz_$target for ${seconds}s"
  (cd "$corpus_root" && "$OLDPWD/build/fuzz/tests/fuzz/fuzz_$target" -max_total_time="$seconds" \
     -max_len=$max_len -timeout=10 -print_final_stats=1 "$corpus" 2>&1 |
     grep -E '^(Done|stat::number_of_executed_units|==|SUMMARY|#[0-9]+ *DONE)' || true)
  if ls "$corpus_root"/crash-* "$corpus_root"/timeout-* "$corpus_root"/leak-* >/dev/null 2>&1; then
    echo "finding kept in $corpus_root" >&2
    exit 1
  fi
done
[ -n "${FUZZ_CORPUS:-}" ] || rm -rf "$corpus_root"
