// A colleague's save of another user's file against a save of one's own, with
// 2,000 users in the user database: the file handed over is the writer's
// after the save, so its group and access list are worked out anew to keep
// everyone's rights, from every user's groups. Needs root, to add the users
// (kgb_0000 to kgb_1999, their groups, kgbg_zespol and kgbg_biuro) to the
// program's own copy of the user database, and to save as one of them.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/ZapisBezpieczny.h"
#include "tests/wspolne/wlasna_baza_uzytkownikow.h"

namespace {

constexpr int Uzytkownikow = 2000;
constexpr int WZespole = 50, WBiurze = 500;

std::string Uzytkownik(int i)
{
    char nazwa[16];
    std::snprintf(nazwa, sizeof nazwa, "kgb_%04d", i);
    return nazwa;
}

// A block of ids for the users and their groups that no account or group
// of the database has, within the ordinary accounts' range.
std::optional<unsigned> WolneIdentyfikatory(unsigned ile)
{
    std::set<unsigned> zajete;
    ::setpwent();
    while (const passwd* p = ::getpwent())
        zajete.insert(p->pw_uid);
    ::endpwent();
    ::setgrent();
    while (const group* g = ::getgrent())
        zajete.insert(g->gr_gid);
    ::endgrent();
    for (unsigned od = 20000; od + ile <= 60000; od += ile)
        if (zajete.lower_bound(od) == zajete.lower_bound(od + ile))
            return od;
    return std::nullopt;
}

// The users, each with a group of his own, and two groups with members, in
// the program's own copy of the user database, gone with it: made at the
// first run. "" or what failed.
std::string Uzytkownicy()
{
    static WlasnaBazaUzytkownikow baza;
    static std::string blad = []() -> std::string {
        if (std::string b = baza.Otworz(); !b.empty())
            return b;
        // Left in the system's database by an earlier version.
        if (::getpwnam(Uzytkownik(Uzytkownikow - 1).c_str()) && ::getgrnam("kgbg_biuro"))
            return "";
        const std::optional<unsigned> od = WolneIdentyfikatory(Uzytkownikow + 2);
        if (!od)
            return "no free ids for the users";
        std::string konta, grupy, zespol, biuro;
        for (int i = 0; i < Uzytkownikow; ++i) {
            const std::string id = std::to_string(*od + static_cast<unsigned>(i)), nazwa = Uzytkownik(i);
            konta += nazwa + ":x:" + id + ":" + id + "::/nonexistent:/usr/sbin/nologin\n";
            grupy += nazwa + ":x:" + id + ":\n";
            if (i < WZespole)
                zespol += (i ? "," : "") + nazwa;
            if (i < WBiurze)
                biuro += (i ? "," : "") + nazwa;
        }
        grupy += "kgbg_zespol:x:" + std::to_string(*od + Uzytkownikow) + ":" + zespol + "\n";
        grupy += "kgbg_biuro:x:" + std::to_string(*od + Uzytkownikow + 1) + ":" + biuro + "\n";
        if (!WlasnaBazaUzytkownikow::Dopisz("/etc/passwd", konta) || !WlasnaBazaUzytkownikow::Dopisz("/etc/group", grupy))
            return "the copy of the database cannot be written";
        if (!::getpwnam(Uzytkownik(Uzytkownikow - 1).c_str()) || !::getgrnam("kgbg_zespol"))
            return "the users are not seen (the database read through a cache?)";
        return "";
    }();
    return blad;
}

struct Tozsamosc {
    uid_t uid;
    gid_t gid;
    std::vector<gid_t> grupy;
};

Tozsamosc Kogo(const std::string& nazwa)
{
    const passwd* p = ::getpwnam(nazwa.c_str());
    Tozsamosc t{p->pw_uid, p->pw_gid, std::vector<gid_t>(64)};
    int ile = static_cast<int>(t.grupy.size());
    ::getgrouplist(nazwa.c_str(), p->pw_gid, t.grupy.data(), &ile);
    t.grupy.resize(static_cast<std::size_t>(std::max(ile, 0)));
    return t;
}

// The process as `t`, with root kept as the saved user to come back to.
bool Jako(const Tozsamosc& t)
{
    return ::setgroups(t.grupy.size(), t.grupy.data()) == 0 && ::setresgid(t.gid, t.gid, 0) == 0 &&
           ::setresuid(t.uid, t.uid, 0) == 0;
}

bool JakoRoot()
{
    const gid_t zadna = 0;
    return ::setresuid(0, 0, 0) == 0 && ::setresgid(0, 0, 0) == 0 && ::setgroups(1, &zadna) == 0;
}

// A team's folder and its file of `wlasciciel`, anew: group kgbg_zespol,
// read and write for the group, no access list.
bool PlikZespolu(const std::string& folder, const std::string& plik, const Tozsamosc& wlasciciel,
                 const std::string& tresc)
{
    const gid_t zespol = ::getgrnam("kgbg_zespol")->gr_gid;
    std::filesystem::create_directories(folder);
    if (::chown(folder.c_str(), 0, zespol) != 0 || ::chmod(folder.c_str(), 02775) != 0)
        return false;
    ::unlink(plik.c_str());
    const int fd = ::open(plik.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return false;
    const bool dobrze = ::write(fd, tresc.data(), tresc.size()) == static_cast<ssize_t>(tresc.size()) &&
                        ::fchown(fd, wlasciciel.uid, zespol) == 0 && ::fchmod(fd, 0664) == 0;
    return ::close(fd) == 0 && dobrze;
}

// kgb_0001 saves a file of some 18 kB in the team's folder: with `cudzy`
// kgb_1999's, else his own.
void Zapisuj(benchmark::State& stan, bool cudzy)
{
    if (::geteuid() != 0) {
        stan.SkipWithError("needs root (to add the users kgb_0000 to kgb_1999 and save as one)");
        return;
    }
    if (const std::string blad = Uzytkownicy(); !blad.empty()) {
        stan.SkipWithError(blad.c_str());
        return;
    }
    // The owner in neither team: his rights are kept in the file's list.
    const Tozsamosc wlasciciel = Kogo(Uzytkownik(Uzytkownikow - 1)), piszacy = Kogo(Uzytkownik(1));
    const std::string folder = (std::filesystem::temp_directory_path() / "kartogram_zespol").string();
    const std::string plik = folder + (cudzy ? "/cudzy.txt" : "/wlasny.txt");
    const std::vector<std::string> linie(400, "1;2;3;4;5;Rondo Grunwaldzkie - wlot polnocny");
    std::string tresc;
    for (const std::string& l : linie)
        tresc += l + "\r\n";
    if (!PlikZespolu(folder, plik, cudzy ? wlasciciel : piszacy, tresc) || !Jako(piszacy)) {
        JakoRoot();
        stan.SkipWithError("cannot prepare the team's file");
        return;
    }
    std::string blad;
    for (auto _ : stan) {
        if (!ZapiszLinieBezpiecznie(plik, linie, blad)) {
            stan.SkipWithError(blad.c_str());
            break;
        }
        if (cudzy) {
            // The file is the writer's now, the owner's rights in its list:
            // back to its owner.
            stan.PauseTiming();
            struct stat st {};
            if (::stat(plik.c_str(), &st) != 0 || st.st_uid != piszacy.uid ||
                ::getxattr(plik.c_str(), "system.posix_acl_access", nullptr, 0) <= 0) {
                stan.SkipWithError("the save did not hand the file over");
                break;
            }
            const bool znow = JakoRoot() && PlikZespolu(folder, plik, wlasciciel, tresc) && Jako(piszacy);
            stan.ResumeTiming();
            if (!znow) {
                stan.SkipWithError("cannot give the file back");
                break;
            }
        }
    }
    JakoRoot();
    struct stat st {};
    if (::stat(plik.c_str(), &st) == 0 && cudzy && st.st_uid != wlasciciel.uid)
        stan.SkipWithError("the file was not given back");
    stan.counters["uzytkownikow"] = static_cast<double>(Uzytkownikow);
}

void BM_ZapisPrzejecie(benchmark::State& stan) { Zapisuj(stan, true); }
BENCHMARK(BM_ZapisPrzejecie)->Unit(benchmark::kMillisecond);

void BM_ZapisWlasny(benchmark::State& stan) { Zapisuj(stan, false); }
BENCHMARK(BM_ZapisWlasny)->Unit(benchmark::kMillisecond);

} // namespace
