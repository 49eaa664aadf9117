// The count, count settings and forecast files.
#include "counts/PlikiPomiarow.h"

#include <cmath>
#include <cstdint>
#include <ctime>
#include <limits>
#include <filesystem>
#include <system_error>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "base/Wersja.h"
#include "model/PlikProjektu.h"
#include "model/Projekt.h"
#include "platform/KatalogProgramu.h"
#include "platform/PlikTekstowy.h"

namespace {

const std::string Gwiazdki(69, '*');
const std::string PustaRamka = "*" + std::string(67, ' ') + "*";

// A banner line: an asterisk, `odstep` blanks, the text, blanks up to 68
// characters and the closing asterisk.
std::string LiniaRamki(int odstep, const std::string& tekst)
{
    std::string l = "*" + std::string(static_cast<std::size_t>(odstep), ' ') + tekst;
    if (l.size() < 68)
        l.append(68 - l.size(), ' ');
    return l + "*";
}

// The key scan of the three readers: each line is compared with the keys;
// a key's value lines are taken as values only, never as keys, so that any
// text the writer puts there reads back (a description line that reads
// like a key included). Every value line must be in the file.
class Skaner {
public:
    Skaner(std::vector<std::string> linie, const std::string& nazwaPliku) : c_(std::move(linie), nazwaPliku) {}

    bool Koniec() const { return c_.Koniec(); }
    // The next line of the scan.
    const std::string& Nastepna()
    {
        ostatnia_ = c_.Linia();
        return ostatnia_;
    }
    // The line the comparisons go on with.
    const std::string& Ostatnia() const { return ostatnia_; }

    std::string Tekst()
    {
        Wymagaj();
        ostatnia_ = c_.Linia();
        return ostatnia_;
    }
    int32_t Calkowita()
    {
        const std::string l = Tekst();
        int64_t x = 0;
        if (!SprobujTekstNaCalkowita(l, x) || x < INT32_MIN || x > INT32_MAX)
            Blad("\"" + Cp1250NaUtf8(l.substr(0, 40)) + "\" nie jest liczbą całkowitą.");
        return static_cast<int32_t>(x);
    }
    float Rzeczywista()
    {
        const std::string l = Tekst();
        double x = 0.0;
        if (!SprobujTekstNaLiczbe(PoprawSeparator(l), x) || std::fabs(x) > std::numeric_limits<float>::max())
            Blad("\"" + Cp1250NaUtf8(l.substr(0, 40)) + "\" nie jest liczbą.");
        return static_cast<float>(x);
    }
    TDataCzas Data(bool czas)
    {
        const std::string l = Tekst();
        try {
            return czas ? TekstNaCzas(l) : TekstNaDate(l);
        } catch (const BladKonwersji&) {
            c_.Blad(Utf8NaCp1250(czas ? "nieprawidłowy czas \"" : "nieprawidłowa data \"") + l.substr(0, 40) + "\".");
        }
    }
    [[noreturn]] void Blad(const std::string& utf8) const { c_.Blad(Utf8NaCp1250(utf8)); }
    std::string Komunikat(const std::string& utf8) const { return c_.KomunikatBledu(Utf8NaCp1250(utf8)); }

private:
    void Wymagaj()
    {
        if (c_.Koniec()) {
            c_.Linia();
            c_.Blad(Utf8NaCp1250("brak wartości, plik się kończy."));
        }
    }

