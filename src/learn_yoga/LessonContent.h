#pragma once

#include <array>
#include <initializer_list>

// The wording of the Learn Yoga pages (content/Lessons.cpp). A page
// is a title and a body of blocks: paragraphs, "* " items or "1. " numbered
// items and steps, each block carrying its own marker. A body may open with an
// emphasised line or paragraph and may be divided into headed sections. The
// page writer puts an empty line between blocks and formats each part.
namespace LearnYogaContent {

struct Section {
    const char *heading;                        // written bold magenta, e.g. "Procedure"
    int breaksAfterHeading;                     // line breaks between heading and first block: 1 or 2
    std::initializer_list<const char *> blocks; // the section's blocks, in order
};

struct Page {
    const char *button;                         // "Command11" ...; "" for the introduction
    const char *title;                          // as the button caption stores it ("&&" stays doubled)
    const char *emphasis;                       // bold underlined green opening text, or nullptr
    std::initializer_list<const char *> intro;  // blocks before the first section (may be empty)
    std::initializer_list<Section> sections;    // may be empty
    bool endsWithBreak;                         // the page ends with one line break
};

extern const Page kIntroduction;
// In button order: Command11-16, Command51-55, Command61-66, Command71-74.
extern const std::array<Page, 21> kLessons;

} // namespace LearnYogaContent
