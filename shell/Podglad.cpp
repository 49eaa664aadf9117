#include "shell/Podglad.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

TPodglad::TPodglad(const QImage* bitmapa, QWidget* rodzic) : QWidget(rodzic), bitmapa_(bitmapa)
{
    setObjectName("Podglad");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TPodglad::KopiujBitmape()
{
    nakladka_.clear();
    update();
}

void TPodglad::DodajDoNakladki(const ElementNakladki& element)
{
    nakladka_.push_back(element);
    update();
}

void TPodglad::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    // Only the rectangle of the drawing area's size is copied.
    p.drawImage(QPoint(0, 0), *bitmapa_, QRect(0, 0, width(), height()));
    for (const ElementNakladki& e : nakladka_) {
        p.setPen(QPen(e.kolor, e.grubosc, e.styl));
        p.setBrush(Qt::NoBrush);
        switch (e.rodzaj) {
        case ElementNakladki::Rodzaj::Linia:
            p.drawLine(e.p1, e.p2);
            break;
        case ElementNakladki::Rodzaj::Prostokat:
            p.drawRect(QRect(e.p1, e.p2).normalized());
            break;
        case ElementNakladki::Rodzaj::Kolko:
            p.drawEllipse(e.p1, e.promien, e.promien);
            break;
        case ElementNakladki::Rodzaj::Tekst: {
            QRect ramka = p.fontMetrics().boundingRect(e.tekst).translated(e.p1);
            ramka.moveTopLeft(e.p1);
            if (e.tlo.isValid())
                p.fillRect(ramka, e.tlo);
            p.drawText(ramka, Qt::AlignLeft | Qt::AlignTop, e.tekst);
            break;
        }
        }
    }
}

void TPodglad::mousePressEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    emit Nacisniecie(e->button(), p.x(), p.y());
}

void TPodglad::mouseMoveEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    emit Ruch(p.x(), p.y());
}

void TPodglad::mouseReleaseEvent(QMouseEvent* e)
{
    const QPoint p = e->position().toPoint();
    emit Zwolnienie(e->button(), p.x(), p.y());
}

void TPodglad::mouseDoubleClickEvent(QMouseEvent*) { emit PodwojneKlikniecie(); }

void TPodglad::wheelEvent(QWheelEvent* e)
{
    // One notch is 120; touch pads send parts of it, which add up.
    resztaKolka_ += e->angleDelta().y();
    const int kroki = resztaKolka_ / 120;
    resztaKolka_ -= kroki * 120;
    if (kroki != 0)
        emit Kolko(kroki);
    e->accept();
}
