// Sun-sign lookup, birth-data checks and the saved reading file, without windows.

#include "shell/modSettings.h"
#include "zodiac_yoga/modReadingFile.h"
#include "zodiac_yoga/modSunSignYoga.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The bytes of one line of a reading file: every character shifted by K, then CR LF.
QByteArray encodedLine(const QByteArray &plain)
{
    QByteArray line;
    for (const char ch : plain)
        line += char(uchar(ch) + Settings::K);
    return line + "\r\n";
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestZodiacLogic : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void findSunSign_data();
    void findSunSign();
    void signNamesAndOrder();
    void checkBirthData_data();
    void checkBirthData();
    void encodingOffset();
    void composeIsByteExact();
    void composeDropsWhatCannotBeStored();
    void parse_data();
    void parse();
    void loadReadsOnlyTheStart();
    void loadOfMissingFileIsEmpty();
    void saveWritesAndOverwrites();
    void saveFailureLeavesNothing_data();
    void saveFailureLeavesNothing();
};

// Each month: every day up to the cusp gives the earlier sign, every day after it
// up to 31 the later one.
void TestZodiacLogic::findSunSign_data()
{
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("cusp");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::addRow("january") << "January" << 19 << "Capricorn" << "Aquarius";
    QTest::addRow("february") << "February" << 18 << "Aquarius" << "Pisces";
    QTest::addRow("march") << "March" << 20 << "Pisces" << "Aries";
    QTest::addRow("april") << "April" << 20 << "Aries" << "Taurus";
    QTest::addRow("may") << "May" << 20 << "Taurus" << "Gemini";
    QTest::addRow("june") << "June" << 20 << "Gemini" << "Cancer";
    QTest::addRow("july") << "July" << 20 << "Cancer" << "Leo";
    QTest::addRow("august") << "August" << 20 << "Leo" << "Virgo";
    QTest::addRow("september") << "September" << 20 << "Virgo" << "Libra";
    QTest::addRow("october") << "October" << 20 << "Libra" << "Scorpio";
    QTest::addRow("november") << "November" << 20 << "Scorpio" << "Sagittarius";
    QTest::addRow("december") << "December" << 20 << "Sagittarius" << "Capricorn";
}

void TestZodiacLogic::findSunSign()
{
    QFETCH(QString, month);
    QFETCH(int, cusp);
    QFETCH(QString, before);
    QFETCH(QString, after);
    // The two days either side of the cusp first, so a failure names the boundary.
    QCOMPARE(FindSunSign(month, cusp), before);
    QCOMPARE(FindSunSign(month, cusp + 1), after);
    for (int day = 1; day <= 31; ++day)
        QCOMPARE(FindSunSign(month, day), day <= cusp ? before : after);
}

void TestZodiacLogic::signNamesAndOrder()
{
    const QStringList expected = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra",
                                  "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    for (int n = 1; n <= 12; ++n) {
        QCOMPARE(SunSigns::Name(SunSign(n)), expected.at(n - 1));
        QCOMPARE(SunSigns::NumberOf(expected.at(n - 1)), n);
    }
    QCOMPARE(SunSigns::NumberOf(QStringLiteral("aries")), 0);
    QCOMPARE(SunSigns::NumberOf(QString()), 0);
    QCOMPARE(MonthNames(), QStringList({"January", "February", "March", "April", "May", "June",
                                        "July", "August", "September", "October", "November",
                                        "December"}));
}

