// Random saves of files with random owners, groups, modes and access lists,
// by their owner, a colleague or root, one at a time and in turn: every
// user's rights are measured by the system itself, as that user, before the
// save, after it and after every step that changes the new file's
// permissions, for every request it judges at once. The old list speaks of
// tomorrow's users too: the test users are measured also with one group more
// or less, and uids the database does not know in every mix of groups; none
// of them may gain. Users and groups are entries of the test program's own
// copy of the user database (the save learns memberships from it), gone
// with the program: the system's database stays as it was.
// KG_ZAPISY_ZIARNO picks the seed, KG_ZAPISY_LOSOWE the number of cases,
// KG_ZAPISY_PRZYPADEK one case alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <iostream>
#include <pwd.h>
#include <random>
#include <set>
#include <sstream>
#include <sys/fsuid.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

#include "base/Kodowanie.h"
#include "platform/ListaUprawnien.h"
#include "platform/ZapisBezpieczny.h"
#include "wspolne/odmowa_atrybutow.h"
#include "wspolne/wlasna_baza_uzytkownikow.h"

namespace fs = std::filesystem;

namespace {

struct Konto {
    const char* nazwa;
    uid_t uid;
    gid_t grupa;
    std::vector<gid_t> dodatkowe;
};
constexpr gid_t Grupy[] = {4811, 4812, 4813, 4814};
// In one, two and three of the groups; kgz_d and kgz_g share only theirs.
const Konto Uzytkownicy[] = {{"kgz_a", 4801, 4811, {}},     {"kgz_b", 4802, 4811, {4812}},
                                  {"kgz_c", 4803, 4812, {}},     {"kgz_d", 4804, 4814, {}},
                                  {"kgz_e", 4805, 4813, {}},     {"kgz_f", 4806, 4812, {4811, 4813}},
                                  {"kgz_g", 4807, 4814, {}}};
constexpr int Ilu = 7;
constexpr int Root = -1;  // a saver that is no test user
std::array<std::vector<gid_t>, Ilu> grupyUzytkownika;  // as the database gives them

std::string NazwaGrupy(gid_t g) { return "kgz_g" + std::to_string(g - Grupy[0] + 1); }

bool Czlonek(int u, gid_t g)
{
    return u >= 0 && std::find(grupyUzytkownika[u].begin(), grupyUzytkownika[u].end(), g) != grupyUzytkownika[u].end();
}

std::string NazwaUzytkownika(int u) { return u == Root ? "root" : Uzytkownicy[u].nazwa; }
std::string NazwaUid(uid_t uid)
{
    for (int u = 0; u < Ilu; ++u)
        if (Uzytkownicy[u].uid == uid)
            return Uzytkownicy[u].nazwa;
    return std::to_string(uid);
}

// The users and groups, added to the program's own copy of the database
// (the save learns memberships from it) in place of any an earlier run
// left, and as the database gives them; "" when ready, else why not.
std::string BazaUzytkownikow()
{
    std::string grupy, konta;
    for (gid_t g : Grupy) {
        std::string czlonkowie;
        for (const Konto& k : Uzytkownicy)
            if (std::find(k.dodatkowe.begin(), k.dodatkowe.end(), g) != k.dodatkowe.end())
                czlonkowie += (czlonkowie.empty() ? "" : ",") + std::string(k.nazwa);
        grupy += NazwaGrupy(g) + ":x:" + std::to_string(g) + ":" + czlonkowie + "\n";
    }
    for (const Konto& k : Uzytkownicy)
        konta += std::string(k.nazwa) + ":x:" + std::to_string(k.uid) + ":" + std::to_string(k.grupa) +
                 "::/nonexistent:/usr/sbin/nologin\n";
    if (!WlasnaBazaUzytkownikow::Wpisz("/etc/group", grupy) || !WlasnaBazaUzytkownikow::Wpisz("/etc/passwd", konta))
        return "its copy cannot be written";
    for (gid_t g : Grupy) {
        const group* gr = ::getgrnam(NazwaGrupy(g).c_str());
        if (!gr || gr->gr_gid != g || !(gr = ::getgrgid(g)) || gr->gr_name != NazwaGrupy(g))
            return "group " + NazwaGrupy(g) + " with gid " + std::to_string(g) + " (read through a cache?)";
    }
    for (int u = 0; u < Ilu; ++u) {
        const Konto& k = Uzytkownicy[u];
        const passwd* pw = ::getpwnam(k.nazwa);
        std::vector<gid_t> grupy(32);
        int ile = static_cast<int>(grupy.size());
        std::set<gid_t> oczekiwane(k.dodatkowe.begin(), k.dodatkowe.end());
        oczekiwane.insert(k.grupa);
        if (!pw || pw->pw_uid != k.uid || pw->pw_gid != k.grupa || !(pw = ::getpwuid(k.uid)) ||
            std::strcmp(pw->pw_name, k.nazwa) != 0 || ::getgrouplist(k.nazwa, k.grupa, grupy.data(), &ile) < 0 ||
            std::set<gid_t>(grupy.begin(), grupy.begin() + ile) != oczekiwane)
            return std::string("user ") + k.nazwa + " with uid " + std::to_string(k.uid) + " in his groups";
        grupyUzytkownika[u].assign(grupy.begin(), grupy.begin() + ile);
    }
    return "";
}

// Every request the system judges at once: each non-empty mix of r, w and
// x (4 2 1). One entry must give all a request asks, so a user in a group
// that may read and another that may write can do either, not both at once.
// Bit k of a set stands for request k; bit 0 for a set not measured.
using Zbior = unsigned;
constexpr Zbior NieZmierzony = 1;

int Zadanie(unsigned k) { return (k & 4 ? R_OK : 0) | (k & 2 ? W_OK : 0) | (k & 1 ? X_OK : 0); }

// What one entry of those rights lets do.
Zbior Zamkniecie(unsigned rwx)
{
    Zbior z = 0;
    for (unsigned k = 1; k <= 7; ++k)
        if ((k & ~rwx) == 0)
            z |= 1u << k;
    return z;
}

unsigned Pojedyncze(Zbior z) { return (z >> 4 & 1 ? 4 : 0) | (z >> 2 & 1 ? 2 : 0) | (z >> 1 & 1 ? 1 : 0); }
bool Zawiera(Zbior duzy, Zbior maly) { return (maly & ~duzy) == 0; }

// Uids the database has no entry for, and a group no list names: whoever
// may come to the file with none of the test's accounts.
constexpr uid_t NieznaniOd = 3000000000u;  // far from any range useradd gives out
constexpr unsigned NieznanychUid = 6;
constexpr gid_t ObcaGrupa = 3000000009u;

// Whom the rights are measured for: the test users as the database has
// them; each of them with one group more or one less, as he may be
// tomorrow; users the database does not know in every mix of the groups.
struct Podmiot {
    uid_t uid = 0;
    gid_t glowna = ObcaGrupa;  // the file system's gid
    std::vector<gid_t> grupy;
    int konto = Root;  // the test user's; Root for one the database does not know
    std::string nazwa;
};
std::vector<Podmiot> podmioty;  // the test users as they are first, in their order
using Prawa = std::vector<Zbior>;  // each subject's

std::string NazwyGrup(const std::vector<gid_t>& grupy)
{
    std::string s;
    for (gid_t g : grupy)
        s += (s.empty() ? "" : ",") + NazwaGrupy(g);
    return s;
}

void UstalPodmioty()
{
    podmioty.clear();
    for (int u = 0; u < Ilu; ++u)
        podmioty.push_back({Uzytkownicy[u].uid, Uzytkownicy[u].grupa, grupyUzytkownika[u], u, Uzytkownicy[u].nazwa});
    for (int u = 0; u < Ilu; ++u)
        for (gid_t g : Grupy) {
            std::vector<gid_t> grupy = grupyUzytkownika[u];
            const bool byl = Czlonek(u, g);
            if (byl)
                std::erase(grupy, g);
            else
                grupy.push_back(g);
            podmioty.push_back({Uzytkownicy[u].uid, ObcaGrupa, grupy, u,
                                Uzytkownicy[u].nazwa + std::string(byl ? " out of " : " also in ") + NazwaGrupy(g)});
        }
    for (unsigned mix = 0; mix < 16; ++mix) {
        Podmiot p{NieznaniOd + mix % NieznanychUid, ObcaGrupa, {}, Root, ""};
        for (unsigned i = 0; i < 4; ++i)
            if (mix >> i & 1)
                p.grupy.push_back(Grupy[i]);
        p.nazwa = "unknown " + std::to_string(p.uid) + " in " + (p.grupy.empty() ? "no group" : NazwyGrup(p.grupy));
        podmioty.push_back(p);
    }
}

// The unknown user in no group: what the others' entry gives.
std::size_t Pozostali()
{
    const auto p = std::find_if(podmioty.begin(), podmioty.end(),
                                [](const Podmiot& p) { return p.konto == Root && p.grupy.empty(); });
    return static_cast<std::size_t>(p - podmioty.begin());
}

// Every subject's requests on the file at `sciezka`, as the system judges
// them: a child of a process that is root or keeps a saved uid of 0 (a
// saver) becomes root again and takes each subject's ids in turn.
Prawa Zmierz(const std::string& sciezka)
{
    const std::size_t ile = podmioty.size();
    Prawa prawa(ile, NieZmierzony);
    int rura[2];
    if (::pipe(rura) != 0)
        return prawa;
    const pid_t dziecko = ::fork();
    if (dziecko == 0) {
        std::vector<unsigned char> wynik(ile);
        if (::setresuid(0, 0, 0) != 0 || ::setresgid(0, 0, 0) != 0)
            ::_exit(1);
        for (std::size_t i = 0; i < ile; ++i) {
            const Podmiot& p = podmioty[i];
            if (::setgroups(p.grupy.size(), p.grupy.data()) != 0)
                ::_exit(1);
            ::setfsgid(p.glowna);
            ::setfsuid(p.uid);
            for (unsigned k = 1; k <= 7; ++k)
                if (::faccessat(AT_FDCWD, sciezka.c_str(), Zadanie(k), AT_EACCESS) == 0)
                    wynik[i] |= static_cast<unsigned char>(1u << k);
            ::setfsuid(0);
            ::setfsgid(0);
        }
        ::_exit(::write(rura[1], wynik.data(), ile) == static_cast<ssize_t>(ile) ? 0 : 1);
    }
    ::close(rura[1]);
    std::vector<unsigned char> wynik(ile);
    std::size_t jest = 0;
    for (ssize_t n; jest < ile && (n = ::read(rura[0], wynik.data() + jest, ile - jest)) > 0;)
        jest += static_cast<std::size_t>(n);
    if (jest == ile)
        std::copy(wynik.begin(), wynik.end(), prawa.begin());
    ::close(rura[0]);
    ::waitpid(dziecko, nullptr, 0);
    return prawa;
}

std::string Rwx(unsigned p)
{
    return std::string(p & 4 ? "r" : "-") + (p & 2 ? "w" : "-") + (p & 1 ? "x" : "-");
}

// "rw-" where one entry could give it all, else the single rights and the
// requests granted: "rw-{r,w}".
std::string OpisZbioru(Zbior z)
{
    if (z & NieZmierzony)
        return "???";
    if (z == Zamkniecie(Pojedyncze(z)))
        return Rwx(Pojedyncze(z));
    std::string s;
    for (unsigned k = 1; k <= 7; ++k)
        if (z >> k & 1)
            s += std::string(s.empty() ? "" : ",") + (k & 4 ? "r" : "") + (k & 2 ? "w" : "") + (k & 1 ? "x" : "");
    return Rwx(Pojedyncze(z)) + "{" + s + "}";
}

// The test users' sets.
std::string OpisPraw(const Prawa& p)
{
    std::string s;
    for (int u = 0; u < Ilu; ++u)
        s += std::string(u ? " " : "") + Uzytkownicy[u].nazwa + "=" + OpisZbioru(p[static_cast<std::size_t>(u)]);
    return s;
}

// The other subjects whose sets differ.
std::string OpisZmian(const Prawa& przed, const Prawa& po)
{
    std::string s;
    for (std::size_t i = Ilu; i < podmioty.size(); ++i)
        if (przed[i] != po[i])
            s += (s.empty() ? "" : "; ") + podmioty[i].nazwa + " " + OpisZbioru(przed[i]) + ">" + OpisZbioru(po[i]);
    return s.empty() ? "no other changes" : s;
}

std::string OpisListy(const ListaUprawnien& l)
{
    if (l.empty())
        return "none";
    std::string s;
    for (const WpisListy& w : l) {
        const char* znak = w.znacznik == WpisWlasciciela || w.znacznik == WpisUzytkownika ? "u:"
                           : w.znacznik == WpisMaski                                      ? "m:"
                           : w.znacznik == WpisPozostalych                                ? "o:"
                                                                                          : "g:";
        const std::string kto = w.znacznik == WpisUzytkownika ? NazwaUid(w.id)
                                : w.znacznik == WpisGrupy     ? NazwaGrupy(w.id)
                                                              : "";
        s += (s.empty() ? "" : ",") + (znak + kto) + ":" + Rwx(w.prawa);
    }
    return s;
}

// A file's access list (none: empty).
ListaUprawnien Lista(const std::string& sciezka)
{
    char bufor[1024];
    const ssize_t n = ::lgetxattr(sciezka.c_str(), "system.posix_acl_access", bufor, sizeof bufor);
    ListaUprawnien lista;
    if (n < 0 || !CzytajListe(std::string_view(bufor, static_cast<std::size_t>(n)), lista))
        lista.clear();
    return lista;
}

bool MaWpisGrupy(const ListaUprawnien& l, gid_t g)
{
    return std::any_of(l.begin(), l.end(), [g](const WpisListy& w) { return w.znacznik == WpisGrupy && w.id == g; });
}

bool MaskaPusta(const ListaUprawnien& l)
{
    return std::any_of(l.begin(), l.end(), [](const WpisListy& w) { return w.znacznik == WpisMaski && w.prawa == 0; });
}

// A random list: the owner's and others' entries from the mode, named users
// other than the owner (the writers always, with write; now and then one
// the database does not know), named groups, the file's own among them now
// and then (as a team writes its group by name), and a mask that may shut
// out part of what they give.
ListaUprawnien LosowaLista(std::mt19937& los, unsigned tryb, int wlasciciel, const std::set<int>& pisza)
{
    const auto z = [&los](unsigned n) { return static_cast<unsigned>(los() % n); };
    ListaUprawnien l{{WpisWlasciciela, tryb >> 6 & 7}};
    for (int u = 0; u < Ilu; ++u)
        if (u != wlasciciel && (pisza.contains(u) || z(4) == 0))
            l.push_back({WpisUzytkownika, z(8) | (pisza.contains(u) ? 2 : 0), Uzytkownicy[u].uid});
    // An account gone from the database may still be named.
    if (z(8) == 0)
        l.push_back({WpisUzytkownika, z(8), NieznaniOd + NieznanychUid - 1});
    l.push_back({WpisGrupyPliku, z(8)});
    for (gid_t g : Grupy)
        if (z(4) == 0)
            l.push_back({WpisGrupy, z(8), g});
    unsigned suma = 0;
    for (const WpisListy& w : l)
        suma |= w.znacznik == WpisWlasciciela ? 0 : w.prawa;
    l.push_back({WpisMaski, (z(3) == 0 ? z(8) : suma) | (pisza.empty() ? 0 : 2)});
    l.push_back({WpisPozostalych, tryb & 7});
    return l;
}

struct Przypadek {
    int wlasciciel = 0;
    gid_t grupa = Grupy[0];
    unsigned tryb = 0600;
    ListaUprawnien lista;       // none: empty
    gid_t grupaFolderu = Grupy[0];
    bool folderSetgid = false;
    ListaUprawnien domyslna;    // the folder's default list; none: empty
    std::vector<int> zapisujacy;
    bool nazwane = false;       // ZapisujTylkoPrzezNazwanePliki
    int odmowa = 0;             // the errno setting the list fails with
};

std::string Opis(const Przypadek& p)
{
    std::ostringstream s;
    s << "file " << NazwaUzytkownika(p.wlasciciel) << ":" << NazwaGrupy(p.grupa) << " 0" << std::oct << p.tryb
      << std::dec << ", list " << OpisListy(p.lista) << "; folder root:" << NazwaGrupy(p.grupaFolderu)
      << (p.folderSetgid ? " 02777" : " 0777") << ", default list " << OpisListy(p.domyslna) << "; saved by";
    for (int u : p.zapisujacy)
        s << " " << NazwaUzytkownika(u);
    s << (p.nazwane ? ", named temporaries" : ", unnamed temporaries") << ", setting the list "
      << (p.odmowa ? std::string("refused (") + ::strerrorname_np(p.odmowa) + ")" : "allowed");
    return s.str();
}

// Most cases saveable: the owner may write (0200), a colleague mostly too.
Przypadek Losuj(std::mt19937& los, bool wTurze)
{
    const auto z = [&los](unsigned n) { return static_cast<unsigned>(los() % n); };
    Przypadek p;
    p.wlasciciel = static_cast<int>(z(Ilu));
    // Saves in turn mostly by a team: the owner's group, its members.
    const std::vector<gid_t>& jego = grupyUzytkownika[p.wlasciciel];
    p.grupa = wTurze && z(4) ? jego[z(static_cast<unsigned>(jego.size()))] : Grupy[z(4)];
    p.tryb = z(010000) | (z(8) ? 0200 : 0);
    p.grupaFolderu = wTurze && z(2) ? p.grupa : Grupy[z(4)];
    p.folderSetgid = z(2);
    p.nazwane = z(2);
    if (z(3) == 0)
        p.domyslna = LosowaLista(los, 0700 | z(0100), Root, {});
    std::vector<int> inni;
    for (int u = 0; u < Ilu; ++u)
        if (u != p.wlasciciel && (Czlonek(u, p.grupa) || z(3) == 0))
            inni.push_back(u);
    std::shuffle(inni.begin(), inni.end(), los);
    if (wTurze) {
        if (inni.size() < 2)
            inni = {(p.wlasciciel + 1) % Ilu, (p.wlasciciel + 2) % Ilu};
        p.zapisujacy = {p.wlasciciel, inni[0]};
        if (z(2))
            p.zapisujacy.push_back(inni[1]);
        p.zapisujacy.push_back(p.wlasciciel);
    } else {
        const unsigned kto = z(20);
        p.zapisujacy = {kto < 9 ? p.wlasciciel : kto < 16 && !inni.empty() ? inni[0] : Root};
        constexpr int Odmowy[] = {EOPNOTSUPP, ENOSPC, EIO};
        p.odmowa = z(4) == 0 ? Odmowy[z(3)] : 0;
    }
    // Colleagues mostly may write: through the class they are in or an
    // entry of their own.
    std::set<int> pisza;
    for (int u : p.zapisujacy)
        if (u != Root && u != p.wlasciciel && z(4) != 0)
            pisza.insert(u);
    if (z(2))
        p.lista = LosowaLista(los, p.tryb, p.wlasciciel, pisza);
    else
        for (int u : pisza)
            p.tryb |= Czlonek(u, p.grupa) ? 020 : 002;
    return p;
}

bool UstawListe(const std::string& sciezka, const char* atrybut, const ListaUprawnien& l)
{
    const std::string b = BajtyListy(l);
    return l.empty() || ::setxattr(sciezka.c_str(), atrybut, b.data(), b.size(), 0) == 0;
}

// The folder and the old file as the case has them.
bool Przygotuj(const Przypadek& p, const fs::path& folder, const fs::path& plik)
{
    std::error_code ec;
    fs::remove_all(folder, ec);
    if (::mkdir(folder.c_str(), 0700) != 0 || ::chown(folder.c_str(), 0, p.grupaFolderu) != 0 ||
        ::chmod(folder.c_str(), p.folderSetgid ? 02777 : 0777) != 0 ||
        !UstawListe(folder, "system.posix_acl_default", p.domyslna))
        return false;
    std::ofstream(plik, std::ios::binary) << "stare\r\n";
    if (::chown(plik.c_str(), Uzytkownicy[p.wlasciciel].uid, p.grupa) != 0 ||
        (::removexattr(plik.c_str(), "system.posix_acl_access") != 0 && errno != ENODATA))
        return false;
    return ::chmod(plik.c_str(), p.tryb) == 0 && UstawListe(plik, "system.posix_acl_access", p.lista);
}

struct Stan {
    std::string tresc;
    struct stat st {};
    ListaUprawnien lista;
    Prawa prawa{};
    std::size_t plikow = 0;  // in the folder
};

Stan Odczytaj(const fs::path& plik)
{
    Stan s;
    std::ifstream f(plik, std::ios::binary);
    std::stringstream t;
    t << f.rdbuf();
    s.tresc = t.str();
    ::lstat(plik.c_str(), &s.st);
    s.lista = Lista(plik);
    s.prawa = Zmierz(plik);
    s.plikow = static_cast<std::size_t>(
        std::distance(fs::directory_iterator(plik.parent_path()), fs::directory_iterator()));
    return s;
}

struct Krok {
    std::string wywolanie;
    Prawa prawa;
};
std::vector<Krok> kroki;  // in the saver's process

struct Wynik {
    bool zapisany = false;
    std::string blad, uwaga;  // UTF-8
    std::vector<Krok> kroki;
};

// The save of the new contents as the user (root: Root), in a child that
// keeps a saved uid of 0 for its measurements: the rights on the new file
// just after it is made and after each change of its permissions.
Wynik Zapisz(const Przypadek& p, int kto, const fs::path& plik, const std::string& tresc)
{
    int rura[2];
    if (::pipe(rura) != 0)
        return {};
    const pid_t dziecko = ::fork();
    if (dziecko == 0) {
        if (kto != Root) {
            const Konto& u = Uzytkownicy[kto];
            if (::setgroups(grupyUzytkownika[kto].size(), grupyUzytkownika[kto].data()) != 0 ||
                ::setresgid(u.grupa, u.grupa, 0) != 0 || ::setresuid(u.uid, u.uid, 0) != 0)
                ::_exit(2);
            ::prctl(PR_SET_DUMPABLE, 1);
        }
        ZapisujTylkoPrzezNazwanePliki(p.nazwane);
        if (p.odmowa != 0) {
            odmowaAtrybutow = {"system.posix_acl_access"};
            bladOdmowy = p.odmowa;
        }
        poZmianiePliku = [](int fd, const char* wywolanie) {
            kroki.push_back({wywolanie, Zmierz("/proc/self/fd/" + std::to_string(fd))});
        };
        ZapisBezpieczny zapis;
        std::string blad;
        bool zapisany = zapis.Otworz(plik, blad);
        if (zapisany) {
            const std::string folder = plik.parent_path().string() + "/";
            for (const auto& w : fs::directory_iterator("/proc/self/fd")) {
                std::error_code ec;
                const std::string cel = fs::read_symlink(w.path(), ec).string();
                if (cel.starts_with(folder + "#") || cel.starts_with(folder + ".~kartogram-"))
                    kroki.insert(kroki.begin(), {"made", Zmierz(w.path())});
            }
        }
        zapisany = zapisany && zapis.Pisz(tresc, blad) && zapis.Zakoncz(blad);
        std::string wynik = (zapisany ? "1\n" : "0\n") + Cp1250NaUtf8(blad) + "\n" + Cp1250NaUtf8(zapis.Uwaga()) + "\n";
        zapis.Porzuc();
        for (const Krok& k : kroki) {
            wynik += k.wywolanie;
            for (unsigned r : k.prawa)
                wynik += " " + std::to_string(r);
            wynik += "\n";
        }
        ::_exit(::write(rura[1], wynik.data(), wynik.size()) == static_cast<ssize_t>(wynik.size()) ? 0 : 3);
    }
    ::close(rura[1]);
    std::string tekst;
    char bufor[4096];
    for (ssize_t n; (n = ::read(rura[0], bufor, sizeof bufor)) > 0;)
        tekst.append(bufor, static_cast<std::size_t>(n));
    ::close(rura[0]);
    ::waitpid(dziecko, nullptr, 0);
    std::istringstream s(tekst);
    Wynik w;
    std::string linia;
    std::getline(s, linia);
    w.zapisany = linia == "1";
    std::getline(s, w.blad);
    std::getline(s, w.uwaga);
    for (Krok k; s >> k.wywolanie;) {
        k.prawa.assign(podmioty.size(), NieZmierzony);
        for (Zbior& r : k.prawa)
            s >> r;
        w.kroki.push_back(k);
    }
    return w;
}

// The users the save's warning says it narrowed the rights of.
std::set<std::string> Zawezeni(const std::string& uwaga)
{
    const std::string zdanie = "Zawężono uprawnienia do pliku użytkownikom: ";
    std::set<std::string> nazwy;
    const std::size_t od = uwaga.find(zdanie);
    if (od == std::string::npos)
        return nazwy;
    std::istringstream s(uwaga.substr(od + zdanie.size(), uwaga.find('.', od) - od - zdanie.size()));
    for (std::string n; std::getline(s >> std::ws, n, ',');)
        nazwy.insert(n);
    return nazwy;
}

// The uids of ordinary accounts, the only ones a message may name.
std::pair<uid_t, uid_t> ZwykleUid()
{
    uid_t od = 1000, dokad = 60000;
    std::ifstream f("/etc/login.defs");
    for (std::string klucz; f >> klucz; f.ignore(1 << 16, '\n')) {
        if (klucz == "UID_MIN")
            f >> od;
        else if (klucz == "UID_MAX")
            f >> dokad;
    }
    return {od, dokad};
}

bool ZwykleKonto(const std::string& nazwa)
{
    static const std::pair<uid_t, uid_t> zakres = ZwykleUid();
    const passwd* pw = ::getpwnam(nazwa.c_str());
    return pw && pw->pw_uid >= zakres.first && pw->pw_uid <= zakres.second;
}

const std::string NazwaPozostalych = "pozostali użytkownicy";

using Bledy = std::vector<std::string>;

uid_t UidZapisujacego(int kto) { return kto == Root ? 0 : Uzytkownicy[kto].uid; }

// During the save no one may do more than before or after it. The saver
// in groups other than his own holds the temporary as he does.
void NicPonadWTrakcie(int kto, const Stan& przed, const Stan& po, const Wynik& w, Bledy& bledy)
{
    const Prawa& koniec = w.zapisany ? po.prawa : przed.prawa;
    for (const Krok& k : w.kroki)
        for (std::size_t i = 0; i < podmioty.size(); ++i) {
            const bool zapisujacy = i >= Ilu && podmioty[i].uid == UidZapisujacego(kto);
            if (!zapisujacy && !Zawiera(przed.prawa[i] | koniec[i], k.prawa[i]))
                bledy.push_back("after " + k.wywolanie + " " + podmioty[i].nazwa + " can " +
                                OpisZbioru(k.prawa[i]) + " on the new file, " + OpisZbioru(przed.prawa[i]) +
                                " before and " + OpisZbioru(koniec[i]) + " after the save");
        }
}

// No one but the saver and the previous owner may do anything he could not
// on the old file under the same groups.
void NiktNieZyskuje(int kto, const Stan& przed, const Stan& po, Bledy& bledy)
{
    for (std::size_t i = 0; i < podmioty.size(); ++i) {
        const uid_t uid = podmioty[i].uid;
        if (uid != UidZapisujacego(kto) && uid != przed.st.st_uid && !Zawiera(przed.prawa[i], po.prawa[i]))
            bledy.push_back(podmioty[i].nazwa + " could " + OpisZbioru(przed.prawa[i]) + " on the old file, can " +
                            OpisZbioru(po.prawa[i]) + " on the new");
    }
}

// The file's group named beside its file entry, neither entry giving all
// the other does: its members may do what either gives, which no one entry
// gives once the group is no longer the file's.
bool GrupaWDwochWpisach(const Stan& s)
{
    if (MaskaPusta(s.lista) || !MaWpisGrupy(s.lista, s.st.st_gid))
        return false;
    unsigned maska = 7, pliku = 0, nazwanej = 0;
    for (const WpisListy& w : s.lista) {
        maska = w.znacznik == WpisMaski ? w.prawa : maska;
        pliku = w.znacznik == WpisGrupyPliku ? w.prawa : pliku;
        nazwanej = w.znacznik == WpisGrupy && w.id == s.st.st_gid ? w.prawa : nazwanej;
    }
    const unsigned oba = pliku & nazwanej & maska;
    return oba != (pliku & maska) && oba != (nazwanej & maska);
}

// The test users' own rights after a save: the saver his single rights (as
// owner, one entry gives them all at once), the previous owner and everyone
// else exactly theirs. Only the new group's members, where the group
// changed, the old group's where two entries gave them what no one can,
// and anyone where no list could be set, may lose some.
void KazdyMaSwoje(const Przypadek& p, int kto, const Stan& przed, const Stan& po, Bledy& bledy)
{
    const bool innaGrupa = po.st.st_gid != przed.st.st_gid;
    const bool staraWDwoch = innaGrupa && GrupaWDwochWpisach(przed);
    for (int u = 0; u < Ilu; ++u) {
        const std::size_t i = static_cast<std::size_t>(u);
        const Zbior byly = przed.prawa[i], jest = po.prawa[i];
        const std::string kogo = Uzytkownicy[u].nazwa;
        const bool mozeStracic = p.odmowa == EOPNOTSUPP || (innaGrupa && Czlonek(u, po.st.st_gid)) ||
                                 (staraWDwoch && Czlonek(u, przed.st.st_gid));
        if (u == kto) {
            if (Pojedyncze(jest) != Pojedyncze(byly) &&
                !(mozeStracic && (Pojedyncze(jest) & ~Pojedyncze(byly)) == 0))
                bledy.push_back("the saver " + kogo + " had " + OpisZbioru(byly) + ", has " + OpisZbioru(jest));
        } else if (Uzytkownicy[u].uid == przed.st.st_uid && jest != byly && !(mozeStracic && Zawiera(byly, jest))) {
            bledy.push_back("the previous owner " + kogo + " had " + OpisZbioru(byly) + ", has " + OpisZbioru(jest));
        } else if (!Zawiera(jest, byly) && !mozeStracic) {
            bledy.push_back(kogo + " had " + OpisZbioru(byly) + ", has less: " + OpisZbioru(jest));
        }
    }
}

// Whether the user comes to the file as one of the others on both lists:
// not its owner, no entry of his own, in none of the groups they name.
bool JedenZPozostalych(int u, const Stan& przed, const Stan& po)
{
    for (const Stan* s : {&przed, &po}) {
        if (s->st.st_uid == Uzytkownicy[u].uid || Czlonek(u, s->st.st_gid))
            return false;
        for (const WpisListy& w : s->lista)
            if ((w.znacznik == WpisUzytkownika && w.id == Uzytkownicy[u].uid) ||
                (w.znacznik == WpisGrupy && Czlonek(u, w.id)))
                return false;
    }
    return true;
}

bool Nazwany(const std::set<std::string>& nazwani, const std::string& kogo, bool wKlasie)
{
    return nazwani.contains(kogo) || (wKlasie && nazwani.contains(NazwaPozostalych));
}

// The message names every test user but the saver who lost a request and
// no one else (one of the others is named by his class), the others' entry
// where it lost one, and no account that is not an ordinary one.
void NazwaniZawezeni(int kto, const Stan& przed, const Stan& po, const Wynik& w, Bledy& bledy)
{
    const std::set<std::string> nazwani = Zawezeni(w.uwaga);
    const auto sprawdz = [&](const std::string& kogo, std::size_t i, bool wKlasie) {
        const bool zawezony = !Zawiera(po.prawa[i], przed.prawa[i]);
        const bool nazwany = Nazwany(nazwani, kogo, wKlasie);
        if (zawezony != nazwany && (zawezony || nazwani.contains(kogo)))
            bledy.push_back(kogo + (zawezony ? " lost " + OpisZbioru(przed.prawa[i]) + ">" + OpisZbioru(po.prawa[i]) +
                                                   " and is not named"
                                             : " is named, not narrowed") +
                            " in: " + w.uwaga);
    };
    for (int u = 0; u < Ilu; ++u)
        if (u != kto)
            sprawdz(Uzytkownicy[u].nazwa, static_cast<std::size_t>(u), JedenZPozostalych(u, przed, po));
    sprawdz(NazwaPozostalych, Pozostali(), false);
    std::string nieZwykle;
    for (const std::string& n : nazwani) {
        const bool testowy = std::any_of(std::begin(Uzytkownicy), std::end(Uzytkownicy),
                                         [&n](const Konto& k) { return n == k.nazwa; });
        if (!testowy && n != NazwaPozostalych && !ZwykleKonto(n))
            nieZwykle += (nieZwykle.empty() ? "" : ", ") + n;
    }
    if (!nieZwykle.empty())
        bledy.push_back("the message names accounts that are not ordinary ones: " + nieZwykle);
}

// The owner and group the save gave, and the entries it must not add.
void WlascicielIGrupa(int kto, const Stan& przed, const Stan& po, Bledy& bledy)
{
    const uid_t wlasciciel = kto == Root ? przed.st.st_uid : Uzytkownicy[kto].uid;
    if (po.st.st_uid != wlasciciel)
        bledy.push_back("owner " + NazwaUid(po.st.st_uid) + ", not " + NazwaUid(wlasciciel));
    // The group changes only where the saver is not in it.
    if (po.st.st_gid != przed.st.st_gid && (kto == Root || Czlonek(kto, przed.st.st_gid)))
        bledy.push_back("group " + NazwaGrupy(po.st.st_gid) + ", not " + NazwaGrupy(przed.st.st_gid));
    for (const WpisListy& e : po.lista)
        if (e.znacznik == WpisUzytkownika && e.id == po.st.st_uid)
            bledy.push_back("the owner has a named entry");
    // The previous owner's entry only where the others do not give him his
    // rights.
    for (int u = 0; u < Ilu; ++u) {
        if (Uzytkownicy[u].uid != przed.st.st_uid || po.st.st_uid == przed.st.st_uid ||
            std::none_of(po.lista.begin(), po.lista.end(),
                         [&](const WpisListy& e) { return e.znacznik == WpisUzytkownika && e.id == przed.st.st_uid; }))
            continue;
        // Each group entry gives its requests whole, within the mask.
        unsigned maska = 7, pozostali = 0;
        for (const WpisListy& e : po.lista) {
            maska = e.znacznik == WpisMaski ? e.prawa : maska;
            pozostali = e.znacznik == WpisPozostalych ? e.prawa : pozostali;
        }
        Zbior grupy = 0;
        bool wGrupie = false;
        for (const WpisListy& e : po.lista)
            if ((e.znacznik == WpisGrupyPliku && Czlonek(u, po.st.st_gid)) ||
                (e.znacznik == WpisGrupy && Czlonek(u, e.id))) {
                wGrupie = true;
                grupy |= Zamkniecie(e.prawa & maska);
            }
        if ((wGrupie ? grupy : Zamkniecie(pozostali)) == Zamkniecie(Pojedyncze(przed.prawa[static_cast<std::size_t>(u)])))
            bledy.push_back("the previous owner has a named entry the others' give him already");
    }
}

// A failed save leaves the old file as it was, and nothing beside it.
void NicNieZmienione(const Przypadek& p, const Stan& przed, const Stan& po, const Wynik& w, bool odmowa,
                     Bledy& bledy)
{
    if (!odmowa && p.odmowa != ENOSPC && p.odmowa != EIO)
        bledy.push_back("the save failed: " + w.blad);
    if (!w.blad.starts_with("Nie można zapisać pliku"))
        bledy.push_back("a failed save's message: " + w.blad);
    if (po.tresc != przed.tresc || po.st.st_uid != przed.st.st_uid || po.st.st_gid != przed.st.st_gid ||
        po.st.st_mode != przed.st.st_mode || OpisListy(po.lista) != OpisListy(przed.lista) ||
        po.prawa != przed.prawa)
        bledy.push_back("a failed save changed the old file");
    if (po.plikow != 1)
        bledy.push_back("a failed save left " + std::to_string(po.plikow - 1) + " file(s) in the folder");
}

// What the rule finds wrong in one save by `kto`, from `przed` to `po`.
Bledy BledyZapisu(const Przypadek& p, int kto, const Stan& przed, const Stan& po, const Wynik& w,
                  const std::string& tresc)
{
    Bledy bledy;
    const bool odmowa = (przed.st.st_mode & 0200) == 0 || (kto != Root && (przed.prawa[kto] >> 2 & 1) == 0);
    NicPonadWTrakcie(kto, przed, po, w, bledy);
    if (!w.zapisany) {
        NicNieZmienione(p, przed, po, w, odmowa, bledy);
        return bledy;
    }
    if (odmowa)
        bledy.push_back("saved, though the file is read-only or the saver may not write it");
    if (po.tresc != tresc || po.plikow != 1)
        bledy.push_back("the new contents are not in the file alone");
    NiktNieZyskuje(kto, przed, po, bledy);
    WlascicielIGrupa(kto, przed, po, bledy);
    KazdyMaSwoje(p, kto, przed, po, bledy);
    NazwaniZawezeni(kto, przed, po, w, bledy);
    return bledy;
}

std::size_t Wpisow(const Stan& s) { return s.lista.empty() ? 3 : s.lista.size(); }

// The test users but the saver whom the save narrowed and named for it in
// its message.
std::set<int> ZawezeniINazwani(int kto, const Stan& przed, const Stan& po, const Wynik& w)
{
    const std::set<std::string> nazwani = Zawezeni(w.uwaga);
    std::set<int> ktorzy;
    for (int u = 0; u < Ilu; ++u) {
        const std::size_t i = static_cast<std::size_t>(u);
        if (u != kto && !Zawiera(po.prawa[i], przed.prawa[i]) &&
            Nazwany(nazwani, Uzytkownicy[u].nazwa, JedenZPozostalych(u, przed, po)))
            ktorzy.insert(u);
    }
    return ktorzy;
}

// What saves in turn did on the way, beside each save's own judgement.
struct Droga {
    std::set<int> zawezeni;      // narrowed by a save and named in its message
    std::string grupaBezWpisu;   // a group that took the file with no entry of its own that spoke
};

// A group taking the file becomes the file's group at what its own entry
// gave, that entry gone; with none, or one asleep under an empty mask (the
// list is then made anew from the mode), nothing leaves the list for the
// named entry the old group keeps.
bool GrupaBezWpisu(const Stan& przed, const Stan& po)
{
    return po.st.st_gid != przed.st.st_gid && (!MaWpisGrupy(przed.lista, po.st.st_gid) || MaskaPusta(przed.lista));
}

// After saves in turn and back no one, in any groups, may do more than at
// first, and every test user exactly what he did, unless a save on the way
// narrowed him and named him for it. A saver who could read and write only
// apart may have both at once now: his single rights count. A saver's
// memberships of tomorrow go unchecked: as the previous owner he gets an
// entry of his own only where his groups of the moment fall short of his
// owner rights, so that passing the file back and forth adds no entries.
// The list grows by no entry but the named one of a group that lost the
// file to one with no entry that spoke.
Bledy BledyPowrotu(const Przypadek& p, const Stan& poczatek, const Stan& koniec, const Droga& droga)
{
    Bledy bledy;
    const auto rozdzielne = [&](int k) {
        const Zbior z = k == Root ? 0 : poczatek.prawa[static_cast<std::size_t>(k)];
        return z != Zamkniecie(Pojedyncze(z));
    };
    for (std::size_t i = 0; i < podmioty.size(); ++i) {
        const Podmiot& s = podmioty[i];
        const bool zapisywal = s.konto != Root && std::find(p.zapisujacy.begin(), p.zapisujacy.end(), s.konto) !=
                                                      p.zapisujacy.end();
        if (zapisywal && i >= Ilu)
            continue;
        Zbior byl = poczatek.prawa[i], jest = koniec.prawa[i];
        if (zapisywal && rozdzielne(s.konto)) {
            byl = Zamkniecie(Pojedyncze(byl));
            jest = Zamkniecie(Pojedyncze(jest));
        }
        const bool swoje = i >= Ilu || droga.zawezeni.contains(s.konto) ? Zawiera(byl, jest) : jest == byl;
        if (!swoje)
            bledy.push_back(s.nazwa + " could " + OpisZbioru(poczatek.prawa[i]) + " at first, can " +
                            OpisZbioru(koniec.prawa[i]) + " at last" +
                            (droga.zawezeni.contains(s.konto) ? ", named as narrowed on the way" : ""));
    }
    // A saver who could read and write only apart, owner meanwhile with both
    // at once, keeps them by an entry of his own when he passes the file on.
    if (Wpisow(koniec) > Wpisow(poczatek) && droga.grupaBezWpisu.empty() &&
        std::none_of(p.zapisujacy.begin(), p.zapisujacy.end(), rozdzielne))
        bledy.push_back("the list grew from " + std::to_string(Wpisow(poczatek)) + " to " +
                        std::to_string(Wpisow(koniec)) + " entries");
    return bledy;
}

// A case's saves, every one measured and judged.
struct Przebieg {
    bool zly = false;
    std::string slad;
    Droga droga;
    int zawezonychNaKoniec = 0;  // test users short of their first rights at last, as named on the way
    bool listaUrosla = false;
};

Przebieg Przeprowadz(const Przypadek& p, const fs::path& folder, const std::string& naglowek)
{
    Przebieg wynik;
    const fs::path plik = folder / "p.rup";
    if (!Przygotuj(p, folder, plik)) {
        wynik.zly = true;
        wynik.slad = naglowek + ": could not make the folder and file of " + Opis(p);
        return wynik;
    }
    const Stan poczatek = Odczytaj(plik);
    Stan przed = poczatek;
    std::ostringstream slad;
    slad << naglowek << ": " << Opis(p) << "\n  at first: " << OpisPraw(poczatek.prawa) << ", list "
         << OpisListy(poczatek.lista);
    bool zapisane = true;
    for (std::size_t n = 0; n < p.zapisujacy.size(); ++n) {
        const int kto = p.zapisujacy[n];
        const std::string tresc = "zapis " + std::to_string(n) + "\r\n";
        const Wynik w = Zapisz(p, kto, plik, tresc);
        const Stan po = Odczytaj(plik);
        slad << "\n  saved by " << NazwaUzytkownika(kto) << ": " << (w.zapisany ? "saved" : w.blad);
        for (const Krok& k : w.kroki)
            slad << "\n    after " << k.wywolanie << ": " << OpisPraw(k.prawa);
        slad << "\n    then " << OpisPraw(po.prawa) << ", " << NazwaUid(po.st.st_uid) << ":"
             << NazwaGrupy(po.st.st_gid) << " 0" << std::oct << (po.st.st_mode & 07777) << std::dec << ", list "
             << OpisListy(po.lista) << "\n    " << OpisZmian(przed.prawa, po.prawa)
             << (w.uwaga.empty() ? "" : "\n    warning: " + w.uwaga);
        for (const std::string& b : BledyZapisu(p, kto, przed, po, w, tresc)) {
            slad << "\n    WRONG: " << b;
            wynik.zly = true;
        }
        if (w.zapisany) {
            const std::set<int> zawezeni = ZawezeniINazwani(kto, przed, po, w);
            wynik.droga.zawezeni.insert(zawezeni.begin(), zawezeni.end());
            if (GrupaBezWpisu(przed, po))
                wynik.droga.grupaBezWpisu = NazwaGrupy(po.st.st_gid);
        }
        zapisane = zapisane && w.zapisany;
        przed = po;
    }
    if (p.zapisujacy.size() > 1 && zapisane) {
        if (!wynik.droga.grupaBezWpisu.empty())
            slad << "\n  " << wynik.droga.grupaBezWpisu << " took the file on the way; the list became "
                 << OpisListy(przed.lista);
        for (int u : wynik.droga.zawezeni)
            wynik.zawezonychNaKoniec += przed.prawa[static_cast<std::size_t>(u)] !=
                                        poczatek.prawa[static_cast<std::size_t>(u)];
        wynik.listaUrosla = Wpisow(przed) > Wpisow(poczatek);
        for (const std::string& b : BledyPowrotu(p, poczatek, przed, wynik.droga)) {
            slad << "\n  WRONG at last: " << b;
            wynik.zly = true;
        }
    }
    wynik.slad = slad.str();
    return wynik;
}

class PrawaZapisu : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (::geteuid() != 0)
            return;
        UsunPorzucone();
        brakBazy = baza.Otworz();
        if (brakBazy.empty())
            brakBazy = BazaUzytkownikow();
    }
    static void TearDownTestSuite() { baza.Zamknij(); }
    // The folders of runs killed before they could remove them.
    static void UsunPorzucone()
    {
        std::error_code ec;
        for (const auto& w : fs::directory_iterator(fs::temp_directory_path(), ec)) {
            const std::string nazwa = w.path().filename().string();
            if (!nazwa.starts_with(Przedrostek))
                continue;
            const pid_t pid = static_cast<pid_t>(std::strtol(nazwa.c_str() + Przedrostek.size(), nullptr, 10));
            if (pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH)
                fs::remove_all(w.path(), ec);
        }
    }
    void SetUp() override
    {
        if (::geteuid() != 0)
            GTEST_SKIP() << "needs root to make the test's users and act as them";
        if (!brakBazy.empty())
            GTEST_SKIP() << "no test accounts in the program's own user database: " << brakBazy;
        for (uid_t uid = NieznaniOd; uid < NieznaniOd + NieznanychUid; ++uid)
            if (::getpwuid(uid))
                GTEST_SKIP() << "uid " << uid << " has an account, the test needs it unknown";
        UstalPodmioty();
        katalog = fs::temp_directory_path() / (Przedrostek + std::to_string(::getpid()) + "_" +
                                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(katalog);
        const fs::path proba = katalog / "proba";
        std::ofstream(proba) << "";
        if (!UstawListe(proba, "system.posix_acl_access", LosowaLista(los, 0600, 0, {})))
            GTEST_SKIP() << "no access lists on " << katalog;
        const char* ziarno = std::getenv("KG_ZAPISY_ZIARNO");
        const char* ile = std::getenv("KG_ZAPISY_LOSOWE");
        const char* jeden = std::getenv("KG_ZAPISY_PRZYPADEK");
        ziarnoSerii = ziarno ? std::strtoull(ziarno, nullptr, 10) : 4301;
        zadanych = ile ? std::strtoul(ile, nullptr, 10) : 0;
        tylkoPrzypadek = jeden ? std::strtol(jeden, nullptr, 10) : -1;
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(katalog, ec);
    }
    // Runs the cases, case i of seed s from its own seed s * 1,000,000 + i,
    // so that no two seeds share one; reports the first few that break the
    // rule, with every save's measurements.
    void Sprawdz(bool wTurze, unsigned long domyslnie)
    {
        const unsigned long przypadkow = zadanych ? zadanych : domyslnie;
        unsigned long zlych = 0, nowychGrup = 0, zawezonych = 0, urosly = 0;
        const unsigned long od = tylkoPrzypadek >= 0 ? static_cast<unsigned long>(tylkoPrzypadek) : 0;
        const unsigned long dokad = tylkoPrzypadek >= 0 ? od + 1 : przypadkow;
        for (unsigned long i = od; i < dokad; ++i) {
            const unsigned long long ziarno = ziarnoSerii * 1000000ULL + i;
            std::seed_seq nasiono{static_cast<std::uint32_t>(ziarno), static_cast<std::uint32_t>(ziarno >> 32)};
            los.seed(nasiono);
            const Przypadek p = Losuj(los, wTurze);
            std::ostringstream naglowek;
            naglowek << "case " << i << " of seed " << ziarnoSerii << " (KG_ZAPISY_ZIARNO=" << ziarnoSerii
                     << " KG_ZAPISY_PRZYPADEK=" << i << ")";
            const Przebieg przebieg = Przeprowadz(p, katalog / "f", naglowek.str());
            if (!przebieg.droga.grupaBezWpisu.empty() && ++nowychGrup <= 3)
                std::cout << "[ note     ] " << przebieg.slad << "\n";
            zawezonych += static_cast<unsigned long>(przebieg.zawezonychNaKoniec);
            urosly += przebieg.listaUrosla;
            if (przebieg.zly && ++zlych <= 5)
                ADD_FAILURE() << przebieg.slad;
        }
        if (wTurze)
            std::cout << "[ note     ] of " << dokad - od << " case(s): in " << nowychGrup
                      << " a group with no entry of its own that spoke took the file on the way; " << zawezonych
                      << " user(s) ended short of their first rights, each named as narrowed by a save; "
                      << urosly << " list(s) grew\n";
        EXPECT_EQ(zlych, 0u) << "cases breaking the rule of " << dokad - od;
    }
    // A hand-made case, by the same rule.
    void SprawdzJeden(const Przypadek& p)
    {
        const Przebieg przebieg = Przeprowadz(p, katalog / "f", "hand-made");
        EXPECT_FALSE(przebieg.zly) << przebieg.slad;
    }
    inline static const std::string Przedrostek = "kg_prawa_";  // then the pid
    inline static WlasnaBazaUzytkownikow baza;
    inline static std::string brakBazy;
    fs::path katalog;
    std::mt19937 los;
    unsigned long long ziarnoSerii = 0;
    unsigned long zadanych = 0;
    long tylkoPrzypadek = -1;
};

