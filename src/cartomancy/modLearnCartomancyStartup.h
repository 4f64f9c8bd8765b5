#pragma once

#include <QString>
#include <QStringList>

// Starting with the desktop session: an XDG autostart entry
// ~/.config/autostart/<program name>.desktop whose Exec line runs the program
// with the switch /STARTUP, and the command-line switches the module reads.

// The switch the autostart entry adds; the Learn Cartomancy window goes to
// the system tray when it opens in such a run (if the user asked for that).
inline QString StartupSwitch() { return QStringLiteral("/STARTUP"); }
// Opens the card picture maintenance window instead of the main window's start panel.
inline QString PictureEntrySwitch() { return QStringLiteral("--card-picture-entry"); }

// The command line after the program's own path, as one text, contains
// /STARTUP (case-sensitive).
bool CommandLineHasStartupSwitch(const QStringList &arguments);
// One of the arguments is --card-picture-entry.
bool CommandLineHasPictureEntrySwitch(const QStringList &arguments);

// The entry named after the program in the folder of autostart entries
// (DataLocations::AutostartFolder: $XDG_CONFIG_HOME/autostart).
QString AutostartFilePath(const QString &folder, const QString &name);

// One argument quoted for an Exec line: in double quotes, with '"', '`', '$'
// and '\' escaped by a backslash and '%' doubled, then the backslashes
// doubled again (and line breaks and tabs escaped) as every string value of a
// desktop entry requires.
QString QuoteExecArgument(const QString &argument);
// The complete autostart entry that runs the program with /STARTUP.
QString AutostartEntryText(const QString &programPath);

// True when the autostart entry named after the program exists.
bool IsRunAtStartup(const QString &folder, const QString &name);

struct StartupChange {
    bool ok = true;
    QString message; // for the user when !ok
};
// Writes the entry for the program at programPath (on) or removes it (off).
// Failures give "Error <code> opening key" (the folder cannot be created),
// "Error <code> setting key" (the entry cannot be written) or the system's
// error text and code (the entry cannot be removed), each followed by a line break.
StartupChange SetRunAtStartup(const QString &folder, const QString &name, const QString &programPath, bool on);
