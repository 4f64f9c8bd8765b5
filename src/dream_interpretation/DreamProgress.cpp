#include "DreamProgress.h"

Progress::TestRecord DreamProgressRecord(const DreamReport &report) {
    Progress::TestRecord test;
    test.module = QStringLiteral("Learn Dream Interpretation");
    test.kind = report.byKeyword ? QStringLiteral("Test By Keyword")
                                 : QStringLiteral("Test By Interpretation");
    test.level = report.letters.join(QStringLiteral(", "));
    test.takenAt = QDateTime::currentDateTime();
    test.score = report.correct;
    test.questionCount = report.questions;
    for (const DreamReportLine &line : report.lines)
        test.answers.append({line.symbol, line.answer, line.correct, line.right});
    return test;
}
