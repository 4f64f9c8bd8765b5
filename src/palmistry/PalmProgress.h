#pragma once

#include "modPalmistryTest.h"
#include "progress/ProgressStore.h"

// The caption of a kind of test, as the test options show it.
QString PalmTestKindCaption(PalmTestKind kind);

// The progress record of a finished quiz: each question's entry, the answer
// chosen and the correct one.
Progress::TestRecord PalmProgressRecord(PalmTestKind kind, const PalmResult &result);
