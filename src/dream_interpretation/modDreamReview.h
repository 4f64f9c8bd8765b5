#pragma once

#include "modDreamInterpretation.h"
#include "shell/ReviewItem.h"

// The questions of the session's test answered wrongly so far (an answer
// counts as right when its text equals the correct text, as in the report),
// in question order: each symbol as the learn screen shows it, its keyword
// and its interpretation, with the answer given and the correct one. Call it
// before BuildDreamReport, which ends the test.
ReviewItems DreamMissedItems(DreamSession &session);
