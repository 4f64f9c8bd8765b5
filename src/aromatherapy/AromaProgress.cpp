#include "AromaProgress.h"

Progress::TestRecord AromaProgressRecord(const AromaResult &result, const QString &kind,
                                         const QString &level) {
    Progress::TestRecord test;
    test.module = QStringLiteral("Learn Aromatherapy");
    test.kind = kind;
    test.level = level;
    test.takenAt = QDateTime::currentDateTime();
    test.score = result.score;
    test.questionCount = result.count;
    for (const AromaResultLine &line : result.lines)
        test.answers.append({AromaLabelText(line.name), AromaLabelText(line.answer),
                             AromaLabelText(line.correct), line.scored});
    return test;
}
