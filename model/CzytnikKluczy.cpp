#include "model/CzytnikKluczy.h"

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "platform/KatalogProgramu.h"

const std::string& CzytnikKluczy::Nastepna()
{
    // Every key begins with ten underscores: the lines before the next such
    // line cannot be keys and are passed over in place.
    if (!c_.PominDoLinii("__________")) {
        ostatnia_.clear();
        return ostatnia_;
    }
    ostatnia_ = c_.Linia();
    return ostatnia_;
}

void CzytnikKluczy::Wymagaj()
{
    if (c_.Koniec()) {
        c_.Linia();
        Blad("brak wartości, plik się kończy.");
    }
}

std::string CzytnikKluczy::Tekst()
{
    Wymagaj();
    ostatnia_ = c_.Linia();
    return ostatnia_;
}

std::string CzytnikKluczy::Tekst(int pojemnosc)
{
    std::string t = Tekst();
    // A longer text would be cut where it is kept: refused, never cut.
    if (!MiesciSieTekst(t, pojemnosc))
        Blad("tekst ma więcej niż " + std::to_string(pojemnosc) + " znaków.");
    return t;
}

int32_t CzytnikKluczy::Calkowita(const GranicaPola& g)
{
    Wymagaj();
    const int32_t x = c_.Calkowita(g);
    ostatnia_.clear();
    return x;
}

float CzytnikKluczy::RzeczywistaS(const GranicaPola& g)
{
    Wymagaj();
    const float x = c_.RzeczywistaS(g);
    ostatnia_.clear();
    return x;
}

bool CzytnikKluczy::LogicznaScisla(const char* prawda, const char* falsz)
{
    const std::string l = Tekst();
    if (l != prawda && l != falsz)
        Blad("\"" + Cp1250NaUtf8(l.substr(0, 40)) + "\" zamiast " + prawda + " lub " + falsz + ".");
    return l == prawda;
}

TDataCzas CzytnikKluczy::Data(bool czas)
{
    const std::string l = Tekst();
    try {
        return czas ? TekstNaCzas(l) : TekstNaDate(l);
    } catch (const BladKonwersji&) {
        c_.Blad(Utf8NaCp1250(czas ? "nieprawidłowy czas \"" : "nieprawidłowa data \"") + l.substr(0, 40) + "\".");
    }
}

void CzytnikKluczy::BrakGrupy(const char* klucz)
{
    while (!c_.Koniec())
        c_.Linia();
    c_.Linia();
    Blad(std::string("brak grupy ") + klucz + ", plik jest niepełny.");
}

std::string BrakKluczy(const std::string& nazwaPliku, const char* czegoUtf8)
{
    return Utf8NaCp1250("Plik ") + SciezkaWTekscie(nazwaPliku) + Utf8NaCp1250(" nie zawiera ") + Utf8NaCp1250(czegoUtf8) + ".";
}

std::string LiniaGwiazdek() { return std::string(69, '*'); }

std::string LiniaRamki(int odstep, const std::string& tekst)
{
    std::string l = "*" + std::string(static_cast<std::size_t>(odstep), ' ') + tekst;
    if (l.size() < 68)
        l.append(68 - l.size(), ' ');
    return l + "*";
}

std::string PustaRamka() { return LiniaRamki(0, ""); }
