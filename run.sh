#!/usr/bin/env bash
# Builds Kartogram into build/ and starts it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
scripts/build.sh
exec build/kartogram "$@"
