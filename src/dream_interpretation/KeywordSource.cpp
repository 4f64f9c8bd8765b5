#include "KeywordSource.h"

#include <QAtomicInt>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace KeywordSource {

namespace {

bool hasOuterBlanks(const QString &field)
{
    return !field.isEmpty() && (field.front().isSpace() || field.back().isSpace());
}

// What is wrong with one data line, or an empty text when it is well formed.
QString lineProblem(const QStringList &fields)
{
    if (fields.size() != 2)
        return QStringLiteral("expected a keyword and an interpretation separated by one tab, "
                              "found %1 field(s)")
            .arg(fields.size());
    if (fields[0].trimmed().isEmpty())
        return QStringLiteral("the keyword is empty");
    if (fields[1].trimmed().isEmpty())
        return QStringLiteral("the interpretation is empty");
    if (hasOuterBlanks(fields[0]) || hasOuterBlanks(fields[1]))
        return QStringLiteral("a field starts or ends with a blank");
    for (const QString &field : fields)
        for (const QChar c : field)
            if (c.category() == QChar::Other_Control)
                return QStringLiteral("a field holds a control character");
    return {};
}

QAtomicInt writerCounter;

} // namespace

QStringList Reader::Read(const QString &text, const QString &fileName)
{
    QStringList problems;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QString where = fileName + u':' + QString::number(i + 1);
        const QStringList fields = line.split(u'\t');
        const QString problem = lineProblem(fields);
        if (!problem.isEmpty()) {
            problems << where + QStringLiteral(": ") + problem;
            continue;
        }
        // The database compares keywords without regard to case, so two
        // keywords that differ only in case would be one symbol.
        const QString folded = fields[0].toCaseFolded();
        const auto earlier = seen_.constFind(folded);
        if (earlier != seen_.cend()) {
            problems << where + QStringLiteral(": the keyword \"") + fields[0] +
                            QStringLiteral("\" was already given at ") + earlier.value();
            continue;
        }
        seen_.insert(folded, where);
        symbols_.push_back({fields[0], fields[1]});
    }
    return problems;
}

QString WriteDatabase(const QString &path, const std::vector<Symbol> &symbols)
{
    const QString partPath = path + QStringLiteral(".part");
    QFile::remove(partPath);
    const QString name =
        QStringLiteral("keyword-writer-%1").arg(writerCounter.fetchAndAddRelaxed(1));
    QString error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(partPath);
        if (!db.open()) {
            error = db.lastError().text();
        } else {
            QSqlQuery q(db);
            const auto run = [&](const QString &statement) {
                if (error.isEmpty() && !q.exec(statement))
                    error = q.lastError().text();
            };
            run(QStringLiteral("CREATE TABLE tblkeywords (keyword TEXT COLLATE NOCASE NOT NULL, "
                               "Description TEXT NOT NULL)"));
            run(QStringLiteral("CREATE UNIQUE INDEX tblkeywords_keyword "
                               "ON tblkeywords (keyword COLLATE NOCASE)"));
            if (error.isEmpty() && !db.transaction())
                error = db.lastError().text();
            if (error.isEmpty() &&
                !q.prepare(QStringLiteral(
                    "INSERT INTO tblkeywords (keyword, Description) VALUES (?, ?)")))
                error = q.lastError().text();
            for (const Symbol &symbol : symbols) {
                if (!error.isEmpty())
                    break;
                q.bindValue(0, symbol.keyword);
                q.bindValue(1, symbol.description);
                if (!q.exec())
                    error = symbol.keyword + QStringLiteral(": ") + q.lastError().text();
            }
            if (error.isEmpty() && !db.commit())
                error = db.lastError().text();
            q.finish();
            db.close();
        }
    }
    QSqlDatabase::removeDatabase(name);
    if (error.isEmpty()) {
        QFile::remove(path);
        if (!QFile::rename(partPath, path))
            error = QStringLiteral("cannot move the new database to ") + path;
    }
    if (!error.isEmpty())
        QFile::remove(partPath);
    return error;
}

} // namespace KeywordSource
