#include "platform/ListaUprawnien.h"

#include <algorithm>
#include <optional>
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

bool Nazwany(const WpisListy& w) { return w.znacznik == WpisUzytkownika || w.znacznik == WpisGrupy; }

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

unsigned ZadaniaPraw(unsigned prawa)
{
    unsigned zadania = 0;
    for (unsigned zadanie = 1; zadanie <= 07; ++zadanie)
        if ((prawa & zadanie) == zadanie)
            zadania |= 1u << zadanie;
    return zadania;
}

unsigned ZadaniaUzytkownika(const ListaUprawnien& lista, Wlasnosc plik, const Uzytkownik& u)
{
    if (u.uid == plik.uid)
        return ZadaniaPraw(Prawa(lista, WpisWlasciciela, 0));
    if (MaskaPusta(lista))
        return ZadaniaPraw(Nalezy(u, plik.gid) ? 0 : Prawa(lista, WpisPozostalych, 0));
    const unsigned maska = Prawa(lista, WpisMaski, 07);
    for (const WpisListy& w : lista)
        if (w.znacznik == WpisUzytkownika && w.id == u.uid)
            return ZadaniaPraw(w.prawa & maska);
    // A member of groups the list names: what one of their entries gives
    // whole, never a right from one and another from another at once.
    bool wGrupie = false;
    unsigned zadania = 0;
    for (const WpisListy& w : lista)
        if ((w.znacznik == WpisGrupyPliku && Nalezy(u, plik.gid)) || (w.znacznik == WpisGrupy && Nalezy(u, w.id))) {
            wGrupie = true;
            zadania |= ZadaniaPraw(w.prawa & maska);
        }
    return wGrupie ? zadania : ZadaniaPraw(Prawa(lista, WpisPozostalych, 0));
}

unsigned PrawaUzytkownika(const ListaUprawnien& lista, Wlasnosc plik, const Uzytkownik& u)
{
    const unsigned zadania = ZadaniaUzytkownika(lista, plik, u);
    unsigned prawa = 0;
    for (const unsigned prawo : {4u, 2u, 1u})
        if (zadania & 1u << prawo)
            prawa |= prawo;
    return prawa;
}

std::vector<std::uint32_t> GrupyListy(const ListaUprawnien& lista, Wlasnosc plik)
{
    std::vector<std::uint32_t> grupy{plik.gid};
    for (const WpisListy& w : lista)
        if (w.znacznik == WpisGrupy && std::find(grupy.begin(), grupy.end(), w.id) == grupy.end())
            grupy.push_back(w.id);
    return grupy;
}

bool ZachowujeZadania(const ListaUprawnien& stara, Wlasnosc stary, const ListaUprawnien& nowa, Wlasnosc nowy,
                      const Uzytkownik& u)
{
    return (ZadaniaUzytkownika(stara, stary, u) & ~ZadaniaUzytkownika(nowa, nowy, u)) == 0;
}

namespace {

// Past so many other groups their mixes are too many to try: the members
// are not taken to keep their rights.
constexpr std::size_t MaksInnychGrup = 12;

} // namespace

bool CzlonkowieZachowali(const ListaUprawnien& stara, Wlasnosc stary, const ListaUprawnien& nowa, Wlasnosc nowy,
                         std::uint32_t gid, const std::vector<Uzytkownik>& znani)
{
    for (const Uzytkownik& u : znani)
        if (u.uid != stary.uid && u.uid != nowy.uid && Nalezy(u, gid) && !ZachowujeZadania(stara, stary, nowa, nowy, u))
            return false;
    std::vector<std::uint32_t> inne;
    for (const auto& [lista, plik] : {std::pair{&stara, stary}, std::pair{&nowa, nowy}})
        for (const std::uint32_t g : GrupyListy(*lista, plik))
            if (g != gid && std::find(inne.begin(), inne.end(), g) == inne.end())
                inne.push_back(g);
    if (inne.size() > MaksInnychGrup)
        return false;
    for (unsigned mieszanka = 0; mieszanka < 1u << inne.size(); ++mieszanka) {
        Uzytkownik nieznany{0xFFFFFFFF, {gid}};
        for (std::size_t i = 0; i < inne.size(); ++i)
            if (mieszanka >> i & 1)
                nieznany.grupy.push_back(inne[i]);
        if (!ZachowujeZadania(stara, stary, nowa, nowy, nieznany))
            return false;
    }
    return true;
}

