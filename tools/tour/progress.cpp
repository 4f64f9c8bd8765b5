// My Progress, after the module walks have finished their tests: each
// module's page (chart, past tests, most-missed items), at the window's own
// size and at the size of a 1024 x 768 screen.
#include "Tour.h"

#include "shell/frmMDI.h"

#include <QDialog>
#include <QTabWidget>

namespace {
void walk(frmMDI &mdi) {
    QDialog *window = Tour::OpenFromMenu(mdi, QStringLiteral("mnuMyProgress"), QStringLiteral("frmMyProgress"));
    if (!window)
        return;
    auto *pages = Tour::Find<QTabWidget>(window, QStringLiteral("tabModules"));
    for (int page = 0; pages && page < pages->count(); ++page) {
        pages->setCurrentIndex(page);
        Tour::Settle();
        Tour::SaveWindow(window, QStringLiteral("progress-page-%1").arg(page));
    }
    Tour::ShotScreen(QStringLiteral("progress-over-main-window"));
    // The size left on a 1024 x 768 screen, and the smallest the window allows.
    for (const QSize size : {QSize(1000, 700), window->minimumSize()}) {
        window->resize(size);
        Tour::Settle();
        Tour::SaveWindow(window,
                         QStringLiteral("progress-%1x%2").arg(size.width()).arg(size.height()));
    }
    window->close();
}
const Tour::Walk registered(6, walk);
} // namespace
