#pragma once

#include <array>

// The yoga postures described in the suite, one table for every module that
// shows them (content/AsanaCatalogue.cpp). Plain ASCII texts; numbered
// steps and items start "1. ", "2. " ... and are separated by CR LF, with no
// line break after the last one.
namespace AsanaCatalogue {

struct Asana {
    const char *name;              // "Anjali Mudra", the key the catalogue is searched by
    const char *englishName;       // "Salutation Seal"
    const char *picture;           // picture base name, e.g. "01 Anjali Mudra"
    const char *description;       // one paragraph
    const char *procedure;         // numbered steps
    const char *benefits;          // numbered items or one paragraph
    const char *contraindications; // numbered items, one paragraph, or "" when none
};

constexpr int Count = 32;
extern const std::array<Asana, Count> kAsanas; // catalogue order, numbers 0 to 31

} // namespace AsanaCatalogue
