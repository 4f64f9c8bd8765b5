#include "SuiteModules.h"

#include "aromatherapy/AromatherapyModule.h"
#include "shell/ModuleTable.h"
#include "zodiac_yoga/ZodiacYogaModule.h"

namespace {
// A module whose button is there but which has nothing to open yet.
ModuleEntry unbuilt(const char *name, int button, int label, const char *picture,
                    QStringList windows)
{
    ModuleEntry entry;
    entry.windows = std::move(windows);
    entry.name = QString::fromLatin1(name);
    entry.buttonIndex = button;
    entry.labelIndex = label;
    entry.picture = QStringLiteral(":/shell/") + QString::fromLatin1(picture);
    return entry;
}
} // namespace

void RegisterSuiteModules()
{
    ModuleEntry learnYoga =
        unbuilt("Learn Yoga", 0, 8, "module-learn-yoga.svg", {QStringLiteral("frmLearnYogaDisp")});
    learnYoga.usesMainWindowStrips = true;
    RegisterModule(learnYoga);
    RegisterModule(ZodiacYogaModule());
    RegisterModule(AromatherapyModule());
    RegisterModule(unbuilt("Learn Cartomancy", 3, 11, "module-cartomancy.svg",
                           {QStringLiteral("frmLearnCartomancyMain"),
                            QStringLiteral("frmLearnCartomancyPicEntry")}));
    RegisterModule(unbuilt("Learn Dream Interpretation", 4, 13, "module-dream-interpretation.svg",
                           {QStringLiteral("frmLearnDreamInterpretationMain")}));
    RegisterModule(unbuilt("Learn Palmistry", 5, 12, "module-palmistry.svg",
                           {QStringLiteral("frmLearnPalmistryMain")}));
}
