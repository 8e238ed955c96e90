#!/usr/bin/env bash
# Sets up, builds a release build and opens the window on the example pair.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh window
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DQFC_TESTS=OFF
cmake --build build/release
exec build/release/src/app/quorvelin-compare /1:examples/left.txt /2:examples/right.txt
