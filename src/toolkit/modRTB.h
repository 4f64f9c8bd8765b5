#pragma once

#include <QColor>
#include <QString>

class QTextEdit;
class QWidget;

// Writing formatted text into a rich-text view run by run. Each view keeps a
// current format (bold, underline, colour, point size, alignment) that stays
// in force for everything appended until it is changed; emptying the view
// keeps it. Text is always inserted at the end. "\r\n" (or "\n") starts a new
// paragraph.
namespace RTB {

enum class Alignment { Left = 0, Centre = 2 };

// The 16-colour palette, indices 0 to 15; other indices give black.
QColor PaletteColour(int index);

void Empty(QTextEdit *view);
void SetBold(QTextEdit *view, bool on);
void SetUnderline(QTextEdit *view, bool on);
void SetColour(QTextEdit *view, int paletteIndex);
void SetSize(QTextEdit *view, double points);
void SetAlignment(QTextEdit *view, Alignment alignment);
void Append(QTextEdit *view, const QString &text);

// Sets up a view as a read-only display box with the given default font.
void MakeDisplay(QTextEdit *view, const QString &family, double points);

} // namespace RTB

// Makes a display box (text edit, plain text edit or any widget) empty the
// system clipboard whenever its text changes, it is clicked, a mouse button is
// pressed or released over it, or the mouse moves over it, so that text copied
// out of it does not survive.
void InstallClipboardGuard(QWidget *box);

// Web addresses (http, https, mailto, or text starting "www.") in the view's
// text become links, now and in text appended later; a left-button press on
// one opens it once with OpenWebPage. At most one view has link handling at a
// time: enabling it on another view first removes it from the previous one.
void EnableLinkHandling(QTextEdit *view, QWidget *owner);
// Removes link handling: the addresses become plain text again. Does nothing when none is installed.
void DisableLinkHandling();
// The view that currently has link handling, or nullptr.
QTextEdit *LinkHandlingView();
// True for the texts the link handling treats as web addresses.
bool IsWebAddress(const QString &text);
