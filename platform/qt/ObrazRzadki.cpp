#include "platform/qt/ObrazRzadki.h"

#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
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
    zajete_.clear();
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
    strona_ = static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
    zajete_.assign((rozmiar_ + strona_ - 1) / strona_, 0);
    obraz_ = QImage(static_cast<uchar*>(pamiec_), wzor.width(), wzor.height(), wiersz, wzor.format());
    return true;
}

void ObrazRzadki::Oddaj(std::size_t od, std::size_t do_, int rada)
{
    // Only the runs of pages that hold memory: the others have none to give.
    for (std::size_t s = od; s < do_;) {
        if (!zajete_[s]) {
            ++s;
            continue;
        }
        std::size_t koniec = s;
        while (koniec < do_ && zajete_[koniec])
            zajete_[koniec++] = 0;
        auto* poczatek = static_cast<uchar*>(pamiec_) + s * strona_;
        const std::size_t dlugosc = std::min(koniec * strona_, rozmiar_) - s * strona_;
        // Without MADV_FREE (an older system) the memory goes back at once.
        if (madvise(poczatek, dlugosc, rada) != 0)
            madvise(poczatek, dlugosc, MADV_DONTNEED);
        s = koniec;
    }
}

void ObrazRzadki::Wyczysc()
{
    // Pages given back at once read zero again, whatever they held.
    if (pamiec_) {
        std::fill(zajete_.begin(), zajete_.end(), 1);
        Oddaj(0, zajete_.size(), MADV_DONTNEED);
    } else if (!obraz_.isNull()) {
        obraz_.fill(0);
    }
}

void ObrazRzadki::OznaczStrony(const std::vector<unsigned char>& wiersze, std::vector<unsigned char>& strony) const
{
    const auto wiersz = static_cast<std::size_t>(obraz_.bytesPerLine());
    const std::size_t wierszy = std::min(wiersze.size(), static_cast<std::size_t>(obraz_.height()));
    for (std::size_t y = 0; y < wierszy; ++y)
        if (wiersze[y])
            std::fill(strony.begin() + static_cast<std::ptrdiff_t>(y * wiersz / strona_),
                      strony.begin() + static_cast<std::ptrdiff_t>(((y + 1) * wiersz - 1) / strona_ + 1), 1);
}

void ObrazRzadki::Zajmij(const std::vector<unsigned char>& wiersze)
{
    if (pamiec_)
        OznaczStrony(wiersze, zajete_);
}

void ObrazRzadki::OddajPoza(const std::vector<unsigned char>& wiersze)
{
    if (!pamiec_)
        return;
    std::vector<unsigned char> zostaja(zajete_.size(), 0);
    OznaczStrony(wiersze, zostaja);
    // The pixels are zero, so a page the system takes or leaves reads zero
    // alike.
    for (std::size_t s = 0; s < zajete_.size();) {
        std::size_t koniec = s;
        while (koniec < zajete_.size() && zostaja[koniec] == zostaja[s])
            ++koniec;
        if (!zostaja[s])
            Oddaj(s, koniec, MADV_FREE);
        s = koniec;
    }
}

std::size_t ObrazRzadki::PamiecUzywana() const
{
    if (!pamiec_)
        return static_cast<std::size_t>(obraz_.sizeInBytes());
    return static_cast<std::size_t>(std::count(zajete_.begin(), zajete_.end(), 1)) * strona_;
}
