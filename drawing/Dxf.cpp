#include "drawing/Dxf.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

#include "platform/KatalogProgramu.h"
#include "platform/PlikTekstowy.h"
#include "base/Kodowanie.h"

namespace {

// A real as the DXF file holds it, appended to `wynik`. The digits come from
// std::to_chars, which rounds exactly as printf's "%.14E" does and is many
// times faster.
void DopiszLiczbeDxf(std::string& wynik, double x)
{
    // A value no CAD program can read is written as zero.
    if (!std::isfinite(x) || x == 0.0) x = 0.0;
    char bufor[64];
    const auto koniec = std::to_chars(bufor, bufor + sizeof bufor, std::fabs(x), std::chars_format::scientific, 14).ptr;
    // bufor: d.ddddddddddddddde+XX[X]
    const char* e = std::find(bufor, koniec, 'e');
    int wykladnik = 0;
    std::from_chars(e + 1 + (e[1] == '+'), koniec, wykladnik);
    wynik += x < 0 ? '-' : ' ';
    wynik.append(bufor, static_cast<std::size_t>(e - bufor));
    wynik += 'E';
    wynik += wykladnik < 0 ? '-' : '+';
    const int w = std::abs(wykladnik);
    const char cyfry[4] = {char('0' + w / 1000 % 10), char('0' + w / 100 % 10), char('0' + w / 10 % 10),
                           char('0' + w % 10)};
    wynik.append(cyfry, 4);
}

// The file of the export in progress. Entities are gathered in a buffer and
// written to the file in large pieces.
class PlikDxf : public OdbiorcaDxf {
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

    void Zakoncz()
    {
        if (!Otwarty()) return;
        Pisz("0");
        Pisz("ENDSEC");
        Pisz("0");
        Pisz("EOF");
        Wyslij();
        std::string blad;
        if (!zapis_.Zakoncz(blad)) throw BladDxf(blad);
    }

    // An export that stopped half way: the half-written file goes.
    void Zamknij()
    {
        zapis_.Porzuc();
        bufor_.clear();
    }

    bool Otwarty() const { return zapis_.Otwarty(); }

    void Linia(const std::string& warstwa, int32_t indeks, double x1, double y1, double x2, double y2) override
    {
        if (!Otwarty()) return;
        Naglowek("LINE", warstwa, indeks, "AcDbLine");
        Para("10", x1);
        Para("20", y1);
        Para("11", x2);
        Para("21", y2);
        Zapelniony();
    }

    void Tekst(const std::string& tekst, const std::string& warstwa, double x, double y, double obrot, double wsp,
               double wys, int32_t indeks) override
    {
        if (!Otwarty()) return;
        Naglowek("TEXT", warstwa, indeks, "AcDbText");
        Para("10", x);
        Para("20", y);
        Para("40", wys);
        Pisz("1");
        PiszJednaLinia(tekst);
        Para("50", obrot);
        Para("41", wsp);
        Zapelniony();
    }

    void Luk(const std::string& warstwa, int32_t indeks, double cx, double cy, double r, double a1,
             double a2) override
    {
        if (!Otwarty()) return;
        Naglowek("ARC", warstwa, indeks, "AcDbCircle");
        Para("10", cx);
        Para("20", cy);
        Para("40", r);
        Para("50", a1);
        Para("51", a2);
        Zapelniony();
    }

private:
    static constexpr std::size_t RozmiarPorcji = 1 << 16;

    void Pisz(std::string_view linia)
    {
        bufor_ += linia;
        bufor_ += "\r\n";
    }

    void Para(const char* kod, double x)
    {
        Pisz(kod);
        DopiszLiczbeDxf(bufor_, x);
        bufor_ += "\r\n";
    }

    void Naglowek(const char* typ, const std::string& warstwa, int32_t indeks, const char* podklasa)
    {
        Pisz("0");
        Pisz(typ);
        Pisz("100");
        Pisz("AcDbEntity");
        Pisz("8");
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

    void Zapelniony()
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
    std::string bufor_;
};

PlikDxf plikDxf;
OdbiorcaDxf* odbiorca = nullptr;

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
void DxfKoniec() { plikDxf.Zakoncz(); }
void DxfPrzerwij() { plikDxf.Zamknij(); }
bool DxfOtwarty() { return plikDxf.Otwarty(); }

void DxfLinia(const std::string& warstwa, int32_t indeksKoloru, double x1, double y1, double x2, double y2)
{
    Odbiorca().Linia(warstwa, indeksKoloru, x1, y1, x2, y2);
}

void DxfTekst(const std::string& tekst, const std::string& warstwa, double x, double y, double obrot,
              double wspSzerokosci, double wysokosc, int32_t indeksKoloru)
{
    Odbiorca().Tekst(tekst, warstwa, x, y, obrot, wspSzerokosci, wysokosc, indeksKoloru);
}

void DxfLuk(const std::string& warstwa, int32_t indeksKoloru, double cx, double cy, double r, double katPoczatku,
            double katKonca)
{
    Odbiorca().Luk(warstwa, indeksKoloru, cx, cy, r, katPoczatku, katKonca);
}

int32_t KolorNaIndeksDxf(TKolor kolor)
{
    // An export asks for the same few colours hundreds of thousands of times.
    static TKolor ostatniKolor = 0;
    static int32_t ostatniIndeks = -1;
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

EksportDxf::EksportDxf(const std::string& nazwaPliku) : wyjscia_(WyjscieEkran, WyjscieDrukarka, true)
{
    DxfPoczatek(nazwaPliku);
}

EksportDxf::~EksportDxf()
{
    if (!zakonczony_) DxfPrzerwij();
}

void EksportDxf::Zakoncz()
{
    DxfKoniec();
    zakonczony_ = true;
}
