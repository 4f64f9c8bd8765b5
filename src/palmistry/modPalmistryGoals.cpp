#include "modPalmistryGoals.h"

#include "shell/DataLocations.h"
#include "shell/FileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace PalmistryGoals {

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

QString GoalFileName(int goal) { return QStringLiteral("LearnPalmistryGoal%1.txt").arg(goal); }

QString GoalFilePath(int goal) { return DataLocations::UserFile(GoalFileName(goal)); }

QString DefaultGoalText(int goal) { return QStringLiteral("This is Goal %1.").arg(goal); }

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

Loaded PrepareAndLoadGoal(int goal)
{
    Loaded loaded;
    const QString path = GoalFilePath(goal);
    if (!QFileInfo::exists(path)) {
        const FileWriter::Result created =
            FileWriter::WriteWholeFile(path, FileWriter::TextFileBytes(DefaultGoalText(goal) + u'\n'));
        if (!created) {
            loaded.text = DefaultGoalText(goal) + QStringLiteral("\r\n");
            loaded.error = created.error;
            return loaded;
        }
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        loaded.error = QStringLiteral("The file could not be read: ") + file.errorString();
        return loaded;
    }
    loaded.text = LinesWithLineEnds(file.readAll());
    return loaded;
}

QByteArray GoalFileBytes(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlank(text.at(first)))
        ++first;
    while (last > first && isBlank(text.at(last - 1)))
        --last;
    return FileWriter::TextFileBytes(text.mid(first, last - first) + u'\n');
}

Saved SaveGoal(int goal, const QString &text)
{
    const QString path = GoalFilePath(goal);
    const FileWriter::Result written = FileWriter::WriteWholeFile(path, GoalFileBytes(text));
    if (written)
        return Saved{true, {}};
    return Saved{false, QStringLiteral("Goal %1 could not be saved to %2.\n%3.\nThe goal saved "
                                       "before is kept as it was.")
                            .arg(goal)
                            .arg(QDir::toNativeSeparators(path), written.error)};
}

} // namespace PalmistryGoals
