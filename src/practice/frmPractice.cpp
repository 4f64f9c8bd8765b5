#include "frmPractice.h"

#include "progress/ProgressRecorder.h"
#include "toolkit/AnswerKeys.h"
#include "toolkit/Controls.h"
#include "toolkit/Look.h"
#include "toolkit/WrappingWidgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int kMostChoices = 10; // the number keys reach ten answers
constexpr QSize kPictureBox(180, 240);
const QString kRightMark = QStringLiteral("\u2713 ");
const QString kWrongMark = QStringLiteral("\u2717 ");

enum Page { ListPage, QuestionPage, DonePage };

// A page's closing row: its own button, then "Close", at the right.
QHBoxLayout *buttonRow(QPushButton *own, const QString &closeName, QDialog *dialog, QWidget *page) {
    auto *row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(own);
    QPushButton *close = Controls::Button(closeName, QStringLiteral("&Close"), page);
    QObject::connect(close, &QPushButton::clicked, dialog, &QDialog::reject);
    row->addWidget(close);
    return row;
}

QTableWidgetItem *cell(const QString &text, bool number) {
    auto *item = new QTableWidgetItem(text);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

QLabel *heading(const QString &name, const QString &text, QWidget *parent, double points) {
    QLabel *label = Controls::Label(name, text, parent);
    label->setFont(Look::Verdana(points, true));
    Look::SetTextColour(label, Look::AccentBrown);
    return label;
}

} // namespace

frmPractice::frmPractice(std::vector<Quiz::PracticeSubject> subjects,
                         std::shared_ptr<Progress::Recorder> recorder, Progress::Clock clock,
                         QWidget *parent)
    : QDialog(parent), subjects_(std::move(subjects)), recorder_(std::move(recorder)),
      clock_(std::move(clock)) {
    setObjectName(QStringLiteral("frmPractice"));
    setWindowTitle(QStringLiteral("Practice"));
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setFont(Look::Verdana(9));
    auto *layout = new QVBoxLayout(this);
    pages_ = new QStackedWidget(this);
    pages_->setObjectName(QStringLiteral("stkPages"));
    pages_->addWidget(buildListPage());
    pages_->addWidget(buildQuestionPage());
    pages_->addWidget(buildDonePage());
    layout->addWidget(pages_);
    setMinimumSize(560, 440);
    resize(780, 580);
}

frmPractice::~frmPractice() {
    // Closed with its main window: what was answered is still recorded, but
    // no other window of the closing main window is told.
    blockSignals(true);
    record(nullptr);
}

QWidget *frmPractice::buildListPage() {
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("fraList"));
    auto *v = new QVBoxLayout(page);
    v->addWidget(heading(QStringLiteral("lblListTitle"), QStringLiteral("Practice What Is Due"), page, 13));
    v->addWidget(Controls::Label(
        QStringLiteral("lblListIntro"),
        QStringLiteral("Each item you have been asked in a test comes back for practice just before you are "
                       "likely to forget it. Practice asks the items due today, those you are least likely "
                       "to remember first, and then, if you wish, up to 10 items you have not been asked "
                       "yet. Every answer is marked at once."),
        page));
    tblModules = new QTableWidget(0, 3, page);
    tblModules->setObjectName(QStringLiteral("tblModules"));
    tblModules->setHorizontalHeaderLabels(
        {QStringLiteral("Module"), QStringLiteral("Due Today"), QStringLiteral("New")});
    tblModules->setAccessibleName(QStringLiteral("Modules to practise"));
    tblModules->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblModules->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblModules->setSelectionMode(QAbstractItemView::SingleSelection);
    tblModules->setTabKeyNavigation(false);
    tblModules->verticalHeader()->hide();
    tblModules->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    tblModules->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    tblModules->horizontalHeader()->setSectionResizeMode(2, QHeaderView::ResizeToContents);
    connect(tblModules, &QTableWidget::currentCellChanged, this, [this] { updateStart(); });
    connect(tblModules, &QTableWidget::cellDoubleClicked, this, [this] { Start(); });
    v->addWidget(tblModules, 1);
    chkNewItems = new QCheckBox(QStringLiteral("Also ask up to 10 &new items"), page);
    chkNewItems->setObjectName(QStringLiteral("chkNewItems"));
    chkNewItems->setChecked(true);
    connect(chkNewItems, &QCheckBox::toggled, this, [this] { updateStart(); });
    v->addWidget(chkNewItems);
    lblProblem = Controls::Label(QStringLiteral("lblProblem"), QString(), page);
    Look::SetTextColour(lblProblem, Look::WarningRed);
    lblProblem->hide();
    v->addWidget(lblProblem);
    cmdStart = Controls::Button(QStringLiteral("cmdStart"), QStringLiteral("&Start Practice"), page);
    connect(cmdStart, &QPushButton::clicked, this, &frmPractice::Start);
    v->addLayout(buttonRow(cmdStart, QStringLiteral("cmdClose"), this, page));
    return page;
}