void TestZodiacLogic::checkBirthData_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("message");
    const QString name = QStringLiteral("Please Enter Your Name");
    const QString feb = QStringLiteral("Please Enter Correct Date of Birth!");
    const QString thirty = QStringLiteral("Please Enter Correct Date of Birth !");
    QTest::addRow("empty-name") << "" << 1 << "January" << name;
    QTest::addRow("empty-name-checked-before-date") << "" << 30 << "February" << name;
    QTest::addRow("blanks-only-name") << "   " << 1 << "January" << "";
    QTest::addRow("feb-28") << "A" << 28 << "February" << "";
    QTest::addRow("feb-29") << "A" << 29 << "February" << "";
    QTest::addRow("feb-30") << "A" << 30 << "February" << feb;
    QTest::addRow("feb-31") << "A" << 31 << "February" << feb;
    for (const char *month : {"April", "June", "September", "November"}) {
        QTest::addRow("%s-30", month) << "A" << 30 << month << "";
        QTest::addRow("%s-31", month) << "A" << 31 << month << thirty;
    }
    for (const char *month : {"January", "March", "May", "July", "August", "October", "December"})
        QTest::addRow("%s-31", month) << "A" << 31 << month << "";
}

void TestZodiacLogic::checkBirthData()
{
    QFETCH(QString, name);
    QFETCH(int, day);
    QFETCH(QString, month);
    QFETCH(QString, message);
    const BirthDataProblem problem = CheckBirthData(name, day, month);
    QCOMPARE(problem == BirthDataProblem::None, message.isEmpty());
    QCOMPARE(BirthDataMessage(problem), message);
}

// Letters, digits and the blank must encode to bytes 33..255 and never to CR or LF.
void TestZodiacLogic::encodingOffset()
{
    QVERIFY(Settings::K >= 1 && Settings::K <= 133);
    const QString plain = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 ");
    const QString encoded = Settings::EncodeText(plain);
    QCOMPARE(encoded.size(), plain.size());
    for (const QChar ch : encoded)
        QVERIFY2(ch.unicode() >= 33 && ch.unicode() <= 255, qPrintable(QString::number(ch.unicode())));
    QCOMPARE(Settings::DecodeText(encoded), plain);
}

void TestZodiacLogic::composeIsByteExact()
{
    const QByteArray bytes = ReadingFile::Compose({"ANNA MARIA", "21", "March", "1980"});
    QCOMPARE(bytes, encodedLine("ANNA MARIA") + encodedLine("21") + encodedLine("March") +
                        encodedLine("1980"));
    QCOMPARE(bytes.count("\r\n"), 4);
    QVERIFY(bytes.endsWith("\r\n"));
    // An empty name still takes its line.
    QCOMPARE(ReadingFile::Compose({"", "1", "January", "1900"}),
             QByteArray("\r\n") + encodedLine("1") + encodedLine("January") + encodedLine("1900"));
}

// A character that would shift past 255, or a control character that could
// become a line break, must not reach the file and must not move the lines.
void TestZodiacLogic::composeDropsWhatCannotBeStored()
{
    const QChar last(0xFF);
    const QString name = QStringLiteral("AB") + last + QStringLiteral("\r\nC\tD") + QChar(0x3A9);
    const QByteArray bytes = ReadingFile::Compose({name, "2", "May", "2000"});
    QCOMPARE(bytes.count("\r\n"), 4);
    const ReadingFile::Lines back = ReadingFile::Parse(bytes);
    QCOMPARE(back.name, QStringLiteral("ABCD"));
    QCOMPARE(back.day, QStringLiteral("2"));
    QCOMPARE(back.month, QStringLiteral("May"));
    QCOMPARE(back.year, QStringLiteral("2000"));
}

