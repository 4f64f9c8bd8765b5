#include "ModuleTable.h"

#include <algorithm>
#include <climits>

void ModuleTable::Add(ModuleEntry entry)
{
    std::erase_if(modules_, [&](const ModuleEntry &m) { return m.buttonIndex == entry.buttonIndex; });
    modules_.push_back(std::move(entry));
    std::sort(modules_.begin(), modules_.end(),
              [](const ModuleEntry &a, const ModuleEntry &b) { return a.buttonIndex < b.buttonIndex; });
}

const ModuleEntry *ModuleTable::ByButton(int buttonIndex) const
{
    for (const ModuleEntry &entry : modules_)
        if (entry.buttonIndex == buttonIndex)
            return &entry;
    return nullptr;
}

const ModuleEntry *ModuleTable::ByLabel(int labelIndex) const
{
    for (const ModuleEntry &entry : modules_)
        if (entry.labelIndex == labelIndex)
            return &entry;
    return nullptr;
}

const ModuleEntry *ModuleTable::ByName(const QString &name) const
{
    for (const ModuleEntry &entry : modules_)
        if (entry.name == name)
            return &entry;
    return nullptr;
}

const ModuleEntry *ModuleTable::ForFile(const QString &path) const
{
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot < 0 || path.indexOf(u'/', dot) >= 0)
        return nullptr;
    const QString suffix = path.mid(dot + 1);
    for (const ModuleEntry &entry : modules_)
        if (!entry.fileSuffix.isEmpty() && entry.openFile &&
            entry.fileSuffix.compare(suffix, Qt::CaseInsensitive) == 0)
            return &entry;
    return nullptr;
}

int ModuleTable::WindowClosingRank(const QString &objectName) const
{
    int rank = 0;
    for (const ModuleEntry &entry : modules_) {
        const qsizetype at = entry.windows.indexOf(objectName);
        if (at >= 0)
            return rank + int(at);
        rank += int(entry.windows.size());
    }
    return INT_MAX;
}
