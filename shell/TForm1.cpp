#include "shell/TForm1.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>

#include "base/Teksty.h"
#include "base/Wersja.h"
#include "counts/TPomiaryRuchu.h"
#include "drawing/Wyjscie.h"
#include "model/Granice.h"
#include "model/Projekt.h"
#include "platform/KatalogProgramu.h"
#include "platform/qt/Drukarka.h"
#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/Komunikaty.h"
#include "shell/Dialogi.h"
#include "shell/InfoOProgramie.h"
#include "shell/Podglad.h"

TForm1* Form1 = nullptr;

namespace {

QAction* Polecenie(QObject* rodzic, const char* nazwa, const QString& tekst, const QString& podpowiedz = {})
{
    auto* a = new QAction(tekst, rodzic);
    a->setObjectName(nazwa);
    if (!podpowiedz.isEmpty()) {
        a->setToolTip(podpowiedz);
        a->setStatusTip(podpowiedz);
    }
    return a;
}

} // namespace

TForm1::TForm1(QWidget* rodzic) : QMainWindow(rodzic)
{
    setObjectName("Form1");
    setWindowTitle(U("KARTOGRAM ") + QString::fromUtf8(WersjaProgramu.data(), WersjaProgramu.size()));

    auto* srodek = new QWidget(this);
    srodek->setObjectName("PanelGlowny");
    setCentralWidget(srodek);
    Podglad = new TPodglad(&BitmapaRysunku, srodek);

    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    const int szerokosci[3] = {150, 400, 50};
    for (int i = 0; i < 3; ++i) {
        PanelePaska[i] = new QLabel(StatusBar1);
        PanelePaska[i]->setObjectName(QString("StatusBar1Panel%1").arg(i));
        PanelePaska[i]->setFixedWidth(szerokosci[i]);
        StatusBar1->addWidget(PanelePaska[i]);
    }
    setStatusBar(StatusBar1);

    UtworzMenu();
    UtworzPaski();
    UtworzPanele();
    PolaczPolecenia();

    OpenDialog1 = {"OpenDialog1", U("Pliki ruchoplanów|*.rup|Wszystkie pliki|*.*"), "rup", {}, {}, false, {}};
    SaveDialog1 = {"SaveDialog1", U("Pliki ruchoplanów|*.rup|Wszystkie pliki|*.*"), "rup", {}, {}, true, {}};
    SaveDxf = {"SaveDxf", U("Plik Dxf  |*.dxf|Wszystkie pliki|*.*"), "dxf", {}, {}, true, {}};
    SavePdf = {"SavePdf", U("Plik PDF|*.pdf|Wszystkie pliki|*.*"), "pdf", {}, {}, true, {}};

    if (QScreen* ekran = QGuiApplication::primaryScreen())
        resize(ekran->availableSize());
    FormCreate();
    UstawPolecenia();
}

TForm1::~TForm1() = default;  // the printer is complete here

