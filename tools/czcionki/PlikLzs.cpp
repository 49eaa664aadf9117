#include "tools/czcionki/PlikLzs.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace czcionki {

namespace {

struct PunktB {
    int x = 0;
    int y = 0;
    bool operator==(const PunktB&) const = default;
};

PunktB NaBajty(const ZnakHershey& znak, const PunktH& p) {
    return PunktB{static_cast<int>(std::lround((p.x - znak.lewy) * kSkala)),
                  static_cast<int>(std::lround(kLiniaBazowa + (kBazaHershey - p.y) * kSkala))};
}

uint8_t Bajt(int v, bool& poza) {
    if (v < 0 || v > 255) {
        poza = true;
        return static_cast<uint8_t>(std::clamp(v, 0, 255));
    }
    return static_cast<uint8_t>(v);
}

void ZapiszLE(unsigned char* cel, uint32_t v) {
    for (int i = 0; i < 4; ++i)
        cel[i] = static_cast<unsigned char>(v >> (8 * i));
}

}  // namespace

DaneZnak NaDaneZnak(const ZnakHershey& znak, const std::string& nazwaZnaku,
                    std::vector<std::string>& uwagi) {
    DaneZnak wynik;
    wynik.Szerokosc = static_cast<float>((znak.prawy - znak.lewy) * kSkala);
    int pominiete = 0;
    bool poza = false;
    auto dodaj = [&](PunktB a, PunktB b) {
        if (wynik.LiczbaKresek == kMaksKresek) {
            ++pominiete;
            return;
        }
        const int k = wynik.LiczbaKresek++;
        wynik.KreskaX1[k] = Bajt(a.x, poza);
        wynik.KreskaY1[k] = Bajt(a.y, poza);
        wynik.KreskaX2[k] = Bajt(b.x, poza);
        wynik.KreskaY2[k] = Bajt(b.y, poza);
    };
    for (const Linia& linia : znak.linie) {
        std::vector<PunktB> punkty;
        for (const PunktH& p : linia) {
            const PunktB b = NaBajty(znak, p);
            if (punkty.empty() || !(punkty.back() == b))
                punkty.push_back(b);  // segments shorter than a unit vanish after rounding
        }
        if (punkty.size() == 1)
            dodaj(punkty[0], punkty[0]);  // a dot stays a dot
        for (std::size_t i = 1; i < punkty.size(); ++i)
            dodaj(punkty[i - 1], punkty[i]);
    }
    if (pominiete > 0)
        uwagi.push_back(nazwaZnaku + ": obcięty do " + std::to_string(kMaksKresek) +
                        " kresek, pominięto " + std::to_string(pominiete));
    if (poza)
        uwagi.push_back(nazwaZnaku + ": punkty poza zakresem 0..255 przycięte do brzegu");
    return wynik;
}

bool ZapiszCzcionke(const std::string& sciezka, const TablicaZnakow& znaki, std::string& blad) {
    std::vector<unsigned char> dane(kLiczbaZnakow * kRozmiarRekordu, 0);
    for (int k = 0; k < kLiczbaZnakow; ++k) {
        const DaneZnak& z = znaki[k];
        unsigned char* r = dane.data() + k * kRozmiarRekordu;
        ZapiszLE(r, static_cast<uint32_t>(z.LiczbaKresek));
        uint32_t bity = 0;
        static_assert(sizeof(float) == sizeof(uint32_t));
        std::memcpy(&bity, &z.Szerokosc, sizeof bity);
        ZapiszLE(r + 4, bity);
        std::memcpy(r + 8, z.KreskaX1.data(), kMaksKresek);
        std::memcpy(r + 158, z.KreskaY1.data(), kMaksKresek);
        std::memcpy(r + 308, z.KreskaX2.data(), kMaksKresek);
        std::memcpy(r + 458, z.KreskaY2.data(), kMaksKresek);
    }
    const std::string tymczasowy = sciezka + ".tmp";
    {
        std::ofstream plik(tymczasowy, std::ios::binary | std::ios::trunc);
        plik.write(reinterpret_cast<const char*>(dane.data()), static_cast<std::streamsize>(dane.size()));
        plik.close();
        if (!plik) {
            std::remove(tymczasowy.c_str());
            blad = tymczasowy + ": nie można zapisać pliku czcionki";
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(tymczasowy, sciezka, ec);
    if (ec) {
        std::remove(tymczasowy.c_str());
        blad = sciezka + ": nie można zapisać pliku czcionki (" + ec.message() + ")";
        return false;
    }
    return true;
}

}  // namespace czcionki
