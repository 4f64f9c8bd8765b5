#include "RecordSet.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

namespace Db {

namespace {
QAtomicInt connectionCounter;

// The table a "SELECT [DISTINCT] * FROM table ..." query reads, or "".
QString starQueryTable(const QString &query)
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*select\s+(?:distinct\s+)?\*\s+from\s+(\w+))"),
        QRegularExpression::CaseInsensitiveOption);
    const auto match = pattern.match(query);
    return match.hasMatch() ? match.captured(1) : QString();
}
} // namespace

std::shared_ptr<Database> Database::Open(const QString &path, bool readOnly)
{
    std::shared_ptr<Database> db(new Database());
    db->path_ = path;
    db->name_ = QStringLiteral("suite-db-%1").arg(connectionCounter.fetchAndAddRelaxed(1));
    QSqlDatabase handle = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), db->name_);
    handle.setDatabaseName(path);
    // Another program holding the file is waited for a second at most, so a
    // window does not freeze on it; the step then fails and says so.
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=1000");
    if (readOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    handle.setConnectOptions(options);
    // A missing file would otherwise be created empty by a writable connection.
    db->open_ = QFileInfo(path).isFile() && handle.open();
    return db;
}

Database::~Database()
{
    {
        QSqlDatabase handle = QSqlDatabase::database(name_, false);
        if (handle.isOpen())
            handle.close();
    }
    QSqlDatabase::removeDatabase(name_);
}

QSqlDatabase Database::Handle() const { return QSqlDatabase::database(name_, false); }

QString AdaptQuery(const QString &query)
{
    static const QRegularExpression group(QStringLiteral(R"(\bGroup\b(?=\s*=))"));
    QString adapted = query;
    adapted.replace(group, QStringLiteral("\"Group\""));
    return adapted;
}

QString CheckTables(const std::shared_ptr<Database> &db, const std::vector<TableNeed> &needs)
{
    if (db && QFileInfo(db->Path()).isDir())
        return QStringLiteral("it is a folder, not a database file");
    if (!db || !QFileInfo(db->Path()).isFile())
        return QStringLiteral("the file is missing");
    if (!db->IsOpen())
        return QStringLiteral("the file cannot be opened");
    for (const TableNeed &need : needs) {
        QSqlQuery info(db->Handle());
        // An empty file is an empty database; bytes of another kind fail here.
        if (!info.exec(QStringLiteral("PRAGMA table_info(\"%1\")").arg(need.table)))
            return QStringLiteral("the file cannot be read as a database (") +
                   info.lastError().databaseText() + u')';
        QStringList present;
        while (info.next())
            present << info.value(1).toString();
        if (present.isEmpty())
            return QStringLiteral("the table ") + need.table + QStringLiteral(" is missing");
        for (const QString &column : need.columns)
            if (!present.contains(column, Qt::CaseInsensitive))
                return QStringLiteral("the column ") + column + QStringLiteral(" of the table ") +
                       need.table + QStringLiteral(" is missing");
    }
    // The schema alone says nothing of the pages behind it: a damaged page
    // would cut a table short without a word.
    QSqlQuery check(db->Handle());
    if (!check.exec(QStringLiteral("PRAGMA quick_check(1)")) || !check.next())
        return QStringLiteral("the file is damaged (") + check.lastError().databaseText() + u')';
    if (const QString verdict = check.value(0).toString(); verdict != QLatin1String("ok"))
        return QStringLiteral("the file is damaged (") + verdict + u')';
    return QString();
}

RecordSet RecordSet::Open(std::shared_ptr<Database> db, const QString &query)
{
    RecordSet set;
    set.db_ = db;
    if (!db || !db->IsOpen())
        return set;
    QSqlDatabase handle = db->Handle();
    QString text = AdaptQuery(query);
    set.table_ = starQueryTable(text);

    // Binary columns of a whole-row query are left out and read on demand.
    QStringList selected;
    if (!set.table_.isEmpty()) {
        QSqlQuery info(handle);
        if (info.exec(QStringLiteral("PRAGMA table_info(%1)").arg(set.table_))) {
            while (info.next()) {
                set.columns_ << info.value(1).toString();
                const bool blob = info.value(2).toString().compare(QLatin1String("BLOB"), Qt::CaseInsensitive) == 0;
                set.lazy_.push_back(blob);
                selected << (blob ? QStringLiteral("NULL") : u'"' + set.columns_.last() + u'"');
            }
        }
        if (set.columns_.isEmpty())
            return set;
        static const QRegularExpression star(QStringLiteral(R"(\*)"));
        const qsizetype at = text.indexOf(star);
        text = text.left(at) + QStringLiteral("rowid, ") + selected.join(QStringLiteral(", ")) +
               text.mid(at + 1);
    }

    QSqlQuery q(handle);
    q.setForwardOnly(true);
    if (!q.exec(text))
        return set;
    const QSqlRecord record = q.record();
    const int offset = set.table_.isEmpty() ? 0 : 1;
    if (set.table_.isEmpty()) {
        for (int i = 0; i < record.count(); ++i)
            set.columns_ << record.fieldName(i);
        set.lazy_.assign(size_t(record.count()), false);
    }
    const int count = int(set.columns_.size());
    while (q.next()) {
        Row row;
        row.rowid = offset ? q.value(0).toLongLong() : -1;
        row.values.reserve(size_t(count));
        for (int i = 0; i < count; ++i)
            row.values.push_back(q.value(i + offset));
        set.rows_.push_back(std::move(row));
    }
    // A read that stops on a damaged page gives no rows rather than the first
    // part of the table passed off as all of it.
    if (q.lastError().isValid()) {
        set.rows_.clear();
        return set;
    }
    set.view_.resize(set.rows_.size());
    for (size_t i = 0; i < set.rows_.size(); ++i)
        set.view_[i] = int(i);
    set.valid_ = true;
    set.position_ = 0;
    return set;
}

