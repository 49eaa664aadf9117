#include "drawing/Dxf.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "platform/KatalogProgramu.h"
#include "platform/ZapisBezpieczny.h"
#include "base/Kodowanie.h"

namespace {

using u128 = unsigned __int128;

constexpr std::array<u128, 25> PotegiDziesieciu = [] {
    std::array<u128, 25> p{};
    p[0] = 1;
    for (std::size_t i = 1; i < p.size(); ++i)
        p[i] = p[i - 1] * 10;
    return p;
}();

// |x| as 15 significant digits n (10^14 <= n < 10^15) and the decimal
// exponent, rounded to nearest with ties to even on its exact binary value,
// as std::to_chars rounds: |x| = m 2^e exactly, so n is the quotient of
// m 2^e 10^(14 - E) worked out in 128 bits. False outside the range where
// that fits.
bool CyfryDxf(double a, uint64_t& n, int& wykladnik10)
{
    if (!(a >= 1.0e-7 && a < 1.0e18))
        return false;
    // A normal double in this range: its 52 stored bits and the leading 1.
    const auto bity = std::bit_cast<uint64_t>(a);
    const uint64_t m = (bity & ((uint64_t{1} << 52) - 1)) | (uint64_t{1} << 52);
    const int e = static_cast<int>(bity >> 52) - 1075;  // a = m 2^e
    // log10(a) lies within a step of floor(log10(2^(e + 52))); the loop
    // corrects it. 78913 / 2^18 is log10(2) to 6 digits.
    int E = ((e + 52) * 78913) >> 18;
    for (int proba = 0; proba < 3; ++proba) {
        const int s = 14 - E;
        if (s > 24 || -s > 24)
            return false;
        u128 q = 0;
        bool wGore = false;
        if (s >= 0 && e < 0) {
            // The common case: a division by a power of two.
            const u128 licznik = static_cast<u128>(m) * PotegiDziesieciu[static_cast<std::size_t>(s)];
            const int k = -e;
            if (k > 126)
                return false;
            q = licznik >> k;
            const u128 reszta = licznik & ((static_cast<u128>(1) << k) - 1);
            const u128 polowa = static_cast<u128>(1) << (k - 1);
            wGore = reszta > polowa || (reszta == polowa && (q & 1) != 0);
        } else {
            u128 licznik = m, mianownik = 1;
            if (s >= 0)
                licznik *= PotegiDziesieciu[static_cast<std::size_t>(s)];
            else
                mianownik = PotegiDziesieciu[static_cast<std::size_t>(-s)];
            if (e >= 0)
                licznik <<= e;  // a < 10^18 < 2^60: e <= 7
            else
                mianownik <<= -e;
            q = licznik / mianownik;
            const u128 reszta2 = 2 * (licznik % mianownik);
            wGore = reszta2 > mianownik || (reszta2 == mianownik && (q & 1) != 0);
        }
        if (wGore)
            ++q;
        if (q >= PotegiDziesieciu[15])
            ++E;
        else if (q < PotegiDziesieciu[14])
            --E;
        else {
            n = static_cast<uint64_t>(q);
            wykladnik10 = E;
            return true;
        }
    }
    return false;
}

// A real as the DXF file holds it, appended to `wynik`: "-" or a blank, one
// digit, ".", 14 digits, "E", the exponent's sign and four digits. The
// digits are those of printf's "%.14E"; values far off a drawing's take
// them from std::to_chars.
void DopiszLiczbeDxf(std::string& wynik, double x)
{
    // A value no CAD program can read is written as zero.
    if (!std::isfinite(x) || x == 0.0) x = 0.0;
    char tekst[24];
    tekst[0] = x < 0 ? '-' : ' ';
    uint64_t n = 0;
    int wykladnik = 0;
    if (x == 0.0) {
        std::memcpy(tekst + 1, "0.00000000000000", 16);
    } else if (CyfryDxf(std::fabs(x), n, wykladnik)) {
        for (int i = 16; i >= 3; --i, n /= 10)
            tekst[i] = static_cast<char>('0' + n % 10);
        tekst[2] = '.';
        tekst[1] = static_cast<char>('0' + n);
    } else {
        char bufor[64];
        const auto koniec =
            std::to_chars(bufor, bufor + sizeof bufor, std::fabs(x), std::chars_format::scientific, 14).ptr;
        // bufor: d.ddddddddddddddde+XX[X]
        const char* e = std::find(bufor, koniec, 'e');
        std::from_chars(e + 1 + (e[1] == '+'), koniec, wykladnik);
        std::memcpy(tekst + 1, bufor, 16);
    }
    tekst[17] = 'E';
    tekst[18] = wykladnik < 0 ? '-' : '+';
    const int w = std::abs(wykladnik);
    tekst[19] = static_cast<char>('0' + w / 1000 % 10);
    tekst[20] = static_cast<char>('0' + w / 100 % 10);
    tekst[21] = static_cast<char>('0' + w / 10 % 10);
    tekst[22] = static_cast<char>('0' + w % 10);
    wynik.append(tekst, 23);
}

// The entities as the file holds them, gathered in a buffer: the file's
// own, or that of a part of an export drawn on another thread.
class BuforDxf : public OdbiorcaDxf {
public:
    void Linia(const std::string& warstwa, int32_t indeks, double x1, double y1, double x2, double y2) override
    {
        if (!Przyjmuje()) return;
        Naglowek("LINE", warstwa, indeks, "AcDbLine");
        Para("10", x1);
        Para("20", y1);
        Para("11", x2);
        Para("21", y2);
        PoEncji();
    }

