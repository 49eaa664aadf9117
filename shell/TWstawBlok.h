#pragma once
// The block window "Wstaw blok": opens a block library, lists its blocks by
// group, places a block on the sheet or changes a placed one, and replaces
// the project's definition of a block by a newer one of the library.

#include <QDialog>
#include <filesystem>
#include <string>
#include <vector>

#include "drawing/BibliotekaBlokow.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

class TWstawBlok : public QDialog {
    Q_OBJECT
public:
    explicit TWstawBlok(QWidget* rodzic = nullptr);

    QListWidget* LB_NazwaBlokuCzytaj;
    QComboBox* CB_Grupa;
    QPlainTextEdit* OpisBloku;
    QLineEdit *E_x, *E_y;
    QComboBox *CB_sX, *CB_sY;
    QPushButton* Button1;
    QCheckBox* CB_NadRysunkiem;
    QRadioButton *RB_ArkAktualny, *RB_ArkWszystkie;
    QPushButton *B_WczytajBlokiLista, *B_AktualizujBlok, *B_WczytajBlok, *B_Powrot;
    QLabel* L_NazwaPliku;  // hidden: the library's path

    // The lines of the block being placed or changed, for the preview.
    std::vector<std::string> LinieWstawianegoBloku;
    void DodajLinieBloku(const std::string& linia);

    // Handlers.
    void B_WczytajBlokiListaClick();
    void CB_GrupaChange();
    void LB_NazwaBlokuCzytajClick();
    void Button1Click();
    void B_WczytajBlokClick();
    void B_AktualizujBlokClick();

    // The library's blocks whose group is `filtr` (" Wszystkie": every one)
    // into the list, every group into the group box.
    void WczytajListeBlokow(const std::string& filtr);

    // The window prepared by the main window: for a new block, and for a
    // change of placed block `indeks`.
    void PrzygotujWstawianie();
    void PrzygotujZmiane(int32_t indeks);

    // The checks of the anchor and the factors; false with the message shown.
    bool SprawdzDaneBloku(float& x, float& y, float& sx, float& sy);

private:
    // The library listed, by its path's bytes; the hidden label shows it.
    std::filesystem::path biblioteka_;
    const std::filesystem::path& Biblioteka() const { return biblioteka_; }
    void UstawBiblioteke(const std::filesystem::path& sciezka);
    // The library read; false with its message shown.
    bool CzytajBibliotekeOkna(DefinicjeBiblioteki& biblioteka) const;
    // The placed block's name picked in the list.
    void PokazWLiscie(const std::string& nazwa);
    std::string WybranaNazwa() const;
    // Places the picked block or changes block `zmieniany_`.
    void WstawNowy();
    void ZmienWskazany();
    int32_t zmieniany_ = -1;
};

extern TWstawBlok* WstawBlok;
