#include "drawing/BibliotekaBlokow.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <limits>
#include <new>
#include <system_error>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "drawing/Bloki.h"
#include "model/PlikProjektu.h"
#include "model/Projekt.h"
#include "platform/KatalogProgramu.h"
#include "platform/PlikTekstowy.h"

namespace {

// Header lines of a definition, counted from its marker as line 1.
constexpr std::size_t LiniaNazwy = 3;
constexpr std::size_t LiniaDaty = 4;
constexpr std::size_t LiniaCzasu = 5;
constexpr std::size_t LiniaGrupy = 7;
constexpr std::size_t LiniaJednostki = 9;
constexpr std::size_t PierwszaLiniaCiala = 12;

template <typename Konwersja>
TDataCzas CzasLubZero(std::string_view tekst, Konwersja konwersja)
{
    try {
        return konwersja(tekst);
    } catch (const BladKonwersji&) {
        return 0.0;
    }
}

}  // namespace

std::vector<std::string_view> DefinicjaBiblioteki::LinieCiala() const
{
    std::vector<std::string_view> linie = PodzielNaLinie(Cialo);
    for (std::string_view& l : linie)
        l = l.substr(0, 255);
    return linie;
}

void DefinicjaBiblioteki::DodajLinieCiala(std::string_view linia)
{
    Cialo.append(linia.substr(0, 255));
    Cialo.push_back('\n');
}

namespace {

// What both markers of a definition begin with.
constexpr std::string_view PoczatekZnacznikow = "____________________";

}  // namespace

// Finds the definitions of a library's text in one pass. Outside a definition's header only lines that may be markers matter: the
// text between them is passed over in place, searched for the markers'
// beginning.
class CzytnikBiblioteki {
public:
    // The library takes the text.
    CzytnikBiblioteki(DefinicjeBiblioteki& wynik, std::string tresc, const std::string& nazwaPliku)
        : b_(wynik), nazwaPliku_(nazwaPliku)
    {
        b_.tekst_ = std::move(tresc);
        t_ = b_.tekst_;
    }

    // False with the message when a definition has no body line.
    bool Czytaj(std::string& blad)
    {
        std::size_t k = NastepnyZnacznik(0);
        while (k != std::string_view::npos) {
            const int z = Znacznik(k);
            const std::size_t p = PoZnaczniku(k, z);
            if (z != 1) {
                k = NastepnyZnacznik(p);
                continue;
            }
            std::size_t dalej = p;
            std::size_t koniec = 0;
            const bool naglowek = CzytajNaglowek(dalej);
            const std::size_t cialo = dalej;
            if (naglowek)
                k = CzytajCialo(dalej, koniec);
            if (!naglowek || koniec == cialo) {
                blad = BrakCiala(p, dalej);
                return false;
            }
            b_.wpisy_.push_back({static_cast<uint32_t>(p), static_cast<uint32_t>(koniec)});
        }
        return true;
    }

private:
    // The line at `k` as a marker: 1 a definition's, 2 an end, 0 none.
    int Znacznik(std::size_t k) const
    {
        if (t_[k] != '_' || t_.compare(k, PoczatekZnacznikow.size(), PoczatekZnacznikow) != 0)
            return 0;
        return CalaLinia(k, ZnacznikDefinicji) ? 1 : CalaLinia(k, ZnacznikKonca) ? 2 : 0;
    }

    // Whether the line at `k` is exactly `tekst`.
    bool CalaLinia(std::size_t k, std::string_view tekst) const
    {
        const std::size_t koniec = k + tekst.size();
        return t_.compare(k, tekst.size(), tekst) == 0 &&
               (koniec >= t_.size() || t_[koniec] == '\n' || t_[koniec] == '\r');
    }

    // Where the line after the line at `k`, a marker of kind `z`, starts.
    std::size_t PoZnaczniku(std::size_t k, int z) const
    {
        const std::size_t dlugosc = z == 1 ? ZnacznikDefinicji.size() : z == 2 ? ZnacznikKonca.size() : 0;
        return PoKoncuLinii(t_, KoniecLinii(t_, k + dlugosc));
    }

    // The start of the next line from the line start `od` on that begins
    // like a marker; npos when there is none.
    std::size_t NastepnyZnacznik(std::size_t od) const
    {
        for (std::size_t k = od; (k = t_.find(PoczatekZnacznikow, k)) != std::string_view::npos; ++k)
            if (k == od || t_[k - 1] == '\n' || t_[k - 1] == '\r')
                return k;
        return std::string_view::npos;
    }

