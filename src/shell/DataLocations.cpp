#include "DataLocations.h"

#include "AppInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace {
QString &programOverride()
{
    static QString folder;
    return folder;
}
QString &userOverride()
{
    static QString folder;
    return folder;
}
} // namespace

namespace DataLocations {

QString ProgramFolder()
{
    return programOverride().isEmpty() ? QCoreApplication::applicationDirPath() : programOverride();
}

QString UserDataFolder()
{
    QString folder = userOverride();
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u'/' +
                 AppInfo::ApplicationName();
    QDir().mkpath(folder);
    return folder;
}

QString ProgramFile(const QString &name) { return ProgramFolder() + u'/' + name; }
QString UserFile(const QString &name) { return UserDataFolder() + u'/' + name; }

void SetProgramFolderForTesting(const QString &folder) { programOverride() = folder; }
void SetUserDataFolderForTesting(const QString &folder) { userOverride() = folder; }

} // namespace DataLocations
