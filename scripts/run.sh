#!/usr/bin/env bash
# Installs what is missing, builds premiers in Release and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
installe_paquets "${PAQUETS_BASE[@]}"
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF >&2
cmake --build build --target premiers -j "$(nproc)" >&2
exec build/premiers
