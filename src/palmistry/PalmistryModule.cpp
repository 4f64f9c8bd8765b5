#include "PalmistryModule.h"

ModuleEntry PalmistryModule()
{
    ModuleEntry entry;
    entry.name = QStringLiteral("Learn Palmistry");
    entry.buttonIndex = 5;
    entry.labelIndex = 12;
    entry.picture = QStringLiteral(":/shell/module-palmistry.svg");
    entry.windows = {QStringLiteral("frmLearnPalmistryMain")};
    return entry;
}
