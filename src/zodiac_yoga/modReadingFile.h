#pragma once

#include "toolkit/FileWriter.h"
#include "toolkit/ReportView.h"

#include <QByteArray>
#include <QString>

#include <optional>

// The saved reading (".zoy"): four lines - name, day, month name, year - each
// passed through the settings encoding and ended by CR LF.
namespace ReadingFile {

struct Lines {
    QString name;
    QString day;
    QString month;
    QString year;
};

// The file's bytes for a reading.
QByteArray Compose(const Lines &lines);
// The decoded first four lines of a file's bytes; missing lines are empty and
// anything after line 4 is ignored.
Lines Parse(const QByteArray &bytes);

// Writes the file in one go; on failure the old file stays whole and the result says why.
FileWriter::Result Save(const QString &path, const Lines &lines);
// Reads at most the bytes four lines can need (the rest of a large or binary
// file is never read). Empty when the file cannot be opened.
std::optional<Lines> Load(const QString &path);

// The kind of file for the open and save dialogs, with their caption.
FileKind Kind(const QString &title);

// Largest prefix of a file that Load reads.
constexpr qint64 MaxBytesRead = 64 * 1024;

} // namespace ReadingFile
