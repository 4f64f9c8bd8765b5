#pragma once

#include "toolkit/ModuleTable.h"

// Learn Dream Interpretation as the main window sees it: button 4, label 13.
ModuleEntry DreamInterpretationModule();
