#include "modAromaTest.h"

#include "modLearnAromatherapy.h"
#include "shell/modRandom.h"

bool AromaLearnMode = true;
std::int16_t AromaChoice = 0;
std::int16_t AromaLevel = 0;
std::int16_t AromaCurrent = 0;
std::int16_t AromaIrritantPos = 0;
std::int16_t AromaQuestionCount = 0;
QList<std::int16_t> AromaQuestionOils;
QStringList AromaAnswers;

namespace {

constexpr int kLastOil = OilCount - 1;           // 51, Ylang Ylang
constexpr int kLastIrritant = IrritantCount - 1; // 13, Wintergreen

bool validOil(int oil) { return oil >= 0 && oil < OilSlots; }

// The value a planet, sign, element or gender question asks about.
QString askedValue(int kind, int oil)
{
    if (!validOil(oil))
        return {};
    const auto o = static_cast<std::size_t>(oil);
    switch (static_cast<AromaTestKind>(kind)) {
    case AromaTestKind::Planet:
        return OilPlanet[o];
    case AromaTestKind::Sign:
        return OilSign[o];
    case AromaTestKind::Element:
        return OilElement[o];
    case AromaTestKind::Gender:
        return OilGender[o];
    default:
        return {};
    }
}

// Property slot `slot` of an oil for the magical or the therapeutic test.
QString property(AromaTestKind kind, int oil, int slot)
{
    if (!validOil(oil) || slot < 0)
        return {};
    const auto o = static_cast<std::size_t>(oil);
    const auto s = static_cast<std::size_t>(slot);
    if (kind == AromaTestKind::Magical)
        return s < MagicalSlots ? OilMagical[o][s] : QString();
    return s < TherapeuticSlots ? OilTherapeutic[o][s] : QString();
}

// Magical properties occupy slots 0-2, therapeutic ones slots 0-5.
int usedPropertySlots(AromaTestKind kind) { return kind == AromaTestKind::Magical ? 3 : 6; }

// Planet, sign and element questions: three different wrong answers from the
// candidate list, none equal to the oil's own value; then the oil's value
// replaces the answer at a drawn position.
void buildListAnswers(AromaQuestion &q, AromaTestKind kind)
{
    const QString *list = nullptr;
    int last = 0;
    switch (kind) {
    case AromaTestKind::Planet:
        list = PlanetList.data();
        last = 9;
        break;
    case AromaTestKind::Sign:
        list = SignList.data();
        last = 11;
        break;
    default:
        list = ElementList.data();
        last = 3;
        break;
    }
    const QString asked = askedValue(static_cast<int>(kind), q.oil);
    for (int i = 0; i < 3; ++i) {
        const int pick = DrawNearestAdmissible(last, [&](int v) {
            const QString &entry = list[v];
            if (entry == asked)
                return false;
            for (int j = 0; j < i; ++j)
                if (q.answers[static_cast<std::size_t>(j)] == entry)
                    return false;
            return true;
        });
        q.answers[static_cast<std::size_t>(i)] = pick >= 0 ? list[pick] : QString();
    }
    q.correctPosition = Random::DrawNearest(2);
    q.answers[static_cast<std::size_t>(q.correctPosition)] = asked;
}

void buildGenderAnswers(AromaQuestion &q)
{
    const QString gender = askedValue(static_cast<int>(AromaTestKind::Gender), q.oil);
    const QString other =
        gender == QLatin1String("Female") ? QStringLiteral("Male") : QStringLiteral("Female");
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
// Then one of the oil's first three properties goes to the position equal to
// its slot.
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
    q.correctPosition = k;
    q.answers[static_cast<std::size_t>(k)] = property(kind, q.oil, k);
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
    LoadOilCatalogue();
    std::array<QString, 7> desc;
    if (!validOil(oil))
        return desc;
    const auto o = static_cast<std::size_t>(oil);
    desc[0] = OilName[o];
    desc[1] = OilPlanet[o];
    desc[2] = OilSign[o];
    desc[3] = OilElement[o];
    desc[4] = OilGender[o];
    for (int k = 0; k < 3; ++k)
        desc[5] += OilMagical[o][static_cast<std::size_t>(k)] + QLatin1Char(' ');
    for (int k = 0; k < 6; ++k)
        desc[6] += OilTherapeutic[o][static_cast<std::size_t>(k)] + QLatin1Char(' ');
    return desc;
}

void AromaStartLearning()
{
    if (AromaChoice == 0) {
        AromaCurrent = 0;
    } else {
        LoadOilCatalogue();
        AromaIrritantPos = 0;
        AromaCurrent = IrritantOils[0];
    }
}

AromaNavigation AromaNextOil()
{
    LoadOilCatalogue();
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
        AromaCurrent = IrritantOils[kLastIrritant];
        return AromaNavigation::AtLast;
    }
    AromaCurrent = IrritantOils[static_cast<std::size_t>(AromaIrritantPos)];
    return AromaNavigation::Shown;
}

AromaNavigation AromaPreviousOil()
{
    LoadOilCatalogue();
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
        AromaCurrent = IrritantOils[0];
        return AromaNavigation::AtFirst;
    }
    AromaCurrent = IrritantOils[static_cast<std::size_t>(AromaIrritantPos)];
    return AromaNavigation::Shown;
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

void StartAromaTest()
{
    LoadOilCatalogue();
    AromaQuestionCount = static_cast<std::int16_t>(AromaQuestionCountForLevel(AromaLevel));
    AromaQuestionOils = DrawQuestionOils(AromaQuestionCount);
    AromaAnswers = QStringList(AromaQuestionCount + 1, QString());
    AromaCurrent = 0;
}

AromaQuestion BuildAromaQuestion(int kind, int oil, int questionNumber, int questionCount)
{
    LoadOilCatalogue();
    AromaQuestion q;
    q.oil = oil;
    q.subject = validOil(oil) ? OilName[static_cast<std::size_t>(oil)] : QString();
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

AromaQuestion CurrentAromaQuestion()
{
    return BuildAromaQuestion(AromaChoice, AromaQuestionOils.value(AromaCurrent), AromaCurrent,
                              AromaQuestionCount);
}

bool AromaAnswerScores(int kind, int oil, const QString &answer)
{
    LoadOilCatalogue();
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
    LoadOilCatalogue();
    const auto k = static_cast<AromaTestKind>(kind);
    if (k == AromaTestKind::Magical || k == AromaTestKind::Therapeutic)
        return property(k, oil, 0);
    return askedValue(kind, oil);
}

AromaResult ScoreAromaTest(int kind)
{
    LoadOilCatalogue();
    AromaResult result;
    result.count = AromaQuestionCount;
    for (int i = 0; i < AromaQuestionCount; ++i) {
        const int oil = AromaQuestionOils.value(i, -1);
        AromaResultLine line;
        line.name = validOil(oil) ? OilName[static_cast<std::size_t>(oil)] : QString();
        line.answer = AromaAnswers.value(i);
        line.correct = AromaCorrectAnswer(kind, oil);
        line.scored = AromaAnswerScores(kind, oil, line.answer);
        if (line.scored)
            ++result.score;
        result.lines.append(line);
    }
    return result;
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
