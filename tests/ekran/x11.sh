#!/usr/bin/env bash
# Runs the tests that need a window manager (EkranX11.*) on a virtual X
# display of 1366 x 768 with jwm; exit 77 (skipped) where xvfb-run or
# jwm is missing. KG_ZRZUTY, when set, names the folder of the pictures.
#   x11.sh <test_ekran> [gtest arguments]
set -euo pipefail
if [ "${1:-}" != "--na-ekranie" ]; then
  command -v xvfb-run >/dev/null && command -v jwm >/dev/null || { echo "brak xvfb-run lub jwm"; exit 77; }
  exec xvfb-run -a -s "-screen 0 1366x768x24" bash "$0" --na-ekranie "$@"
fi
shift
PROGRAM="$1"
shift
jwm >/dev/null 2>&1 &
OKNA=$!
trap 'kill "$OKNA" 2>/dev/null || true' EXIT
# The window manager takes the display before the first window shows.
if command -v xprop >/dev/null; then
  for _ in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
  done
else
  sleep 1
fi
QT_QPA_PLATFORM=xcb "$PROGRAM" --gtest_filter='EkranX11.*' "$@"
