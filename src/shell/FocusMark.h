#pragma once

#include <QPointer>
#include <QWidget>

// A clearly visible mark around the control that has the keyboard focus, on
// any background the suite uses: a dark line with a white line outside it,
// drawn over the control's edge. One mark for the whole program follows the
// focus from control to control; it takes no clicks.
class FocusMark : public QWidget {
    Q_OBJECT
public:
    static void Install();
    // The control marked now (none when the focus is nowhere or on a menu).
    static QWidget *Marked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    FocusMark();
    void follow(QWidget *now);
    void place();

    QPointer<QWidget> target_;
};
