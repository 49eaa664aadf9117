#pragma once
// The roundabout data window: one roundabout's title, its volumes typed as a
// relation matrix or as entry and exit totals, its crossings, its volumes
// from a count with class coefficients and a forecast, its vehicle structure
// and the count's reports. The record's index comes in L_NrRonda.

#include <QColor>
#include <QDialog>
#include <array>
#include <cstdint>
#include <string>

#include "junction_forms/GeometriaWezla.h"
#include "junction_forms/GrupaTytulu.h"
#include "junction_forms/StronaPomiaru.h"
#include "junction_forms/WartosciRonda.h"
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
class QWidget;

template <class T>
using Tablica5 = std::array<T, 5>;

class TDaneRonda : public QDialog, public KontrolkiPomiaru, public KontrolkiTytulu {
    Q_OBJECT
public:
    explicit TDaneRonda(QWidget* rodzic = nullptr);

    QLabel* L_NrRonda;
    QTabWidget* PC_NatRond;    // "Dane o natężeniach", "Dane na przejściach", "Dane z pomiaru", "Dane o strukturze"
    QTabWidget* PC_DaneRonda;  // "Dane o relacjach", "Dane o sumie Wloty/Wyloty"
    QRadioButton *RB_DaneNatezenia, *RB_DanePomiar, *RB_DaneStruktura;
    QPushButton *B_rezygnuj, *Wprowadz;
    // Title group "NAGŁÓWEK": KontrolkiTytulu.

    // Relation page: entry i to exit j at [i - 1][j - 1]; wyp[i - 1][j - 1]
    // is the label wy + j + i + p (the exit's share coming from entry i).
    Tablica5<Tablica5<QLineEdit*>> nat{};
    Tablica5<Tablica5<QLabel*>> wlp{}, wyp{};
    Tablica5<QLabel*> Wlot{}, wylot{}, RazemWlot{}, RazemWylot{}, L_Ozn{};
    QPushButton* ObliczProcenty;
    // Sums page: arm k's box, entry and exit edits.
    Tablica5<QGroupBox*> GB_panel{};
    Tablica5<QLineEdit*> E_NatWlot{}, E_NatWylot{};
    QLabel *L_WLOTY, *L_WYLOTY;
    // Crossings page: arm k, category c, side L (0) or P (1).
    Tablica5<QGroupBox*> PanelPrzejsc{};
    Tablica5<std::array<std::array<QLineEdit*, 2>, 4>> Ep{};
    Tablica5<std::array<QLabel*, 4>> L_POpis{};
    Tablica5<QLabel*> Strzalki{};

    // Count page.
    // The count page: its controls and copies are KontrolkiPomiaru's.

    // Structure page: tile of relation w -> j at [w - 1][j - 1].
    Tablica5<QGroupBox*> PanelStruktury{};
    Tablica5<Tablica5<QPushButton*>> tile{};
    Tablica5<QLabel*> L_wl{}, L_wy{};
    QLabel* s_nr;
    QTableWidget* SG_Stru;
    QCheckBox* CB_PokazUstawyStruktura;
    QLabel* L_iStruktura;
    QComboBox* CB_iStruktura;
    QTableWidget* SG_StrukturaDane;

    uint8_t Zmieniono = 0;
    uint8_t StrukturaZmieniona = 0;
    QColor KolorWybranejRelacji;

    void FormShow();
    void WprowadzClick();
    void B_rezygnujClick();
    void WstawSzablonClick();
    void PC_NatRondChange();
    void PC_DaneRondaChange();

    // Relations, sums, crossings.
    void PokazUkladWlotow(int rekord, int ramion);
    void PokazRamie(int ramie, bool widoczne);
    void PokazPrzejsciaRamienia(int ramie, bool widoczne);
    void PokazProcentyRamienia(int ramie, bool widoczne);
    void ObliczProcentyClick();
    void PokazSumyRelacji(const DaneRondo& r);
    void WpiszProcenty(const DaneRondo& r);
    WynikKontroli SprawdzNatezenia();
    WynikKontroli SprawdzSumy();
    void ZapiszNatezenia(int rekord);
    void ZapiszSumy(int rekord);
    void E_Nat11KeyUp() { SprawdzSumy(); }

    // Count page.
    WynikKontroli SprawdzWspolczynniki();
    void CzytajWspolczynniki();
    void PrzeliczPomiar();
    void B_OdswiezClick() { PrzeliczPomiar(); }
    void RysujSumyWlotow();
    void W_WczytajPomiarClick();
    void B_PrognozaClick();
    void B_UsunPrognozeClick();
    void CB_WlaczPrognozeMouseUp();
    void CB_AutoAktualizacjaMouseUp();
    void B_WstawOpisyClick();
    // Reports.
    void B_PokazNatezeniaClick();
    void B_PokazPomiarClick();
    void B_PokazPrognozeClick();
    void B_PokazWspolczynnikiClick();

    // Structure page.
    void PokazUstawieniaStruktury();
    void RysujKafelkiRelacji();
    void PokazRelacje();
    WynikKontroli SprawdzStrukture() const;
    void ZapiszRelacje();
    void iClick(int relacja);   // the relation's two digits, 11 .. 55
    void CB_iStrukturaChange();
    void CB_PokazUstawyStrukturaClick();

protected:
    void showEvent(QShowEvent* e) override;

private:
    int Rekord() const;
    bool Prognoza() const;
    TekstyRonda Teksty() const;
    void ZastapZleLiczbyTytulu();
    WynikKontroli SprawdzWprowadzenie(LiczbyTytulu& l);
    void ZapiszNaglowek(int rekord, const LiczbyTytulu& l);
    void ZapiszStronePomiaru(int rekord);
    void PokazStronePomiaru();
    void UstawWidocznoscPomiaru(bool widoczne);
    void PrzeliczPotokiKopii();
    std::array<std::string, 5> Oznaczenia() const;
    std::array<bool, 5> ramieWidoczne_{true, true, true, true, true};
    bool wypelnianie_ = false;
};

extern TDaneRonda* DaneRonda;
