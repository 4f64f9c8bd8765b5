#pragma once

#include "quiz/PracticeSubject.h"
#include "toolkit/ModuleTable.h"

#include <memory>

namespace Progress { class Recorder; }

// Learn Cartomancy as the main window sees it: button 3, label 11.
// Its tests go to `recorder`.
ModuleEntry CartomancyModule(std::shared_ptr<Progress::Recorder> recorder);
// Its two kinds of test, for practice: every card of the deck at the
// intermediate level (three meanings to choose from, three keywords of seven).
Quiz::PracticeSubject CartomancyPractice(const DataLocations &locations);
