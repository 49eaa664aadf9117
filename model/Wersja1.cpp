// Project files of version "1.0.0.": one junction in up to fifteen variants.
#include "model/Sekcje.h"

void CzytajProjektWersji1(CzytnikProjektu&) {}
