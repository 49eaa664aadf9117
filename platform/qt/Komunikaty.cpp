#include "platform/qt/Komunikaty.h"

#include <QApplication>
#include <QColorDialog>
#include <QDir>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QUrl>
#include <optional>

#include "platform/KatalogProgramu.h"
#include "platform/qt/Kodowanie_qt.h"

namespace {

const QString TytulProgramu = QStringLiteral("Kartogram");

QWidget* Rodzic() { return QApplication::activeWindow(); }

class DialogiQt : public InterfejsDialogow {
public:
    void Informacja(const std::string& tekst) override
    {
        Pokaz(QMessageBox::Information, NaQString(tekst));
    }
    void Ostrzezenie(const std::string& tekst) override
    {
        Pokaz(QMessageBox::Warning, NaQString(tekst));
    }
    void Blad(const std::string& tekst) override
    {
        Pokaz(QMessageBox::Critical, NaQString(tekst));
    }
    void BladQt(const QString& tekst) override
    {
        Pokaz(QMessageBox::Critical, tekst);
    }

    int PytanieTakNie(const std::string& tekst) override { return Pytanie(tekst, false); }
    int PytanieTakNieDomyslnieNie(const std::string& tekst) override { return Pytanie(tekst, true); }

    std::string OtworzPlik(const std::string& tytul, const std::string& filtr, const std::string& katalog) override
    {
        QString wynik = QFileDialog::getOpenFileName(Rodzic(), NaQString(tytul), KatalogDialoguQt(katalog),
                                                     FiltrQt(filtr));
        return SciezkaZQString(wynik);
    }

    std::string ZapiszPlik(const std::string& tytul, const std::string& filtr, const std::string& katalog,
                           const std::string& nazwa, const std::string& domyslneRozszerzenie) override
    {
        // The name as the user is shown it, in the folder Qt can show.
        QString poczatek = KatalogDialoguQt(katalog);
        if (!nazwa.empty()) {
            const QString pokazana = SciezkaDoPokazania(nazwa);
            poczatek = poczatek.isEmpty() ? pokazana : QDir(poczatek).filePath(pokazana);
        }
        QString wynik = QFileDialog::getSaveFileName(Rodzic(), NaQString(tytul), poczatek, FiltrQt(filtr), nullptr,
                                                     QFileDialog::DontConfirmOverwrite);
        if (wynik.isEmpty())
            return {};
        return ZRozszerzeniem(SciezkaZQString(wynik), domyslneRozszerzenie);
    }

    bool WybierzKolor(TKolor& kolor) override
    {
        QColor wybrany = QColorDialog::getColor(QColor(KolorR(kolor), KolorG(kolor), KolorB(kolor)), Rodzic());
        if (!wybrany.isValid())
            return false;
        kolor = KolorRGB(wybrany.red(), wybrany.green(), wybrany.blue());
        return true;
    }

    bool OtworzDokument(const std::string& sciezka) override
    {
        const QUrl adres = AdresDokumentu(sciezka);
        // A file that is not there opens nothing, whatever the system says.
        if (adres.isLocalFile() && !QFileInfo::exists(adres.toLocalFile()))
            return false;
        return QDesktopServices::openUrl(adres);
    }

private:
    static int Pytanie(const std::string& tekst, bool domyslnieNie)
    {
        QMessageBox okno(QMessageBox::Question, TytulProgramu, NaQString(tekst), QMessageBox::NoButton, Rodzic());
        QPushButton* tak = okno.addButton(QStringLiteral("Tak"), QMessageBox::YesRole);
        QPushButton* nie = okno.addButton(QStringLiteral("Nie"), QMessageBox::NoRole);
        okno.setDefaultButton(domyslnieNie ? nie : tak);
        okno.setEscapeButton(nie);
        okno.exec();
        return okno.clickedButton() == tak ? OdpowiedzTak : OdpowiedzNie;
    }

    static void Pokaz(QMessageBox::Icon ikona, const QString& tekst)
    {
        QMessageBox okno(ikona, TytulProgramu, tekst, QMessageBox::Ok, Rodzic());
        okno.exec();
    }
};

DialogiQt dialogiQt;
InterfejsDialogow* dialogiBiezace = nullptr;

} // namespace

InterfejsDialogow& Dialogi()
{
    return dialogiBiezace ? *dialogiBiezace : dialogiQt;
}

void UstawDialogi(InterfejsDialogow* dialogi)
{
    dialogiBiezace = dialogi;
}

QString FiltrQt(const std::string& filtr)
{
    const QStringList czesci = NaQString(filtr).split(QLatin1Char('|'));
    QStringList pozycje;
    for (qsizetype i = 0; i + 1 < czesci.size(); i += 2) {
        QString wzorce = czesci[i + 1].trimmed();
        wzorce.replace(QLatin1Char(';'), QLatin1Char(' '));
        pozycje << czesci[i].trimmed() + QStringLiteral(" (") + wzorce + QLatin1Char(')');
    }
    return pozycje.join(QStringLiteral(";;"));
}

QString KatalogDialoguQt(const std::string& katalog)
{
    if (katalog.empty())
        return {};
    std::error_code ec;
    std::filesystem::path p = std::filesystem::absolute(katalog, ec);
    if (ec)
        p = katalog;
    p = p.lexically_normal();
    if (!p.has_filename() && p.has_relative_path())
        p = p.parent_path();   // no closing "/"
    for (;;) {
        // Qt holds a path as UTF-16 text: a name that is no UTF-8 comes back
        // as other bytes, a folder that is not there.
        const QString q = SciezkaNaQString(p);
        if (SciezkaZQString(q) == p && QFileInfo(q).isDir())
            return q;
        if (p == p.parent_path())
            return q;
        p = p.parent_path();
    }
}

