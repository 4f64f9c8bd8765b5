#pragma once

#include "LessonContent.h"
#include "toolkit/modRTB.h"

#include <QString>

#include <vector>

class QTextEdit;

// The Learn Yoga pages as sequences of writer steps (empty the view, set a
// format switch, append text), built without a window and then played into
// the display view. The view keeps its current format from step to step, so
// a page is exactly the order in which the switches are set and the text is
// appended.
namespace LearnYoga {

struct WriterStep {
    enum class Kind { Empty, Bold, Underline, Colour, Size, Alignment, Append };
    Kind kind = Kind::Append;
    int value = 0; // on/off, palette index, point size or RTB::Alignment
    QString text;  // for Append
};

class PageScript {
public:
    PageScript &Empty() { return add(WriterStep::Kind::Empty, 0); }
    PageScript &Bold(bool on) { return add(WriterStep::Kind::Bold, on); }
    PageScript &Underline(bool on) { return add(WriterStep::Kind::Underline, on); }
    PageScript &Colour(int paletteIndex) { return add(WriterStep::Kind::Colour, paletteIndex); }
    PageScript &Size(int points) { return add(WriterStep::Kind::Size, points); }
    PageScript &Align(RTB::Alignment alignment) { return add(WriterStep::Kind::Alignment, int(alignment)); }
    PageScript &Append(const QString &text);

    const std::vector<WriterStep> &Steps() const { return steps_; }

private:
    PageScript &add(WriterStep::Kind kind, int value);
    std::vector<WriterStep> steps_;
};

// A stretch of text written in one format, as the view ends up holding it.
struct Run {
    QString text;
    bool bold = false;
    bool underline = false;
    int colour = 0;
    int size = 9;
    RTB::Alignment alignment = RTB::Alignment::Left;
    bool operator==(const Run &) const = default;
};

// What a view that starts empty in the display's default format (Verdana 9,
// regular, black, left) holds after the script: the text in runs of one
// format, neighbours of the same format joined.
std::vector<Run> RunsOf(const PageScript &script);

// Plays the script into the view with the rich-text writer.
void WritePage(QTextEdit *view, const PageScript &script);

// The page of a lesson (or the introduction): title bold magenta 14 point
// centred, then the body in its layout (plain, sectioned, emphasised). Blocks
// are separated by an empty line. emptyFirst empties the view first (every
// lesson; the introduction is written into a fresh window).
PageScript LessonPage(const LearnYogaContent::Page &page, bool emptyFirst);

// The line-break text used between blocks and after the title.
inline const QString kBlockBreak = QStringLiteral("\r\n\r\n");

} // namespace LearnYoga
