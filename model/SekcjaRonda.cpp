// The roundabout sections "rv1".."rv3" with their structure blocks.
#include "model/Sekcje.h"

void ZapiszSekcjeRonda(PisarzProjektu&, int) {}
void CzytajSekcjeRonda(CzytnikProjektu&, int) {}
void CzytajStruktureRonda(CzytnikProjektu&) {}
