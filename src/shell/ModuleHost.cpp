#include "ModuleHost.h"

#include <QCloseEvent>
#include <QMdiSubWindow>

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
