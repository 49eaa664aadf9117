#pragma once
// What the drawing tests of junction diagrams share: a one-node project with
// one diagram, a stroke font of known widths, look-ups in the recorded DXF
// entities, and a DXF file read back by a real DXF reader (ezdxf under
// Debian's own Python).

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "drawing/Nagrywanie.h"
#include "drawing/Tekst.h"
#include "drawing/Wyjscie.h"
#include "junction/ObliczRuchoplan.h"
#include "model/Projekt.h"

namespace rysuj_test {

// Every glyph advances 50 units (a text is 0.6 x its character width per
// character) and has two strokes, so widths are easy to work by hand.
inline void UstawCzcionkeTestowa()
{
    for (int c = 0; c < 256; ++c) {
        DaneZnak z;
        z.Szerokosc = 50.0f;
        if (c > 32) {
            z.LiczbaKresek = 2;
            z.KreskaX1 = {5, 5};
            z.KreskaY1 = {0, 40};
            z.KreskaX2 = {40, 40};
            z.KreskaY2 = {80, 40};
        }
        Czcionka[static_cast<std::size_t>(c)] = z;
    }
}

inline void TylkoDxf()
{
    WyjscieEkran = false;
    WyjscieDrukarka = false;
    WyjscieDxf = true;
}

// What the recording DXF receiver got: entities of a type, texts (of a
// layer), a text by its content, a line by its ends.
inline std::vector<const EncjaDxf*> Encje(const Nagrywanie& n, EncjaDxf::Typ typ)
{
    std::vector<const EncjaDxf*> w;
    for (const auto& e : n.dxf.encje)
        if (e.typ == typ)
            w.push_back(&e);
    return w;
}
inline std::vector<std::string> Teksty(const Nagrywanie& n, const std::string& warstwa = "")
{
    std::vector<std::string> w;
    for (const auto* e : Encje(n, EncjaDxf::Typ::Tekst))
        if (warstwa.empty() || e->warstwa == warstwa)
            w.push_back(e->tekst);
    return w;
}
inline const EncjaDxf* ZnajdzTekst(const Nagrywanie& n, const std::string& t)
{
    for (const auto* e : Encje(n, EncjaDxf::Typ::Tekst))
        if (e->tekst == t)
            return e;
    return nullptr;
}
inline bool JestLinia(const Nagrywanie& n, double x1, double y1, double x2, double y2)
{
    auto b = [](double a, double c) { return std::abs(a - c) < 1e-4; };
    for (const auto* e : Encje(n, EncjaDxf::Typ::Linia))
        if (b(e->x1, x1) && b(e->y1, y1) && b(e->x2, x2) && b(e->y2, y2))
            return true;
    return false;
}

// A new project with one junction node at (20, 30), one variant and its
// diagram, geometry entered and every arm straight (angles 0).
class ProjektJednegoWezla : public ::testing::Test {
protected:
    void SetUp() override
    {
        czcionka_ = Czcionka;
        UstawCzcionkeTestowa();
        NowyProjekt();
        Wezly.push_back(NowyWezel(20.0, 30.0, "W1", 'J'));
        DaneWariant w;
        w.Nazwa = "Wariant 1";
        Warianty.push_back(w);
        Ruchoplany.emplace_back();
        UstawDomyslnyRuchoplan(0, 0, 0);
        Ruchoplany[0].NrWezla = 0;
        Ruchoplany[0].NrWariantu = 0;
        Ruchoplany[0].GeometriaWprowadzona = 1;
        BiezacyWariant = 0;
        // Bands of 0.01 cm per vehicle, whatever the volumes.
        wg.SkalaPaskowAuto = 0;
        wg.SkalaPaskowMax = 0;
        wg.SkalaPaskow100 = 1;
        wg.Pojazd100 = 1.0f;
        wg.Rysuj0Natezenia = 0;
        wg.TylkoSuma = 0;   // a new project keeps it from the one before
        TekstTT = false;
    }
    void TearDown() override
    {
        NowyProjekt();
        wg.TylkoSuma = 0;
        Czcionka = czcionka_;
    }

