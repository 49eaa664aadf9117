#include "shell/Okna.h"

#include "model/OknoGlowne.h"
#include "shell/InfoOProgramie.h"
#include "counts/Pytanie.h"
#include "shell/OknaZastepcze.h"
#include "shell/PytanieTakNieKasuj.h"
#include "shell/TForm1.h"
#include "shell/TUstawyGlobalne.h"
#include "shell/TWezlyOperacje.h"
#include "shell/TWrnt.h"

namespace {
template <class T>
void Usun(T*& okno)
{
    delete okno;
    okno = nullptr;
}
} // namespace

void UtworzOkna()
{
    Form1 = new TForm1;
    UstawOkno(Form1);
    DaneRonda = new TDaneRonda(Form1);
    GeometriaRondo = new TGeometriaRondo(Form1);
    NatezeniaRUPL = new TNatezeniaRUPL(Form1);
    GeometriaRuchoplan = new TGeometriaRuchoplan(Form1);
    UstawyGlobalne = new TUstawyGlobalne(Form1);
    WezlyOperacje = new TWezlyOperacje(Form1);
    Wrnt = new TWrnt(Form1);
    UstawSuwak = new TUstawSuwak(Form1);
    WstawBlok = new TWstawBlok(Form1);
    EdycjaOpisy = new TEdycjaOpisy(Form1);
    InfoOProgramie = new TInfoOProgramie(Form1);
    KopiujSchowek = new TKopiujSchowek(Form1);
    PytanieTakNieKasuj = new TPytanieTakNieKasuj(Form1);
    // The count windows ask through the shared question window.
    UstawPytanieOkien([](const QString& pytanie, bool zKasuj) { return PytanieTakNieKasuj->Zapytaj(pytanie, zKasuj); });
    PomiaryRuchu = new TPomiaryRuchu(Form1);
    NatezeniaTabela = new TNatezeniaTabela(Form1);
    PojazdyTabela = new TPojazdyTabela(Form1);
    OpenPomiar = new TOpenPomiar(Form1);
    TabelaPrognoz = new TTabelaPrognoz(Form1);
    Opis = new TOpis(Form1);
}

void ZniszczOkna()
{
    if (!Form1)
        return;
    Form1->FormDestroy();
    UstawPytanieOkien(nullptr);
    UstawOkno(nullptr);
    // The other windows are the main window's children.
    Usun(Form1);
    DaneRonda = nullptr;
    GeometriaRondo = nullptr;
    NatezeniaRUPL = nullptr;
    GeometriaRuchoplan = nullptr;
    UstawyGlobalne = nullptr;
    WezlyOperacje = nullptr;
    Wrnt = nullptr;
    UstawSuwak = nullptr;
    WstawBlok = nullptr;
    EdycjaOpisy = nullptr;
    InfoOProgramie = nullptr;
    KopiujSchowek = nullptr;
    PytanieTakNieKasuj = nullptr;
    PomiaryRuchu = nullptr;
    NatezeniaTabela = nullptr;
    PojazdyTabela = nullptr;
    OpenPomiar = nullptr;
    TabelaPrognoz = nullptr;
    Opis = nullptr;
}