    void Tekst(const std::string& tekst, const std::string& warstwa, const UkladTekstuDxf& u,
               int32_t indeks) override
    {
        if (!Przyjmuje()) return;
        Naglowek("TEXT", warstwa, indeks, "AcDbText");
        Para("10", u.x);
        Para("20", u.y);
        Para("40", u.wysokosc);
        Pisz("1");
        PiszJednaLinia(tekst);
        Para("50", u.obrot);
        Para("41", u.wspSzerokosci);
        if (u.dopasowany) {
            Pisz("72");
            Pisz("5");  // horizontal justification "Fit", on the baseline
            Para("11", u.xKonca);
            Para("21", u.yKonca);
        }
        PoEncji();
    }

    void Luk(const std::string& warstwa, int32_t indeks, double cx, double cy, double r, double a1,
             double a2) override
    {
        if (!Przyjmuje()) return;
        Naglowek("ARC", warstwa, indeks, "AcDbCircle");
        Para("10", cx);
        Para("20", cy);
        Para("40", r);
        Para("50", a1);
        Para("51", a2);
        PoEncji();
    }

    std::string& Tresc() { return bufor_; }

protected:
    virtual bool Przyjmuje() const { return true; }
    virtual void PoEncji() {}

    void Pisz(std::string_view linia)
    {
        bufor_ += linia;
        bufor_ += "\r\n";
    }

    std::string bufor_;

private:
    void Para(std::string_view kod, double x)
    {
        Pisz(kod);
        DopiszLiczbeDxf(bufor_, x);
        bufor_ += "\r\n";
    }

    void Naglowek(std::string_view typ, const std::string& warstwa, int32_t indeks, std::string_view podklasa)
    {
        Pisz("0");
        Pisz(typ);
        Pisz("100\r\nAcDbEntity\r\n8");
        PiszJednaLinia(warstwa);
        Pisz("62");
        char liczba[16];
        Pisz(std::string_view(liczba, std::to_chars(liczba, liczba + sizeof liczba, indeks).ptr));
        Pisz("100");
        Pisz(podklasa);
    }

    // A line break inside a value would split the file's group pairs.
    void PiszJednaLinia(const std::string& s)
    {
        const std::size_t poczatek = bufor_.size();
        Pisz(s);
        for (std::size_t i = poczatek; i < poczatek + s.size(); ++i)
            if (bufor_[i] == '\r' || bufor_[i] == '\n') bufor_[i] = ' ';
    }
};

// The file of the export in progress. Entities are gathered in the buffer
// and written to the file in large pieces.
class PlikDxf : public BuforDxf {
public:
    // The file is written beside the target and takes its place only when
    // the export is complete: a failed export leaves the old file as it was.
    void Otworz(const std::string& nazwa)
    {
        Zamknij();
        std::string blad;
        if (!zapis_.Otworz(nazwa, blad))
            throw BladDxf(blad);
        bufor_.clear();
        PiszNaglowekPliku();
        Pisz("0");
        Pisz("SECTION");
        Pisz("2");
        Pisz("ENTITIES");
    }

