#include "modLearnYogasana.h"

#include "AsanaIndexContent.h"
#include "common/AsanaCatalogue.h"

namespace LearnYoga {

namespace {

constexpr int kHeadingColour = 5; // magenta
constexpr int kTextColour = 0;    // black
constexpr int kPageSize = 14;

template <std::size_t N>
QStringList labelsOf(const std::array<LearnYogaContent::AsanaIndexEntry, N> &table)
{
    QStringList labels;
    labels.reserve(qsizetype(N));
    for (const LearnYogaContent::AsanaIndexEntry &entry : table)
        labels.append(QString::fromLatin1(entry.label));
    return labels;
}

template <std::size_t N>
std::vector<int> lookUp(const std::array<LearnYogaContent::AsanaIndexEntry, N> &table,
                        const QString &text)
{
    for (const LearnYogaContent::AsanaIndexEntry &entry : table)
        if (text == QLatin1String(entry.label))
            return std::vector<int>(entry.records.begin(), entry.records.end());
    return {};
}

} // namespace

void LoadYogasanaCatalogue(YogasanaCatalogue &records)
{
    for (std::size_t i = 0; i < records.size(); ++i) {
        const AsanaCatalogue::Asana &asana = AsanaCatalogue::kAsanas[i];
        YogasanaRecord &record = records[i];
        record.AsanaName = QString::fromLatin1(asana.name);
        record.AsanaEnglishName = QString::fromLatin1(asana.englishName);
        record.AsanaDescription = QString::fromLatin1(asana.description);
        record.AsanaProcedure = QString::fromLatin1(asana.procedure);
        record.AsanaBenefits = QString::fromLatin1(asana.benefits);
        record.AsanaContradictions = QString::fromLatin1(asana.contraindications);
    }
}

QStringList YogasanaNames()
{
    QStringList names;
    names.reserve(YogasanaCount);
    for (const AsanaCatalogue::Asana &asana : AsanaCatalogue::kAsanas)
        names.append(QString::fromLatin1(asana.name));
    return names;
}

int FindYogasana(const YogasanaCatalogue &records, const QString &name)
{
    for (int i = 0; i < YogasanaCount; ++i)
        if (records[std::size_t(i)].AsanaName == name)
            return i;
    return -1;
}

QString YogasanaPicturePath(int record)
{
    if (record < 0 || record >= YogasanaCount)
        return QString();
    return QStringLiteral(":/asanas/") +
           QString::fromLatin1(AsanaCatalogue::kAsanas[std::size_t(record)].picture) +
           QStringLiteral(".svg");
}

QStringList BodyPartNames() { return labelsOf(LearnYogaContent::kBodyParts); }
QStringList ApplicationNames() { return labelsOf(LearnYogaContent::kApplications); }

std::vector<int> AsanasForBodyPart(const QString &bodyPart)
{
    return lookUp(LearnYogaContent::kBodyParts, bodyPart);
}

std::vector<int> AsanasForApplication(const QString &application)
{
    return lookUp(LearnYogaContent::kApplications, application);
}

QStringList AsanaNames(const YogasanaCatalogue &records, const std::vector<int> &numbers)
{
    QStringList names;
    for (int number : numbers)
        if (number >= 0 && number < YogasanaCount)
            names.append(records[std::size_t(number)].AsanaName);
    return names;
}

PageScript YogasanaPage(const YogasanaRecord &record)
{
    PageScript page;
    page.Bold(true).Colour(kHeadingColour).Size(kPageSize).Align(RTB::Alignment::Centre);
    page.Append(record.AsanaName + kBlockBreak);
    page.Align(RTB::Alignment::Left);

    page.Bold(false).Colour(kTextColour);
    page.Bold(true).Colour(kHeadingColour).Append(QStringLiteral("Description: \r\n"));
    page.Bold(false).Colour(kTextColour).Append(record.AsanaDescription + kBlockBreak);

    // The English name follows its label on the same line.
    page.Bold(true).Colour(kHeadingColour).Append(QStringLiteral("English Name: "));
    page.Bold(false).Colour(kTextColour).Append(record.AsanaEnglishName + kBlockBreak);

    page.Bold(true).Colour(kHeadingColour).Append(QStringLiteral("Procedure: \r\n"));
    page.Bold(false).Colour(kTextColour).Append(record.AsanaProcedure + kBlockBreak);

    page.Bold(true).Colour(kHeadingColour).Append(QStringLiteral("Benefits: \r\n"));
    page.Bold(false).Colour(kTextColour).Append(record.AsanaBenefits + kBlockBreak);

    if (!record.AsanaContradictions.isEmpty()) {
        // The items stay bold magenta like their heading.
        page.Bold(true).Colour(kHeadingColour).Append(QStringLiteral("Contradictions: \r\n"));
        page.Append(record.AsanaContradictions);
        page.Bold(false).Colour(kTextColour);
    }
    return page;
}

} // namespace LearnYoga
