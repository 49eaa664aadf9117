#include "platform/qt/Drukarka.h"

#include <algorithm>
#include <cerrno>
#include <sys/statvfs.h>

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "base/Kodowanie.h"
#include "base/Watki.h"
#include "platform/PlikTekstowy.h"
#include "platform/PlotnoPdf.h"
#include "platform/qt/CzcionkiPdf.h"
#include "platform/qt/Kodowanie_qt.h"
#include "platform/qt/Plotno.h"

namespace {

// Whether the disk of a file has no room left: the likely cause of a PDF
// that ended short.
bool BrakMiejsca(const std::string& plik)
{
    struct statvfs s {};
    return ::statvfs(plik.c_str(), &s) == 0 && s.f_bavail == 0;
}

// How far in mm a sheet may pass a page and still fit it: a float sheet of
// 59.4 cm is a hair over 594 mm.
constexpr double LuzMm = 0.1;

} // namespace

Drukarka::Drukarka()
    : drukarka_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      plotno_(std::make_unique<PlotnoQt>(drukarka_.get(), false))
{
}

Drukarka::~Drukarka()
{
    plotnoPdf_.reset();
    // The canvas must let go of the printer before the printer goes.
    plotno_.reset();
}

bool Drukarka::DrukarkaZainstalowana() { return !QPrinterInfo::availablePrinters().isEmpty(); }

void Drukarka::UstawPlikPdf(const std::string& sciezkaUtf8)
{
    plikPdf_ = sciezkaUtf8;
    if (plikPdf_.empty()) {
        drukarka_->setOutputFileName(QString());
        drukarka_->setOutputFormat(QPrinter::NativeFormat);
        // The sheet's page was the file's only.
        if (stronaDrukarki_)
            drukarka_->setPageLayout(*stronaDrukarki_);
        stronaDrukarki_.reset();
        return;
    }
    if (!stronaDrukarki_)
        stronaDrukarki_ = drukarka_->pageLayout();
    drukarka_->setOutputFormat(QPrinter::PdfFormat);
    drukarka_->setOutputFileName(SciezkaNaQString(sciezkaUtf8));
    // A file has no printer's paper: A4 until a sheet gives the page.
    if (!stronaWybrana_)
        drukarka_->setPageSize(QPageSize(QPageSize::A4));
}

QPageLayout Drukarka::StronaArkusza(double cmB, double cmH)
{
    const bool poziomo = cmB > cmH;
    const double krotszy = std::min(cmB, cmH) * 10.0;
    const double dluzszy = std::max(cmB, cmH) * 10.0;
    QPageSize strona;
    for (const QPageSize::PageSizeId id : {QPageSize::A4, QPageSize::A3, QPageSize::A2, QPageSize::A1, QPageSize::A0}) {
        const QSizeF mm = QPageSize::size(id, QPageSize::Millimeter);
        if (krotszy <= mm.width() + LuzMm && dluzszy <= mm.height() + LuzMm) {
            strona = QPageSize(id);
            break;
        }
    }
    if (!strona.isValid())
        strona = QPageSize(QSizeF(krotszy + 10.0, dluzszy + 10.0), QPageSize::Millimeter, QString(),
                           QPageSize::ExactMatch);
    const QSizeF mm = strona.size(QPageSize::Millimeter);
    const double marginesKrotszy = std::max(0.0, (mm.width() - krotszy) / 2.0);
    const double marginesDluzszy = std::max(0.0, (mm.height() - dluzszy) / 2.0);
    const QMarginsF marginesy = poziomo ? QMarginsF(marginesDluzszy, marginesKrotszy, marginesDluzszy, marginesKrotszy)
                                        : QMarginsF(marginesKrotszy, marginesDluzszy, marginesKrotszy, marginesDluzszy);
    return QPageLayout(strona, poziomo ? QPageLayout::Landscape : QPageLayout::Portrait, marginesy,
                       QPageLayout::Millimeter);
}

void Drukarka::DopasujStroneDoArkusza(double cmB, double cmH)
{
    if (!DoPliku() || stronaWybrana_ || cmB <= 0.0 || cmH <= 0.0)
        return;
    drukarka_->setPageLayout(StronaArkusza(cmB, cmH));
}

bool Drukarka::ArkuszSieMiesci(double cmB, double cmH) const
{
    const QRectF obszar = drukarka_->pageLayout().paintRect(QPageLayout::Millimeter);
    return cmB * 10.0 <= obszar.width() + LuzMm && cmH * 10.0 <= obszar.height() + LuzMm;
}

