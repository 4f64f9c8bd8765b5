#include "progress/ProgressRecorder.h"
#include "progress/Fsrs.h"
#include "progress/ProgressStore.h"
#include "toolkit/DataLocations.h"
#include "support/DamagedFiles.h"
#include "support/TestSupport.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

#include <functional>

using namespace Progress;

namespace {

const QDateTime kStart(QDate(2026, 3, 1), QTime(9, 0));

TestRecord makeTest(const QString &module, int minutes, int score, int count,
                    const QList<AnswerRecord> &answers = {}, int maxScore = 0) {
    TestRecord test;
    test.module = module;
    test.kind = QStringLiteral("Test By Keyword");
    test.level = QStringLiteral("A, B");
    test.takenAt = kStart.addSecs(60 * minutes);
    test.score = score;
    test.questionCount = count;
    test.maxScore = maxScore;
    test.answers = answers;
    return test;
}

AnswerRecord answer(const QString &item, bool right) {
    return AnswerRecord{item, right ? item + QStringLiteral(" meaning") : QStringLiteral("other"),
                        item + QStringLiteral(" meaning"), right};
}

// Rows of a table read through a connection of the test's own.
int rowCount(const QString &path, const QString &table) {
    const QString name = QStringLiteral("check");
    int count = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(QStringLiteral("SELECT COUNT(*) FROM ") + table, db);
            if (query.next())
                count = query.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(name);
    return count;
}

} // namespace

class tst_progress_store : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup()
    {
        recorder_.reset();
        sandbox_.reset();
    }
    void sharePercent_data();
    void sharePercent();
    void recordsAndSummarises();
    void modulesAreSeparate();
    void limitsKeepNewest();
    void failedWriteLeavesNothing();
    void damagedFile_data();
    void damagedFile();
    void lockedFileKeepsTestsUntilItIsFree();
    void earlierFileIsMigratedInPlace();
    void memoryFollowsEveryAnswer();

private:
    std::unique_ptr<TestSupport::Sandbox> sandbox_;
    std::unique_ptr<Recorder> recorder_;
    QString path() const { return sandbox_->folder() + QStringLiteral("/p.sqlite"); }
};

void tst_progress_store::init() {
    sandbox_ = std::make_unique<TestSupport::Sandbox>();
    recorder_ = std::make_unique<Recorder>(sandbox_->locations());
}

void tst_progress_store::sharePercent_data() {
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("max");
    QTest::addColumn<double>("percent");
    QTest::addRow("none-right") << 0 << 15 << 0.0;
    QTest::addRow("all-right") << 10 << 10 << 100.0;
    QTest::addRow("part") << 3 << 12 << 25.0;
    QTest::addRow("no-questions") << 0 << 0 << 0.0;
    QTest::addRow("over-max-clamped") << 12 << 10 << 100.0;
    QTest::addRow("negative-clamped") << -2 << 10 << 0.0;
}

void tst_progress_store::sharePercent() {
    QFETCH(int, score);
    QFETCH(int, max);
    QFETCH(double, percent);
    QCOMPARE(SharePercent(score, max), percent);
}

