#pragma once

#include <QObject>
#include <QString>

class QWidget;

// Keyboard rules that hold in every window of the suite: Enter and Return
// press the push button that has the focus, as Space does (outside dialogs,
// where Qt does so already), and the control with the focus carries a clearly
// visible mark (FocusMark), and a control a screen reader stops at that has
// no name of its own gets one when it is first shown. Installed once on the
// application.
class KeyboardAccess : public QObject {
    Q_OBJECT
public:
    static void Install();
    // The name a control without one gets: its object name in words.
    static QString NameFromObjectName(const QString &objectName);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
    static void nameForReaders(QWidget *widget);
};
