// Learn Cartomancy without its window: the generated database, the card
// queries, keyword positions, card pictures, question set-up and the report.
#include "CartomancyFixture.h"
#include "cartomancy/modCardTest.h"
#include "cartomancy/modLearnCartomancyDB.h"
#include "toolkit/AppInfo.h"
#include "toolkit/modRandom.h"

#include <QImage>
#include <QLabel>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

#include <random>

#include <algorithm>

using namespace CartomancyTest;

namespace {

Quiz::Uniform seeded(std::uint64_t seed)
{
    auto generator = std::make_shared<std::mt19937_64>(seed);
    return [generator] { return double((*generator)() >> 11) * 0x1.0p-53; };
}

} // namespace

class TestCartomancyLogic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void generatedDatabaseHoldsTheDeck();
    void cardQueryText_data();
    void cardQueryText();
    void keywordPositionsMatchTheQuery_data();
    void keywordPositionsMatchTheQuery();
    void picturesLoadThroughTemporaryFiles();
    void reportLayout();
    void reportNamesAndBoundaries();
    void descriptionQuestions_data();
    void descriptionQuestions();
    void keywordQuestions_data();
    void keywordQuestions();
    void drawsEndWhenTheDataRunsShort();

private:
    std::shared_ptr<Db::Database> deck_;
    QTemporaryDir dir_;
};

void TestCartomancyLogic::initTestCase()
{
    QVERIFY2(QFile::exists(BuiltDatabase()), qPrintable(BuiltDatabase()));
    deck_ = Db::Database::Open(BuiltDatabase());
    QVERIFY(deck_->IsOpen());
}

// The database built from src/cartomancy/content: 52 cards with Ids 1 to 52, three
// face cards and ten number cards per suit, eight distinct keywords per card
// (distinct over the whole deck too) and a 250 x 350 picture each.
void TestCartomancyLogic::generatedDatabaseHoldsTheDeck()
{
    Db::RecordSet cards = Db::RecordSet::Open(deck_, QStringLiteral("SELECT * FROM tblCards ORDER BY Id"));
    QCOMPARE(cards.RecordCount(), 52);
    QMap<int, int> perGroup;
    int expectedId = 1;
    for (cards.MoveFirst(); !cards.IsEOF(); cards.MoveNext(), ++expectedId) {
        QCOMPARE(cards.Int(QStringLiteral("Id")), expectedId);
        QVERIFY(!cards.Text(QStringLiteral("Name")).isEmpty());
        QVERIFY(cards.Text(QStringLiteral("NormalMeaning")).size() > 80);
        QVERIFY(cards.Text(QStringLiteral("ReversedMeaning")).size() > 80);
        ++perGroup[cards.Int(QStringLiteral("Group"))];
        const QImage face = QImage::fromData(cards.Bytes(QStringLiteral("PictureData")));
        QCOMPARE(face.size(), QSize(250, 350));
    }
    QCOMPARE(perGroup, (QMap<int, int>{{0, 3}, {1, 3}, {2, 3}, {3, 3}, {4, 10}, {5, 10}, {6, 10}, {7, 10}}));

    Db::RecordSet keywords = Db::RecordSet::Open(deck_, AllKeywordsQuery());
    QCOMPARE(keywords.RecordCount(), 416);
    QSet<QString> distinct;
    QMap<int, int> perCard;
    for (keywords.MoveFirst(); !keywords.IsEOF(); keywords.MoveNext()) {
        distinct.insert(keywords.Text(QStringLiteral("keyword")));
        ++perCard[keywords.Int(QStringLiteral("CardID"))];
        cards.SetFilter(QStringLiteral("ID=") + keywords.Text(QStringLiteral("CardID")));
        QCOMPARE(keywords.Text(QStringLiteral("CardName")), cards.Text(QStringLiteral("Name")));
    }
    QCOMPARE(distinct.size(), 416);
    QCOMPARE(perCard.size(), 52);
    QVERIFY(std::all_of(perCard.cbegin(), perCard.cend(), [](int n) { return n == 8; }));
}

