#!/usr/bin/env bash
# Makes the Debian package build/sng-tarvo_<version>_<architecture>.deb: installs what
# is missing (what the program is built with, and the packaging tools), builds the
# program and packs it. Install the package with
#     apt-get install ./build/sng-tarvo_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
export LANG="${LANG:-C.UTF-8}"
source tools/ensure-packages.sh
tarvo_ensure_packages "${TARVO_PROGRAM_PACKAGES[@]}" "${TARVO_PACKAGE_PACKAGES[@]}"

# As run.sh: a new build tree is the program alone; a tree test.sh made keeps its
# settings (the package target builds everything that tree builds, then packs).
options=()
if [ ! -e build/CMakeCache.txt ]; then
    options=(-DTARVO_TESTS=OFF -DTARVO_BENCH=OFF)
fi
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo "${options[@]}" >/dev/null
rm -f build/sng-tarvo_*.deb
cmake --build build -j"$(nproc 2>/dev/null || echo 2)" --target package
ls build/sng-tarvo_*.deb
