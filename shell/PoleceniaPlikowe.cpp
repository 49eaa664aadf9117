// The project-file commands: new, open, open a recent project, save, save as,
// and the unsaved-changes question that guards new, open and closing.
//
// Where the user answers "Tak" to saving but then cancels the save dialog or
// refuses to overwrite, or the save fails, the command is cancelled: unsaved
// changes are never discarded after the user asked to keep them.
#include <QPushButton>

#include "model/PlikProjektu.h"
#include "model/Projekt.h"
#include "platform/KatalogProgramu.h"
#include "platform/qt/Kodowanie_qt.h"
#include "shell/Dialogi.h"
#include "shell/PytanieTakNieKasuj.h"
#include "shell/TForm1.h"

namespace {

const char* const PytanieNiezapisane = "Dane niezapisane. ZAPISAĆ?";
const char* const BrakDanych = "Projekt musi zawierać min. 1 węzeł i 1 wariant!";

} // namespace

bool TForm1::SprawdzWezlyIWarianty()
{
    if (LiczbaWezlow() >= 1 && LiczbaWariantow() >= 1)
        return true;
    PokazKomunikat(U(BrakDanych));
    return false;
}

bool TForm1::NadpisanieDozwolone(const std::filesystem::path& sciezka, bool zKasuj)
{
    return !PlikIstnieje(sciezka) ||
           PytanieTakNieKasuj->Zapytaj(U("Plik Istnieje. Nadpisać?"), zKasuj) == TPytanieTakNieKasuj::mrTak;
}

bool TForm1::ZapiszPrzedPorzuceniem(bool zamykanie)
{
    // A project with a file is written where it came from.
    if (ProjektMaPlik())
        return ZapiszProjekt(Sciezka());
    // On closing the dialog keeps the folder it showed last.
    if (!zamykanie)
        SaveDialog1.KatalogPoczatkowy = KatalogPoczatkowyDialogu();
    SaveDialog1.NazwaPliku.clear();
    if (!SaveDialog1.Execute(this))
        return false;
    if (!NadpisanieDozwolone(SaveDialog1.NazwaPliku, true))
        return false;
    KatalogProjektow = KatalogPliku(SaveDialog1.NazwaPliku);
    return ZapiszProjekt(SaveDialog1.NazwaPliku);
}

bool TForm1::PytanieONiezapisanych(bool zamykanie)
{
    if (!ProjektZmieniony)
        return true;
    switch (PytanieTakNieKasuj->Zapytaj(U(PytanieNiezapisane), true)) {
    case TPytanieTakNieKasuj::mrTak:
        return ZapiszPrzedPorzuceniem(zamykanie);
    case TPytanieTakNieKasuj::mrNie:
        return true;
    default:
        return false;
    }
}

void TForm1::BNowyClick()
{
    if (!PytanieONiezapisanych(false))
        return;
    NowyProjekt();
    // Whatever was answered, the new project is unchanged; the grid box
    // shows the step it snaps to.
    ProjektZmieniony = false;
    PokazSiatke();
    Przerysuj();
}

// Opens a file in place of the current project. A file that does not load
// leaves the current project as it was, never a half-read or an empty one.
bool TForm1::WczytajProjekt(const std::string& sciezka)
{
    if (!OtworzProjekt(sciezka))
        return false;
    Przerysuj();
    return true;
}

void TForm1::BOtworzClick()
{
    if (!PytanieONiezapisanych(false))
        return;
    const std::filesystem::path katalog = KatalogPoczatkowyDialogu();
    OpenDialog1.KatalogPoczatkowy = katalog.empty() ? KatalogPrzyklady() / "" : katalog;
    if (!OpenDialog1.Execute(this))
        return;
    const std::string sciezka = OpenDialog1.NazwaPliku;
    if (WczytajProjekt(sciezka)) {
        UstawTytul(sciezka);
        ProjektZmieniony = false;
    }
    KatalogProjektow = KatalogPliku(OpenDialog1.NazwaPliku);
}

void TForm1::OtworzOstatniProjekt(const std::filesystem::path& sciezka)
{
    if (!PlikIstnieje(sciezka)) {
        PokazKomunikat(U(" Plik nie istnieje! "));
        return;
    }
    if (ProjektZmieniony) {
        if (sciezka == Sciezka()) {
            if (PytanieTakNieKasuj->Zapytaj(U("Czy przywrócić POPRZEDNIĄ WERSJĘ projektu?"),
                                            !PytanieTakNieKasuj->B_Kasuj->isHidden()) != TPytanieTakNieKasuj::mrTak)
                return;
        } else if (!PytanieONiezapisanych(false)) {
            return;
        }
    }
    WczytajProjekt(sciezka);
}

void TForm1::TB_ZapiszClick()
{
    if (!SprawdzWezlyIWarianty())
        return;
    if (Sciezka() != "...") {
        ZapiszProjekt(Sciezka());
        return;
    }
    ZapiszPodWybranaNazwa();
}

void TForm1::M_ZapiszjakoClick()
{
    if (!SprawdzWezlyIWarianty())
        return;
    ZapiszPodWybranaNazwa();
}

void TForm1::ZapiszPodWybranaNazwa()
{
    SaveDialog1.KatalogPoczatkowy = KatalogPoczatkowyDialogu();
    SaveDialog1.NazwaPliku = SciezkaZQString(NazwaProjektuPokazana());
    if (!SaveDialog1.Execute(this))
        return;
    // The dialog itself asks nothing; an existing file is still not
    // overwritten without the user's word.
    if (!NadpisanieDozwolone(SaveDialog1.NazwaPliku, false))
        return;
    ZapiszProjekt(SaveDialog1.NazwaPliku);
    KatalogProjektow = KatalogPliku(SaveDialog1.NazwaPliku);
}

bool TForm1::FormCloseQuery() { return PytanieONiezapisanych(true); }
