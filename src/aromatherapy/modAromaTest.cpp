#include "modAromaTest.h"

#include "modLearnAromatherapy.h"

namespace {

constexpr int kLastOil = OilCount - 1;           // 51, Ylang Ylang
constexpr int kLastIrritant = IrritantCount - 1; // 13, Wintergreen
constexpr int kAskedPropertySlots = 3;           // a question asks one of the first three

bool asksProperty(AromaTestKind kind) {
    return kind == AromaTestKind::Magical || kind == AromaTestKind::Therapeutic;
}

// Property slot `slot` of an oil for the magical or the therapeutic test.
QString property(AromaTestKind kind, int oil, int slot) {
    return kind == AromaTestKind::Magical ? OilMagical(oil, slot) : OilTherapeutic(oil, slot);
}

// Magical properties occupy slots 0-2, therapeutic ones slots 0-5.
int propertySlots(AromaTestKind kind) {
    return kind == AromaTestKind::Magical ? MagicalSlots : TherapeuticSlots;
}

// The value a planet, sign, element or gender question asks about.
QString askedValue(AromaTestKind kind, int oil) {
    switch (kind) {
    case AromaTestKind::Planet:
        return OilPlanet(oil);
    case AromaTestKind::Sign:
        return OilSign(oil);
    case AromaTestKind::Element:
        return OilElement(oil);
    case AromaTestKind::Gender:
        return OilGender(oil);
    default:
        return {};
    }
}

// The filled property slots of an oil, one after another.
QStringList filledProperties(AromaTestKind kind, int oil) {
    QStringList filled;
    for (int slot = 0; slot < propertySlots(kind); ++slot)
        if (const QString value = property(kind, oil, slot); !value.isEmpty())
            filled << value;
    return filled;
}

QString labelList(const QStringList &stored) {
    QStringList shown;
    for (const QString &text : stored)
        shown << AromaLabelText(text);
    return shown.join(QStringLiteral(", "));
}

// How often a nearest-rounding draw over 0 to n gives v: the ends half as often.
double nearestWeight(int v, int n) {
    return n > 0 && (v == 0 || v == n) ? 0.5 : 1.0;
}

} // namespace

QString AromaTestKindCaption(int kind) {
    static const std::array<QString, AromaTestKindCount> captions{
        QStringLiteral("Test By Planetary Association"),
        QStringLiteral("Test By Astrological Association"),
        QStringLiteral("Test By Elemental Association"),
        QStringLiteral("Test By Gender Association"),
        QStringLiteral("Test By Magical Association"),
        QStringLiteral("Test By Therapeutic Association")};
    return kind >= 0 && kind < AromaTestKindCount ? captions[size_t(kind)] : QString();
}

QString AromaLevelCaption(int level) {
    switch (level) {
    case 0:
        return QStringLiteral("Basic");
    case 1:
        return QStringLiteral("Intermediate");
    default:
        return QStringLiteral("Advanced");
    }
}

std::array<QString, 7> OilDescription(int oil) {
    std::array<QString, 7> desc;
    if (oil < 0 || oil >= OilCount)
        return desc;
    desc[0] = OilName(oil);
    desc[1] = OilPlanet(oil);
    desc[2] = OilSign(oil);
    desc[3] = OilElement(oil);
    desc[4] = OilGender(oil);
    for (int k = 0; k < MagicalSlots; ++k)
        desc[5] += OilMagical(oil, k) + QLatin1Char(' ');
    for (int k = 0; k < TherapeuticSlots; ++k)
        desc[6] += OilTherapeutic(oil, k) + QLatin1Char(' ');
    return desc;
}

int AromaQuestionCountForLevel(int level) {
    switch (level) {
    case 0:
        return 15;
    case 1:
        return 30;
    default:
        return 50;
    }
}

// ---- AromaQuizSource -------------------------------------------------------------

