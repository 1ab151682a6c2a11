#!/bin/bash
# Side-by-side benchmark of the message window against its peers and two
# floor programs, in a private Xvfb. Installs what it needs, builds Release
# into build-bench/, prints a markdown table and writes it to
# bench/results.md (every run as CSV in build-bench/bench/runs.csv).
#
# usage: bench/run.sh [RUNS]      (RUNS defaults to 20)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build="$root/build-bench"
runs=${1:-20}

# What the benchmark needs; the peers are measured when their packages
# install, and reported as not measured when they do not.
needed=(xvfb x11-utils libx11-dev libxft-dev libxrandr-dev libfontconfig-dev libxtst-dev
        cmake g++ fonts-liberation)
peers=(gxmessage yad zenity)
missing=()
for package in "${needed[@]}" "${peers[@]}"; do
    dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if ((${#missing[@]})); then
    echo "installing: ${missing[*]}" >&2
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq >/dev/null || true
    apt-get install -y -qq --no-install-recommends "${needed[@]}" >/dev/null
    for package in "${peers[@]}"; do
        apt-get install -y -qq "$package" >/dev/null 2>&1 || echo "cannot install $package" >&2
    done
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBREVON_BUILD_TESTS=OFF \
    -DBREVON_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j"$(nproc)" --target brevon brevon_bench bench_launch floor_xlib floor_xft \
    >/dev/null

work=$(mktemp -d)
xvfb_pid=
cleanup() {
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A private server on the first free display number, which Xvfb writes to
# the descriptor given with -displayfd once it accepts connections.
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp -noreset 3>"$work/display" \
    >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
    [[ -s $work/display ]] && break
    sleep 0.05
done
[[ -s $work/display ]] || { cat "$work/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(tr -d '\n' <"$work/display")"

# The peers are measured as a script would call them: no session bus and
# no accessibility bridge to wait for.
unset DBUS_SESSION_BUS_ADDRESS
export LANG=${LANG:-C.UTF-8}
locale_label="LANG=$LANG"

brevon="$build/app/brevon"
tab=$'\t'
list="$work/programs.tsv"
program() { # label environment argv...
    local label=$1 environment=$2
    shift 2
    local IFS=$tab
    echo "run${tab}${label}${tab}${environment}${tab}$*" >>"$list"
}
peer() { # package label environment argv...
    local package=$1
    shift
    if command -v "$3" >/dev/null; then
        program "$@"
    else
        echo "missing${tab}$1${tab}$package is not installed" >>"$list"
    fi
}
ratio() { echo "ratio${tab}$1${tab}$2" >>"$list"; }

short="brevon Backup finished"
long="brevon, 900 KB of words"
xm_c="xmessage (LC_ALL=C)"
xm="xmessage ($locale_label)"
: >"$list"
program "$short" - "$brevon" Backup finished
program "$long" - "$brevon" @words:900000
program "floor: Xlib" - "$build/bench/floor_xlib"
# The same floor handed the same 900 KB: what the system's exec costs for
# that many argument bytes, which no program can avoid.
program "floor: Xlib, 900 KB of arguments" - "$build/bench/floor_xlib" @words:900000
program "floor: Xlib+Xft" - "$build/bench/floor_xft"
peer x11-utils "$xm_c" LC_ALL=C xmessage -center -default okay "Backup finished"
peer x11-utils "$xm" - xmessage -center -default okay "Backup finished"
peer gxmessage "gxmessage" NO_AT_BRIDGE=1 gxmessage -center -default okay "Backup finished"
peer yad "yad (one OK button)" NO_AT_BRIDGE=1 yad --text "Backup finished" --button=gtk-ok:0
peer zenity "zenity --info" NO_AT_BRIDGE=1 zenity --info --text "Backup finished"
ratio "$short" "$xm_c"
ratio "$short" "$xm"
ratio "$short" "floor: Xlib"
ratio "$short" "floor: Xlib+Xft"
ratio "floor: Xlib+Xft" "$xm_c"
ratio "$long" "$short"
ratio "floor: Xlib, 900 KB of arguments" "floor: Xlib"

"$build/bench/brevon_bench" --list "$list" --runs "$runs" --out "$here/results.md" \
    --csv "$build/bench/runs.csv"
