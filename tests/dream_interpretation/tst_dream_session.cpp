// The learn list and the tests behind the Learn Dream Interpretation window:
// question counts, the draw of the questions and of the options (checked
// against the draw done the slow way, row by row over the whole table), the
// report, and tables that cannot give a full test.
#include "DreamTestData.h"
#include "dream_interpretation/modDreamInterpretation.h"
#include "shell/modRandom.h"

#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using KeywordSource::Symbol;

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
    void drawMatchesTheRowByRowDraw_data();
    void drawMatchesTheRowByRowDraw();
    void tablesTooSmallForAFullTest();
    void correctSlotIsUniform();
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
        QCOMPARE(int(session.DreamQuestionRows.size()), count);
        QCOMPARE(session.DreamAnswers.size(), count);
        std::map<QString, int> perLetter;
        for (const int p : session.DreamQuestionRows)
            ++perLetter[rows_[size_t(p)].keyword.left(1)];
        for (const auto &[letter, n] : perLetter)
            QVERIFY2(letters.contains(letter) && n <= DreamSession::LetterLimit, qPrintable(letter));
        const auto &drawn = session.DreamQuestionRows;
        QCOMPARE(QSet<int>(drawn.begin(), drawn.end()).size(), count);
    }
}

void tst_dream_session::drawMatchesTheRowByRowDraw_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("letters");
    const QString built = DreamTestData::BuiltDatabase();
    QTest::addRow("A+B") << built << QStringList{"A", "B"};
    QTest::addRow("M+N+X") << built << QStringList{"M", "N", "X"};
    // Lower-case and other keywords inside and between the letters' ranges
    // are drawn and refused, as the row-by-row draw refuses them.
    const QString mixed = table(QStringLiteral("mixed.dll"),
                                {"Ace", "ache", "Acorn", "adder", "Aim", "Air", "Ale", "all", "Amber",
                                 "Bee", "bell", "Bone", "Box", "Bud", "bug", "7 Seas", "Cab", "cot",
                                 "Cow", "Cup", "Cut", "cyan", "Zed", "zip", "Zoo"});
    QTest::addRow("mixed case A+C") << mixed << QStringList{"A", "C"};
    QTest::addRow("mixed case B+C+Z") << mixed << QStringList{"B", "C", "Z"};
}

// The questions, then the options of the first question, are those of the
// draw done one random position at a time over the whole table in keyword order.
void tst_dream_session::drawMatchesTheRowByRowDraw()
{
    QFETCH(QString, path);
    QFETCH(QStringList, letters);
    const std::vector<Symbol> rows = DreamTestData::OrderedRows(path);
    const int last = int(rows.size()) - 1;
    DreamSession session(path);
    session.DreamLetters = letters;
    session.DreamTestByKeyword = true;
    Random::Seed(11);
    const int count = session.DrawDreamQuestions();
    const DreamQuestion question = session.AskQuestion();

    Random::Seed(11);
    std::vector<int> expected;
    std::vector<int> perLetter(size_t(letters.size()), 0);
    while (int(expected.size()) < count) {
        const int p = Random::DrawNearest(last);
        const qsizetype letter = letters.indexOf(rows[size_t(p)].keyword.left(1));
        if (letter >= 0 && perLetter[size_t(letter)] < 5 &&
            std::find(expected.begin(), expected.end(), p) == expected.end()) {
            ++perLetter[size_t(letter)];
            expected.push_back(p);
        }
    }
    QCOMPARE(session.DreamQuestionRows, expected);

    const int slot = Random::DrawWhole(5);
    QCOMPARE(question.correctSlot, slot);
    QCOMPARE(question.question, rows[size_t(expected[0])].keyword);
    for (int i = 0; i < 5; ++i) {
        int r = expected[0];
        while (i != slot && r == expected[0])
            r = Random::DrawNearest(last);
        QCOMPARE(question.options[size_t(i)].value_or(QString()), rows[size_t(r)].description);
    }
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
        const auto &drawn = session.DreamQuestionRows;
        QCOMPARE(QSet<int>(drawn.begin(), drawn.end()).size(), count);
    }
    session.DreamLetters = {"A", "B"};
    session.DrawDreamQuestions();
    QString progress;
    while (progress = session.AskQuestion().progress, !session.RecordAnswer(0)) {
    }
    QCOMPARE(progress, QStringLiteral("Question 7 of 7"));
    QVERIFY(session.BuildDreamReport().body.endsWith(QLatin1String(" correct out of 7 questions.")));

    // One symbol: no other can be offered, so only the right answer is.
    DreamSession single(table(QStringLiteral("single.dll"), {"Anchor"}));
    single.DreamLetters = {"A"};
    QCOMPARE(single.DrawDreamQuestions(), 1);
    const DreamQuestion question = single.AskQuestion();
    QCOMPARE(question.question, QStringLiteral("About Anchor."));
    for (int i = 0; i < 5; ++i)
        QCOMPARE(question.options[size_t(i)].has_value(), i == question.correctSlot);
    QCOMPARE(*question.options[size_t(question.correctSlot)], QStringLiteral("Anchor"));
}