QUrl AdresDokumentu(const std::string& sciezkaLubAdres)
{
    const QString tekst = SciezkaNaQString(sciezkaLubAdres);
    // "https:", "mailto:" and the like; a one-letter scheme is a drive ("C:").
    const QUrl adres(tekst, QUrl::StrictMode);
    if (adres.isValid() && adres.scheme().size() > 1)
        return adres;
    return QUrl::fromLocalFile(tekst);
}

std::string ZRozszerzeniem(const std::string& sciezka, const std::string& rozszerzenie)
{
    if (rozszerzenie.empty() || sciezka.empty())
        return sciezka;
    const std::size_t ukosnik = sciezka.rfind('/');
    const std::size_t kropka = sciezka.find_last_of('.');
    if (kropka != std::string::npos && (ukosnik == std::string::npos || kropka > ukosnik))
        return sciezka;
    return sciezka + "." + rozszerzenie;
}

// ---------------------------------------------------------------------------
// The scripted double

namespace {

// The next scripted answer; with none left the dialog counts as unanswered.
template <class T>
std::optional<T> Nastepna(std::deque<T>& kolejka, int& brakOdpowiedzi)
{
    if (kolejka.empty()) {
        ++brakOdpowiedzi;
        return std::nullopt;
    }
    T x = std::move(kolejka.front());
    kolejka.pop_front();
    return x;
}

} // namespace

std::vector<std::string> DialogiTestowe::Teksty() const
{
    std::vector<std::string> wynik;
    for (const Wpis& w : Wpisy)
        if (w.rodzaj == Rodzaj::Informacja || w.rodzaj == Rodzaj::Ostrzezenie || w.rodzaj == Rodzaj::Blad ||
            w.rodzaj == Rodzaj::Pytanie)
            wynik.push_back(w.tekst);
    return wynik;
}

std::vector<std::string> DialogiTestowe::Teksty(Rodzaj rodzaj) const
{
    std::vector<std::string> wynik;
    for (const Wpis& w : Wpisy)
        if (w.rodzaj == rodzaj)
            wynik.push_back(w.tekst);
    return wynik;
}

std::string DialogiTestowe::OstatniTekst() const
{
    const std::vector<std::string> t = Teksty();
    return t.empty() ? std::string() : t.back();
}

void DialogiTestowe::Informacja(const std::string& tekst) { Wpisy.push_back({Rodzaj::Informacja, tekst, {}, {}, {}}); }
void DialogiTestowe::Ostrzezenie(const std::string& tekst) { Wpisy.push_back({Rodzaj::Ostrzezenie, tekst, {}, {}, {}}); }
void DialogiTestowe::Blad(const std::string& tekst) { Wpisy.push_back({Rodzaj::Blad, tekst, {}, {}, {}}); }
void DialogiTestowe::BladQt(const QString& tekst) { Wpisy.push_back({Rodzaj::Blad, ZQString(tekst), {}, {}, tekst}); }

int DialogiTestowe::PytanieTakNie(const std::string& tekst)
{
    Wpisy.push_back({Rodzaj::Pytanie, tekst, {}, {}, {}});
    return Nastepna(Odpowiedzi, BrakOdpowiedzi).value_or(OdpowiedzNie);
}

int DialogiTestowe::PytanieTakNieDomyslnieNie(const std::string& tekst)
{
    DomyslnieNie.push_back(tekst);
    return PytanieTakNie(tekst);
}

std::string DialogiTestowe::OtworzPlik(const std::string& tytul, const std::string& filtr, const std::string& katalog)
{
    Wpisy.push_back({Rodzaj::OtworzPlik, tytul, filtr, katalog, {}});
    return Nastepna(SciezkiOtworz, BrakOdpowiedzi).value_or(std::string());
}

std::string DialogiTestowe::ZapiszPlik(const std::string& tytul, const std::string& filtr, const std::string& katalog,
                                       const std::string& nazwa, const std::string& domyslneRozszerzenie)
{
    Wpisy.push_back({Rodzaj::ZapiszPlik, tytul, filtr, katalog, {}});
    ProponowaneNazwy.push_back(nazwa);
    return ZRozszerzeniem(Nastepna(SciezkiZapisz, BrakOdpowiedzi).value_or(std::string()), domyslneRozszerzenie);
}

bool DialogiTestowe::WybierzKolor(TKolor& kolor)
{
    Wpisy.push_back({Rodzaj::Kolor, {}, {}, {}, {}});
    const std::optional<TKolor> wybrany = Nastepna(Kolory, BrakOdpowiedzi);
    if (!wybrany)
        return false;
    kolor = *wybrany;
    return true;
}

bool DialogiTestowe::OtworzDokument(const std::string& sciezka)
{
    Wpisy.push_back({Rodzaj::Dokument, sciezka, {}, {}, {}});
    return DokumentySieOtwieraja;
}

ZapisZmienionego ZapisZPytaniem(const std::string& sciezka, const std::string& plik, const ZawartoscPliku& zawartosc)
{
    ZapisZmienionego zmiany;
    if (TenSamPlik(sciezka, plik)) {
        zmiany.zawartosc = zawartosc;
        zmiany.czyZastapic = ZastapicZmieniony;
    }
    return zmiany;
}

bool ZastapicZmieniony(const std::string& pytanie)
{
    // Enter must not replace a colleague's work.
    return Dialogi().PytanieTakNieDomyslnieNie(pytanie) == OdpowiedzTak;
}
