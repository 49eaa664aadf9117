#include "base/Kodowanie.h"

#include <cerrno>
#include <iconv.h>

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
std::string Konwertuj(const Deskryptor& d, bool zUtf8, std::string_view tekst, bool* utrata = nullptr)
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
        if (utrata)
            *utrata = true;
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

} // namespace

std::string Cp1250NaUtf8(std::string_view cp1250)
{
    thread_local const Deskryptor d("UTF-8", "CP1250");
    return Konwertuj(d, false, cp1250);
}

std::string Utf8NaCp1250(std::string_view utf8)
{
    thread_local const Deskryptor d("CP1250", "UTF-8");
    return Konwertuj(d, true, utf8);
}

TekstZOkna Utf8NaCp1250ZOkna(std::string_view utf8)
{
    thread_local const Deskryptor d("CP1250", "UTF-8");
    TekstZOkna t;
    bool utrata = false;
    t.cp1250 = Konwertuj(d, true, utf8, &utrata);
    t.wierny = !utrata;
    return t;
}
