#pragma once

#include <QChar>
#include <Qt>
#include <QString>
#include <QStringList>

class QWidget;

namespace TestSupport {

// The access key a caption marks: the character after a single "&", in lower
// case; a null character when the caption marks none ("&&" shows one "&").
QChar AccessKey(const QString &caption);

// What is wrong with the access keys a window offers as it shows now: every
// visible button (push, option and check buttons) needs an access key unless
// it is chosen by a key of its own (AnswerKeys) or named in `withoutKey`, and
// no two of the visible buttons, labels with a buddy and menu-bar titles may
// share a key. One readable line per problem; empty when all is well.
QStringList AccessKeyProblems(QWidget *window, const QStringList &withoutKey = {});

// Sends one key to whatever has the focus, as a user's keyboard does; the test
// fails when nothing has the focus.
void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

} // namespace TestSupport
