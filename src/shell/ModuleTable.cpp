#include "ModuleTable.h"

#include "aromatherapy/frmLearnAromatherapyMain.h"
#include "zodiac_yoga/frmZodiacYogaMain.h"

namespace {
template <class Window> ModuleWindow *make() { return new Window(); }
} // namespace

const std::vector<ModuleEntry> &ModuleTable()
{
    static const std::vector<ModuleEntry> table = {
        {QStringLiteral("Learn Yoga"), 0, 8, QStringLiteral(":/shell/module-learn-yoga.svg"), true,
         nullptr},
        {QStringLiteral("Zodiac Yoga"), 1, 9, QStringLiteral(":/shell/module-zodiac-yoga.svg"),
         false, &make<frmZodiacYogaMain>},
        {QStringLiteral("Learn Aromatherapy"), 2, 10,
         QStringLiteral(":/shell/module-aromatherapy.svg"), false, &make<frmLearnAromatherapyMain>},
        {QStringLiteral("Learn Cartomancy"), 3, 11, QStringLiteral(":/shell/module-cartomancy.svg"),
         false, nullptr},
        {QStringLiteral("Learn Dream Interpretation"), 4, 13,
         QStringLiteral(":/shell/module-dream-interpretation.svg"), false, nullptr},
        {QStringLiteral("Learn Palmistry"), 5, 12, QStringLiteral(":/shell/module-palmistry.svg"),
         false, nullptr},
    };
    return table;
}

const ModuleEntry *ModuleByButton(int buttonIndex)
{
    for (const ModuleEntry &entry : ModuleTable())
        if (entry.buttonIndex == buttonIndex)
            return &entry;
    return nullptr;
}

const ModuleEntry *ModuleByLabel(int labelIndex)
{
    for (const ModuleEntry &entry : ModuleTable())
        if (entry.labelIndex == labelIndex)
            return &entry;
    return nullptr;
}

const QStringList &ModuleWindowOrder()
{
    static const QStringList order = {
        QStringLiteral("frmLearnYogaDisp"),
        QStringLiteral("frmZodiacYogaDisplay"),
        QStringLiteral("frmZodiacYogaMain"),
        QStringLiteral("frmZodiacYogaSave"),
        QStringLiteral("frmLearnAromatherapyMain"),
        QStringLiteral("frmLearnCartomancyMain"),
        QStringLiteral("frmLearnCartomancyPicEntry"),
        QStringLiteral("frmLearnDreamInterpretationMain"),
        QStringLiteral("frmLearnPalmistryMain"),
    };
    return order;
}
