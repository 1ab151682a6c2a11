#!/usr/bin/env bash
# Builds brevon (Release, in build/) and shows its window with the words
# given, e.g. `scripts/run.sh Backup finished`; ends with brevon's status.
# Where no X display can be reached, the window is shown on a private
# virtual X server instead: it is saved as build/brevon-screenshot.png and
# then acknowledged with Enter.
set -euo pipefail
cd "$(dirname "$0")/.."
# BREVON_BUILD_DIR picks another build folder (default: build/).
build="${BREVON_BUILD_DIR:-$PWD/build}"

scripts/setup.sh --build
mkdir -p "$build"

# Can we reach a display? A tiny Xlib client answers without needing more
# packages than the build does.
probe="$build/display-probe"
if [ ! -x "$probe" ] || [ scripts/display_probe.cpp -nt "$probe" ]; then
    c++ -O1 -o "$probe" scripts/display_probe.cpp -lX11
fi
if [ -n "${DISPLAY:-}" ] && "$probe"; then
    cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBREVON_BUILD_TESTS=OFF --log-level=WARNING
    cmake --build "$build" --target brevon -j "$(nproc)"
    exec "$build/app/brevon" "$@"
fi

echo "run: no X display reachable${DISPLAY:+ at $DISPLAY}; showing the window on a private Xvfb"
# The screenshot tool lives with the end-to-end tests, so build those too.
scripts/setup.sh --test
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DBREVON_BUILD_TESTS=ON --log-level=WARNING
cmake --build "$build" --target brevon brevon-snap -j "$(nproc)"

workdir=$(mktemp -d)
xvfb_pid=""
brevon_pid=""
# shellcheck disable=SC2317 # called by the EXIT trap
cleanup() {
    if [ -n "$brevon_pid" ]; then kill "$brevon_pid" 2>/dev/null || true; fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$workdir"
}
trap cleanup EXIT

# Xvfb picks a free display number and writes it once it is ready.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$workdir/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$workdir/display" ] && break
    sleep 0.1
done
if [ ! -s "$workdir/display" ]; then
    echo "run: Xvfb did not start" >&2
    exit 1
fi
display=":$(head -n1 "$workdir/display")"

screenshot="$build/brevon-screenshot.png"
DISPLAY="$display" "$build/app/brevon" "$@" &
brevon_pid=$!
if ! "$build/tests/e2e/brevon-snap" --display "$display" --pid "$brevon_pid" --enter "$screenshot"; then
    # Nobody can acknowledge a window we cannot see: end it.
    echo "run: the window could not be captured" >&2
    kill "$brevon_pid" 2>/dev/null || true
fi
set +e
wait "$brevon_pid"
status=$?
set -e
brevon_pid=""
if [ -f "$screenshot" ]; then
    echo "run: the window was saved as $screenshot and acknowledged with Enter"
fi
echo "run: brevon ended with status $status"
exit "$status"