    CzytnikProjektu c_;
    std::string ostatnia_;
};

// A file without any of its keys is no such file at all.
std::string BrakKluczy(const std::string& nazwaPliku, const char* czego)
{
    return Utf8NaCp1250("Plik ") + nazwaPliku + Utf8NaCp1250(" nie zawiera ") + Utf8NaCp1250(czego) + ".";
}

bool Wczytaj(const std::string& sciezka, std::vector<std::string>& linie, std::string& blad)
{
    return CzytajLinie(sciezka, linie, blad);
}

// ---------------------------------------------------------------- "*.pom"

const char* const KDataOstEdycja = "__________DataOstEdycja";
const char* const KGodzOstEdycja = "__________GodzOstEdycja";
const char* const KDataPomiaru = "__________DataPomiaru";
const char* const KGodzPomiaru = "__________GodzPomiaru";
const char* const KCzasPomiaru = "__________CzasPomiaru[m]";
const char* const KLokalizacja = "__________Lokalizacja";
const char* const KSekcja = "__________Sekcja";
const char* const KOpis2Linie = "__________Opis2Linie";
const char* const KTypWezla = "__________TypWezla";
const char* const KMaxJest = "__________MaxJest";
const char* const KWlotJest = "__________WlotJest";
const char* const KRysujZawrotki = "__________RysujZawrotki";
const char* const KPojazdy = "__________OpisOznWspPojazdow";
const char* const KNatezeniaPojazdow = "__________NatezeniaPojazdow";
const char* const KSumyPojazdow = "__________NatezeniaPojazdowSumy";
const char* const KPrzejscia = "__________OpisOznPrzejsc";
const char* const KNatezeniaPrzejsc = "__________NatezeniaPrzejsc";
const char* const KSumyPrzejsc = "__________NatezeniaPrzejscSumy";

void Teraz(TDataCzas& dzis, TDataCzas& teraz)
{
    const std::time_t t = std::time(nullptr);
    std::tm czas{};
    localtime_r(&t, &czas);
    dzis = KodujDate(czas.tm_year + 1900, czas.tm_mon + 1, czas.tm_mday);
    teraz = KodujCzas(czas.tm_hour, czas.tm_min, std::min(czas.tm_sec, 59));
}

template <std::size_t N>
void CzytajTabele(Skaner& s, std::array<int32_t, N>& t)
{
    for (int32_t& x : t)
        x = s.Calkowita();
}

}  // namespace

DanePomiar BiezacyPomiar;

std::string NazwaBezKatalogu(const std::string& sciezka)
{
    const auto i = sciezka.find_last_of("\\/:");
    return i == std::string::npos ? sciezka : sciezka.substr(i + 1);
}

std::vector<std::string> LiniePlikuPomiaru(const DanePomiar& p, TDataCzas dataZapisu, TDataCzas godzZapisu)
{
    PisarzProjektu w;
    w.Linia(Gwiazdki);
    w.Linia(LiniaRamki(18, "POMIAR   1.0.0."));
    w.Linia(LiniaRamki(11, "KARTOGRAM " + std::string(WersjaProgramu) + " Pomiary ruchu"));
    w.Linia(Gwiazdki);
    w.Linia("");
    w.Linia(KDataOstEdycja);
    w.Linia(DataNaTekst(dataZapisu));
    w.Linia(KGodzOstEdycja);
    w.Linia(CzasNaTekst(godzZapisu));
    w.Linia("");
    w.Linia(KDataPomiaru);
    w.Linia(DataNaTekst(p.DataPomiaru));
    w.Linia(KGodzPomiaru);
    w.Linia(CzasNaTekst(p.GodzPomiaru));
    w.Linia(KCzasPomiaru);
    w.Calkowita(p.CzasPomiaru);
    w.Linia("");
    w.Linia(KLokalizacja);
    w.Tekst(p.Lokalizacja);
    w.Linia(KSekcja);
    w.Tekst(p.Sekcja);
    w.Linia(KOpis2Linie);
    w.Tekst(p.Opis2Linie[0]);
    w.Tekst(p.Opis2Linie[1]);
    w.Linia("");
    w.Linia(KTypWezla);
    w.Tekst(p.TypWezla);
    w.Linia(KMaxJest);
    w.Calkowita(p.MaxJest);
    w.Linia(KWlotJest);
    for (uint8_t j : p.WlotJest)
        w.LogicznaMala(j);
    w.Linia(KRysujZawrotki);
    w.LogicznaMala(p.RysujZawrotki);
    w.Linia("");
    w.Linia(KPojazdy);
    for (int c = 0; c < KlasPojazdow; ++c) {
        w.Tekst(p.NazwaPojazdu[c]);
        w.Tekst(p.OznPojazdu[c]);
        w.Rzeczywista(p.WspPojazdu[c], "###0.0#");
    }
    w.Linia("");
    w.Linia(KNatezeniaPojazdow);
    for (const auto& wiersz : p.NatezeniaPojazdow)
        for (int32_t x : wiersz)
            w.Calkowita(x);
    w.Linia("");
    w.Linia(KSumyPojazdow);
    for (int32_t x : p.NatezeniaPojazdowSumy)
        w.Calkowita(x);
    w.Linia("");
    w.Linia(KPrzejscia);
    for (int k = 0; k < KategoriiPrzejsc; ++k) {
        w.Tekst(p.NazwaPrzejscia[k]);
        w.Tekst(p.OznPrzejscia[k]);
    }
    w.Linia("");
    w.Linia(KNatezeniaPrzejsc);
    for (const auto& wiersz : p.NatezeniaPrzejsc)
        for (int32_t x : wiersz)
            w.Calkowita(x);
    w.Linia("");
    w.Linia(KSumyPrzejsc);
    for (int32_t x : p.NatezeniaPrzejscSumy)
        w.Calkowita(x);
    w.Linia("");
    return w.Linie();
}

