#include "modDreamInterpretation.h"

#include "shell/modRandom.h"

#include <algorithm>

namespace {

// Random draws that land on a position that cannot be used before a draw
// gives up and takes the first usable position. Usable positions come up at
// least once in 2 * rows draws on average, so the limit is not reached in practice.
constexpr int AttemptsPerRow = 64;

int attemptLimit(int rows) { return AttemptsPerRow * (std::max(rows, 1) + 1); }

bool isRareLetter(const QString &letter)
{
    return letter == u"Q" || letter == u"X" || letter == u"Y" || letter == u"Z";
}

} // namespace

int DreamSession::NominalQuestionCount(const QStringList &letters)
{
    int count = 0;
    for (const QString &letter : letters)
        count += isRareLetter(letter) ? 2 : 5;
    return count;
}

DreamSession::DreamSession(QString databasePath) : databasePath_(std::move(databasePath)) {}

void DreamSession::openDatabase() { Data.OpenDreamDatabase(databasePath_); }

int DreamSession::drawPosition(int rows) { return Random::DrawNearest(rows - 1); }

void DreamSession::BuildLearnList()
{
    LearnList.clear();
    openDatabase();
    // The letters are in A to Z order and each letter's keywords follow one
    // another in keyword order, so the lists joined are in keyword order.
    for (const QString &letter : std::as_const(DreamLetters))
        if (letter.size() == 1)
            LearnList << Data.KeywordsStartingWith(letter.front());
}

std::optional<DreamSymbol> DreamSession::ShowLearnEntry()
{
    if (DreamPosition < 0 || DreamPosition >= LearnList.size())
        return std::nullopt;
    openDatabase();
    return Data.FindSymbol(LearnList[DreamPosition]);
}

DreamLearnStep DreamSession::NextLearnEntry()
{
    if (DreamPosition + 1 >= LearnList.size())
        return DreamLearnStep::AtLast;
    ++DreamPosition;
    return DreamLearnStep::Moved;
}

DreamLearnStep DreamSession::PreviousLearnEntry()
{
    if (DreamPosition <= 0) {
        DreamPosition = 0;
        return DreamLearnStep::AtFirst;
    }
    --DreamPosition;
    return DreamLearnStep::Moved;
}

int DreamSession::DrawDreamQuestions()
{
    openDatabase();
    const int rows = Data.RowCount();
    const std::vector<DreamLetterRange> ranges = Data.LetterRanges(DreamLetters);

    // A letter gives at most LetterLimit questions and no more than it has symbols.
    int drawable = 0;
    for (const DreamLetterRange &range : ranges)
        drawable += std::min(LetterLimit, range.exact);
    DreamQuestionCount = std::min(NominalQuestionCount(DreamLetters), drawable);

    DreamQuestionRows.clear();
    DreamQuestionRows.reserve(size_t(DreamQuestionCount));
    DreamLetterCounts.assign(size_t(DreamLetters.size()), 0);
    DreamAnswers = QStringList(DreamQuestionCount);

    const int limit = attemptLimit(rows);
    for (int m = 0; m < DreamQuestionCount; ++m) {
        bool accepted = false;
        for (int attempt = 0; attempt < limit && !accepted; ++attempt)
            accepted = tryQuestionPosition(drawPosition(rows), ranges);
        if (!accepted && !firstFreePosition(ranges)) {
            // The table changed under the draw; the test keeps what was drawn.
            DreamQuestionCount = m;
            DreamAnswers = QStringList(m);
            break;
        }
    }
    DreamPosition = 0;
    return DreamQuestionCount;
}

// One draw of the question loop: the position is refused when an earlier
// question has it, when its keyword does not start with a chosen letter or
// when that letter has its five questions.
bool DreamSession::tryQuestionPosition(int position,
                                       const std::vector<DreamLetterRange> &ranges)
{
    if (std::find(DreamQuestionRows.begin(), DreamQuestionRows.end(), position) !=
        DreamQuestionRows.end())
        return false;
    // Positions outside every chosen letter's range cannot start with one of
    // the letters, so only positions inside a range are read.
    for (size_t i = 0; i < ranges.size(); ++i) {
        if (!ranges[i].Contains(position))
            continue;
        if (DreamLetterCounts[i] >= LetterLimit)
            return false;
        // The keyword is read only where the range also holds keywords that
        // start with the small letter or another form of it.
        if (!ranges[i].AllExact()) {
            const std::optional<DreamSymbol> symbol = Data.SymbolAt(position);
            if (!symbol || !symbol->keyword.startsWith(ranges[i].letter))
                return false;
        }
        ++DreamLetterCounts[i];
        DreamQuestionRows.push_back(position);
        return true;
    }
    return false;
}

