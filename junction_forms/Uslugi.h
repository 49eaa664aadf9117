#pragma once
// What the junction and roundabout data windows ask of the rest of the program: the redraw,
// the count browser and count files, the forecast table, the report window
// and the shared question. The shell installs them at start; unset, each
// does nothing (a question answers "Nie").

#include <QString>
#include <array>
#include <functional>
#include <string>
#include <vector>

#include "base/Typy.h"
#include "model/Pomiar.h"

struct WynikPrognozy {
    bool PrognozaZmieniona = false;  // the copy was changed
    bool PomiarPrzelaczony = false;  // the volumes are to be recomputed
};

struct UslugiFormularzy {
    std::function<void()> Przerysuj;
    // The redraw after a change of one diagram alone: a junction diagram's
    // record, or with `rondo` a roundabout's, stored over the project of
    // revision `rewizjaPrzedZapisem`.
    std::function<void(int32_t rekord, bool rondo, uint64_t rewizjaPrzedZapisem)> PrzerysujDiagram;
    // The count browser on junction counts, or on roundabout counts when
    // `rondo`; the chosen count read over `kopia`. False when nothing was
    // chosen or the file was refused.
    std::function<bool(DanePomiar& kopia, bool rondo)> WybierzPomiar;
    // The last-edit stamp of a count file's header; false when unreadable.
    std::function<bool(const std::string& sciezka, TDataCzas& data, TDataCzas& godz)> StempelPomiaru;
    // The whole count file over `kopia`; false with the reader's message.
    std::function<bool(const std::string& sciezka, DanePomiar& kopia, std::string& blad)> CzytajPomiar;
    // The forecast table on `kopia`, for the count's classes and the arm marks
    // of the diagram: a junction's ('J', arms 1..4, the fifth empty) or a
    // roundabout's ('R', arms 1..5).
    std::function<WynikPrognozy(DanePrognoza& kopia, const DanePomiar& pomiar,
                                const std::array<std::string, 5>& oznaczenia, char typ)>
        EdytujPrognoze;
    std::function<void(const std::vector<std::string>& linie)> PokazRaport;
    // The shared question window without "Kasuj": true for "Tak".
    std::function<bool(const QString& pytanie)> ZapytajTakNie;
};

UslugiFormularzy& Uslugi();

// Each service, or its do-nothing stand-in.
void PrzerysujArkusz();
// Without its own service, the full redraw.
void PrzerysujDiagram(int32_t rekord, bool rondo, uint64_t rewizjaPrzedZapisem);
bool ZapytajTakNie(const QString& pytanie);
