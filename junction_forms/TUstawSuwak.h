#pragma once
// The slider window: changes one junction diagram's band geometry (globally
// or for one arm) by sliders, each move written into the geometry window's
// edits and stored through it, so the sheet follows every move.

#include <QDialog>
#include <array>
#include <cstdint>

class QCheckBox;
class QLabel;
class QRadioButton;
class QScrollBar;

class TUstawSuwak : public QDialog {
    Q_OBJECT
public:
    explicit TUstawSuwak(QWidget* rodzic = nullptr);

    QLabel* L_NrRupl;
    QScrollBar *SB_Od, *SB_L, *SB_dL, *SB_RP, *SB_Rl, *SB_ZW;
    QLabel *L_od, *L_L, *L_Lp, *L_Rp, *L_Rl, *L_zw;
    QRadioButton *RB_1, *RB_2, *RB_3, *RB_4;
    QCheckBox* CB_Przeswit;
    QScrollBar* SB_Blend;
    QPushButton* Button1;   // "Powrót"

    int32_t IndeksRekorduSuwaka = 0;

    void FormShow();
    // 0 in global mode, else the ticked arm 1..4 (5 for none).
    int WybranaJezdnia() const;
    void PokazWartosciSuwakow();
    void RB_Click(int ramie);
    // One slider moved: 0 SB_Od, 1 SB_L, 2 SB_dL, 3 SB_RP, 4 SB_Rl, 5 SB_ZW.
    void SuwakChange(int suwak);
    void SB_OdChange() { SuwakChange(0); }
    void SB_LChange() { SuwakChange(1); }
    void SB_dLChange() { SuwakChange(2); }
    void SB_RPChange() { SuwakChange(3); }
    void SB_RlChange() { SuwakChange(4); }
    void SB_ZWChange() { SuwakChange(5); }
    void SB_BlendChange();
    void CB_PrzeswitClick();
    void Button1Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    std::array<QScrollBar*, 6> suwaki_{};
    std::array<QLabel*, 6> etykiety_{};
    // Positions from values, without counting as moves.
    void UstawPozycje(const std::array<double, 6>& wartosci);
};

extern TUstawSuwak* UstawSuwak;
