// Every count field of the table of limits through the count window that
// edits it: a value the window takes is one the count file and the project
// file give back; a value it refuses leaves the count as it was, with a
// message.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <fstream>
#include <functional>

#include "counts/PlikiPomiarow.h"
#include "model/PlikProjektu.h"
#include "model/Sekcje.h"
#include "pomoc.h"
#include "wspolne/proby_granic.h"

namespace {

struct PolePomiaru {
    const char* nazwa;
    const GranicaPola& granica;
    std::function<void()> pokaz;                     // the window filled from the count
    std::function<void(const std::string&)> wpisz;   // the text typed into the field
    std::function<void()> zatwierdz;                 // the window's "Wprowadź"
};

class GranicePomiaru : public OknaPomiarowTest {
protected:
    std::string Plik(const char* nazwa) const { return ZQString(katalog.path()) + "/" + nazwa; }

    // The count as its file holds it.
    std::string Zapisany(const DanePomiar& p)
    {
        std::string blad;
        EXPECT_TRUE(ZapiszPlikPomiaru(Plik("proba.pom"), p, blad)) << blad;
        std::ifstream f(Plik("proba.pom"), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }

    // A count the windows stored: its file reads back, and a project that
    // holds it passes the project's checks and opens again.
    void OtwieraSie()
    {
        Zapisany(BiezacyPomiar);
        DanePomiar odczytany;
        std::string blad;
        ASSERT_TRUE(CzytajPlikPomiaru(Plik("proba.pom"), odczytany, blad)) << Cp1250NaUtf8(blad);
        Projekt p;
        p.Pomiary = {odczytany};
        EXPECT_EQ(Cp1250NaUtf8(SprawdzDiagramy(p)), "");
        std::ofstream(Plik("proba.rup"), std::ios::binary) << TrescProjektu(p);
        Projekt ponownie;
        EXPECT_TRUE(CzytajProjekt(Plik("proba.rup"), ponownie, blad)) << Cp1250NaUtf8(blad);
    }

    void Sprawdz(const PolePomiaru& pole)
    {
        const DanePomiar baza = BiezacyPomiar;
        const std::string plikBazy = Zapisany(baza);
        int przyjetych = 0;
        for (const std::string& tekst : Proby(pole.granica)) {
            SCOPED_TRACE(std::string(pole.nazwa) + " = \"" + tekst + "\"");
            BiezacyPomiar = baza;
            pole.pokaz();
            pole.wpisz(tekst);
            const std::size_t przed = dialogi.Teksty().size();
            pole.zatwierdz();
            double x = 0.0;
            std::string k;
            if (!CzytajWartosc(pole.granica, tekst, x, k)) {
                EXPECT_GT(dialogi.Teksty().size(), przed) << "refused with a message";
                EXPECT_EQ(Zapisany(BiezacyPomiar), plikBazy) << "nothing stored";
                continue;
            }
            OtwieraSie();
            ++przyjetych;
        }
        EXPECT_GT(przyjetych, 0) << pole.nazwa;
        BiezacyPomiar = baza;
    }
};

TEST_F(GranicePomiaru, NatezeniaPrzejsciaIWspolczynniki)
{
    ASSERT_EQ(UstawDomyslnyPomiar(BiezacyPomiar), "");
    TNatezeniaTabela& t = *NatezeniaTabela;
    TPojazdyTabela& k = *PojazdyTabela;
    auto pokazWlot = [&t] {
        t.L_NrWlot->setText("2");
        t.PokazTabele();
    };
    auto wprowadzWlot = [&t] { t.B_WprowadzClick(); };
    for (const PolePomiaru& pole : std::initializer_list<PolePomiaru>{
             {"natężenie (3,4)", granice::Natezenie, pokazWlot,
              [&t](const std::string& s) { t.SG_Tabela->UstawKomorke(3, 4, s); }, wprowadzWlot},
             {"przejście E_Przej21", granice::Natezenie, pokazWlot,
              [&t](const std::string& s) { t.E_Przej[2]->setText(NaQString(s)); }, wprowadzWlot},
             {"współczynnik klasy 3", granice::Wspolczynnik, [&k] { k.PokazUstawienia(); },
              [&k](const std::string& s) { k.SG_Tabela->UstawKomorke(3, 3, s); }, [&k] { k.B_WprowadzClick(); }},
         })
        Sprawdz(pole);
}

TEST_F(GranicePomiaru, CzasPomiaruPozaTablicaOdrzucony)
{
    ASSERT_EQ(UstawDomyslnyPomiar(BiezacyPomiar), "");
    PomiaryRuchu->E_NazwaWezla->setText("Rondo");
    PomiaryRuchu->E_GodzPomiaru->setText("7:00");
    for (const std::string& tekst : Proby(granice::CzasPomiaru)) {
        PomiaryRuchu->CB_CzasPomiaru->setCurrentText(NaQString(tekst));
        double x = 0.0;
        std::string k;
        // Beyond the table always refused; within it the window keeps a rule
        // of its own (two digits at least).
        if (!CzytajWartosc(granice::CzasPomiaru, tekst, x, k)) {
            EXPECT_FALSE(PomiaryRuchu->SprawdzNaglowekPomiaru().ok) << tekst;
        }
    }
}

}  // namespace
