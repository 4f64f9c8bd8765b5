// The record-set layer: navigation, filters, picture bytes, writing rows, and
// files that are missing or damaged.
#include "db/RecordSet.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

using Db::Database;
using Db::RecordSet;

class TestRecordSet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void queryTextAdaptedOnlyWhereNeeded();
    void navigationStopsAtBothEnds();
    void filterNarrowsAndRestores();
    void picturesReadOnDemandAndRoundTrip();
    void newRowsAndReadOnlyFiles();
    void missingOrDamagedFileGivesEmptySets();
    void checkTablesNamesWhatIsMissing_data();
    void checkTablesNamesWhatIsMissing();

private:
    QString path_;
    QTemporaryDir dir_;
};

void TestRecordSet::initTestCase()
{
    path_ = dir_.filePath(QStringLiteral("cards.db"));
    auto db = Database::Open(path_, false);
    QVERIFY(!db->IsOpen()); // a writable connection still never creates a missing file
    QVERIFY(!QFile::exists(path_));
    {
        QSqlDatabase create = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("create"));
        create.setDatabaseName(path_);
        QVERIFY(create.open());
        QSqlQuery q(create);
        QVERIFY(q.exec(QStringLiteral("CREATE TABLE tblCards (Id INTEGER PRIMARY KEY, Name TEXT, "
                                      "\"Group\" INTEGER, PictureData BLOB)")));
        for (int id = 1; id <= 6; ++id) {
            q.prepare(QStringLiteral("INSERT INTO tblCards VALUES (?, ?, ?, ?)"));
            q.addBindValue(id);
            q.addBindValue(QStringLiteral("Card %1").arg(id));
            q.addBindValue(id % 3);
            q.addBindValue(id == 2 ? QByteArray("\x89PNG bytes\0with nul", 19) : QByteArray());
            QVERIFY(q.exec());
        }
        create.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("create"));
}

void TestRecordSet::queryTextAdaptedOnlyWhereNeeded()
{
    QCOMPARE(Db::AdaptQuery(QStringLiteral("SELECT * FROM tblCards WHERE (Group=0) OR (Group=5) ORDER BY ID")),
             QStringLiteral("SELECT * FROM tblCards WHERE (\"Group\"=0) OR (\"Group\"=5) ORDER BY ID"));
    const QString keywords = QStringLiteral("SELECT DISTINCT * FROM tblKeywords WHERE Not CardID=5");
    QCOMPARE(Db::AdaptQuery(keywords), keywords);
    auto db = Database::Open(path_);
    RecordSet set = RecordSet::Open(db, QStringLiteral("SELECT * FROM tblCards WHERE (Group=1) OR (Group=2) ORDER BY ID"));
    QCOMPARE(set.RecordCount(), 4);
    QCOMPARE(set.Text(QStringLiteral("Name")), QStringLiteral("Card 1"));
}

void TestRecordSet::navigationStopsAtBothEnds()
{
    RecordSet set = RecordSet::Open(Database::Open(path_), QStringLiteral("SELECT * FROM tblCards ORDER BY ID"));
    QCOMPARE(set.RecordCount(), 6);
    QVERIFY(!set.IsBOF() && !set.IsEOF());
    set.MoveFirst();
    set.Move(3); // the fourth card
    QCOMPARE(set.Int(QStringLiteral("id")), 4);
    set.Move(10);
    QVERIFY(set.IsEOF());
    QVERIFY(!set.Value(QStringLiteral("Name")).isValid());
    set.MovePrevious();
    QCOMPARE(set.Int(QStringLiteral("Id")), 6);
    set.MoveFirst();
    set.MovePrevious();
    QVERIFY(set.IsBOF() && !set.IsEOF());
    set.MoveNext();
    QCOMPARE(set.Int(QStringLiteral("Id")), 1);
}

void TestRecordSet::filterNarrowsAndRestores()
{
    RecordSet set = RecordSet::Open(Database::Open(path_), QStringLiteral("SELECT * FROM tblCards ORDER BY ID"));
    set.Move(4);
    set.SetFilter(QStringLiteral("ID=3"));
    QCOMPARE(set.RecordCount(), 1);
    QCOMPARE(set.Text(QStringLiteral("Name")), QStringLiteral("Card 3"));
    set.SetFilter(QStringLiteral("ID=99"));
    QVERIFY(set.IsEOF() && set.IsBOF());
    set.SetFilter(QString());
    QCOMPARE(set.RecordCount(), 6);
    QCOMPARE(set.Int(QStringLiteral("Id")), 1);
}

void TestRecordSet::picturesReadOnDemandAndRoundTrip()
{
    auto db = Database::Open(path_, false);
    RecordSet set = RecordSet::Open(db, QStringLiteral("SELECT * FROM tblCards"));
    set.SetFilter(QStringLiteral("ID=2"));
    QCOMPARE(set.Bytes(QStringLiteral("PictureData")), QByteArray("\x89PNG bytes\0with nul", 19));
    set.SetFilter(QStringLiteral("ID=5"));
    QVERIFY(set.Bytes(QStringLiteral("PictureData")).isEmpty());
    const QByteArray picture(10000, '\x7f');
    set.SetValue(QStringLiteral("PictureData"), picture);
    QVERIFY(set.Update());
    RecordSet again = RecordSet::Open(Database::Open(path_), QStringLiteral("SELECT * FROM tblCards"));
    again.SetFilter(QStringLiteral("ID=5"));
    QCOMPARE(again.Bytes(QStringLiteral("PictureData")).size(), 10000);
    QCOMPARE(again.Bytes(QStringLiteral("PictureData")), picture);
    QCOMPARE(again.Text(QStringLiteral("Name")), QStringLiteral("Card 5"));
}

