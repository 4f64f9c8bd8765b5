#include "modPalmistryTest.h"

#include "modLearnPalmistry.h"
#include "shell/modHelp.h"
#include "shell/modRTB.h"
#include "shell/modRandom.h"

#include <algorithm>

namespace {

// Rejected draws allowed for one slot before the draw falls back to picking
// among the entries still allowed. With a working generator a slot needs more
// than a handful only with a vanishing chance (at most 17 of 22 values are
// ever rejected, so 1000 rejections in a row have a chance below 1e-100).
constexpr int kMaxRejectedDraws = 1000;

bool contains(const std::vector<std::int16_t> &list, int entry)
{
    return std::find(list.begin(), list.end(), entry) != list.end();
}

int clampDraw(int value, int n) { return std::clamp(value, 0, n - 1); }

} // namespace

bool PalmEntryTakesPartInTests(int entry)
{
    return entry >= 0 && entry < PalmDrawRange && !(entry >= 10 && entry <= 13);
}

int PalmClockDraw(int n)
{
    Random::SeedFromClock();
    return Random::DrawWhole(n);
}

std::vector<std::int16_t> DrawDistinctPalmEntries(int count, const PalmDraw &draw)
{
    std::vector<std::int16_t> list;
    list.reserve(std::size_t(std::max(count, 0)));
    for (int k = 0; k < count; ++k) {
        const auto allowed = [&list](int entry) {
            return PalmEntryTakesPartInTests(entry) && !contains(list, entry);
        };
        int entry = -1;
        for (int tries = 0; tries < kMaxRejectedDraws; ++tries) {
            const int drawn = clampDraw(draw(PalmDrawRange), PalmDrawRange);
            if (allowed(drawn)) {
                entry = drawn;
                break;
            }
        }
        if (entry < 0) {
            std::vector<int> left;
            for (int candidate = 0; candidate < PalmDrawRange; ++candidate)
                if (allowed(candidate))
                    left.push_back(candidate);
            if (left.empty())
                break; // more entries asked for than take part
            const int n = int(left.size());
            entry = left[std::size_t(clampDraw(draw(n), n))];
        }
        list.push_back(std::int16_t(entry));
    }
    return list;
}

QString PalmAnswerText(PalmTestKind kind, int entry)
{
    if (entry < 0 || entry >= PalmTableSlots)
        return QString();
    const PalmistryTables &tables = LoadPalmistryContent();
    const auto n = std::size_t(entry);
    switch (kind) {
    case PalmTestKind::Significance:
        return tables.PalmSignificance[n];
    case PalmTestKind::ShapeLocation:
        return tables.PalmShapeLocation[n];
    case PalmTestKind::Name:
        break;
    }
    return tables.PalmTitle[n];
}

PalmistryTest::PalmistryTest(PalmDraw draw) : draw_(std::move(draw)) {}

void PalmistryTest::Start(PalmTestKind kind)
{
    kind_ = kind;
    const std::vector<std::int16_t> questions = DrawDistinctPalmEntries(PalmQuestionCount, draw_);
    PalmTestQuestion.fill(0);
    std::copy(questions.begin(), questions.end(), PalmTestQuestion.begin());
    PalmTestAnswer.fill(QString());
    drawDistractors();
    PalmQuestionNumber = 0;
    drawCorrectPosition();
}

void PalmistryTest::drawDistractors()
{
    const std::vector<std::int16_t> drawn = DrawDistinctPalmEntries(PalmDistractorCount, draw_);
    Distractors.fill(0);
    std::copy(drawn.begin(), drawn.end(), Distractors.begin());
}

void PalmistryTest::drawCorrectPosition()
{
    CorrectPosition = clampDraw(draw_(PalmCorrectPositions), PalmCorrectPositions);
}

PalmQuestion PalmistryTest::CurrentQuestion() const
{
    PalmQuestion question;
    const int number = std::clamp(int(PalmQuestionNumber), 0, PalmQuestionCount - 1);
    const int entry = PalmTestQuestion[std::size_t(number)];
    question.number = number;
    question.entry = entry;
    question.title = LoadPalmistryContent().PalmTitle[std::size_t(entry)];
    question.titleVisible = kind_ != PalmTestKind::Name;
    question.picture = PalmPicturePath(entry);
    question.correctPosition = CorrectPosition;
    // The wrong answers are not compared with the asked entry, so its text may
    // also stand on one of the other buttons; either then counts as right.
    for (int i = 0; i < PalmAnswerButtons; ++i) {
        const int shown = i == CorrectPosition ? entry : Distractors[std::size_t(i)];
        question.answers[std::size_t(i)] = PalmAnswerText(kind_, shown);
    }
    return question;
}

bool PalmistryTest::Answer(int button)
{
    if (Finished() || button < 0 || button >= PalmAnswerButtons)
        return Finished();
    PalmTestAnswer[std::size_t(PalmQuestionNumber)] = CurrentQuestion().answers[std::size_t(button)];
    drawDistractors();
    ++PalmQuestionNumber;
    if (!Finished())
        drawCorrectPosition();
    return Finished();
}

PalmResult PalmistryTest::BuildResult()
{
    PalmResult result;
    const PalmistryTables &tables = LoadPalmistryContent();
    for (int k = 0; k < PalmQuestionCount; ++k) {
        const int entry = PalmTestQuestion[std::size_t(k)];
        PalmResultLine line;
        line.entry = entry;
        line.title = tables.PalmTitle[std::size_t(entry)];
        line.answer = PalmTestAnswer[std::size_t(k)];
        line.correct = PalmAnswerText(kind_, entry);
        line.right = line.answer == line.correct;
        if (line.right)
            ++result.correctCount;
        result.lines.push_back(line);
    }
    PalmTestQuestion.fill(0);
    PalmTestAnswer.fill(QString());
    PalmQuestionNumber = 0;
    return result;
}

QString PalmScoreText(int correctCount)
{
    return QString::number(correctCount) + QStringLiteral(" Correct out of 10 Questions");
}

void WritePalmResult(QTextEdit *view, const PalmResult &result)
{
    const QString crlf = QStringLiteral("\r\n");
    RTB::Empty(view);
    RTB::SetBold(view, false);
    for (const PalmResultLine &line : result.lines) {
        RTB::SetBold(view, true);
        RTB::Append(view, line.title + crlf);
        RTB::SetBold(view, false);
        RTB::Append(view, QStringLiteral("Your Answer:") + crlf);
        RTB::Append(view, line.answer + crlf);
        RTB::Append(view, QStringLiteral("Correct Choice: ") + crlf);
        RTB::Append(view, line.correct + crlf + crlf);
    }
    RTB::Append(view, PalmScoreText(result.correctCount));
}

QString PalmReportLine() { return QStringLiteral("Report Generated By ") + PublisherPages::SiteAddress(); }

QString PalmPrintText(const QString &resultPlainText)
{
    const QString crlf2 = QStringLiteral("\r\n\r\n");
    return PalmReportLine() + crlf2 + resultPlainText + crlf2 + PalmReportLine();
}
