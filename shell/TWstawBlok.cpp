#include "shell/TWstawBlok.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "model/Projekt.h"
#include "platform/KatalogProgramu.h"
#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/LiczbaPokazana.h"
#include "shell/Dialogi.h"
#include "shell/Kontrolki.h"
#include "shell/PoleLiczby.h"
#include "shell/TForm1.h"

TWstawBlok* WstawBlok = nullptr;

namespace {

const QStringList PozycjeWspolczynnikow = {"0,1", "0,2", "0,25", "0,5", "0,75", "1,00", "1,50", "2,00", "5,00", "10,00"};
// The least factor that still draws something.
constexpr double NajmniejszyWspolczynnik = 0.001;

// The library the program ships, listed until the user picks another.
std::filesystem::path BibliotekaProgramu() { return PolaczSciezke(KatalogProgramu(), "Dane/Bloki/Kartogram.blk"); }

void DefinicjaUszkodzona(const std::string& nazwa)
{
    PokazBladUzytkownikowi(Utf8NaCp1250("Definicja bloku „") + nazwa +
                           Utf8NaCp1250("” w projekcie jest uszkodzona i nie została zastąpiona."));
}

} // namespace

TWstawBlok::TWstawBlok(QWidget* rodzic) : QDialog(rodzic)
{
    setObjectName("WstawBlok");
    setWindowTitle(U("Wstaw blok"));
    setModal(true);

    LB_NazwaBlokuCzytaj = new QListWidget(this);
    LB_NazwaBlokuCzytaj->setObjectName("LB_NazwaBlokuCzytaj");
    LB_NazwaBlokuCzytaj->setSortingEnabled(true);
    CB_Grupa = new QComboBox(this);
    CB_Grupa->setObjectName("CB_Grupa");
    OpisBloku = new QPlainTextEdit(this);
    OpisBloku->setObjectName("OpisBloku");
    OpisBloku->setReadOnly(true);
    OpisBloku->setMaximumHeight(80);
    E_x = NowePole(this, "E_x");
    E_y = NowePole(this, "E_y");
    E_x->setText("0");
    E_y->setText("0");
    CB_sX = NoweRozwijane(this, "CB_sX", PozycjeWspolczynnikow, "1,00");
    CB_sY = NoweRozwijane(this, "CB_sY", PozycjeWspolczynnikow, "1,00");
    Button1 = NowyPrzycisk(this, "Button1", U("Wskaż"));
    CB_NadRysunkiem = NowyPrzelacznik(this, "CB_NadRysunkiem", U("Na rysunku"));
    CB_NadRysunkiem->setChecked(true);
    QGroupBox* grupaArkuszy = NowyWyborArkusza(this, RB_ArkAktualny, RB_ArkWszystkie);
    B_WczytajBlokiLista = NowyPrzycisk(this, "B_WczytajBlokiLista", U("Wskaż plik def. bloków"));
    B_AktualizujBlok = NowyPrzycisk(this, "B_AktualizujBlok", U("Aktualizuj blok"));
    B_AktualizujBlok->setEnabled(false);
    B_WczytajBlok = NowyPrzycisk(this, "B_WczytajBlok", U("Wstaw blok"));
    B_Powrot = NowyPrzycisk(this, "B_Powrot", U("Powrót"));
    L_NazwaPliku = new QLabel(this);
    L_NazwaPliku->setObjectName("L_NazwaPliku");
    L_NazwaPliku->hide();

    auto* pola = new QGridLayout;
    int w = 0;
    pola->addWidget(new QLabel(U("Pokaż grupę:"), this), w, 0);
    pola->addWidget(CB_Grupa, w++, 1, 1, 3);
    pola->addWidget(new QLabel("X [cm]", this), w, 0);
    pola->addWidget(E_x, w, 1);
    pola->addWidget(new QLabel("Y [cm]", this), w, 2);
    pola->addWidget(E_y, w++, 3);
    pola->addWidget(new QLabel(U("Wsp. X"), this), w, 0);
    pola->addWidget(CB_sX, w, 1);
    pola->addWidget(new QLabel(U("Wsp. Y"), this), w, 2);
    pola->addWidget(CB_sY, w++, 3);
    pola->addWidget(Button1, w, 0);
    pola->addWidget(CB_NadRysunkiem, w++, 1, 1, 3);
    pola->addWidget(grupaArkuszy, w++, 0, 1, 4);
    auto* przyciski = new QHBoxLayout;
    for (QPushButton* b : {B_WczytajBlokiLista, B_AktualizujBlok, B_WczytajBlok})
        przyciski->addWidget(b);
    przyciski->addStretch();
    przyciski->addWidget(B_Powrot);
    auto* prawa = new QVBoxLayout;
    prawa->addLayout(pola);
    prawa->addWidget(OpisBloku);
    auto* gora = new QHBoxLayout;
    gora->addWidget(LB_NazwaBlokuCzytaj);
    gora->addLayout(prawa);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    uklad->addLayout(przyciski);

    connect(B_WczytajBlokiLista, &QPushButton::clicked, this, [this] { B_WczytajBlokiListaClick(); });
    connect(CB_Grupa, &QComboBox::activated, this, [this](int) { CB_GrupaChange(); });
    connect(LB_NazwaBlokuCzytaj, &QListWidget::itemClicked, this, [this] { LB_NazwaBlokuCzytajClick(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(B_WczytajBlok, &QPushButton::clicked, this, [this] { B_WczytajBlokClick(); });
    connect(B_AktualizujBlok, &QPushButton::clicked, this, [this] { B_AktualizujBlokClick(); });
    connect(B_Powrot, &QPushButton::clicked, this, &QDialog::reject);
}

void TWstawBlok::DodajLinieBloku(const std::string& linia)
{
    LinieWstawianegoBloku.push_back(linia.substr(0, 255));
}

void TWstawBlok::UstawBiblioteke(const std::filesystem::path& sciezka)
{
    biblioteka_ = sciezka;
    L_NazwaPliku->setText(SciezkaDoPokazania(sciezka));
}

std::string TWstawBlok::WybranaNazwa() const
{
    const QListWidgetItem* p = LB_NazwaBlokuCzytaj->currentItem();
    return p ? ZQString(p->text()) : std::string();
}

void TWstawBlok::B_WczytajBlokiListaClick()
{
    TDialogPliku d;
    d.Nazwa = "OpenDialog1";
    d.Filtr = U("Pliki bloków|*.blk|Pliki tekstowe|*.txt|Wszystkie pliki|*.*");
    d.DomyslneRozszerzenie = "blk";
    d.KatalogPoczatkowy = PolaczSciezke(KatalogProgramu(), "Dane/Bloki");
    if (!d.Execute(this))
        return;
    CB_Grupa->clear();
    CB_Grupa->addItem(NaQString(WszystkieGrupy));
    UstawBiblioteke(d.NazwaPliku);
    WczytajListeBlokow(std::string(WszystkieGrupy));
    B_AktualizujBlok->setEnabled(false);
}

void TWstawBlok::CB_GrupaChange()
{
    if (Biblioteka().native().size() > 6)
        WczytajListeBlokow(ZQString(CB_Grupa->currentText()));
    B_AktualizujBlok->setEnabled(false);
}

bool TWstawBlok::CzytajBibliotekeOkna(DefinicjeBiblioteki& biblioteka) const
{
    std::string blad;
    if (CzytajBiblioteke(Biblioteka(), biblioteka, blad))
        return true;
    PokazBladUzytkownikowi(blad);
    return false;
}

void TWstawBlok::WczytajListeBlokow(const std::string& filtr)
{
    LB_NazwaBlokuCzytaj->clear();
    DefinicjeBiblioteki biblioteka;
    CzytajBibliotekeOkna(biblioteka);
    for (std::size_t i = 0; i < biblioteka.size(); ++i) {
        const QString grupa = NaQString(biblioteka.Grupa(i));
        if (CB_Grupa->findText(grupa) < 0)
            CB_Grupa->addItem(grupa);
        if (filtr == WszystkieGrupy || filtr == biblioteka.Grupa(i))
            LB_NazwaBlokuCzytaj->addItem(NaQString(biblioteka.Nazwa(i)));
    }
    CB_Grupa->model()->sort(0);
    CB_Grupa->setCurrentIndex(CB_Grupa->findText(NaQString(filtr)));
}

void TWstawBlok::LB_NazwaBlokuCzytajClick()
{
    B_AktualizujBlok->setEnabled(false);
    LinieWstawianegoBloku.clear();
    OpisBloku->clear();
    const std::string nazwa = WybranaNazwa();
    DefinicjeBiblioteki biblioteka;
    CzytajBibliotekeOkna(biblioteka);
    const std::optional<DefinicjaBiblioteki> zBiblioteki = ZnajdzWBibliotece(biblioteka, nazwa);
    const int32_t wProjekcie = ZnajdzDefinicjeBloku(nazwa);
    if (wProjekcie >= 0) {
        for (const std::string& l : LinieDefinicji(wProjekcie))
            DodajLinieBloku(l);
    } else if (zBiblioteki) {
        for (const std::string_view l : zBiblioteki->LinieCiala())
            DodajLinieBloku(std::string(l));
    }
    if (wProjekcie < 0 || !zBiblioteki)
        return;
    const DaneBlokWpis& d = DefinicjeBlokow[wProjekcie];
    if (zBiblioteki->Moment() > d.Data + d.Czas) {
        OpisBloku->setPlainText(NaQString("Def. bloku \"" + nazwa + "\"\nz dn." + DataNaTekst(d.Data) + ";  godz." +
                                          CzasNaTekst(d.Czas) + "\n" +
                                          Utf8NaCp1250("zostanie zastąpiona nową stworzoną: ") + "\ndn." +
                                          DataNaTekst(zBiblioteki->Data) + ";  godz." +
                                          CzasNaTekst(zBiblioteki->Czas)));
        B_AktualizujBlok->setEnabled(true);
    }
}

void TWstawBlok::Button1Click()
{
    Form1->NowyOpis.Sx = TekstNaLiczbeS(TekstPoprawiony(CB_sX->lineEdit()), 1.0);
    Form1->NowyOpis.Sy = TekstNaLiczbeS(TekstPoprawiony(CB_sY->lineEdit()), 1.0);
    Form1->UstawTryb(TTrybEdycji::WstawBlok);
    reject();
}

bool TWstawBlok::SprawdzDaneBloku(float& x, float& y, float& sx, float& sy)
{
    struct Pole {
        QLineEdit* pole;
        const GranicaPola& granica;
        const char* nazwa;
        const char* brakLiczby;
        const char* maska;  // as the file keeps it
        float& wynik;
    };
    const Pole pola[] = {
        {E_y, granice::Polozenie, "Y", "Nieprawidłowa współrzędna Y!", maski::PolozenieBloku, y},
        {E_x, granice::Polozenie, "X", "Nieprawidłowa współrzędna X! ", maski::PolozenieBloku, x},
        {CB_sX->lineEdit(), granice::SkalaBloku, "WSP. X", "Nieprawidłowy WSP. X !", maski::SkalaBloku, sx},
        {CB_sY->lineEdit(), granice::SkalaBloku, "WSP. Y", "Nieprawidłowy WSP. Y !", maski::SkalaBloku, sy},
    };
    for (const Pole& p : pola) {
        double v = 0.0;
        std::string komunikat;
        if (!CzytajPole(p.pole, p.granica, p.nazwa, p.brakLiczby, v, komunikat)) {
            PokazBladUzytkownikowi(komunikat);
            return false;
        }
        p.wynik = static_cast<float>(v);
    }
    if (std::fabs(sx) < NajmniejszyWspolczynnik && std::fabs(sy) < NajmniejszyWspolczynnik) {
        PokazKomunikat(U("Współczynnik musi być  różną od zera!"));
        return false;
    }
    // Every number as the file keeps it; a factor the file would write as 0
    // would reopen as another block.
    for (const Pole& p : pola) {
        if (LiczbaPokazana(p.pole))
            continue;  // as the block has it
        const double zapisana = JakWPliku(p.wynik, p.maska);
        if (p.maska == maski::SkalaBloku && p.wynik != 0.0f && zapisana == 0.0) {
            PokazBladUzytkownikowi(Utf8NaCp1250(std::string("Pole „") + p.nazwa +
                                                "” zostałoby zapisane w pliku jako 0 (plik zapisuje je z "
                                                "dokładnością do 0,001)."));
            return false;
        }
        p.wynik = static_cast<float>(zapisana);
    }
    return true;
}

void TWstawBlok::PrzygotujWstawianie()
{
    zmieniany_ = -1;
    // A new block: no number of a changed one is kept.
    for (QLineEdit* pole : {E_x, E_y, CB_sX->lineEdit(), CB_sY->lineEdit()})
        ZapomnijLiczbe(pole);
    E_x->clear();
    E_y->clear();
    CB_sX->setEditText(NaQString(FormatFloat("#0.00", 1.0)));
    CB_sY->setEditText(NaQString(FormatFloat("#0.00", 1.0)));
    CB_NadRysunkiem->setChecked(true);
    LB_NazwaBlokuCzytaj->setEnabled(true);
    RB_ArkWszystkie->setChecked(true);
    B_WczytajBlok->setText(U("Wstaw blok"));
    // The list as the library is now; at the first showing, the library the
    // program ships.
    if (Biblioteka().empty())
        UstawBiblioteke(BibliotekaProgramu());
    if (CB_Grupa->findText(NaQString(WszystkieGrupy)) < 0)
        CB_Grupa->addItem(NaQString(WszystkieGrupy));
    const std::string filtr = ZQString(CB_Grupa->currentText());
    WczytajListeBlokow(filtr.empty() ? std::string(WszystkieGrupy) : filtr);
}

void TWstawBlok::PrzygotujZmiane(int32_t indeks)
{
    zmieniany_ = indeks;
    const DaneBlok& b = Bloki[indeks];
    PokazLiczbe(E_x, "##########0.00", b.X);
    PokazLiczbe(E_y, "##########0.00", b.Y);
    PokazLiczbe(CB_sX->lineEdit(), "##########0.00", b.Sx);
    PokazLiczbe(CB_sY->lineEdit(), "##########0.00", b.Sy);
    CB_NadRysunkiem->setChecked(b.Nad != 0);
    PokazWariantArkusza(RB_ArkAktualny, RB_ArkWszystkie, b.Wariant);
    LB_NazwaBlokuCzytaj->setEnabled(false);
    PokazWLiscie(b.Nazwa);
    B_WczytajBlok->setText(U("Zmień blok"));
    LinieWstawianegoBloku.clear();
    for (const std::string& l : LinieDefinicji(ZnajdzDefinicjeBloku(b.Nazwa)))
        DodajLinieBloku(l);
}

void TWstawBlok::PokazWLiscie(const std::string& nazwa)
{
    const QString tekst = NaQString(nazwa);
    const QList<QListWidgetItem*> pozycje = LB_NazwaBlokuCzytaj->findItems(tekst, Qt::MatchExactly);
    // A block of another library than the one listed is shown by its name.
    QListWidgetItem* p = pozycje.isEmpty() ? new QListWidgetItem(tekst, LB_NazwaBlokuCzytaj) : pozycje.front();
    LB_NazwaBlokuCzytaj->setCurrentItem(p);
    LB_NazwaBlokuCzytaj->scrollToItem(p);
}

void TWstawBlok::B_WczytajBlokClick()
{
    if (B_WczytajBlok->text() == U("Wstaw blok"))
        WstawNowy();
    else
        ZmienWskazany();
    Form1->UstawPolecenia();
}

void TWstawBlok::WstawNowy()
{
    const std::string nazwa = WybranaNazwa();
    float x = 0, y = 0, sx = 1, sy = 1;
    if (nazwa.empty() || !SprawdzDaneBloku(x, y, sx, sy))
        return;
    DefinicjeBiblioteki biblioteka;
    if (!CzytajBibliotekeOkna(biblioteka))
        return;
    const std::optional<DefinicjaBiblioteki> zBiblioteki = ZnajdzWBibliotece(biblioteka, nazwa);
    const int32_t wProjekcie = ZnajdzDefinicjeBloku(nazwa);
    // A placement without a definition would draw nothing.
    if (!zBiblioteki && wProjekcie < 0) {
        PokazBladUzytkownikowi(Utf8NaCp1250("Definicji bloku „") + nazwa +
                               Utf8NaCp1250("” nie ma ani w bibliotece, ani w projekcie; blok nie został wstawiony."));
        return;
    }
    if (zBiblioteki && wProjekcie < 0) {
        KopiujDefinicjeBloku(*zBiblioteki);
    } else if (zBiblioteki &&
               zBiblioteki->Moment() > DefinicjeBlokow[wProjekcie].Data + DefinicjeBlokow[wProjekcie].Czas) {
        // A newer library replaces the definition for every placement.
        if (UsunDefinicjeBloku(wProjekcie))
            KopiujDefinicjeBloku(*zBiblioteki);
        else
            DefinicjaUszkodzona(nazwa);
        B_AktualizujBlok->setEnabled(false);
    }
    DaneBlok b;
    b.Nazwa = nazwa;
    b.X = x;
    b.Y = y;
    b.Sx = sx;
    b.Sy = sy;
    b.Nad = CB_NadRysunkiem->isChecked() ? 1 : 0;
    b.Wariant = WybranyWariant(RB_ArkWszystkie, true, b.Wariant);
    Bloki.push_back(b);
    accept();
    ZmienionoProjekt();
    Form1->Przerysuj();
}

void TWstawBlok::ZmienWskazany()
{
    float x = 0, y = 0, sx = 1, sy = 1;
    if (!JestIndeksem(zmieniany_, Bloki) || !SprawdzDaneBloku(x, y, sx, sy))
        return;
    DaneBlok b = Bloki[zmieniany_];
    b.X = x;
    b.Y = y;
    b.Sx = sx;
    b.Sy = sy;
    b.Nad = CB_NadRysunkiem->isChecked() ? 1 : 0;
    b.Wariant = WybranyWariant(RB_ArkWszystkie, false, b.Wariant);
    // Committed as it was, the block leaves the project unchanged.
    if (!(b == Bloki[zmieniany_])) {
        Bloki[zmieniany_] = std::move(b);
        ZmienionoProjekt();
    }
    accept();
    Form1->Przerysuj();
}

void TWstawBlok::B_AktualizujBlokClick()
{
    const std::string nazwa = WybranaNazwa();
    DefinicjeBiblioteki biblioteka;
    const bool przeczytana = CzytajBibliotekeOkna(biblioteka);
    const std::optional<DefinicjaBiblioteki> zBiblioteki = ZnajdzWBibliotece(biblioteka, nazwa);
    const int32_t wProjekcie = ZnajdzDefinicjeBloku(nazwa);
    B_AktualizujBlok->setEnabled(false);
    if (!przeczytana || !zBiblioteki || wProjekcie < 0)
        return;
    if (!UsunDefinicjeBloku(wProjekcie)) {
        DefinicjaUszkodzona(nazwa);
        return;
    }
    KopiujDefinicjeBloku(*zBiblioteki);
    ZmienionoProjekt();
    Form1->Przerysuj();
}
