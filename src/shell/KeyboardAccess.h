#pragma once

#include <QObject>

// Keyboard rules that hold in every window of the suite: Enter and Return
// press the push button that has the focus, as Space does (outside dialogs,
// where Qt does so already), and the control with the focus carries a clearly
// visible mark (FocusMark). Installed once on the application.
class KeyboardAccess : public QObject {
    Q_OBJECT
public:
    static void Install();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
