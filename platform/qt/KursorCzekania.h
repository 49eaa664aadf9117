#pragma once
// The wait cursor over the program's windows while a save waits for its
// turn (PokazujCzekanieNaKolej, platform/ZapisBezpieczny.h).

// Call after the application object exists.
void PokazujCzekanieNaKolejKursorem();
