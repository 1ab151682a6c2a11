#!/usr/bin/env bash
# Installs what is missing, builds brevon and its tests (Release, in build/)
# and runs the whole test suite: unit tests, and end-to-end tests that run
# the program in private virtual X servers. Ends non-zero on any failure.
set -euo pipefail
cd "$(dirname "$0")/.."
# BREVON_BUILD_DIR picks another build folder (default: build/).
build="${BREVON_BUILD_DIR:-$PWD/build}"

scripts/setup.sh --test
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBREVON_BUILD_TESTS=ON
cmake --build "$build" -j "$(nproc)"
cd "$build"
# Every test has a time limit, so a hang fails the run instead of stalling it.
ctest --output-on-failure -j2 --timeout 300
