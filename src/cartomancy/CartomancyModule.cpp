#include "CartomancyModule.h"

ModuleEntry CartomancyModule()
{
    ModuleEntry entry;
    entry.name = QStringLiteral("Learn Cartomancy");
    entry.buttonIndex = 3;
    entry.labelIndex = 11;
    entry.picture = QStringLiteral(":/shell/module-cartomancy.svg");
    entry.windows = {QStringLiteral("frmLearnCartomancyMain"), QStringLiteral("frmLearnCartomancyPicEntry")};
    return entry;
}
