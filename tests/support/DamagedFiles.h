#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// Damaged copies of the suite's database files for the tests, and a record of
// a file's state to show that a window left it alone.
namespace TestSupport {

// What a file held and when it was last changed.
struct FileState {
    bool exists = false;
    QByteArray bytes;
    QDateTime modified;
};
FileState StateOf(const QString &path);

// Sets the file's modification time to a fixed day in the past, so that any
// later write shows in it; false when it cannot.
bool AgeFile(const QString &path);

// Bytes that are not a database, the same on every run.
QByteArray RandomBytes(qsizetype size, quint32 seed = 13);

// Copies the good database to `path` and runs the SQL statements on the copy.
// False (with a warning naming the statement) when one fails.
bool DamagedCopy(const QString &good, const QString &path, const QStringList &statements);

// An SQL expression for a text of about a megabyte made of one repeated word
// and spaces, so it can wrap.
QString HugeTextSql(const QString &word = QStringLiteral("huge"));

} // namespace TestSupport
