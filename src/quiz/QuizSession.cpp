#include "QuizSession.h"

#include <QSet>

#include <algorithm>

namespace Quiz {

// ---- Source defaults ------------------------------------------------------------

bool Source::MayAsk(int, const std::vector<int> &) {
    return true;
}

QByteArray Source::Picture(int) {
    return {};
}

bool Source::SubjectShown() const {
    return true;
}

std::vector<NamedItem> Source::NamedItems() {
    std::vector<NamedItem> named;
    const Pool pool = Items();
    for (int item = 0; item < pool.Count(); ++item)
        if (pool.Weight(item) > 0 && MayAsk(item, {}))
            named.push_back({item, ItemName(item)});
    return named;
}

QString Source::Shown(const QString &text) const {
    return text;
}

QString Source::CorrectText(int, const QStringList &correctChoices) {
    return correctChoices.join(QStringLiteral(", "));
}

// ---- Question -------------------------------------------------------------------

bool Question::IsCorrect(int position) const {
    return std::find(correct.begin(), correct.end(), position) != correct.end();
}

QString Question::Progress() const {
    return QStringLiteral("Question ") + QString::number(number + 1) + QStringLiteral(" of ") +
           QString::number(count);
}

// ---- Result ---------------------------------------------------------------------

int Result::Score() const {
    int score = 0;
    for (const Answered &question : questions)
        score += question.score;
    return score;
}

int Result::MaxScore() const {
    int most = 0;
    for (const Answered &question : questions)
        most += question.outOf;
    return most;
}

namespace {

QString joinShown(const Source &source, const QStringList &texts) {
    QStringList shown;
    for (const QString &text : texts)
        shown << source.Shown(text);
    return shown.join(QStringLiteral(", "));
}

// Review labels show plain lines.
QString plainLines(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

ReviewItems Result::MissedItems() const {
    ReviewItems items;
    for (const Answered &question : questions) {
        if (question.Right())
            continue;
        ReviewItem item = source_->ReviewOf(question.item);
        item.given = plainLines(joinShown(*source_, question.given));
        item.correct = plainLines(source_->Shown(question.correct));
        items << item;
    }
    return items;
}

Progress::TestRecord Result::Record() const {
    Progress::TestRecord record;
    record.module = info.module;
    record.kind = info.kind;
    record.level = info.level;
    record.takenAt = finishedAt.isValid() ? finishedAt : QDateTime::currentDateTime();
    record.score = Score();
    record.questionCount = Count();
    record.maxScore = MaxScore();
    for (const Answered &question : questions)
        record.answers.append({question.name, joinShown(*source_, question.given),
                               source_->Shown(question.correct), question.Right()});
    return record;
}

// ---- Session --------------------------------------------------------------------

Session::Session(std::shared_ptr<Source> source, TestInfo info, int questionCount, Uniform uniform)
    : source_(std::move(source)), uniform_(std::move(uniform)) {
    result_.info = std::move(info);
    result_.source_ = source_;
    // Every item at most once; the test is shorter when the items run out.
    const Pool pool = source_->Items();
    std::vector<bool> taken(size_t(pool.Count()), false);
    for (int k = 0; k < questionCount; ++k) {
        const int item = DrawAdmitted(
            pool,
            [&](int candidate) {
                return !taken[size_t(candidate)] && source_->MayAsk(candidate, items_);
            },
            uniform_);
        if (item < 0)
            break;
        taken[size_t(item)] = true;
        items_.push_back(item);
    }
    if (items_.empty())
        result_.finishedAt = QDateTime::currentDateTime();
}

Session::Session(std::shared_ptr<Source> source, TestInfo info, std::vector<int> items, Uniform uniform)
    : source_(std::move(source)), uniform_(std::move(uniform)), items_(std::move(items)) {
    result_.info = std::move(info);
    result_.source_ = source_;
    if (items_.empty())
        result_.finishedAt = QDateTime::currentDateTime();
}

const Question &Session::CurrentQuestion() {
    if (!current_ || current_->number != Number())
        current_ = Finished() ? Question{} : build(Number());
    return *current_;
}

Question Session::build(int number) {
    Source &source = *source_;
    Question q;
    q.number = number;
    q.count = Count();
    q.item = items_[size_t(number)];
    q.subject = source.Subject(q.item);

    const Layout layout = source.QuestionLayout();
    const Key key = source.KeyOf(q.item);
    // Choices are told apart as the learner reads them.
    const auto readAs = [&source](const QString &text) { return source.Shown(text).simplified(); };
    QSet<QString> used;

    // The correct choices: distinct, as many as the layout asks for or the item has.
    QStringList right;
    const Pool offered =
        key.weights.empty() ? Pool::Even(int(key.offered.size())) : Pool::Weighted(key.weights);
    while (right.size() < layout.toChoose) {
        const int pick = DrawAdmitted(
            offered,
            [&](int c) {
                const QString &text = key.offered[c];
                return !readAs(text).isEmpty() && !used.contains(readAs(text));
            },
            uniform_);
        if (pick < 0)
            break;
        right << key.offered[pick];
        used.insert(readAs(key.offered[pick]));
    }
    // Nothing that names the item rightly may stand as a wrong choice.
    for (const QString &text : key.offered)
        used.insert(readAs(text));
    for (const QString &text : key.accepted)
        used.insert(readAs(text));

    // The wrong choices: distinct from one another and from every right text.
    QStringList wrong;
    const Pool candidates = source.WrongChoices(q.item);
    QHash<int, QString> texts;
    const auto textOf = [&](int c) -> const QString & {
        auto it = texts.find(c);
        if (it == texts.end())
            it = texts.insert(c, readAs(source.WrongChoiceText(q.item, c)));
        return *it;
    };
    while (right.size() + wrong.size() < layout.choices) {
        const int pick = DrawAdmitted(
            candidates, [&](int c) { return !textOf(c).isEmpty() && !used.contains(textOf(c)); },
            uniform_);
        if (pick < 0)
            break;
        used.insert(textOf(pick));
        wrong << source.WrongChoiceText(q.item, pick);
    }

    // The correct choices at evenly drawn positions among those shown.
    const int shown = int(right.size() + wrong.size());
    const std::vector<int> at = DrawPositions(int(right.size()), shown, uniform_);
    q.choices = QStringList(shown);
    std::vector<bool> filled(size_t(shown), false);
    for (size_t j = 0; j < at.size(); ++j) {
        q.choices[at[j]] = right[qsizetype(j)];
        filled[size_t(at[j])] = true;
    }
    qsizetype next = 0;
    for (int p = 0; p < shown; ++p)
        if (!filled[size_t(p)])
            q.choices[p] = wrong[next++];
    q.correct = at;
    std::sort(q.correct.begin(), q.correct.end());
    return q;
}

bool Session::Answer(const std::vector<int> &chosen) {
    if (Finished())
        return true;
    const Question &q = CurrentQuestion();
    std::vector<int> taken;
    for (int position : chosen) {
        if (position < 0 || position >= q.choices.size() || int(taken.size()) >= q.ToChoose())
            continue;
        if (std::find(taken.begin(), taken.end(), position) == taken.end())
            taken.push_back(position);
    }
    std::sort(taken.begin(), taken.end());

    Answered answered;
    answered.item = q.item;
    answered.name = source_->ItemName(q.item);
    answered.outOf = q.ToChoose();
    QStringList correct;
    for (int position : q.correct)
        correct << q.choices[position];
    answered.correct = source_->CorrectText(q.item, correct);
    for (int position : taken) {
        answered.given << q.choices[position];
        if (q.IsCorrect(position))
            ++answered.score;
    }
    result_.questions.append(answered);
    current_.reset();
    if (Finished())
        result_.finishedAt = QDateTime::currentDateTime();
    return Finished();
}

} // namespace Quiz
