#include "shell/TKopiujSchowek.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdint>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "drawing/KopiaSchowka.h"
#include "model/Granice.h"
#include "model/Projekt.h"
#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/KsztaltKoloru.h"
#include "platform/qt/Schowek.h"
#include "shell/Arkusz.h"
#include "shell/Dialogi.h"
#include "shell/Kontrolki.h"
#include "shell/TForm1.h"

TKopiujSchowek* KopiujSchowek = nullptr;

TKopiujSchowek::TKopiujSchowek(QWidget* rodzic) : QDialog(rodzic)
{
    setObjectName("KopiujSchowek");
    setWindowTitle(U("Kopiuj do schowka"));
    setModal(true);
    setWindowFlag(Qt::WindowStaysOnTopHint);

    E_x1 = NowePole(this, "E_x1");
    E_x2 = NowePole(this, "E_x2");
    E_y1 = NowePole(this, "E_y1");
    E_y2 = NowePole(this, "E_y2");
    E_x1->setText("0");
    E_x2->setText("10");
    E_y1->setText("0");
    E_y2->setText("10");
    CB_IlPktCm = new QComboBox(this);
    CB_IlPktCm->setObjectName("CB_IlPktCm");
    CB_IlPktCm->setEditable(true);
    CB_IlPktCm->addItems({"10", "20", "30", "40", "50", "60", "75", "80", "100"});
    CB_IlPktCm->setEditText("75");
    L_OpisRozmiar = new QLabel("....", this);
    L_OpisRozmiar->setObjectName("L_OpisRozmiar");
    ShapeTlo = new TKsztaltKoloru(this, "ShapeTlo");
    ShapeTlo->UstawKolor(0xFFFFFF);
    CB_Zamknij = NowyPrzelacznik(this, "CB_Zamknij", U("Zamknij po skopiowaniu"));
    Button1 = NowyPrzycisk(this, "Button1", U("Wskaż"));
    B_kopiuj = NowyPrzycisk(this, "B_kopiuj", U("Kopiuj"));
    B_Powrot = NowyPrzycisk(this, "B_Powrot", U("Powrót"));

    auto* pola = new QGridLayout;
    pola->addWidget(new QLabel("x1 [cm] =", this), 0, 0);
    pola->addWidget(E_x1, 0, 1);
    pola->addWidget(new QLabel("x2 [cm] =", this), 0, 2);
    pola->addWidget(E_x2, 0, 3);
    pola->addWidget(new QLabel("y1 [cm] =", this), 1, 0);
    pola->addWidget(E_y1, 1, 1);
    pola->addWidget(new QLabel("y2 [cm] =", this), 1, 2);
    pola->addWidget(E_y2, 1, 3);
    pola->addWidget(new QLabel(U("Ilość punktów na cm."), this), 2, 0, 1, 2);
    pola->addWidget(CB_IlPktCm, 2, 2);
    pola->addWidget(new QLabel(U("kolor tła ...."), this), 3, 0, 1, 2);
    pola->addWidget(ShapeTlo, 3, 2);
    auto* przyciski = new QHBoxLayout;
    przyciski->addWidget(Button1);
    przyciski->addWidget(B_kopiuj);
    przyciski->addStretch();
    przyciski->addWidget(B_Powrot);
    auto* uklad = new QVBoxLayout(this);
    uklad->addLayout(pola);
    uklad->addWidget(L_OpisRozmiar);
    uklad->addWidget(CB_Zamknij);
    uklad->addLayout(przyciski);

    connect(CB_IlPktCm, &QComboBox::activated, this, [this](int) { CB_IlPktCmChange(); });
    connect(CB_IlPktCm->lineEdit(), &QLineEdit::textEdited, this, [this](const QString&) { CB_IlPktCmKeyPress(); });
    connect(ShapeTlo, &QPushButton::clicked, this, [this] { ShapeTloMouseDown(); });
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
    connect(B_kopiuj, &QPushButton::clicked, this, [this] { B_kopiujClick(); });
    connect(B_Powrot, &QPushButton::clicked, this, [this] { B_PowrotClick(); });
}

