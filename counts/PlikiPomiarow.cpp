// The count, count settings and forecast files.
#include "counts/PlikiPomiarow.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <limits>
#include <filesystem>
#include <system_error>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "base/Wersja.h"
#include "model/CzytnikKluczy.h"
#include "model/Granice.h"
#include "model/PlikProjektu.h"
#include "model/Prognoza.h"
#include "model/Projekt.h"
#include "platform/KatalogProgramu.h"
#include "platform/PlikTekstowy.h"
#include "platform/ZapisBezpieczny.h"

namespace {

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
void CzytajTabele(CzytnikKluczy& s, std::array<int32_t, N>& t, const GranicaPola& g)
{
    for (int32_t& x : t)
        x = s.Calkowita(g);
}

// Every group the writer writes, read by its key: a count lacking any (a
// file cut short) would take the missing fields from elsewhere.
struct GrupaPomiaru {
    const char* klucz;
    void (*czytaj)(CzytnikKluczy&, DanePomiar&);
};

constexpr int PojemnoscNazwy = decltype(DanePomiar::NazwaPojazdu)::value_type::Pojemnosc;

const GrupaPomiaru GrupyPomiaru[] = {
    {KDataOstEdycja, [](CzytnikKluczy& s, DanePomiar& m) { m.DataOstEdycja = s.Data(false); }},
    {KGodzOstEdycja, [](CzytnikKluczy& s, DanePomiar& m) { m.GodzOstEdycja = s.Data(true); }},
    {KDataPomiaru, [](CzytnikKluczy& s, DanePomiar& m) { m.DataPomiaru = s.Data(false); }},
    {KGodzPomiaru, [](CzytnikKluczy& s, DanePomiar& m) { m.GodzPomiaru = s.Data(true); }},
    {KCzasPomiaru, [](CzytnikKluczy& s, DanePomiar& m) { m.CzasPomiaru = s.Calkowita(granice::CzasPomiaru); }},
    {KLokalizacja, [](CzytnikKluczy& s, DanePomiar& m) { s.Tekst(m.Lokalizacja); }},
    {KSekcja, [](CzytnikKluczy& s, DanePomiar& m) { s.Tekst(m.Sekcja); }},
    {KOpis2Linie,
     [](CzytnikKluczy& s, DanePomiar& m) {
         s.Tekst(m.Opis2Linie[0]);
         s.Tekst(m.Opis2Linie[1]);
     }},
    {KTypWezla, [](CzytnikKluczy& s, DanePomiar& m) { s.Tekst(m.TypWezla); }},
    {KMaxJest, [](CzytnikKluczy& s, DanePomiar& m) { m.MaxJest = s.Calkowita(granice::LiczbaWlotow); }},
    {KWlotJest,
     [](CzytnikKluczy& s, DanePomiar& m) {
         for (uint8_t& j : m.WlotJest)
             j = s.Logiczna("true");
     }},
    {KRysujZawrotki, [](CzytnikKluczy& s, DanePomiar& m) { m.RysujZawrotki = s.Logiczna("true"); }},
    {KPojazdy,
     [](CzytnikKluczy& s, DanePomiar& m) {
         for (int c = 0; c < KlasPojazdow; ++c) {
             s.Tekst(m.NazwaPojazdu[c]);
             s.Tekst(m.OznPojazdu[c]);
             m.WspPojazdu[c] = s.RzeczywistaS(granice::Wspolczynnik);
         }
     }},
    {KNatezeniaPojazdow,
     [](CzytnikKluczy& s, DanePomiar& m) {
         for (auto& wiersz : m.NatezeniaPojazdow)
             CzytajTabele(s, wiersz, granice::Natezenie);
     }},
    // The totals must be numbers; what counts is worked out from the tables.
    {KSumyPojazdow, [](CzytnikKluczy& s, DanePomiar& m) { CzytajTabele(s, m.NatezeniaPojazdowSumy, granice::SumaNatezen); }},
    {KPrzejscia,
     [](CzytnikKluczy& s, DanePomiar& m) {
         for (int k = 0; k < KategoriiPrzejsc; ++k) {
             s.Tekst(m.NazwaPrzejscia[k]);
             s.Tekst(m.OznPrzejscia[k]);
         }
     }},
    {KNatezeniaPrzejsc,
     [](CzytnikKluczy& s, DanePomiar& m) {
         for (auto& wiersz : m.NatezeniaPrzejsc)
             CzytajTabele(s, wiersz, granice::Natezenie);
     }},
    {KSumyPrzejsc, [](CzytnikKluczy& s, DanePomiar& m) { CzytajTabele(s, m.NatezeniaPrzejscSumy, granice::SumaNatezen); }},
};

}  // namespace

