#include "UpdateReminder.h"

#include "MsgBox.h"
#include "modHelp.h"
#include "modSettings.h"

namespace {

// Rewrites a regional date/time pattern so that its text survives the
// single-byte encoding and reads back: a two-digit year becomes four digits,
// time-zone fields are removed, and literal text outside plain ASCII (such as
// the Japanese hour and minute signs or direction marks) becomes a blank.
QString robustPattern(const QString &pattern)
{
    const auto asciiOnly = [](QString text) {
        for (QChar &ch : text)
            if (ch.unicode() < 32 || ch.unicode() > 126)
                ch = u' ';
        return text;
    };
    QString out;
    for (qsizetype i = 0; i < pattern.size();) {
        const QChar ch = pattern.at(i);
        if (ch == u'\'') {
            const qsizetype end = pattern.indexOf(u'\'', i + 1);
            const qsizetype stop = end < 0 ? pattern.size() : end + 1;
            out += asciiOnly(pattern.mid(i, stop - i));
            i = stop;
            continue;
        }
        qsizetype run = 1;
        while (i + run < pattern.size() && pattern.at(i + run) == ch)
            ++run;
        if (ch == u'y')
            out += QStringLiteral("yyyy");
        else if (ch != u't')
            out += asciiOnly(pattern.mid(i, run));
        i += run;
    }
    return out.simplified();
}

QString fullPattern(const QLocale &locale)
{
    return robustPattern(locale.dateFormat(QLocale::ShortFormat)) + u' ' +
           robustPattern(locale.timeFormat(QLocale::LongFormat));
}

} // namespace

namespace UpdateReminder {

QString StoredKey() { return Settings::EncodeText(QStringLiteral("Duration")); }

QString DateTimeText(const QDateTime &moment, const QLocale &locale)
{
    return QLocale::c().toString(moment, fullPattern(locale));
}

std::optional<QDate> ReadDateText(const QString &text, const QLocale &locale)
{
    const QDateTime moment = QLocale::c().toDateTime(text, fullPattern(locale));
    if (!moment.isValid())
        return std::nullopt;
    return moment.date();
}

QString ReminderMessage()
{
    return QStringLiteral("There maybe an update to this software available\n"
                          "Do you want to check for an update?");
}

} // namespace UpdateReminder

UpdateReminderRun RunUpdateReminder(const Settings::Store &settings)
{
    using namespace UpdateReminder;
    const QLocale locale = QLocale::system();
    const QString stored = Settings::DecodeText(settings.Read(StoredKey(), QString()));
    const auto storeToday = [&] {
        return settings.Write(
            StoredKey(), Settings::EncodeText(DateTimeText(QDateTime::currentDateTime(), locale)));
    };
    UpdateReminderRun run;
    const std::optional<QDate> date = ReadDateText(stored, locale);
    if (!date) {
        run.stored = storeToday();
        return run;
    }
    const qint64 days = QDate::currentDate().daysTo(*date);
    if (days >= -14 && days <= 14)
        return run;
    const auto answer = ShowMessage(nullptr, ReminderMessage(), QMessageBox::Information,
                                    QMessageBox::Yes | QMessageBox::No);
    run.asked = true;
    run.stored = storeToday();
    if (answer == QMessageBox::Yes)
        OpenDownloadPage();
    return run;
}
