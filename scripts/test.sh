#!/usr/bin/env bash
# Installs what is missing, builds premiers and its tests, runs every test
# through CTest. With --sanitize, the same in a build with AddressSanitizer
# and UndefinedBehaviorSanitizer (leaks included), then a short fixed run
# of the number-entry fuzzer (scripts/fuzz.sh).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
installe_paquets "${PAQUETS_BASE[@]}" libgtest-dev

dossier=build
# BUILD_TESTING said each time: scripts/run.sh leaves it OFF in the cache of
# the same build directory.
options=(-DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON)
if [ "${1:-}" = "--sanitize" ]; then
    dossier=build-sanitize
    options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DPREMIERS_SANITIZE=ON -DBUILD_TESTING=ON)
    # A sanitizer report (leaks included) ends the process with status 1 by
    # default, the program's own status: make it tell, on top of the report
    # on standard error that the end-to-end tests already refuse.
    export ASAN_OPTIONS="exitcode=86${ASAN_OPTIONS:+:$ASAN_OPTIONS}"
    export UBSAN_OPTIONS="exitcode=87${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"
fi
cmake -S . -B "$dossier" "${options[@]}"
cmake --build "$dossier" -j "$(nproc)"
(cd "$dossier" && ctest --output-on-failure --no-tests=error -j "$(nproc)")

if [ "${1:-}" = "--sanitize" ]; then
    # Same inputs on every run, well under a minute.
    scripts/fuzz.sh --runs 150000 -seed=1
fi
