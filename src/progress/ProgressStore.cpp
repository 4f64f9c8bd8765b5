#include "ProgressStore.h"


#include <QAtomicInt>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>

namespace Progress {

namespace {

// Each store has a connection of its own, so a window and a recording module
// (or a test holding a lock) never share one.
QString newConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("progress-%1").arg(counter.fetchAndAddRelaxed(1));
}

const char *const kSchema[] = {
    "CREATE TABLE IF NOT EXISTS tests ("
    " id INTEGER PRIMARY KEY,"
    " module TEXT NOT NULL,"
    " kind TEXT NOT NULL,"
    " level TEXT NOT NULL,"
    " taken_ms INTEGER NOT NULL,"
    " score INTEGER NOT NULL,"
    " question_count INTEGER NOT NULL,"
    " max_score INTEGER NOT NULL)",
    "CREATE INDEX IF NOT EXISTS tests_by_module_time ON tests(module, taken_ms)",
    "CREATE TABLE IF NOT EXISTS answers ("
    " test_id INTEGER NOT NULL REFERENCES tests(id),"
    " question_index INTEGER NOT NULL,"
    " item TEXT NOT NULL,"
    " given TEXT NOT NULL,"
    " correct TEXT NOT NULL,"
    " is_right INTEGER NOT NULL,"
    " PRIMARY KEY (test_id, question_index))",
    // Per item of a module: how often it was asked and missed. Kept up to date
    // by every write, so the most-missed list never scans all answers.
    "CREATE TABLE IF NOT EXISTS missed ("
    " module TEXT NOT NULL,"
    " item TEXT NOT NULL,"
    " missed INTEGER NOT NULL,"
    " asked INTEGER NOT NULL,"
    " PRIMARY KEY (module, item))",
    "CREATE INDEX IF NOT EXISTS missed_by_count ON missed(module, missed)",
};

// A null text binds as SQL NULL; an answer left empty is stored as empty text.
QString text(const QString &value) {
    return value.isNull() ? QStringLiteral("") : value;
}

int effectiveMax(int questionCount, int maxScore) {
    return maxScore > 0 ? maxScore : questionCount;
}

} // namespace

QString DefaultFileName() {
    return QStringLiteral("progress.sqlite");
}

double SharePercent(int score, int maxScore) {
    if (maxScore <= 0)
        return 0.0;
    return 100.0 * std::clamp(score, 0, maxScore) / maxScore;
}

ProgressStore::ProgressStore(const QString &path, int busyTimeoutMs)
    : path_(path),
      connection_(newConnectionName()) {
    db_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
    db_.setDatabaseName(path_);
    db_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyTimeoutMs));
    if (!db_.open()) {
        fail(QStringLiteral("open"), db_.lastError().text());
        return;
    }
    ready_ = prepareSchema();
}

ProgressStore::~ProgressStore() {
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
}

bool ProgressStore::fail(const QString &what, const QString &detail) {
    error_ = what + QStringLiteral(": ") + detail;
    return false;
}

bool ProgressStore::prepareSchema() {
    QSqlQuery query(db_);
    for (const char *statement : kSchema)
        if (!query.exec(QString::fromLatin1(statement)))
            return fail(QStringLiteral("prepare"), query.lastError().text());
    return migrate();
}

// Brings a file of an earlier version up to this one in place, in one
// transaction; everything recorded stays.
bool ProgressStore::migrate() {
    QSqlQuery query(db_);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next())
        return fail(QStringLiteral("prepare"), query.lastError().text());
    const int version = query.value(0).toInt();
    if (version >= SchemaVersion)
        return true;
    if (!db_.transaction())
        return fail(QStringLiteral("prepare"), db_.lastError().text());
    const QStringList steps = {
        // 1: every test carries a uid, unique when present.
        QStringLiteral("ALTER TABLE tests ADD COLUMN uid TEXT"),
        QStringLiteral("CREATE UNIQUE INDEX IF NOT EXISTS tests_by_uid ON tests(uid)"),
    };
    for (const QString &step : steps.mid(version == 0 ? 0 : steps.size())) {
        if (!query.exec(step)) {
            const QString detail = query.lastError().text();
            db_.rollback();
            return fail(QStringLiteral("prepare"), detail);
        }
    }
    if (!query.exec(QStringLiteral("PRAGMA user_version = %1").arg(SchemaVersion)) || !db_.commit()) {
        const QString detail = query.lastError().isValid() ? query.lastError().text()
                                                           : db_.lastError().text();
        db_.rollback();
        return fail(QStringLiteral("prepare"), detail);
    }
    return true;
}

