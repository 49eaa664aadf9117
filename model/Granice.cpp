#include "model/Granice.h"

#include <cmath>
#include <cstdio>

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "model/Projekt.h"

namespace {

std::string NazwaPola(const GranicaPola& g, std::string_view pole)
{
    return std::string(pole.empty() ? std::string_view(g.nazwa) : pole);
}

}  // namespace

std::string TekstGranicy(double x)
{
    // Whole bounds without a fraction, others with the decimals they need;
    // the separator is the Polish comma, as the user types it.
    std::string t = FormatFloat("0.########", x);
    for (char& c : t)
        if (c == '.')
            c = ',';
    return t;
}

std::string KomunikatGranicy(const GranicaPola& g, std::string_view pole)
{
    return Utf8NaCp1250("Pole „" + NazwaPola(g, pole) + "” musi być liczbą" + (g.Calkowita() ? " całkowitą" : "") +
                        " od " + TekstGranicy(g.min) + " do " + TekstGranicy(g.max) + ".");
}

std::string KomunikatDlugosci(std::string_view pole, int pojemnosc)
{
    return Utf8NaCp1250("Pole „" + std::string(pole) + "” może mieć najwyżej " + std::to_string(pojemnosc) +
                        " znaków.");
}

std::string ParaJakoLitera(std::string_view cp1250)
{
    const std::size_t i = PierwszyZnakCp1250WUtf8(cp1250);
    if (i == std::string_view::npos)
        return "";
    const std::string_view litera = cp1250.substr(i, DlugoscZnakuUtf8(cp1250, i));
    return "„" + Cp1250NaUtf8(litera) + "” jako „" + std::string(litera) + "”";
}

std::string KomunikatZnakow(const TekstZOkna& t, std::string_view pole)
{
    // Every character has its byte, but a pair of them reads back as one
    // letter of UTF-8.
    if (MaZnakCp1250WUtf8(t.cp1250))
        return Utf8NaCp1250("Pole „" + std::string(pole) + "” zawiera parę znaków, którą plik odczytałby jako jedną literę (" +
                            ParaJakoLitera(t.cp1250) + ").");
    std::string znak;
    if (t.bezFormy != 0) {
        char kod[16];
        std::snprintf(kod, sizeof kod, " U+%04X", static_cast<unsigned>(t.bezFormy));
        znak = kod;
    }
    return Utf8NaCp1250("Pole „" + std::string(pole) + "” zawiera znak" + znak +
                        ", którego nie można zapisać w pliku (spoza kodowania Windows-1250).");
}

std::string OdmowaTekstu(const TekstZOkna& t, int pojemnosc, std::string_view pole)
{
    if (!t.wierny)
        return KomunikatZnakow(t, pole);
    if (!MiesciSieTekst(t.cp1250, pojemnosc))
        return KomunikatDlugosci(pole, pojemnosc);
    return "";
}

bool TekstWGranicy(const GranicaPola& g, std::string_view tekst, double& wynik)
{
    double x = 0.0;
    bool dobra = false;
    if (g.Calkowita()) {
        int64_t n = 0;
        dobra = SprobujTekstNaCalkowita(tekst, n);
        x = static_cast<double>(n);
    } else {
        dobra = SprobujTekstNaLiczbe(tekst, x);
    }
    if (!dobra || !g.Miesci(x))
        return false;
    wynik = x;
    return true;
}

bool TekstWGranicy(const GranicaPola& g, std::string_view tekst, int32_t& wynik)
{
    double x = 0.0;
    // Every whole-number limit of the table lies within 32 bits.
    if (!TekstWGranicy(g, tekst, x))
        return false;
    wynik = static_cast<int32_t>(x);
    return true;
}

bool CzytajWartosc(const GranicaPola& g, std::string_view tekst, double& wynik, std::string& komunikat,
                   std::string_view pole)
{
    if (TekstWGranicy(g, tekst, wynik))
        return true;
    komunikat = KomunikatGranicy(g, pole);
    return false;
}

double SprawdzanieWartosci::Wartosc(const GranicaPola& g, std::string_view tekst, std::string_view pole,
                                    double dotychczas, std::string_view maska)
{
    double x = dotychczas;
    std::string k;
    if (!CzytajWartosc(g, tekst, x, k, pole)) {
        if (komunikat_.empty())
            komunikat_ = k;
        return x;
    }
    return maska.empty() ? x : JakWPliku(x, maska);
}

double JakWPliku(double x, std::string_view maska)
{
    double y = x;
    SprobujTekstNaLiczbe(PoprawSeparator(FormatFloat(maska, x)), y);
    return y;
}

bool SprawdzanieWartosci::Tekst(const TekstZOkna& t, int pojemnosc, std::string_view pole)
{
    std::string odmowa = OdmowaTekstu(t, pojemnosc, pole);
    if (odmowa.empty())
        return true;
    if (komunikat_.empty())
        komunikat_ = std::move(odmowa);
    return false;
}

void SprawdzanieWartosci::Odrzuc(std::string_view utf8)
{
    if (komunikat_.empty())
        komunikat_ = Utf8NaCp1250(std::string(utf8));
}
