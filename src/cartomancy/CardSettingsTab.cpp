#include "CardSettingsTab.h"

#include "CardControls.h"
#include "modLearnCartomancySettings.h"
#include "modLearnCartomancyStartup.h"
#include "toolkit/AppInfo.h"
#include "toolkit/Controls.h"
#include "toolkit/ModuleHost.h"
#include "toolkit/MsgBox.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <functional>

using namespace CardControls;

CardSettingsTab::CardSettingsTab(ModuleWindow &owner, const Settings::Store &settings, QWidget *parent)
    : QWidget(parent), owner_(owner), settings_(settings)
{
    setObjectName(QStringLiteral("tabSettings"));
    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(10, 8, 10, 8);
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(6);

    // Objectives.
    auto *Frame4 = new QGroupBox(QStringLiteral("Select Objectives"), this);
    Frame4->setObjectName(QStringLiteral("Frame4"));
    auto *objectives = new QVBoxLayout(Frame4);
    objectives->setSpacing(4);
    auto *headings = new QHBoxLayout;
    // The access keys differ between the two columns of suits, which share their names.
    static const char *const suits[2][4] = {{"C&lubs", "Diam&ond", "S&pades", "Hea&rts"},
                                            {"Clu&bs", "D&iamond", "&Spades", "H&earts"}};
    for (int half = 0; half < 2; ++half) {
        auto *column = new QVBoxLayout;
        column->setSpacing(2);
        auto *heading = new QCheckBox(
            half == 0 ? QStringLiteral("F&ace Cards") : QStringLiteral("Number &Cards"), Frame4);
        heading->setObjectName(half == 0 ? QStringLiteral("chkMajor") : QStringLiteral("chkMinor"));
        heading->setChecked(true);
        SetBold(heading);
        (half == 0 ? chkMajor : chkMinor) = heading;
        column->addWidget(heading);
        for (int s = 0; s < 4; ++s) {
            const int i = half * 4 + s;
            auto *box = new QCheckBox(QString::fromLatin1(suits[half][s]), Frame4);
            box->setObjectName(Controls::Indexed("chkGroup", i));
            box->setChecked(true);
            chkGroup[size_t(i)] = box;
            auto *indent = new QHBoxLayout;
            indent->addSpacing(22);
            indent->addWidget(box);
            column->addLayout(indent);
            connect(box, &QCheckBox::clicked, this, [this, i] { chkGroup_Click(i); });
        }
        headings->addLayout(column);
    }
    headings->addStretch(1);
    objectives->addLayout(headings);
    objectives->addWidget(Label(QStringLiteral("Here you can select the cards you want to practice / memorize. "
                                               "You can change these whenever you want or when you have cleared "
                                               "one objective."),
                                Frame4));
    objectives->addWidget(Label(QStringLiteral("Since the keywords for both upright & reversed are the same, "
                                               "during keyword test, reversed or upright will not be taken into "
                                               "account. Also during the memorizing process everything - upright, "
                                               "reversed & keywords - are shown in one screen."),
                                Frame4));
    objectives->addStretch(1);
    cmdSetOption = Button(QStringLiteral("cmdSetOption"), QStringLiteral("Memori&ze Meaning / Keywords"), Frame4);
    objectives->addWidget(cmdSetOption);
    connect(chkMajor, &QCheckBox::clicked, this, [this] { chkMajor_Click(); });
    connect(chkMinor, &QCheckBox::clicked, this, [this] { chkMinor_Click(); });
    connect(cmdSetOption, &QPushButton::clicked, this, [this] { Q_EMIT memorizeClicked(); });

    // Test level and test type.
    auto *level = new QGroupBox(QStringLiteral("Test Level"), this);
    level->setObjectName(QStringLiteral("fraTestLevel"));
    auto *levelLayout = new QVBoxLayout(level);
    levelLayout->setSpacing(3);
    auto *levelGroup = new QButtonGroup(level);
    static const char *const levels[] = {"Be&ginner", "I&ntermediate", "Ad&vanced"};
    for (int i = 0; i < 3; ++i) {
        auto *option = new QRadioButton(QString::fromLatin1(levels[i]), level);
        option->setObjectName(Controls::Indexed("optDifficulty", i));
        levelGroup->addButton(option, i);
        optDifficulty[size_t(i)] = option;
        levelLayout->addWidget(option);
    }
    optDifficulty[0]->setChecked(true);
    levelLayout->addWidget(Label(QStringLiteral("This option applies only when taking the test.\n"
                                                "Here you can choose the level of difficulty while taking a "
                                                "test. The difficulty increases with each level."),
                                 level));

    auto *type = new QGroupBox(QStringLiteral("Test Type"), this);
    type->setObjectName(QStringLiteral("fraTestType"));
    auto *typeLayout = new QVBoxLayout(type);
    typeLayout->setSpacing(3);
    auto *typeGroup = new QButtonGroup(type);
    static const char *const types[] = {"Descrip&tion", "&Keywords"};
    for (int i = 0; i < 2; ++i) {
        auto *option = new QRadioButton(QString::fromLatin1(types[i]), type);
        option->setObjectName(Controls::Indexed("optTestType", i));
        typeGroup->addButton(option, i);
        optTestType[size_t(i)] = option;
        typeLayout->addWidget(option);
    }
    optTestType[1]->setChecked(true);
    typeLayout->addWidget(Label(QStringLiteral("This option applies only when taking the test.\n"
                                               "You can choose to take the test based on keywords or "
                                               "descriptions. It is important to remember that when doing an "
                                               "actual reading, the meaning of the card changes  depending upon "
                                               "the question asked. So knowing the keywords related to a "
                                               "particular card is more important."),
                                type));
    cmdStartTest2 = Button(QStringLiteral("cmdStartTest2"), QStringLiteral("Test &Me"), this);
    connect(cmdStartTest2, &QPushButton::clicked, this, [this] { Q_EMIT testClicked(); });

    // Start-up options.
    auto *fraSystemTray = new QGroupBox(QStringLiteral("Run on Windows Start-Up"), this);
    fraSystemTray->setObjectName(QStringLiteral("fraSystemTray"));
    auto *trayLayout = new QVBoxLayout(fraSystemTray);
    trayLayout->setSpacing(3);
    optRun = new QRadioButton(QStringLiteral("Run at start-&up"), fraSystemTray);
    optRun->setObjectName(QStringLiteral("optRun"));
    chkSysTray = new QCheckBox(QStringLiteral("Start at s&ystem tray"), fraSystemTray);
    chkSysTray->setObjectName(QStringLiteral("chkSysTray"));
    chkSysTray->setEnabled(false);
    optDontRun = new QRadioButton(QStringLiteral("&Don't run at start-up"), fraSystemTray);
    optDontRun->setObjectName(QStringLiteral("optDontRun"));
    optDontRun->setChecked(true);
    trayLayout->addWidget(optRun);
    auto *indent = new QHBoxLayout;
    indent->addSpacing(22);
    indent->addWidget(chkSysTray);
    trayLayout->addLayout(indent);
    trayLayout->addWidget(optDontRun);
    trayLayout->addWidget(Label(QStringLiteral("This is a very important setting. Remember that if you want to get "
                                               "the most benefit from this program then you must have it running "
                                               "at all times.\nIt is also important that you keep your goals in "
                                               "mind, hence starting in system tray will be a deterrent to those "
                                               "goals."),
                                fraSystemTray));
    trayLayout->addStretch(1);
    connect(optRun, &QRadioButton::clicked, this, [this] { optRun_Click(); });
    connect(optDontRun, &QRadioButton::clicked, this, [this] { optDontRun_Click(); });
    connect(chkSysTray, &QCheckBox::clicked, this, [this] { chkSysTray_Click(); });

    cmdSaveSettings = Button(QStringLiteral("cmdSaveSettings"), QStringLiteral("Save Current Settings As Default"), this);
    connect(cmdSaveSettings, &QPushButton::clicked, this, [this] { cmdSaveSettings_Click(); });

    auto *middle = new QVBoxLayout;
    middle->addWidget(level);
    middle->addWidget(type);
    middle->addStretch(1);
    auto *testButton = new QHBoxLayout;
    testButton->addStretch(1);
    testButton->addWidget(cmdStartTest2);
    middle->addLayout(testButton);
    auto *right = new QVBoxLayout;
    right->addWidget(fraSystemTray);
    right->addStretch(1);
    right->addWidget(cmdSaveSettings);

    grid->addWidget(Frame4, 0, 0);
    grid->addLayout(middle, 0, 1);
    grid->addLayout(right, 0, 2);
    grid->setColumnStretch(0, 10);
    grid->setColumnStretch(1, 11);
    grid->setColumnStretch(2, 10);

    QWidget::setTabOrder(chkMajor, chkGroup[0]);
    for (int i = 0; i < 3; ++i)
        QWidget::setTabOrder(chkGroup[size_t(i)], chkGroup[size_t(i + 1)]);
    QWidget::setTabOrder(chkGroup[3], chkMinor);
    QWidget::setTabOrder(chkMinor, chkGroup[4]);
    for (int i = 4; i < 7; ++i)
        QWidget::setTabOrder(chkGroup[size_t(i)], chkGroup[size_t(i + 1)]);
    QWidget::setTabOrder(chkGroup[7], cmdSetOption);
    QWidget::setTabOrder(cmdSetOption, optDifficulty[0]);
    QWidget::setTabOrder(optDifficulty[0], optTestType[0]);
    QWidget::setTabOrder(optTestType[0], cmdStartTest2);
    QWidget::setTabOrder(cmdStartTest2, optRun);
    QWidget::setTabOrder(optRun, chkSysTray);
    QWidget::setTabOrder(chkSysTray, optDontRun);
    QWidget::setTabOrder(optDontRun, cmdSaveSettings);
}

