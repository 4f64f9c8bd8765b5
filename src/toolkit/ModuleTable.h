#pragma once

#include <QCommandLineOption>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

#include "DataLocations.h"

class ModuleHost;
class QMenuBar;

// The study modules as the main window sees them. Each module describes
// itself (src/<module>/...Module.cpp) and the application puts the
// descriptions into a Suite that the main window is built from; the main
// window includes no module.
struct ModuleEntry {
    QString name;        // caption of the module button and the start-panel label
    int buttonIndex = 0; // index in cmdSelectOption
    int labelIndex = 0;  // index in lblCaption
    QString picture;     // resource path of the button's picture
    // Object names of the windows the module may open, in the order module
    // selection closes them. Windows not listed are closed too, after these.
    QStringList windows;
    // Read-only data files the module reads from the program folders (for
    // --data-paths, which tells where each was found).
    QStringList dataFiles;
    // Opens the module fresh; nullptr while the module is not built.
    std::function<void(ModuleHost &)> open;
    // Runs once when the main window has been built.
    std::function<void(ModuleHost &)> attach;

    // What the module reads from the command line, for the parser and --help:
    // options (--name) and switches given as plain words (/SWITCH), each a
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

// The modules of a suite, in button order.
class ModuleTable {
public:
    // Adds a module; a module with the same button index replaces the earlier one.
    void Add(ModuleEntry entry);
    const std::vector<ModuleEntry> &Entries() const { return modules_; }
    const ModuleEntry *ByButton(int buttonIndex) const;
    const ModuleEntry *ByLabel(int labelIndex) const;
    const ModuleEntry *ByName(const QString &name) const;
    // The module that opens files named like `path`, or nullptr.
    const ModuleEntry *ForFile(const QString &path) const;
    // Where a window comes in the closing order: modules in button order, each
    // module's windows in its own order; a window no module lists comes last.
    int WindowClosingRank(const QString &objectName) const;

private:
    std::vector<ModuleEntry> modules_;
};

// A menu that a layer above the toolkit adds to the main window's menu bar,
// after the window's own menus. It gets the menu bar and the host.
using MainMenuBuilder = std::function<void(QMenuBar *bar, ModuleHost &host)>;

// Everything the main window is built from.
struct Suite {
    DataLocations locations;  // where files are, handed to every module through the host
    QStringList arguments;    // the program's command line, for the modules that read it
    ModuleTable modules;
    std::vector<MainMenuBuilder> menus;
};
