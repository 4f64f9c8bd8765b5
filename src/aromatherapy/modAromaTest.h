#pragma once

#include "quiz/QuizSession.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

// The learn and test logic of Learn Aromatherapy, free of widgets: browsing
// the catalogue, and what the test engine needs to ask about oils (which oils,
// the answers of each kind, the result list). The window owns an AromaModel
// and only shows what these routines produce.

// The test kinds, in the order of the test list; AromaChoice holds one of these in test mode.
enum class AromaTestKind : int { Planet = 0, Sign, Element, Gender, Magical, Therapeutic };
inline constexpr int AromaTestKindCount = 6;

// The entries of the test list and the level list, as the options screen shows them.
QString AromaTestKindCaption(int kind);
QString AromaLevelCaption(int level);

// ---- Learn mode ------------------------------------------------------------

// The seven values the learn screen shows for an oil, in stored form: name,
// planet, sign, element, gender, then the magical slots 0-2 and the
// therapeutic slots 0-5, each slot followed by one space (empty slots too).
std::array<QString, 7> OilDescription(int oil);

enum class AromaNavigation { Shown, AtFirst, AtLast };

// ---- Tests -------------------------------------------------------------------

// 15, 30 or 50 questions for the level (any level above 1 gives 50).
int AromaQuestionCountForLevel(int level);

// The oils as the test engine asks about them, for one kind of test
// (Test_Aromatherapy):
// - every oil may be asked, the first and the last oil half as often as the
//   others (a nearest-rounding draw over 0 to 51);
// - planet, sign and element questions offer the oil's value and two other
//   entries of the planet, sign or element list; a gender question offers
//   both genders on two buttons;
// - magical and therapeutic questions offer one of the oil's first three
//   properties (of one, that one; of two, either; of three or more, the
//   second twice as often as the first or the third) and two properties of
//   other oils that are none of this oil's; any of the oil's properties
//   scores, and the result names its first one as the correct answer.
class AromaQuizSource : public Quiz::Source {
public:
    explicit AromaQuizSource(int kind);

    Quiz::Layout QuestionLayout() const override;
    Quiz::Pool Items() override;
    QString Subject(int oil) override;
    Quiz::Key KeyOf(int oil) override;
    Quiz::Pool WrongChoices(int oil) override;
    QString WrongChoiceText(int oil, int candidate) override;
    // Option buttons show "&&" as one "&" and drop a single "&".
    QString Shown(const QString &text) const override;
    QString ItemName(int oil) override;
    QString CorrectText(int oil, const QStringList &correctChoices) override;
    // The oil with its associations, in the learn screen's order and captions.
    ReviewItem ReviewOf(int oil) override;

private:
    AromaTestKind kind_;
    Quiz::Pool wrong_; // where wrong choices are drawn from, the same for every oil
};

// The report's title line, one block per question (the oil, "Your Answer: ",
// "Correct Answer: ") and the score line, as plain text with CR LF line ends;
// the window writes the title in bold.
QString AromaResultTitle();
QString AromaResultBlock(const Quiz::Answered &question);
// "12 Correct Out Of 15 Questions".
QString AromaScoreText(const Quiz::Result &result);

// The text a label shows for a stored caption: "&&" becomes one "&" and a
// single "&" (an access-key mark) is dropped.
QString AromaLabelText(const QString &stored);

// ---- State of one window ---------------------------------------------------

// What the Learn Aromatherapy window remembers between clicks: the options
// picked, the oil being browsed and the running test. Each window owns one;
// a fresh model is on the options screen's start state.
struct AromaModel {
    bool AromaLearnMode = true;        // true for "Learn Options", false for "Test Options"
    std::int16_t AromaChoice = 0;      // learn: 0 all oils, else irritant oils; test: the kind 0-5
    std::int16_t AromaLevel = 0;       // 0 Basic, 1 Intermediate, 2 Advanced
    std::int16_t AromaCurrent = 0;     // the oil shown while browsing
    std::int16_t AromaIrritantPos = 0; // position in IrritantOils while browsing them
    std::optional<Quiz::Session> Test; // the test running or last finished

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

    // Starts a test of kind AromaChoice and AromaLevel's length.
    void StartTest(Quiz::Uniform uniform = Quiz::ProgramUniform());
};
