#include "ModuleHost.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScrollArea>
#include <QScrollBar>

namespace {
// A scroll area that gives its contents all the room it has, but never less
// than their minimum size; only then do scroll bars appear. (A resizable
// QScrollArea would ask wrapped texts for their preferred height instead and
// scroll where the contents fit.)
class ContentsScroller : public QScrollArea {
public:
    explicit ContentsScroller(QWidget *parent) : QScrollArea(parent)
    {
        setObjectName(QStringLiteral("ModuleScrollArea"));
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(false);
    }

    void fit()
    {
        QWidget *contents = widget();
        if (!contents)
            return;
        // The minimum the window was given is what its contents were laid out
        // for; without one, what their layout asks for. (Wrapped texts ask for
        // the height they would take at their narrowest, far more than needed.)
        const QSize least = contents->minimumSize().isEmpty() ? contents->minimumSizeHint()
                                                              : contents->minimumSize();
        QSize room = maximumViewportSize();
        // A scroll bar in one direction takes room from the other.
        const int barWidth = verticalScrollBar()->sizeHint().width();
        const int barHeight = horizontalScrollBar()->sizeHint().height();
        bool vertical = least.height() > room.height();
        const bool horizontal = least.width() > room.width() - (vertical ? barWidth : 0);
        vertical = vertical || (horizontal && least.height() > room.height() - barHeight);
        if (vertical)
            room.rwidth() -= barWidth;
        if (horizontal)
            room.rheight() -= barHeight;
        contents->resize(room.expandedTo(least));
    }

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QScrollArea::resizeEvent(event);
        fit();
    }
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The contents' minimum may change when they show another page.
        if (watched == widget() && event->type() == QEvent::LayoutRequest)
            fit();
        return QScrollArea::eventFilter(watched, event);
    }
};
} // namespace

ModuleWindow::ModuleWindow(const QString &className, ModuleHost &host, QWidget *parent)
    : QMainWindow(parent), host_(host)
{
    setObjectName(className);
    setAttribute(Qt::WA_DeleteOnClose);
    host_.TrackModuleWindow(this);
}

void ModuleWindow::CloseModule()
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->close();
    else
        close();
}

void ModuleWindow::SetModuleVisible(bool visible)
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->setVisible(visible);
    setVisible(visible);
}

void ModuleWindow::ScrollContents()
{
    QWidget *contents = centralWidget();
    if (!contents || contents->objectName() == QLatin1String("ModuleScrollArea"))
        return;
    // The window's own minimum size was chosen for its contents: it moves to
    // them, less what the menu bar and the window's margins take, and the
    // window may shrink below it.
    layout()->activate();
    QSize chrome = size() - contents->size();
    if (contents->width() <= 0 || contents->height() <= 0 || !chrome.isValid())
        chrome = QSize(0, menuWidget() ? menuWidget()->sizeHint().height() : 0);
    const QSize minimum = (minimumSize() - chrome).expandedTo(QSize(0, 0));
    contents = takeCentralWidget();
    contents->setMinimumSize(contents->minimumSize().expandedTo(minimum));
    setMinimumSize(0, 0);
    auto *scroll = new ContentsScroller(this);
    scroll->setWidget(contents);
    setCentralWidget(scroll);
    scroll->fit();
}

void ModuleWindow::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    if (!event->isAccepted() || closing_)
        return;
    closing_ = true;
    OnClosing();
    host_.ShowStartPanel();
    // A close of the window alone must not leave an empty frame behind.
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->deleteLater();
}
