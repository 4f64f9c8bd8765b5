#include "AppInfo.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

namespace {
QString &programFolderOverride()
{
    static QString folder;
    return folder;
}
} // namespace

namespace AppInfo {

QString ApplicationTitle() { return QStringLiteral("Vessa Orrenic Learning Suite II v1.20"); }

QString ApplicationName()
{
    const QString path = QCoreApplication::applicationFilePath();
    const QString base = QFileInfo(path).completeBaseName();
    return base.isEmpty() ? QStringLiteral("learning-suite") : base;
}

QString ProgramFolder()
{
    if (!programFolderOverride().isEmpty())
        return programFolderOverride();
    return QCoreApplication::applicationDirPath();
}

void SetProgramFolderForTesting(const QString &folder) { programFolderOverride() = folder; }

int ScreenWidthPixels()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        return screen->geometry().width();
    return 1366;
}

} // namespace AppInfo