void TForm1::UtworzMenu()
{
    QMenuBar* menu = menuBar();
    menu->setObjectName("MenuGlowne");

    Pliki1 = menu->addMenu(U("Pliki"));
    Pliki1->setObjectName("Pliki1");
    MNowy = Polecenie(this, "MNowy", U("Nowy"));
    MOtworz = Polecenie(this, "MOtworz", U("Otwórz"));
    M_Zapisz = Polecenie(this, "M_Zapisz", U("Zapisz"));
    M_Zapiszjako = Polecenie(this, "M_Zapiszjako", U("Zapisz jako .."));
    Ustawieniadrukarki1 = Polecenie(this, "Ustawieniadrukarki1", U("Ustawienia drukarki"));
    M_Drukuj = Polecenie(this, "M_Drukuj", U("Drukuj"));
    M_DoSchowka = Polecenie(this, "M_DoSchowka", U("Wstaw do schowka"));
    M_DoDxfa = Polecenie(this, "M_DoDxfa", U("Eksport do dxf"));
    Oprogramie1 = Polecenie(this, "Oprogramie1", U("O programie"));
    M_Skojarzenie = Polecenie(this, "M_Skojarzenie", U("Ustaw skojarzenie *.rup z tą wersją programu"));
    M_Skojarzenie->setEnabled(false);
    Koniec1 = Polecenie(this, "Koniec1", U("Koniec"));
    Pliki1->addActions({MNowy, MOtworz, M_Zapisz, M_Zapiszjako});
    Pliki1->addSeparator();
    Pliki1->addActions({Ustawieniadrukarki1, M_Drukuj, M_DoSchowka, M_DoDxfa});
    Pliki1->addSeparator();
    Pliki1->addAction(Oprogramie1);
    Pliki1->addSeparator();
    Pliki1->addAction(M_Skojarzenie);
    Pliki1->addSeparator();
    Pliki1->addSeparator();
    // The recent projects enter here, before this separator.
    separatorPrzedKoncem_ = Pliki1->addSeparator();
    Pliki1->addAction(Koniec1);

    Obiekty1 = menu->addMenu(U("Obiekty"));
    Obiekty1->setObjectName("Obiekty1");
    M_WstawBlok = Polecenie(this, "M_WstawBlok", U("Wstaw blok"));
    M_ZmienBlok = Polecenie(this, "M_ZmienBlok", U("Zmień blok"));
    M_UsunBlok = Polecenie(this, "M_UsunBlok", U("Usuń blok"));
    M_DodajOpis = Polecenie(this, "M_DodajOpis", U("Dodaj opis"));
    M_ZmienOpis = Polecenie(this, "M_ZmienOpis", U("Zmień opis"));
    M_UsunOpis = Polecenie(this, "M_UsunOpis", U("Usuń opis"));
    Obiekty1->addActions({M_WstawBlok, M_ZmienBlok, M_UsunBlok});
    Obiekty1->addSeparator();
    Obiekty1->addActions({M_DodajOpis, M_ZmienOpis, M_UsunOpis});

    Nastawy = menu->addMenu(U("Nastawy"));
    Nastawy->setObjectName("Nastawy");
    mUstawieniaGlobalne = Polecenie(this, "mUstawieniaGlobalne", U("Ustawienia globalne"));
    mUstawieniaLokalne = Polecenie(this, "mUstawieniaLokalne", U("Ustawienia lokalne węzłów"));
    mGeometria = Polecenie(this, "mGeometria", U("Geometria węzłów"));
    mDaneEdycja = Polecenie(this, "mDaneEdycja", U("Edycja danych"));
    Nastawy->addAction(mUstawieniaGlobalne);
    Nastawy->addSeparator();
    Nastawy->addActions({mUstawieniaLokalne, mGeometria, mDaneEdycja});

    Pomoc1 = menu->addMenu(U("Pomoc"));
    Pomoc1->setObjectName("Pomoc1");
    Instrukcjapdf1 = Polecenie(this, "Instrukcjapdf1", U("Instrukcja pdf"));
    Pomoc1->addAction(Instrukcjapdf1);

    for (int i = 0; i < 4; ++i)
        OstatnieProjekty[i] = Polecenie(this, QString("OstatniProjekt%1").arg(i + 1).toLatin1().constData(), {});

    MenuZoom = new QMenu(this);
    MenuZoom->setObjectName("MenuZoom");
    Rezygnuj1 = Polecenie(this, "Rezygnuj1", U("Rezygnuj"));
    Przesu1 = Polecenie(this, "Przesu1", U("Przesuń"));
    Okno1 = Polecenie(this, "Okno1", U("Okno"));
    Wszystko1 = Polecenie(this, "Wszystko1", U("Wszystko"));
    Powiksz1 = Polecenie(this, "Powiksz1", U("Powiększ"));
    Pomniejsz1 = Polecenie(this, "Pomniejsz1", U("Pomniejsz"));
    MenuZoom->addAction(Rezygnuj1);
    MenuZoom->addSeparator();
    MenuZoom->addActions({Przesu1, Okno1, Wszystko1});
    MenuZoom->addSeparator();
    MenuZoom->addActions({Powiksz1, Pomniejsz1});
    Podglad->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(Podglad, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { MenuZoom->popup(Podglad->mapToGlobal(p)); });
}