void RecordSet::MoveFirst() { position_ = 0; }
void RecordSet::MoveLast() { position_ = RecordCount() - 1; }
void RecordSet::MoveNext() { Move(1); }
void RecordSet::MovePrevious() { Move(-1); }

void RecordSet::Move(int n)
{
    position_ = std::clamp(position_ + n, -1, RecordCount());
}

bool RecordSet::IsBOF() const { return RecordCount() == 0 || position_ < 0; }
bool RecordSet::IsEOF() const { return RecordCount() == 0 || position_ >= RecordCount(); }

void RecordSet::SetFilter(const QString &filter)
{
    filter_ = filter.trimmed();
    view_.clear();
    const qsizetype eq = filter_.indexOf(u'=');
    const int column = eq > 0 ? columnIndex(filter_.left(eq).trimmed()) : -1;
    const QString wanted = eq > 0 ? filter_.mid(eq + 1).trimmed() : QString();
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (filter_.isEmpty() ||
            (column >= 0 && rows_[i].values[size_t(column)].toString() == wanted))
            view_.push_back(int(i));
    }
    position_ = 0;
}

int RecordSet::columnIndex(const QString &column) const
{
    for (qsizetype i = 0; i < columns_.size(); ++i)
        if (columns_[i].compare(column, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

const RecordSet::Row *RecordSet::current() const
{
    if (IsBOF() || IsEOF())
        return nullptr;
    return &rows_[size_t(view_[size_t(position_)])];
}

QVariant RecordSet::Value(const QString &column) const
{
    const Row *row = current();
    const int index = columnIndex(column);
    if (!row || index < 0)
        return {};
    if (lazy_[size_t(index)])
        return Bytes(column);
    return row->values[size_t(index)];
}

QByteArray RecordSet::Bytes(const QString &column) const
{
    const Row *row = current();
    const int index = columnIndex(column);
    if (!row || index < 0)
        return {};
    if (!lazy_[size_t(index)] || row->rowid < 0)
        return row->values[size_t(index)].toByteArray();
    QSqlQuery q(db_->Handle());
    q.prepare(QStringLiteral("SELECT \"%1\" FROM %2 WHERE rowid = ?").arg(columns_[index], table_));
    q.addBindValue(row->rowid);
    if (!q.exec() || !q.next())
        return {};
    return q.value(0).toByteArray();
}

void RecordSet::AddNew()
{
    adding_ = true;
    pending_ = Row{};
    pending_.values.assign(size_t(columns_.size()), QVariant());
    changed_.assign(size_t(columns_.size()), false);
}

void RecordSet::SetValue(const QString &column, const QVariant &value)
{
    const int index = columnIndex(column);
    if (index < 0)
        return;
    if (!adding_) {
        const Row *row = current();
        if (!row)
            return;
        if (changed_.size() != size_t(columns_.size()))
            changed_.assign(size_t(columns_.size()), false);
        pending_ = *row;
    }
    pending_.values[size_t(index)] = value;
    changed_[size_t(index)] = true;
}

bool RecordSet::Update()
{
    if (!db_ || !db_->IsOpen() || table_.isEmpty() || changed_.empty())
        return false;
    QStringList names, marks;
    std::vector<QVariant> values;
    for (size_t i = 0; i < changed_.size(); ++i) {
        if (!changed_[i])
            continue;
        names << u'"' + columns_[qsizetype(i)] + u'"';
        marks << QStringLiteral("?");
        values.push_back(pending_.values[i]);
    }
    QSqlQuery q(db_->Handle());
    if (adding_) {
        q.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(table_, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
    } else {
        const Row *row = current();
        if (!row)
            return false;
        q.prepare(QStringLiteral("UPDATE %1 SET %2 = ? WHERE rowid = %3")
                      .arg(table_, names.join(QStringLiteral(" = ?, ")))
                      .arg(row->rowid));
    }
    for (const QVariant &value : values)
        q.addBindValue(value);
    if (!q.exec()) {
        error_ = q.lastError().text();
        // The change is dropped: the record keeps what the table holds.
        adding_ = false;
        changed_.clear();
        return false;
    }
    error_.clear();
    // Binary columns stay on disk; the set keeps the rest.
    for (size_t i = 0; i < lazy_.size(); ++i)
        if (lazy_[i])
            pending_.values[i] = QVariant();
    if (adding_) {
        pending_.rowid = q.lastInsertId().toLongLong();
        rows_.push_back(pending_);
        view_.push_back(int(rows_.size() - 1));
        position_ = RecordCount() - 1;
    } else {
        rows_[size_t(view_[size_t(position_)])].values = pending_.values;
    }
    adding_ = false;
    changed_.clear();
    return true;
}

} // namespace Db
