#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class ModuleHost;

// The study modules as the main window sees them. Each module describes
// itself (src/<module>/...Module.cpp) and the application registers the
// descriptions before the main window is built; the shell includes no module.
struct ModuleEntry {
    QString name;        // caption of the module button and the start-panel label
    int buttonIndex = 0; // index in cmdSelectOption
    int labelIndex = 0;  // index in lblCaption
    QString picture;     // resource path of the button's picture
    // Object names of the windows the module may open, in the order module
    // selection closes them. Windows not listed are closed too, after these.
    QStringList windows;
    // Opens the module fresh; nullptr while the module is not built.
    std::function<void(ModuleHost &)> open;
    // Runs once when the main window has been built.
    std::function<void(ModuleHost &)> attach;

    // What the module reads from the command line, for the parser and --help:
    // options (--name) and switches given as plain words (/STARTUP), each a
    // word and its description.
    QList<QCommandLineOption> options;
    QList<std::pair<QString, QString>> switches;
    // A file named on the command line whose suffix is fileSuffix (without
    // the dot, compared without regard to case) is handed to openFile once the
    // module has been selected; fileHelp describes it for --help.
    QString fileSuffix;
    QString fileHelp;
    std::function<void(ModuleHost &, const QString &path)> openFile;
};

// Adds a module; a module with the same button index replaces the earlier one.
void RegisterModule(ModuleEntry entry);
// The registered modules in button order.
const std::vector<ModuleEntry> &ModuleTable();
const ModuleEntry *ModuleByButton(int buttonIndex);
const ModuleEntry *ModuleByLabel(int labelIndex);
// The module that opens files named like `path`, or nullptr.
const ModuleEntry *ModuleForFile(const QString &path);
// Empties the table (tests that register modules of their own).
void ClearModulesForTesting();

// Where a window comes in the closing order: modules in button order, each
// module's windows in its own order; a window no module lists comes last.
int WindowClosingRank(const QString &objectName);
