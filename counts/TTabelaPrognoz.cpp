#include "counts/TTabelaPrognoz.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "base/Kodowanie.h"
#include "counts/PlikiPomiarow.h"
#include "counts/Przyciski.h"
#include "counts/Pytanie.h"
#include "model/Raporty.h"
#include "counts/Siatka.h"
#include "model/Prognoza.h"
#include "model/Granice.h"
#include "model/Projekt.h"
#include "platform/KatalogProgramu.h"
#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/Komunikaty.h"

TTabelaPrognoz* TabelaPrognoz = nullptr;

namespace {
const char* const FiltrPrognoz = "Pliki prognoza ruchu|*.pgz|Wszystkie pliki|*.*";
}  // namespace

TTabelaPrognoz::TTabelaPrognoz(QWidget* rodzic) : QDialog(rodzic)
{
    setObjectName("TabelaPrognoz");
    setWindowTitle(QStringLiteral("Prognozy"));
    setModal(true);
    UstawDomyslnaPrognoze(robocza_);

    SG_Przejscia = new TSiatka("SG_Przejscia", KategoriiPrzejsc, this);
    SG_Pojazdy = new TSiatka("SG_Pojazdy", KlasPojazdow, this);
    for (TSiatka* s : {SG_Przejscia, SG_Pojazdy}) {
        s->setColumnCount(3);
        for (int r = 1; r <= s->rowCount(); ++r)
            s->UstawKomorke(0, r, std::to_string(r), true);
        connect(s, &QTableWidget::itemChanged, this, [this] { PrognozaZmieniona = 1; });
    }
    CB_WspolnaPrognoza = new QCheckBox(QString::fromUtf8("Wspólna prognoza"), this);
    CB_WspolnaPrognoza->setObjectName("CB_WspolnaPrognoza");
    connect(CB_WspolnaPrognoza, &QCheckBox::clicked, this, &TTabelaPrognoz::CB_WspolnaPrognozaClick);
    B_OdczytUstawPojazd = NowyPrzyciskOkna(this, "B_OdczytUstawPojazd", "Wczytaj",
                                           &TTabelaPrognoz::B_OdczytUstawPojazdClick);
    B_ZapisUstawPojazd = NowyPrzyciskOkna(this, "B_ZapisUstawPojazd", "Zapisz",
                                          &TTabelaPrognoz::B_ZapisUstawPojazdClick);
    B_Wprowadz = NowyPrzyciskOkna(this, "B_Wprowadz", "Wprowadź", &TTabelaPrognoz::B_WprowadzClick);
    B_Rezygnuj = NowyPrzyciskOkna(this, "B_Rezygnuj", "Rezygnuj", &TTabelaPrognoz::B_RezygnujClick);
    Button1 = NowyPrzyciskOkna(this, "Button1", "spraw", &TTabelaPrognoz::Button1Click);
    Button3 = NowyPrzyciskOkna(this, "Button3", "Wstaw", &TTabelaPrognoz::Button3Click);
    Button1->hide();
    Button3->hide();
    L_Typ = new QLabel("J", this);
    L_Typ->setObjectName("L_Typ");
    L_Typ->hide();

    auto* przyciski = new QHBoxLayout;
    for (QPushButton* b : {B_OdczytUstawPojazd, B_ZapisUstawPojazd, B_Wprowadz, B_Rezygnuj})
        przyciski->addWidget(b);
    auto* uklad = new QVBoxLayout(this);
    uklad->addWidget(new QLabel(QString::fromUtf8("Przejścia"), this));
    uklad->addWidget(SG_Przejscia);
    uklad->addWidget(new QLabel(QString::fromUtf8("Pojazdy"), this));
    uklad->addWidget(SG_Pojazdy, 1);
    uklad->addWidget(CB_WspolnaPrognoza);
    uklad->addLayout(przyciski);
    SG_Przejscia->setFixedHeight(4 * 20 + 30);
}

void TTabelaPrognoz::Ustaw(DanePrognoza* kopia, const DanePomiar* pomiar, const std::array<std::string, 5>& oznaczeniaRamion,
                           char typ)
{
    kopia_ = kopia;
    pomiar_ = pomiar;
    oznaczenia_ = oznaczeniaRamion;
    L_Typ->setText(QString(QChar(typ)));
    PrognozaZmieniona = 0;
    PomiarPrzelaczony = 0;
    if (kopia_)
        robocza_ = *kopia_;
    const QSignalBlocker a(SG_Przejscia), b(SG_Pojazdy);
    if (pomiar_) {
        for (int r = 1; r <= KlasPojazdow; ++r)
            SG_Pojazdy->UstawKomorke(1, r, pomiar_->NazwaPojazdu[static_cast<std::size_t>(r - 1)], true);
        for (int r = 1; r <= KategoriiPrzejsc; ++r)
            SG_Przejscia->UstawKomorke(1, r, pomiar_->NazwaPrzejscia[static_cast<std::size_t>(r - 1)], true);
    }
    PokazPrognoze();
}

