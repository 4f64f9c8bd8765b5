#pragma once

#include <QStringList>

class QMenuBar;
class QWidget;

// The main window's "&Progress" menu with "My Progress", which opens the
// progress window for the given modules (one window at a time: choosing the
// item again brings it to the front, read afresh).
void AddProgressMenu(QMenuBar *bar, QWidget *mainWindow, const QStringList &modules);
// Registers the menu with the shell, to be added when the main window is built.
void RegisterProgressMenu(const QStringList &modules);
// Opens (or raises) the progress window; returns it.
class frmMyProgress;
frmMyProgress *ShowMyProgress(QWidget *mainWindow, const QStringList &modules);
