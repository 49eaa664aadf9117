#!/usr/bin/env bash
# Runs a built fuzz target on our corpus for the seconds given:
#   fuzz/run.sh [seconds=30] [build folder=build-fuzz] [target=projekt]
# The build folder is one fuzz/CMakeLists.txt was built into (the main
# build's build/fuzz, or fuzz/build_and_run.sh's). A crash, hang or sanitizer
# report fails the script; the input is kept in the build folder as crash-*,
# timeout-* or leak-*.
set -euo pipefail
ZRODLA="$(cd "$(dirname "$0")/.." && pwd)"
SEKUNDY="${1:-30}"
WYJSCIE="${2:-$ZRODLA/build-fuzz}"
CEL="${3:-projekt}"
case "$CEL" in
  projekt) KORPUS="$ZRODLA/fuzz/korpus" ;;
  wersja1 | pomiar | ustawienia | prognoza | biblioteka | obraz) KORPUS="$ZRODLA/fuzz/korpus_$CEL" ;;
  *) echo "unknown target $CEL" >&2; exit 2 ;;
esac

# The corpus grows in the build folder; the seeds in the repository stay as
# they are. Qt keeps a few allocations for the life of the process: leaks are
# not looked for inside it.
cd "$WYJSCIE"
mkdir -p "korpus_$CEL"
printf 'leak:libQt6\nleak:libfontconfig\nleak:libglib\n' > lsan.supp
QT_QPA_PLATFORM=offscreen LSAN_OPTIONS=suppressions=lsan.supp \
UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
ASAN_OPTIONS=detect_leaks=1 \
  "./fuzz_$CEL" -max_total_time="$SEKUNDY" -timeout=10 -rss_limit_mb=2048 -max_len=200000 \
  -print_final_stats=1 "korpus_$CEL" "$KORPUS"
