#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The one way the suite reads a file the user names or keeps (a saved
// reading, a picture, a goal note). Only a regular file is read: a pipe, a
// device or a folder under the name is refused without waiting on it, so
// opening never hangs the program.
namespace FileReader {

// The file's bytes, at most `maxBytes` of them (all when negative); nothing
// when it is not a regular file or cannot be read.
std::optional<QByteArray> ReadRegularFile(const QString &path, qint64 maxBytes = -1);

} // namespace FileReader
