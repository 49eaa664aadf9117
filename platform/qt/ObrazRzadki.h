#pragma once
// A bitmap whose memory is taken only where it is drawn: its pixels start
// zero, and the system gives a page of memory to the first write into it.
// A thread of a redraw shared among threads draws on such a bitmap of the
// screen's size, and only the rows it draws on cost memory; the bitmap has
// the screen's coordinates, so what is drawn on it is what the screen's
// bitmap would get there.

#include <QImage>
#include <cstddef>
#include <vector>

class ObrazRzadki {
public:
    ObrazRzadki() = default;
    ~ObrazRzadki();
    ObrazRzadki(const ObrazRzadki&) = delete;
    ObrazRzadki& operator=(const ObrazRzadki&) = delete;

    // The bitmap of the size and format of `wzor`; a new one is all zero.
    // True when it is new.
    bool Dopasuj(const QImage& wzor);
    QImage& Obraz() { return obraz_; }
    // Every pixel zero again, whatever was drawn, the memory given back.
    void Wyczysc();
    // The rows flagged in `wiersze` (one flag a row) were drawn on: their
    // pages hold memory until given back.
    void Zajmij(const std::vector<unsigned char>& wiersze);
    // Of a bitmap whose pixels are all zero, the memory of the pages that
    // hold none of the rows flagged in `wiersze` goes back (all of it for
    // none flagged). The system takes it only when it needs memory and
    // gives it zero then; a page it has not taken keeps its zero pixels,
    // and a write into it costs nothing.
    void OddajPoza(const std::vector<unsigned char>& wiersze);
    // The memory held now, at most: the pages of the rows drawn on since
    // they were given back, in bytes.
    std::size_t PamiecUzywana() const;

private:
    void Zwolnij();
    // Gives back pages [od, do_) with `rada` (an madvise advice).
    void Oddaj(std::size_t od, std::size_t do_, int rada);
    // Flags in `strony` the pages of the rows flagged in `wiersze`.
    void OznaczStrony(const std::vector<unsigned char>& wiersze, std::vector<unsigned char>& strony) const;
    void* pamiec_ = nullptr;
    std::size_t rozmiar_ = 0, strona_ = 1;
    // For each page, whether it holds memory.
    std::vector<unsigned char> zajete_;
    QImage obraz_;
};
