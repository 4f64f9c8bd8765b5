#pragma once

#include "modCardTest.h"
#include "progress/ProgressStore.h"

// The caption of a test type and of a level, as the test options show them.
QString CardTestTypeCaption(CardTestType type);
QString CardTestLevelCaption(CardTestLevel level);

// The progress record of a finished test: each question's card (names read
// from all cards), the answer given and the correct one. A keyword question
// counts as right only when every keyword of the card was ticked; the score
// share is the points scored of the points possible.
Progress::TestRecord CardProgressRecord(const CardTest &test,
                                        const std::shared_ptr<Db::Database> &db);
