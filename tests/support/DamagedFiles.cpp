#include "DamagedFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace TestSupport {

FileState StateOf(const QString &path)
{
    FileState state;
    QFile file(path);
    state.exists = QFileInfo(path).isFile();
    if (state.exists && file.open(QIODevice::ReadOnly))
        state.bytes = file.readAll();
    state.modified = QFileInfo(path).lastModified();
    return state;
}

bool AgeFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite | QIODevice::ExistingOnly) &&
           file.setFileTime(QDateTime(QDate(2020, 2, 29), QTime(12, 0), Qt::UTC),
                            QFileDevice::FileModificationTime);
}

QByteArray RandomBytes(qsizetype size, quint32 seed)
{
    QRandomGenerator generator(seed);
    QByteArray bytes(size, '\0');
    for (char &byte : bytes)
        byte = char(generator.bounded(256));
    return bytes;
}

bool DamagedCopy(const QString &good, const QString &path, const QStringList &statements)
{
    QFile::remove(path);
    if (!QFile::copy(good, path))
        return false;
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    bool ok = true;
    const QString name = QStringLiteral("damaged-copy");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery q(db);
        for (const QString &statement : statements) {
            if (!ok)
                break;
            ok = q.exec(statement);
            if (!ok)
                qWarning("%s: %s", qPrintable(statement), qPrintable(q.lastError().text()));
        }
        q.finish();
        // Space the statements freed is given back, so the file is as compact as a shipped one.
        ok = ok && q.exec(QStringLiteral("VACUUM"));
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return ok;
}

QString HugeTextSql(const QString &word)
{
    // hex(zeroblob(n)) is n times "00"; each becomes the word and a blank.
    const int repeats = (1 << 20) / int(word.size() + 1) + 1;
    return QStringLiteral("replace(hex(zeroblob(%1)), '00', '%2 ')").arg(repeats).arg(word);
}

} // namespace TestSupport
