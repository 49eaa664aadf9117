#include "model/PlikProjektu.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <span>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "base/Watki.h"
#include "base/Wersja.h"
#include "model/NatezeniaRonda.h"
#include "model/OknoGlowne.h"
#include "model/Operacje.h"
#include "model/Projekt.h"
#include "model/Sekcje.h"
#include "platform/KatalogProgramu.h"
#include "platform/PlikTekstowy.h"
#include "platform/ZapisBezpieczny.h"

// ---------------------------------------------------------------- reader

std::string TekstZLinii(const std::vector<std::string>& linie)
{
    std::string t;
    for (const std::string& l : linie) {
        t += l;
        t += '\n';
    }
    return t;
}

CzytnikProjektu::CzytnikProjektu(std::string tresc, std::string nazwaPliku, Projekt& cel)
    : tresc_(std::move(tresc)), liczbaLinii_(PoliczLinie(tresc_)), nazwaPliku_(SciezkaWTekscie(nazwaPliku)), cel_(&cel)
{
}

CzytnikProjektu::CzytnikProjektu(const std::vector<std::string>& linie, std::string nazwaPliku, Projekt& cel)
    : CzytnikProjektu(TekstZLinii(linie), std::move(nazwaPliku), cel)
{
}

std::string_view CzytnikProjektu::NastepnaLinia()
{
    // Past the end the count still advances, so an error names a line after the last.
    if (nastepna_++ >= liczbaLinii_)
        return {};
    const std::size_t poczatek = pozycja_;
    const std::size_t koniec = KoniecLinii(tresc_, poczatek);
    pozycja_ = koniec + 1;
    if (koniec < tresc_.size() && tresc_[koniec] == '\r' && pozycja_ < tresc_.size() && tresc_[pozycja_] == '\n')
        ++pozycja_;
    return std::string_view(tresc_).substr(poczatek, koniec - poczatek);
}

std::string CzytnikProjektu::Linia() { return std::string(NastepnaLinia()); }

bool CzytnikProjektu::PominDoLinii(std::string_view poczatek)
{
    const std::string_view t(tresc_);
    const std::size_t od = nastepna_ < liczbaLinii_ ? pozycja_ : t.size();
    std::size_t k = od;
    while (k < t.size() && t.compare(k, poczatek.size(), poczatek) != 0) {
        // Only a match at a line's start counts.
        do
            k = t.find(poczatek, k + 1);
        while (k != std::string_view::npos && t[k - 1] != '\n' && t[k - 1] != '\r');
        if (k == std::string_view::npos)
            k = t.size();
    }
    if (k == t.size()) {
        nastepna_ = std::max(nastepna_, liczbaLinii_);
        pozycja_ = t.size();
        return false;
    }
    nastepna_ += PoliczLinie(t.substr(od, k - od));
    pozycja_ = k;
    return true;
}

void CzytnikProjektu::PominPusteLinie()
{
    if (nastepna_ >= liczbaLinii_)
        return;
    const std::size_t od = pozycja_;
    std::size_t k = od;
    while (k < tresc_.size() && (tresc_[k] == '\n' || tresc_[k] == '\r'))
        ++k;
    nastepna_ += PoliczLinie(std::string_view(tresc_).substr(od, k - od));
    pozycja_ = k;
}

void CzytnikProjektu::Pomin(int ile)
{
    for (int i = 0; i < ile; ++i)
        NastepnaLinia();
}

bool CzytnikProjektu::Koniec() const { return nastepna_ >= liczbaLinii_; }

bool CzytnikProjektu::TylkoPusteLinie() const
{
    return Koniec() || tresc_.find_first_not_of("\r\n", pozycja_) == std::string::npos;
}

void CzytnikProjektu::UsunZnakKoncaPliku()
{
    const std::size_t ostatni = tresc_.find_last_not_of("\r\n");
    if (ostatni == std::string::npos || ostatni < pozycja_ || Koniec() || tresc_[ostatni] != '\x1A')
        return;
    tresc_.erase(ostatni, 1);
    liczbaLinii_ = PoliczLinie(tresc_);
}

int CzytnikProjektu::NumerLinii() const
{
    return static_cast<int>(std::min<std::size_t>(nastepna_, std::numeric_limits<int>::max()));
}

std::size_t CzytnikProjektu::PozostaloLinii() const
{
    return nastepna_ < liczbaLinii_ ? liczbaLinii_ - nastepna_ : 0;
}

