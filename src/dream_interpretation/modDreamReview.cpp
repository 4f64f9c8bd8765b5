#include "modDreamReview.h"

ReviewItems DreamMissedItems(DreamSession &session)
{
    ReviewItems items;
    const int answered = std::min<int>(session.DreamAnswers.size(), session.DreamQuestionCount);
    for (int i = 0; i < answered; ++i) {
        const DreamSymbol symbol = session.QuestionSymbol(i).value_or(DreamSymbol{});
        const QString correct = session.DreamTestByKeyword ? symbol.description : symbol.keyword;
        const QString &given = session.DreamAnswers[i];
        if (given == correct)
            continue;
        ReviewItem item;
        item.title = symbol.keyword;
        item.body = ReviewBody({{QString(), symbol.description}});
        item.given = given;
        item.correct = correct;
        items << item;
    }
    return items;
}