constexpr int A = 0, B = 1, C = 2, E = 4, F = 5;

// A file of `wlasciciel` and `grupa` with that list (or mode alone), saved
// by each of `zapisujacy` in turn.
Przypadek Reczny(int wlasciciel, gid_t grupa, unsigned tryb, ListaUprawnien lista, std::vector<int> zapisujacy)
{
    Przypadek p;
    p.wlasciciel = wlasciciel;
    p.grupa = grupa;
    p.tryb = tryb;
    p.lista = std::move(lista);
    p.zapisujacy = std::move(zapisujacy);
    return p;
}

} // namespace

// Single saves: by the owner, a colleague or root, in both ways, some
// where the list cannot be set.
TEST_F(PrawaZapisu, EveryUserKeepsExactlyHisRights)
{
    Sprawdz(false, 300);
}

// Saves in turn (A, B, A and A, B, C, A) by the owner and colleagues.
TEST_F(PrawaZapisu, SavesInTurnEndWhereTheyStarted)
{
    Sprawdz(true, 100);
}

// A user the list shuts out by name stays shut out when he joins the
// file's group, though today the others' entry gives him the same nothing.
TEST_F(PrawaZapisu, ANamedUsersEntryOutlastsHisGroups)
{
    SprawdzJeden(Reczny(A, Grupy[0], 0660,
                        {{WpisWlasciciela, 6}, {WpisUzytkownika, 0, Uzytkownicy[C].uid}, {WpisGrupyPliku, 6},
                         {WpisMaski, 6}, {WpisPozostalych, 0}},
                        {B}));
}