QWidget *frmPractice::buildQuestionPage() {
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("fraQuestion"));
    auto *v = new QVBoxLayout(page);
    auto *top = new QHBoxLayout;
    lblHeading = heading(QStringLiteral("lblHeading"), QString(), page, 11);
    lblProgress = Controls::Label(QStringLiteral("lblProgress"), QString(), page, false);
    lblProgress->setFont(Look::Verdana(9, true));
    top->addWidget(lblHeading, 1);
    top->addWidget(lblProgress, 0, Qt::AlignTop);
    v->addLayout(top);

    auto *middle = new QHBoxLayout;
    picSubject = new QLabel(page);
    picSubject->setObjectName(QStringLiteral("picSubject"));
    picSubject->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    picSubject->setMinimumWidth(kPictureBox.width());
    middle->addWidget(picSubject, 0, Qt::AlignTop);
    auto *right = new QVBoxLayout;
    lblSubject = Controls::Label(QStringLiteral("lblSubject"), QString(), page);
    Look::SetTextColour(lblSubject, Look::ValuePurple);
    right->addWidget(lblSubject);
    lblInstruction = Controls::Label(QStringLiteral("lblInstruction"), QString(), page);
    right->addWidget(lblInstruction);
    // The answers sit in a box of their own, so each gets its number beside it.
    auto *choices = new QWidget(page);
    choices->setObjectName(QStringLiteral("fraChoices"));
    auto *list = new QVBoxLayout(choices);
    list->setContentsMargins(0, 4, 0, 4);
    auto *group = new QButtonGroup(page);
    QList<QAbstractButton *> answers;
    for (int i = 0; i < kMostChoices; ++i) {
        auto *option = new WrappingRadioButton(choices);
        option->setObjectName(Controls::Indexed("optChoice", i));
        group->addButton(option, i);
        connect(option, &QAbstractButton::toggled, this, [this, option] { choiceChanged(option); });
        list->addWidget(option);
        optChoice.push_back(option);
        answers << option;
    }
    for (int i = 0; i < kMostChoices; ++i) {
        auto *box = new QCheckBox(choices);
        box->setObjectName(Controls::Indexed("chkChoice", i));
        connect(box, &QAbstractButton::toggled, this, [this, box] { choiceChanged(box); });
        list->addWidget(box);
        chkChoice.push_back(box);
        answers << box;
    }
    right->addWidget(choices);
    lblFeedback = Controls::Label(QStringLiteral("lblFeedback"), QString(), page);
    lblFeedback->setFont(Look::Verdana(10, true));
    right->addWidget(lblFeedback);
    right->addStretch(1);
    middle->addLayout(right, 1);
    v->addLayout(middle, 1);

    auto *buttons = new QHBoxLayout;
    lblScore = Controls::Label(QStringLiteral("lblScore"), QString(), page, false);
    lblScore->setFont(Look::Verdana(9, true));
    buttons->addWidget(lblScore, 1);
    cmdEnd = Controls::Button(QStringLiteral("cmdEnd"), QStringLiteral("&End Practice"), page);
    connect(cmdEnd, &QPushButton::clicked, this, &frmPractice::finish);
    cmdNext = Controls::Button(QStringLiteral("cmdNext"), QStringLiteral("&Check Answer"), page, 150);
    connect(cmdNext, &QPushButton::clicked, this, &frmPractice::next);
    buttons->addWidget(cmdEnd);
    buttons->addWidget(cmdNext);
    v->addLayout(buttons);
    AnswerKeys::Install(page, answers, cmdNext);
    return page;
}