void TForm1::UtworzPaski()
{
    ToolBar1 = addToolBar(U("Pliki"));
    ToolBar1->setObjectName("ToolBar1");
    BNowy = Polecenie(this, "BNowy", U("Nowy"), U("Nowy"));
    BOtworz = Polecenie(this, "BOtworz", U("Otwórz"), U("Otwórz"));
    TB_Zapisz = Polecenie(this, "TB_Zapisz", U("Zapisz"), U("Zapisz dane"));
    TB_Drukuj = Polecenie(this, "TB_Drukuj", U("Wydruk"), U("Wydruk"));
    TB_DoDxfa = Polecenie(this, "TB_DoDxfa", U("DXF"), U("Eksport do DXF"));
    TB_DoSchowka = Polecenie(this, "TB_DoSchowka", U("Schowek"), U("Kopiuj rysunek do schowka"));
    TB_Geometria = Polecenie(this, "TB_Geometria", U("Geometria"), U("Wprowadzenie danych\no geometrii."));
    TB_Dane = Polecenie(this, "TB_Dane", U("Dane"), U("Wprowadzanie danych\no natężeniach."));
    TB_UstawieniaLokalne = Polecenie(this, "TB_UstawieniaLokalne", U("Lokalne"), U("Ustawienie lokalnych parametrów węzła"));
    TB_UstawGlowne = Polecenie(this, "TB_UstawGlowne", U("Ustawienia"), U("Ustawienia rysunkowe"));
    ToolButton2 = Polecenie(this, "ToolButton2", U("Pomiary"));
    ToolBar1->addActions({BNowy, BOtworz, TB_Zapisz});
    ToolBar1->addSeparator();
    ToolBar1->addActions({TB_Drukuj, TB_DoDxfa, TB_DoSchowka});
    ToolBar1->addSeparator();
    ToolBar1->addActions({TB_Geometria, TB_Dane, TB_UstawieniaLokalne, TB_UstawGlowne, ToolButton2});

    // A row of its own: beside the first one it does not fit a 1366-pixel
    // screen, and the variant list would fall into the overflow menu.
    addToolBarBreak();
    ToolBar2 = addToolBar(U("Węzły i warianty"));
    ToolBar2->setObjectName("ToolBar2");
    TB_DodajRupl = Polecenie(this, "TB_DodajRupl", U("Ruchoplan"));
    TB_DodajRond = Polecenie(this, "TB_DodajRond", U("Rondo"), U("Dodaj węzeł sieci RONDO"));
    TB_UsunWezel = Polecenie(this, "TB_UsunWezel", U("Usuń"), U("Usuń węzeł sieci."));
    TB_PrzesunWezel = Polecenie(this, "TB_PrzesunWezel", U("Przesuń"), U("Przesuń węzeł sieci."));
    ToolBar2->addActions({TB_DodajRupl, TB_DodajRond, TB_UsunWezel, TB_PrzesunWezel});
    ToolBar2->addSeparator();
    E_Index = new QLineEdit(ToolBar2);
    E_Index->setObjectName("E_Index");
    E_Index->setToolTip(U("Nazwa wariantu sieci do dodania"));
    E_Index->setMaximumWidth(160);
    ToolBar2->addWidget(E_Index);
    TB_DodajWariant = Polecenie(this, "TB_DodajWariant", U("Dodaj wariant"), U("Dodaj wariant"));
    TB_EdycjaWariantow = Polecenie(this, "TB_EdycjaWariantow", U("Warianty"), U("Operacje na wariantach"));
    ToolBar2->addActions({TB_DodajWariant, TB_EdycjaWariantow});
    BB_Prev = new QPushButton(U("Poprzedni"), ToolBar2);
    BB_Prev->setObjectName("BB_Prev");
    CB_Wariant = new QComboBox(ToolBar2);
    CB_Wariant->setObjectName("CB_Wariant");
    CB_Wariant->setToolTip(U("Lista wariantów"));
    CB_Wariant->setMinimumWidth(200);
    BB_Next = new QPushButton(U("Następny"), ToolBar2);
    BB_Next->setObjectName("BB_Next");
    ToolBar2->addWidget(BB_Prev);
    ToolBar2->addWidget(CB_Wariant);
    ToolBar2->addWidget(BB_Next);
    ToolBar2->addSeparator();
    TB_WstawOpis = Polecenie(this, "TB_WstawOpis", U("Opis"), U("Wstaw Opis"));
    TB_WstawBlok = Polecenie(this, "TB_WstawBlok", U("Blok"), U("Wstaw blok."));
    ToolBar2->addActions({TB_WstawOpis, TB_WstawBlok});
}