namespace {

// A property of a random oil in a random slot (both nearest-rounding draws),
// drawn again while that slot is empty.
Quiz::Pool propertyPool(AromaTestKind kind) {
    const int slots = propertySlots(kind);
    std::vector<double> weights(size_t(OilCount * slots), 0.0);
    for (int other = 0; other < OilCount; ++other)
        for (int slot = 0; slot < slots; ++slot)
            if (!property(kind, other, slot).isEmpty())
                weights[size_t(other * slots + slot)] =
                    nearestWeight(other, kLastOil) * nearestWeight(slot, slots - 1);
    return Quiz::Pool::Weighted(std::move(weights));
}

} // namespace

AromaQuizSource::AromaQuizSource(int kind)
    : kind_(static_cast<AromaTestKind>(std::clamp(kind, 0, AromaTestKindCount - 1))) {
    switch (kind_) {
    case AromaTestKind::Planet:
        wrong_ = Quiz::Pool::NearestEnds(PlanetCount);
        break;
    case AromaTestKind::Sign:
        wrong_ = Quiz::Pool::NearestEnds(SignCount);
        break;
    case AromaTestKind::Element:
        wrong_ = Quiz::Pool::NearestEnds(ElementCount);
        break;
    case AromaTestKind::Gender:
        wrong_ = Quiz::Pool::Even(2);
        break;
    default:
        wrong_ = propertyPool(kind_);
    }
}

Quiz::Layout AromaQuizSource::QuestionLayout() const {
    // A gender question hides the third button.
    return {kind_ == AromaTestKind::Gender ? 2 : 3, 1};
}

Quiz::Pool AromaQuizSource::Items() {
    return Quiz::Pool::NearestEnds(OilCount);
}

QString AromaQuizSource::Subject(int oil) {
    return OilName(oil);
}

Quiz::Key AromaQuizSource::KeyOf(int oil) {
    if (!asksProperty(kind_))
        return {{askedValue(kind_, oil)}, {}, {}};
    // Which of the first three properties is asked: drawn by how many the oil has.
    Quiz::Key key;
    key.accepted = filledProperties(kind_, oil);
    key.offered = key.accepted.mid(0, kAskedPropertySlots);
    const int last = int(key.offered.size()) - 1;
    for (int slot = 0; slot <= last; ++slot)
        key.weights.push_back(nearestWeight(slot, last));
    return key;
}

Quiz::Pool AromaQuizSource::WrongChoices(int) {
    return wrong_;
}

QString AromaQuizSource::WrongChoiceText(int oil, int candidate) {
    Q_UNUSED(oil);
    switch (kind_) {
    case AromaTestKind::Planet:
        return PlanetList(candidate);
    case AromaTestKind::Sign:
        return SignList(candidate);
    case AromaTestKind::Element:
        return ElementList(candidate);
    case AromaTestKind::Gender:
        return candidate == 0 ? QStringLiteral("Male") : QStringLiteral("Female");
    default:
        break;
    }
    const int slots = propertySlots(kind_);
    return property(kind_, candidate / slots, candidate % slots);
}

QString AromaQuizSource::Shown(const QString &text) const {
    return AromaLabelText(text);
}

QString AromaQuizSource::ItemName(int oil) {
    return AromaLabelText(OilName(oil));
}

QString AromaQuizSource::CorrectText(int oil, const QStringList &correctChoices) {
    if (asksProperty(kind_))
        return property(kind_, oil, 0);
    return correctChoices.join(QStringLiteral(", "));
}

ReviewItem AromaQuizSource::ReviewOf(int oil) {
    ReviewItem item;
    item.title = AromaLabelText(OilName(oil));
    item.body = ReviewBody({
        {QStringLiteral("Planetary Association"), AromaLabelText(OilPlanet(oil))},
        {QStringLiteral("Astrological Association"), AromaLabelText(OilSign(oil))},
        {QStringLiteral("Element"), AromaLabelText(OilElement(oil))},
        {QStringLiteral("Gender"), AromaLabelText(OilGender(oil))},
        {QStringLiteral("Magical Properties"),
         labelList(filledProperties(AromaTestKind::Magical, oil))},
        {QStringLiteral("Therapeutic Properties"),
         labelList(filledProperties(AromaTestKind::Therapeutic, oil))},
    });
    return item;
}