void tst_progress_store::recordsAndSummarises() {
    const QString cards = QStringLiteral("Learn Cartomancy");
    {
        ProgressStore store(path());
        QVERIFY2(store.IsReady(), qPrintable(store.LastError()));
        // Recorded out of time order: the summary orders by when they were taken.
        QVERIFY(
            store.Record(makeTest(cards, 20, 1, 2, {answer("Ace", false), answer("King", true)})));
        QVERIFY(store.Record(
            makeTest(cards, 10, 0, 2, {answer("Ace", false), answer("Queen", false)})));
        // A keyword test scores up to three a question: 7 of 12 possible.
        QVERIFY(store.Record(
            makeTest(cards, 30, 7, 4, {answer("Ace", true), answer("Queen", false)}, 12)));
    }
    ProgressStore store(path());
    ModuleSummary summary;
    QVERIFY2(store.Summarise(cards, summary), qPrintable(store.LastError()));
    QCOMPARE(summary.testCount, 3);
    QCOMPARE(summary.chart.size(), 3);
    QCOMPARE(summary.chart[0].takenAt, kStart.addSecs(600));
    QCOMPARE(summary.chart[0].percent, 0.0);
    QCOMPARE(summary.chart[1].percent, 50.0);
    QCOMPARE(summary.chart[2].takenAt, kStart.addSecs(1800));
    QVERIFY(qAbs(summary.chart[2].percent - 700.0 / 12) < 1e-9);
    QCOMPARE(summary.recent.size(), 3);
    QCOMPARE(summary.recent[0].score, 7);
    QCOMPARE(summary.recent[0].questionCount, 4);
    QCOMPARE(summary.recent[0].maxScore, 12);
    QCOMPARE(summary.recent[1].maxScore, 2);
    QCOMPARE(summary.recent[0].kind, QStringLiteral("Test By Keyword"));
    QCOMPARE(summary.recent[0].level, QStringLiteral("A, B"));
    QCOMPARE(summary.recent[2].takenAt, kStart.addSecs(600));
    // Most missed first; ties by name; items never missed are left out.
    QCOMPARE(summary.mostMissed.size(), 2);
    QCOMPARE(summary.mostMissed[0].item, QStringLiteral("Ace"));
    QCOMPARE(summary.mostMissed[0].missed, 2);
    QCOMPARE(summary.mostMissed[0].asked, 3);
    QCOMPARE(summary.mostMissed[1].item, QStringLiteral("Queen"));
    QCOMPARE(summary.mostMissed[1].missed, 2);
    QCOMPARE(summary.mostMissed[1].asked, 2);
    // Every question is kept with its given and correct answer.
    QCOMPARE(rowCount(path(), QStringLiteral("answers")), 6);
    // A question left unanswered (or an entry without text) is still recorded.
    QVERIFY2(store.Record(
                 makeTest(cards, 40, 0, 1, {AnswerRecord{QString(), QString(), QString(), false}})),
             qPrintable(store.LastError()));
    QCOMPARE(rowCount(path(), QStringLiteral("answers")), 7);
}

void tst_progress_store::modulesAreSeparate() {
    ProgressStore store(path());
    const QString palm = QStringLiteral("Learn Palmistry");
    const QString dream = QStringLiteral("Learn Dream Interpretation");
    QVERIFY(store.Record(makeTest(palm, 1, 5, 10, {answer("Life Line", false)})));
    QVERIFY(store.Record(makeTest(dream, 2, 3, 5, {answer("Water", false)})));
    QVERIFY(store.Record(makeTest(dream, 3, 4, 5)));
    ModuleSummary summary;
    QVERIFY(store.Summarise(palm, summary));
    QCOMPARE(summary.testCount, 1);
    QCOMPARE(summary.mostMissed.size(), 1);
    QCOMPARE(summary.mostMissed[0].item, QStringLiteral("Life Line"));

    QVERIFY(store.Clear(dream));
    QVERIFY(store.Summarise(dream, summary));
    QCOMPARE(summary.testCount, 0);
    QVERIFY(summary.mostMissed.isEmpty());
    QVERIFY(store.Summarise(palm, summary));
    QCOMPARE(summary.testCount, 1);
    QCOMPARE(rowCount(path(), QStringLiteral("answers")), 1);

    QVERIFY(store.Clear(QString()));
    QCOMPARE(rowCount(path(), QStringLiteral("tests")), 0);
    QCOMPARE(rowCount(path(), QStringLiteral("missed")), 0);
}

