#pragma once

#include "modAromaTest.h"
#include "progress/ProgressStore.h"

// The progress record of a finished test: every question's oil, the answer
// given and the correct one, as the result list shows them. `kind` and
// `level` are the captions the test was chosen by.
Progress::TestRecord AromaProgressRecord(const AromaResult &result, const QString &kind,
                                         const QString &level);
