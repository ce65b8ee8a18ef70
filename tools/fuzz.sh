#!/usr/bin/env bash
# Longer fuzzing on demand:  tools/fuzz.sh SECONDS [TARGET...]
#
# Builds the fuzz tree (build-fuzz/, clang with libFuzzer, AddressSanitizer and UBSan)
# and runs every fuzz target, or the ones named, for SECONDS each. Each target keeps its
# corpus in build-fuzz/fuzz/work/<target>/ between runs (never committed) and starts
# from the seeds of fuzz/corpus/<target>/. Inputs that crash, leak or time out are kept in
# build-fuzz/fuzz/findings/<target>/. TARVO_FUZZ_JOBS=N runs N targets at the same time.
# Ends with a table of executions and findings; the exit status is 1 when anything was found.
set -euo pipefail
cd "$(dirname "$0")/.."
export LANG=C.UTF-8 LC_ALL=C.UTF-8

if [ $# -lt 1 ] || ! [[ $1 =~ ^[0-9]+$ ]] || [ "$1" -lt 1 ]; then
    echo "usage: tools/fuzz.sh SECONDS [TARGET...]" >&2
    exit 2
fi
seconds=$1
shift

source tools/ensure-packages.sh
tarvo_ensure_packages "${TARVO_BUILD_PACKAGES[@]}" "${TARVO_FUZZ_PACKAGES[@]}"

tree=build-fuzz
cmake -S . -B "$tree" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DTARVO_FUZZ=ON >/dev/null
cmake --build "$tree" -j"$(nproc 2>/dev/null || echo 2)"

if [ $# -gt 0 ]; then
    targets=("$@")
else
    targets=()
    for source in fuzz/fuzz_*.cpp; do
        targets+=("$(basename "$source" .cpp)")
    done
fi

logs="$tree/fuzz/logs"
mkdir -p "$logs"

run_target() {
    local name=$1
    local binary="$tree/fuzz/$name"
    local work="$tree/fuzz/work/$name"
    local findings="$tree/fuzz/findings/$name"
    if [ ! -x "$binary" ]; then
        echo "no fuzz target called $name" >"$logs/$name.log"
        return 0
    fi
    mkdir -p "$work" "$findings"
    local corpora=("$work")
    [ -d "fuzz/corpus/$name" ] && corpora+=("fuzz/corpus/$name")
    "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=1 -artifact_prefix="$findings/" \
        "${corpora[@]}" >"$logs/$name.log" 2>&1 || true
}

jobs=${TARVO_FUZZ_JOBS:-1}
echo "fuzzing ${#targets[@]} target(s) for $seconds s each, $jobs at a time"
running=0
for name in "${targets[@]}"; do
    run_target "$name" &
    running=$((running + 1))
    if [ "$running" -ge "$jobs" ]; then
        wait -n || true
        running=$((running - 1))
    fi
done
wait

found=0
printf '%-28s %14s %10s %9s\n' target executions corpus findings
for name in "${targets[@]}"; do
    log="$logs/$name.log"
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n1)
    corpus=$(find "$tree/fuzz/work/$name" -type f 2>/dev/null | wc -l)
    hits=$(find "$tree/fuzz/findings/$name" -type f 2>/dev/null | wc -l)
    [ "$hits" -gt 0 ] && found=1
    printf '%-28s %14s %10s %9s\n' "$name" "${runs:-?}" "$corpus" "$hits"
done
[ "$found" -eq 0 ] || echo "findings are kept in $tree/fuzz/findings/; logs in $logs/"
exit "$found"
