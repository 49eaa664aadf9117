#!/usr/bin/env bash
# Renews the pictures of the manual in docs/ (the main window with a project
# and the volumes window, on a 1366 x 768 screen) from a built tree.
set -euo pipefail
KATALOG="$(cd "$(dirname "$0")/.." && pwd)"
BUDOWA="${1:-$KATALOG/build}"
KG_ZRZUTY="$KATALOG/docs" QT_QPA_PLATFORM=offscreen \
    "$BUDOWA/test_ekran" --gtest_filter='Zrzuty.*'
# The screen with its windows framed by a window manager (a virtual display
# with jwm), into docs/zrzuty/.
KG_ZRZUTY="$KATALOG/docs/zrzuty" bash "$KATALOG/tests/ekran/x11.sh" "$BUDOWA/test_ekran" --gtest_filter='EkranX11.Zrzuty'
