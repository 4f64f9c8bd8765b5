#pragma once

#include <array>
#include <cstdint>

// The constant reading matter of Learn Aromatherapy. The structure lives here;
// the wording is in content/. Every text is plain ASCII.
namespace OilContent {

// One record per oil, in oil-number order 0 to 51. Properties fill their
// slots from the first one upward; unused slots stay null and read as empty.
struct OilRecord {
    const char *name;
    const char *planet;  // one of kPlanets
    const char *sign;    // one of kSigns
    const char *element; // one of kElements
    const char *gender;  // "Male" or "Female"
    std::array<const char *, 3> magical;
    std::array<const char *, 6> therapeutic;
};

extern const std::array<OilRecord, 52> kOils;

// Oil numbers of the oils that may irritate the skin, in browsing order.
extern const std::array<std::int16_t, 14> kIrritantOils;

// The wrong-answer candidates of the planet, sign and element tests, in list order.
extern const std::array<const char *, 10> kPlanets;
extern const std::array<const char *, 12> kSigns;
extern const std::array<const char *, 4> kElements;

} // namespace OilContent
