// Practice: which items a plan asks and in what order, a practice recorded
// per kind of test, and a learner's day with the window (a test taken, its
// missed items due the next day, practised by keys with the marks shown, and
// the due counts and forecast changed by it), also over a damaged record.
#include "aromatherapy/AromatherapyModule.h"
#include "aromatherapy/modAromaTest.h"
#include "practice/PracticePlan.h"
#include "practice/PracticeRun.h"
#include "practice/frmPractice.h"
#include "progress/ProgressRecorder.h"
#include "progress/ProgressStore.h"
#include "support/AccessKeys.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QStackedWidget>
#include <QTableWidget>
#include <QTest>

using namespace TestSupport;

namespace {

// Items "Item 0" ... with the answers "Answer 0" ...; three choices a question.
class NumberedSource : public Quiz::Source {
public:
    explicit NumberedSource(int count) : count_(count) {}
    Quiz::Layout QuestionLayout() const override { return {3, 1}; }
    Quiz::Pool Items() override { return Quiz::Pool::Even(count_); }
    QString Subject(int item) override { return ItemName(item); }
    Quiz::Key KeyOf(int item) override { return {{answer(item)}, {}, {}}; }
    Quiz::Pool WrongChoices(int) override { return Quiz::Pool::Even(count_); }
    QString WrongChoiceText(int, int candidate) override { return answer(candidate); }
    QString ItemName(int item) override { return QStringLiteral("Item %1").arg(item); }
    ReviewItem ReviewOf(int item) override { return ReviewItem{ItemName(item), {}, {}, {}, {}}; }

private:
    static QString answer(int item) { return QStringLiteral("Answer %1").arg(item); }
    int count_;
};

Quiz::PracticeSubject numbered() {
    return {QStringLiteral("Numbers"),
            {{QStringLiteral("Kind A"), [] { return std::make_shared<NumberedSource>(20); }},
             {QStringLiteral("Kind B"), [] { return std::make_shared<NumberedSource>(20); }}}};
}

const QDateTime kNow(QDate(2026, 3, 10), QTime(9, 0));

Progress::MemoryItem state(const QString &kind, int item, double stability, double daysAgo, double dueInDays) {
    Progress::MemoryItem memory;
    memory.kind = kind;
    memory.item = QStringLiteral("Item %1").arg(item);
    memory.difficulty = 5;
    memory.stability = stability;
    memory.lastReview = kNow.addSecs(qint64(-daysAgo * 86400));
    memory.due = kNow.addSecs(qint64(dueInDays * 86400));
    return memory;
}

// The answer buttons on show in the practice window.
QList<QAbstractButton *> shownChoices(QWidget *window) {
    QList<QAbstractButton *> shown;
    for (const char *name : {"optChoice(%1)", "chkChoice(%1)"})
        for (int i = 0; i < 10; ++i)
            if (auto *button = window->findChild<QAbstractButton *>(QString::fromLatin1(name).arg(i));
                button && button->isVisible())
                shown << button;
    return shown;
}

int tableCount(QWidget *window, const QString &module, int column) {
    auto *table = Named<QTableWidget>(window, QStringLiteral("tblModules"));
    for (int row = 0; table && row < table->rowCount(); ++row)
        if (table->item(row, 0)->text() == module)
            return table->item(row, column)->text().toInt();
    return -1;
}

void key(int key) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
}

} // namespace

class tst_practice : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void planAsksDueItemsLeastRememberedFirst();
    void practiceIsRecordedPerKind();
    void learnerPractisesWhatTheTestMissed();
    void damagedRecordStillPractises();
};

