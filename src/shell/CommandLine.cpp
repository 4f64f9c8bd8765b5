#include "CommandLine.h"

#include "toolkit/AppInfo.h"
#include "toolkit/DataLocations.h"
#include "toolkit/ModuleTable.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

const QCommandLineOption &dataPathsOption()
{
    static const QCommandLineOption option(
        QStringLiteral("data-paths"),
        QStringLiteral("Prints where the suite finds its data and keeps your files, then ends."));
    return option;
}

// The parser with the program's own options and every module's.
void describe(QCommandLineParser &parser, const ModuleTable &modules)
{
    parser.setApplicationDescription(AppInfo::ApplicationTitle() +
                                     QStringLiteral(": six self-study modules in one window."));
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(dataPathsOption());
    for (const ModuleEntry &module : modules.Entries()) {
        for (const QCommandLineOption &option : module.options)
            parser.addOption(option);
        if (!module.fileSuffix.isEmpty())
            parser.addPositionalArgument(QStringLiteral("file.") + module.fileSuffix, module.fileHelp,
                                         QStringLiteral("[file.") + module.fileSuffix + u']');
        for (const auto &[word, help] : module.switches)
            parser.addPositionalArgument(word, help, u'[' + word + u']');
    }
}

bool isModuleSwitch(const ModuleTable &modules, const QString &word)
{
    for (const ModuleEntry &module : modules.Entries())
        for (const auto &entry : module.switches)
            if (entry.first == word)
                return true;
    return false;
}

QString programName()
{
    const QStringList arguments =
        QCoreApplication::instance() ? QCoreApplication::arguments() : QStringList();
    return arguments.isEmpty() ? DataLocations::InstallName()
                               : QFileInfo(arguments.first()).fileName();
}

void print(FILE *stream, const QString &text)
{
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    std::fflush(stream);
}

} // namespace

namespace CommandLine {

Parsed Parse(const ModuleTable &modules, const QStringList &arguments)
{
    Parsed parsed;
    QCommandLineParser parser;
    describe(parser, modules);
    if (!parser.parse(arguments)) {
        parsed.action = Action::Refuse;
        parsed.error = parser.errorText();
        return parsed;
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")))
        parsed.action = Action::ShowHelp;
    else if (parser.isSet(QStringLiteral("version")))
        parsed.action = Action::ShowVersion;
    else if (parser.isSet(dataPathsOption()))
        parsed.action = Action::ShowDataPaths;
    for (const QString &word : parser.positionalArguments()) {
        if (isModuleSwitch(modules, word))
            continue;
        (modules.ForFile(word) ? parsed.files : parsed.unused).append(word);
    }
    return parsed;
}

bool AsksForText(const QStringList &arguments)
{
    static const QStringList words = {QStringLiteral("-h"),        QStringLiteral("--help"),
                                      QStringLiteral("--help-all"),
                                      QStringLiteral("-?"),        QStringLiteral("-v"),
                                      QStringLiteral("--version"), QStringLiteral("--data-paths")};
    for (const QString &argument : arguments.mid(1)) {
        if (argument == QLatin1String("--"))
            break;
        if (words.contains(argument))
            return true;
    }
    return false;
}

QString HelpText(const ModuleTable &modules)
{
    QCommandLineParser parser;
    describe(parser, modules);
    QString text = parser.helpText();
    // The usage line names the program as it was called; show its name only.
    const qsizetype start = text.indexOf(QStringLiteral("Usage: ")) + 7;
    const qsizetype end = text.indexOf(u' ', start);
    if (start >= 7 && end > start)
        text.replace(start, end - start, programName());
    return text;
}

QString VersionText()
{
    return DataLocations::InstallName() + u' ' + AppInfo::Version() + u'\n';
}

QString DataPathsText(const ModuleTable &modules, const DataLocations &locations, bool *allFound)
{
    bool found = true;
    QString text = QStringLiteral("Read-only data, looked for in:\n");
    for (const QString &folder : locations.ProgramFolders())
        text += QStringLiteral("  ") + QDir::toNativeSeparators(folder) + u'\n';
    QStringList names;
    for (const ModuleEntry &module : modules.Entries())
        names += module.dataFiles;
    for (const QString &name : std::as_const(names)) {
        const QString path = locations.ProgramFile(name);
        const bool exists = QFileInfo(path).isFile();
        found = found && exists;
        text += QStringLiteral("  ") + name + QStringLiteral(": ") +
                (exists ? QDir::toNativeSeparators(path) : QStringLiteral("not found")) + u'\n';
    }
    text += QStringLiteral("Your files: ") + QDir::toNativeSeparators(locations.UserDataFolder()) +
            u'\n';
    text += QStringLiteral("Settings: ") + QDir::toNativeSeparators(locations.SettingsFile()) +
            u'\n';
    if (allFound)
        *allFound = found;
    return text;
}

int AnswerInText(const Parsed &parsed, const ModuleTable &modules, const DataLocations &locations)
{
    switch (parsed.action) {
    case Action::ShowHelp:
        print(stdout, HelpText(modules));
        return 0;
    case Action::ShowVersion:
        print(stdout, VersionText());
        return 0;
    case Action::ShowDataPaths: {
        bool allFound = false;
        print(stdout, DataPathsText(modules, locations, &allFound));
        return allFound ? 0 : 1;
    }
    case Action::Refuse:
        print(stderr, programName() + QStringLiteral(": ") + parsed.error +
                          QStringLiteral("\nTry '") + programName() +
                          QStringLiteral(" --help' for more information.\n"));
        return 2;
    case Action::RunSuite:
        break;
    }
    return 0;
}

} // namespace CommandLine
