#include "progress/ProgressMenu.h"
#include "progress/ProgressStore.h"
#include "progress/frmMyProgress.h"
#include "toolkit/DataLocations.h"
#include "progress/ProgressRecorder.h"
#include "shell/frmMDI.h"
#include "support/TestSupport.h"

#include <QChartView>
#include <QFile>
#include <QLabel>
#include <QAction>
#include <QBarSeries>
#include <QBarSet>
#include <QLineSeries>
#include <QMenuBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

using namespace Progress;

namespace {

const QStringList kModules{QStringLiteral("Learn Aromatherapy"),
                           QStringLiteral("Learn Cartomancy")};

const QDateTime kFirstDay(QDate(2026, 1, 1), QTime(8, 0));

void fill(const QString &path, const QString &module, int tests, int missedEvery,
          const QString &kind = QStringLiteral("Planet"), const QDateTime &first = kFirstDay) {
    ProgressStore store(path);
    QVERIFY2(store.IsReady(), qPrintable(store.LastError()));
    for (int i = 0; i < tests; ++i) {
        TestRecord test;
        test.module = module;
        test.kind = kind;
        test.level = QStringLiteral("Basic");
        test.takenAt = first.addDays(i);
        test.questionCount = 4;
        for (int q = 0; q < 4; ++q) {
            const bool right = (q + i) % missedEvery != 0;
            test.score += right ? 1 : 0;
            test.answers.append(
                {QStringLiteral("Oil %1").arg(q), QStringLiteral("x"), QStringLiteral("y"), right});
        }
        QVERIFY(store.Record(test));
    }
}

QLineSeries *seriesOf(QWidget *page) {
    auto *view = page->findChild<QChartView *>(QStringLiteral("chartScoreShare"));
    if (!view || view->chart()->series().size() != 1)
        return nullptr;
    return qobject_cast<QLineSeries *>(view->chart()->series().front());
}

} // namespace

class tst_frmMyProgress : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { sandbox_ = std::make_unique<TestSupport::Sandbox>(); }
    void cleanup() { sandbox_.reset(); }
    void showsEachModule();
    void emptyRecord();
    void damagedRecordIsShownNotFatal();
    void memoryAndKinds();
    void clearHistoryAsksFirst_data();
    void clearHistoryAsksFirst();
    void enterNeverClears();
    void menuAtEndOfMainWindow();

private:
    QString path() const { return sandbox_->locations().UserFile(DefaultFileName()); }
    std::unique_ptr<TestSupport::Sandbox> sandbox_;
};

void tst_frmMyProgress::showsEachModule() {
    fill(path(), kModules[0], 6, 3);
    fill(path(), kModules[1], 2, 2);
    frmMyProgress window(kModules, path());
    window.show();
    auto *tabs = window.findChild<QTabWidget *>(QStringLiteral("tabModules"));
    QVERIFY(tabs);
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(1), kModules[1]);

    QWidget *page = tabs->widget(0);
    QLineSeries *series = seriesOf(page);
    QVERIFY(series);
    QCOMPARE(series->count(), 6);
    // Test 0 missed questions 0 and 3: 50 %; test 1 missed question 2: 75 %.
    QCOMPARE(series->at(0).y(), 50.0);
    QCOMPARE(series->at(1).y(), 75.0);
    QVERIFY(series->at(0).x() < series->at(5).x());
    auto *tests = page->findChild<QTableWidget *>(QStringLiteral("tblTests"));
    QCOMPARE(tests->rowCount(), 6);
    QCOMPARE(tests->item(0, 3)->text(), QStringLiteral("4"));
    QCOMPARE(tests->item(0, 4)->text(), QStringLiteral("3 of 4")); // newest first: test 5
    QCOMPARE(tests->item(0, 5)->text(), QStringLiteral("75%"));
    auto *missed = page->findChild<QTableWidget *>(QStringLiteral("tblMissed"));
    QVERIFY(missed->rowCount() > 0);
    QCOMPARE(missed->item(0, 0)->text(), QStringLiteral("Oil 0"));
    QCOMPARE(missed->item(0, 1)->text(), QStringLiteral("2"));
    QCOMPARE(missed->item(0, 2)->text(), QStringLiteral("6"));

    // The second page is read when it is chosen.
    QWidget *second = tabs->widget(1);
    QCOMPARE(second->findChild<QTableWidget *>(QStringLiteral("tblTests"))->rowCount(), 0);
    tabs->setCurrentIndex(1);
    QCOMPARE(second->findChild<QTableWidget *>(QStringLiteral("tblTests"))->rowCount(), 2);
    QCOMPARE(seriesOf(second)->count(), 2);
}

