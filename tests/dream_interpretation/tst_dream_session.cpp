// The learn list and the tests behind the Learn Dream Interpretation window:
// question counts, the draw of the questions and of the options (checked
// against the draw done the slow way, row by row over the whole table), the
// answers and the report, and tables that cannot give a full test.
#include "DreamTestData.h"
#include "dream_interpretation/modDreamInterpretation.h"
#include "shell/modRandom.h"

#include <QHash>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using KeywordSource::Symbol;

namespace {

// The questions' positions drawn the way the test is defined: one random
// position at a time, each read from the whole table in keyword order.
std::vector<int> referenceDraw(const std::vector<Symbol> &rows, const QStringList &letters,
                               int count)
{
    std::vector<int> chosen;
    std::vector<int> perLetter(size_t(letters.size()), 0);
    while (int(chosen.size()) < count) {
        const int p = Random::DrawNearest(int(rows.size()) - 1);
        if (std::find(chosen.begin(), chosen.end(), p) != chosen.end())
            continue;
        const qsizetype letter = letters.indexOf(rows[size_t(p)].keyword.left(1));
        if (letter < 0 || perLetter[size_t(letter)] >= 5)
            continue;
        ++perLetter[size_t(letter)];
        chosen.push_back(p);
    }
    return chosen;
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
    void initTestCase();
    void questionCounts_data();
    void questionCounts();
    void drawKeepsToTheLettersAndTheLimit();
    void drawMatchesTheRowByRowDraw_data();
    void drawMatchesTheRowByRowDraw();
    void scarceSymbolsGiveAShorterTest();
    void optionsOfAQuestion();
    void correctSlotIsUniform();
    void tooFewRowsForOptions();
    void reportOfATwoQuestionTest_data();
    void reportOfATwoQuestionTest();
    void learnListOrderAndBounds();
};

void tst_dream_session::initTestCase()
{
    rows_ = DreamTestData::OrderedRows(DreamTestData::BuiltDatabase());
    QCOMPARE(int(rows_.size()), 676);
}

void tst_dream_session::questionCounts_data()
{
    QTest::addColumn<QStringList>("letters");
    QTest::addColumn<int>("count");
    QTest::addRow("A+B") << QStringList{"A", "B"} << 10;
    QTest::addRow("Q alone") << QStringList{"Q"} << 2;
    QTest::addRow("A+Q") << QStringList{"A", "Q"} << 7;
    QTest::addRow("Q+X+Y+Z") << QStringList{"Q", "X", "Y", "Z"} << 8;
    QStringList all;
    for (char16_t c = u'A'; c <= u'Z'; ++c)
        all << QString(QChar(c));
    QTest::addRow("all letters") << all << 5 * 26 - 3 * 4;
}

void tst_dream_session::questionCounts()
{
    QFETCH(QStringList, letters);
    QFETCH(int, count);
    QCOMPARE(DreamSession::NominalQuestionCount(letters), count);
    DreamSession session(DreamTestData::BuiltDatabase());
    session.DreamLetters = letters;
    Random::Seed(7);
    QCOMPARE(session.DrawDreamQuestions(), count);
    QCOMPARE(session.DreamQuestionCount, count);
    QCOMPARE(int(session.DreamQuestionRows.size()), count);
    QCOMPARE(session.DreamAnswers.size(), count);
    QCOMPARE(session.DreamPosition, 0);
}

// Over many tests: every question's symbol starts with a chosen letter, no
// letter gives more than five questions, no symbol is asked twice, and the
// first and last symbols of the table can be asked like any other.
void tst_dream_session::drawKeepsToTheLettersAndTheLimit()
{
    DreamSession session(DreamTestData::BuiltDatabase());
    const QList<QStringList> choices = {{"A", "B"}, {"A", "Q"}, {"Q"}, {"A", "Z"}};
    QSet<int> asked;
    for (int seed = 1; seed <= 400; ++seed) {
        Random::Seed(seed);
        session.DreamLetters = choices[seed % choices.size()];
        const int count = session.DrawDreamQuestions();
        std::map<QString, int> perLetter;
        for (const int p : session.DreamQuestionRows) {
            const QString letter = rows_[size_t(p)].keyword.left(1);
            QVERIFY(session.DreamLetters.contains(letter));
            QVERIFY(++perLetter[letter] <= DreamSession::LetterLimit);
            asked.insert(p);
        }
        QCOMPARE(QSet<int>(session.DreamQuestionRows.begin(), session.DreamQuestionRows.end()).size(),
                 count);
        for (qsizetype i = 0; i < session.DreamLetters.size(); ++i)
            QCOMPARE(session.DreamLetterCounts[size_t(i)], perLetter[session.DreamLetters[i]]);
    }
    const auto last = std::find_if(rows_.rbegin(), rows_.rend(),
                                   [](const Symbol &s) { return s.keyword.startsWith(u'Z'); });
    QVERIFY(asked.contains(0));                                   // first A symbol
    QVERIFY(asked.contains(int(rows_.rend() - last) - 1));        // last Z symbol
}

void tst_dream_session::drawMatchesTheRowByRowDraw_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("letters");
    QTest::addColumn<int>("seed");
    const QString built = DreamTestData::BuiltDatabase();
    QTest::addRow("A+B") << built << QStringList{"A", "B"} << 11;
    QTest::addRow("A+Q") << built << QStringList{"A", "Q"} << 12;
    QTest::addRow("M+N+X") << built << QStringList{"M", "N", "X"} << 13;
    // Lower-case and other keywords inside and between the letters' ranges
    // are drawn and refused, as the row-by-row draw refuses them.
    QStringList mixed;
    for (const char *k : {"Ace", "ache", "Acorn", "adder", "Aim", "Air", "Ale", "all", "Amber",
                          "Bee", "bell", "Bone", "Box", "Bud", "bug", "Bun", "Bus", "7 Seas",
                          "Cab", "cot", "Cow", "Cup", "Cut", "cyan", "Zed", "zip", "Zoo"})
        mixed << QString::fromLatin1(k);
    const QString path = table(QStringLiteral("mixed.dll"), mixed);
    QTest::addRow("mixed case A+C") << path << QStringList{"A", "C"} << 14;
    QTest::addRow("mixed case B+C+Z") << path << QStringList{"B", "C", "Z"} << 15;
}

