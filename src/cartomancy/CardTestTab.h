#pragma once

#include "modCardTest.h"

#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class ModuleWindow;
class QButtonGroup;
class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;

// The "Take Test" tab: one question per selected card, a meaning chosen among
// others (description test) or the card's keywords ticked among others
// (keyword test), then "Next Question". The questions come from
// CardQuizSource over a connection the tab opens for each test.
class CardTestTab : public QWidget {
    Q_OBJECT
public:
    // `owner` is the window whose temporary folder the pictures pass through
    // and over which the tab's messages show.
    explicit CardTestTab(ModuleWindow &owner, QWidget *parent = nullptr);

    // Sets up a test on the cards of the groups (0 to 7), read once from the
    // database file when it starts: the answer panel of its type, empty
    // counters and the questions drawn. ShowNext then shows the first.
    void Start(const QString &databasePath, const std::vector<int> &groups, CardTestType type,
               CardTestLevel level);
    // Shows the current question, or ends the test when none is left.
    void ShowNext();
    // The keyboard to the question picture, as coming to the tab does.
    void FocusPicture();

    // The test running or last finished; null before the first.
    const Quiz::Session *Session() const { return test_ ? &*test_ : nullptr; }
    CardTestType Type() const { return testType_; }

Q_SIGNALS:
    // A question is set up; the window brings the tab to the front.
    void questionShown();
    // Every question is answered (at once for a selection without cards).
    void finished();

private:
    void cmdNextQuestion_Click();
    // The positions the learner chose: the option's, or the ticked boxes in order.
    std::vector<int> chosenPositions() const;
    void showQuestion();
    void AskDescriptionQuestion(const Quiz::Question &question);
    void AskKeywordQuestion(const Quiz::Question &question);
    void ShowQuestionPicture(const QByteArray &picture);
    void optAnswer_Click();
    void chkKeywords_Click(int index);
    void finishTest();

    ModuleWindow &owner_;
    std::optional<Quiz::Session> test_; // the test running or last finished
    CardTestType testType_ = CardTestType::Keywords;
    int testOptionLow_ = 0; // the first answer slot of the test's level
    int keywordBoxCount_ = 0;
    int keywordsToChoose_ = 0;

    QLabel *lblCardName = nullptr;
    QLabel *lblQCount = nullptr;
    QLabel *lblIsReversed = nullptr;
    QLabel *picResult = nullptr;
    QPushButton *cmdNextQuestion = nullptr;
    QStackedWidget *answerPanels_ = nullptr;
    QWidget *picDescContainer = nullptr;
    QWidget *picKeywodContainer = nullptr;
    std::array<QRadioButton *, AnswerSlotCount> optAnswer{};
    std::array<QFrame *, AnswerSlotCount> Shape1{};
    QButtonGroup *answerGroup_ = nullptr;
    std::array<QCheckBox *, KeywordBoxTotal> chkKeywords{};
    QLabel *lblMaxKeyword = nullptr;
};
