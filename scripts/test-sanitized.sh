#!/usr/bin/env bash
# Builds brevon and its tests with AddressSanitizer, LeakSanitizer and
# UndefinedBehaviorSanitizer (in build-asan/) and runs the whole test suite,
# end-to-end tests included. Any sanitizer report fails the run: a program
# that reports ends with status 23, which fails every test that expects 0
# (and the fault tests check for it too). Memory and leak reports are also
# written to a log folder that is checked at the end, which catches reports
# from runs that were meant to fail anyway; undefined-behaviour reports go
# to the program's stderr, where the tests that read it see them.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build="${BREVON_ASAN_BUILD_DIR:-$root/build-asan}"

# Packages: the test packages of setup.sh; GCC brings the sanitizer runtimes
# (libasan, libubsan) with g++.
scripts/setup.sh --test

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBREVON_BUILD_TESTS=ON \
    -DBREVON_BUILD_BENCH=OFF -DBREVON_SANITIZE=ON
cmake --build "$build" -j "$(nproc)"

reports="$build/sanitizer-reports"
rm -rf "$reports"
mkdir -p "$reports"

# The options reach every program the tests start, as children inherit the
# environment. fast_unwind_on_malloc=0 gives leak stacks through the X and
# font libraries, which the suppressions need to name their functions.
common="halt_on_error=1:exitcode=23:print_stacktrace=1:log_path=$reports/report"
export ASAN_OPTIONS="$common:detect_leaks=1:abort_on_error=0:disable_coredump=1:fast_unwind_on_malloc=0:detect_stack_use_after_return=1:check_initialization_order=1"
export UBSAN_OPTIONS="$common"
export LSAN_OPTIONS="$common:suppressions=$root/tests/sanitizers/lsan.supp:print_suppressions=0"

# The package check compares the binary's libraries with the package's
# dependencies; a sanitized binary also needs the sanitizer runtimes, which
# no package ships, so that one test belongs to the normal build only.
status=0
(cd "$build" && ctest --output-on-failure -j2 --timeout 600 -E '^identity\.debian_package$') ||
    status=$?

shopt -s nullglob
found=("$reports"/report.*)
if [ ${#found[@]} -gt 0 ]; then
    echo "test-sanitized: ${#found[@]} sanitizer report(s):" >&2
    for report in "${found[@]}"; do
        echo "== $report" >&2
        cat "$report" >&2
    done
    status=1
fi
if [ "$status" -eq 0 ]; then
    echo "test-sanitized: all tests passed with no sanitizer report"
fi
exit "$status"
