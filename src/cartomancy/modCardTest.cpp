#include "modCardTest.h"

#include "modLearnCartomancyDB.h"
#include "shell/AppInfo.h"
#include "shell/modRandom.h"

#include <QHash>

#include <algorithm>
#include <unordered_set>

namespace {

const QString kCrLf = QStringLiteral("\r\n");
constexpr int kNameWidth = 36;

QString idFilter(int id) { return QStringLiteral("ID=") + QString::number(id); }

// Draws a position 1..count uniformly until `accept` takes one, never trying a
// position twice: a refused position stays refused, so remembering it keeps the
// distribution of the plain redraw while making sure the loop ends once every
// position has been refused. Returns 0 when none is left.
template <class Accept> int drawPosition(int count, std::unordered_set<int> &refused, Accept accept)
{
    while (int(refused.size()) < count) {
        const int position = Random::DrawWhole(count) + 1;
        if (refused.count(position))
            continue;
        refused.insert(position);
        if (accept(position))
            return position;
    }
    return 0;
}

} // namespace

LevelRule RuleForLevel(CardTestLevel level)
{
    switch (level) {
    case CardTestLevel::Beginner:
        return {1, 2, 5, 1};
    case CardTestLevel::Intermediate:
        return {0, 2, 7, 3};
    case CardTestLevel::Advanced:
        break;
    }
    return {0, 3, 10, 5};
}

QString KeywordInstruction(int toChoose)
{
    return QStringLiteral("You must choose ") + QString::number(toChoose) +
           (toChoose == 1 ? QStringLiteral(" keyword") : QStringLiteral(" keywords"));
}

QString TooManyKeywordsMessage(int toChoose)
{
    return QStringLiteral("You can select only ") + QString::number(toChoose) + QStringLiteral(" keywords.") +
           kCrLf + QStringLiteral("Please unselect one before selecting another keyword");
}

QString ReportTitle() { return QStringLiteral("Test Report For ") + AppInfo::ApplicationTitle(); }

TestReport FormatTestReport(CardTestType type, const std::vector<ReportRow> &rows, int cardCount, int total)
{
    const QString title = ReportTitle();
    QString text = title + kCrLf + QString(title.size(), u'-') + kCrLf;
    int possible = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        const ReportRow &row = rows[i];
        possible += row.outOf;
        // A name as long as the column or longer still gets one blank before the result.
        const int blanks = std::max<int>(kNameWidth - int(row.name.size()), 1);
        QString result;
        if (type == CardTestType::Description)
            result = row.score != 0 ? QStringLiteral("Correct") : QStringLiteral("Wrong");
        else
            result = QString::number(row.score) + QStringLiteral(" Out Of ") + QString::number(row.outOf) +
                     QStringLiteral(" Correct");
        text += kCrLf + QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0')) + QStringLiteral(". ") +
                QString(5, u' ') + row.name + QString(blanks, u' ') + result;
    }
    text += kCrLf + QString(64, u'_') + kCrLf;

    TestReport report;
    if (type == CardTestType::Description)
        report.summary = QString::number(total) + QStringLiteral(" out of ") + QString::number(cardCount) +
                         QStringLiteral(" questions correct");
    else
        report.summary = QString::number(total) + u'/' + QString::number(possible) +
                         QStringLiteral(" choice(s) from ") + QString::number(cardCount) +
                         QStringLiteral(" questions were correct");
    report.text = text + report.summary;
    return report;
}

void CardTest::Start(CardTestType type, CardTestLevel level, int cardCount)
{
    type_ = type;
    level_ = level;
    cardCount_ = std::max(cardCount, 0);
    TestTotal = 0;
    TestAskedIds.clear();
    TestScores.clear();
    TestOutOf.clear();
    TestGiven.clear();
    TestCorrect.clear();
    CorrectBoxes.clear();
    asked_.clear();
    TestFirstQuestion = true;
    TestQuestionNumber = 0;
    TestCardId = 0;
    currentOutOf_ = 1;
}

bool CardTest::Advance(int score)
{
    ++TestQuestionNumber;
    if (!TestFirstQuestion) {
        TestAskedIds.push_back(TestCardId);
        asked_.insert(TestCardId);
        TestScores.push_back(score);
        TestOutOf.push_back(currentOutOf_);
    }
    if (TestQuestionNumber <= cardCount_) {
        TestFirstQuestion = false;
        return false;
    }
    TestTotal = 0;
    for (int s : TestScores)
        TestTotal += type_ == CardTestType::Description ? (s == 1 ? 1 : 0) : s;
    return true;
}

bool CardTest::Advance(int score, const QString &given, const QString &correct)
{
    if (!TestFirstQuestion) {
        TestGiven.push_back(given);
        TestCorrect.push_back(correct);
    }
    return Advance(score);
}

void CardTest::DrawQuestionCard(Db::RecordSet &cards)
{
    const int n = cards.RecordCount();
    for (int attempt = 0; attempt < n; ++attempt) {
        cards.MoveFirst();
        cards.Move(Random::DrawWhole(n));
        TestCardId = cards.Int(QStringLiteral("Id"));
        if (!asked_.count(TestCardId))
            break;
    }
    cards.SetFilter(QString());
}

