#!/usr/bin/env bash
# Builds the benchmarks in Release, runs each goal's benchmark with its
# anchor in one run and prints one line per goal:
#   <goal name> <measured ratio> <goal ratio>
# the redraw goals as screen frames of 1/60 s. Medians of REPETITIONS runs
# (5 unless set). A measurement, not a test: it never fails on a ratio.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh testy
cmake -S . -B build-bench -DCMAKE_BUILD_TYPE=Release -DKARTOGRAM_BENCH=ON -DKARTOGRAM_TESTS=OFF >/dev/null
cmake --build build-bench -j"$(nproc)" --target kartogram_bench >/dev/null

# BENCH_JSON=<file> keeps the benchmarks' own results there.
if [ -n "${BENCH_JSON:-}" ]; then
  WYNIK=$BENCH_JSON
else
  WYNIK=$(mktemp)
  trap 'rm -f "$WYNIK"' EXIT
fi
FILTR='BM_Otwarcie/|BM_OtwarcieUtf8/|BM_LiczenieLinii/|BM_Zapis/|BM_SurowyZapis|BM_EksportDxf$|BM_WydrukPdf|BM_CzteryPrzerysowania'
FILTR+='|BM_ZmianaIPrzerysowanie/|BM_Przerysuj400Calosc|BM_Przerysuj1600Calosc|BM_SuwakIPrzerysowanie/400'
FILTR+='|BM_LiczenieLiniiPomiaru|BM_LiczenieLiniiPrognozy|BM_LiczenieLiniiUstawien|BM_LiczenieLiniiBiblioteki'
FILTR+='|BM_CzytaniePomiaru|BM_CzytaniePrognozy|BM_CzytanieUstawien|BM_CzytanieBiblioteki'
(cd build-bench && QT_QPA_PLATFORM=offscreen ./kartogram_bench --benchmark_filter="$FILTR" \
    --benchmark_repetitions="${REPETITIONS:-5}" --benchmark_report_aggregates_only=true \
    --benchmark_format=json --benchmark_out="$WYNIK" --benchmark_out_format=json >/dev/null)

python3 - "$WYNIK" <<'EOF'
import json, sys

mediany = {}
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    if b.get("aggregate_name") == "median":
        mediany[b["run_name"]] = b

def czas(nazwa):  # seconds
    b = mediany[nazwa]
    return b["real_time"] * {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[b["time_unit"]]

KLATKA = 1.0 / 60.0
cele = [
    ("otwarcie_4MB", czas("BM_Otwarcie/4") / czas("BM_LiczenieLinii/4"), 3),
    ("otwarcie_4MB_pamiec", mediany["BM_Otwarcie/4"]["pamiec_do_pliku"], 3),
    ("otwarcie_40MB", czas("BM_Otwarcie/40") / czas("BM_LiczenieLinii/40"), 3),
    ("otwarcie_40MB_pamiec", mediany["BM_Otwarcie/40"]["pamiec_do_pliku"], 3),
    ("otwarcie_40MB_utf8_do_cp1250", czas("BM_OtwarcieUtf8/40") / czas("BM_Otwarcie/40"), 2),
    ("otwarcie_40MB_utf8_pamiec", mediany["BM_OtwarcieUtf8/40"]["pamiec_do_pliku"], 3),
    ("zapis_4MB", czas("BM_Zapis/4") / czas("BM_SurowyZapis/4"), 3),
    ("zapis_40MB", czas("BM_Zapis/40") / czas("BM_SurowyZapis/40"), 3),
    ("eksport_dxf", czas("BM_EksportDxf") / czas("BM_SurowyZapisDxf"), 3),
    ("wydruk_pdf_4x100", czas("BM_WydrukPdf") / czas("BM_CzteryPrzerysowania"), 5),
    ("przeliczenie_400_do_100", czas("BM_ZmianaIPrzerysowanie/400") / czas("BM_ZmianaIPrzerysowanie/100"), 4.5),
    ("przeliczenie_1600_do_400", czas("BM_ZmianaIPrzerysowanie/1600") / czas("BM_ZmianaIPrzerysowanie/400"), 4.5),
    ("przerysowanie_400_klatki", czas("BM_Przerysuj400Calosc") / KLATKA, 1),
    ("przerysowanie_1600_klatki", czas("BM_Przerysuj1600Calosc") / KLATKA, 2),
    ("suwak_400_klatki", czas("BM_SuwakIPrzerysowanie/400") / KLATKA, 1),
    ("zmiana_400_klatki", czas("BM_ZmianaIPrzerysowanie/400") / KLATKA, 1),
    ("pomiar_100MB_pustych", czas("BM_CzytaniePomiaru") / czas("BM_LiczenieLiniiPomiaru"), 10),
    ("prognoza_100MB_pustych", czas("BM_CzytaniePrognozy") / czas("BM_LiczenieLiniiPrognozy"), 10),
    ("ustawienia_100MB_pustych", czas("BM_CzytanieUstawien") / czas("BM_LiczenieLiniiUstawien"), 10),
    ("biblioteka_200MB_sekundy", czas("BM_CzytanieBiblioteki"), 1),
    ("biblioteka_200MB_pamiec", mediany["BM_CzytanieBiblioteki"]["pamiec_do_pliku"], 3),
]
for nazwa, zmierzony, cel in cele:
    print(f"{nazwa} {zmierzony:.2f} {cel}")
EOF
