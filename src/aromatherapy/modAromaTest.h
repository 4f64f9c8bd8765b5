#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

// The learn and test logic of Learn Aromatherapy, free of widgets: browsing
// the catalogue, drawing the questions of a test, building each question's
// answers, scoring and the result list. The window owns an AromaModel and
// only shows what these routines produce.

// The test kinds, in the order of the test list; AromaChoice holds one of these in test mode.
enum class AromaTestKind : int { Planet = 0, Sign, Element, Gender, Magical, Therapeutic };
inline constexpr int AromaTestKindCount = 6;

// ---- Drawing -------------------------------------------------------------

// How often Random::DrawNearest(n) gives v: the end values 0 and n count half
// as much as each value between (relative weights 0.5, 1, ..., 1, 0.5).
double NearestDrawWeight(int v, int n);

// Picks an index with probability proportional to its weight, using one
// uniform number. Returns -1 when every weight is zero.
int DrawWeighted(const std::vector<double> &weights);

// A nearest-rounding draw over 0 to n that only ever yields admissible values.
// It gives each admissible value exactly the chance that "draw with
// DrawNearest(n), draw again while the value is not admissible" gives it, but
// in a single draw, so it always ends. Returns -1 when no value is admissible.
int DrawNearestAdmissible(int n, const std::function<bool(int)> &admissible);

// ---- Learn mode ------------------------------------------------------------

// The seven values the learn screen shows for an oil, in stored form: name,
// planet, sign, element, gender, then the magical slots 0-2 and the
// therapeutic slots 0-5, each slot followed by one space (empty slots too).
std::array<QString, 7> OilDescription(int oil);

enum class AromaNavigation { Shown, AtFirst, AtLast };

// ---- Tests -------------------------------------------------------------------

// 15, 30 or 50 questions for the level (any level above 1 gives 50).
int AromaQuestionCountForLevel(int level);

// `count` different oils, each drawn over 0 to 51 with the nearest rounding.
QList<std::int16_t> DrawQuestionOils(int count);

struct AromaQuestion {
    int oil = 0;
    QString subject;                // the oil's name
    QString counter;                // "Question 1 of 15"
    std::array<QString, 3> answers; // captions in stored form
    bool thirdVisible = true;       // false in a gender test
    int correctPosition = 0;        // where the oil's own value was placed
    int askedSlot = 0;              // magical and therapeutic: the oil's property slot asked
};

// Builds the answers of one question on an oil for a test kind, drawing from
// the program's random generator.
AromaQuestion BuildAromaQuestion(int kind, int oil, int questionNumber, int questionCount);

// Whether an answer scores for an oil, and the correct answer the result shows.
bool AromaAnswerScores(int kind, int oil, const QString &answer);
QString AromaCorrectAnswer(int kind, int oil);

struct AromaResultLine {
    QString name;
    QString answer;
    QString correct;
    bool scored = false;
};

struct AromaResult {
    QList<AromaResultLine> lines;
    int score = 0;
    int count = 0;
};

// "12 Correct Out Of 15 Questions".
QString AromaScoreText(const AromaResult &result);

// The text a label shows for a stored caption: "&&" becomes one "&" and a
// single "&" (an access-key mark) is dropped.
QString AromaLabelText(const QString &stored);

// ---- State of one window ---------------------------------------------------

// What the Learn Aromatherapy window remembers between clicks: the options
// picked, the oil being browsed and the running test. Each window owns one;
// a fresh model is on the options screen's start state.
struct AromaModel {
    bool AromaLearnMode = true;  // true for "Learn Options", false for "Test Options"
    std::int16_t AromaChoice = 0; // learn: 0 all oils, else irritant oils; test: the kind 0-5
    std::int16_t AromaLevel = 0;  // 0 Basic, 1 Intermediate, 2 Advanced
    std::int16_t AromaCurrent = 0;     // learn: oil shown; test: question number from 0
    std::int16_t AromaIrritantPos = 0; // position in IrritantOils while browsing them
    std::int16_t AromaQuestionCount = 0;
    QList<std::int16_t> AromaQuestionOils; // one oil per question
    QStringList AromaAnswers;              // slots 0 to AromaQuestionCount

    // Learning or testing is chosen; `shownChoice` is the entry the list of
    // that mode shows, which becomes the choice, so the button always acts on
    // what the user sees.
    void SetLearnMode(bool learn, int shownChoice);

    // Starts browsing: Amber for all oils (AromaChoice 0), else the first irritant oil.
    void StartLearning();
    // "Next" and "Back" on the learn screen. At either end the position stays
    // on the end oil and the result says which end was hit.
    AromaNavigation NextOil();
    AromaNavigation PreviousOil();

    // Starts a test of AromaLevel's length: draws the oils, clears the answers
    // and sets AromaCurrent to the first question.
    void StartTest();
    // Builds question AromaCurrent of the running test of kind AromaChoice.
    AromaQuestion CurrentQuestion() const;
    // Stores the chosen caption for the current question and moves on; false
    // once every question is answered.
    bool AnswerQuestion(const QString &caption);
    // Scores the finished test.
    AromaResult Score() const;
};
