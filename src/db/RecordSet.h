#pragma once

#include <QByteArray>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>
#include <optional>
#include <vector>

// The record-set layer over the suite's SQLite database files. A Database is
// one open connection; a RecordSet is the result of one query, held on the
// client side (its row count is known at once) with a current record that
// moves as a cursor does. Picture columns are read only when asked for.
namespace Db {

class Database {
public:
    // Opens an SQLite file. Read-only connections never create or change the
    // file; a missing or unreadable file gives a connection that is not open.
    static std::shared_ptr<Database> Open(const QString &path, bool readOnly = true);
    ~Database();
    Database(const Database &) = delete;
    Database &operator=(const Database &) = delete;

    bool IsOpen() const { return open_; }
    QSqlDatabase Handle() const;
    QString Path() const { return path_; }

private:
    Database() = default;
    QString name_;
    QString path_;
    bool open_ = false;
};

// The query text the engine is given for a query written for the suite's
// original database engine: only what SQLite needs is changed (the column
// name Group, a keyword, is quoted).
QString AdaptQuery(const QString &query);

// A table a reader relies on and the columns it reads from it.
struct TableNeed {
    QString table;
    QStringList columns;
};

// Why the connection cannot give its readers what they rely on: the file is
// missing, a folder or cannot be opened, it is not a database, a table or a
// column is missing, or its pages are damaged. Empty when every table and
// column is there and the file passes SQLite's quick check. Reads only.
QString CheckTables(const std::shared_ptr<Database> &db, const std::vector<TableNeed> &needs);

class RecordSet {
public:
    RecordSet() = default;
    // Runs the query on the connection. A query that fails, or a connection
    // that is not open, gives an empty set (both BOF and EOF).
    static RecordSet Open(std::shared_ptr<Database> db, const QString &query);

    bool IsValid() const { return valid_; }
    int RecordCount() const { return int(view_.size()); }

    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    // Moves n records on (back for negative n) from the current one; past
    // either end the set is at BOF or EOF.
    void Move(int n);
    // Before the first record; true for an empty set.
    bool IsBOF() const;
    // After the last record; true for an empty set.
    bool IsEOF() const;
    // Position of the current record from 0, or -1 before the first / the count after the last.
    int AbsolutePosition() const { return position_; }

    // "Column=value" (for example "ID=5", column names in any case) narrows
    // the set to the matching rows and makes the first match current; the
    // empty text shows all rows again and makes the first current.
    void SetFilter(const QString &filter);
    QString Filter() const { return filter_; }

    QStringList Columns() const { return columns_; }
    // A column of the current record by name (any case); invalid without a current record.
    QVariant Value(const QString &column) const;
    QString Text(const QString &column) const { return Value(column).toString(); }
    int Int(const QString &column) const { return Value(column).toInt(); }
    // A binary column's bytes; empty without a current record.
    QByteArray Bytes(const QString &column) const;

    // Starts a new record; SetValue fills it and Update stores it.
    void AddNew();
    // Sets a column of the new record, or of the current record (stored by Update).
    void SetValue(const QString &column, const QVariant &value);
    // Writes the new or changed record to the table. False when the
    // connection is read-only, the file is held by another program or the
    // engine refuses the row; the change is then dropped and LastError says why.
    bool Update();
    QString LastError() const { return error_; }

private:
    struct Row {
        qint64 rowid = -1;
        std::vector<QVariant> values;
    };
    int columnIndex(const QString &column) const;
    const Row *current() const;

    std::shared_ptr<Database> db_;
    QString table_;
    QStringList columns_;
    std::vector<bool> lazy_; // binary columns, read on demand by row id
    std::vector<Row> rows_;
    std::vector<int> view_;  // indices into rows_ that the filter lets through
    int position_ = -1;
    QString filter_;
    bool valid_ = false;
    bool adding_ = false;
    Row pending_;
    std::vector<bool> changed_;
    QString error_;
};

} // namespace Db
