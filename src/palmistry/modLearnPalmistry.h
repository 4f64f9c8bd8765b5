#pragma once

#include <QSize>
#include <QString>

#include <array>
#include <cstdint>

// The content tables of Learn Palmistry and the Memorize Palmistry browsing,
// free of widgets: which entry is shown, which picture it shows, and the
// step forward and back with its two ends.

// 23 entries in table order: hand shapes 0-4, finger shapes 5-9, nail shapes
// 10-13, palm lines 14-22. The tables have one slot more (23), which stays empty.
inline constexpr int PalmEntryCount = 23;
inline constexpr int PalmTableSlots = 24;
// The tables' upper bound, which is also where "Next" stops.
inline constexpr int PalmTableUpperBound = PalmTableSlots - 1;

// The three parallel text tables the memorize screen and the quiz read.
struct PalmistryTables {
    std::array<QString, PalmTableSlots> PalmTitle;
    std::array<QString, PalmTableSlots> PalmSignificance;
    std::array<QString, PalmTableSlots> PalmShapeLocation;
};

// The tables, filled from the compiled-in wording the first time they are
// asked for and never changed afterwards. Every reader goes through this
// routine, so no screen can find a table empty because a fill was skipped.
const PalmistryTables &LoadPalmistryContent();

// The picture an entry shows: n + 1 for entries 0 to 13, n + 2 for 14 to 22
// (picture 15 belongs to no entry). Numbers outside 0-22 give 0 (no picture).
int PalmPictureNumber(int entry);
// The picture's resource path, ":/palmistry/NN.svg"; empty for no picture.
QString PalmPicturePath(int entry);
// The size a picture is drawn at, before scaling: whole hands 154 x 180,
// single fingers 52 x 148, the palm-line pictures 137 x 169.
QSize PalmPictureSize(int pictureNumber);

// The entry on the Memorize Palmistry screen. It starts at 0 with the program
// and lives until the program ends, so closing and reopening the window shows
// the entry last shown (a function-local static of this module).
std::int16_t &PalmEntry();

enum class PalmNavigation { Shown, AtFirst, AtLast };

// "&Next": one entry on, unless that would pass the last entry (22); then the
// entry stays and the result says so.
PalmNavigation PalmNextEntry();
// "&Back": one entry back, unless the entry is already the first (0).
PalmNavigation PalmPreviousEntry();

// What the memorize screen shows for an entry.
struct PalmEntryView {
    QString title;
    QString significance;
    QString shapeLocation;
    QString picture; // resource path
};
PalmEntryView PalmEntryTexts(int entry);
