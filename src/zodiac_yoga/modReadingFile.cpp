#include "modReadingFile.h"

#include "toolkit/FileReader.h"
#include "toolkit/modSettings.h"

#include <QFile>

namespace ReadingFile {

QByteArray Compose(const Lines &lines)
{
    QByteArray bytes;
    for (const QString *value : {&lines.name, &lines.day, &lines.month, &lines.year}) {
        // Control characters could encode to a line break and shift the lines; a
        // name never holds them unless a damaged file was opened, so they are left out.
        QString clean = *value;
        clean.removeIf([](QChar ch) { return ch.unicode() < 32; });
        bytes += Settings::EncodeText(clean).toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}

Lines Parse(const QByteArray &bytes)
{
    QString values[4];
    qsizetype start = 0;
    for (int line = 0; line < 4 && start < bytes.size(); ++line) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArray raw = bytes.mid(start, end - start);
        if (raw.endsWith('\r'))
            raw.chop(1);
        values[line] = Settings::DecodeText(QString::fromLatin1(raw));
        start = end + 1;
    }
    return {values[0], values[1], values[2], values[3]};
}

FileWriter::Result Save(const QString &path, const Lines &lines)
{
    return FileWriter::WriteWholeFile(path, Compose(lines));
}

std::optional<Lines> Load(const QString &path)
{
    const std::optional<QByteArray> bytes = FileReader::ReadRegularFile(path, MaxBytesRead);
    if (!bytes)
        return std::nullopt;
    return Parse(*bytes);
}

FileKind Kind(const QString &title)
{
    return {title, QStringLiteral("Vessa Free Zodiac Yoga"), QStringLiteral("zoy")};
}

} // namespace ReadingFile
