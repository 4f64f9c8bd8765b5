#include "modCardTest.h"

#include "toolkit/AppInfo.h"

#include <algorithm>

namespace {

const QString kCrLf = QStringLiteral("\r\n");
constexpr int kNameWidth = 36;

} // namespace

LevelRule RuleForLevel(CardTestLevel level) {
    switch (level) {
    case CardTestLevel::Beginner:
        return {1, 2, 5, 1};
    case CardTestLevel::Intermediate:
        return {0, 2, 7, 3};
    case CardTestLevel::Advanced:
        break;
    }
    return {0, 3, 10, 5};
}

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

QString KeywordInstruction(int toChoose) {
    return QStringLiteral("You must choose ") + QString::number(toChoose) +
           (toChoose == 1 ? QStringLiteral(" keyword") : QStringLiteral(" keywords"));
}

QString TooManyKeywordsMessage(int toChoose) {
    return QStringLiteral("You can select only ") + QString::number(toChoose) +
           QStringLiteral(" keywords.") + kCrLf +
           QStringLiteral("Please unselect one before selecting another keyword");
}

std::vector<CardFace> ReadCardFaces(Db::RecordSet &cards) {
    std::vector<CardFace> faces;
    cards.SetFilter(QString());
    for (cards.MoveFirst(); cards.IsValid() && !cards.IsEOF(); cards.MoveNext())
        faces.push_back({cards.Int(QStringLiteral("Id")), cards.Text(QStringLiteral("Name")),
                         cards.Text(QStringLiteral("NormalMeaning"))});
    cards.MoveFirst();
    return faces;
}

// ---- CardQuizSource --------------------------------------------------------------

CardQuizSource::CardQuizSource(std::shared_ptr<Db::Database> db, std::vector<CardFace> selection,
                               CardTestType type, CardTestLevel level)
    : db_(std::move(db)), cards_(std::move(selection)), type_(type), level_(level) {}

Quiz::Layout CardQuizSource::QuestionLayout() const {
    const LevelRule rule = RuleForLevel(level_);
    if (type_ == CardTestType::Description)
        return {rule.optionHigh - rule.optionLow + 1, 1};
    return {rule.keywordBoxCount, rule.keywordsToChoose};
}

Quiz::Pool CardQuizSource::Items() {
    return Quiz::Pool::Even(CardCount());
}

QString CardQuizSource::Subject(int item) {
    return Card(item).name;
}

QByteArray CardQuizSource::Picture(int item) {
    Db::RecordSet card = Db::RecordSet::Open(
        db_, QStringLiteral("SELECT * FROM tblCards WHERE ID=") + QString::number(Card(item).id));
    return card.IsValid() && !card.IsEOF() ? card.Bytes(QStringLiteral("PictureData"))
                                           : QByteArray();
}

Quiz::Key CardQuizSource::KeyOf(int item) {
    if (type_ == CardTestType::Description)
        return {{Card(item).meaning}, {}, {}};
    return {ownKeywords(item), {}, {}};
}

Quiz::Pool CardQuizSource::WrongChoices(int item) {
    if (type_ == CardTestType::Description)
        return Quiz::Pool::Even(CardCount());
    return Quiz::Pool::Even(otherKeywords(item).Count());
}

QString CardQuizSource::WrongChoiceText(int item, int candidate) {
    if (type_ == CardTestType::Description)
        return Card(candidate).meaning;
    const qint64 key = (qint64(Card(item).id) << 32) | quint32(candidate);
    auto it = otherAt_.find(key);
    if (it == otherAt_.end())
        it = otherAt_.insert(key, otherKeywords(item).At(candidate + 1));
    return *it;
}

QString CardQuizSource::ItemName(int item) {
    return Card(item).name;
}

