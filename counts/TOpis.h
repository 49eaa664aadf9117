#pragma once
// The text report window: a report's lines in a fixed-pitch font, copied to
// the clipboard on request.

#include <QDialog>
#include <string>
#include <vector>

class QPlainTextEdit;
class QPushButton;

class TOpis : public QDialog {
    Q_OBJECT
public:
    explicit TOpis(QWidget* rodzic = nullptr);

    QPlainTextEdit* Tekst;
    QPushButton* Button1;   // "Kopiuj do schowka"
    QPushButton* B_Powrot;

    // Clears the text, sets the fixed-pitch font and appends the lines
    // (Windows-1250), without showing the window.
    void WstawRaport(const std::vector<std::string>& linie);
    // The same, then shown modally.
    void PokazRaport(const std::vector<std::string>& linie);

    void Button1Click();
    void B_PowrotClick();
};

extern TOpis* Opis;
