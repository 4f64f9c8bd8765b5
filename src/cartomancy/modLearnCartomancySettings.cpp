#include "modLearnCartomancySettings.h"

#include "shell/DataLocations.h"
#include "shell/modSettings.h"

#include <QFile>
#include <QFileInfo>

namespace CartomancySettings {

QString GoalFilePath(int goal) { return DataLocations::UserFile(QStringLiteral("goal%1.txt").arg(goal)); }

QString DefaultGoalText(int goal) { return QStringLiteral("This is Goal %1.").arg(goal); }

FileWriter::Result EnsureGoalFile(int goal)
{
    const QString path = GoalFilePath(goal);
    if (QFileInfo::exists(path))
        return FileWriter::Result{true, {}};
    return FileWriter::WriteWholeFile(path, FileWriter::TextFileBytes(DefaultGoalText(goal) + QStringLiteral("\r\n")));
}

QString ReadGoalText(int goal)
{
    QFile file(GoalFilePath(goal));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QString text = QString::fromUtf8(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(u'\r', u'\n');
    // Each line followed by a line break: a last line without one gets one.
    if (!text.isEmpty() && !text.endsWith(u'\n'))
        text += u'\n';
    return text;
}

QString TrimBlanks(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

FileWriter::Result SaveGoal(int goal, const QString &text)
{
    return FileWriter::WriteWholeFile(GoalFilePath(goal),
                                      FileWriter::TextFileBytes(TrimBlanks(text) + QStringLiteral("\r\n")));
}

namespace {
QString boxValue(bool checked) { return checked ? QStringLiteral("1") : QStringLiteral("0"); }
QString trueFalse(bool on) { return on ? QStringLiteral("True") : QStringLiteral("False"); }
} // namespace

bool SaveDefaults(const Defaults &defaults)
{
    bool ok = Settings::WriteSetting(Key::MajorArcana, boxValue(defaults.faceCards));
    ok = Settings::WriteSetting(Key::MinorArcana, boxValue(defaults.numberCards)) && ok;
    ok = Settings::WriteSetting(Key::Cups, boxValue(defaults.faceSuits[0])) && ok;
    ok = Settings::WriteSetting(Key::Wands, boxValue(defaults.faceSuits[1])) && ok;
    ok = Settings::WriteSetting(Key::Pentacles, boxValue(defaults.faceSuits[2])) && ok;
    ok = Settings::WriteSetting(Key::Swords, boxValue(defaults.faceSuits[3])) && ok;
    const QString testType = defaults.testType == 0 ? QStringLiteral("0") : QStringLiteral("1");
    ok = Settings::WriteSetting(Key::TestType, testType) && ok;
    const QString difficulty = defaults.difficulty == 0   ? QStringLiteral("0")
                               : defaults.difficulty == 1 ? QStringLiteral("1")
                                                          : QStringLiteral("2");
    ok = Settings::WriteSetting(Key::Difficulty, difficulty) && ok;
    ok = Settings::WriteSetting(Key::RunAtSysTray, trueFalse(defaults.runAtSysTray)) && ok;
    return ok;
}

bool SaveRunAtSysTray(bool on) { return Settings::WriteSetting(Key::RunAtSysTray, trueFalse(on)); }

bool ReadRunAtSysTray()
{
    return Settings::ReadSetting(Key::RunAtSysTray, QStringLiteral("False")) == QLatin1String("True");
}

int ReadBoxState(const QString &key)
{
    const QString value = Settings::ReadSetting(key, QStringLiteral("1")).trimmed();
    if (value == QLatin1String("0"))
        return 0;
    if (value == QLatin1String("1"))
        return 1;
    return -1;
}

int ReadOptionIndex(const QString &key, const QString &defaultValue, int count)
{
    bool ok = false;
    const int index = Settings::ReadSetting(key, defaultValue).trimmed().toInt(&ok);
    return ok && index >= 0 && index < count ? index : -1;
}

} // namespace CartomancySettings
