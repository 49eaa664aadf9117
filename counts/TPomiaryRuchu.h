#pragma once
// The count editor: creates, opens, edits and saves traffic counts (".pom"
// files of the counts folder), always on the current count BiezacyPomiar.

#include <QDialog>
#include <array>
#include <string>

#include "counts/TPojazdyTabela.h"
#include "platform/ZapisBezpieczny.h"

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class TFiltrOkna;

class TPomiaryRuchu : public QDialog {
    Q_OBJECT
public:
    explicit TPomiaryRuchu(QWidget* rodzic = nullptr);

    QListWidget* ListaPomiar;
    TFiltrOkna* RG_Pokazuj;
    QPushButton *Button2, *Button1, *B_NowyPomiar, *Button3, *B_Powrot;   // Odśwież, Wczytaj, Nowy, Zapisz, Powrót
    QLineEdit *E_NazwaWezla, *E_Sekcja, *E_Opis1, *E_Opis2;
    QDateEdit* DataPomiaru;
    QLineEdit* E_GodzPomiaru;               // "HH:MM"
    QComboBox* CB_CzasPomiaru;
    QLabel* L_OstEdycja;
    QTabWidget* PageTyp;                    // "Skrzyżowanie", "Rondo"
    std::array<QPushButton*, 4> B_Rupl;     // B_Rupl1..4: inlets east, north, west, south
    std::array<QCheckBox*, 4> CB_Wylacz;    // CB_Wylacz1..4
    std::array<QPushButton*, 5> B_Rond;     // B_Rond1..5
    QComboBox* CB_IloscWW;
    QCheckBox* CB_Zawrotki;
    QPushButton* B_Ustawienia;

    // The path of the current count ("" while no count is open), as the
    // save dialog held it.
    std::string SavePomiar;
    // What was read from that file or last written into it (unknown for a
    // new count's file before its first save).
    ZawartoscPliku ZawartoscPomiaru;

    void UstawKontrolkiPomiaru();
    WynikSprawdzenia SprawdzNaglowekPomiaru() const;
    void PokazPomiar();
    void OdswiezListePomiarow();
    void OtworzPomiar();
    // The header controls into the count, then the file; false after a
    // message or the user's "Nie" to replacing another's save, and then
    // the count is marked unsaved.
    bool ZapiszPlikPomiaru(const std::string& sciezka);

    void Button2Click();        // "Odśwież"
    void Button1Click();        // "Wczytaj POMIAR"
    void B_NowyPomiarClick();
    void Button3Click();        // "Zapisz"
    void B_PowrotClick();
    void B_RuplClick(int wlot);     // 1..4
    void B_RondClick(int wlot);     // 1..5
    void CB_WylaczClick(int wlot);  // 1..4
    void CB_IloscWWChange();
    void PageTypChange();
    void CB_ZawrotkiClick();
    void B_UstawieniaClick();

    // Closing by the frame or Esc asks about unsaved changes.
    void reject() override;

protected:
    void showEvent(QShowEvent* e) override;

private:
    // The message of the first of the name, hour and duration that inlet
    // data needs and the header lacks; "" when it has them.
    std::string BrakNaglowka() const;
    void PokazOstatniaEdycje();
    void ZmienionyNaglowek();
    void Zmieniony();
    // Before the current count is left: saved, dropped or kept by the
    // user's answer; false when it stays.
    bool PorzucicPomiar();
    void NapisDanych(int wlot);
    bool wypelnianie_ = false;
};

extern TPomiaryRuchu* PomiaryRuchu;

extern const char* const FiltrPomiarowPliku;