void tst_dream_session::drawMatchesTheRowByRowDraw()
{
    QFETCH(QString, path);
    QFETCH(QStringList, letters);
    QFETCH(int, seed);
    const std::vector<Symbol> rows = DreamTestData::OrderedRows(path);
    QVERIFY(!rows.empty());
    DreamSession session(path);
    session.DreamLetters = letters;
    Random::Seed(seed);
    const int count = session.DrawDreamQuestions();
    QVERIFY(count > 0);
    const std::vector<int> drawn = session.DreamQuestionRows;
    Random::Seed(seed);
    QCOMPARE(drawn, referenceDraw(rows, letters, count));
    // The generator is left where the slow draw leaves it, so what follows
    // (the options) is the same too.
    const double next = Random::Rnd();
    Random::Seed(seed);
    session.DrawDreamQuestions();
    QCOMPARE(Random::Rnd(), next);
}

// A letter with fewer symbols than its share gives what it has; the test is
// shorter and says so in its count instead of drawing without end.
void tst_dream_session::scarceSymbolsGiveAShorterTest()
{
    const QString path = table(QStringLiteral("scarce.dll"),
                               {"Ant", "Apple", "Arch", "Arrow", "Axe", "Anvil", "Bell", "Bread",
                                "Quail", "Xylophone", "Yarn", "Yew", "Yoke"});
    DreamSession session(path);
    struct Case {
        QStringList letters;
        int count;
    };
    for (const Case &c : {Case{{"A", "B"}, 7}, Case{{"Q"}, 1}, Case{{"A", "Q"}, 6},
                          Case{{"C", "D"}, 0}, Case{{"X", "Y"}, 4}, Case{{"Y"}, 2}}) {
        Random::Seed(3);
        session.DreamLetters = c.letters;
        QCOMPARE(session.DrawDreamQuestions(), c.count);
        QCOMPARE(int(session.DreamQuestionRows.size()), c.count);
        QCOMPARE(QSet<int>(session.DreamQuestionRows.begin(), session.DreamQuestionRows.end()).size(),
                 c.count);
    }
    // Asked through the whole short test, the progress counts to the real total.
    session.DreamLetters = {"A", "B"};
    session.DreamTestByKeyword = true;
    session.DrawDreamQuestions();
    QString progress;
    for (int i = 0; i < session.DreamQuestionCount; ++i) {
        progress = session.AskQuestion().progress;
        session.RecordAnswer(0);
    }
    QCOMPARE(progress, QStringLiteral("Question 7 of 7"));
    QVERIFY(session.BuildDreamReport().body.endsWith(QLatin1String(" correct out of 7 questions.")));
}

