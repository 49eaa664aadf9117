#include "tools/czcionki/Hershey.h"

#include <cctype>
#include <fstream>

namespace czcionki {

namespace {

constexpr std::size_t kDlugoscNaglowka = 8;  // number (5) + vertex count (3)

bool PoleLiczbowe(const std::string& tekst, std::size_t od, std::size_t ile, int& wynik) {
    bool cyfra = false;
    wynik = 0;
    for (std::size_t i = od; i < od + ile; ++i) {
        const unsigned char c = static_cast<unsigned char>(tekst[i]);
        if (c == ' ' && !cyfra)
            continue;
        if (!std::isdigit(c))
            return false;
        cyfra = true;
        wynik = wynik * 10 + (c - '0');
    }
    return cyfra;
}

bool ZnakWspolrzednej(char c) { return c >= ' ' && c <= '~'; }

std::string Miejsce(const std::string& nazwa, int linia) {
    return nazwa + ", wiersz " + std::to_string(linia) + ": ";
}

// Turns the coordinate pairs of one complete record into a glyph.
bool ZbudujZnak(const std::string& rekord, int liczbaPar, ZnakHershey& znak, std::string& opis) {
    for (std::size_t i = kDlugoscNaglowka; i < rekord.size(); ++i)
        if (!ZnakWspolrzednej(rekord[i])) {
            opis = "niedozwolony znak w danych współrzędnych";
            return false;
        }
    znak.lewy = rekord[kDlugoscNaglowka] - 'R';
    znak.prawy = rekord[kDlugoscNaglowka + 1] - 'R';
    if (znak.prawy < znak.lewy) {
        opis = "prawy odstęp znaku leży na lewo od lewego";
        return false;
    }
    Linia biezaca;
    for (int p = 1; p < liczbaPar; ++p) {
        const char cx = rekord[kDlugoscNaglowka + 2 * p];
        const char cy = rekord[kDlugoscNaglowka + 2 * p + 1];
        if (cx == ' ') {
            if (cy != 'R') {
                opis = "para podniesienia pióra inna niż \" R\"";
                return false;
            }
            if (!biezaca.empty())
                znak.linie.push_back(std::move(biezaca));
            biezaca.clear();
            continue;
        }
        biezaca.push_back(PunktH{static_cast<double>(cx - 'R'), static_cast<double>(cy - 'R')});
    }
    if (!biezaca.empty())
        znak.linie.push_back(std::move(biezaca));
    return true;
}

}  // namespace

bool ParsujJhf(std::istream& we, const std::string& nazwa, std::vector<ZnakHershey>& znaki,
               std::string& blad) {
    znaki.clear();
    std::string wiersz;
    int nrWiersza = 0;
    while (std::getline(we, wiersz)) {
        ++nrWiersza;
        if (!wiersz.empty() && wiersz.back() == '\r')
            wiersz.pop_back();
        if (wiersz.find_first_not_of(' ') == std::string::npos)
            continue;  // blank lines between records carry nothing
        const int poczatek = nrWiersza;
        int numer = 0;
        int liczbaPar = 0;
        if (wiersz.size() < kDlugoscNaglowka + 2 || !PoleLiczbowe(wiersz, 0, 5, numer) ||
            !PoleLiczbowe(wiersz, 5, 3, liczbaPar) || liczbaPar < 1) {
            blad = Miejsce(nazwa, nrWiersza) + "nagłówek znaku nie ma postaci "
                   "\"numer(5) liczba wierzchołków(3) odstępy\"";
            return false;
        }
        const std::size_t oczekiwana = kDlugoscNaglowka + 2 * static_cast<std::size_t>(liczbaPar);
        std::string rekord = wiersz;
        while (rekord.size() < oczekiwana) {
            if (!std::getline(we, wiersz)) {
                blad = Miejsce(nazwa, poczatek) + "znak urwany: zapowiedziano " +
                       std::to_string(liczbaPar) + " wierzchołków, plik skończył się wcześniej";
                return false;
            }
            ++nrWiersza;
            if (!wiersz.empty() && wiersz.back() == '\r')
                wiersz.pop_back();
            rekord += wiersz;
        }
        // Trailing blanks after a record are harmless; anything else means
        // the vertex count and the data disagree.
        if (rekord.find_first_not_of(' ', oczekiwana) != std::string::npos) {
            blad = Miejsce(nazwa, nrWiersza) + "więcej danych niż zapowiedziane " +
                   std::to_string(liczbaPar) + " wierzchołków";
            return false;
        }
        rekord.resize(oczekiwana);
        ZnakHershey znak;
        znak.numer = numer;
        std::string opis;
        if (!ZbudujZnak(rekord, liczbaPar, znak, opis)) {
            blad = Miejsce(nazwa, poczatek) + opis;
            return false;
        }
        znaki.push_back(std::move(znak));
    }
    if (we.bad()) {
        blad = nazwa + ": błąd odczytu";
        return false;
    }
    return true;
}

bool CzytajJhf(const std::string& sciezka, std::vector<ZnakHershey>& znaki, std::string& blad) {
    std::ifstream plik(sciezka, std::ios::binary);
    if (!plik) {
        blad = sciezka + ": nie można otworzyć pliku czcionki Hershey "
               "(czy zainstalowano pakiet hershey-fonts-data?)";
        return false;
    }
    return ParsujJhf(plik, sciezka, znaki, blad);
}

}  // namespace czcionki