bool ProgressStore::Record(const TestRecord &test) {
    return RecordMany({test});
}

bool ProgressStore::RecordMany(const QList<TestRecord> &tests) {
    if (!ready_)
        return false;
    if (!db_.transaction())
        return fail(QStringLiteral("begin"), db_.lastError().text());
    QSqlQuery insertTest(db_);
    QSqlQuery insertAnswer(db_);
    QSqlQuery countItem(db_);
    QSqlQuery known(db_);
    const bool prepared =
        known.prepare(QStringLiteral("SELECT 1 FROM tests WHERE uid = ?")) &&
        insertTest.prepare(QStringLiteral(
            "INSERT INTO tests (module, kind, level, taken_ms, score, question_count, max_score,"
            " uid) VALUES (?, ?, ?, ?, ?, ?, ?, ?)")) &&
        insertAnswer.prepare(QStringLiteral(
            "INSERT INTO answers (test_id, question_index, item, given, correct, is_right)"
            " VALUES (?, ?, ?, ?, ?, ?)")) &&
        countItem.prepare(QStringLiteral(
            "INSERT INTO missed (module, item, missed, asked) VALUES (?, ?, ?, 1)"
            " ON CONFLICT (module, item) DO UPDATE SET missed = missed + excluded.missed,"
            " asked = asked + 1"));
    bool written = prepared;
    for (qsizetype i = 0; written && i < tests.size(); ++i) {
        if (!tests[i].uid.isEmpty()) {
            known.addBindValue(tests[i].uid);
            written = known.exec();
            if (written && known.next())
                continue; // recorded already
        }
        written = written && writeOne(tests[i], insertTest, insertAnswer, countItem);
    }
    if (!written) {
        // The first failing statement says why; nothing of the batch stays.
        QString detail;
        for (const QSqlQuery *query : {&known, &insertTest, &insertAnswer, &countItem})
            if (query->lastError().isValid())
                detail = query->lastError().text();
        db_.rollback();
        return fail(QStringLiteral("write"), detail);
    }
    if (!db_.commit()) {
        const QString detail = db_.lastError().text();
        db_.rollback();
        return fail(QStringLiteral("commit"), detail);
    }
    return true;
}

bool ProgressStore::writeOne(const TestRecord &test, QSqlQuery &insertTest, QSqlQuery &insertAnswer,
                             QSqlQuery &countItem) {
    const QDateTime when = test.takenAt.isValid() ? test.takenAt : QDateTime::currentDateTime();
    insertTest.addBindValue(text(test.module));
    insertTest.addBindValue(text(test.kind));
    insertTest.addBindValue(text(test.level));
    insertTest.addBindValue(when.toMSecsSinceEpoch());
    insertTest.addBindValue(test.score);
    insertTest.addBindValue(test.questionCount);
    insertTest.addBindValue(effectiveMax(test.questionCount, test.maxScore));
    insertTest.addBindValue(test.uid.isEmpty() ? QVariant() : QVariant(test.uid));
    if (!insertTest.exec())
        return false;
    const qlonglong testId = insertTest.lastInsertId().toLongLong();
    for (qsizetype i = 0; i < test.answers.size(); ++i) {
        const AnswerRecord &answer = test.answers[i];
        insertAnswer.addBindValue(testId);
        insertAnswer.addBindValue(int(i));
        insertAnswer.addBindValue(text(answer.item));
        insertAnswer.addBindValue(text(answer.given));
        insertAnswer.addBindValue(text(answer.correct));
        insertAnswer.addBindValue(answer.right ? 1 : 0);
        if (!insertAnswer.exec())
            return false;
        countItem.addBindValue(text(test.module));
        countItem.addBindValue(text(answer.item));
        countItem.addBindValue(answer.right ? 0 : 1);
        if (!countItem.exec())
            return false;
    }
    return true;
}

