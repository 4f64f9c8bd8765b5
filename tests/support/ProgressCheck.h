#pragma once

// Reads what the progress record holds for a module, through a connection of
// the test's own, so module tests can check that a finished test was recorded
// (with every question) and that a test left early was not.

#include "toolkit/DataLocations.h"

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

namespace TestSupport {

struct RecordedAnswer {
    QString item;
    QString given;
    QString correct;
    bool right = false;
};

struct RecordedTest {
    QString kind;
    QString level;
    int score = 0;
    int questionCount = 0;
    int maxScore = 0;
    QList<RecordedAnswer> answers;
};

// The tests recorded for `module`, oldest first; none when the file does not exist.
inline QList<RecordedTest> RecordedTests(const DataLocations &locations, const QString &module) {
    QList<RecordedTest> tests;
    const QString path = locations.UserFile(QStringLiteral("progress.sqlite"));
    if (!QFile::exists(path))
        return tests;
    const QString name = QStringLiteral("progress-check");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        if (db.open()) {
            QSqlQuery query(db);
            query.prepare(QStringLiteral("SELECT id, kind, level, score, question_count, max_score"
                                         " FROM tests WHERE module = ? ORDER BY taken_ms, id"));
            query.addBindValue(module);
            query.exec();
            QList<qlonglong> ids;
            while (query.next()) {
                ids.append(query.value(0).toLongLong());
                tests.append({query.value(1).toString(),
                              query.value(2).toString(),
                              query.value(3).toInt(),
                              query.value(4).toInt(),
                              query.value(5).toInt(),
                              {}});
            }
            for (qsizetype i = 0; i < ids.size(); ++i) {
                query.prepare(QStringLiteral("SELECT item, given, correct, is_right FROM answers"
                                             " WHERE test_id = ? ORDER BY question_index"));
                query.addBindValue(ids[i]);
                query.exec();
                while (query.next())
                    tests[i].answers.append({query.value(0).toString(), query.value(1).toString(),
                                             query.value(2).toString(), query.value(3).toBool()});
            }
        }
    }
    QSqlDatabase::removeDatabase(name);
    return tests;
}

} // namespace TestSupport
