// Text encoding, the settings store, the random generator and the referral checks.
#include "toolkit/modRandom.h"
#include "toolkit/modSettings.h"
#include "shell/modTellAFriend.h"
#include "support/TestSupport.h"

#include <QSettings>
#include <QTest>
#include <QUrlQuery>

using namespace TellAFriend;

class TestShellLogic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void encodingRoundTrip_data();
    void encodingRoundTrip();
    void encodingDropsCharactersThatDoNotFit();
    void encodedTextHasNoLineBreaks();
    void settingsStoreReadsDefaultsAndKeepsValues();
    void roundHalfEven();
    void nearestDrawIsHalfAsLikelyAtTheEnds();
    void wholeDrawStaysBelowN();
    void reseedingInTheSameTickGivesNewNumbers();
    void referralChecksRunInOrder_data();
    void referralChecksRunInOrder();
    void referralAddressEncodesEachValue();
};

void TestShellLogic::encodingRoundTrip_data()
{
    QTest::addColumn<QString>("text");
    QTest::addRow("empty") << QString();
    QTest::addRow("us date") << QStringLiteral("12/9/2026 5:44:14 AM");
    QTest::addRow("name") << QStringLiteral("ANNA MARIA");
    QTest::addRow("punctuation") << QStringLiteral("a-b.c,d:e;f!g?h(i)j'k\"l");
    QTest::addRow("latin-1 below the limit") << QString(QChar(0xE9)) + QChar(0xF8 - Settings::K);
}

void TestShellLogic::encodingRoundTrip()
{
    QFETCH(QString, text);
    const QString encoded = Settings::EncodeText(text);
    QCOMPARE(encoded.size(), text.size());
    for (qsizetype i = 0; i < text.size(); ++i)
        QCOMPARE(encoded.at(i).unicode(), text.at(i).unicode() + Settings::K);
    QCOMPARE(Settings::DecodeText(encoded), text);
}

void TestShellLogic::encodingDropsCharactersThatDoNotFit()
{
    const QChar top(255 - Settings::K + 1);
    const QString text = QStringLiteral("ab") + top + QStringLiteral("c") + QChar(0x20AC);
    const QString encoded = Settings::EncodeText(text);
    QCOMPARE(encoded.size(), 3);
    QCOMPARE(Settings::DecodeText(encoded), QStringLiteral("abc"));
    // Decoding drops what would fall below code 0.
    const QString low = QString(QChar(Settings::K - 1)) + QStringLiteral("h");
    QCOMPARE(Settings::DecodeText(low), QString(QChar('h' - Settings::K)));
}

void TestShellLogic::encodedTextHasNoLineBreaks()
{
    QVERIFY(Settings::K >= 1 && Settings::K <= 133);
    for (int c = 32; c <= 126; ++c) {
        const int code = Settings::EncodeText(QString(QChar(c))).at(0).unicode();
        QVERIFY2(code >= 33 && code <= 255, qPrintable(QString::number(c)));
    }
}

void TestShellLogic::settingsStoreReadsDefaultsAndKeepsValues()
{
    TestSupport::Sandbox sandbox;
    const Settings::Store store(sandbox.locations().SettingsFile());
    QCOMPARE(store.Read(QStringLiteral("Difficulty"), QStringLiteral("0")), QStringLiteral("0"));
    store.Write(QStringLiteral("Difficulty"), QStringLiteral("2"));
    store.Write(QStringLiteral("Difficulty"), QStringLiteral("1"));
    const QString encodedKey = Settings::EncodeText(QStringLiteral("Duration"));
    store.Write(encodedKey, Settings::EncodeText(QStringLiteral("1/2/2026")));
    QCOMPARE(store.Read(QStringLiteral("Difficulty"), QString()), QStringLiteral("1"));
    QCOMPARE(Settings::DecodeText(store.Read(encodedKey, QString())), QStringLiteral("1/2/2026"));
    // Entries live in the section "Settings" of the store's file.
    QSettings raw(store.FilePath(), QSettings::IniFormat);
    QCOMPARE(raw.value(QStringLiteral("Settings/Difficulty")).toString(), QStringLiteral("1"));
}

void TestShellLogic::roundHalfEven()
{
    QCOMPARE(Random::RoundHalfEven(0.5), 0);
    QCOMPARE(Random::RoundHalfEven(1.5), 2);
    QCOMPARE(Random::RoundHalfEven(2.5), 2);
    QCOMPARE(Random::RoundHalfEven(2.5000001), 3);
    QCOMPARE(Random::RoundHalfEven(1.49), 1);
}

void TestShellLogic::nearestDrawIsHalfAsLikelyAtTheEnds()
{
    Random::Seed(20261209);
    int counts[3] = {};
    const int draws = 40000;
    for (int i = 0; i < draws; ++i) {
        const int k = Random::DrawNearest(2);
        QVERIFY(k >= 0 && k <= 2);
        ++counts[k];
    }
    // Expected 1/4, 1/2, 1/4; a uniform draw would give 1/3 each.
    QVERIFY2(qAbs(counts[0] - draws / 4) < draws / 50, qPrintable(QString::number(counts[0])));
    QVERIFY2(qAbs(counts[1] - draws / 2) < draws / 50, qPrintable(QString::number(counts[1])));
    QVERIFY2(qAbs(counts[2] - draws / 4) < draws / 50, qPrintable(QString::number(counts[2])));
}