void TTabelaPrognoz::showEvent(QShowEvent* e)
{
    PokazPrognoze();
    QDialog::showEvent(e);
}

std::vector<int> TTabelaPrognoz::GrupyKolumn() const
{
    std::vector<int> g;
    if (!pomiar_)
        return g;
    if (L_Typ->text() == "R") {
        // Every inlet of the roundabout, up to five.
        for (int i = 1; i <= std::clamp(pomiar_->MaxJest, 0, WlotowPomiaru); ++i)
            g.push_back(i);
    } else {
        for (int i = 1; i <= 4; ++i)
            if (pomiar_->WlotJest[static_cast<std::size_t>(i - 1)])
                g.push_back(i);
    }
    return g;
}

void TTabelaPrognoz::PokazPrognoze() { Buduj(); }

void TTabelaPrognoz::Buduj()
{
    const QSignalBlocker a(SG_Przejscia), b(SG_Pojazdy), c(CB_WspolnaPrognoza);
    CB_WspolnaPrognoza->setChecked(robocza_.TrybPrognoza);
    const bool wspolna = robocza_.TrybPrognoza;
    const std::vector<int> grupy = wspolna ? std::vector<int>{0} : GrupyKolumn();
    const bool rondo = L_Typ->text() == "R";
    QStringList naglowki = {"Lp", "  Opis"};
    if (wspolna)
        naglowki << "  Prognoza";
    else
        for (int g : grupy)
            naglowki << NaQString(oznaczenia_[static_cast<std::size_t>(rondo ? g - 1 : RamieWlotu(g) - 1)]);
    std::vector<int> szerokosci = wspolna ? std::vector<int>{25, 200, 80} : std::vector<int>{25, 150};
    if (!wspolna)
        szerokosci.insert(szerokosci.end(), grupy.size(), 50);
    for (TSiatka* s : {SG_Przejscia, SG_Pojazdy}) {
        // Columns 0 and 1 keep their texts; the forecast columns are rebuilt.
        s->setColumnCount(2);
        s->setColumnCount(2 + static_cast<int>(grupy.size()));
        s->setHorizontalHeaderLabels(naglowki);
        const bool pojazdy = s == SG_Pojazdy;
        for (std::size_t k = 0; k < grupy.size(); ++k)
            for (int r = 1; r <= s->rowCount(); ++r) {
                const auto g = static_cast<std::size_t>(grupy[k]);
                const auto w = static_cast<std::size_t>(r - 1);
                s->UstawKomorke(static_cast<int>(k) + 2, r,
                                pojazdy ? robocza_.PrognozaPojazdy[g][w].str() : robocza_.PrognozaPrzejscia[g][w].str());
            }
    }
    SG_Przejscia->UstawSzerokosci(szerokosci, wspolna ? 9 : 9);
    SG_Pojazdy->UstawSzerokosci(szerokosci, wspolna ? 24 : 26);
    // As wide as its columns, tall enough for every class (the screen may
    // cut it, the grid then scrolls).
    resize(SG_Pojazdy->width() + 25, sizeHint().height());
}

void TTabelaPrognoz::WprowadzPrognoze()
{
    SG_Przejscia->Zatwierdz();
    SG_Pojazdy->Zatwierdz();
    const bool wspolna = CB_WspolnaPrognoza->isChecked();
    robocza_.TrybPrognoza = wspolna;
    const std::vector<int> grupy = wspolna ? std::vector<int>{0} : GrupyKolumn();
    for (std::size_t k = 0; k < grupy.size(); ++k) {
        const auto g = static_cast<std::size_t>(grupy[k]);
        for (int r = 1; r <= KlasPojazdow; ++r)
            robocza_.PrognozaPojazdy[g][static_cast<std::size_t>(r - 1)] = SG_Pojazdy->Komorka(static_cast<int>(k) + 2, r);
        for (int r = 1; r <= KategoriiPrzejsc; ++r)
            robocza_.PrognozaPrzejscia[g][static_cast<std::size_t>(r - 1)] = SG_Przejscia->Komorka(static_cast<int>(k) + 2, r);
    }
}