// The correct slot and then each other slot, in slot order, from the one
// generator; no other slot holds the question's own symbol.
void tst_dream_session::optionsOfAQuestion()
{
    for (const bool byKeyword : {true, false}) {
        DreamSession session(DreamTestData::BuiltDatabase());
        session.DreamTestByKeyword = byKeyword;
        session.DreamLetters = {"A", "Q"};
        Random::Seed(21);
        session.DrawDreamQuestions();
        for (int q = 0; q < session.DreamQuestionCount; ++q) {
            const int row = session.DreamQuestionRows[size_t(q)];
            const Symbol &asked = rows_[size_t(row)];
            Random::Seed(100 + q);
            const DreamQuestion question = session.AskQuestion();

            Random::Seed(100 + q);
            const int slot = Random::DrawWhole(5);
            QCOMPARE(question.correctSlot, slot);
            QCOMPARE(question.question, byKeyword ? asked.keyword : asked.description);
            for (int i = 0; i < 5; ++i) {
                QVERIFY(question.options[size_t(i)].has_value());
                if (i == slot) {
                    QCOMPARE(*question.options[size_t(i)],
                             byKeyword ? asked.description : asked.keyword);
                    continue;
                }
                int other = Random::DrawNearest(int(rows_.size()) - 1);
                while (other == row)
                    other = Random::DrawNearest(int(rows_.size()) - 1);
                const Symbol &expected = rows_[size_t(other)];
                QCOMPARE(*question.options[size_t(i)],
                         byKeyword ? expected.description : expected.keyword);
            }
            QCOMPARE(question.progress, QStringLiteral("Question %1 of 7").arg(q + 1));
            QCOMPARE(session.RecordAnswer(slot), q == session.DreamQuestionCount - 1);
        }
    }
}

void tst_dream_session::correctSlotIsUniform()
{
    DreamSession session(DreamTestData::BuiltDatabase());
    session.DreamTestByKeyword = true;
    Random::Seed(2024);
    std::array<int, 5> seen{};
    const int tests = 400;
    for (int t = 0; t < tests; ++t) {
        session.DreamLetters = {"A", "B"};
        session.DrawDreamQuestions();
        for (int q = 0; q < session.DreamQuestionCount; ++q) {
            const DreamQuestion question = session.AskQuestion();
            ++seen[size_t(question.correctSlot)];
            session.RecordAnswer(question.correctSlot);
        }
        QCOMPARE(session.BuildDreamReport().correct, 10);
    }
    // 4000 questions: each slot 800 expected, standard deviation about 25.
    for (const int n : seen)
        QVERIFY2(n > 700 && n < 900, qPrintable(QString::number(n)));
}

