#pragma once
// The section readers and writers of the project file. A reader is called
// after its tag or key line has been read and reads exactly its own lines,
// the title line first, into the reader's project (CzytnikProjektu::Cel); a
// writer writes its tag line and everything after it from the writer's
// project (PisarzProjektu::Zrodlo).

#include "model/PlikProjektu.h"
#include "model/Ustawienia.h"

// Tag lines of the structure blocks, written after their diagram or
// roundabout and recognised by the section loop.
inline const std::string ZnacznikStrukturyRuchoplanu = "-----------------------------STRUKTURA----kv3";
inline const std::string ZnacznikStrukturyRonda = "-----------------------------STRUKTURA----rv3";
inline const std::string ZnacznikSkladuStruktury = "--------------------SKLAD-STRUKTURA----kv3";

// Nodes "wv1".."wv3" with the key-line blocks that follow them.
void ZapiszSekcjeWezlow(PisarzProjektu& p);
void CzytajSekcjeWezlow(CzytnikProjektu& c, int wersja);
void CzytajRysuj0NatezeniaLok(CzytnikProjektu& c);
// Key block "wg.Struktura_lok": the node settings that "wv3" does not hold.
void CzytajStruktureWezlow(CzytnikProjektu& c);

// Variants "vv1".
void ZapiszSekcjeWariantow(PisarzProjektu& p);
void CzytajSekcjeWariantow(CzytnikProjektu& c);

// The size tables as the settings and every node hold them: the legend's,
// then the labels' (RozmiaryOpisow is read in two parts by the settings,
// whose older versions end between them).
void ZapiszRozmiary(PisarzProjektu& p, const TRozmiaryLegendy& legenda, const TRozmiaryOpisow& opisy);
void CzytajRozmiaryLegendy(CzytnikProjektu& c, TRozmiaryLegendy& r);

// Settings "nv1".."nv3" with the key lines "wg.Rysuj0Natezenia" and "wg.Struktura".
void ZapiszSekcjeNastaw(PisarzProjektu& p);
void CzytajSekcjeNastaw(CzytnikProjektu& c, int wersja);
void CzytajRysuj0Natezenia(CzytnikProjektu& c);
void CzytajStrukture(CzytnikProjektu& c);
// Key block "wg.SkalaPrzejsc": the crossing-width rule and its two widths.
void CzytajSkalePrzejsc(CzytnikProjektu& c);

// Counts "pm1", forecasts "pr1", coefficient sets "wp1"; an empty
// collection writes no section.
void ZapiszSekcjePomiarow(PisarzProjektu& p);
void CzytajSekcjePomiarow(CzytnikProjektu& c);
void ZapiszSekcjePrognoz(PisarzProjektu& p);
void CzytajSekcjePrognoz(CzytnikProjektu& c);
void ZapiszSekcjeWspolczynnikow(PisarzProjektu& p);
void CzytajSekcjeWspolczynnikow(CzytnikProjektu& c);

// One junction diagram "kv1".."kv3", its structure block and the vehicle-type table.
void ZapiszSekcjeRuchoplanu(PisarzProjektu& p, int indeks);
// The vehicle-type table; each junction section carries it.
void ZapiszSklad(PisarzProjektu& p);
void CzytajSekcjeRuchoplanu(CzytnikProjektu& c, int wersja);
void CzytajStruktureRuchoplanu(CzytnikProjektu& c);
void CzytajSkladStruktury(CzytnikProjektu& c);

// One roundabout "rv1".."rv3" and its structure block.
void ZapiszSekcjeRonda(PisarzProjektu& p, int indeks);
void CzytajSekcjeRonda(CzytnikProjektu& c, int wersja);
void CzytajStruktureRonda(CzytnikProjektu& c);

// Clipboard settings "sv1", the pedestrians block, blocks "bv1", descriptions "ov1".
void ZapiszSekcjeSchowka(PisarzProjektu& p);
void CzytajSekcjeSchowka(CzytnikProjektu& c);
void ZapiszBlokPieszych(PisarzProjektu& p);
void CzytajBlokPieszych(CzytnikProjektu& c);
void ZapiszSekcjeBlokow(PisarzProjektu& p);
void CzytajSekcjeBlokow(CzytnikProjektu& c);
void ZapiszSekcjeOpisow(PisarzProjektu& p);
void CzytajSekcjeOpisow(CzytnikProjektu& c);

// A whole file of version "1.0.0." after its banner; the variant shown is
// set by the caller.
void CzytajProjektWersji1(CzytnikProjektu& c);

// Checks after every load. Each returns "" when the part of the model it
// checks is sound (repairing what has a safe default) or a Polish message
// naming what is wrong, which refuses the load.
std::string SprawdzWezlyIWarianty(Projekt& p);  // nodes, variants, descriptions, blocks, settings
// Appends, at their defaults, the diagrams and roundabouts that nodes lack in
// some variant; returns their list, a line each ("" when none was missing).
std::string UzupelnijBrakujaceDiagramy(Projekt& p);
std::string SprawdzDiagramy(Projekt& p);        // junction diagrams, roundabouts, counts, forecasts
