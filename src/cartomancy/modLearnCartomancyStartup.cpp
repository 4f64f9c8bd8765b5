#include "modLearnCartomancyStartup.h"

#include "toolkit/AppInfo.h"
#include "toolkit/FileWriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <optional>
#include <system_error>

#include <unistd.h>

namespace {
std::filesystem::path fsPath(const QString &path)
{
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}
} // namespace

bool CommandLineHasStartupSwitch(const QStringList &arguments)
{
    // A whole argument: a file whose name holds the word is no switch.
    return arguments.mid(1).contains(StartupSwitch(), Qt::CaseSensitive);
}

bool CommandLineHasPictureEntrySwitch(const QStringList &arguments)
{
    return arguments.mid(1).contains(PictureEntrySwitch(), Qt::CaseSensitive);
}

QString AutostartFilePath(const QString &folder, const QString &name)
{
    return folder + u'/' + name + QStringLiteral(".desktop");
}

QString QuoteExecArgument(const QString &argument)
{
    // The quoting of the Exec key ...
    QString quoted = QStringLiteral("\"");
    for (const QChar ch : argument) {
        if (ch == u'"' || ch == u'`' || ch == u'$' || ch == u'\\')
            quoted += u'\\';
        quoted += ch;
        if (ch == u'%')
            quoted += u'%';
    }
    quoted += u'"';
    // ... comes on top of the escapes of every string value of the file.
    QString escaped;
    for (const QChar ch : quoted) {
        if (ch == u'\\')
            escaped += QStringLiteral("\\\\");
        else if (ch == u'\n')
            escaped += QStringLiteral("\\n");
        else if (ch == u'\t')
            escaped += QStringLiteral("\\t");
        else if (ch == u'\r')
            escaped += QStringLiteral("\\r");
        else
            escaped += ch;
    }
    return escaped;
}

QString AutostartEntryText(const QString &programPath)
{
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=") +
           AppInfo::ApplicationTitle() +
           QStringLiteral("\n"
                          "Comment=Starts the learning suite when you log in\n"
                          "Exec=") +
           QuoteExecArgument(programPath) + u' ' + StartupSwitch() +
           QStringLiteral("\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n");
}

bool IsRunAtStartup(const QString &folder, const QString &name)
{
    return QFileInfo(AutostartFilePath(folder, name)).isFile();
}

StartupChange SetRunAtStartup(const QString &folder, const QString &name, const QString &programPath, bool on)
{
    StartupChange change;
    const QString path = AutostartFilePath(folder, name);
    std::error_code ec;
    if (!on) {
        // Only the entry file is removed; no entry is no error.
        if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT) {
            const int code = errno;
            change.ok = false;
            change.message = QString::fromLocal8Bit(std::strerror(code)) + u' ' + QString::number(code) +
                             QStringLiteral("\r\n");
        }
        return change;
    }
    std::filesystem::create_directories(fsPath(folder), ec);
    if (ec || !QFileInfo(folder).isDir()) {
        change.ok = false;
        change.message = QStringLiteral("Error ") + QString::number(ec ? ec.value() : ENOTDIR) +
                         QStringLiteral(" opening key\r\n");
        return change;
    }
    errno = 0;
    const FileWriter::Result written = FileWriter::WriteWholeFile(path, AutostartEntryText(programPath).toUtf8());
    if (!written) {
        const int code = errno != 0 ? errno : EIO;
        change.ok = false;
        change.message = QStringLiteral("Error ") + QString::number(code) + QStringLiteral(" setting key\r\n");
    }
    return change;
}
