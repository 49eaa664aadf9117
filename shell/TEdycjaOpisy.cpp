#include "shell/TEdycjaOpisy.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "model/Granice.h"
#include "model/Projekt.h"
#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/KsztaltKoloru.h"
#include "platform/qt/LiczbaPokazana.h"
#include "shell/Dialogi.h"
#include "shell/Kontrolki.h"
#include "shell/PoleLiczby.h"
#include "shell/TForm1.h"

TEdycjaOpisy* EdycjaOpisy = nullptr;

namespace {

// One number check of the table of the window: its text is corrected and
// written back, then read; a failure replaces the message.
bool Sprawdz(QLineEdit* pole, const GranicaPola& g, const char* brakLiczby, const char* pozaZakresem, double& x,
             std::string& komunikat)
{
    if (LiczbaPokazana(pole))
        return true;
    if (!SprobujTekstNaLiczbe(UsunSpacje(TekstPoprawiony(pole)), x)) {
        komunikat = Utf8NaCp1250(brakLiczby);
        return false;
    }
    if (!g.Miesci(x)) {
        komunikat = Utf8NaCp1250(pozaZakresem);
        return false;
    }
    return true;
}

std::string TekstPola(const QComboBox* c) { return ZQString(c->currentText()); }

// A typed number as the file keeps it (`domyslna` for no number); a number
// the window showed and the user left as shown, as it was.
float LiczbaOpisu(const QLineEdit* pole, double domyslna)
{
    if (const std::optional<double> pokazana = LiczbaPokazana(pole))
        return static_cast<float>(*pokazana);
    return static_cast<float>(JakWPliku(TekstNaLiczbeS(UsunSpacje(Tekst(pole)), domyslna), maski::Polozenie));
}

} // namespace

TEdycjaOpisy::TEdycjaOpisy(QWidget* rodzic) : QDialog(rodzic)
{
    setObjectName("EdycjaOpisy");
    setWindowTitle(U("Opisy"));
    setModal(true);

    E_txt = NowePole(this, "E_txt");
    E_txt->setMaximumWidth(QWIDGETSIZE_MAX);
    CB_sx = NoweRozwijane(this, "CB_sx",
                          {"0,25", "0,30", "0,35", "0,50", "0,60", "0,70", "0,80", "1,00", "1,50", "2,00", "3,00"});
    CB_sy = NoweRozwijane(this, "CB_sy", {"0,25", "0,30", "0,35", "0,50", "0,60", "0,70", "0,80", "1,00", "1,20",
                                          "1,50", "2,00", "3,00"});
    CB_Grubosci = NoweRozwijane(this, "CB_Grubosci", {"0,10", "0,12", "0,15", "0,18", "0,20", "0,25", "0,30", "0,35",
                                                      "0,50", "0,60", "0,70", "0,80", "1,00"});
    S_kol = new TKsztaltKoloru(this, "S_kol");
    S_kol->UstawKolor(0);

    auto* grupaKata = new QGroupBox(U("Kąt obrotu"), this);
    RBPion = NowyWybor(grupaKata, "RBPion", U("Poziomo   0 [st.]"));
    RBPoziom = NowyWybor(grupaKata, "RBPoziom", U("Pionowo  90 [st.]"));
    RBRecznie = NowyWybor(grupaKata, "RBRecznie", U("Ręcznie"));
    Kat = NowePole(grupaKata, "Kat");
    Kat->setText("0");
    RBPion->setChecked(true);
    auto* uk = new QGridLayout(grupaKata);
    uk->addWidget(RBPion, 0, 0, 1, 2);
    uk->addWidget(RBPoziom, 1, 0, 1, 2);
    uk->addWidget(RBRecznie, 2, 0);
    uk->addWidget(Kat, 2, 1);

    auto* grupaPunktu = new QGroupBox(U("Punkt wstawienia"), this);
    E_x = NowePole(grupaPunktu, "E_x");
    E_y = NowePole(grupaPunktu, "E_y");
    Wskazanie = NowyPrzycisk(grupaPunktu, "Wskazanie", U("Wskaż"));
    auto* up = new QGridLayout(grupaPunktu);
    up->addWidget(new QLabel("X [cm]", grupaPunktu), 0, 0);
    up->addWidget(E_x, 0, 1);
    up->addWidget(new QLabel("Y[cm]", grupaPunktu), 1, 0);
    up->addWidget(E_y, 1, 1);
    up->addWidget(Wskazanie, 2, 0, 1, 2);

    QGroupBox* grupaArkuszy = NowyWyborArkusza(this, RB_ArkAktualny, RB_ArkWszystkie);

    B_Wprowadz = NowyPrzycisk(this, "B_Wprowadz", U("Wprowadź"));
    Powrot = NowyPrzycisk(this, "Powrot", U("Rezygnuj"));

    auto* rozmiary = new QGridLayout;
    rozmiary->addWidget(new QLabel(U("Wsp. szer.  <0.1 - 3>"), this), 0, 0);
    rozmiary->addWidget(CB_sx, 0, 1);
    rozmiary->addWidget(new QLabel(U("Rozmiar [cm]"), this), 1, 0);
    rozmiary->addWidget(CB_sy, 1, 1);
    rozmiary->addWidget(new QLabel(U("Grubość (dotyczy wydruku)"), this), 2, 0);
    rozmiary->addWidget(CB_Grubosci, 2, 1);
    rozmiary->addWidget(new QLabel(U("Kolor"), this), 3, 0);
    rozmiary->addWidget(S_kol, 3, 1);
    auto* grupy = new QHBoxLayout;
    grupy->addLayout(rozmiary);
    grupy->addWidget(grupaKata);
    grupy->addWidget(grupaPunktu);
    grupy->addWidget(grupaArkuszy);
    auto* przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(B_Wprowadz);
    przyciski->addWidget(Powrot);
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(new QLabel(U("Tekst (max 255 znaków)"), this));
    uklad->addWidget(E_txt);
    uklad->addLayout(grupy);
    uklad->addLayout(przyciski);

    connect(B_Wprowadz, &QPushButton::clicked, this, [this] { B_WprowadzClick(); });
    connect(Wskazanie, &QPushButton::clicked, this, [this] { WskazanieClick(); });
    connect(S_kol, &QPushButton::clicked, this, [this] { S_kolMouseDown(); });
    connect(Powrot, &QPushButton::clicked, this, [this] { PowrotClick(); });
}