void TForm1::UtworzPanele()
{
    QWidget* srodek = centralWidget();

    PanelZEdit = new QWidget(srodek);
    PanelZEdit->setObjectName("PanelZEdit");
    L_Opis = new QLabel(U("......................."), PanelZEdit);
    L_Opis->setObjectName("L_Opis");
    E_Opis = new QLineEdit(PanelZEdit);
    E_Opis->setObjectName("E_Opis");
    auto* u1 = new QHBoxLayout(PanelZEdit);
    u1->setContentsMargins(2, 0, 2, 0);
    u1->addWidget(L_Opis);
    u1->addWidget(E_Opis);

    PanelWsp = new QWidget(srodek);
    PanelWsp->setObjectName("PanelWsp");
    E_x = new QLineEdit(PanelWsp);
    E_x->setObjectName("E_x");
    E_y = new QLineEdit(PanelWsp);
    E_y->setObjectName("E_y");
    B_Wstaw = new QPushButton(U("Wstaw"), PanelWsp);
    B_Wstaw->setObjectName("B_Wstaw");
    auto* u2 = new QHBoxLayout(PanelWsp);
    u2->setContentsMargins(2, 0, 2, 0);
    u2->addWidget(new QLabel(U("X [cm]="), PanelWsp));
    u2->addWidget(E_x);
    u2->addWidget(new QLabel(U("Y [cm]="), PanelWsp));
    u2->addWidget(E_y);
    u2->addWidget(B_Wstaw);

    CB_Siatka = new QCheckBox(U("Siatka   krok="), srodek);
    CB_Siatka->setObjectName("CB_Siatka");
    CB_SiatkaKrok = new QComboBox(srodek);
    CB_SiatkaKrok->setObjectName("CB_SiatkaKrok");
    CB_SiatkaKrok->setEditable(true);
    // A typed step is a value, not another entry of the list.
    CB_SiatkaKrok->setInsertPolicy(QComboBox::NoInsert);
    // The steps in the form the box shows a step in whatever put it there;
    // the first showing fills in the new project's step.
    for (double krok : {0.1, 0.2, 0.25, 0.5, 0.75, 1.0, 1.5, 2.0, 3.0, 4.0, 5.0, 10.0, 20.0})
        CB_SiatkaKrok->addItem(NaQString(FormatFloat(MaskaKrokuSiatki, krok)));

    auto* wiersz = new QHBoxLayout;
    wiersz->setContentsMargins(2, 2, 2, 2);
    wiersz->addWidget(CB_Siatka);
    wiersz->addWidget(CB_SiatkaKrok);
    wiersz->addWidget(PanelZEdit);
    wiersz->addWidget(PanelWsp);
    wiersz->addStretch();
    auto* uklad = new QVBoxLayout(srodek);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(0);
    uklad->addLayout(wiersz);
    uklad->addWidget(Podglad, 1);
    PanelZEdit->hide();
    PanelWsp->hide();
}

