#pragma once

#include <QString>

#include <array>
#include <vector>

// The fourteen asana records of Zodiac Yoga and the asanas recommended per sign.

// Five texts: 0 English name, 1 definition, 2 procedure, 3 benefits, 4 contraindications.
struct AsanaRecord {
    std::array<QString, 5> fields;
};

// The records in their fixed order (index 0 is record 1, Sarvangasana), read
// from the shared asana catalogue.
const std::array<AsanaRecord, 14> &AsanaRecords();
// Kept for the reading action, which loads the records before showing them;
// the records are constant, so this does nothing more than AsanaRecords().
void LoadAsanaRecords();

namespace Yogasana {

constexpr int Count = 14;

// The title shown for a record, e.g. "Sarvangasana".
QString Title(int record);
// Resource path of the record's picture.
QString PicturePath(int record);

// The records recommended for a sign (by name), top to bottom; empty for an unknown sign.
const std::vector<int> &SignAsanas(const QString &sign);

// Object name of the label of a record in a sign's group, e.g. "lblSarvaangaasanaaAries".
QString LabelName(int record, const QString &sign);
// Caption of that label: the title, except Pisces shows "Makarasana " with a trailing blank.
QString LabelCaption(int record, const QString &sign);
// The heading of a record in a sign's report, e.g. "Sarvaangaasanaa :-".
QString ReportHeading(int record, const QString &sign);

} // namespace Yogasana
