#include "platform/ZawartoscPliku.h"

#include <sys/stat.h>
#if defined(__x86_64__) || defined(__i386__)
// The library's own choice of the processor's widest vectors (AVX2, AVX-512),
// for the same hash.
#include <xxh_x86dispatch.h>
#endif

static_assert(alignof(SkrotBajtow) >= 64, "XXH3 wants its state 64-byte aligned");

ZawartoscPliku ZawartoscPliku::Z(std::string_view bajty)
{
    ZawartoscPliku z;
    z.znana = true;
    z.rozmiar = bajty.size();
    z.skrot = XXH3_64bits(bajty.data(), bajty.size());
    return z;
}

void ZawartoscPliku::DodajTozsamosc(const struct stat& st)
{
    zTozsamoscia = true;
    urzadzenie = st.st_dev;
    wezel = st.st_ino;
    sekundy = st.st_mtim.tv_sec;
    nanosekundy = st.st_mtim.tv_nsec;
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
