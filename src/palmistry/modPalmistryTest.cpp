#include "modPalmistryTest.h"

#include "modLearnPalmistry.h"
#include "toolkit/modRTB.h"
#include "toolkit/modRandom.h"

#include <QFile>

bool PalmEntryTakesPartInTests(int entry) {
    return entry >= 0 && entry < PalmDrawRange && !(entry >= 10 && entry <= 13);
}

QString PalmTestKindCaption(PalmTestKind kind) {
    switch (kind) {
    case PalmTestKind::Name:
        return QStringLiteral("Test By Name of Line / Shape");
    case PalmTestKind::Significance:
        return QStringLiteral("Test By Significance");
    case PalmTestKind::ShapeLocation:
        break;
    }
    return QStringLiteral("Test By Location / Shape");
}

QString PalmAnswerText(PalmTestKind kind, int entry) {
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

double PalmClockUniform() {
    Random::SeedFromClock();
    return Random::Rnd();
}

// ---- PalmQuizSource --------------------------------------------------------------

Quiz::Pool PalmQuizSource::Items() {
    return Quiz::Pool::Even(PalmDrawRange);
}

bool PalmQuizSource::MayAsk(int entry, const std::vector<int> &) {
    return PalmEntryTakesPartInTests(entry);
}

QString PalmQuizSource::Subject(int entry) {
    return LoadPalmistryContent().PalmTitle[size_t(entry)];
}

QByteArray PalmQuizSource::Picture(int entry) {
    QFile picture(PalmEntryTexts(entry).picture);
    return picture.fileName().isEmpty() || !picture.open(QIODevice::ReadOnly) ? QByteArray() : picture.readAll();
}

Quiz::Key PalmQuizSource::KeyOf(int entry) {
    return {{PalmAnswerText(kind_, entry)}, {}, {}};
}

Quiz::Pool PalmQuizSource::WrongChoices(int) {
    return Quiz::Pool::Even(PalmDrawRange);
}

QString PalmQuizSource::WrongChoiceText(int, int candidate) {
    return PalmEntryTakesPartInTests(candidate) ? PalmAnswerText(kind_, candidate) : QString();
}

QString PalmQuizSource::ItemName(int entry) {
    return Subject(entry);
}

ReviewItem PalmQuizSource::ReviewOf(int entry) {
    const PalmEntryView view = PalmEntryTexts(entry);
    ReviewItem item;
    item.title = view.title;
    item.picture = Picture(entry);
    // The memorize screen's headings, in its order.
    item.body = ReviewBody({{QStringLiteral("Shape / Location"), view.shapeLocation},
                            {QStringLiteral("Significance"), view.significance}});
    return item;
}

Quiz::Session StartPalmTest(PalmTestKind kind, Quiz::Uniform uniform) {
    return Quiz::Session(std::make_shared<PalmQuizSource>(kind),
                         {QStringLiteral("Learn Palmistry"), PalmTestKindCaption(kind), QString()},
                         PalmQuestionCount, std::move(uniform));
}

// ---- The result list -------------------------------------------------------------

QString PalmScoreText(int correctCount) {
    return QString::number(correctCount) + QStringLiteral(" Correct out of 10 Questions");
}

void WritePalmResult(QTextEdit *view, const Quiz::Result &result) {
    const QString crlf = QStringLiteral("\r\n");
    RTB::Empty(view);
    RTB::SetBold(view, false);
    for (const Quiz::Answered &question : result.questions) {
        RTB::SetBold(view, true);
        RTB::Append(view, question.name + crlf);
        RTB::SetBold(view, false);
        RTB::Append(view, QStringLiteral("Your Answer:") + crlf);
        RTB::Append(view, question.given.value(0) + crlf);
        RTB::Append(view, QStringLiteral("Correct Choice: ") + crlf);
        RTB::Append(view, question.correct + crlf + crlf);
    }
    RTB::Append(view, PalmScoreText(result.Score()));
}
