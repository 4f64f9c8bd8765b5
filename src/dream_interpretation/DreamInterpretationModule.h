#pragma once

#include "quiz/PracticeSubject.h"
#include "toolkit/ModuleTable.h"

#include <memory>

namespace Progress { class Recorder; }

// Learn Dream Interpretation as the main window sees it: button 4, label 13.
// Its tests go to `recorder`.
ModuleEntry DreamInterpretationModule(std::shared_ptr<Progress::Recorder> recorder);
// Its two kinds of test, for practice: every symbol of every letter.
Quiz::PracticeSubject DreamInterpretationPractice(const DataLocations &locations);
