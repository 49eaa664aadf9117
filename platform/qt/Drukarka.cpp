#include "platform/qt/Drukarka.h"

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
#include "platform/qt/Plotno.h"

namespace {

// Whether the disk of a file has no room left: the likely cause of a PDF
// that ended short.
bool BrakMiejsca(const std::string& plik)
{
    struct statvfs s {};
    return ::statvfs(plik.c_str(), &s) == 0 && s.f_bavail == 0;
}


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
        return;
    }
    drukarka_->setOutputFormat(QPrinter::PdfFormat);
    drukarka_->setOutputFileName(QString::fromStdString(sciezkaUtf8));
    // A file has no printer's default paper; the program's sheets are A4.
    drukarka_->setPageSize(QPageSize(QPageSize::A4));
}

bool Drukarka::Ustawienia(QWidget* rodzic)
{
    QPrintDialog dialog(drukarka_.get(), rodzic);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    // A PDF file chosen in the dialog is written the safe way, as any PDF.
    if (drukarka_->outputFormat() == QPrinter::PdfFormat && !drukarka_->outputFileName().isEmpty())
        plikPdf_ = drukarka_->outputFileName().toStdString();
    else
        plikPdf_.clear();
    return true;
}

bool Drukarka::DoPliku() const { return !plikPdf_.empty(); }

bool Drukarka::RozpocznijDokument(const std::string& tytulUtf8)
{
    blad_.clear();
    if (Drukuje()) return true;
    plotnoPdf_.reset();
    if (!plikPdf_.empty() && !pdfPrzezQt_)
        return RozpocznijPdf(tytulUtf8);
    drukarka_->setDocName(QString::fromStdString(tytulUtf8));
    if (!plikPdf_.empty()) {
        std::string blad;
        plikTymczasowy_ = PlikObokCelu(plikPdf_, blad);
        if (plikTymczasowy_.empty()) {
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
        drukarka_->setOutputFileName(QString::fromStdString(plikTymczasowy_));
    }
    if (!plotno_->Rozpocznij()) {
        blad_ = plikPdf_.empty() ? std::string("Nie można rozpocząć drukowania.")
                                 : Cp1250NaUtf8(KomunikatZapisu(plikPdf_,
                                                                BrakMiejsca(plikTymczasowy_) ? ENOSPC : EIO));
        UsunTymczasowy();
        return false;
    }
    return true;
}

void Drukarka::UsunTymczasowy()
{
    if (!plikTymczasowy_.empty())
        QFile::remove(QString::fromStdString(plikTymczasowy_));
    plikTymczasowy_.clear();
}

// A PDF written whole ends with its end-of-file marker; a write that failed
// on the way (a full disk) leaves it short, which Qt does not report.
bool Drukarka::PdfKompletny() const
{
    QFile plik(QString::fromStdString(plikTymczasowy_));
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
    } catch (const std::exception&) {
        // No memory for the file's bytes.
        blad = KomunikatZapisu(plikPdf_, ENOMEM);
    }
    zapis_.Porzuc();
    // The canvas stays until the next document: drawing attached to it
    // paints nothing more into a file.
    dokument_.reset();
    if (!zapisany)
        blad_ = Cp1250NaUtf8(blad);
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
    return drukarka_->newPage();
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
        blad = KomunikatZapisu(plikPdf_, BrakMiejsca(plikTymczasowy_) ? ENOSPC : EIO);
        UsunTymczasowy();
    } else if (!PrzeniesNaMiejsce(plikTymczasowy_, plikPdf_, blad)) {
        plikTymczasowy_.clear();
    } else {
        plikTymczasowy_.clear();
        return true;
    }
    blad_ = Cp1250NaUtf8(blad);
    return false;
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
