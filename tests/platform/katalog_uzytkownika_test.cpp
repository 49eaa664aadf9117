// Where the program writes: its own folder while that is writable, else the
// user's data folder, which receives a copy of the shipped counts and
// examples once and keeps the user's own files over it.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/KatalogProgramu.h"

namespace fs = std::filesystem;

namespace {

std::string Tresc(const fs::path& p)
{
    std::ifstream f(p, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

void Zapisz(const fs::path& p, const std::string& tresc)
{
    fs::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << tresc;
}

class KatalogUzytkownikaTest : public ::testing::Test {
protected:
    fs::path tmp, program, dom;

    void SetUp() override
    {
        tmp = fs::temp_directory_path() / ("kg_katalogi_" + std::to_string(getpid()));
        fs::remove_all(tmp);
        program = tmp / "program";
        dom = tmp / "dom";
        Zapisz(program / "Pomiary/Ustawienia/domyslne.upm", "wzorzec");
        Zapisz(program / "Pomiary/Prognozy/p.pgz", "prognoza");
        Zapisz(program / "Przyklady/Rondo.rup", "rondo");
        Zapisz(program / "Dane/Roman100.Lzs", "czcionka");
        UstawKatalogProgramu(program.string());
        UstawKatalogUzytkownika(dom.string());
    }
    void TearDown() override
    {
        fs::permissions(program, fs::perms::owner_all, fs::perm_options::add);
        UstawKatalogProgramu("");
        UstawKatalogUzytkownika("");
        fs::remove_all(tmp);
    }
    void TylkoDoOdczytu()
    {
        fs::permissions(program, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }
};

TEST_F(KatalogUzytkownikaTest, ZapisywalnyKatalogProgramuZostaje)
{
    EXPECT_FALSE(ZapisWKataloguUzytkownika());
    EXPECT_EQ(KatalogPomiary(), program.string() + "/Pomiary");
    EXPECT_EQ(KatalogPrzyklady(), program.string() + "/Przyklady");
    EXPECT_EQ(KatalogList(), program.string() + "/Dane");
    EXPECT_EQ(PrzygotujKatalogUzytkownika(), "");
    EXPECT_FALSE(fs::exists(dom)) << "nothing is copied for a writable program folder";

    // Without a user's folder the program's own is used, writable or not.
    UstawKatalogUzytkownika("");
    TylkoDoOdczytu();
    EXPECT_FALSE(ZapisWKataloguUzytkownika());
    EXPECT_EQ(KatalogPomiary(), program.string() + "/Pomiary");
}

TEST_F(KatalogUzytkownikaTest, TylkoDoOdczytuPiszeUUzytkownika)
{
    TylkoDoOdczytu();
    EXPECT_TRUE(ZapisWKataloguUzytkownika());
    EXPECT_EQ(KatalogPomiary(), dom.string() + "/Pomiary");
    EXPECT_EQ(KatalogPrzyklady(), dom.string() + "/Przyklady");
    EXPECT_EQ(KatalogList(), dom.string() + "/Dane");
    EXPECT_EQ(KatalogDane(), program.string() + "/Dane") << "fonts and pictures stay the program's";

    // A file the user changed and one of their own survive a second start;
    // a shipped file the user deleted comes back.
    Zapisz(dom / "Pomiary/Ustawienia/domyslne.upm", "zmienione");
    Zapisz(dom / "Pomiary/moj.pom", "moj");
    ASSERT_EQ(PrzygotujKatalogUzytkownika(), "");
    EXPECT_EQ(Tresc(dom / "Pomiary/Ustawienia/domyslne.upm"), "zmienione");
    EXPECT_EQ(Tresc(dom / "Pomiary/moj.pom"), "moj");
    EXPECT_EQ(Tresc(dom / "Pomiary/Prognozy/p.pgz"), "prognoza");
    EXPECT_EQ(Tresc(dom / "Przyklady/Rondo.rup"), "rondo");
    EXPECT_TRUE(fs::is_directory(dom / "Dane"));
    EXPECT_FALSE(fs::exists(dom / "Dane/Roman100.Lzs"));
    fs::remove(dom / "Przyklady/Rondo.rup");
    ASSERT_EQ(PrzygotujKatalogUzytkownika(), "");
    EXPECT_EQ(Tresc(dom / "Przyklady/Rondo.rup"), "rondo");
}

TEST_F(KatalogUzytkownikaTest, NiedostepnyKatalogUzytkownikaToKomunikat)
{
    TylkoDoOdczytu();
    Zapisz(tmp / "plik", "x");
    UstawKatalogUzytkownika((tmp / "plik").string());  // a file where the folder should be
    const std::string blad = PrzygotujKatalogUzytkownika();
    EXPECT_EQ(blad.rfind("Nie mo", 0), 0u) << blad;
}

// Several first starts at the same moment copy the same files: none of them
// reports the files the others copied (once "File exists", in English, in a
// quarter of the starts), and every file arrives whole.
TEST_F(KatalogUzytkownikaTest, RownoczesneStartyNieZglaszajaCudzychKopii)
{
    const std::string tresc(4096, 'x');
    for (int i = 0; i < 300; ++i)
        Zapisz(program / "Pomiary" / ("p" + std::to_string(i) + ".pom"), tresc);
    TylkoDoOdczytu();
    constexpr int Startow = 4;
    for (int runda = 0; runda < 8; ++runda) {
        fs::remove_all(dom);
        int start[2];
        ASSERT_EQ(::pipe(start), 0);
        std::vector<pid_t> dzieci;
        for (int k = 0; k < Startow; ++k) {
            const pid_t pid = ::fork();
            ASSERT_GE(pid, 0);
            if (pid == 0) {
                ::close(start[1]);
                char c;
                // All start together once the pipe closes.
                while (::read(start[0], &c, 1) > 0) {
                }
                const std::string blad = PrzygotujKatalogUzytkownika();
                if (!blad.empty())
                    std::fprintf(stderr, "%s\n", blad.c_str());
                ::_exit(blad.empty() ? 0 : 1);
            }
            dzieci.push_back(pid);
        }
        ::close(start[0]);
        ::close(start[1]);
        for (pid_t pid : dzieci) {
            int status = 0;
            ASSERT_EQ(::waitpid(pid, &status, 0), pid);
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "round " << runda;
        }
        for (int i = 0; i < 300; ++i)
            ASSERT_EQ(Tresc(dom / "Pomiary" / ("p" + std::to_string(i) + ".pom")), tresc);
    }
}

// Any other failure of the copy is told in Polish.
TEST_F(KatalogUzytkownikaTest, BladKopiowaniaPoPolsku)
{
    TylkoDoOdczytu();
    Zapisz(dom / "Pomiary", "plik tam, gdzie ma być folder");
    const std::string blad = PrzygotujKatalogUzytkownika();
    EXPECT_EQ(blad, "Nie mo\xBFna skopiowa\xE6 do " + (dom / "Pomiary").string() +
                        " (cz\xEA\x9C\xE6 \x9C" "cie\xBF" "ki nie jest folderem).");
}

} // namespace
