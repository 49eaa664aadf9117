#pragma once
// The forecast table: edits a data window's forecast working copy, for all
// inlets together or per inlet, and loads and saves forecast files (".pgz").
// The copy changes only by "Wprowadź"; cancelling leaves it as it was.

#include <QDialog>
#include <array>
#include <string>

#include "counts/TPojazdyTabela.h"
#include "model/Pomiar.h"

class QCheckBox;
class QLabel;
class QPushButton;
class TSiatka;

class TTabelaPrognoz : public QDialog {
    Q_OBJECT
public:
    explicit TTabelaPrognoz(QWidget* rodzic = nullptr);

    TSiatka* SG_Przejscia;      // rows 1-4
    TSiatka* SG_Pojazdy;        // rows 1-20
    QCheckBox* CB_WspolnaPrognoza;
    QPushButton* B_OdczytUstawPojazd;   // "Wczytaj"
    QPushButton* B_ZapisUstawPojazd;    // "Zapisz"
    QPushButton* B_Wprowadz;
    QPushButton* B_Rezygnuj;
    QLabel* L_Typ;              // hidden: "J" junction, "R" roundabout
    QPushButton* Button1;       // hidden "spraw": the check alone
    QPushButton* Button3;       // hidden "Wstaw": marks the forecast changed

    // Set by the window, read by the caller afterwards; Ustaw clears them.
    uint8_t PrognozaZmieniona = 0;  // the copy was changed here
    uint8_t PomiarPrzelaczony = 0;  // the caller recomputes its volumes

    // The copy to edit, the caller's count (inlets present, class and
    // category names) and the arm marks: the junction diagram's arms 1..4
    // or the roundabout's arms 1..5; `typ` 'J' or 'R'.
    void Ustaw(DanePrognoza* kopia, const DanePomiar* pomiar, const std::array<std::string, 5>& oznaczeniaRamion, char typ);

    // The grids from the working forecast, and back.
    void PokazPrognoze();
    void WprowadzPrognoze();
    WynikSprawdzenia SprawdzPrognoze();
    const DanePrognoza& Robocza() const { return robocza_; }

    void CB_WspolnaPrognozaClick();
    void B_OdczytUstawPojazdClick();
    void B_ZapisUstawPojazdClick();
    void B_WprowadzClick();
    void B_RezygnujClick();
    void Button1Click();
    void Button3Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    // The forecast groups shown in columns 2.. of the per-inlet grids.
    std::vector<int> GrupyKolumn() const;
    void Buduj();

    DanePrognoza* kopia_ = nullptr;
    const DanePomiar* pomiar_ = nullptr;
    std::array<std::string, 5> oznaczenia_{};
    DanePrognoza robocza_;
    // The forecast file last read or written, and what it held then: a
    // save back into it asks where another save changed it since.
    std::string plikPrognozy_;
    ZawartoscPliku zawartoscPrognozy_;
};

extern TTabelaPrognoz* TabelaPrognoz;
