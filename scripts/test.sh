#!/usr/bin/env bash
# Installs what is missing, builds premiers and its tests, runs every test
# through CTest. With --sanitize, the same in a build with AddressSanitizer
# and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
installe_paquets "${PAQUETS_BASE[@]}" libgtest-dev

dossier=build
options=(-DCMAKE_BUILD_TYPE=Release)
if [ "${1:-}" = "--sanitize" ]; then
    dossier=build-sanitize
    options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DPREMIERS_SANITIZE=ON)
fi
cmake -S . -B "$dossier" "${options[@]}"
cmake --build "$dossier" -j "$(nproc)"
cd "$dossier"
ctest --output-on-failure -j "$(nproc)"
