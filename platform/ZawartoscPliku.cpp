#include "platform/ZawartoscPliku.h"

#include <sys/stat.h>
#if defined(__x86_64__) || defined(__i386__)
// The library's own choice of the processor's widest vectors (AVX2, AVX-512),
// for the same hash.
#include <xxh_x86dispatch.h>
#endif

namespace {

// File times come in steps of the coarse clock; a file system may keep them
// coarser still (FAT: 2 s), a network one from another machine's clock.
constexpr std::int64_t ZapasSekund = 2;

} // namespace

static_assert(alignof(SkrotBajtow) >= 64, "XXH3 wants its state 64-byte aligned");

ZawartoscPliku ZawartoscPliku::Z(std::string_view bajty)
{
    ZawartoscPliku z;
    z.znana = true;
    z.rozmiar = bajty.size();
    z.skrot = XXH3_64bits(bajty.data(), bajty.size());
    return z;
}

timespec ZawartoscPliku::Zegar()
{
    timespec t{};
    ::clock_gettime(CLOCK_REALTIME_COARSE, &t);
    return t;
}

void ZawartoscPliku::DodajTozsamosc(const struct stat& st, const timespec& zegar)
{
    zTozsamoscia = true;
    urzadzenie = st.st_dev;
    wezel = st.st_ino;
    sekundy = st.st_mtim.tv_sec;
    nanosekundy = st.st_mtim.tv_nsec;
    zmianaSekundy = st.st_ctim.tv_sec;
    zmianaNanosekundy = st.st_ctim.tv_nsec;
    // A status change time in the future (another machine's clock) never counts.
    tozsamoscZaBajty = znana && S_ISREG(st.st_mode) && static_cast<std::uint64_t>(st.st_size) == rozmiar &&
                       st.st_ctim.tv_sec + ZapasSekund < zegar.tv_sec;
}

bool ZawartoscPliku::NiezmienionyWedlug(const struct stat& st) const
{
    return znana && zTozsamoscia && tozsamoscZaBajty && S_ISREG(st.st_mode) && urzadzenie == st.st_dev &&
           wezel == st.st_ino && rozmiar == static_cast<std::uint64_t>(st.st_size) && sekundy == st.st_mtim.tv_sec &&
           nanosekundy == st.st_mtim.tv_nsec && zmianaSekundy == st.st_ctim.tv_sec &&
           zmianaNanosekundy == st.st_ctim.tv_nsec;
}

// The state holds no pointer into itself (only to the library's constant
// secret): a copy goes on on its own.
SkrotBajtow::SkrotBajtow() { XXH3_64bits_reset(&stan_); }

void SkrotBajtow::Dodaj(std::string_view bajty)
{
    XXH3_64bits_update(&stan_, bajty.data(), bajty.size());
    rozmiar_ += bajty.size();
}

ZawartoscPliku SkrotBajtow::Wynik() const
{
    ZawartoscPliku z;
    z.znana = true;
    z.rozmiar = rozmiar_;
    z.skrot = XXH3_64bits_digest(&stan_);
    return z;
}
