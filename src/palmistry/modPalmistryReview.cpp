#include "modPalmistryReview.h"

#include "modLearnPalmistry.h"

#include <QFile>

ReviewItems PalmMissedItems(const PalmResult &result)
{
    ReviewItems items;
    for (const PalmResultLine &line : result.lines) {
        if (line.right)
            continue;
        const PalmEntryView entry = PalmEntryTexts(line.entry);
        ReviewItem item;
        item.title = entry.title;
        QFile picture(entry.picture);
        if (!entry.picture.isEmpty() && picture.open(QIODevice::ReadOnly))
            item.picture = picture.readAll();
        // The memorize screen's headings, in its order.
        item.body = ReviewBody({{QStringLiteral("Shape / Location"), entry.shapeLocation},
                                {QStringLiteral("Significance"), entry.significance}});
        item.given = QString(line.answer).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        item.correct = QString(line.correct).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        items << item;
    }
    return items;
}