// A colleague with an entry of his own saves: the group keeps reading only,
// for members the database does not know as well.
TEST_F(PrawaZapisu, TheGroupKeepsItsRightsBesideTheSaversEntry)
{
    SprawdzJeden(Reczny(A, Grupy[0], 0640,
                        {{WpisWlasciciela, 6}, {WpisUzytkownika, 6, Uzytkownicy[B].uid}, {WpisGrupyPliku, 4},
                         {WpisMaski, 6}, {WpisPozostalych, 0}},
                        {B}));
}

// The file passes to a group of the saver's: the old group, shut out of what
// the others may do, stays shut out for its members to be.
TEST_F(PrawaZapisu, TheOldGroupKeepsItsEntryForItsMembersToBe)
{
    SprawdzJeden(Reczny(E, Grupy[2], 0606, {}, {B}));
}

// A user with an entry to read and write, in two groups that give one each,
// keeps doing both at once.
TEST_F(PrawaZapisu, AUserKeepsReadingAndWritingAtOnce)
{
    SprawdzJeden(Reczny(A, Grupy[0], 0660,
                        {{WpisWlasciciela, 6}, {WpisUzytkownika, 6, Uzytkownicy[B].uid}, {WpisGrupyPliku, 4},
                         {WpisGrupy, 2, Grupy[1]}, {WpisMaski, 6}, {WpisPozostalych, 0}},
                        {F}));
}
