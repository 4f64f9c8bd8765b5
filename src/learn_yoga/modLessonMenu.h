#pragma once

#include <QSize>

#include <array>

// The Learn Yoga lesson menu as an accordion of seven sections, and the
// sizing rules of the display window, without any window: the window side
// applies what these compute.
namespace LearnYoga {

constexpr int SectionCount = 7;

// Geometry of the menu, in twips (15 twips = 1 pixel).
constexpr int kSectionButtonWidth = 4000;
constexpr int kSectionButtonHeight = 375;
constexpr int kLessonButtonLeft = 240;
constexpr int kLessonButtonWidth = 3500;
constexpr int kLessonButtonHeight = 375;

// Sections are numbered 1 to 7: 1 "Information on Yoga", 2 to 4 the asana
// browsing sections, 5 "Meditation", 6 "Pranayam", 7 "Surya Namaskar".
bool IsBrowsingSection(int section);
// Lesson buttons on the panel of a lesson section (0 for a browsing section).
int LessonCount(int section);
// Height of a lesson section's panel: its buttons stacked.
int PanelHeight(int section);

// The accordion's state: one open flag per section (at most one set), the
// visibility of the seven panels and the Tops of the section buttons and the
// lesson panels.
class LessonMenu {
public:
    LessonMenu();

    // A click on the button of a section: closes the open section, or opens
    // this one and stacks the menu below its panel; clicking the open section
    // closes it. The caller then runs the section's first action.
    void Click(int section);

    bool IsOpen(int section) const { return open_[index(section)]; }
    bool PanelVisible(int section) const { return panelVisible_[index(section)]; }
    int ButtonTop(int section) const { return buttonTop_[index(section)]; }
    int PanelTop(int section) const { return panelTop_[index(section)]; }

private:
    static std::size_t index(int section) { return std::size_t(section - 1); }
    void collapse(int keepBrowsingPanel);
    void stack(int section);

    std::array<bool, SectionCount> open_{};
    std::array<bool, SectionCount> panelVisible_{};
    std::array<int, SectionCount> buttonTop_{};
    std::array<int, SectionCount> panelTop_{};
};

// What the sizing of the display window reads, in pixels.
struct StripSizes {
    QSize screen;       // the whole screen
    QSize mainWindow;   // the main window with its frame
    int picLeftWidth = 0;
    int picTopMainHeight = 0;
    int picTopHeight = 0;
    int picTop1Height = 0;
    QSize documentArea; // the visible part of the area that holds the display window
};

// Size of the display window; its view fills it.
enum class Sizing {
    Opening,        // the window's own resize rule
    LessonSection,  // after a click on section 1, 5, 6 or 7
    BrowsingSection // after a click on section 2, 3 or 4
};

// The display window's size by the rules: on opening, width = screen width -
// picLeft width and height = screen height - picTop - picTop1 - 2000 twips;
// after a section click the height is main window height - picTopMain -
// picTop - (browsing sections) picTop1 - 2000 twips. A size that would leave
// the document area or be too small to read is kept within the area, so the
// whole page can always be read and scrolled.
QSize DisplaySize(const StripSizes &sizes, Sizing sizing);

} // namespace LearnYoga