    // The texts are Windows-1250 bytes: the header says so, or CAD programs
    // show other letters for the Polish ones. R12 is read by every program
    // and needs no tables.
    void PiszNaglowekPliku()
    {
        for (const char* linia : {"0", "SECTION", "2", "HEADER", "9", "$ACADVER", "1", "AC1009", "9",
                                  "$DWGCODEPAGE", "3", "ANSI_1250", "0", "ENDSEC"})
            Pisz(linia);
    }

    // Entities formatted elsewhere, in their place in the file.
    void Dopisz(std::string_view bajty)
    {
        if (!Otwarty()) return;
        Wyslij();
        std::string blad;
        if (!zapis_.Pisz(bajty, blad)) throw BladDxf(blad);
    }

    std::string Zakoncz()
    {
        if (!Otwarty()) return {};
        Pisz("0");
        Pisz("ENDSEC");
        Pisz("0");
        Pisz("EOF");
        Wyslij();
        std::string blad;
        if (!zapis_.Zakoncz(blad)) throw BladDxf(blad);
        return zapis_.Uwaga();
    }

    // An export that stopped half way: the half-written file goes.
    void Zamknij()
    {
        zapis_.Porzuc();
        bufor_.clear();
    }

    bool Otwarty() const { return zapis_.Otwarty(); }

private:
    static constexpr std::size_t RozmiarPorcji = 1 << 16;

    bool Przyjmuje() const override { return Otwarty(); }
    void PoEncji() override
    {
        if (bufor_.size() >= RozmiarPorcji) Wyslij();
    }

    void Wyslij()
    {
        std::string blad;
        const bool zapisany = zapis_.Pisz(bufor_, blad);
        bufor_.clear();
        if (!zapisany) throw BladDxf(blad);
    }