void CardSettingsTab::Load()
{
    LoadObjectiveSettings();
    if (IsRunAtStartup(owner_.Locations().AutostartFolder(), AppInfo::ApplicationName())) {
        optRun->setChecked(true);
        optRun_Click();
        const bool tray = CartomancySettings::ReadRunAtSysTray(settings_);
        if (chkSysTray->isChecked() != tray) {
            chkSysTray->setChecked(tray);
            chkSysTray_Click();
        }
    } else {
        optDontRun->setChecked(true);
        optDontRun_Click();
    }
}

// ---------------------------------------------------------------- objectives

void CardSettingsTab::LoadObjectiveSettings()
{
    using namespace CartomancySettings;
    const auto load = [this](const QString &key, QCheckBox *box, const std::function<void()> &click) {
        const int state = ReadBoxState(settings_, key);
        if (state >= 0 && (state == 1) != box->isChecked()) {
            box->setChecked(state == 1);
            click();
        }
    };
    load(Key::MajorArcana, chkMajor, [this] { chkMajor_Click(); });
    load(Key::MinorArcana, chkMinor, [this] { chkMinor_Click(); });
    const QString suitKeys[] = {Key::Cups, Key::Wands, Key::Pentacles, Key::Swords};
    for (int i = 0; i < 4; ++i)
        load(suitKeys[i], chkGroup[size_t(i)], [this, i] { chkGroup_Click(i); });
    const int type = ReadOptionIndex(settings_, Key::TestType, QStringLiteral("1"), 2);
    if (type >= 0)
        optTestType[size_t(type)]->setChecked(true);
    const int difficulty = ReadOptionIndex(settings_, Key::Difficulty, QStringLiteral("0"), 3);
    if (difficulty >= 0)
        optDifficulty[size_t(difficulty)]->setChecked(true);
}

