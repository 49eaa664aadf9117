#pragma once
// The text reports of a junction or roundabout count, laid out for a fixed-pitch font:
// lines of Windows-1250 text for the report window.

#include <array>
#include <string>
#include <vector>

#include "model/Potoki.h"
#include "model/Pomiar.h"
#include "base/Typy.h"

// The labels of the diagram's arms 1..4 (1 south, 2 east, 3 north, 4 west);
// count inlet i is headed by the label of the arm it feeds.
using TOznaczeniaRamion = std::array<std::string, 4>;

// The head of every report: an empty line, "dn. <date>;   godz.<time>",
// "Plik: <project>" and an empty line.
std::vector<std::string> PoczatekRaportu(TDataCzas dzis, TDataCzas teraz, const std::string& plikProjektu);

// The counted numbers of each present inlet, per class and movement.
std::vector<std::string> RaportPomiaru(const DanePomiar& p, const TOznaczeniaRamion& ramiona);
// The counted numbers weighted by the factors and raised by the forecast.
std::vector<std::string> RaportNatezen(const DanePomiar& p, const DaneWspolczynniki& wsp, const DanePrognoza& prognoza,
                                       bool prognozaWlaczona, const TOznaczeniaRamion& ramiona);
std::vector<std::string> RaportPrognozy(const DanePomiar& p, const DanePrognoza& prognoza,
                                        const TOznaczeniaRamion& ramiona);
std::vector<std::string> RaportWspolczynnikow(const DanePomiar& p, const DaneWspolczynniki& wsp);

// The same reports of a roundabout count: inlets and exits 1..MaxJest, each
// headed by its arm's letter (arms 1..5).
using TOznaczeniaRonda = std::array<std::string, 5>;
std::vector<std::string> RaportPomiaruRonda(const DanePomiar& p, const TOznaczeniaRonda& ramiona);
std::vector<std::string> RaportNatezenRonda(const DanePomiar& p, const DaneWspolczynniki& wsp,
                                            const DanePrognoza& prognoza, bool prognozaWlaczona,
                                            const TOznaczeniaRonda& ramiona);
std::vector<std::string> RaportPrognozyRonda(const DanePomiar& p, const DanePrognoza& prognoza,
                                             const TOznaczeniaRonda& ramiona);

// The inlets of a roundabout count, 0..5 whatever the file says.
inline int WlotyRonda(const DanePomiar& p) { return p.MaxJest < 0 ? 0 : p.MaxJest > 5 ? 5 : p.MaxJest; }

// The diagram arm (1..4) that count inlet `wlot` (1..4) feeds.
constexpr int RamieWlotu(int wlot) { return wlot == 4 ? 1 : wlot + 1; }