DanePomiar BiezacyPomiar;

std::string NazwaBezKatalogu(const std::string& sciezka)
{
    const auto i = sciezka.rfind('/');
    return i == std::string::npos ? sciezka : sciezka.substr(i + 1);
}

bool NazwaPlikuWProjekcie(const std::string& sciezka, std::string& nazwa, std::string& blad)
{
    const std::string systemowa = NazwaBezKatalogu(sciezka);
    if (Utf8NaCp1250Dokladnie(systemowa, nazwa) && nazwa.size() <= decltype(DanePomiar::NazwaPliku)::Pojemnosc)
        return true;
    blad = Utf8NaCp1250(OdmowaNazwyPliku(systemowa));
    return false;
}

std::string OdmowaNazwyPliku(std::string_view nazwaUtf8)
{
    // Characters Windows-1250 has, whose bytes the project would read back
    // as one other letter.
    if (const TekstZOkna t = Utf8NaCp1250ZOkna(nazwaUtf8); !t.wierny && t.bezFormy == 0)
        if (const std::string para = ParaJakoLitera(t.cp1250); !para.empty())
            return "Nazwy pliku " + std::string(nazwaUtf8) +
                   " nie można zapisać w projekcie (zawiera parę znaków, którą plik odczytałby jako jedną literę: " +
                   para + "). Zmień nazwę pliku.";
    return "Nazwy pliku " + std::string(nazwaUtf8) +
           " nie można zapisać w projekcie (znaki spoza strony kodowej Windows-1250 lub nazwa dłuższa niż 255 "
           "znaków). Zmień nazwę pliku.";
}