namespace {

// A line quoted in a message, cut so that a malformed file cannot flood it.
std::string Cytat(const std::string& linia)
{
    constexpr std::size_t maks = 40;
    return "\"" + (linia.size() > maks ? linia.substr(0, maks) + "..." : linia) + "\"";
}

}  // namespace

std::string CzytnikProjektu::KomunikatBledu(const std::string& coNieTak) const
{
    return KomunikatBledu(coNieTak, NumerLinii());
}

std::string CzytnikProjektu::KomunikatBledu(const std::string& coNieTak, int nrLinii) const
{
    // "Błąd w pliku" in Windows-1250.
    return "B\xB3\xB9" "d w pliku " + nazwaPliku_ + ", linia " + std::to_string(nrLinii) + ": " + coNieTak;
}

void CzytnikProjektu::Blad(const std::string& coNieTak) const { Blad(coNieTak, NumerLinii()); }

void CzytnikProjektu::Blad(const std::string& coNieTak, int nrLinii) const
{
    throw BladPliku(KomunikatBledu(coNieTak, nrLinii), nrLinii);
}

int32_t CzytnikProjektu::Calkowita()
{
    const std::string linia = Linia();
    int64_t x = 0;
    if (!SprobujTekstNaCalkowita(linia, x) || x < std::numeric_limits<int32_t>::min() ||
        x > std::numeric_limits<int32_t>::max())
        Blad(Cytat(linia) + " nie jest liczb\xB9 ca\xB3kowit\xB9.");
    return static_cast<int32_t>(x);
}

int32_t CzytnikProjektu::LiczbaRekordow(int liniiNaRekord)
{
    const int32_t n = Calkowita();
    if (n < 0)
        Blad("ujemna liczba rekord\xF3w (" + std::to_string(n) + ").");
    // Every record takes at least one line, so a larger count cannot be true:
    // refusing it keeps a malformed file from allocating without bound.
    if (static_cast<uint64_t>(n) * static_cast<uint64_t>(std::max(liniiNaRekord, 1)) > PozostaloLinii())
        Blad("liczba rekord\xF3w " + std::to_string(n) + " przekracza d\xB3ugo\x9C\xE6 pliku.");
    return n;
}

double CzytnikProjektu::Rzeczywista()
{
    const std::string linia = Linia();
    double x = 0.0;
    if (!SprobujTekstNaLiczbe(PoprawSeparator(linia), x))
        Blad(Cytat(linia) + " nie jest liczb\xB9.");
    return x;
}

float CzytnikProjektu::RzeczywistaS() { return Pojedyncza(Rzeczywista()); }

float CzytnikProjektu::Pojedyncza(double x)
{
    if (!MiesciSieWPojedynczej(x))
        Blad("liczba poza zakresem.");
    return static_cast<float>(x);
}

double CzytnikProjektu::Wspolrzedna() { return Rzeczywista(granice::Wspolrzedna); }

double CzytnikProjektu::WGranicy(const GranicaPola& g, double x)
{
    if (!g.Miesci(x))
        Blad(Utf8NaCp1250(std::string(g.nazwa) + " poza zakresem ") +
             TekstGranicy(g.min) + ".." + TekstGranicy(g.max) + ".");
    return x;
}

int32_t CzytnikProjektu::Calkowita(const GranicaPola& g) { return static_cast<int32_t>(WGranicy(g, Calkowita())); }
double CzytnikProjektu::Rzeczywista(const GranicaPola& g) { return WGranicy(g, Rzeczywista()); }
float CzytnikProjektu::RzeczywistaS(const GranicaPola& g) { return static_cast<float>(WGranicy(g, Rzeczywista())); }

double CzytnikProjektu::RzeczywistaLubDomyslna(double domyslna)
{
    return TekstNaLiczbe(PoprawSeparator(Linia()), domyslna);
}

float CzytnikProjektu::RzeczywistaLubDomyslnaS(double domyslna)
{
    const double x = RzeczywistaLubDomyslna(domyslna);
    return std::isfinite(x) && std::fabs(x) > std::numeric_limits<float>::max() ? static_cast<float>(domyslna)
                                                                                   : static_cast<float>(x);
}

namespace {
// Blanks an editor left after a value or a tag change nothing.
std::string_view BezKoncowychOdstepow(std::string_view s)
{
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t'))
        s.remove_suffix(1);
    return s;
}
}  // namespace

