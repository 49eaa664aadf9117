#pragma once
// A PDF document of vector pages, built in memory and given out as the bytes
// of its file: the catalog, the page tree, the pages with their content
// streams, the cross-reference table and the trailer. The content is the
// pages' own (drawing operators only, no fonts or images), so a page needs
// no resources.

#include <string>
#include <string_view>
#include <vector>

// A piece of a page's content: operators, or operators deflated.
struct StrumienPdf {
    std::string bajty;
    bool deflate = false;
};

// The bytes deflated in zlib's format at its fastest level, as the
// /FlateDecode filter reads them.
std::string Deflate(std::string_view dane);

class DokumentPdf {
public:
    // Every page `szerokosc` x `wysokosc` points; the title in UTF-16.
    DokumentPdf(int szerokosc, int wysokosc, std::u16string tytul);

    // Opens a new page, which takes the pieces added after it.
    void NowaStrona();
    // A piece of the last page's content, drawn over the ones before.
    void DodajDoStrony(StrumienPdf kawalek);
    int LiczbaStron() const { return static_cast<int>(strony_.size()); }
    // Deflates every piece not deflated yet on up to `watkow` threads at once,
    // a large piece cut at its line ends into pieces of about a megabyte so
    // that all threads have work.
    void Skompresuj(int watkow);

    // The whole file.
    std::string Plik() const;

private:
    int szerokosc_, wysokosc_;
    std::u16string tytul_;
    std::vector<std::vector<StrumienPdf>> strony_;
};
