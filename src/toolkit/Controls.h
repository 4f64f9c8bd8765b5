#pragma once

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// Small factories for the controls every module window makes: each carries
// its name as objectName, so tests and the tour find it.
namespace Controls {

// The name of a control-array member: "optAnswer" and 0 give "optAnswer(0)".
QString Indexed(const char *name, int index);

// A label showing plain text (never rich text), word-wrapped unless told otherwise.
QLabel *Label(const QString &name, const QString &text, QWidget *parent, bool wrap = true);

// A push button at least minimumWidth pixels wide.
QPushButton *Button(const QString &name, const QString &caption, QWidget *parent, int minimumWidth = 120);

} // namespace Controls
