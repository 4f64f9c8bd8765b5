// Learn Palmistry: the start screen, every entry of the memorize screen, a
// question of each kind of test, a result list and the goals.
#include "Tour.h"

#include "shell/frmMDI.h"

#include <QAbstractButton>
#include <QPlainTextEdit>

namespace {
void walk(frmMDI &mdi)
{
    Tour::SelectModule(mdi, 5);
    Tour::Shot(&mdi, QStringLiteral("palmistry-start"));
    QWidget *palm = Tour::Find<QWidget>(&mdi, QStringLiteral("frmLearnPalmistryMain"));
    if (!palm)
        return;
    const auto click = [&](const QString &name) {
        if (auto *button = Tour::Find<QAbstractButton>(palm, name))
            button->click();
    };

    click(QStringLiteral("optOption(0)"));
    click(QStringLiteral("cmdProceed"));
    Tour::Shot(&mdi, QStringLiteral("palmistry-memorize"));
    // Every entry as the window shows it, the module window alone.
    for (int entry = 0; entry < 23; ++entry) {
        if (entry > 0)
            click(QStringLiteral("cmdNext"));
        Tour::Settle();
        Tour::SaveWindow(palm, QStringLiteral("palmistry-entry-%1").arg(entry, 2, 10, QLatin1Char('0')));
    }
    Tour::Shot(&mdi, QStringLiteral("palmistry-memorize-last"));
    click(QStringLiteral("cmdBackToMain(0)"));

    const QStringList kinds = {QStringLiteral("name"), QStringLiteral("significance"),
                               QStringLiteral("location")};
    for (int kind = 0; kind < 3; ++kind) {
        click(QStringLiteral("optOption(1)"));
        click(QStringLiteral("cmdProceed"));
        click(QStringLiteral("optTestOption(%1)").arg(kind));
        if (kind == 0)
            Tour::Shot(&mdi, QStringLiteral("palmistry-test-options"));
        click(QStringLiteral("cmdTestOptionNext"));
        Tour::Shot(&mdi, QStringLiteral("palmistry-question-") + kinds[kind]);
        for (int question = 0; question < 10; ++question) {
            click(QStringLiteral("Option1(%1)").arg(question % 4));
            click(QStringLiteral("cmdNextQuestion"));
        }
        Tour::Shot(&mdi, QStringLiteral("palmistry-result-") + kinds[kind]);
        if (kind == 1)
            Tour::ShotReview(palm, QStringLiteral("palmistry-review-") + kinds[kind]);
        click(QStringLiteral("cmdStartTest"));
        click(QStringLiteral("cmdBackToMain(2)"));
    }

    click(QStringLiteral("optOption(2)"));
    click(QStringLiteral("cmdProceed"));
    click(QStringLiteral("chkGoal1"));
    if (auto *goal = Tour::Find<QPlainTextEdit>(palm, QStringLiteral("txtGoal1")))
        goal->appendPlainText(QStringLiteral("Read the head line on both hands of three friends."));
    Tour::Shot(&mdi, QStringLiteral("palmistry-goals"));
}
const Tour::Walk registered(5, walk);
} // namespace
