// The main window's creation and destruction: the bitmap, the stroke fonts,
// the folders, the recent-projects list and the folder list.
#include <QAction>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>

#include "drawing/Wyjscie.h"
#include "model/Projekt.h"
#include "drawing/Tekst.h"
#include "counts/PlikiPomiarow.h"
#include "platform/KatalogProgramu.h"
#include "base/Kodowanie.h"
#include "model/PlikProjektu.h"
#include "platform/PlikTekstowy.h"
#include "platform/ZapisBezpieczny.h"
#include "platform/qt/Kodowanie_qt.h"
#include "shell/TForm1.h"

namespace {

// The markers of the folder list.
const std::string ZnacznikProjektow = "__________________ kat. projektów";
const std::string ZnacznikPomiarow = "__________________ kat. pomiarow";
const std::string ZnacznikPrognoz = "__________________ kat. prognoz";
const std::string ZnacznikUstawien = "__________________ kat. ustawienia";

std::string PlikOstatnichProjektow() { return PolaczSciezke(KatalogList(), "Ruchoplany.Lpk"); }
std::string PlikKatalogow() { return PolaczSciezke(KatalogList(), "Katalogi.Lst"); }

// The lists hold paths. They are Windows-1250 files as they always were,
// unless a path has a letter the code page lacks: then the whole file is
// UTF-8, marked so by its first bytes (ZnacznikKolejnosciUtf8).

// The text of a list as the program holds it (paths as the system's), to be
// read in place, so that a damaged list costs no more than its bytes.
// A missing list is no error: the program starts with an empty one.
bool CzytajListe(const std::string& sciezka, std::string& tresc)
{
    if (!PlikIstnieje(sciezka))
        return false;
    std::string blad;
    if (!CzytajPlik(sciezka, tresc, blad))
        return false;
    if (tresc.starts_with(ZnacznikKolejnosciUtf8))
        tresc.erase(0, ZnacznikKolejnosciUtf8.size());
    else
        tresc = Cp1250NaUtf8(tresc);
    return true;
}

bool ZapiszListe(const std::string& sciezka, std::vector<std::string> linie, std::string& blad)
{
    std::vector<std::string> cp1250(linie.size());
    bool wCp1250 = true;
    for (std::size_t i = 0; i < linie.size() && wCp1250; ++i)
        wCp1250 = Utf8NaCp1250Dokladnie(linie[i], cp1250[i]);
    if (wCp1250)
        return ZapiszLinieBezpiecznie(sciezka, cp1250, blad);
    linie[0].insert(0, ZnacznikKolejnosciUtf8);
    return ZapiszLinieBezpiecznie(sciezka, linie, blad);
}

// What every marker of the folder list begins with.
const std::string PoczatekZnacznika = "__________________ kat. ";

// Loads the stroke fonts into Czcionka and CzcionkaGrecka; returns the
// message of a missing or damaged file, or "".
std::string WczytajCzcionkiStartowe()
{
    std::string blad = WczytajCzcionke(SciezkaCzcionki("Roman"), Czcionka);
    const std::string bladGrecki = WczytajCzcionke(SciezkaCzcionki("grecki"), CzcionkaGrecka);
    if (blad.empty())
        blad = bladGrecki;
    return blad;
}

} // namespace

void TForm1::FormCreate()
{
    // The bitmap has the screen's size; the drawing area never grows beyond it.
    QSize ekran(1024, 768);
    if (QScreen* s = QGuiApplication::primaryScreen())
        ekran = s->size();
    BitmapaRysunku = QImage(ekran, QImage::Format_RGB32);
    BitmapaRysunku.fill(QColor(0xDC, 0xDC, 0xDC));
    UstawBitmapeRysunku(&BitmapaRysunku);

    const std::string bladCzcionki = WczytajCzcionkiStartowe();
    if (!bladCzcionki.empty())
        PokazBlad(bladCzcionki);
    ZerujTryby();

    // An installed program keeps its lists and counts in the user's folder.
    const std::string bladKataloguUzytkownika = PrzygotujKatalogUzytkownika();
    if (!bladKataloguUzytkownika.empty())
        PokazBlad(bladKataloguUzytkownika);

    std::string ostatnie;
    if (CzytajListe(PlikOstatnichProjektow(), ostatnie)) {
        CzytnikProjektu c(std::move(ostatnie), PlikOstatnichProjektow());
        for (c.PominPusteLinie(); !c.Koniec(); c.PominPusteLinie())
            DodajOstatniProjekt(c.Linia());
    }

    KatalogProjektow.clear();
    KatalogPomiarow = KatalogPomiary();
    KatalogPrognoz = KatalogPomiarow + "/Prognozy";
    KatalogUstawien = KatalogPomiarow + "/Ustawienia";

    CzytajListeKatalogow();
    const std::string bladKatalogow = UtworzKatalogiPomiarow();
    if (!bladKatalogow.empty())
        PokazBlad(bladKatalogow);
}

