#pragma once
// The junction volumes window: one junction diagram's title, its volumes
// typed per relation, its crossings, its volumes from a count with class
// factors and a forecast, its vehicle structure and the count's reports.
// The record's index comes in L_NrRupl.

#include <QColor>
#include <QDialog>
#include <array>
#include <cstdint>

#include "junction_forms/GeometriaWezla.h"
#include "junction_forms/GrupaTytulu.h"
#include "junction_forms/NatezeniaWezla.h"
#include "junction_forms/StronaPomiaru.h"
#include "model/Pomiar.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;
class QTableWidget;

class TNatezeniaRUPL : public QDialog, public KontrolkiPomiaru, public KontrolkiTytulu {
    Q_OBJECT
public:
    explicit TNatezeniaRUPL(QWidget* rodzic = nullptr);

    QLabel* L_NrRupl;
    QTabWidget* PC_NatRupl;   // TabSheet1, TabSheet2, DanePomiar, DaneStruktura
    QRadioButton *RB_DaneNatezenia, *RB_DanePomiar, *RB_DaneStruktura;
    // Title group "NAGŁÓWEK".
    QPushButton *BWprowadz, *BPowrot, *Button1, *Button2;

    // Relation i -> j at 4 (i - 1) + (j - 1): its edit, its share of the inlet
    // (wlIJp) and of the exit (wyJIp).
    std::array<QLineEdit*, 16> nat{};
    std::array<QLabel*, 16> wlp{};
    std::array<QLabel*, 16> wyp{};
    std::array<QLabel*, 4> Wlot{};    // Wlot1, wlot2, wlot3, Wlot4
    std::array<QLabel*, 4> wylot{};
    std::array<QLabel*, 8> Razem{};   // the "RAZEM:" captions, inlet and exit of each arm
    // Crossings: arm k, category c at [k - 1][c - 1].
    std::array<std::array<QLineEdit*, 4>, 4> EpL{}, EpP{};
    std::array<std::array<QLabel*, 4>, 4> L_POpis{};
    std::array<QLabel*, 4> strzalki{};   // strzalki1, strzalki2, Strzalki3, Strzalki4

    // Count page.
    // The count page: its controls and copies are KontrolkiPomiaru's.
    // What the percentages beside each volume are shares of.
    QLabel* L_OpisProcentow;
    static constexpr const char* OpisProcentow = "obok natężenia: % wlotu (wiersz), % wylotu (kolumna)";
    static constexpr int SzerokoscSumWlotow = 380;
    static constexpr int WysokoscCzcionkiSumWlotow = 11;

    // Structure page.
    std::array<QPushButton*, 16> tile{};   // i11 .. i44
    QLabel* s_nr;
    QTableWidget* SG_Stru;                 // rows 1..n at 0..n-1; "Typ", "szt."
    QCheckBox* CB_PokazUstawyStruktura;
    QLabel* L_iStruktura;
    QComboBox* CB_iStruktura;
    QTableWidget* SG_StrukturaDane;        // "Lp", "Ozn", "Opis", "wsp."

    uint8_t Zmieniono = 0;
    QColor KolorWybranejRelacji;

    void FormShow();
    void BWprowadzClick();
    void BPowrotClick();
    void PC_NatRuplChange();
    void Button1Click();
    void Button2Click();
    void WstawSzablonClick();
    WynikKontroli SprawdzNatezeniaOkna();
    void ZapiszNatezeniaOkna(int rekord);
    void PokazUkladWlotow();
    void UkryjRamie(int ramie);
    void PokazProcenty(bool widoczne);
    void DopasujProcenty();
    void PustaMetoda() {}

    // Count page.
    void PrzeliczPomiar();
    WynikKontroli SprawdzWspolczynniki();
    void CzytajWspolczynniki();
    void RysujSumyWlotow();
    void W_WczytajPomiarClick();
    void B_PrognozaClick();
    void B_UsunPrognozeClick();
    void B_WstawOpisyClick();
    void CB_WlaczPrognozeMouseUp();
    void CB_AutoAktualizacjaMouseUp();
    void B_OdswiezClick() { PrzeliczPomiar(); }
    // Reports.
    void B_PokazNatezeniaClick();
    void B_PokazPomiarClick();
    void B_PokazPrognozeClick();
    void B_PokazWspolczynnikiClick();

    // Structure page.
    void PokazRelacje();
    // False (after a message, storing nothing) when a count is no integer.
    // The structure counts of the relation shown, each within the volume's
    // limit.
    WynikKontroli SprawdzRelacje() const;
    bool ZapiszRelacje();
    void RysujKafelki();
    void iClick(int relacja);   // relation as its two digits, 11 .. 44
    void CB_PokazUstawyStrukturaClick();
    void CB_iStrukturaChange();
    void SG_StrukturaDaneExit();
    void WypelnijUstawieniaStruktury();

protected:
    void showEvent(QShowEvent* e) override;

private:
    int Rekord() const;
    // The typed volumes and crossing values as the edits hold them.
    void TekstyNatezen(TTekstyRelacji& relacje, TekstyPrzejsc& przejscia) const;
    bool ZapiszStronePomiaru(int rekord);
    void PokazOpisPomiaru();
    void UstawWidocznoscPomiaru(bool widoczne);
    std::array<std::string, 4> OznaczeniaRamion() const;
    void Zmiana(bool ukryjProcenty);
    // The title texts as shown, so an untouched one keeps the record's value.
    bool wypelnianie_ = false;
};

extern TNatezeniaRUPL* NatezeniaRUPL;
