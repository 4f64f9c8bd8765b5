#pragma once

#include <QString>

// Where the suite's files live. The program folder holds what ships with the
// program (the databases) and is read-only for its user once installed; what
// the user writes (goal notes and the like) goes to the per-user data folder.
namespace DataLocations {

// The executable's folder, unless a test pointed it elsewhere.
QString ProgramFolder();
// ~/.local/share/<program name>/ (created when first asked for), unless a test
// pointed it elsewhere.
QString UserDataFolder();
// A file in one of the two folders.
QString ProgramFile(const QString &name);
QString UserFile(const QString &name);

// Points the folders elsewhere (tests); an empty text restores the default.
void SetProgramFolderForTesting(const QString &folder);
void SetUserDataFolderForTesting(const QString &folder);

} // namespace DataLocations
