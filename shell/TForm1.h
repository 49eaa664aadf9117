#pragma once
// The main window: menus, tool bars, the drawing area with its off-screen
// bitmap, the recent-projects menu, the file, print and DXF commands and the
// full redraw. It is also the window the model talks to.

#include <QImage>
#include <QMainWindow>
#include <QPoint>
#include <QString>
#include <array>
#include <filesystem>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "base/Kodowanie.h"
#include "base/Typy.h"

#include "model/OknoGlowne.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QStatusBar;
class QToolBar;
class TPodglad;
class Drukarka;

// The edit mode armed for the next click: one value, so that two modes can
// never be armed together.
enum class TTrybEdycji : uint8_t {
    Brak,
    DodajRupl,
    DodajRondo,
    UsunWezel,
    PrzesunWezel,
    NowaPozycjaWezla,
    Dane,
    Geometria,
    UstawieniaLokalne,
    WstawBlok,
    ZmienBlok,
    UsunBlok,
    WstawOpis,
    ZmienOpis,
    UsunOpis,
};

// The node the node commands fill before it is added or moved.
struct TNowyWezel {
    char Typ = 'J';
    double X = 0.0;
    double Y = 0.0;
    TekstZOkna Nazwa;   // as typed, refused when it has no Windows-1250 form
};

// What the block and description windows leave for the preview while the
// user points at the sheet: the factors (both windows), the text and its
// angle (descriptions).
struct TNowyOpis {
    float Sx = 1.0f;
    float Sy = 1.0f;
    std::string Tekst;  // Windows-1250
    float Kat = 0.0f;   // degrees
};

// Bounds of the view scale (centimetres per 1000 pixels) that keep the
// transform finite however often the user zooms.
constexpr double SkalaNajmniejsza = 1.0e-3;
constexpr double SkalaNajwieksza = 1.0e7;
// The scale `nowa`, held within the bounds; a value that is no finite
// number leaves `dotychczasowa`.
double OgraniczSkale(double nowa, double dotychczasowa);

// "1 stronę", "3 strony", "5 stron": the page count of the print message.
QString TekstStronWydruku(int strony);

// A file dialog's settings; Execute asks through the platform's dialogs.
// Its folders and file are the system's bytes, whatever their encoding.
struct TDialogPliku {
    QString Nazwa;               // the control's name
    QString Filtr;               // "description|pattern|description|pattern"
    QString DomyslneRozszerzenie;
    std::filesystem::path KatalogPoczatkowy;
    std::filesystem::path NazwaPliku;        // suggested, then chosen
    bool Zapis = false;
    std::filesystem::path OstatniKatalog;    // the folder of the file last chosen here
    // Without a starting folder the dialog opens where it was last used (the
    // user's home folder the first time), never in another dialog's folder.
    bool Execute(QWidget* rodzic);
};

// The folder of a file, made absolute against the working folder.
std::filesystem::path KatalogPliku(const std::filesystem::path& plik);

struct ProstokatArkusza;

class TForm1 : public QMainWindow, public OknoGlowne {
    Q_OBJECT
public:
    explicit TForm1(QWidget* rodzic = nullptr);
    ~TForm1() override;

    // The off-screen bitmap every drawing goes into.
    QImage BitmapaRysunku;

    // Controls, named as the user's manual calls them.
    TPodglad* Podglad;
    QStatusBar* StatusBar1;
    std::array<QLabel*, 3> PanelePaska{};
    QToolBar* ToolBar1;
    QToolBar* ToolBar2;
    QAction *BNowy, *BOtworz, *TB_Zapisz, *TB_Drukuj, *TB_DoDxfa, *TB_DoSchowka;
    QAction *TB_Geometria, *TB_Dane, *TB_UstawieniaLokalne, *TB_UstawGlowne, *ToolButton2;
    QAction *TB_DodajRupl, *TB_DodajRond, *TB_UsunWezel, *TB_PrzesunWezel;
    QLineEdit* E_Index;
    QAction *TB_DodajWariant, *TB_EdycjaWariantow;
    QPushButton* BB_Prev;
    QComboBox* CB_Wariant;
    QPushButton* BB_Next;
    QAction *TB_WstawOpis, *TB_WstawBlok;
    QWidget* PanelZEdit;
    QLabel* L_Opis;
    QLineEdit* E_Opis;
    QWidget* PanelWsp;
    QLineEdit* E_x;
    QLineEdit* E_y;
    QPushButton* B_Wstaw;
    QCheckBox* CB_Siatka;
    QComboBox* CB_SiatkaKrok;

