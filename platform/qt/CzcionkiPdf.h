#pragma once
// The TrueType faces of a PDF page through Qt: sized, measured and outlined
// as the printer's canvas over QPainter sizes and measures them at the same
// resolution. One per page canvas (and so per thread); it keeps what it has
// measured and outlined.

#include <map>
#include <string>
#include <tuple>

#include <QFont>
#include <QImage>

#include "platform/PlotnoPdf.h"

class CzcionkiPdfQt : public CzcionkiPdf {
public:
    // `dpi`: the printer's pixels per inch.
    explicit CzcionkiPdfQt(int dpi);

    int WysokoscKomorki(const std::string& kroj, int wysokosc) override;
    int Szerokosc(const std::string& kroj, int wysokosc, std::string_view tekst) override;
    const std::string& Obrys(const std::string& kroj, int wysokosc, std::string_view tekst) override;

private:
    const QFont& Czcionka(const std::string& kroj, int wysokosc);

    // A bitmap of the printer's resolution stands for it when measuring.
    QImage urzadzenie_;
    std::map<std::pair<std::string, int>, QFont> czcionki_;
    using Klucz = std::tuple<std::string, int, std::string>;
    std::map<Klucz, int> szerokosci_;
    std::map<Klucz, std::string> obrysy_;
};
