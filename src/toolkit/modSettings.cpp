#include "modSettings.h"

#include <QSettings>

namespace {
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

QString Store::Read(const QString &key, const QString &defaultValue) const
{
    QSettings store(file_, QSettings::IniFormat);
    store.beginGroup(QStringLiteral("Settings"));
    const QVariant value = store.value(key);
    return value.isValid() ? value.toString() : defaultValue;
}

bool Store::Write(const QString &key, const QString &value) const
{
    QSettings store(file_, QSettings::IniFormat);
    store.beginGroup(QStringLiteral("Settings"));
    store.setValue(key, value);
    store.endGroup();
    store.sync();
    return store.status() == QSettings::NoError;
}

QString EncodeText(const QString &text) { return shiftText(text, K); }
QString DecodeText(const QString &text) { return shiftText(text, -K); }

} // namespace Settings