    TDialogPliku OpenDialog1, SaveDialog1, SaveDxf;
    // The file that stands in for the printer when none is installed.
    TDialogPliku SavePdf;

    // Main menu.
    QMenu *Pliki1, *Obiekty1, *Nastawy, *Pomoc1;
    QAction *MNowy, *MOtworz, *M_Zapisz, *M_Zapiszjako, *Ustawieniadrukarki1, *M_Drukuj, *M_DoSchowka,
        *M_DoDxfa, *Oprogramie1, *M_Skojarzenie, *Koniec1;
    QAction *M_WstawBlok, *M_ZmienBlok, *M_UsunBlok, *M_DodajOpis, *M_ZmienOpis, *M_UsunOpis;
    QAction *mUstawieniaGlobalne, *mUstawieniaLokalne, *mGeometria, *mDaneEdycja;
    QAction* Instrukcjapdf1;
    // Pop-up menu of the drawing area.
    QMenu* MenuZoom;
    QAction *Rezygnuj1, *Przesu1, *Okno1, *Wszystko1, *Powiksz1, *Pomniejsz1;
    // The four recent projects: caption "n. file name", full path as hint.
    std::array<QAction*, 4> OstatnieProjekty{};

    // Window events.
    void FormCreate();
    void FormShow();
    bool FormCloseQuery();
    void FormDestroy();
    void FormPaint();

    // The full redraw of the current variant.
    void Przerysuj();
    // The redraw after a change of diagram `rekord` alone (a junction
    // diagram, or with `rondo` a roundabout; the current variant's diagram of
    // its node is drawn): from the layers under and over the diagram when
    // they can serve, else in full.
    void PrzerysujDiagram(int32_t rekord, bool rondo, uint64_t rewizjaPrzedZapisem);

    // Commands.
    void BNowyClick();
    void BOtworzClick();
    void TB_ZapiszClick();
    void M_ZapiszjakoClick();
    void TB_DrukujClick();
    void TB_DoDxfaClick();
    void Ustawieniadrukarki1Click();
    void Oprogramie1Click();
    void Instrukcjapdf1Click();
    void ToolButton2Click();    // the count editor
    void Koniec1Click();
    void OstatniProjektClick(int nr);
    void BB_NextClick();
    void BB_PrevClick();
    void CB_WariantChange();
    void CB_SiatkaClick();
    void CB_SiatkaKrokChange();
    void Rezygnuj1Click();

    // The view: pop-up menu, wheel, whole sheet.
    void Przesu1Click();
    void Okno1Click();
    void Wszystko1Click();
    void Powiksz1Click();
    void Pomniejsz1Click();
    void FormMouseWheel(int kroki);

    // The mouse over the drawing area, in its pixels.
    void PodgladMouseDown(Qt::MouseButton przycisk, int x, int y);
    void PodgladMouseMove(int x, int y);
    void PodgladMouseUp(Qt::MouseButton przycisk, int x, int y);
    void PodgladDblClick();

    // Mode commands.
    void TB_DodajRuplClick();
    void TB_DodajRondClick();
    void TB_UsunWezelClick();
    void TB_PrzesunWezelClick();
    void TB_DaneClick();
    void TB_GeometriaClick();
    void TB_UstawieniaLokalneClick();
    void TB_UstawGlowneClick();
    void TB_EdycjaWariantowClick();
    void TB_DodajWariantClick();
    void B_WstawClick();
    void CB_SiatkaKrokExit();
    // Blocks, descriptions and the clipboard copy.
    void TB_WstawBlokClick();
    void M_ZmienBlokClick();
    void M_UsunBlokClick();
    void TB_WstawOpisClick();
    void M_ZmienOpisClick();
    void M_UsunOpisClick();
    void TB_DoSchowkaClick();

