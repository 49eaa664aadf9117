#include "pomoc.h"

#include "drawing/Wyjscie.h"
#include "shell/Podglad.h"

#include <fstream>
#include <sstream>

void ZbudujProjekt(int wezlow, int wariantow)
{
    NowyProjekt();
    for (int w = 0; w < wezlow; ++w)
        ASSERT_EQ(DodajWezel(3.0 + 6.0 * (w % 3), 5.0 + 8.0 * (w / 3), "Wezel " + std::to_string(w + 1), 'J'), "");
    for (int v = 0; v < wariantow; ++v)
        ASSERT_EQ(DodajWariant("Wariant " + std::to_string(v + 1), "Tytul", "", "", 0.0f, 0.0f, 'L'), "");
    for (DaneRuchoplan& r : Ruchoplany) {
        r.GeometriaWprowadzona = 1;
        for (int k = 0; k < 16; ++k)
            r.Natezenia[k] = (k % 5 == 0) ? 0 : 50 + 10 * k + 100 * r.NrWariantu + r.NrWezla;
    }
    BiezacyWariant = wariantow > 0 ? 0 : -1;
    OdswiezListeWariantow();
    if (wariantow > 0)
        Form1->UstawTekstWariantu("1. Wariant 1");
    ProjektZmieniony = true;
}

void DefiniujBlokiTloIWierzch()
{
    LinieBlokow = {"L(0,0)-(4,0)", "P(0,0)-(2,2),K(255,0,0),GR(3)", "T(1,1,'Blok tekstu',0.5,0.4,30)",
                   "LUK(0,0,3,0,90),K(0,0,255)"};
    DefinicjeBlokow.assign(2, {});
    DefinicjeBlokow[0].Nazwa = "Tlo";
    DefinicjeBlokow[0].Start = 0;
    DefinicjeBlokow[0].Koniec = 2;
    DefinicjeBlokow[1].Nazwa = "Wierzch";
    DefinicjeBlokow[1].Start = 3;
    DefinicjeBlokow[1].Koniec = 3;
}

void ZbudujArkuszMieszany()
{
    ZbudujProjekt(45, 2);
    for (int k = 0; k < 10; ++k)
        ASSERT_EQ(DodajWezel(3.0 + 4.0 * k, 128.0, "Rondo " + std::to_string(k + 1), 'R'), "");
    for (DaneRondo& r : Ronda) {
        r.GeometriaWprowadzona = 1;
        r.Ramie = {1, 1, 1, 1, 0};
        r.LiczbaRamion = 4;
        r.Kat[3] = static_cast<float>(1.5 * 3.141592653589793);
        r.SumaWlotuRel = {};
        r.SumaWylotuRel = {};
        for (int i = 0; i < 4; ++i)
            for (int j = 0; j < 4; ++j) {
                r.Macierz[i][j] = i == j ? 0 : 30 + 11 * (4 * i + j) + r.NrWezla;
                r.SumaWlotuRel[i] += r.Macierz[i][j];
                r.SumaWylotuRel[j] += r.Macierz[i][j];
            }
        r.NatezeniaPrzejsc[0][0] = {20, 25};
    }
    DefiniujBlokiTloIWierzch();
    Bloki.assign(6, {});
    for (int b = 0; b < 6; ++b) {
        Bloki[b].Nazwa = b % 2 ? "Wierzch" : "Tlo";
        Bloki[b].Nad = b % 2;
        Bloki[b].X = 2.0f + 3.0f * b;
        Bloki[b].Y = 10.0f + 21.0f * b;  // across the bands
        Bloki[b].Wariant = b < 3 ? -1 : 0;
    }
    Opisy.assign(3, {});
    for (int o = 0; o < 3; ++o) {
        Opisy[o].Tekst = "Opis " + std::to_string(o + 1) + " na styku pasow";
        Opisy[o].X = 1.0f + 5.0f * o;
        Opisy[o].Y = 30.0f + 40.0f * o;
        Opisy[o].Wariant = -1;
    }
    wg.ArkuszB = 42.0f;
    wg.ArkuszH = 132.0f;
    wg.Siatka = 1;
    wg.LegendaPrzejsc = 1;
    wg.LegendaPrzejscX = 30.0f;
    wg.LegendaPrzejscY = 60.0f;
    wg.Struktura = 1;
    wg.LegendaStrukturyX = 30.0f;
    wg.LegendaStrukturyY = 90.0f;
}

std::string CzytajPlik(const std::string& sciezka)
{
    std::ifstream plik(SciezkaSystemowa(sciezka), std::ios::binary);
    std::stringstream s;
    s << plik.rdbuf();
    return s.str();
}

void Najedz(double x, double y) { Form1->PodgladMouseMove(CmNaEkranX(x), CmNaEkranY(y)); }

void Klik(double x, double y)
{
    Najedz(x, y);
    Form1->PodgladMouseDown(Qt::LeftButton, CmNaEkranX(x), CmNaEkranY(y));
    Form1->PodgladMouseUp(Qt::LeftButton, CmNaEkranX(x), CmNaEkranY(y));
}

std::vector<std::string> Napisy()
{
    std::vector<std::string> t;
    for (const ElementNakladki& e : Form1->Podglad->Nakladka())
        if (e.rodzaj == ElementNakladki::Rodzaj::Tekst)
            t.push_back(e.tekst.toStdString());
    return t;
}

int StronyPdf(const std::string& pdf)
{
    const std::string t = CzytajPlik(pdf);
    int strony = 0;
    for (std::size_t i = t.find("/Type /Page"); i != std::string::npos; i = t.find("/Type /Page", i + 1))
        strony += t.compare(i, 12, "/Type /Pages") != 0;
    return strony;
}
