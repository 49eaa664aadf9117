#include "shell/Okna.h"

#include <QCheckBox>

#include "model/OknoGlowne.h"
#include "shell/InfoOProgramie.h"
#include "counts/PlikiPomiarow.h"
#include "counts/Pytanie.h"
#include "junction_forms/OknaRuchoplanu.h"
#include "platform/qt/Komunikaty.h"
#include "platform/qt/OknoNaEkranie.h"
#include "counts/OknaPomiarow.h"
#include "junction_forms/OknaRuchoplanu.h"
#include "shell/PytanieTakNieKasuj.h"
#include "shell/TEdycjaOpisy.h"
#include "shell/TKopiujSchowek.h"
#include "shell/TForm1.h"
#include "shell/TUstawyGlobalne.h"
#include "shell/TWezlyOperacje.h"
#include "shell/TWrnt.h"
#include "shell/TWstawBlok.h"

namespace {

// What the junction data windows ask of the program: the count windows and
// files live beside them, so they are handed over here.
void UstawUslugiFormularzy()
{
    UslugiFormularzy& u = Uslugi();
    u.Przerysuj = [] { Form1->Przerysuj(); };
    u.PrzerysujDiagram = [](int32_t rekord, bool rondo, uint64_t rewizjaPrzedZapisem) {
        Form1->PrzerysujDiagram(rekord, rondo, rewizjaPrzedZapisem);
    };
    u.WybierzPomiar = [](DanePomiar& kopia, bool rondo) {
        // The counts of the window's kind of node only.
        OpenPomiar->CB_Skrzyzowania->setChecked(!rondo);
        OpenPomiar->CB_Ronda->setChecked(rondo);
        return OpenPomiar->exec() == QDialog::Accepted && !OpenPomiar->WybranyPomiar().empty() &&
               OpenPomiar->WczytajWybrany(kopia);
    };
    u.StempelPomiaru = [](const std::string& sciezka, TDataCzas& data, TDataCzas& godz) {
        NaglowekPomiaru n;
        std::string blad;
        if (!CzytajNaglowekPomiaru(sciezka, n, blad))
            return false;
        data = n.DataOstEdycja;
        godz = n.GodzOstEdycja;
        return true;
    };
    u.CzytajPomiar = [](const std::string& sciezka, DanePomiar& kopia, std::string& blad) {
        return CzytajPlikPomiaru(sciezka, kopia, blad);
    };
    u.EdytujPrognoze = [](DanePrognoza& kopia, const DanePomiar& pomiar, const std::array<std::string, 5>& oznaczenia,
                          char typ) {
        TabelaPrognoz->Ustaw(&kopia, &pomiar, oznaczenia, typ);
        // Left by "Rezygnuj" (a refused forecast too), the window changed nothing.
        if (TabelaPrognoz->exec() != QDialog::Accepted)
            return WynikPrognozy{};
        return WynikPrognozy{TabelaPrognoz->PrognozaZmieniona != 0, TabelaPrognoz->PomiarPrzelaczony != 0};
    };
    u.PokazRaport = [](const std::vector<std::string>& linie) { Opis->PokazRaport(linie); };
    u.ZapytajTakNie = [](const QString& pytanie) {
        return PytanieTakNieKasuj->Zapytaj(pytanie, false) == TPytanieTakNieKasuj::mrTak;
    };
}

// Every window fits the screen, with the buttons that close it in view.
void DopasujOknaDoEkranu()
{
    const std::pair<QWidget*, QStringList> okna[] = {
        {Form1, {}},
        {NatezeniaRUPL, {"BWprowadz", "BPowrot"}},
        {GeometriaRuchoplan, {"B_Wprowadz"}},
        {UstawyGlobalne, {"B_wprowadz"}},
        {WezlyOperacje, {"B_Powrot"}},
        {Wrnt, {"Button2"}},
        {UstawSuwak, {"Button1"}},
        {InfoOProgramie, {"powrot"}},
        {PytanieTakNieKasuj, {"B_Tak", "B_Nie", "B_Kasuj"}},
        {PomiaryRuchu, {"Button3", "B_Powrot"}},
        {NatezeniaTabela, {"B_Wprowadz", "B_Rezygnuj"}},
        {PojazdyTabela, {"B_Wprowadz", "B_Rezygnuj"}},
        {OpenPomiar, {"B_Wprowadz", "B_Rezygnuj"}},
        {TabelaPrognoz, {"B_Wprowadz", "B_Rezygnuj"}},
        {Opis, {"Button1", "B_Powrot"}},
        {DaneRonda, {"Wprowadz", "B_rezygnuj"}},
        {GeometriaRondo, {"Wprowadz", "Button3"}},
        {WstawBlok, {"B_WczytajBlok", "B_Powrot"}},
        {EdycjaOpisy, {"B_Wprowadz", "Powrot"}},
        {KopiujSchowek, {"B_kopiuj", "B_Powrot"}},
    };
    for (const auto& [okno, przyciski] : okna)
        DopasujDoEkranu(okno, przyciski);
}

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
    UstawUslugiFormularzy();
    DopasujOknaDoEkranu();
}

void ZniszczOkna()
{
    if (!Form1)
        return;
    Form1->FormDestroy();
    UstawPytanieOkien(nullptr);
    Uslugi() = UslugiFormularzy{};
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
