#pragma once

#include <QString>
#include <QStringList>

#include <memory>

// Where the suite's files live. What ships with the program (the databases)
// is read-only data: it sits next to the executable in a build folder or a
// portable copy, and in ../share/<program name>/ beside the executable's folder
// once installed. What the user writes (goal notes and the like) goes to the
// per-user data folder, because an installed program's folder is not writable
// by its user; settings go to an INI file in the user's configuration folder.
//
// The program makes one from its own surroundings (OfProgram) and hands it to
// the main window, which gives it to the modules; a test or a tool makes one
// over folders of its own. Copies share the record of missing files already
// reported, so each is reported once per run.
class DataLocations {
public:
    struct Folders {
        QStringList program;  // looked in for read-only data, in order; at least one
        QString user;         // the per-user data folder
        QString settingsFile; // the INI file of the settings store
        QString autostart;    // the folder of the desktop's login entries
        QString temp;         // for files that live only while they are used
    };

    explicit DataLocations(Folders folders);
    // The running program's: the executable's folder then ../share/<program
    // name>/ from there; QStandardPaths::AppDataLocation
    // (~/.local/share/<program name>/); <config>/<program name>/<program name>.ini;
    // <config>/autostart; the system's temporary folder. Needs an application object.
    static DataLocations OfProgram();
    // Everything below one folder: program/, user/, settings.ini, autostart/, temp/.
    static DataLocations Below(const QString &root);

    // The name of the installed program, and of its data folders.
    static QString InstallName();
    // The message shown for a missing read-only file.
    static QString MissingFileMessage(const QString &name, const QStringList &folders);

    // Every folder, as given.
    const Folders &AllFolders() const { return folders_; }
    // The folders read-only data is looked for in, in order.
    QStringList ProgramFolders() const { return folders_.program; }
    // The per-user data folder. It is created when a file in it is asked for; a
    // folder that cannot be created makes the write that follows fail, and that
    // write reports it.
    QString UserDataFolder() const { return folders_.user; }
    QString SettingsFile() const { return folders_.settingsFile; }
    QString AutostartFolder() const { return folders_.autostart; }
    QString TempFolder() const { return folders_.temp; }

    // A read-only data file: the first existing one of ProgramFolders(), or the
    // path in the first folder when none exists.
    QString ProgramFile(const QString &name) const;
    // Like ProgramFile, but a file that exists nowhere is reported to the user once
    // per run, with the folders looked in; the path is returned either way.
    QString RequiredProgramFile(const QString &name) const;
    // A file in the per-user data folder.
    QString UserFile(const QString &name) const;

private:
    Folders folders_;
    std::shared_ptr<QStringList> reported_; // missing files already reported
};
