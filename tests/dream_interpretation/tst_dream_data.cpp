// The dream symbols: their text sources, the database the build makes of
// them, and the reads the module does on it (positions in keyword order,
// keyword look-up, letter ranges), also on files that are missing or damaged.
#include "DreamTestData.h"
#include "dream_interpretation/modDreamDB.h"

#include <QCryptographicHash>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <map>

using KeywordSource::Symbol;

namespace {
QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}
} // namespace

class tst_dream_data : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

private Q_SLOTS:
    void contentCountsAndKeywords();
    void generatedDatabaseHoldsTheSources();
    void readerRefusesBadLines_data();
    void readerRefusesBadLines();
    void generatorFailsOnBadSource();
    void positionsFollowKeywordOrder();
    void lookupAndLettersAreExact();
    void quotesAreRemovedFromThePath();
    void unusableFilesGiveNoRows_data();
    void unusableFilesGiveNoRows();
};

void tst_dream_data::contentCountsAndKeywords()
{
    QStringList problems;
    const std::vector<Symbol> symbols = DreamTestData::SourceSymbols(&problems);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(u'\n')));
    QCOMPARE(int(symbols.size()), 676);

    std::map<QChar, int> perLetter;
    static const QRegularExpression keywordShape(QStringLiteral("^[A-Z][A-Za-z' -]*[a-z]$"));
    for (const Symbol &s : symbols) {
        QVERIFY2(keywordShape.match(s.keyword).hasMatch(), qPrintable(s.keyword));
        ++perLetter[s.keyword.front()];
        // Interpretations are one or two finished sentences of plain ASCII that
        // fit an option of the question screen.
        QVERIFY2(s.description.size() >= 60 && s.description.size() <= 240, qPrintable(s.keyword));
        QVERIFY2(s.description.front().isUpper() && s.description.endsWith(u'.'),
                 qPrintable(s.keyword));
        for (const QChar c : QString(s.keyword + s.description))
            QVERIFY2(c.unicode() >= 0x20 && c.unicode() < 0x7f, qPrintable(s.keyword));
    }
    for (char16_t letter = u'A'; letter <= u'Z'; ++letter)
        QVERIFY2(perLetter[QChar(letter)] >= 8, qPrintable(QString(QChar(letter))));
    QCOMPARE(int(perLetter.size()), 26);
}

void tst_dream_data::generatedDatabaseHoldsTheSources()
{
    std::vector<Symbol> expected = DreamTestData::SourceSymbols();
    std::sort(expected.begin(), expected.end(), [](const Symbol &a, const Symbol &b) {
        return a.keyword.compare(b.keyword, Qt::CaseInsensitive) < 0;
    });
    const std::vector<Symbol> rows = DreamTestData::OrderedRows(DreamTestData::BuiltDatabase());
    QCOMPARE(rows.size(), expected.size());
    for (size_t i = 0; i < rows.size(); ++i) {
        QCOMPARE(rows[i].keyword, expected[i].keyword);
        QCOMPARE(rows[i].description, expected[i].description);
    }
}

void tst_dream_data::readerRefusesBadLines_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<QString>("problem"); // expected start of the one problem, or empty
    QTest::addColumn<int>("symbols");

    const QString good = QStringLiteral("# comment\r\nAnchor\tStability.\r\n\r\nBell\tNews.\n");
    QTest::addRow("well formed") << good << QStringLiteral("Cat\tIndependence.") << QString() << 3;
    QTest::addRow("no tab") << good << QStringLiteral("# c\nCat Independence.")
                            << QStringLiteral("b.tsv:2: expected a keyword") << 2;
    QTest::addRow("two tabs") << good << QStringLiteral("Cat\tOne.\tTwo.")
                              << QStringLiteral("b.tsv:1: expected a keyword") << 2;
    QTest::addRow("empty keyword") << good << QStringLiteral("\tOne.")
                                   << QStringLiteral("b.tsv:1: the keyword is empty") << 2;
    QTest::addRow("empty interpretation") << good << QStringLiteral("Cat\t ")
                                          << QStringLiteral("b.tsv:1: the interpretation") << 2;
    QTest::addRow("padded keyword") << good << QStringLiteral("Cat \tOne.")
                                    << QStringLiteral("b.tsv:1: a field starts or ends") << 2;
    QTest::addRow("duplicate in another case")
        << good << QStringLiteral("Cat\tOne.\nBELL\tTwo.")
        << QStringLiteral("b.tsv:2: the keyword \"BELL\" was already given at a.tsv:4") << 3;
}

