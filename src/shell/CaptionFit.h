#pragma once

#include <QFontMetrics>
#include <QList>
#include <QString>

// Ways to make a caption take less width while a user can still read it:
// break it onto two lines, or shorten each line with an ellipsis.
namespace CaptionFit {

// The caption on two lines, broken at the space that leaves the longer line
// shortest. A caption without a space comes back unchanged.
QString WrapCaption(const QString &caption, const QFontMetrics &metrics);

// The width of the widest line of a caption (lines separated by '\n').
int WidestLine(const QString &caption, const QFontMetrics &metrics);

// Every line that is wider than maxWidth shortened at its end with an
// ellipsis; a line keeps at least its first character.
QString ShortenCaption(const QString &caption, const QFontMetrics &metrics, int maxWidth);

// The largest line width L such that the captions, each cut to at most L,
// take no more than `available` pixels together: the widest captions give
// way first and the narrow ones keep their full width. Returns 0 when even
// nothing would not fit (available < 0 or no captions).
int SharedLineWidth(const QList<int> &captionWidths, int available);

} // namespace CaptionFit
