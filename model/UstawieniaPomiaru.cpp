// The count settings file.
#include "model/UstawieniaPomiaru.h"

#include "base/Kodowanie.h"
#include "base/Teksty.h"
#include "model/CzytnikKluczy.h"
#include "model/Projekt.h"
#include "platform/PlikTekstowy.h"
#include "platform/ZapisBezpieczny.h"

namespace {

const char* const KUstawPojazdy = "__________UstawOznWspPojazdow";
const char* const KUstawPrzejscia = "__________UstawOznPrzejsc";

constexpr int PojemnoscNazwy = decltype(DanePomiar::NazwaPojazdu)::value_type::Pojemnosc;
constexpr int PojemnoscOznaczenia = decltype(DanePomiar::OznPojazdu)::value_type::Pojemnosc;

// A factor as the settings hold it, read against the one limit of factors.
bool CzytajWspolczynnik(const std::string& tekst, double& x)
{
    return TekstWGranicy(granice::Wspolczynnik, PoprawSeparator(tekst), x);
}

}  // namespace

UstawieniaPomiaru UstawieniaZPomiaru(const DanePomiar& p)
{
    UstawieniaPomiaru u;
    for (int c = 0; c < KlasPojazdow; ++c) {
        u.Nazwa[c] = p.NazwaPojazdu[c];
        u.Ozn[c] = p.OznPojazdu[c];
        u.Wsp[c] = FormatFloat("#0.0#", p.WspPojazdu[c]);
    }
    for (int k = 0; k < KategoriiPrzejsc; ++k) {
        u.NazwaPrzejscia[k] = p.NazwaPrzejscia[k];
        u.OznPrzejscia[k] = p.OznPrzejscia[k];
    }
    return u;
}

UstawieniaPomiaru WbudowaneKlasyPojazdow()
{
    static const char* const nazwy[KlasPojazdow] = {
        "Osobowe", "Dostawcze", "Ciężarowe", "Ciężarowe z przyczepą", "Autobusy", "Motocykle", "Tramwaj",
        "TIR", "Rowerzyści", "inne", "inne", "inne", "inne", "inne", "inne", "inne", "inne", "inne", "inne",
        "Zaprzęgowe"};
    static const char* const ozn[KlasPojazdow] = {"Oso", "Dos", "Cwe", "CzP", "BUS", "Mot", "Tra",
                                                  "TIR", "Row", "i1",  "i2",  "i3",  "i4",  "i5",
                                                  "i6",  "i7",  "i8",  "i9",  "i10", "Zap"};
    UstawieniaPomiaru u;
    const std::string wsp = std::string("1") + SeparatorDziesietny() + "0";
    for (int c = 0; c < KlasPojazdow; ++c) {
        u.Nazwa[c] = Utf8NaCp1250(nazwy[c]);
        u.Ozn[c] = ozn[c];
        u.Wsp[c] = wsp;
    }
    return u;
}

UstawieniaPomiaru WbudowanePrzejscia(UstawieniaPomiaru u)
{
    u.NazwaPrzejscia = {"Piesi", Utf8NaCp1250("Rowerzyści"), "...", "..."};
    u.OznPrzejscia = {"Pie", "Row", "...", "..."};
    return u;
}

std::vector<std::string> LiniePlikuUstawien(const UstawieniaPomiaru& u)
{
    PisarzProjektu w;
    w.Linia(LiniaGwiazdek());
    w.Linia(LiniaRamki(9, Utf8NaCp1250("Ustawienia Pojazdów/Przejsc POMIAR 1.0.0.")));
    w.Linia(PustaRamka());
    w.Linia(LiniaGwiazdek());
    w.Linia("");
    w.Linia(KUstawPojazdy);
    for (int c = 0; c < KlasPojazdow; ++c) {
        w.Linia(u.Nazwa[c]);
        w.Linia(u.Ozn[c]);
        w.Linia(u.Wsp[c]);
    }
    w.Linia("");
    w.Linia(KUstawPrzejscia);
    for (int k = 0; k < KategoriiPrzejsc; ++k) {
        w.Linia(u.NazwaPrzejscia[k]);
        w.Linia(u.OznPrzejscia[k]);
    }
    w.Linia("");
    return w.Linie();
}