void tst_dream_data::readerRefusesBadLines()
{
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(QString, problem);
    QFETCH(int, symbols);
    KeywordSource::Reader reader;
    QCOMPARE(reader.Read(first, QStringLiteral("a.tsv")), QStringList());
    const QStringList problems = reader.Read(second, QStringLiteral("b.tsv"));
    if (problem.isEmpty()) {
        QCOMPARE(problems, QStringList());
    } else {
        QCOMPARE(problems.size(), 1);
        QVERIFY2(problems[0].startsWith(problem), qPrintable(problems[0]));
    }
    QCOMPARE(int(reader.Symbols().size()), symbols);
}

// The build runs the generator; a bad source line must fail it and leave no
// database behind, not even one from an earlier build.
void tst_dream_data::generatorFailsOnBadSource()
{
    const QString good = dir_.filePath(QStringLiteral("good.tsv"));
    const QString bad = dir_.filePath(QStringLiteral("bad.tsv"));
    const QString out = dir_.filePath(QStringLiteral("generated.dll"));
    for (const auto &[path, text] : {std::pair{good, QByteArray("Anchor\tStability.\nBell\tNews.\n")},
                                     std::pair{bad, QByteArray("Cat\tOne.\nanchor\tTwo.\n")}}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    const auto run = [&](const QStringList &sources, QString *errors) {
        QProcess process;
        process.start(QStringLiteral(DREAM_KEYWORDS_GENERATOR), QStringList{out} + sources);
        process.waitForFinished(60000);
        *errors = QString::fromLocal8Bit(process.readAllStandardError());
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    };
    QString errors;
    QCOMPARE(run({good}, &errors), 0);
    QCOMPARE(int(DreamTestData::OrderedRows(out).size()), 2);

    QVERIFY(run({good, bad}, &errors) != 0);
    QVERIFY2(errors.contains(QLatin1String("bad.tsv:2:")), qPrintable(errors));
    QVERIFY(!QFile::exists(out));
}

// The module reads single rows at a position of the keyword order through the
// index; they must be the rows the whole table read in that order has there.
void tst_dream_data::positionsFollowKeywordOrder()
{
    const std::vector<Symbol> rows = DreamTestData::OrderedRows(DreamTestData::BuiltDatabase());
    QVERIFY(!rows.empty());
    DreamDatabase data;
    data.OpenDreamDatabase(DreamTestData::BuiltDatabase());
    QCOMPARE(data.RowCount(), int(rows.size()));
    for (size_t p = 0; p < rows.size(); ++p) {
        const std::optional<DreamSymbol> symbol = data.SymbolAt(int(p));
        QVERIFY(symbol);
        QCOMPARE(symbol->keyword, rows[p].keyword);
        QCOMPARE(symbol->description, rows[p].description);
    }
    QVERIFY(!data.SymbolAt(int(rows.size())));
    QVERIFY(!data.SymbolAt(-1));

    // Keyword order ignores case, as a reader of a dictionary expects.
    const QString path = dir_.filePath(QStringLiteral("order.dll"));
    QVERIFY(DreamTestData::WriteKeywords(path, {QStringLiteral("Banana"), QStringLiteral("apple"),
                                                QStringLiteral("Apricot"), QStringLiteral("Ant")}));
    data.OpenDreamDatabase(path);
    QStringList order;
    for (int p = 0; p < 4; ++p)
        order << data.SymbolAt(p).value_or(DreamSymbol{}).keyword;
    QCOMPARE(order, QStringList({"Ant", "apple", "Apricot", "Banana"}));
}

void tst_dream_data::lookupAndLettersAreExact()
{
    const QString path = dir_.filePath(QStringLiteral("letters.dll"));
    const QStringList keywords = {"Axe",  "apricot", "Apple", "1 Ant",  "Bell", "b",
                                  "[x",   "Zebra",   "zoo",   "Zither", "{y",   "Ant"};
    QVERIFY(DreamTestData::WriteKeywords(path, keywords));
    DreamDatabase data;
    data.OpenDreamDatabase(path);

    QCOMPARE(data.FindSymbol(QStringLiteral("Apple")).value_or(DreamSymbol{}).description,
             QStringLiteral("About Apple."));
    QVERIFY(!data.FindSymbol(QStringLiteral("apple")));
    QVERIFY(!data.FindSymbol(QStringLiteral("Pear")));
    QVERIFY(!data.FindSymbol(QStringLiteral("' or 1=1 --")));

    QCOMPARE(data.KeywordsStartingWith(u'A'), QStringList({"Ant", "Apple", "Axe"}));
    QCOMPARE(data.KeywordsStartingWith(u'B'), QStringList({"Bell"}));
    QCOMPARE(data.KeywordsStartingWith(u'Z'), QStringList({"Zebra", "Zither"}));
    QCOMPARE(data.KeywordsStartingWith(u'C'), QStringList());

    // Every range holds exactly the positions whose keyword starts with the
    // letter in either case, and counts those starting with the capital.
    const std::vector<Symbol> rows = DreamTestData::OrderedRows(path);
    const QStringList letters = {"A", "B", "C", "Z"};
    const std::vector<DreamLetterRange> ranges = data.LetterRanges(letters);
    QCOMPARE(int(ranges.size()), letters.size());
    for (size_t i = 0; i < ranges.size(); ++i) {
        const QChar letter = letters[qsizetype(i)].front();
        QCOMPARE(ranges[i].letter, letter);
        int exact = 0;
        for (int p = 0; p < int(rows.size()); ++p) {
            const QChar first = rows[size_t(p)].keyword.front();
            QCOMPARE(ranges[i].Contains(p), first.toUpper() == letter);
            exact += first == letter;
        }
        QCOMPARE(ranges[i].exact, exact);
    }
    // Letters out of order are counted as well as in order.
    const std::vector<DreamLetterRange> reversed = data.LetterRanges({"Z", "A"});
    QCOMPARE(reversed[0].first, ranges[3].first);
    QCOMPARE(reversed[1].end, ranges[0].end);
}

void tst_dream_data::quotesAreRemovedFromThePath()
{
    DreamDatabase data;
    data.OpenDreamDatabase(u'"' + DreamTestData::BuiltDatabase() + u'"');
    QCOMPARE(data.RowCount(), 676);
}

void tst_dream_data::unusableFilesGiveNoRows_data()
{
    QTest::addColumn<QByteArray>("bytes"); // "<none>": no file at all
    QTest::addRow("missing") << QByteArray("<none>");
    QTest::addRow("empty") << QByteArray();
    QTest::addRow("damaged") << QByteArray("SQLite format 3\0 not really a database", 40);
    QFile built(DreamTestData::BuiltDatabase());
    QVERIFY(built.open(QIODevice::ReadOnly));
    QTest::addRow("truncated") << built.read(4096);
}

void tst_dream_data::unusableFilesGiveNoRows()
{
    QFETCH(QByteArray, bytes);
    const QString path = dir_.filePath(QStringLiteral("keywords-%1.dll").arg(QTest::currentDataTag()));
    if (bytes != "<none>") {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    const QByteArray before = fileHash(path);
    {
        DreamDatabase data;
        data.OpenDreamDatabase(path);
        QCOMPARE(data.RowCount(), 0);
        QVERIFY(!data.SymbolAt(0));
        QVERIFY(!data.FindSymbol(QStringLiteral("Abbey")));
        QCOMPARE(data.KeywordsStartingWith(u'A'), QStringList());
        for (const DreamLetterRange &range : data.LetterRanges({"A", "Q"}))
            QCOMPARE(range.exact, 0);
    }
    // Reading never creates, repairs or changes the file.
    QCOMPARE(fileHash(path), before);
}

QTEST_GUILESS_MAIN(tst_dream_data)
#include "tst_dream_data.moc"
