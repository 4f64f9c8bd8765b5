#pragma once

#include "toolkit/ModuleTable.h"

// Learn Aromatherapy as the main window sees it: button 2, label 10.
ModuleEntry AromatherapyModule();
