#include "zodiac_yoga/ZodiacContent.h"

// The introductory paragraphs of Zodiac Yoga's asana page and its fourteen asanas.
namespace ZodiacContent {

const std::array<const char *, 4> kAsanaIntroduction = {
    "Yoga is an ancient Indian discipline for the health of body and mind. The word yoga comes "
    "from the Sanskrit root yuj, meaning to join or unite, and its practice aims to bring body, "
    "breath and mind into harmony. Asanas, the physical postures of yoga, stretch and strengthen "
    "the muscles, keep the spine and joints supple, massage the internal organs and calm the "
    "nervous system.",
    "The asanas recommended here are chosen for the parts of the body ruled by your sun sign. "
    "Practise them in a quiet, airy place on a mat or folded blanket, wearing loose clothes. The "
    "best time is early morning or evening on an empty stomach, at least three hours after a full "
    "meal; Vajrasana is the exception and may be practised after eating.",
    "Move into and out of every posture slowly and with control, and breathe through the nose "
    "unless the instructions say otherwise, never holding the breath. Hold each pose only as long "
    "as it is comfortable, and build up the time gradually over weeks. Yoga is not a competition: "
    "never force the body or bounce, and stop at once if you feel pain, dizziness or "
    "breathlessness.",
    "Read the contraindications of every asana before you begin. If you are pregnant, recovering "
    "from an injury or an operation, or have high blood pressure, heart disease, glaucoma or back "
    "or neck problems, consult your doctor and learn under a qualified yoga teacher. End each "
    "session by resting in Savasana for a few minutes so that the body can relax and absorb the "
    "benefits of the practice.",
};

// Zodiac Yoga's fourteen asanas in their record order 1 to 14. Their texts and
// pictures are the shared catalogue's; the catalogue gives no contraindications
// for three of them, so this module's result page and report, which always
// show a contraindications paragraph, carry their cautions here.
const std::array<AsanaEntry, 14> kAsanas = {{
    {
        .title = "Sarvangasana",
        .key = "Sarvaangaasanaa",
        .catalogue = 18,
        .reportHeading = "Sarvaangaasanaa :-",
        .benefitItems = 4,
        .caution = nullptr,
    },
    {
        .title = "Makarasana",
        .key = "Makaraasanaa",
        .catalogue = 9,
        .reportHeading = "Makaraasanaa :-",
        .benefitItems = 0,
        .caution = nullptr,
    },
    {
        .title = "Savasana",
        .key = "Savaasanaa",
        .catalogue = 20,
        .reportHeading = "Savaasanaa :-",
        .benefitItems = 0,
        .caution = nullptr,
    },
    {
        .title = "Halasana",
        .key = "Haalaasanaa",
        .catalogue = 7,
        .reportHeading = "Haalaasanaa :-",
        .benefitItems = 0,
        .caution = nullptr,
    },
    {
        .title = "Padmasana",
        .key = "Padmaasanaa",
        .catalogue = 14,
        .reportHeading = "Padmaasanaa :-",
        .benefitItems = 0,
        .caution = nullptr,
    },
    {
        .title = "Dhanurasana",
        .key = "Dhanuraasanaa",
        .catalogue = 4,
        .reportHeading = "Dhanuraasanaa :-",
        .benefitItems = 0,
        .caution =
            "Do not practise Dhanurasana if you have high blood pressure, heart disease, "
            "a hernia, a peptic ulcer, a slipped disc or other serious back problems, a "
            "neck injury or recent abdominal surgery, and avoid it during pregnancy and "
            "menstruation. Practise on an empty stomach, lift only as far as is "
            "comfortable and never jerk into the pose. Follow it with a gentle forward "
            "bend or a rest in Makarasana to release the back.",
    },
    {
        .title = "Bhujangasana",
        .key = "Bhujangaasanaa",
        .catalogue = 3,
        .reportHeading = "Bhujangaasanaa :-",
        .benefitItems = 0,
        .caution = nullptr,
    },
    {
        .title = "Paschimottasana",
        .key = "Paschimottaasanaa",
        .catalogue = 16,
        .reportHeading = "Paschimottaasanaa :-",
        .benefitItems = 0,
        .caution = nullptr,
    },
    {
        .title = "Yoga Mudra",
        .key = "YogaMudraa",
        .catalogue = 31,
        .reportHeading = "Yoga Mudra :-",
        .benefitItems = 0,
        .caution =
            "Avoid Yoga Mudra if you have high blood pressure, heart disease, glaucoma, a "
            "hernia, a peptic ulcer, a slipped disc or other serious back problems, and "
            "during pregnancy. Those with knee or ankle problems should practise from a "
            "simple cross-legged seat or sitting on a chair instead of Padmasana. Do not "
            "force the forehead to the floor, and come up slowly, resting for a moment if "
            "you feel dizzy.",
    },
    {
        .title = "Naukasana",
        .key = "Naukaasanaa",
        .catalogue = 13,
        .reportHeading = "Naukaasanaa :-",
        .benefitItems = 0,
        .caution = nullptr,
    },
    {
        .title = "Mayurasana",
        .key = "Mayuraasanaa",
        .catalogue = 12,
        .reportHeading = "Mayuraasanaa :-",
        .benefitItems = 0,
        .caution = nullptr,
    },
    {
        .title = "Vajrasana",
        .key = "Vajraasanaa",
        .catalogue = 28,
        .reportHeading = "Vajraasanaa :-",
        .benefitItems = 0,
        .caution =
            "Do not practise Vajrasana if you have a knee injury, have had recent knee "
            "surgery, or suffer from arthritis of the knees or ankles or problems with "
            "the ligaments of the legs. People with varicose veins should keep the time "
            "short. Those with stiff knees or ankles can place a folded blanket between "
            "the buttocks and heels or under the ankles. Pregnant women should keep the "
            "knees slightly apart and sit only as long as is comfortable. Stop if you "
            "feel pain or numbness in the legs.",
    },
    {
        .title = "Simhasana",
        .key = "Simhaasanaa",
        .catalogue = 22,
        .reportHeading = "Simhaasanaa :-",
        .benefitItems = 0,
        .caution = nullptr,
    },
    {
        .title = "Garudasana",
        .key = "Garudaasanaa",
        .catalogue = 5,
        .reportHeading = "Garudaasanaa :-",
        .benefitItems = 0,
        .caution = nullptr,
    },
}};

} // namespace ZodiacContent
