#pragma once

#include "PracticePlan.h"
#include "quiz/QuizSession.h"

#include <QDateTime>
#include <QList>

#include <optional>
#include <vector>

// One practice under way, free of windows: asks the steps in their order,
// each through the test engine as its kind of test builds the question, tells
// right from wrong after each answer and keeps a running score. What was
// answered is recorded like a test of each kind answered (level "Practice"),
// so the memory states move just as after a test.
namespace Practice {

inline constexpr auto PracticeLevel = "Practice";

class Run {
public:
    Run(const Plan &plan, std::vector<Step> steps, Quiz::Uniform uniform = Quiz::ProgramUniform());

    int Count() const { return int(steps_.size()); }
    // The current question, from 0; Count() once every question is answered.
    int Number() const { return answered_; }
    bool Finished() const { return answered_ >= Count(); }

    // The current question as its kind's test shows it, and where it comes from.
    const Quiz::Question &CurrentQuestion();
    Quiz::Source &CurrentSource() const;
    const QString &CurrentKind() const;
    // "Question 3 of 12".
    QString Progress() const;

    // Answers the current question with the positions chosen and moves on;
    // the answered question, scored.
    Quiz::Answered Answer(const std::vector<int> &chosen);

    int Right() const { return right_; }
    // The answered questions as one record per kind answered, taken at `at`.
    QList<Progress::TestRecord> Records(const QDateTime &at) const;

private:
    Quiz::Session &sessionOf(int step);

    std::vector<Step> steps_;
    std::vector<QString> kindNames_;
    // One session per kind asked, holding that kind's steps in practice order.
    std::vector<std::optional<Quiz::Session>> sessions_;
    int answered_ = 0;
    int right_ = 0;
};

} // namespace Practice
