#pragma once

#include "quiz/QuizSession.h"

#include <QString>

class QTextEdit;

// The ten-question palmistry quiz as the test engine asks it, free of widgets:
// which entries take part, the answer text of each kind, and the result list
// and printout. The window shows what the engine draws.

enum class PalmTestKind : int {
    Name = 0,         // "Test By Name of Line / Shape": picture only, answers are titles
    Significance = 1, // "Test By Significance": picture and title, answers are significances
    ShapeLocation = 2 // "Test By Location / Shape": picture and title, answers are shapes/locations
};

inline constexpr int PalmQuestionCount = 10; // questions of one test
inline constexpr int PalmAnswerButtons = 5;  // answer buttons of the question screen
inline constexpr int PalmDrawRange = 22; // a draw takes 0 to 21: "Girdle of Venus" never takes part

// Entries a test may ask about or offer as an answer: 0 to 9 and 14 to 21
// (not the four nail entries, not "Girdle of Venus").
bool PalmEntryTakesPartInTests(int entry);

// The caption of a kind of test, as the test options show it.
QString PalmTestKindCaption(PalmTestKind kind);

// The text an entry gives as an answer in a test of that kind.
QString PalmAnswerText(PalmTestKind kind, int entry);

// The quiz's random numbers: every draw first reseeds the program's generator
// from the clock (which mixes in a call counter, so two draws in the same
// clock tick still differ).
double PalmClockUniform();

// The entries as the engine asks about them: each question and each wrong
// answer is an entry that takes part, drawn evenly below 22 and drawn again
// while refused; five answers per question.
class PalmQuizSource : public Quiz::Source {
public:
    explicit PalmQuizSource(PalmTestKind kind) : kind_(kind) {}

    Quiz::Layout QuestionLayout() const override { return {PalmAnswerButtons, 1}; }
    Quiz::Pool Items() override;
    bool MayAsk(int entry, const std::vector<int> &asked) override;
    QString Subject(int entry) override; // the title (the name test hides it)
    QByteArray Picture(int entry) override; // the entry's drawing
    bool SubjectShown() const override { return kind_ != PalmTestKind::Name; }
    Quiz::Key KeyOf(int entry) override;
    Quiz::Pool WrongChoices(int entry) override;
    QString WrongChoiceText(int entry, int candidate) override;
    QString ItemName(int entry) override;
    // The entry as the Memorize Palmistry screen shows it: picture, title,
    // shape or location and significance.
    ReviewItem ReviewOf(int entry) override;

private:
    PalmTestKind kind_;
};

// Starts a quiz of ten questions of the kind.
Quiz::Session StartPalmTest(PalmTestKind kind, Quiz::Uniform uniform = PalmClockUniform);

// The closing line of the result list, "<n> Correct out of 10 Questions".
QString PalmScoreText(int correctCount);

// Writes the result list into a rich-text view: for each question its title in
// bold, "Your Answer:", the answer, "Correct Choice: ", the correct text and an
// empty line; then the score line with no line break after it.
void WritePalmResult(QTextEdit *view, const Quiz::Result &result);

