#include "KeyboardAccess.h"

#include "FocusMark.h"

#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QKeyEvent>
#include <QPushButton>

void KeyboardAccess::Install()
{
    static KeyboardAccess *installed = nullptr;
    if (installed || !qApp)
        return;
    installed = new KeyboardAccess(qApp);
    qApp->installEventFilter(installed);
    FocusMark::Install();
}

QString KeyboardAccess::NameFromObjectName(const QString &objectName)
{
    // "txtSunSignPositiveTraits" reads "Sun Sign Positive Traits", "RTBTestResult"
    // "Test Result", "txtGoal1" "Goal 1"; a report view on its own is a report.
    QString core = objectName;
    if (core.startsWith(QLatin1String("RTB")))
        core = core.mid(3);
    else
        while (!core.isEmpty() && core.front().isLower())
            core.remove(0, 1);
    core.remove(u'(').remove(u')');
    QString words;
    for (qsizetype i = 0; i < core.size(); ++i) {
        const QChar c = core[i];
        const bool breakHere = i > 0 && ((c.isUpper() && !core[i - 1].isUpper()) ||
                                         (c.isDigit() && !core[i - 1].isDigit()));
        if (breakHere)
            words += u' ';
        words += c;
    }
    words.replace(QStringLiteral("Defination"), QStringLiteral("Definition"));
    if (words.isEmpty() || words.front().isDigit())
        words = QStringLiteral("Report ") + words;
    return words.trimmed();
}

// A control a screen reader stops at needs a name; one without a label to
// name it (or a text of its own) is named after what it holds, as its object
// name says.
void KeyboardAccess::nameForReaders(QWidget *widget)
{
    const bool control = qobject_cast<QAbstractScrollArea *>(widget) ||
                         qobject_cast<QLineEdit *>(widget) || qobject_cast<QComboBox *>(widget) ||
                         qobject_cast<QAbstractSpinBox *>(widget);
    if (!control || !widget->accessibleName().isEmpty() || widget->objectName().isEmpty() ||
        widget->objectName().startsWith(QLatin1String("qt_")))
        return;
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    if (accessible && accessible->text(QAccessible::Name).trimmed().isEmpty())
        widget->setAccessibleName(NameFromObjectName(widget->objectName()));
}

bool KeyboardAccess::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        nameForReaders(static_cast<QWidget *>(watched));
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier || key->isAutoRepeat())
        return false;
    auto *button = qobject_cast<QPushButton *>(watched);
    if (!button || !button->hasFocus() || !button->isEnabled() ||
        qobject_cast<QDialog *>(button->window()))
        return false;
    button->click();
    return true;
}
