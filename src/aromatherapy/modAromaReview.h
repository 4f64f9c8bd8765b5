#pragma once

#include "modAromaTest.h"
#include "shell/ReviewItem.h"

// The questions of the model's finished test that were answered wrongly, in
// question order: each oil with its associations as the learn screen lists
// them, the answer given and the correct answer the result list shows.
ReviewItems AromaMissedItems(const AromaModel &model);
