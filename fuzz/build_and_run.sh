#!/usr/bin/env bash
# Builds the project-reader fuzz target with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs it on our corpus. Each input that loads
# is also drawn (every variant, into recording back-ends), saved and reopened.
#   fuzz/build_and_run.sh [seconds=30] [build folder=build-fuzz]
# A crash, hang or sanitizer report fails the script; the input is kept in
# the build folder as crash-*, timeout-* or leak-*.
set -euo pipefail
ZRODLA="$(cd "$(dirname "$0")/.." && pwd)"
SEKUNDY="${1:-30}"
WYJSCIE="${2:-$ZRODLA/build-fuzz}"
mkdir -p "$WYJSCIE/korpus"
CXX="${CXX_FUZZ:-clang++}"
PROGRAM="$WYJSCIE/fuzz_projekt"

ZRODLA_CPP=("$ZRODLA"/base/*.cpp "$ZRODLA"/model/*.cpp "$ZRODLA"/platform/*.cpp "$ZRODLA"/platform/qt/*.cpp
            "$ZRODLA"/drawing/*.cpp "$ZRODLA"/junction/*.cpp "$ZRODLA"/roundabout/*.cpp "$ZRODLA/shell/Arkusz.cpp"
            "$ZRODLA/fuzz/fuzz_projekt.cpp")
QT_FLAGI=$(pkg-config --cflags --libs Qt6Widgets Qt6PrintSupport)
WERSJA=$(sed -n 's/^project(Kartogram VERSION \([0-9.]*\).*/\1/p' "$ZRODLA/CMakeLists.txt")
# Rebuild only when a source is newer than the program.
if [ ! -x "$PROGRAM" ] || [ -n "$(find "${ZRODLA_CPP[@]}" "$ZRODLA"/{base,model,drawing,junction,roundabout,platform,platform/qt,shell}/*.h \
      "$ZRODLA/CMakeLists.txt" -newer "$PROGRAM" 2>/dev/null | head -1)" ]; then
  # Qt's own code is not instrumented; ours is.
  # shellcheck disable=SC2086
  "$CXX" -std=c++20 -g -O1 -fno-omit-frame-pointer -fPIC \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -fno-sanitize=vptr \
    -DKG_WERSJA="\"$WERSJA\"" -I"$ZRODLA" "${ZRODLA_CPP[@]}" $QT_FLAGI -ljpeg -o "$PROGRAM"
fi

# The corpus grows in the build folder; the seeds in the repository stay as they are.
cd "$WYJSCIE"
# Qt keeps a few allocations for the life of the process: leaks are not
# looked for inside it.
printf 'leak:libQt6\nleak:libfontconfig\nleak:libglib\n' > lsan.supp
QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=lsan.supp \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
ASAN_OPTIONS=detect_leaks=1 \
  "$PROGRAM" -max_total_time="$SEKUNDY" -timeout=10 -rss_limit_mb=2048 -max_len=200000 \
  -print_final_stats=1 korpus "$ZRODLA/fuzz/korpus"
