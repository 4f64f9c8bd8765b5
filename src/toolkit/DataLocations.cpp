#include "DataLocations.h"

#include "AppInfo.h"
#include "MsgBox.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

DataLocations::DataLocations(Folders folders)
    : folders_(std::move(folders)), reported_(std::make_shared<QStringList>())
{
    if (folders_.program.isEmpty())
        folders_.program.append(QDir::currentPath());
}

DataLocations DataLocations::OfProgram()
{
    Folders folders;
    const QString own = QCoreApplication::applicationDirPath();
    folders.program = {own, QDir::cleanPath(own + QStringLiteral("/../share/") + InstallName())};
    folders.user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // Outside the program (a tool) the application name may be unset; the
    // folder still carries the program's name.
    if (folders.user.isEmpty() || QCoreApplication::applicationName().isEmpty())
        folders.user = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + u'/' +
                       InstallName();
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString app = AppInfo::ApplicationName();
    folders.settingsFile = config + u'/' + app + u'/' + app + QStringLiteral(".ini");
    folders.autostart = config + QStringLiteral("/autostart");
    folders.temp = QDir::tempPath();
    return DataLocations(std::move(folders));
}

DataLocations DataLocations::Below(const QString &root)
{
    Folders folders;
    folders.program = {root + QStringLiteral("/program")};
    folders.user = root + QStringLiteral("/user");
    folders.settingsFile = root + QStringLiteral("/settings.ini");
    folders.autostart = root + QStringLiteral("/autostart");
    folders.temp = root + QStringLiteral("/temp");
    QDir().mkpath(folders.program.first());
    QDir().mkpath(folders.temp);
    return DataLocations(std::move(folders));
}

QString DataLocations::InstallName() { return QStringLiteral("learning-suite"); }

QString DataLocations::ProgramFile(const QString &name) const
{
    for (const QString &folder : folders_.program) {
        const QString path = folder + u'/' + name;
        if (QFileInfo(path).isFile())
            return path;
    }
    // Something else under the name (a folder) is where the file was meant to be.
    for (const QString &folder : folders_.program) {
        const QString path = folder + u'/' + name;
        if (QFileInfo::exists(path))
            return path;
    }
    return folders_.program.first() + u'/' + name;
}

QString DataLocations::MissingFileMessage(const QString &name, const QStringList &folders)
{
    QString text = QStringLiteral("The file %1 was not found. It was looked for in:").arg(name);
    for (const QString &folder : folders)
        text += u'\n' + QDir::toNativeSeparators(folder + u'/' + name);
    return text;
}

QString DataLocations::RequiredProgramFile(const QString &name) const
{
    const QString path = ProgramFile(name);
    // Only a name with nothing under it is "not found"; a module that reads
    // the path says what else is there.
    if (!QFileInfo::exists(path) && !reported_->contains(name)) {
        reported_->append(name);
        ShowMessage(nullptr, MissingFileMessage(name, folders_.program), QMessageBox::Warning);
    }
    return path;
}

QString DataLocations::UserFile(const QString &name) const
{
    QDir().mkpath(folders_.user);
    return folders_.user + u'/' + name;
}