void tst_practice::planAsksDueItemsLeastRememberedFirst() {
    const QList<Progress::MemoryItem> memory{
        state(QStringLiteral("Kind A"), 3, 1.0, 6.0, -5.0),   // long overdue: least remembered
        state(QStringLiteral("Kind A"), 4, 10.0, 10.0, 0.0),  // due now: a chance of recall of 0.9
        state(QStringLiteral("Kind B"), 4, 5.0, 5.5, 0.5),    // due this evening, already below 0.9
        state(QStringLiteral("Kind A"), 5, 10.0, 2.0, 8.0),   // due in eight days
        state(QStringLiteral("Kind A"), 99, 1.0, 9.0, -8.0),  // an item the module no longer has
        state(QStringLiteral("Kind C"), 1, 1.0, 9.0, -8.0),   // a kind the module no longer has
    };
    const Practice::Plan plan(numbered(), memory, kNow);
    QCOMPARE(plan.Module(), QStringLiteral("Numbers"));
    std::vector<std::pair<int, int>> due;
    for (const Practice::Step &step : plan.Due())
        due.emplace_back(step.kind, step.item);
    QCOMPARE(due, (std::vector<std::pair<int, int>>{{0, 3}, {1, 4}, {0, 4}}));
    QVERIFY(plan.Due()[0].recall < plan.Due()[1].recall && plan.Due()[1].recall < plan.Due()[2].recall);

    // Every item of both kinds that the record does not know is new.
    QCOMPARE(plan.NewCount(), 40 - 4);
    const std::vector<Practice::Step> fresh = plan.NewItems(Practice::NewItemLimit, Quiz::ProgramUniform());
    QCOMPARE(int(fresh.size()), Practice::NewItemLimit);
    QSet<QPair<int, int>> drawn;
    for (const Practice::Step &step : fresh) {
        QCOMPARE(step.recall, -1.0);
        QVERIFY(!(step.kind == 0 && (step.item == 3 || step.item == 4 || step.item == 5)));
        QVERIFY(!(step.kind == 1 && step.item == 4));
        drawn.insert({step.kind, step.item});
    }
    QCOMPARE(int(drawn.size()), Practice::NewItemLimit);
    QCOMPARE(int(plan.NewItems(100, Quiz::ProgramUniform()).size()), 36);
}

void tst_practice::practiceIsRecordedPerKind() {
    const Practice::Plan plan(numbered(), {}, kNow);
    Practice::Run run(plan, {{0, 7, -1}, {1, 2, -1}, {0, 1, -1}});
    QCOMPARE(run.Count(), 3);
    std::vector<bool> right;
    for (int question = 0; !run.Finished(); ++question) {
        const Quiz::Question &asked = run.CurrentQuestion();
        QCOMPARE(asked.item, std::vector<int>({7, 2, 1})[size_t(question)]);
        QCOMPARE(run.CurrentKind(), question == 1 ? QStringLiteral("Kind B") : QStringLiteral("Kind A"));
        QCOMPARE(run.Progress(), QStringLiteral("Question %1 of 3").arg(question + 1));
        QCOMPARE(asked.choices.size(), 3);
        // The first and last questions answered rightly, the middle one wrongly.
        const int correct = asked.correct.front();
        const Quiz::Answered answered = run.Answer({question == 1 ? (correct + 1) % 3 : correct});
        QCOMPARE(answered.Right(), question != 1);
    }
    QCOMPARE(run.Right(), 2);

    const QDateTime at = kNow.addDays(2);
    const QList<Progress::TestRecord> records = run.Records(at);
    QCOMPARE(records.size(), 2);
    QCOMPARE(records[0].kind, QStringLiteral("Kind A"));
    QCOMPARE(records[0].level, QStringLiteral("Practice"));
    QCOMPARE(records[0].takenAt, at);
    QCOMPARE(records[0].answers.size(), 2);
    QCOMPARE(records[0].answers[0].item, QStringLiteral("Item 7"));
    QCOMPARE(records[0].score, 2);
    QCOMPARE(records[1].kind, QStringLiteral("Kind B"));
    QCOMPARE(records[1].answers.size(), 1);
    QVERIFY(!records[1].answers[0].right);
}