bool TEdycjaOpisy::SprawdzOpis(std::string& komunikat)
{
    // Every check runs; each failure replaces the message, so the last one
    // found is the one shown.
    bool dobre = true;
    double x = 0.0;
    if (E_txt->text().isEmpty()) {
        dobre = false;
        komunikat = Utf8NaCp1250("Pole tekst musi zawierać minimum jedną literę!");
    } else if (const std::string odmowa = OdmowaTekstu(TekstZPola(E_txt), decltype(DaneOpis::Tekst)::Pojemnosc, "Tekst");
               !odmowa.empty()) {
        dobre = false;
        komunikat = odmowa;
    }
    dobre &= Sprawdz(CB_sx->lineEdit(), granice::SzerokoscZnakuOpisu,
                     "Wymagana wartość WSPÓŁCZYNNIKA SZEROKOŚCI w postaci liczby!",
                     "Błędy numer współczynnik szerokości! Wymagana wartość liczbowa pomiędzy od 0.1 do 3.0.", x,
                     komunikat);
    dobre &= Sprawdz(CB_sy->lineEdit(), granice::WysokoscOpisu,
                     "Wymagana wartość ROZMIARU w postaci liczby!",
                     "Błędy ROZMIAR! Wymagana wartość liczbowa pomiędzy od 0.1 do 15.0 [cm].", x, komunikat);
    // An empty pen width follows the height.
    if (CB_Grubosci->currentText().isEmpty()) {
        double h = 0.0;
        const bool jestH = SprobujTekstNaLiczbe(UsunSpacje(TekstPola(CB_sy)), h);
        UstawTekst(CB_Grubosci->lineEdit(), jestH ? FormatFloat("#0.##", h * 0.1) : std::string("0.2"));
    }
    dobre &= Sprawdz(CB_Grubosci->lineEdit(), granice::GruboscOpisu,
                     "Wymagana wartość grubości w postaci liczby!",
                     "Błędna wartość grubości! Wymagana wartość liczbowa pomiędzy od 0.01 do 3.0!", x, komunikat);
    dobre &= CzytajPole(E_x, granice::Polozenie, "X", "Błędna wartość współrzędnej X!", x, komunikat);
    dobre &= CzytajPole(E_y, granice::Polozenie, "Y", "Błędna wartość współrzędnej Y!", x, komunikat);
    if (RBRecznie->isChecked())
        dobre &= Sprawdz(Kat, granice::KatOpisu, "Wymagana liczbowa wartość kąta!",
                         "Kąt musi zawierać się pomiędzy od 0 do 360 [st].", x, komunikat);
    return dobre;
}

float TEdycjaOpisy::KatWybrany(float zamiast) const
{
    if (RBPion->isChecked())
        return 0.0f;
    if (RBPoziom->isChecked())
        return 90.0f;
    return TekstNaLiczbeS(UsunSpacje(Tekst(Kat)), zamiast);
}

