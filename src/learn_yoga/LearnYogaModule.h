#pragma once

#include "toolkit/ModuleTable.h"

// Learn Yoga as the main window sees it: button 0, label 8.
ModuleEntry LearnYogaModule();