QWidget *frmPractice::buildDonePage() {
    auto *page = new QWidget(this);
    page->setObjectName(QStringLiteral("fraDone"));
    auto *v = new QVBoxLayout(page);
    v->addWidget(heading(QStringLiteral("lblDoneTitle"), QStringLiteral("Practice Finished"), page, 13));
    lblDone = Controls::Label(QStringLiteral("lblDone"), QString(), page);
    v->addWidget(lblDone);
    v->addStretch(1);
    cmdBack = Controls::Button(QStringLiteral("cmdBack"), QStringLiteral("&Back to the List"), page, 150);
    connect(cmdBack, &QPushButton::clicked, this, [this] { ShowModule(practised_); });
    v->addLayout(buttonRow(cmdBack, QStringLiteral("cmdDoneClose"), this, page));
    return page;
}

void frmPractice::readPlans() {
    plans_.clear();
    // Tests an earlier run could not record count before anything is planned.
    recorder_->RecordWaitingTests();
    Progress::ProgressStore store(recorder_->RecordPath());
    QString problem;
    const QDateTime now = clock_();
    for (const Quiz::PracticeSubject &subject : subjects_) {
        QList<Progress::MemoryItem> memory;
        if (problem.isEmpty() && !store.Memory(subject.module, memory))
            problem = store.LastError();
        plans_.emplace_back(subject, memory, now);
    }
    // A record that cannot be read is told once, here; every item then counts as new.
    lblProblem->setText(problem.isEmpty() ? QString()
                                          : QStringLiteral("Your progress record could not be read, so "
                                                           "nothing is shown as due.\n") +
                                                store.Path() + u'\n' + problem);
    lblProblem->setVisible(!problem.isEmpty());
}

void frmPractice::ShowModule(const QString &module) {
    // A practice under way stays on screen; the window is only raised.
    if (!recorded_)
        return;
    readPlans();
    tblModules->setRowCount(int(plans_.size()));
    int chosen = -1;
    for (int row = 0; row < int(plans_.size()); ++row) {
        const Practice::Plan &plan = plans_[size_t(row)];
        tblModules->setItem(row, 0, cell(plan.Module(), false));
        tblModules->setItem(row, 1, cell(QString::number(plan.Due().size()), true));
        tblModules->setItem(row, 2, cell(QString::number(plan.NewCount()), true));
        if (plan.Module() == module)
            chosen = row;
    }
    for (int row = 0; chosen < 0 && row < int(plans_.size()); ++row)
        if (!plans_[size_t(row)].Due().empty())
            chosen = row;
    tblModules->setCurrentCell(std::max(chosen, 0), 0);
    updateStart();
    pages_->setCurrentIndex(ListPage);
    // Enter starts; a dialog has one default button, so each page sets its own.
    cmdStart->setDefault(true);
    tblModules->setFocus();
}

int frmPractice::chosenRow() const {
    const int row = tblModules->currentRow();
    return row >= 0 && row < int(plans_.size()) ? row : -1;
}

void frmPractice::updateStart() {
    const int row = chosenRow();
    const bool any = row >= 0 && (!plans_[size_t(row)].Due().empty() ||
                                  (chkNewItems->isChecked() && plans_[size_t(row)].NewCount() > 0));
    cmdStart->setEnabled(any);
}

