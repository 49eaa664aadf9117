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
