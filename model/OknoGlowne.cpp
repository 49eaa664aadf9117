#include "model/OknoGlowne.h"

namespace {
OknoGlowne oknoBezczynne;
OknoGlowne* biezaceOkno = &oknoBezczynne;
}

OknoGlowne& Okno() { return *biezaceOkno; }

void UstawOkno(OknoGlowne* okno) { biezaceOkno = okno ? okno : &oknoBezczynne; }
