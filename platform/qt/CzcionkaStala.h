#pragma once
// The fixed-pitch font of the text reports: "Courier New" where the system
// has it, else the system's own monospace face, at the given point size.

#include <QFont>

QFont CzcionkaStalejSzerokosci(int punkty = 12);