bool ZapiszPlikUstawien(const std::string& sciezka, const UstawieniaPomiaru& u, std::string& blad, std::string* uwaga,
                        ZapisZmienionego* zmiany)
{
    return ZapiszLinieBezpiecznie(sciezka, LiniePlikuUstawien(u), blad, uwaga, zmiany);
}

bool CzytajTekstUstawien(std::string tresc, const std::string& nazwaPliku, UstawieniaPomiaru& u, bool& zPrzejsciami,
                         std::string& blad)
{
    if (!TekstPlikuWCp1250(tresc, nazwaPliku, blad))
        return false;
    UstawieniaPomiaru n = u;
    bool pojazdy = false, przejscia = false;
    CzytnikKluczy s(std::move(tresc), nazwaPliku);
    try {
        while (!s.Koniec()) {
            s.Nastepna();
            if (s.Ostatnia() == KUstawPojazdy) {
                pojazdy = true;
                for (int c = 0; c < KlasPojazdow; ++c) {
                    n.Nazwa[c] = s.Tekst(PojemnoscNazwy);
                    n.Ozn[c] = s.Tekst(PojemnoscOznaczenia);
                    n.Wsp[c] = s.Tekst();
                    double x = 0.0;
                    if (!CzytajWspolczynnik(n.Wsp[c], x))
                        s.Blad("współczynnik pojazdu nr " + std::to_string(c + 1) + " nie jest liczbą od " +
                               Cp1250NaUtf8(TekstGranicy(granice::Wspolczynnik.min)) + " do " +
                               Cp1250NaUtf8(TekstGranicy(granice::Wspolczynnik.max)) + ".");
                }
            } else if (s.Ostatnia() == KUstawPrzejscia) {
                przejscia = true;
                for (int k = 0; k < KategoriiPrzejsc; ++k) {
                    n.NazwaPrzejscia[k] = s.Tekst(PojemnoscNazwy);
                    n.OznPrzejscia[k] = s.Tekst(PojemnoscOznaczenia);
                }
            }
        }
        // Without its classes the file would give a count nameless classes.
        if (!pojazdy && przejscia)
            s.BrakGrupy(KUstawPojazdy);
    } catch (const BladPliku& b) {
        blad = b.what();
        return false;
    }
    if (!pojazdy) {
        blad = BrakKluczy(nazwaPliku, "ustawień pomiaru");
        return false;
    }
    u = n;
    zPrzejsciami = przejscia;
    return true;
}

bool CzytajLinieUstawien(const std::vector<std::string>& linie, const std::string& nazwaPliku, UstawieniaPomiaru& u,
                         bool& zPrzejsciami, std::string& blad)
{
    return CzytajTekstUstawien(TekstZLinii(linie), nazwaPliku, u, zPrzejsciami, blad);
}

bool CzytajPlikUstawien(const std::string& sciezka, UstawieniaPomiaru& u, bool& zPrzejsciami, std::string& blad,
                        ZawartoscPliku* zawartosc)
{
    std::string tresc;
    ZawartoscPliku z;
    if (!CzytajPlik(sciezka, tresc, blad, zawartosc ? &z : nullptr))
        return false;
    if (!CzytajTekstUstawien(std::move(tresc), sciezka, u, zPrzejsciami, blad))
        return false;
    if (zawartosc)
        *zawartosc = z;
    return true;
}

void UstawKlasyPomiaru(DanePomiar& p, const UstawieniaPomiaru& u, bool zPrzejsciami)
{
    for (int c = 0; c < KlasPojazdow; ++c) {
        p.NazwaPojazdu[c] = u.Nazwa[c];
        p.OznPojazdu[c] = u.Ozn[c];
        double x = 0.0;
        CzytajWspolczynnik(u.Wsp[c], x);
        // As the count and project files keep it.
        p.WspPojazdu[c] = static_cast<float>(JakWPliku(x, maski::WspolczynnikPojazdu));
    }
    if (zPrzejsciami)
        for (int k = 0; k < KategoriiPrzejsc; ++k) {
            p.NazwaPrzejscia[k] = u.NazwaPrzejscia[k];
            p.OznPrzejscia[k] = u.OznPrzejscia[k];
        }
}
