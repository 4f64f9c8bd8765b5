#include "PracticeRun.h"

namespace Practice {

Run::Run(const Plan &plan, std::vector<Step> steps, Quiz::Uniform uniform)
    : steps_(std::move(steps)) {
    sessions_.resize(size_t(plan.KindCount()));
    for (int kind = 0; kind < plan.KindCount(); ++kind) {
        kindNames_.push_back(plan.KindName(kind));
        std::vector<int> items;
        for (const Step &step : steps_)
            if (step.kind == kind)
                items.push_back(step.item);
        if (!items.empty())
            sessions_[size_t(kind)].emplace(plan.SourceOf(kind),
                                            Quiz::TestInfo{plan.Module(), plan.KindName(kind),
                                                           QString::fromLatin1(PracticeLevel)},
                                            std::move(items), uniform);
    }
}

Quiz::Session &Run::sessionOf(int step) {
    return *sessions_[size_t(steps_[size_t(step)].kind)];
}

const Quiz::Question &Run::CurrentQuestion() {
    static const Quiz::Question none;
    return Finished() ? none : sessionOf(answered_).CurrentQuestion();
}

Quiz::Source &Run::CurrentSource() const {
    const Step &step = steps_[size_t(std::min(answered_, Count() - 1))];
    return sessions_[size_t(step.kind)]->ItemSource();
}

const QString &Run::CurrentKind() const {
    return kindNames_[size_t(steps_[size_t(std::min(answered_, Count() - 1))].kind)];
}

QString Run::Progress() const {
    return QStringLiteral("Question ") + QString::number(std::min(answered_ + 1, Count())) +
           QStringLiteral(" of ") + QString::number(Count());
}

Quiz::Answered Run::Answer(const std::vector<int> &chosen) {
    if (Finished())
        return {};
    Quiz::Session &session = sessionOf(answered_);
    session.Answer(chosen);
    const Quiz::Answered answered = session.Outcome().questions.back();
    ++answered_;
    if (answered.Right())
        ++right_;
    return answered;
}

QList<Progress::TestRecord> Run::Records(const QDateTime &at) const {
    QList<Progress::TestRecord> records;
    for (const std::optional<Quiz::Session> &session : sessions_) {
        if (!session || session->Outcome().Count() == 0)
            continue;
        Progress::TestRecord record = session->Outcome().Record();
        record.takenAt = at;
        records.append(record);
    }
    return records;
}

} // namespace Practice
