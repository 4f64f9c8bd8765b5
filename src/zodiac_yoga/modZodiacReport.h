#pragma once

#include <QString>

#include <functional>
#include <vector>

class QTextEdit;

// The printable Zodiac Yoga report, built run by run from the texts the result
// window shows.
namespace ZodiacReport {

enum class Style { Default, Heading, Label, Value, ConstitutionHeading, ItemLabel, FitnessValue,
                   AsanaLabel, AsanaHeading };

struct Run {
    QString text;
    Style style;
    double points;
};

struct Input {
    QString name;      // the reading's name
    QString month;     // the entry window's selections, as shown
    QString day;
    QString year;
    QString sign;      // the reading's sign
    // The text of a field of the result window, by its object name.
    std::function<QString(const QString &)> field;
};

// Bold and palette colour of a style.
bool IsBold(Style style);
int ColourIndex(Style style);

std::vector<Run> BuildRuns(const Input &input);
// Empties the view and writes the runs into it with their formats.
void Write(QTextEdit *view, const std::vector<Run> &runs);

} // namespace ZodiacReport
