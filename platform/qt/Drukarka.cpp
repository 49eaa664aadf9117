#include "platform/qt/Drukarka.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include "platform/qt/Plotno.h"

Drukarka::Drukarka()
    : drukarka_(std::make_unique<QPrinter>(QPrinter::HighResolution)),
      plotno_(std::make_unique<PlotnoQt>(drukarka_.get(), false))
{
}

Drukarka::~Drukarka()
{
    // The canvas must let go of the printer before the printer goes.
    plotno_.reset();
}

bool Drukarka::DrukarkaZainstalowana() { return !QPrinterInfo::availablePrinters().isEmpty(); }

void Drukarka::UstawPlikPdf(const std::string& sciezkaUtf8)
{
    drukarka_->setOutputFormat(QPrinter::PdfFormat);
    drukarka_->setOutputFileName(QString::fromStdString(sciezkaUtf8));
    // A file has no printer's default paper; the program's sheets are A4.
    drukarka_->setPageSize(QPageSize(QPageSize::A4));
}

bool Drukarka::Ustawienia(QWidget* rodzic)
{
    QPrintDialog dialog(drukarka_.get(), rodzic);
    return dialog.exec() == QDialog::Accepted;
}

bool Drukarka::RozpocznijDokument(const std::string& tytulUtf8)
{
    blad_.clear();
    if (plotno_->Aktywne()) return true;
    drukarka_->setDocName(QString::fromStdString(tytulUtf8));
    if (!plotno_->Rozpocznij()) {
        blad_ = "Nie można rozpocząć drukowania.";
        return false;
    }
    return true;
}

bool Drukarka::NowaStrona()
{
    if (!plotno_->Aktywne()) return false;
    return drukarka_->newPage();
}

bool Drukarka::ZakonczDokument()
{
    if (!plotno_->Aktywne()) return false;
    plotno_->Zakoncz();
    return drukarka_->printerState() != QPrinter::Error;
}

bool Drukarka::Drukuje() const { return plotno_->Aktywne(); }

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

PlotnoQt& Drukarka::PlotnoDrukarki() { return *plotno_; }
QPrinter& Drukarka::Urzadzenie() { return *drukarka_; }
