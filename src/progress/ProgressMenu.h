#pragma once

#include "toolkit/ModuleTable.h"

#include <QStringList>

#include <memory>

class QDialog;
class QWidget;
namespace Progress { class Recorder; }

// The main window's "&Progress" menu with "My Progress", which opens the
// progress window for the given modules (one window at a time: choosing the
// item again brings it to the front, read afresh). Tests an earlier run could
// not record are written once the main window is up, and what still waits
// when the program ends.
MainMenuBuilder ProgressMenu(std::shared_ptr<Progress::Recorder> recorder, QStringList modules);
// Opens (or raises) the progress window over the recorder's file; returns it,
// or nullptr (after telling the user) when its library cannot be loaded. The
// window and its charts live in a library loaded on first use.
QDialog *ShowMyProgress(QWidget *mainWindow, const Progress::Recorder &recorder, const QStringList &modules);
