#include "base/Teksty.h"

#include <langinfo.h>

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <limits>

#include "base/Kodowanie.h"

// ---------------------------------------------------------------------------
// Decimal separator

namespace {

bool separatorUstawiony = false;
char separatorWlasny = '.';

} // namespace

char SeparatorDziesietny()
{
    if (separatorUstawiony)
        return separatorWlasny;
    // Read every time: the application sets the user's locale after start-up.
    // nl_langinfo, unlike localeconv, may be called from several threads at
    // once (the project file is formatted on threads).
    const char* znak = nl_langinfo(RADIXCHAR);
    if (znak && znak[0] != '\0' && znak[1] == '\0')
        return znak[0];
    return '.';
}

void UstawSeparatorDziesietny(char separator)
{
    separatorWlasny = separator;
    separatorUstawiony = true;
}

// ---------------------------------------------------------------------------
// Rounding

namespace {

int64_t DoInt64(double x)
{
    if (std::isnan(x))
        return 0;
    // 2^63 is exactly representable; anything at or beyond it saturates.
    constexpr double granica = 9223372036854775808.0;
    if (x >= granica)
        return std::numeric_limits<int64_t>::max();
    if (x < -granica)
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(x);
}

} // namespace

int64_t Zaokraglij(double x)
{
    // nearbyint follows the default rounding mode: to nearest, ties to even.
    return DoInt64(std::nearbyint(x));
}

int64_t Obetnij(double x)
{
    return DoInt64(std::trunc(x));
}

// ---------------------------------------------------------------------------
// Mask formatting