void tst_dream_session::correctSlotIsUniform()
{
    DreamSession session(DreamTestData::BuiltDatabase());
    session.DreamTestByKeyword = true;
    Random::Seed(2024);
    std::array<int, 5> seen{};
    for (int t = 0; t < 400; ++t) {
        session.DreamLetters = {"A", "B"};
        session.DrawDreamQuestions();
        bool last = false;
        while (!last) {
            const DreamQuestion question = session.AskQuestion();
            ++seen[size_t(question.correctSlot)];
            last = session.RecordAnswer(question.correctSlot);
        }
        QCOMPARE(session.BuildDreamReport().correct, 10);
    }
    // 4000 questions: 800 expected in each slot, standard deviation about 25.
    for (const int n : seen)
        QVERIFY2(n > 700 && n < 900, qPrintable(QString::number(n)));
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
    session.DreamLetters = {"Q"};
    QCOMPARE(session.DrawDreamQuestions(), 0); // no Q: the test is set up by hand
    session.DreamQuestionCount = 2;
    session.DreamQuestionRows = {2, 0};
    session.DreamAnswers = QStringList(2);

    // The first answer is right; the second is another symbol's.
    QVERIFY(!session.RecordAnswer(session.AskQuestion().correctSlot));
    const DreamQuestion second = session.AskQuestion();
    const int wrong = (second.correctSlot + 1) % 5;
    QVERIFY(session.RecordAnswer(wrong));
    const QString wrongText = second.options[size_t(wrong)].value_or(QString());

    const DreamReport report = session.BuildDreamReport();
    QCOMPARE(report.title, QStringLiteral("Vessa Learn Dream Interpretation Result"));
    const QString candle = byKeyword ? "Candle" : "About Candle.";
    const QString candleAnswer = byKeyword ? "About Candle." : "Candle";
    const QString anchor = byKeyword ? "Anchor" : "About Anchor.";
    const QString anchorAnswer = byKeyword ? "About Anchor." : "Anchor";
    const QStringList expected = {"Question 1", candle, "Your Answer: " + candleAnswer,
                                  "Correct Answer: " + candleAnswer, "",
                                  "Question 2", anchor, "Your Answer: " + wrongText,
                                  "Correct Answer: " + anchorAnswer, "",
                                  "1 correct out of 2 questions."};
    QCOMPARE(report.body.split(QStringLiteral("\r\n")), expected);
    // The report ends the test.
    QVERIFY(!session.DreamTestByKeyword);
    QVERIFY(session.DreamLetters.isEmpty() && session.DreamAnswers.isEmpty());
    QVERIFY(session.DreamQuestionRows.empty() && session.DreamLetterCounts.empty());
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
