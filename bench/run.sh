#!/usr/bin/env bash
# Builds the benchmarks in Release into build-bench/ and runs them. The
# hand-over benchmarks (BM_ZapisPrzejecie, BM_ZapisWlasny) need root: they
# add 2,000 users and their groups to the program's own copy of the user
# database, gone with it, and save as one of them; the system's database
# stays as it was.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh testy
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DKARTOGRAM_BENCH=ON -DKARTOGRAM_TESTS=OFF
cmake --build build-bench -j"$(nproc)" --target kartogram_bench
cd build-bench
QT_QPA_PLATFORM=offscreen ./kartogram_bench "$@"
