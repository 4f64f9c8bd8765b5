#pragma once

#include "toolkit/ModuleTable.h"

#include <memory>

namespace Progress { class Recorder; }

// Learn Cartomancy as the main window sees it: button 3, label 11.
// Its tests go to `recorder`.
ModuleEntry CartomancyModule(std::shared_ptr<Progress::Recorder> recorder);
