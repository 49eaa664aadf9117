#pragma once
// The fixed-pitch font of the text reports, at the given point size:
// "Courier New" where the system has it, else the system's own monospace
// face, else the first installed face; each taken only when its glyphs
// measure alike, so that the reports' columns line up.

#include <QFont>

QFont CzcionkaStalejSzerokosci(int punkty = 12);
