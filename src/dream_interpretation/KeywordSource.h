#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

// The dream symbols' text sources and the database built from them. The build
// runs the generator (MakeKeywordsDb.cpp) over content/*.tsv;
// the benchmark and the tests use the same writer for tables of their own.
namespace KeywordSource {

struct Symbol {
    QString keyword;
    QString description;
};

// Reads one source text: '#' comment lines and empty lines are skipped, every
// other line must be "Keyword<TAB>Interpretation" with both fields filled and
// no blanks at either end of a field. A keyword that repeats one read before
// (in this text or an earlier one, case-insensitive) is refused. Each problem
// is returned as "file:line: what is wrong"; rows are appended to `symbols`.
class Reader {
public:
    QStringList Read(const QString &text, const QString &fileName);
    const std::vector<Symbol> &Symbols() const { return symbols_; }

private:
    std::vector<Symbol> symbols_;
    QHash<QString, QString> seen_; // folded keyword -> "file:line" of its first use
};

// Writes the symbols into a new SQLite file at `path`: table tblkeywords with
// `keyword` TEXT COLLATE NOCASE and `Description`, and a unique index on the
// keyword in that collation, which serves the keyword-order reads. The file is
// written beside the target and renamed over it only when complete. Returns
// an empty text on success, otherwise what went wrong.
QString WriteDatabase(const QString &path, const std::vector<Symbol> &symbols);

} // namespace KeywordSource
