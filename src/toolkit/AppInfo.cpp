#include "AppInfo.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>


namespace AppInfo {

QString ApplicationTitle() { return QStringLiteral("Vessa Orrenic Learning Suite II v1.20"); }

QString Version() { return QStringLiteral(SUITE_VERSION); }

QString ApplicationName()
{
    const QString path = QCoreApplication::applicationFilePath();
    const QString base = QFileInfo(path).completeBaseName();
    return base.isEmpty() ? QStringLiteral("learning-suite") : base;
}

int ScreenWidthPixels()
{
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        return screen->geometry().width();
    return 1366;
}

} // namespace AppInfo
