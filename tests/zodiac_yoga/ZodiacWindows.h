#pragma once

// Helpers for the Zodiac Yoga window tests: a birth date per sign, driving the
// entry window and finding the windows a reading opens. Without a main window
// the module windows open as top-level windows.

#include "zodiac_yoga/frmZodiacYogaDisplay.h"
#include "zodiac_yoga/frmZodiacYogaMain.h"
#include "zodiac_yoga/frmZodiacYogaSave.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

namespace ZodiacWindows {

struct BirthDate {
    const char *sign;
    const char *day;
    const char *month;
};

// One birth date inside each sign, in sign order.
inline const BirthDate kDates[12] = {
    {"Aries", "21", "March"},      {"Taurus", "5", "May"},          {"Gemini", "14", "June"},
    {"Cancer", "21", "June"},      {"Leo", "1", "August"},          {"Virgo", "30", "August"},
    {"Libra", "10", "October"},    {"Scorpio", "2", "November"},    {"Sagittarius", "15", "December"},
    {"Capricorn", "19", "January"}, {"Aquarius", "18", "February"}, {"Pisces", "29", "February"},
};

inline QLineEdit *NameBox(QWidget *entry)
{
    return entry->findChild<QLineEdit *>(QStringLiteral("txtName"));
}

inline QComboBox *List(QWidget *entry, const char *name)
{
    return entry->findChild<QComboBox *>(QString::fromLatin1(name));
}

// Selects the entry with this text, as the user would pick it.
inline bool Pick(QComboBox *list, const QString &text)
{
    const int index = list ? list->findText(text, Qt::MatchExactly) : -1;
    if (index < 0)
        return false;
    list->setCurrentIndex(index);
    return true;
}

inline bool SetInputs(QWidget *entry, const QString &name, const QString &day, const QString &month,
                      const QString &year)
{
    QLineEdit *box = NameBox(entry);
    if (!box)
        return false;
    box->setText(name);
    return Pick(List(entry, "cboDate"), day) && Pick(List(entry, "cboMonth"), month) &&
           Pick(List(entry, "cboYear"), year);
}

// The result window that is showing, if any.
inline frmZodiacYogaDisplay *VisibleDisplay()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *display = qobject_cast<frmZodiacYogaDisplay *>(w); display && display->isVisible())
            return display;
    return nullptr;
}

inline int LiveDisplays()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int count = 0;
    for (QWidget *w : QApplication::topLevelWidgets())
        if (qobject_cast<frmZodiacYogaDisplay *>(w))
            ++count;
    return count;
}

// Fills in the inputs and presses the reading button; the result window that opened, or nullptr.
inline frmZodiacYogaDisplay *Read(frmZodiacYogaMain *entry, const QString &name, const QString &day,
                                  const QString &month, const QString &year)
{
    if (!SetInputs(entry, name, day, month, year))
        return nullptr;
    if (!entry->cmdNext_Click())
        return nullptr;
    return VisibleDisplay();
}

// Closes and destroys every Zodiac Yoga window, so each test starts afresh.
inline void CloseAll()
{
    for (int round = 0; round < 2; ++round) {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            if (qobject_cast<frmZodiacYogaSave *>(w))
                static_cast<QDialog *>(w)->reject();
            else if (qobject_cast<frmZodiacYogaDisplay *>(w) || qobject_cast<frmZodiacYogaMain *>(w))
                w->close();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

} // namespace ZodiacWindows