namespace {

struct Maska {
    std::string_view przed;  // literal text before the digits
    std::string_view po;     // literal text after the digits
    int minCalkowitych = 0;
    int minDziesietnych = 0;
    int maxDziesietnych = 0;
};

bool ZnakMaski(char c) { return c == '0' || c == '#' || c == '.'; }

Maska CzytajMaske(std::string_view maska)
{
    Maska m;
    std::size_t i = 0;
    while (i < maska.size() && !ZnakMaski(maska[i]))
        ++i;
    m.przed = maska.substr(0, i);
    // Integer placeholders: leading zeros start at the first "0".
    int calkowite = 0;
    int odPierwszegoZera = -1;
    while (i < maska.size() && (maska[i] == '0' || maska[i] == '#')) {
        if (maska[i] == '0' && odPierwszegoZera < 0)
            odPierwszegoZera = calkowite;
        ++calkowite;
        ++i;
    }
    if (odPierwszegoZera >= 0)
        m.minCalkowitych = calkowite - odPierwszegoZera;
    if (i < maska.size() && maska[i] == '.') {
        ++i;
        while (i < maska.size() && (maska[i] == '0' || maska[i] == '#')) {
            ++m.maxDziesietnych;
            if (maska[i] == '0')
                m.minDziesietnych = m.maxDziesietnych;
            ++i;
        }
    }
    m.po = maska.substr(i);
    // Far beyond what a double holds; keeps the digit buffer bounded.
    m.maxDziesietnych = std::min(m.maxDziesietnych, 30);
    m.minDziesietnych = std::min(m.minDziesietnych, 30);
    return m;
}

// |x| rounded half away from zero to `miejsc` decimals on its exact decimal
// value: integer digits (no leading zeros, "" for zero) and exactly `miejsc`
// fractional digits.
void CyfryZaokraglone(double a, int miejsc, std::string& calk, std::string& ulamek)
{
    calk.clear();
    ulamek.assign(static_cast<std::size_t>(miejsc), '0');
    if (a < std::pow(10.0, -(miejsc + 1)))
        return; // every digit up to the rounding digit is 0

    // Enough digits for the exact expansion: a double has at most 53 - e
    // fractional binary digits, and as many decimal ones.
    int wykladnik = 0;
    std::frexp(a, &wykladnik);
    int precyzja = std::max(miejsc + 1, 53 - wykladnik);
    std::array<char, 1500> bufor;
    auto [koniec, ec] = std::to_chars(bufor.data(), bufor.data() + bufor.size(), a,
                                      std::chars_format::fixed, precyzja);
    if (ec != std::errc())
        return;
    std::string_view tekst(bufor.data(), static_cast<std::size_t>(koniec - bufor.data()));
    std::size_t kropka = tekst.find('.');
    std::string cyfry(tekst.substr(0, kropka));
    std::size_t liczbaCalk = cyfry.size();
    cyfry.append(tekst.substr(kropka + 1, static_cast<std::size_t>(miejsc)));
    bool wGore = tekst[kropka + 1 + static_cast<std::size_t>(miejsc)] >= '5';
    if (wGore) {
        int i = static_cast<int>(cyfry.size()) - 1;
        while (i >= 0 && cyfry[static_cast<std::size_t>(i)] == '9')
            cyfry[static_cast<std::size_t>(i--)] = '0';
        if (i >= 0)
            ++cyfry[static_cast<std::size_t>(i)];
        else {
            cyfry.insert(cyfry.begin(), '1');
            ++liczbaCalk;
        }
    }
    calk = cyfry.substr(0, liczbaCalk);
    ulamek = cyfry.substr(liczbaCalk);
    std::size_t pierwsza = calk.find_first_not_of('0');
    calk.erase(0, pierwsza == std::string::npos ? calk.size() : pierwsza);
}


// The digits of a rounded |x|: integer digits (no leading zeros, "" for
// zero) and the fractional ones, in buffers of their own or in the strings
// of `CyfryZaokraglone`.
struct CyfryLiczby {
    std::array<char, 48> calkBufor;
    std::array<char, 16> ulamekBufor;
    std::string_view calk, ulamek;
};

// The same digits as `CyfryZaokraglone` from integer arithmetic, for up to
// 15 decimals and values below 2^70: |x| is m 2^e with a 53-bit m, so
// |x| 10^miejsc rounded half up is (m 10^miejsc 2^e + 1/2) taken down, worked
// out exactly in 128 bits. False when the value is out of that range.
bool CyfryZaokraglonePrzezCalkowite(double a, int miejsc, CyfryLiczby& c)
{
    constexpr std::array<uint64_t, 16> Potegi = {1ull, 10ull, 100ull, 1000ull, 10000ull, 100000ull, 1000000ull,
                                                 10000000ull, 100000000ull, 1000000000ull, 10000000000ull,
                                                 100000000000ull, 1000000000000ull, 10000000000000ull,
                                                 100000000000000ull, 1000000000000000ull};
    if (miejsc < 0 || miejsc > 15 || !(a < 1.0e21))
        return false;
    // a = m 2^e from the double's bits: 52 stored bits and, unless it is
    // subnormal or zero, the leading 1.
    const auto bity = std::bit_cast<uint64_t>(a);
    const int wykladnikBity = static_cast<int>(bity >> 52);  // a >= 0: no sign bit
    uint64_t m = bity & ((uint64_t{1} << 52) - 1);
    int e = -1074;
    if (wykladnikBity != 0) {
        m |= uint64_t{1} << 52;
        e = wykladnikBity - 1075;
    }
    using u128 = unsigned __int128;
    const u128 skalowana = static_cast<u128>(m) * Potegi[static_cast<std::size_t>(miejsc)];  // < 2^103
    u128 q = 0;
    if (e >= 0) {
        if (e > 20)
            return false;
        q = skalowana << e;
    } else if (-e < 110) {
        const int k = -e;
        q = (skalowana + (static_cast<u128>(1) << (k - 1))) >> k;
    }  // else below 2^-7: rounds to 0
    const uint64_t dzielnik = Potegi[static_cast<std::size_t>(miejsc)];
    uint64_t u = 0;
    char* koniec = c.calkBufor.data() + c.calkBufor.size();
    char* w = koniec;
    if (q >> 64 == 0) {
        // Nearly always: 64-bit division is many times cheaper.
        auto calk = static_cast<uint64_t>(q) / dzielnik;
        u = static_cast<uint64_t>(q) % dzielnik;
        for (; calk > 0; calk /= 10)
            *--w = static_cast<char>('0' + calk % 10);
    } else {
        u128 calk = q / dzielnik;
        u = static_cast<uint64_t>(q % dzielnik);
        for (; calk > 0; calk /= 10)
            *--w = static_cast<char>('0' + static_cast<int>(calk % 10));
    }
    c.calk = std::string_view(w, static_cast<std::size_t>(koniec - w));
    char* ulamek = c.ulamekBufor.data();
    for (int i = miejsc - 1; i >= 0; --i, u /= 10)
        ulamek[i] = static_cast<char>('0' + u % 10);
    c.ulamek = std::string_view(ulamek, static_cast<std::size_t>(miejsc));
    return true;
}

} // namespace