    ZapisBezpieczny zapis_;
};

PlikDxf plikDxf;
// A test's receiver, or the buffer of a part drawn on this thread.
thread_local OdbiorcaDxf* odbiorca = nullptr;

OdbiorcaDxf& Odbiorca() { return odbiorca ? *odbiorca : plikDxf; }

struct KolorPalety {
    int indeks, r, g, b;
};

// The candidates in the order they are tried.
constexpr std::array<KolorPalety, 171> Paleta{{
    {1, 255, 0, 0}, {2, 255, 255, 0}, {3, 0, 255, 0}, {4, 0, 255, 255}, {5, 0, 0, 255}, {6, 255, 0, 255},
    {7, 255, 255, 255}, {8, 128, 128, 128}, {9, 192, 192, 192},
    {11, 255, 127, 127}, {12, 204, 0, 0}, {13, 204, 102, 102}, {14, 153, 0, 0}, {15, 153, 76, 76},
    {16, 127, 0, 0}, {17, 127, 63, 63}, {18, 76, 0, 0}, {19, 76, 38, 38},
    {20, 255, 63, 0}, {21, 255, 159, 127}, {22, 204, 51, 0}, {23, 204, 127, 102}, {24, 153, 95, 76},
    {25, 153, 95, 95}, {26, 127, 31, 0}, {27, 127, 79, 63}, {28, 76, 19, 0}, {29, 76, 47, 38},
    {30, 255, 127, 0}, {31, 255, 191, 127}, {32, 204, 102, 0}, {33, 204, 153, 102}, {34, 153, 76, 0},
    {35, 153, 111, 76}, {36, 127, 63, 0}, {37, 127, 95, 63}, {38, 76, 38, 0}, {39, 76, 57, 38},
    {40, 255, 191, 0}, {41, 255, 223, 127}, {42, 204, 153, 0}, {43, 204, 178, 102}, {44, 153, 114, 0},
    {45, 153, 133, 76}, {46, 127, 95, 0}, {47, 127, 111, 63}, {48, 76, 57, 0}, {49, 76, 66, 38},
    {51, 255, 255, 127}, {52, 204, 204, 0}, {53, 204, 204, 102}, {54, 153, 153, 0}, {55, 153, 153, 76},
    {56, 127, 127, 0}, {57, 127, 127, 63}, {58, 76, 76, 0}, {59, 76, 76, 38},
    {60, 191, 255, 0}, {61, 223, 255, 127}, {62, 153, 204, 0}, {63, 178, 204, 102}, {64, 114, 153, 0},
    {65, 133, 153, 76}, {66, 95, 127, 0}, {67, 111, 127, 63}, {68, 57, 76, 0}, {69, 66, 76, 38},
    {70, 127, 255, 0}, {71, 191, 255, 127}, {72, 102, 204, 0}, {73, 153, 204, 102}, {74, 76, 153, 0},
    {75, 114, 153, 76}, {76, 63, 127, 0}, {77, 95, 127, 63}, {78, 38, 76, 0}, {79, 57, 76, 38},
    {80, 63, 255, 0}, {81, 159, 255, 127}, {82, 51, 204, 0}, {83, 127, 204, 102}, {84, 38, 153, 0},
    {85, 95, 153, 76}, {86, 31, 127, 0}, {87, 79, 127, 63}, {88, 19, 76, 0}, {89, 47, 76, 38},
    {91, 127, 255, 127}, {92, 0, 204, 0}, {93, 102, 204, 102}, {94, 0, 153, 0}, {95, 76, 153, 76},
    {96, 0, 127, 0}, {97, 63, 127, 63}, {98, 0, 76, 0}, {99, 38, 76, 38},
    {100, 0, 255, 63}, {101, 127, 255, 159}, {102, 0, 204, 51}, {103, 102, 204, 127}, {104, 0, 153, 38},
    {105, 76, 153, 95}, {106, 0, 127, 31}, {107, 63, 127, 79}, {108, 0, 76, 19}, {109, 38, 76, 47},
    {110, 0, 255, 127}, {111, 127, 255, 191}, {112, 0, 204, 102}, {113, 102, 204, 153}, {114, 0, 153, 76},
    {115, 76, 153, 114}, {116, 0, 127, 63}, {117, 63, 127, 95}, {118, 0, 76, 38}, {119, 38, 76, 57},
    {120, 0, 255, 191}, {121, 127, 255, 223}, {122, 0, 204, 153}, {123, 102, 204, 178}, {124, 0, 153, 114},
    {125, 76, 153, 133}, {126, 0, 127, 95}, {127, 63, 127, 110}, {128, 0, 76, 57}, {129, 38, 76, 66},
    {130, 0, 255, 255}, {131, 127, 255, 255}, {132, 0, 204, 204}, {133, 102, 204, 204}, {134, 0, 153, 153},
    {135, 76, 153, 153}, {136, 0, 127, 127}, {137, 63, 127, 127}, {138, 0, 76, 76}, {139, 38, 76, 76},
    {140, 0, 191, 255}, {141, 127, 223, 255}, {142, 0, 153, 204}, {143, 102, 178, 204}, {144, 0, 114, 153},
    {145, 76, 133, 153}, {146, 0, 95, 127}, {147, 63, 111, 127}, {148, 0, 57, 76}, {149, 38, 66, 76},
    {150, 0, 127, 255}, {151, 127, 191, 255}, {160, 0, 63, 255}, {161, 127, 159, 255}, {170, 0, 0, 255},
    {171, 127, 127, 255}, {180, 63, 0, 255}, {181, 159, 127, 255}, {190, 127, 0, 255}, {191, 191, 127, 255},
    {200, 191, 0, 255}, {201, 223, 127, 255}, {210, 255, 0, 255}, {211, 255, 127, 255}, {220, 255, 0, 191},
    {221, 255, 127, 223}, {230, 255, 0, 127}, {231, 255, 127, 191}, {240, 255, 0, 63}, {241, 255, 127, 159},
    {250, 51, 51, 51}, {251, 91, 91, 91}, {252, 132, 132, 132}, {253, 173, 173, 173}, {254, 214, 214, 214},
}};

}  // namespace

