#pragma once

#include "toolkit/ModuleTable.h"

// Learn Cartomancy as the main window sees it: button 3, label 11.
ModuleEntry CartomancyModule();
