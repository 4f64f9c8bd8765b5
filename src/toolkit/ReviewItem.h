#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One question of a finished test that was answered wrongly, described the way
// its module's learn screen shows the item, together with the answer given and
// the correct one. Modules build these from their test logic; the review
// window only shows them.
struct ReviewItem {
    QString title;      // the item asked about
    QString body;       // what the learn screen tells about it, as rich text
    QByteArray picture; // the item's picture as image-file bytes (SVG too); empty for none
    QString given;      // the answer the user chose, as shown on the question screen
    QString correct;    // the correct answer
};

using ReviewItems = QList<ReviewItem>;

// Where a review stands: "3 of 7".
QString ReviewPositionText(int index, int count);

// Rich text for a list of headed paragraphs (heading, text), as learn screens
// lay out an item's fields; plain texts are escaped and their line breaks kept.
QString ReviewBody(const QList<std::pair<QString, QString>> &fields);
