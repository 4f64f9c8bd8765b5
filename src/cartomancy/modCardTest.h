#pragma once

#include "db/RecordSet.h"
#include "modLearnCartomancyDB.h"
#include "quiz/QuizSession.h"

#include <QHash>
#include <QString>

#include <map>
#include <memory>
#include <vector>

// The card test as the test engine asks it, free of widgets: the levels, the
// cards of the selection as questions, their meanings and keywords as choices,
// and the fixed-layout report.

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

// The caption of a test type and of a level, as the test options show them.
QString CardTestTypeCaption(CardTestType type);
QString CardTestLevelCaption(CardTestLevel level);

// "You must choose 3 keywords" ("keyword" for one).
QString KeywordInstruction(int toChoose);
// The message shown when one box too many is ticked.
QString TooManyKeywordsMessage(int toChoose);

// A card of the selection, read once when a test starts.
struct CardFace {
    int id = 0;
    QString name;
    QString meaning; // NormalMeaning
};

// Every card of a record set, in its order (the filter is cleared).
std::vector<CardFace> ReadCardFaces(Db::RecordSet &cards);

// The cards of the selection as the engine asks about them (AskDescriptionQuestion,
// AskKeywordQuestion):
// - one question per card of the selection, each card drawn evenly among
//   those not asked yet;
// - a description question offers the card's meaning and the meanings of
//   other cards of the selection, two to four options by level;
// - a keyword question ticks the card's own keywords (one, three or five by
//   level, fewer when the card has fewer) among keywords of other cards of the
//   whole deck that are none of this card's, five, seven or ten boxes by level.
// Keywords and pictures are read from the database as the questions need them.
class CardQuizSource : public Quiz::Source {
public:
    CardQuizSource(std::shared_ptr<Db::Database> db, std::vector<CardFace> selection,
                   CardTestType type, CardTestLevel level);

    CardTestType Type() const { return type_; }
    CardTestLevel Level() const { return level_; }
    int CardCount() const { return int(cards_.size()); }
    const CardFace &Card(int item) const { return cards_[size_t(item)]; }

    Quiz::Layout QuestionLayout() const override;
    Quiz::Pool Items() override;
    QString Subject(int item) override;
    QByteArray Picture(int item) override; // the card's PictureData
    Quiz::Key KeyOf(int item) override;
    Quiz::Pool WrongChoices(int item) override;
    QString WrongChoiceText(int item, int candidate) override;
    QString ItemName(int item) override;
    // The card as the "Memorize Cards" tab shows it: its picture, its meaning
    // and its first five keywords.
    ReviewItem ReviewOf(int item) override;

private:
    const QStringList &ownKeywords(int item);
    OtherKeywords &otherKeywords(int item);

    std::shared_ptr<Db::Database> db_;
    std::vector<CardFace> cards_;
    CardTestType type_;
    CardTestLevel level_;
    QHash<int, QStringList> own_;         // by card Id: its keywords in row order
    std::map<int, OtherKeywords> others_; // by card Id
    QHash<qint64, QString> otherAt_;      // by card Id and position
};

// Starts a test on the cards of the selection: one question per card.
Quiz::Session StartCardTest(std::shared_ptr<Db::Database> db, std::vector<CardFace> selection,
                            CardTestType type, CardTestLevel level,
                            Quiz::Uniform uniform = Quiz::ProgramUniform());

struct TestReport {
    QString text;    // lines ended by CR LF
    QString summary; // also the last line of the text
};

// One answered question as the report lists it.
struct ReportRow {
    QString name;
    int score = 0;
    int outOf = 1; // the most the question could score
};

// "Test Report For " and the application's title.
QString ReportTitle();
// The report: title, a "-" row as long as the title, one line per answered
// question (number, name padded to 36 characters with at least one blank
// after it, result), 64 "_" and the summary over `cardCount` questions.
TestReport FormatTestReport(CardTestType type, const std::vector<ReportRow> &rows, int cardCount,
                            int total);
// The report of a finished test (BuildTestReport).
TestReport BuildTestReport(CardTestType type, const Quiz::Result &result, int cardCount);
