#include "modDreamInterpretation.h"

#include <algorithm>

namespace {

bool isRareLetter(const QString &letter) {
    return letter == u"Q" || letter == u"X" || letter == u"Y" || letter == u"Z";
}

} // namespace

// ---- DreamQuizSource --------------------------------------------------------------

DreamQuizSource::DreamQuizSource(const QString &databasePath, QStringList letters, bool byKeyword)
    : byKeyword_(byKeyword) {
    data_.OpenDreamDatabase(databasePath);
    rows_ = data_.RowCount();
    ranges_ = data_.LetterRanges(letters);

    // A letter gives at most LetterLimit questions and no more than it has symbols.
    int drawable = 0;
    for (size_t r = 0; r < ranges_.size(); ++r) {
        drawable += std::min(DreamSession::LetterLimit, ranges_[r].exact);
        for (int p = std::max(ranges_[r].first, 0); p < std::min(ranges_[r].end, rows_); ++p) {
            positions_.push_back(p);
            letterOf_.push_back(int(r));
        }
    }
    questionCount_ = std::min(DreamSession::NominalQuestionCount(letters), drawable);
}

QString DreamTestKindCaption(bool byKeyword) {
    return byKeyword ? QStringLiteral("Test By Keyword") : QStringLiteral("Test By Interpretation");
}

std::vector<Quiz::NamedItem> DreamQuizSource::NamedItems() {
    // One read of every keyword in keyword order, not one query per symbol.
    const QStringList keywords = data_.KeywordsInOrder();
    std::vector<Quiz::NamedItem> named;
    for (size_t item = 0; item < positions_.size(); ++item) {
        const int position = positions_[item];
        if (position < keywords.size() && keywords[position].startsWith(ranges_[size_t(letterOf_[item])].letter))
            named.push_back({int(item), keywords[position]});
    }
    return named;
}

Quiz::Pool DreamQuizSource::Items() {
    // Only positions inside a chosen letter's range can start with one of the
    // letters; each keeps the chance the draw over the whole table gives it.
    const Quiz::Pool table = Quiz::Pool::NearestEnds(rows_);
    std::vector<double> weights;
    weights.reserve(positions_.size());
    for (int position : positions_)
        weights.push_back(table.Weight(position));
    return Quiz::Pool::Weighted(std::move(weights));
}

bool DreamQuizSource::MayAsk(int item, const std::vector<int> &asked) {
    const int letter = letterOf_[size_t(item)];
    const DreamLetterRange &range = ranges_[size_t(letter)];
    const auto fromLetter = std::count_if(
        asked.begin(), asked.end(), [&](int other) { return letterOf_[size_t(other)] == letter; });
    if (fromLetter >= DreamSession::LetterLimit)
        return false;
    // The keyword is read only where the range also holds keywords that start
    // with the small letter or another form of it.
    return range.AllExact() || symbolAt(Position(item)).keyword.startsWith(range.letter);
}

QString DreamQuizSource::Subject(int item) {
    return questionText(symbolAt(Position(item)));
}

Quiz::Key DreamQuizSource::KeyOf(int item) {
    return {{answerText(symbolAt(Position(item)))}, {}, {}};
}

Quiz::Pool DreamQuizSource::WrongChoices(int) {
    return Quiz::Pool::NearestEnds(rows_);
}

QString DreamQuizSource::WrongChoiceText(int, int candidate) {
    return answerText(symbolAt(candidate));
}

QString DreamQuizSource::ItemName(int item) {
    return symbolAt(Position(item)).keyword;
}

ReviewItem DreamQuizSource::ReviewOf(int item) {
    const DreamSymbol symbol = symbolAt(Position(item));
    ReviewItem review;
    review.title = symbol.keyword;
    review.body = ReviewBody({{QString(), symbol.description}});
    return review;
}

DreamSymbol DreamQuizSource::symbolAt(int position) {
    auto it = symbols_.find(position);
    if (it == symbols_.end())
        it = symbols_.insert(position, data_.SymbolAt(position).value_or(DreamSymbol{}));
    return *it;
}

