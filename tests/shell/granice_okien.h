#pragma once
// Every field of the table of limits through a window that edits it: a
// value the window takes is one the saved file gives back; a value it
// refuses leaves the project and its changed flag as they were, with a
// message, and the window open.
#include <QComboBox>
#include <QLineEdit>
#include <functional>
#include <stdexcept>

#include "model/Granice.h"
#include "model/PlikProjektu.h"
#include "pomoc.h"
#include "wspolne/proby_granic.h"

// A window as the test drives it: filled from the project, then committed
// the way its button does.
struct OknoProby {
    const char* nazwa;
    std::function<QWidget*()> okno;
    std::function<void()> wypelnij;
    std::function<void()> zatwierdz;
    // Whether the commit refused; by default a refusal is a message box.
    std::function<bool()> odmowil = nullptr;
};

struct PoleOkna {
    const char* okno;
    const char* pole;  // objectName of the edit, or of the combo box it belongs to
    const GranicaPola& granica;
    // An empty text takes a value of the window's own (a width that follows
    // the height), so it is stored like any number within the limit.
    bool pustyMaWartosc = false;
};

inline QLineEdit* Edycja(QWidget* okno, const char* nazwa)
{
    if (auto* e = okno->findChild<QLineEdit*>(nazwa))
        return e;
    auto* c = okno->findChild<QComboBox*>(nazwa);
    return c ? c->lineEdit() : nullptr;
}

// Equal lines, or the first that differs told.
inline ::testing::AssertionResult TeSameLinie(const std::vector<std::string>& a, const std::vector<std::string>& b)
{
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i])
            return ::testing::AssertionFailure() << "line " << i + 1 << ": \"" << a[i] << "\" instead of \"" << b[i] << "\"";
    if (a.size() != b.size())
        return ::testing::AssertionFailure() << a.size() << " lines instead of " << b.size();
    return ::testing::AssertionSuccess();
}

// A text field of a window and the name its messages give it.
struct TekstOkna {
    const char* okno;
    const char* pole;   // objectName of the edit
    const char* nazwa;  // UTF-8
};

// The numbers the diagram windows type, alike in two projects.
inline bool TaSamaGeometria(const Projekt& a, const Projekt& b)
{
    if (a.Ruchoplany.size() != b.Ruchoplany.size() || a.Ronda.size() != b.Ronda.size())
        return false;
    for (std::size_t i = 0; i < a.Ruchoplany.size(); ++i) {
        const DaneRuchoplan &x = a.Ruchoplany[i], &y = b.Ruchoplany[i];
        if (x.Kat != y.Kat || x.Odsuniecie != y.Odsuniecie || x.Dlugosc != y.Dlugosc || x.DlugoscPom != y.DlugoscPom ||
            x.Zawrotka != y.Zawrotka || x.PromienLewoskretu != y.PromienLewoskretu ||
            x.PromienPrawoskretu != y.PromienPrawoskretu || x.GlobOdsuniecie != y.GlobOdsuniecie ||
            x.GlobDlugosc != y.GlobDlugosc || x.GlobDlugoscPom != y.GlobDlugoscPom || x.GlobZawrotka != y.GlobZawrotka ||
            x.GlobPromienLewoskretu != y.GlobPromienLewoskretu || x.GlobPromienPrawoskretu != y.GlobPromienPrawoskretu ||
            x.TytulDx != y.TytulDx || x.TytulDy != y.TytulDy || x.TytulWysokosc != y.TytulWysokosc)
            return false;
    }
    for (std::size_t i = 0; i < a.Ronda.size(); ++i) {
        const DaneRondo &x = a.Ronda[i], &y = b.Ronda[i];
        if (x.Kat != y.Kat || x.Odsuniecie != y.Odsuniecie || x.Dlugosc != y.Dlugosc || x.DlugoscPom != y.DlugoscPom ||
            x.Promien != y.Promien || x.PromienR != y.PromienR || x.TytulDx != y.TytulDx || x.TytulDy != y.TytulDy ||
            x.TytulH != y.TytulH)
            return false;
    }
    return true;
}

// The driver: `okna` lists the windows the fields belong to.
class GraniceOkienTest : public ProgramTest {
protected:
    std::vector<OknoProby> okna;

    const OknoProby& OknoPola(const PoleOkna& p) const
    {
        for (const OknoProby& o : okna)
            if (std::string_view(o.nazwa) == p.okno)
                return o;
        throw std::logic_error(p.okno);
    }

