#pragma once

#include "db/RecordSet.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <vector>

// The card database learn.dll (program folder): the queries the cartomancy
// windows send, and the connection and card selection each reader holds.

// An open connection and a selection of cards on it. Every window or tab
// that reads cards holds its own, so moving or filtering one selection never
// shows in another, and it goes with its holder.
struct CardDatabase {
    std::shared_ptr<Db::Database> CardConnection;
    Db::RecordSet CardSet;
};

class DataLocations;

// learn.dll in the program folder.
QString CardDatabasePath(const DataLocations &locations);

// Opens the database file; the connection replaces the holder's previous one.
// Only the picture-entry window opens it for writing.
void OpenCardDatabase(CardDatabase &database, const QString &path, bool readOnly = true);
// Why the holder's connection cannot give the cards (missing file, not a
// database, a table or column the windows read is missing); empty when it can.
QString CardDatabaseProblem(const CardDatabase &database);
// A record set on the holder's connection (empty when the query fails).
Db::RecordSet OpenCardRecordset(const CardDatabase &database, const QString &query);

// The card-selection query for the chosen group numbers (0 to 7), e.g. for 0 and 5:
// SELECT * FROM tblCards WHERE (Group=0) OR (Group=5) ORDER BY ID
// Groups are taken in ascending order. No group gives the empty text (there is
// nothing to select).
QString BuildCardQuery(const std::vector<int> &groups);

inline QString AllCardsQuery() { return QStringLiteral("SELECT * FROM tblCards"); }
inline QString AllKeywordsQuery() { return QStringLiteral("SELECT * FROM tblKeywords"); }
QString CardKeywordsQuery(int cardId);
QString OtherKeywordsQuery(int cardId);

// True when one element of the list equals the text exactly (case-sensitive);
// false for an empty list.
bool IsInStringList(const QString &text, const QStringList &list);
bool IsInIdList(int number, const std::vector<int> &list);

// The keyword rows of every card but one (OtherKeywordsQuery), reached by
// position 1 to Count() in Id order without reading the whole set: a keyword
// draw takes one row of tens of thousands. Where the keyword Ids run without
// gaps, a position maps straight to an Id; otherwise the row is read by offset.
class OtherKeywords {
public:
    OtherKeywords(std::shared_ptr<Db::Database> db, int cardId);
    int Count() const { return count_; }
    // The keyword at a position from 1; empty outside 1..Count() or when it cannot be read.
    QString At(int position) const;

private:
    std::shared_ptr<Db::Database> db_;
    int cardId_ = 0;
    int count_ = 0;
    bool dense_ = false;
    qint64 firstId_ = 0;
    std::vector<qint64> ownIds_; // Ids of the card's own rows, ascending
};
