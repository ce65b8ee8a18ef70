#!/usr/bin/env bash
# Installs what is missing, builds the program and starts it in the user's
# working folder, which is seeded from samples/ the first time only.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
cd "$here"
export LANG="${LANG:-C.UTF-8}"
source tools/ensure-packages.sh
tarvo_ensure_packages "${TARVO_PROGRAM_PACKAGES[@]}"

# The program alone: a new build tree is configured without the tests and benchmarks
# (whose libraries run.sh does not install); a tree test.sh made keeps its settings.
options=()
if [ ! -e build/CMakeCache.txt ]; then
    options=(-DTARVO_TESTS=OFF -DTARVO_BENCH=OFF)
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
cmake --build build -j"$(nproc 2>/dev/null || echo 2)" --target sng-tarvo

workdir="${TARVO_WORKDIR:-${XDG_DATA_HOME:-$HOME/.local/share}/sng-tarvo}"
if [ ! -e "$workdir/tarvo.ini" ]; then
    mkdir -p "$workdir"
    cp -n samples/* "$workdir/"
    chmod u+w "$workdir"/*
    echo "Working folder created: $workdir"
fi
# The help document is the program's, not the user's: every start brings the newest.
cp -f samples/tarvo.hlp "$workdir/tarvo.hlp" 2>/dev/null || true
cd "$workdir"
exec "$here/build/src/app/sng-tarvo"
