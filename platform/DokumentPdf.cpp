#include "platform/DokumentPdf.h"

#include <zlib.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <stdexcept>

#include "base/Watki.h"

std::string Deflate(std::string_view dane)
{
    z_stream z{};
    if (deflateInit(&z, Z_BEST_SPEED) != Z_OK)
        throw std::runtime_error("deflateInit");
    std::string wynik(deflateBound(&z, static_cast<uLong>(dane.size())), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(dane.data()));
    z.avail_in = static_cast<uInt>(dane.size());
    z.next_out = reinterpret_cast<Bytef*>(wynik.data());
    z.avail_out = static_cast<uInt>(wynik.size());
    const int stan = deflate(&z, Z_FINISH);
    wynik.resize(z.total_out);
    deflateEnd(&z);
    if (stan != Z_STREAM_END)
        throw std::runtime_error("deflate");
    return wynik;
}

DokumentPdf::DokumentPdf(int szerokosc, int wysokosc, std::u16string tytul)
    : szerokosc_(szerokosc), wysokosc_(wysokosc), tytul_(std::move(tytul))
{
}

void DokumentPdf::NowaStrona() { strony_.emplace_back(); }

void DokumentPdf::DodajDoStrony(StrumienPdf kawalek)
{
    if (strony_.empty())
        NowaStrona();
    strony_.back().push_back(std::move(kawalek));
}

namespace {

constexpr std::size_t RozmiarKawalka = 1 << 20;

// The operators cut at line ends into pieces of about `RozmiarKawalka`.
std::vector<std::string_view> Kawalki(std::string_view tresc)
{
    std::vector<std::string_view> kawalki;
    while (tresc.size() > RozmiarKawalka) {
        const std::size_t koniec = tresc.find('\n', RozmiarKawalka);
        if (koniec == std::string_view::npos)
            break;
        kawalki.push_back(tresc.substr(0, koniec + 1));
        tresc.remove_prefix(koniec + 1);
    }
    if (!tresc.empty())
        kawalki.push_back(tresc);
    return kawalki;
}

}  // namespace

void DokumentPdf::Skompresuj(int watkow)
{
    // The new pages, each piece to deflate with its source in the old ones.
    std::vector<std::vector<StrumienPdf>> nowe(strony_.size());
    struct Zadanie {
        std::string_view zrodlo;
        std::size_t strona, kawalek;
    };
    std::vector<Zadanie> zadania;
    for (std::size_t s = 0; s < strony_.size(); ++s)
        for (StrumienPdf& k : strony_[s]) {
            if (k.deflate) {
                nowe[s].push_back(std::move(k));
                continue;
            }
            for (std::string_view kawalek : Kawalki(k.bajty)) {
                zadania.push_back({kawalek, s, nowe[s].size()});
                nowe[s].push_back({{}, true});
            }
        }
    std::atomic<std::size_t> nastepne{0};
    const auto n = std::max<std::size_t>(1, std::min(static_cast<std::size_t>(std::max(watkow, 1)), zadania.size()));
    Rownolegle(static_cast<int>(n), [&](int) {
        for (std::size_t i = nastepne++; i < zadania.size(); i = nastepne++)
            nowe[zadania[i].strona][zadania[i].kawalek].bajty = Deflate(zadania[i].zrodlo);
    });
    strony_ = std::move(nowe);
}

namespace {

// Writes the objects one after another, noting where each begins.
class Obiekty {
public:
    explicit Obiekty(std::string& plik) : plik_(plik) {}

    // Object numbers are given in the order the objects are written, from 1.
    int Nastepny() const { return static_cast<int>(pozycje_.size()) + 1; }
    void Otworz()
    {
        pozycje_.push_back(plik_.size());
        plik_ += std::to_string(pozycje_.size()) + " 0 obj\n";
    }
    void Zamknij() { plik_ += "endobj\n"; }

    void TabelaIZakonczenie(int katalog, int info)
    {
        const std::size_t xref = plik_.size();
        plik_ += "xref\n0 " + std::to_string(pozycje_.size() + 1) + "\n0000000000 65535 f \n";
        char wpis[24];
        for (std::size_t p : pozycje_) {
            std::snprintf(wpis, sizeof wpis, "%010zu 00000 n \n", p);
            plik_ += wpis;
        }
        plik_ += "trailer\n<< /Size " + std::to_string(pozycje_.size() + 1) + " /Root " + std::to_string(katalog) +
                 " 0 R /Info " + std::to_string(info) + " 0 R >>\nstartxref\n" + std::to_string(xref) + "\n%%EOF\n";
    }

private:
    std::string& plik_;
    std::vector<std::size_t> pozycje_;
};

std::string TekstUtf16(const std::u16string& tekst)
{
    std::string hex = "<FEFF";
    char cyfry[8];
    for (char16_t c : tekst) {
        std::snprintf(cyfry, sizeof cyfry, "%04X", static_cast<unsigned>(c));
        hex += cyfry;
    }
    return hex + ">";
}

}  // namespace

std::string DokumentPdf::Plik() const
{
    std::size_t rozmiar = 1024;
    for (const auto& s : strony_)
        for (const StrumienPdf& k : s)
            rozmiar += k.bajty.size() + 128;
    std::string plik;
    plik.reserve(rozmiar);
    plik += "%PDF-1.4\n%\xE2\xE3\xCF\xD3\n";
    Obiekty o(plik);

    // 1 the catalog, 2 the page tree, 3 the document's information; then
    // each page followed by its pieces.
    const int katalog = 1, drzewo = 2, info = 3;
    std::vector<int> numeryStron;
    int numer = 4;
    for (const auto& s : strony_) {
        numeryStron.push_back(numer);
        numer += 1 + static_cast<int>(s.size());
    }

    o.Otworz();
    plik += "<< /Type /Catalog /Pages 2 0 R >>\n";
    o.Zamknij();
    o.Otworz();
    plik += "<< /Type /Pages /Count " + std::to_string(strony_.size()) + " /Kids [";
    for (int n : numeryStron)
        plik += " " + std::to_string(n) + " 0 R";
    plik += " ] >>\n";
    o.Zamknij();
    o.Otworz();
    plik += "<< /Title " + TekstUtf16(tytul_) + " /Producer (Kartogram) >>\n";
    o.Zamknij();

    const std::string pudelko = "[0 0 " + std::to_string(szerokosc_) + " " + std::to_string(wysokosc_) + "]";
    for (const auto& s : strony_) {
        const int strona = o.Nastepny();
        o.Otworz();
        plik += "<< /Type /Page /Parent " + std::to_string(drzewo) + " 0 R /MediaBox " + pudelko +
                " /Resources << >> /Contents [";
        for (std::size_t k = 0; k < s.size(); ++k)
            plik += " " + std::to_string(strona + 1 + static_cast<int>(k)) + " 0 R";
        plik += " ] >>\n";
        o.Zamknij();
        for (const StrumienPdf& k : s) {
            o.Otworz();
            plik += "<< /Length " + std::to_string(k.bajty.size()) + (k.deflate ? " /Filter /FlateDecode" : "") +
                    " >>\nstream\n";
            plik += k.bajty;
            plik += "\nendstream\n";
            o.Zamknij();
        }
    }
    o.TabelaIZakonczenie(katalog, info);
    return plik;
}
