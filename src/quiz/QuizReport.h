#pragma once

#include "QuizSession.h"

class QLabel;
class QPlainTextEdit;
class QTextEdit;
class QWidget;

// What every result screen shows besides its module's own report: the score
// at a glance above the report, and the wrong answers marked in the report in
// a colour that also reads when printed in grey. The report's text stays as it is.
namespace Quiz {

// "7 of 10 correct, 70 %" (points for tests that score several per question).
QString GlanceText(const Result &result);

// The large line above a report; objectName "lblScore".
QLabel *MakeGlanceLabel(QWidget *parent);

// The colour wrong answers are marked in: a dark red, which prints as dark grey.
QColor WrongAnswerColour();

// Marks the answer of every question not answered fully right: in a report
// whose questions each have a block starting with `givenHeading`, from that
// block up to (not including) the next block starting with `correctHeading`.
void MarkWrongAnswers(QTextEdit *report, const Result &result, const QString &givenHeading,
                      const QString &correctHeading);
// Marks whole lines: line `firstLine + i` for question i (a fixed-layout report).
void MarkWrongLines(QPlainTextEdit *report, const Result &result, int firstLine);

} // namespace Quiz