bool ZapiszPlikPomiaru(const std::string& sciezka, const DanePomiar& p, std::string& blad)
{
    TDataCzas dzis = 0.0, teraz = 0.0;
    Teraz(dzis, teraz);
    return ZapiszLinieBezpiecznie(sciezka, LiniePlikuPomiaru(p, dzis, teraz), blad);
}

bool CzytajLiniePomiaru(std::vector<std::string> linie, const std::string& nazwaPliku, DanePomiar& p, std::string& blad)
{
    DanePomiar m = p;
    Skaner s(std::move(linie), nazwaPliku);
    bool klucz = false;
    try {
        while (!s.Koniec()) {
            s.Nastepna();
            auto jest = [&](const char* k) {
                const bool tak = s.Ostatnia() == k;
                klucz = klucz || tak;
                return tak;
            };
            if (jest(KDataOstEdycja))
                m.DataOstEdycja = s.Data(false);
            else if (jest(KGodzOstEdycja))
                m.GodzOstEdycja = s.Data(true);
            else if (jest(KDataPomiaru))
                m.DataPomiaru = s.Data(false);
            else if (jest(KGodzPomiaru))
                m.GodzPomiaru = s.Data(true);
            else if (jest(KCzasPomiaru))
                m.CzasPomiaru = s.Calkowita();
            else if (jest(KLokalizacja))
                m.Lokalizacja = s.Tekst();
            else if (jest(KSekcja))
                m.Sekcja = s.Tekst();
            else if (jest(KOpis2Linie)) {
                m.Opis2Linie[0] = s.Tekst();
                m.Opis2Linie[1] = s.Tekst();
            }
            else if (jest(KTypWezla))
                m.TypWezla = s.Tekst();
            else if (jest(KMaxJest))
                m.MaxJest = s.Calkowita();
            else if (jest(KWlotJest))
                for (uint8_t& j : m.WlotJest)
                    j = s.Tekst() == "true";
            else if (jest(KRysujZawrotki))
                m.RysujZawrotki = s.Tekst() == "true";
            else if (jest(KPojazdy))
                for (int c = 0; c < KlasPojazdow; ++c) {
                    m.NazwaPojazdu[c] = s.Tekst();
                    m.OznPojazdu[c] = s.Tekst();
                    m.WspPojazdu[c] = s.Rzeczywista();
                }
            else if (jest(KNatezeniaPojazdow))
                for (auto& wiersz : m.NatezeniaPojazdow)
                    CzytajTabele(s, wiersz);
            else if (jest(KSumyPojazdow))
                CzytajTabele(s, m.NatezeniaPojazdowSumy);
            else if (jest(KPrzejscia))
                for (int k = 0; k < KategoriiPrzejsc; ++k) {
                    m.NazwaPrzejscia[k] = s.Tekst();
                    m.OznPrzejscia[k] = s.Tekst();
                }
            else if (jest(KNatezeniaPrzejsc))
                for (auto& wiersz : m.NatezeniaPrzejsc)
                    CzytajTabele(s, wiersz);
            else if (jest(KSumyPrzejsc))
                CzytajTabele(s, m.NatezeniaPrzejscSumy);
        }
    } catch (const BladPliku& b) {
        blad = b.what();
        return false;
    }
    if (!klucz) {
        blad = BrakKluczy(nazwaPliku, "danych pomiaru");
        return false;
    }
    m.NazwaPliku = NazwaBezKatalogu(nazwaPliku);
    p = m;
    return true;
}

bool CzytajPlikPomiaru(const std::string& sciezka, DanePomiar& p, std::string& blad)
{
    std::vector<std::string> linie;
    return Wczytaj(sciezka, linie, blad) && CzytajLiniePomiaru(std::move(linie), sciezka, p, blad);
}

bool CzytajNaglowekPomiaru(const std::string& sciezka, NaglowekPomiaru& n, std::string& blad)
{
    std::vector<std::string> linie;
    if (!Wczytaj(sciezka, linie, blad))
        return false;
    NaglowekPomiaru h = n;
    Skaner s(std::move(linie), sciezka);
    try {
        while (!s.Koniec()) {
            s.Nastepna();
            if (s.Ostatnia() == KDataOstEdycja)
                h.DataOstEdycja = s.Data(false);
            else if (s.Ostatnia() == KGodzOstEdycja)
                h.GodzOstEdycja = s.Data(true);
            else if (s.Ostatnia() == KDataPomiaru)
                h.DataPomiaru = s.Data(false);
            else if (s.Ostatnia() == KLokalizacja)
                h.Lokalizacja = s.Tekst();
            else if (s.Ostatnia() == KSekcja)
                h.Sekcja = s.Tekst();
            else if (s.Ostatnia() == KTypWezla)
                h.TypWezla = s.Tekst();
        }
    } catch (const BladPliku& b) {
        blad = b.what();
        return false;
    }
    n = h;
    return true;
}

