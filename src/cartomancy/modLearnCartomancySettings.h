#pragma once

#include "toolkit/FileWriter.h"

#include <QString>

class DataLocations;
namespace Settings { class Store; }

// What Learn Cartomancy keeps for the user: the two goal notes (goal1.txt and
// goal2.txt in the per-user data folder) and its defaults in the settings store.
namespace CartomancySettings {

// The goal note file of goal 1 or 2.
QString GoalFilePath(const DataLocations &locations, int goal);
// "This is Goal 1." / "This is Goal 2."
QString DefaultGoalText(int goal);
// Creates a missing goal file with its default line; the error when it cannot.
FileWriter::Result EnsureGoalFile(const DataLocations &locations, int goal);
// The note as its box shows it: every line of the file followed by a line break.
QString ReadGoalText(const DataLocations &locations, int goal);
// The text without leading and trailing blanks (line breaks stay).
QString TrimBlanks(const QString &text);
// Writes the note anew: the text without leading and trailing blanks, then a line break.
FileWriter::Result SaveGoal(const DataLocations &locations, int goal, const QString &text);

// The settings keys (section "Settings").
namespace Key {
inline const QString MajorArcana = QStringLiteral("MajorArcana");
inline const QString MinorArcana = QStringLiteral("MinorArcana");
inline const QString Cups = QStringLiteral("Cups");
inline const QString Wands = QStringLiteral("Wands");
inline const QString Pentacles = QStringLiteral("Pentacles");
inline const QString Swords = QStringLiteral("Swords");
inline const QString TestType = QStringLiteral("TestType");
inline const QString Difficulty = QStringLiteral("Difficulty");
inline const QString RunAtSysTray = QStringLiteral("RunAtSysTray");
} // namespace Key

// The settings "Save Current Settings As Default" stores.
struct Defaults {
    bool faceCards = true;   // "MajorArcana"
    bool numberCards = true; // "MinorArcana"
    bool faceSuits[4] = {true, true, true, true}; // "Cups", "Wands", "Pentacles", "Swords"
    int testType = 1;        // 0 Description, 1 Keywords
    int difficulty = 0;      // 0 Beginner, 1 Intermediate, 2 Advanced
    bool runAtSysTray = false;
};
// Writes every key in the fixed order; false when the store could not be written.
bool SaveDefaults(const Settings::Store &store, const Defaults &defaults);
// Stores "True" or "False" under "RunAtSysTray".
bool SaveRunAtSysTray(const Settings::Store &store, bool on);
bool ReadRunAtSysTray(const Settings::Store &store);

// A stored check box state: "0" or "1"; anything else reads as no value.
int ReadBoxState(const Settings::Store &store, const QString &key);
// A stored option index from 0 to count-1, or -1 when the entry holds no such number.
int ReadOptionIndex(const Settings::Store &store, const QString &key, const QString &defaultValue, int count);

} // namespace CartomancySettings
