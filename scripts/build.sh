#!/usr/bin/env bash
# Configures and builds into build/ (extra CMake options may be passed);
# KG_CEL names the one target to build, everything is built without it.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
cmake --build build -j"$(nproc)" ${KG_CEL:+--target "$KG_CEL"}
