#include "aromatherapy/OilContent.h"

// The 52 oils of the catalogue with their associations. Texts are kept
// exactly as the module shows them, spacing and capitals included:
// "Self -Confidence" and "Increases Self - Confidence" are distinct entries.
// "Mental && Physical Well Being" is stored with its ampersand doubled;
// labels show it as one ampersand.
namespace OilContent {

// Each record: name, planet, sign, element, gender, {magical}, {therapeutic}.
// clang-format off
const std::array<OilRecord, 52> kOils = {{
    // 0
    {"Amber", "Jupiter", "Libra", "Earth", "Female",
     {"Healing"},
     {"Healing"}},
    // 1
    {"Ambergris", "Venus", "Taurus", "Water", "Female",
     {"Arouses Emotion"},
     {"Aphrodisiac"}},
    // 2
    {"Apple", "Neptune", "Libra", "Water", "Female",
     {"Happiness"},
     {"Antidepressant", "Weight Loss"}},
    // 3
    {"Bay", "Sun", "Aries", "Fire", "Male",
     {"Clear Sight", "Energy"},
     {"Muscle Relaxant", "Aids Breathing", "Digestive", "Sedative"}},
    // 4
    {"Benzoin", "Mercury", "Gemini", "Fire", "Male",
     {"Clarity of Thought", "Relief of Guilt"},
     {"Stress Reducer", "Reduces Congestion", "Aids Breathing"}},
    // 5
    {"Bergamot", "Sun", "Sagittarius", "Fire", "Male",
     {"Increases Self - Confidence"},
     {"Tonic", "Stress Reducer", "Aids in Nervous Disorder"}},
    // 6
    {"Camphor", "Moon", "Cancer", "Water", "Female",
     {"Past Life Memories", "Calming Effect"},
     {"Reduces Congestion", "Aids Breathing"}},
    // 7
    {"Carnation", "Venus", "Aries", "Fire", "Female",
     {"Health", "Energy"},
     {"Boosts Energy", "Lifts Moods"}},
    // 8
    {"Cedarwood", "Jupiter", "Sagittarius", "Air", "Male",
     {"Cleansing", "Removes Confusion"},
     {"Relaxant", "Reduces Tension", "Good Sleep"}},
    // 9
    {"Cinnamon", "Sun", "Leo", "Fire", "Male",
     {"Courage", "Energy"},
     {"Pain Reliever", "Aphrodisiac", "Digestive", "Improves Loss of Appetite"}},
    // 10
    {"Civet", "Venus", "Taurus", "Earth", "Female",
     {"Female Sex Scent"},
     {"Aphrodisiac"}},
    // 11
    {"Citronella", "Sun", "Aries", "Fire", "Female",
     {"Cleansing", "Banishing"},
     {"Insect Repellant"}},
    // 12
    {"Clove", "Jupiter", "Sagittarius", "Fire", "Male",
     {"Courage", "Memory", "Focus"},
     {"Pain Reliever", "Aphrodisiac", "Digestive", "Improves Memory"}},
    // 13
    {"Cyclamen", "Venus", "Cancer", "Air", "Female",
     {"Love", "Peace"},
     {"Increases Metabolism"}},
    // 14
    {"Cypress", "Saturn", "Capricorn", "Water", "Female",
     {"Comfort"},
     {"Digestive", "Menstrual Problems", "Reduces Perspiration"}},
    // 15
    {"Eucalyptus", "Mercury", "Aquarius", "Air", "Male",
     {"Openness", "Health"},
     {"Reduces Fever", "Pain Reliever", "Reduces Congestion", "Aids Breathing"}},
    // 16
    {"Elderberry", "Venus", "Libra", "Water", "Female",
     {"Joy", "Arouses Emotions"},
     {"Antidepressant"}},
    // 17
    {"Frankincense", "Pluto", "Leo", "Fire", "Male",
     {"Spirituality", "Forgiveness of Past Mistakes"},
     {"Sedative", "Cough Suppressant"}},
    // 18
    {"Galangal", "Mars", "Scorpio", "Fire", "Male",
     {"Courage", "Energy"},
     {"Pain Reliever", "Digestive", "Tonic"}},
    // 19
    {"Gardenia", "Moon", "Libra", "Water", "Female",
     {"Love", "Peace", "Spirituality"},
     {"Lifts Moods"}},
    // 20
    {"Heliotrope", "Sun", "Gemini", "Fire", "Male",
     {"Health", "Self -Confidence", "Money"},
     {"Increases Self - Confidence", "General Health"}},
    // 21
    {"Honeysuckle", "Jupiter", "Cancer", "Earth", "Male",
     {"Self Acceptance"},
     {"Weight Loss"}},
    // 22
    {"Hyacinth", "Venus", "Pisces", "Water", "Male",
     {"Love", "Sleep", "Legal Matters"},
     {"Good Sleep"}},
    // 23
    {"Jasmine", "Moon", "Cancer", "Water", "Male",
     {"Love", "Attraction"},
     {"Aphrodisiac", "Reduces Cough", "Reduces Anxiety", "Treatment of Impotence"}},
    // 24
    {"Juniper", "Neptune", "Sagittarius", "Fire", "Male",
     {"Relieves Obsessions"},
     {"Pain Reliever", "Blood Purifier", "Reduces Skin Inflammation", "Increases Metabolism", "Reduces Stomach Disorders"}},
    // 25
    {"Lavender", "Mercury", "Virgo", "Air", "Female",
     {"Peace", "Comfort", "Memory"},
     {"Energizer", "Digestive", "Helps in Skin Disorders", "Antidepressant", "Aids Breathing"}},
    // 26
    {"Lemon", "Moon", "Cancer", "Water", "Female",
     {"Health", "Calming", "Cleansing"},
     {"Reduces Fatigue", "Energizer", "Improves Memory"}},
    // 27
    {"Lemon Verbena", "Mercury", "Virgo", "Air", "Male",
     {"Love", "Instills Trust"},
     {"Aids in Paranoia", "Helps Instill Trust"}},
    // 28
    {"Lilac", "Uranus", "Pisces", "Earth", "Female",
     {"Love", "Ease"},
     {"Relaxant", "Comforting"}},
    // 29
    {"Lily of the Valley", "Mercury", "Gemini", "Air", "Female",
     {"Acceptance", "Trust"},
     {"Improves Memory", "Promotes Self - Acceptance"}},
    // 30
    {"Lotus", "Uranus", "Aquarius", "Water", "Female",
     {"Spirituality", "Love"},
     {"Improves Memory"}},
    // 31
    {"Magnolia", "Venus", "Taurus", "Water", "Female",
     {"Arouses Sexual Pride"},
     {"Sexual Arousal", "Aphrodisiac"}},
    // 32
    {"Mimosa", "Saturn", "Capricorn", "Air", "Female",
     {"Awakens Vision"},
     {"Changes Mood", "Loosens Mental Rigidity"}},
    // 33
    {"Muguet", "Venus", "Libra", "Air", "Male",
     {"Arouses Passions"},
     {"Sexual Arousal"}},
    // 34
    {"Musk", "Sun", "Leo", "Earth", "Male",
     {"Animal Instincts", "Sexual Desire"},
     {"Aphrodisiac"}},
    // 35
    {"Myrrh", "Jupiter", "Scorpio", "Fire", "Male",
     {"Health", "Spirituality"},
     {"Menstrual Problems", "Reduces Inflammation", "Reduces Stomach Disorders", "Loss of Appetite"}},
    // 36
    {"Oakmoss", "Jupiter", "Taurus", "Earth", "Male",
     {"Security", "Stability"},
     {"Stability", "Sense of security"}},
    // 37
    {"Orange", "Sun", "Leo", "Fire", "Male",
     {"Joy", "Social Interaction"},
     {"General Health", "Stress Reducer"}},
    // 38
    {"Patchouli", "Saturn", "Taurus", "Earth", "Male",
     {"Lifts Inhibitions"},
     {"Stimulant", "Antidepressant", "Aids in Skin Disorders"}},
    // 39
    {"Peppermint", "Mercury", "Gemini", "Air", "Male",
     {"Clears Confusion"},
     {"Reduces Hysteria", "Reduces Fever", "Aids in Skin Disorders", "Digestive", "Improves Memory", "Reduces Congestion"}},
    // 40
    {"Pine", "Mars", "Scorpio", "Earth", "Male",
     {"Health", "Longevity", "Will to Live"},
     {"Pain Reliever", "Promotes Physical Strength", "Reduces Congestion"}},
    // 41
    {"Rose", "Venus", "Cancer", "Earth", "Female",
     {"Harmony", "Eases Jealousy"},
     {"Pain Reliever", "Aphrodisiac", "Reduces Inflammation"}},
    // 42
    {"Rosemary", "Sun", "Aries", "Fire", "Male",
     {"Memory", "Longevity"},
     {"Pain Reliever", "Disinfectant", "Stimulant", "Digestive"}},
    // 43
    {"Sandalwood", "Neptune", "Cancer", "Water", "Male",
     {"Sexuality", "Spirituality"},
     {"Stress Reducer", "Aphrodisiac", "Antidepressant", "Sedative"}},
    // 44
    {"Spearmint", "Mercury", "Gemini", "Air", "Female",
     {"Wisdom", "Integrity"},
     {"Pain Reliever", "Stimulant", "Improves Breathing", "Soothes Itching Skin"}},
    // 45
    {"Spikenard", "Neptune", "Capricorn", "Water", "Female",
     {"Strength", "Comfort"},
     {"Promotes Physical Strength", "Treats Migraines"}},
    // 46
    {"Strawberry", "Venus", "Libra", "Air", "Female",
     {"Joy", "Love of Life", "Universal Love"},
     {"Lifts Moods", "Promotes Self Acceptance"}},
    // 47
    {"Vanilla", "Venus", "Pisces", "Water", "Male",
     {"Self -Confidence", "Sensuality"},
     {"Promotes Strength", "Sexual Stamina"}},
    // 48
    {"Vetivert", "Uranus", "Scorpio", "Earth", "Male",
     {"Removes Fear", "Removes Temptation", "Protection"},
     {"Stress Reducer", "Skin Healer", "Muscle Relaxant"}},
    // 49
    {"Violet", "Venus", "Libra", "Air", "Female",
     {"Removes Shyness"},
     {"Promotes Self Confidence", "Overcoming Shyness"}},
    // 50
    {"Wintergreen", "Moon", "Cancer", "Earth", "Male",
     {"Mental && Physical Well Being"},
     {"Pain Reliever", "General Health", "Improves Memory"}},
    // 51
    {"Ylang Ylang", "Venus", "Taurus", "Water", "Female",
     {"Sex", "Calming", "Meditation"},
     {"Muscle Relaxant", "Aphrodisiac", "Reduces Skin Inflammation", "Pain Reducer", "Antiseptic"}},
}};
// clang-format on

// Bergamot, Camphor, Cinnamon, Citronella, Clove, Frankincense, Lemon, Lemon
// Verbena, Myrrh, Oakmoss, Orange, Peppermint, Rosemary, Wintergreen.
const std::array<std::int16_t, 14> kIrritantOils = {5,  6,  9,  11, 12, 17, 26,
                                                    27, 35, 36, 37, 39, 42, 50};

const std::array<const char *, 10> kPlanets = {"Jupiter", "Venus",  "Neptune", "Sun",  "Mercury",
                                               "Moon",    "Saturn", "Pluto",   "Mars", "Uranus"};

const std::array<const char *, 12> kSigns = {"Aries",       "Taurus",    "Gemini",   "Cancer",
                                             "Leo",         "Libra",     "Virgo",    "Scorpio",
                                             "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

const std::array<const char *, 4> kElements = {"Earth", "Water", "Fire", "Air"};

} // namespace OilContent
