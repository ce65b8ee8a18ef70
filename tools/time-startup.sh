#!/usr/bin/env bash
# Times the program's start-up on an X server of its own (Xvfb):
#  1. from launching build/src/app/sng-tarvo until its splash window is on the screen
#     (mapped, found by its size of 334 x 346 pixels), over five launches;
#  2. the splash window painted, and from its button to the main window painted with
#     its results, from the benchmark bench_dialogs on the same server.
# Needs a build (cmake --build build) and xvfb-run, xwininfo.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
program="$here/build/src/app/sng-tarvo"
bench="$here/build/bench/dialogs/bench_dialogs"

if [ -z "${DISPLAY:-}" ] || [ "${1:-}" != "--inside" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --inside
fi

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$here"/samples/tarvo.ini "$here"/samples/tarvo.sat "$here"/samples/tarvo.loc "$work/"
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }

echo "Launch to splash window mapped (ms):"
for run in 1 2 3 4 5; do
    start=$(now_ms)
    (cd "$work" && QT_QPA_PLATFORM=xcb exec "$program") &
    pid=$!
    until xwininfo -root -tree 2>/dev/null | grep -q '"SNG Tarvo".*334x346+'; do
        if ! kill -0 "$pid" 2>/dev/null; then
            echo "the program ended before its splash window showed" >&2
            exit 1
        fi
    done
    echo "  run $run: $(( $(now_ms) - start ))"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
done

echo "In the program, on this server:"
QT_QPA_PLATFORM=xcb "$bench" --benchmark_min_time=0.2