bool Drukarka::Ustawienia(QWidget* rodzic, double cmB, double cmH)
{
    if (!stronaWybrana_ && cmB > 0.0 && cmH > 0.0 && (DoPliku() || !DrukarkaZainstalowana()))
        drukarka_->setPageLayout(StronaArkusza(cmB, cmH));
    QPrintDialog dialog(drukarka_.get(), rodzic);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    stronaWybrana_ = true;
    stronaDrukarki_.reset();
    // A PDF file chosen in the dialog is written the safe way, as any PDF.
    if (drukarka_->outputFormat() == QPrinter::PdfFormat && !drukarka_->outputFileName().isEmpty())
        plikPdf_ = SciezkaZQString(drukarka_->outputFileName());
    else
        plikPdf_.clear();
    return true;
}

bool Drukarka::DoPliku() const { return !plikPdf_.empty(); }

bool Drukarka::RozpocznijDokument(const std::string& tytulUtf8)
{
    blad_.clear();
    uwaga_.clear();
    if (Drukuje()) return true;
    plotnoPdf_.reset();
    if (!plikPdf_.empty() && !pdfPrzezQt_)
        return RozpocznijPdf(tytulUtf8);
    drukarka_->setDocName(QString::fromStdString(tytulUtf8));
    if (!plikPdf_.empty()) {
        std::string blad;
        if (!plikQt_.OtworzNazwany(plikPdf_, blad)) {
            blad_ = Cp1250NaUtf8(blad);
            return false;
        }
        // Each file gets a printer of its own: one whose file failed once
        // writes nothing more. The page stays as set.
        const QPageLayout strona = drukarka_->pageLayout();
        plotno_.reset();
        drukarka_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        plotno_ = std::make_unique<PlotnoQt>(drukarka_.get(), false);
        drukarka_->setOutputFormat(QPrinter::PdfFormat);
        drukarka_->setPageLayout(strona);
        drukarka_->setDocName(QString::fromStdString(tytulUtf8));
        drukarka_->setOutputFileName(SciezkaNaQString(plikQt_.SciezkaTymczasowego()));
    }
    if (!plotno_->Rozpocznij()) {
        blad_ = plikPdf_.empty() ? std::string("Nie można rozpocząć drukowania.")
                                 : Cp1250NaUtf8(KomunikatPlikuQt());
        plikQt_.Porzuc();
        return false;
    }
    return true;
}

// A PDF written whole ends with its end-of-file marker; a write that failed
// on the way (a full disk) leaves it short, which Qt does not report.
bool Drukarka::PdfKompletny() const
{
    QFile plik(SciezkaNaQString(plikQt_.SciezkaTymczasowego()));
    if (!plik.open(QIODevice::ReadOnly) || plik.size() < 6)
        return false;
    plik.seek(plik.size() - 6);
    return plik.read(6).contains("%%EOF");
}

bool Drukarka::RozpocznijPdf(const std::string& tytulUtf8)
{
    std::string blad;
    if (!zapis_.Otworz(plikPdf_, blad)) {
        blad_ = Cp1250NaUtf8(blad);
        return false;
    }
    const QPageLayout strona = drukarka_->pageLayout();
    const QRect calosc = strona.fullRectPoints();
    dokument_ = std::make_unique<DokumentPdf>(calosc.width(), calosc.height(),
                                              QString::fromStdString(tytulUtf8).toStdU16String());
    dokument_->NowaStrona();
    plotnoPdf_ = PlotnoStrony();
    return true;
}

std::unique_ptr<PlotnoPdf> Drukarka::PlotnoStrony() const
{
    // The device's pixels from the corner of the printable area, as Qt's
    // printer places them.
    const QPageLayout strona = drukarka_->pageLayout();
    const QRect obszar = strona.paintRectPixels(drukarka_->resolution());
    UkladStronyPdf uklad;
    uklad.skala = 72.0 / drukarka_->resolution();
    uklad.lewo = obszar.left() * uklad.skala;
    uklad.gora = strona.fullRectPoints().height() - obszar.top() * uklad.skala;
    return std::make_unique<PlotnoPdf>(uklad, std::make_unique<CzcionkiPdfQt>(drukarka_->resolution()));
}

void Drukarka::DolaczDoStrony(std::string tresc)
{
    if (dokument_)
        dokument_->DodajDoStrony({std::move(tresc), false});
}

void Drukarka::PlotnoNaStrone()
{
    if (!plotnoPdf_->Puste())
        DolaczDoStrony(plotnoPdf_->Zabierz());
}

