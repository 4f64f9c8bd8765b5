#pragma once

#include "quiz/PracticeSubject.h"
#include "toolkit/ModuleTable.h"

#include <memory>

namespace Progress { class Recorder; }

// Learn Palmistry as the main window sees it: button 5, label 12.
// Its tests go to `recorder`.
ModuleEntry PalmistryModule(std::shared_ptr<Progress::Recorder> recorder);
// Its three kinds of test, for practice.
Quiz::PracticeSubject PalmistryPractice();
