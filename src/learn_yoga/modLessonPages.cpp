#include "modLessonPages.h"

#include <QTextEdit>

namespace LearnYoga {

namespace {
constexpr int kPageColourTitle = 5;    // magenta
constexpr int kPageColourBody = 0;     // black
constexpr int kPageColourEmphasis = 2; // green
constexpr int kPageSize = 14;
} // namespace

PageScript &PageScript::add(WriterStep::Kind kind, int value)
{
    steps_.push_back(WriterStep{kind, value, QString()});
    return *this;
}

PageScript &PageScript::Append(const QString &text)
{
    steps_.push_back(WriterStep{WriterStep::Kind::Append, 0, text});
    return *this;
}

std::vector<Run> RunsOf(const PageScript &script)
{
    std::vector<Run> runs;
    Run current; // the view's current format; its text is unused
    for (const WriterStep &step : script.Steps()) {
        switch (step.kind) {
        case WriterStep::Kind::Empty:
            runs.clear();
            break;
        case WriterStep::Kind::Bold:
            current.bold = step.value != 0;
            break;
        case WriterStep::Kind::Underline:
            current.underline = step.value != 0;
            break;
        case WriterStep::Kind::Colour:
            current.colour = step.value;
            break;
        case WriterStep::Kind::Size:
            current.size = step.value;
            break;
        case WriterStep::Kind::Alignment:
            current.alignment = RTB::Alignment(step.value);
            break;
        case WriterStep::Kind::Append: {
            if (step.text.isEmpty())
                break;
            Run run = current;
            run.text = step.text;
            if (!runs.empty()) {
                Run &last = runs.back();
                Run lastFormat = last;
                lastFormat.text.clear();
                if (lastFormat == current) {
                    last.text += step.text;
                    break;
                }
            }
            runs.push_back(run);
            break;
        }
        }
    }
    return runs;
}

void WritePage(QTextEdit *view, const PageScript &script)
{
    for (const WriterStep &step : script.Steps()) {
        switch (step.kind) {
        case WriterStep::Kind::Empty:
            RTB::Empty(view);
            break;
        case WriterStep::Kind::Bold:
            RTB::SetBold(view, step.value != 0);
            break;
        case WriterStep::Kind::Underline:
            RTB::SetUnderline(view, step.value != 0);
            break;
        case WriterStep::Kind::Colour:
            RTB::SetColour(view, step.value);
            break;
        case WriterStep::Kind::Size:
            RTB::SetSize(view, step.value);
            break;
        case WriterStep::Kind::Alignment:
            RTB::SetAlignment(view, RTB::Alignment(step.value));
            break;
        case WriterStep::Kind::Append:
            RTB::Append(view, step.text);
            break;
        }
    }
}

PageScript LessonPage(const LearnYogaContent::Page &page, bool emptyFirst)
{
    PageScript script;
    if (emptyFirst)
        script.Empty();
    script.Bold(true).Colour(kPageColourTitle).Size(kPageSize).Align(RTB::Alignment::Centre);
    // Titles are stored as button captions, where "&&" stands for one "&";
    // the page shows that one "&".
    script.Append(QString::fromLatin1(page.title).replace(QStringLiteral("&&"), QStringLiteral("&")) +
                  kBlockBreak);
    script.Align(RTB::Alignment::Left).Bold(false).Colour(kPageColourBody);

    if (page.emphasis) {
        // The opening line or paragraph; the text after it stays green until
        // a section heading sets magenta.
        script.Bold(true).Underline(true).Colour(kPageColourEmphasis);
        script.Append(QString::fromLatin1(page.emphasis) + kBlockBreak);
        script.Underline(false).Bold(false);
    }

    // The body as a list of pieces; a block is followed by an empty line
    // unless it is the last piece, a heading by its own line breaks.
    struct Piece {
        const char *text;
        int headingBreaks; // 0 for a block
    };
    std::vector<Piece> pieces;
    for (const char *block : page.intro)
        pieces.push_back({block, 0});
    for (const LearnYogaContent::Section &section : page.sections) {
        pieces.push_back({section.heading, qMax(1, section.breaksAfterHeading)});
        for (const char *block : section.blocks)
            pieces.push_back({block, 0});
    }
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const Piece &piece = pieces[i];
        const bool last = i + 1 == pieces.size();
        if (piece.headingBreaks > 0) {
            script.Bold(true).Colour(kPageColourTitle);
            script.Append(QString::fromLatin1(piece.text) +
                          QStringLiteral("\r\n").repeated(piece.headingBreaks));
            script.Bold(false);
            continue;
        }
        QString text = QString::fromLatin1(piece.text);
        if (!last)
            text += kBlockBreak;
        else if (page.endsWithBreak)
            text += QStringLiteral("\r\n");
        script.Append(text);
    }
    return script;
}

} // namespace LearnYoga
