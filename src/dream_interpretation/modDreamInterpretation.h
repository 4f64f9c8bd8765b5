#pragma once

#include "modDreamDB.h"
#include "quiz/QuizSession.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// The result of a test as the results screen shows it.
struct DreamReport {
    QString title; // "Vessa Learn Dream Interpretation Result"
    QString body;  // the question blocks and the score line, CR LF line ends
    int correct = 0;
    int questions = 0;
};

enum class DreamLearnStep { Moved, AtFirst, AtLast };

// "Test By Keyword" or "Test By Interpretation", as the test is recorded.
QString DreamTestKindCaption(bool byKeyword);

// The symbols of the chosen letters as the test engine asks about them
// (DrawDreamQuestions, AskByKeyword, AskByInterpretation):
// - a question's symbol is drawn from the table read in keyword order, each
//   position r * (rows - 1) rounded to the nearest whole number (so the first
//   and last positions come up half as often), accepted when its keyword
//   starts with a chosen letter exactly and that letter has fewer than five
//   questions;
// - Test By Keyword shows the keyword and offers five interpretations, Test
//   By Interpretation shows the interpretation and offers five keywords; the
//   wrong ones are drawn from the whole table the same way.
// Symbols are read as they are needed and kept, never the whole table.
class DreamQuizSource : public Quiz::Source {
public:
    DreamQuizSource(const QString &databasePath, QStringList letters, bool byKeyword);

    // Questions a test of these letters has: 5 per letter, 2 for Q, X, Y and
    // Z, but no more than the table holds for each letter.
    int QuestionCount() const { return questionCount_; }
    // The position in keyword order of an item.
    int Position(int item) const { return positions_[size_t(item)]; }

    Quiz::Layout QuestionLayout() const override { return {5, 1}; }
    Quiz::Pool Items() override;
    bool MayAsk(int item, const std::vector<int> &asked) override;
    QString Subject(int item) override;
    Quiz::Key KeyOf(int item) override;
    Quiz::Pool WrongChoices(int item) override;
    QString WrongChoiceText(int item, int candidate) override;
    QString ItemName(int item) override;
    // The symbol as the learn screen shows it: its keyword and interpretation.
    ReviewItem ReviewOf(int item) override;
    std::vector<Quiz::NamedItem> NamedItems() override;

private:
    DreamSymbol symbolAt(int position);
    QString questionText(const DreamSymbol &symbol) const;
    QString answerText(const DreamSymbol &symbol) const;

    DreamDatabase data_;
    bool byKeyword_ = false;
    int rows_ = 0;
    int questionCount_ = 0;
    std::vector<DreamLetterRange> ranges_;
    std::vector<int> positions_; // item -> position in keyword order
    std::vector<int> letterOf_;  // item -> its range in ranges_
    QHash<int, DreamSymbol> symbols_;
};

// The state of one Learn Dream Interpretation window and the work of its
// screens that needs no widgets: the learn list and its navigation, the test
// and its report. The window owns one; tests drive it directly.
class DreamSession {
public:
    // Questions a test has for the chosen letters: 5 per letter, 2 for Q, X, Y and Z.
    static int NominalQuestionCount(const QStringList &letters);
    // Questions drawn per letter at most.
    static constexpr int LetterLimit = 5;

    // Reads the symbols from the database file at `databasePath`.
    explicit DreamSession(QString databasePath);

    // Learn mode ------------------------------------------------------------
    // Fills LearnList with the keywords starting with one of DreamLetters,
    // in keyword order.
    void BuildLearnList();
    // The symbol of LearnList(DreamPosition), looked up afresh; nothing when
    // the list is empty or the symbol cannot be read.
    std::optional<DreamSymbol> ShowLearnEntry();
    // Moves DreamPosition one entry on or back; at either end it stays.
    DreamLearnStep NextLearnEntry();
    DreamLearnStep PreviousLearnEntry();

    // Tests -----------------------------------------------------------------
    // Starts a test on DreamLetters. When the table cannot give every letter
    // its share, the test has as many questions as can be drawn (possibly
    // none). Returns the number of questions.
    int DrawDreamQuestions(Quiz::Uniform uniform = Quiz::ProgramUniform());
    // The current question of the running test.
    const Quiz::Question &AskQuestion();
    // Answers the current question with the option in `slot` and moves to the
    // next; true when that was the last question.
    bool RecordAnswer(int slot);
    // The report of the finished test; ends it (empties the letters and the
    // learn list; the test stays for the review).
    DreamReport BuildDreamReport();

    // Window state
    bool DreamLearnMode = false;
    QStringList DreamLetters;
    QStringList LearnList;
    int DreamPosition = 0; // learn mode: the entry shown; a test: the question

    // Test state
    bool DreamTestByKeyword = false;
    int DreamQuestionCount = 0;
    std::optional<Quiz::Session> Test;

    DreamDatabase Data;

private:
    void openDatabase();

    QString databasePath_;
};
