#include "platform/ListaUprawnien.h"

#include <algorithm>
#include <utility>

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

bool Nalezy(const Uzytkownik& u, std::uint32_t gid)
{
    return std::find(u.grupy.begin(), u.grupy.end(), gid) != u.grupy.end();
}

// The user of that id as `znani` know him; one in no group where they do not.
Uzytkownik Znany(const std::vector<Uzytkownik>& znani, std::uint32_t uid)
{
    const auto u = std::find_if(znani.begin(), znani.end(), [uid](const Uzytkownik& z) { return z.uid == uid; });
    return u != znani.end() ? *u : Uzytkownik{uid, {}};
}

bool Nazwany(const WpisListy& w) { return w.znacznik == WpisUzytkownika || w.znacznik == WpisGrupy; }

// Drops the named entries that give no one anything the rest of the list
// (without a mask yet) does not give him the same, so that a file passed
// from hand to hand ends with no more entries than it began with. Users
// first, as their entries may stand on their groups'. A group none of whose
// members the database knows keeps its entry: no one can tell what its
// members would lose.
void UsunZbedne(ListaUprawnien& lista, Wlasnosc plik, const std::vector<Uzytkownik>& znani)
{
    const auto zbedny = [&](const ListaUprawnien& bez, const WpisListy& w) {
        const bool takieSame = std::all_of(znani.begin(), znani.end(), [&](const Uzytkownik& u) {
            return PrawaUzytkownika(bez, plik, u) == PrawaUzytkownika(lista, plik, u);
        });
        if (w.znacznik == WpisUzytkownika)
            return takieSame && PrawaUzytkownika(bez, plik, Znany(znani, w.id)) == w.prawa;
        return takieSame && std::any_of(znani.begin(), znani.end(), [&](const Uzytkownik& u) {
                   return u.uid != plik.uid && Nalezy(u, w.id);
               });
    };
    // A group's entry gone may leave a user's one with nothing to add.
    for (bool dalej = true; dalej;) {
        dalej = false;
        for (const unsigned znacznik : {WpisUzytkownika, WpisGrupy})
            for (std::size_t i = 0; i < lista.size();) {
                ListaUprawnien bez = lista;
                bez.erase(bez.begin() + static_cast<std::ptrdiff_t>(i));
                if (lista[i].znacznik == znacznik && zbedny(bez, lista[i])) {
                    lista = std::move(bez);
                    dalej = true;
                } else {
                    ++i;
                }
            }
    }
}

// A list whose mask is empty leaves the mode's group bits empty, and the
// system then asks the mode alone: named users and groups get the others'
// rights, the file's group none.
bool MaskaPusta(const ListaUprawnien& lista)
{
    return std::any_of(lista.begin(), lista.end(), [](const WpisListy& w) {
        return w.znacznik == WpisMaski && w.prawa == 0;
    });
}

// Adds the entry in the system's order (by tag, then id); a named group's
// entry that stands there already takes its rights as well, as both gave
// them to the same members.
void DodajWpis(ListaUprawnien& lista, unsigned znacznik, std::uint32_t id, unsigned prawa)
{
    const auto miejsce = std::find_if(lista.begin(), lista.end(), [&](const WpisListy& w) {
        return w.znacznik > znacznik || (w.znacznik == znacznik && w.id >= id);
    });
    if (miejsce != lista.end() && miejsce->znacznik == znacznik && miejsce->id == id)
        miejsce->prawa |= prawa;
    else
        lista.insert(miejsce, {znacznik, prawa, id});
}

} // namespace

