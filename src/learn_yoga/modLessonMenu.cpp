#include "modLessonMenu.h"


namespace LearnYoga {

namespace {
// A view smaller than this is of no use for reading.
constexpr int kSmallestWidth = 200;
constexpr int kSmallestHeight = 120;
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

QSize DisplaySize(const QSize &documentArea)
{
    // Never larger than the area, which would cut the page off; an area not
    // laid out yet gets a size the page can be read at.
    return QSize(documentArea.width() > 0 ? documentArea.width() : kSmallestWidth,
                 documentArea.height() > 0 ? documentArea.height() : kSmallestHeight);
}

} // namespace LearnYoga