bool CzytnikProjektu::Logiczna() { return BezKoncowychOdstepow(NastepnaLinia()) == "True"; }
bool CzytnikProjektu::LogicznaMala() { return BezKoncowychOdstepow(NastepnaLinia()) == "true"; }
bool CzytnikProjektu::LogicznaTN() { return BezKoncowychOdstepow(NastepnaLinia()) == "T"; }

char CzytnikProjektu::Znak()
{
    const std::string linia = Linia();
    if (linia.empty())
        Blad("pusta linia zamiast znaku.");
    return linia[0];
}

TKolor CzytnikProjektu::Kolor()
{
    const std::string linia = Linia();
    TKolor k = 0;
    if (!TekstNaKolor(linia, k))
        Blad(Cytat(linia) + " nie jest kolorem.");
    return k;
}

std::string CzytnikProjektu::ZaPrefiksem(std::size_t dlugoscPrefiksu)
{
    const std::string linia = Linia();
    return linia.size() > dlugoscPrefiksu ? linia.substr(dlugoscPrefiksu) : std::string();
}

// ---------------------------------------------------------------- writer

void PisarzProjektu::Linia(std::string_view tekst)
{
    // A line break inside a value would shift every later line of the file.
    const std::size_t poczatek = tresc_.size();
    tresc_ += tekst;
    std::replace_if(tresc_.begin() + static_cast<std::ptrdiff_t>(poczatek), tresc_.end(),
                    [](char z) { return z == '\r' || z == '\n'; }, ' ');
    KoniecLinii();
}

void PisarzProjektu::Calkowita(int64_t x)
{
    char linia[24];
    char* koniec = std::to_chars(linia, linia + sizeof linia - 2, x).ptr;
    *koniec++ = '\r';
    *koniec++ = '\n';
    // Character by character: the few of a line cost less so than a call
    // of the string's append (most of a file's lines are such numbers).
    for (const char* z = linia; z < koniec; ++z)
        tresc_.push_back(*z);
}

void PisarzProjektu::Rzeczywista(double x, std::string_view maska)
{
    // As TekstLiczby, appended in place.
    DopiszFormatFloat(tresc_, maska, std::isfinite(x) ? x : 0.0, separator_);
    KoniecLinii();
}

std::string TekstLiczby(std::string_view maska, double x)
{
    // Nothing the reader would refuse: a value gone non-finite is written as 0.
    return FormatFloat(maska, std::isfinite(x) ? x : 0.0);
}

void PisarzProjektu::Logiczna(bool x) { Linia(x ? "True" : "False"); }
void PisarzProjektu::LogicznaMala(bool x) { Linia(x ? "true" : "false"); }
void PisarzProjektu::LogicznaTN(bool x) { Linia(x ? "T" : "N"); }
void PisarzProjektu::Znak(char z) { Linia(std::string_view(&z, 1)); }

void PisarzProjektu::Kolor(TKolor k)
{
    // Records repeat their colours: the last one's text is kept.
    if (!kolorZnany_ || k != kolor_) {
        tekstKoloru_ = KolorNaTekst(k);
        kolor_ = k;
        kolorZnany_ = true;
    }
    tresc_ += tekstKoloru_;
    KoniecLinii();
}

const std::vector<std::string>& PisarzProjektu::Linie() const
{
    if (linieDlaRozmiaru_ != tresc_.size() || (linie_.empty() && !tresc_.empty())) {
        linie_.clear();
        // Every line ends in CR LF and holds neither byte.
        for (std::size_t i = 0; i < tresc_.size();) {
            const std::size_t koniec = tresc_.find("\r\n", i);
            linie_.emplace_back(tresc_, i, koniec - i);
            i = koniec + 2;
        }
        linieDlaRozmiaru_ = tresc_.size();
    }
    return linie_;
}

void PisarzProjektu::Naglowek(std::string_view znacznik, std::string_view tytul, int64_t liczba)
{
    Linia(LiniaZnacznika(znacznik));
    Linia(tytul);
    Calkowita(liczba);
    Linia(Kreski);
}

std::string LiniaZnacznika(std::string_view znacznik) { return Kreski + std::string(znacznik); }

// ---------------------------------------------------------------- colours

