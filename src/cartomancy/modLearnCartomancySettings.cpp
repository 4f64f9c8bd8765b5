#include "modLearnCartomancySettings.h"

#include "toolkit/DataLocations.h"
#include "toolkit/GoalNotes.h"
#include "toolkit/modSettings.h"

#include <QFile>

namespace CartomancySettings {

namespace {
QString goalFileName(int goal) { return QStringLiteral("goal%1.txt").arg(goal); }
} // namespace

QString GoalFilePath(const DataLocations &locations, int goal) { return locations.UserFile(goalFileName(goal)); }

QString DefaultGoalText(int goal) { return GoalNotes::DefaultText(goal); }

FileWriter::Result EnsureGoalFile(const DataLocations &locations, int goal)
{
    return GoalNotes::EnsureFile(GoalFilePath(locations, goal), goal);
}

QString ReadGoalText(const DataLocations &locations, int goal)
{
    QFile file(GoalFilePath(locations, goal));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    // Each line followed by a line break, as the box shows it.
    return GoalNotes::LinesWithLineEnds(file.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString TrimBlanks(const QString &text) { return GoalNotes::TrimBlanks(text); }

FileWriter::Result SaveGoal(const DataLocations &locations, int goal, const QString &text)
{
    return GoalNotes::Save(GoalFilePath(locations, goal), text);
}

namespace {
QString boxValue(bool checked) { return checked ? QStringLiteral("1") : QStringLiteral("0"); }
QString trueFalse(bool on) { return on ? QStringLiteral("True") : QStringLiteral("False"); }
} // namespace

bool SaveDefaults(const Settings::Store &store, const Defaults &defaults)
{
    bool ok = store.Write(Key::MajorArcana, boxValue(defaults.faceCards));
    ok = store.Write(Key::MinorArcana, boxValue(defaults.numberCards)) && ok;
    ok = store.Write(Key::Cups, boxValue(defaults.faceSuits[0])) && ok;
    ok = store.Write(Key::Wands, boxValue(defaults.faceSuits[1])) && ok;
    ok = store.Write(Key::Pentacles, boxValue(defaults.faceSuits[2])) && ok;
    ok = store.Write(Key::Swords, boxValue(defaults.faceSuits[3])) && ok;
    const QString testType = defaults.testType == 0 ? QStringLiteral("0") : QStringLiteral("1");
    ok = store.Write(Key::TestType, testType) && ok;
    const QString difficulty = defaults.difficulty == 0   ? QStringLiteral("0")
                               : defaults.difficulty == 1 ? QStringLiteral("1")
                                                          : QStringLiteral("2");
    ok = store.Write(Key::Difficulty, difficulty) && ok;
    ok = store.Write(Key::RunAtSysTray, trueFalse(defaults.runAtSysTray)) && ok;
    return ok;
}

bool SaveRunAtSysTray(const Settings::Store &store, bool on) { return store.Write(Key::RunAtSysTray, trueFalse(on)); }

bool ReadRunAtSysTray(const Settings::Store &store)
{
    return store.Read(Key::RunAtSysTray, QStringLiteral("False")) == QLatin1String("True");
}

int ReadBoxState(const Settings::Store &store, const QString &key)
{
    const QString value = store.Read(key, QStringLiteral("1")).trimmed();
    if (value == QLatin1String("0"))
        return 0;
    if (value == QLatin1String("1"))
        return 1;
    return -1;
}

int ReadOptionIndex(const Settings::Store &store, const QString &key, const QString &defaultValue, int count)
{
    bool ok = false;
    const int index = store.Read(key, defaultValue).trimmed().toInt(&ok);
    return ok && index >= 0 && index < count ? index : -1;
}

} // namespace CartomancySettings
