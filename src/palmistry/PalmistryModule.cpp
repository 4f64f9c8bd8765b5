#include "PalmistryModule.h"

#include "frmLearnPalmistryMain.h"
#include "modPalmistryTest.h"
#include "toolkit/ModuleHost.h"

ModuleEntry PalmistryModule(std::shared_ptr<Progress::Recorder> recorder)
{
    ModuleEntry entry;
    entry.name = QStringLiteral("Learn Palmistry");
    entry.buttonIndex = 5;
    entry.labelIndex = 12;
    entry.picture = QStringLiteral(":/palmistry/module.svg");
    entry.windows = {QStringLiteral("frmLearnPalmistryMain")};
    entry.open = [recorder](ModuleHost &host) { host.ShowModuleWindow(new frmLearnPalmistryMain(host, recorder)); };
    return entry;
}

Quiz::PracticeSubject PalmistryPractice()
{
    Quiz::PracticeSubject subject{QStringLiteral("Learn Palmistry"), {}};
    for (PalmTestKind kind : {PalmTestKind::Name, PalmTestKind::Significance, PalmTestKind::ShapeLocation})
        subject.kinds.push_back(
            {PalmTestKindCaption(kind), [kind] { return std::make_shared<PalmQuizSource>(kind); }});
    return subject;
}
