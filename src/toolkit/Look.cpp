#include "Look.h"

#include <QFile>
#include <QGuiApplication>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
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
        // The installed families are listed without asking fontconfig for
        // aliases, which costs more than the rest of start-up's font work.
        const QStringList installed = QFontDatabase::families();
        const QString verdana = QStringLiteral("Verdana");
        if (installed.contains(verdana, Qt::CaseInsensitive))
            return verdana;
        const QString stand = QStringLiteral("DejaVu Sans");
        if (!installed.contains(stand, Qt::CaseInsensitive))
            return QFontInfo(QFont(verdana)).family();
        QFont::insertSubstitution(verdana, stand);
        return stand;
    }();
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QPixmap PictureFromBytes(const QByteArray &bytes, const QSize &box)
{
    if (bytes.isEmpty())
        return {};
    // Drawn with as many pixels as the screen shows, so it is sharp at any scale.
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    const QSize pixels = box * ratio;
    QImage image;
    if (bytes.left(1024).contains("<svg")) {
        QSvgRenderer svg(bytes);
        if (!svg.isValid())
            return {};
        QSize size = svg.defaultSize();
        size.scale(pixels, Qt::KeepAspectRatio);
        image = QImage(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        svg.render(&painter);
    } else if (!image.loadFromData(bytes)) {
        return {};
    } else if (image.width() <= box.width() && image.height() <= box.height()) {
        return QPixmap::fromImage(image); // a small bitmap keeps its own size
    } else {
        image = image.scaled(pixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    QPixmap picture = QPixmap::fromImage(image);
    picture.setDevicePixelRatio(ratio);
    return picture;
}

QPixmap Picture(const QString &path, const QSize &size)
{
    if (!path.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        const QPixmap bitmap(path);
        return bitmap.isNull() ? bitmap : bitmap.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    // A picture drawn beforehand at this size (<name>-<size>.png beside the
    // SVG, see tools/pictures) is taken as it is: drawing SVG at every start
    // costs more than the rest of the start panel.
    if (size.width() == size.height()) {
        const QString drawn = path.chopped(4) + QStringLiteral("-%1.png").arg(size.width());
        if (QFile::exists(drawn)) {
            const QPixmap bitmap(drawn);
            if (!bitmap.isNull())
                return bitmap;
        }
    }
    return DrawSvg(path, size);
}

QPixmap DrawSvg(const QString &path, const QSize &size)
{
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
