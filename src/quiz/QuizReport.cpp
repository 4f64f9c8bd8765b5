#include "QuizReport.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include <cmath>

namespace Quiz {

namespace {

void colourBlocks(QTextDocument *document, const QTextBlock &first, const QTextBlock &end)
{
    QTextCharFormat format;
    format.setForeground(WrongAnswerColour());
    QTextCursor cursor(document);
    cursor.setPosition(first.position());
    cursor.setPosition(end.isValid() ? end.position() - 1 : document->characterCount() - 1,
                       QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(format);
}

} // namespace

QString GlanceText(const Result &result)
{
    const int most = result.MaxScore();
    const int percent = most > 0 ? int(std::lround(100.0 * result.Score() / most)) : 0;
    return QStringLiteral("%1 of %2 correct, %3 %").arg(result.Score()).arg(most).arg(percent);
}

QLabel *MakeGlanceLabel(QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("lblScore"));
    QFont font = label->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setBold(true);
    label->setFont(font);
    return label;
}

QColor WrongAnswerColour() { return QColor(0xa0, 0x10, 0x10); }

void MarkWrongAnswers(QTextEdit *report, const Result &result, const QString &givenHeading,
                      const QString &correctHeading)
{
    QTextDocument *document = report->document();
    qsizetype question = 0;
    for (QTextBlock block = document->begin(); block.isValid() && question < result.Count();
         block = block.next()) {
        if (!block.text().startsWith(givenHeading))
            continue;
        QTextBlock end = block.next();
        while (end.isValid() && !end.text().startsWith(correctHeading))
            end = end.next();
        if (!result.questions[question].Right())
            colourBlocks(document, block, end);
        ++question;
    }
}

void MarkWrongLines(QPlainTextEdit *report, const Result &result, int firstLine)
{
    QTextDocument *document = report->document();
    for (qsizetype i = 0; i < result.Count(); ++i) {
        if (result.questions[i].Right())
            continue;
        const QTextBlock line = document->findBlockByNumber(firstLine + int(i));
        if (line.isValid())
            colourBlocks(document, line, line.next());
    }
}

} // namespace Quiz
