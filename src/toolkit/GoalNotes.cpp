#include "GoalNotes.h"

#include "FileReader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace GoalNotes {

namespace {

QString decode(const QByteArray &bytes)
{
    // Goal files are written as UTF-8; one brought over from elsewhere in a
    // single-byte code page still reads letter for letter.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8.decode(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

bool isBlank(QChar ch) { return ch == u' ' || ch == u'\t'; }

} // namespace

QString DefaultText(int goal) { return QStringLiteral("This is Goal %1.").arg(goal); }

FileWriter::Result EnsureFile(const QString &path, int goal)
{
    if (QFileInfo::exists(path))
        return FileWriter::Result{true, {}};
    return FileWriter::WriteWholeFile(path, FileWriter::TextFileBytes(DefaultText(goal) + u'\n'));
}

QString LinesWithLineEnds(const QByteArray &bytes)
{
    const QString text = decode(bytes);
    QString lines;
    lines.reserve(text.size() + 2);
    qsizetype start = 0;
    const qsizetype size = text.size();
    while (start < size) {
        qsizetype end = start;
        while (end < size && text.at(end) != u'\r' && text.at(end) != u'\n')
            ++end;
        lines += QStringView(text).mid(start, end - start);
        lines += QStringLiteral("\r\n");
        if (end < size && text.at(end) == u'\r' && end + 1 < size && text.at(end + 1) == u'\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

Loaded PrepareAndLoad(const QString &path, int goal)
{
    Loaded loaded;
    const FileWriter::Result created = EnsureFile(path, goal);
    if (!created) {
        loaded.text = DefaultText(goal) + QStringLiteral("\r\n");
        loaded.error = created.error;
        return loaded;
    }
    const std::optional<QByteArray> bytes = FileReader::ReadRegularFile(path);
    if (!bytes) {
        loaded.error = QStringLiteral("The file could not be read: ") + QDir::toNativeSeparators(path);
        return loaded;
    }
    loaded.text = LinesWithLineEnds(*bytes);
    return loaded;
}

QString TrimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlank(text.at(first)))
        ++first;
    while (last > first && isBlank(text.at(last - 1)))
        --last;
    return text.mid(first, last - first);
}

QByteArray FileBytes(const QString &text)
{
    // A loaded note already ends with a line end; adding another at every save
    // would grow the note by an empty line each time.
    const QString trimmed = TrimBlanks(text);
    const bool ended = trimmed.endsWith(u'\n') || trimmed.endsWith(u'\r');
    return FileWriter::TextFileBytes(ended ? trimmed : trimmed + u'\n');
}

FileWriter::Result Save(const QString &path, const QString &text)
{
    return FileWriter::WriteWholeFile(path, FileBytes(text));
}

} // namespace GoalNotes