void CardSettingsTab::chkMajor_Click()
{
    Q_EMIT cardKindsChanged(chkMajor->isChecked() || chkMinor->isChecked());
    for (int i = 0; i < 4; ++i)
        chkGroup[size_t(i)]->setEnabled(chkMajor->isChecked());
}

void CardSettingsTab::chkMinor_Click()
{
    Q_EMIT cardKindsChanged(chkMajor->isChecked() || chkMinor->isChecked());
    for (int i = 4; i < 8; ++i)
        chkGroup[size_t(i)]->setEnabled(chkMinor->isChecked());
}

void CardSettingsTab::chkGroup_Click(int index)
{
    // The last checked suit under "Face Cards" cannot be cleared.
    for (int i = 0; i < 4; ++i)
        if (chkGroup[size_t(i)]->isChecked())
            return;
    chkGroup[size_t(index)]->setChecked(true);
}

std::vector<int> CardSettingsTab::SelectedGroups() const
{
    // With "Number Cards" alone checked and all its suits cleared there is no card to ask for.
    if (!chkMajor->isChecked() && !chkMinor->isChecked())
        return {};
    std::vector<int> groups;
    for (int i = 0; i < 8; ++i)
        if (chkGroup[size_t(i)]->isChecked() && chkGroup[size_t(i)]->isEnabledTo(chkGroup[size_t(i)]->window()))
            groups.push_back(i);
    return groups;
}

