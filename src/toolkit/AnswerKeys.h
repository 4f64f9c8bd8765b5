#pragma once

#include <QHash>
#include <QList>
#include <QObject>

class QAbstractButton;
class QLabel;
class QWidget;

// Keyboard operation of a test's question screen. Installed on the screen, it
// lets the number keys 1 to 9 (and 0 for the tenth) choose the answer shown
// in that position, counting only the answers on show, and Enter or Return
// press the screen's "next" button when it is enabled. After an answer is
// chosen the focus goes to the "next" button when that can be pressed, else
// stays on the answer, so the next key press lands where it is expected.
// Each answer shows its number beside it (the number of its position among the
// answers on show). The answer buttons are marked (IsAnswerButton) so that
// checks of access keys leave them out: they are chosen by number, not by an
// access key.
class AnswerKeys : public QObject {
    Q_OBJECT
public:
    // Watches `screen` and every widget on it. `answers` in their screen order;
    // `next` may be null where the screen has no such step.
    static AnswerKeys *Install(QWidget *screen, QList<QAbstractButton *> answers,
                               QAbstractButton *next);

    // The answer position (from 0) a key chooses, or -1: Key_1 gives 0, Key_9
    // gives 8, Key_0 gives 9.
    static int PositionForKey(int key);

    // The answers on show, in screen order.
    QList<QAbstractButton *> ShownAnswers() const;

    // The number shown beside an answer; empty when it shows none.
    QString NumberShownFor(const QAbstractButton *answer) const;

    static bool IsAnswerButton(const QAbstractButton *button);
    // Marks a button that is chosen by a key of its own (a number, or the
    // letter it shows) rather than by an access key.
    static void MarkChosenByKey(QAbstractButton *button);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AnswerKeys(QWidget *screen, QList<QAbstractButton *> answers, QAbstractButton *next);
    void watch(QWidget *widget);
    void addNumber(QAbstractButton *answer);
    void renumber();

    QWidget *screen_;
    QHash<const QAbstractButton *, QLabel *> numbers_;
    QList<QAbstractButton *> answers_;
    QAbstractButton *next_;
};
