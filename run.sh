#!/usr/bin/env bash
# Builds Kartogram (the program, its data and its manual, not the tests)
# into build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
KG_CEL=kg_program scripts/build.sh -DKARTOGRAM_TESTS=OFF
exec build/kartogram "$@"