void tst_frmMyProgress::emptyRecord() {
    frmMyProgress window(kModules, path());
    window.show();
    QWidget *page = window.findChild<QTabWidget *>(QStringLiteral("tabModules"))->widget(0);
    QCOMPARE(page->findChild<QTableWidget *>(QStringLiteral("tblTests"))->rowCount(), 0);
    QVERIFY(!page->findChild<QPushButton *>(QStringLiteral("cmdClearHistory"))->isEnabled());
    QVERIFY(page->findChild<QLabel *>(QStringLiteral("lblSummary"))
                ->text()
                .startsWith(QStringLiteral("No finished test")));
}

void tst_frmMyProgress::damagedRecordIsShownNotFatal() {
    const QString path = this->path();
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(4096, 'x'));
    }
    frmMyProgress window(kModules, path);
    window.show();
    QWidget *page = window.findChild<QTabWidget *>(QStringLiteral("tabModules"))->widget(0);
    const QString summary = page->findChild<QLabel *>(QStringLiteral("lblSummary"))->text();
    QVERIFY2(summary.startsWith(QStringLiteral("Your progress record could not be read.")),
             qPrintable(summary));
    QVERIFY(summary.contains(path));
    // Nothing to clear, and the file is left for the user to keep or remove.
    QVERIFY(!page->findChild<QPushButton *>(QStringLiteral("cmdClearHistory"))->isEnabled());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray(4096, 'x'));
}

// What the memory model says, one score line per kind of test, and Practice.
void tst_frmMyProgress::memoryAndKinds() {
    // Four oils asked in a planet test on 1 January and in a sign test on the
    // 2nd, the second and fourth answered rightly in each.
    fill(path(), kModules[0], 1, 2, QStringLiteral("Planet"), kFirstDay);
    fill(path(), kModules[0], 1, 2, QStringLiteral("Sign"), kFirstDay.addDays(1));
    QStringList practised;
    MyProgressOptions options{[&](const QString &module) { practised << module; },
                              [] { return kFirstDay.addDays(2).addSecs(3600); }};
    frmMyProgress window(kModules, path(), nullptr, options);
    window.show();
    QWidget *page = window.findChild<QTabWidget *>(QStringLiteral("tabModules"))->widget(0);
    // On the 3rd, 09:00: the missed ones (due a day after) and the planet
    // oils answered rightly (due two days after) are due; the sign oils
    // answered rightly fall due on the 4th. Those answered rightly are still
    // recalled with a chance above 90 %.
    const QString memory = page->findChild<QLabel *>(QStringLiteral("lblMemory"))->text();
    QVERIFY2(memory.startsWith(QStringLiteral("Due for practice today: 6 items. Remembered: 50% of 8 items")),
             qPrintable(memory));
    auto *forecast = page->findChild<QChartView *>(QStringLiteral("chartForecast"));
    auto *bars = qobject_cast<QBarSeries *>(forecast->chart()->series().value(0));
    QVERIFY(bars);
    QBarSet *due = bars->barSets().value(0);
    QCOMPARE(due->count(), ForecastDays);
    QCOMPARE(due->at(0), 6.0);
    QCOMPARE(due->at(1), 2.0);
    QCOMPARE(due->sum(), 8.0);

    auto *scores = page->findChild<QChartView *>(QStringLiteral("chartScoreShare"))->chart();
    QCOMPARE(scores->series().size(), 2);
    QCOMPARE(scores->series()[0]->name(), QStringLiteral("Planet"));
    QCOMPARE(scores->series()[1]->name(), QStringLiteral("Sign"));
    for (QChart *chart : {scores, forecast->chart()})
        for (QAbstractAxis *axis : chart->axes())
            QVERIFY(!axis->titleText().isEmpty());

    page->findChild<QPushButton *>(QStringLiteral("cmdPractice"))->click();
    QCOMPARE(practised, QStringList{kModules[0]});
}

void tst_frmMyProgress::clearHistoryAsksFirst_data() {
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("testsLeft");
    QTest::addRow("no-keeps") << int(QMessageBox::No) << 3;
    QTest::addRow("yes-clears") << int(QMessageBox::Yes) << 0;
}