void TestCartomancyLogic::cardQueryText_data()
{
    QTest::addColumn<std::vector<int>>("groups");
    QTest::addColumn<QString>("query");
    QTest::addRow("0 and 5") << std::vector<int>{0, 5}
                             << "SELECT * FROM tblCards WHERE (Group=0) OR (Group=5) ORDER BY ID";
    QTest::addRow("1, 2 and 6") << std::vector<int>{1, 2, 6}
                                << "SELECT * FROM tblCards WHERE (Group=1) OR (Group=2) OR (Group=6) ORDER BY ID";
    QTest::addRow("one") << std::vector<int>{7} << "SELECT * FROM tblCards WHERE (Group=7) ORDER BY ID";
    QTest::addRow("all, any order") << std::vector<int>{7, 3, 0, 1, 2, 6, 5, 4}
                                    << "SELECT * FROM tblCards WHERE (Group=0) OR (Group=1) OR (Group=2) OR "
                                       "(Group=3) OR (Group=4) OR (Group=5) OR (Group=6) OR (Group=7) ORDER BY ID";
    QTest::addRow("none") << std::vector<int>{} << QString();
}

void TestCartomancyLogic::cardQueryText()
{
    QFETCH(std::vector<int>, groups);
    QFETCH(QString, query);
    QCOMPARE(BuildCardQuery(groups), query);
}

// The keywords of the other cards, by position, are exactly the rows of the
// query "Not CardID=n" in Id order: with the Ids running without gaps (found
// by arithmetic) and with gaps (read by offset).
void TestCartomancyLogic::keywordPositionsMatchTheQuery_data()
{
    QTest::addColumn<bool>("withGaps");
    QTest::addColumn<int>("cardId");
    QTest::addRow("no gaps, first card") << false << 1;
    QTest::addRow("no gaps, middle card") << false << 27;
    QTest::addRow("no gaps, last card") << false << 52;
    QTest::addRow("gaps") << true << 27;
}

void TestCartomancyLogic::keywordPositionsMatchTheQuery()
{
    QFETCH(bool, withGaps);
    QFETCH(int, cardId);
    const QString path = dir_.filePath(QStringLiteral("keywords-%1-%2.db").arg(withGaps).arg(cardId));
    QVERIFY(QFile::copy(BuiltDatabase(), path));
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    if (withGaps) {
        auto writable = Db::Database::Open(path, false);
        QSqlQuery q(writable->Handle());
        QVERIFY(q.exec(QStringLiteral("DELETE FROM tblKeywords WHERE Id IN (3, 100, 215, 216)")));
    }
    auto db = Db::Database::Open(path);
    Db::RecordSet expected = Db::RecordSet::Open(db, OtherKeywordsQuery(cardId) + QStringLiteral(" ORDER BY Id"));
    OtherKeywords others(db, cardId);
    QCOMPARE(others.Count(), expected.RecordCount());
    QCOMPARE(others.Count(), withGaps ? 406 : 408); // two of the removed rows were the card's own
    for (int position = 1; !expected.IsEOF(); expected.MoveNext(), ++position)
        QCOMPARE(others.At(position), expected.Text(QStringLiteral("keyword")));
    QVERIFY(others.At(0).isEmpty());
    QVERIFY(others.At(others.Count() + 1).isEmpty());
}

// A picture is shown through a temporary file that is gone afterwards; an
// empty column, bytes that are no picture and a set without a current record
// leave the box empty and report false.
void TestCartomancyLogic::picturesLoadThroughTemporaryFiles()
{
    const QString temp = dir_.filePath(QStringLiteral("temp"));
    QVERIFY(QDir().mkpath(temp));
    const QString first = NewTempFileName(temp, QStringLiteral("TMP"));
    const QString second = NewTempFileName(temp, QStringLiteral("TMP"));
    QVERIFY(!first.isEmpty() && first != second);
    QVERIFY(QFileInfo(first).fileName().startsWith(QLatin1String("TMP")));
    QCOMPARE(QFileInfo(first).size(), 0);
    QCOMPARE(QFileInfo(first).absolutePath(), QFileInfo(temp).absoluteFilePath());
    QFile::remove(first);
    QFile::remove(second);

    const QString path = dir_.filePath(QStringLiteral("pictures.db"));
    const std::vector<DeckCard> three = {
        {1, QStringLiteral("One"), 0}, {2, QStringLiteral("Two"), 0}, {3, QStringLiteral("Three"), 0}};
    QVERIFY(MakeDeck(path, three, {}));
    {
        auto writable = Db::Database::Open(path, false);
        QSqlQuery q(writable->Handle());
        q.prepare(QStringLiteral("UPDATE tblCards SET PictureData=? WHERE Id=?"));
        Db::RecordSet source = Db::RecordSet::Open(deck_, AllCardsQuery());
        q.addBindValue(source.Bytes(QStringLiteral("PictureData")));
        q.addBindValue(1);
        QVERIFY(q.exec());
        q.addBindValue(QByteArray("not a picture at all"));
        q.addBindValue(2);
        QVERIFY(q.exec());
    }
    Db::RecordSet set = Db::RecordSet::Open(Db::Database::Open(path), AllCardsQuery());
    QLabel box;
    box.setFixedSize(125, 175);
    QVERIFY(LoadPictureData(&box, set, QStringLiteral("PictureData"), temp));
    QCOMPARE(box.pixmap().size(), QSize(125, 175));
    for (int id : {2, 3, 4}) { // damaged, empty, no current record
        QVERIFY(LoadPictureData(&box, set, QStringLiteral("PictureData"), temp));
        set.SetFilter(QStringLiteral("ID=%1").arg(id));
        QVERIFY(!LoadPictureData(&box, set, QStringLiteral("PictureData"), temp));
        QVERIFY(box.pixmap().isNull());
        set.SetFilter(QString());
    }
    QCOMPARE(QDir(temp).entryList(QDir::Files), QStringList());
}

