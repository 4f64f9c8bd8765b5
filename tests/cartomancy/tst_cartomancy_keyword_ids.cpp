// The keywords of the other cards in a keyword table whose Ids lie at the ends
// of the 64-bit range, as a damaged or hand-edited file can hold: they are
// counted and read by position exactly as the query "Not CardID=n" gives them,
// with no arithmetic overflow (the sanitizer build stops on one).

#include "cartomancy/modLearnCartomancyDB.h"

#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

class TestCartomancyKeywordIds : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void extremeIdsReadLikeTheQuery_data();
    void extremeIdsReadLikeTheQuery();

private:
    QTemporaryDir dir_;
};

using Ids = QList<qint64>;

void TestCartomancyKeywordIds::extremeIdsReadLikeTheQuery_data() {
    constexpr qint64 lowest = std::numeric_limits<qint64>::min();
    constexpr qint64 highest = std::numeric_limits<qint64>::max();
    // Rows alternate between card 2 and card 1 (the card asked about), starting with card 2.
    QTest::addColumn<Ids>("ids");
    QTest::addRow("lowest Ids, no gaps") << Ids{lowest, lowest + 1, lowest + 2, lowest + 3};
    QTest::addRow("highest Ids, no gaps") << Ids{highest - 3, highest - 2, highest - 1, highest};
    QTest::addRow("both ends") << Ids{lowest, lowest + 1, highest - 1, highest};
    QTest::addRow("around zero") << Ids{-2, -1, 0, 1};
}

void TestCartomancyKeywordIds::extremeIdsReadLikeTheQuery() {
    QFETCH(Ids, ids);
    const QString path =
        dir_.filePath(QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".db"));
    {
        QFile empty(path); // a writable connection opens only an existing file
        QVERIFY(empty.open(QIODevice::WriteOnly));
        empty.close();
        auto writable = Db::Database::Open(path, false);
        QSqlQuery q(writable->Handle());
        QVERIFY(q.exec(QStringLiteral(
            "CREATE TABLE tblKeywords (Id INTEGER PRIMARY KEY, CardID INTEGER, keyword TEXT)")));
        for (int i = 0; i < ids.size(); ++i) {
            QVERIFY(q.prepare(QStringLiteral("INSERT INTO tblKeywords VALUES (?, ?, ?)")));
            q.addBindValue(ids.at(i));
            q.addBindValue(i % 2 == 0 ? 2 : 1);
            q.addBindValue(QStringLiteral("word %1").arg(i));
            QVERIFY(q.exec());
        }
    }
    auto db = Db::Database::Open(path);
    OtherKeywords others(db, 1);
    QCOMPARE(others.Count(), 2);
    QCOMPARE(others.At(1), QStringLiteral("word 0"));
    QCOMPARE(others.At(2), QStringLiteral("word 2"));
    QVERIFY(others.At(0).isEmpty());
    QVERIFY(others.At(3).isEmpty());
}

QTEST_MAIN(TestCartomancyKeywordIds)
#include "tst_cartomancy_keyword_ids.moc"
