#include "platform/Kodowanie.h"

#include <cerrno>
#include <iconv.h>

namespace {

// One conversion through iconv; a sequence iconv rejects is replaced by "?"
// and skipped (one byte of input), so damaged text still converts.
std::string Konwertuj(const char* do_kodu, const char* z_kodu, std::string_view tekst)
{
    std::string wynik;
    if (tekst.empty())
        return wynik;
    iconv_t cd = iconv_open(do_kodu, z_kodu);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::string(tekst);

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
            if (std::string_view(z_kodu) == "UTF-8") {
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
    iconv_close(cd);
    return wynik;
}

} // namespace

std::string Cp1250NaUtf8(std::string_view cp1250)
{
    return Konwertuj("UTF-8", "CP1250", cp1250);
}

std::string Utf8NaCp1250(std::string_view utf8)
{
    return Konwertuj("CP1250", "UTF-8", utf8);
}
