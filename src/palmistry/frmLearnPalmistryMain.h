#pragma once

#include "palmistry/modPalmistryTest.h"
#include "toolkit/ModuleHost.h"
#include "toolkit/ReportView.h"

#include <array>
#include <memory>

namespace Progress { class Recorder; }
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QStackedWidget;
class QTextEdit;
class ReportView;

// The Learn Palmistry window: a start screen and five working screens
// (memorize, choice of test, question, result, goals) stacked in one place as
// the frames fraOption(0..5). The content, the browsing, the quiz and the goal
// files live in the mod* units; this class wires the controls to them.
class frmLearnPalmistryMain : public ModuleWindow {
    Q_OBJECT
public:
    // Finished tests go to `recorder`.
    frmLearnPalmistryMain(ModuleHost &host, std::shared_ptr<Progress::Recorder> recorder,
                          QWidget *parent = nullptr);

    // The quiz this window runs or last finished; none before the first.
    Quiz::Session *Test() { return test_ ? &*test_ : nullptr; }
    // Where the quiz takes its random numbers (by default reseeded from the
    // clock before every draw); tests fix the sequence.
    void UseRandom(Quiz::Uniform uniform) { uniform_ = std::move(uniform); }
    // What "&Print Test Results" does, on the given printer (through the
    // print dialog when none is given).
    Printing::Outcome PrintTo(QPrinter *printer);

private:
    QGroupBox *buildStartFrame();
    QGroupBox *buildMemorizeFrame();
    QGroupBox *buildTestOptionsFrame();
    QGroupBox *buildQuestionFrame();
    QGroupBox *buildResultFrame();
    QGroupBox *buildGoalFrame();
    QGroupBox *makeFrame(int index, const QString &caption);

    void showFrame(int index);
    void ShowEntry();
    void LoadGoals();

    void cmdProceed_Click();
    void cmdNext_Click();
    void cmdBack_Click();
    void cmdBackToMain_Click();
    void cmdTestOptionNext_Click();
    void PresentQuestion();
    void cmdNextQuestion_Click();
    void BuildResult();
    void cmdPrint_Click();
    void cmdStartTest_Click();
    void chkGoal_Click(int goal);
    void cmdGoal_Click(int goal);

    std::optional<Quiz::Session> test_;
    PalmTestKind kind_ = PalmTestKind::Name;
    Quiz::Uniform uniform_ = PalmClockUniform;

    QStackedWidget *stack_ = nullptr;
    std::array<QGroupBox *, 6> fraOption{};

    std::array<QRadioButton *, 3> optOption{};
    QButtonGroup *optionGroup_ = nullptr;
    QPushButton *cmdProceed = nullptr;

    QLabel *picMemorize = nullptr;
    QScrollArea *memorizeScroller_ = nullptr;
    std::array<QLabel *, 3> lblDesc{};
    QPushButton *cmdBack = nullptr;
    QPushButton *cmdNext = nullptr;
    std::array<QPushButton *, 3> cmdBackToMain{};

    std::array<QRadioButton *, 3> optTestOption{};
    QButtonGroup *testOptionGroup_ = nullptr;
    QPushButton *cmdTestOptionNext = nullptr;

    QLabel *lblQuestionNo = nullptr;
    QLabel *picTest = nullptr;
    QLabel *lblName = nullptr;
    std::array<QRadioButton *, PalmAnswerButtons> Option1{};
    std::array<QLabel *, PalmAnswerButtons> answerText_{};
    QButtonGroup *answerGroup_ = nullptr;
    QScrollArea *answerScroller_ = nullptr;
    QPushButton *cmdNextQuestion = nullptr;

    QLabel *lblScore_ = nullptr;
    ReportView *rtbResult_ = nullptr; // "RTB", the result list
    QTextEdit *rtbPrint_ = nullptr;   // "RTB1", where the printout is put together
    QPushButton *cmdPrint = nullptr;
    QPushButton *cmdStartTest = nullptr;
    QPushButton *cmdReviewMissed = nullptr;

    std::array<QCheckBox *, 2> chkGoal{};
    std::array<QPlainTextEdit *, 2> txtGoal{};
    std::array<QPushButton *, 2> cmdGoal{};

    std::shared_ptr<Progress::Recorder> recorder_;
};
