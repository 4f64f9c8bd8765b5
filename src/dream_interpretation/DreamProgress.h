#pragma once

#include "modDreamInterpretation.h"
#include "progress/ProgressStore.h"

// The progress record of a finished test: each question's symbol (its
// keyword), the answer chosen and the correct one; the level is the letters.
Progress::TestRecord DreamProgressRecord(const DreamReport &report);
