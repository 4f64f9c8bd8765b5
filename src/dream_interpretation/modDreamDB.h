#pragma once

#include "db/RecordSet.h"

#include <QChar>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

// Access to the dream symbol database "keywords.dll" in the program folder:
// table tblkeywords with the columns keyword and Description. Every step that
// needs the symbols opens a new read-only connection first (OpenDreamDatabase)
// and then reads only the rows it needs: a row at a position in keyword order
// or a keyword looked up through the keyword index, never the whole table.
// A missing, empty or damaged file gives no rows and no error.

class DataLocations;

struct DreamSymbol {
    QString keyword;
    QString description;
};

// Where the symbols starting with one letter lie in keyword order: positions
// first to end - 1 hold the keywords whose first letter is this one in either
// case; `exact` of them start with the letter exactly as given (a capital).
struct DreamLetterRange {
    QChar letter;
    int first = 0;
    int end = 0;
    int exact = 0;
    bool Contains(int position) const { return position >= first && position < end; }
    // True when every keyword of the range starts with the capital itself.
    bool AllExact() const { return exact == end - first; }
};

class DreamDatabase {
public:
    // The database file the program reads: "keywords.dll" in the program folder.
    static QString ProgramDatabasePath(const DataLocations &locations);

    // Opens a new read-only connection to the file at `path`, with every
    // double-quote character removed from the path, in place of the previous one.
    void OpenDreamDatabase(const QString &path);
    // Runs a query on the current connection; the result becomes DreamSet and
    // its first row is current. A failing query gives an empty set.
    Db::RecordSet &OpenDreamRecordset(const QString &query);

    // Why the current connection cannot give the symbols (missing file, not a
    // database, the table or one of its two columns missing); empty when it can.
    QString Problem() const;

    // Reads on the current connection.
    int RowCount();
    // The symbol at a position (from 0) of the table read in keyword order.
    std::optional<DreamSymbol> SymbolAt(int position);
    // The first symbol whose keyword equals the text exactly.
    std::optional<DreamSymbol> FindSymbol(const QString &keyword);
    // Every keyword in keyword order (position 0 first).
    QStringList KeywordsInOrder();
    // The keywords whose first character is the letter (exactly, case-sensitive),
    // in keyword order.
    QStringList KeywordsStartingWith(QChar letter);
    // One range per letter of `letters` (capitals A to Z in ascending order),
    // in the same order; a letter outside A to Z gets an empty range.
    std::vector<DreamLetterRange> LetterRanges(const QStringList &letters);

    std::shared_ptr<Db::Database> DreamConnection;
    Db::RecordSet DreamSet;

private:
    int count(const QString &condition);
};
