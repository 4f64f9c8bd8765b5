#include "CardGoalsTab.h"

#include "CardControls.h"
#include "modLearnCartomancySettings.h"
#include "toolkit/ModuleHost.h"
#include "toolkit/MsgBox.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace CardControls;

CardGoalsTab::CardGoalsTab(ModuleWindow &owner, QWidget *parent) : QWidget(parent), owner_(owner)
{
    setObjectName(QStringLiteral("tabGoals"));
    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(16, 12, 16, 12);
    v->setSpacing(10);
    v->addWidget(Label(QStringLiteral("It is important to set goals and targets to be able to see and measure "
                                      "your achievements. This seemingly small task will yield tremendous "
                                      "results, when taken seriously. Setting goals will help you keep a clear, "
                                      "focussed and dedicated mindset towards fulfilling your aims in life. "),
                       this, QStringLiteral("lblGoalIntro")));
    auto *columns = new QHBoxLayout;
    columns->setSpacing(16);
    for (int goal = 0; goal < 2; ++goal) {
        const QString number = QString::number(goal + 1);
        auto *column = new QVBoxLayout;
        auto *check = new QCheckBox(QStringLiteral("Goal &") + number, this);
        check->setObjectName(QStringLiteral("chkGoal") + number);
        SetBold(check);
        auto *text = TextBox(QStringLiteral("txtGoal") + number, false, this);
        auto *save = Button(QStringLiteral("cmdSaveGoal") + number,
                            goal == 0 ? QStringLiteral("&Save") : QStringLiteral("Sa&ve"), this);
        chkGoal[size_t(goal)] = check;
        txtGoal[size_t(goal)] = text;
        cmdSaveGoal[size_t(goal)] = save;
        column->addWidget(check);
        column->addWidget(text, 1);
        auto *buttons = new QHBoxLayout;
        buttons->addStretch(1);
        buttons->addWidget(save);
        column->addLayout(buttons);
        columns->addLayout(column, 1);
        connect(check, &QCheckBox::clicked, this, [this, goal] { chkGoal_Click(goal); });
        connect(save, &QPushButton::clicked, this, [this, goal] { cmdSaveGoal_Click(goal); });
    }
    v->addLayout(columns, 1);
    QWidget::setTabOrder(chkGoal[0], txtGoal[0]);
    QWidget::setTabOrder(txtGoal[0], cmdSaveGoal[0]);
    QWidget::setTabOrder(cmdSaveGoal[0], chkGoal[1]);
    QWidget::setTabOrder(chkGoal[1], txtGoal[1]);
    QWidget::setTabOrder(txtGoal[1], cmdSaveGoal[1]);
}

void CardGoalsTab::Load()
{
    for (int goal = 0; goal < 2; ++goal) {
        txtGoal[size_t(goal)]->setEnabled(false);
        cmdSaveGoal[size_t(goal)]->setEnabled(false);
    }
    QStringList failures;
    for (int goal = 0; goal < 2; ++goal) {
        const FileWriter::Result created = CartomancySettings::EnsureGoalFile(owner_.Locations(), goal + 1);
        if (!created)
            failures << QStringLiteral("Goal %1 could not be kept: ").arg(goal + 1) + created.error;
        txtGoal[size_t(goal)]->setPlainText(CartomancySettings::ReadGoalText(owner_.Locations(), goal + 1));
    }
    if (!failures.isEmpty())
        ShowMessage(&owner_, failures.join(QStringLiteral("\r\n")), QMessageBox::Warning);
}

void CardGoalsTab::chkGoal_Click(int goal)
{
    const bool on = chkGoal[size_t(goal)]->isChecked();
    txtGoal[size_t(goal)]->setEnabled(on);
    cmdSaveGoal[size_t(goal)]->setEnabled(on);
    if (on)
        txtGoal[size_t(goal)]->setFocus();
}

void CardGoalsTab::cmdSaveGoal_Click(int goal)
{
    const FileWriter::Result saved =
        CartomancySettings::SaveGoal(owner_.Locations(), goal + 1, txtGoal[size_t(goal)]->toPlainText());
    if (!saved)
        ShowMessage(&owner_, QStringLiteral("Goal %1 could not be saved.\r\n").arg(goal + 1) + saved.error,
                    QMessageBox::Critical);
}