void tst_frmMyProgress::clearHistoryAsksFirst() {
    QFETCH(int, answer);
    QFETCH(int, testsLeft);
    fill(path(), kModules[0], 3, 2);
    fill(path(), kModules[1], 2, 2);
    frmMyProgress window(kModules, path());
    window.show();
    QWidget *page = window.findChild<QTabWidget *>(QStringLiteral("tabModules"))->widget(0);
    auto seen = TestSupport::AnswerNextMessage(QMessageBox::StandardButton(answer));
    QTest::mouseClick(page->findChild<QPushButton *>(QStringLiteral("cmdClearHistory")),
                      Qt::LeftButton);
    QVERIFY(seen->shown);
    QCOMPARE(seen->icon, QMessageBox::Question);
    QCOMPARE(seen->buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(seen->text.contains(kModules[0]));
    QVERIFY(seen->text.contains(QStringLiteral("what practice knows")));
    QCOMPARE(page->findChild<QTableWidget *>(QStringLiteral("tblTests"))->rowCount(), testsLeft);
    ProgressStore store(path());
    ModuleSummary summary;
    QVERIFY(store.Summarise(kModules[0], summary));
    QCOMPARE(summary.testCount, testsLeft);
    // What practice knows of the items goes with the history.
    QCOMPARE(summary.memory.items, testsLeft == 0 ? 0 : 4);
    // The other module's history is never touched.
    QVERIFY(store.Summarise(kModules[1], summary));
    QCOMPARE(summary.testCount, 2);
}

// The window opens with the focus on "Close"; the question before clearing
// answers No to Enter, and Enter in the window closes it.
void tst_frmMyProgress::enterNeverClears() {
    fill(path(), kModules[0], 3, 2);
    frmMyProgress window(kModules, path());
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(QApplication::focusWidget(), window.findChild<QWidget *>(QStringLiteral("cmdClose")));
    QTimer enter;
    bool asked = false;
    connect(&enter, &QTimer::timeout, &enter, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            asked = true;
            QTest::keyClick(box, Qt::Key_Return);
        }
    });
    enter.start(20);
    QWidget *page = window.findChild<QTabWidget *>(QStringLiteral("tabModules"))->widget(0);
    page->findChild<QPushButton *>(QStringLiteral("cmdClearHistory"))->click();
    QVERIFY(asked);
    QCOMPARE(page->findChild<QTableWidget *>(QStringLiteral("tblTests"))->rowCount(), 3);
    enter.stop();
    QCOMPARE(window.focusWidget(), window.findChild<QWidget *>(QStringLiteral("cmdClose")));
    QTest::keyClick(window.focusWidget(), Qt::Key_Return);
    QTRY_VERIFY(!window.isVisible());
}

void tst_frmMyProgress::menuAtEndOfMainWindow() {
    fill(path(), kModules[1], 1, 2);
    Suite suite = sandbox_->suiteWith({});
    QStringList practised;
    suite.menus.push_back(ProgressMenu(std::make_shared<Recorder>(sandbox_->locations()), kModules,
                                       [&](QWidget *, const QString &module) -> QDialog * {
                                           practised << module;
                                           return nullptr;
                                       }));
    frmMDI mdi(std::move(suite));
    const QList<QAction *> bar = mdi.menuBar()->actions();
    QVERIFY(!bar.isEmpty());
    QCOMPARE(bar.back()->text(), QStringLiteral("&Progress"));
    auto *item = mdi.findChild<QAction *>(QStringLiteral("mnuMyProgress"));
    QVERIFY(item);
    QCOMPARE(item->text(), QStringLiteral("&My Progress"));
    auto *practice = mdi.findChild<QAction *>(QStringLiteral("mnuPractice"));
    QVERIFY(practice);
    QCOMPARE(practice->text(), QStringLiteral("&Practice Due Items..."));
    QCOMPARE(practice->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    // The shortcuts clash with no other item of the main window.
    for (QAction *other : mdi.findChildren<QAction *>())
        for (QAction *mine : {item, practice})
            if (other != mine)
                QVERIFY(other->shortcut().isEmpty() || other->shortcut() != mine->shortcut());
    practice->trigger();
    QCOMPARE(practised, QStringList{QString()});
    item->trigger();
    auto *window = mdi.findChild<frmMyProgress *>(QStringLiteral("frmMyProgress"));
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->CurrentModule(), kModules[0]);
    // Choosing the item again brings back the same window.
    item->trigger();
    QCOMPARE(mdi.findChildren<frmMyProgress *>().size(), 1);
}

QTEST_MAIN(tst_frmMyProgress)
#include "tst_frmMyProgress.moc"
