// libFuzzer target for the arrow picture reader (JPEG): any bytes must give a
// picture no larger than the program's pictures can be, or a reason, never
// crash, hang or leak.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include <QImage>

#include "platform/qt/ObrazJpeg.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dane, std::size_t rozmiar)
{
    QImage obraz;
    std::string przyczyna;
    const bool ok = CzytajJpegZBajtow(std::string_view(reinterpret_cast<const char*>(dane), rozmiar), obraz, przyczyna);
    if (ok && (obraz.isNull() || obraz.width() > static_cast<int>(MaksBokObrazuJpeg) ||
               obraz.height() > static_cast<int>(MaksBokObrazuJpeg))) {
        std::fprintf(stderr, "a picture of %d x %d\n", obraz.width(), obraz.height());
        std::abort();
    }
    if (!ok && przyczyna.empty()) {
        std::fprintf(stderr, "a refusal without a reason\n");
        std::abort();
    }
    return 0;
}
