#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>

class QWidget;

// The suite's shared look: the Verdana captions and plain colours set through
// the palette (cheaper than style sheets, which slow down start-up).
namespace Look {

QFont Verdana(double points, bool bold = false);
// A picture from the resources (SVG or bitmap) drawn at the given size, keeping its proportions.
QPixmap Picture(const QString &path, const QSize &size);
// An SVG file drawn at the size given (its proportions kept), always afresh.
QPixmap DrawSvg(const QString &path, const QSize &size);
// Image-file bytes as a picture that fits the box: SVG drawn at the largest
// size that fits, bitmaps at their own size unless they are larger. A null
// picture when the bytes are no picture.
QPixmap PictureFromBytes(const QByteArray &bytes, const QSize &box);
// The suite's window icon.
QIcon AppIcon();
void SetTextColour(QWidget *widget, const QColor &colour);
void SetBackground(QWidget *widget, const QColor &colour);

// Colours used across the windows.
inline const QColor LinkBlue{0x1a, 0x3f, 0x8f};
inline const QColor HeadingGreen{0x1d, 0x4d, 0x1d};
inline const QColor ValuePurple{0x5a, 0x1a, 0x6a};
inline const QColor WarningRed{0xa0, 0x10, 0x10};
inline const QColor AccentBrown{0x7a, 0x2a, 0x10};

} // namespace Look
