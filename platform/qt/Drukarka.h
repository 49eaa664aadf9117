#pragma once
// The printer over QPrinter: the set-up dialog, a document of pages, the
// page size in device pixels and the resolution. A PDF file is written by the
// program's own PDF pages (platform/PlotnoPdf.h) with the page QPrinter has;
// the system printer is painted through QPainter.

#include <memory>
#include <optional>
#include <string>

#include <QPageLayout>

#include "platform/DokumentPdf.h"
#include "platform/ZapisBezpieczny.h"

class QPrinter;
class QWidget;
class Plotno;
class PlotnoQt;
class PlotnoPdf;

class Drukarka {
public:
    Drukarka();
    ~Drukarka();
    Drukarka(const Drukarka&) = delete;
    Drukarka& operator=(const Drukarka&) = delete;

    // Whether the system has a printer at all; without one the sheet falls
    // back to its default size.
    static bool DrukarkaZainstalowana();

    // Prints into a PDF file instead of the system printer (tests, export).
    // The pages go into a file beside it, which takes its place only when
    // the document is complete: a failed print leaves the old file.
    void UstawPlikPdf(const std::string& sciezkaUtf8);
    // The printer set-up dialog; false when the user cancels. A PDF file
    // chosen there takes the place of the printer as UstawPlikPdf does (the
    // print command asks for its name anew), and the page chosen there
    // stays. Where the dialog would write a PDF file (one named already, or
    // Qt's file printer when there is no printer) it starts from the page of
    // a sheet of cmB x cmH cm.
    bool Ustawienia(QWidget* rodzic, double cmB = 0.0, double cmH = 0.0);
    // Whether the pages go into a PDF file, and which ("" for the printer).
    bool DoPliku() const;
    const std::string& PlikPdf() const { return plikPdf_; }

    // The page of a PDF file follows the sheet of cmB x cmH cm (its print
    // area), unless the user chose a page in the set-up dialog; a printer
    // keeps its paper.
    void DopasujStroneDoArkusza(double cmB, double cmH);
    // The page for a sheet: the smallest ISO A paper (A4 to A0) that holds
    // it, turned as the sheet is (across when wider than high), with the
    // sheet in its middle; a sheet larger than A0 gets a page of its own
    // size with half a centimetre round it.
    static QPageLayout StronaArkusza(double cmB, double cmH);
    // Whether a sheet of cmB x cmH cm fits the page's printable area.
    bool ArkuszSieMiesci(double cmB, double cmH) const;

    // Opens the document: the canvas then paints on its first page.
    // False with `Blad()` set when the printer cannot start.
    bool RozpocznijDokument(const std::string& tytulUtf8);
    // False with `Blad()` set when the printer cannot start the page.
    bool NowaStrona();
    // False with `Blad()` set (naming the file and the cause for a PDF)
    // when the document could not be finished.
    bool ZakonczDokument();
    // Drops the open document, drawn only in part because of the system
    // error `nrBledu` (ENOMEM for a lack of memory): nothing goes to the
    // printer, a PDF file's old contents stay; `Blad()` names the file (or
    // the printer) and the cause.
    void PrzerwijDokument(int nrBledu);
    // The same for any other failure while drawing, its cause in UTF-8
    // (unless the printer gave its own message on the way).
    void PrzerwijDokument(const std::string& przyczynaUtf8);
    bool Drukuje() const;
    const std::string& Blad() const { return blad_; }
    // After a PDF file was finished: what it could not keep of the old
    // file's (UTF-8, ZapisBezpieczny::Uwaga); "" when nothing.
    const std::string& Uwaga() const { return uwaga_; }

    // The printable area of the page in device pixels, and pixels per inch.
    int SzerokoscStrony() const;
    int WysokoscStrony() const;
    int DpiX() const;
    int DpiY() const;

    // The canvas of the open document's current page (it paints nothing
    // outside a document).
    Plotno& PlotnoDrukarki();
    QPrinter& Urzadzenie();

    // Whether the pages may be drawn apart, each on a canvas of its own and
    // in a thread of its own (a PDF file), by `PlotnoStrony` and `DolaczDoStrony`.
    bool StronyOsobno() const { return dokument_ != nullptr; }
    // A canvas for a page of the open PDF document, with fonts of its own.
    std::unique_ptr<PlotnoPdf> PlotnoStrony() const;
    // What was drawn on such a canvas (`PlotnoPdf::Zabierz`) goes onto the
    // current page, over what is there already.
    void DolaczDoStrony(std::string tresc);

    // A PDF file painted through Qt's own PDF printer instead (the tests
    // compare the two).
    void UstawPdfPrzezQt(bool przezQt) { pdfPrzezQt_ = przezQt; }

private:
    // Drops the open document, a PDF file's old contents kept.
    void PorzucDokument();
    // The document given up for the cause: the printer or the file named.
    std::string KomunikatPrzerwania(const std::string& przyczynaUtf8) const;
    // Qt's PDF file failed (Windows-1250, naming the file and the cause).
    std::string KomunikatPlikuQt() const;
    bool PdfKompletny() const;
    bool RozpocznijPdf(const std::string& tytulUtf8);
    bool ZakonczPdf();
    // What the current page's canvas drew goes onto the page.
    void PlotnoNaStrone();

    std::unique_ptr<QPrinter> drukarka_;
    std::unique_ptr<PlotnoQt> plotno_;
    std::string blad_;
    std::string uwaga_;
    std::string plikPdf_;          // the target, UTF-8; "" for the printer
    bool pdfPrzezQt_ = false;
    bool stronaWybrana_ = false;   // the user chose the page in the dialog
    // The printer's own page while the pages go into a file the program named.
    std::optional<QPageLayout> stronaDrukarki_;

    // The PDF document being drawn, its current page's canvas and the file
    // it goes into.
    std::unique_ptr<DokumentPdf> dokument_;
    std::unique_ptr<PlotnoPdf> plotnoPdf_;
    ZapisBezpieczny zapis_;
    // The file Qt's PDF printer writes the pages into meanwhile.
    ZapisBezpieczny plikQt_;
};
