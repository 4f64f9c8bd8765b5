#pragma once

#include "modDreamDB.h"

#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

// One question as the question screens show it.
struct DreamQuestion {
    QString question; // Test By Keyword: the keyword; Test By Interpretation: the interpretation
    // The five option texts in slot order; a slot no symbol could be drawn
    // for (a table with fewer than two rows) holds nothing and is not offered.
    std::array<std::optional<QString>, 5> options;
    int correctSlot = 0;
    QString progress; // "Question 3 of 12"
};

// One answered question of a test, as the report lists it.
struct DreamReportLine {
    QString symbol;  // the symbol's keyword, whichever way it was asked
    QString answer;  // the text chosen
    QString correct; // the right text
    bool right = false;
};

struct DreamReport {
    QString title; // "Vessa Learn Dream Interpretation Result"
    QString body;  // the question blocks and the score line, CR LF line ends
    int correct = 0;
    int questions = 0;
    std::vector<DreamReportLine> lines;
    bool byKeyword = false; // the kind of test
    QStringList letters;    // the letters it was drawn from
};

enum class DreamLearnStep { Moved, AtFirst, AtLast };

// The state of one Learn Dream Interpretation window and the work of its
// screens that needs no widgets: the learn list and its navigation, the
// drawing of test questions, the set-up of each question, the answers and the
// report. The window owns one; tests drive it directly.
class DreamSession {
public:
    // Questions a test has for the chosen letters: 5 per letter, 2 for Q, X, Y and Z.
    static int NominalQuestionCount(const QStringList &letters);
    // Questions drawn per letter at most.
    static constexpr int LetterLimit = 5;

    // `databasePath` defaults to keywords.dll in the program folder.
    explicit DreamSession(QString databasePath = DreamDatabase::ProgramDatabasePath());

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
    // Sets the question count and draws the questions' positions for
    // DreamLetters. When the table cannot give every letter its share, the
    // test has as many questions as can be drawn (possibly none); no draw
    // repeats without end. Returns the number of questions.
    int DrawDreamQuestions();
    // Sets up question DreamPosition: draws the correct slot and the other
    // options. The question is kept for RecordAnswer.
    DreamQuestion AskQuestion();
    // Stores the text of the chosen option of the current question and moves
    // to the next; true when that was the last question.
    bool RecordAnswer(int slot);
    // The symbol asked in question i of the running test, read afresh;
    // nothing when it cannot be read.
    std::optional<DreamSymbol> QuestionSymbol(int i);
    // The result of the test; ends the test (empties the letters, the learn
    // list and the test lists).
    DreamReport BuildDreamReport();

    // Window state
    bool DreamLearnMode = false;
    QStringList DreamLetters;
    QStringList LearnList;
    int DreamPosition = 0;

    // Test state
    bool DreamTestByKeyword = false;
    int DreamQuestionCount = 0;
    std::vector<int> DreamQuestionRows;
    std::vector<int> DreamLetterCounts;
    QStringList DreamAnswers;

    DreamDatabase Data;

private:
    void openDatabase();
    // Position draw of the tests: r * (rows - 1) rounded to the nearest whole
    // number, halves to even.
    static int drawPosition(int rows);
    bool tryQuestionPosition(int position, const std::vector<DreamLetterRange> &ranges);
    bool firstFreePosition(const std::vector<DreamLetterRange> &ranges);

    QString databasePath_;
    DreamQuestion current_;
};