    // The edit mode; the mode bytes of the manual are Tryb() == each value.
    TTrybEdycji Tryb() const { return tryb_; }
    void UstawTryb(TTrybEdycji tryb) { tryb_ = tryb; }
    // View modes: pan and zoom window armed, the clipboard area armed, and
    // the drags in progress.
    bool TrybPrzesun = false;
    bool TrybOkno = false;
    bool TrybWskazFragment = false;
    bool PrzesuwanieTrwa = false;
    bool OknoTrwa = false;
    bool FragmentTrwa = false;
    QPoint PunktNacisniecia;
    double SrodekPrzyNacisnieciuX = 0.0;
    double SrodekPrzyNacisnieciuY = 0.0;
    // Picked by the hover (-1: none).
    int32_t WskWezelUsun = -1;
    int32_t WskWezelEdycja = -1;
    int32_t WskWezelWlasciwosci = -1;
    int32_t WskBlok = -1;
    int32_t WskOpisEdycja = -1;
    int32_t WskOpisUsun = -1;
    TNowyWezel NowyWezel;
    TNowyOpis NowyOpis;
    // The grid point of the last hover, kept for the click.
    float PunktSiatkiX = 0.0f;
    float PunktSiatkiY = 0.0f;

    // The screen-editing unit: the click and the marks on the drawing area.
    void PodgladKlik(int px, int py);
    void PokazWskazanie(int px, int py);
    int CmNaPodgladX(double x) const;
    int CmNaPodgladY(double y) const;
    // The sheet point of a pixel on the grid of step `krok` (half to even).
    void PunktSiatki(int px, int py, double krok, float& x, float& y) const;
    void RysujLinieNaPodgladzie(double x1, double y1, double x2, double y2, int grubosc, TKolor kolor);
    void RysujKolkoNaPodgladzie(double x, double y, double r, TKolor kolor);
    void ZnakWezlaRuchoplanu(double x, double y);
    void ZnakWezlaRonda(double x, double y);
    // A hint (yellow) or a found item (red) as a text of the overlay.
    void NapisNakladki(int px, int py, const QString& tekst, TKolor tlo);
    void NapisPodpowiedzi(int px, int py, const QString& tekst);
    void NapisZnaleziono(int px, int py, const QString& tekst);
    // The diagram or roundabout record of node `wezel` in the current
    // variant (the last in collection order), -1 when there is none.
    int32_t RekordWezlaWBiezacym(int32_t wezel) const;
    // The junction diagram record's data or geometry window, shown modally.
    void OtworzDaneRuchoplanu(int32_t rekord);
    void OtworzGeometrieRuchoplanu(int32_t rekord);
    void OtworzDaneRonda(int32_t rekord);
    void OtworzGeometrieRonda(int32_t rekord);

    // A project named by its path (the recent list, the command line): the
    // path's bytes go to the system as they are, whatever their encoding.
    void OtworzOstatniProjekt(const std::filesystem::path& sciezka);

    // The project's path as the system has it ("..." for none); the caption
    // shows it.
    const std::filesystem::path& Sciezka() const { return sciezkaProjektu_; }
    bool ProjektMaPlik() const;
    // Where every file dialog of the project starts (open, save, the PDF
    // print, DXF): the project file's own folder however it was opened, else
    // the folder last chosen in a project dialog; "" when there is neither
    // (the open dialog then shows the examples, the others where they were
    // last used).
    std::filesystem::path KatalogPoczatkowyDialogu() const;

    // What the model asks of the window.
    void ZerujTryby() override;
    void NowyWidok() override;
    void UstawPolecenia() override;
    void WyczyscWarianty() override;
    void DodajWariantDoListy(const std::string& pozycja) override;
    void UstawTekstWariantu(const std::string& tekst) override;
    void UstawTytul(const std::string& sciezka) override;
    std::string Tytul() const override;
    void RozmiarPodgladu(int& szerokosc, int& wysokosc) override;
    void DodajOstatniProjekt(const std::string& sciezka) override;
    void UstawSiatke(bool widoczna, const std::string& krok) override;
    void PokazBlad(const std::string& komunikat) override;
    void PokazUwage(const std::string& komunikat) override;
    bool ZastapicZmieniony(const std::string& pytanie) override;
    bool RozmiarStronyDrukarki(double& cmB, double& cmH, int& dpiX, int& dpiY) override;

    // Commands that a property "kg_pozniej" marks as coming later stay
    // disabled whatever the project holds.
    bool Dostepne(const QAction* polecenie) const;

