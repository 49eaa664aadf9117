#pragma once
// The user database as one program alone sees it: /etc/passwd and /etc/group
// replaced, in a mount namespace of the calling thread's own (and of the
// processes it starts from then on), by copies that take the accounts a
// test or benchmark needs. The system's files are never written, and the
// copies vanish with the namespace however the program ends, killed too.
// Needs root (CAP_SYS_ADMIN) and a database read from the files themselves,
// not through a cache such as nscd.
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <unistd.h>

class WlasnaBazaUzytkownikow {
public:
    WlasnaBazaUzytkownikow() = default;
    WlasnaBazaUzytkownikow(const WlasnaBazaUzytkownikow&) = delete;
    WlasnaBazaUzytkownikow& operator=(const WlasnaBazaUzytkownikow&) = delete;
    ~WlasnaBazaUzytkownikow() { Zamknij(); }

    // "" when the copies stand in for the database, else what failed.
    std::string Otworz()
    {
        poprzednia = ::open("/proc/self/ns/mnt", O_RDONLY | O_CLOEXEC);
        if (poprzednia < 0 || ::unshare(CLONE_NEWNS) != 0)
            return std::string("no mount namespace of its own (") + std::strerror(errno) + ")";
        // Nothing mounted here may reach the system's namespace.
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return std::string("mounts not private (") + std::strerror(errno) + ")";
        std::string wzor = (std::filesystem::temp_directory_path() / "kg_baza_XXXXXX").string();
        if (!::mkdtemp(wzor.data()))
            return "no folder for the copies";
        std::string blad;
        for (const char* plik : {"/etc/passwd", "/etc/group"}) {
            const std::string kopia = wzor + "/" + std::filesystem::path(plik).filename().string();
            std::error_code ec;
            if (!std::filesystem::copy_file(plik, kopia, ec) || !KonczySieWierszem(kopia) ||
                ::mount(kopia.c_str(), plik, nullptr, MS_BIND, nullptr) != 0)
                blad = std::string("cannot put a copy of ") + plik + " in its place";
        }
        // The mounts hold the copies.
        std::error_code ec;
        std::filesystem::remove_all(wzor, ec);
        return blad;
    }

    // Lines in the file's own format, e.g. "kgz_a:x:4801:4811::/nonexistent:/usr/sbin/nologin".
    static bool Dopisz(const char* plik, const std::string& wiersze)
    {
        std::ofstream f(plik, std::ios::app | std::ios::binary);
        return static_cast<bool>(f << wiersze << std::flush);
    }

    // The lines in place of any of the copy's of the same name or id, so
    // that accounts an earlier run left in the system's database, whatever
    // they became, stand as the test needs them. Written in place: the
    // copy is a mount point.
    static bool Wpisz(const char* plik, const std::string& wiersze)
    {
        std::set<std::string> nazwy, numery;
        std::istringstream nowe(wiersze);
        for (std::string w; std::getline(nowe, w);) {
            nazwy.insert(Pole(w, 0));
            numery.insert(Pole(w, 2));
        }
        std::ifstream stary(plik, std::ios::binary);
        std::string zostaja;
        for (std::string w; std::getline(stary, w);)
            if (!nazwy.count(Pole(w, 0)) && !numery.count(Pole(w, 2)))
                zostaja += w + "\n";
        stary.close();
        std::ofstream f(plik, std::ios::trunc | std::ios::binary);
        return static_cast<bool>(f << zostaja << wiersze << std::flush);
    }

    // Back to the system's namespace; the copies go with this one.
    void Zamknij()
    {
        if (poprzednia < 0)
            return;
        ::setns(poprzednia, CLONE_NEWNS);
        ::close(poprzednia);
        poprzednia = -1;
    }

private:
    static bool KonczySieWierszem(const std::string& plik)
    {
        std::ifstream f(plik, std::ios::binary);
        const std::string tresc((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
        return tresc.empty() || tresc.back() == '\n' || Dopisz(plik.c_str(), "\n");
    }

    // The field `n` (from 0) of a line of the database.
    static std::string Pole(const std::string& wiersz, int n)
    {
        std::istringstream pola(wiersz);
        std::string pole;
        for (int i = 0; i <= n; ++i)
            if (!std::getline(pola, pole, ':'))
                return {};
        return pole;
    }

    int poprzednia = -1;  // the namespace to go back to
};