CardTestType CardSettingsTab::ChosenTestType() const
{
    return optTestType[0]->isChecked() ? CardTestType::Description : CardTestType::Keywords;
}

CardTestLevel CardSettingsTab::ChosenTestLevel() const
{
    if (optDifficulty[0]->isChecked())
        return CardTestLevel::Beginner;
    if (optDifficulty[1]->isChecked())
        return CardTestLevel::Intermediate;
    return CardTestLevel::Advanced;
}

bool CardSettingsTab::StartsInSystemTray() const { return chkSysTray->isChecked(); }

// ---------------------------------------------------------------- start-up and defaults

void CardSettingsTab::optRun_Click()
{
    const StartupChange change = SetRunAtStartup(owner_.Locations().AutostartFolder(), AppInfo::ApplicationName(),
                                                 QCoreApplication::applicationFilePath(), true);
    if (!change.ok)
        ShowMessage(&owner_, change.message, QMessageBox::NoIcon);
    chkSysTray->setEnabled(true);
}

void CardSettingsTab::optDontRun_Click()
{
    const StartupChange change = SetRunAtStartup(owner_.Locations().AutostartFolder(), AppInfo::ApplicationName(),
                                                 QCoreApplication::applicationFilePath(), false);
    if (!change.ok)
        ShowMessage(&owner_, change.message, QMessageBox::NoIcon);
    chkSysTray->setEnabled(false);
    if (chkSysTray->isChecked()) {
        chkSysTray->setChecked(false);
        chkSysTray_Click();
    }
}

void CardSettingsTab::chkSysTray_Click()
{
    if (!CartomancySettings::SaveRunAtSysTray(settings_, chkSysTray->isChecked()))
        ShowMessage(&owner_, QStringLiteral("The setting could not be saved."), QMessageBox::Critical);
}

void CardSettingsTab::cmdSaveSettings_Click()
{
    CartomancySettings::Defaults defaults;
    defaults.faceCards = chkMajor->isChecked();
    defaults.numberCards = chkMinor->isChecked();
    for (int i = 0; i < 4; ++i)
        defaults.faceSuits[i] = chkGroup[size_t(i)]->isChecked();
    defaults.testType = optTestType[0]->isChecked() ? 0 : 1;
    defaults.difficulty = optDifficulty[0]->isChecked() ? 0 : optDifficulty[1]->isChecked() ? 1 : 2;
    defaults.runAtSysTray = chkSysTray->isChecked();
    if (!CartomancySettings::SaveDefaults(settings_, defaults))
        ShowMessage(&owner_, QStringLiteral("The settings could not be saved."), QMessageBox::Critical);
}
