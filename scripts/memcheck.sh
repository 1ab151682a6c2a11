#!/usr/bin/env bash
# Runs brevon once under valgrind memcheck on a private virtual X server,
# acknowledges the window with Enter (XTest, through brevon-snap) and reports
# memcheck's figures. Ends non-zero when memcheck finds a memory error or a
# definite or indirect leak, or when brevon does not end with status 0.
# brevon ends through exit(), so what live objects hold at that moment is
# "still reachable", which is not a leak.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build="${BREVON_MEMCHECK_BUILD_DIR:-$root/build-memcheck}"

# Packages: what the tests need (Xvfb, XTest for brevon-snap), and valgrind.
scripts/setup.sh --test
scripts/install-missing.sh valgrind

cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBREVON_BUILD_TESTS=ON \
    -DBREVON_BUILD_BENCH=OFF -DBREVON_SANITIZE=OFF
cmake --build "$build" -j "$(nproc)" --target brevon brevon-snap

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display number and writes it to the file.
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.1
done
if ! [ -s "$work/display" ]; then
    echo "memcheck: Xvfb did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 1
fi
display=":$(head -n1 "$work/display")"

log="$build/memcheck.log"
DISPLAY=$display valgrind --tool=memcheck --leak-check=full \
    --show-leak-kinds=definite,indirect --errors-for-leak-kinds=definite,indirect \
    --error-exitcode=3 --suppressions=tests/sanitizers/valgrind.supp \
    --log-file="$log" "$build/app/brevon" Backup finished under memcheck &
brevon_pid=$!
# valgrind runs brevon in its own process, so the window carries this pid.
snap_status=0
"$build/tests/e2e/brevon-snap" --display "$display" --pid "$brevon_pid" --enter \
    --timeout 120 "$work/window.png" || snap_status=$?
status=0
wait "$brevon_pid" || status=$?

sed -n '/HEAP SUMMARY/,$p' "$log" | sed 's/^==[0-9]*== //'
if [ "$snap_status" -ne 0 ]; then
    echo "memcheck: the window was not found or could not be acknowledged" >&2
    exit 1
fi
case "$status" in
0) echo "memcheck: no memory errors and no definite or indirect leaks" ;;
3) echo "memcheck: memcheck found errors; the full log is $log" >&2 ;;
*) echo "memcheck: brevon ended with status $status; the full log is $log" >&2 ;;
esac
exit "$status"