void TKopiujSchowek::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    FormShow();
}

void TKopiujSchowek::FormShow()
{
    // The pixel size for the label only: showing the window stores nothing.
    TNastawySchowek n = NastawySchowek;
    // Every decimal the file keeps (maski::Skala): a side left as it was
    // is stored as it was.
    constexpr const char* maska = "######0.####";
    UstawLiczbe(E_x1, maska, n.X1);
    UstawLiczbe(E_x2, maska, n.X2);
    UstawLiczbe(E_y1, maska, n.Y1);
    UstawLiczbe(E_y2, maska, n.Y2);
    CB_IlPktCm->setEditText(QString::number(n.PunktowNaCm));
    n.SzerokoscPx = static_cast<int32_t>(std::clamp<int64_t>(SzerokoscPikseli(n), INT32_MIN, INT32_MAX));
    n.WysokoscPx = static_cast<int32_t>(std::clamp<int64_t>(WysokoscPikseli(n), INT32_MIN, INT32_MAX));
    L_OpisRozmiar->setText(NaQString(TekstRozmiaruSchowka(n)));
    ShapeTlo->UstawKolor(n.KolorTla);
}

bool TKopiujSchowek::OdswiezRozmiarSchowka(std::string& komunikat)
{
    QLineEdit* const krawedzie[] = {E_x1, E_x2, E_y1, E_y2};
    PolaSchowka pola;
    for (std::size_t i = 0; i < 4; ++i)
        pola.krawedzie[i] = Tekst(krawedzie[i]);
    pola.punktowNaCm = UsunSpacje(ZQString(CB_IlPktCm->currentText()));
    const TNastawySchowek przed = NastawySchowek;
    const bool dobre = OdswiezNastawySchowka(pola, NastawySchowek, komunikat);
    for (std::size_t i = 0; i < 4; ++i)
        UstawTekst(krawedzie[i], pola.krawedzie[i]);
    if (dobre)
        NastawySchowek.KolorTla = ShapeTlo->Kolor();
    // Typing alone marks nothing: the project changes when its settings do.
    if (!(NastawySchowek == przed))
        ZmienionoProjekt();
    L_OpisRozmiar->setText(NaQString(dobre ? TekstRozmiaruSchowka(NastawySchowek) : komunikat));
    return dobre;
}

void TKopiujSchowek::CB_IlPktCmChange()
{
    std::string komunikat;
    OdswiezRozmiarSchowka(komunikat);
}

// While the user types, nothing is reported: a number that is not yet
// complete waits for the refresh, which shows on the size label and stores
// the settings only when all of them hold.
void TKopiujSchowek::CB_IlPktCmKeyPress()
{
    int64_t punkty = 0;
    if (SprobujTekstNaCalkowita(UsunSpacje(ZQString(CB_IlPktCm->currentText())), punkty) &&
        granice::PunktowNaCm.Miesci(static_cast<double>(punkty)) && punkty > 10)
        CB_IlPktCmChange();
}

// The colour reaches the settings, and marks the project changed, with the refresh.
void TKopiujSchowek::ShapeTloMouseDown() { ShapeTlo->WybierzKolor(); }

void TKopiujSchowek::Button1Click()
{
    Form1->TrybWskazFragment = true;
    reject();
}

void TKopiujSchowek::B_kopiujClick()
{
    std::string komunikat;
    if (!OdswiezRozmiarSchowka(komunikat))
        return;
    QImage obraz;
    if (!NarysujFragment(NastawySchowek, [] { RysujArkuszWariantu(BiezacyWariant); }, obraz, komunikat)) {
        L_OpisRozmiar->setText(NaQString(komunikat));
        return;
    }
    OstatniaKopia = obraz;
    if (!KopiujObrazDoSchowka(obraz)) {
        L_OpisRozmiar->setText(U("Schowek nie przyjął obrazu fragmentu rysunku."));
        return;
    }
    L_OpisRozmiar->setText(U("Wskazany fragment rysunku skopiowano do schowka"));
    if (CB_Zamknij->isChecked())
        accept();
}

void TKopiujSchowek::B_PowrotClick() { reject(); }
