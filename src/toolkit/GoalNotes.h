#pragma once

#include "FileWriter.h"

#include <QByteArray>
#include <QString>

// The personal goal notes that modules keep for the user: small text files in
// the per-user data folder (an installed program's own folder is not writable
// by its user), UTF-8 with CR LF line ends, one file per goal. Each routine
// takes the note's full path.
namespace GoalNotes {

// What a new goal file holds: "This is Goal 1." / "This is Goal 2.".
QString DefaultText(int goal);

// Creates a missing goal file with its default line; the error when it cannot.
FileWriter::Result EnsureFile(const QString &path, int goal);

struct Loaded {
    QString text;  // every line read, each followed by CR LF
    QString error; // why the file could not be created or read; empty when all went well
};

// Creates the goal file with its default line when it does not exist, then
// reads it line by line. When the file cannot be created the text is what it
// would have held, so the box still shows the default goal.
Loaded PrepareAndLoad(const QString &path, int goal);

// A file's lines, each followed by CR LF (a last line without a line end
// gets one; a file ending in a line end adds no empty line).
QString LinesWithLineEnds(const QByteArray &bytes);

// The text without leading and trailing blanks (spaces and tabs; line breaks stay).
QString TrimBlanks(const QString &text);

// What a save writes: the trimmed text ending in one line end, every line end
// as CR LF; a note saved unchanged keeps its bytes.
QByteArray FileBytes(const QString &text);

// Overwrites the goal file with the text; a failed save leaves the old file whole.
FileWriter::Result Save(const QString &path, const QString &text);

} // namespace GoalNotes