namespace {

struct NazwanyKolor {
    const char* nazwa;
    TKolor wartosc;
};

constexpr TKolor KolorSystemowy(uint32_t indeks) { return 0xFF000000u | indeks; }

constexpr NazwanyKolor NazwaneKolory[] = {
    {"clBlack", KolorRGB(0, 0, 0)},
    {"clMaroon", KolorRGB(128, 0, 0)},
    {"clGreen", KolorRGB(0, 128, 0)},
    {"clOlive", KolorRGB(128, 128, 0)},
    {"clNavy", KolorRGB(0, 0, 128)},
    {"clPurple", KolorRGB(128, 0, 128)},
    {"clTeal", KolorRGB(0, 128, 128)},
    {"clGray", KolorRGB(128, 128, 128)},
    {"clSilver", KolorRGB(192, 192, 192)},
    {"clRed", KolorRGB(255, 0, 0)},
    {"clLime", KolorRGB(0, 255, 0)},
    {"clYellow", KolorRGB(255, 255, 0)},
    {"clBlue", KolorRGB(0, 0, 255)},
    {"clFuchsia", KolorRGB(255, 0, 255)},
    {"clAqua", KolorRGB(0, 255, 255)},
    {"clWhite", KolorRGB(255, 255, 255)},
    {"clMoneyGreen", KolorRGB(192, 220, 192)},
    {"clSkyBlue", KolorRGB(166, 202, 240)},
    {"clCream", KolorRGB(255, 251, 240)},
    {"clMedGray", KolorRGB(160, 160, 164)},
    {"clNone", (1u << 29) - 1},
    {"clDefault", 1u << 29},
    {"clScrollBar", KolorSystemowy(0)},
    {"clBackground", KolorSystemowy(1)},
    {"clActiveCaption", KolorSystemowy(2)},
    {"clInactiveCaption", KolorSystemowy(3)},
    {"clMenu", KolorSystemowy(4)},
    {"clWindow", KolorSystemowy(5)},
    {"clWindowFrame", KolorSystemowy(6)},
    {"clMenuText", KolorSystemowy(7)},
    {"clCaptionText", KolorSystemowy(9)},
    {"clActiveBorder", KolorSystemowy(10)},
    {"clInactiveBorder", KolorSystemowy(11)},
    {"clAppWorkSpace", KolorSystemowy(12)},
    {"clHighlight", KolorSystemowy(13)},
    {"clHighlightText", KolorSystemowy(14)},
    {"clBtnFace", KolorSystemowy(15)},
    {"clBtnShadow", KolorSystemowy(16)},
    {"clGrayText", KolorSystemowy(17)},
    {"clBtnText", KolorSystemowy(18)},
    {"clInactiveCaptionText", KolorSystemowy(19)},
    {"clBtnHighlight", KolorSystemowy(20)},
    {"cl3DDkShadow", KolorSystemowy(21)},
    {"cl3DLight", KolorSystemowy(22)},
    {"clInfoText", KolorSystemowy(23)},
    {"clInfoBk", KolorSystemowy(24)},
    {"clHotLight", KolorSystemowy(26)},
    {"clGradientActiveCaption", KolorSystemowy(27)},
    {"clGradientInactiveCaption", KolorSystemowy(28)},
    {"clMenuHighlight", KolorSystemowy(29)},
    {"clMenuBar", KolorSystemowy(30)},
};

bool RowneBezWielkosci(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::string KolorNaTekst(TKolor k)
{
    for (const auto& n : NazwaneKolory)
        if (n.wartosc == k)
            return n.nazwa;
    std::string tekst = "$00000000";
    for (int i = 8; i >= 1; --i, k >>= 4)
        tekst[static_cast<std::size_t>(i)] = "0123456789ABCDEF"[k & 0xF];
    return tekst;
}

bool TekstNaKolor(std::string_view tekst, TKolor& k)
{
    // Every name starts with "cl".
    const bool nazwa = tekst.size() > 2 && (tekst[0] == 'c' || tekst[0] == 'C') && (tekst[1] == 'l' || tekst[1] == 'L');
    for (const auto& n : nazwa ? std::span(NazwaneKolory) : std::span<const NazwanyKolor>())
        if (RowneBezWielkosci(tekst, n.nazwa)) {
            k = n.wartosc;
            return true;
        }
    if (!tekst.empty() && tekst[0] == '$') {
        const std::string_view cyfry = tekst.substr(1);
        if (cyfry.empty() || cyfry.size() > 8)
            return false;
        uint32_t wartosc = 0;
        for (char z : cyfry) {
            if (!std::isxdigit(static_cast<unsigned char>(z)))
                return false;
            wartosc = wartosc * 16 + static_cast<uint32_t>(std::isdigit(static_cast<unsigned char>(z))
                                                              ? z - '0'
                                                              : std::tolower(static_cast<unsigned char>(z)) - 'a' + 10);
        }
        k = wartosc;
        return true;
    }
    int64_t x = 0;
    if (!SprobujTekstNaCalkowita(tekst, x) || x < std::numeric_limits<int32_t>::min() ||
        x > std::numeric_limits<uint32_t>::max())
        return false;
    k = static_cast<TKolor>(x);
    return true;
}

// ---------------------------------------------------------------- whole file

namespace {

const std::string Gwiazdki(69, '*');

void ZapiszNaglowek(PisarzProjektu& p)
{
    p.Linia(Gwiazdki);
    p.Linia("*" + std::string(16, ' ') + "KARTOGRAM  " + std::string(WersjaProgramu) + "." + std::string(35, ' '));
    p.Linia("*" + std::string(67, ' ') + "*");
    p.Linia(Gwiazdki);
    p.Linia("");
}

// About the bytes the file of a project takes, from its records, so that the
// writer's buffer is made once; the figures are a little above those of
// typical records.
std::size_t RozmiarPliku(const Projekt& p)
{
    return 64 * 1024 + p.Wezly.size() * 400 + p.Warianty.size() * 300 + p.Ruchoplany.size() * 2400 +
           p.Ronda.size() * 3000 + p.Pomiary.size() * 6000 + p.Prognozy.size() * 2000 +
           p.Wspolczynniki.size() * 300 + p.Opisy.size() * 400 + p.Bloki.size() * 200 + p.DefinicjeBlokow.size() * 200 +
           p.LinieBlokow.size() * 80;
}

}  // namespace

namespace {

// The file in pieces that can be written apart, in order: the head (banner
// to the factors), the diagrams and roundabouts in runs of `RekordowPorcji`,
// the tail.
constexpr std::size_t RekordowPorcji = 48;

class PorcjePliku {
public:
    explicit PorcjePliku(const Projekt& projekt)
        : projekt_(projekt), ruchoplanow_(projekt.Ruchoplany.size()), rekordow_(ruchoplanow_ + projekt.Ronda.size())
    {
    }

    int Liczba() const { return static_cast<int>(2 + (rekordow_ + RekordowPorcji - 1) / RekordowPorcji); }

    void Zapisz(int i, PisarzProjektu& p) const
    {
        if (i == 0)
            ZapiszPoczatek(p);
        else if (i == Liczba() - 1)
            ZapiszKoniec(p);
        else
            ZapiszRekordy(p, static_cast<std::size_t>(i - 1) * RekordowPorcji);
    }

    // About the bytes of piece i, so that its buffer is made once.
    std::size_t Rozmiar(int i) const
    {
        if (i == 0 || i == Liczba() - 1)
            return RozmiarPliku(projekt_) - projekt_.Ruchoplany.size() * 2400 - projekt_.Ronda.size() * 3000;
        return RekordowPorcji * 8192;
    }

private:
    void ZapiszPoczatek(PisarzProjektu& p) const
    {
        ZapiszNaglowek(p);
        ZapiszSekcjeWezlow(p);
        ZapiszSekcjeWariantow(p);
        ZapiszSekcjeNastaw(p);
        ZapiszSekcjePrognoz(p);
        ZapiszSekcjePomiarow(p);
        ZapiszSekcjeWspolczynnikow(p);
    }

    void ZapiszRekordy(PisarzProjektu& p, std::size_t od) const
    {
        for (std::size_t j = od; j < std::min(od + RekordowPorcji, rekordow_); ++j)
            if (j < ruchoplanow_)
                ZapiszSekcjeRuchoplanu(p, static_cast<int>(j));
            else
                ZapiszSekcjeRonda(p, static_cast<int>(j - ruchoplanow_));
    }

    void ZapiszKoniec(PisarzProjektu& p) const
    {
        // Without a junction section the roundabouts' vehicle types go alone.
        if (projekt_.Ruchoplany.empty() && !projekt_.Ronda.empty())
            ZapiszSklad(p);
        ZapiszSekcjeSchowka(p);
        ZapiszBlokPieszych(p);
        ZapiszSekcjeBlokow(p);
        ZapiszSekcjeOpisow(p);
    }

    const Projekt& projekt_;
    std::size_t ruchoplanow_, rekordow_;
};

}  // namespace

std::string TrescProjektu(const Projekt& projekt)
{
    PisarzProjektu p(projekt, RozmiarPliku(projekt));
    const PorcjePliku porcje(projekt);
    for (int i = 0; i < porcje.Liczba(); ++i)
        porcje.Zapisz(i, p);
    return p.ZabierzTresc();
}

std::vector<std::string> LinieProjektu(const Projekt& projekt)
{
    const std::string tresc = TrescProjektu(projekt);
    std::vector<std::string> linie;
    for (std::string_view l : PodzielNaLinie(tresc))
        linie.emplace_back(l);
    return linie;
}

bool ZapiszProjekt(const std::string& nazwaPliku)
{
    std::string blad;
    ZapisBezpieczny zapis;
    bool dobrze = zapis.Otworz(nazwaPliku, blad);
    // The project's own file, under whatever spelling, is not replaced
    // behind the user's back where another save changed it since.
    if (dobrze && TenSamPlik(nazwaPliku, BiezacyProjekt.Plik))
        zapis.ZnanaZawartosc(BiezacyProjekt.Zawartosc,
                             [](const std::string& pytanie) { return Okno().ZastapicZmieniony(pytanie); });
    if (dobrze) {
        // The pieces are formatted on threads and written in order as they
        // come, each while it is still in the cache.
        // A failed write stops the formatting.
        struct ZapisNieudany {};
        const PorcjePliku porcje(BiezacyProjekt);
        try {
            PorcjeWKolejnosci(
                porcje.Liczba(), WatkiPracy(),
                [&porcje](int i, std::string& bufor) {
                    PisarzProjektu p(BiezacyProjekt, porcje.Rozmiar(i), std::move(bufor));
                    porcje.Zapisz(i, p);
                    bufor = p.ZabierzTresc();
                },
                [&](std::string& bufor) {
                    if (!zapis.Pisz(bufor, blad))
                        throw ZapisNieudany{};
                });
        } catch (const ZapisNieudany&) {
            dobrze = false;
        } catch (const std::exception& e) {
            // No memory or no system resource for the formatting: the half
            // written file goes and the old one stays.
            const int nr = NumerBleduWyjatku(e);
            if (nr == 0)
                throw;
            zapis.Porzuc();
            blad = KomunikatZapisu(nazwaPliku, nr);
            dobrze = false;
        }
    }
    if (!dobrze || !zapis.Zakoncz(blad)) {
        // A new file in place is the record's, though the save is not sure.
        if (zapis.NaMiejscu() && TenSamPlik(nazwaPliku, BiezacyProjekt.Plik))
            BiezacyProjekt.Zawartosc = zapis.Zapisana();
        if (!zapis.Odmowa())
            Okno().PokazBlad(blad);  // names the file and the cause
        // No file is sure to hold the work: the user may have agreed to
        // replace another's save that stays in the file.
        ProjektZmieniony = true;
        return false;
    }
    ProjektZmieniony = false;
    BiezacyProjekt.Plik = nazwaPliku;
    BiezacyProjekt.Zawartosc = zapis.Zapisana();
    Okno().UstawTytul(nazwaPliku);
    Okno().DodajOstatniProjekt(nazwaPliku);
    if (!zapis.Uwaga().empty())
        Okno().PokazUwage(zapis.Uwaga());
    return true;
}

namespace {

using AkcjaSekcji = void (*)(CzytnikProjektu&);

struct Wpis {
    std::string linia;
    AkcjaSekcji akcja;
};

// Every line the section loop acts on, in the order it compares them.
const std::vector<Wpis>& TablicaSekcji()
{
    static const std::vector<Wpis> tablica = {
        {LiniaZnacznika("wv1"), [](CzytnikProjektu& c) { CzytajSekcjeWezlow(c, 1); }},
        {LiniaZnacznika("wv2"), [](CzytnikProjektu& c) { CzytajSekcjeWezlow(c, 2); }},
        {LiniaZnacznika("wv3"), [](CzytnikProjektu& c) { CzytajSekcjeWezlow(c, 3); }},
        {LiniaZnacznika("vv1"), CzytajSekcjeWariantow},
        {LiniaZnacznika("kv1"), [](CzytnikProjektu& c) { CzytajSekcjeRuchoplanu(c, 1); }},
        {LiniaZnacznika("kv2"), [](CzytnikProjektu& c) { CzytajSekcjeRuchoplanu(c, 2); }},
        {LiniaZnacznika("kv3"), [](CzytnikProjektu& c) { CzytajSekcjeRuchoplanu(c, 3); }},
        {ZnacznikStrukturyRuchoplanu, CzytajStruktureRuchoplanu},
        {LiniaZnacznika("rv1"), [](CzytnikProjektu& c) { CzytajSekcjeRonda(c, 1); }},
        {LiniaZnacznika("rv2"), [](CzytnikProjektu& c) { CzytajSekcjeRonda(c, 2); }},
        {LiniaZnacznika("rv3"), [](CzytnikProjektu& c) { CzytajSekcjeRonda(c, 3); }},
        {ZnacznikStrukturyRonda, CzytajStruktureRonda},
        {LiniaZnacznika("pm1"), CzytajSekcjePomiarow},
        {LiniaZnacznika("pr1"), CzytajSekcjePrognoz},
        {LiniaZnacznika("wp1"), CzytajSekcjeWspolczynnikow},
        {LiniaZnacznika("bv1"), CzytajSekcjeBlokow},
        {LiniaZnacznika("ov1"), CzytajSekcjeOpisow},
        {LiniaZnacznika("sv1"), CzytajSekcjeSchowka},
        {LiniaZnacznika("nv1"), [](CzytnikProjektu& c) { CzytajSekcjeNastaw(c, 1); }},
        {LiniaZnacznika("nv2"), [](CzytnikProjektu& c) { CzytajSekcjeNastaw(c, 2); }},
        {LiniaZnacznika("nv3"), [](CzytnikProjektu& c) { CzytajSekcjeNastaw(c, 3); }},
        {LiniaZnacznika("wg.Rysuj0Natezenia"), CzytajRysuj0Natezenia},
        {LiniaZnacznika("wg.Rysuj0Natezenia_lok"), CzytajRysuj0NatezeniaLok},
        {LiniaZnacznika("wg.Struktura"), CzytajStrukture},
        {ZnacznikSkladuStruktury, CzytajSkladStruktury},
        {LiniaPieszych, CzytajBlokPieszych},
        {LiniaZnacznika("wg.Struktura_lok"), CzytajStruktureWezlow},
        {LiniaZnacznika("wg.SkalaPrzejsc"), CzytajSkalePrzejsc},
    };
    return tablica;
}

// Reads every section; returns how many sections and key lines were read.
int CzytajSekcje(CzytnikProjektu& c)
{
    const auto& tablica = TablicaSekcji();
    int przeczytanych = 0;
    while (!c.Koniec()) {
        const std::string linia = c.Linia();
        // A tag spoiled by a trailing blank would skip its section and have
        // the next one blamed for what it lacks.
        const std::string_view znacznik = BezKoncowychOdstepow(linia);
        const auto w = std::find_if(tablica.begin(), tablica.end(), [&](const Wpis& w) { return znacznik == w.linia; });
        if (w != tablica.end()) {
            w->akcja(c);
            ++przeczytanych;
        } else if (linia.find('\0') != std::string::npos) {
            // Binary damage (a NUL at each line's end hides every tag) would
            // otherwise skip the whole project.
            c.Blad("linia zawiera znak NUL, plik jest uszkodzony.");
        }
    }
    return przeczytanych;
}

// What follows the last section of a version-2 file.
void PoSekcjach(Projekt& p)
{
    for (DaneRuchoplan& r : p.Ruchoplany)
        if (r.ZeStruktury == 1)
            PoliczSumyZeStruktury(r);
    PoWczytaniuRond(p);
}

int WersjaPliku(const std::string& linia2)
{
    if (linia2.find("KARTOGRAM  2.0.0.") != std::string::npos)
        return 2;
    if (linia2.find("KARTOGRAM  1.0.0.") != std::string::npos)
        return 1;
    return 0;
}

}  // namespace

const std::string LiniaPieszych = "---------------   Piesi RUPL RONDO 2021_02_09";

bool CzytajProjekt(const std::string& nazwaPliku, Projekt& cel, std::string& blad)
{
    std::string uzupelnione;
    return CzytajProjekt(nazwaPliku, cel, blad, uzupelnione);
}

bool CzytajProjekt(const std::string& nazwaPliku, Projekt& cel, std::string& blad, std::string& uzupelnione)
{
    uzupelnione.clear();
    std::string tresc;
    // The record is of the bytes as read, before any conversion.
    if (!CzytajPlik(nazwaPliku, tresc, blad, &cel.Zawartosc))
        return false;  // names the file and the cause
    if (!TekstPlikuWCp1250(tresc, nazwaPliku, blad))
        return false;

    CzytnikProjektu c(std::move(tresc), nazwaPliku, cel);
    c.Linia();
    const int wersja = WersjaPliku(c.Linia());
    if (wersja == 0) {
        blad = "Plik nie jest plikiem projektu.\n" + SciezkaWTekscie(nazwaPliku);
        return false;
    }
    c.Pomin(3);

    try {
        if (wersja == 1) {
            CzytajProjektWersji1(c);
        } else {
            // Nothing read would open as an empty project that a save then
            // writes over the damaged file.
            if (CzytajSekcje(c) == 0) {
                blad = "Plik " + SciezkaWTekscie(nazwaPliku) + " nie zawiera danych projektu.";
                return false;
            }
            PoSekcjach(cel);
        }
    } catch (const BladPliku& e) {
        blad = e.what();
        return false;
    } catch (const std::bad_alloc&) {
        blad = "Brak pami\xEA" "ci przy odczycie pliku " + SciezkaWTekscie(nazwaPliku) + ", linia " + std::to_string(c.NumerLinii()) + ".";
        return false;
    } catch (const std::exception& e) {
        blad = c.KomunikatBledu(e.what());
        return false;
    }

    std::string uwaga = SprawdzWezlyIWarianty(cel);
    if (uwaga.empty())
        uwaga = SprawdzDiagramy(cel);
    if (!uwaga.empty()) {
        blad = "B\xB3\xB9" "d w pliku " + SciezkaWTekscie(nazwaPliku) + ": " + uwaga;
        return false;
    }

    // The font the file names is loaded last, when nothing else can refuse
    // the file: a refused file leaves the font as it was.
    const std::string& czcionka = cel.wg.NazwaCzcionki.str();
    if (czcionka != DomyslnaCzcionka && !WczytajCzcionkeONazwie(czcionka)) {
        blad = c.KomunikatBledu("b\xB3\xB9" "d odczytu czcionki " + czcionka + ".");
        return false;
    }

    const std::string brakujace = UzupelnijBrakujaceDiagramy(cel);
    if (!brakujace.empty())
        uzupelnione = Utf8NaCp1250("W pliku ") + SciezkaWTekscie(nazwaPliku) +
                      Utf8NaCp1250(" brakowało rekordów; dodano je z wartościami domyślnymi:") + brakujace;
    PoliczWezlyRond(cel);
    PoliczWezlyRuchoplanow(cel);
    for (DaneRuchoplan& r : cel.Ruchoplany)
        r.Obliczony = 0;
    blad.clear();
    return true;
}

void PokazSiatke() { Okno().UstawSiatke(wg.Siatka == 1, FormatFloat(MaskaKrokuSiatki, wg.KrokSiatki)); }

bool OtworzProjekt(const std::string& nazwaPliku)
{
    Projekt nowy = NowyDokument();
    std::string blad, uzupelnione;
    const std::string czcionkaPrzed = WczytanaCzcionka();
    // A refused file leaves the current project as it was: its records, its
    // file name, its changed flag and its font.
    if (!CzytajProjekt(nazwaPliku, nowy, blad, uzupelnione)) {
        if (!czcionkaPrzed.empty() && WczytanaCzcionka() != czcionkaPrzed)
            WczytajCzcionkeONazwie(czcionkaPrzed);
        Okno().PokazBlad(blad);
        return false;
    }

    // The window as for a new project; the font the file named is loaded.
    NowyProjektZCzcionka();
    nowy.Plik = nazwaPliku;
    BiezacyProjekt = std::move(nowy);
    if (wg.NazwaCzcionki.str() == DomyslnaCzcionka)
        PrzywrocDomyslnaCzcionke();
    PodniesRewizjeProjektu();
    ProjektZmieniony = false;
    OdswiezListeWariantow();
    if (LiczbaWariantow() > 0) {
        BiezacyWariant = 0;
        Okno().UstawTekstWariantu(PozycjaListyWariantow(0));
    } else {
        BiezacyWariant = -1;
    }
    Okno().UstawTytul(nazwaPliku);
    Okno().DodajOstatniProjekt(nazwaPliku);
    PokazSiatke();
    Okno().UstawPolecenia();
    // Records added to a damaged file are the user's to keep by saving.
    if (!uzupelnione.empty()) {
        ZmienionoProjekt();
        Okno().PokazBlad(uzupelnione);
    }
    return true;
}
