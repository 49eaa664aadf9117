#include "Wspolne.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <malloc.h>
#include <sys/resource.h>
#include <new>

#include <QImage>

#include "drawing/Wyjscie.h"
#include "model/Operacje.h"
#include "model/Projekt.h"
#include "shell/Okna.h"
#include "shell/Podglad.h"
#include "shell/PytanieTakNieKasuj.h"
#include "shell/TForm1.h"

// Nodes on a square grid `odstep` cm apart, every diagram entered.
void ZbudujProjekt(int wezlow, int wariantow, double odstep)
{
    NowyProjekt();
    const int wRzedzie = static_cast<int>(std::ceil(std::sqrt(wezlow)));
    for (int w = 0; w < wezlow; ++w) {
        std::string nazwa = "W";
        nazwa += std::to_string(w + 1);
        DodajWezel(odstep * (0.5 + w % wRzedzie), odstep * (0.5 + w / wRzedzie), nazwa, 'J');
    }
    for (int v = 0; v < wariantow; ++v) {
        std::string nazwa = "Wariant ";
        nazwa += std::to_string(v + 1);
        DodajWariant(nazwa, "Tytul", "", "", 0.0f, 0.0f, 'L');
    }
    for (DaneRuchoplan& r : Ruchoplany) {
        r.GeometriaWprowadzona = 1;
        for (int k = 0; k < 16; ++k)
            r.Natezenia[k] = (k % 5 == 0) ? 0 : 40 + 13 * k + 50 * r.NrWariantu + (r.NrWezla % 17);
    }
    wg.ArkuszB = static_cast<float>(odstep * wRzedzie);
    wg.ArkuszH = static_cast<float>(odstep * wRzedzie);
    BiezacyWariant = 0;
}

std::string PlikTymczasowy(const char* nazwa)
{
    return (std::filesystem::temp_directory_path() / nazwa).string();
}

Program::Program()
{
    UstawDialogi(&dialogi);
    TPytanieTakNieKasuj::Skrypt = [](const QString&, bool) { return TPytanieTakNieKasuj::mrTak; };
    UtworzOkna();
    Form1->Podglad->setFixedSize(1920, 1080);
    Form1->BitmapaRysunku = QImage(1920, 1080, QImage::Format_RGB32);
    UstawBitmapeRysunku(&Form1->BitmapaRysunku);
}

Program::~Program()
{
    ProjektZmieniony = false;
    ZniszczOkna();
    TPytanieTakNieKasuj::Skrypt = nullptr;
    UstawDialogi(nullptr);
}

void Program::Dopasuj()
{
    SrodekX = wg.ArkuszB / 2.0;
    SrodekY = wg.ArkuszH / 2.0;
    Skala = std::max(wg.ArkuszB / 1900.0, wg.ArkuszH / 1060.0) * 1000.0;
}

// ------------------------------------------------------- process memory

namespace {

// A line "<klucz>   1234 kB" of /proc/self/status, in bytes.
int64_t Status(const std::string& klucz)
{
    std::ifstream status("/proc/self/status");
    std::string linia;
    while (std::getline(status, linia))
        if (linia.rfind(klucz, 0) == 0)
            return std::stoll(linia.substr(klucz.size())) * 1024;
    return 0;
}

} // namespace

int64_t PamiecProcesu() { return Status("VmRSS:"); }
int64_t SzczytProcesu() { return Status("VmHWM:"); }
void ZerujSzczytProcesu()
{
    // "5" sets the peak to what is resident now.
    std::ofstream("/proc/self/clear_refs") << "5";
}

Zasoby ZasobyProcesu()
{
    struct rusage r {};
    getrusage(RUSAGE_SELF, &r);
    return {static_cast<int64_t>(r.ru_minflt), static_cast<double>(r.ru_stime.tv_sec) + r.ru_stime.tv_usec * 1e-6};
}

// ------------------------------------------------------------ heap bytes

namespace {

std::atomic<int64_t> zajete{0};
std::atomic<int64_t> szczyt{0};
std::atomic<bool> liczenie{false};

void* Przydzielone(void* p)
{
    if (!p)
        throw std::bad_alloc();
    if (!liczenie.load(std::memory_order_relaxed))
        return p;
    const int64_t teraz = zajete += static_cast<int64_t>(malloc_usable_size(p));
    int64_t dotad = szczyt.load(std::memory_order_relaxed);
    while (teraz > dotad && !szczyt.compare_exchange_weak(dotad, teraz)) {
    }
    return p;
}

void Zwolnij(void* p) noexcept
{
    if (!p)
        return;
    if (liczenie.load(std::memory_order_relaxed))
        zajete -= static_cast<int64_t>(malloc_usable_size(p));
    std::free(p);
}

void* Wyrownane(std::size_t n, std::align_val_t w)
{
    const auto a = static_cast<std::size_t>(w);
    return Przydzielone(std::aligned_alloc(a, (std::max<std::size_t>(n, 1) + a - 1) / a * a));
}

} // namespace

int64_t PamiecZajeta() { return zajete.load(); }
int64_t SzczytPamieci() { return szczyt.load(); }
void ZerujSzczytPamieci() { szczyt.store(zajete.load()); }
LiczeniePamieci::LiczeniePamieci() { liczenie.store(true); }
LiczeniePamieci::~LiczeniePamieci() { liczenie.store(false); }

void* operator new(std::size_t n) { return Przydzielone(std::malloc(std::max<std::size_t>(n, 1))); }
void* operator new[](std::size_t n) { return Przydzielone(std::malloc(std::max<std::size_t>(n, 1))); }
void* operator new(std::size_t n, const std::nothrow_t&) noexcept
{
    try {
        return operator new(n);
    } catch (...) {
        return nullptr;
    }
}
void* operator new[](std::size_t n, const std::nothrow_t&) noexcept
{
    try {
        return operator new[](n);
    } catch (...) {
        return nullptr;
    }
}
void* operator new(std::size_t n, std::align_val_t w) { return Wyrownane(n, w); }
void* operator new[](std::size_t n, std::align_val_t w) { return Wyrownane(n, w); }
void operator delete(void* p) noexcept { Zwolnij(p); }
void operator delete[](void* p) noexcept { Zwolnij(p); }
void operator delete(void* p, std::size_t) noexcept { Zwolnij(p); }
void operator delete[](void* p, std::size_t) noexcept { Zwolnij(p); }
void operator delete(void* p, std::align_val_t) noexcept { Zwolnij(p); }
void operator delete[](void* p, std::align_val_t) noexcept { Zwolnij(p); }
void operator delete(void* p, std::size_t, std::align_val_t) noexcept { Zwolnij(p); }
void operator delete[](void* p, std::size_t, std::align_val_t) noexcept { Zwolnij(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { Zwolnij(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { Zwolnij(p); }
