#pragma once

#include "modPalmistryTest.h"
#include "shell/ReviewItem.h"

// The questions of a scored palmistry test answered wrongly, in question
// order: each entry as the Memorize Palmistry screen shows it (its picture,
// title, shape or location and significance), with the answer given and the
// correct one.
ReviewItems PalmMissedItems(const PalmResult &result);
