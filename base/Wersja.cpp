#include "base/Wersja.h"

#include <array>
#include <charconv>

std::string DataKompilacji() { return DataKompilacji(__DATE__); }

std::string DataKompilacji(std::string_view data)
{
    static constexpr std::array<std::string_view, 12> skroty = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                               "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    static constexpr std::array<std::string_view, 12> miesiace = {
        "stycznia", "lutego",   "marca",    "kwietnia",    "maja",      "czerwca",
        "lipca",    "sierpnia", "września", "października", "listopada", "grudnia"};
    if (data.size() < 11)
        return std::string(data);
    std::size_t m = 0;
    while (m < skroty.size() && skroty[m] != data.substr(0, 3))
        ++m;
    int dzien = 0;
    std::string_view d = data.substr(4, 2);
    if (d.front() == ' ')
        d.remove_prefix(1);
    if (m == skroty.size() || std::from_chars(d.data(), d.data() + d.size(), dzien).ec != std::errc())
        return std::string(data);
    return std::to_string(dzien) + " " + std::string(miesiace[m]) + " " + std::string(data.substr(7, 4)) + " r.";
}
