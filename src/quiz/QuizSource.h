#pragma once

#include "QuizDraw.h"
#include "toolkit/ReviewItem.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

namespace Quiz {

// How the questions of one kind of test are laid out.
struct Layout {
    int choices = 0;  // the most choices a question offers
    int toChoose = 1; // correct choices per question; the learner picks as many
};

// What counts as right for one item.
struct Key {
    // The texts that may stand on the question as its correct choices; the
    // question offers Layout::toChoose of them (fewer when there are fewer).
    QStringList offered;
    // The chance of each offered text being the one shown; empty for even chances.
    std::vector<double> weights;
    // Further texts that also name the item rightly. They never stand on a
    // question as a wrong choice.
    QStringList accepted;
};

// What a module gives the engine for one kind of test: its items, how an item
// becomes a question, where wrong choices come from, and how the item is named
// in the record and shown in the review. Items and wrong-choice candidates are
// numbers the source gives meaning to. A source holds no state of a running
// test, so one source can serve many sessions; it may cache what it reads.
// An item as a practice finds it: the number the source gives it and its
// name in the progress record.
struct NamedItem {
    int item = -1;
    QString name;
};

class Source {
public:
    virtual ~Source() = default;

    virtual Layout QuestionLayout() const = 0;

    // The items a test draws its questions from, and their chances.
    virtual Pool Items() = 0;
    // Whether `item` may be asked after the items already `asked` in this test
    // (an item is never asked twice in any case).
    virtual bool MayAsk(int item, const std::vector<int> &asked);

    // What the question shows: a text and an optional picture (image-file
    // bytes), read only when a screen shows it.
    virtual QString Subject(int item) = 0;
    virtual QByteArray Picture(int item);
    // Whether the question shows its subject text; a question that asks the
    // learner to name what a picture shows hides it.
    virtual bool SubjectShown() const;

    virtual Key KeyOf(int item) = 0;

    // Where the wrong choices of a question on `item` are drawn from, and the
    // text of each candidate (an empty text is never offered).
    virtual Pool WrongChoices(int item) = 0;
    virtual QString WrongChoiceText(int item, int candidate) = 0;

    // A text as the learner reads it on a choice. Choices that read alike are
    // one choice, so a question never shows two of them.
    virtual QString Shown(const QString &text) const;

    // The item's name in the progress record and the result.
    virtual QString ItemName(int item) = 0;
    // The correct answer the result names for a question, given the correct
    // choices as they stood on it (joined by ", " unless the source says otherwise).
    virtual QString CorrectText(int item, const QStringList &correctChoices);
    // The item as its learn screen shows it: title, body and picture.
    virtual ReviewItem ReviewOf(int item) = 0;

    // Every item a test may ask, named as the record names it: by default
    // each item the draw can give (a chance above 0) that may be asked first.
    virtual std::vector<NamedItem> NamedItems();
};

} // namespace Quiz
