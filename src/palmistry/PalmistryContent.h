#pragma once

#include <array>

// The wording of Learn Palmistry (content/PalmistryContent.cpp):
// 23 entries on hand shapes, finger shapes, nail shapes and palm lines.
namespace PalmistryContent {

struct Entry {
    const char *title;         // shown as the entry's heading
    const char *significance;  // what the feature says about the person
    const char *shapeLocation; // what it looks like or where the line runs
};

// Table order 0 to 22. Entry 2's significance holds two paragraphs joined by "\r\n".
extern const std::array<Entry, 23> kEntries;

// The shape/location text of the four nail entries (10 to 13).
constexpr const char *kNailShapeLocation = "Shape / Location is not available.";

} // namespace PalmistryContent