void TForm1::PolaczPolecenia()
{
    auto polacz = [this](QAction* a, void (TForm1::*metoda)()) {
        connect(a, &QAction::triggered, this, [this, metoda] { (this->*metoda)(); });
    };
    polacz(BNowy, &TForm1::BNowyClick);
    polacz(MNowy, &TForm1::BNowyClick);
    polacz(BOtworz, &TForm1::BOtworzClick);
    polacz(ToolButton2, &TForm1::ToolButton2Click);
    polacz(MOtworz, &TForm1::BOtworzClick);
    polacz(TB_Zapisz, &TForm1::TB_ZapiszClick);
    polacz(M_Zapisz, &TForm1::TB_ZapiszClick);
    polacz(M_Zapiszjako, &TForm1::M_ZapiszjakoClick);
    polacz(TB_Drukuj, &TForm1::TB_DrukujClick);
    polacz(M_Drukuj, &TForm1::TB_DrukujClick);
    polacz(TB_DoDxfa, &TForm1::TB_DoDxfaClick);
    polacz(M_DoDxfa, &TForm1::TB_DoDxfaClick);
    polacz(Ustawieniadrukarki1, &TForm1::Ustawieniadrukarki1Click);
    polacz(Oprogramie1, &TForm1::Oprogramie1Click);
    polacz(Instrukcjapdf1, &TForm1::Instrukcjapdf1Click);
    polacz(Koniec1, &TForm1::Koniec1Click);
    polacz(Rezygnuj1, &TForm1::Rezygnuj1Click);
    polacz(Przesu1, &TForm1::Przesu1Click);
    polacz(Okno1, &TForm1::Okno1Click);
    polacz(Wszystko1, &TForm1::Wszystko1Click);
    polacz(Powiksz1, &TForm1::Powiksz1Click);
    polacz(Pomniejsz1, &TForm1::Pomniejsz1Click);
    polacz(TB_DodajRupl, &TForm1::TB_DodajRuplClick);
    polacz(TB_DodajRond, &TForm1::TB_DodajRondClick);
    polacz(TB_UsunWezel, &TForm1::TB_UsunWezelClick);
    polacz(TB_PrzesunWezel, &TForm1::TB_PrzesunWezelClick);
    polacz(TB_Dane, &TForm1::TB_DaneClick);
    polacz(mDaneEdycja, &TForm1::TB_DaneClick);
    polacz(TB_Geometria, &TForm1::TB_GeometriaClick);
    polacz(mGeometria, &TForm1::TB_GeometriaClick);
    polacz(TB_UstawieniaLokalne, &TForm1::TB_UstawieniaLokalneClick);
    polacz(mUstawieniaLokalne, &TForm1::TB_UstawieniaLokalneClick);
    polacz(TB_UstawGlowne, &TForm1::TB_UstawGlowneClick);
    polacz(mUstawieniaGlobalne, &TForm1::TB_UstawGlowneClick);
    polacz(TB_EdycjaWariantow, &TForm1::TB_EdycjaWariantowClick);
    polacz(TB_DodajWariant, &TForm1::TB_DodajWariantClick);
    connect(B_Wstaw, &QPushButton::clicked, this, &TForm1::B_WstawClick);
    connect(Podglad, &TPodglad::Nacisniecie, this, &TForm1::PodgladMouseDown);
    connect(Podglad, &TPodglad::Ruch, this, &TForm1::PodgladMouseMove);
    connect(Podglad, &TPodglad::Zwolnienie, this, &TForm1::PodgladMouseUp);
    connect(Podglad, &TPodglad::PodwojneKlikniecie, this, &TForm1::PodgladDblClick);
    connect(Podglad, &TPodglad::Kolko, this, &TForm1::FormMouseWheel);
    connect(CB_SiatkaKrok->lineEdit(), &QLineEdit::editingFinished, this, &TForm1::CB_SiatkaKrokExit);
    for (int i = 0; i < 4; ++i)
        connect(OstatnieProjekty[i], &QAction::triggered, this, [this, i] { OstatniProjektClick(i); });
    connect(BB_Next, &QPushButton::clicked, this, &TForm1::BB_NextClick);
    connect(BB_Prev, &QPushButton::clicked, this, &TForm1::BB_PrevClick);
    connect(CB_Wariant, &QComboBox::activated, this, [this](int) { CB_WariantChange(); });
    connect(CB_Siatka, &QCheckBox::clicked, this, [this](bool) { CB_SiatkaClick(); });
    connect(CB_SiatkaKrok, &QComboBox::editTextChanged, this, [this](const QString&) { CB_SiatkaKrokChange(); });
    // A step chosen from the list is whole at once.
    connect(CB_SiatkaKrok, &QComboBox::activated, this, [this](int) { krokPrzedEdycja_.reset(); });
    connect(E_Index, &QLineEdit::textEdited, this, [this](const QString&) { ZerujTryby(); });

    polacz(TB_WstawBlok, &TForm1::TB_WstawBlokClick);
    polacz(M_WstawBlok, &TForm1::TB_WstawBlokClick);
    polacz(M_ZmienBlok, &TForm1::M_ZmienBlokClick);
    polacz(M_UsunBlok, &TForm1::M_UsunBlokClick);
    polacz(TB_WstawOpis, &TForm1::TB_WstawOpisClick);
    polacz(M_DodajOpis, &TForm1::TB_WstawOpisClick);
    polacz(M_ZmienOpis, &TForm1::M_ZmienOpisClick);
    polacz(M_UsunOpis, &TForm1::M_UsunOpisClick);
    polacz(TB_DoSchowka, &TForm1::TB_DoSchowkaClick);
    polacz(M_DoSchowka, &TForm1::TB_DoSchowkaClick);
}