// The report: title, "-" under it as long as it, a blank line, one line per
// question with the name padded to 36 characters, 64 "_" and the summary.
void TestCartomancyLogic::reportLayout()
{
    const QString title = QStringLiteral("Test Report For ") + AppInfo::ApplicationTitle();
    QCOMPARE(ReportTitle(), title);
    const std::vector<ReportRow> three = {{QStringLiteral("King of Hearts"), 1, 1},
                                          {QStringLiteral("Two of Spades"), 0, 1},
                                          {QStringLiteral("Ace of Clubs"), 1, 1}};
    const TestReport description = FormatTestReport(CardTestType::Description, three, 3, 2);
    const QStringList lines = description.text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 8);
    QCOMPARE(lines[0], title);
    QCOMPARE(lines[1], QString(title.size(), u'-'));
    QCOMPARE(lines[2], QString());
    QCOMPARE(lines[3], QStringLiteral("01.      King of Hearts") + QString(36 - 14, u' ') + QStringLiteral("Correct"));
    QCOMPARE(lines[4], QStringLiteral("02.      Two of Spades") + QString(36 - 13, u' ') + QStringLiteral("Wrong"));
    QCOMPARE(lines[5].indexOf(QLatin1String("Correct")), 9 + 36);
    QCOMPARE(lines[6], QString(64, u'_'));
    QCOMPARE(lines[7], QStringLiteral("2 out of 3 questions correct"));
    QCOMPARE(description.summary, lines[7]);
    QCOMPARE(description.text.count(u'\n'), description.text.count(QStringLiteral("\r\n")));

    std::vector<ReportRow> twelve;
    for (int i = 0; i < 12; ++i)
        twelve.push_back({QStringLiteral("Card %1").arg(i + 1), i < 7 ? 1 : 0, 1});
    QCOMPARE(FormatTestReport(CardTestType::Description, twelve, 12, 7).summary,
             QStringLiteral("7 out of 12 questions correct"));
    QVERIFY(FormatTestReport(CardTestType::Description, twelve, 12, 7)
                .text.contains(QStringLiteral("\r\n10.      Card 10")));

    for (ReportRow &row : twelve) {
        row.outOf = 3;
        row.score = 3;
    }
    for (int i = 0; i < 6; ++i)
        twelve[size_t(i)].score = 2;
    const TestReport keywords = FormatTestReport(CardTestType::Keywords, twelve, 12, 30);
    QCOMPARE(keywords.summary, QStringLiteral("30/36 choice(s) from 12 questions were correct"));
    const QStringList keywordLines = keywords.text.split(QStringLiteral("\r\n"));
    QCOMPARE(keywordLines[3],
             QStringLiteral("01.      Card 1") + QString(36 - 6, u' ') + QStringLiteral("2 Out Of 3 Correct"));
    QCOMPARE(keywordLines[14],
             QStringLiteral("12.      Card 12") + QString(36 - 7, u' ') + QStringLiteral("3 Out Of 3 Correct"));
}

