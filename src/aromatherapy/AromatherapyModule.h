#pragma once

#include "quiz/PracticeSubject.h"
#include "toolkit/ModuleTable.h"

#include <memory>

namespace Progress { class Recorder; }

// Learn Aromatherapy as the main window sees it: button 2, label 10.
// Its tests go to `recorder`.
ModuleEntry AromatherapyModule(std::shared_ptr<Progress::Recorder> recorder);
// Its six kinds of test, for practice.
Quiz::PracticeSubject AromatherapyPractice();
