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

QTEST_GUILESS_MAIN(TestRecordSet)
#include "tst_recordset.moc"
