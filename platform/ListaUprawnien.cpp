#include "platform/ListaUprawnien.h"

#include <algorithm>

namespace {

constexpr std::uint32_t WersjaListy = 2;
constexpr std::size_t RozmiarWpisu = 8;

std::uint32_t Liczba(std::string_view b, std::size_t i, std::size_t bajtow)
{
    std::uint32_t wynik = 0;
    for (std::size_t k = bajtow; k-- > 0;)
        wynik = wynik << 8 | static_cast<unsigned char>(b[i + k]);
    return wynik;
}

void DopiszLiczbe(std::string& b, std::uint32_t liczba, std::size_t bajtow)
{
    for (std::size_t k = 0; k < bajtow; ++k)
        b += static_cast<char>(liczba >> (8 * k) & 0xFF);
}

ListaUprawnien::iterator Wpis(ListaUprawnien& lista, unsigned znacznik)
{
    return std::find_if(lista.begin(), lista.end(), [znacznik](const WpisListy& w) { return w.znacznik == znacznik; });
}

unsigned Prawa(const ListaUprawnien& lista, unsigned znacznik, unsigned bezWpisu)
{
    for (const WpisListy& w : lista)
        if (w.znacznik == znacznik)
            return w.prawa;
    return bezWpisu;
}

// The entries the mask limits.
bool WMasce(const WpisListy& w)
{
    return w.znacznik == WpisUzytkownika || w.znacznik == WpisGrupyPliku || w.znacznik == WpisGrupy;
}

} // namespace

bool CzytajListe(std::string_view bajty, ListaUprawnien& lista)
{
    if (bajty.size() < 4 || (bajty.size() - 4) % RozmiarWpisu != 0 || Liczba(bajty, 0, 4) != WersjaListy)
        return false;
    lista.clear();
    for (std::size_t i = 4; i < bajty.size(); i += RozmiarWpisu)
        lista.push_back({Liczba(bajty, i, 2), Liczba(bajty, i + 2, 2), Liczba(bajty, i + 4, 4)});
    return true;
}

std::string BajtyListy(const ListaUprawnien& lista)
{
    std::string b;
    DopiszLiczbe(b, WersjaListy, 4);
    for (const WpisListy& w : lista) {
        DopiszLiczbe(b, w.znacznik, 2);
        DopiszLiczbe(b, w.prawa, 2);
        DopiszLiczbe(b, w.id, 4);
    }
    return b;
}

ListaUprawnien ListaTrybu(unsigned tryb)
{
    return {{WpisWlasciciela, tryb >> 6 & 07}, {WpisGrupyPliku, tryb >> 3 & 07}, {WpisPozostalych, tryb & 07}};
}

unsigned TrybListy(const ListaUprawnien& lista)
{
    const unsigned grupa = Prawa(lista, WpisMaski, Prawa(lista, WpisGrupyPliku, 0));
    return Prawa(lista, WpisWlasciciela, 0) << 6 | grupa << 3 | Prawa(lista, WpisPozostalych, 0);
}

unsigned PrawaGrupyPliku(const ListaUprawnien& lista)
{
    return Prawa(lista, WpisGrupyPliku, 0) & Prawa(lista, WpisMaski, 07);
}

void OdbierzGrupiePliku(ListaUprawnien& lista)
{
    for (WpisListy& w : lista)
        if (w.znacznik == WpisGrupyPliku)
            w.prawa = 0;
}

void DodajUzytkownika(ListaUprawnien& lista, std::uint32_t uid, unsigned prawa)
{
    auto maska = Wpis(lista, WpisMaski);
    if (maska == lista.end()) {
        // Without named entries the group's entry was its rights.
        const unsigned grupa = Prawa(lista, WpisGrupyPliku, 0);
        lista.insert(Wpis(lista, WpisPozostalych), {WpisMaski, grupa | prawa});
    } else if ((maska->prawa | prawa) != maska->prawa) {
        const unsigned stara = maska->prawa;
        for (WpisListy& w : lista)
            if (WMasce(w))
                w.prawa &= stara;
        maska->prawa |= prawa;
    }
    const auto miejsce = std::find_if(lista.begin(), lista.end(), [uid](const WpisListy& w) {
        return w.znacznik > WpisUzytkownika || (w.znacznik == WpisUzytkownika && w.id >= uid);
    });
    if (miejsce != lista.end() && miejsce->znacznik == WpisUzytkownika && miejsce->id == uid)
        miejsce->prawa = prawa;
    else
        lista.insert(miejsce, {WpisUzytkownika, prawa, uid});
}