bool TForm1::Dostepne(const QAction* polecenie) const { return !polecenie->property("kg_pozniej").toBool(); }

void TForm1::showEvent(QShowEvent* e)
{
    QMainWindow::showEvent(e);
    if (!pokazane_) {
        pokazane_ = true;
        FormShow();
    }
}

void TForm1::closeEvent(QCloseEvent* e)
{
    if (FormCloseQuery())
        e->accept();
    else
        e->ignore();
}

void TForm1::FormPaint() { PokazNaPodgladzie(); }

void TForm1::PokazNaPodgladzie()
{
    ZakonczRysowanieEkranu();
    Podglad->KopiujBitmape();
}

bool TForm1::ProjektMaPlik() const { return sciezkaProjektu_.native().size() >= 4 && sciezkaProjektu_ != "..."; }

std::filesystem::path TForm1::KatalogPoczatkowyDialogu() const
{
    if (ProjektMaPlik())
        return sciezkaProjektu_.parent_path();
    return KatalogProjektow;
}

void TForm1::UstawPolecenia()
{
    auto wlacz = [this](std::initializer_list<QAction*> polecenia, bool stan) {
        for (QAction* a : polecenia)
            a->setEnabled(stan && Dostepne(a));
    };
    const bool wezly = LiczbaWezlow() >= 1;
    const bool warianty = LiczbaWariantow() >= 1;
    wlacz({TB_UsunWezel, TB_PrzesunWezel, TB_DodajWariant, TB_EdycjaWariantow}, wezly);
    wlacz({TB_Geometria, TB_Dane, TB_WstawBlok, M_WstawBlok, TB_WstawOpis, M_DodajOpis, TB_UstawieniaLokalne,
           mGeometria, mDaneEdycja, mUstawieniaLokalne},
          warianty);
    BB_Prev->setEnabled(warianty);
    BB_Next->setEnabled(warianty);
    CB_Wariant->setEnabled(warianty);
    wlacz({M_ZmienBlok, M_UsunBlok}, LiczbaBlokow() >= 1);
    wlacz({M_ZmienOpis, M_UsunOpis}, LiczbaOpisow() >= 1);
}

void TForm1::WyczyscWarianty() { CB_Wariant->clear(); }

void TForm1::DodajWariantDoListy(const std::string& pozycja) { CB_Wariant->addItem(NaQString(pozycja)); }

void TForm1::UstawTekstWariantu(const std::string& tekst)
{
    // A text not in the list (findText gives -1) leaves no item chosen.
    CB_Wariant->setCurrentIndex(CB_Wariant->findText(NaQString(tekst)));
}

void TForm1::UstawTytul(const std::string& sciezka)
{
    sciezkaProjektu_ = sciezka;
    setWindowTitle(SciezkaDoPokazania(sciezka));
}

std::string TForm1::Tytul() const { return ZQString(windowTitle()); }

void TForm1::RozmiarPodgladu(int& szerokosc, int& wysokosc)
{
    szerokosc = Podglad->width();
    wysokosc = Podglad->height();
}

void TForm1::UstawSiatke(bool widoczna, const std::string& krok)
{
    CB_Siatka->setChecked(widoczna);
    const QSignalBlocker blokada(CB_SiatkaKrok);
    CB_SiatkaKrok->setEditText(NaQString(krok));
    krokPrzedEdycja_.reset();
}

void TForm1::PokazBlad(const std::string& komunikat) { PokazBladUzytkownikowi(komunikat); }
void TForm1::PokazUwage(const std::string& komunikat) { PokazUwageUzytkownikowi(komunikat); }
bool TForm1::ZastapicZmieniony(const std::string& pytanie)
{
    return ::ZastapicZmieniony(pytanie);
}

