#pragma once

#include <QString>

#include <array>
#include <vector>

class QTextEdit;

// The printable Zodiac Yoga report, built run by run from the values the
// reading shows.
namespace ZodiacReport {

enum class Style { Default, Heading, Label, Value, ConstitutionHeading, ItemLabel, FitnessValue,
                   AsanaLabel, AsanaHeading };

struct Run {
    QString text;
    Style style;
    double points;
};

// The values a reading shows, as the result window shows them: the reading's
// own name and birth date (the date as the entry window's lists show it), the
// sign's profile and the constitution of its element.
struct ShownReading {
    QString name;
    QString month;
    QString day;
    QString year;
    QString sign;
    // Characteristics, in report order: element, lucky number, lucky colour,
    // lucky day, compatibility, birthstone, quality, famous personalities,
    // positive traits, negative traits.
    QString element, luckyNumber, luckyColour, luckyDay, compatibility, birthstone, quality,
        famousPersonalities, positiveTraits, negativeTraits;
    QString bodyPartsRuled, healthProblems, requiredDiet, dietToAvoid, dietAdvice;
    QString constitutionType, constitutionDescription;
    QString excessDescription, excessItemsToTake, excessItemsToAvoid, excessRemedy;
    QString lowDescription, lowItemsToTake, lowItemsToAvoid, lowRemedy;
    // Athletic ability, motivation, endurance, flexibility, routine, team-work, focus, variety.
    std::array<QString, 8> fitness;
    QString fitnessAdvice;
};

// The values of a reading of a sign; profile fields stay empty for an unknown sign.
ShownReading ComposeShownReading(const QString &name, const QString &month, const QString &day,
                                 const QString &year, const QString &sign);

// Bold and palette colour of a style.
bool IsBold(Style style);
int ColourIndex(Style style);

std::vector<Run> BuildRuns(const ShownReading &reading);
// Empties the view and writes the runs into it with their formats.
void Write(QTextEdit *view, const std::vector<Run> &runs);

} // namespace ZodiacReport
