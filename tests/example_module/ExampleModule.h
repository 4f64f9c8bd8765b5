#pragma once

// A seventh module as small as a module can be, kept beside its test to show
// what adding a module takes: this folder, and one line that adds its entry
// to the suite. Its main window opens a second window, so that a switch to
// another module can be seen to close both.
#include "toolkit/ModuleHost.h"
#include "toolkit/ModuleTable.h"

class ExampleWindow : public ModuleWindow {
    Q_OBJECT
public:
    explicit ExampleWindow(ModuleHost &host);
    // Opens the module's second window ("frmExampleNotes") in the host.
    void OpenNotes();
};

// Button 6, start-panel label 14, the windows closed in the order listed.
ModuleEntry ExampleModule();