std::vector<std::string> LiniePlikuPomiaru(const DanePomiar& p, TDataCzas dataZapisu, TDataCzas godzZapisu)
{
    PisarzProjektu w;
    w.Linia(LiniaGwiazdek());
    w.Linia(LiniaRamki(18, "POMIAR   1.0.0."));
    w.Linia(LiniaRamki(11, "KARTOGRAM " + std::string(WersjaProgramu) + " Pomiary ruchu"));
    w.Linia(LiniaGwiazdek());
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
        w.Rzeczywista(p.WspPojazdu[c], maski::WspolczynnikPojazdu);
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

bool ZapiszPlikPomiaru(const std::string& sciezka, const DanePomiar& p, std::string& blad, std::string* uwaga,
                       ZapisZmienionego* zmiany)
{
    DanePomiar kopia = p;
    return ZapiszPomiarZDataEdycji(sciezka, kopia, blad, uwaga, zmiany);
}

bool ZapiszPomiarZDataEdycji(const std::string& sciezka, DanePomiar& p, std::string& blad, std::string* uwaga,
                             ZapisZmienionego* zmiany)
{
    TDataCzas dzis = 0.0, teraz = 0.0;
    Teraz(dzis, teraz);
    if (!ZapiszLinieBezpiecznie(sciezka, LiniePlikuPomiaru(p, dzis, teraz), blad, uwaga, zmiany))
        return false;
    p.DataOstEdycja = dzis;
    p.GodzOstEdycja = teraz;
    return true;
}

bool CzytajTekstPomiaru(std::string tresc, const std::string& nazwaPliku, DanePomiar& p, std::string& blad)
{
    // A fresh record: nothing of the one given survives into the count read.
    DanePomiar m;
    // The project keeps the file's name: one it cannot hold is refused.
    std::string nazwaWProjekcie;
    if (!NazwaPlikuWProjekcie(nazwaPliku, nazwaWProjekcie, blad) || !TekstPlikuWCp1250(tresc, nazwaPliku, blad))
        return false;
    CzytnikKluczy s(std::move(tresc), nazwaPliku);
    constexpr std::size_t grup = std::size(GrupyPomiaru);
    std::array<bool, grup> przeczytana{};
    try {
        while (!s.Koniec()) {
            s.Nastepna();
            for (std::size_t g = 0; g < grup; ++g)
                if (s.Ostatnia() == GrupyPomiaru[g].klucz) {
                    GrupyPomiaru[g].czytaj(s, m);
                    przeczytana[g] = true;
                    break;
                }
        }
        if (std::none_of(przeczytana.begin(), przeczytana.end(), [](bool b) { return b; })) {
            blad = BrakKluczy(nazwaPliku, "danych pomiaru");
            return false;
        }
        for (std::size_t g = 0; g < grup; ++g)
            if (!przeczytana[g])
                s.BrakGrupy(GrupyPomiaru[g].klucz);
    } catch (const BladPliku& b) {
        blad = b.what();
        return false;
    }
    // A total is the sum of its inlet's cells, whatever the file says: files
    // written without them (totals of 0) open with the totals the editor shows.
    PoliczSumyPomiaru(m);
    m.NazwaPliku = nazwaWProjekcie;
    p = m;
    return true;
}

bool CzytajLiniePomiaru(const std::vector<std::string>& linie, const std::string& nazwaPliku, DanePomiar& p,
                        std::string& blad)
{
    return CzytajTekstPomiaru(TekstZLinii(linie), nazwaPliku, p, blad);
}

namespace {

// Reads the file with `czytaj`, and where `zawartosc` is given records the
// bytes read, for a save back to ask before replacing other ones.
template <typename Dane, typename Czytaj>
bool CzytajZZapisem(const std::string& sciezka, Dane& p, std::string& blad, ZawartoscPliku* zawartosc, Czytaj czytaj)
{
    std::string tresc;
    ZawartoscPliku z;
    if (!CzytajPlik(sciezka, tresc, blad, zawartosc ? &z : nullptr))
        return false;
    if (!czytaj(std::move(tresc), sciezka, p, blad))
        return false;
    if (zawartosc)
        *zawartosc = z;
    return true;
}

} // namespace

bool CzytajPlikPomiaru(const std::string& sciezka, DanePomiar& p, std::string& blad, ZawartoscPliku* zawartosc)
{
    return CzytajZZapisem(sciezka, p, blad, zawartosc, CzytajTekstPomiaru);
}

bool CzytajNaglowekPomiaru(const std::string& sciezka, NaglowekPomiaru& n, std::string& blad)
{
    std::string tresc;
    if (!CzytajPlik(sciezka, tresc, blad) || !TekstPlikuWCp1250(tresc, sciezka, blad))
        return false;
    NaglowekPomiaru h = n;
    CzytnikKluczy s(std::move(tresc), sciezka);
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

// ---------------------------------------------------------------- "*.pgz"

namespace {
const char* const KTrybPrognoza = "__________TrybPrognoza";
const char* const KPrognozaPojazdy = "__________PrognozaPojazdy";
const char* const KPrognozaPrzejscia = "__________PrognozaPrzejscia";
}  // namespace

std::vector<std::string> LiniePlikuPrognozy(const DanePrognoza& p)
{
    PisarzProjektu w;
    w.Linia(LiniaGwiazdek());
    w.Linia(LiniaRamki(11, "Kartogram " + std::string(WersjaProgramu) + " Prognoza 1.0.0"));
    w.Linia(PustaRamka());
    w.Linia(LiniaGwiazdek());
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

bool ZapiszPlikPrognozy(const std::string& sciezka, const DanePrognoza& p, std::string& blad, std::string* uwaga,
                        ZapisZmienionego* zmiany)
{
    return ZapiszLinieBezpiecznie(sciezka, LiniePlikuPrognozy(p), blad, uwaga, zmiany);
}

namespace {

// A cell as the forecast table would take it: within the cell's capacity and
// a percentage or a whole number of vehicles (or empty).
template <int N>
void CzytajKomorke(CzytnikKluczy& s, KrotkiTekst<N>& komorka)
{
    s.Tekst(komorka);
    if (RozbierzKomorkePrognozy(komorka.str()).rodzaj == KomorkaPrognozy::Rodzaj::Bledna)
        s.Blad("\"" + Cp1250NaUtf8(komorka.str()) + "\" nie jest opisem prognozy.");
}

}  // namespace

bool CzytajTekstPrognozy(std::string tresc, const std::string& nazwaPliku, DanePrognoza& p, std::string& blad)
{
    if (!TekstPlikuWCp1250(tresc, nazwaPliku, blad))
        return false;
    DanePrognoza n;
    UstawDomyslnaPrognoze(n);
    // A file lacking a group (one cut short) would add nothing where its
    // author meant a forecast.
    bool tryb = false, pojazdy = false, przejscia = false;
    CzytnikKluczy s(std::move(tresc), nazwaPliku);
    try {
        while (!s.Koniec()) {
            s.Nastepna();
            if (s.Ostatnia() == KTrybPrognoza) {
                tryb = true;
                n.TrybPrognoza = s.LogicznaScisla("True", "False");
            } else if (s.Ostatnia() == KPrognozaPojazdy) {
                pojazdy = true;
                for (auto& grupa : n.PrognozaPojazdy)
                    for (auto& komorka : grupa)
                        CzytajKomorke(s, komorka);
            } else if (s.Ostatnia() == KPrognozaPrzejscia) {
                przejscia = true;
                for (auto& grupa : n.PrognozaPrzejscia)
                    for (auto& komorka : grupa)
                        CzytajKomorke(s, komorka);
            }
        }
        if (!tryb && !pojazdy && !przejscia) {
            blad = BrakKluczy(nazwaPliku, "prognozy");
            return false;
        }
        if (!tryb)
            s.BrakGrupy(KTrybPrognoza);
        if (!pojazdy)
            s.BrakGrupy(KPrognozaPojazdy);
        if (!przejscia)
            s.BrakGrupy(KPrognozaPrzejscia);
    } catch (const BladPliku& b) {
        blad = b.what();
        return false;
    }
    p = n;
    return true;
}

bool CzytajLiniePrognozy(const std::vector<std::string>& linie, const std::string& nazwaPliku, DanePrognoza& p,
                         std::string& blad)
{
    return CzytajTekstPrognozy(TekstZLinii(linie), nazwaPliku, p, blad);
}

bool CzytajPlikPrognozy(const std::string& sciezka, DanePrognoza& p, std::string& blad, ZawartoscPliku* zawartosc)
{
    return CzytajZZapisem(sciezka, p, blad, zawartosc, CzytajTekstPrognozy);
}

std::string UtworzKatalogiPomiarow()
{
    for (const std::string* k : {&KatalogPomiarow, &KatalogPrognoz, &KatalogUstawien}) {
        if (k->empty())
            continue;
        std::error_code ec;
        std::filesystem::create_directories(*k, ec);
        if (ec)
            return Utf8NaCp1250("Nie można utworzyć katalogu ") + SciezkaWTekscie(*k) + ": " +
                   PrzyczynaBledu(ec.value()) + ".";
    }
    return "";
}
