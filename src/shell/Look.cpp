#include "Look.h"

#include <QFontInfo>
#include <QPalette>
#include <QWidget>

namespace Look {

QFont Verdana(double points, bool bold)
{
    // Resolve the family once: where Verdana is not installed, fontconfig's
    // substitute is looked up a single time instead of for every caption.
    static const QString family = QFontInfo(QFont(QStringLiteral("Verdana"))).family();
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

void SetTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Text, colour);
    widget->setPalette(palette);
}

void SetBackground(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace Look
