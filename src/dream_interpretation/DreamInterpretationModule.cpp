#include "DreamInterpretationModule.h"

#include "frmLearnDreamInterpretationMain.h"
#include "toolkit/ModuleHost.h"

ModuleEntry DreamInterpretationModule(std::shared_ptr<Progress::Recorder> recorder)
{
    ModuleEntry entry;
    entry.name = QStringLiteral("Learn Dream Interpretation");
    entry.buttonIndex = 4;
    entry.labelIndex = 13;
    entry.picture = QStringLiteral(":/dream_interpretation/module.svg");
    entry.windows = {QStringLiteral("frmLearnDreamInterpretationMain")};
    entry.dataFiles = {QStringLiteral("keywords.dll")};
    entry.open = [recorder](ModuleHost &host) {
        host.ShowModuleWindow(new frmLearnDreamInterpretationMain(host, recorder));
    };
    return entry;
}
