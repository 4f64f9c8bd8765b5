#include "modLearnAromatherapy.h"

#include "OilContent.h"

namespace {

static_assert(OilContent::kOils.size() == OilCount);
static_assert(OilContent::kIrritantOils.size() == IrritantCount);
static_assert(OilContent::kPlanets.size() == PlanetCount);
static_assert(OilContent::kSigns.size() == SignCount);
static_assert(OilContent::kElements.size() == ElementCount);
static_assert(std::tuple_size_v<decltype(OilContent::OilRecord::magical)> == MagicalSlots);
static_assert(std::tuple_size_v<decltype(OilContent::OilRecord::therapeutic)> == TherapeuticSlots);

// A null entry of the constant tables is an unused slot: empty text.
QString text(const char *value) { return value ? QString::fromLatin1(value) : QString(); }

// Entry `index` of a constant table, or null when the index lies outside it.
template <class T, std::size_t N> const T *entry(const std::array<T, N> &table, int index)
{
    return index >= 0 && std::size_t(index) < N ? &table[std::size_t(index)] : nullptr;
}

template <std::size_t N> QString listText(const std::array<const char *, N> &list, int index)
{
    const char *const *value = entry(list, index);
    return value ? text(*value) : QString();
}

} // namespace

QString OilName(int oil)
{
    const auto *record = entry(OilContent::kOils, oil);
    return record ? text(record->name) : QString();
}

QString OilPlanet(int oil)
{
    const auto *record = entry(OilContent::kOils, oil);
    return record ? text(record->planet) : QString();
}

QString OilSign(int oil)
{
    const auto *record = entry(OilContent::kOils, oil);
    return record ? text(record->sign) : QString();
}

QString OilElement(int oil)
{
    const auto *record = entry(OilContent::kOils, oil);
    return record ? text(record->element) : QString();
}

QString OilGender(int oil)
{
    const auto *record = entry(OilContent::kOils, oil);
    return record ? text(record->gender) : QString();
}

QString OilMagical(int oil, int slot)
{
    const auto *record = entry(OilContent::kOils, oil);
    return record ? listText(record->magical, slot) : QString();
}

QString OilTherapeutic(int oil, int slot)
{
    const auto *record = entry(OilContent::kOils, oil);
    return record ? listText(record->therapeutic, slot) : QString();
}

int IrritantOils(int position)
{
    const std::int16_t *oil = entry(OilContent::kIrritantOils, position);
    return oil ? *oil : -1;
}

QString PlanetList(int position) { return listText(OilContent::kPlanets, position); }
QString SignList(int position) { return listText(OilContent::kSigns, position); }
QString ElementList(int position) { return listText(OilContent::kElements, position); }