// ---- The result list -------------------------------------------------------------

QString AromaResultTitle() {
    return QStringLiteral("Vessa Learn Aromatherapy Result\r\n\r\n");
}

QString AromaResultBlock(const Quiz::Answered &question) {
    return OilName(question.item) + QStringLiteral("\r\nYour Answer: ") + question.given.value(0) +
           QStringLiteral("\r\nCorrect Answer: ") + question.correct + QStringLiteral("\r\n\r\n");
}

QString AromaScoreText(const Quiz::Result &result) {
    return QString::number(result.Score()) + QStringLiteral(" Correct Out Of ") +
           QString::number(result.Count()) + QStringLiteral(" Questions");
}

QString AromaLabelText(const QString &stored) {
    QString shown;
    shown.reserve(stored.size());
    for (qsizetype i = 0; i < stored.size(); ++i) {
        if (stored[i] != QLatin1Char('&')) {
            shown += stored[i];
        } else if (i + 1 < stored.size() && stored[i + 1] == QLatin1Char('&')) {
            shown += QLatin1Char('&');
            ++i;
        }
    }
    return shown;
}

// ---- AromaModel ----------------------------------------------------------------

void AromaModel::SetLearnMode(bool learn, int shownChoice) {
    AromaLearnMode = learn;
    if (shownChoice >= 0)
        AromaChoice = static_cast<std::int16_t>(shownChoice);
}

void AromaModel::StartLearning() {
    if (AromaChoice == 0) {
        AromaCurrent = 0;
    } else {
        AromaIrritantPos = 0;
        AromaCurrent = static_cast<std::int16_t>(IrritantOils(0));
    }
}

AromaNavigation AromaModel::NextOil() {
    if (AromaChoice == 0) {
        ++AromaCurrent;
        if (AromaCurrent >= OilCount) {
            AromaCurrent = kLastOil;
            return AromaNavigation::AtLast;
        }
        return AromaNavigation::Shown;
    }
    ++AromaIrritantPos;
    if (AromaIrritantPos > kLastIrritant) {
        AromaIrritantPos = kLastIrritant;
        AromaCurrent = static_cast<std::int16_t>(IrritantOils(kLastIrritant));
        return AromaNavigation::AtLast;
    }
    AromaCurrent = static_cast<std::int16_t>(IrritantOils(AromaIrritantPos));
    return AromaNavigation::Shown;
}

AromaNavigation AromaModel::PreviousOil() {
    if (AromaChoice == 0) {
        --AromaCurrent;
        if (AromaCurrent < 0) {
            AromaCurrent = 0;
            return AromaNavigation::AtFirst;
        }
        return AromaNavigation::Shown;
    }
    --AromaIrritantPos;
    if (AromaIrritantPos < 0) {
        AromaIrritantPos = 0;
        AromaCurrent = static_cast<std::int16_t>(IrritantOils(0));
        return AromaNavigation::AtFirst;
    }
    AromaCurrent = static_cast<std::int16_t>(IrritantOils(AromaIrritantPos));
    return AromaNavigation::Shown;
}

void AromaModel::StartTest(Quiz::Uniform uniform) {
    Test.emplace(std::make_shared<AromaQuizSource>(AromaChoice),
                 Quiz::TestInfo{QStringLiteral("Learn Aromatherapy"),
                                AromaTestKindCaption(AromaChoice), AromaLevelCaption(AromaLevel)},
                 AromaQuestionCountForLevel(AromaLevel), std::move(uniform));
}