    // Lines 2 to 11 of a definition from `p` on; false when the file or the
    // definition ends before them (an end marker is read with it).
    bool CzytajNaglowek(std::size_t& p) const
    {
        for (std::size_t n = 2; n < PierwszaLiniaCiala; ++n) {
            if (p >= t_.size())
                return false;
            if (const int z = Znacznik(p)) {
                if (z == 2)
                    p = PoKoncuLinii(t_, KoniecLinii(t_, p));
                return false;
            }
            p = PoKoncuLinii(t_, KoniecLinii(t_, p));
        }
        return true;
    }

    // The body from `p` up to the end marker (read), the next definition's
    // marker or the end of the file; `koniec` gets where it ends. Returns
    // where the next definition's marker is, npos when the file has none.
    std::size_t CzytajCialo(std::size_t& p, std::size_t& koniec) const
    {
        for (std::size_t k = NastepnyZnacznik(p); k != std::string_view::npos;) {
            const int z = Znacznik(k);
            const std::size_t dalej = PoZnaczniku(k, z);
            if (z == 1) {
                koniec = p = k;
                return k;
            }
            if (z == 2) {
                koniec = k;
                p = dalej;
                return NastepnyZnacznik(dalej);
            }
            k = NastepnyZnacznik(dalej);
        }
        koniec = p = t_.size();
        return std::string_view::npos;
    }

    // The message of a definition without a body line whose header starts
    // at `naglowek`, the lines up to `p` read.
    std::string BrakCiala(std::size_t naglowek, std::size_t p) const
    {
        std::string_view nazwa;
        const std::size_t l = PoKoncuLinii(t_, KoniecLinii(t_, naglowek));
        if (l < p && Znacznik(l) == 0)
            nazwa = t_.substr(l, std::min<std::size_t>(KoniecLinii(t_, l) - l, 255));
        const auto linia = std::min<std::size_t>(PoliczLinie(t_.substr(0, p)), std::numeric_limits<int>::max());
        const CzytnikProjektu c(std::string(), nazwaPliku_);
        return c.KomunikatBledu(Utf8NaCp1250("definicja bloku „") + std::string(nazwa) +
                                    Utf8NaCp1250("” nie ma linii rysunku."),
                                static_cast<int>(linia));
    }

    DefinicjeBiblioteki& b_;
    std::string_view t_;
    const std::string& nazwaPliku_;
};

namespace {

bool CzytajDefinicjeBiblioteki(std::string tresc, const std::string& nazwaPliku, DefinicjeBiblioteki& wynik,
                               std::string& blad)
{
    if (!TekstPlikuWCp1250(tresc, nazwaPliku, blad))
        return false;
    // The definitions keep 32-bit offsets: no library comes near 4 GB.
    if (tresc.size() > std::numeric_limits<uint32_t>::max()) {
        blad = KomunikatOdczytu(nazwaPliku, EFBIG);
        return false;
    }
    if (!CzytnikBiblioteki(wynik, std::move(tresc), nazwaPliku).Czytaj(blad)) {
        wynik.clear();
        return false;
    }
    return true;
}

}  // namespace

void DefinicjeBiblioteki::clear()
{
    std::string().swap(tekst_);
    std::deque<Wpis>().swap(wpisy_);
}

std::size_t DefinicjeBiblioteki::PoczatekLinii(std::size_t i, std::size_t n) const
{
    std::size_t p = wpisy_[i].naglowek;
    for (std::size_t k = 2; k < n; ++k)
        p = PoKoncuLinii(tekst_, KoniecLinii(tekst_, p));
    return p;
}

std::string_view DefinicjeBiblioteki::LiniaNaglowka(std::size_t i, std::size_t n) const
{
    const std::size_t p = PoczatekLinii(i, n);
    return std::string_view(tekst_).substr(p, std::min<std::size_t>(KoniecLinii(tekst_, p) - p, 255));
}

std::string_view DefinicjeBiblioteki::Nazwa(std::size_t i) const { return LiniaNaglowka(i, LiniaNazwy); }

std::string_view DefinicjeBiblioteki::Grupa(std::size_t i) const
{
    return LiniaNaglowka(i, LiniaGrupy).substr(0, decltype(DefinicjaBiblioteki::Grupa)::Pojemnosc);
}

DefinicjaBiblioteki DefinicjeBiblioteki::operator[](std::size_t i) const
{
    DefinicjaBiblioteki d;
    d.Nazwa = Nazwa(i);
    d.Data = CzasLubZero(LiniaNaglowka(i, LiniaDaty), TekstNaDate);
    d.Czas = CzasLubZero(LiniaNaglowka(i, LiniaCzasu), TekstNaCzas);
    d.Grupa = Grupa(i);
    d.Jednostka = LiniaNaglowka(i, LiniaJednostki);
    const std::size_t cialo = PoczatekLinii(i, PierwszaLiniaCiala);
    d.Cialo.assign(tekst_, cialo, wpisy_[i].koniec - cialo);
    return d;
}

