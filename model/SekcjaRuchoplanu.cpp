// The junction diagram sections "kv1".."kv3" with their structure blocks.
#include "model/Sekcje.h"

void ZapiszSekcjeRuchoplanu(PisarzProjektu&, int) {}
void CzytajSekcjeRuchoplanu(CzytnikProjektu&, int) {}
void CzytajStruktureRuchoplanu(CzytnikProjektu&) {}