void DxfPoczatek(const std::string& nazwaPliku) { plikDxf.Otworz(nazwaPliku); }
std::string DxfKoniec() { return plikDxf.Zakoncz(); }
void DxfPrzerwij() { plikDxf.Zamknij(); }
bool DxfOtwarty() { return plikDxf.Otwarty(); }

void DxfLinia(const std::string& warstwa, int32_t indeksKoloru, double x1, double y1, double x2, double y2)
{
    Odbiorca().Linia(warstwa, indeksKoloru, x1, y1, x2, y2);
}

void DxfTekst(const std::string& tekst, const std::string& warstwa, double x, double y, double obrot,
              double wspSzerokosci, double wysokosc, int32_t indeksKoloru)
{
    DxfTekst(tekst, warstwa, UkladTekstuDxf{.x = x, .y = y, .obrot = obrot, .wspSzerokosci = wspSzerokosci,
                                            .wysokosc = wysokosc},
             indeksKoloru);
}

void DxfTekst(const std::string& tekst, const std::string& warstwa, const UkladTekstuDxf& uklad,
              int32_t indeksKoloru)
{
    Odbiorca().Tekst(tekst, warstwa, uklad, indeksKoloru);
}

void DxfLuk(const std::string& warstwa, int32_t indeksKoloru, double cx, double cy, double r, double katPoczatku,
            double katKonca)
{
    Odbiorca().Luk(warstwa, indeksKoloru, cx, cy, r, katPoczatku, katKonca);
}

int32_t KolorNaIndeksDxf(TKolor kolor)
{
    // An export asks for the same few colours hundreds of thousands of times.
    thread_local TKolor ostatniKolor = 0;
    thread_local int32_t ostatniIndeks = -1;
    if (ostatniIndeks >= 0 && kolor == ostatniKolor) return ostatniIndeks;
    const int r = KolorR(kolor), g = KolorG(kolor), b = KolorB(kolor);
    auto odleglosc = [&](int pr, int pg, int pb) { return std::abs(r - pr) + std::abs(g - pg) + std::abs(b - pb); };
    int najlepszy = Paleta[0].indeks;
    int najmniejsza = odleglosc(Paleta[0].r, Paleta[0].g, Paleta[0].b);
    for (const KolorPalety& k : Paleta) {
        int d = odleglosc(k.r, k.g, k.b);
        if (d < najmniejsza) {
            najmniejsza = d;
            najlepszy = k.indeks;
        }
    }
    // Black has no index of its own: 7 serves it as it serves white.
    if (odleglosc(0, 0, 0) < najmniejsza) najlepszy = 7;
    ostatniKolor = kolor;
    ostatniIndeks = najlepszy;
    return najlepszy;
}

std::string LiczbaDxf(double x)
{
    std::string wynik;
    DopiszLiczbeDxf(wynik, x);
    return wynik;
}

void UstawOdbiorceDxf(OdbiorcaDxf* nowy) { odbiorca = nowy; }
OdbiorcaDxf* OdbiorcaDxfBiezacy() { return odbiorca; }

CzescDxf::CzescDxf(std::string bufor) : bufor_(std::make_unique<BuforDxf>()), poprzedni_(odbiorca)
{
    static_cast<BuforDxf&>(*bufor_).Tresc() = std::move(bufor);
    odbiorca = bufor_.get();
}
CzescDxf::~CzescDxf() { odbiorca = poprzedni_; }
std::string CzescDxf::Zabierz() { return std::move(static_cast<BuforDxf&>(*bufor_).Tresc()); }

void DxfDopisz(std::string_view bajty) { plikDxf.Dopisz(bajty); }

EksportDxf::EksportDxf(const std::string& nazwaPliku) : wyjscia_(WyjscieEkran, WyjscieDrukarka, true)
{
    DxfPoczatek(nazwaPliku);
}

EksportDxf::~EksportDxf()
{
    if (!zakonczony_) DxfPrzerwij();
}

std::string EksportDxf::Zakoncz()
{
    std::string uwaga = DxfKoniec();
    zakonczony_ = true;
    return uwaga;
}
