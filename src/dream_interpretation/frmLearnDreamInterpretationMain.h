#pragma once

#include "modDreamInterpretation.h"
#include "toolkit/ModuleHost.h"
#include "toolkit/ReportView.h"

#include <array>
#include <memory>

namespace Progress { class Recorder; }
class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QKeyEvent;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class ReportView;

// The Learn Dream Interpretation window: seven screens stacked in one place
// (start, test options, learn entry, letter selection, the two question
// screens and the results). The work behind them is DreamSession's; this
// class shows its results and passes the user's choices on.
class frmLearnDreamInterpretationMain : public ModuleWindow {
    Q_OBJECT
public:
    // Finished tests go to `recorder`.
    frmLearnDreamInterpretationMain(ModuleHost &host, std::shared_ptr<Progress::Recorder> recorder,
                                    QWidget *parent = nullptr);

    // The state behind the screens (tests look at it).
    const DreamSession &Session() const { return session_; }
    // What "&Print Test Results" does, on the given printer (through the
    // print dialog when none is given).
    Printing::Outcome PrintTo(QPrinter *printer);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    enum Screen { Start = 0, TestOptions, Learn, Letters, KeywordQuestion, Results, DescQuestion };

    // One question screen: the five options, each a radio button with a
    // word-wrapping label beside it, so long interpretations fit.
    struct QuestionScreen {
        QLabel *instruction = nullptr;
        QLabel *subject = nullptr;
        std::array<QRadioButton *, 5> option{};
        std::array<QLabel *, 5> optionText{};
        std::array<QWidget *, 5> row{};
        QButtonGroup *group = nullptr;
        QLabel *progress = nullptr;
        QPushButton *next = nullptr;
    };

    QGroupBox *newFrame(Screen screen, const QString &title);
    QWidget *buildStartFrame();
    QWidget *buildTestOptionsFrame();
    QWidget *buildLearnFrame();
    QWidget *buildLetterFrame();
    QWidget *buildQuestionFrame(Screen screen, QuestionScreen &parts, const QString &title,
                                const char *choiceName, const char *subjectName,
                                const char *progressName, const char *nextName,
                                int instructionIndex);
    QWidget *buildResultFrame();

    void showScreen(Screen screen, QWidget *focus);
    void clearChoices();
    void clearLetterBoxes();
    QuestionScreen &activeQuestionScreen();

    void cmdNext_Click();
    void cmdNext2_Click();
    void cmdBack2_Click();
    void chkForAll_Click(bool ticked);
    void cmdBack3_Click();
    void cmdNext3_Click();
    void ShowLearnEntry();
    void cmdNextLearn_Click();
    void cmdBackLearn_Click();
    void cmdBackToMain_Click();
    void AskQuestion();
    void cmdNextQuestion_Click();
    void BuildDreamReport();
    void cmdPrint_Click();
    void cmdGoToMain_Click();
    // Tells the user, once per window, that the symbol database cannot be
    // read; true when it did so now.
    bool reportUnreadableDatabase();

    std::shared_ptr<Progress::Recorder> recorder_;
    DreamSession session_;
    bool databaseProblemShown_ = false;

    QStackedWidget *stack_ = nullptr;
    std::array<QGroupBox *, 7> fraOption{};

    std::array<QRadioButton *, 2> optMain{};
    std::array<QRadioButton *, 2> optOption{};
    QButtonGroup *mainGroup_ = nullptr;
    QButtonGroup *optionGroup_ = nullptr;
    QPushButton *cmdNext = nullptr;
    QPushButton *cmdNext2 = nullptr;

    QLabel *lblLetterInstruction = nullptr; // lblCaption(5)
    std::array<QCheckBox *, 26> chkSubject{};
    QCheckBox *chkForAll = nullptr;

    std::array<QLabel *, 3> lblLearnSubject{};
    QPushButton *cmdNextLearn = nullptr;

    QuestionScreen byKeyword_;
    QuestionScreen byDesc_;

    QLabel *lblScore_ = nullptr;
    ReportView *RTBTestResult = nullptr;
    ReportView *RTB1 = nullptr;
    QPushButton *cmdGoToMain = nullptr;
    QPushButton *cmdReviewMissed = nullptr;

};
