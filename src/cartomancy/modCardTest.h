#pragma once

#include "db/RecordSet.h"

#include <QString>

#include <array>
#include <memory>
#include <unordered_set>
#include <vector>

// The card test without its window: drawing the question cards, setting up
// description and keyword questions, scoring and the fixed-layout report.
// Every draw takes the program's one random generator.

enum class CardTestType { Description = 0, Keywords = 1 };
enum class CardTestLevel { Beginner = 0, Intermediate = 1, Advanced = 2 };

constexpr int AnswerSlotCount = 7;  // optAnswer(0..6)
constexpr int KeywordBoxTotal = 10; // chkKeywords(0..9)

// What a level means for each test type.
struct LevelRule {
    int optionLow = 0;       // first answer slot shown (description test)
    int optionHigh = 0;      // last answer slot shown
    int keywordBoxCount = 0; // keyword boxes shown, from box 0
    int keywordsToChoose = 0;
};
LevelRule RuleForLevel(CardTestLevel level);

struct DescriptionQuestion {
    int cardId = 0;
    QString cardName;
    QByteArray picture; // the card's PictureData
    int correctSlot = -1;
    // Slots of the level; a slot stays hidden when the selection has too few
    // other cards to fill it.
    std::array<bool, AnswerSlotCount> shown{};
    std::array<QString, AnswerSlotCount> captions;
};

struct KeywordQuestion {
    int cardId = 0;
    QString cardName;
    QByteArray picture; // the card's PictureData
    int boxCount = 0; // boxes 0 .. boxCount-1 belong to the question
    // Boxes the user must tick: the level's number, or fewer when the card has
    // fewer distinct keywords.
    int toChoose = 0;
    std::vector<int> correctBoxes; // boxes holding the card's own keywords
    // A box of the question is shown only when it has a keyword (the deck may
    // hold too few keywords of other cards to fill them all).
    std::array<bool, KeywordBoxTotal> shown{};
    std::array<QString, KeywordBoxTotal> captions;
};

// "You must choose 3 keywords" ("keyword" for one).
QString KeywordInstruction(int toChoose);
// The message shown when one box too many is ticked.
QString TooManyKeywordsMessage(int toChoose);

// One answered question as the report lists it.
struct ReportRow {
    QString name;
    int score = 0;
    int outOf = 1; // the most the question could score
};

struct TestReport {
    QString text;    // lines ended by CR LF
    QString summary; // also the last line of the text
};

// "Test Report For " and the application's title.
QString ReportTitle();
// The report: title, a "-" row as long as the title, one line per answered
// question (number, name padded to 36 characters with at least one blank
// after it, result), 64 "_" and the summary.
TestReport FormatTestReport(CardTestType type, const std::vector<ReportRow> &rows, int cardCount,
                            int total);

// One run of the test over the current card selection.
class CardTest {
public:
    // Starts a test of cardCount questions (the cards in the selection).
    void Start(CardTestType type, CardTestLevel level, int cardCount);

    // The start of "Next Question": counts the new question and, unless it is
    // the first, records the answer to the current one with its score. True
    // when every question has been answered (the test is then finished and
    // TestTotal is set).
    bool Advance(int score);
    // The same, keeping what was answered and the right answer of the current
    // question beside its score (for the progress record).
    bool Advance(int score, const QString &given, const QString &correct);

    // Draws the card of the new question: at most N tries at a card not asked
    // yet; when all tries hit asked cards the last one drawn is used.
    void DrawQuestionCard(Db::RecordSet &cards);

    DescriptionQuestion AskDescriptionQuestion(Db::RecordSet &cards);
    KeywordQuestion AskKeywordQuestion(Db::RecordSet &cards, const std::shared_ptr<Db::Database> &db);

    // The keyword score: how many of the card's own boxes are ticked.
    int KeywordScore(const std::array<bool, KeywordBoxTotal> &ticked) const;

    // The report of the answered questions, card names read from all cards.
    TestReport BuildTestReport(const std::shared_ptr<Db::Database> &db) const;

    CardTestType Type() const { return type_; }
    CardTestLevel Level() const { return level_; }
    int CardCount() const { return cardCount_; }

    int TestQuestionNumber = 0;
    bool TestFirstQuestion = true;
    int TestCardId = 0;
    std::vector<int> TestAskedIds;
    std::vector<int> TestScores;
    std::vector<int> TestOutOf; // parallel to TestScores: the most each could score
    std::vector<QString> TestGiven;   // parallel to TestScores: the answer given
    std::vector<QString> TestCorrect; // parallel to TestScores: the right answer
    int TestTotal = 0;
    std::vector<int> CorrectBoxes;

private:
    CardTestType type_ = CardTestType::Keywords;
    CardTestLevel level_ = CardTestLevel::Beginner;
    int cardCount_ = 0;
    int currentOutOf_ = 1;
    std::unordered_set<int> asked_;
};
