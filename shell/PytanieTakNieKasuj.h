#pragma once
// The shared question window: a text, "Tak", "Nie" and, when the caller shows
// it, "Kasuj". Callers fill L_Pytanie, show or hide B_Kasuj and call ShowModal.

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

class TPytanieTakNieKasuj : public QDialog {
    Q_OBJECT
public:
    // Results as the callers compare them.
    static constexpr int mrTak = 1;
    static constexpr int mrKasuj = 2;
    static constexpr int mrNie = 7;

    explicit TPytanieTakNieKasuj(QWidget* rodzic = nullptr);

    QLabel* L_Pytanie;
    QPushButton* B_Tak;
    QPushButton* B_Nie;
    QPushButton* B_Kasuj;

    // Shows the window modally and returns 1, 7 or 2. When a script is set
    // (tests), it answers instead of the user, given the question and
    // whether "Kasuj" is offered.
    int ShowModal();

    // Puts the text into L_Pytanie, shows or hides B_Kasuj and asks.
    int Zapytaj(const QString& pytanie, bool zKasuj);

    void B_TakClick();
    void B_NieClick();
    void B_KasujClick();

    using TSkrypt = std::function<int(const QString& pytanie, bool kasujWidoczny)>;
    static TSkrypt Skrypt;

protected:
    // The frame's close and Esc: "Kasuj" when it is offered, else "Nie".
    void reject() override;
};

extern TPytanieTakNieKasuj* PytanieTakNieKasuj;
