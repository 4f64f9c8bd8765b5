#pragma once

#include "modAromaTest.h"
#include "toolkit/ModuleHost.h"

#include <array>
#include <memory>

namespace Progress { class Recorder; }
class QButtonGroup;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QStackedWidget;
class QTextEdit;
class QWidget;

// The Learn Aromatherapy window: an options screen, a learn screen that shows
// one oil at a time, a question screen and a result screen, stacked in one
// place. The browsing and test logic lives in modAromaTest; this class owns
// the model that holds the window's state and wires the controls to it.
class frmLearnAromatherapyMain : public ModuleWindow {
    Q_OBJECT
public:
    // Finished tests go to `recorder`.
    frmLearnAromatherapyMain(ModuleHost &host, std::shared_ptr<Progress::Recorder> recorder,
                             QWidget *parent = nullptr);

    // The state behind the screens, for reading.
    const AromaModel &Model() const { return model_; }

private:
    QWidget *buildOptionsFrame();
    QWidget *buildLearnFrame();
    QWidget *buildQuestionFrame();
    QWidget *buildResultFrame();

    // Selects the first entry of each list and stores 0 in the choice and the level.
    void selectFirstEntries();
    void optChoice1_Click();
    void optChoice2_Click();
    void cmdNext_Click();
    void cmdNextDesc_Click();
    void cmdBackDesc_Click();
    void cmdNextQuestion_Click();
    void cmdBackToMain_Click();

    void ShowOil();
    void Test_Aromatherapy();
    void Test_Aromatherapy_Result();

    AromaModel model_;

    QStackedWidget *stack_ = nullptr;
    QWidget *Frame1 = nullptr;
    QWidget *Frame2 = nullptr;
    QWidget *Frame3 = nullptr;
    QWidget *Frame4 = nullptr;

    QRadioButton *optChoice1 = nullptr;
    QRadioButton *optChoice2 = nullptr;
    QComboBox *cboLearn = nullptr;
    QComboBox *cboTest = nullptr;
    QComboBox *cboTestLevel = nullptr;
    QPushButton *cmdNext = nullptr;

    std::array<QLabel *, 7> lblDesc{};
    QPushButton *cmdBackDesc = nullptr;
    QPushButton *cmdNextDesc = nullptr;

    QLabel *lblQuestionNo = nullptr;
    QLabel *lblTestSubject = nullptr;
    std::array<QRadioButton *, 3> optAnswerOption{};
    QButtonGroup *answerGroup_ = nullptr;
    QPushButton *cmdNextQuestion = nullptr;

    QLabel *lblScore_ = nullptr;
    QTextEdit *rtbResult_ = nullptr; // "RTB"
    std::array<QPushButton *, 2> cmdBackToMain{};
    QPushButton *cmdReviewMissed = nullptr;

    std::shared_ptr<Progress::Recorder> recorder_;
};