namespace {

// The entries of the old list as a file of the new owner and group keeps
// them: each at what it gave within the old mask, the saver's own entry
// gone (his rights are the owner's now) and the previous owner's (he gets
// one anew where he needs it). The file's group, where it changes, stays
// a named group at what it gave; the new group becomes the file's at what
// its own entry gave, else at no more than the others' rights and than any
// group entry gives, so that no one in the new group and another gains a
// right, whatever groups he is in.
ListaUprawnien WpisyDlaWlasnosci(const ListaUprawnien& stara, Wlasnosc stary, Wlasnosc nowy, unsigned wlasciciela)
{
    const unsigned maska = Prawa(stara, WpisMaski, 07);
    ListaUprawnien lista;
    std::optional<unsigned> nowejGrupy;
    for (WpisListy w : stara) {
        if (WMasce(w))
            w.prawa &= maska;
        if (w.znacznik == WpisMaski || (w.znacznik == WpisUzytkownika && (w.id == stary.uid || w.id == nowy.uid)))
            continue;
        if (stary.gid != nowy.gid && w.znacznik == WpisGrupy && w.id == nowy.gid) {
            nowejGrupy = w.prawa;
            continue;
        }
        if (w.znacznik == WpisWlasciciela)
            w.prawa = wlasciciela;
        lista.push_back(w);
    }
    if (stary.gid == nowy.gid)
        return lista;
    const auto grupaPliku = Wpis(lista, WpisGrupyPliku);
    const unsigned staraGrupa = grupaPliku->prawa;
    if (!nowejGrupy) {
        nowejGrupy = Prawa(lista, WpisPozostalych, 0) & staraGrupa;
        for (const WpisListy& w : lista)
            if (w.znacznik == WpisGrupy)
                *nowejGrupy &= w.prawa;
    }
    grupaPliku->prawa = *nowejGrupy;
    // A named entry of the old group beside its file entry: its members had
    // what either gave; one entry keeps the wider where it holds the other.
    const auto nazwana = std::find_if(lista.begin(), lista.end(), [&](const WpisListy& w) {
        return w.znacznik == WpisGrupy && w.id == stary.gid;
    });
    if (nazwana == lista.end())
        DodajWpis(lista, WpisGrupy, stary.gid, staraGrupa);
    else if ((nazwana->prawa & staraGrupa) == nazwana->prawa)
        nazwana->prawa = staraGrupa;
    return lista;
}

// The mask the entries need: all they give. Where they give nothing, a
// mask still lets their entries speak (an empty one would hand named users
// and groups the others' rights), except where the old list had an empty
// one and nothing needs more: then the mode alone speaks as before.
void UstawMaske(ListaUprawnien& lista, const ListaUprawnien& stara, bool trybWystarczy)
{
    if (!std::any_of(lista.begin(), lista.end(), [](const WpisListy& w) { return Nazwany(w); }))
        return;
    unsigned maska = 0;
    for (const WpisListy& w : lista)
        if (WMasce(w))
            maska |= w.prawa;
    if (maska == 0 && !trybWystarczy)
        maska = Prawa(stara, WpisMaski, 0) != 0 ? Prawa(stara, WpisMaski, 0) : Prawa(lista, WpisPozostalych, 0);
    DodajWpis(lista, WpisMaski, 0xFFFFFFFF, maska);
}

} // namespace

namespace {

ListaUprawnien ZmianaRak(const ListaUprawnien& stara, Wlasnosc stary, Wlasnosc nowy, const Uzytkownik& zapisujacy,
                         const Uzytkownik& poprzedni)
{
    const unsigned wlasciciela = PrawaUzytkownika(stara, stary, zapisujacy);
    ListaUprawnien lista = WpisyDlaWlasnosci(stara, stary, nowy, wlasciciela);
    const bool trybWystarczy = MaskaPusta(stara) && stary.gid == nowy.gid;
    UstawMaske(lista, stara, trybWystarczy);
    if (stary.uid != nowy.uid) {
        const unsigned jego = Prawa(stara, WpisWlasciciela, 0);
        Uzytkownik bylyWlasciciel = poprzedni;
        bylyWlasciciel.uid = stary.uid;
        if (ZadaniaUzytkownika(lista, nowy, bylyWlasciciel) != ZadaniaPraw(jego)) {
            std::erase_if(lista, [](const WpisListy& w) { return w.znacznik == WpisMaski; });
            DodajWpis(lista, WpisUzytkownika, stary.uid, jego);
            UstawMaske(lista, stara, false);
        }
    }
    return lista;
}

} // namespace

// A colleague's save changes only what the change of hands forces: every
// entry of the old list stays at what it gave, for the users and groups of
// today and those who join them later; the saver, now the owner, keeps his
// rights as the owner's entry; the previous owner gets his owner rights by
// an entry unless his groups give him exactly those already; a group that
// cannot stay the file's keeps its rights by a named entry; the new group
// gives no one more than he had, known to the database or not. Under an
// empty mask the mode alone speaks and the named entries sleep: they stay
// so where the new list needs no mask, else the mode is what it keeps, as
// entries woken at nothing would shut their users out.
ListaUprawnien ListaDlaWlasnosci(const ListaUprawnien& stara, Wlasnosc stary, Wlasnosc nowy,
                                 const Uzytkownik& zapisujacy, const Uzytkownik& poprzedni)
{
    if (stary == nowy)
        return stara;
    ListaUprawnien lista = ZmianaRak(stara, stary, nowy, zapisujacy, poprzedni);
    if (MaskaPusta(stara) && ListaPonadTryb(lista) && !MaskaPusta(lista))
        lista = ZmianaRak(ListaTrybu(TrybListy(stara)), stary, nowy, zapisujacy, poprzedni);
    return lista;
}

ListaUprawnien ListaBezMaski(const ListaUprawnien& lista)
{
    // Without a list a named user gets the group's or the others' rights, a
    // named group's member the others': neither may give him more than his
    // entry did.
    const unsigned maska = Prawa(lista, WpisMaski, 07);
    unsigned grupa = PrawaGrupyPliku(lista), pozostali = Prawa(lista, WpisPozostalych, 0);
    if (!MaskaPusta(lista))
        for (const WpisListy& w : lista) {
            if (w.znacznik == WpisUzytkownika)
                grupa &= w.prawa & maska;
            if (Nazwany(w))
                pozostali &= w.prawa & maska;
        }
    return {{WpisWlasciciela, Prawa(lista, WpisWlasciciela, 0)}, {WpisGrupyPliku, grupa}, {WpisPozostalych, pozostali}};
}
