#include "modCardReview.h"

#include "modLearnCartomancyDB.h"

QString CardKeywordList(const CartomancyGlobals &globals, int cardId)
{
    Db::RecordSet keywords = OpenCardRecordset(globals, CardKeywordsQuery(cardId));
    QStringList list;
    for (int i = 0; i < 5 && keywords.IsValid() && !keywords.IsEOF(); ++i) {
        list << keywords.Text(QStringLiteral("keyword"));
        keywords.MoveNext();
    }
    return list.join(QStringLiteral(", "));
}

ReviewItems CardMissedItems(const CardTest &test, const CartomancyGlobals &globals)
{
    ReviewItems items;
    const size_t answered = test.TestScores.size();
    for (size_t i = 0; i < answered; ++i) {
        const int outOf = i < test.TestOutOf.size() ? test.TestOutOf[i] : 1;
        if (test.TestScores[i] >= outOf)
            continue;
        const int id = i < test.TestAskedIds.size() ? test.TestAskedIds[i] : 0;
        Db::RecordSet card = OpenCardRecordset(
            globals, QStringLiteral("SELECT * FROM tblCards WHERE ID=") + QString::number(id));
        ReviewItem item;
        if (card.IsValid() && !card.IsEOF()) {
            item.title = card.Text(QStringLiteral("Name"));
            item.picture = card.Bytes(QStringLiteral("PictureData"));
            item.body = ReviewBody({
                {QStringLiteral("Card Meaning :"), card.Text(QStringLiteral("NormalMeaning"))},
                {QStringLiteral("Keywords (same for both)"), CardKeywordList(globals, id)},
            });
        }
        item.given = i < test.TestGiven.size() ? test.TestGiven[i] : QString();
        item.correct = i < test.TestCorrect.size() ? test.TestCorrect[i] : QString();
        items << item;
    }
    return items;
}
