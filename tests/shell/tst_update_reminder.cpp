// The fortnightly update reminder and its date text.
#include "toolkit/UpdateReminder.h"
#include "toolkit/modHelp.h"
#include "toolkit/modSettings.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTest>

using namespace UpdateReminder;

class TestUpdateReminder : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void dateTextReadsBackToTheSameDay_data();
    void dateTextReadsBackToTheSameDay();
    void firstRunStoresTheDateSilently();
    void reminder_data();
    void reminder();
    void unreadableEntryCountsAsFirstRun();

private:
    static QString storedText(const Settings::Store &store) { return store.Read(StoredKey(), QString()); }
    static void storeDaysFromToday(const Settings::Store &store, int days)
    {
        const QDateTime moment = QDateTime::currentDateTime().addDays(days);
        store.Write(StoredKey(), Settings::EncodeText(DateTimeText(moment, QLocale::system())));
    }
};

void TestUpdateReminder::dateTextReadsBackToTheSameDay_data()
{
    QTest::addColumn<QString>("locale");
    // Two-digit short years, names of time zones in the long time format,
    // non-Latin digits and month names in other scripts.
    for (const char *name : {"en_US", "en_GB", "de_DE", "fr_FR", "ja_JP", "ar_EG", "fa_IR", "ru_RU",
                             "hi_IN", "zh_CN", "C"})
        QTest::addRow("%s", name) << QString::fromLatin1(name);
}

void TestUpdateReminder::dateTextReadsBackToTheSameDay()
{
    QFETCH(QString, locale);
    const QLocale regional(locale);
    for (const QDateTime &moment : {QDateTime(QDate(2026, 12, 9), QTime(5, 44, 14)),
                                   QDateTime(QDate(1999, 1, 31), QTime(23, 59, 59)),
                                   QDateTime(QDate(2061, 7, 4), QTime(0, 0, 1))}) {
        const QString text = DateTimeText(moment, regional);
        // The text survives the encoding used to store it.
        QCOMPARE(Settings::DecodeText(Settings::EncodeText(text)), text);
        const auto date = ReadDateText(text, regional);
        QVERIFY2(date.has_value(), qPrintable(text));
        QCOMPARE(*date, moment.date());
    }
    QVERIFY(!ReadDateText(QStringLiteral("not a date"), regional).has_value());
}

void TestUpdateReminder::firstRunStoresTheDateSilently()
{
    TestSupport::Sandbox sandbox;
    const Settings::Store store(sandbox.locations().SettingsFile());
    auto seen = TestSupport::AnswerNextMessage(QMessageBox::Yes);
    RunUpdateReminder(store);
    QTest::qWait(30);
    QVERIFY(!seen->shown);
    QVERIFY(sandbox.openedPages.isEmpty());
    // The key itself is stored encoded, not as the plain word.
    QCOMPARE(store.Read(QStringLiteral("Duration"), QStringLiteral("absent")), QStringLiteral("absent"));
    const auto date = ReadDateText(Settings::DecodeText(storedText(store)), QLocale::system());
    QVERIFY(date.has_value());
    QCOMPARE(*date, QDate::currentDate());
}

void TestUpdateReminder::reminder_data()
{
    QTest::addColumn<int>("days");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<bool>("opened");
    QTest::addRow("14 days ago") << -14 << int(QMessageBox::Yes) << false << false;
    QTest::addRow("14 days ahead") << 14 << int(QMessageBox::Yes) << false << false;
    QTest::addRow("15 days ago, no") << -15 << int(QMessageBox::No) << true << false;
    QTest::addRow("15 days ago, yes") << -15 << int(QMessageBox::Yes) << true << true;
    QTest::addRow("clock set back, 15 days ahead") << 15 << int(QMessageBox::No) << true << false;
    QTest::addRow("a year ago") << -365 << int(QMessageBox::No) << true << false;
}

void TestUpdateReminder::reminder()
{
    QFETCH(int, days);
    QFETCH(int, answer);
    QFETCH(bool, shown);
    QFETCH(bool, opened);
    TestSupport::Sandbox sandbox;
    const Settings::Store store(sandbox.locations().SettingsFile());
    storeDaysFromToday(store, days);
    const QString before = storedText(store);
    auto seen = TestSupport::AnswerNextMessage(QMessageBox::StandardButton(answer));
    RunUpdateReminder(store);
    QTest::qWait(30);
    QCOMPARE(seen->shown, shown);
    if (!shown) {
        QCOMPARE(storedText(store), before);
        QVERIFY(sandbox.openedPages.isEmpty());
        return;
    }
    QCOMPARE(seen->text, QStringLiteral("There maybe an update to this software available\n"
                                        "Do you want to check for an update?"));
    QCOMPARE(seen->icon, QMessageBox::Information);
    QCOMPARE(seen->buttons, QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(seen->title, QStringLiteral("Vessa Orrenic Learning Suite II v1.20"));
    QCOMPARE(*ReadDateText(Settings::DecodeText(storedText(store)), QLocale::system()), QDate::currentDate());
    QCOMPARE(sandbox.openedPages.size(), opened ? 1 : 0);
    if (opened)
        QCOMPARE(sandbox.openedPages.constFirst(), QUrl(PublisherPages::DownloadPage()));
}

// An entry that no longer reads as a date (damaged, or written under other
// regional settings) counts as a first run: today's date is stored silently,
// so the reminder fires again a fortnight later. A store that cannot be
// written is not reported as written.
void TestUpdateReminder::unreadableEntryCountsAsFirstRun()
{
    TestSupport::Sandbox sandbox;
    const Settings::Store store(sandbox.locations().SettingsFile());
    const QString damaged = Settings::EncodeText(QStringLiteral("31/31/31 99:99"));
    store.Write(StoredKey(), damaged);
    auto seen = TestSupport::AnswerNextMessage(QMessageBox::Yes);
    QVERIFY(RunUpdateReminder(store).stored);
    QTest::qWait(30);
    QVERIFY(!seen->shown);
    QCOMPARE(*ReadDateText(Settings::DecodeText(storedText(store)), QLocale::system()), QDate::currentDate());

    // A settings file in a folder that cannot be created.
    QFile blocker(sandbox.folder() + QStringLiteral("/blocker"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const Settings::Store blocked(blocker.fileName() + QStringLiteral("/settings.ini"));
    QVERIFY(!blocked.Write(QStringLiteral("TestType"), QStringLiteral("1")));
    const UpdateReminderRun run = RunUpdateReminder(blocked);
    QVERIFY(!run.stored);
    QVERIFY(!run.asked);
}

QTEST_MAIN(TestUpdateReminder)
#include "tst_update_reminder.moc"
