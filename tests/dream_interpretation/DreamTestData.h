#pragma once

// Symbol tables for the dream tests: the database the build generated, the
// text sources it came from, and small tables written for one test.
#include "dream_interpretation/KeywordSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>
#include <QStringList>

#include <vector>

namespace DreamTestData {

inline QString BuiltDatabase() { return QStringLiteral(DREAM_KEYWORDS_DB); }

inline QString ContentFolder() { return QStringLiteral(DREAM_CONTENT_DIR); }

inline QStringList SourceFiles()
{
    return {ContentFolder() + QStringLiteral("/symbols_A-M.tsv"),
            ContentFolder() + QStringLiteral("/symbols_N-Z.tsv")};
}

// The symbols of the text sources, in file order; problems go to `problems`.
inline std::vector<KeywordSource::Symbol> SourceSymbols(QStringList *problems = nullptr)
{
    KeywordSource::Reader reader;
    QStringList found;
    for (const QString &path : SourceFiles()) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            found << path + QStringLiteral(": cannot be read");
        found << reader.Read(QString::fromLatin1(file.readAll()), QFileInfo(path).fileName());
    }
    if (problems)
        *problems = found;
    return reader.Symbols();
}

// Writes a table of symbols ("Keyword" -> "About Keyword.") to `path`.
inline bool WriteKeywords(const QString &path, const QStringList &keywords)
{
    std::vector<KeywordSource::Symbol> symbols;
    for (const QString &keyword : keywords)
        symbols.push_back({keyword, QStringLiteral("About ") + keyword + u'.'});
    return KeywordSource::WriteDatabase(path, symbols).isEmpty();
}

// The whole table read in keyword order, the slow way the positions are defined by.
inline std::vector<KeywordSource::Symbol> OrderedRows(const QString &path)
{
    std::vector<KeywordSource::Symbol> rows;
    const QString name = QStringLiteral("ordered-rows");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("select * from tblkeywords order by keyword"));
            while (q.next())
                rows.push_back({q.value(0).toString(), q.value(1).toString()});
        }
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

} // namespace DreamTestData
