// The learn list and the tests behind the Learn Dream Interpretation window:
// question counts, the draw of the questions and of the options (checked
// against the draw done the slow way, row by row over the whole table), the
// report, and tables that cannot give a full test.
#include "DreamTestData.h"
#include "dream_interpretation/modDreamInterpretation.h"
#include "toolkit/modRandom.h"

#include <QHash>
#include <cmath>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using KeywordSource::Symbol;

namespace {

// The keywords a drawn test asks about, in question order.
QStringList askedKeywords(DreamSession &session)
{
    QStringList keywords;
    for (int item : session.Test->Items())
        keywords << session.Test->ItemSource().ItemName(item);
    return keywords;
}

} // namespace

class tst_dream_session : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::vector<Symbol> rows_; // the built table in keyword order

    QString table(const QString &name, const QStringList &keywords)
    {
        const QString path = dir_.filePath(name);
        if (!DreamTestData::WriteKeywords(path, keywords))
            qWarning("cannot write %s", qPrintable(path));
        return path;
    }

private Q_SLOTS:
    void initTestCase()
    {
        rows_ = DreamTestData::OrderedRows(DreamTestData::BuiltDatabase());
        QCOMPARE(int(rows_.size()), 676);
    }
    void questionCounts_data();
    void questionCounts();
    void onlyExactLettersAreAsked_data();
    void onlyExactLettersAreAsked();
    void firstSymbolComesUpHalfAsOften();
    void tablesTooSmallForAFullTest();
    void reportOfATwoQuestionTest_data();
    void reportOfATwoQuestionTest();
    void learnListOrderAndBounds();
};

void tst_dream_session::questionCounts_data()
{
    QTest::addColumn<QStringList>("letters");
    QTest::addColumn<int>("count");
    QTest::addRow("A+B") << QStringList{"A", "B"} << 10;
    QTest::addRow("Q alone") << QStringList{"Q"} << 2;
    QTest::addRow("A+Q") << QStringList{"A", "Q"} << 7;
    QStringList all;
    for (char16_t c = u'A'; c <= u'Z'; ++c)
        all << QString(QChar(c));
    QTest::addRow("all letters") << all << 5 * 26 - 3 * 4;
}

// Over many draws: the count, every symbol from a chosen letter, no letter
// with more than five questions, no symbol asked twice.
void tst_dream_session::questionCounts()
{
    QFETCH(QStringList, letters);
    QFETCH(int, count);
    QCOMPARE(DreamSession::NominalQuestionCount(letters), count);
    DreamSession session(DreamTestData::BuiltDatabase());
    for (int seed = 1; seed <= 60; ++seed) {
        Random::Seed(seed);
        session.DreamLetters = letters;
        QCOMPARE(session.DrawDreamQuestions(), count);
        const QStringList asked = askedKeywords(session);
        std::map<QString, int> perLetter;
        for (const QString &keyword : asked)
            ++perLetter[keyword.left(1)];
        for (const auto &[letter, n] : perLetter)
            QVERIFY2(letters.contains(letter) && n <= DreamSession::LetterLimit, qPrintable(letter));
        QCOMPARE(QSet<QString>(asked.begin(), asked.end()).size(), count);
    }
}

// Lower-case and other keywords inside and between the letters' ranges are
// never asked: only keywords that start with a chosen capital, five at most each.
void tst_dream_session::onlyExactLettersAreAsked_data()
{
    QTest::addColumn<QStringList>("letters");
    QTest::addColumn<QStringList>("exact");
    QTest::addColumn<int>("count");
    QTest::addRow("A+C") << QStringList{"A", "C"}
                         << QStringList{"Ace", "Acorn", "Aim", "Air", "Ale", "Amber", "Cab", "Cow",
                                        "Cup", "Cut"}
                         << 9;
    QTest::addRow("B+Z") << QStringList{"B", "Z"}
                         << QStringList{"Bee", "Bone", "Box", "Bud", "Zed", "Zoo"} << 6;
}