    // The printer the print command and the set-up dialog share; tests send
    // its pages into a PDF file.
    Drukarka& DrukarkaProgramu();
    void UstawWydrukDoPdf(const std::string& sciezkaPdf);

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void UtworzMenu();
    void UtworzPaski();
    void UtworzPanele();
    void PolaczPolecenia();
    void CzytajListeOstatnich();
    void CzytajListeKatalogow();
    void ZapiszListeOstatnich();
    void ZapiszListeKatalogow();
    void RysujObrazStartowy();
    void RysujArkusz();
    void PokazNaPodgladzie();
    // Zooms by `wspolczynnik` about the view's centre and redraws.
    void Powieksz(double wspolczynnik);
    // The pan drag: the centre so that the press point follows the mouse.
    void PrzesunWidok(int x, int y);
    // The node picked nearest within `d0` (the index even past 3 cm), and
    // the best distance.
    int32_t WybierzWezel(int px, int py, double d0, double& odleglosc) const;
    void HoverWstawianie(int px, int py, bool rondo);
    // The clipboard area dragged from (ax, ay) to (bx, by) handed to the
    // clipboard window.
    void PrzekazFragment(int ax, int ay, int bx, int by);
    // The cursor's sheet point, on the grid when it is shown (kept for the click).
    void PunktKursora(int px, int py, double& x, double& y);
    // The hover and the click of the block and description modes.
    void HoverObiektu(int px, int py);
    void KlikObiektu(int px, int py);
    // The description (over every variant) or the block of the current
    // variant nearest within 3 cm, -1 for none; the label when found, else
    // the hint.
    int32_t WybierzOpis(int px, int py, const QString& znaleziono);
    int32_t WybierzBlok(int px, int py, const QString& znaleziono);
    // The preview's marks as lines of the overlay.
    void NakladkaZPlotna(const class NagrywaniePlotna& plotno);

    // The unsaved-changes question; false when the command is to be cancelled.
    bool PytanieONiezapisanych(bool zamykanie);
    // Save as: the dialog, the overwrite question, then the save.
    void ZapiszPodWybranaNazwa();
    // Saving for the question above; false when the user cancelled.
    bool ZapiszPrzedPorzuceniem(bool zamykanie);
    // True when nothing lies at the path or the user agrees to overwrite it.
    bool NadpisanieDozwolone(const std::filesystem::path& sciezka, bool zKasuj);
    bool SprawdzWezlyIWarianty();
    // Makes `wariant` current in the model and the list, then redraws.
    void PokazWariant(int32_t wariant);
    bool WczytajProjekt(const std::string& sciezka);
    void RysujCalosc();
    // Parts of it: the view's pixel centre from the drawing area's size; the
    // background and the sheet in that view; the part of the sheet the view
    // shows when it is not the whole sheet (else nullptr); the prompts of an
    // empty project.
    void UstawSrodekEkranu();
    void RysujTlo();
    const ProstokatArkusza* CzescWidoku(ProstokatArkusza& widoczny);
    void RysujPodpowiedzi();
    bool RysujZmianeDiagramu(int32_t rekord, bool rondo, uint64_t rewizjaPrzedZapisem);
    void PokazZebraneKomunikaty();
    void WydrukujWarianty(class Drukarka& drukarka);
    bool ArkuszNaStronie(Drukarka& drukarka);
    // The project's file name as its caption shows it; "" without a file.
    QString NazwaProjektuPokazana() const;
    std::filesystem::path NazwaObokProjektu(const char* rozszerzenie) const;
    // The PDF file to print into; "" when cancelled.
    std::filesystem::path WybierzPlikWydruku();
    std::string TytulWydruku() const;
    // Returns what the file could not keep of the old one's, or "".
    std::string EksportujWarianty(const std::string& plik);
    std::unique_ptr<Drukarka> drukarka_;
    bool wydrukDoPdf_ = false;
    // The PDF file each project (by its file) was last printed into.
    std::map<std::filesystem::path, std::filesystem::path> ostatniePdf_;

    TTrybEdycji tryb_ = TTrybEdycji::Brak;
    // The grid step in force when the typing in its box began, and whether
    // the project was changed then; none while nothing is being typed.
    struct KrokPrzedEdycja {
        float krok;
        bool projektZmieniony;
    };
    std::optional<KrokPrzedEdycja> krokPrzedEdycja_;
    // The step typed in its box stored, as the file keeps it; false, with
    // the message, when it is no number or beyond its limit.
    bool PrzyjmijKrokSiatki(std::string& komunikat);
    bool pokazane_ = false;
    QAction* separatorPrzedKoncem_ = nullptr;
    int ostatnichWMenu_ = 0;
    std::filesystem::path sciezkaProjektu_ = "...";
    // The path of recent item `nr` as the system has it ("" when unused).
    std::string SciezkaOstatniego(int nr) const;
};

extern TForm1* Form1;