bool TForm1::RozmiarStronyDrukarki(double& cmB, double& cmH, int& dpiX, int& dpiY)
{
    // The printer the user set up, so that its paper gives the sheet.
    if (!Drukarka::DrukarkaZainstalowana())
        return false;
    Drukarka& drukarka = DrukarkaProgramu();
    dpiX = drukarka.DpiX();
    dpiY = drukarka.DpiY();
    if (dpiX <= 0 || dpiY <= 0)
        return false;
    cmB = drukarka.SzerokoscStrony() * 2.54 / dpiX;
    cmH = drukarka.WysokoscStrony() * 2.54 / dpiY;
    return cmB > 0 && cmH > 0;
}

// Variant browsing: the combo's items are the variants in collection order.
void TForm1::PokazWariant(int32_t wariant)
{
    ZerujTryby();
    BiezacyWariant = wariant;
    CB_Wariant->setCurrentIndex(wariant);
    Przerysuj();
    CB_Siatka->setFocus();
}

void TForm1::BB_NextClick() { PokazWariant(BiezacyWariant < CB_Wariant->count() - 1 ? BiezacyWariant + 1 : BiezacyWariant); }

void TForm1::BB_PrevClick() { PokazWariant(BiezacyWariant > 0 ? BiezacyWariant - 1 : BiezacyWariant); }

void TForm1::CB_WariantChange() { PokazWariant(CB_Wariant->currentIndex()); }

void TForm1::CB_SiatkaClick()
{
    const uint8_t siatka = CB_Siatka->isChecked() ? 1 : 0;
    if (siatka != wg.Siatka) {
        wg.Siatka = siatka;
        ZmienionoProjekt();
    }
    Przerysuj();
}

void TForm1::CB_SiatkaKrokChange()
{
    // A text beyond the step's limit is left for the user to finish ("0,0"
    // on the way to "0,05"); the step stays until the edit is left.
    std::string komunikat;
    if (!krokPrzedEdycja_)
        krokPrzedEdycja_ = KrokPrzedEdycja{wg.KrokSiatki, ProjektZmieniony};
    PrzyjmijKrokSiatki(komunikat);
}

void TForm1::Rezygnuj1Click()
{
    ZerujTryby();
    PokazNaPodgladzie();
}

void TForm1::Oprogramie1Click() { InfoOProgramie->exec(); }

void TForm1::ToolButton2Click()
{
    PomiaryRuchu->UstawKontrolkiPomiaru();
    PomiaryRuchu->exec();
}

void TForm1::Instrukcjapdf1Click() { OtworzDokument(SciezkaNaQString(PolaczSciezke(KatalogInstrukcja(), "Instrukcja.pdf"))); }

void TForm1::Koniec1Click() { close(); }

void TForm1::OstatniProjektClick(int nr)
{
    OtworzOstatniProjekt(SciezkaOstatniego(nr));
    Przerysuj();
}

std::filesystem::path KatalogPliku(const std::filesystem::path& plik)
{
    std::error_code ec;
    const std::filesystem::path pelna = std::filesystem::absolute(plik, ec);
    return (ec ? plik : pelna).lexically_normal().parent_path();
}

bool TDialogPliku::Execute(QWidget* rodzic)
{
    const std::filesystem::path katalog = !KatalogPoczatkowy.empty() ? KatalogPoczatkowy
                                          : !OstatniKatalog.empty()  ? OstatniKatalog
                                                                     : SciezkaZQString(QDir::homePath());
    const std::filesystem::path wybrany =
        Zapis ? WybierzPlikDoZapisu(rodzic, Filtr, katalog, DomyslneRozszerzenie, NazwaPliku)
              : WybierzPlikDoOtwarcia(rodzic, Filtr, katalog, DomyslneRozszerzenie);
    if (wybrany.empty())
        return false;
    // A name to save under gets the default extension when it has none; a
    // file chosen to open is opened as chosen.
    NazwaPliku = wybrany;
    if (Zapis)
        NazwaPliku = ZRozszerzeniem(wybrany.native(), ZQString(DomyslneRozszerzenie));
    OstatniKatalog = KatalogPliku(NazwaPliku);
    return true;
}
