#include "PalmProgress.h"

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

Progress::TestRecord PalmProgressRecord(PalmTestKind kind, const PalmResult &result) {
    Progress::TestRecord test;
    test.module = QStringLiteral("Learn Palmistry");
    test.kind = PalmTestKindCaption(kind);
    test.takenAt = QDateTime::currentDateTime();
    test.score = result.correctCount;
    test.questionCount = int(result.lines.size());
    for (const PalmResultLine &line : result.lines)
        test.answers.append({line.title, line.answer, line.correct, line.right});
    return test;
}
