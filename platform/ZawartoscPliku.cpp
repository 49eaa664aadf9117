#include "platform/ZawartoscPliku.h"

#include <bit>
#include <cstddef>

namespace {

std::uint64_t Wymieszaj(std::uint64_t x)
{
    x ^= x >> 33;
    x *= 0xff51afd7ed558ccdull;
    x ^= x >> 33;
    x *= 0xc4ceb9fe1a85ec53ull;
    return x ^ (x >> 33);
}

} // namespace

ZawartoscPliku ZawartoscPliku::Z(std::string_view bajty)
{
    SkrotBajtow s;
    s.Dodaj(bajty);
    return s.Wynik();
}

void SkrotBajtow::Dodaj(std::string_view bajty)
{
    // Eight bytes a step: a file of hundreds of megabytes costs little.
    const auto krok = [this](std::uint64_t w) { skrot_ = (std::rotl(skrot_ ^ w, 29) + rozmiar_) * 0x9e3779b97f4a7c15ull; };
    std::size_t i = 0;
    for (; i < bajty.size() && rozmiar_ % 8 != 0; ++i) {
        reszta_ |= std::uint64_t(static_cast<unsigned char>(bajty[i])) << (8 * (rozmiar_++ % 8));
        if (rozmiar_ % 8 == 0) {
            krok(reszta_);
            reszta_ = 0;
        }
    }
    for (; i + 8 <= bajty.size(); i += 8) {
        std::uint64_t w = 0;
        for (std::size_t k = 8; k-- > 0;)
            w = w << 8 | static_cast<unsigned char>(bajty[i + k]);
        rozmiar_ += 8;
        krok(w);
    }
    for (; i < bajty.size(); ++i)
        reszta_ |= std::uint64_t(static_cast<unsigned char>(bajty[i])) << (8 * (rozmiar_++ % 8));
}

ZawartoscPliku SkrotBajtow::Wynik() const
{
    ZawartoscPliku z;
    z.znana = true;
    z.rozmiar = rozmiar_;
    z.skrot = Wymieszaj(skrot_ ^ Wymieszaj(reszta_ + rozmiar_));
    return z;
}
