#include "KeyboardAccess.h"

#include "FocusMark.h"

#include <QApplication>
#include <QDialog>
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

bool KeyboardAccess::eventFilter(QObject *watched, QEvent *event)
{
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
