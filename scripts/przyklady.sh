#!/usr/bin/env bash
# Makes the example projects, their counts and forecast anew in data/
# ("Przyklady", "Pomiary", "Pomiary/Prognozy") by driving the program's
# windows in a built tree (build/, test_junction_forms).
set -euo pipefail
cd "$(dirname "$0")/.."
KG_PRZYKLADY="$PWD/data" QT_QPA_PLATFORM=offscreen build/test_junction_forms --gtest_filter='Przyklady.*'
