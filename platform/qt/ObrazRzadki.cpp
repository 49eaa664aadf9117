#include "platform/qt/ObrazRzadki.h"

#include <sys/mman.h>
#include <unistd.h>

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