bool DreamSession::firstFreePosition(const std::vector<DreamLetterRange> &ranges)
{
    for (size_t i = 0; i < ranges.size(); ++i) {
        if (DreamLetterCounts[i] >= LetterLimit)
            continue;
        for (int p = ranges[i].first; p < ranges[i].end; ++p)
            if (tryQuestionPosition(p, ranges))
                return true;
    }
    return false;
}

DreamQuestion DreamSession::AskQuestion()
{
    current_ = DreamQuestion{};
    if (DreamPosition < 0 || DreamPosition >= int(DreamQuestionRows.size()))
        return current_;
    openDatabase();
    const int rows = Data.RowCount();
    const int row = DreamQuestionRows[size_t(DreamPosition)];
    const std::optional<DreamSymbol> asked = Data.SymbolAt(row);
    const auto questionText = [this](const DreamSymbol &s) {
        return DreamTestByKeyword ? s.keyword : s.description;
    };
    const auto answerText = [this](const DreamSymbol &s) {
        return DreamTestByKeyword ? s.description : s.keyword;
    };
    if (asked)
        current_.question = questionText(*asked);

    current_.correctSlot = Random::DrawWhole(5);
    current_.options[size_t(current_.correctSlot)] = asked ? answerText(*asked) : QString();
    // Every other slot gets the answer of another position; the slots are
    // not compared with one another. A one-row table has no other position.
    const int limit = attemptLimit(rows);
    for (int slot = 0; slot < 5 && rows >= 2; ++slot) {
        if (slot == current_.correctSlot)
            continue;
        int other = drawPosition(rows);
        for (int attempt = 1; other == row && attempt < limit; ++attempt)
            other = drawPosition(rows);
        if (other == row)
            other = row == 0 ? 1 : 0;
        if (const std::optional<DreamSymbol> symbol = Data.SymbolAt(other))
            current_.options[size_t(slot)] = answerText(*symbol);
    }
    current_.progress = QStringLiteral("Question ") + QString::number(DreamPosition + 1) +
                        QStringLiteral(" of ") + QString::number(DreamQuestionCount);
    return current_;
}

bool DreamSession::RecordAnswer(int slot)
{
    if (DreamPosition >= 0 && DreamPosition < DreamAnswers.size() && slot >= 0 && slot < 5)
        DreamAnswers[DreamPosition] = current_.options[size_t(slot)].value_or(QString());
    ++DreamPosition;
    return DreamPosition >= DreamQuestionCount;
}

std::optional<DreamSymbol> DreamSession::QuestionSymbol(int i)
{
    if (i < 0 || i >= int(DreamQuestionRows.size()))
        return std::nullopt;
    openDatabase();
    return Data.SymbolAt(DreamQuestionRows[size_t(i)]);
}

DreamReport DreamSession::BuildDreamReport()
{
    DreamReport report;
    report.title = QStringLiteral("Vessa Learn Dream Interpretation Result");
    report.questions = DreamQuestionCount;
    report.byKeyword = DreamTestByKeyword;
    report.letters = DreamLetters;
    openDatabase();
    const QString br = QStringLiteral("\r\n");
    for (int i = 0; i < DreamQuestionCount && i < int(DreamQuestionRows.size()); ++i) {
        const DreamSymbol symbol =
            Data.SymbolAt(DreamQuestionRows[size_t(i)]).value_or(DreamSymbol{});
        const QString asked = DreamTestByKeyword ? symbol.keyword : symbol.description;
        const QString correct = DreamTestByKeyword ? symbol.description : symbol.keyword;
        const QString answer = i < DreamAnswers.size() ? DreamAnswers[i] : QString();
        report.body += QStringLiteral("Question ") + QString::number(i + 1) + br + asked + br +
                       QStringLiteral("Your Answer: ") + answer + br +
                       QStringLiteral("Correct Answer: ") + correct + br + br;
        // Answers are compared by their text.
        if (correct == answer)
            ++report.correct;
        report.lines.push_back({symbol.keyword, answer, correct, correct == answer});
    }
    report.body += QString::number(report.correct) + QStringLiteral(" correct out of ") +
                   QString::number(DreamQuestionCount) + QStringLiteral(" questions.");

    DreamTestByKeyword = false;
    DreamLetters.clear();
    LearnList.clear();
    DreamQuestionRows.clear();
    DreamLetterCounts.clear();
    DreamAnswers.clear();
    return report;
}
