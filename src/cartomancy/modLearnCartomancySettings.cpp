#include "modLearnCartomancySettings.h"

#include "toolkit/DataLocations.h"
#include "toolkit/GoalNotes.h"
#include "toolkit/modSettings.h"

#include <QFile>

namespace CartomancySettings {

namespace {
QString goalFileName(int goal) { return QStringLiteral("goal%1.txt").arg(goal); }
} // namespace

QString GoalFilePath(int goal) { return DataLocations::UserFile(goalFileName(goal)); }

QString DefaultGoalText(int goal) { return GoalNotes::DefaultText(goal); }

FileWriter::Result EnsureGoalFile(int goal) { return GoalNotes::EnsureFile(goalFileName(goal), goal); }

QString ReadGoalText(int goal)
{
    QFile file(GoalFilePath(goal));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    // Each line followed by a line break, as the box shows it.
    return GoalNotes::LinesWithLineEnds(file.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

QString TrimBlanks(const QString &text) { return GoalNotes::TrimBlanks(text); }

FileWriter::Result SaveGoal(int goal, const QString &text) { return GoalNotes::Save(goalFileName(goal), text); }

namespace {
QString boxValue(bool checked) { return checked ? QStringLiteral("1") : QStringLiteral("0"); }
QString trueFalse(bool on) { return on ? QStringLiteral("True") : QStringLiteral("False"); }
} // namespace

bool SaveDefaults(const Defaults &defaults)
{
    bool ok = Settings::WriteSetting(Key::MajorArcana, boxValue(defaults.faceCards));
    ok = Settings::WriteSetting(Key::MinorArcana, boxValue(defaults.numberCards)) && ok;
    ok = Settings::WriteSetting(Key::Cups, boxValue(defaults.faceSuits[0])) && ok;
    ok = Settings::WriteSetting(Key::Wands, boxValue(defaults.faceSuits[1])) && ok;
    ok = Settings::WriteSetting(Key::Pentacles, boxValue(defaults.faceSuits[2])) && ok;
    ok = Settings::WriteSetting(Key::Swords, boxValue(defaults.faceSuits[3])) && ok;
    const QString testType = defaults.testType == 0 ? QStringLiteral("0") : QStringLiteral("1");
    ok = Settings::WriteSetting(Key::TestType, testType) && ok;
    const QString difficulty = defaults.difficulty == 0   ? QStringLiteral("0")
                               : defaults.difficulty == 1 ? QStringLiteral("1")
                                                          : QStringLiteral("2");
    ok = Settings::WriteSetting(Key::Difficulty, difficulty) && ok;
    ok = Settings::WriteSetting(Key::RunAtSysTray, trueFalse(defaults.runAtSysTray)) && ok;
    return ok;
}

bool SaveRunAtSysTray(bool on) { return Settings::WriteSetting(Key::RunAtSysTray, trueFalse(on)); }

bool ReadRunAtSysTray()
{
    return Settings::ReadSetting(Key::RunAtSysTray, QStringLiteral("False")) == QLatin1String("True");
}

int ReadBoxState(const QString &key)
{
    const QString value = Settings::ReadSetting(key, QStringLiteral("1")).trimmed();
    if (value == QLatin1String("0"))
        return 0;
    if (value == QLatin1String("1"))
        return 1;
    return -1;
}

int ReadOptionIndex(const QString &key, const QString &defaultValue, int count)
{
    bool ok = false;
    const int index = Settings::ReadSetting(key, defaultValue).trimmed().toInt(&ok);
    return ok && index >= 0 && index < count ? index : -1;
}

} // namespace CartomancySettings
