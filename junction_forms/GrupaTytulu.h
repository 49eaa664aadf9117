#pragma once
// The title group "NAGŁÓWEK" of the junction and roundabout data windows:
// three title lines, the title's offset and height, its alignment and the
// node's title template.

#include <QObject>
#include <array>
#include <functional>
#include <string>
#include <vector>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QWidget;
struct DaneWezel;

struct KontrolkiTytulu {
    QLineEdit *Tytul1 = nullptr, *Tytul2 = nullptr, *Tytul3 = nullptr;
    QLineEdit *E_dxOpis = nullptr, *E_dyOpis = nullptr;
    QComboBox* CB_HTytul = nullptr;
    QRadioButton *RB_centrum = nullptr, *RB_lewy = nullptr, *RB_prawy = nullptr;
    QPushButton* WstawSzablon = nullptr;
    // The numbers as shown, so that an untouched one keeps the record's own
    // value (the edit shows it rounded).
    std::string pokazaneDx, pokazaneDy, pokazanaWysokosc;
};

// What the two windows write differently in the group.
struct PodpisyTytulu {
    const char *dx, *dy, *h;
    const char *lewy, *centrum, *prawy;
    std::vector<const char*> wysokosci;   // the height list, with a point as separator
};

// The group made, named and laid out; `zmianaTekstu` runs when a text or a
// number is typed, `zmianaWyboru` when the height or alignment is picked.
QGroupBox* ZbudujGrupeTytulu(QWidget* okno, KontrolkiTytulu& k, const PodpisyTytulu& p,
                             const std::function<void()>& zmianaTekstu, const std::function<void()>& zmianaWyboru);

// A diagram's title into the group, its numbers by `maska`; an alignment
// other than C, L or P leaves the radios as they are.
void PokazTytul(KontrolkiTytulu& k, const std::array<std::string, 3>& teksty, float dx, float dy, float h,
                char wyrownanie, const char* maska);

// The title's number texts as typed, their separators made the system's
// (the edits written back), and their values once the window checked them.
struct LiczbyTytulu {
    std::string dx, dy, h;
    double wartoscDx = 0.0, wartoscDy = 0.0, wartoscH = 0.0;
};
LiczbyTytulu CzytajLiczbyTytulu(KontrolkiTytulu& k);
// The checked numbers into a record's title: one left as shown keeps the
// record's own value (the edit shows it rounded); the height is at least 0.2.
void ZapiszLiczbyTytulu(const KontrolkiTytulu& k, const LiczbyTytulu& l, float& dx, float& dy, float& h);

// The alignment picked, `obecne` when none is.
char WyrownanieTytulu(const KontrolkiTytulu& k, char obecne);

// The node's title template into the controls only.
void WstawSzablonTytulu(KontrolkiTytulu& k, const DaneWezel& w);
