#include "ModuleTable.h"

#include <algorithm>
#include <climits>

namespace {
std::vector<ModuleEntry> &table()
{
    static std::vector<ModuleEntry> modules;
    return modules;
}
} // namespace

void RegisterModule(ModuleEntry entry)
{
    auto &modules = table();
    std::erase_if(modules, [&](const ModuleEntry &m) { return m.buttonIndex == entry.buttonIndex; });
    modules.push_back(std::move(entry));
    std::sort(modules.begin(), modules.end(),
              [](const ModuleEntry &a, const ModuleEntry &b) { return a.buttonIndex < b.buttonIndex; });
}

const std::vector<ModuleEntry> &ModuleTable() { return table(); }

const ModuleEntry *ModuleByButton(int buttonIndex)
{
    for (const ModuleEntry &entry : table())
        if (entry.buttonIndex == buttonIndex)
            return &entry;
    return nullptr;
}

const ModuleEntry *ModuleByLabel(int labelIndex)
{
    for (const ModuleEntry &entry : table())
        if (entry.labelIndex == labelIndex)
            return &entry;
    return nullptr;
}

const ModuleEntry *ModuleForFile(const QString &path)
{
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < 0 || path.indexOf(u'/', dot) >= 0)
        return nullptr;
    const QString suffix = path.mid(dot + 1);
    for (const ModuleEntry &entry : table())
        if (!entry.fileSuffix.isEmpty() && entry.openFile &&
            entry.fileSuffix.compare(suffix, Qt::CaseInsensitive) == 0)
            return &entry;
    return nullptr;
}

void ClearModulesForTesting() { table().clear(); }

int WindowClosingRank(const QString &objectName)
{
    int rank = 0;
    for (const ModuleEntry &entry : table()) {
        const qsizetype at = entry.windows.indexOf(objectName);
        if (at >= 0)
            return rank + int(at);
        rank += int(entry.windows.size());
    }
    return INT_MAX;
}
