#include "FileWriter.h"

#include <QSaveFile>

namespace FileWriter {

Result WriteWholeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    const auto failed = [&file](const QString &what) {
        Result result;
        result.error = what + QStringLiteral(": ") + file.errorString();
        file.cancelWriting();
        return result;
    };
    if (!file.open(QIODevice::WriteOnly))
        return failed(QStringLiteral("The file could not be created"));
    if (file.write(bytes) != bytes.size())
        return failed(QStringLiteral("The file could not be written"));
    // A write that fails only when the buffer reaches the disk (a full disk)
    // shows up in the flush; the commit would not notice it and would replace
    // the good file with a damaged one.
    if (!file.flush() || file.error() != QFileDevice::NoError)
        return failed(QStringLiteral("The file could not be written"));
    if (!file.commit()) {
        Result result;
        result.error = QStringLiteral("The file could not be saved: ") + file.errorString();
        return result;
    }
    return Result{true, {}};
}

QByteArray TextFileBytes(const QString &text)
{
    QString crlf;
    crlf.reserve(text.size() + text.size() / 16);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text.at(i);
        if (ch == u'\r') {
            crlf += QStringLiteral("\r\n");
            if (i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
        } else if (ch == u'\n') {
            crlf += QStringLiteral("\r\n");
        } else {
            crlf += ch;
        }
    }
    return crlf.toUtf8();
}

} // namespace FileWriter
