#include "DreamInterpretationModule.h"

#include "frmLearnDreamInterpretationMain.h"
#include "toolkit/ModuleHost.h"

ModuleEntry DreamInterpretationModule()
{
    ModuleEntry entry;
    entry.name = QStringLiteral("Learn Dream Interpretation");
    entry.buttonIndex = 4;
    entry.labelIndex = 13;
    entry.picture = QStringLiteral(":/dream_interpretation/module.svg");
    entry.windows = {QStringLiteral("frmLearnDreamInterpretationMain")};
    entry.open = [](ModuleHost &host) {
        host.ShowModuleWindow(new frmLearnDreamInterpretationMain());
    };
    return entry;
}
