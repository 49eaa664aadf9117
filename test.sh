#!/usr/bin/env bash
# Builds Kartogram and all its tests into build/ and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh testy
scripts/build.sh -DKARTOGRAM_TESTS=ON
cd build
QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j"${KG_ZADANIA:-$(nproc)}" "$@"
