#include "modYogasana.h"

#include "ZodiacContent.h"
#include "common/AsanaCatalogue.h"

#include <QHash>

namespace {

enum Record { Sarvangasana, Makarasana, Savasana, Halasana, Padmasana, Dhanurasana, Bhujangasana,
              Paschimottasana, YogaMudra, Naukasana, Mayurasana, Vajrasana, Simhasana,
              Garudasana };

// The first `count` lines of a numbered list; all of them for 0.
QString firstItems(const QString &list, int count)
{
    if (count <= 0)
        return list;
    return list.split(QStringLiteral("\r\n")).mid(0, count).join(QStringLiteral("\r\n"));
}

std::array<AsanaRecord, 14> buildRecords()
{
    std::array<AsanaRecord, 14> table;
    for (int i = 0; i < Yogasana::Count; ++i) {
        const ZodiacContent::AsanaEntry &entry = ZodiacContent::kAsanas[i];
        const AsanaCatalogue::Asana &asana = AsanaCatalogue::kAsanas.at(entry.catalogue);
        table[i].fields = {QString::fromLatin1(asana.englishName),
                           QString::fromLatin1(asana.description),
                           QString::fromLatin1(asana.procedure),
                           firstItems(QString::fromLatin1(asana.benefits), entry.benefitItems),
                           QString::fromLatin1(entry.caution ? entry.caution : asana.contraindications)};
    }
    return table;
}

// Label names and report headings that differ from the regular pattern for one sign.
struct Exception {
    Record record;
    const char *sign;
    const char *text;
};
const Exception kLabelNames[] = {
    {Bhujangasana, "Leo", "lblBhujangaasaanaLeo"},
    {YogaMudra, "Leo", "lblYogaMudraLeo"},
    {YogaMudra, "Libra", "lblYogaMudraLibra"},
    {Paschimottasana, "Cancer", "lblPaschimottasanaaCancer"},
};
const Exception kReportHeadings[] = {
    {Bhujangasana, "Leo", "Bhujangaasaana :-"},
    {Paschimottasana, "Cancer", "Paschimottasanaa :-"},
    {YogaMudra, "Pisces", "Yoga Mudraa :-"},
};

const char *exceptionFor(const Exception *begin, const Exception *end, int record,
                         const QString &sign)
{
    for (const Exception *e = begin; e != end; ++e)
        if (e->record == record && sign == QLatin1String(e->sign))
            return e->text;
    return nullptr;
}

} // namespace

const std::array<AsanaRecord, 14> &AsanaRecords()
{
    static const std::array<AsanaRecord, 14> records = buildRecords();
    return records;
}

void LoadAsanaRecords() { AsanaRecords(); }

namespace Yogasana {

QString Title(int record) { return QString::fromLatin1(ZodiacContent::kAsanas.at(record).title); }

QString PicturePath(int record)
{
    const int number = ZodiacContent::kAsanas.at(record).catalogue;
    return QStringLiteral(":/asanas/") + QString::fromLatin1(AsanaCatalogue::kAsanas.at(number).picture) +
           QStringLiteral(".svg");
}

const std::vector<int> &SignAsanas(const QString &sign)
{
    static const QHash<QString, std::vector<int>> lists = {
        {QStringLiteral("Aries"), {Sarvangasana, Makarasana, Savasana}},
        {QStringLiteral("Taurus"), {Sarvangasana, Halasana, Savasana}},
        {QStringLiteral("Gemini"), {Padmasana, Makarasana, Dhanurasana, Sarvangasana, Savasana}},
        {QStringLiteral("Cancer"),
         {Bhujangasana, Paschimottasana, Dhanurasana, Padmasana, Savasana}},
        {QStringLiteral("Leo"), {YogaMudra, Bhujangasana, Naukasana, Savasana}},
        {QStringLiteral("Virgo"), {Sarvangasana, Halasana, Dhanurasana, Bhujangasana, Savasana}},
        {QStringLiteral("Libra"), {Sarvangasana, Padmasana, YogaMudra, Savasana}},
        {QStringLiteral("Scorpio"),
         {Sarvangasana, Bhujangasana, Mayurasana, Dhanurasana, Savasana}},
        {QStringLiteral("Sagittarius"),
         {Sarvangasana, Vajrasana, Mayurasana, Bhujangasana, Savasana}},
        {QStringLiteral("Capricorn"),
         {Sarvangasana, Dhanurasana, Paschimottasana, Bhujangasana, Simhasana, Padmasana,
          Savasana}},
        {QStringLiteral("Aquarius"),
         {Sarvangasana, Dhanurasana, Paschimottasana, Bhujangasana, Padmasana, Savasana}},
        {QStringLiteral("Pisces"),
         {Sarvangasana, Makarasana, Bhujangasana, Garudasana, Mayurasana, YogaMudra, Savasana}},
    };
    static const std::vector<int> none;
    const auto it = lists.constFind(sign);
    return it == lists.constEnd() ? none : it.value();
}

QString LabelName(int record, const QString &sign)
{
    if (const char *name = exceptionFor(std::begin(kLabelNames), std::end(kLabelNames), record, sign))
        return QString::fromLatin1(name);
    return QStringLiteral("lbl") + QString::fromLatin1(ZodiacContent::kAsanas.at(record).key) + sign;
}

QString LabelCaption(int record, const QString &sign)
{
    if (record == Makarasana && sign == QLatin1String("Pisces"))
        return QStringLiteral("Makarasana ");
    return Title(record);
}

QString ReportHeading(int record, const QString &sign)
{
    if (const char *heading =
            exceptionFor(std::begin(kReportHeadings), std::end(kReportHeadings), record, sign))
        return QString::fromLatin1(heading);
    return QString::fromLatin1(ZodiacContent::kAsanas.at(record).reportHeading);
}

} // namespace Yogasana
