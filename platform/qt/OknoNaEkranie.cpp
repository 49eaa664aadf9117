#include "platform/qt/OknoNaEkranie.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace {

// Takes `w` out of whichever layout below `uklad` holds it.
bool WyjmijZUkladu(QLayout* uklad, QWidget* w)
{
    if (uklad->indexOf(w) >= 0) {
        uklad->removeWidget(w);
        return true;
    }
    for (int i = 0; i < uklad->count(); ++i)
        if (QLayout* pod = uklad->itemAt(i)->layout(); pod && WyjmijZUkladu(pod, w))
            return true;
    for (int i = 0; i < uklad->count(); ++i)
        if (QWidget* kontener = uklad->itemAt(i)->widget(); kontener && kontener->layout() &&
                                                             WyjmijZUkladu(kontener->layout(), w))
            return true;
    return false;
}

class Dopasowanie : public QObject {
public:
    Dopasowanie(QWidget* okno, const QStringList& przyciski) : QObject(okno), okno_(okno), nazwy_(przyciski)
    {
        setObjectName(QStringLiteral("DopasowanieDoEkranu"));
        okno->installEventFilter(this);
    }

    bool eventFilter(QObject* obiekt, QEvent* zdarzenie) override
    {
        if (obiekt != okno_)
            return false;
        // After the window's own showing, which may have filled it anew.
        if (zdarzenie->type() == QEvent::ShowToParent)
            Dopasuj();
        // Forgets the resizes made while it showed (the user's and ours):
        // one made from now on, while hidden, is the window's own.
        if (zdarzenie->type() == QEvent::Hide)
            okno_->setAttribute(Qt::WA_Resized, false);
        return false;
    }

private:
    // The area a window may take, its frame left out.
    QRect Obszar() const
    {
        QScreen* ekran = okno_->screen();
        if (!ekran)
            return {};
        QMargins ramka;
        if (const QWindow* w = okno_->windowHandle())
            ramka = w->frameMargins();
        ramka.setLeft(std::max(ramka.left(), ZapasRamkiPoziomo / 2));
        ramka.setRight(std::max(ramka.right(), ZapasRamkiPoziomo / 2));
        ramka.setTop(std::max(ramka.top(), ZapasRamkiPionowo - ZapasRamkiPoziomo / 2));
        ramka.setBottom(std::max(ramka.bottom(), ZapasRamkiPoziomo / 2));
        return ekran->availableGeometry().marginsRemoved(ramka);
    }

    void Dopasuj()
    {
        const QRect obszar = Obszar();
        if (obszar.isEmpty())
            return;
        // What the window's own showing changed reaches its layout through
        // posted requests, one level at a time.
        for (int i = 0; i < 8; ++i)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        // A window that sized itself keeps that size; the others take what
        // their layout asked for the first time.
        if (okno_->testAttribute(Qt::WA_Resized))
            rozmiar_ = okno_->size();
        else if (!rozmiar_.isValid()) {
            const QSize wedlugUkladu = okno_->sizeHint().expandedTo(okno_->minimumSizeHint());
            rozmiar_ = wedlugUkladu.isValid() ? wedlugUkladu : okno_->size();
        }
        const QSize potrzebny = rozmiar_.expandedTo(okno_->minimumSizeHint());
        if (!przewijana_ && (potrzebny.width() > obszar.width() || potrzebny.height() > obszar.height()))
            Przewijaj();
        const QSize najmniejszy = przewijana_ ? QSize(0, 0) : okno_->minimumSizeHint();
        QSize cel = rozmiar_.expandedTo(najmniejszy);
        if (przewijana_) {
            // Room for the scroll bar beside the content rather than a second
            // one below it.
            const int pasek = okno_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
            if (cel.height() > obszar.height())
                cel.rwidth() += pasek;
            if (cel.width() > obszar.width())
                cel.rheight() += pasek;
        }
        cel = cel.boundedTo(obszar.size());
        okno_->resize(cel);
        cel = okno_->size();
        // Inside the screen, centred on it when it was not.
        QRect miejsce(okno_->pos(), cel);
        if (!obszar.contains(miejsce)) {
            miejsce.moveCenter(obszar.center());
            miejsce.moveLeft(std::max(miejsce.left(), obszar.left()));
            miejsce.moveTop(std::max(miejsce.top(), obszar.top()));
            okno_->move(miejsce.topLeft());
        }
    }

    // The content into a scroll area, the closing buttons into a row below.
    void Przewijaj()
    {
        // A main window's own layout (toolbars, central widget) stays.
        QLayout* uklad = okno_->layout();
        if (!uklad || okno_->inherits("QMainWindow"))
            return;
        QList<QWidget*> przyciski, ukryte;
        for (const QString& nazwa : nazwy_)
            if (auto* p = okno_->findChild<QWidget*>(nazwa); p && WyjmijZUkladu(uklad, p)) {
                przyciski << p;
                if (p->isHidden() && p->testAttribute(Qt::WA_WState_ExplicitShowHide))
                    ukryte << p;
            }

        auto* tresc = new QWidget;
        tresc->setObjectName(QStringLiteral("TrescOkna"));
        const QList<QWidget*> dzieci = okno_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        tresc->setLayout(uklad);
        for (QWidget* w : dzieci)
            if (!w->isWindow() && !przyciski.contains(w) && w->parentWidget() == okno_)
                w->setParent(tresc);

        auto* obszar = new QScrollArea(okno_);
        obszar->setObjectName(QStringLiteral("PrzewijanaTresc"));
        obszar->setFrameShape(QFrame::NoFrame);
        obszar->setWidgetResizable(true);
        obszar->setWidget(tresc);

        auto* nowy = new QVBoxLayout(okno_);
        nowy->setContentsMargins(0, 0, 0, 0);
        nowy->addWidget(obszar, 1);
        if (!przyciski.isEmpty()) {
            auto* rzad = new QHBoxLayout;
            rzad->setContentsMargins(9, 4, 9, 9);
            rzad->addStretch(1);
            for (QWidget* p : przyciski)
                rzad->addWidget(p);
            nowy->addLayout(rzad);
        }
        obszar->setVisible(true);
        tresc->setVisible(true);
        for (QWidget* p : przyciski)
            p->setVisible(!ukryte.contains(p));
        przewijana_ = true;
    }

    QPointer<QWidget> okno_;
    QStringList nazwy_;
    QSize rozmiar_;          // what the layout asked for at the first showing
    bool przewijana_ = false;
};

} // namespace

void DopasujDoEkranu(QWidget* okno, const QStringList& przyciski)
{
    if (okno && !okno->findChild<QObject*>(QStringLiteral("DopasowanieDoEkranu"), Qt::FindDirectChildrenOnly))
        new Dopasowanie(okno, przyciski);
}
