// Shortening captions so a row of buttons fits: two-line breaks, ellipses and
// the line width the widest captions share.
#include "shell/CaptionFit.h"
#include "toolkit/Look.h"

#include <QTest>

class TestCaptionFit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void wrapBreaksWhereTheLongerLineIsShortest_data();
    void wrapBreaksWhereTheLongerLineIsShortest();
    void shortenedLinesFitAndKeepTheirStart_data();
    void shortenedLinesFitAndKeepTheirStart();
    void sharedLineWidth_data();
    void sharedLineWidth();

private:
    QFontMetrics metrics() const { return QFontMetrics(Look::Verdana(9, true)); }
};

void TestCaptionFit::wrapBreaksWhereTheLongerLineIsShortest_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("wrapped");
    QTest::addRow("two words") << QStringLiteral("Learn Yoga") << QStringLiteral("Learn\nYoga");
    QTest::addRow("three words, long last")
        << QStringLiteral("Learn Dream Interpretation") << QStringLiteral("Learn Dream\nInterpretation");
    QTest::addRow("three words, long first")
        << QStringLiteral("Interpretation of Dreams") << QStringLiteral("Interpretation\nof Dreams");
    QTest::addRow("one word stays") << QStringLiteral("Aromatherapy") << QStringLiteral("Aromatherapy");
    QTest::addRow("extra spaces") << QStringLiteral("  Learn   Palmistry ")
                                  << QStringLiteral("Learn\nPalmistry");
    QTest::addRow("empty") << QString() << QString();
}

void TestCaptionFit::wrapBreaksWhereTheLongerLineIsShortest()
{
    QFETCH(QString, caption);
    QFETCH(QString, wrapped);
    QCOMPARE(CaptionFit::WrapCaption(caption, metrics()), wrapped);
    if (wrapped.contains(u'\n'))
        QVERIFY(CaptionFit::WidestLine(wrapped, metrics()) < metrics().horizontalAdvance(caption));
}

void TestCaptionFit::shortenedLinesFitAndKeepTheirStart_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("maxWidth");
    QTest::addColumn<bool>("changed");
    QTest::addRow("fits as it is") << QStringLiteral("Learn\nYoga") << 200 << false;
    QTest::addRow("long second line") << QStringLiteral("Learn Dream\nInterpretation") << 90 << true;
    QTest::addRow("both lines") << QStringLiteral("Learn Dream\nInterpretation") << 40 << true;
    QTest::addRow("one line") << QStringLiteral("Aromatherapy") << 50 << true;
    QTest::addRow("no room at all") << QStringLiteral("Learn\nCartomancy") << 0 << true;
}

void TestCaptionFit::shortenedLinesFitAndKeepTheirStart()
{
    QFETCH(QString, caption);
    QFETCH(int, maxWidth);
    QFETCH(bool, changed);
    const QString shortened = CaptionFit::ShortenCaption(caption, metrics(), maxWidth);
    QCOMPARE(shortened != caption, changed);
    const QStringList before = caption.split(u'\n');
    const QStringList after = shortened.split(u'\n');
    QCOMPARE(after.size(), before.size());
    const QChar ellipsis(0x2026);
    for (qsizetype i = 0; i < after.size(); ++i) {
        const QString &line = after.at(i);
        QVERIFY2(!line.isEmpty() && line != QString(ellipsis), qPrintable(shortened));
        if (line == before.at(i))
            continue;
        // A shortened line ends with the ellipsis, starts like the original and
        // fits the width unless only the first letter is left.
        QVERIFY(line.endsWith(ellipsis));
        QVERIFY(before.at(i).startsWith(line.chopped(1)));
        if (line.size() > 2)
            QVERIFY(metrics().horizontalAdvance(line) <= maxWidth);
    }
}

void TestCaptionFit::sharedLineWidth_data()
{
    QTest::addColumn<QList<int>>("widths");
    QTest::addColumn<int>("available");
    QTest::addColumn<int>("expected");
    QTest::addRow("all fit") << QList<int>{100, 200, 300} << 600 << 300;
    QTest::addRow("plenty of room") << QList<int>{100, 200, 300} << 5000 << 300;
    QTest::addRow("widest gives way") << QList<int>{100, 200, 300} << 500 << 200;
    QTest::addRow("two share") << QList<int>{100, 200, 300} << 400 << 150;
    QTest::addRow("all share") << QList<int>{100, 200, 300} << 30 << 10;
    QTest::addRow("unsorted input") << QList<int>{300, 100, 200} << 400 << 150;
    QTest::addRow("equal widths") << QList<int>{80, 80, 80, 80} << 200 << 50;
    QTest::addRow("no room") << QList<int>{100, 200} << 0 << 0;
    QTest::addRow("less than none") << QList<int>{100, 200} << -40 << 0;
    QTest::addRow("no captions") << QList<int>{} << 400 << 0;
}

void TestCaptionFit::sharedLineWidth()
{
    QFETCH(QList<int>, widths);
    QFETCH(int, available);
    QFETCH(int, expected);
    const int width = CaptionFit::SharedLineWidth(widths, available);
    QCOMPARE(width, expected);
    // Whatever comes back, the cut captions together never exceed the room.
    int total = 0;
    for (int w : std::as_const(widths))
        total += std::min(w, width);
    QVERIFY(total <= std::max(available, 0));
}

QTEST_MAIN(TestCaptionFit)
#include "tst_caption_fit.moc"
