#!/usr/bin/env bash
# Builds the text layout fuzzer with clang's libFuzzer, AddressSanitizer and
# UBSan (in build-fuzz/, apart from the main g++ build) and runs it from the
# committed seed corpus for a bounded time. Ends non-zero when the fuzzer
# finds an input that breaks the text path; the input is saved in
# build-fuzz/artifacts/ and can be replayed with
#   build-fuzz/text_layout_fuzzer build-fuzz/artifacts/crash-...
#
# usage: scripts/fuzz.sh [SECONDS]        run for SECONDS (default 60)
#        scripts/fuzz.sh --runs N         run N inputs instead
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build="${BREVON_FUZZ_BUILD_DIR:-$root/build-fuzz}"

limit=(-max_total_time="${1:-60}")
if [ "${1:-}" = "--runs" ]; then
    limit=(-runs="${2:?usage: scripts/fuzz.sh --runs N}")
fi

# clang 14 and its runtimes (libFuzzer and the sanitizers).
scripts/install-missing.sh clang libclang-rt-14-dev

mkdir -p "$build/artifacts" "$build/corpus"
clang++ -std=c++20 -g -O1 -Wall -Wextra -Wpedantic -Werror \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I "$root" \
    tests/fuzz/text_layout_fuzzer.cpp forms/text/utf8.cpp forms/text/line_layout.cpp \
    -o "$build/text_layout_fuzzer"

# New inputs go to build-fuzz/corpus/; the committed seeds stay as they are.
# Inputs up to 20000 bytes: long enough for a line of more than 4096
# zero-width characters, where the layout caps a line.
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
"$build/text_layout_fuzzer" "${limit[@]}" -max_len=20000 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 -artifact_prefix="$build/artifacts/" \
    "$build/corpus" tests/fuzz/corpus