void frmPractice::Start() {
    const int row = chosenRow();
    if (row < 0 || !cmdStart->isEnabled())
        return;
    const Practice::Plan &plan = plans_[size_t(row)];
    std::vector<Practice::Step> steps = plan.Due();
    if (chkNewItems->isChecked()) {
        const std::vector<Practice::Step> fresh = plan.NewItems(Practice::NewItemLimit, Quiz::ProgramUniform());
        steps.insert(steps.end(), fresh.begin(), fresh.end());
    }
    if (steps.empty())
        return;
    practised_ = plan.Module();
    run_.emplace(plan, std::move(steps));
    recorded_ = false;
    pages_->setCurrentIndex(QuestionPage);
    showQuestion();
}

QList<QAbstractButton *> frmPractice::shownChoices() const {
    QList<QAbstractButton *> shown;
    for (QAbstractButton *button : optChoice)
        if (!button->isHidden())
            shown << button;
    for (QAbstractButton *button : chkChoice)
        if (!button->isHidden())
            shown << button;
    return shown;
}

void frmPractice::showQuestion() {
    const Quiz::Question &question = run_->CurrentQuestion();
    Quiz::Source &source = run_->CurrentSource();
    checked_ = false;
    lblHeading->setText(practised_ + QStringLiteral(": ") + run_->CurrentKind());
    lblProgress->setText(run_->Progress());
    showScore();
    const QPixmap picture = Look::PictureFromBytes(source.Picture(question.item), kPictureBox);
    picSubject->setPixmap(picture);
    picSubject->setVisible(!picture.isNull());
    lblSubject->setText(source.SubjectShown() ? question.subject : QString());
    lblSubject->setVisible(source.SubjectShown());
    // A name stands out large; a whole interpretation reads as text, in a frame.
    const bool passage = question.subject.size() > 60;
    lblSubject->setFont(passage ? Look::Verdana(10.5) : Look::Verdana(13, true));
    lblSubject->setFrameShape(passage ? QFrame::StyledPanel : QFrame::NoFrame);
    lblSubject->setMargin(passage ? 6 : 0);
    const bool several = question.ToChoose() > 1;
    lblInstruction->setText((several ? QStringLiteral("Choose ") + QString::number(question.ToChoose()) +
                                           QStringLiteral(" answers")
                                     : QStringLiteral("Choose the right answer")) +
                            QStringLiteral(" (click, or press the number beside it), then press Enter."));
    // One kind of button is on show: option buttons for one answer, boxes for several.
    auto *group = optChoice.front()->group();
    group->setExclusive(false);
    for (int i = 0; i < kMostChoices; ++i) {
        const bool shown = i < question.choices.size();
        const QString text = shown ? source.Shown(question.choices[i]) : QString();
        QSignalBlocker blockOption(optChoice[size_t(i)]);
        QSignalBlocker blockBox(chkChoice[size_t(i)]);
        for (QAbstractButton *button : {static_cast<QAbstractButton *>(optChoice[size_t(i)]),
                                        static_cast<QAbstractButton *>(chkChoice[size_t(i)])}) {
            button->setChecked(false);
            button->setEnabled(true);
            button->setPalette(QPalette());
        }
        optChoice[size_t(i)]->setText(text);
        chkChoice[size_t(i)]->setText(QString(text).replace(u'&', QStringLiteral("&&")));
        optChoice[size_t(i)]->setVisible(shown && !several);
        chkChoice[size_t(i)]->setVisible(shown && several);
    }
    group->setExclusive(true);
    lblFeedback->clear();
    cmdNext->setText(QStringLiteral("&Check Answer"));
    cmdNext->setEnabled(false);
    cmdEnd->setEnabled(true);
    if (QList<QAbstractButton *> shown = shownChoices(); !shown.isEmpty())
        shown.front()->setFocus();
}

void frmPractice::showScore() {
    lblScore->setText(QStringLiteral("Score: ") + QString::number(run_->Right()) + QStringLiteral(" of ") +
                      QString::number(run_->Number()));
}

