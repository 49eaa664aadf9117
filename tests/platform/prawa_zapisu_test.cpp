// Random saves of files with random owners, groups, modes and access lists,
// by their owner, a colleague or root, one at a time and in turn: every
// user's rights are measured by the system itself, as that user, before the
// save, after it and after every step that changes the new file's
// permissions. Users and groups are real entries of the system's database
// (the save learns memberships from it), made once and kept.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <grp.h>
#include <pwd.h>
#include <random>
#include <set>
#include <sstream>
#include <sys/fsuid.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <thread>
#include <unistd.h>

#include "base/Kodowanie.h"
#include "platform/ListaUprawnien.h"
#include "platform/ZapisBezpieczny.h"
#include "wspolne/odmowa_atrybutow.h"

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
using Prawa = std::array<unsigned, Ilu>;  // r w x as 4 2 1, each user's
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

// The users and groups as the database has them; "" when ready, else why
// not. Another test program may be making them at the same moment.
std::string BazaUzytkownikow()
{
    std::string brak;
    for (int proba = 0; proba < 20; ++proba) {
        brak.clear();
        for (gid_t g : Grupy) {
            const group* gr = ::getgrnam(NazwaGrupy(g).c_str());
            if (!gr)
                std::system(("groupadd -g " + std::to_string(g) + " " + NazwaGrupy(g) + " 2>/dev/null").c_str());
            gr = ::getgrnam(NazwaGrupy(g).c_str());
            if (!gr || gr->gr_gid != g)
                brak = "group " + NazwaGrupy(g) + " with gid " + std::to_string(g);
        }
        for (int u = 0; u < Ilu && brak.empty(); ++u) {
            const Konto& k = Uzytkownicy[u];
            std::string dodatkowe;
            for (gid_t g : k.dodatkowe)
                dodatkowe += (dodatkowe.empty() ? " -G " : ",") + std::to_string(g);
            if (!::getpwnam(k.nazwa))
                std::system(("useradd -M -N -s /usr/sbin/nologin -u " + std::to_string(k.uid) + " -g " +
                             std::to_string(k.grupa) + dodatkowe + " " + k.nazwa + " 2>/dev/null")
                                .c_str());
            const passwd* pw = ::getpwnam(k.nazwa);
            std::vector<gid_t> grupy(32);
            int ile = static_cast<int>(grupy.size());
            std::set<gid_t> oczekiwane(k.dodatkowe.begin(), k.dodatkowe.end());
            oczekiwane.insert(k.grupa);
            if (pw && pw->pw_uid == k.uid && pw->pw_gid == k.grupa &&
                ::getgrouplist(k.nazwa, k.grupa, grupy.data(), &ile) >= 0 &&
                std::set<gid_t>(grupy.begin(), grupy.begin() + ile) == oczekiwane) {
                grupyUzytkownika[u].assign(grupy.begin(), grupy.begin() + ile);
                continue;
            }
            brak = std::string("user ") + k.nazwa + " with uid " + std::to_string(k.uid) + " in his groups";
        }
        if (brak.empty())
            return brak;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    return brak;
}

// Each test user's rights on the file at `sciezka`, as the system checks
// them for him: a child of a process that is root or keeps a saved uid of 0
// (a saver) becomes root again and takes each user's ids in turn.
Prawa Zmierz(const std::string& sciezka)
{
    Prawa prawa{};
    prawa.fill(010);  // not measured
    int rura[2];
    if (::pipe(rura) != 0)
        return prawa;
    const pid_t dziecko = ::fork();
    if (dziecko == 0) {
        unsigned char wynik[Ilu];
        if (::setresuid(0, 0, 0) != 0 || ::setresgid(0, 0, 0) != 0)
            ::_exit(1);
        for (int u = 0; u < Ilu; ++u) {
            if (::setgroups(grupyUzytkownika[u].size(), grupyUzytkownika[u].data()) != 0)
                ::_exit(1);
            ::setfsgid(Uzytkownicy[u].grupa);
            ::setfsuid(Uzytkownicy[u].uid);
            wynik[u] = 0;
            for (const auto& [prawo, bit] : {std::pair{R_OK, 4}, {W_OK, 2}, {X_OK, 1}})
                if (::faccessat(AT_FDCWD, sciezka.c_str(), prawo, AT_EACCESS) == 0)
                    wynik[u] |= static_cast<unsigned char>(bit);
            ::setfsuid(0);
            ::setfsgid(0);
        }
        ::_exit(::write(rura[1], wynik, Ilu) == Ilu ? 0 : 1);
    }
    ::close(rura[1]);
    unsigned char wynik[Ilu];
    if (::read(rura[0], wynik, Ilu) == Ilu)
        std::copy(wynik, wynik + Ilu, prawa.begin());
    ::close(rura[0]);
    ::waitpid(dziecko, nullptr, 0);
    return prawa;
}

std::string Rwx(unsigned p)
{
    if (p > 7)
        return "???";
    return std::string(p & 4 ? "r" : "-") + (p & 2 ? "w" : "-") + (p & 1 ? "x" : "-");
}

std::string OpisPraw(const Prawa& p)
{
    std::string s;
    for (int u = 0; u < Ilu; ++u)
        s += std::string(u ? " " : "") + Uzytkownicy[u].nazwa + "=" + Rwx(p[u]);
    return s;
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

// A random list: the owner's and others' entries from the mode, named users
// other than the owner (the writers always, with write) and named groups
// other than the file's, a mask that may shut out part of what they give.
ListaUprawnien LosowaLista(std::mt19937& los, unsigned tryb, int wlasciciel, gid_t grupa, const std::set<int>& pisza)
{
    const auto z = [&los](unsigned n) { return static_cast<unsigned>(los() % n); };
    ListaUprawnien l{{WpisWlasciciela, tryb >> 6 & 7}};
    for (int u = 0; u < Ilu; ++u)
        if (u != wlasciciel && (pisza.contains(u) || z(4) == 0))
            l.push_back({WpisUzytkownika, z(8) | (pisza.contains(u) ? 2 : 0), Uzytkownicy[u].uid});
    l.push_back({WpisGrupyPliku, z(8)});
    for (gid_t g : Grupy)
        if (g != grupa && z(4) == 0)
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
        p.domyslna = LosowaLista(los, 0700 | z(0100), Root, p.grupaFolderu, {});
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
        p.lista = LosowaLista(los, p.tryb, p.wlasciciel, p.grupa, pisza);
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
        for (unsigned& r : k.prawa)
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

// What the rule finds wrong in one save by `kto`, from `przed` to `po`.
std::vector<std::string> Bledy(const Przypadek& p, int kto, const Stan& przed, const Stan& po, const Wynik& w,
                               const std::string& tresc)
{
    std::vector<std::string> bledy;
    const auto blad = [&bledy](const std::string& b) { bledy.push_back(b); };
    const bool odmowa = (przed.st.st_mode & 0200) == 0 || (kto != Root && (przed.prawa[kto] & 2) == 0);
    const Prawa& koniec = w.zapisany ? po.prawa : przed.prawa;
    for (const Krok& k : w.kroki)
        for (int u = 0; u < Ilu; ++u)
            if (k.prawa[u] & ~(przed.prawa[u] | koniec[u]))
                blad("after " + k.wywolanie + " " + Uzytkownicy[u].nazwa + " holds " + Rwx(k.prawa[u]) +
                     " on the new file (" + OpisPraw(k.prawa) + ")");
    if (!w.zapisany) {
        if (!odmowa && p.odmowa != ENOSPC && p.odmowa != EIO)
            blad("the save failed: " + w.blad);
        if (!w.blad.starts_with("Nie można zapisać pliku"))
            blad("a failed save's message: " + w.blad);
        if (po.tresc != przed.tresc || po.st.st_uid != przed.st.st_uid || po.st.st_gid != przed.st.st_gid ||
            po.st.st_mode != przed.st.st_mode || OpisListy(po.lista) != OpisListy(przed.lista) ||
            po.prawa != przed.prawa)
            blad("a failed save changed the old file");
        if (po.plikow != 1)
            blad("a failed save left " + std::to_string(po.plikow - 1) + " file(s) in the folder");
        return bledy;
    }
    if (odmowa)
        blad("saved, though the file is read-only or the saver may not write it");
    if (po.tresc != tresc || po.plikow != 1)
        blad("the new contents are not in the file alone");
    const uid_t wlasciciel = kto == Root ? przed.st.st_uid : Uzytkownicy[kto].uid;
    if (po.st.st_uid != wlasciciel)
        blad("owner " + NazwaUid(po.st.st_uid) + ", not " + NazwaUid(wlasciciel));
    // The group changes only where the saver is not in it; then only its
    // new group's members may lose rights, as all may where no list is
    // taken. A save whose list could not be set has exact rights or fails.
    const bool innaGrupa = po.st.st_gid != przed.st.st_gid;
    if (innaGrupa && (kto == Root || Czlonek(kto, przed.st.st_gid)))
        blad("group " + NazwaGrupy(po.st.st_gid) + ", not " + NazwaGrupy(przed.st.st_gid));
    const std::set<std::string> nazwani = Zawezeni(w.uwaga);
    for (int u = 0; u < Ilu; ++u) {
        const std::string kogo = Uzytkownicy[u].nazwa;
        const bool zawezone = przed.prawa[u] & ~po.prawa[u];
        if (po.prawa[u] & ~przed.prawa[u])
            blad(kogo + " had " + Rwx(przed.prawa[u]) + ", has more: " + Rwx(po.prawa[u]));
        else if (zawezone && p.odmowa != EOPNOTSUPP && !(p.odmowa == 0 && innaGrupa && Czlonek(u, po.st.st_gid)))
            blad(kogo + " had " + Rwx(przed.prawa[u]) + ", has less: " + Rwx(po.prawa[u]));
        if (zawezone != nazwani.contains(kogo))
            blad(kogo + (zawezone ? " is narrowed and not named" : " is named, not narrowed") + " in: " + w.uwaga);
    }
    for (const WpisListy& e : po.lista)
        if (e.znacznik == WpisUzytkownika && e.id == po.st.st_uid)
            blad("the owner has a named entry");
    // The previous owner's entry only where the others do not give him his
    // rights.
    for (int u = 0; u < Ilu; ++u) {
        if (Uzytkownicy[u].uid != przed.st.st_uid || po.st.st_uid == przed.st.st_uid ||
            std::none_of(po.lista.begin(), po.lista.end(),
                         [&](const WpisListy& e) { return e.znacznik == WpisUzytkownika && e.id == przed.st.st_uid; }))
            continue;
        unsigned grupy = 0, maska = 7, pozostali = 0;
        bool wGrupie = false;
        for (const WpisListy& e : po.lista) {
            if ((e.znacznik == WpisGrupyPliku && Czlonek(u, po.st.st_gid)) ||
                (e.znacznik == WpisGrupy && Czlonek(u, e.id))) {
                wGrupie = true;
                grupy |= e.prawa;
            }
            maska = e.znacznik == WpisMaski ? e.prawa : maska;
            pozostali = e.znacznik == WpisPozostalych ? e.prawa : pozostali;
        }
        if ((wGrupie ? grupy & maska : pozostali) == przed.prawa[u])
            blad("the previous owner has a named entry the others' give him already");
    }
    return bledy;
}

std::size_t Wpisow(const Stan& s) { return s.lista.empty() ? 3 : s.lista.size(); }

class PrawaZapisu : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (::geteuid() != 0)
            GTEST_SKIP() << "needs root to make the test's users and act as them";
        const std::string brak = BazaUzytkownikow();
        if (!brak.empty())
            GTEST_SKIP() << "could not make the " << brak << " (useradd, groupadd: the package passwd)";
        katalog = fs::temp_directory_path() / ("kg_prawa_" + std::to_string(::getpid()) + "_" +
                                               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(katalog);
        const fs::path proba = katalog / "proba";
        std::ofstream(proba) << "";
        if (!UstawListe(proba, "system.posix_acl_access", LosowaLista(los, 0600, 0, Grupy[0], {})))
            GTEST_SKIP() << "no access lists on " << katalog;
        const char* ziarno = std::getenv("KG_ZAPISY_ZIARNO");
        const char* ile = std::getenv("KG_ZAPISY_LOSOWE");
        pierwsze = ziarno ? std::strtoul(ziarno, nullptr, 10) : 4301;
        zadanych = ile ? std::strtoul(ile, nullptr, 10) : 0;
    }
    void TearDown() override
    {
        std::error_code ec;
        fs::remove_all(katalog, ec);
    }
    // Runs the cases, each from its own seed; reports the first few that
    // break the rule, with every save's measurements.
    void Sprawdz(bool wTurze, unsigned long domyslnie)
    {
        const unsigned long przypadkow = zadanych ? zadanych : domyslnie;
        int zlych = 0;
        for (unsigned long i = 0; i < przypadkow; ++i) {
            const unsigned long ziarno = pierwsze + i;
            los.seed(static_cast<std::mt19937::result_type>(ziarno));
            const Przypadek p = Losuj(los, wTurze);
            const fs::path folder = katalog / "f", plik = folder / "p.rup";
            ASSERT_TRUE(Przygotuj(p, folder, plik)) << Opis(p);
            const Stan poczatek = Odczytaj(plik);
            Stan przed = poczatek;
            std::ostringstream slad;
            slad << "seed " << ziarno << " (KG_ZAPISY_ZIARNO=" << ziarno << " KG_ZAPISY_LOSOWE=1): " << Opis(p)
                 << "\n  at first: " << OpisPraw(poczatek.prawa) << ", list " << OpisListy(poczatek.lista);
            bool zle = false, zawezone = false, zapisane = true;
            for (std::size_t n = 0; n < p.zapisujacy.size(); ++n) {
                const int kto = p.zapisujacy[n];
                const std::string tresc = "zapis " + std::to_string(n) + "\r\n";
                const Wynik w = Zapisz(p, kto, plik, tresc);
                const Stan po = Odczytaj(plik);
                slad << "\n  saved by " << NazwaUzytkownika(kto) << ": " << (w.zapisany ? "saved" : w.blad);
                for (const Krok& k : w.kroki)
                    slad << "\n    after " << k.wywolanie << ": " << OpisPraw(k.prawa);
                slad << "\n    then " << OpisPraw(po.prawa) << ", " << NazwaUid(po.st.st_uid) << ":"
                     << NazwaGrupy(po.st.st_gid) << " 0" << std::oct << (po.st.st_mode & 07777) << std::dec
                     << ", list " << OpisListy(po.lista) << (w.uwaga.empty() ? "" : "\n    warning: " + w.uwaga);
                for (const std::string& b : Bledy(p, kto, przed, po, w, tresc)) {
                    slad << "\n    WRONG: " << b;
                    zle = true;
                }
                zawezone = zawezone || po.prawa != przed.prawa;
                zapisane = zapisane && w.zapisany;
                przed = po;
            }
            // In turn, the saves that kept every right and the group end
            // where they started, with no more entries.
            if (wTurze && zapisane && !zawezone && przed.st.st_gid == poczatek.st.st_gid &&
                Wpisow(przed) > Wpisow(poczatek)) {
                slad << "\n    WRONG: the list grew from " << Wpisow(poczatek) << " to " << Wpisow(przed) << " entries";
                zle = true;
            }
            if (zle && ++zlych <= 5)
                ADD_FAILURE() << slad.str();
        }
        EXPECT_EQ(zlych, 0) << "cases breaking the rule of " << przypadkow;
    }
    fs::path katalog;
    std::mt19937 los;
    unsigned long pierwsze = 0, zadanych = 0;
};

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
