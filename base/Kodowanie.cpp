#include "base/Kodowanie.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <iconv.h>
#include <utility>
#include <vector>

namespace {

// A conversion descriptor opened once per thread and direction: texts are
// converted for every label drawn, and opening is the costly part.
class Deskryptor {
public:
    Deskryptor(const char* do_kodu, const char* z_kodu) : cd_(iconv_open(do_kodu, z_kodu)) {}
    ~Deskryptor()
    {
        if (Otwarty())
            iconv_close(cd_);
    }
    Deskryptor(const Deskryptor&) = delete;
    Deskryptor& operator=(const Deskryptor&) = delete;

    bool Otwarty() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t cd() const { return cd_; }

private:
    iconv_t cd_;
};

// One conversion through iconv; a sequence iconv rejects is replaced by "?"
// and skipped (one byte of input, a whole sequence when the input is UTF-8),
// so damaged text still converts.
std::string Konwertuj(const Deskryptor& d, bool zUtf8, std::string_view tekst)
{
    std::string wynik;
    if (tekst.empty())
        return wynik;
    if (!d.Otwarty())
        return std::string(tekst);
    iconv_t cd = d.cd();
    // A conversion left half done by an error starts from the initial state.
    iconv(cd, nullptr, nullptr, nullptr, nullptr);

    wynik.reserve(tekst.size() * 2);
    char* wej = const_cast<char*>(tekst.data());
    size_t zostalo_wej = tekst.size();
    char bufor[1024];
    while (zostalo_wej > 0) {
        char* wyj = bufor;
        size_t zostalo_wyj = sizeof bufor;
        size_t r = iconv(cd, &wej, &zostalo_wej, &wyj, &zostalo_wyj);
        wynik.append(bufor, static_cast<size_t>(wyj - bufor));
        if (r != static_cast<size_t>(-1))
            continue;
        if (errno == E2BIG)
            continue;
        // EILSEQ (unmappable or invalid) or EINVAL (cut sequence at the end).
        wynik.push_back('?');
        if (errno == EILSEQ && zostalo_wej > 0) {
            // Skip a whole UTF-8 sequence when the input is UTF-8.
            unsigned char c = static_cast<unsigned char>(*wej);
            size_t dl = 1;
            if (zUtf8) {
                if (c >= 0xF0 && c < 0xF8) dl = 4;
                else if (c >= 0xE0) dl = 3;
                else if (c >= 0xC0) dl = 2;
                // Only skip continuation bytes actually present.
                size_t i = 1;
                while (i < dl && i < zostalo_wej && (static_cast<unsigned char>(wej[i]) & 0xC0) == 0x80)
                    ++i;
                dl = i;
            }
            wej += dl;
            zostalo_wej -= dl;
        } else {
            break;
        }
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    return wynik;
}

// The character whose UTF-8 begins at `i`: its length (0 where no valid one
// begins) and its code point in `kod`.
std::size_t ZnakUtf8(std::string_view t, std::size_t i, std::uint32_t& kod)
{
    const auto c = static_cast<unsigned char>(t[i]);
    kod = c;
    if (c < 0x80)
        return 1;
    std::size_t dl = 0;
    if (c >= 0xC2 && c <= 0xDF)
        dl = 2, kod = c & 0x1Fu;
    else if (c >= 0xE0 && c <= 0xEF)
        dl = 3, kod = c & 0x0Fu;
    else if (c >= 0xF0 && c <= 0xF4)
        dl = 4, kod = c & 0x07u;
    else
        return 0;
    if (t.size() - i < dl)
        return 0;
    for (std::size_t k = 1; k < dl; ++k) {
        const auto b = static_cast<unsigned char>(t[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        kod = (kod << 6) | (b & 0x3Fu);
    }
    // Overlong forms, surrogates and code points beyond Unicode are not UTF-8.
    if ((dl == 3 && kod < 0x800) || (dl == 4 && (kod < 0x10000 || kod > 0x10FFFF)) ||
        (kod >= 0xD800 && kod <= 0xDFFF))
        return 0;
    return dl;
}

// The byte of each character Windows-1250 has, taken from iconv's reading of
// the code page's upper half. Only these convert: iconv itself drops some
// characters (the tag characters U+E0000-U+E007F) without a word.
class BajtyCp1250 {
public:
    BajtyCp1250()
    {
        for (int b = 0x80; b < 0x100; ++b) {
            const std::string utf8 = Cp1250NaUtf8(std::string(1, static_cast<char>(b)));
            std::uint32_t kod = 0;
            if (utf8.size() < 2 || ZnakUtf8(utf8, 0, kod) != utf8.size())
                continue;  // a byte the code page leaves empty
            if (kod < Niskie)
                niskie_[kod] = static_cast<unsigned char>(b);
            else
                wysokie_.push_back({kod, static_cast<unsigned char>(b)});
        }
        std::sort(wysokie_.begin(), wysokie_.end());
    }

    // The byte of a character beyond ASCII, 0 where the code page has none.
    unsigned char operator()(std::uint32_t kod) const
    {
        if (kod < Niskie)
            return niskie_[kod];
        const auto w = std::lower_bound(wysokie_.begin(), wysokie_.end(), Para{kod, 0});
        return w != wysokie_.end() && w->first == kod ? w->second : 0;
    }

private:
    // The Latin letters, all of Polish among them, in a table of their own.
    static constexpr std::uint32_t Niskie = 0x300;
    std::array<unsigned char, Niskie> niskie_{};
    using Para = std::pair<std::uint32_t, unsigned char>;
    std::vector<Para> wysokie_;  // punctuation, the euro sign
};

const BajtyCp1250& Cp1250()
{
    static const BajtyCp1250 bajty;
    return bajty;
}

// Whether eight bytes from `z` are all ASCII.
bool OsiemAscii(const char* z)
{
    std::uint64_t osiem = 0;
    std::memcpy(&osiem, z, 8);
    return (osiem & 0x8080808080808080ull) == 0;
}

// Whether 32 bytes from `z` are all ASCII: a branch per block, not per word.
bool BlokAscii(const char* z)
{
    std::uint64_t slowa[4];
    std::memcpy(slowa, z, sizeof slowa);
    return ((slowa[0] | slowa[1] | slowa[2] | slowa[3]) & 0x8080808080808080ull) == 0;
}

// Where the first byte beyond ASCII stands from `i` on (the end of the text
// where none does): a whole file's ASCII is passed in blocks.
std::size_t PoAscii(std::string_view t, std::size_t i)
{
    const std::size_t n = t.size();
    while (i + 32 <= n && BlokAscii(t.data() + i))
        i += 32;
    while (i + 8 <= n && OsiemAscii(t.data() + i))
        i += 8;
    while (i < n && static_cast<unsigned char>(t[i]) < 0x80)
        ++i;
    return i;
}

// The form a text of `szerokosc`-byte units is in by its NULs, `le` or
// `be`; "" when they do not tell it. A text of the program holds no NUL: the
// high half of many units in its beginning all NUL, and never the low half
// (or the other way round), is that form.
std::string_view PoNulach(std::string_view t, std::size_t szerokosc, std::string_view le, std::string_view be)
{
    const std::size_t pol = szerokosc / 2;
    const std::size_t jednostek = std::min<std::size_t>(t.size(), 1024) / szerokosc;
    const auto zera = [&](std::size_t od) { return t.substr(od, pol).find_first_not_of('\0') == t.npos; };
    std::size_t nulDrugi = 0, nulPierwszy = 0;
    for (std::size_t i = 0; i < jednostek; ++i) {
        const bool pierwszy = zera(i * szerokosc), drugi = zera(i * szerokosc + pol);
        nulDrugi += drugi && !pierwszy;
        nulPierwszy += pierwszy && !drugi;
    }
    if (nulDrugi > 0 && nulPierwszy == 0 && nulDrugi * 4 >= jednostek)
        return le;
    if (nulPierwszy > 0 && nulDrugi == 0 && nulPierwszy * 4 >= jednostek)
        return be;
    return "";
}

} // namespace

std::string Cp1250NaUtf8(std::string_view cp1250)
{
    thread_local const Deskryptor d("UTF-8", "CP1250");
    return Konwertuj(d, false, cp1250);
}

std::string Utf8NaCp1250(std::string_view utf8) { return Utf8NaCp1250ZOkna(utf8).cp1250; }

TekstZOkna Utf8NaCp1250ZOkna(std::string_view utf8)
{
    TekstZOkna t;
    if (Utf8NaCp1250Dokladnie(utf8, t.cp1250))
        return t;
    // What cannot be held whole is shown with "?" where it differs.
    thread_local const Deskryptor d("CP1250", "UTF-8");
    t.cp1250 = Konwertuj(d, true, utf8);
    t.wierny = false;
    const BajtyCp1250& bajt = Cp1250();
    for (std::size_t i = PoAscii(utf8, 0); i < utf8.size() && t.bezFormy == 0; i = PoAscii(utf8, i)) {
        std::uint32_t kod = 0;
        const std::size_t dl = ZnakUtf8(utf8, i, kod);
        if (dl > 0 && bajt(kod) == 0)
            t.bezFormy = kod;
        i += dl == 0 ? 1 : dl;
    }
    return t;
}

std::size_t DlugoscZnakuUtf8(std::string_view t, std::size_t i)
{
    std::uint32_t kod = 0;
    return ZnakUtf8(t, i, kod);
}

std::size_t PierwszyBladUtf8(std::string_view t)
{
    for (std::size_t i = PoAscii(t, 0); i < t.size(); i = PoAscii(t, i)) {
        const std::size_t dl = DlugoscZnakuUtf8(t, i);
        if (dl == 0)
            return i;
        i += dl;
    }
    return std::string_view::npos;
}

bool JestUtf8(std::string_view t) { return PierwszyBladUtf8(t) == std::string_view::npos; }

std::size_t PierwszyZnakCp1250WUtf8(std::string_view t)
{
    const BajtyCp1250& bajt = Cp1250();
    for (std::size_t i = PoAscii(t, 0); i < t.size(); i = PoAscii(t, i)) {
        std::uint32_t kod = 0;
        const std::size_t dl = ZnakUtf8(t, i, kod);
        if (dl > 0 && bajt(kod) != 0)
            return i;
        // Inside a valid character no other begins.
        i += dl == 0 ? 1 : dl;
    }
    return std::string_view::npos;
}

bool MaZnakCp1250WUtf8(std::string_view t) { return PierwszyZnakCp1250WUtf8(t) != std::string_view::npos; }

std::string Utf8ZBajtamiCp1250(std::string_view bajty)
{
    std::string wynik;
    wynik.reserve(bajty.size());
    for (std::size_t i = 0; i < bajty.size();) {
        const std::size_t dl = DlugoscZnakuUtf8(bajty, i);
        if (dl == 0) {
            wynik += Cp1250NaUtf8(bajty.substr(i, 1));
            ++i;
        } else {
            wynik.append(bajty.substr(i, dl));
            i += dl;
        }
    }
    return wynik;
}

bool Utf8NaCp1250Dokladnie(std::string_view utf8, std::string& cp1250)
{
    cp1250.assign(utf8);
    if (Utf8NaCp1250WMiejscu(cp1250, 0) == std::string::npos && !MaZnakCp1250WUtf8(cp1250))
        return true;
    cp1250.clear();
    return false;
}

std::size_t Utf8NaCp1250WMiejscu(std::string& tekst, std::size_t od)
{
    // Windows-1250 takes a byte where UTF-8 takes one or more, so what is
    // written never overtakes what is still to be read.
    const BajtyCp1250& bajt = Cp1250();
    char* const z = tekst.data();
    const std::string_view t = tekst;
    const std::size_t n = tekst.size();
    std::size_t czytany = od, pisany = 0;
    while (czytany < n) {
        const std::size_t ascii = czytany;
        while (czytany + 8 <= n && OsiemAscii(z + czytany))
            czytany += 8;
        while (czytany < n && static_cast<unsigned char>(z[czytany]) < 0x80)
            ++czytany;
        if (pisany != ascii)
            std::memmove(z + pisany, z + ascii, czytany - ascii);
        pisany += czytany - ascii;
        if (czytany == n)
            break;
        std::uint32_t kod = 0;
        const std::size_t dl = ZnakUtf8(t, czytany, kod);
        const unsigned char b = dl == 0 ? 0 : bajt(kod);
        if (b == 0) {
            tekst.resize(pisany);
            return pisany;
        }
        z[pisany++] = static_cast<char>(b);
        czytany += dl;
    }
    tekst.resize(pisany);
    return std::string::npos;
}

std::string_view RodzajUtf16LubUtf32(std::string_view t)
{
    using namespace std::string_view_literals;
    // The UTF-32LE mark begins as the UTF-16LE one does.
    if (t.starts_with("\xFF\xFE\0\0"sv))
        return "UTF-32LE";
    if (t.starts_with("\0\0\xFE\xFF"sv))
        return "UTF-32BE";
    if (t.starts_with("\xFF\xFE"))
        return "UTF-16LE";
    if (t.starts_with("\xFE\xFF"))
        return "UTF-16BE";
    // UTF-32 first: its units' NULs look like UTF-16's, never the reverse
    // (a UTF-16 unit all NUL would be a NUL character).
    if (const std::string_view utf32 = PoNulach(t, 4, "UTF-32LE", "UTF-32BE"); !utf32.empty())
        return utf32;
    return PoNulach(t, 2, "UTF-16LE", "UTF-16BE");
}
