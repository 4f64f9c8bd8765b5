#pragma once

#include <array>

// The constant reading matter of Zodiac Yoga. The structure and keys live here;
// the wording is in content/. Every text is plain ASCII.
namespace ZodiacContent {

// One record per sun sign, in the order Aries to Pisces.
struct SignProfile {
    const char *name;                // "Aries" ... "Pisces"
    const char *element;             // "Fire", "Earth", "Air", "Water"
    const char *luckyNumber;
    const char *luckyColour;
    const char *luckyDay;
    const char *compatibility;       // two sign names joined by " and "
    const char *birthstone;
    const char *quality;             // "Cardinal", "Fixed", "Mutable"
    const char *famousPersonalities; // five to seven names separated by ", "
    const char *positiveTraits;      // 500-900 characters, second person
    const char *negativeTraits;      // 330-660 characters
    const char *bodyPartsRuled;
    const char *healthProblems;      // 170-500 characters
    const char *requiredDiet;        // 270-530 characters
    const char *dietToAvoid;         // 35-190 characters
    const char *dietAdvice;          // 70-150 characters
    const char *athletic;
    const char *endurance;
    const char *flexibility;
    const char *focus;
    const char *motivation;
    const char *routine;
    const char *teamWork;
    const char *variety;
    const char *fitnessAdvice;       // 350-560 characters
};

// One record per element, in the order Fire, Earth, Air, Water.
struct ConstitutionProfile {
    const char *element;
    const char *description;        // 220-350 characters
    const char *excessDescription;  // 165-315 characters
    const char *excessItemsToTake;  // one sentence listing foods
    const char *excessItemsToAvoid; // one sentence listing foods
    const char *excessRemedy;       // one sentence listing herbs or remedies
    const char *lowDescription;     // 185-330 characters
    const char *lowItemsToTake;
    const char *lowItemsToAvoid;    // may say that nothing needs avoiding
    const char *lowRemedy;
};

// One entry per asana, in the record order 1 to 14. The texts and the picture
// are those of the shared asana catalogue.
struct AsanaEntry {
    const char *title;         // shown as the asana's title, e.g. "Sarvangasana"
    const char *key;           // the label key, e.g. "Sarvaangaasanaa"
    int catalogue;             // number of the asana in the shared catalogue
    const char *reportHeading; // e.g. "Sarvaangaasanaa :-"
    int benefitItems;          // numbered benefits shown, from the first; 0 for all
    // The contraindications paragraph where the catalogue gives none; nullptr otherwise.
    const char *caution;
};

extern const std::array<SignProfile, 12> kSignProfiles;
extern const std::array<ConstitutionProfile, 4> kConstitutionProfiles;
extern const std::array<AsanaEntry, 14> kAsanas;
// The four introductory paragraphs of the asana page.
extern const std::array<const char *, 4> kAsanaIntroduction;

} // namespace ZodiacContent
