#include "modLearnPalmistry.h"

#include "palmistry/PalmistryContent.h"

const PalmistryTables &LoadPalmistryContent()
{
    static const PalmistryTables tables = [] {
        PalmistryTables filled;
        for (std::size_t n = 0; n < PalmistryContent::kEntries.size(); ++n) {
            const PalmistryContent::Entry &entry = PalmistryContent::kEntries[n];
            filled.PalmTitle[n] = QString::fromLatin1(entry.title);
            filled.PalmSignificance[n] = QString::fromLatin1(entry.significance);
            filled.PalmShapeLocation[n] = QString::fromLatin1(entry.shapeLocation);
        }
        return filled;
    }();
    return tables;
}

int PalmPictureNumber(int entry)
{
    if (entry < 0 || entry >= PalmEntryCount)
        return 0;
    // Picture 15, a second drawing of the nails, belongs to no entry, so the
    // palm lines are numbered one further on.
    return entry <= 13 ? entry + 1 : entry + 2;
}

QString PalmPicturePath(int entry)
{
    const int number = PalmPictureNumber(entry);
    if (number == 0)
        return QString();
    return QStringLiteral(":/palmistry/%1.svg").arg(number, 2, 10, QLatin1Char('0'));
}

QSize PalmPictureSize(int pictureNumber)
{
    if (pictureNumber >= 6 && pictureNumber <= 10)
        return QSize(52, 148);
    if (pictureNumber >= 16)
        return QSize(137, 169);
    return QSize(154, 180);
}

std::int16_t &PalmEntry()
{
    static std::int16_t entry = 0;
    return entry;
}

PalmNavigation PalmNextEntry()
{
    std::int16_t &entry = PalmEntry();
    if (entry + 1 >= PalmTableUpperBound)
        return PalmNavigation::AtLast;
    ++entry;
    return PalmNavigation::Shown;
}

PalmNavigation PalmPreviousEntry()
{
    std::int16_t &entry = PalmEntry();
    if (entry - 1 < 0) {
        entry = 0;
        return PalmNavigation::AtFirst;
    }
    --entry;
    return PalmNavigation::Shown;
}

PalmEntryView PalmEntryTexts(int entry)
{
    PalmEntryView view;
    if (entry < 0 || entry >= PalmTableSlots)
        return view;
    const PalmistryTables &tables = LoadPalmistryContent();
    const auto n = std::size_t(entry);
    view.title = tables.PalmTitle[n];
    view.significance = tables.PalmSignificance[n];
    view.shapeLocation = tables.PalmShapeLocation[n];
    view.picture = PalmPicturePath(entry);
    return view;
}