std::string FormatFloat(std::string_view maska, double x)
{
    std::string wynik;
    DopiszFormatFloat(wynik, maska, x, SeparatorDziesietny());
    return wynik;
}

void DopiszFormatFloat(std::string& cel, std::string_view maska, double x, char separator)
{
    if (std::isnan(x)) {
        cel += "NAN";
        return;
    }
    if (std::isinf(x)) {
        cel += x > 0 ? "INF" : "-INF";
        return;
    }

    const Maska m = CzytajMaske(maska);
    CyfryLiczby c;
    if (!CyfryZaokraglonePrzezCalkowite(std::fabs(x), m.maxDziesietnych, c)) {
        // Kept between calls: rare, but then a file may hold thousands.
        thread_local std::string calk, ulamek;
        CyfryZaokraglone(std::fabs(x), m.maxDziesietnych, calk, ulamek);
        c.calk = calk;
        c.ulamek = ulamek;
    }
    std::string_view calk = c.calk, ulamek = c.ulamek;
    const bool zero = calk.empty() && ulamek.find_first_not_of('0') == std::string_view::npos;

    while (static_cast<int>(ulamek.size()) > m.minDziesietnych && ulamek.back() == '0')
        ulamek.remove_suffix(1);
    const std::size_t zeraWiodace =
        static_cast<int>(calk.size()) < m.minCalkowitych ? static_cast<std::size_t>(m.minCalkowitych) - calk.size() : 0;

    if (x < 0 && !zero)
        cel.push_back('-');
    cel += m.przed;
    cel.append(zeraWiodace, '0');
    cel += calk;
    if (!ulamek.empty()) {
        cel.push_back(separator);
        cel += ulamek;
    }
    cel += m.po;
}

// ---------------------------------------------------------------------------
// Numbers

void ZamienSeparator(std::string_view tekst, std::string& wynik)
{
    const char sep = SeparatorDziesietny();
    wynik.assign(tekst);
    for (char& c : wynik)
        if (c == '.' || c == ',')
            c = sep;
}

std::string LiczbaNaTekst(double x)
{
    return FormatFloat("########0.00", x);
}

namespace {

std::string_view BezOdstepow(std::string_view t)
{
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t' || t.back() == '\r'))
        t.remove_suffix(1);
    return t;
}

// Drops a leading "+" (the runtime accepts it, from_chars does not).
std::string_view BezPlusa(std::string_view t)
{
    if (t.size() > 1 && t[0] == '+' && t[1] != '-' && t[1] != '+')
        t.remove_prefix(1);
    return t;
}

} // namespace