void tst_progress_store::limitsKeepNewest() {
    ProgressStore store(path());
    const QString aroma = QStringLiteral("Learn Aromatherapy");
    const int total = ChartLimit + 7;
    QList<TestRecord> tests;
    for (int i = 0; i < total; ++i)
        tests.append(makeTest(aroma, i, i % 16, 15));
    QVERIFY(store.RecordMany(tests));
    ModuleSummary summary;
    QVERIFY(store.Summarise(aroma, summary));
    QCOMPARE(summary.testCount, total);
    QCOMPARE(summary.chart.size(), ChartLimit);
    QCOMPARE(summary.recent.size(), TableLimit);
    QCOMPARE(summary.chart.back().takenAt, kStart.addSecs(60 * (total - 1)));
    QCOMPARE(summary.chart.front().takenAt, kStart.addSecs(60 * 7));
    QCOMPARE(summary.recent.front().takenAt, kStart.addSecs(60 * (total - 1)));
}

void tst_progress_store::failedWriteLeavesNothing() {
    const QString module = QStringLiteral("Learn Cartomancy");
    {
        ProgressStore store(path());
        QVERIFY(store.Record(makeTest(module, 0, 1, 1, {answer("Ace", false)})));
    }
    // A trigger makes the third answer's write fail, after the test row and two
    // answers went in: none of it may stay.
    {
        QSqlDatabase db =
            QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("trigger"));
        db.setDatabaseName(path());
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY2(query.exec(QStringLiteral(
                     "CREATE TRIGGER refuse BEFORE INSERT ON answers WHEN NEW.item = 'boom'"
                     " BEGIN SELECT RAISE(ABORT, 'refused'); END")),
                 qPrintable(query.lastError().text()));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("trigger"));
    ProgressStore store(path());
    QVERIFY(!store.Record(makeTest(
        module, 5, 1, 3, {answer("Ace", true), answer("King", false), answer("boom", false)})));
    QVERIFY(store.LastError().contains(QStringLiteral("refused")));
    QCOMPARE(rowCount(path(), QStringLiteral("tests")), 1);
    QCOMPARE(rowCount(path(), QStringLiteral("answers")), 1);
    ModuleSummary summary;
    QVERIFY(store.Summarise(module, summary));
    QCOMPARE(summary.mostMissed.size(), 1);
    QCOMPARE(summary.mostMissed[0].asked, 1);
    // The store stays usable after the failed write.
    QVERIFY(store.Record(makeTest(module, 6, 1, 1, {answer("Ace", true)})));
    QCOMPARE(rowCount(path(), QStringLiteral("tests")), 2);
}

void tst_progress_store::damagedFile_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addRow("random-bytes") << TestSupport::RandomBytes(8192);
    QByteArray header("SQLite format 3");
    header.append('\0');
    header.append(TestSupport::RandomBytes(4080, 7));
    QTest::addRow("header-then-garbage") << header;
}

