// Practice, after the module walks have finished their tests (the tour reads
// "today" three days on, so their items are due): the list of modules, a
// question answered wrongly and one answered rightly with the marks shown,
// and the end of the practice; then My Progress again, changed by it.
#include "Tour.h"

#include "shell/frmMDI.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QTableWidget>

namespace {

// The first answer on show, chosen, then checked.
bool answerFirst(QDialog *window) {
    for (const QString &kind : {QStringLiteral("optChoice(%1)"), QStringLiteral("chkChoice(%1)")})
        for (int i = 0; i < 10; ++i)
            if (auto *choice = Tour::Find<QAbstractButton>(window, kind.arg(i)); choice && choice->isVisible()) {
                choice->click();
                auto *next = Tour::Find<QAbstractButton>(window, QStringLiteral("cmdNext"));
                if (!next->isEnabled()) // a question with several answers: tick on
                    continue;
                next->click();
                return true;
            }
    return false;
}

void walk(frmMDI &mdi) {
    QDialog *window = Tour::OpenFromMenu(mdi, QStringLiteral("mnuPractice"), QStringLiteral("frmPractice"));
    if (!window)
        return;
    Tour::SaveWindow(window, QStringLiteral("practice-list"));
    // Learn Aromatherapy, whose test the tour took.
    if (auto *modules = Tour::Find<QTableWidget>(window, QStringLiteral("tblModules")))
        modules->setCurrentCell(0, 0);
    Tour::Find<QAbstractButton>(window, QStringLiteral("cmdStart"))->click();
    Tour::Settle();
    Tour::SaveWindow(window, QStringLiteral("practice-question"));
    bool shownWrong = false, shownRight = false;
    auto *feedback = Tour::Find<QLabel>(window, QStringLiteral("lblFeedback"));
    for (int question = 0; question < 40 && !(shownWrong && shownRight); ++question) {
        if (!answerFirst(window))
            break;
        Tour::Settle();
        const bool right = feedback->text().startsWith(QStringLiteral("Right"));
        if (right ? !shownRight : !shownWrong) {
            Tour::SaveWindow(window, right ? QStringLiteral("practice-right") : QStringLiteral("practice-wrong"));
            (right ? shownRight : shownWrong) = true;
        }
        auto *next = Tour::Find<QAbstractButton>(window, QStringLiteral("cmdNext"));
        if (next->text() == QLatin1String("&Finish"))
            break;
        next->click();
    }
    Tour::ShotScreen(QStringLiteral("practice-over-main-window"));
    // The size left on a 1024 x 768 screen, and the smallest the window allows.
    for (const QSize size : {QSize(1000, 700), window->minimumSize()}) {
        window->resize(size);
        Tour::Settle();
        Tour::SaveWindow(window, QStringLiteral("practice-%1x%2").arg(size.width()).arg(size.height()));
    }
    window->resize(780, 580);
    Tour::Find<QAbstractButton>(window, QStringLiteral("cmdEnd"))->click();
    Tour::Settle();
    Tour::SaveWindow(window, QStringLiteral("practice-done"));
    Tour::Find<QAbstractButton>(window, QStringLiteral("cmdBack"))->click();
    Tour::Settle();
    Tour::SaveWindow(window, QStringLiteral("practice-list-after"));
    // A card question, a dream question and a palm question that shows a picture only.
    for (const int row : {1, 2, 3}) {
        Tour::Find<QTableWidget>(window, QStringLiteral("tblModules"))->setCurrentCell(row, 0);
        Tour::Find<QAbstractButton>(window, QStringLiteral("cmdStart"))->click();
        Tour::Settle();
        Tour::SaveWindow(window, QStringLiteral("practice-question-%1").arg(row));
        answerFirst(window);
        Tour::Settle();
        Tour::SaveWindow(window, QStringLiteral("practice-answered-%1").arg(row));
        Tour::Find<QAbstractButton>(window, QStringLiteral("cmdEnd"))->click();
        Tour::Find<QAbstractButton>(window, QStringLiteral("cmdBack"))->click();
    }
    window->close();
    // My Progress with the practice in it.
    if (QDialog *progress =
            Tour::OpenFromMenu(mdi, QStringLiteral("mnuMyProgress"), QStringLiteral("frmMyProgress"))) {
        Tour::SaveWindow(progress, QStringLiteral("progress-after-practice"));
        progress->close();
    }
}
const Tour::Walk registered(7, walk);
} // namespace