bool SprobujTekstNaLiczbe(std::string_view tekst, double& wynik)
{
    // Both "." and "," are the decimal separator, whatever the system's is;
    // parsing itself does not depend on the locale.
    std::string t(BezPlusa(BezOdstepow(tekst)));
    if (t.empty())
        return false;
    for (char& c : t) {
        if (c == ',')
            c = '.';
        // Digits, separator, sign and exponent only: no "inf", "nan" or hex.
        bool dozwolony = (c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E';
        if (!dozwolony)
            return false;
    }
    double w = 0.0;
    auto [koniec, ec] = std::from_chars(t.data(), t.data() + t.size(), w, std::chars_format::general);
    if (ec != std::errc() || koniec != t.data() + t.size() || !std::isfinite(w))
        return false;
    wynik = w;
    return true;
}

bool SprobujTekstNaCalkowita(std::string_view tekst, int64_t& wynik)
{
    std::string_view t = BezPlusa(BezOdstepow(tekst));
    if (t.empty())
        return false;
    int64_t w = 0;
    auto [koniec, ec] = std::from_chars(t.data(), t.data() + t.size(), w, 10);
    if (ec != std::errc() || koniec != t.data() + t.size())
        return false;
    wynik = w;
    return true;
}

double TekstNaLiczbe(std::string_view tekst, double domyslna)
{
    double w = 0.0;
    return SprobujTekstNaLiczbe(tekst, w) ? w : domyslna;
}

float TekstNaLiczbeS(std::string_view tekst, double domyslna)
{
    double w = 0.0;
    // A number a single cannot hold fails like any other bad text.
    if (!SprobujTekstNaLiczbe(tekst, w) || std::fabs(w) > std::numeric_limits<float>::max())
        w = domyslna;
    return static_cast<float>(w);
}

int32_t TekstNaCalkowita(std::string_view tekst, int32_t domyslna, int32_t min, int32_t max)
{
    int64_t w = 0;
    if (!SprobujTekstNaCalkowita(tekst, w) || w < std::numeric_limits<int32_t>::min() ||
        w > std::numeric_limits<int32_t>::max())
        w = domyslna;
    if (w < min)
        w = min;
    if (w > max)
        w = max;
    return static_cast<int32_t>(w);
}

// ---------------------------------------------------------------------------
// Dates and times

namespace {

constexpr int64_t MsNaDobe = 86400000;
// Days from 1970-01-01 to 1899-12-30, the zero of TDataCzas.
constexpr int64_t DzienZerowy = -25569;

// Proleptic Gregorian calendar (H. Hinnant's civil date algorithms).
int64_t DniOd1970(int64_t r, unsigned m, unsigned d)
{
    r -= m <= 2;
    const int64_t era = (r >= 0 ? r : r - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(r - era * 400);
    const unsigned doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

void DataZDni(int64_t z, int& r, int& m, int& d)
{
    z += 719468;
    const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    r = static_cast<int>(static_cast<int64_t>(yoe) + era * 400 + (m <= 2));
}

bool RokPrzestepny(int r) { return (r % 4 == 0 && r % 100 != 0) || r % 400 == 0; }

int DniMiesiaca(int r, int m)
{
    static constexpr int dni[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && RokPrzestepny(r) ? 29 : dni[m - 1];
}

// Whole milliseconds of a value: the day (toward zero, as the runtime does)
// and the time of day. Rounding to the millisecond keeps 14:00:00 from
// reading back as 13:59:59.
void Rozloz(TDataCzas t, int64_t& dzien, int64_t& msDnia)
{
    double ms = std::round(t * static_cast<double>(MsNaDobe));
    constexpr double granica = 9.0e18;
    if (!(std::fabs(ms) < granica))
        ms = 0.0;
    int64_t calosc = static_cast<int64_t>(ms);
    dzien = calosc / MsNaDobe;
    msDnia = calosc % MsNaDobe;
    if (msDnia < 0)
        msDnia = -msDnia;
}

std::string Dwucyfrowo(int v)
{
    return FormatFloat("00", v);
}

[[noreturn]] void BladDaty(std::string_view tekst)
{
    throw BladKonwersji("'" + std::string(tekst) + Utf8NaCp1250("' nie jest prawidłową datą"));
}

[[noreturn]] void BladCzasu(std::string_view tekst)
{
    throw BladKonwersji("'" + std::string(tekst) + Utf8NaCp1250("' nie jest prawidłowym czasem"));
}

// The characters from position `od` (0-based), at most `ile` of them, as an
// integer; false when they are no integer.
bool Fragment(std::string_view tekst, std::size_t od, std::size_t ile, int& wynik)
{
    if (od >= tekst.size())
        return false;
    int64_t w = 0;
    if (!SprobujTekstNaCalkowita(tekst.substr(od, ile), w) || w < std::numeric_limits<int>::min() ||
        w > std::numeric_limits<int>::max())
        return false;
    wynik = static_cast<int>(w);
    return true;
}

} // namespace

TDataCzas KodujDate(int rok, int miesiac, int dzien)
{
    if (rok < 1 || rok > 9999 || miesiac < 1 || miesiac > 12 || dzien < 1 || dzien > DniMiesiaca(rok, miesiac))
        BladDaty(FormatFloat("0000", rok) + "-" + Dwucyfrowo(miesiac) + "-" + Dwucyfrowo(dzien));
    return static_cast<double>(DniOd1970(rok, static_cast<unsigned>(miesiac), static_cast<unsigned>(dzien)) -
                               DzienZerowy);
}

TDataCzas KodujCzas(int godz, int min, int sek, int msek)
{
    if (godz < 0 || godz > 23 || min < 0 || min > 59 || sek < 0 || sek > 59 || msek < 0 || msek > 999)
        BladCzasu(Dwucyfrowo(godz) + ":" + Dwucyfrowo(min) + ":" + Dwucyfrowo(sek));
    const int64_t ms = ((static_cast<int64_t>(godz) * 60 + min) * 60 + sek) * 1000 + msek;
    return static_cast<double>(ms) / static_cast<double>(MsNaDobe);
}

void DekodujDate(TDataCzas d, int& rok, int& miesiac, int& dzien)
{
    int64_t dni = 0, ms = 0;
    Rozloz(d, dni, ms);
    DataZDni(dni + DzienZerowy, rok, miesiac, dzien);
}

void DekodujCzas(TDataCzas t, int& godz, int& min, int& sek, int& msek)
{
    int64_t dni = 0, ms = 0;
    Rozloz(t, dni, ms);
    msek = static_cast<int>(ms % 1000);
    ms /= 1000;
    sek = static_cast<int>(ms % 60);
    ms /= 60;
    min = static_cast<int>(ms % 60);
    godz = static_cast<int>(ms / 60);
}

std::string DataNaTekst(TDataCzas d)
{
    int r = 0, m = 0, dz = 0;
    DekodujDate(d, r, m, dz);
    return FormatFloat("0000", r) + "-" + Dwucyfrowo(m) + "-" + Dwucyfrowo(dz);
}

TDataCzas TekstNaDate(std::string_view tekst)
{
    int r = 0, m = 0, d = 0;
    if (!Fragment(tekst, 0, 4, r) || !Fragment(tekst, 5, 2, m) || !Fragment(tekst, 8, 2, d))
        BladDaty(tekst);
    if (r < 1 || r > 9999 || m < 1 || m > 12 || d < 1 || d > DniMiesiaca(r, m))
        BladDaty(tekst);
    return KodujDate(r, m, d);
}

std::string CzasNaTekst(TDataCzas t)
{
    int g = 0, m = 0, s = 0, ms = 0;
    DekodujCzas(t, g, m, s, ms);
    return Dwucyfrowo(g) + ":" + Dwucyfrowo(m) + ":" + Dwucyfrowo(s);
}

std::string CzasKrotkiNaTekst(TDataCzas t)
{
    int g = 0, m = 0, s = 0, ms = 0;
    DekodujCzas(t, g, m, s, ms);
    return Dwucyfrowo(g) + ":" + Dwucyfrowo(m);
}

TDataCzas TekstNaCzas(std::string_view tekst)
{
    int g = 0, m = 0, s = 0;
    if (!Fragment(tekst, 0, 2, g) || !Fragment(tekst, 3, 2, m))
        BladCzasu(tekst);
    if (!Fragment(tekst, 6, 2, s))
        s = 0;
    if (g < 0 || g > 23 || m < 0 || m > 59 || s < 0 || s > 59)
        BladCzasu(tekst);
    return KodujCzas(g, m, s, 0);
}
