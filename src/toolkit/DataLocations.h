#pragma once

#include <QString>
#include <QStringList>

// Where the suite's files live. What ships with the program (the databases)
// is read-only data: it sits next to the executable in a build folder or a
// portable copy, and in ../share/<program name>/ beside the executable's folder
// once installed. What the user writes (goal notes and the like) goes to the
// per-user data folder, because an installed program's folder is not writable
// by its user. Every module finds its files through here.
namespace DataLocations {

// The name of the installed program, and of its data folders.
QString InstallName();

// The read-only data files the program ships.
QStringList ShippedFiles();

// The folders read-only data is looked for in, in order: the executable's
// folder, then ../share/<program name>/ from there. A test override replaces both.
QStringList ProgramFolders();
// The first of ProgramFolders() that holds any data file; the executable's
// folder when none does.
QString ProgramFolder();
// The per-user data folder, QStandardPaths::AppDataLocation
// (~/.local/share/<program name>/), unless a test pointed it elsewhere. It is
// created when a file in it is asked for; a folder that cannot be created makes
// the write that follows fail, and that write reports it.
QString UserDataFolder();

// A read-only data file: the first existing one of ProgramFolders(), or the
// path in the first folder when none exists.
QString ProgramFile(const QString &name);
// Like ProgramFile, but a file that exists nowhere is reported to the user once
// per run, with the folders looked in; the path is returned either way.
QString RequiredProgramFile(const QString &name);
// The message shown for a missing read-only file.
QString MissingFileMessage(const QString &name, const QStringList &folders);
// A file in the per-user data folder.
QString UserFile(const QString &name);

// Points the folders elsewhere (tests); an empty text restores the default.
void SetProgramFolderForTesting(const QString &folder);
void SetUserDataFolderForTesting(const QString &folder);
// Forgets which missing files were reported, so a test sees the report again.
void ForgetReportedFilesForTesting();

} // namespace DataLocations
