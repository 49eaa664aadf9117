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
    // Every pixel zero again, the memory of those drawn given back.
    void Wyczysc();
    // The pixels outside rows [od, do_) zero again, the memory of the pages
    // that hold none of those rows given back; the rows keep theirs.
    void WyczyscPoza(int od, int do_);
    // The memory in use now, in bytes (for the tests).
    std::size_t PamiecUzywana() const;

    // Which pages of rows [od, do_) have memory: the others were not drawn
    // on since it was given back, and read zero.
    struct Strony {
        std::size_t strona = 1, pierwsza = 0;
        std::vector<unsigned char> zPamiecia;
        // Whether the page of byte `bajt` (from the bitmap's first) has memory.
        bool MaPamiec(std::size_t bajt) const
        {
            const std::size_t i = bajt / strona;
            return i >= pierwsza && i - pierwsza < zPamiecia.size() && (zPamiecia[i - pierwsza] & 1) != 0;
        }
    };
    Strony StronyWierszy(int od, int do_) const;

private:
    void Zwolnij();
    void* pamiec_ = nullptr;
    std::size_t rozmiar_ = 0;
    QImage obraz_;
};
