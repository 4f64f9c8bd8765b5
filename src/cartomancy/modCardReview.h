#pragma once

#include "modCardTest.h"
#include "shell/ReviewItem.h"

struct CartomancyGlobals;

// The questions of a finished card test that did not score fully (a wrong
// meaning, or fewer own keywords ticked than asked for), in question order:
// each card as the "Memorize Cards" tab shows it (its picture, its meaning and
// its keywords), with the answer given and the correct one. Cards are read
// from the shared connection; a card that cannot be read is still listed,
// with the answers only.
ReviewItems CardMissedItems(const CardTest &test, const CartomancyGlobals &globals);

// The keywords the "Memorize Cards" tab lists for a card: its first five
// keywords, separated by commas.
QString CardKeywordList(const CartomancyGlobals &globals, int cardId);
