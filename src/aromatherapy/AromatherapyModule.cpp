#include "AromatherapyModule.h"

#include "frmLearnAromatherapyMain.h"
#include "modAromaTest.h"
#include "toolkit/ModuleHost.h"

ModuleEntry AromatherapyModule(std::shared_ptr<Progress::Recorder> recorder)
{
    ModuleEntry entry;
    entry.name = QStringLiteral("Learn Aromatherapy");
    entry.buttonIndex = 2;
    entry.labelIndex = 10;
    entry.picture = QStringLiteral(":/aromatherapy/module.svg");
    entry.windows = {QStringLiteral("frmLearnAromatherapyMain")};
    entry.open = [recorder](ModuleHost &host) { host.ShowModuleWindow(new frmLearnAromatherapyMain(host, recorder)); };
    return entry;
}

Quiz::PracticeSubject AromatherapyPractice()
{
    Quiz::PracticeSubject subject{QStringLiteral("Learn Aromatherapy"), {}};
    for (int kind = 0; kind < AromaTestKindCount; ++kind)
        subject.kinds.push_back(
            {AromaTestKindCaption(kind), [kind] { return std::make_shared<AromaQuizSource>(kind); }});
    return subject;
}
