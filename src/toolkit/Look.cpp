#include "Look.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QPalette>
#include <QSvgRenderer>
#include <QWidget>

namespace Look {

QFont Verdana(double points, bool bold)
{
    // Resolve the family once. Where Verdana is not installed, the suite's
    // own dependency DejaVu Sans stands in for it, also for every font that
    // names Verdana directly, so the font database is not searched for a
    // substitute per size and weight.
    static const QString family = [] {
        const QString verdana = QStringLiteral("Verdana");
        if (QFontDatabase::hasFamily(verdana))
            return verdana;
        const QString stand = QStringLiteral("DejaVu Sans");
        if (!QFontDatabase::hasFamily(stand))
            return QFontInfo(QFont(verdana)).family();
        QFont::insertSubstitution(verdana, stand);
        return stand;
    }();
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QPixmap Picture(const QString &path, const QSize &size)
{
    if (!path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        const QPixmap bitmap(path);
        return bitmap.isNull() ? bitmap : bitmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    // Drawn directly rather than through an icon, which would load the icon engine plugin.
    QSvgRenderer renderer(path);
    if (!renderer.isValid())
        return QPixmap();
    const QSize fitted = renderer.defaultSize().scaled(size, Qt::KeepAspectRatio);
    QPixmap pixmap(fitted);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

QIcon AppIcon()
{
    static const QIcon icon(Picture(QStringLiteral(":/toolkit/app-icon.svg"), QSize(64, 64)));
    return icon;
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
