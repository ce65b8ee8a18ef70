#!/usr/bin/env bash
# Times the program's start-up on an X server of its own (Xvfb):
#  1. from launching build/src/app/sng-tarvo until its splash window is on the screen
#     (mapped, found by its size of 334 x 346 pixels), over five launches;
#     beside the same figure for the help viewer, a plain Qt window of this project;
#  2. the splash window painted, and from its button to the main window painted with
#     its results, from the benchmark bench_dialogs on the same server.
# Needs a build (cmake --build build) and xvfb-run, xwininfo.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
program="$here/build/src/app/sng-tarvo"
bench="$here/build/bench/dialogs/bench_dialogs"

if [ -z "${DISPLAY:-}" ] || [ "${1:-}" != "--inside" ]; then
    # A server number of its own, away from the usual 99 that other runs take.
    exec xvfb-run -a -n $((200 + RANDOM % 500)) -s "-screen 0 1280x1024x24" "$0" --inside
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$here"/samples/tarvo.ini "$here"/samples/tarvo.sat "$here"/samples/tarvo.loc "$work/"
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

cp "$here/samples/tarvo.hlp" "$work/"

# time_window LABEL PATTERN COMMAND...: five launches, each until a window whose line in
# xwininfo's tree matches PATTERN is mapped.
time_window() {
    local label="$1" pattern="$2"
    shift 2
    echo "$label (ms):"
    for run in 1 2 3 4 5; do
        local start
        start=$(now_ms)
        (cd "$work" && QT_QPA_PLATFORM=xcb exec "$@") &
        local pid=$!
        until xwininfo -root -tree 2>/dev/null | grep -q "$pattern"; do
            if ! kill -0 "$pid" 2>/dev/null; then
                echo "the program ended before its window showed" >&2
                exit 1
            fi
        done
        echo "  run $run: $(( $(now_ms) - start ))"
        kill "$pid"
        wait "$pid" 2>/dev/null || true
    done
}

time_window "Launch to splash window mapped" '"SNG Tarvo".*334x346+' "$program"
time_window "Help viewer, a plain Qt window, launch to mapped" '"SNG Tarvo Help"' \
    "$here/build/src/app/sng-tarvo-help" "$work/tarvo.hlp"

echo "In the program, on this server:"
QT_QPA_PLATFORM=xcb "$bench" --benchmark_min_time=0.2
