#pragma once
// The vehicle classes and crossing categories of the current count, loaded
// from and saved to count settings files ("*.upm").

#include <QDialog>
#include <array>
#include <string>

#include "counts/PlikiPomiarow.h"

class QLineEdit;
class QPushButton;
class TSiatka;

struct WynikSprawdzenia {
    bool ok = true;
    std::string komunikat;   // Windows-1250
};

class TPojazdyTabela : public QDialog {
    Q_OBJECT
public:
    explicit TPojazdyTabela(QWidget* rodzic = nullptr);

    TSiatka* SG_Tabela;
    std::array<QLineEdit*, 4> E_PrzejOpis;   // E_PrzejOpis1..4
    std::array<QLineEdit*, 4> E_PrzejOzn;    // E_PrzejOzn1..4
    QPushButton* B_Wprowadz;
    QPushButton* B_Rezygnuj;
    QPushButton* B_OdczytUstawPojazd;
    QPushButton* B_ZapisUstawPojazd;
    QPushButton* Button3;                    // "Wstaw domyślne"

    // The current count's classes into the controls.
    void PokazUstawienia();
    // The controls as texts, and back.
    UstawieniaPomiaru Ustawienia() const;
    void UstawKontrolki(const UstawieniaPomiaru& u, bool zPrzejsciami);

    bool CzytajUstawieniaPomiaru(const std::string& sciezka);
    bool ZapiszUstawieniaPomiaru(const std::string& sciezka);
    // Factors are rewritten with the system's separator in the grid.
    WynikSprawdzenia SprawdzUstawieniaPomiaru();
    void WprowadzUstawieniaPomiaru();

    void B_WprowadzClick();
    void B_RezygnujClick();
    void B_OdczytUstawPojazdClick();
    void B_ZapisUstawPojazdClick();
    void Button3Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void Zmieniono();

    // The classes file last read or written, and what it held then: a save
    // back into it asks where another save changed it since.
    std::string plikUstawien_;
    ZawartoscPliku zawartoscUstawien_;
};

extern TPojazdyTabela* PojazdyTabela;

// Filters of the count windows' file dialogs.
extern const char* const FiltrUstawien;