void TForm1::CzytajListeKatalogow()
{
    std::string tresc;
    if (!CzytajListe(PlikKatalogow(), tresc))
        return;
    CzytnikProjektu c(std::move(tresc), PlikKatalogow());
    while (c.PominDoLinii(PoczatekZnacznika)) {
        const std::string_view l = c.LiniaWMiejscu();
        // The marker as the file's last line leaves the folder empty ("" past the end).
        if (l == ZnacznikProjektow)
            KatalogProjektow = c.Linia();
        else if (l == ZnacznikPomiarow || l == ZnacznikPrognoz || l == ZnacznikUstawien)
            c.Pomin(1);  // these folders always follow the program's folder
    }
}

void TForm1::FormDestroy()
{
    ZakonczRysowanieEkranu();
    UstawBitmapeRysunku(nullptr);
    ZapiszListeOstatnich();
    ZapiszListeKatalogow();
}

void TForm1::ZapiszListeOstatnich()
{
    std::vector<std::string> linie;
    for (int i = 3; i >= 0; --i) {
        const std::string sciezka = SciezkaOstatniego(i);
        if (sciezka.size() >= 4)
            linie.push_back(sciezka);
    }
    std::string blad;
    if (!ZapiszListe(PlikOstatnichProjektow(), linie, blad))
        PokazBlad(blad);
}

void TForm1::ZapiszListeKatalogow()
{
    const std::vector<std::string> linie = {ZnacznikProjektow, KatalogProjektow, ZnacznikPomiarow, KatalogPomiarow,
                                            ZnacznikPrognoz,   KatalogPrognoz,   ZnacznikUstawien, KatalogUstawien};
    std::string blad;
    if (!ZapiszListe(PlikKatalogow(), linie, blad))
        PokazBlad(blad);
}

std::string TForm1::SciezkaOstatniego(int nr) const { return OstatnieProjekty[nr]->data().toByteArray().toStdString(); }

// Each item keeps its path's bytes: a name that is no UTF-8 has no QString
// that gives it back; the hint and the caption only show it.
void TForm1::DodajOstatniProjekt(const std::string& sciezka)
{
    // The list file holds one path a line: such a path would come back as two.
    if (sciezka.find_first_of("\r\n") != std::string::npos)
        return;
    auto ustaw = [this](int i, const std::string& pelna) {
        const QString pokazana = SciezkaDoPokazania(pelna);
        OstatnieProjekty[i]->setData(QByteArray::fromStdString(pelna));
        OstatnieProjekty[i]->setToolTip(pokazana);
        OstatnieProjekty[i]->setStatusTip(pokazana);
        OstatnieProjekty[i]->setText(QString("%1. %2").arg(i + 1).arg(QFileInfo(pokazana).fileName()));
    };
    if (SciezkaOstatniego(0) == sciezka)
        return;
    int k = -1;
    for (int i = 1; i < 4; ++i)
        if (i < ostatnichWMenu_ && SciezkaOstatniego(i) == sciezka)
            k = i;
    // Moved to the top from place k, or pushed in with the oldest dropping out.
    int od = k >= 0 ? k : std::min(ostatnichWMenu_, 3);
    if (k < 0 && ostatnichWMenu_ < 4) {
        Pliki1->insertAction(separatorPrzedKoncem_, OstatnieProjekty[ostatnichWMenu_]);
        ++ostatnichWMenu_;
    }
    for (int j = od; j >= 1; --j)
        ustaw(j, SciezkaOstatniego(j - 1));
    ustaw(0, sciezka);
}