void frmPractice::choiceChanged(QAbstractButton *changed) {
    if (!run_ || checked_ || run_->Finished())
        return;
    const int wanted = run_->CurrentQuestion().ToChoose();
    int chosen = 0;
    for (QAbstractButton *button : shownChoices())
        chosen += button->isChecked() ? 1 : 0;
    // No more boxes than the question asks for: the one too many is cleared again.
    if (chosen > wanted && changed->isChecked()) {
        QSignalBlocker block(changed);
        changed->setChecked(false);
        --chosen;
        lblFeedback->setText(QStringLiteral("Choose no more than ") + QString::number(wanted) +
                             QStringLiteral(" answers."));
    } else {
        lblFeedback->clear();
    }
    cmdNext->setEnabled(chosen == wanted || (chosen > 0 && chosen == int(shownChoices().size())));
}

void frmPractice::next() {
    if (!run_)
        return;
    if (!checked_) {
        check();
        return;
    }
    if (run_->Finished())
        finish();
    else
        showQuestion();
}

void frmPractice::check() {
    const Quiz::Question question = run_->CurrentQuestion();
    const QList<QAbstractButton *> shown = shownChoices();
    std::vector<int> chosen;
    for (int position = 0; position < int(shown.size()); ++position)
        if (shown[position]->isChecked())
            chosen.push_back(position);
    const Quiz::Answered answered = run_->Answer(chosen);
    checked_ = true;
    // The correct answers and the wrong choices are marked by a sign and a colour.
    for (int position = 0; position < int(shown.size()); ++position) {
        QAbstractButton *button = shown[position];
        const bool correct = question.IsCorrect(position);
        if (correct || button->isChecked()) {
            button->setText((correct ? kRightMark : kWrongMark) + button->text());
            Look::SetTextColour(button, correct ? Look::HeadingGreen : Look::WarningRed);
        }
        button->setEnabled(false);
    }
    if (answered.Right()) {
        lblFeedback->setText(QStringLiteral("Right!"));
        Look::SetTextColour(lblFeedback, Look::HeadingGreen);
    } else {
        lblFeedback->setText(question.ToChoose() > 1
                                 ? QStringLiteral("Not quite: the right answers are marked \u2713.")
                                 : QStringLiteral("Not quite: the right answer is marked \u2713."));
        Look::SetTextColour(lblFeedback, Look::WarningRed);
    }
    showScore();
    lblInstruction->setText(run_->Finished() ? QStringLiteral("Press Enter to finish.")
                                             : QStringLiteral("Press Enter for the next question."));
    cmdNext->setText(run_->Finished() ? QStringLiteral("&Finish") : QStringLiteral("&Next Question"));
    cmdNext->setEnabled(true);
    cmdNext->setFocus();
}

void frmPractice::finish() {
    if (!run_)
        return;
    const int answered = run_->Number();
    const int right = run_->Right();
    const bool written = record(this);
    lblDone->setText(
        answered == 0
            ? QStringLiteral("No question was answered, so nothing is recorded.")
            : QStringLiteral("You answered ") + QString::number(right) + QStringLiteral(" of ") +
                  QString::number(answered) +
                  (answered == 1 ? QStringLiteral(" question right. ") : QStringLiteral(" questions right. ")) +
                  (written ? QStringLiteral("Your answers are recorded: each item comes back for practice "
                                            "when it is due, sooner when you missed it.")
                           : QStringLiteral("Your answers could not be recorded yet; they are kept and "
                                            "recorded as soon as your progress record can be written.")));
    pages_->setCurrentIndex(DonePage);
    cmdBack->setDefault(true);
    cmdBack->setFocus();
}

bool frmPractice::record(QWidget *messageParent) {
    if (recorded_ || !run_)
        return true;
    recorded_ = true;
    const QList<Progress::TestRecord> records = run_->Records(clock_());
    const bool written = records.isEmpty() || recorder_->RecordFinishedTests(records, messageParent);
    Q_EMIT Recorded();
    return written;
}

void frmPractice::reject() {
    // Closing during a practice records what was answered.
    record(this);
    QDialog::reject();
}
