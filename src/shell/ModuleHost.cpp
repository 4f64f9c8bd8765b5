#include "ModuleHost.h"

#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScrollArea>

namespace {
ModuleHost *&currentHost()
{
    static ModuleHost *host = nullptr;
    return host;
}
} // namespace

ModuleHost *ModuleHost::Current() { return currentHost(); }
void ModuleHost::SetCurrent(ModuleHost *host) { currentHost() = host; }

ModuleWindow::ModuleWindow(const QString &className, QWidget *parent) : QMainWindow(parent)
{
    setObjectName(className);
    setAttribute(Qt::WA_DeleteOnClose);
    if (ModuleHost *host = ModuleHost::Current())
        host->TrackModuleWindow(this);
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
    // them (less the menu bar), and the window may shrink below it.
    const int menuHeight = menuWidget() ? menuWidget()->sizeHint().height() : 0;
    const QSize minimum(minimumWidth(), qMax(0, minimumHeight() - menuHeight));
    contents = takeCentralWidget();
    contents->setMinimumSize(contents->minimumSize().expandedTo(minimum));
    setMinimumSize(0, 0);
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("ModuleScrollArea"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(contents);
    setCentralWidget(scroll);
}

void ModuleWindow::closeEvent(QCloseEvent *event)
{
    QMainWindow::closeEvent(event);
    if (!event->isAccepted() || closing_)
        return;
    closing_ = true;
    OnClosing();
    if (ModuleHost *host = ModuleHost::Current())
        host->ShowStartPanel(ResetsStartPanelHeight());
    // A close of the window alone must not leave an empty frame behind.
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->deleteLater();
}