bool CzytajListe(std::string_view bajty, ListaUprawnien& lista)
{
    if (bajty.size() < 4 || (bajty.size() - 4) % RozmiarWpisu != 0 || Liczba(bajty, 0, 4) != WersjaListy)
        return false;
    ListaUprawnien wpisy;
    for (std::size_t i = 4; i < bajty.size(); i += RozmiarWpisu)
        wpisy.push_back({Liczba(bajty, i, 2), Liczba(bajty, i + 2, 2), Liczba(bajty, i + 4, 4)});
    // Every list the system keeps has the owner's, the group's and the
    // others' entries.
    for (const unsigned znacznik : {WpisWlasciciela, WpisGrupyPliku, WpisPozostalych})
        if (Wpis(wpisy, znacznik) == wpisy.end())
            return false;
    lista = std::move(wpisy);
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

bool ListaPonadTryb(const ListaUprawnien& lista)
{
    return std::any_of(lista.begin(), lista.end(), [](const WpisListy& w) { return w.znacznik == WpisMaski; });
}

unsigned PrawaUzytkownika(const ListaUprawnien& lista, Wlasnosc plik, const Uzytkownik& u)
{
    if (u.uid == plik.uid)
        return Prawa(lista, WpisWlasciciela, 0);
    if (MaskaPusta(lista))
        return Nalezy(u, plik.gid) ? 0 : Prawa(lista, WpisPozostalych, 0);
    const unsigned maska = Prawa(lista, WpisMaski, 07);
    for (const WpisListy& w : lista)
        if (w.znacznik == WpisUzytkownika && w.id == u.uid)
            return w.prawa & maska;
    bool wGrupie = false;
    unsigned grup = 0;
    for (const WpisListy& w : lista) {
        const std::uint32_t gid = w.znacznik == WpisGrupyPliku ? plik.gid : w.id;
        if ((w.znacznik == WpisGrupyPliku || w.znacznik == WpisGrupy) && Nalezy(u, gid)) {
            wGrupie = true;
            grup |= w.prawa;
        }
    }
    return wGrupie ? grup & maska : Prawa(lista, WpisPozostalych, 0);
}

ListaUprawnien ListaDlaWlasnosci(const ListaUprawnien& stara, Wlasnosc stary, Wlasnosc nowy,
                                 const std::vector<Uzytkownik>& znani)
{
    if (stary == nowy)
        return stara;
    const auto dawne = [&](const Uzytkownik& u) { return PrawaUzytkownika(stara, stary, u); };
    // Each entry as what it gives, so that a mask may be made anew.
    ListaUprawnien lista;
    for (WpisListy w : stara) {
        if (w.znacznik == WpisMaski || (w.znacznik == WpisUzytkownika && (w.id == stary.uid || w.id == nowy.uid)))
            continue;  // the owners' entries: the list gives them theirs anew
        if (MaskaPusta(stara) && Nazwany(w))
            continue;  // said nothing
        if (WMasce(w))
            w.prawa &= Prawa(stara, WpisMaski, 07);
        lista.push_back(w);
    }
    Wpis(lista, WpisWlasciciela)->prawa = dawne(Znany(znani, nowy.uid));
    if (stary.uid != nowy.uid)
        DodajWpis(lista, WpisUzytkownika, stary.uid, Prawa(stara, WpisWlasciciela, 0));
    // The group's rights: what its own entry gave, or else the others' (a
    // member the database does not know, in no other group of the list,
    // had theirs), then less, then any; the one that leaves the fewest
    // entries wins.
    const auto grupaPliku = Wpis(lista, WpisGrupyPliku);
    const unsigned staraGrupa = grupaPliku->prawa;
    std::vector<unsigned> grupy{stary.gid == nowy.gid ? staraGrupa : Prawa(lista, WpisPozostalych, 0)};
    const auto swoja = std::find_if(lista.begin(), lista.end(), [&](const WpisListy& w) {
        return w.znacznik == WpisGrupy && w.id == nowy.gid;
    });
    if (stary.gid != nowy.gid && swoja != lista.end()) {
        grupy = {swoja->prawa};
        lista.erase(swoja);
    }
    for (const bool wiecej : {false, true})
        for (unsigned prawa = 0; prawa <= 07; ++prawa)
            if (prawa != grupy.front() && ((prawa & ~grupy.front()) != 0) == wiecej)
                grupy.push_back(prawa);
    // The old group keeps its rights by its entry, or its members by theirs
    // where the database knows them.
    std::vector<bool> zeStaraGrupa{false};
    if (stary.gid != nowy.gid)
        zeStaraGrupa = {true};
    if (stary.gid != nowy.gid && std::any_of(znani.begin(), znani.end(), [&](const Uzytkownik& u) {
            return u.uid != nowy.uid && Nalezy(u, stary.gid);
        }))
        zeStaraGrupa.push_back(false);
    ListaUprawnien najlepsza;
    for (const unsigned prawa : grupy)
        for (const bool staraZostaje : zeStaraGrupa) {
            ListaUprawnien proba = lista;
            Wpis(proba, WpisGrupyPliku)->prawa = prawa;
            if (staraZostaje)
                DodajWpis(proba, WpisGrupy, stary.gid, staraGrupa);
            for (const Uzytkownik& u : znani)
                if (u.uid != nowy.uid && PrawaUzytkownika(proba, nowy, u) != dawne(u))
                    DodajWpis(proba, WpisUzytkownika, u.uid, dawne(u));
            UsunZbedne(proba, nowy, znani);
            // Fewest entries, and of those fewest users': a group's entry
            // keeps what its members had for the day the file comes back.
            const auto miara = [](const ListaUprawnien& l) {
                return std::pair(l.size(), std::count_if(l.begin(), l.end(), [](const WpisListy& w) {
                                     return w.znacznik == WpisUzytkownika;
                                 }));
            };
            if (najlepsza.empty() || miara(proba) < miara(najlepsza))
                najlepsza = std::move(proba);
        }
    lista = std::move(najlepsza);
    if (std::any_of(lista.begin(), lista.end(), [](const WpisListy& w) { return Nazwany(w); })) {
        unsigned maska = Prawa(stara, WpisMaski, 0);  // as it was where it can be
        for (const WpisListy& w : lista)
            if (WMasce(w))
                maska |= w.prawa;
        // An empty mask would silence the entries that keep some from the
        // others' rights; within any other they still give nothing.
        DodajWpis(lista, WpisMaski, 0xFFFFFFFF, maska != 0 ? maska : Prawa(lista, WpisPozostalych, 0));
    }
    return lista;
}

ListaUprawnien ListaBezMaski(const ListaUprawnien& lista, Wlasnosc plik, const std::vector<Uzytkownik>& znani)
{
    unsigned grupa = PrawaGrupyPliku(lista), pozostali = Prawa(lista, WpisPozostalych, 0);
    for (const Uzytkownik& u : znani)
        if (u.uid != plik.uid)
            (Nalezy(u, plik.gid) ? grupa : pozostali) &= PrawaUzytkownika(lista, plik, u);
    return {{WpisWlasciciela, Prawa(lista, WpisWlasciciela, 0)}, {WpisGrupyPliku, grupa}, {WpisPozostalych, pozostali}};
}
