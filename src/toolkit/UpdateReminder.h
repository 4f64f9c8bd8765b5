#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>

#include "modSettings.h"

#include <optional>

// At most once a fortnight the program offers to look for a newer version.
// The date of the last offer is kept, encoded, in the settings store.
namespace UpdateReminder {

// The settings key of the stored date: the encoded word "Duration".
QString StoredKey();

// The date and time as text in the locale's short-date and long-time pattern,
// with the year always written in full and without a time-zone name, in
// Latin digits, so that the text encodes without loss and reads back to the
// same calendar day.
QString DateTimeText(const QDateTime &moment, const QLocale &locale);

// Reads a text written by DateTimeText with the same locale; empty when the
// text is damaged or was written under other regional settings.
std::optional<QDate> ReadDateText(const QString &text, const QLocale &locale);

// The message shown when the reminder fires.
QString ReminderMessage();

} // namespace UpdateReminder

// What a run of the reminder did.
struct UpdateReminderRun {
    bool asked = false;  // the message was shown
    bool stored = false; // today's date reached the settings store
};

// Runs the reminder: records the first run silently, and when the stored date
// is 15 or more calendar days away (either direction) asks the user whether to
// open the download page, storing today's date whatever the answer. A stored
// entry that no longer reads as a date (damaged, or written under other
// regional settings) counts as a first run, so the reminder keeps working.
UpdateReminderRun RunUpdateReminder(const Settings::Store &settings);
