#include "platform/qt/ObrazRzadki.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <vector>

ObrazRzadki::~ObrazRzadki() { Zwolnij(); }

void ObrazRzadki::Zwolnij()
{
    obraz_ = QImage();
    if (pamiec_)
        munmap(pamiec_, rozmiar_);
    pamiec_ = nullptr;
    rozmiar_ = 0;
}

bool ObrazRzadki::Dopasuj(const QImage& wzor)
{
    if (pamiec_ && obraz_.size() == wzor.size() && obraz_.format() == wzor.format())
        return false;
    Zwolnij();
    const qsizetype wiersz = wzor.bytesPerLine();
    const std::size_t rozmiar = static_cast<std::size_t>(wiersz) * static_cast<std::size_t>(wzor.height());
    if (rozmiar == 0) {
        obraz_ = QImage(wzor.size(), wzor.format());
        return true;
    }
    // Private anonymous memory reads zero until written, and a page is
    // given only on its first write.
    void* p = mmap(nullptr, rozmiar, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
    if (p == MAP_FAILED)
        throw std::bad_alloc();
    pamiec_ = p;
    rozmiar_ = rozmiar;
    obraz_ = QImage(static_cast<uchar*>(pamiec_), wzor.width(), wzor.height(), wiersz, wzor.format());
    return true;
}

void ObrazRzadki::Wyczysc()
{
    // Pages given back read zero again.
    if (pamiec_)
        madvise(pamiec_, rozmiar_, MADV_DONTNEED);
    else if (!obraz_.isNull())
        obraz_.fill(0);
}

void ObrazRzadki::WyczyscPoza(int od, int do_)
{
    // A bitmap without pixels has no memory.
    if (!pamiec_)
        return;
    od = std::clamp(od, 0, obraz_.height());
    do_ = std::clamp(do_, od, obraz_.height());
    if (od == do_) {
        Wyczysc();
        return;
    }
    auto* bity = static_cast<uchar*>(pamiec_);
    const auto wiersz = static_cast<std::size_t>(obraz_.bytesPerLine());
    const auto strona = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    const std::size_t poczatek = static_cast<std::size_t>(od) * wiersz, koniec = static_cast<std::size_t>(do_) * wiersz;
    // The pages wholly outside the rows go back; the bytes outside the rows
    // on the pages they share with them are zeroed.
    const std::size_t przed = poczatek / strona * strona;
    const std::size_t za = std::min((koniec + strona - 1) / strona * strona, rozmiar_);
    if (przed > 0)
        madvise(bity, przed, MADV_DONTNEED);
    std::memset(bity + przed, 0, poczatek - przed);
    std::memset(bity + koniec, 0, za - koniec);
    if (za < rozmiar_)
        madvise(bity + za, rozmiar_ - za, MADV_DONTNEED);
}

std::size_t ObrazRzadki::PamiecUzywana() const
{
    if (!pamiec_)
        return static_cast<std::size_t>(obraz_.sizeInBytes());
    const auto strona = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    std::vector<unsigned char> w((rozmiar_ + strona - 1) / strona);
    if (mincore(pamiec_, rozmiar_, w.data()) != 0)
        return rozmiar_;
    std::size_t stron = 0;
    for (unsigned char b : w)
        stron += b & 1;
    return stron * strona;
}

ObrazRzadki::Strony ObrazRzadki::StronyWierszy(int od, int do_) const
{
    Strony s;
    od = std::clamp(od, 0, obraz_.height());
    do_ = std::clamp(do_, od, obraz_.height());
    if (od == do_)
        return s;
    const auto wiersz = static_cast<std::size_t>(obraz_.bytesPerLine());
    if (!pamiec_) {
        // Not sparse: every page has memory.
        s.strona = static_cast<std::size_t>(obraz_.sizeInBytes());
        s.zPamiecia.assign(1, 1);
        return s;
    }
    s.strona = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    s.pierwsza = static_cast<std::size_t>(od) * wiersz / s.strona;
    const std::size_t za = (static_cast<std::size_t>(do_) * wiersz + s.strona - 1) / s.strona;
    s.zPamiecia.resize(za - s.pierwsza);
    auto* poczatek = static_cast<uchar*>(pamiec_) + s.pierwsza * s.strona;
    // Should the system not say, every page counts as drawn on.
    if (mincore(poczatek, (za - s.pierwsza) * s.strona, s.zPamiecia.data()) != 0)
        std::fill(s.zPamiecia.begin(), s.zPamiecia.end(), 1);
    return s;
}