void tst_dream_session::onlyExactLettersAreAsked()
{
    QFETCH(QStringList, letters);
    QFETCH(QStringList, exact);
    QFETCH(int, count);
    const QString mixed = table(QStringLiteral("mixed.dll"),
                                {"Ace", "ache", "Acorn", "adder", "Aim", "Air", "Ale", "all", "Amber",
                                 "Bee", "bell", "Bone", "Box", "Bud", "bug", "7 Seas", "Cab", "cot",
                                 "Cow", "Cup", "Cut", "cyan", "Zed", "zip", "Zoo"});
    DreamSession session(mixed);
    // Practice finds the same symbols, named in one read of the table, as a
    // test may ask.
    DreamQuizSource source(mixed, letters, true);
    QStringList named;
    for (const Quiz::NamedItem &item : source.NamedItems()) {
        QCOMPARE(item.name, source.ItemName(item.item));
        named << item.name;
    }
    QStringList askable;
    for (const Quiz::NamedItem &item : source.Quiz::Source::NamedItems())
        askable << item.name;
    QCOMPARE(named, askable);
    QCOMPARE(named, exact);
    for (int seed = 1; seed <= 20; ++seed) {
        Random::Seed(seed);
        session.DreamLetters = letters;
        QCOMPARE(session.DrawDreamQuestions(), count);
        const QStringList drawn = askedKeywords(session);
        QCOMPARE(QSet<QString>(drawn.begin(), drawn.end()).size(), count);
        for (const QString &keyword : drawn)
            QVERIFY2(exact.contains(keyword), qPrintable(keyword));
    }
}

// Positions are drawn r * (rows - 1) rounded to the nearest: the first symbol
// in keyword order can be asked, half as often as one inside the table.
void tst_dream_session::firstSymbolComesUpHalfAsOften()
{
    DreamSession session(DreamTestData::BuiltDatabase());
    Random::Seed(5);
    constexpr int tests = 4000;
    std::map<QString, int> first;
    for (int t = 0; t < tests; ++t) {
        session.DreamLetters = {"A"};
        session.DrawDreamQuestions();
        ++first[askedKeywords(session).front()];
    }
    const QString firstKeyword = rows_.front().keyword;
    const int symbols = int(first.size());
    // Weights: 1/2 for the first symbol, 1 for each of the others of the letter.
    const double share = 0.5 / (symbols - 0.5);
    const double noise = 4 * std::sqrt(share * (1 - share) / tests);
    const double seen = double(first[firstKeyword]) / tests;
    QVERIFY2(std::abs(seen - share) < noise,
             qPrintable(QStringLiteral("%1 first in %2 of tests, expected %3").arg(firstKeyword).arg(seen).arg(share)));
}

// A letter with fewer symbols than its share gives what it has: the test is
// shorter, says so in its count and progress, and no draw goes on without end.
void tst_dream_session::tablesTooSmallForAFullTest()
{
    const QString path = table(QStringLiteral("scarce.dll"),
                               {"Ant", "Apple", "Arch", "Arrow", "Axe", "Anvil", "Bell", "Bread",
                                "Quail", "Xylophone", "Yarn", "Yew", "Yoke"});
    DreamSession session(path);
    const std::pair<QStringList, int> cases[] = {{{"A", "B"}, 7}, {{"Q"}, 1},     {{"A", "Q"}, 6},
                                                 {{"C", "D"}, 0}, {{"X", "Y"}, 4}, {{"Y"}, 2}};
    for (const auto &[letters, count] : cases) {
        session.DreamLetters = letters;
        QCOMPARE(session.DrawDreamQuestions(), count);
        const QStringList drawn = askedKeywords(session);
        QCOMPARE(QSet<QString>(drawn.begin(), drawn.end()).size(), count);
    }
    session.DreamLetters = {"A", "B"};
    session.DrawDreamQuestions();
    QString progress;
    while (progress = session.AskQuestion().Progress(), !session.RecordAnswer(0)) {
    }
    QCOMPARE(progress, QStringLiteral("Question 7 of 7"));
    QVERIFY(session.BuildDreamReport().body.endsWith(QLatin1String(" correct out of 7 questions.")));

    // One symbol: no other can be offered, so only the right answer is.
    DreamSession single(table(QStringLiteral("single.dll"), {"Anchor"}));
    single.DreamLetters = {"A"};
    QCOMPARE(single.DrawDreamQuestions(), 1);
    const Quiz::Question &question = single.AskQuestion();
    QCOMPARE(question.subject, QStringLiteral("About Anchor."));
    QCOMPARE(question.choices, QStringList{QStringLiteral("Anchor")});
    QCOMPARE(question.correct, std::vector<int>{0});
}

