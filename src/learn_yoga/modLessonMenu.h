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

// Size of the display window: the whole document area, which lies below and
// beside the strips that are shown, so the page uses every line it has at any
// screen size (an area not laid out yet gives a small readable size).
QSize DisplaySize(const QSize &documentArea);

} // namespace LearnYoga
