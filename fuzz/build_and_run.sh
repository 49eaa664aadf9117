#!/usr/bin/env bash
# Builds a reader's fuzz target with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs it on our corpus.
#   fuzz/build_and_run.sh [seconds=30] [build folder=build-fuzz] [target=projekt]
# Targets: projekt (the ".rup" reader; each input that loads is also drawn,
# every variant into recording back-ends, saved and reopened), wersja1 (the
# same behind the banner of a version-1 file), pomiar (".pom"), ustawienia
# (".upm"), prognoza (".pgz"), biblioteka (block libraries ".blk", each
# definition copied into a project), obraz (the arrow pictures, JPEG). A
# crash, hang or
# sanitizer report fails the script; the input is kept in the build folder as
# crash-*, timeout-* or leak-*.
set -euo pipefail
ZRODLA="$(cd "$(dirname "$0")/.." && pwd)"
SEKUNDY="${1:-30}"
WYJSCIE="${2:-$ZRODLA/build-fuzz}"
CEL="${3:-projekt}"
CXX="${CXX_FUZZ:-clang++}"
WERSJA="$(sed -n 's/^project(Kartogram VERSION \([0-9.]*\).*/\1/p' "$ZRODLA/CMakeLists.txt")"
PROGRAM="$WYJSCIE/fuzz_$CEL"

ZRODLA_CPP=("$ZRODLA"/base/*.cpp "$ZRODLA"/model/*.cpp "$ZRODLA"/platform/*.cpp)
NAGLOWKI=("$ZRODLA"/{base,model,platform}/*.h)
FLAGI=()
case "$CEL" in
  projekt | wersja1)
    # The drawing needs Qt's painter (not its moc); Qt's own code is not
    # instrumented, ours is.
    ZRODLA_CPP+=("$ZRODLA"/platform/qt/{Plotno,ObrazRzadki,Drukarka,CzcionkiPdf,Komunikaty,Kodowanie_qt}.cpp "$ZRODLA"/drawing/*.cpp "$ZRODLA"/junction/*.cpp
                 "$ZRODLA"/roundabout/*.cpp "$ZRODLA/shell/Arkusz.cpp" "$ZRODLA/shell/RysunekWatkami.cpp" "$ZRODLA/fuzz/fuzz_projekt.cpp")
    NAGLOWKI+=("$ZRODLA"/{platform/qt,drawing,junction,roundabout,shell}/*.h)
    read -r -a FLAGI <<< "-fPIC -fno-sanitize=vptr $(pkg-config --cflags --libs Qt6Widgets Qt6PrintSupport) -ljpeg"
    KORPUS="$ZRODLA/fuzz/korpus"
    if [ "$CEL" = wersja1 ]; then FLAGI+=(-DKG_FUZZ_WERSJA1); KORPUS+="_wersja1"; fi ;;
  biblioteka)
    ZRODLA_CPP+=("$ZRODLA"/platform/qt/{Plotno,Drukarka,CzcionkiPdf,Komunikaty,Kodowanie_qt}.cpp "$ZRODLA"/drawing/*.cpp
                 "$ZRODLA/fuzz/fuzz_biblioteka.cpp")
    NAGLOWKI+=("$ZRODLA"/{platform/qt,drawing}/*.h)
    read -r -a FLAGI <<< "-fPIC -fno-sanitize=vptr $(pkg-config --cflags --libs Qt6Widgets Qt6PrintSupport) -ljpeg"
    KORPUS="$ZRODLA/fuzz/korpus_biblioteka" ;;
  obraz)
    ZRODLA_CPP+=("$ZRODLA/platform/qt/ObrazJpeg.cpp" "$ZRODLA/fuzz/fuzz_obraz.cpp")
    NAGLOWKI+=("$ZRODLA"/platform/qt/*.h)
    read -r -a FLAGI <<< "-fPIC -fno-sanitize=vptr $(pkg-config --cflags --libs Qt6Gui) -ljpeg"
    KORPUS="$ZRODLA/fuzz/korpus_obraz" ;;
  pomiar | ustawienia | prognoza)
    ZRODLA_CPP+=("$ZRODLA/counts/PlikiPomiarow.cpp" "$ZRODLA/fuzz/fuzz_pliki_pomiarow.cpp")
    NAGLOWKI+=("$ZRODLA"/counts/*.h)
    FLAGI=("-DKG_FUZZ_${CEL^^}")
    KORPUS="$ZRODLA/fuzz/korpus_$CEL" ;;
  *) echo "unknown target $CEL" >&2; exit 2 ;;
esac
mkdir -p "$WYJSCIE/korpus_$CEL"
# Rebuild only when a source is newer than the program.
if [ ! -x "$PROGRAM" ] || [ -n "$(find "${ZRODLA_CPP[@]}" "${NAGLOWKI[@]}" "$ZRODLA/CMakeLists.txt" \
      -newer "$PROGRAM" 2>/dev/null | head -1)" ]; then
  "$CXX" -std=c++20 -g -O1 -fno-omit-frame-pointer \
    -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -DKG_WERSJA="\"$WERSJA\"" -I"$ZRODLA" "${ZRODLA_CPP[@]}" "${FLAGI[@]}" -lz -o "$PROGRAM"
fi

# The corpus grows in the build folder; the seeds in the repository stay as
# they are. Qt keeps a few allocations for the life of the process: leaks are
# not looked for inside it.
cd "$WYJSCIE"
printf 'leak:libQt6\nleak:libfontconfig\nleak:libglib\n' > lsan.supp
QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=lsan.supp \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
ASAN_OPTIONS=detect_leaks=1 \
  "$PROGRAM" -max_total_time="$SEKUNDY" -timeout=10 -rss_limit_mb=2048 -max_len=200000 \
  -print_final_stats=1 "korpus_$CEL" "$KORPUS"
