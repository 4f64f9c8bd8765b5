#include "AnswerKeys.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QWidget>

namespace {
const char *const kAnswerProperty = "answerChosenByNumber";
} // namespace

AnswerKeys::AnswerKeys(QWidget *screen, QList<QAbstractButton *> answers, QAbstractButton *next)
    : QObject(screen), screen_(screen), answers_(std::move(answers)), next_(next)
{
}

AnswerKeys *AnswerKeys::Install(QWidget *screen, QList<QAbstractButton *> answers,
                                QAbstractButton *next)
{
    auto *keys = new AnswerKeys(screen, std::move(answers), next);
    for (QAbstractButton *answer : keys->answers_) {
        MarkChosenByKey(answer);
        keys->addNumber(answer);
    }
    // A key the focused widget does not take goes up to the screen; watching
    // every widget as well catches keys that a widget would otherwise keep.
    keys->watch(screen);
    for (QWidget *child : screen->findChildren<QWidget *>())
        keys->watch(child);
    return keys;
}

void AnswerKeys::watch(QWidget *widget)
{
    widget->installEventFilter(this);
}

// The number key of an answer is shown beside it: the answer and a small
// label go into a row of their own, in the answer's place in its layout.
void AnswerKeys::addNumber(QAbstractButton *answer)
{
    QWidget *parent = answer->parentWidget();
    QLayout *layout = parent ? parent->layout() : nullptr;
    if (!layout || layout->indexOf(answer) < 0)
        return;
    auto *row = new QWidget(parent);
    row->setObjectName(answer->objectName() + QStringLiteral("Row"));
    auto *number = new QLabel(row);
    number->setObjectName(QStringLiteral("lblAnswerNumber"));
    number->setAlignment(Qt::AlignRight | Qt::AlignTop);
    QFont bold = number->font();
    bold.setBold(true);
    number->setFont(bold);
    number->setFixedWidth(number->fontMetrics().horizontalAdvance(QStringLiteral("10")) + 4);
    number->setContentsMargins(0, 2, 0, 0);
    delete layout->replaceWidget(answer, row);
    auto *inRow = new QHBoxLayout(row);
    inRow->setContentsMargins(0, 0, 0, 0);
    inRow->setSpacing(6);
    inRow->addWidget(number);
    inRow->addWidget(answer, 1);
    row->setVisible(!answer->isHidden());
    numbers_.insert(answer, number);
}

QString AnswerKeys::NumberShownFor(const QAbstractButton *answer) const
{
    const QLabel *number = numbers_.value(answer);
    return number && number->isVisibleTo(screen_) ? number->text() : QString();
}

void AnswerKeys::renumber()
{
    const QList<QAbstractButton *> shown = ShownAnswers();
    for (QAbstractButton *answer : std::as_const(answers_)) {
        QLabel *number = numbers_.value(answer);
        if (!number)
            continue;
        const qsizetype at = shown.indexOf(answer);
        number->setText(at >= 0 && at < 10 ? QString::number((at + 1) % 10) : QString());
    }
}

void AnswerKeys::MarkChosenByKey(QAbstractButton *button)
{
    button->setProperty(kAnswerProperty, true);
}

bool AnswerKeys::IsAnswerButton(const QAbstractButton *button)
{
    return button && button->property(kAnswerProperty).toBool();
}

int AnswerKeys::PositionForKey(int key)
{
    if (key >= Qt::Key_1 && key <= Qt::Key_9)
        return key - Qt::Key_1;
    if (key == Qt::Key_0)
        return 9;
    return -1;
}

QList<QAbstractButton *> AnswerKeys::ShownAnswers() const
{
    QList<QAbstractButton *> shown;
    for (QAbstractButton *answer : answers_)
        if (answer->isVisibleTo(screen_) && answer->isEnabled())
            shown << answer;
    return shown;
}

bool AnswerKeys::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        // An answer shown or hidden takes its number's row with it.
        if (auto *answer = qobject_cast<QAbstractButton *>(watched); answer && numbers_.contains(answer))
            numbers_.value(answer)->parentWidget()->setVisible(event->type() == QEvent::ShowToParent);
        renumber();
        return false;
    case QEvent::Show:
    case QEvent::EnabledChange:
        renumber();
        return false;
    default:
        break;
    }
    if (event->type() != QEvent::KeyPress || !screen_->isVisible())
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    // Alt, Ctrl and Meta combinations are access keys and shortcuts, not answers.
    if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier))
        return false;

    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (!next_)
            return false;
        if (next_->isVisibleTo(screen_) && next_->isEnabled())
            next_->click();
        // While no answer allows moving on, Enter does nothing at all.
        return true;
    }

    const int position = PositionForKey(key->key());
    if (position < 0)
        return false;
    const QList<QAbstractButton *> shown = ShownAnswers();
    if (position >= shown.size())
        return true; // no answer in that position: the key is used up, nothing changes
    QAbstractButton *answer = shown[position];
    answer->click();
    // The click may have ended the screen (a message, the next question set up by
    // the window); the focus only moves while the screen is still showing.
    if (!screen_->isVisible())
        return true;
    if (next_ && next_->isVisibleTo(screen_) && next_->isEnabled())
        next_->setFocus();
    else if (answer->isVisible())
        answer->setFocus();
    return true;
}