void TestRecordSet::newRowsAndReadOnlyFiles()
{
    RecordSet readOnly = RecordSet::Open(Database::Open(path_), QStringLiteral("SELECT * FROM tblCards"));
    readOnly.AddNew();
    readOnly.SetValue(QStringLiteral("Id"), 40);
    QVERIFY(!readOnly.Update());

    auto db = Database::Open(path_, false);
    RecordSet set = RecordSet::Open(db, QStringLiteral("SELECT * FROM tblCards"));
    set.AddNew();
    set.SetValue(QStringLiteral("Id"), 7);
    set.SetValue(QStringLiteral("Name"), QStringLiteral("Card 7"));
    QVERIFY(set.Update());
    QCOMPARE(set.RecordCount(), 7);
    QCOMPARE(set.Text(QStringLiteral("Name")), QStringLiteral("Card 7"));
    set.AddNew();
    set.SetValue(QStringLiteral("Id"), 7); // the key is taken
    QVERIFY(!set.Update());
    QCOMPARE(RecordSet::Open(Database::Open(path_), QStringLiteral("SELECT * FROM tblCards")).RecordCount(), 7);
}

void TestRecordSet::missingOrDamagedFileGivesEmptySets()
{
    const QString damaged = dir_.filePath(QStringLiteral("damaged.db"));
    QFile file(damaged);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(4096, 'x'));
    file.close();
    for (const QString &path : {dir_.filePath(QStringLiteral("missing.db")), damaged}) {
        RecordSet set = RecordSet::Open(Database::Open(path), QStringLiteral("SELECT * FROM tblCards"));
        QVERIFY(!set.IsValid());
        QCOMPARE(set.RecordCount(), 0);
        QVERIFY(set.IsBOF() && set.IsEOF());
        set.MoveNext();
        set.SetFilter(QStringLiteral("ID=1"));
        QVERIFY(set.Text(QStringLiteral("Name")).isEmpty());
        QVERIFY(set.Bytes(QStringLiteral("PictureData")).isEmpty());
    }
    QVERIFY(!QFile::exists(dir_.filePath(QStringLiteral("missing.db"))));
    QCOMPARE(QFile(damaged).size(), 4096);
}

void TestRecordSet::checkTablesNamesWhatIsMissing_data()
{
    QTest::addColumn<QString>("file"); // "cards", "missing", "empty" or "bytes"
    QTest::addColumn<QString>("table");
    QTest::addColumn<QStringList>("columns");
    QTest::addColumn<QString>("problem"); // how the answer starts; "" for none
    const QStringList cardColumns{"Id", "Name", "Group", "PictureData"};
    QTest::addRow("all there") << "cards" << "tblCards" << cardColumns << "";
    QTest::addRow("names in any case") << "cards" << "tblcards" << QStringList{"ID", "group"} << "";
    QTest::addRow("column missing") << "cards" << "tblCards" << QStringList{"Id", "NormalMeaning"}
                                    << "the column NormalMeaning of the table tblCards is missing";
    QTest::addRow("table missing") << "cards" << "tblKeywords" << QStringList{"keyword"}
                                   << "the table tblKeywords is missing";
    QTest::addRow("no file") << "missing" << "tblCards" << cardColumns << "the file is missing";
    QTest::addRow("empty file") << "empty" << "tblCards" << cardColumns
                                << "the table tblCards is missing";
    QTest::addRow("not a database") << "bytes" << "tblCards" << cardColumns
                                    << "the file cannot be read as a database (";
}

// The check says what a reader would miss, and only reads the file.
void TestRecordSet::checkTablesNamesWhatIsMissing()
{
    QFETCH(QString, file);
    QFETCH(QString, table);
    QFETCH(QStringList, columns);
    QFETCH(QString, problem);
    QString path = path_;
    if (file != QLatin1String("cards")) {
        path = dir_.filePath(file + QStringLiteral(".db"));
        QFile::remove(path);
        if (file != QLatin1String("missing")) {
            QFile damaged(path);
            QVERIFY(damaged.open(QIODevice::WriteOnly));
            damaged.write(file == QLatin1String("bytes") ? QByteArray(3000, '\x5a') : QByteArray());
        }
    }
    QFile before(path);
    const QByteArray bytes = before.open(QIODevice::ReadOnly) ? before.readAll() : QByteArray();
    before.close();
    const QString answer = Db::CheckTables(Database::Open(path), {{table, columns}});
    if (problem.isEmpty())
        QCOMPARE(answer, QString());
    else
        QVERIFY2(answer.startsWith(problem), qPrintable(answer));
    QCOMPARE(QFile::exists(path), file != QLatin1String("missing"));
    QFile after(path);
    QCOMPARE(after.open(QIODevice::ReadOnly) ? after.readAll() : QByteArray(), bytes);
}

QTEST_GUILESS_MAIN(TestRecordSet)
#include "tst_recordset.moc"