void TestZodiacLogic::parse_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    const QByteArray full = encodedLine("ANNA MARIA") + encodedLine("21") + encodedLine("March") +
                            encodedLine("1980");
    const QStringList reading = {"ANNA MARIA", "21", "March", "1980"};
    QTest::addRow("four-lines") << full << reading;
    QTest::addRow("more-after-line-4") << full + encodedLine("JUNK") + "\x01\x02\xff" << reading;
    QByteArray noFinalBreak = full;
    noFinalBreak.chop(2);
    QTest::addRow("no-break-after-line-4") << noFinalBreak << reading;
    QByteArray lfOnly = full;
    lfOnly.replace("\r\n", "\n");
    QTest::addRow("lf-line-ends") << lfOnly << reading;
    QTest::addRow("two-lines") << encodedLine("ANNA") + encodedLine("5")
                               << QStringList({"ANNA", "5", "", ""});
    QTest::addRow("name-only-no-break") << encodedLine("ZED").chopped(2)
                                        << QStringList({"ZED", "", "", ""});
    QTest::addRow("empty-file") << QByteArray() << QStringList({"", "", "", ""});
    QTest::addRow("empty-lines") << QByteArray("\r\n\r\n\r\n\r\n")
                                 << QStringList({"", "", "", ""});
    // Bytes below K decode below 0 and are dropped.
    QTest::addRow("bytes-below-k") << QByteArray("\x01H\x02", 3) + "\r\n" + encodedLine("9")
                                   << QStringList({"A", "9", "", ""});
}

void TestZodiacLogic::parse()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    const ReadingFile::Lines parsed = ReadingFile::Parse(bytes);
    QCOMPARE(QStringList({parsed.name, parsed.day, parsed.month, parsed.year}), lines);
}

// A 20 MB file is neither read whole nor slow; its first four lines still count.
void TestZodiacLogic::loadReadsOnlyTheStart()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString withLines = dir.filePath(QStringLiteral("big.zoy"));
    const QByteArray head = encodedLine("BIG") + encodedLine("3") + encodedLine("June") +
                            encodedLine("1999");
    QVERIFY(writeFile(withLines, head + QByteArray(20 * 1024 * 1024, 'x')));
    const QString oneLine = dir.filePath(QStringLiteral("oneline.zoy"));
    QVERIFY(writeFile(oneLine, QByteArray(20 * 1024 * 1024, 'H')));

    QElapsedTimer timer;
    timer.start();
    const ReadingFile::Lines big = ReadingFile::Load(withLines);
    QCOMPARE(big.name, QStringLiteral("BIG"));
    QCOMPARE(big.year, QStringLiteral("1999"));
    const ReadingFile::Lines single = ReadingFile::Load(oneLine);
    QVERIFY(single.name.size() <= ReadingFile::MaxBytesRead);
    QVERIFY(single.name.startsWith(QStringLiteral("AAAA")));
    QVERIFY(single.day.isEmpty() && single.month.isEmpty() && single.year.isEmpty());
    QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
}

void TestZodiacLogic::loadOfMissingFileIsEmpty()
{
    QTemporaryDir dir;
    const ReadingFile::Lines lines = ReadingFile::Load(dir.filePath(QStringLiteral("none.zoy")));
    QVERIFY(lines.name.isEmpty() && lines.day.isEmpty() && lines.month.isEmpty() &&
            lines.year.isEmpty());
}

void TestZodiacLogic::saveWritesAndOverwrites()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reading.zoy"));
    QVERIFY(writeFile(path, QByteArray(500, 'Q')));
    QString error;
    QVERIFY(ReadingFile::Save(path, {"ANNA MARIA", "21", "March", "1980"}, &error));
    QCOMPARE(readAll(path), encodedLine("ANNA MARIA") + encodedLine("21") + encodedLine("March") +
                                encodedLine("1980"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList({"reading.zoy"}));
}

void TestZodiacLogic::saveFailureLeavesNothing_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addRow("missing-folder") << "no/such/folder/reading.zoy";
    QTest::addRow("path-is-a-folder") << "folder.zoy";
}

void TestZodiacLogic::saveFailureLeavesNothing()
{
    QFETCH(QString, relative);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.zoy")));
    const QStringList before = QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    QString error;
    QVERIFY(!ReadingFile::Save(dir.filePath(relative), {"A", "1", "January", "1900"}, &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), before);
    QVERIFY(QDir(dir.filePath(QStringLiteral("folder.zoy"))).isEmpty());
}

QTEST_GUILESS_MAIN(TestZodiacLogic)
#include "tst_zodiac_logic.moc"
