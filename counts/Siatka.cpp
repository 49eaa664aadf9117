#include "counts/Siatka.h"

#include <QHeaderView>
#include <QScrollBar>
#include <algorithm>

#include "platform/qt/Kodowanie_qt.h"

TSiatka::TSiatka(const char* nazwa, int wierszy, QWidget* rodzic) : QTableWidget(wierszy, 0, rodzic)
{
    setObjectName(nazwa);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(20);
}

std::string TSiatka::Komorka(int kolumna, int wiersz) const
{
    const QTableWidgetItem* i = item(wiersz - 1, kolumna);
    return i ? ZQString(i->text()) : std::string();
}

TekstZOkna TSiatka::KomorkaZOkna(int kolumna, int wiersz) const
{
    const QTableWidgetItem* i = item(wiersz - 1, kolumna);
    return i ? ZQStringZOkna(i->text()) : TekstZOkna{};
}

void TSiatka::UstawKomorke(int kolumna, int wiersz, const std::string& tekst, bool stala)
{
    QTableWidgetItem* i = item(wiersz - 1, kolumna);
    if (!i) {
        i = new QTableWidgetItem;
        setItem(wiersz - 1, kolumna, i);
    }
    i->setText(NaQString(tekst));
    if (stala)
        i->setFlags(i->flags() & ~Qt::ItemIsEditable);
}

void TSiatka::Zatwierdz()
{
    // Moving the current cell away commits and closes its editor.
    if (state() == QAbstractItemView::EditingState)
        setCurrentIndex(QModelIndex());
}

QSize TSiatka::sizeHint() const
{
    QSize s = QTableWidget::sizeHint();
    int wysokosc = 2 * frameWidth() + (horizontalHeader()->isHidden() ? 0 : horizontalHeader()->sizeHint().height());
    for (int w = 0; w < rowCount(); ++w)
        wysokosc += rowHeight(w);
    if (horizontalScrollBarPolicy() != Qt::ScrollBarAlwaysOff)
        wysokosc += horizontalScrollBar()->sizeHint().height();
    s.setHeight(std::max(s.height(), wysokosc));
    return s;
}

void TSiatka::UstawSzerokosci(const std::vector<int>& szerokosci, int zapas)
{
    int suma = 0;
    for (int k = 0; k < static_cast<int>(szerokosci.size()) && k < columnCount(); ++k) {
        setColumnWidth(k, szerokosci[static_cast<std::size_t>(k)]);
        suma += szerokosci[static_cast<std::size_t>(k)];
    }
    setFixedWidth(suma + zapas);
}
