#!/usr/bin/env bash
# Configures and builds into build/ (extra CMake options may be passed);
# KG_CEL names the one target to build, everything is built without it.
# KG_ZADANIA limits the parallel jobs (all processors without it).
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build build -j"${KG_ZADANIA:-$(nproc)}" ${KG_CEL:+--target "$KG_CEL"}
