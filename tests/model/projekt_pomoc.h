#pragma once
// Helpers of the model tests: a main window that records what the model asks
// of it, and files of our own in a scratch folder.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/Teksty.h"
#include "model/OknoGlowne.h"
#include "model/PlikProjektu.h"
#include "model/Projekt.h"
#include "base/Kodowanie.h"

struct OknoTestowe : OknoGlowne {
    std::vector<std::string> bledy;
    std::vector<std::string> ostatnie;
    std::vector<std::string> listaWariantow;
    std::string tekstWariantu;
    std::string tytul = "?";
    bool siatka = false;
    std::string krokSiatki;
    int szerokosc = 1005;
    int wysokosc = 505;
    bool drukarka = false;
    double cmB = 0.0;
    double cmH = 0.0;
    int noweWidoki = 0;

    void NowyWidok() override { ++noweWidoki; }
    void WyczyscWarianty() override { listaWariantow.clear(); }
    void DodajWariantDoListy(const std::string& p) override { listaWariantow.push_back(p); }
    void UstawTekstWariantu(const std::string& t) override { tekstWariantu = t; }
    void UstawTytul(const std::string& s) override { tytul = s; }
    void RozmiarPodgladu(int& w, int& h) override { w = szerokosc, h = wysokosc; }
    void DodajOstatniProjekt(const std::string& s) override { ostatnie.push_back(s); }
    void UstawSiatke(bool w, const std::string& k) override { siatka = w, krokSiatki = k; }
    void PokazBlad(const std::string& k) override { bledy.push_back(k); }
    bool RozmiarStronyDrukarki(double& b, double& h, int& dx, int& dy) override
    {
        if (!drukarka)
            return false;
        b = cmB, h = cmH, dx = 600, dy = 600;
        return true;
    }
};

// Installs a recording window, a "." separator and a fresh program state
// for every test; removes the window afterwards.
class ModelTest : public ::testing::Test {
protected:
    OknoTestowe okno;

    void SetUp() override
    {
        UstawOkno(&okno);
        UstawSeparatorDziesietny('.');
        // The fields a new project keeps start from zero, as at program start.
        wg = TUstawieniaGlobalne{};
        NastawySchowek = TNastawySchowek{};
        NowyProjekt();
        katalog_ = std::filesystem::path(KG_BUILD_DIR) / "test_model_core" /
                   ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::filesystem::remove_all(katalog_);
        std::filesystem::create_directories(katalog_);
    }
    void TearDown() override
    {
        UstawOkno(nullptr);
        UstawSeparatorDziesietny('.');
    }

    std::string Sciezka(const std::string& nazwa) const { return (katalog_ / nazwa).string(); }

    // Writes lines (Windows-1250 bytes) ending in CR LF.
    std::string ZapiszPlik(const std::string& nazwa, const std::vector<std::string>& linie) const
    {
        const std::string s = Sciezka(nazwa);
        std::ofstream f(s, std::ios::binary);
        for (const auto& l : linie)
            f << l << "\r\n";
        return s;
    }

    static std::string CzytajBajty(const std::string& sciezka)
    {
        std::ifstream f(sciezka, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }

    // A new project (as the open command makes it) and the file read into it.
    bool Otworz(const std::string& sciezka)
    {
        NowyProjekt();
        return OtworzProjekt(sciezka);
    }

    // The last message shown, in UTF-8.
    std::string Blad() const { return okno.bledy.empty() ? "" : Cp1250NaUtf8(okno.bledy.back()); }

    // A refused file leaves a new empty project and one message naming the
    // file and holding `fragment` (UTF-8).
    void SprawdzOdmowe(const std::string& sciezka, const std::string& fragment)
    {
        okno.bledy.clear();
        okno.ostatnie.clear();
        EXPECT_FALSE(Otworz(sciezka)) << sciezka;
        EXPECT_EQ(LiczbaWezlow() + LiczbaWariantow() + LiczbaOpisow() + LiczbaRuchoplanow() + LiczbaRond() +
                      LiczbaDefinicjiBlokow() + LiczbaPomiarow(),
                  0);
        EXPECT_EQ(BiezacyWariant, -1);
        EXPECT_EQ(okno.tytul, "...");
        EXPECT_TRUE(okno.ostatnie.empty());
        ASSERT_EQ(okno.bledy.size(), 1u);
        EXPECT_NE(okno.bledy[0].find(sciezka), std::string::npos) << Blad();
        EXPECT_NE(Blad().find(fragment), std::string::npos) << Blad();
    }

private:
    std::filesystem::path katalog_;
};

using Wiersze = std::vector<std::string>;

inline std::vector<std::string> Naglowek2()
{
    return {std::string(69, '*'), "*" + std::string(16, ' ') + "KARTOGRAM  2.0.0." + std::string(35, ' '),
            "*" + std::string(67, ' ') + "*", std::string(69, '*'), ""};
}

inline std::string Znacznik(const std::string& t) { return std::string(42, '-') + t; }

template <typename... T>
std::vector<std::string> Plik(std::vector<std::string> a, const T&... reszta)
{
    (a.insert(a.end(), reszta.begin(), reszta.end()), ...);
    return a;
}
