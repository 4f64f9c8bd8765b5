#include "modLearnAromatherapy.h"

#include "OilContent.h"

std::array<QString, OilSlots> OilName;
std::array<QString, OilSlots> OilPlanet;
std::array<QString, OilSlots> OilSign;
std::array<QString, OilSlots> OilElement;
std::array<QString, OilSlots> OilGender;
std::array<std::array<QString, MagicalSlots>, OilSlots> OilMagical;
std::array<std::array<QString, TherapeuticSlots>, OilSlots> OilTherapeutic;

std::array<std::int16_t, IrritantSlots> IrritantOils{};

std::array<QString, 11> PlanetList;
std::array<QString, 13> SignList;
std::array<QString, 5> ElementList;

namespace {

// Bergamot, Camphor, Cinnamon, Citronella, Clove, Frankincense, Lemon, Lemon
// Verbena, Myrrh, Oakmoss, Orange, Peppermint, Rosemary, Wintergreen.
constexpr std::array<std::int16_t, IrritantCount> kIrritantOilNumbers = {
    5, 6, 9, 11, 12, 17, 26, 27, 35, 36, 37, 39, 42, 50};

// A null entry of the constant tables is an unused slot: empty text.
QString text(const char *value) { return value ? QString::fromLatin1(value) : QString(); }

template <std::size_t N, std::size_t M>
void copyList(std::array<QString, N> &target, const std::array<const char *, M> &source)
{
    static_assert(M <= N);
    for (std::size_t i = 0; i < N; ++i)
        target[i] = i < M ? text(source[i]) : QString();
}

} // namespace

void LoadOilCatalogue()
{
    static_assert(OilContent::kOils.size() == OilCount);
    for (int o = 0; o < OilSlots; ++o) {
        const OilContent::OilRecord *record =
            o < OilCount ? &OilContent::kOils[static_cast<std::size_t>(o)] : nullptr;
        const auto at = static_cast<std::size_t>(o);
        OilName[at] = record ? text(record->name) : QString();
        OilPlanet[at] = record ? text(record->planet) : QString();
        OilSign[at] = record ? text(record->sign) : QString();
        OilElement[at] = record ? text(record->element) : QString();
        OilGender[at] = record ? text(record->gender) : QString();
        for (std::size_t k = 0; k < MagicalSlots; ++k)
            OilMagical[at][k] =
                record && k < record->magical.size() ? text(record->magical[k]) : QString();
        for (std::size_t k = 0; k < TherapeuticSlots; ++k)
            OilTherapeutic[at][k] =
                record && k < record->therapeutic.size() ? text(record->therapeutic[k]) : QString();
    }

    IrritantOils.fill(0);
    for (std::size_t i = 0; i < kIrritantOilNumbers.size(); ++i)
        IrritantOils[i] = kIrritantOilNumbers[i];

    copyList(PlanetList, OilContent::kPlanets);
    copyList(SignList, OilContent::kSigns);
    copyList(ElementList, OilContent::kElements);
}
