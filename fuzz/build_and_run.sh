#!/usr/bin/env bash
# Builds a reader's fuzz target with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) from fuzz/CMakeLists.txt and runs it on our
# corpus (fuzz/run.sh).
#   fuzz/build_and_run.sh [seconds=30] [build folder=build-fuzz] [target=projekt]
# Targets: projekt (the ".rup" reader; each input that loads is also drawn,
# every variant into recording back-ends, saved and reopened), wersja1 (the
# same behind the banner of a version-1 file), pomiar (".pom"), ustawienia
# (".upm"), prognoza (".pgz"), biblioteka (block libraries ".blk", each
# definition copied into a project), obraz (the arrow pictures, JPEG). A
# crash, hang or sanitizer report fails the script; the input is kept in the
# build folder as crash-*, timeout-* or leak-*.
set -euo pipefail
ZRODLA="$(cd "$(dirname "$0")/.." && pwd)"
WYJSCIE="${2:-$ZRODLA/build-fuzz}"
CEL="${3:-projekt}"
cmake -S "$ZRODLA/fuzz" -B "$WYJSCIE" -DCMAKE_CXX_COMPILER="${CXX_FUZZ:-clang++}" >/dev/null
cmake --build "$WYJSCIE" -j"${KG_ZADANIA:-$(nproc)}" --target "fuzz_$CEL"
exec "$ZRODLA/fuzz/run.sh" "$@"
