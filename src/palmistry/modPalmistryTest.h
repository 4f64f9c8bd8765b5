#pragma once

#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <vector>

class QTextEdit;

// The ten-question palmistry quiz, free of widgets: drawing the questions and
// the wrong answers, the five answers of a question, recording the user's
// choices, scoring and the result list. The window shows what this produces.

enum class PalmTestKind : int {
    Name = 0,         // "Test By Name of Line / Shape": picture only, answers are titles
    Significance = 1, // "Test By Significance": picture and title, answers are significances
    ShapeLocation = 2 // "Test By Location / Shape": picture and title, answers are shapes/locations
};

inline constexpr int PalmQuestionCount = 10;   // questions of one test
inline constexpr int PalmAnswerButtons = 5;    // answer buttons of the question screen
inline constexpr int PalmDistractorCount = 5;  // wrong answers drawn for each question
inline constexpr int PalmDrawRange = 22;       // a draw takes 0 to 21: "Girdle of Venus" never takes part
inline constexpr int PalmCorrectPositions = 4; // the correct answer sits on buttons 0 to 3, never the fifth

// Entries a test may ask about or offer as an answer: 0 to 9 and 14 to 21
// (not the four nail entries, not "Girdle of Venus").
bool PalmEntryTakesPartInTests(int entry);

// A draw of a whole number 0 to n - 1.
using PalmDraw = std::function<int(int n)>;

// The quiz's draw: reseeds the program's generator from the clock, then takes
// the whole part of r * n. The clock seed mixes in a call counter, so two
// draws in the same clock tick still differ.
int PalmClockDraw(int n);

// `count` different entries that take part in tests, each drawn below 22 and
// drawn again while it is a nail entry or already in the list. A draw that
// keeps coming back rejected (a generator stuck on one value) is given up
// after a bounded number of tries in favour of one draw among the entries
// still allowed, so the list is always finished. count is at most 18.
std::vector<std::int16_t> DrawDistinctPalmEntries(int count, const PalmDraw &draw);

// The text an entry gives as an answer in a test of that kind.
QString PalmAnswerText(PalmTestKind kind, int entry);

// What the question screen shows.
struct PalmQuestion {
    int number = 0;           // 0 to 9
    int entry = 0;            // the entry asked about
    QString title;            // its title, for lblName
    bool titleVisible = true; // hidden in the name test
    QString picture;          // resource path, by the entry's picture rule
    std::array<QString, PalmAnswerButtons> answers;
    int correctPosition = 0;
};

struct PalmResultLine {
    QString title;   // the asked entry's title
    QString answer;  // the text the user chose
    QString correct; // the asked entry's text for the test kind
    bool right = false;
    int entry = 0; // the entry asked about
};

struct PalmResult {
    std::vector<PalmResultLine> lines;
    int correctCount = 0;
};

// One run of the quiz. The window owns one; each Start replaces the test
// before it.
class PalmistryTest {
public:
    explicit PalmistryTest(PalmDraw draw = PalmClockDraw);

    // Draws the ten questions, the first question's wrong answers and its
    // correct position, and goes to question 0.
    void Start(PalmTestKind kind);

    PalmQuestion CurrentQuestion() const;

    // Records the text on answer button `button` (0 to 4) for the current
    // question, draws new wrong answers and moves on: to the next question
    // (with a new correct position) or, after the tenth, to the end.
    // Returns true when the test is finished.
    bool Answer(int button);
    bool Finished() const { return PalmQuestionNumber >= PalmQuestionCount; }

    // Scores the answers (a question is right when the chosen text equals the
    // correct text exactly, so a correct text offered on two buttons scores
    // on either) and clears the test's questions and answers.
    PalmResult BuildResult();

    PalmTestKind Kind() const { return kind_; }

    // The test's state, by the names the rest of the module uses.
    std::array<std::int16_t, PalmQuestionCount + 1> PalmTestQuestion{}; // slot 10 unused
    std::array<QString, PalmQuestionCount + 1> PalmTestAnswer;          // slot 10 unused
    std::int16_t PalmQuestionNumber = 0;
    std::array<std::int16_t, PalmDistractorCount> Distractors{};
    int CorrectPosition = 0;

private:
    void drawDistractors();
    void drawCorrectPosition();

    PalmDraw draw_;
    PalmTestKind kind_ = PalmTestKind::Name;
};

// The closing line of the result list, "<n> Correct out of 10 Questions".
QString PalmScoreText(int correctCount);

// Writes the result list into a rich-text view: for each question its title in
// bold, "Your Answer:", the answer, "Correct Choice: ", the correct text and an
// empty line; then the score line with no line break after it.
void WritePalmResult(QTextEdit *view, const PalmResult &result);

// The printout: "Report Generated By <site>", an empty line, the result list as
// plain text, an empty line and the same "Report Generated By" line again.
QString PalmPrintText(const QString &resultPlainText);
QString PalmReportLine();
