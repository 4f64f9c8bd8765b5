#include "CardProgress.h"

#include "modLearnCartomancyDB.h"

#include <QHash>

QString CardTestTypeCaption(CardTestType type) {
    return type == CardTestType::Description ? QStringLiteral("Description")
                                             : QStringLiteral("Keywords");
}

QString CardTestLevelCaption(CardTestLevel level) {
    switch (level) {
    case CardTestLevel::Beginner:
        return QStringLiteral("Beginner");
    case CardTestLevel::Intermediate:
        return QStringLiteral("Intermediate");
    case CardTestLevel::Advanced:
        break;
    }
    return QStringLiteral("Advanced");
}

Progress::TestRecord CardProgressRecord(const CardTest &test,
                                        const std::shared_ptr<Db::Database> &db) {
    QHash<int, QString> names;
    Db::RecordSet all = Db::RecordSet::Open(db, AllCardsQuery());
    for (all.MoveFirst(); !all.IsEOF(); all.MoveNext()) {
        const int id = all.Int(QStringLiteral("Id"));
        if (!names.contains(id))
            names.insert(id, all.Text(QStringLiteral("Name")));
    }
    Progress::TestRecord record;
    record.module = QStringLiteral("Learn Cartomancy");
    record.kind = CardTestTypeCaption(test.Type());
    record.level = CardTestLevelCaption(test.Level());
    record.takenAt = QDateTime::currentDateTime();
    record.score = test.TestTotal;
    record.questionCount = int(test.TestAskedIds.size());
    record.maxScore = 0;
    for (size_t i = 0; i < test.TestAskedIds.size(); ++i) {
        const int outOf = i < test.TestOutOf.size() ? test.TestOutOf[i] : 1;
        const int score = i < test.TestScores.size() ? test.TestScores[i] : 0;
        record.maxScore += outOf;
        record.answers.append({names.value(test.TestAskedIds[i]),
                               i < test.TestGiven.size() ? test.TestGiven[i] : QString(),
                               i < test.TestCorrect.size() ? test.TestCorrect[i] : QString(),
                               score >= outOf});
    }
    return record;
}
