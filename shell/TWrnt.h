#pragma once
// The variants window "Dodaj wariant": adds, renames and deletes the
// network's variants with their titles.

#include <QDialog>
#include <string>
#include <string_view>

class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

class TWrnt : public QDialog {
    Q_OBJECT
public:
    explicit TWrnt(QWidget* rodzic = nullptr);

    QListWidget* Lista_Wariantow;
    QLineEdit *E_Index, *Tytul1, *Tytul2, *Tytul3, *E_dx, *E_dy;
    QRadioButton *RB_lewy, *RB_centrum, *RB_prawy;
    QPushButton *B_Dodaj, *ZmienOpisWariant, *Button3, *BResetSzablon, *Button2;

    // Variant operations (the window need not be shown). False when refused
    // or cancelled; the refusal has been shown.
    bool DodajWariant(std::string_view nazwa, std::string_view tytul1, std::string_view tytul2,
                      std::string_view tytul3, float dx, float dy, char wyrownanie);
    bool ZmienWariant(int32_t i, std::string_view nazwa, std::string_view tytul1, std::string_view tytul2,
                      std::string_view tytul3, float dx, float dy, char wyrownanie);
    // Asks first when the variant holds volumes; only "Tak" deletes.
    bool UsunWariant(int32_t v);

    void FormShow();
    void Lista_WariantowClick();
    void B_DodajClick();
    void ZmienOpisWariantClick();
    void Button3Click();
    void BResetSzablonClick();
    void Button2Click();

protected:
    void showEvent(QShowEvent* e) override;

private:
    void WypelnijListe();
    char Wyrownanie() const;
    // The name, titles and offsets within their limits; false with the
    // message when one is refused (an empty name too).
    bool CzytajOpisWariantu(float& dx, float& dy) const;
    // The variant box of the main window rebuilt, showing the current variant.
    void OdswiezWariantyOkna();
};

extern TWrnt* Wrnt;