// ---------------------------------------------------------------- "*.upm"

namespace {
const char* const KUstawPojazdy = "__________UstawOznWspPojazdow";
const char* const KUstawPrzejscia = "__________UstawOznPrzejsc";
}  // namespace

UstawieniaPomiaru UstawieniaZPomiaru(const DanePomiar& p)
{
    UstawieniaPomiaru u;
    for (int c = 0; c < KlasPojazdow; ++c) {
        u.Nazwa[c] = p.NazwaPojazdu[c];
        u.Ozn[c] = p.OznPojazdu[c];
        u.Wsp[c] = FormatFloat("#0.0#", p.WspPojazdu[c]);
    }
    for (int k = 0; k < KategoriiPrzejsc; ++k) {
        u.NazwaPrzejscia[k] = p.NazwaPrzejscia[k];
        u.OznPrzejscia[k] = p.OznPrzejscia[k];
    }
    return u;
}

UstawieniaPomiaru WbudowaneKlasyPojazdow()
{
    static const char* const nazwy[KlasPojazdow] = {
        "Osobowe", "Dostawcze", "Ciężarowe", "Ciężarowe z przyczepą", "Autobusy", "Motocykle", "Tramwaj",
        "TIR", "Rowerzyści", "inne", "inne", "inne", "inne", "inne", "inne", "inne", "inne", "inne", "inne",
        "Zaprzęgowe"};
    static const char* const ozn[KlasPojazdow] = {"Oso", "Dos", "Cwe", "CzP", "BUS", "Mot", "Tra",
                                                  "TIR", "Row", "i1",  "i2",  "i3",  "i4",  "i5",
                                                  "i6",  "i7",  "i8",  "i9",  "i10", "Zap"};
    UstawieniaPomiaru u;
    const std::string wsp = std::string("1") + SeparatorDziesietny() + "0";
    for (int c = 0; c < KlasPojazdow; ++c) {
        u.Nazwa[c] = Utf8NaCp1250(nazwy[c]);
        u.Ozn[c] = ozn[c];
        u.Wsp[c] = wsp;
    }
    return u;
}

std::vector<std::string> LiniePlikuUstawien(const UstawieniaPomiaru& u)
{
    PisarzProjektu w;
    w.Linia(Gwiazdki);
    w.Linia(LiniaRamki(9, Utf8NaCp1250("Ustawienia Pojazdów/Przejsc POMIAR 1.0.0.")));
    w.Linia(PustaRamka);
    w.Linia(Gwiazdki);
    w.Linia("");
    w.Linia(KUstawPojazdy);
    for (int c = 0; c < KlasPojazdow; ++c) {
        w.Linia(u.Nazwa[c]);
        w.Linia(u.Ozn[c]);
        w.Linia(u.Wsp[c]);
    }
    w.Linia("");
    w.Linia(KUstawPrzejscia);
    for (int k = 0; k < KategoriiPrzejsc; ++k) {
        w.Linia(u.NazwaPrzejscia[k]);
        w.Linia(u.OznPrzejscia[k]);
    }
    w.Linia("");
    return w.Linie();
}

bool ZapiszPlikUstawien(const std::string& sciezka, const UstawieniaPomiaru& u, std::string& blad)
{
    return ZapiszLinieBezpiecznie(sciezka, LiniePlikuUstawien(u), blad);
}

bool CzytajLinieUstawien(std::vector<std::string> linie, const std::string& nazwaPliku, UstawieniaPomiaru& u,
                         bool& zPrzejsciami, std::string& blad)
{
    UstawieniaPomiaru n = u;
    bool przejscia = false, klucz = false;
    Skaner s(std::move(linie), nazwaPliku);
    try {
        while (!s.Koniec()) {
            s.Nastepna();
            if (s.Ostatnia() == KUstawPojazdy) {
                klucz = true;
                for (int c = 0; c < KlasPojazdow; ++c) {
                    n.Nazwa[c] = s.Tekst();
                    n.Ozn[c] = s.Tekst();
                    n.Wsp[c] = s.Tekst();
                    double x = 0.0;
                    if (!SprobujTekstNaLiczbe(PoprawSeparator(n.Wsp[c]), x))
                        s.Blad("współczynnik pojazdu nr " + std::to_string(c + 1) + " nie jest liczbą.");
                }
            } else if (s.Ostatnia() == KUstawPrzejscia) {
                klucz = przejscia = true;
                for (int k = 0; k < KategoriiPrzejsc; ++k) {
                    n.NazwaPrzejscia[k] = s.Tekst();
                    n.OznPrzejscia[k] = s.Tekst();
                }
            }
        }
    } catch (const BladPliku& b) {
        blad = b.what();
        return false;
    }
    if (!klucz) {
        blad = BrakKluczy(nazwaPliku, "ustawień pomiaru");
        return false;
    }
    u = n;
    zPrzejsciami = przejscia;
    return true;
}

