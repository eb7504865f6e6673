#!/usr/bin/env bash
# Builds the number-entry fuzzer with clang, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs it on the seed corpus of fuzz/corpus:
#   scripts/fuzz.sh [seconds]          for that long (default 60)
#   scripts/fuzz.sh --runs N [opts]    for N inputs
# Further libFuzzer options may follow (-jobs=3 -workers=3, -seed=1, ...).
# New inputs go to build-fuzz/corpus; crash reproducers and the logs of
# -jobs to build-fuzz/.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
installe_paquets "${PAQUETS_BASE[@]}" clang libclang-rt-14-dev

limite=(-max_total_time=60)
case "${1:-}" in
    --runs) limite=(-runs="${2:?--runs demande un nombre}"); shift 2 ;;
    [0-9]*) limite=(-max_total_time="$1"); shift ;;
esac

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DPREMIERS_SANITIZE=ON -DPREMIERS_FUZZ=ON -DBUILD_TESTING=OFF >/dev/null
cmake --build build-fuzz --target fuzz_controle -j "$(nproc)"
mkdir -p build-fuzz/corpus
cd build-fuzz
# Lines up to a few times the 4096-character limit; a slow input is a fault.
exec fuzz/fuzz_controle -max_len=20000 -timeout=10 -rss_limit_mb=2048 \
     -print_final_stats=1 "${limite[@]}" "$@" corpus ../fuzz/corpus
