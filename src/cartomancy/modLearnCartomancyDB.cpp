#include "modLearnCartomancyDB.h"

#include "toolkit/DataLocations.h"

#include <QSqlQuery>

#include <algorithm>

QString CardDatabasePath(const DataLocations &locations)
{
    return locations.RequiredProgramFile(QStringLiteral("learn.dll"));
}

void OpenCardDatabase(CardDatabase &database, const QString &path, bool readOnly)
{
    database.CardConnection = Db::Database::Open(path, readOnly);
}

QString CardDatabaseProblem(const CardDatabase &database)
{
    return Db::CheckTables(database.CardConnection,
                           {{QStringLiteral("tblCards"),
                             {QStringLiteral("Id"), QStringLiteral("Name"), QStringLiteral("Group"),
                              QStringLiteral("NormalMeaning"), QStringLiteral("PictureData")}},
                            {QStringLiteral("tblKeywords"),
                             {QStringLiteral("Id"), QStringLiteral("CardID"), QStringLiteral("keyword")}}});
}

Db::RecordSet OpenCardRecordset(const CardDatabase &database, const QString &query)
{
    return Db::RecordSet::Open(database.CardConnection, query);
}

QString BuildCardQuery(const std::vector<int> &groups)
{
    std::vector<int> sorted = groups;
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    if (sorted.empty())
        return QString();
    QString query = QStringLiteral("SELECT * FROM tblCards WHERE ");
    for (int group : sorted)
        query += QStringLiteral(" (Group=") + QString::number(group) + QStringLiteral(") OR ");
    query.chop(4);
    query += QStringLiteral(" ORDER BY ID");
    query.replace(QStringLiteral("  "), QStringLiteral(" "));
    return query;
}

QString CardKeywordsQuery(int cardId)
{
    return QStringLiteral("SELECT DISTINCT * FROM tblKeywords WHERE CardID=") + QString::number(cardId);
}

QString OtherKeywordsQuery(int cardId)
{
    return QStringLiteral("SELECT DISTINCT * FROM tblKeywords WHERE Not CardID=") + QString::number(cardId);
}

bool IsInStringList(const QString &text, const QStringList &list) { return list.contains(text, Qt::CaseSensitive); }

bool IsInIdList(int number, const std::vector<int> &list)
{
    return std::find(list.begin(), list.end(), number) != list.end();
}

namespace {
// The first column of the first row of a query, or an invalid value.
QVariant scalar(const std::shared_ptr<Db::Database> &db, const QString &text)
{
    QSqlQuery q(db->Handle());
    if (!q.exec(text) || !q.next())
        return {};
    return q.value(0);
}
} // namespace

OtherKeywords::OtherKeywords(std::shared_ptr<Db::Database> db, int cardId) : db_(std::move(db)), cardId_(cardId)
{
    if (!db_ || !db_->IsOpen())
        return;
    // Id is the row id when it is the table's only key, declared INTEGER: then
    // the Ids are unique whole numbers and a row is found by Id at once.
    bool idIsRowId = false;
    int keys = 0;
    {
        QSqlQuery info(db_->Handle());
        if (info.exec(QStringLiteral("PRAGMA table_info(tblKeywords)"))) {
            while (info.next()) {
                if (info.value(5).toInt() == 0)
                    continue;
                ++keys;
                idIsRowId = info.value(1).toString().compare(QLatin1String("Id"), Qt::CaseInsensitive) == 0 &&
                            info.value(2).toString().compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0;
            }
        }
    }
    if (keys == 1 && idIsRowId) {
        const qint64 total = scalar(db_, QStringLiteral("SELECT COUNT(*) FROM tblKeywords")).toLongLong();
        const qint64 unset =
            scalar(db_, QStringLiteral("SELECT COUNT(*) FROM tblKeywords WHERE CardID IS NULL")).toLongLong();
        const qint64 first = scalar(db_, QStringLiteral("SELECT MIN(Id) FROM tblKeywords")).toLongLong();
        const qint64 last = scalar(db_, QStringLiteral("SELECT MAX(Id) FROM tblKeywords")).toLongLong();
        // Ids from a damaged file can lie anywhere in the 64-bit range: the span
        // is measured without signed overflow.
        const bool gapless = total > 0 && last >= first &&
                             quint64(last) - quint64(first) == quint64(total - 1);
        if (unset == 0 && gapless) {
            QSqlQuery own(db_->Handle());
            own.prepare(QStringLiteral("SELECT Id FROM tblKeywords WHERE CardID=? ORDER BY Id"));
            own.addBindValue(cardId_);
            if (own.exec()) {
                while (own.next())
                    ownIds_.push_back(own.value(0).toLongLong());
                dense_ = true;
                firstId_ = first;
                count_ = int(total - qint64(ownIds_.size()));
                return;
            }
            ownIds_.clear();
        }
    }
    // Otherwise count the rows "Not CardID=n" selects: those whose CardID is set and differs.
    count_ = scalar(db_, QStringLiteral("SELECT COUNT(*) FROM tblKeywords WHERE NOT CardID=%1").arg(cardId_)).toInt();
}

QString OtherKeywords::At(int position) const
{
    if (!db_ || !db_->IsOpen() || position < 1 || position > count_)
        return QString();
    QSqlQuery q(db_->Handle());
    if (dense_) {
        // The position-th Id from the first, stepping over the card's own rows.
        qint64 id = firstId_ + (position - 1);
        for (qint64 own : ownIds_)
            if (own <= id)
                ++id;
        q.prepare(QStringLiteral("SELECT keyword FROM tblKeywords WHERE Id=?"));
        q.addBindValue(id);
    } else {
        q.prepare(QStringLiteral("SELECT keyword FROM tblKeywords WHERE NOT CardID=? ORDER BY Id LIMIT 1 OFFSET ?"));
        q.addBindValue(cardId_);
        q.addBindValue(position - 1);
    }
    if (!q.exec() || !q.next())
        return QString();
    return q.value(0).toString();
}
