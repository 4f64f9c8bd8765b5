#include "modAromaTest.h"

#include "modLearnAromatherapy.h"
#include "shell/modRandom.h"

namespace {

// Where the right answer goes among the shown buttons. It must be a uniform
// draw: a nearest-rounding draw would favour the middle button, and placing
// it by its property slot would favour the first, so answering blindly with
// a fixed button would beat chance.
int drawCorrectPosition(int shown) { return Random::DrawWhole(shown); }

constexpr int kLastOil = OilCount - 1;           // 51, Ylang Ylang
constexpr int kLastIrritant = IrritantCount - 1; // 13, Wintergreen

// The value a planet, sign, element or gender question asks about.
QString askedValue(int kind, int oil)
{
    switch (static_cast<AromaTestKind>(kind)) {
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

// Property slot `slot` of an oil for the magical or the therapeutic test.
QString property(AromaTestKind kind, int oil, int slot)
{
    return kind == AromaTestKind::Magical ? OilMagical(oil, slot) : OilTherapeutic(oil, slot);
}

// Magical properties occupy slots 0-2, therapeutic ones slots 0-5.
int usedPropertySlots(AromaTestKind kind)
{
    return kind == AromaTestKind::Magical ? MagicalSlots : TherapeuticSlots;
}

// Planet, sign and element questions: three different wrong answers from the
// candidate list, none equal to the oil's own value; then the oil's value
// replaces the answer at a uniformly drawn position.
void buildListAnswers(AromaQuestion &q, AromaTestKind kind)
{
    QString (*list)(int) = ElementList;
    int last = ElementCount - 1;
    if (kind == AromaTestKind::Planet) {
        list = PlanetList;
        last = PlanetCount - 1;
    } else if (kind == AromaTestKind::Sign) {
        list = SignList;
        last = SignCount - 1;
    }
    const QString asked = askedValue(static_cast<int>(kind), q.oil);
    for (int i = 0; i < 3; ++i) {
        const int pick = DrawNearestAdmissible(last, [&](int v) {
            const QString entry = list(v);
            if (entry == asked)
                return false;
            for (int j = 0; j < i; ++j)
                if (q.answers[static_cast<std::size_t>(j)] == entry)
                    return false;
            return true;
        });
        q.answers[static_cast<std::size_t>(i)] = pick >= 0 ? list(pick) : QString();
    }
    q.correctPosition = drawCorrectPosition(3);
    q.answers[static_cast<std::size_t>(q.correctPosition)] = asked;
}

void buildGenderAnswers(AromaQuestion &q)
{
    const QString gender = askedValue(static_cast<int>(AromaTestKind::Gender), q.oil);
    const QString other =
        gender == QLatin1String("Female") ? QStringLiteral("Male") : QStringLiteral("Female");
    // Over 0 to 1 the nearest rounding is already even: r below one half gives 0.
    q.correctPosition = Random::DrawNearest(1);
    q.answers[static_cast<std::size_t>(q.correctPosition)] = gender;
    q.answers[static_cast<std::size_t>(1 - q.correctPosition)] = other;
    q.answers[2].clear();
    q.thirdVisible = false;
}

// Magical and therapeutic questions: each wrong answer is a property of a
// random oil in a random slot (oil over 0-51, slot over the used slots, both
// with the nearest rounding), redrawn while that slot is empty. The wrong
// answers are deliberately not compared with one another or with the asked
// oil's properties; scoring accepts any of the oil's properties instead.
// Then one of the oil's first three properties, its slot drawn by how many
// the oil has, replaces the answer at a uniformly drawn position.
void buildPropertyAnswers(AromaQuestion &q, AromaTestKind kind)
{
    const int slots = usedPropertySlots(kind);
    std::vector<double> weights(static_cast<std::size_t>(OilCount * slots), 0.0);
    for (int oil = 0; oil < OilCount; ++oil)
        for (int slot = 0; slot < slots; ++slot)
            if (!property(kind, oil, slot).isEmpty())
                weights[static_cast<std::size_t>(oil * slots + slot)] =
                    NearestDrawWeight(oil, kLastOil) * NearestDrawWeight(slot, slots - 1);

    for (auto &answer : q.answers) {
        const int pick = DrawWeighted(weights);
        answer = pick >= 0 ? property(kind, pick / slots, pick % slots) : QString();
    }

    int filled = 0;
    while (filled < slots && !property(kind, q.oil, filled).isEmpty())
        ++filled;
    int k = 0;
    if (filled == 2)
        k = Random::DrawNearest(1);
    else if (filled >= 3)
        k = Random::DrawNearest(2);
    q.askedSlot = k;
    q.correctPosition = drawCorrectPosition(3);
    q.answers[static_cast<std::size_t>(q.correctPosition)] = property(kind, q.oil, k);
}

} // namespace

double NearestDrawWeight(int v, int n)
{
    if (v < 0 || v > n)
        return 0.0;
    if (n == 0)
        return 1.0;
    return (v == 0 || v == n) ? 0.5 : 1.0;
}

int DrawWeighted(const std::vector<double> &weights)
{
    double total = 0.0;
    int lastPositive = -1;
    for (std::size_t i = 0; i < weights.size(); ++i)
        if (weights[i] > 0.0) {
            total += weights[i];
            lastPositive = static_cast<int>(i);
        }
    if (lastPositive < 0)
        return -1;
    const double r = Random::Rnd() * total;
    double sum = 0.0;
    for (std::size_t i = 0; i < weights.size(); ++i) {
        if (weights[i] <= 0.0)
            continue;
        sum += weights[i];
        if (r < sum)
            return static_cast<int>(i);
    }
    // Only reached when rounding leaves r at the very top of the range.
    return lastPositive;
}

int DrawNearestAdmissible(int n, const std::function<bool(int)> &admissible)
{
    // Redrawing until an admissible value comes up would give each admissible
    // value its DrawNearest weight divided by the total weight of the
    // admissible values; drawing once among those weights gives the same
    // chances and cannot loop, even when few or no values are admissible.
    std::vector<double> weights(static_cast<std::size_t>(n < 0 ? 0 : n + 1), 0.0);
    for (int v = 0; v <= n; ++v)
        if (admissible(v))
            weights[static_cast<std::size_t>(v)] = NearestDrawWeight(v, n);
    return DrawWeighted(weights);
}

std::array<QString, 7> OilDescription(int oil)
{
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

int AromaQuestionCountForLevel(int level)
{
    switch (level) {
    case 0:
        return 15;
    case 1:
        return 30;
    default:
        return 50;
    }
}

QList<std::int16_t> DrawQuestionOils(int count)
{
    QList<std::int16_t> oils;
    for (int k = 0; k < count; ++k) {
        // Only oils not asked yet can come up; once none is left the list stops growing.
        const int oil =
            DrawNearestAdmissible(kLastOil, [&oils](int v) { return !oils.contains(v); });
        if (oil < 0)
            break;
        oils.append(static_cast<std::int16_t>(oil));
    }
    return oils;
}

AromaQuestion BuildAromaQuestion(int kind, int oil, int questionNumber, int questionCount)
{
    AromaQuestion q;
    q.oil = oil;
    q.subject = OilName(oil);
    q.counter = QStringLiteral("Question ") + QString::number(questionNumber + 1) +
                QStringLiteral(" of ") + QString::number(questionCount);
    switch (static_cast<AromaTestKind>(kind)) {
    case AromaTestKind::Planet:
    case AromaTestKind::Sign:
    case AromaTestKind::Element:
        buildListAnswers(q, static_cast<AromaTestKind>(kind));
        break;
    case AromaTestKind::Gender:
        buildGenderAnswers(q);
        break;
    case AromaTestKind::Magical:
    case AromaTestKind::Therapeutic:
        buildPropertyAnswers(q, static_cast<AromaTestKind>(kind));
        break;
    }
    return q;
}

bool AromaAnswerScores(int kind, int oil, const QString &answer)
{
    const auto k = static_cast<AromaTestKind>(kind);
    if (k == AromaTestKind::Magical || k == AromaTestKind::Therapeutic) {
        // An empty slot holds no property, so an empty answer never matches it.
        if (answer.isEmpty())
            return false;
        for (int slot = 0; slot < usedPropertySlots(k); ++slot)
            if (property(k, oil, slot) == answer)
                return true;
        return false;
    }
    if (kind < 0 || kind >= AromaTestKindCount)
        return false;
    return answer == askedValue(kind, oil);
}

QString AromaCorrectAnswer(int kind, int oil)
{
    const auto k = static_cast<AromaTestKind>(kind);
    if (k == AromaTestKind::Magical || k == AromaTestKind::Therapeutic)
        return property(k, oil, 0);
    return askedValue(kind, oil);
}

QString AromaScoreText(const AromaResult &result)
{
    return QString::number(result.score) + QStringLiteral(" Correct Out Of ") +
           QString::number(result.count) + QStringLiteral(" Questions");
}

QString AromaLabelText(const QString &stored)
{
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

void AromaModel::SetLearnMode(bool learn, int shownChoice)
{
    AromaLearnMode = learn;
    if (shownChoice >= 0)
        AromaChoice = static_cast<std::int16_t>(shownChoice);
}

void AromaModel::StartLearning()
{
    if (AromaChoice == 0) {
        AromaCurrent = 0;
    } else {
        AromaIrritantPos = 0;
        AromaCurrent = static_cast<std::int16_t>(IrritantOils(0));
    }
}

AromaNavigation AromaModel::NextOil()
{
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

AromaNavigation AromaModel::PreviousOil()
{
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

void AromaModel::StartTest()
{
    AromaQuestionCount = static_cast<std::int16_t>(AromaQuestionCountForLevel(AromaLevel));
    AromaQuestionOils = DrawQuestionOils(AromaQuestionCount);
    AromaAnswers = QStringList(AromaQuestionCount + 1, QString());
    AromaCurrent = 0;
}

AromaQuestion AromaModel::CurrentQuestion() const
{
    return BuildAromaQuestion(AromaChoice, AromaQuestionOils.value(AromaCurrent, -1), AromaCurrent,
                              AromaQuestionCount);
}

bool AromaModel::AnswerQuestion(const QString &caption)
{
    if (AromaCurrent >= 0 && AromaCurrent < AromaAnswers.size())
        AromaAnswers[AromaCurrent] = caption;
    ++AromaCurrent;
    return AromaCurrent < AromaQuestionCount;
}

AromaResult AromaModel::Score() const
{
    AromaResult result;
    result.count = AromaQuestionCount;
    for (int i = 0; i < AromaQuestionCount; ++i) {
        const int oil = AromaQuestionOils.value(i, -1);
        AromaResultLine line;
        line.name = OilName(oil);
        line.answer = AromaAnswers.value(i);
        line.correct = AromaCorrectAnswer(AromaChoice, oil);
        line.scored = AromaAnswerScores(AromaChoice, oil, line.answer);
        if (line.scored)
            ++result.score;
        result.lines.append(line);
    }
    return result;
}
