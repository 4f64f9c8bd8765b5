#pragma once

#include <QByteArray>
#include <QString>

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

// Writes the file in one go; on failure nothing is left behind and `error`
// says why.
bool Save(const QString &path, const Lines &lines, QString *error);
// Reads at most the bytes four lines can need (the rest of a large or binary
// file is never read). A file that cannot be opened reads as four empty lines.
Lines Load(const QString &path);

// Largest prefix of a file that Load reads.
constexpr qint64 MaxBytesRead = 64 * 1024;

} // namespace ReadingFile
