#pragma once

#include "toolkit/ModuleTable.h"

// Zodiac Yoga as the main window sees it: button 1, label 9.
ModuleEntry ZodiacYogaModule();
