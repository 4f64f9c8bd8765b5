#pragma once

// Helpers for the Zodiac Yoga window tests: a birth date per sign, driving the
// entry window and finding the windows a reading opens. Without a main window
// the module windows open as top-level windows.

#include "toolkit/modRTB.h"
#include "support/TestSupport.h"
#include "zodiac_yoga/frmZodiacYogaDisplay.h"
#include "zodiac_yoga/frmZodiacYogaMain.h"
#include "zodiac_yoga/frmZodiacYogaSave.h"
#include "zodiac_yoga/modSunSignYoga.h"
#include "zodiac_yoga/modYogasana.h"

#include <QtTest>
#include <QtWidgets>

#include <memory>

using namespace Qt::StringLiterals;

namespace ZodiacWindows {

// One birth date inside each sign, in sign order: {sign, day, month}.
inline const char *const kDates[12][3] = {
    {"Aries", "21", "March"},   {"Taurus", "5", "May"},     {"Gemini", "14", "June"},
    {"Cancer", "21", "June"},   {"Leo", "1", "August"},     {"Virgo", "30", "August"},
    {"Libra", "10", "October"}, {"Scorpio", "2", "November"}, {"Sagittarius", "15", "December"},
    {"Capricorn", "19", "January"}, {"Aquarius", "18", "February"}, {"Pisces", "29", "February"}};

inline QLineEdit *NameBox(QWidget *entry) { return entry->findChild<QLineEdit *>(u"txtName"_s); }

// The name box and the day, month and year lists, as shown.
inline QStringList Inputs(QWidget *entry)
{
    QStringList shown{NameBox(entry)->text()};
    for (const char *list : {"cboDate", "cboMonth", "cboYear"})
        shown << entry->findChild<QComboBox *>(QLatin1String(list))->currentText();
    return shown;
}

// Sets the name and picks the list entries as the user would; false when one is missing.
inline bool SetInputs(QWidget *entry, const QString &name, const QString &day,
                      const QString &month, const QString &year)
{
    NameBox(entry)->setText(name);
    const QStringList dates{day, month, year};
    int i = 0;
    for (const char *list : {"cboDate", "cboMonth", "cboYear"})
        entry->findChild<QComboBox *>(QLatin1String(list))->setCurrentText(dates[i++]);
    return Inputs(entry).mid(1) == dates;
}

// The result window that is showing, if any.
inline frmZodiacYogaDisplay *VisibleDisplay()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *display = qobject_cast<frmZodiacYogaDisplay *>(w); display && w->isVisible())
            return display;
    return nullptr;
}

// Fills in the inputs and runs the reading action; the result window that opened, or nullptr
// (also when a message was shown: it is answered rather than left blocking the test).
inline frmZodiacYogaDisplay *Read(frmZodiacYogaMain *entry, const QString &name, const QString &day,
                                  const QString &month, const QString &year = u"1980"_s)
{
    TestSupport::MessageRecorder unexpected;
    if (!SetInputs(entry, name, day, month, year) || !entry->cmdNext_Click())
        return nullptr;
    return unexpected.messages.isEmpty() ? VisibleDisplay() : nullptr;
}

inline frmZodiacYogaMain *NewEntry(ModuleHost &host)
{
    auto *entry = new frmZodiacYogaMain(host);
    entry->show();
    return entry;
}

// A reading of the sign, born in 1980, in a new entry window.
inline frmZodiacYogaDisplay *ReadSign(ModuleHost &host, const QString &sign,
                                      const QString &name = u"ANNA MARIA"_s)
{
    for (const auto &date : kDates)
        if (sign == QLatin1String(date[0]))
            return Read(NewEntry(host), name, date[1], date[2]);
    return nullptr;
}

// Closes and destroys every Zodiac Yoga window.
inline void CloseAll()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<frmZodiacYogaSave *>(w) || qobject_cast<ModuleWindow *>(w))
            w->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Each test runs with its own settings and a temporary folder,
// and leaves no window or link handling behind.
struct Fixture {
    std::unique_ptr<TestSupport::Sandbox> sandbox;
    std::unique_ptr<QTemporaryDir> dir;
    void Start()
    {
        sandbox = std::make_unique<TestSupport::Sandbox>();
        dir = std::make_unique<QTemporaryDir>();
    }
    void Finish()
    {
        CloseAll();
        DisableLinkHandling();
        dir.reset();
        sandbox.reset();
    }
    QString Path(const QString &name) const { return dir->filePath(name); }
    TestSupport::Host &Host() { return sandbox->host(); }
};

} // namespace ZodiacWindows
