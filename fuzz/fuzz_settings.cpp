// The settings store as the update reminder reads it: any settings file, and
// any stored text, decodes without harm; text the encoder can carry survives
// encoding and decoding; a date read back from the stored text writes and
// reads back to the same day.
#include "FuzzSupport.h"
#include "toolkit/UpdateReminder.h"
#include "toolkit/modSettings.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::StartApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromLatin1(reinterpret_cast<const char *>(data), qsizetype(size));

    // Decoding drops what cannot be shifted back; what is left always encodes back.
    const QString decoded = Settings::DecodeText(text);
    Fuzz::Require(decoded.size() <= text.size(), "decoding never adds characters");
    Fuzz::Require(Settings::DecodeText(Settings::EncodeText(decoded)) == decoded,
                  "decoded text survives encoding and decoding");
    for (QChar c : decoded)
        Fuzz::Require(c.unicode() <= 248, "decoded characters are within the encodable range");

    // The whole input as a settings file, read as the reminder reads it.
    Fuzz::WriteScratchFile(QStringLiteral("settings.ini"), data, size);
    const Settings::Store store(Fuzz::Scratch().filePath(QStringLiteral("settings.ini")));
    const QString stored = store.Read(UpdateReminder::StoredKey(), QString());
    for (const QLocale &locale : {QLocale::c(), QLocale(QLocale::German, QLocale::Germany),
                                  QLocale(QLocale::English, QLocale::UnitedStates)}) {
        for (const QString &candidate : {Settings::DecodeText(stored), decoded}) {
            const std::optional<QDate> date = UpdateReminder::ReadDateText(candidate, locale);
            if (!date)
                continue;
            Fuzz::Require(date->isValid(), "a date read is a valid date");
            const QString again = UpdateReminder::DateTimeText(QDateTime(*date, QTime(12, 0)), locale);
            Fuzz::Require(UpdateReminder::ReadDateText(again, locale) == date,
                          "a date read back writes and reads as the same day");
        }
    }
    return 0;
}
