#!/usr/bin/env bash
# Start-up timing on a real display (Xvfb), with the largest files the formats allow
# (32,766 catalogue satellites, 32,767 locations). In one X server it runs, in turn:
#   - a bare Qt window with one line of text: time from launch to its first paint;
#   - the program's window: time to its first paint (before the files are read) and
#     to the painted results of the first calculation;
# each with the peak resident memory of the process. Then, for comparison, the
# offscreen start-up benchmark (Form_Load alone, no display).
#
#   tools/startup-timing.sh [RUNS] [alpha|arc]     (defaults: 7 runs, alpha)
#
# Needs the build in build/ (it builds the two helpers) and xvfb-run. Prints the
# median of the runs.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-7}"
order="${2:-alpha}"

cmake --build build --target bench_bare_window bench_startup_window bench_mainwindow >/dev/null
bare="$PWD/build/bench/window/bench_bare_window"
program="$PWD/build/bench/window/bench_startup_window"

folder="$(mktemp -d)"
results="$(mktemp)"
trap 'rm -rf "$folder" "$results"' EXIT
"$program" prepare "$folder" "$order"

# Alternately, in the same X server; the launch time is taken just before each exec.
export runs bare program folder
xvfb-run -a -s "-screen 0 1280x1024x24" bash -c '
    for ((i = 0; i < runs; i++)); do
        TARVO_LAUNCH_NS="$(date +%s%N)" "$bare"
        (cd "$folder" && TARVO_LAUNCH_NS="$(date +%s%N)" "$program")
    done' >"$results"

median() {
    grep "^$1 " "$results" | awk '{print $2}' | sort -n |
        awk '{v[NR] = $1} END {if (NR == 0) print "-"; else print v[int((NR + 1) / 2)]}'
}
bare_paint=$(median bare_first_paint_ms)
echo "Xvfb, $runs runs each, medians; name list order: $order"
printf '  bare Qt window, first paint         %8s ms   peak %s KiB\n' \
    "$bare_paint" "$(median bare_peak_kib)"
printf '  program window, first paint         %8s ms\n' "$(median program_first_paint_ms)"
printf '  program results painted             %8s ms   peak %s KiB\n' \
    "$(median program_results_ms)" "$(median program_peak_kib)"
awk -v r="$(median program_results_ms)" -v b="$bare_paint" \
    -v pm="$(median program_peak_kib)" -v bm="$(median bare_peak_kib)" \
    'BEGIN {printf "  ratios to the bare window: time %.2f, memory %.2f\n", r / b, pm / bm}'
echo "  azimuth shown: $(grep '^program_azimuth ' "$results" | head -1 | cut -d' ' -f2)"

echo "Offscreen (Form_Load alone, Google Benchmark):"
QT_QPA_PLATFORM=offscreen build/bench/mainwindow/bench_mainwindow \
    --benchmark_filter=FormLoad --benchmark_min_time=0.2 2>/dev/null |
    grep -E '^BM_' || true
