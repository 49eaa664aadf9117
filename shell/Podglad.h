#pragma once
// The drawing area of the main window. It shows the main window's off-screen
// bitmap; marks drawn "straight on the drawing area" (hover marks, hints) are
// an overlay list painted over the bitmap and wiped by the next copy.

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QString>
#include <QWidget>
#include <vector>

struct ElementNakladki {
    enum class Rodzaj { Linia, Prostokat, Kolko, Tekst };
    Rodzaj rodzaj = Rodzaj::Linia;
    QPoint p1;          // line start, rectangle corner, circle centre, text anchor
    QPoint p2;          // line end, opposite rectangle corner
    int promien = 0;    // circle
    QString tekst;
    QColor kolor = Qt::black;
    QColor tlo;         // text background; invalid for a clear brush
    int grubosc = 1;
    Qt::PenStyle styl = Qt::SolidLine;
};

class TPodglad : public QWidget {
    Q_OBJECT
public:
    TPodglad(const QImage* bitmapa, QWidget* rodzic);

    // "Copy the bitmap to the drawing area": the overlay is wiped.
    void KopiujBitmape();
    void DodajDoNakladki(const ElementNakladki& element);
    const std::vector<ElementNakladki>& Nakladka() const { return nakladka_; }

signals:
    // The mouse over the drawing area, in its pixels; the main window decides
    // what each does.
    void Nacisniecie(Qt::MouseButton przycisk, int x, int y);
    void Ruch(int x, int y);
    void Zwolnienie(Qt::MouseButton przycisk, int x, int y);
    void PodwojneKlikniecie();
    void Kolko(int kroki);  // > 0 away from the user (up)

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    const QImage* bitmapa_;
    int resztaKolka_ = 0;
    std::vector<ElementNakladki> nakladka_;
};
