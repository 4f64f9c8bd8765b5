// The dream symbols: their text sources, the database the build makes of
// them, and the rows read at a position of the keyword order. (Look-ups and
// letter ranges are checked through the learn list and the draw in
// tst_dream_session; unusable files through the window.)
#include "DreamTestData.h"
#include "dream_interpretation/modDreamDB.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <map>

using KeywordSource::Symbol;

class tst_dream_data : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private Q_SLOTS:
    void contentCountsAndKeywords();
    void readerRefusesBadLines_data();
    void readerRefusesBadLines();
    void generatorFailsOnBadSource();
    void positionsFollowKeywordOrder();
};

// The sources hold 676 well-formed symbols, at least 8 for every letter, and
// the built database holds exactly them.
void tst_dream_data::contentCountsAndKeywords()
{
    QStringList problems;
    std::vector<Symbol> symbols = DreamTestData::SourceSymbols(&problems);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    QCOMPARE(int(symbols.size()), 676);
    std::map<QChar, int> perLetter;
    static const QRegularExpression keyword(QStringLiteral("^[A-Z][A-Za-z' -]*[a-z]$"));
    static const QRegularExpression sentences(QStringLiteral("^[A-Z][\\x20-\\x7e]{58,238}\\.$"));
    for (const Symbol &s : symbols) {
        QVERIFY2(keyword.match(s.keyword).hasMatch(), qPrintable(s.keyword));
        QVERIFY2(sentences.match(s.description).hasMatch(), qPrintable(s.keyword));
        ++perLetter[s.keyword.front()];
    }
    QCOMPARE(int(perLetter.size()), 26);
    for (const auto &[letter, count] : perLetter)
        QVERIFY2(count >= 8, qPrintable(QString(letter)));

    std::sort(symbols.begin(), symbols.end(), [](const Symbol &a, const Symbol &b) {
        return a.keyword.compare(b.keyword, Qt::CaseInsensitive) < 0;
    });
    const std::vector<Symbol> rows = DreamTestData::OrderedRows(DreamTestData::BuiltDatabase());
    QCOMPARE(rows.size(), symbols.size());
    for (size_t i = 0; i < rows.size(); ++i)
        QVERIFY(rows[i].keyword == symbols[i].keyword && rows[i].description == symbols[i].description);
}

void tst_dream_data::readerRefusesBadLines_data()
{
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("problem"); // expected start of the one problem, or empty
    QTest::addColumn<int>("symbols");      // read from both texts
    QTest::addRow("well formed") << QStringLiteral("Cat\tIndependence.") << QString() << 3;
    QTest::addRow("no tab") << QStringLiteral("# c\nCat Independence.") << QStringLiteral("b.tsv:2: expected")
                            << 2;
    QTest::addRow("two tabs") << QStringLiteral("Cat\tOne.\tTwo.") << QStringLiteral("b.tsv:1: expected") << 2;
    QTest::addRow("empty interpretation") << QStringLiteral("Cat\t ") << QStringLiteral("b.tsv:1: the interp")
                                          << 2;
    QTest::addRow("padded keyword") << QStringLiteral("Cat \tOne.") << QStringLiteral("b.tsv:1: a field starts")
                                    << 2;
    QTest::addRow("duplicate in another case")
        << QStringLiteral("Cat\tOne.\nBELL\tTwo.")
        << QStringLiteral("b.tsv:2: the keyword \"BELL\" was already given at a.tsv:4") << 3;
}

void tst_dream_data::readerRefusesBadLines()
{
    QFETCH(QString, second);
    QFETCH(QString, problem);
    QFETCH(int, symbols);
    KeywordSource::Reader reader;
    QCOMPARE(reader.Read(QStringLiteral("# comment\r\nAnchor\tStability.\r\n\r\nBell\tNews.\n"), "a.tsv"),
             QStringList());
    const QStringList problems = reader.Read(second, QStringLiteral("b.tsv"));
    QCOMPARE(problems.size(), problem.isEmpty() ? 0 : 1);
    QVERIFY(problem.isEmpty() || problems[0].startsWith(problem));
    QCOMPARE(int(reader.Symbols().size()), symbols);
}

// The build runs the generator: a bad line must fail it and leave no
// database behind, not even one from an earlier build.
void tst_dream_data::generatorFailsOnBadSource()
{
    const QString good = dir_.filePath(QStringLiteral("good.tsv"));
    const QString bad = dir_.filePath(QStringLiteral("bad.tsv"));
    const QString out = dir_.filePath(QStringLiteral("generated.dll"));
    for (const auto &[path, text] : {std::pair{good, QByteArray("Anchor\tStability.\nBell\tNews.\n")},
                                     std::pair{bad, QByteArray("Cat\tOne.\nanchor\tTwo.\n")}}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
    }
    QProcess process;
    process.start(QStringLiteral(DREAM_KEYWORDS_GENERATOR), {out, good});
    QVERIFY(process.waitForFinished(60000) && process.exitCode() == 0);
    QCOMPARE(int(DreamTestData::OrderedRows(out).size()), 2);

    process.start(QStringLiteral(DREAM_KEYWORDS_GENERATOR), {out, good, bad});
    QVERIFY(process.waitForFinished(60000));
    QVERIFY(process.exitCode() != 0);
    QVERIFY(QString::fromLocal8Bit(process.readAllStandardError()).contains(QLatin1String("bad.tsv:2:")));
    QVERIFY(!QFile::exists(out));
}

// The module reads single rows at a position of the keyword order through the
// index; they must be the rows the whole table read in that order has there.
void tst_dream_data::positionsFollowKeywordOrder()
{
    const std::vector<Symbol> rows = DreamTestData::OrderedRows(DreamTestData::BuiltDatabase());
    DreamDatabase data;
    // Double quotes in the path are removed before it is opened.
    data.OpenDreamDatabase(u'"' + DreamTestData::BuiltDatabase() + u'"');
    QCOMPARE(data.RowCount(), 676);
    for (size_t p = 0; p < rows.size(); ++p) {
        const DreamSymbol symbol = data.SymbolAt(int(p)).value_or(DreamSymbol{});
        QVERIFY(symbol.keyword == rows[p].keyword && symbol.description == rows[p].description);
    }
    QVERIFY(!data.SymbolAt(int(rows.size())) && !data.SymbolAt(-1));

    // Keyword order ignores case, as a reader of a dictionary expects.
    const QString path = dir_.filePath(QStringLiteral("order.dll"));
    QVERIFY(DreamTestData::WriteKeywords(path, {"Banana", "apple", "Apricot", "Ant"}));
    data.OpenDreamDatabase(path);
    QStringList order;
    for (int p = 0; p < 4; ++p)
        order << data.SymbolAt(p).value_or(DreamSymbol{}).keyword;
    QCOMPARE(order, QStringList({"Ant", "apple", "Apricot", "Banana"}));
}

QTEST_GUILESS_MAIN(tst_dream_data)
#include "tst_dream_data.moc"
