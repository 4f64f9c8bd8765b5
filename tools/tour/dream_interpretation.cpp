// Learn Dream Interpretation: every screen, from the start screen through
// learn mode and both tests to the results.
#include "Tour.h"

#include "toolkit/DataLocations.h"
#include "shell/frmMDI.h"
#include "toolkit/modRandom.h"

#include <QAbstractButton>
#include <QFileInfo>

namespace {
void walk(frmMDI &mdi)
{
    Random::Seed(4);
    Tour::SelectModule(mdi, 4);
    Tour::Shot(&mdi, QStringLiteral("dream-start"));
    QWidget *dream = Tour::Find<QWidget>(&mdi, QStringLiteral("frmLearnDreamInterpretationMain"));
    if (!dream)
        return;
    const auto click = [&](const QString &name) {
        if (auto *button = Tour::Find<QAbstractButton>(dream, name))
            button->click();
    };
    const auto tick = [&](const QString &letters) {
        for (const QChar c : letters)
            click(QStringLiteral("chkSubject(%1)").arg(c.unicode() - u'A'));
    };
    const auto answerAll = [&](const QString &suffix) {
        auto *next = Tour::Find<QWidget>(dream, QStringLiteral("cmdNextQuestion") + suffix);
        for (int i = 0; next && next->isVisible() && i < 30; ++i) {
            click(QStringLiteral("optChoice%1(%2)").arg(suffix).arg(i % 5));
            click(QStringLiteral("cmdNextQuestion") + suffix);
        }
    };

    click(QStringLiteral("optMain(0)"));
    click(QStringLiteral("cmdNext"));
    tick(QStringLiteral("BS"));
    Tour::Shot(&mdi, QStringLiteral("dream-letters"));
    click(QStringLiteral("cmdNext3"));
    for (int i = 0; i < 6; ++i)
        click(QStringLiteral("cmdNextLearn"));
    Tour::Shot(&mdi, QStringLiteral("dream-learn"));
    click(QStringLiteral("cmdBackToMain"));

    click(QStringLiteral("optMain(1)"));
    click(QStringLiteral("cmdNext"));
    click(QStringLiteral("optOption(0)"));
    Tour::Shot(&mdi, QStringLiteral("dream-test-options"));
    click(QStringLiteral("cmdNext2"));
    click(QStringLiteral("chkForAll"));
    Tour::Shot(&mdi, QStringLiteral("dream-letters-all"));
    click(QStringLiteral("chkForAll"));
    tick(QStringLiteral("AQ"));
    click(QStringLiteral("cmdNext3"));
    click(QStringLiteral("optChoiceForKeyword(2)"));
    Tour::Shot(&mdi, QStringLiteral("dream-question-keyword"));
    answerAll(QStringLiteral("ForKeyword"));
    Tour::Shot(&mdi, QStringLiteral("dream-results"));
    Tour::ShotReview(dream, QStringLiteral("dream-review-keyword"));
    click(QStringLiteral("cmdGoToMain"));

    click(QStringLiteral("optMain(1)"));
    click(QStringLiteral("cmdNext"));
    click(QStringLiteral("optOption(1)"));
    click(QStringLiteral("cmdNext2"));
    tick(QStringLiteral("X"));
    click(QStringLiteral("cmdNext3"));
    Tour::Shot(&mdi, QStringLiteral("dream-question-interpretation"));
    answerAll(QStringLiteral("ForDesc"));
    Tour::Shot(&mdi, QStringLiteral("dream-results-interpretation"));
    Tour::ShotReview(dream, QStringLiteral("dream-review-interpretation"));
}
const Tour::Walk registered(4, walk);
} // namespace