void tst_progress_store::damagedFile() {
    QFETCH(QByteArray, bytes);
    const QString file = recorder_->RecordPath();
    {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
    TestSupport::MessageRecorder recorder;
    QVERIFY(!recorder_->RecordFinishedTest(makeTest(QStringLiteral("Learn Palmistry"), 0, 1, 10), nullptr));
    QVERIFY(!recorder_->RecordFinishedTest(makeTest(QStringLiteral("Learn Palmistry"), 1, 2, 10), nullptr));
    // Each test is said to be kept, not recorded; none is lost.
    QCOMPARE(recorder.messages.size(), 2);
    QCOMPARE(recorder.messages[0].icon, QMessageBox::Warning);
    QVERIFY(recorder.messages[1].text.startsWith(NotYetRecordedMessage(QString())));
    QVERIFY(recorder.messages[1].text.contains(file));
    QCOMPARE(recorder_->WaitingTestCount(), 2);
    QCOMPARE(ParseWaiting(TestSupport::StateOf(recorder_->WaitingFilePath()).bytes).size(), 2);
    // The damaged file is left as it was, for the user to keep or remove.
    QCOMPARE(TestSupport::StateOf(file).bytes, bytes);
    // Once it is gone, the kept tests go into a new record.
    QVERIFY(QFile::remove(file));
    QVERIFY(recorder_->RecordWaitingTests());
    QCOMPARE(rowCount(file, QStringLiteral("tests")), 2);
    QVERIFY(!QFile::exists(recorder_->WaitingFilePath()));
}

// Tests taken while another program locks the record are kept and written
// when it is free: with the next test, or by the next run from the waiting
// file; none is lost and none is recorded twice.
void tst_progress_store::lockedFileKeepsTestsUntilItIsFree() {
    const QString file = recorder_->RecordPath();
    const QString module = QStringLiteral("Learn Aromatherapy");
    QVERIFY(recorder_->RecordFinishedTest(makeTest(module, 0, 5, 15), nullptr));
    const auto locked = [&](const std::function<void()> &whileLocked) {
        {
            QSqlDatabase lock =
                QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("lock"));
            lock.setDatabaseName(file);
            QVERIFY(lock.open());
            QSqlQuery query(lock);
            QVERIFY(query.exec(QStringLiteral("BEGIN EXCLUSIVE")));
            QVERIFY(query.exec(QStringLiteral("DELETE FROM missed")));
            whileLocked();
            QVERIFY(query.exec(QStringLiteral("ROLLBACK")));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("lock"));
    };
    locked([&] {
        TestSupport::MessageRecorder recorder;
        QElapsedTimer timer;
        timer.start();
        QVERIFY(!recorder_->RecordFinishedTest(makeTest(module, 1, 6, 15), nullptr));
        QVERIFY(!recorder_->RecordFinishedTest(makeTest(module, 2, 7, 15), nullptr));
        // A lock holds a test up briefly, never for the driver's default five seconds.
        QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(recorder.messages.size(), 2);
        QVERIFY(recorder.messages[1].text.contains(QStringLiteral("locked")));
        QVERIFY(!recorder_->RecordWaitingTests()); // at exit, still locked: they stay in the file
    });
    // The next test goes in with the two kept ones, without a message.
    {
        TestSupport::MessageRecorder recorder;
        QVERIFY(recorder_->RecordFinishedTest(makeTest(module, 3, 8, 15), nullptr));
        QCOMPARE(recorder.messages.size(), 0);
    }
    QCOMPARE(rowCount(file, QStringLiteral("tests")), 4);
    QCOMPARE(recorder_->WaitingTestCount(), 0);

    // Kept in the file when the run ends, written by the next run.
    TestSupport::MessageRecorder recorder;
    locked([&] { QVERIFY(!recorder_->RecordFinishedTest(makeTest(module, 4, 9, 15), nullptr)); });
    const QByteArray kept = TestSupport::StateOf(recorder_->WaitingFilePath()).bytes;
    QCOMPARE(ParseWaiting(kept).size(), 1);
    recorder_ = std::make_unique<Recorder>(sandbox_->locations()); // a new run
    QCOMPARE(recorder_->WaitingTestCount(), 1);
    QVERIFY(recorder_->RecordWaitingTests());
    QCOMPARE(rowCount(file, QStringLiteral("tests")), 5);
    // A waiting file left behind after its tests went in adds nothing.
    QFile again(recorder_->WaitingFilePath());
    QVERIFY(again.open(QIODevice::WriteOnly) && again.write(kept) == kept.size());
    again.close();
    recorder_ = std::make_unique<Recorder>(sandbox_->locations());
    QVERIFY(recorder_->RecordWaitingTests());
    QCOMPARE(rowCount(file, QStringLiteral("tests")), 5);
}

