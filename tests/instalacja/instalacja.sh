#!/usr/bin/env bash
# Installs the built program into a temporary prefix, makes its program
# folder read-only, starts it offscreen from another folder as a user whose
# data folder is new, and checks what lies where; then the program's own code
# opens the examples, lists the blocks and the counts, reads a forecast, the
# class settings, finds the manual and saves a count there (test_shell). Done
# twice: a prefix and a home with Polish letters, then with letters
# Windows-1250 lacks; each home has a "\" in its name.
# Arguments: the build folder.
set -euo pipefail
build=$(cd "$1" && pwd)
tmp=$(mktemp -d)
trap 'chmod -R u+w "$tmp"; rm -rf "$tmp"' EXIT

blad() { echo "BŁĄD: $*" >&2; exit 1; }

# Arguments: the prefix's folder and the user's home, below $tmp.
sprawdz() {
  prefix=$tmp/$1/usr
  program=$prefix/lib/kartogram
  dom=$tmp/$2

  cmake --install "$build" --prefix "$prefix" >/dev/null

  for f in kartogram Dane/Roman100.Lzs Dane/grecki100.Lzs Dane/strzalki1.jpg Dane/Bloki/Kartogram.blk \
           Pomiary/Ustawienia/domyslne.upm Instrukcja/Instrukcja.pdf Przyklady/Skrzyzowanie_miejskie.rup \
           Przyklady/Rondo.rup Przyklady/Siec_ul_Dlugiej.rup; do
    [ -f "$program/$f" ] || blad "brak $f w folderze programu"
  done
  [ "$(readlink -f "$prefix/bin/kartogram")" = "$(readlink -f "$program/kartogram")" ] || blad "bin/kartogram"
  for f in share/applications/kartogram.desktop share/mime/packages/kartogram.xml \
           share/icons/hicolor/scalable/apps/kartogram.svg; do
    [ -f "$prefix/$f" ] || blad "brak $f"
  done
  grep -q '^Categories=Graphics;Engineering;$' "$prefix/share/applications/kartogram.desktop" || blad "Categories"
  grep -q 'glob pattern="\*.rup"' "$prefix/share/mime/packages/kartogram.xml" || blad "typ MIME .rup"
  if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/kartogram.desktop"
  fi

  # The installed program, read-only, started from elsewhere, runs until stopped.
  chmod -R a-w "$program"
  inny=$tmp/inny_$2
  mkdir -p "$inny" "$dom"
  (
  cd "$inny"
  export HOME=$dom XDG_DATA_HOME=$dom/dane QT_QPA_PLATFORM=offscreen
  rc=0
  timeout 4 "$prefix/bin/kartogram" || rc=$?
  [ "$rc" -eq 124 ] || blad "program zakończył się kodem $rc"
  dane=$XDG_DATA_HOME/Kartogram
  [ -f "$dane/Pomiary/Ustawienia/domyslne.upm" ] || blad "ustawienia pomiaru nie skopiowane do $dane"
  [ -f "$dane/Przyklady/Rondo.rup" ] || blad "przykłady nie skopiowane do $dane"
  [ -z "$(ls -A "$inny")" ] || blad "program pisał w folderze roboczym"

  KG_ZAINSTALOWANY=$program KG_DANE_UZYTKOWNIKA=$dane "$build/test_shell" \
    --gtest_filter='ProgramTest.ZainstalowanyPiszeDoKataloguUzytkownika' --gtest_brief=1 >"$tmp/wynik.txt" 2>&1 \
    || { cat "$tmp/wynik.txt"; blad "test_shell ($1, $2)"; }
  grep -q "SKIPPED" "$tmp/wynik.txt" && { cat "$tmp/wynik.txt"; blad "test pominięty"; }
  true
  )
}

sprawdz "Programy Łódź" "Użytkownik\\Żółć"
sprawdz "Программы" "Дом\\Пётр"
echo "instalacja: dobrze"
