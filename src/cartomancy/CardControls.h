#pragma once

#include <QString>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QWidget;

// The controls the Learn Cartomancy tabs are built from, made alike on every
// tab: each carries its name as objectName, so tests and the tour find it.
namespace CardControls {

// A word-wrapped plain-text label; named only when a name is given.
QLabel *Label(const QString &text, QWidget *parent, const QString &name = QString());
// A push button at least 110 pixels wide.
QPushButton *Button(const QString &name, const QString &caption, QWidget *parent);
// A text box with its vertical scroll bar always on; Tab moves on to the next control.
QPlainTextEdit *TextBox(const QString &name, bool readOnly, QWidget *parent);
// A box of the card faces' own size that shows a card picture centred.
QLabel *PictureBox(const QString &name, QWidget *parent);
// A check box caption shows "&" only when it is doubled.
QString PlainCaption(const QString &text);
// The widget's font made bold and `factor` times as large.
void SetBold(QWidget *widget, double factor = 1.0);

} // namespace CardControls