// With one symbol there is no other to offer: only the right answer is shown
// and nothing waits for a second row.
void tst_dream_session::tooFewRowsForOptions()
{
    DreamSession session(table(QStringLiteral("single.dll"), {"Anchor"}));
    session.DreamTestByKeyword = false;
    session.DreamLetters = {"A"};
    Random::Seed(5);
    QCOMPARE(session.DrawDreamQuestions(), 1);
    const DreamQuestion question = session.AskQuestion();
    QCOMPARE(question.question, QStringLiteral("About Anchor."));
    int offered = 0;
    for (const std::optional<QString> &option : question.options)
        offered += option.has_value();
    QCOMPARE(offered, 1);
    QCOMPARE(question.options[size_t(question.correctSlot)].value_or(QString()),
             QStringLiteral("Anchor"));
    QVERIFY(session.RecordAnswer(question.correctSlot));
    QCOMPARE(session.BuildDreamReport().correct, 1);

    // Two rows: the other option is always the other symbol.
    DreamSession pair(table(QStringLiteral("pair.dll"), {"Anchor", "Bell"}));
    pair.DreamTestByKeyword = true;
    pair.DreamLetters = {"B"};
    QCOMPARE(pair.DrawDreamQuestions(), 1);
    const DreamQuestion two = pair.AskQuestion();
    for (int i = 0; i < 5; ++i)
        QCOMPARE(two.options[size_t(i)].value_or(QString()),
                 i == two.correctSlot ? QStringLiteral("About Bell.") : QStringLiteral("About Anchor."));
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
    const QString path = table(QStringLiteral("report.dll"), {"Anchor", "Bell", "Candle", "Door"});
    DreamSession session(path);
    session.DreamTestByKeyword = byKeyword;
    session.DreamLetters = {"Q"}; // two questions, set by hand below
    session.DreamQuestionCount = 2;
    session.DreamQuestionRows = {2, 0};
    session.DreamAnswers = QStringList(2);

    // The first answer is right; the second is another symbol's.
    DreamQuestion first = session.AskQuestion();
    QVERIFY(!session.RecordAnswer(first.correctSlot));
    DreamQuestion second = session.AskQuestion();
    const int wrong = (second.correctSlot + 1) % 5;
    const QString wrongText = second.options[size_t(wrong)].value_or(QString());
    QVERIFY(session.RecordAnswer(wrong));

    const DreamReport report = session.BuildDreamReport();
    QCOMPARE(report.title, QStringLiteral("Vessa Learn Dream Interpretation Result"));
    const QStringList expected =
        byKeyword ? QStringList{"Question 1", "Candle", "Your Answer: About Candle.",
                                "Correct Answer: About Candle.", "",
                                "Question 2", "Anchor", "Your Answer: " + wrongText,
                                "Correct Answer: About Anchor.", "",
                                "1 correct out of 2 questions."}
                  : QStringList{"Question 1", "About Candle.", "Your Answer: Candle",
                                "Correct Answer: Candle", "",
                                "Question 2", "About Anchor.", "Your Answer: " + wrongText,
                                "Correct Answer: Anchor", "",
                                "1 correct out of 2 questions."};
    QCOMPARE(report.body.split(QStringLiteral("\r\n")), expected);
    QCOMPARE(report.correct, 1);

    // The report ends the test.
    QVERIFY(!session.DreamTestByKeyword);
    QVERIFY(session.DreamLetters.isEmpty());
    QVERIFY(session.DreamQuestionRows.empty());
    QVERIFY(session.DreamLetterCounts.empty());
    QVERIFY(session.DreamAnswers.isEmpty());
}

void tst_dream_session::learnListOrderAndBounds()
{
    DreamSession session(DreamTestData::BuiltDatabase());
    session.DreamLetters = {"A", "C"};
    session.BuildLearnList();
    QStringList expected;
    for (const Symbol &s : rows_)
        if (s.keyword.startsWith(u'A') || s.keyword.startsWith(u'C'))
            expected << s.keyword;
    QCOMPARE(session.LearnList, expected);
    QVERIFY(session.LearnList.first().startsWith(u'A'));
    QVERIFY(session.LearnList.last().startsWith(u'C'));

    session.DreamPosition = 0;
    QCOMPARE(session.PreviousLearnEntry(), DreamLearnStep::AtFirst);
    QCOMPARE(session.DreamPosition, 0);
    QCOMPARE(session.ShowLearnEntry().value_or(DreamSymbol{}).keyword, expected.first());
    QHash<QString, QString> meaning;
    for (const Symbol &s : rows_)
        meaning.insert(s.keyword, s.description);
    for (int i = 1; i < expected.size(); ++i) {
        QCOMPARE(session.NextLearnEntry(), DreamLearnStep::Moved);
        const std::optional<DreamSymbol> entry = session.ShowLearnEntry();
        QVERIFY(entry);
        QCOMPARE(entry->keyword, expected[i]);
        QCOMPARE(entry->description, meaning.value(expected[i]));
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
    odd.DreamPosition = 0;
    QCOMPARE(odd.NextLearnEntry(), DreamLearnStep::AtLast);
    QCOMPARE(odd.DreamPosition, 0);
    QVERIFY(!odd.ShowLearnEntry());
}

QTEST_GUILESS_MAIN(tst_dream_session)
#include "tst_dream_session.moc"
