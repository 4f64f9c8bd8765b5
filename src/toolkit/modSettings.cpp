#include "modSettings.h"

#include "AppInfo.h"

#include <QSettings>
#include <QStandardPaths>

namespace {
QString &fileOverride()
{
    static QString path;
    return path;
}

QString shiftText(const QString &text, int by)
{
    QString result;
    result.reserve(text.size());
    for (const QChar ch : text) {
        const int code = ch.unicode() + by;
        if (ch.unicode() > 255 || code < 0 || code > 255)
            continue;
        result.append(QChar(code));
    }
    return result;
}
} // namespace

namespace Settings {

QString SettingsFilePath()
{
    if (!fileOverride().isEmpty())
        return fileOverride();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    const QString app = AppInfo::ApplicationName();
    return folder + u'/' + app + u'/' + app + QStringLiteral(".ini");
}

void SetSettingsFileForTesting(const QString &path) { fileOverride() = path; }

QString ReadSetting(const QString &key, const QString &defaultValue)
{
    QSettings store(SettingsFilePath(), QSettings::IniFormat);
    store.beginGroup(QStringLiteral("Settings"));
    const QVariant value = store.value(key);
    return value.isValid() ? value.toString() : defaultValue;
}

bool WriteSetting(const QString &key, const QString &value)
{
    QSettings store(SettingsFilePath(), QSettings::IniFormat);
    store.beginGroup(QStringLiteral("Settings"));
    store.setValue(key, value);
    store.endGroup();
    store.sync();
    return store.status() == QSettings::NoError;
}

QString EncodeText(const QString &text) { return shiftText(text, K); }
QString DecodeText(const QString &text) { return shiftText(text, -K); }

} // namespace Settings