void TestCartomancyLogic::reportNamesAndBoundaries()
{
    // No questions (a selection without cards).
    const TestReport none = FormatTestReport(CardTestType::Description, {}, 0, 0);
    QCOMPARE(none.text.split(QStringLiteral("\r\n")),
             (QStringList{ReportTitle(), QString(ReportTitle().size(), u'-'), QString(), QString(64, u'_'),
                          QStringLiteral("0 out of 0 questions correct")}));
    QCOMPARE(FormatTestReport(CardTestType::Keywords, {}, 0, 0).summary,
             QStringLiteral("0/0 choice(s) from 0 questions were correct"));

    // Names as long as the column or longer keep one blank before the result.
    const QString exact(36, u'x');
    const QString longer(41, u'y');
    const QStringList lines = FormatTestReport(CardTestType::Description,
                                               {{exact, 1, 1}, {longer, 0, 1}, {QString(35, u'z'), 1, 1}}, 3, 2)
                                  .text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines[3], QStringLiteral("01.      ") + exact + QStringLiteral(" Correct"));
    QCOMPARE(lines[4], QStringLiteral("02.      ") + longer + QStringLiteral(" Wrong"));
    QCOMPARE(lines[5], QStringLiteral("03.      ") + QString(35, u'z') + QStringLiteral(" Correct"));

    QCOMPARE(KeywordInstruction(1), QStringLiteral("You must choose 1 keyword"));
    QCOMPARE(KeywordInstruction(3), QStringLiteral("You must choose 3 keywords"));
    QCOMPARE(TooManyKeywordsMessage(1), QStringLiteral("You can select only 1 keywords.\r\n"
                                                       "Please unselect one before selecting another keyword"));
}

void TestCartomancyLogic::descriptionQuestions_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<QList<int>>("slots");
    QTest::addRow("beginner") << 0 << QList<int>{1, 2};
    QTest::addRow("intermediate") << 1 << QList<int>{0, 1, 2};
    QTest::addRow("advanced") << 2 << QList<int>{0, 1, 2, 3};
}

// Every question shows as many options as the level has slots: the card's own
// meaning on the correct one, the meanings of other, distinct cards on the rest.
void TestCartomancyLogic::descriptionQuestions()
{
    QFETCH(int, level);
    QFETCH(QList<int>, slots);
    Db::RecordSet cards = Db::RecordSet::Open(deck_, BuildCardQuery({0, 1, 2, 3, 4, 5, 6, 7}));
    QMap<QString, int> idByMeaning;
    for (; !cards.IsEOF(); cards.MoveNext())
        idByMeaning.insert(cards.Text(QStringLiteral("NormalMeaning")), cards.Int(QStringLiteral("Id")));
    QCOMPARE(RuleForLevel(CardTestLevel(level)).optionLow, slots.first());
    QCOMPARE(RuleForLevel(CardTestLevel(level)).optionHigh, slots.last());
    Quiz::Session test = StartCardTest(deck_, ReadCardFaces(cards), CardTestType::Description,
                                       CardTestLevel(level), seeded(11 + level));
    QCOMPARE(test.Count(), 52);
    auto &source = static_cast<CardQuizSource &>(test.ItemSource());
    for (int q = 0; q < 40; ++q) {
        const Quiz::Question &question = test.CurrentQuestion();
        QCOMPARE(question.choices.size(), slots.size());
        QCOMPARE(idByMeaning.value(question.choices[question.correct.front()]),
                 source.Card(question.item).id);
        QSet<int> shownCards;
        for (const QString &choice : question.choices)
            shownCards.insert(idByMeaning.value(choice));
        QCOMPARE(shownCards.size(), slots.size());
        QVERIFY(!shownCards.contains(0));
        test.Answer(0);
    }
}

void TestCartomancyLogic::keywordQuestions_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<int>("toChoose");
    QTest::addRow("beginner") << 0 << 5 << 1;
    QTest::addRow("intermediate") << 1 << 7 << 3;
    QTest::addRow("advanced") << 2 << 10 << 5;
}

