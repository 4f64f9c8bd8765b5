// The dream symbol database read from damaged bytes, the way Learn Dream
// Interpretation reads it: the count, symbols by position, the letter ranges
// and lookups. Nothing is written; positions outside the table give nothing;
// on a file with the expected columns that SQLite finds consistent, a symbol
// read by position is found by its keyword.
#include "FuzzSupport.h"
#include "dream_interpretation/modDreamDB.h"

#include <QFileInfo>
#include <QSqlQuery>

// True when SQLite finds the file's tables and indexes consistent (the full
// check: the quick one does not compare an index with its table); a damaged
// index may rightly disagree with its table, so lookups are compared only then.
static bool intact(const DreamDatabase &dreams)
{
    if (!dreams.DreamConnection || !dreams.DreamConnection->IsOpen())
        return false;
    QSqlQuery check(dreams.DreamConnection->Handle());
    if (!check.exec(QStringLiteral("PRAGMA integrity_check")) || !check.next() ||
        check.value(0).toString() != QLatin1String("ok"))
        return false;
    // The check compares the keyword index with its table without regard to
    // case, as the index sorts: an index whose copy of a keyword differs from
    // the table's in case passes it, and lookups then read the index's copy.
    const auto keywords = [&](const QString &query) {
        QStringList found;
        QSqlQuery q(dreams.DreamConnection->Handle());
        if (q.exec(query))
            while (q.next())
                found << q.value(0).toString();
        return found;
    };
    const QStringList indexed = keywords(QStringLiteral(
        "SELECT keyword FROM tblkeywords INDEXED BY tblkeywords_keyword WHERE keyword > '' ORDER BY rowid"));
    return indexed.isEmpty() ||
           indexed == keywords(QStringLiteral(
               "SELECT keyword FROM tblkeywords NOT INDEXED WHERE keyword > '' ORDER BY rowid"));
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString path = Fuzz::WriteScratchFile(QStringLiteral("keywords.dll"), data, size);
    const QDateTime written = QFileInfo(path).lastModified();
    {
        DreamDatabase dreams;
        dreams.OpenDreamDatabase(path);
        const int rows = dreams.RowCount();
        Fuzz::Require(rows >= 0, "the count is not negative");
        // A damaged schema (say, an unknown collation) makes some queries fail
        // and others not: the count may fail where a read by position does not,
        // so only a sound file has to agree with its count.
        const bool consistent = dreams.Problem().isEmpty() && intact(dreams);
        Fuzz::Require(!consistent || !dreams.SymbolAt(rows), "no symbol past the end of the table");
        for (int position : {0, rows / 2, rows - 1}) {
            if (position < 0)
                continue;
            const std::optional<DreamSymbol> symbol = dreams.SymbolAt(position);
            if (consistent && symbol && !symbol->keyword.isEmpty()) {
                const std::optional<DreamSymbol> found = dreams.FindSymbol(symbol->keyword);
                Fuzz::Require(found.has_value(), "a symbol read by position is found by its keyword");
            }
        }
        const QStringList letters = {QStringLiteral("A"), QStringLiteral("M"), QStringLiteral("Z")};
        const std::vector<DreamLetterRange> ranges = dreams.LetterRanges(letters);
        Fuzz::Require(ranges.size() == size_t(letters.size()), "one range per letter");
        for (const DreamLetterRange &range : ranges) {
            Fuzz::Require(range.first >= 0 && range.first <= range.end, "a letter range is a range");
            Fuzz::Require(!consistent || range.end <= rows, "a letter range lies inside the table");
            Fuzz::Require(range.exact >= 0 && range.exact <= range.end - range.first,
                          "exact matches are part of the range");
        }
        for (const QString &keyword : dreams.KeywordsStartingWith(QChar(u'A')))
            Fuzz::Require(keyword.startsWith(u'A'), "keywords of a letter start with it");
    }
    Fuzz::Require(QFileInfo(path).size() == qint64(size) && QFileInfo(path).lastModified() == written,
                  "reading never writes the database");
    return 0;
}
