#include "frmLearnYogaDisp.h"

#include "toolkit/ReportView.h"

#include <QMdiSubWindow>

frmLearnYogaDisp::frmLearnYogaDisp(ModuleHost &host, QWidget *parent)
    : ModuleWindow(QStringLiteral("frmLearnYogaDisp"), host, parent)
{
    setWindowTitle(QStringLiteral("Vessa Learn Yoga"));
    RTB_ = new ReportView(QStringLiteral("RTB"), this, QStringLiteral("Verdana"), 9);
    setCentralWidget(RTB_);
}

void frmLearnYogaDisp::SetDisplaySize(const QSize &size)
{
    // The frame in the document area is borderless: it is as large as the window.
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->resize(size);
    else
        resize(size);
}
