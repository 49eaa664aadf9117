#include "platform/ZapisPrawa.h"

#include <cstdio>
#include <grp.h>
#include <pwd.h>
#include <sys/xattr.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "base/Kodowanie.h"
#include "platform/KatalogProgramu.h"
#include "platform/ListaUprawnien.h"

namespace zapis {

namespace {

// The access list as the system stores it (ListaUprawnien.h).
constexpr const char* AtrybutAcl = "system.posix_acl_access";

// An extended attribute's value (`nazwa` ""), or the list of the names, of
// the file at `sciezka` (not a link's target); false with errno.
bool CzytajAtrybut(const std::string& sciezka, const char* nazwa, std::string& wartosc)
{
    for (int proba = 0; proba < 5; ++proba) {
        ssize_t n =
            *nazwa ? ::lgetxattr(sciezka.c_str(), nazwa, nullptr, 0) : ::llistxattr(sciezka.c_str(), nullptr, 0);
        if (n < 0)
            return false;
        wartosc.resize(static_cast<std::size_t>(n));
        n = *nazwa ? ::lgetxattr(sciezka.c_str(), nazwa, wartosc.data(), wartosc.size())
                   : ::llistxattr(sciezka.c_str(), wartosc.data(), wartosc.size());
        if (n >= 0) {
            wartosc.resize(static_cast<std::size_t>(n));
            return true;
        }
        if (errno != ERANGE)  // else it grew meanwhile
            return false;
    }
    return false;
}

// A name from the system's group or user database; its number where it
// has none.
template <typename Wpis, typename Id, typename Szukaj>
std::string NazwaZBazy(Id id, Szukaj szukaj, char* Wpis::*nazwa)
{
    std::vector<char> bufor(4096);
    Wpis wpis {};
    Wpis* znaleziony = nullptr;
    int nr = 0;
    while ((nr = szukaj(id, &wpis, bufor.data(), bufor.size(), &znaleziony)) == ERANGE && bufor.size() < (1u << 20))
        bufor.resize(bufor.size() * 2);
    return nr == 0 && znaleziony ? SciezkaWTekscie(znaleziony->*nazwa) : std::to_string(id);
}

std::string NazwaGrupy(gid_t gid) { return NazwaZBazy(gid, ::getgrgid_r, &group::gr_name); }

// The saver as the system sees him: his ids and the groups he holds now.
Uzytkownik Zapisujacy()
{
    std::vector<gid_t> grupy(static_cast<std::size_t>(std::max(::getgroups(0, nullptr), 0)));
    grupy.resize(static_cast<std::size_t>(std::max(::getgroups(static_cast<int>(grupy.size()), grupy.data()), 0)));
    grupy.push_back(::getegid());
    return {::geteuid(), {grupy.begin(), grupy.end()}};
}

// The names a group's entry in the database lists as its members.
std::vector<std::string> CzlonkowieGrupy(gid_t gid)
{
    std::vector<char> bufor(4096);
    group wpis {};
    group* g = nullptr;
    while (::getgrgid_r(gid, &wpis, bufor.data(), bufor.size(), &g) == ERANGE && bufor.size() < (1u << 24))
        bufor.resize(bufor.size() * 2);
    std::vector<std::string> nazwy;
    for (char** n = g ? g->gr_mem : nullptr; n && *n; ++n)
        nazwy.emplace_back(*n);
    return nazwy;
}

// The users the system's database puts in any of `grupy` (as their primary
// group or on its member list), and those of `uidy` in any case (in no
// group where the database has no entry of theirs), each with the ones of
// `grupy` he is in: the rights a list gives depend on those alone. One
// pass over the users and the member lists of these groups, however many
// users and groups the database holds.
std::vector<Uzytkownik> UzytkownicyGrup(const std::vector<std::uint32_t>& grupy, std::vector<std::uint32_t> uidy)
{
    std::vector<std::vector<std::string>> czlonkowie;
    for (const std::uint32_t gid : grupy)
        czlonkowie.push_back(CzlonkowieGrupy(gid));
    std::vector<Uzytkownik> znalezieni;
    const auto znaleziony = [&](std::uint32_t uid) {
        return std::any_of(znalezieni.begin(), znalezieni.end(), [uid](const Uzytkownik& u) { return u.uid == uid; });
    };
    std::vector<char> bufor(1 << 14);
    passwd wpis {};
    passwd* p = nullptr;
    ::setpwent();
    for (int nr; (nr = ::getpwent_r(&wpis, bufor.data(), bufor.size(), &p)) != ENOENT;) {
        if (nr == ERANGE && bufor.size() < (1u << 24)) {
            bufor.resize(bufor.size() * 2);
            continue;
        }
        if (nr != 0 || !p)
            break;
        Uzytkownik u{p->pw_uid, {}};
        for (std::size_t i = 0; i < grupy.size(); ++i)
            if (grupy[i] == p->pw_gid || std::find(czlonkowie[i].begin(), czlonkowie[i].end(), p->pw_name) !=
                                             czlonkowie[i].end())
                u.grupy.push_back(grupy[i]);
        const bool wymieniony = std::find(uidy.begin(), uidy.end(), u.uid) != uidy.end();
        if ((wymieniony || !u.grupy.empty()) && !znaleziony(u.uid))
            znalezieni.push_back(std::move(u));
    }
    ::endpwent();
    for (const std::uint32_t uid : uidy)
        if (!znaleziony(uid))
            znalezieni.push_back({uid, {}});
    return znalezieni;
}

// Whether a message may name the user: an ordinary account, within the
// range /etc/login.defs gives them (UID_MIN to UID_MAX), never root or the
// system's own.
bool KontoOsoby(uid_t uid)
{
    static const std::pair<unsigned long, unsigned long> zakres = [] {
        std::pair<unsigned long, unsigned long> z{1000, 60000};
        std::FILE* f = std::fopen("/etc/login.defs", "re");
        char linia[256];
        while (f && std::fgets(linia, sizeof linia, f)) {
            char klucz[32];
            unsigned long wartosc = 0;
            if (std::sscanf(linia, " %31s %lu", klucz, &wartosc) != 2)
                continue;
            if (std::strcmp(klucz, "UID_MIN") == 0)
                z.first = wartosc;
            else if (std::strcmp(klucz, "UID_MAX") == 0)
                z.second = wartosc;
        }
        if (f)
            std::fclose(f);
        return z;
    }();
    return uid >= zakres.first && uid <= zakres.second;
}

} // namespace

std::string NazwaUzytkownika(uid_t uid) { return NazwaZBazy(uid, ::getpwuid_r, &passwd::pw_name); }

namespace {

// Where a message names an attribute namespace: user, trusted and security
// ones first, in this order, any other after them.
std::size_t MiejscePrzestrzeni(std::string_view przestrzen)
{
    constexpr std::string_view kolejne[] = {"user", "trusted", "security"};
    const auto poczatek = std::begin(kolejne);
    return static_cast<std::size_t>(std::find(poczatek, std::end(kolejne), przestrzen) - poczatek);
}

// Notes the attribute `nazwa` as not kept, its namespace once.
void NieZachowany(Niezachowane& brak, std::string_view nazwa)
{
    brak.atrybuty = true;
    const std::string przestrzen(nazwa.substr(0, nazwa.find('.')));
    const std::size_t miejsce = MiejscePrzestrzeni(przestrzen);
    std::vector<std::string>& p = brak.przestrzenie;
    if (std::find(p.begin(), p.end(), przestrzen) == p.end())
        p.insert(std::find_if(p.begin(), p.end(), [&](const auto& q) { return MiejscePrzestrzeni(q) > miejsce; }),
                 przestrzen);
}

// Gives the new file every attribute the old one at `stary` has but its
// access list, which goes with the mode. Where the names cannot be listed
// (past 64 KB of them: E2BIG) none is kept.
void KopiujAtrybuty(int fd, const std::string& stary, Niezachowane& brak)
{
    std::string nazwy;
    if (!CzytajAtrybut(stary, "", nazwy)) {
        brak.atrybuty = errno != ENOTSUP;  // else the file system keeps none
        return;
    }
    for (std::size_t i = 0; i < nazwy.size(); i += std::strlen(nazwy.c_str() + i) + 1) {
        const char* n = nazwy.c_str() + i;
        std::string wartosc;
        if (std::strcmp(n, AtrybutAcl) != 0 &&
            (!CzytajAtrybut(stary, n, wartosc) || ::fsetxattr(fd, n, wartosc.data(), wartosc.size(), 0) != 0))
            NieZachowany(brak, n);
    }
}

// Sets the list where it says more than a mode, else removes any list the
// new file inherited from its folder's default; on a file system without
// lists the mode nearest it that gives no one more. False with `brak.blad`
// where the list the rights need cannot be set: the save must fail.
bool UstawListe(int fd, ListaUprawnien& lista, const ListaUprawnien& dawna, Niezachowane& brak, bool& bezListy)
{
    if (ListaPonadTryb(lista)) {
        const std::string bajty = BajtyListy(lista);
        if (::fsetxattr(fd, AtrybutAcl, bajty.data(), bajty.size(), 0) == 0)
            return true;
        if (errno != EOPNOTSUPP) {
            brak.blad = errno;
            brak.bladListy = true;
            return false;
        }
        lista = ListaBezMaski(lista);
        bezListy = true;
        brak.acl = brak.acl || ListaPonadTryb(dawna);
    }
    if (::fremovexattr(fd, AtrybutAcl) != 0 && errno != ENODATA && errno != EOPNOTSUPP) {
        brak.blad = errno;
        return false;
    }
    return true;
}

// Whose rights the new list took away, as the message names them: the
// people among the users the list speaks of, and the others' class.
void Zawezeni(const ListaUprawnien& dawna, Wlasnosc byla, const ListaUprawnien& lista, Wlasnosc jest,
              const std::vector<Uzytkownik>& dotknieci, Niezachowane& brak)
{
    for (const Uzytkownik& u : dotknieci) {
        if (u.uid != jest.uid && !ZachowujeZadania(dawna, byla, lista, jest, u) && KontoOsoby(u.uid))
            brak.zawezeni.push_back(NazwaUzytkownika(u.uid));
    }
    const Uzytkownik nikt{0xFFFFFFFF, {}};
    if (!ZachowujeZadania(dawna, byla, lista, jest, nikt))
        brak.zawezeni.push_back(Utf8NaCp1250("pozostali użytkownicy"));
}

} // namespace

// An existing file's owner where the writer may give it (root), else its
// group where the writer belongs to it, so that a team's file stays the
// team's to write; its mode, access list and extended attributes, the
// list as the change of hands leaves it (ListaDlaWlasnosci).
Niezachowane ZachowajWlasciwosci(int fd, int katalog, const std::string& folder, const std::string& nazwa)
{
    Niezachowane brak;
    struct stat st {}, nowy {};
    // Gone or replaced since the round began: the round's last check sees
    // it, and the next round takes the target as it is then.
    if (::fstatat(katalog, nazwa.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISREG(st.st_mode) ||
        ::fstat(fd, &nowy) != 0)
        return brak;
    const std::string stary = PolaczSciezke(folder, nazwa).native();
    // The list by its name, whether the names could be listed or not: none
    // on the file (ENODATA) or on the file system (ENOTSUP) is no loss.
    // Without a list the mode stands for one; a list that cannot be read
    // gave its group and named entries rights no one knows: they get none.
    std::string acl;
    ListaUprawnien dawna;
    const bool maAcl = CzytajAtrybut(stary, AtrybutAcl, acl);
    brak.acl = maAcl ? !CzytajListe(acl, dawna) : errno != ENODATA && errno != ENOTSUP;
    if (!maAcl || brak.acl) {
        dawna = ListaTrybu(st.st_mode);
        if (brak.acl)
            OdbierzGrupiePliku(dawna);
    }

    // Owner and group first, while the new file is 0200: its holder may
    // only write it, as its writer and the old file's owner may the old one.
    // The list then sets everyone's rights at once, and the mode its special
    // bits last. Set the other way round, the mode opened the file to its
    // group and the entries inherited from the folder until the list came.
    if (nowy.st_uid != st.st_uid || nowy.st_gid != st.st_gid) {
        if (::fchown(fd, st.st_uid, st.st_gid) != 0 && nowy.st_gid != st.st_gid)
            ::fchown(fd, static_cast<uid_t>(-1), st.st_gid);
        ::fstat(fd, &nowy);
    }
    const Wlasnosc byla{st.st_uid, st.st_gid}, jest{nowy.st_uid, nowy.st_gid};
    // Only a change of hands or a list the file system cannot hold asks the
    // database, and then only of the users the lists speak of.
    std::vector<Uzytkownik> dotknieci;
    Uzytkownik poprzedni{byla.uid, {}};
    const auto znajdzDotknietych = [&] {
        std::vector<std::uint32_t> grupy = GrupyListy(dawna, byla), nazwani{byla.uid};
        grupy.push_back(jest.gid);
        for (const WpisListy& w : dawna)
            if (w.znacznik == WpisUzytkownika)
                nazwani.push_back(w.id);
        dotknieci = UzytkownicyGrup(grupy, nazwani);
        for (const Uzytkownik& u : dotknieci)
            if (u.uid == byla.uid)
                poprzedni = u;
    };
    if (!(byla == jest))
        znajdzDotknietych();
    ListaUprawnien lista = ListaDlaWlasnosci(dawna, byla, jest, Zapisujacy(), poprzedni);
    bool bezListy = false;
    if (!UstawListe(fd, lista, dawna, brak, bezListy))
        return brak;
    // The attributes after the owner, whose change takes the file's
    // capabilities (security.capability) away, and after the list, which
    // must find room among them.
    KopiujAtrybuty(fd, stary, brak);
    // Set-user and set-group bits go with an owner or group not kept, as
    // the system drops them when a file changes hands.
    const mode_t specjalne = st.st_mode & (S_ISVTX | (byla.uid == jest.uid ? S_ISUID : 0) |
                                           (byla.gid == jest.gid ? S_ISGID : 0));
    if (::fchmod(fd, specjalne | TrybListy(lista)) != 0) {
        brak.blad = errno;
        return brak;
    }

    // What the message names: whose hands the file passed to, and whose
    // rights it could not keep.
    if (bezListy && byla == jest)
        znajdzDotknietych();
    if (bezListy || !(byla == jest))
        Zawezeni(dawna, byla, lista, jest, dotknieci, brak);
    if (byla.uid != jest.uid) {
        brak.wlasciciel = NazwaUzytkownika(byla.uid);
        brak.nowyWlasciciel = NazwaUzytkownika(jest.uid);
        brak.wlascicielZachowal =
            ZadaniaUzytkownika(lista, jest, poprzedni) == ZadaniaUzytkownika(dawna, byla, poprzedni);
    }
    if (byla.gid != jest.gid) {
        brak.grupa = NazwaGrupy(byla.gid);
        brak.nowaGrupa = NazwaGrupy(jest.gid);
        brak.grupaZachowala =
            ListaPonadTryb(lista) && CzlonkowieZachowali(dawna, byla, lista, jest, byla.gid, dotknieci);
    }
    return brak;
}

// "Plik … został zapisany, ale nie udało się zachować …", "Plik … został
// zapisany i należy teraz do użytkownika …", or "".
std::string UwagaZapisu(const std::string& sciezka, const Niezachowane& brak)
{
    std::string czego;
    const auto dodaj = [&czego](const std::string& co) { czego += (czego.empty() ? "" : ", ") + co; };
    if (!brak.grupa.empty())
        dodaj(Utf8NaCp1250("grupy pliku (") + brak.grupa + ")");
    if (brak.acl)
        dodaj(Utf8NaCp1250("listy uprawnień (ACL)"));
    if (brak.atrybuty) {
        std::string przestrzenie;
        for (const std::string& p : brak.przestrzenie)
            przestrzenie += (przestrzenie.empty() ? " (" : ", ") + p + ".*";
        dodaj(Utf8NaCp1250("atrybutów rozszerzonych") + przestrzenie + (przestrzenie.empty() ? "" : ")"));
    }
    if (czego.empty() && brak.wlasciciel.empty() && brak.zawezeni.empty())
        return {};
    std::string uwaga = Utf8NaCp1250("Plik ") + SciezkaWTekscie(sciezka) + Utf8NaCp1250(" został zapisany");
    if (brak.wlasciciel.empty())
        uwaga += czego.empty() ? "." : Utf8NaCp1250(", ale nie udało się zachować ") + czego + ".";
    else
        uwaga += Utf8NaCp1250(" i należy teraz do użytkownika ") + brak.nowyWlasciciel +
                 (brak.wlascicielZachowal ? Utf8NaCp1250("; dotychczasowy właściciel (") + brak.wlasciciel +
                                                Utf8NaCp1250(") zachował swoje uprawnienia do niego.")
                                          : ".") +
                 (czego.empty() ? "" : Utf8NaCp1250(" Nie udało się zachować ") + czego + ".");
    if (!brak.grupa.empty())
        uwaga += Utf8NaCp1250(" Nową grupą pliku jest ") + brak.nowaGrupa +
                 (brak.grupaZachowala ? Utf8NaCp1250("; dotychczasowa grupa (") + brak.grupa +
                                            Utf8NaCp1250(") zachowała swoje uprawnienia do niego.")
                                      : ".");
    if (!brak.zawezeni.empty()) {
        std::string kto;
        for (const std::string& n : brak.zawezeni)
            kto += (kto.empty() ? "" : ", ") + n;
        uwaga += Utf8NaCp1250(" Zawężono uprawnienia do pliku użytkownikom: ") + kto + ".";
    }
    return uwaga;
}

} // namespace zapis
