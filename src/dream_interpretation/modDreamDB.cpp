#include "modDreamDB.h"

#include "toolkit/DataLocations.h"

#include <QSqlQuery>

namespace {

bool isCapital(QChar c) { return c >= u'A' && c <= u'Z'; }

// The keywords whose first letter is `lower` in either case: the column
// compares without regard to case, so they are the keywords from "a" up to,
// not including, "b" (for z: up to "{", the character after z).
QString letterCondition(QChar lower)
{
    return QStringLiteral("keyword >= '") + lower + QStringLiteral("' AND keyword < '") +
           QChar(lower.unicode() + 1) + u'\'';
}

} // namespace

QString DreamDatabase::ProgramDatabasePath(const DataLocations &locations)
{
    return locations.RequiredProgramFile(QStringLiteral("keywords.dll"));
}

void DreamDatabase::OpenDreamDatabase(const QString &path)
{
    QString cleaned = path;
    cleaned.remove(u'"');
    // The set of the previous connection goes first, so that connection closes now.
    DreamSet = Db::RecordSet();
    DreamConnection = Db::Database::Open(cleaned, true);
}

QString DreamDatabase::Problem() const
{
    return Db::CheckTables(DreamConnection,
                           {{QStringLiteral("tblkeywords"),
                             {QStringLiteral("keyword"), QStringLiteral("Description")}}});
}

Db::RecordSet &DreamDatabase::OpenDreamRecordset(const QString &query)
{
    DreamSet = Db::RecordSet::Open(DreamConnection, query);
    DreamSet.MoveFirst();
    return DreamSet;
}

int DreamDatabase::count(const QString &condition)
{
    Db::RecordSet &set = OpenDreamRecordset(
        QStringLiteral("select count(*) as n from tblkeywords") +
        (condition.isEmpty() ? QString() : QStringLiteral(" where ") + condition));
    return set.IsEOF() ? 0 : set.Int(QStringLiteral("n"));
}

int DreamDatabase::RowCount() { return count(QString()); }

std::optional<DreamSymbol> DreamDatabase::SymbolAt(int position)
{
    if (position < 0)
        return std::nullopt;
    // The keyword index gives the order: the inner query walks only the
    // index up to the position, and the one row found is then read whole.
    Db::RecordSet &set = OpenDreamRecordset(
        QStringLiteral("select * from tblkeywords where rowid = (select rowid from tblkeywords "
                       "order by keyword limit 1 offset ") +
        QString::number(position) + u')');
    if (set.IsEOF())
        return std::nullopt;
    return DreamSymbol{set.Text(QStringLiteral("keyword")), set.Text(QStringLiteral("Description"))};
}

std::optional<DreamSymbol> DreamDatabase::FindSymbol(const QString &keyword)
{
    if (!DreamConnection || !DreamConnection->IsOpen())
        return std::nullopt;
    QSqlQuery q(DreamConnection->Handle());
    q.setForwardOnly(true);
    // The first condition finds the row through the keyword index (which
    // ignores case); the second keeps only an exact match. Rows with equal
    // keys come in table order, so the first match is the first row.
    if (!q.prepare(QStringLiteral("select keyword, Description from tblkeywords "
                                  "where keyword = ? and keyword = ? collate binary limit 1")))
        return std::nullopt;
    q.addBindValue(keyword);
    q.addBindValue(keyword);
    if (!q.exec() || !q.next())
        return std::nullopt;
    return DreamSymbol{q.value(0).toString(), q.value(1).toString()};
}

QStringList DreamDatabase::KeywordsInOrder()
{
    QStringList keywords;
    Db::RecordSet &set = OpenDreamRecordset(QStringLiteral("select keyword from tblkeywords order by keyword"));
    for (set.MoveFirst(); !set.IsEOF(); set.MoveNext())
        keywords << set.Text(QStringLiteral("keyword"));
    return keywords;
}

QStringList DreamDatabase::KeywordsStartingWith(QChar letter)
{
    QStringList keywords;
    if (!letter.isLetter())
        return keywords;
    Db::RecordSet &set =
        OpenDreamRecordset(QStringLiteral("select keyword from tblkeywords where ") +
                           letterCondition(letter.toLower()) + QStringLiteral(" order by keyword"));
    for (set.MoveFirst(); !set.IsEOF(); set.MoveNext()) {
        const QString keyword = set.Text(QStringLiteral("keyword"));
        if (keyword.startsWith(letter))
            keywords << keyword;
    }
    return keywords;
}

std::vector<DreamLetterRange> DreamDatabase::LetterRanges(const QStringList &letters)
{
    std::vector<DreamLetterRange> ranges;
    ranges.reserve(size_t(letters.size()));
    // Counting walks the keyword index; with the letters in ascending order
    // each stretch of it is counted once (the rows before a letter are the
    // rows before the previous letter, its own rows and those in between).
    int before = 0;
    QChar countedUpTo; // the keywords below this bound are counted in `before`
    for (const QString &text : letters) {
        DreamLetterRange range;
        range.letter = text.isEmpty() ? QChar() : text.front();
        if (text.size() != 1 || !isCapital(range.letter)) {
            ranges.push_back(range);
            continue;
        }
        const QChar lower = range.letter.toLower();
        if (countedUpTo.isNull() || lower < countedUpTo) {
            before = count(QStringLiteral("keyword < '") + lower + u'\'');
        } else if (lower > countedUpTo) {
            before += count(QStringLiteral("keyword >= '") + countedUpTo +
                            QStringLiteral("' AND keyword < '") + lower + u'\'');
        }
        // One walk over the letter's stretch of the index counts its keywords
        // and those that start with the capital (GLOB compares case-sensitively
        // whatever the column's collation).
        Db::RecordSet &set = OpenDreamRecordset(
            QStringLiteral("select count(*) as n, sum(keyword glob '") + range.letter +
            QStringLiteral("*') as exact from tblkeywords where ") + letterCondition(lower));
        range.first = before;
        range.end = before + (set.IsEOF() ? 0 : set.Int(QStringLiteral("n")));
        range.exact = set.IsEOF() ? 0 : set.Int(QStringLiteral("exact"));
        ranges.push_back(range);
        before = range.end;
        countedUpTo = QChar(lower.unicode() + 1);
    }
    return ranges;
}
