#pragma once
// Message boxes, the yes/no question, file and colour dialogs and opening a
// document with its associated program. Everything goes through one
// interface so that tests script the answers (DialogiTestowe).
//
// Texts cross the interface as Windows-1250 bytes, paths as the file system
// takes them (KatalogProgramu.h). File filters are pairs
// "description|pattern|description|pattern".

#include <QString>
#include <QUrl>
#include <deque>
#include <string>
#include <vector>

#include "base/Typy.h"
#include "platform/ZapisBezpieczny.h"

// Answers of the yes/no question, as the system's message boxes give them.
constexpr int OdpowiedzTak = 6;
constexpr int OdpowiedzNie = 7;

class InterfejsDialogow {
public:
    virtual ~InterfejsDialogow() = default;

    virtual void Informacja(const std::string& tekst) = 0;
    virtual void Ostrzezenie(const std::string& tekst) = 0;
    virtual void Blad(const std::string& tekst) = 0;
    // An error message holding a text as the user typed it (a file name),
    // which may have letters Windows-1250 lacks: shown as it is.
    virtual void BladQt(const QString& tekst) = 0;
    // OdpowiedzTak or OdpowiedzNie; Enter answers "Tak".
    virtual int PytanieTakNie(const std::string& tekst) = 0;
    // The same where "Tak" loses something: Enter answers "Nie".
    virtual int PytanieTakNieDomyslnieNie(const std::string& tekst) = 0;

    // The chosen path, or "" when the user cancels. The save dialog adds
    // the default extension to a name without one and asks nothing about
    // an existing file (the callers do).
    virtual std::string OtworzPlik(const std::string& tytul, const std::string& filtr, const std::string& katalog) = 0;
    virtual std::string ZapiszPlik(const std::string& tytul, const std::string& filtr, const std::string& katalog,
                                   const std::string& nazwa, const std::string& domyslneRozszerzenie) = 0;

    // True with the chosen colour in `kolor` when confirmed; `kolor` is the
    // colour the dialog starts with.
    virtual bool WybierzKolor(TKolor& kolor) = 0;

    // Opens a file with its associated program, or a web or mail address
    // with the system's browser or mail program; false when that failed.
    virtual bool OtworzDokument(const std::string& sciezka) = 0;
};

// The dialogs the program uses: Qt's, unless a test installed its own.
InterfejsDialogow& Dialogi();

// For a window's save to `sciezka`: where that is the file it read or last
// wrote (`plik`, as `zawartosc` records it; under any spelling, TenSamPlik),
// a file changed meanwhile is replaced only after the user's "Tak"
// (ZastapicZmieniony); another file asks nothing.
ZapisZmienionego ZapisZPytaniem(const std::string& sciezka, const std::string& plik, const ZawartoscPliku& zawartosc);
// The question before a file another save changed is replaced, "Nie" by
// default: true for "Tak".
bool ZastapicZmieniony(const std::string& pytanie);
// Installs other dialogs (not owned); nullptr restores Qt's.
void UstawDialogi(InterfejsDialogow* dialogi);

// A scripted double: answers come from the queues (a question with none
// left is answered "Nie", a dialog is cancelled) and every text shown is
// recorded.
class DialogiTestowe : public InterfejsDialogow {
public:
    enum class Rodzaj { Informacja, Ostrzezenie, Blad, Pytanie, OtworzPlik, ZapiszPlik, Kolor, Dokument };
    struct Wpis {
        Rodzaj rodzaj;
        std::string tekst;  // the message, question, title or path
        std::string filtr;  // file dialogs only
        std::string katalog;
        QString tekstQt;    // a message given as Qt text, whole
    };

    std::deque<int> Odpowiedzi;
    std::deque<std::string> SciezkiOtworz;
    std::deque<std::string> SciezkiZapisz;
    std::deque<TKolor> Kolory;   // an empty queue cancels the dialog
    bool DokumentySieOtwieraja = true;

    std::vector<Wpis> Wpisy;
    std::vector<std::string> ProponowaneNazwy;  // what each save dialog proposed
    std::vector<std::string> DomyslnieNie;      // the questions whose default is "Nie"
    int BrakOdpowiedzi = 0;      // questions and dialogs with nothing scripted

    // The texts of messages and questions, in order.
    std::vector<std::string> Teksty() const;
    // The texts of one kind of message, in order.
    std::vector<std::string> Teksty(Rodzaj rodzaj) const;
    std::string OstatniTekst() const;

    void Informacja(const std::string& tekst) override;
    void Ostrzezenie(const std::string& tekst) override;
    void Blad(const std::string& tekst) override;
    // Recorded with its text also in Windows-1250 ("?" for a letter it lacks).
    void BladQt(const QString& tekst) override;
    int PytanieTakNie(const std::string& tekst) override;
    // Recorded in `DomyslnieNie` too, then answered as PytanieTakNie.
    int PytanieTakNieDomyslnieNie(const std::string& tekst) override;
    std::string OtworzPlik(const std::string& tytul, const std::string& filtr, const std::string& katalog) override;
    std::string ZapiszPlik(const std::string& tytul, const std::string& filtr, const std::string& katalog,
                           const std::string& nazwa, const std::string& domyslneRozszerzenie) override;
    bool WybierzKolor(TKolor& kolor) override;
    bool OtworzDokument(const std::string& sciezka) override;
};

// Installs a double for the lifetime of a scope.
class PodmianaDialogow {
public:
    explicit PodmianaDialogow(InterfejsDialogow& dialogi) { UstawDialogi(&dialogi); }
    ~PodmianaDialogow() { UstawDialogi(nullptr); }
    PodmianaDialogow(const PodmianaDialogow&) = delete;
    PodmianaDialogow& operator=(const PodmianaDialogow&) = delete;
};

// The folder a Qt dialog starts in for `katalog`: the folder itself, or
// where Qt cannot hold its name (bytes that are no UTF-8) or it is not
// there, its nearest folder above that is; never the working folder. "" for "".
QString KatalogDialoguQt(const std::string& katalog);
// A web or mail address as it is, anything else as a local file.
QUrl AdresDokumentu(const std::string& sciezkaLubAdres);
// "Opis|*.rup|Wszystkie|*.*" as a Qt filter "Opis (*.rup);;Wszystkie (*.*)".
QString FiltrQt(const std::string& filtr);
// The name with the extension added when it has none.
std::string ZRozszerzeniem(const std::string& sciezka, const std::string& rozszerzenie);
