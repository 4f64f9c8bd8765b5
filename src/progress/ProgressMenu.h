#pragma once

#include "MemoryOutlook.h"
#include "toolkit/ModuleTable.h"

#include <QStringList>

#include <functional>
#include <memory>

class QDialog;
class QWidget;
namespace Progress { class Recorder; }

// Opens the practice window over the main window with a module chosen (empty:
// the window chooses); the layer that knows the modules' tests supplies it.
using PracticeOpener = std::function<QDialog *(QWidget *mainWindow, const QString &module)>;

// What the progress window needs besides its modules and file: how to open
// practice of the module shown (no "Practice" button without it) and the
// clock "today" is read from.
struct MyProgressOptions {
    std::function<void(const QString &module)> practise;
    Progress::Clock clock = Progress::SystemClock();
};

// The main window's "&Progress" menu: "My Progress", which opens the progress
// window for the given modules (one window at a time: choosing the item again
// brings it to the front, read afresh), and "Practice Due Items..." when a
// practice opener is given. Tests an earlier run could not record are written
// once the main window is up, and what still waits when the program ends.
MainMenuBuilder ProgressMenu(std::shared_ptr<Progress::Recorder> recorder, QStringList modules,
                             PracticeOpener practice = {}, Progress::Clock clock = Progress::SystemClock());
// The progress window open over the main window, or nullptr.
QDialog *OpenMyProgressWindow(QWidget *mainWindow);
// Opens (or raises) the progress window over the recorder's file; returns it,
// or nullptr (after telling the user) when its library cannot be loaded. The
// window and its charts live in a library loaded on first use.
QDialog *ShowMyProgress(QWidget *mainWindow, const Progress::Recorder &recorder, const QStringList &modules,
                        const MyProgressOptions &options = {});
