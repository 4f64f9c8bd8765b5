#include "modAromaReview.h"

#include "modLearnAromatherapy.h"

namespace {

// The filled property slots of an oil, one after another.
QString propertyList(int oil, int slots, QString (*property)(int, int))
{
    QStringList filled;
    for (int k = 0; k < slots; ++k)
        if (const QString value = property(oil, k); !value.isEmpty())
            filled << AromaLabelText(value);
    return filled.join(QStringLiteral(", "));
}

} // namespace

ReviewItems AromaMissedItems(const AromaModel &model)
{
    ReviewItems items;
    const AromaResult result = model.Score();
    for (int i = 0; i < result.lines.size(); ++i) {
        const AromaResultLine &line = result.lines[i];
        if (line.scored)
            continue;
        const int oil = model.AromaQuestionOils.value(i, -1);
        ReviewItem item;
        item.title = AromaLabelText(line.name);
        // The learn screen's captions, in its order.
        item.body = ReviewBody({
            {QStringLiteral("Planetary Association"), AromaLabelText(OilPlanet(oil))},
            {QStringLiteral("Astrological Association"), AromaLabelText(OilSign(oil))},
            {QStringLiteral("Element"), AromaLabelText(OilElement(oil))},
            {QStringLiteral("Gender"), AromaLabelText(OilGender(oil))},
            {QStringLiteral("Magical Properties"), propertyList(oil, MagicalSlots, OilMagical)},
            {QStringLiteral("Therapeutic Properties"),
             propertyList(oil, TherapeuticSlots, OilTherapeutic)},
        });
        item.given = AromaLabelText(line.answer);
        item.correct = AromaLabelText(line.correct);
        items << item;
    }
    return items;
}