void TEdycjaOpisy::B_WprowadzClick()
{
    std::string komunikat;
    if (!SprawdzOpis(komunikat)) {
        PokazBladUzytkownikowi(komunikat);
        return;
    }
    const bool zmiana = B_Wprowadz->text() == U("Zmień") && JestIndeksem(zmieniany_, Opisy);
    DaneOpis o = zmiana ? Opisy[zmieniany_] : DaneOpis{};
    // Every typed number as the file keeps it, so that what is stored reopens.
    o.Tekst = Tekst(E_txt);
    o.X = LiczbaOpisu(E_x, 0.0);
    o.Y = LiczbaOpisu(E_y, 0.0);
    o.Sx = LiczbaOpisu(CB_sx->lineEdit(), 1.0);
    o.Sy = LiczbaOpisu(CB_sy->lineEdit(), 1.0);
    o.Kolor = S_kol->Kolor();
    o.Grubosc = LiczbaOpisu(CB_Grubosci->lineEdit(), 0.2);
    o.Kat = RBRecznie->isChecked() ? LiczbaOpisu(Kat, 0.0) : KatWybrany(0.0f);
    o.Styl = "Opis";
    o.Rodzaj = 0;
    o.Wariant = WybranyWariant(RB_ArkWszystkie, !zmiana, o.Wariant);
    // A description committed as it was leaves the project unchanged.
    const bool zmieniony = !zmiana || !(o == Opisy[zmieniany_]);
    if (zmiana)
        Opisy[zmieniany_] = o;
    else
        Opisy.push_back(o);
    accept();
    if (zmieniony)
        ZmienionoProjekt();
    Form1->Przerysuj();
    Form1->UstawPolecenia();
}

void TEdycjaOpisy::WskazanieClick()
{
    Form1->NowyOpis.Sx = TekstNaLiczbeS(TekstPoprawiony(CB_sx->lineEdit()), 1.0);
    Form1->NowyOpis.Sy = TekstNaLiczbeS(TekstPoprawiony(CB_sy->lineEdit()), 1.0);
    Form1->NowyOpis.Tekst = E_txt->text().isEmpty() ? std::string("Abc ....") : Tekst(E_txt);
    if (RBRecznie->isChecked())
        TekstPoprawiony(Kat);
    Form1->NowyOpis.Kat = KatWybrany(0.0f);
    Form1->UstawTryb(TTrybEdycji::WstawOpis);
    reject();
}

void TEdycjaOpisy::S_kolMouseDown() { S_kol->WybierzKolor(); }

void TEdycjaOpisy::PowrotClick() { reject(); }

void TEdycjaOpisy::PrzygotujNowy()
{
    zmieniany_ = -1;
    // A new description: no number of a changed one is kept.
    for (QLineEdit* pole : {E_x, E_y, CB_sx->lineEdit(), CB_sy->lineEdit(), CB_Grubosci->lineEdit(), Kat})
        ZapomnijLiczbe(pole);
    E_txt->clear();
    E_x->clear();
    E_y->clear();
    const QString jeden = NaQString(std::string("1") + SeparatorDziesietny() + "00");
    CB_sx->setEditText(jeden);
    CB_sy->setEditText(jeden);
    // An empty pen width would follow the height of 1 when stored: the box
    // shows that width.
    if (CB_Grubosci->currentText().isEmpty())
        CB_Grubosci->setEditText(NaQString(std::string("0") + SeparatorDziesietny() + "10"));
    B_Wprowadz->setText(U("Wprowadź"));
}

void TEdycjaOpisy::PrzygotujZmiane(int32_t indeks)
{
    zmieniany_ = indeks;
    const DaneOpis& o = Opisy[indeks];
    UstawTekst(E_txt, o.Tekst);
    constexpr const char* maska = "##########0.##";
    PokazLiczbe(E_x, maska, o.X);
    PokazLiczbe(E_y, maska, o.Y);
    PokazLiczbe(CB_sx->lineEdit(), maska, o.Sx);
    PokazLiczbe(CB_sy->lineEdit(), maska, o.Sy);
    PokazLiczbe(CB_Grubosci->lineEdit(), maska, o.Grubosc);
    S_kol->UstawKolor(o.Kolor);
    ZaznaczJeden({RBPion, RBPoziom, RBRecznie}, o.Kat == 90.0f ? RBPoziom : o.Kat == 0.0f ? RBPion : RBRecznie);
    // The angle's edit always shows this description's angle, never an
    // earlier one's.
    PokazLiczbe(Kat, maska, o.Kat);
    PokazWariantArkusza(RB_ArkAktualny, RB_ArkWszystkie, o.Wariant);
    B_Wprowadz->setText(U("Zmień"));
}