bool ProgressStore::Summarise(const QString &module, ModuleSummary &summary) {
    summary = ModuleSummary();
    if (!ready_)
        return false;
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT COUNT(*) FROM tests WHERE module = ?"));
    query.addBindValue(module);
    if (!query.exec() || !query.next())
        return fail(QStringLiteral("read"), query.lastError().text());
    summary.testCount = query.value(0).toInt();

    // The latest tests, newest first: the table shows the first of them, the
    // chart all of them oldest first.
    query.prepare(
        QStringLiteral("SELECT taken_ms, kind, level, score, question_count, max_score FROM tests"
                       " WHERE module = ? ORDER BY taken_ms DESC, id DESC LIMIT ?"));
    query.addBindValue(module);
    query.addBindValue(std::max(ChartLimit, TableLimit));
    if (!query.exec())
        return fail(QStringLiteral("read"), query.lastError().text());
    QList<SharePoint> newestFirst;
    while (query.next()) {
        PastTest row;
        row.takenAt = QDateTime::fromMSecsSinceEpoch(query.value(0).toLongLong());
        row.kind = query.value(1).toString();
        row.level = query.value(2).toString();
        row.score = query.value(3).toInt();
        row.questionCount = query.value(4).toInt();
        row.maxScore = query.value(5).toInt();
        row.percent = SharePercent(row.score, row.maxScore);
        if (newestFirst.size() < ChartLimit)
            newestFirst.append(SharePoint{row.takenAt, row.percent});
        if (summary.recent.size() < TableLimit)
            summary.recent.append(row);
    }
    summary.chart.reserve(newestFirst.size());
    for (auto it = newestFirst.crbegin(); it != newestFirst.crend(); ++it)
        summary.chart.append(*it);

    query.prepare(
        QStringLiteral("SELECT item, missed, asked FROM missed WHERE module = ? AND missed > 0"
                       " ORDER BY missed DESC, item LIMIT ?"));
    query.addBindValue(module);
    query.addBindValue(MissedLimit);
    if (!query.exec())
        return fail(QStringLiteral("read"), query.lastError().text());
    while (query.next())
        summary.mostMissed.append(
            MissedItem{query.value(0).toString(), query.value(1).toInt(), query.value(2).toInt()});
    return true;
}

bool ProgressStore::Clear(const QString &module) {
    if (!ready_)
        return false;
    if (!db_.transaction())
        return fail(QStringLiteral("begin"), db_.lastError().text());
    const bool all = module.isEmpty();
    const QStringList statements =
        all ? QStringList{QStringLiteral("DELETE FROM answers"),
                          QStringLiteral("DELETE FROM tests"), QStringLiteral("DELETE FROM missed")}
            : QStringList{QStringLiteral("DELETE FROM answers WHERE test_id IN"
                                         " (SELECT id FROM tests WHERE module = ?)"),
                          QStringLiteral("DELETE FROM tests WHERE module = ?"),
                          QStringLiteral("DELETE FROM missed WHERE module = ?")};
    QSqlQuery query(db_);
    for (const QString &statement : statements) {
        query.prepare(statement);
        if (!all)
            query.addBindValue(module);
        if (!query.exec()) {
            const QString detail = query.lastError().text();
            db_.rollback();
            return fail(QStringLiteral("clear"), detail);
        }
    }
    if (!db_.commit()) {
        const QString detail = db_.lastError().text();
        db_.rollback();
        return fail(QStringLiteral("commit"), detail);
    }
    return true;
}

} // namespace Progress
