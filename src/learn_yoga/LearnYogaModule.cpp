#include "LearnYogaModule.h"

#include "LearnYogaStrips.h"
#include "toolkit/ModuleHost.h"

ModuleEntry LearnYogaModule()
{
    ModuleEntry entry;
    entry.name = QStringLiteral("Learn Yoga");
    entry.buttonIndex = 0;
    entry.labelIndex = 8;
    entry.picture = QStringLiteral(":/learn_yoga/module.svg");
    entry.windows = {QStringLiteral("frmLearnYogaDisp")};
    // The lesson menu and the browsing panels live in panels of the main
    // window, made when the module is first chosen; they keep their state as
    // long as the main window lives, which owns them.
    entry.open = [](ModuleHost &host) {
        LearnYogaStrips *strips = LearnYogaStrips::Of(host.MainWindow());
        if (!strips && host.MainWindow())
            strips = new LearnYogaStrips(host);
        if (strips)
            strips->Open();
    };
    return entry;
}
