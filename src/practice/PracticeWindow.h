#pragma once

#include "progress/MemoryOutlook.h"
#include "progress/ProgressMenu.h"
#include "quiz/PracticeSubject.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QDialog;
class QWidget;
namespace Progress { class Recorder; }

// Opens the practice window over the main window with a module chosen (empty:
// the first with something due); one window at a time, so asking again
// brings the open one to the front and, between practices, reads it afresh.
PracticeOpener MakePracticeOpener(std::vector<Quiz::PracticeSubject> subjects,
                                  std::shared_ptr<Progress::Recorder> recorder,
                                  Progress::Clock clock = Progress::SystemClock());
