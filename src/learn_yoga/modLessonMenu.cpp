#include "modLessonMenu.h"

#include <QtGlobal>

namespace LearnYoga {

namespace {
// The margin the sizing rules keep below the display window, in pixels (2000 twips).
constexpr int kBottomMargin = 2000 / 15;
// A view smaller than this is of no use for reading; the rules never go below it
// while the document area is larger.
constexpr int kSmallestWidth = 200;
constexpr int kSmallestHeight = 120;

int fit(int wanted, int smallest, int available)
{
    if (available <= 0)
        return qMax(wanted, smallest);
    return qBound(qMin(smallest, available), wanted, available);
}
} // namespace

bool IsBrowsingSection(int section) { return section >= 2 && section <= 4; }

int LessonCount(int section)
{
    switch (section) {
    case 1:
        return 6; // Command11 to Command16
    case 5:
        return 5; // Command51 to Command55
    case 6:
        return 6; // Command61 to Command66
    case 7:
        return 4; // Command71 to Command74
    default:
        return 0;
    }
}

int PanelHeight(int section) { return LessonCount(section) * kLessonButtonHeight; }

LessonMenu::LessonMenu() { collapse(0); }

void LessonMenu::Click(int section)
{
    if (section < 1 || section > SectionCount)
        return;
    const bool wasOpen = open_[index(section)];
    open_.fill(false);
    const int keep = IsBrowsingSection(section) ? section : 0;
    collapse(keep);
    if (wasOpen)
        return;
    open_[index(section)] = true;
    panelVisible_[index(section)] = true;
    stack(section);
}

// Hides the panels (a browsing section's own panel stays shown) and puts the
// section buttons one under the other from the top.
void LessonMenu::collapse(int keepBrowsingPanel)
{
    for (int s = 1; s <= SectionCount; ++s) {
        panelVisible_[index(s)] = s == keepBrowsingPanel;
        buttonTop_[index(s)] = (s - 1) * kSectionButtonHeight;
    }
}

// Puts a lesson section's panel under its button and moves the later buttons
// below the panel. A browsing section's panel lies in the browsing strip, so
// its later buttons simply follow one another.
void LessonMenu::stack(int section)
{
    int top = buttonTop_[index(section)] + kSectionButtonHeight;
    if (!IsBrowsingSection(section)) {
        panelTop_[index(section)] = top;
        top += PanelHeight(section);
    }
    for (int s = section + 1; s <= SectionCount; ++s) {
        buttonTop_[index(s)] = top;
        top += kSectionButtonHeight;
    }
}

QSize DisplaySize(const StripSizes &sizes, Sizing sizing)
{
    // The width always ends as the display window's own rule sets it: a
    // section click sets another width first, which the rule puts back.
    const int width = sizes.screen.width() - sizes.picLeftWidth;
    int height = 0;
    switch (sizing) {
    case Sizing::Opening:
        height = sizes.screen.height() - sizes.picTopHeight - sizes.picTop1Height - kBottomMargin;
        break;
    case Sizing::LessonSection:
    case Sizing::BrowsingSection:
        height = sizes.mainWindow.height() - sizes.picTopMainHeight - sizes.picTopHeight -
                 (sizing == Sizing::BrowsingSection ? sizes.picTop1Height : 0) - kBottomMargin;
        break;
    }
    return QSize(fit(width, kSmallestWidth, sizes.documentArea.width()),
                 fit(height, kSmallestHeight, sizes.documentArea.height()));
}

} // namespace LearnYoga
