#include "CaptionFit.h"

#include <QStringList>

#include <algorithm>

namespace CaptionFit {

QString WrapCaption(const QString &caption, const QFontMetrics &metrics)
{
    const QString text = caption.simplified();
    QString best;
    int bestWidth = -1;
    for (qsizetype space = text.indexOf(u' '); space >= 0; space = text.indexOf(u' ', space + 1)) {
        const QString first = text.left(space);
        const QString second = text.mid(space + 1);
        const int width =
            std::max(metrics.horizontalAdvance(first), metrics.horizontalAdvance(second));
        if (bestWidth < 0 || width < bestWidth) {
            bestWidth = width;
            best = first + u'\n' + second;
        }
    }
    return bestWidth < 0 ? caption : best;
}

int WidestLine(const QString &caption, const QFontMetrics &metrics)
{
    int widest = 0;
    for (const QString &line : caption.split(u'\n'))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest;
}

QString ShortenCaption(const QString &caption, const QFontMetrics &metrics, int maxWidth)
{
    QStringList lines = caption.split(u'\n');
    for (QString &line : lines) {
        if (metrics.horizontalAdvance(line) <= maxWidth)
            continue;
        const QString elided = metrics.elidedText(line, Qt::ElideRight, maxWidth);
        // Qt gives back a lone ellipsis (or nothing) when not even one letter
        // fits; the first letter stays so the button is still recognisable.
        if (elided.size() < 2)
            line = line.left(1) + QChar(0x2026);
        else
            line = elided;
    }
    return lines.join(u'\n');
}

int SharedLineWidth(const QList<int> &captionWidths, int available)
{
    if (captionWidths.isEmpty() || available < 0)
        return 0;
    QList<int> widths = captionWidths;
    std::sort(widths.begin(), widths.end());
    // Walk up through the sorted widths: captions narrower than the current
    // limit keep their width, the rest share what is left equally.
    qsizetype remaining = widths.size();
    int left = available;
    for (int width : std::as_const(widths)) {
        const int share = left / static_cast<int>(remaining);
        if (width > share)
            return share;
        left -= width;
        --remaining;
    }
    return widths.constLast();
}

} // namespace CaptionFit
