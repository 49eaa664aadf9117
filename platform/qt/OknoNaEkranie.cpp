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
#include <optional>

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
        if (!okno_)
            return false;
        // Where it hid from (the first time where it opens), asked for by
        // its own area rather than left to the platform's first guess;
        // being put there is no size of its own.
        if (obiekt == okno_ && zdarzenie->type() == QEvent::Show) {
            const bool wlasnyRozmiar = okno_->testAttribute(Qt::WA_Resized);
            UstawMiejsceOkna(okno_, QRect(miejsce_.value_or(okno_->geometry().topLeft()), okno_->size()));
            okno_->setAttribute(Qt::WA_Resized, wlasnyRozmiar);
            if (QWindow* w = okno_->windowHandle(); w && w != natywne_) {
                natywne_ = w;
                w->installEventFilter(this);
            }
        }
        // Sized and placed after the window's own showing (which may fill
        // it anew) and before it is mapped, when its native window shows.
        // A window manager keeps in the area what it maps or is asked to
        // resize, not what it is only asked to move (jwm then pushes a tall
        // window to the bottom of the area): a resize after mapping would
        // land one showing elsewhere than the next.
        if (obiekt == natywne_ && zdarzenie->type() == QEvent::Show)
            Dopasuj();
        // Forgets the resizes made while it showed (the user's and ours):
        // one made from now on, while hidden, is the window's own. Keeps
        // the place it showed at, its frame left out.
        if (obiekt == okno_ && zdarzenie->type() == QEvent::Hide) {
            okno_->setAttribute(Qt::WA_Resized, false);
            miejsce_ = okno_->geometry().topLeft();
            ZapamietajRamke();
        }
        return false;
    }

private:
    // The area a window may take, its frame left out. Its size allows for
    // the frame the window manager drew, and at least for room for one, so
    // that the window opens at one size before and after it was framed; its
    // place takes the frame drawn (the last one while the window is not
    // framed), so that a window the manager placed stays where it was.
    QRect Obszar(bool naMiejsce)
    {
        QScreen* ekran = okno_->screen();
        if (!ekran)
            return {};
        ZapamietajRamke();
        // Below, room for a grip as thick as both side borders together.
        const QMargins zapas(ZapasRamkiPoziomo / 2, ZapasRamkiPionowo - ZapasRamkiPoziomo, ZapasRamkiPoziomo / 2,
                             ZapasRamkiPoziomo);
        const QMargins ramka = !naMiejsce ? (ramka_ | zapas) : ramka_.isNull() ? zapas : ramka_;
        return ekran->availableGeometry().marginsRemoved(ramka);
    }

    void ZapamietajRamke()
    {
        if (const QWindow* w = okno_->windowHandle(); w && !w->frameMargins().isNull())
            ramka_ = w->frameMargins();
    }

    void Dopasuj()
    {
        const QRect obszar = Obszar(false);
        if (obszar.isEmpty())
            return;
        // What the window's own showing changed reaches its layout through
        // posted requests, one level at a time.
        for (int i = 0; i < 8; ++i)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        // A window that sized itself keeps that size; the others take what
        // their layout asked for the first time, grown by what a showing
        // with more content asks (never shrunk by one with less).
        if (okno_->testAttribute(Qt::WA_Resized))
            rozmiar_ = okno_->size();
        else {
            const QSize wedlugUkladu = WedlugUkladu();
            rozmiar_ = !rozmiar_.isValid() ? (wedlugUkladu.isValid() ? wedlugUkladu : okno_->size())
                                           : rozmiar_.expandedTo(wedlugUkladu);
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
            const bool szersza = cel.width() > obszar.width();
            if (szersza)
                cel.rheight() += pasek;
            // Content as wide as the window scrolls only up and down.
            if (auto* przewijanie = okno_->findChild<QScrollArea*>(QStringLiteral("PrzewijanaTresc")))
                przewijanie->setHorizontalScrollBarPolicy(szersza ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        }
        okno_->resize(cel.boundedTo(obszar.size()));
        Umiesc(okno_->size());
    }

    // What the layout asks for now; once the content scrolls, what the
    // content asks for in place of the scroll area, which asks for little.
    QSize WedlugUkladu() const
    {
        QSize s = okno_->sizeHint();
        const auto* przewijanie = okno_->findChild<QScrollArea*>(QStringLiteral("PrzewijanaTresc"));
        if (przewijana_ && przewijanie && przewijanie->widget())
            s += przewijanie->widget()->sizeHint() - przewijanie->sizeHint();
        return s.expandedTo(okno_->minimumSizeHint());
    }

    // Where it showed last, or where its first showing put it; inside the
    // screen, centred on it when it was not. The place is the window's own
    // area, which a window manager keeps as asked: a frame's place would be
    // read back from a frame not yet there.
    void Umiesc(const QSize& rozmiar)
    {
        const QRect obszar = Obszar(true);
        if (obszar.isEmpty())
            return;
        QRect miejsce(miejsce_.value_or(okno_->geometry().topLeft()), rozmiar.boundedTo(obszar.size()));
        if (!obszar.contains(miejsce)) {
            miejsce.moveCenter(obszar.center());
            miejsce.moveLeft(std::max(miejsce.left(), obszar.left()));
            miejsce.moveTop(std::max(miejsce.top(), obszar.top()));
        }
        UstawMiejsceOkna(okno_, miejsce);
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
        // Its least size from now on that of the new layout, not the
        // content's, which would hold up the resize that follows.
        nowy->activate();
    }

    QPointer<QWidget> okno_;
    QPointer<QWindow> natywne_;
    QStringList nazwy_;
    QSize rozmiar_;          // what the layout asked for at the first showing
    std::optional<QPoint> miejsce_;  // of its area when it last hid
    QMargins ramka_;                 // the frame it had last
    bool przewijana_ = false;
};

} // namespace

void UstawMiejsceOkna(QWidget* okno, const QRect& obszarOkna)
{
    // The widget's own area, not its frame's place, which would be reckoned
    // from a frame the window manager may not have drawn yet.
    okno->setGeometry(obszarOkna);
}

void DopasujDoEkranu(QWidget* okno, const QStringList& przyciski)
{
    if (okno && !okno->findChild<QObject*>(QStringLiteral("DopasowanieDoEkranu"), Qt::FindDirectChildrenOnly))
        new Dopasowanie(okno, przyciski);
}