void tst_dream_session::reportOfATwoQuestionTest_data()
{
    QTest::addColumn<bool>("byKeyword");
    QTest::addRow("by keyword") << true;
    QTest::addRow("by interpretation") << false;
}

void tst_dream_session::reportOfATwoQuestionTest()
{
    QFETCH(bool, byKeyword);
    DreamSession session(table(QStringLiteral("report.dll"), {"Anchor", "Bell", "Candle", "Door"}));
    session.DreamTestByKeyword = byKeyword;
    session.DreamLetters = {"A", "C"};
    QCOMPARE(session.DrawDreamQuestions(), 2); // one symbol of each letter
    const QStringList asked = askedKeywords(session);

    // The first answer is right; the second is another symbol's.
    const Quiz::Question first = session.AskQuestion();
    QCOMPARE(first.choices.size(), 4); // all four symbols, as the table has no more
    QVERIFY(!session.RecordAnswer(first.correct.front()));
    const Quiz::Question second = session.AskQuestion();
    const int wrong = (second.correct.front() + 1) % 4;
    QVERIFY(session.RecordAnswer(wrong));
    const QString wrongText = second.choices[wrong];

    const DreamReport report = session.BuildDreamReport();
    QCOMPARE(report.title, QStringLiteral("Vessa Learn Dream Interpretation Result"));
    const auto question = [byKeyword](const QString &k) { return byKeyword ? k : "About " + k + "."; };
    const auto answer = [byKeyword](const QString &k) { return byKeyword ? "About " + k + "." : k; };
    const QStringList expected = {"Question 1", question(asked[0]), "Your Answer: " + answer(asked[0]),
                                  "Correct Answer: " + answer(asked[0]), "",
                                  "Question 2", question(asked[1]), "Your Answer: " + wrongText,
                                  "Correct Answer: " + answer(asked[1]), "",
                                  "1 correct out of 2 questions."};
    QCOMPARE(report.body.split(QStringLiteral("\r\n")), expected);
    QCOMPARE(report.correct, 1);
    // The report ends the test.
    QVERIFY(!session.DreamTestByKeyword);
    QVERIFY(session.DreamLetters.isEmpty() && session.LearnList.isEmpty());
}

void tst_dream_session::learnListOrderAndBounds()
{
    DreamSession session(DreamTestData::BuiltDatabase());
    session.DreamLetters = {"A", "C"};
    session.BuildLearnList();
    QStringList expected;
    QHash<QString, QString> meaning;
    for (const Symbol &s : rows_) {
        meaning.insert(s.keyword, s.description);
        if (s.keyword.startsWith(u'A') || s.keyword.startsWith(u'C'))
            expected << s.keyword;
    }
    QCOMPARE(session.LearnList, expected);

    session.DreamPosition = 0;
    QCOMPARE(session.PreviousLearnEntry(), DreamLearnStep::AtFirst);
    for (int i = 0; i < expected.size(); ++i) {
        QVERIFY(i == 0 || session.NextLearnEntry() == DreamLearnStep::Moved);
        const DreamSymbol entry = session.ShowLearnEntry().value_or(DreamSymbol{});
        QCOMPARE(entry.keyword, expected[i]);
        QCOMPARE(entry.description, meaning.value(expected[i]));
    }
    QCOMPARE(session.NextLearnEntry(), DreamLearnStep::AtLast);
    QCOMPARE(session.DreamPosition, int(expected.size()) - 1);

    // Lower-case keywords and keywords starting with a digit are never listed;
    // an empty list stays at its (empty) ends.
    DreamSession odd(table(QStringLiteral("odd.dll"), {"apple", "Axe", "9 Lives", "Anchor"}));
    odd.DreamLetters = {"A", "B"};
    odd.BuildLearnList();
    QCOMPARE(odd.LearnList, QStringList({"Anchor", "Axe"}));
    odd.DreamLetters = {"B"};
    odd.BuildLearnList();
    QVERIFY(odd.LearnList.isEmpty());
    QCOMPARE(odd.NextLearnEntry(), DreamLearnStep::AtLast);
    QVERIFY(!odd.ShowLearnEntry());
}

QTEST_GUILESS_MAIN(tst_dream_session)
#include "tst_dream_session.moc"
