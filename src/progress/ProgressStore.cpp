#include "ProgressStore.h"

#include "Fsrs.h"


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
    // Per item and kind of question of a module: the memory model's state,
    // updated by every answer recorded, so what is due is read without
    // replaying the answers.
    "CREATE TABLE IF NOT EXISTS memory ("
    " module TEXT NOT NULL,"
    " kind TEXT NOT NULL,"
    " item TEXT NOT NULL,"
    " difficulty REAL NOT NULL,"
    " stability REAL NOT NULL,"
    " last_ms INTEGER NOT NULL,"
    " due_ms INTEGER NOT NULL,"
    " reviews INTEGER NOT NULL,"
    " lapses INTEGER NOT NULL,"
    " PRIMARY KEY (module, kind, item))",
    "CREATE INDEX IF NOT EXISTS memory_by_due ON memory(module, due_ms)",
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

// The prepared statements of one write.
struct ProgressStore::Statements {
    explicit Statements(const QSqlDatabase &db)
        : known(db), insertTest(db), insertAnswer(db), countItem(db), readMemory(db), writeMemory(db) {}
    bool Prepare() {
        return known.prepare(QStringLiteral("SELECT 1 FROM tests WHERE uid = ?")) &&
               insertTest.prepare(QStringLiteral(
                   "INSERT INTO tests (module, kind, level, taken_ms, score, question_count, max_score,"
                   " uid) VALUES (?, ?, ?, ?, ?, ?, ?, ?)")) &&
               insertAnswer.prepare(QStringLiteral(
                   "INSERT INTO answers (test_id, question_index, item, given, correct, is_right)"
                   " VALUES (?, ?, ?, ?, ?, ?)")) &&
               countItem.prepare(QStringLiteral(
                   "INSERT INTO missed (module, item, missed, asked) VALUES (?, ?, ?, 1)"
                   " ON CONFLICT (module, item) DO UPDATE SET missed = missed + excluded.missed,"
                   " asked = asked + 1")) &&
               readMemory.prepare(QStringLiteral(
                   "SELECT difficulty, stability, last_ms, reviews, lapses FROM memory"
                   " WHERE module = ? AND kind = ? AND item = ?")) &&
               writeMemory.prepare(QStringLiteral(
                   "INSERT OR REPLACE INTO memory (module, kind, item, difficulty, stability, last_ms,"
                   " due_ms, reviews, lapses) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    }
    // Why the last statement that failed did.
    QString LastError() const {
        QString detail;
        for (const QSqlQuery *query : {&known, &insertTest, &insertAnswer, &countItem, &readMemory, &writeMemory})
            if (query->lastError().isValid())
                detail = query->lastError().text();
        return detail;
    }
    QSqlQuery known, insertTest, insertAnswer, countItem, readMemory, writeMemory;
};

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
    // 2: the memory model learns from every answer recorded so far, oldest first.
    if (version < 2) {
        Statements statements(db_);
        QSqlQuery history(db_);
        bool replayed = statements.Prepare() &&
                        history.exec(QStringLiteral(
                            "SELECT t.module, t.kind, a.item, a.is_right, t.taken_ms FROM answers a"
                            " JOIN tests t ON t.id = a.test_id ORDER BY t.taken_ms, t.id, a.question_index"));
        while (replayed && history.next())
            replayed = rememberAnswer(statements, history.value(0).toString(), history.value(1).toString(),
                                      history.value(2).toString(), history.value(3).toBool(),
                                      history.value(4).toLongLong());
        if (!replayed) {
            const QString detail = history.lastError().isValid() ? history.lastError().text()
                                                                 : statements.LastError();
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
    Statements statements(db_);
    bool written = statements.Prepare();
    for (qsizetype i = 0; written && i < tests.size(); ++i) {
        if (!tests[i].uid.isEmpty()) {
            statements.known.addBindValue(tests[i].uid);
            written = statements.known.exec();
            if (written && statements.known.next())
                continue; // recorded already
        }
        written = written && writeOne(tests[i], statements);
    }
    if (!written) {
        // The failing statement says why; nothing of the batch stays.
        const QString detail = statements.LastError();
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

bool ProgressStore::writeOne(const TestRecord &test, Statements &statements) {
    QSqlQuery &insertTest = statements.insertTest;
    QSqlQuery &insertAnswer = statements.insertAnswer;
    QSqlQuery &countItem = statements.countItem;
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
        if (!rememberAnswer(statements, text(test.module), text(test.kind), text(answer.item), answer.right,
                            when.toMSecsSinceEpoch()))
            return false;
    }
    return true;
}

// A right answer counts as "Good", a wrong one as "Again".
bool ProgressStore::rememberAnswer(Statements &statements, const QString &module, const QString &kind,
                                   const QString &item, bool right, qint64 whenMs) {
    static const Fsrs::Scheduler scheduler;
    const Fsrs::Grade grade = right ? Fsrs::Grade::Good : Fsrs::Grade::Again;
    QSqlQuery &read = statements.readMemory;
    read.addBindValue(module);
    read.addBindValue(kind);
    read.addBindValue(item);
    if (!read.exec())
        return false;
    Fsrs::State state;
    int reviews = 1;
    int lapses = right ? 0 : 1;
    if (read.next()) {
        const Fsrs::State before{read.value(0).toDouble(), read.value(1).toDouble()};
        const double days = double(whenMs - read.value(2).toLongLong()) / double(DayMs);
        state = scheduler.Next(before, days, grade);
        reviews += read.value(3).toInt();
        lapses += read.value(4).toInt();
    } else {
        state = scheduler.First(grade);
    }
    read.finish();
    QSqlQuery &write = statements.writeMemory;
    for (const QVariant &value :
         {QVariant(module), QVariant(kind), QVariant(item), QVariant(state.difficulty), QVariant(state.stability),
          QVariant(whenMs), QVariant(whenMs + scheduler.IntervalDays(state.stability) * DayMs), QVariant(reviews),
          QVariant(lapses)})
        write.addBindValue(value);
    return write.exec();
}

bool ProgressStore::Memory(const QString &module, QList<MemoryItem> &items) {
    items.clear();
    if (!ready_)
        return false;
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT kind, item, difficulty, stability, last_ms, due_ms, reviews, lapses"
                                 " FROM memory WHERE module = ? ORDER BY due_ms, kind, item"));
    query.addBindValue(module);
    if (!query.exec())
        return fail(QStringLiteral("read"), query.lastError().text());
    // In UTC: a practice compares thousands of these with "now", and local
    // times would each be converted on every comparison.
    while (query.next())
        items.append({query.value(0).toString(), query.value(1).toString(), query.value(2).toDouble(),
                      query.value(3).toDouble(),
                      QDateTime::fromMSecsSinceEpoch(query.value(4).toLongLong(), Qt::UTC),
                      QDateTime::fromMSecsSinceEpoch(query.value(5).toLongLong(), Qt::UTC),
                      query.value(6).toInt(), query.value(7).toInt()});
    return true;
}

bool ProgressStore::Summarise(const QString &module, ModuleSummary &summary, const QDateTime &now) {
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
            newestFirst.append(SharePoint{row.takenAt, row.percent, row.kind});
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

    query.prepare(QStringLiteral("SELECT stability, last_ms, due_ms FROM memory WHERE module = ?"));
    query.addBindValue(module);
    if (!query.exec())
        return fail(QStringLiteral("read"), query.lastError().text());
    std::vector<MemoryPoint> memory;
    while (query.next())
        memory.push_back({query.value(0).toDouble(), query.value(1).toLongLong(), query.value(2).toLongLong()});
    summary.memory = Outlook(memory, now);
    return true;
}

bool ProgressStore::Clear(const QString &module) {
    if (!ready_)
        return false;
    if (!db_.transaction())
        return fail(QStringLiteral("begin"), db_.lastError().text());
    const bool all = module.isEmpty();
    const QStringList statements =
        all ? QStringList{QStringLiteral("DELETE FROM answers"), QStringLiteral("DELETE FROM tests"),
                          QStringLiteral("DELETE FROM missed"), QStringLiteral("DELETE FROM memory")}
            : QStringList{QStringLiteral("DELETE FROM answers WHERE test_id IN"
                                         " (SELECT id FROM tests WHERE module = ?)"),
                          QStringLiteral("DELETE FROM tests WHERE module = ?"),
                          QStringLiteral("DELETE FROM missed WHERE module = ?"),
                          QStringLiteral("DELETE FROM memory WHERE module = ?")};
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