// The card's own keywords sit on the correct boxes, keywords of other cards
// on the rest; ticking the card's own scores each.
void TestCartomancyLogic::keywordQuestions()
{
    QFETCH(int, level);
    QFETCH(int, boxes);
    QFETCH(int, toChoose);
    Db::RecordSet cards = Db::RecordSet::Open(deck_, BuildCardQuery({0, 1, 2, 3, 4, 5, 6, 7}));
    QMap<QString, int> cardOfKeyword;
    Db::RecordSet all = Db::RecordSet::Open(deck_, AllKeywordsQuery());
    for (; !all.IsEOF(); all.MoveNext())
        cardOfKeyword.insert(all.Text(QStringLiteral("keyword")), all.Int(QStringLiteral("CardID")));
    Quiz::Session test = StartCardTest(deck_, ReadCardFaces(cards), CardTestType::Keywords,
                                       CardTestLevel(level), seeded(29 + level));
    auto &source = static_cast<CardQuizSource &>(test.ItemSource());
    for (int q = 0; q < 30; ++q) {
        const Quiz::Question question = test.CurrentQuestion();
        QCOMPARE(question.choices.size(), boxes);
        QCOMPARE(question.ToChoose(), toChoose);
        for (int box = 0; box < boxes; ++box) {
            QVERIFY(cardOfKeyword.contains(question.choices[box]));
            QCOMPARE(cardOfKeyword.value(question.choices[box]) == source.Card(question.item).id,
                     question.IsCorrect(box));
        }
        test.Answer(question.correct);
        QCOMPARE(test.Outcome().questions.back().score, toChoose);
    }
}

// Too few cards or keywords: the draws stop, the options and boxes that
// cannot be filled stay hidden and the rest still make a fair question.
void TestCartomancyLogic::drawsEndWhenTheDataRunsShort()
{
    const QString path = dir_.filePath(QStringLiteral("short.db"));
    QVERIFY(MakeDeck(path,
                     {{1, QStringLiteral("Ace of Cups"), 0},
                      {2, QStringLiteral("Two of Cups"), 0},
                      {3, QStringLiteral("Page of Cups"), 0}},
                     {{1, QStringLiteral("beginning")},
                      {1, QStringLiteral("beginning")},
                      {1, QString()},
                      {2, QStringLiteral("pairing")},
                      {2, QStringLiteral("union")},
                      {3, QStringLiteral("pairing")}}));
    auto db = Db::Database::Open(path);
    Db::RecordSet cards = Db::RecordSet::Open(db, AllCardsQuery());
    std::vector<CardFace> faces = ReadCardFaces(cards);
    Quiz::Session description =
        StartCardTest(db, faces, CardTestType::Description, CardTestLevel::Advanced, seeded(1));
    while (!description.Finished()) {
        const QStringList meanings = description.CurrentQuestion().choices;
        QCOMPARE(QSet<QString>(meanings.begin(), meanings.end()).size(), 3);
        description.Answer(0);
    }

    // A card without keywords in the selection: nothing to tick.
    faces.push_back({4, QStringLiteral("Four of Cups"), QStringLiteral("Meaning of Four of Cups")});
    // Own keywords, and the boxes shown: another card's keyword that is also
    // one of the card's own ("pairing" of card 3 for card 2) is never shown as wrong.
    const QMap<int, std::pair<int, QStringList>> expected = {
        {1, {1, {"beginning", "pairing", "union"}}},
        {2, {2, {"beginning", "pairing", "union"}}},
        {3, {1, {"beginning", "pairing", "union"}}},
        {4, {0, {"beginning", "pairing", "union"}}}};
    Quiz::Session keywords =
        StartCardTest(db, faces, CardTestType::Keywords, CardTestLevel::Advanced, seeded(2));
    QCOMPARE(keywords.Count(), 4);
    while (!keywords.Finished()) {
        const Quiz::Question &q = keywords.CurrentQuestion();
        const int id = faces[size_t(q.item)].id;
        QStringList shown = q.choices;
        shown.sort();
        QCOMPARE(q.ToChoose(), expected[id].first);
        QCOMPARE(shown, expected[id].second);
        if (id == 1)
            QCOMPARE(q.choices[q.correct.front()], QStringLiteral("beginning"));
        keywords.Answer(q.correct);
    }
    // Every own keyword ticked: 4 of 4, and the card without keywords counts as right.
    QCOMPARE(keywords.Outcome().Score(), 4);
    QCOMPARE(keywords.Outcome().MaxScore(), 4);
    for (const Quiz::Answered &answered : keywords.Outcome().questions)
        QVERIFY(answered.Right());
}

QTEST_MAIN(TestCartomancyLogic)
#include "tst_cartomancy_logic.moc"
