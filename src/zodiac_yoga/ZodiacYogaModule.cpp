#include "ZodiacYogaModule.h"

#include "frmZodiacYogaMain.h"
#include "toolkit/ModuleHost.h"

ModuleEntry ZodiacYogaModule()
{
    ModuleEntry entry;
    entry.name = QStringLiteral("Zodiac Yoga");
    entry.buttonIndex = 1;
    entry.labelIndex = 9;
    entry.picture = QStringLiteral(":/zodiac_yoga/module.svg");
    entry.windows = {QStringLiteral("frmZodiacYogaDisplay"), QStringLiteral("frmZodiacYogaMain"),
                     QStringLiteral("frmZodiacYogaSave")};
    entry.open = [](ModuleHost &host) { host.ShowModuleWindow(new frmZodiacYogaMain(host)); };
    // A saved reading named on the command line (a double-click in the file
    // manager) opens as "Open" does with the same file, damaged files included.
    entry.fileSuffix = QStringLiteral("zoy");
    entry.fileHelp = QStringLiteral("A saved reading to open in Zodiac Yoga.");
    entry.openFile = [](ModuleHost &host, const QString &path) {
        if (auto *form = host.MainWindow()->findChild<frmZodiacYogaMain *>())
            form->OpenReadingFile(path);
    };
    return entry;
}