WynikSprawdzenia TTabelaPrognoz::SprawdzPrognoze()
{
    SG_Przejscia->Zatwierdz();
    SG_Pojazdy->Zatwierdz();
    WynikSprawdzenia w;
    for (TSiatka* s : {SG_Przejscia, SG_Pojazdy}) {
        const std::string gdzie = s == SG_Przejscia ? "przejścia poz. (" : "poz. (";
        for (int r = 1; r <= s->rowCount(); ++r)
            for (int k = 2; k < s->columnCount(); ++k) {
                // A longer cell would be cut on store and mean another forecast.
                constexpr int pojemnosc = decltype(DanePrognoza::PrognozaPojazdy)::value_type::value_type::Pojemnosc;
                if (!MiesciSieTekst(s->Komorka(k, r), pojemnosc)) {
                    w.komunikat = Utf8NaCp1250("Opis prognozy może mieć najwyżej " + std::to_string(pojemnosc) +
                                               " znaków, " + gdzie + std::to_string(k) + "," + std::to_string(r) + ")");
                    continue;
                }
                const KomorkaPrognozy c = RozbierzKomorkePrognozy(s->Komorka(k, r));
                if (c.rodzaj != KomorkaPrognozy::Rodzaj::Bledna)
                    continue;
                w.komunikat = Utf8NaCp1250(std::string(c.procentowa ? "Błędny opis procentowy prognozy, " : "Błędny opis prognozy, ") +
                                           gdzie + std::to_string(k) + "," + std::to_string(r) + ")");
            }
    }
    w.ok = w.komunikat.size() < 4;
    return w;
}

void TTabelaPrognoz::CB_WspolnaPrognozaClick()
{
    // What was typed in the columns shown stays with their groups.
    const bool nowa = CB_WspolnaPrognoza->isChecked();
    {
        const QSignalBlocker b(CB_WspolnaPrognoza);
        CB_WspolnaPrognoza->setChecked(!nowa);
    }
    WprowadzPrognoze();
    robocza_.TrybPrognoza = nowa;
    PrognozaZmieniona = 1;
    Buduj();
}

void TTabelaPrognoz::B_OdczytUstawPojazdClick()
{
    const std::string sciezka = Dialogi().OtworzPlik("Wczytaj prognoz\xEA", FiltrPrognoz, KatalogPrognoz);
    if (sciezka.empty())
        return;
    DanePrognoza wczytana;
    std::string blad;
    ZawartoscPliku zawartosc;
    if (!CzytajPlikPrognozy(sciezka, wczytana, blad, &zawartosc)) {
        Dialogi().Blad(blad);
        return;
    }
    plikPrognozy_ = sciezka;
    zawartoscPrognozy_ = zawartosc;
    robocza_ = wczytana;
    Buduj();
    PrognozaZmieniona = 1;
}

void TTabelaPrognoz::B_ZapisUstawPojazdClick()
{
    const WynikSprawdzenia w = SprawdzPrognoze();
    if (!w.ok) {
        Dialogi().Ostrzezenie(w.komunikat);
        return;
    }
    const std::string sciezka = Dialogi().ZapiszPlik("Zapisz prognoz\xEA", FiltrPrognoz, KatalogPrognoz, "", "pgz");
    if (sciezka.empty())
        return;
    if (PlikIstnieje(sciezka) && !NadpisacPlik(sciezka))
        return;
    WprowadzPrognoze();
    std::string blad, uwaga;
    ZapisZmienionego zmiany = ZapisZPytaniem(sciezka, plikPrognozy_, zawartoscPrognozy_);
    if (!ZapiszPlikPrognozy(sciezka, robocza_, blad, &uwaga, &zmiany)) {
        if (zmiany.naMiejscu && TenSamPlik(sciezka, plikPrognozy_))
            zawartoscPrognozy_ = zmiany.zawartosc;
        if (!zmiany.odmowa)
            Dialogi().Blad(blad);
        return;
    }
    plikPrognozy_ = sciezka;
    zawartoscPrognozy_ = zmiany.zawartosc;
    if (!uwaga.empty())
        Dialogi().Ostrzezenie(uwaga);
}

void TTabelaPrognoz::B_WprowadzClick()
{
    // A cell still being typed in is a change too.
    SG_Przejscia->Zatwierdz();
    SG_Pojazdy->Zatwierdz();
    if (!PrognozaZmieniona) {
        accept();
        return;
    }
    const WynikSprawdzenia w = SprawdzPrognoze();
    if (!w.ok) {
        Dialogi().Ostrzezenie(w.komunikat);
        return;
    }
    WprowadzPrognoze();
    if (kopia_)
        *kopia_ = robocza_;
    PomiarPrzelaczony = 1;
    accept();
}

void TTabelaPrognoz::B_RezygnujClick() { reject(); }

void TTabelaPrognoz::Button1Click()
{
    const WynikSprawdzenia w = SprawdzPrognoze();
    Dialogi().Informacja(w.ok ? std::string("Dane Ok") : w.komunikat);
}

void TTabelaPrognoz::Button3Click() { PrognozaZmieniona = 1; }