DescriptionQuestion CardTest::AskDescriptionQuestion(Db::RecordSet &cards)
{
    DescriptionQuestion question;
    question.cardId = TestCardId;
    cards.MoveFirst();
    cards.SetFilter(idFilter(TestCardId));
    question.cardName = cards.Text(QStringLiteral("Name"));
    question.picture = cards.Bytes(QStringLiteral("PictureData"));
    const QString meaning = cards.Text(QStringLiteral("NormalMeaning"));
    cards.SetFilter(QString());

    const LevelRule rule = RuleForLevel(level_);
    question.correctSlot = Random::DrawWhole(rule.optionHigh - rule.optionLow + 1) + rule.optionLow;
    currentOutOf_ = 1;

    // The other options show other cards of the selection, each at most once.
    // The question's own card is left out: its meaning on a second option
    // would look right and score wrong.
    const int n = cards.RecordCount();
    const auto idAt = [&cards](int position) {
        cards.MoveFirst();
        cards.Move(position - 1);
        return cards.Int(QStringLiteral("Id"));
    };
    std::unordered_set<int> used;
    for (int slot = rule.optionLow; slot <= rule.optionHigh; ++slot) {
        if (slot == question.correctSlot) {
            question.shown[size_t(slot)] = true;
            question.captions[size_t(slot)] = meaning;
            continue;
        }
        std::unordered_set<int> refused = used;
        const int position = drawPosition(n, refused, [&](int p) { return idAt(p) != TestCardId; });
        if (position == 0)
            continue; // no card left for this option
        used.insert(position);
        cards.MoveFirst();
        cards.Move(position - 1);
        question.shown[size_t(slot)] = true;
        question.captions[size_t(slot)] = cards.Text(QStringLiteral("NormalMeaning"));
    }
    cards.SetFilter(QString());
    return question;
}

KeywordQuestion CardTest::AskKeywordQuestion(Db::RecordSet &cards, const std::shared_ptr<Db::Database> &db)
{
    KeywordQuestion question;
    question.cardId = TestCardId;
    const LevelRule rule = RuleForLevel(level_);
    question.boxCount = rule.keywordBoxCount;

    cards.MoveFirst();
    cards.SetFilter(idFilter(TestCardId));
    question.cardName = cards.Text(QStringLiteral("Name"));
    question.picture = cards.Bytes(QStringLiteral("PictureData"));

    // The boxes that will hold the card's own keywords.
    std::vector<int> boxes;
    while (int(boxes.size()) < rule.keywordsToChoose) {
        const int box = Random::DrawWhole(rule.keywordBoxCount);
        if (!IsInIdList(box, boxes))
            boxes.push_back(box);
    }

    // The card's own keywords, distinct, in drawing order.
    QStringList own;
    Db::RecordSet ownSet = Db::RecordSet::Open(db, CardKeywordsQuery(TestCardId));
    std::unordered_set<int> refusedOwn;
    while (int(own.size()) < rule.keywordsToChoose) {
        QString keyword;
        const int position = drawPosition(ownSet.RecordCount(), refusedOwn, [&](int p) {
            ownSet.MoveFirst();
            ownSet.Move(p - 1);
            keyword = ownSet.Text(QStringLiteral("keyword"));
            return !keyword.isEmpty() && !IsInStringList(keyword, own);
        });
        if (position == 0)
            break; // the card has no further distinct keyword
        own << keyword;
    }

    // Keywords of other cards for the remaining boxes of the level. (Filling
    // the card's own boxes too, only to replace their keywords afterwards,
    // would show the same choice of keywords but could leave boxes empty when
    // the deck has few.)
    boxes.resize(size_t(own.size()));
    OtherKeywords others(db, TestCardId);
    std::unordered_set<int> refused;
    QStringList placed;
    for (int box = 0; box < rule.keywordBoxCount; ++box) {
        if (IsInIdList(box, boxes))
            continue;
        QString keyword;
        const int position = drawPosition(others.Count(), refused, [&](int p) {
            keyword = others.At(p);
            return !keyword.isEmpty() && !IsInStringList(keyword, placed) && !IsInStringList(keyword, own);
        });
        if (position == 0)
            break; // no other keyword left
        placed << keyword;
        question.captions[size_t(box)] = keyword;
    }

    // The card's keywords on their boxes.
    CorrectBoxes.clear();
    for (qsizetype j = 0; j < own.size(); ++j) {
        CorrectBoxes.push_back(boxes[size_t(j)]);
        question.captions[size_t(boxes[size_t(j)])] = own[j];
    }
    question.correctBoxes = CorrectBoxes;
    question.toChoose = int(own.size());
    currentOutOf_ = question.toChoose;
    for (int box = 0; box < rule.keywordBoxCount; ++box)
        question.shown[size_t(box)] = !question.captions[size_t(box)].isEmpty();
    cards.SetFilter(QString());
    return question;
}

int CardTest::KeywordScore(const std::array<bool, KeywordBoxTotal> &ticked) const
{
    int score = 0;
    for (int box : CorrectBoxes)
        if (box >= 0 && box < KeywordBoxTotal && ticked[size_t(box)])
            ++score;
    return score;
}

TestReport CardTest::BuildTestReport(const std::shared_ptr<Db::Database> &db) const
{
    // All cards, looked up by Id (one pass instead of a filter per line).
    Db::RecordSet all = Db::RecordSet::Open(db, AllCardsQuery());
    QHash<int, QString> names;
    for (all.MoveFirst(); !all.IsEOF(); all.MoveNext()) {
        const int id = all.Int(QStringLiteral("Id"));
        if (!names.contains(id))
            names.insert(id, all.Text(QStringLiteral("Name")));
    }
    std::vector<ReportRow> rows;
    for (size_t i = 0; i < TestAskedIds.size(); ++i)
        rows.push_back({names.value(TestAskedIds[i]), TestScores[i], TestOutOf[i]});
    return FormatTestReport(type_, rows, cardCount_, TestTotal);
}
