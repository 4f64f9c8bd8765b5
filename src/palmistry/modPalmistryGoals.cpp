#include "modPalmistryGoals.h"

#include "toolkit/DataLocations.h"
#include "toolkit/GoalNotes.h"

#include <QDir>

namespace PalmistryGoals {

QString GoalFileName(int goal) { return QStringLiteral("LearnPalmistryGoal%1.txt").arg(goal); }

QString GoalFilePath(const DataLocations &locations, int goal)
{
    return locations.UserFile(GoalFileName(goal));
}

QString DefaultGoalText(int goal) { return GoalNotes::DefaultText(goal); }

QString LinesWithLineEnds(const QByteArray &bytes) { return GoalNotes::LinesWithLineEnds(bytes); }

Loaded PrepareAndLoadGoal(const DataLocations &locations, int goal)
{
    const GoalNotes::Loaded loaded = GoalNotes::PrepareAndLoad(GoalFilePath(locations, goal), goal);
    return Loaded{loaded.text, loaded.error};
}

QByteArray GoalFileBytes(const QString &text) { return GoalNotes::FileBytes(text); }

Saved SaveGoal(const DataLocations &locations, int goal, const QString &text)
{
    const FileWriter::Result written = GoalNotes::Save(GoalFilePath(locations, goal), text);
    if (written)
        return Saved{true, {}};
    return Saved{false, QStringLiteral("Goal %1 could not be saved to %2.\n%3.\nThe goal saved "
                                       "before is kept as it was.")
                            .arg(goal)
                            .arg(QDir::toNativeSeparators(GoalFilePath(locations, goal)), written.error)};
}

} // namespace PalmistryGoals
