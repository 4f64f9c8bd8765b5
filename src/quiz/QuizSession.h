#pragma once

#include "QuizSource.h"
#include "progress/ProgressStore.h"
#include "toolkit/ReviewItem.h"

#include <QDateTime>
#include <QList>

#include <memory>
#include <optional>
#include <vector>

namespace Quiz {

// The names a finished test is recorded under.
struct TestInfo {
    QString module; // as the module's button shows it
    QString kind;   // the kind of test, as the options show it
    QString level;  // the level, or what else the test was drawn from
};

// One question as the screens show it.
struct Question {
    int item = -1;
    int number = 0;           // from 0
    int count = 0;            // questions in the test
    QString subject;          // the item as the question names it (a picture is the source's)
    QStringList choices;      // in the order shown, as the source wrote them
    std::vector<int> correct; // positions of the correct choices, ascending

    int ToChoose() const { return int(correct.size()); }
    bool IsCorrect(int position) const;
    // "Question 3 of 12".
    QString Progress() const;
};

// One answered question.
struct Answered {
    int item = -1;
    QString name;      // the item, as the source names it
    QStringList given; // the chosen choices, in the order shown
    QString correct;   // the correct answer the result names
    int score = 0;     // correct choices chosen
    int outOf = 1;     // the most the question could score

    bool Right() const { return score >= outOf; }
};

// What a test leaves: every answered question in order, the score, the missed
// items for the review and the record for the progress store.
class Result {
public:
    TestInfo info;
    QList<Answered> questions;
    QDateTime finishedAt;

    int Score() const;
    int MaxScore() const;
    int Count() const { return int(questions.size()); }

    // The questions not answered fully right, in order, each item as its learn
    // screen shows it, with the answer given and the correct one.
    ReviewItems MissedItems() const;
    Progress::TestRecord Record() const;

private:
    friend class Session;
    std::shared_ptr<Source> source_;
};

// One test: draws its items when it starts (each item at most once, as many as
// asked or as the items allow), builds each question when it is first shown
// (distinct choices, the correct ones at evenly drawn positions), takes the
// answers and scores them.
class Session {
public:
    Session(std::shared_ptr<Source> source, TestInfo info, int questionCount,
            Uniform uniform = ProgramUniform());
    // A session that asks the given items in this order (a practice of what is due).
    Session(std::shared_ptr<Source> source, TestInfo info, std::vector<int> items,
            Uniform uniform = ProgramUniform());

    // Questions of this test: fewer than asked for when the items run out.
    int Count() const { return int(items_.size()); }
    // The current question, from 0; Count() once every question is answered.
    int Number() const { return int(result_.questions.size()); }
    bool Finished() const { return Number() >= Count(); }
    const std::vector<int> &Items() const { return items_; }

    // The current question (an empty question once finished).
    const Question &CurrentQuestion();
    // Records the positions chosen for the current question and moves on.
    // Positions that are not shown, or beyond as many as the question asks
    // for, are ignored; none chosen scores nothing. True when the test is finished.
    bool Answer(const std::vector<int> &chosen);
    bool Answer(int position) { return Answer(std::vector<int>{position}); }

    // The answered questions so far; complete once Finished().
    const Result &Outcome() const { return result_; }
    Source &ItemSource() const { return *source_; }

private:
    Question build(int number);

    std::shared_ptr<Source> source_;
    Uniform uniform_;
    std::vector<int> items_;
    std::optional<Question> current_;
    Result result_;
};

} // namespace Quiz