ReviewItem CardQuizSource::ReviewOf(int item)
{
    // As the Memorize Cards tab shows the card: picture, meanings, first five keywords.
    Db::RecordSet card = Db::RecordSet::Open(
        db_, QStringLiteral("SELECT * FROM tblCards WHERE ID=") + QString::number(Card(item).id));
    const bool read = card.IsValid() && !card.IsEOF();
    ReviewItem review;
    review.title = Card(item).name;
    review.picture = read ? card.Bytes(QStringLiteral("PictureData")) : QByteArray();
    review.body = ReviewBody({
        {QStringLiteral("Card Meaning :"), Card(item).meaning},
        {QStringLiteral("Reversed Meaning :"),
         read ? card.Text(QStringLiteral("ReversedMeaning")) : QString()},
        {QStringLiteral("Keywords (same for both)"),
         ownKeywords(item).mid(0, 5).join(QStringLiteral(", "))},
    });
    return review;
}

const QStringList &CardQuizSource::ownKeywords(int item) {
    const int id = Card(item).id;
    auto it = own_.find(id);
    if (it == own_.end()) {
        QStringList keywords;
        Db::RecordSet set = Db::RecordSet::Open(db_, CardKeywordsQuery(id));
        for (set.MoveFirst(); set.IsValid() && !set.IsEOF(); set.MoveNext())
            keywords << set.Text(QStringLiteral("keyword"));
        it = own_.insert(id, keywords);
    }
    return *it;
}

OtherKeywords &CardQuizSource::otherKeywords(int item) {
    const int id = Card(item).id;
    auto it = others_.find(id);
    if (it == others_.end())
        it = others_.emplace(id, OtherKeywords(db_, id)).first;
    return it->second;
}

Quiz::Session StartCardTest(std::shared_ptr<Db::Database> db, std::vector<CardFace> selection,
                            CardTestType type, CardTestLevel level, Quiz::Uniform uniform) {
    const int count = int(selection.size());
    return Quiz::Session(
        std::make_shared<CardQuizSource>(std::move(db), std::move(selection), type, level),
        {QStringLiteral("Learn Cartomancy"), CardTestTypeCaption(type),
         CardTestLevelCaption(level)},
        count, std::move(uniform));
}

// ---- The report ------------------------------------------------------------------

QString ReportTitle() {
    return QStringLiteral("Test Report For ") + AppInfo::ApplicationTitle();
}

TestReport FormatTestReport(CardTestType type, const std::vector<ReportRow> &rows, int cardCount,
                            int total) {
    const QString title = ReportTitle();
    QString text = title + kCrLf + QString(title.size(), u'-') + kCrLf;
    int possible = 0;
    for (size_t i = 0; i < rows.size(); ++i) {
        const ReportRow &row = rows[i];
        possible += row.outOf;
        // A name as long as the column or longer still gets one blank before the result.
        const int blanks = std::max<int>(kNameWidth - int(row.name.size()), 1);
        QString result;
        if (type == CardTestType::Description)
            result = row.score != 0 ? QStringLiteral("Correct") : QStringLiteral("Wrong");
        else
            result = QString::number(row.score) + QStringLiteral(" Out Of ") +
                     QString::number(row.outOf) + QStringLiteral(" Correct");
        text += kCrLf + QStringLiteral("%1").arg(i + 1, 2, 10, QLatin1Char('0')) +
                QStringLiteral(". ") + QString(5, u' ') + row.name + QString(blanks, u' ') + result;
    }
    text += kCrLf + QString(64, u'_') + kCrLf;

    TestReport report;
    if (type == CardTestType::Description)
        report.summary = QString::number(total) + QStringLiteral(" out of ") +
                         QString::number(cardCount) + QStringLiteral(" questions correct");
    else
        report.summary = QString::number(total) + u'/' + QString::number(possible) +
                         QStringLiteral(" choice(s) from ") + QString::number(cardCount) +
                         QStringLiteral(" questions were correct");
    report.text = text + report.summary;
    return report;
}

TestReport BuildTestReport(CardTestType type, const Quiz::Result &result, int cardCount) {
    std::vector<ReportRow> rows;
    for (const Quiz::Answered &question : result.questions)
        rows.push_back({question.name, question.score, question.outOf});
    return FormatTestReport(type, rows, cardCount, result.Score());
}
