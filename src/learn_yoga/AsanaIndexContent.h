#pragma once

#include <array>
#include <initializer_list>

// The two indexes of the asana catalogue (content/AsanaIndexes.cpp):
// body parts and therapeutic applications, each with the catalogue numbers
// (0 to 31) of its asanas in ascending order.
namespace LearnYogaContent {

struct AsanaIndexEntry {
    const char *label;                   // "Abdomen", "Anxiety", ...
    std::initializer_list<int> records;  // catalogue numbers, ascending
};

extern const std::array<AsanaIndexEntry, 36> kBodyParts;    // in list order
extern const std::array<AsanaIndexEntry, 31> kApplications; // in list order (not strictly alphabetical)

} // namespace LearnYogaContent
