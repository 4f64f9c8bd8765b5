#pragma once

#include "PracticePlan.h"
#include "PracticeRun.h"
#include "progress/MemoryOutlook.h"

#include <QDialog>

#include <memory>
#include <optional>
#include <vector>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QPushButton;
class QStackedWidget;
class QTableWidget;
class WrappingRadioButton;
namespace Progress { class Recorder; }

// "Practice": lists, per module with tests, the items due today and the items
// never asked; the learner picks a module and practises its due items (and,
// if wished, up to ten new ones). Each question is asked as the module's test
// asks it, with the same keys (the number of an answer, Enter to go on); after
// each answer the choice is marked right or wrong, the correct one is marked
// and the running score shown. What was answered is recorded when the
// practice ends, or when the window is closed during it.
class frmPractice : public QDialog {
    Q_OBJECT
public:
    frmPractice(std::vector<Quiz::PracticeSubject> subjects, std::shared_ptr<Progress::Recorder> recorder,
                Progress::Clock clock, QWidget *parent = nullptr);
    ~frmPractice() override;

    // Shows the list with `module` chosen (the first one with something to
    // practise when empty or unknown), read afresh.
    Q_INVOKABLE void ShowModule(const QString &module);
    // Starts practising the chosen module, as "Start Practice" does.
    void Start();

Q_SIGNALS:
    // Answers of a practice were handed to the progress record.
    void Recorded();

protected:
    void reject() override;

private:
    QWidget *buildListPage();
    QWidget *buildQuestionPage();
    QWidget *buildDonePage();
    void readPlans();
    void updateStart();
    int chosenRow() const;
    void showQuestion();
    void showScore();
    void choiceChanged(QAbstractButton *changed);
    void next();
    void check();
    void finish();
    // Hands what was answered to the progress record, once; false when it is kept instead.
    bool record(QWidget *messageParent);
    QList<QAbstractButton *> shownChoices() const;

    std::vector<Quiz::PracticeSubject> subjects_;
    std::shared_ptr<Progress::Recorder> recorder_;
    Progress::Clock clock_;
    std::vector<Practice::Plan> plans_;
    std::optional<Practice::Run> run_;
    bool checked_ = false;  // the current question's answer is marked
    bool recorded_ = true;  // nothing answered is waiting to be recorded
    QString practised_;     // the module of the practice under way or last finished

    QStackedWidget *pages_ = nullptr;
    // The list
    QTableWidget *tblModules = nullptr;
    QCheckBox *chkNewItems = nullptr;
    QLabel *lblProblem = nullptr;
    QPushButton *cmdStart = nullptr;
    // A question
    QLabel *lblHeading = nullptr;
    QLabel *lblProgress = nullptr;
    QLabel *lblScore = nullptr;
    QLabel *picSubject = nullptr;
    QLabel *lblSubject = nullptr;
    QLabel *lblInstruction = nullptr;
    std::vector<WrappingRadioButton *> optChoice;
    std::vector<QCheckBox *> chkChoice;
    QLabel *lblFeedback = nullptr;
    QPushButton *cmdNext = nullptr;
    QPushButton *cmdEnd = nullptr;
    // The end
    QLabel *lblDone = nullptr;
    QPushButton *cmdBack = nullptr;
};
