#pragma once

#include <QByteArray>
#include <QString>

// The one way the suite writes a file the user keeps (saved readings, goal
// notes, saved results, the start-up entry). The whole content goes to a
// temporary file beside the target, which replaces the target only when every
// write, the final flush and the commit succeeded; otherwise the old file
// stays as it was and the error says why.
namespace FileWriter {

struct Result {
    bool ok = false;
    QString error; // a sentence for the user; empty on success
    explicit operator bool() const { return ok; }
};

Result WriteWholeFile(const QString &path, const QByteArray &bytes);

// Text as the suite's text files hold it: UTF-8 with CR LF line ends
// (a lone LF or CR in the text becomes CR LF).
QByteArray TextFileBytes(const QString &text);

} // namespace FileWriter
