#!/usr/bin/env bash
# Builds Kartogram (the program and its data, not the tests) into build/
# and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
KG_CEL=kg_program scripts/build.sh
exec build/kartogram "$@"
