// A colleague's save of another user's file against a save of one's own, with
// 2,000 users in the system's database: the file handed over is the writer's
// after the save, so its group and access list are worked out anew to keep
// everyone's rights, from every user's groups. Needs root, to make the users
// (kgb_0000 to kgb_1999, kept for later runs) and to save as one of them.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/ZapisBezpieczny.h"

namespace {

constexpr int Uzytkownikow = 2000;
constexpr int WZespole = 50, WBiurze = 500;

std::string Uzytkownik(int i)
{
    char nazwa[16];
    std::snprintf(nazwa, sizeof nazwa, "kgb_%04d", i);
    return nazwa;
}

bool Uruchom(const std::string& polecenie, const std::string& wejscie = "")
{
    FILE* p = ::popen(polecenie.c_str(), "w");
    if (!p)
        return false;
    const bool zapisane = std::fwrite(wejscie.data(), 1, wejscie.size(), p) == wejscie.size();
    return ::pclose(p) == 0 && zapisane;
}

bool Grupa(const char* nazwa, int czlonkow)
{
    if (!::getgrnam(nazwa) && !Uruchom(std::string("groupadd ") + nazwa))
        return false;
    std::string lista;
    for (int i = 0; i < czlonkow; ++i)
        lista += (i ? "," : "") + Uzytkownik(i);
    return Uruchom(std::string("gpasswd -M ") + lista + " " + nazwa + " >/dev/null");
}

// The users, each with a group of his own, and two groups with members:
// made at the first run. "" or what failed.
std::string Uzytkownicy()
{
    static std::string blad = [] {
        if (!::getpwnam(Uzytkownik(Uzytkownikow - 1).c_str())) {
            // No home folders, no passwords (PAM refuses the empty ones, and
            // newusers then fails with the entries made): only the database's
            // entries.
            std::string wiersze;
            for (int i = 0; i < Uzytkownikow; ++i)
                wiersze += Uzytkownik(i) + "::::::/usr/sbin/nologin\n";
            Uruchom("newusers 2>/dev/null", wiersze);
            if (!::getpwnam(Uzytkownik(Uzytkownikow - 1).c_str()))
                return std::string("newusers failed");
        }
        if (!Grupa("kgbg_zespol", WZespole) || !Grupa("kgbg_biuro", WBiurze))
            return std::string("groupadd or gpasswd failed");
        return std::string();
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
        stan.SkipWithError("needs root (to make the users kgb_0000 to kgb_1999 and save as one)");
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
