#include "LearnYogaModule.h"

#include "LearnYogaStrips.h"
#include "shell/ModuleHost.h"

ModuleEntry LearnYogaModule()
{
    ModuleEntry entry;
    entry.name = QStringLiteral("Learn Yoga");
    entry.buttonIndex = 0;
    entry.labelIndex = 8;
    entry.picture = QStringLiteral(":/shell/module-learn-yoga.svg");
    entry.windows = {QStringLiteral("frmLearnYogaDisp")};
    entry.usesMainWindowStrips = true;
    // The lesson menu and the browsing panels live in the main window's strips
    // and keep their state as long as it lives; the main window owns them.
    entry.attach = [](ModuleHost &host) {
        if (host.MainWindow() && !LearnYogaStrips::Of(host.MainWindow()))
            new LearnYogaStrips(host);
    };
    entry.open = [](ModuleHost &host) {
        if (LearnYogaStrips *strips = LearnYogaStrips::Of(host.MainWindow()))
            strips->Open();
    };
    return entry;
}
