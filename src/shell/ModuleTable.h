#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class ModuleWindow;

// The six study modules: which button and start-panel label select each, and
// the window that opens.
struct ModuleEntry {
    QString name;         // caption of the module button and the label
    int buttonIndex;      // index in cmdSelectOption
    int labelIndex;       // index in lblCaption
    QString picture;      // resource path of the button's picture
    bool isLearnYoga;     // Learn Yoga lives in the main window's own strips
    ModuleWindow *(*create)(); // nullptr while the module has no window
};

const std::vector<ModuleEntry> &ModuleTable();
const ModuleEntry *ModuleByButton(int buttonIndex);
const ModuleEntry *ModuleByLabel(int labelIndex);

// The module windows, in the order module selection closes them.
const QStringList &ModuleWindowOrder();