void tst_practice::learnerPractisesWhatTheTestMissed() {
    Sandbox sandbox;
    const std::shared_ptr<Progress::Recorder> recorder = sandbox.recorder();
    const QString aroma = QStringLiteral("Learn Aromatherapy");

    // A planet test, every question answered with the first choice.
    AromaModel model;
    model.StartTest();
    while (!model.Test->Finished())
        model.Test->Answer(0);
    const Quiz::Result &result = model.Test->Outcome();
    QVERIFY(recorder->RecordFinishedTest(result.Record(), nullptr));
    const int missed = result.Count() - result.Score();

    // The next day the missed oils are due; the rightly answered ones come later.
    QDateTime today = QDateTime::currentDateTime().addDays(1);
    frmPractice window({AromatherapyPractice()}, recorder, [&today] { return today; });
    window.ShowModule(aroma);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(AccessKeyProblems(&window), QStringList());
    QCOMPARE(tableCount(&window, aroma, 1), missed);
    QCOMPARE(tableCount(&window, aroma, 2), 52 * AromaTestKindCount - result.Count());
    Progress::ProgressStore store(recorder->RecordPath());
    Progress::ModuleSummary before;
    QVERIFY(store.Summarise(aroma, before, today));
    QCOMPARE(before.memory.dueToday, missed);

    auto *newItems = Named<QCheckBox>(&window, QStringLiteral("chkNewItems"));
    newItems->setChecked(false);
    auto *start = Named<QAbstractButton>(&window, QStringLiteral("cmdStart"));
    QCOMPARE(start->isEnabled(), missed > 0);
    if (missed == 0)
        QSKIP("every first choice was right: nothing is due");
    auto *pages = Named<QStackedWidget>(&window, QStringLiteral("stkPages"));
    // Enter on the list starts.
    key(Qt::Key_Return);
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("fraQuestion"));
    QCOMPARE(AccessKeyProblems(&window), QStringList());
    auto *feedback = Named<QLabel>(&window, QStringLiteral("lblFeedback"));
    auto *score = Named<QLabel>(&window, QStringLiteral("lblScore"));
    int right = 0;
    for (int question = 0; question < missed; ++question) {
        QCOMPARE(Named<QLabel>(&window, QStringLiteral("lblProgress"))->text(),
                 QStringLiteral("Question %1 of %2").arg(question + 1).arg(missed));
        const QList<QAbstractButton *> choices = shownChoices(&window);
        QCOMPARE(choices.size(), 3);
        // Enter does nothing until an answer is chosen; the number key chooses the second.
        key(Qt::Key_Return);
        QVERIFY(feedback->text().isEmpty());
        key(Qt::Key_2);
        QVERIFY(choices[1]->isChecked());
        key(Qt::Key_Return);
        // The correct answer is marked, and the choice if it was wrong.
        int marked = 0;
        for (QAbstractButton *choice : choices)
            marked += choice->text().startsWith(QStringLiteral("\u2713 ")) ? 1 : 0;
        QCOMPARE(marked, 1);
        const bool wasRight = choices[1]->text().startsWith(QStringLiteral("\u2713 "));
        QCOMPARE(feedback->text() == QStringLiteral("Right!"), wasRight);
        if (!wasRight)
            QVERIFY(choices[1]->text().startsWith(QStringLiteral("\u2717 ")));
        right += wasRight ? 1 : 0;
        QCOMPARE(score->text(), QStringLiteral("Score: %1 of %2").arg(right).arg(question + 1));
        key(Qt::Key_Return);
    }
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("fraDone"));
    QCOMPARE(AccessKeyProblems(&window), QStringList());
    QVERIFY(Named<QLabel>(&window, QStringLiteral("lblDone"))
                ->text()
                .startsWith(QStringLiteral("You answered %1 of %2").arg(right).arg(missed)));

    // Back on the list nothing is due today any more; the record has the
    // practice, and the forecast holds the same items on later days.
    key(Qt::Key_Return);
    QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("fraList"));
    QCOMPARE(tableCount(&window, aroma, 1), 0);
    Progress::ModuleSummary after;
    QVERIFY(store.Summarise(aroma, after, today));
    QCOMPARE(after.testCount, 2);
    QCOMPARE(after.recent.front().level, QStringLiteral("Practice"));
    QCOMPARE(after.recent.front().questionCount, missed);
    QCOMPARE(after.memory.dueToday, 0);
    QCOMPARE(after.memory.items, result.Count());
    int total = 0;
    for (int count : after.memory.forecast)
        total += count;
    QCOMPARE(total, result.Count());
}

void tst_practice::damagedRecordStillPractises() {
    Sandbox sandbox;
    const std::shared_ptr<Progress::Recorder> recorder = sandbox.recorder();
    {
        QFile damaged(recorder->RecordPath());
        QVERIFY(damaged.open(QIODevice::WriteOnly));
        damaged.write(QByteArray(4096, 'x'));
    }
    frmPractice window({AromatherapyPractice()}, recorder, Progress::SystemClock());
    window.ShowModule(QString());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // Told once, in the window; every item counts as new and can be practised.
    QVERIFY(Named<QLabel>(&window, QStringLiteral("lblProblem"))->isVisible());
    QCOMPARE(tableCount(&window, QStringLiteral("Learn Aromatherapy"), 1), 0);
    QCOMPARE(tableCount(&window, QStringLiteral("Learn Aromatherapy"), 2), 52 * AromaTestKindCount);
    window.Start();
    QCOMPARE(shownChoices(&window).size() >= 2, true);
    key(Qt::Key_1);
    key(Qt::Key_Return);
    // Ending the practice cannot write the record: the answers wait, and the learner is told.
    const auto told = AnswerNextMessage();
    Named<QAbstractButton>(&window, QStringLiteral("cmdEnd"))->click();
    QTRY_VERIFY(told->shown);
    QCOMPARE(recorder->WaitingTestCount(), 1);
    QVERIFY(Named<QLabel>(&window, QStringLiteral("lblDone"))->text().contains(QStringLiteral("could not be recorded yet")));
}

QTEST_MAIN(tst_practice)
#include "tst_practice.moc"