    DaneRuchoplan& R() { return Ruchoplany[0]; }
    void Ustaw(int z, int do_, int32_t v) { R().Natezenia[static_cast<std::size_t>(4 * (z - 1) + (do_ - 1))] = v; }
    void Oblicz()
    {
        R().Obliczony = 0;
        ObliczRuchoplan(0);
    }

private:
    TablicaZnakow czcionka_{};
};

// One entity as the DXF reader gives it back.
struct Encja {
    std::string typ;
    std::string warstwa;
    int kolor = 0;
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;   // LINE ends; TEXT anchor, ARC centre in x1, y1
    double obrot = 0;                        // TEXT
    double r = 0, k0 = 0, k1 = 0;            // ARC
    std::string tekst;                       // TEXT, UTF-8
};

inline constexpr const char* Python = "/usr/bin/python3";

// Whether Debian's Python with ezdxf (python3-ezdxf) is there.
inline bool CzytnikDxfDostepny()
{
    return std::filesystem::exists(Python) &&
           std::system((std::string(Python) + " -c 'import ezdxf' 2>/dev/null").c_str()) == 0;
}

// A file kept in the build folder's artefakty/ for a person to open.
inline std::string Artefakt(const std::string& nazwa)
{
    const std::string katalog = std::string(KG_BUILD_DIR) + "/artefakty";
    std::filesystem::create_directories(katalog);
    return katalog + "/" + nazwa;
}

// Reads a DXF file with ezdxf and returns its entities; a file the reader
// refuses or finds faults in fails the test.
inline std::vector<Encja> CzytajDxf(const std::string& plik)
{
    // Tests run side by side: each process writes the script under its own
    // name and renames it into place, so none reads a half-written one (the
    // drawing tests' reader, another script, has a name of its own).
    const std::string skrypt = Artefakt("czytaj_dxf_ruchoplan.py");
    const std::string pisany = skrypt + "." + std::to_string(getpid());
    std::ofstream(pisany) << "import sys, ezdxf\n"
                             "doc = ezdxf.readfile(sys.argv[1], encoding='cp1250')\n"
                             "for e in doc.modelspace():\n"
                             "    t = e.dxftype(); d = e.dxf; s = ''\n"
                             "    if t == 'LINE': v = [d.start.x, d.start.y, d.end.x, d.end.y]\n"
                             "    elif t == 'TEXT': v = [d.insert.x, d.insert.y, d.rotation]; s = d.text.encode().hex()\n"
                             "    elif t == 'ARC': v = [d.center.x, d.center.y, d.radius, d.start_angle, d.end_angle]\n"
                             "    else: print('OTHER', t); continue\n"
                             "    print(t, d.layer, d.color, 'x' + s, *map(repr, v))\n"
                             "print('AUDIT', len(doc.audit().errors))\n";
    std::filesystem::rename(pisany, skrypt);
    FILE* p = popen((std::string(Python) + " " + skrypt + " '" + plik + "' 2>&1").c_str(), "r");
    if (!p) {
        ADD_FAILURE() << "nie można uruchomić czytnika DXF";
        return {};
    }
    std::string wyjscie;
    char bufor[4096];
    while (std::fgets(bufor, sizeof bufor, p))
        wyjscie += bufor;
    EXPECT_EQ(pclose(p), 0) << wyjscie;
    std::vector<Encja> wynik;
    std::istringstream linie(wyjscie);
    for (std::string linia; std::getline(linie, linia);) {
        std::istringstream l(linia);
        Encja e;
        std::string hex;
        double v[5] = {};
        l >> e.typ >> e.warstwa >> e.kolor >> hex >> v[0] >> v[1] >> v[2] >> v[3] >> v[4];
        if (e.typ == "AUDIT") {
            EXPECT_EQ(e.warstwa, "0") << "błędy audytu pliku " << plik;
            continue;
        }
        for (std::size_t i = 1; i + 1 < hex.size(); i += 2)
            e.tekst += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
        e.x1 = v[0];
        e.y1 = v[1];
        if (e.typ == "LINE") {
            e.x2 = v[2];
            e.y2 = v[3];
        } else if (e.typ == "TEXT") {
            e.obrot = v[2];
        } else if (e.typ == "ARC") {
            e.r = v[2];
            e.k0 = v[3];
            e.k1 = v[4];
        } else {
            ADD_FAILURE() << "nieoczekiwana encja: " << linia;
            continue;
        }
        wynik.push_back(e);
    }
    return wynik;
}

} // namespace rysuj_test
