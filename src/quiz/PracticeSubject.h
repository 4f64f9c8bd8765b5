#pragma once

#include "QuizSource.h"

#include <functional>
#include <memory>
#include <vector>

namespace Quiz {

// One kind of test a module offers for practice: the kind its finished tests
// are recorded under (so practice and tests share one memory of each item)
// and the source its questions come from, made when a practice needs it.
struct PracticeKind {
    QString kind;
    std::function<std::shared_ptr<Source>()> source;
};

// What a module with tests offers for practice, under its name in the record.
struct PracticeSubject {
    QString module;
    std::vector<PracticeKind> kinds;
};

} // namespace Quiz