    void Sprawdz(std::initializer_list<PoleOkna> pola)
    {
        const Projekt baza = BiezacyProjekt;
        const std::vector<std::string> linieBazy = LinieProjektu();
        const std::string plik = Sciezka("proba.rup");
        // An untouched window stores without a word.
        for (const OknoProby& o : okna) {
            o.wypelnij();
            const std::size_t przed = dialogi.Teksty().size();
            o.zatwierdz();
            EXPECT_EQ(dialogi.Teksty().size(), przed) << o.nazwa << ": " << Komunikaty().back();
            BiezacyProjekt = baza;
        }
        for (const PoleOkna& p : pola) {
            const OknoProby& o = OknoPola(p);
            std::vector<std::string> teksty = Proby(p.granica);
            // More decimals than the file keeps, and a value it keeps as 0.
            if (!p.granica.Calkowita())
                teksty.insert(teksty.end(), {"1,23456", "-2.345678", "0,0004"});
            for (const std::string& tekst : teksty) {
                SCOPED_TRACE(std::string(p.okno) + "." + p.pole + " = \"" + tekst + "\"");
                BiezacyProjekt = baza;
                ProjektZmieniony = false;
                o.wypelnij();
                QLineEdit* e = Edycja(o.okno(), p.pole);
                ASSERT_NE(e, nullptr);
                e->setText(NaQString(tekst));
                emit e->textEdited(e->text());
                const std::size_t przed = dialogi.Teksty().size();
                o.zatwierdz();
                // Beyond the table: refused. Within it a window may still
                // refuse by a rule of its own (a length of at least 2 cm);
                // whatever it stores must open again.
                double x = 0.0;
                std::string k;
                if (!(p.pustyMaWartosc && tekst.empty()) && !CzytajWartosc(p.granica, tekst, x, k)) {
                    if (o.odmowil)
                        EXPECT_TRUE(o.odmowil()) << "refused with a message";
                    else
                        EXPECT_GT(dialogi.Teksty().size(), przed) << "refused with a message";
                    EXPECT_TRUE(TeSameLinie(LinieProjektu(), linieBazy)) << "nothing stored";
                    EXPECT_FALSE(ProjektZmieniony) << "nothing marked changed";
                    continue;
                }
                ASSERT_TRUE(ZapiszProjekt(plik));
                Projekt odczytany;
                std::string blad;
                EXPECT_TRUE(CzytajProjekt(plik, odczytany, blad)) << Cp1250NaUtf8(blad);
                // What the window stored is what reopens.
                const Projekt& p0 = BiezacyProjekt;
                EXPECT_TRUE(odczytany.Wezly == p0.Wezly) << "nodes";
                EXPECT_TRUE(odczytany.Warianty == p0.Warianty) << "variants";
                EXPECT_TRUE(odczytany.Opisy == p0.Opisy) << "descriptions";
                EXPECT_TRUE(odczytany.Bloki == p0.Bloki) << "blocks";
                // The band scales are worked out by each redraw, the nodes'
                // least distance set at start; neither is typed nor saved.
                TUstawieniaGlobalne wg = odczytany.wg;
                wg.MinOdlegloscWezlow = p0.wg.MinOdlegloscWezlow;
                wg.SkalaPaskow = p0.wg.SkalaPaskow;
                wg.SkalaPrzejsc = p0.wg.SkalaPrzejsc;
                wg.MaxNatezenie = p0.wg.MaxNatezenie;
                wg.MaxPrzejscie = p0.wg.MaxPrzejscie;
                EXPECT_TRUE(wg == p0.wg) << "settings";
                EXPECT_TRUE(odczytany.RozmiaryLegendy == p0.RozmiaryLegendy) << "label sizes";
                EXPECT_TRUE(odczytany.RozmiaryOpisow == p0.RozmiaryOpisow) << "description sizes";
                EXPECT_TRUE(odczytany.NastawySchowek == p0.NastawySchowek) << "clipboard";
                EXPECT_TRUE(TaSamaGeometria(odczytany, p0)) << "diagram geometry and titles";
            }
        }
        BiezacyProjekt = baza;
    }

    // Every text field typed with characters the project file cannot hold
    // (Cyrillic, an emoji) or holds only as another text ("Ä…", whose bytes
    // read back as the UTF-8 of "ą"): refused naming the field, nothing
    // stored.
    void SprawdzZnaki(std::initializer_list<TekstOkna> pola)
    {
        const Projekt baza = BiezacyProjekt;
        const std::vector<std::string> linieBazy = LinieProjektu();
        // No text field of a record holds more than 255 characters: a longer
        // text is refused whole, never cut by its edit.
        const std::string zaDlugi(256, 'W');
        for (const TekstOkna& p : pola)
            for (const std::string& tekst : {std::string("Київ"), std::string("🙂 Rondo"), std::string("Rondo Ä…"),
                                             std::string("Ĺ›roda"), zaDlugi}) {
                SCOPED_TRACE(std::string(p.okno) + "." + p.pole + " = \"" + tekst.substr(0, 12) + "\"");
                BiezacyProjekt = baza;
                const OknoProby& o = OknoPola({p.okno, p.pole, granice::Wymiar});
                o.wypelnij();
                QLineEdit* e = Edycja(o.okno(), p.pole);
                ASSERT_NE(e, nullptr);
                e->setText(QString::fromStdString(tekst));
                emit e->textEdited(e->text());
                const std::size_t przed = dialogi.Teksty().size();
                o.zatwierdz();
                ASSERT_GT(dialogi.Teksty().size(), przed) << "refused with a message";
                const std::string pole = std::string("Pole „") + p.nazwa + "” ";
                if (tekst == zaDlugi)
                    EXPECT_TRUE(Komunikaty().back().starts_with(pole + "może mieć najwyżej ")) << Komunikaty().back();
                else if (tekst == "Rondo Ä…")
                    EXPECT_EQ(Komunikaty().back(),
                              pole + "zawiera parę znaków, którą plik odczytałby jako jedną literę („Ä…” jako „ą”).");
                else if (tekst == "Ĺ›roda")
                    EXPECT_EQ(Komunikaty().back(),
                              pole + "zawiera parę znaków, którą plik odczytałby jako jedną literę („Ĺ›” jako „ś”).");
                else
                    // The first character without a form, by its code.
                    EXPECT_EQ(Komunikaty().back(), pole + "zawiera znak " + (tekst == "Київ" ? "U+041A" : "U+1F642") +
                                                       ", którego nie można zapisać w pliku (spoza kodowania Windows-1250).");
                EXPECT_TRUE(TeSameLinie(LinieProjektu(), linieBazy)) << "nothing stored";
            }
        BiezacyProjekt = baza;
    }
};
