// Learn Aromatherapy: options, an oil, a question and a result.
#include "Tour.h"

#include "shell/frmMDI.h"

#include <QAbstractButton>
#include <QComboBox>

namespace {
void walk(frmMDI &mdi)
{
    Tour::SelectModule(mdi, 2);
    Tour::Shot(&mdi, QStringLiteral("aromatherapy-options"));
    if (QWidget *aroma = Tour::Find<QWidget>(&mdi, QStringLiteral("frmLearnAromatherapyMain"))) {
        const auto click = [&](const QString &name) {
            if (auto *button = Tour::Find<QAbstractButton>(aroma, name))
                button->click();
        };
        click(QStringLiteral("cmdNext"));
        for (int i = 0; i < 50; ++i)
            click(QStringLiteral("cmdNextDesc")); // to Wintergreen
        Tour::Shot(&mdi, QStringLiteral("aromatherapy-learn"));
        click(QStringLiteral("cmdBackToMain(0)"));
        click(QStringLiteral("optChoice2"));
        Tour::Find<QComboBox>(aroma, QStringLiteral("cboTest"))->setCurrentIndex(5);
        click(QStringLiteral("cmdNext"));
        Tour::Shot(&mdi, QStringLiteral("aromatherapy-question"));
        for (int i = 0; i < 15; ++i)
            click(QStringLiteral("cmdNextQuestion"));
        Tour::Shot(&mdi, QStringLiteral("aromatherapy-result"));
        Tour::ShotReview(aroma, QStringLiteral("aromatherapy-review"));
    }

}
const Tour::Walk registered(2, walk);
} // namespace