void TestShellLogic::wholeDrawStaysBelowN()
{
    Random::Seed(7);
    int seen[4] = {};
    for (int i = 0; i < 4000; ++i) {
        const int k = Random::DrawWhole(4);
        QVERIFY(k >= 0 && k < 4);
        ++seen[k];
    }
    for (int count : seen)
        QVERIFY(count > 800);
}

void TestShellLogic::reseedingInTheSameTickGivesNewNumbers()
{
    QList<QList<double>> sequences;
    for (int i = 0; i < 5; ++i) {
        Random::SeedFromClock();
        sequences.append({Random::Rnd(), Random::Rnd(), Random::Rnd()});
    }
    for (int i = 1; i < sequences.size(); ++i)
        QVERIFY(sequences.at(i) != sequences.at(i - 1));
}

void TestShellLogic::referralChecksRunInOrder_data()
{
    QTest::addColumn<QStringList>("fields"); // name, email, message, friend's name, friend's email
    QTest::addColumn<QString>("message");
    const QStringList placeholders = {PlaceholderName(), PlaceholderEmail(), PlaceholderMessage(),
                                      PlaceholderFriendName(), PlaceholderFriendEmail()};
    QTest::addRow("untouched boxes") << placeholders << QStringLiteral("Please Enter Proper Email Address");
    QTest::addRow("same address first, before anything else")
        << QStringList{QString(), QStringLiteral("a@b.c"), QString(), QString(), QStringLiteral(" a@b.c ")}
        << QStringLiteral("Please Enter Distinct Email Addresses");
    QTest::addRow("friend's address without @")
        << QStringList{QStringLiteral("Ann"), QStringLiteral("a@b.c"), QStringLiteral("Hi"), QStringLiteral("Bo"), QStringLiteral("bo.example")}
        << QStringLiteral("Please Enter Proper Email Address");
    QTest::addRow("own address without dot")
        << QStringList{QStringLiteral("Ann"), QStringLiteral("a@b"), QStringLiteral("Hi"), QStringLiteral("Bo"), QStringLiteral("b@o.c")}
        << QStringLiteral("Please Enter Proper Email Address");
    QTest::addRow("name still the placeholder")
        << QStringList{PlaceholderName(), QStringLiteral("a@b.c"), QStringLiteral("Hi"), QStringLiteral("Bo"), QStringLiteral("b@o.c")}
        << QStringLiteral("Please Enter Your Name");
    QTest::addRow("message empty")
        << QStringList{QStringLiteral("Ann"), QStringLiteral("a@b.c"), QStringLiteral("   "), QString(), QStringLiteral("b@o.c")}
        << QStringLiteral("Please Enter Your Message");
    QTest::addRow("friend's name missing")
        << QStringList{QStringLiteral("Ann"), QStringLiteral("a@b.c"), QStringLiteral("Hi"), PlaceholderFriendName(), QStringLiteral("b@o.c")}
        << QStringLiteral("Please Enter Your Friend's Name");
    QTest::addRow("complete")
        << QStringList{QStringLiteral("Ann"), QStringLiteral("a@b.c"), QStringLiteral("Hi"), QStringLiteral("Bo"), QStringLiteral("b@o.c")}
        << QString();
}

void TestShellLogic::referralChecksRunInOrder()
{
    QFETCH(QStringList, fields);
    QFETCH(QString, message);
    const ReferralForm form{fields[0], fields[1], fields[2], fields[3], fields[4]};
    QCOMPARE(CheckReferral(form), message);
}

void TestShellLogic::referralAddressEncodesEachValue()
{
    TestSupport::Sandbox sandbox;
    const ReferralForm form{QStringLiteral("Ann & Bo"), QStringLiteral("ann@x.org"),
                            QStringLiteral("Try #1: yoga=fun&more"), QStringLiteral("Cy"),
                            QStringLiteral("cy@y.org")};
    QVERIFY(SubmitReferral(form).isEmpty());
    QCOMPARE(sandbox.openedPages.size(), 1);
    const QUrl url = sandbox.openedPages.constFirst();
    QVERIFY(url.fragment().isEmpty());
    const QUrlQuery query(url);
    const QStringList keys = {QStringLiteral("taf1"), QStringLiteral("taf2"), QStringLiteral("taf3"),
                              QStringLiteral("taf4"), QStringLiteral("taf5"), QStringLiteral("taf6")};
    QCOMPARE(query.queryItems().size(), 6);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(query.queryItems().at(i).first, keys.at(i));
    QCOMPARE(query.queryItemValue(QStringLiteral("taf1"), QUrl::FullyDecoded), form.name);
    QCOMPARE(query.queryItemValue(QStringLiteral("taf3"), QUrl::FullyDecoded), form.message);
    QVERIFY(query.queryItemValue(QStringLiteral("taf6"), QUrl::FullyDecoded).startsWith(QLatin1String("http")));
    // A failing form opens nothing.
    QCOMPARE(SubmitReferral({}), QStringLiteral("Please Enter Distinct Email Addresses"));
    QCOMPARE(sandbox.openedPages.size(), 1);
}

QTEST_GUILESS_MAIN(TestShellLogic)
#include "tst_shell_logic.moc"