bool CzytajPlikUstawien(const std::string& sciezka, UstawieniaPomiaru& u, bool& zPrzejsciami, std::string& blad)
{
    std::vector<std::string> linie;
    return Wczytaj(sciezka, linie, blad) && CzytajLinieUstawien(std::move(linie), sciezka, u, zPrzejsciami, blad);
}

// ---------------------------------------------------------------- "*.pgz"

namespace {
const char* const KTrybPrognoza = "__________TrybPrognoza";
const char* const KPrognozaPojazdy = "__________PrognozaPojazdy";
const char* const KPrognozaPrzejscia = "__________PrognozaPrzejscia";
}  // namespace

std::vector<std::string> LiniePlikuPrognozy(const DanePrognoza& p)
{
    PisarzProjektu w;
    w.Linia(Gwiazdki);
    w.Linia(LiniaRamki(11, "Kartogram " + std::string(WersjaProgramu) + " Prognoza 1.0.0"));
    w.Linia(PustaRamka);
    w.Linia(Gwiazdki);
    w.Linia("");
    w.Linia(KTrybPrognoza);
    w.Logiczna(p.TrybPrognoza);
    w.Linia(KPrognozaPojazdy);
    for (const auto& grupa : p.PrognozaPojazdy)
        for (const auto& komorka : grupa)
            w.Tekst(komorka);
    w.Linia("");
    w.Linia(KPrognozaPrzejscia);
    for (const auto& grupa : p.PrognozaPrzejscia)
        for (const auto& komorka : grupa)
            w.Tekst(komorka);
    w.Linia("");
    return w.Linie();
}

bool ZapiszPlikPrognozy(const std::string& sciezka, const DanePrognoza& p, std::string& blad)
{
    return ZapiszLinieBezpiecznie(sciezka, LiniePlikuPrognozy(p), blad);
}

bool CzytajLiniePrognozy(std::vector<std::string> linie, const std::string& nazwaPliku, DanePrognoza& p,
                         std::string& blad)
{
    DanePrognoza n;
    UstawDomyslnaPrognoze(n);
    bool klucz = false;
    Skaner s(std::move(linie), nazwaPliku);
    try {
        while (!s.Koniec()) {
            s.Nastepna();
            if (s.Ostatnia() == KTrybPrognoza) {
                klucz = true;
                n.TrybPrognoza = s.Tekst() == "True";
            } else if (s.Ostatnia() == KPrognozaPojazdy) {
                klucz = true;
                for (auto& grupa : n.PrognozaPojazdy)
                    for (auto& komorka : grupa)
                        komorka = s.Tekst();
            } else if (s.Ostatnia() == KPrognozaPrzejscia) {
                klucz = true;
                for (auto& grupa : n.PrognozaPrzejscia)
                    for (auto& komorka : grupa)
                        komorka = s.Tekst();
            }
        }
    } catch (const BladPliku& b) {
        blad = b.what();
        return false;
    }
    if (!klucz) {
        blad = BrakKluczy(nazwaPliku, "prognozy");
        return false;
    }
    p = n;
    return true;
}

bool CzytajPlikPrognozy(const std::string& sciezka, DanePrognoza& p, std::string& blad)
{
    std::vector<std::string> linie;
    return Wczytaj(sciezka, linie, blad) && CzytajLiniePrognozy(std::move(linie), sciezka, p, blad);
}

std::string UtworzKatalogiPomiarow()
{
    for (const std::string* k : {&KatalogPomiarow, &KatalogPrognoz, &KatalogUstawien}) {
        if (k->empty())
            continue;
        std::error_code ec;
        std::filesystem::create_directories(SciezkaSystemowa(*k), ec);
        if (ec)
            return Utf8NaCp1250("Nie można utworzyć katalogu ") + *k + ": " + Utf8NaCp1250(ec.message());
    }
    return "";
}