bool CzytajTekstBiblioteki(std::string tresc, const std::string& nazwaPliku, DefinicjeBiblioteki& wynik,
                           std::string& blad)
{
    wynik.clear();
    blad.clear();
    try {
        return CzytajDefinicjeBiblioteki(std::move(tresc), nazwaPliku, wynik, blad);
    } catch (const std::bad_alloc&) {
        wynik.clear();
        blad = KomunikatOdczytu(nazwaPliku, ENOMEM);
        return false;
    }
}

bool CzytajBiblioteke(const std::string& sciezka, DefinicjeBiblioteki& wynik, std::string& blad)
{
    wynik.clear();
    blad.clear();
    std::error_code ec;
    if (sciezka.empty() || (!std::filesystem::exists(sciezka, ec) && !ec))
        return true;
    std::string tresc;
    return CzytajPlik(sciezka, tresc, blad) && CzytajTekstBiblioteki(std::move(tresc), sciezka, wynik, blad);
}

std::optional<DefinicjaBiblioteki> ZnajdzWBibliotece(const DefinicjeBiblioteki& biblioteka, std::string_view nazwa)
{
    for (std::size_t i = biblioteka.size(); i-- > 0;)
        if (biblioteka.Nazwa(i) == nazwa)
            return biblioteka[i];
    return std::nullopt;
}

ZakresBloku ZmierzDefinicje(const DefinicjaBiblioteki& d)
{
    ZakresBloku z;
    for (const std::string_view l : d.LinieCiala()) {
        float x1, x2, y1, y2;
        ZakresKomendyBloku(std::string(l), x1, x2, y1, y2);
        z.XMin = std::min(z.XMin, x1);
        z.XMax = std::max(z.XMax, x2);
        z.YMin = std::min(z.YMin, y1);
        z.YMax = std::max(z.YMax, y2);
    }
    return z;
}

int32_t ZnajdzDefinicjeBloku(std::string_view nazwa)
{
    for (int32_t i = LiczbaDefinicjiBlokow() - 1; i >= 0; --i)
        if (DefinicjeBlokow[i].Nazwa == nazwa)
            return i;
    return -1;
}

void KopiujDefinicjeBloku(const DefinicjaBiblioteki& d)
{
    DaneBlokWpis w;
    w.Nazwa = d.Nazwa;
    w.Data = d.Data;
    w.Czas = d.Czas;
    w.Grupa = d.Grupa;
    w.Jednostka = d.Jednostka;
    LinieBlokow.emplace_back(ZnacznikStartu);
    LinieBlokow.emplace_back(d.Nazwa);
    // The first body line is kept but never drawn: drawing starts after it.
    w.Start = LiczbaLiniiBlokow() + 1;
    const std::vector<std::string_view> cialo = d.LinieCiala();
    if (cialo.empty())
        LinieBlokow.emplace_back("");
    LinieBlokow.insert(LinieBlokow.end(), cialo.begin(), cialo.end());
    LinieBlokow.emplace_back(ZnacznikKonca);
    w.Koniec = LiczbaLiniiBlokow() - 2;
    DefinicjeBlokow.push_back(std::move(w));
}

bool UsunDefinicjeBloku(int32_t indeks)
{
    if (!JestIndeksem(indeks, DefinicjeBlokow))
        return false;
    const DaneBlokWpis d = DefinicjeBlokow[indeks];
    const int64_t od = int64_t{d.Start} - 3;
    const int64_t doLinii = int64_t{d.Koniec} + 1;
    if (od < 0 || doLinii >= LiczbaLiniiBlokow() || doLinii < od + 2 || LinieBlokow[od] != ZnacznikStartu ||
        LinieBlokow[doLinii] != ZnacznikKonca)
        return false;
    const auto usuniete = static_cast<int32_t>(doLinii - od + 1);
    LinieBlokow.erase(LinieBlokow.begin() + od, LinieBlokow.begin() + doLinii + 1);
    DefinicjeBlokow.erase(DefinicjeBlokow.begin() + indeks);
    for (DaneBlokWpis& w : DefinicjeBlokow)
        if (w.Start > d.Koniec) {
            w.Start -= usuniete;
            w.Koniec -= usuniete;
        }
    return true;
}

std::vector<std::string> LinieDefinicji(int32_t indeks)
{
    std::vector<std::string> wynik;
    if (!JestIndeksem(indeks, DefinicjeBlokow))
        return wynik;
    const DaneBlokWpis& d = DefinicjeBlokow[indeks];
    const int koniec = std::min(d.Koniec, LiczbaLiniiBlokow() - 1);
    for (int l = std::max(d.Start, 0); l <= koniec; ++l)
        wynik.push_back(LinieBlokow[l].str());
    return wynik;
}
