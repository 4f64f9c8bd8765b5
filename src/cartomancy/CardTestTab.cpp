#include "CardTestTab.h"

#include "CardControls.h"
#include "toolkit/WrappingWidgets.h"
#include "modLearnCartomancyDB.h"
#include "modLearnCartomancyImageDB.h"
#include "toolkit/AnswerKeys.h"
#include "toolkit/Controls.h"
#include "toolkit/Look.h"
#include "toolkit/ModuleHost.h"
#include "toolkit/MsgBox.h"
#include "toolkit/modRandom.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace CardControls;

CardTestTab::CardTestTab(ModuleWindow &owner, QWidget *parent) : QWidget(parent), owner_(owner)
{
    setObjectName(QStringLiteral("tabTest"));
    auto *h = new QHBoxLayout(this);
    h->setContentsMargins(14, 12, 14, 10);
    h->setSpacing(16);
    picResult = PictureBox(QStringLiteral("picResult"), this);
    auto *left = new QVBoxLayout;
    left->addWidget(picResult);
    left->addStretch(1);
    h->addLayout(left);

    auto *v = new QVBoxLayout;
    v->setSpacing(4);
    auto *heading = new QHBoxLayout;
    lblCardName = Label(QString(), this, QStringLiteral("lblCardName"));
    SetBold(lblCardName, 1.5);
    Look::SetTextColour(lblCardName, Look::AccentBrown);
    lblQCount = Label(QString(), this, QStringLiteral("lblQCount"));
    lblQCount->setWordWrap(false);
    lblQCount->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    SetBold(lblQCount);
    lblIsReversed = Label(QStringLiteral("Reversed"), this, QStringLiteral("lblIsReversed"));
    lblIsReversed->hide();
    heading->addWidget(lblCardName, 1);
    heading->addWidget(lblIsReversed);
    heading->addWidget(lblQCount);
    v->addLayout(heading);

    answerPanels_ = new QStackedWidget(this);
    answerPanels_->setObjectName(QStringLiteral("answerPanels"));

    picDescContainer = new QWidget(answerPanels_);
    picDescContainer->setObjectName(QStringLiteral("picDescContainer"));
    auto *desc = new QVBoxLayout(picDescContainer);
    desc->setContentsMargins(0, 4, 4, 4);
    desc->setSpacing(5);
    desc->addWidget(Label(QStringLiteral("Choose one option from the choices given below."), picDescContainer,
                          QStringLiteral("lblChooseOption")));
    answerGroup_ = new QButtonGroup(picDescContainer);
    for (int i = 0; i < AnswerSlotCount; ++i) {
        auto *shape = new QFrame(picDescContainer);
        shape->setObjectName(Controls::Indexed("Shape1", i));
        shape->setFrameShape(QFrame::Box);
        shape->setFrameShadow(QFrame::Plain);
        auto *inner = new QVBoxLayout(shape);
        inner->setContentsMargins(6, 3, 6, 3);
        auto *option = new WrappingRadioButton(shape);
        option->setObjectName(Controls::Indexed("optAnswer", i));
        inner->addWidget(option);
        answerGroup_->addButton(option, i);
        optAnswer[size_t(i)] = option;
        Shape1[size_t(i)] = shape;
        desc->addWidget(shape);
        connect(option, &QRadioButton::clicked, this, [this] { optAnswer_Click(); });
    }
    desc->addStretch(1);

    picKeywodContainer = new QWidget(answerPanels_);
    picKeywodContainer->setObjectName(QStringLiteral("picKeywodContainer"));
    auto *keys = new QVBoxLayout(picKeywodContainer);
    keys->setContentsMargins(0, 4, 4, 4);
    keys->setSpacing(3);
    lblMaxKeyword = Label(QString(), picKeywodContainer, QStringLiteral("lblMaxKeyword"));
    SetBold(lblMaxKeyword);
    keys->addWidget(lblMaxKeyword);
    for (int i = 0; i < KeywordBoxTotal; ++i) {
        auto *box = new QCheckBox(picKeywodContainer);
        box->setObjectName(Controls::Indexed("chkKeywords", i));
        box->setFont(Look::Verdana(9.5));
        chkKeywords[size_t(i)] = box;
        keys->addWidget(box);
        connect(box, &QCheckBox::clicked, this, [this, i] { chkKeywords_Click(i); });
    }
    keys->addStretch(1);

    answerPanels_->addWidget(picDescContainer);
    answerPanels_->addWidget(picKeywodContainer);
    v->addWidget(answerPanels_, 1);

    cmdNextQuestion = Button(QStringLiteral("cmdNextQuestion"), QStringLiteral("&Next Question"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdNextQuestion);
    v->addLayout(buttons);
    h->addLayout(v, 1);
    connect(cmdNextQuestion, &QPushButton::clicked, this, [this] { cmdNextQuestion_Click(); });
    // Number keys choose among the options or keyword boxes on show, whichever panel is in front.
    QList<QAbstractButton *> answers(optAnswer.begin(), optAnswer.end());
    for (QCheckBox *box : chkKeywords)
        answers << box;
    AnswerKeys::Install(this, answers, cmdNextQuestion);
}

void CardTestTab::Start(const QString &databasePath, const std::vector<int> &groups, CardTestType type,
                        CardTestLevel level)
{
    answerPanels_->setCurrentWidget(type == CardTestType::Description ? picDescContainer : picKeywodContainer);
    lblQCount->clear();
    lblIsReversed->clear();
    Random::SeedFromClock();
    // The test reads the selection once, then keywords and pictures over its
    // own connection as the questions need them.
    CardDatabase selection;
    OpenCardDatabase(selection, databasePath);
    selection.CardSet = OpenCardRecordset(selection, BuildCardQuery(groups));
    test_ = StartCardTest(selection.CardConnection, ReadCardFaces(selection.CardSet), type, level);
    testType_ = type;
    testOptionLow_ = RuleForLevel(level).optionLow;
}

void CardTestTab::ShowNext()
{
    if (!test_)
        return;
    if (test_->Finished())
        finishTest();
    else
        showQuestion();
}

void CardTestTab::FocusPicture() { picResult->setFocus(); }

std::vector<int> CardTestTab::chosenPositions() const
{
    std::vector<int> chosen;
    if (testType_ == CardTestType::Description) {
        if (const int slot = answerGroup_->checkedId(); slot >= 0)
            chosen.push_back(slot - testOptionLow_);
        return chosen;
    }
    for (int i = 0; i < keywordBoxCount_; ++i)
        if (chkKeywords[size_t(i)]->isChecked())
            chosen.push_back(i);
    return chosen;
}

void CardTestTab::cmdNextQuestion_Click()
{
    if (!test_ || test_->Finished())
        return;
    cmdNextQuestion->setEnabled(false);
    if (test_->Answer(chosenPositions()))
        finishTest();
    else
        showQuestion();
}

void CardTestTab::showQuestion()
{
    cmdNextQuestion->setEnabled(false);
    const Quiz::Question &question = test_->CurrentQuestion();
    if (testType_ == CardTestType::Description)
        AskDescriptionQuestion(question);
    else
        AskKeywordQuestion(question);
    Q_EMIT questionShown();
    picResult->setFocus();
    lblQCount->setText(QString::number(question.number + 1) + QStringLiteral(" of ") +
                       QString::number(question.count));
}

void CardTestTab::ShowQuestionPicture(const QByteArray &picture)
{
    LoadPictureBytes(picResult, picture, owner_.Locations().TempFolder());
}

void CardTestTab::AskDescriptionQuestion(const Quiz::Question &question)
{
    lblCardName->setText(question.subject);
    // The level's slots from testOptionLow_; a slot stays hidden when the
    // selection has too few other cards to fill it.
    answerGroup_->setExclusive(false);
    for (int i = 0; i < AnswerSlotCount; ++i) {
        QRadioButton *option = optAnswer[size_t(i)];
        const int position = i - testOptionLow_;
        const bool shown = position >= 0 && position < question.choices.size();
        option->setChecked(false);
        option->setText(shown ? question.choices[position] : QString());
        option->setProperty("tag", shown && question.IsCorrect(position) ? QStringLiteral("True") : QString());
        option->setEnabled(shown);
        option->setVisible(shown);
        Shape1[size_t(i)]->setVisible(shown);
    }
    answerGroup_->setExclusive(true);
    ShowQuestionPicture(test_->ItemSource().Picture(question.item));
    // A card whose meaning cannot be read leaves nothing to choose.
    if (question.ToChoose() == 0)
        cmdNextQuestion->setEnabled(true);
}

void CardTestTab::AskKeywordQuestion(const Quiz::Question &question)
{
    keywordBoxCount_ = int(question.choices.size());
    keywordsToChoose_ = question.ToChoose();
    lblMaxKeyword->setText(KeywordInstruction(keywordsToChoose_));
    for (int i = 0; i < KeywordBoxTotal; ++i) {
        QCheckBox *box = chkKeywords[size_t(i)];
        const bool shown = i < keywordBoxCount_;
        box->setChecked(false);
        box->setText(shown ? PlainCaption(question.choices[i]) : QString());
        box->setProperty("tag", QString());
        box->setEnabled(shown);
        box->setVisible(shown);
    }
    lblCardName->setText(question.subject);
    ShowQuestionPicture(test_->ItemSource().Picture(question.item));
    // A card without keywords leaves nothing to tick.
    if (keywordsToChoose_ == 0)
        cmdNextQuestion->setEnabled(true);
}

void CardTestTab::optAnswer_Click()
{
    cmdNextQuestion->setEnabled(true);
    cmdNextQuestion->setFocus();
}

void CardTestTab::chkKeywords_Click(int index)
{
    int ticked = 0;
    for (int i = 0; i < keywordBoxCount_; ++i)
        if (chkKeywords[size_t(i)]->isChecked())
            ++ticked;
    if (ticked == keywordsToChoose_) {
        cmdNextQuestion->setEnabled(true);
        cmdNextQuestion->setFocus();
    } else if (ticked < keywordsToChoose_) {
        cmdNextQuestion->setEnabled(false);
    } else {
        chkKeywords[size_t(index)]->setChecked(false);
        chkKeywords_Click(index);
        ShowMessage(&owner_, TooManyKeywordsMessage(keywordsToChoose_), QMessageBox::Warning);
    }
}

void CardTestTab::finishTest()
{
    lblQCount->clear();
    Q_EMIT finished();
}
