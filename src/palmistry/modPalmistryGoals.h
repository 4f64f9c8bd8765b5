#pragma once

#include <QByteArray>
#include <QString>

class DataLocations;

// The two goal notes of Learn Palmistry, kept in LearnPalmistryGoal1.txt and
// LearnPalmistryGoal2.txt in the per-user data folder (an installed program's
// own folder is not writable by its user). Text files, UTF-8, CR LF line ends.
namespace PalmistryGoals {

inline constexpr int GoalCount = 2;

// "LearnPalmistryGoal1.txt" / "LearnPalmistryGoal2.txt" (goal 1 or 2).
QString GoalFileName(int goal);
QString GoalFilePath(const DataLocations &locations, int goal);
// What a new goal file holds: "This is Goal 1." / "This is Goal 2.".
QString DefaultGoalText(int goal);

struct Loaded {
    QString text;  // every line read, each followed by CR LF
    QString error; // why the file could not be created or read; empty when all went well
};

// Creates the goal file with its default line when it does not exist, then
// reads it line by line. When the file cannot be created the text is what it
// would have held, so the box still shows the default goal.
Loaded PrepareAndLoadGoal(const DataLocations &locations, int goal);

// The file's lines, each followed by CR LF (a last line without a line end
// gets one; a file ending in a line end adds no empty line).
QString LinesWithLineEnds(const QByteArray &bytes);

// What a save writes: the text without leading and trailing blanks (spaces and
// tabs; line breaks stay), followed by CR LF, with every line end as CR LF.
QByteArray GoalFileBytes(const QString &text);

struct Saved {
    bool ok = false;
    QString error; // a sentence for the user when the goal was not saved
};

// Overwrites the goal file with the text. A failed save leaves the old file
// whole and says why.
Saved SaveGoal(const DataLocations &locations, int goal, const QString &text);

} // namespace PalmistryGoals
