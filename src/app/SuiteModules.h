#pragma once

#include "progress/MemoryOutlook.h"
#include "toolkit/ModuleTable.h"

// The suite: the six study modules in button order, and the progress menu
// over the record their tests write to, with practice of their items. The
// program builds its main window from this; a test or a tool may describe the
// suite over folders of its own, and read "today" from a clock of its own.
Suite DescribeSuite(const DataLocations &locations, const QStringList &arguments);
Suite DescribeSuite(const DataLocations &locations, const QStringList &arguments, Progress::Clock clock);