bool Drukarka::ZakonczPdf()
{
    PlotnoNaStrone();
    std::string blad;
    bool zapisany = false;
    try {
        // Deflated at the end on the cores: a third of the size.
        dokument_->Skompresuj(WatkiPracy());
        zapisany = zapis_.Pisz(dokument_->Plik(), blad) && zapis_.Zakoncz(blad);
    } catch (const std::exception& e) {
        // No memory (or no thread's resources) for the file's bytes, or
        // another failure of the threads.
        const int nr = NumerBleduWyjatku(e);
        blad = nr != 0 ? KomunikatZapisu(plikPdf_, nr) : Utf8NaCp1250(KomunikatPrzerwania(e.what()));
    }
    zapis_.Porzuc();
    // The canvas stays until the next document: drawing attached to it
    // paints nothing more into a file.
    dokument_.reset();
    if (!zapisany)
        blad_ = Cp1250NaUtf8(blad);
    else
        uwaga_ = Cp1250NaUtf8(zapis_.Uwaga());
    return zapisany;
}

bool Drukarka::NowaStrona()
{
    if (dokument_) {
        PlotnoNaStrone();
        dokument_->NowaStrona();
        return true;
    }
    if (!plotno_->Aktywne()) return false;
    if (drukarka_->newPage())
        return true;
    blad_ = plikPdf_.empty() ? std::string("Błąd drukarki: nie można rozpocząć nowej strony.")
                             : Cp1250NaUtf8(KomunikatPlikuQt());
    return false;
}

bool Drukarka::ZakonczDokument()
{
    if (dokument_) return ZakonczPdf();
    if (!plotno_->Aktywne()) return false;
    const bool zakonczony = plotno_->Zakoncz() && drukarka_->printerState() != QPrinter::Error;
    if (plikPdf_.empty()) {
        if (!zakonczony)
            blad_ = "Błąd drukarki: wydruk nie został zakończony.";
        return zakonczony;
    }
    std::string blad;
    if (!zakonczony || !PdfKompletny()) {
        blad = KomunikatPlikuQt();
        plikQt_.Porzuc();
    } else if (plikQt_.Zakoncz(blad)) {
        uwaga_ = Cp1250NaUtf8(plikQt_.Uwaga());
        return true;
    }
    blad_ = Cp1250NaUtf8(blad);
    return false;
}

void Drukarka::PrzerwijDokument(int nrBledu)
{
    blad_ = plikPdf_.empty() ? KomunikatPrzerwania(Cp1250NaUtf8(PrzyczynaBledu(nrBledu)))
                             : Cp1250NaUtf8(KomunikatZapisu(plikPdf_, nrBledu));
    PorzucDokument();
}

void Drukarka::PrzerwijDokument(const std::string& przyczynaUtf8)
{
    // The printer's own message, when it failed first, says more.
    if (blad_.empty())
        blad_ = KomunikatPrzerwania(przyczynaUtf8);
    PorzucDokument();
}

std::string Drukarka::KomunikatPrzerwania(const std::string& przyczynaUtf8) const
{
    return (plikPdf_.empty() ? std::string("Błąd drukarki: wydruk") : "Wydruk do pliku " + plikPdf_) +
           " nie został zakończony (" + przyczynaUtf8 + ").";
}

// Qt's printer tells no cause when its file fails: most likely a full disk.
std::string Drukarka::KomunikatPlikuQt() const
{
    return KomunikatZapisu(plikPdf_, BrakMiejsca(plikQt_.SciezkaTymczasowego()) ? ENOSPC : EIO);
}

void Drukarka::PorzucDokument()
{
    if (dokument_) {
        zapis_.Porzuc();
        dokument_.reset();
        return;
    }
    if (!plotno_->Aktywne())
        return;
    drukarka_->abort();
    plotno_->Zakoncz();
    plikQt_.Porzuc();
}

bool Drukarka::Drukuje() const { return dokument_ || plotno_->Aktywne(); }

int Drukarka::SzerokoscStrony() const
{
    return drukarka_->pageLayout().paintRectPixels(drukarka_->resolution()).width();
}

int Drukarka::WysokoscStrony() const
{
    return drukarka_->pageLayout().paintRectPixels(drukarka_->resolution()).height();
}

int Drukarka::DpiX() const { return drukarka_->logicalDpiX(); }
int Drukarka::DpiY() const { return drukarka_->logicalDpiY(); }

Plotno& Drukarka::PlotnoDrukarki()
{
    if (plotnoPdf_) return *plotnoPdf_;
    return *plotno_;
}
QPrinter& Drukarka::Urzadzenie() { return *drukarka_; }
