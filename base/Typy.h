#pragma once
// Small value types shared by every subsystem: short strings of fixed
// capacity, sheet points, colours and date-time values.

#include <cstdint>
#include <string>
#include <string_view>

// A text field of a record: up to N bytes of Windows-1250 text. Assigning a
// longer text cuts it by bytes, as the project file's fields are cut on reading.
template <int N>
class KrotkiTekst {
public:
    static constexpr int Pojemnosc = N;

    KrotkiTekst() = default;
    KrotkiTekst(std::string_view t) : tekst_(t.substr(0, std::min<std::size_t>(t.size(), N))) {}
    KrotkiTekst(const char* t) : KrotkiTekst(std::string_view(t)) {}
    KrotkiTekst(const std::string& t) : KrotkiTekst(std::string_view(t)) {}

    KrotkiTekst& operator=(std::string_view t)
    {
        tekst_.assign(t.substr(0, std::min<std::size_t>(t.size(), N)));
        return *this;
    }
    KrotkiTekst& operator=(const std::string& t) { return *this = std::string_view(t); }
    KrotkiTekst& operator=(const char* t) { return *this = std::string_view(t); }

    const std::string& str() const { return tekst_; }
    operator const std::string&() const { return tekst_; }
    const char* c_str() const { return tekst_.c_str(); }
    std::size_t size() const { return tekst_.size(); }
    bool empty() const { return tekst_.empty(); }
    char operator[](std::size_t i) const { return tekst_[i]; }

    friend bool operator==(const KrotkiTekst& a, const KrotkiTekst& b) { return a.tekst_ == b.tekst_; }
    friend bool operator==(const KrotkiTekst& a, std::string_view b) { return a.tekst_ == b; }

private:
    std::string tekst_;
};

// A point on the sheet, in centimetres, y up.
struct PunktXY {
    double X = 0.0;
    double Y = 0.0;
    friend bool operator==(const PunktXY&, const PunktXY&) = default;
};

// A pixel point of the screen or the printer.
struct PunktInt {
    int32_t X = 0;
    int32_t Y = 0;
    friend bool operator==(const PunktInt&, const PunktInt&) = default;
};

// A colour: red in the lowest byte, green next, blue third.
using TKolor = uint32_t;

constexpr TKolor KolorRGB(int r, int g, int b)
{
    return static_cast<TKolor>(r & 0xFF) | (static_cast<TKolor>(g & 0xFF) << 8) | (static_cast<TKolor>(b & 0xFF) << 16);
}
constexpr int KolorR(TKolor k) { return k & 0xFF; }
constexpr int KolorG(TKolor k) { return (k >> 8) & 0xFF; }
constexpr int KolorB(TKolor k) { return (k >> 16) & 0xFF; }

// A date and time: days since 30 December 1899, the fraction the time of day.
using TDataCzas = double;
