#include "zodiac_yoga/ZodiacContent.h"

// The constitution texts of the four elements, in the order Fire, Earth, Air, Water. A
// sign's constitution type is its element; these records fill the diet page with the
// description of the element and the advice for an excess or a lack of it.
namespace ZodiacContent {

const std::array<ConstitutionProfile, 4> kConstitutionProfiles = {{
    {
        .element = "Fire",
        .description =
            "The Fire element governs the heat and energy of the body: metabolism and digestion, "
            "the liver and gall bladder, the heart and the circulation of the blood, and the "
            "eyes. People with a Fire constitution usually have a strong appetite, good "
            "digestion, warm skin, a sharp intellect and plenty of drive, and they feel the heat "
            "more than others.",
        .excessDescription =
            "Too much Fire overheats body and mind: acidity, heartburn, ulcers, inflammation, "
            "skin rashes, heavy sweating, fevers, irritability, anger, impatience and disturbed "
            "sleep. Raised blood pressure and a burning feeling in the eyes or stomach may also "
            "appear.",
        .excessItemsToTake =
            "Cooling foods such as cucumber, melon, coconut water, sweet fruits, leafy greens, "
            "milk, ghee, rice, barley and fresh mint.",
        .excessItemsToAvoid =
            "Hot spices, chillies, garlic, onions, fried and salty food, vinegar, sour fruits, "
            "alcohol, coffee and red meat.",
        .excessRemedy =
            "Aloe vera juice, coriander and fennel tea, rose water, sandalwood paste and brahmi, "
            "with regular rest in cool, quiet surroundings.",
        .lowDescription =
            "Too little Fire leaves the digestion weak and the body cold: poor appetite, "
            "indigestion, gas, a slow metabolism, weight gain, cold hands and feet, pale skin, "
            "sluggish circulation and low energy. The mind may become dull and unmotivated, with "
            "poor concentration and little enthusiasm.",
        .lowItemsToTake =
            "Warm, cooked meals seasoned with ginger, black pepper, cinnamon, cumin and mustard "
            "seed, with soups, lentils, whole grains and warm water.",
        .lowItemsToAvoid =
            "Iced drinks, ice cream, raw salads in large amounts, heavy dairy products and large "
            "meals late in the evening.",
        .lowRemedy =
            "Fresh ginger tea before meals, cardamom and cinnamon, regular brisk exercise and "
            "moderate morning sunshine.",
    },
    {
        .element = "Earth",
        .description =
            "The Earth element governs the solid structure of the body: the bones and teeth, the "
            "muscles, the skin, hair and nails, and the colon with the process of elimination. "
            "People with an Earth constitution are usually strong, steady and well built, with "
            "good stamina, a calm temperament and a reliable, practical outlook on life.",
        .excessDescription =
            "Too much Earth makes the body heavy and sluggish: weight gain, water retention, "
            "constipation, high cholesterol, congestion, stiff joints and a slow metabolism. The "
            "mind may become dull, lethargic and stubborn, resistant to change and inclined to "
            "oversleep.",
        .excessItemsToTake =
            "Light, warm and dry foods such as barley, millet, buckwheat, lentils, leafy greens, "
            "apples, pears, berries and warming spices like ginger and pepper.",
        .excessItemsToAvoid =
            "Heavy, oily and sweet foods such as cheese, cream, red meat, fried snacks, pastries, "
            "white bread, sugar and cold drinks.",
        .excessRemedy =
            "Triphala, ginger, turmeric and dandelion tea, with regular vigorous exercise and an "
            "occasional day of light meals.",
        .lowDescription =
            "Too little Earth leaves the body without a firm foundation: low weight, weak bones "
            "and teeth, brittle nails, dry skin and hair, poor muscle tone and low stamina. The "
            "mind may feel ungrounded, scattered, anxious and insecure, and it may be hard to see "
            "tasks through to the end.",
        .lowItemsToTake =
            "Nourishing, grounding foods such as whole grains, root vegetables, sweet potatoes, "
            "nuts, seeds, dairy products, eggs, beans and dates.",
        .lowItemsToAvoid =
            "Large amounts of raw food, dry crackers and caffeine, and skipped or irregular "
            "meals.",
        .lowRemedy =
            "Warm sesame oil massage, nettle tea, regular hours of sleep and daily walks in "
            "nature, barefoot on grass or sand where possible.",
    },
    {
        .element = "Air",
        .description =
            "The Air element governs all movement in the body: breathing and the lungs, the "
            "nervous system and the passage of nerve impulses, and the movement of the joints and "
            "muscles. People with an Air constitution are usually light and quick, lively, "
            "creative and talkative, with an active mind, a changeable appetite and a tendency to "
            "feel the cold.",
        .excessDescription =
            "Too much Air brings restlessness and dryness: anxiety, nervousness, insomnia, dry "
            "skin, constipation, gas and bloating, cracking joints, tremors, irregular appetite "
            "and fatigue. The mind races, concentration scatters and the person may feel fearful "
            "and ungrounded.",
        .excessItemsToTake =
            "Warm, moist and nourishing foods such as cooked cereals, rice, soups, stews, root "
            "vegetables, ripe bananas, dates, nuts, milk and ghee.",
        .excessItemsToAvoid =
            "Dry, cold and light foods such as crackers, popcorn, raw salads, dried beans, iced "
            "drinks, caffeine and stale leftovers.",
        .excessRemedy =
            "Warm sesame oil massage, chamomile tea, warm milk with a pinch of nutmeg at bedtime, "
            "slow deep breathing and a regular daily routine.",
        .lowDescription =
            "Too little Air makes the body and mind slow: shallow breathing, sluggish circulation "
            "and nerves, stiffness, heaviness and a lack of enthusiasm. The person may become "
            "dull, withdrawn and unimaginative, and may find it hard to express ideas or to adapt "
            "to change.",
        .lowItemsToTake =
            "Light, fresh foods such as leafy greens, sprouts, salads, fresh fruit, millet, "
            "barley and mildly spiced dishes.",
        .lowItemsToAvoid =
            "Heavy, oily and very sweet foods, large meals and too many dairy products.",
        .lowRemedy =
            "Breathing exercises (pranayama), fresh air and brisk walks, with herbal teas of "
            "tulsi, peppermint or rosemary.",
    },
    {
        .element = "Water",
        .description =
            "The Water element governs the fluids of the body: the blood plasma, lymph, saliva "
            "and digestive juices, the kidneys and bladder, the mucous membranes and the "
            "reproductive system. People with a Water constitution are usually calm, caring and "
            "emotionally sensitive, with soft skin, good stamina and a strong, steady nature.",
        .excessDescription =
            "Too much Water leads to heaviness and congestion: fluid retention, swelling, excess "
            "mucus, colds, sinus trouble, weight gain, sluggish digestion and lethargy. "
            "Emotionally there may be moodiness, over-attachment, possessiveness and a tendency "
            "to brood.",
        .excessItemsToTake =
            "Light, warm and dry foods such as barley, millet, corn, lentils, leafy greens, "
            "celery, cabbage, apples, pomegranates and warming spices.",
        .excessItemsToAvoid =
            "Salty food, dairy products, sweets, fried food, bananas, melons and cold drinks.",
        .excessRemedy =
            "Ginger tea with honey, dandelion and turmeric, steam inhalation and regular vigorous "
            "exercise.",
        .lowDescription =
            "Too little Water leaves the body dry: dehydration, dry skin, lips and eyes, "
            "constipation, stiff joints, constant thirst, poor tolerance of heat and reduced "
            "fertility. Emotionally the person may feel cut off from their own feelings, "
            "unsympathetic, restless or irritable.",
        .lowItemsToTake =
            "Juicy fruits, cucumbers, melons, soups, milk, yoghurt, coconut water, rice, oats and "
            "plenty of pure water.",
        .lowItemsToAvoid =
            "Nothing in particular needs avoiding, although alcohol, too much coffee and very "
            "salty or dry food are best kept to a minimum.",
        .lowRemedy =
            "Aloe vera juice, fennel and rose tea, warm oil massage, soothing baths and restful "
            "time near water.",
    },
}};

} // namespace ZodiacContent
