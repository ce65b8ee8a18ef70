#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite:
# unit and window tests (ctest) and a short run of every fuzz target.
set -euo pipefail
cd "$(dirname "$0")"
export LANG=C.UTF-8 LC_ALL=C.UTF-8
source tools/ensure-packages.sh
tarvo_ensure_packages "${TARVO_BUILD_PACKAGES[@]}" "${TARVO_FUZZ_PACKAGES[@]}"

jobs=$(nproc 2>/dev/null || echo 2)

# Fuzz targets need clang's libFuzzer; they get a build of their own.
if command -v clang++ >/dev/null 2>&1; then
    cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER=clang++ -DTARVO_FUZZ=ON >/dev/null
    cmake --build build-fuzz -j"$jobs"
    ctest --test-dir build-fuzz --output-on-failure
fi

# TARVO_SANITIZE=1 builds and tests with AddressSanitizer and UBSan in a tree of its own.
if [ -n "${TARVO_SANITIZE:-}" ]; then
    tree=build-asan
    options=(-DCMAKE_BUILD_TYPE=Debug -DTARVO_SANITIZE=ON -DTARVO_TESTS=ON -DTARVO_BENCH=OFF)
else
    tree=build
    # Tests and benchmarks on, also in a tree that run.sh configured for the program alone.
    options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVO_SANITIZE=OFF -DTARVO_TESTS=ON -DTARVO_BENCH=ON)
fi
cmake -S . -B "$tree" -G Ninja "${options[@]}" >/dev/null
cmake --build "$tree" -j"$jobs"
ctest --test-dir "$tree" --output-on-failure -j"$jobs"
