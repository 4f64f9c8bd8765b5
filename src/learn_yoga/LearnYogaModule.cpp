#include "LearnYogaModule.h"

ModuleEntry LearnYogaModule()
{
    ModuleEntry entry;
    entry.name = QStringLiteral("Learn Yoga");
    entry.buttonIndex = 0;
    entry.labelIndex = 8;
    entry.picture = QStringLiteral(":/shell/module-learn-yoga.svg");
    entry.windows = {QStringLiteral("frmLearnYogaDisp")};
    entry.usesMainWindowStrips = true;
    return entry;
}