QString DreamQuizSource::questionText(const DreamSymbol &symbol) const {
    return byKeyword_ ? symbol.keyword : symbol.description;
}

QString DreamQuizSource::answerText(const DreamSymbol &symbol) const {
    return byKeyword_ ? symbol.description : symbol.keyword;
}

// ---- DreamSession ------------------------------------------------------------------

int DreamSession::NominalQuestionCount(const QStringList &letters) {
    int count = 0;
    for (const QString &letter : letters)
        count += isRareLetter(letter) ? 2 : 5;
    return count;
}

DreamSession::DreamSession(QString databasePath) : databasePath_(std::move(databasePath)) {}

void DreamSession::openDatabase() {
    Data.OpenDreamDatabase(databasePath_);
}

void DreamSession::BuildLearnList() {
    LearnList.clear();
    openDatabase();
    // The letters are in A to Z order and each letter's keywords follow one
    // another in keyword order, so the lists joined are in keyword order.
    for (const QString &letter : std::as_const(DreamLetters))
        if (letter.size() == 1)
            LearnList << Data.KeywordsStartingWith(letter.front());
}

std::optional<DreamSymbol> DreamSession::ShowLearnEntry() {
    if (DreamPosition < 0 || DreamPosition >= LearnList.size())
        return std::nullopt;
    openDatabase();
    return Data.FindSymbol(LearnList[DreamPosition]);
}

DreamLearnStep DreamSession::NextLearnEntry() {
    if (DreamPosition + 1 >= LearnList.size())
        return DreamLearnStep::AtLast;
    ++DreamPosition;
    return DreamLearnStep::Moved;
}

DreamLearnStep DreamSession::PreviousLearnEntry() {
    if (DreamPosition <= 0) {
        DreamPosition = 0;
        return DreamLearnStep::AtFirst;
    }
    --DreamPosition;
    return DreamLearnStep::Moved;
}

int DreamSession::DrawDreamQuestions(Quiz::Uniform uniform) {
    // The window reports a database that cannot be read through Data.
    openDatabase();
    auto source =
        std::make_shared<DreamQuizSource>(databasePath_, DreamLetters, DreamTestByKeyword);
    const int count = source->QuestionCount();
    Test.emplace(source,
                 Quiz::TestInfo{QStringLiteral("Learn Dream Interpretation"),
                                DreamTestKindCaption(DreamTestByKeyword),
                                DreamLetters.join(QStringLiteral(", "))},
                 count, std::move(uniform));
    DreamQuestionCount = Test->Count();
    DreamPosition = 0;
    return DreamQuestionCount;
}

const Quiz::Question &DreamSession::AskQuestion() {
    static const Quiz::Question none;
    return Test ? Test->CurrentQuestion() : none;
}

bool DreamSession::RecordAnswer(int slot) {
    if (!Test)
        return true;
    const bool finished = Test->Answer(slot);
    DreamPosition = Test->Number();
    return finished;
}

DreamReport DreamSession::BuildDreamReport() {
    DreamReport report;
    report.title = QStringLiteral("Vessa Learn Dream Interpretation Result");
    if (Test) {
        const Quiz::Result &result = Test->Outcome();
        const QString br = QStringLiteral("\r\n");
        for (int i = 0; i < result.Count(); ++i) {
            const Quiz::Answered &question = result.questions[i];
            report.body += QStringLiteral("Question ") + QString::number(i + 1) + br +
                           Test->ItemSource().Subject(question.item) + br +
                           QStringLiteral("Your Answer: ") + question.given.value(0) + br +
                           QStringLiteral("Correct Answer: ") + question.correct + br + br;
        }
        report.correct = result.Score();
        report.questions = result.Count();
    }
    report.body += QString::number(report.correct) + QStringLiteral(" correct out of ") +
                   QString::number(report.questions) + QStringLiteral(" questions.");

    DreamTestByKeyword = false;
    DreamLetters.clear();
    LearnList.clear();
    return report;
}
