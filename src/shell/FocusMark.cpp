#include "FocusMark.h"

#include <QApplication>
#include <QEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>

namespace {

constexpr int kOutset = 3; // how far the mark reaches outside the control
// The mark lives in the parent of the control it marks, so it goes when that
// goes; the next focus change makes a new one.
QPointer<FocusMark> theMark;
bool installed = false;

} // namespace

void FocusMark::Install()
{
    if (installed || !qApp)
        return;
    installed = true;
    QObject::connect(qApp, &QApplication::focusChanged, qApp, [](QWidget *, QWidget *now) {
        if (!theMark)
            theMark = new FocusMark();
        theMark->follow(now);
    });
}

QWidget *FocusMark::Marked() { return theMark && theMark->isVisible() ? theMark->target_.data() : nullptr; }

FocusMark::FocusMark()
{
    setObjectName(QStringLiteral("FocusMark"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void FocusMark::follow(QWidget *now)
{
    if (target_)
        target_->removeEventFilter(this);
    target_ = nullptr;
    hide();
    // Menus show their own current item; a window itself needs no frame.
    if (!now || now->isWindow() || qobject_cast<QMenu *>(now) || qobject_cast<QMenuBar *>(now) ||
        !now->parentWidget())
        return;
    target_ = now;
    target_->installEventFilter(this);
    // Destroyed along with the window the control is in, it is made anew.
    setParent(now->parentWidget());
    place();
}

void FocusMark::place()
{
    if (!target_ || !target_->isVisible()) {
        hide();
        return;
    }
    // Kept within the parent, so it never reaches outside what holds the control.
    const QRect around =
        target_->geometry().adjusted(-kOutset, -kOutset, kOutset, kOutset) & parentWidget()->rect();
    setGeometry(around);
    raise();
    show();
    update();
}

bool FocusMark::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == target_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ZOrderChange:
            place();
            break;
        case QEvent::ParentChange:
            follow(target_);
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void FocusMark::paintEvent(QPaintEvent *)
{
    if (!target_)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // The control's own rectangle in this widget, and the two lines around it.
    const QRect control(target_->mapTo(parentWidget(), QPoint(0, 0)) - pos(), target_->size());
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::white, 1));
    painter.drawRect(control.adjusted(-3, -3, 2, 2));
    painter.setPen(QPen(QColor(0x0a, 0x1e, 0x5a), 2));
    painter.drawRect(control.adjusted(-1, -1, 0, 0));
}
