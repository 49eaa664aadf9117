#include "tools/czcionki/Skladanie.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>

namespace czcionki {

namespace {

constexpr double kWysokoscX = -5;  // top of the small letters, Hershey y
constexpr double kBaza = 9;        // baseline, Hershey y
constexpr double kPi = 3.14159265358979323846;

struct Ramka {
    double lewa, prawa, gora, dol;
    double Srodek() const { return (lewa + prawa) / 2; }
};

Ramka RamkaTuszu(const ZnakHershey& z) {
    Ramka r{std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest(),
            std::numeric_limits<double>::max(), std::numeric_limits<double>::lowest()};
    bool jest = false;
    for (const Linia& l : z.linie)
        for (const PunktH& p : l) {
            jest = true;
            r.lewa = std::min(r.lewa, p.x);
            r.prawa = std::max(r.prawa, p.x);
            r.gora = std::min(r.gora, p.y);
            r.dol = std::max(r.dol, p.y);
        }
    if (!jest)  // an accent on its own sits over a small letter's place
        r = Ramka{z.lewy, z.prawy, kWysokoscX, kBaza};
    return r;
}

Linia Okrag(double cx, double cy, double r, int boki) {
    Linia l;
    for (int i = 0; i <= boki; ++i) {
        const double a = 2 * kPi * i / boki;
        l.push_back(PunktH{cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return l;
}

// The same small diamond the font uses for its dots.
Linia Kropka(double cx, double cy) {
    return {{cx, cy - 1}, {cx - 1, cy}, {cx, cy + 1}, {cx + 1, cy}, {cx, cy - 1}};
}

std::vector<Linia> LinieAkcentu(Akcent akcent, const Ramka& r, double x, double y) {
    const double c = r.Srodek();
    const double t = r.gora;
    switch (akcent) {
    case Akcent::Ostry:
        return {{{c - 1, t - 2}, {c + 2, t - 6}}};
    case Akcent::PodwojnyOstry:
        return {{{c - 2.5, t - 2}, {c - 0.5, t - 6}}, {{c + 1, t - 2}, {c + 3, t - 6}}};
    case Akcent::Kropka:
        return {Kropka(c, t - 3)};
    case Akcent::Diereza:
        return {Kropka(c - 2.5, t - 3), Kropka(c + 2.5, t - 3)};
    case Akcent::Karon:
        return {{{c - 3, t - 6}, {c, t - 3}, {c + 3, t - 6}}};
    case Akcent::Daszek:
        return {{{c - 3, t - 3}, {c, t - 6}, {c + 3, t - 3}}};
    case Akcent::Luk:
        return {{{c - 3, t - 6}, {c - 2, t - 4}, {c, t - 3}, {c + 2, t - 4}, {c + 3, t - 6}}};
    case Akcent::Kolko:
        return {Okrag(c, t - 4, 1.5, 8)};
    case Akcent::Cedylla:
        return {{{c, kBaza}, {c, kBaza + 2}, {c + 1.5, kBaza + 2.5}, {c + 2, kBaza + 3.5},
                 {c + 1.5, kBaza + 4.5}, {c, kBaza + 5}, {c - 1.5, kBaza + 4.5}}};
    case Akcent::Ogonek:
        return {{{x, y}, {x - 1.5, y + 1.5}, {x - 2, y + 3}, {x - 1.5, y + 4.5}, {x - 0.5, y + 5},
                 {x + 1, y + 4.5}}};
    case Akcent::KreskaL:
        return {{{x - 3, y + 2}, {x + 3, y - 2}}};
    case Akcent::Apostrof:
        return {{{x, y}, {x - 1, y + 3}}};
    case Akcent::Poprzeczka:
        return {{{x - 3, y}, {x + 3, y}}};
    }
    return {};
}

bool AkcentNad(Akcent a) {
    return a != Akcent::Cedylla && a != Akcent::Ogonek && a != Akcent::KreskaL &&
           a != Akcent::Apostrof && a != Akcent::Poprzeczka;
}

struct Zlozenie {
    unsigned char kod;
    char baza;
    Akcent akcent;
    double x = 0, y = 0;  // attachment point where the accent needs one
};

// Windows-1250 letters made of a base letter and an accent. Attachment
// points are Hershey coordinates of the Roman simplex letters: the right
// foot or stem bottom for the ogonek, the stem for the bar of L.
constexpr Zlozenie kZlozenia[] = {
    // Polish
    {0xA5, 'A', Akcent::Ogonek, 8, 9},   {0xB9, 'a', Akcent::Ogonek, 6, 9},
    {0xC6, 'C', Akcent::Ostry},          {0xE6, 'c', Akcent::Ostry},
    {0xCA, 'E', Akcent::Ogonek, 5, 9},   {0xEA, 'e', Akcent::Ogonek, 2, 9},
    {0xA3, 'L', Akcent::KreskaL, -5, -1}, {0xB3, 'l', Akcent::KreskaL, 0, -2},
    {0xD1, 'N', Akcent::Ostry},          {0xF1, 'n', Akcent::Ostry},
    {0xD3, 'O', Akcent::Ostry},          {0xF3, 'o', Akcent::Ostry},
    {0x8C, 'S', Akcent::Ostry},          {0x9C, 's', Akcent::Ostry},
    {0x8F, 'Z', Akcent::Ostry},          {0x9F, 'z', Akcent::Ostry},
    {0xAF, 'Z', Akcent::Kropka},         {0xBF, 'z', Akcent::Kropka},
    // other Central European letters of the code page
    {0x8A, 'S', Akcent::Karon},          {0x9A, 's', Akcent::Karon},
    {0x8D, 'T', Akcent::Karon},          {0x9D, 't', Akcent::Apostrof, 3, -12},
    {0x8E, 'Z', Akcent::Karon},          {0x9E, 'z', Akcent::Karon},
    {0xAA, 'S', Akcent::Cedylla},        {0xBA, 's', Akcent::Cedylla},
    {0xBC, 'L', Akcent::Apostrof, -3, -12}, {0xBE, 'l', Akcent::Apostrof, 2.5, -12},
    {0xC0, 'R', Akcent::Ostry},          {0xE0, 'r', Akcent::Ostry},
    {0xC1, 'A', Akcent::Ostry},          {0xE1, 'a', Akcent::Ostry},
    {0xC2, 'A', Akcent::Daszek},         {0xE2, 'a', Akcent::Daszek},
    {0xC3, 'A', Akcent::Luk},            {0xE3, 'a', Akcent::Luk},
    {0xC4, 'A', Akcent::Diereza},        {0xE4, 'a', Akcent::Diereza},
    {0xC5, 'L', Akcent::Ostry},          {0xE5, 'l', Akcent::Ostry},
    {0xC7, 'C', Akcent::Cedylla},        {0xE7, 'c', Akcent::Cedylla},
    {0xC8, 'C', Akcent::Karon},          {0xE8, 'c', Akcent::Karon},
    {0xC9, 'E', Akcent::Ostry},          {0xE9, 'e', Akcent::Ostry},
    {0xCB, 'E', Akcent::Diereza},        {0xEB, 'e', Akcent::Diereza},
    {0xCC, 'E', Akcent::Karon},          {0xEC, 'e', Akcent::Karon},
    {0xCD, 'I', Akcent::Ostry},          {0xED, 'i', Akcent::Ostry},
    {0xCE, 'I', Akcent::Daszek},         {0xEE, 'i', Akcent::Daszek},
    {0xCF, 'D', Akcent::Karon},          {0xEF, 'd', Akcent::Apostrof, 8.5, -12},
    {0xD0, 'D', Akcent::Poprzeczka, -6, -1.5}, {0xF0, 'd', Akcent::Poprzeczka, 6, -9},
    {0xD2, 'N', Akcent::Karon},          {0xF2, 'n', Akcent::Karon},
    {0xD4, 'O', Akcent::Daszek},         {0xF4, 'o', Akcent::Daszek},
    {0xD5, 'O', Akcent::PodwojnyOstry},  {0xF5, 'o', Akcent::PodwojnyOstry},
    {0xD6, 'O', Akcent::Diereza},        {0xF6, 'o', Akcent::Diereza},
    {0xD8, 'R', Akcent::Karon},          {0xF8, 'r', Akcent::Karon},
    {0xD9, 'U', Akcent::Kolko},          {0xF9, 'u', Akcent::Kolko},
    {0xDA, 'U', Akcent::Ostry},          {0xFA, 'u', Akcent::Ostry},
    {0xDB, 'U', Akcent::PodwojnyOstry},  {0xFB, 'u', Akcent::PodwojnyOstry},
    {0xDC, 'U', Akcent::Diereza},        {0xFC, 'u', Akcent::Diereza},
    {0xDD, 'Y', Akcent::Ostry},          {0xFD, 'y', Akcent::Ostry},
    {0xDE, 'T', Akcent::Cedylla},        {0xFE, 't', Akcent::Cedylla},
    // spacing accents
    {0xA1, ' ', Akcent::Karon},          {0xA2, ' ', Akcent::Luk},
    {0xA8, ' ', Akcent::Diereza},        {0xB2, ' ', Akcent::Ogonek, 0, 9},
    {0xB4, ' ', Akcent::Ostry},          {0xB8, ' ', Akcent::Cedylla},
    {0xBD, ' ', Akcent::PodwojnyOstry},  {0xFF, ' ', Akcent::Kropka},
};

// Signs made of ASCII glyphs moved sideways or up.
struct Czesc {
    char znak;
    double dx = 0, dy = 0;
};
struct ZnakZCzesci {
    unsigned char kod;
    double lewy, prawy;
    Czesc czesci[3];
    int ile;
};
constexpr ZnakZCzesci kZCzesci[] = {
    {0x82, -5, 5, {{','}}, 1},
    {0x84, -8, 8, {{',', -3}, {',', 3}}, 2},
    {0x85, -11, 11, {{'.', -6}, {'.'}, {'.', 6}}, 3},
    {0x91, -5, 5, {{'`'}}, 1},
    {0x92, -5, 5, {{'\''}}, 1},
    {0x93, -8, 8, {{'`', -2.5}, {'`', 2.5}}, 2},
    {0x94, -8, 8, {{'\'', -2.5}, {'\'', 2.5}}, 2},
    {0xA0, -8, 8, {{' '}}, 1},     // no-break space
    {0xAD, -13, 13, {{'-'}}, 1},   // soft hyphen
    {0xB7, -5, 5, {{'.', 0, -7}}, 1},
};

ZnakHershey Rysowany(double lewy, double prawy, std::vector<Linia> linie) {
    ZnakHershey z;
    z.lewy = lewy;
    z.prawy = prawy;
    z.linie = std::move(linie);
    return z;
}

void DodajRysowane(ZnakiStrony& znaki, const ZnakHershey& u) {
    auto kod = [](unsigned char k) { return static_cast<std::size_t>(k); };
    znaki[kod(0x96)] = Rysowany(-10, 10, {{{-8, 0}, {8, 0}}});      // en dash
    znaki[kod(0x97)] = Rysowany(-17, 17, {{{-16, 0}, {16, 0}}});    // em dash
    znaki[kod(0x95)] = Rysowany(-6, 6, {Okrag(0, 2, 2.5, 12), Okrag(0, 2, 1.5, 8), Okrag(0, 2, 0.5, 4)});
    znaki[kod(0x8B)] = Rysowany(-5, 5, {{{2, -2}, {-2, 2}, {2, 6}}});
    znaki[kod(0x9B)] = Rysowany(-5, 5, {{{-2, -2}, {2, 2}, {-2, 6}}});
    znaki[kod(0xAB)] = Rysowany(-7, 7, {{{0, -2}, {-4, 2}, {0, 6}}, {{4, -2}, {0, 2}, {4, 6}}});
    znaki[kod(0xBB)] = Rysowany(-7, 7, {{{-4, -2}, {0, 2}, {-4, 6}}, {{0, -2}, {4, 2}, {0, 6}}});
    znaki[kod(0xA6)] = Rysowany(-4, 4, {{{0, -12}, {0, -2}}, {{0, 4}, {0, 14}}});
    znaki[kod(0xAC)] = Rysowany(-12, 12, {{{-8, -1}, {8, -1}, {8, 4}}});
    znaki[kod(0xB0)] = Rysowany(-6, 6, {Okrag(0, -9, 3, 16)});                          // degree
    znaki[kod(0xB1)] = Rysowany(-12, 12, {{{0, -9}, {0, 3}}, {{-8, -3}, {8, -3}}, {{-8, 9}, {8, 9}}});
    znaki[kod(0xD7)] = Rysowany(-10, 10, {{{-6, -6}, {6, 6}}, {{6, -6}, {-6, 6}}});     // times
    znaki[kod(0xF7)] = Rysowany(-13, 13, {{{-9, 0}, {9, 0}}, Kropka(0, -6), Kropka(0, 6)});
    ZnakHershey mi = u;  // micro: u with a tail on its left stem
    mi.linie.push_back({{-5, 9}, {-5, 16}});
    znaki[kod(0xB5)] = mi;
}

}  // namespace

ZnakHershey ZlozZnak(const ZnakHershey& baza, char znakBazy, Akcent akcent, double x, double y) {
    ZnakHershey z = baza;
    if (znakBazy == 'i' && AkcentNad(akcent)) {
        // the accent takes the place of the dot
        std::erase_if(z.linie, [](const Linia& l) {
            return std::all_of(l.begin(), l.end(), [](const PunktH& p) { return p.y < kWysokoscX; });
        });
    }
    for (Linia& l : LinieAkcentu(akcent, RamkaTuszu(z), x, y))
        z.linie.push_back(std::move(l));
    return z;
}

ZnakiStrony ZnakiCp1250(const std::vector<ZnakHershey>& jhf) {
    ZnakiStrony znaki;
    for (int k = kPierwszyAscii; k <= kOstatniAscii; ++k)
        znaki[k] = jhf.at(static_cast<std::size_t>(k - kPierwszyAscii));
    auto ascii = [&](char c) -> const ZnakHershey& { return *znaki[static_cast<unsigned char>(c)]; };
    for (const Zlozenie& s : kZlozenia)
        znaki[s.kod] = ZlozZnak(ascii(s.baza), s.baza, s.akcent, s.x, s.y);
    for (const ZnakZCzesci& s : kZCzesci) {
        ZnakHershey z = Rysowany(s.lewy, s.prawy, {});
        for (int i = 0; i < s.ile; ++i)
            for (Linia l : ascii(s.czesci[i].znak).linie) {
                for (PunktH& p : l) {
                    p.x += s.czesci[i].dx;
                    p.y += s.czesci[i].dy;
                }
                z.linie.push_back(std::move(l));
            }
        znaki[s.kod] = std::move(z);
    }
    DodajRysowane(znaki, ascii('u'));
    return znaki;
}

double SzerokoscPusta(const ZnakiStrony& znaki) {
    const auto& spacja = znaki[' '];
    return spacja ? spacja->prawy - spacja->lewy : 16;
}

std::string NazwaKodu(int kod) {
    char bufor[8];
    std::snprintf(bufor, sizeof bufor, "0x%02X", kod & 0xFF);
    return bufor;
}

}  // namespace czcionki
