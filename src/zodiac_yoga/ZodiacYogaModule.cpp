#include "ZodiacYogaModule.h"

#include "frmZodiacYogaMain.h"
#include "shell/ModuleHost.h"

ModuleEntry ZodiacYogaModule()
{
    ModuleEntry entry;
    entry.name = QStringLiteral("Zodiac Yoga");
    entry.buttonIndex = 1;
    entry.labelIndex = 9;
    entry.picture = QStringLiteral(":/shell/module-zodiac-yoga.svg");
    entry.windows = {QStringLiteral("frmZodiacYogaDisplay"), QStringLiteral("frmZodiacYogaMain"),
                     QStringLiteral("frmZodiacYogaSave")};
    entry.open = [](ModuleHost &host) { host.ShowModuleWindow(new frmZodiacYogaMain()); };
    return entry;
}
