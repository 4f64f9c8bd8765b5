#pragma once

#include <QString>
#include <QStringList>

class DataLocations;
class ModuleTable;

// The program's command line: --help, --version and --data-paths are answered
// in text and end the program; the modules add their own options and
// switches (words such as /SWITCH) and the kind of file they open, so the
// shell knows none of them by name.
namespace CommandLine {

enum class Action {
    RunSuite,      // start the suite (and open the files named)
    ShowHelp,      // print the usage text, end
    ShowVersion,   // print the program's name and version, end
    ShowDataPaths, // print where the data files are found, end
    Refuse         // an unknown option: print the error and the hint, end with failure
};

struct Parsed {
    Action action = Action::RunSuite;
    QString error;          // for Refuse
    QStringList files;      // files a module opens, in the order given
    QStringList unused;     // plain words neither a module switch nor a file a module opens
};

// Parses the arguments (the first is the program's path) for the modules given.
Parsed Parse(const ModuleTable &modules, const QStringList &arguments);
// True when the arguments ask for one of the text answers, which are given
// before the window system is started so they work without a display.
bool AsksForText(const QStringList &arguments);

QString HelpText(const ModuleTable &modules);
QString VersionText();
// Where each read-only data file was found (or looked for) and where the user's
// files go; *allFound tells whether every data file of the modules was found.
QString DataPathsText(const ModuleTable &modules, const DataLocations &locations, bool *allFound);

// Answers a text request: prints to standard output (errors to standard error)
// and returns the exit code. Needs an application object.
int AnswerInText(const Parsed &parsed, const ModuleTable &modules, const DataLocations &locations);

} // namespace CommandLine
