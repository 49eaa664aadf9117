// Glyphs for the whole Windows-1250 code page: ASCII straight from a Hershey
// font in JHF order, the Polish and other Central European letters composed
// from a base letter and an accent, a few signs drawn here.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "tools/czcionki/Hershey.h"

namespace czcionki {

constexpr int kPierwszyAscii = 32;   // the JHF order starts at the space
constexpr int kOstatniAscii = 126;
constexpr int kWymaganeZnakiJhf = kOstatniAscii - kPierwszyAscii + 1;

using ZnakiStrony = std::array<std::optional<ZnakHershey>, 256>;

enum class Akcent {
    Ostry,           // acute, the Polish "kreska": a short slanted stroke above
    PodwojnyOstry,   // Hungarian double acute
    Kropka,          // dot above
    Diereza,         // two dots above
    Karon,           // hacek
    Daszek,          // circumflex
    Luk,             // breve
    Kolko,           // ring above
    Cedylla,         // hook below the baseline, centred
    Ogonek,          // hook below right, at a point given per letter
    KreskaL,         // slanted bar through the stem of L and l
    Apostrof,        // the caron of d, t, L, l: a tick right of the ascender
    Poprzeczka,      // horizontal bar of D and d with stroke
};

// Base glyph with an accent added. Accents above and the cedilla find their
// place from the base's ink; the others need the point `(x, y)` (Hershey
// units) where they attach. The dot of i is dropped under accents above.
ZnakHershey ZlozZnak(const ZnakHershey& baza, char znakBazy, Akcent akcent, double x = 0,
                     double y = 0);

// ASCII 32..126 from `jhf` (which must hold at least kWymaganeZnakiJhf
// glyphs), the composed letters and signs; other codes stay empty.
ZnakiStrony ZnakiCp1250(const std::vector<ZnakHershey>& jhf);

// Width of an empty glyph: the space's.
double SzerokoscPusta(const ZnakiStrony& znaki);

// Readable name of a code for build messages, e.g. "0xB9".
std::string NazwaKodu(int kod);

}  // namespace czcionki
