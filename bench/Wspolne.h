#pragma once
// What the benchmarks share: a generated project, the main window set up
// for drawing, temporary files and the count of heap bytes in use.

#include <cstdint>
#include <string>

#include "platform/qt/Komunikaty.h"

// Nodes on a square grid `odstep` cm apart, each with a junction diagram in
// every variant, every diagram entered with volumes.
void ZbudujProjekt(int wezlow, int wariantow, double odstep);

// A path in the system's temporary folder.
std::string PlikTymczasowy(const char* nazwa);

// The main window, not shown, with a 1920 x 1080 drawing area and bitmap.
struct Program {
    DialogiTestowe dialogi;
    Program();
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;
    // The view fitted to the whole sheet.
    static void Dopasuj();
};

// Heap bytes in use now, and the most in use since `ZerujSzczytPamieci`:
// every operator new and delete of the process while a `LiczeniePamieci`
// lives, so only differences within its life tell anything. Outside it
// nothing is counted: drawing threads would contend for the counters.
int64_t PamiecZajeta();
int64_t SzczytPamieci();
void ZerujSzczytPamieci();
struct LiczeniePamieci {
    LiczeniePamieci();
    ~LiczeniePamieci();
    LiczeniePamieci(const LiczeniePamieci&) = delete;
    LiczeniePamieci& operator=(const LiczeniePamieci&) = delete;
};

// One screen frame at 60 Hz, in seconds.
constexpr double Klatka = 1.0 / 60.0;

// The process's memory in use (resident) and the most it had in use since
// `ZerujSzczytProcesu`, in bytes: bitmaps, heap and all.
int64_t PamiecProcesu();
int64_t SzczytProcesu();
void ZerujSzczytProcesu();

// The process's page faults (those the system served without reading a
// file) and its time in the system, in seconds, from its start: neither
// depends much on what else the machine runs.
struct Zasoby {
    int64_t bledyStron = 0;
    double czasSystemu = 0.0;
};
Zasoby ZasobyProcesu();