// A record written before tests carried a uid opens with every test kept.
void tst_progress_store::earlierFileIsMigratedInPlace() {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("old"));
        db.setDatabaseName(path());
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec(QStringLiteral(
            "CREATE TABLE tests (id INTEGER PRIMARY KEY, module TEXT NOT NULL, kind TEXT NOT NULL,"
            " level TEXT NOT NULL, taken_ms INTEGER NOT NULL, score INTEGER NOT NULL,"
            " question_count INTEGER NOT NULL, max_score INTEGER NOT NULL)")));
        QVERIFY(query.exec(QStringLiteral(
            "INSERT INTO tests VALUES (1, 'Learn Palmistry', 'Test By Significance', '', 0, 7, 10, 10)")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("old"));
    ProgressStore store(path());
    QVERIFY2(store.IsReady(), qPrintable(store.LastError()));
    ModuleSummary summary;
    QVERIFY(store.Summarise(QStringLiteral("Learn Palmistry"), summary));
    QCOMPARE(summary.testCount, 1);
    QCOMPARE(summary.recent[0].score, 7);
    TestRecord test = makeTest(QStringLiteral("Learn Palmistry"), 1, 3, 10);
    test.uid = QStringLiteral("one");
    QVERIFY(store.Record(test));
    QVERIFY(store.Record(test)); // the same test again: left out
    QCOMPARE(rowCount(path(), QStringLiteral("tests")), 2);
}

// Every recorded answer updates the memory model's state of its item (right
// as "Good", wrong as "Again"); a file from before the model learns the same
// states from its history; clearing a module forgets them.
void tst_progress_store::memoryFollowsEveryAnswer() {
    const QString cards = QStringLiteral("Learn Cartomancy");
    const Fsrs::Scheduler fsrs;
    QList<MemoryItem> before;
    {
        ProgressStore store(path());
        QVERIFY(store.Record(makeTest(cards, 0, 1, 2, {answer("Ace", true), answer("King", false)})));
        // Three days later the Ace is missed and the King answered.
        QVERIFY(store.Record(makeTest(cards, 3 * 24 * 60, 1, 2, {answer("Ace", false), answer("King", true)})));
        QVERIFY(store.Record(makeTest(QStringLiteral("Learn Palmistry"), 5, 1, 1, {answer("Head Line", true)})));
        QVERIFY(store.Memory(cards, before));
    }
    QCOMPARE(before.size(), 2);
    const Fsrs::State ace = fsrs.Next(fsrs.First(Fsrs::Grade::Good), 3, Fsrs::Grade::Again);
    const Fsrs::State king = fsrs.Next(fsrs.First(Fsrs::Grade::Again), 3, Fsrs::Grade::Good);
    for (const MemoryItem &item : std::as_const(before)) {
        const Fsrs::State &expected = item.item == QLatin1String("Ace") ? ace : king;
        QCOMPARE(item.kind, QStringLiteral("Test By Keyword"));
        QCOMPARE(item.stability, expected.stability);
        QCOMPARE(item.difficulty, expected.difficulty);
        QCOMPARE(item.reviews, 2);
        QCOMPARE(item.lapses, 1);
        QCOMPARE(item.lastReview, kStart.addDays(3));
        QCOMPARE(item.due, kStart.addDays(3 + fsrs.IntervalDays(expected.stability)));
    }

    // The same file as it was before the model: its history teaches the same states.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("older"));
        db.setDatabaseName(path());
        QVERIFY(db.open());
        QSqlQuery query(db);
        QVERIFY(query.exec(QStringLiteral("DROP TABLE memory")));
        QVERIFY(query.exec(QStringLiteral("PRAGMA user_version = 1")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("older"));
    ProgressStore store(path());
    QVERIFY2(store.IsReady(), qPrintable(store.LastError()));
    QList<MemoryItem> after;
    QVERIFY(store.Memory(cards, after));
    QCOMPARE(after.size(), before.size());
    for (qsizetype i = 0; i < after.size(); ++i) {
        QCOMPARE(after[i].item, before[i].item);
        QCOMPARE(after[i].stability, before[i].stability);
        QCOMPARE(after[i].due, before[i].due);
    }
    QCOMPARE(rowCount(path(), QStringLiteral("tests")), 3);

    QVERIFY(store.Clear(cards));
    QVERIFY(store.Memory(cards, after));
    QVERIFY(after.isEmpty());
    QVERIFY(store.Memory(QStringLiteral("Learn Palmistry"), after));
    QCOMPARE(after.size(), 1);
}

QTEST_MAIN(tst_progress_store)
#include "tst_progress_store.moc"
