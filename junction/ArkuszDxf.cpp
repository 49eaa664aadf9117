#include "junction/ArkuszDxf.h"

#include <ctime>
#include <string>

#include "drawing/Dxf.h"
#include "drawing/Wyjscie.h"
#include "junction/WspolneRysowania.h"
#include "model/Projekt.h"
#include "platform/KatalogProgramu.h"

namespace {

std::string Teraz(const char* format)
{
    const std::time_t t = std::time(nullptr);
    std::tm lokalny{};
    localtime_r(&t, &lokalny);
    char bufor[32] = {};
    std::strftime(bufor, sizeof bufor, format, &lokalny);
    return bufor;
}

void Prostokat(int32_t kolor, double x0, double y0, double x1, double y1)
{
    DxfLinia(WarstwaArkusz, kolor, x0, y0, x0, y1);
    DxfLinia(WarstwaArkusz, kolor, x0, y0, x1, y0);
    DxfLinia(WarstwaArkusz, kolor, x0, y1, x1, y1);
    DxfLinia(WarstwaArkusz, kolor, x1, y0, x1, y1);
}

} // namespace

void RysujArkuszDxf()
{
    const int v = RysowanyWariant();
    const double B = wg.ArkuszB;
    const double H = wg.ArkuszH;
    const double y0 = -(H + wg.OdstepArkuszyH) * v;
    const double y1 = y0 + H;
    if (!Skonczone({B, H, y0, y1}))
        return;
    Prostokat(1, 0.0, y0, B, y1);
    Prostokat(253, -0.5, y0 - 0.5, B + 0.5, y1 + 0.5);
    if (v != 0)
        return;
    const double x = 1.5;
    const double gora = y1 + 0.5;
    DxfTekst("EKSPORT  :", WarstwaArkusz, x, gora + 4.0, 0.0, 0.7, 0.5, 253);
    // The file's name is the system's bytes; the stamp is Windows-1250 text.
    const std::string& plik = BiezacyProjekt.Plik;
    DxfTekst("Plik  : " + (plik.empty() ? std::string("...") : SciezkaJakWTytule(plik)), WarstwaArkusz, x,
             gora + 3.0, 0.0, 0.7, 0.5, 253);
    DxfTekst("Data  : " + Teraz("%Y-%m-%d"), WarstwaArkusz, x, gora + 2.0, 0.0, 0.7, 0.5, 253);
    DxfTekst("Godz  : " + Teraz("%H:%M:%S"), WarstwaArkusz, x, gora + 1.0, 0.0, 0.7, 0.5, 253);
}
