#pragma once
// The count browser: lists the count files of the counts folder by node type,
// date or text, for a data window to load one.

#include <QDialog>
#include <string>

#include "model/Pomiar.h"

class QCheckBox;
class QListWidget;
class QPushButton;
class TFiltrOkna;

class TOpenPomiar : public QDialog {
    Q_OBJECT
public:
    explicit TOpenPomiar(QWidget* rodzic = nullptr);

    QListWidget* ListaPomiar;
    QCheckBox* CB_Skrzyzowania;
    QCheckBox* CB_Ronda;
    TFiltrOkna* RG_Pokazuj;
    QPushButton* B_refresh;
    QPushButton* B_Wprowadz;    // accepts
    QPushButton* B_Rezygnuj;    // rejects

    void OdswiezListeOpenPomiar();
    // The selected entry, "" for none.
    std::string WybranyPomiar() const;
    // Reads the selected count over `kopia`; false (after a message) when
    // nothing is selected or the file is refused.
    bool WczytajWybrany(DanePomiar& kopia) const;

protected:
    void showEvent(QShowEvent* e) override;
};

extern TOpenPomiar* OpenPomiar;
