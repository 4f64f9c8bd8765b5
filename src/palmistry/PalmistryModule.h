#pragma once

#include "toolkit/ModuleTable.h"

// Learn Palmistry as the main window sees it: button 5, label 12.
ModuleEntry PalmistryModule();
