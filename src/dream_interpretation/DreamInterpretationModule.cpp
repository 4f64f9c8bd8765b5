#include "DreamInterpretationModule.h"

#include "frmLearnDreamInterpretationMain.h"
#include "modDreamInterpretation.h"
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

Quiz::PracticeSubject DreamInterpretationPractice(const DataLocations &locations)
{
    Quiz::PracticeSubject subject{QStringLiteral("Learn Dream Interpretation"), {}};
    QStringList letters;
    for (char16_t letter = u'A'; letter <= u'Z'; ++letter)
        letters << QString(QChar(letter));
    for (bool byKeyword : {true, false})
        subject.kinds.push_back({DreamTestKindCaption(byKeyword), [locations, letters, byKeyword] {
                                     return std::make_shared<DreamQuizSource>(
                                         DreamDatabase::ProgramDatabasePath(locations), letters, byKeyword);
                                 }});
    return subject;
}
