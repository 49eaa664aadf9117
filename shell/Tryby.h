#pragma once
// The main window's view and edit modes: one byte per mode, the picked
// indices of the hover picks, and the pending node. The mouse handlers that
// arm and use them are kept apart; the redraw and the commands only clear them.

#include <cstdint>

// View modes and their drags.
extern bool TrybPrzesun;
extern bool TrybOkno;
extern bool TrybWskazFragment;
extern bool PrzesuwanieTrwa;
extern bool OknoTrwa;
extern bool FragmentTrwa;

// Edit modes: at most one is set at a time.
extern bool TrybDodajRupl;
extern bool TrybDodajRondo;
extern bool TrybUsunWezel;
extern bool TrybPrzesunWezel;
extern bool TrybNowaPozycjaWezla;
extern bool TrybDane;
extern bool TrybGeometria;
extern bool TrybUstawieniaLokalne;
extern bool TrybWstawBlok;
extern bool TrybZmienBlok;
extern bool TrybUsunBlok;
extern bool TrybWstawOpis;
extern bool TrybZmienOpis;
extern bool TrybUsunOpis;

// Items picked by the last hover, -1 for none.
extern int32_t WskWezelUsun;
extern int32_t WskWezelEdycja;
extern int32_t WskWezelWlasciwosci;
extern int32_t WskBlok;
extern int32_t WskOpisEdycja;
extern int32_t WskOpisUsun;

// Clears every edit mode, the clipboard-area mode and the picks; leaves pan
// and zoom window alone.
void WyczyscTrybyEdycji();

// Whether any edit mode is armed.
bool JestTrybEdycji();
