#include "DataLocations.h"

#include "MsgBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
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
QSet<QString> &reportedFiles()
{
    static QSet<QString> names;
    return names;
}
// The files the program ships beside itself; their presence marks a data folder.
const QStringList &shippedFiles()
{
    static const QStringList names = {QStringLiteral("learn.dll"), QStringLiteral("keywords.dll")};
    return names;
}
} // namespace

namespace DataLocations {

QStringList ShippedFiles() { return shippedFiles(); }

QString InstallName() { return QStringLiteral("learning-suite"); }

QStringList ProgramFolders()
{
    if (!programOverride().isEmpty())
        return {programOverride()};
    const QString own = QCoreApplication::applicationDirPath();
    return {own, QDir::cleanPath(own + QStringLiteral("/../share/") + InstallName())};
}

QString ProgramFolder()
{
    const QStringList folders = ProgramFolders();
    for (const QString &folder : folders)
        for (const QString &name : shippedFiles())
            if (QFileInfo(folder + u'/' + name).isFile())
                return folder;
    return folders.first();
}

QString UserDataFolder()
{
    QString folder = userOverride();
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        // Outside the program (a tool, a test without a sandbox) the
        // application name may be unset; the folder still carries the program's name.
        if (folder.isEmpty() || QCoreApplication::applicationName().isEmpty())
            folder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                     u'/' + InstallName();
    }
    return folder;
}

QString ProgramFile(const QString &name)
{
    const QStringList folders = ProgramFolders();
    for (const QString &folder : folders) {
        const QString path = folder + u'/' + name;
        if (QFileInfo(path).isFile())
            return path;
    }
    // Something else under the name (a folder) is where the file was meant to be.
    for (const QString &folder : folders) {
        const QString path = folder + u'/' + name;
        if (QFileInfo::exists(path))
            return path;
    }
    return folders.first() + u'/' + name;
}

QString MissingFileMessage(const QString &name, const QStringList &folders)
{
    QString text = QStringLiteral("The file %1 was not found. It was looked for in:").arg(name);
    for (const QString &folder : folders)
        text += u'\n' + QDir::toNativeSeparators(folder + u'/' + name);
    return text;
}

QString RequiredProgramFile(const QString &name)
{
    const QString path = ProgramFile(name);
    // Only a name with nothing under it is "not found"; a module that reads
    // the path says what else is there.
    if (!QFileInfo::exists(path) && !reportedFiles().contains(name)) {
        reportedFiles().insert(name);
        ShowMessage(nullptr, MissingFileMessage(name, ProgramFolders()), QMessageBox::Warning);
    }
    return path;
}

QString UserFile(const QString &name)
{
    const QString folder = UserDataFolder();
    QDir().mkpath(folder);
    return folder + u'/' + name;
}

void SetProgramFolderForTesting(const QString &folder) { programOverride() = folder; }
void SetUserDataFolderForTesting(const QString &folder) { userOverride() = folder; }
void ForgetReportedFilesForTesting() { reportedFiles().clear(); }

} // namespace DataLocations
