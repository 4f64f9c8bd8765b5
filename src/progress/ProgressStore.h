#pragma once

#include "MemoryOutlook.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

// The learner's progress record: every finished test of a learn module with
// each question's given and correct answer, kept in a per-user SQLite file.
// The class has no widgets; the recorder (ProgressRecorder) reports failures
// to the user and the "My Progress" window shows the statistics read here.
namespace Progress {

// One question of a finished test.
struct AnswerRecord {
    QString item;    // what was asked: the oil, card, symbol or palm entry
    QString given;   // the answer chosen
    QString correct; // the right answer
    bool right = false;
};

// One finished test.
struct TestRecord {
    QString uid;    // tells this test from every other, so it is never recorded twice
    QString module; // the module's name, as its button shows it
    QString kind;   // the kind of test ("Test By Keyword", "Planet", ...)
    QString level;  // the level, or the letters chosen
    QDateTime takenAt;
    int score = 0;
    int questionCount = 0;
    int maxScore = 0; // the most the test could score (questionCount when 0)
    QList<AnswerRecord> answers;
};

// A point of the score-share chart: when a test of a kind was taken and its share in percent.
struct SharePoint {
    QDateTime takenAt;
    double percent = 0.0;
    QString kind;
};

// A row of the past-tests table.
struct PastTest {
    QDateTime takenAt;
    QString kind;
    QString level;
    int score = 0;
    int questionCount = 0;
    int maxScore = 0; // the most the test could score
    double percent = 0.0;
};

// An item answered wrongly, how often, and how often it was asked.
struct MissedItem {
    QString item;
    int missed = 0;
    int asked = 0;
};

// What the memory model knows of one item and kind of question: its
// difficulty and stability, when it was last answered and when it is due
// (both in UTC, which compares without a time-zone conversion).
struct MemoryItem {
    QString kind;
    QString item;
    double difficulty = 0;
    double stability = 0;
    QDateTime lastReview;
    QDateTime due;
    int reviews = 0;
    int lapses = 0;
};

// Everything the "My Progress" window shows for one module.
struct ModuleSummary {
    int testCount = 0;            // all tests recorded for the module
    QList<SharePoint> chart;      // the latest ChartLimit tests, oldest first
    QList<PastTest> recent;       // the latest TableLimit tests, newest first
    QList<MissedItem> mostMissed; // the MissedLimit items missed most often
    MemoryOutlook memory;         // what is due and remembered, as of the summary's "now"
};

inline constexpr int ChartLimit = 500;
inline constexpr int TableLimit = 200;
inline constexpr int MissedLimit = 15;

// The file name of the record in the per-user data folder.
QString DefaultFileName();

// One open connection to a progress file. Every call reports success; on
// failure LastError() says why. Nothing here shows a message.
class ProgressStore {
public:
    // Opens (and creates when missing) the file at `path`. Busy waits are kept short so a locked file
    // fails quickly instead of holding up a test.
    explicit ProgressStore(const QString &path, int busyTimeoutMs = 250);
    ~ProgressStore();
    ProgressStore(const ProgressStore &) = delete;
    ProgressStore &operator=(const ProgressStore &) = delete;

    // True when the file is open and its tables are in place.
    bool IsReady() const { return ready_; }
    QString LastError() const { return error_; }
    QString Path() const { return path_; }

    // Stores the test and its answers in one transaction: all or nothing. A
    // test whose uid is recorded already is left out.
    bool Record(const TestRecord &test);
    // Stores several tests in one transaction (kept tests, imports, benchmarks).
    bool RecordMany(const QList<TestRecord> &tests);
    // Reads what the window shows for a module; what is due counts from `now`.
    bool Summarise(const QString &module, ModuleSummary &summary,
                   const QDateTime &now = QDateTime::currentDateTime());
    // Removes every test of the module (all modules when empty) and what the
    // memory model knows of its items, in one transaction.
    bool Clear(const QString &module);
    // The memory states of a module's items, soonest due first.
    bool Memory(const QString &module, QList<MemoryItem> &items);

    // The schema version the file is at (PRAGMA user_version).
    static constexpr int SchemaVersion = 2;

private:
    bool prepareSchema();
    bool migrate();
    bool fail(const QString &what, const QString &detail);
    struct Statements;
    bool writeOne(const TestRecord &test, Statements &statements);
    bool rememberAnswer(Statements &statements, const QString &module, const QString &kind,
                        const QString &item, bool right, qint64 whenMs);

    QString path_;
    QString connection_;
    QSqlDatabase db_;
    bool ready_ = false;
    QString error_;
};

// The share of a score in percent, 0 for a test without questions.
double SharePercent(int score, int maxScore);

} // namespace Progress
