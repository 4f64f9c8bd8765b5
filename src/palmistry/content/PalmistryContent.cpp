#include "palmistry/PalmistryContent.h"

// The wording of Learn Palmistry, in table order: the five hand shapes (0 to 4), the five
// finger shapes (5 to 9), the four nail shapes (10 to 13) and the nine palm lines (14 to 22).
// The memorize screen shows these texts and the quiz puts them on its answer buttons, so each
// text describes its own feature only. The readings are those of traditional palmistry;
// the nail entries have no shape/location text of their own.
namespace PalmistryContent {

const std::array<Entry, 23> kEntries = {{
    // 0
    {
        .title = "Shape of Hands - Square Hand",
        .significance =
            "A square hand belongs, in traditional palmistry, to the earth type: a practical, "
            "steady person who trusts what can be seen and measured. Such people like order, "
            "routine and plain speaking, and they tend to finish what they begin. They are often "
            "reliable workers, loyal friends and careful with money, preferring a tested method "
            "to a risky new idea. The shadow side is stubbornness, and a square-handed person "
            "may need gentle encouragement to welcome change.",
        .shapeLocation =
            "The palm is about as wide as it is long, with straight sides and squared corners at "
            "the wrist and below the fingers. The fingers are fairly short compared with the "
            "palm and end in blunt, squared tips. The skin is usually firm and the lines are "
            "few, clear and deeply marked. Seen as a whole, the hand looks solid and evenly "
            "built, like a square block with short fingers set on top.",
    },
    // 1
    {
        .title = "Shape of Hands - Spatulate Hand",
        .significance =
            "The spatulate hand is the hand of the restless doer, full of energy, curiosity and "
            "a love of movement. Palmists link it with inventors, explorers, athletes and anyone "
            "who would rather try a thing than talk about it. These people are independent and "
            "original, happiest when they are active and free to follow their own way. They can "
            "grow impatient with routine and may start more projects than they finish.",
        .shapeLocation =
            "The palm is wider at one end than the other, either broad just below the fingers or "
            "broad at the wrist, so that it resembles a fan. The fingertips spread out and are "
            "wider at the tips than at the middle joints, like the flat end of a spatula. The "
            "fingers are usually of medium length and look strong and flexible. Such hands tend "
            "to be firm to the touch and feel warm and lively.",
    },
    // 2
    {
        .title = "Shape of Hands - Conical Hand",
        .significance =
            "The conical hand, also called the artistic hand, is the hand of feeling, taste and "
            "imagination. Its owner is drawn to beauty in all its forms, whether music, "
            "painting, fashion, good food or a pleasant home. Such people act on impulse and "
            "first impressions, and they often sense the mood of a room before anyone has "
            "spoken.\r\n"
            "Conical-handed people are usually warm, sociable and easy to talk to, and they make "
            "friends quickly. They work best in bursts of inspiration and can lose interest once "
            "a task turns dull or repetitive. Palmists advise them to build a little discipline "
            "into their lives, so that their many talents bring lasting results.",
        .shapeLocation =
            "The palm is a little longer than it is wide and narrows gently from the wrist "
            "towards the base of the fingers. The fingers are of medium length, fuller at the "
            "base and tapering to rounded tips, so that each looks like a soft cone. The outline "
            "of the whole hand is smooth and graceful rather than angular. The skin is usually "
            "fine and soft to the touch.",
    },
    // 3
    {
        .title = "Shape of Hands - Psychic Hand",
        .significance =
            "The psychic hand, sometimes called the intuitive or idealistic hand, is the rarest "
            "of the hand shapes. Palmists connect it with a sensitive, dreamy nature that "
            "responds to atmosphere, feeling and the unseen side of life. Its owners are often "
            "gentle and highly imaginative, with a rich inner life and a love of poetry, art or "
            "quiet reflection. They may find the practical demands of daily life tiring and do "
            "best in calm surroundings among understanding friends.",
        .shapeLocation =
            "This is a long, narrow and delicate hand with a slender palm that is clearly longer "
            "than it is wide. The fingers are long and fine, smooth at the joints, and taper to "
            "pointed tips. The thumb is small and graceful, and the nails are usually long. The "
            "whole hand looks fragile and elegant, with fine skin marked by many light, thin "
            "lines.",
    },
    // 4
    {
        .title = "Shape of Hands - Mixed Hand",
        .significance =
            "A mixed hand combines features of several types, so its owner draws on more than "
            "one set of gifts. Palmists see in it a versatile, adaptable person who can turn "
            "from practical work to creative ideas and get on with many kinds of people. Such "
            "people learn quickly and cope well with change, though they may find it hard to "
            "settle on one path. Reading a mixed hand means weighing the palm and each finger "
            "separately to see which qualities lead.",
        .shapeLocation =
            "The mixed hand cannot be placed in a single group because its parts belong to "
            "different types. The palm may be square while the fingers differ from one another, "
            "one with a pointed tip, another spatulate, another square or conical. The "
            "proportions vary too, so the hand does not look evenly matched. Most real hands "
            "show some mixture, and a hand is called mixed when no one type clearly dominates.",
    },
    // 5
    {
        .title = "Finger Shapes - Conical Fingers",
        .significance =
            "Conical fingers point to an impulsive, intuitive and artistic temperament. People "
            "with these fingers respond to first impressions and feelings rather than careful "
            "analysis, and they have a natural eye for colour, form and beauty. They are usually "
            "charming company and adapt easily to the people around them. Their weak point is a "
            "dislike of hard routine, so steady effort does not always come easily to them.",
        .shapeLocation =
            "Conical fingers are broad at the base and narrow gradually towards the tip, which "
            "is smoothly rounded like the end of a cone. The joints are smooth and do not stand "
            "out. Seen from the back, the nail sits on a tip that is clearly narrower than the "
            "base of the finger. These fingers are most common on the conical or artistic hand.",
    },
    // 6
    {
        .title = "Finger Shapes - Spatulate Fingers",
        .significance =
            "Spatulate fingertips show an active, energetic and inventive mind that wants to put "
            "ideas to practical use. Palmists associate them with people who love movement, "
            "travel, sport, building and hands-on work. They are original, confident and "
            "independent, and they often ignore convention when they see a better way to do "
            "something. They can be restless and need plenty of variety to stay content.",
        .shapeLocation =
            "A spatulate finger is narrower below the tip and then widens out at the end, so "
            "that the top joint flares like a spatula or a flat spoon. The tip itself is broad "
            "and fairly flat rather than rounded or pointed. The sides of the finger may look "
            "slightly waisted just below the last joint. Such fingers are often strong and well "
            "padded.",
    },
    // 7
    {
        .title = "Finger Shapes - Straight Fingers",
        .significance =
            "Straight fingers suggest an honest, balanced and well-organised character. In "
            "palmistry a finger that stands straight shows that the qualities it rules work "
            "freely, without being bent by fear or excess. People with straight fingers tend to "
            "be direct, fair in their dealings and consistent in what they say and do. They are "
            "easy to trust and like clear agreements that everyone keeps.",
        .shapeLocation =
            "Straight fingers rise from the palm without leaning or curving towards one another. "
            "Their sides are roughly parallel along the whole length, with smooth joints and "
            "evenly rounded tips. When the hand is held open with the fingers together, there "
            "are few gaps between them. Each finger looks neat and well proportioned, neither "
            "thick nor thin.",
    },
    // 8
    {
        .title = "Finger Shapes - Square Fingers",
        .significance =
            "Square fingertips belong to the practical, methodical thinker who likes rules, "
            "order and punctuality. Such people plan ahead, weigh the facts carefully and want "
            "to know how things work before they believe in them. They make dependable "
            "organisers, managers and craftspeople, and they value good manners and a tidy home. "
            "They may be slow to accept a new idea until they can see its use.",
        .shapeLocation =
            "Square fingers keep much the same width from the base to the top and end in a tip "
            "that is squared off, with flat sides and only slightly rounded corners. The nail "
            "sits on a blunt, level end. The joints are smooth or only a little marked. Square "
            "fingers are typical of the square hand, though they can appear on any hand shape.",
    },
    // 9
    {
        .title = "Finger Shapes - Knotty Fingers",
        .significance =
            "Knotty fingers belong to the thinker and analyst, the person who needs to "
            "understand the reasons behind everything. Palmists call them philosophic fingers, "
            "because the knots are said to slow the flow of thought so that each idea is "
            "examined before it is accepted. Their owners are thorough, logical and often drawn "
            "to science, philosophy or research. They can seem reserved or critical, but their "
            "judgement is usually careful and sound.",
        .shapeLocation =
            "Knotty fingers have well-developed joints that stand out as clear bumps or knots "
            "along the finger. The finger is broader at each knuckle and slightly narrower "
            "between the joints, giving it a bony outline. Both joints may be prominent, or only "
            "the upper or the lower one. The tips are often squarish, and the whole finger looks "
            "lean and strong.",
    },
    // 10
    {
        .title = "Shape of Nails - Short and Wide",
        .significance =
            "Short, wide nails are traditionally read as the sign of a quick, critical and "
            "energetic mind. Their owners are alert, curious and logical, and they like to "
            "question and debate. They can be impatient and quick-tempered, with a tendency to "
            "criticise others and themselves, though their irritation usually passes fast. "
            "Palmists also link these nails with a lively wit and a talent for argument.",
        .shapeLocation = kNailShapeLocation,
    },
    // 11
    {
        .title = "Shape of Nails - Broad and Square",
        .significance =
            "Broad, square nails are linked with a calm, steady and even-tempered nature. People "
            "with such nails are patient, practical and sensible, slow to anger and reluctant to "
            "be rushed. They have good common sense and keep their heads in a crisis, which "
            "makes them dependable at work and at home. Palmists read them as a sign of stamina "
            "and a fair-minded outlook.",
        .shapeLocation = kNailShapeLocation,
    },
    // 12
    {
        .title = "Shape of Nails - Long and Narrow",
        .significance =
            "Long, narrow nails belong to a refined, gentle and idealistic person. Such people "
            "have good taste, a love of art and beauty and a kind manner, and they prefer peace "
            "to confrontation. They can be sensitive and easily hurt, and they may put off hard "
            "decisions in the hope that problems will solve themselves. Palmists see in them a "
            "dreamy imagination that does best with some practical support close at hand.",
        .shapeLocation = kNailShapeLocation,
    },
    // 13
    {
        .title = "Shape of Nails - Almond-Shaped",
        .significance =
            "Almond-shaped nails are associated with a sweet, courteous and romantic "
            "temperament. Their owners are usually calm, tactful and idealistic, and they "
            "dislike quarrels and coarse behaviour. They enjoy beauty, friendship and the finer "
            "things in life and often have a creative streak. They may be inclined to daydream "
            "and can let the heart rule the head in matters of love.",
        .shapeLocation = kNailShapeLocation,
    },
    // 14
    {
        .title = "Life Line",
        .significance =
            "The life line shows the quality of a person's vitality, energy and enthusiasm for "
            "living, together with the major changes of direction in life. A long, clear and "
            "deep line suggests stamina, a zest for life and a good store of strength to draw "
            "on. A short or faint line is not a sign of a short life; palmists read it as a need "
            "to pace one's energy and take good care of oneself. Breaks, branches and islands "
            "mark periods of change, new beginnings or times of rest.",
        .shapeLocation =
            "The life line begins on the edge of the palm between the thumb and the index "
            "finger, often joined at its start to the head line. It sweeps down in a curve "
            "around the fleshy base of the thumb, the mount of Venus. It usually ends near the "
            "wrist, below the ball of the thumb. The wider its curve reaches out into the palm, "
            "the more energy it is said to show.",
    },
    // 15
    {
        .title = "Head Line",
        .significance =
            "The head line describes the mind: the way a person thinks, learns, communicates and "
            "makes decisions. A long, clear line shows good concentration and a capacity for "
            "careful thought, while a short one points to a quick, practical mind that gets "
            "straight to the point. A straight line is read as logical and down to earth, and a "
            "line that slopes towards the wrist as imaginative and creative. Forks, breaks and "
            "chains mark changes of interest or periods of divided attention.",
        .shapeLocation =
            "The head line starts on the thumb side of the palm, between the thumb and the index "
            "finger, often touching or joined to the life line. It runs across the middle of the "
            "palm towards the outer edge, below the heart line. It may stay almost straight or "
            "slope gently down towards the mount of the Moon. It usually ends somewhere below "
            "the ring finger or the little finger.",
    },
    // 16
    {
        .title = "Heart Line",
        .significance =
            "The heart line reveals the emotional life: how a person loves, shows affection and "
            "relates to others. A long, deep, well-curved line points to a warm and generous "
            "heart that expresses its feelings openly. A straight line suggests a more reserved, "
            "thoughtful partner who shows care through deeds rather than words. Fine branches "
            "rising from the line are read as friendships and happy attachments, while chains "
            "and breaks suggest times of emotional change.",
        .shapeLocation =
            "The heart line is the highest of the main horizontal lines. It starts on the outer "
            "edge of the palm below the little finger and runs across the upper palm, just "
            "beneath the mounts of the fingers. It ends below the index finger, between the "
            "index and middle fingers, or under the middle finger, often curving upwards at its "
            "end. It lies above the head line and roughly parallel to it.",
    },
    // 17
    {
        .title = "Fate Line",
        .significance =
            "The fate line, also called the line of destiny or Saturn line, relates to career, "
            "life path and the sense of purpose. A strong, unbroken line suggests a person who "
            "knows early what they want and pursues it steadily. Breaks or changes of direction "
            "show changes of work, home or ambition, and a new line taking over can mark a fresh "
            "start. Many successful people have a faint fate line or none at all, which simply "
            "means they shape their own course.",
        .shapeLocation =
            "The fate line runs vertically up the centre of the palm. It usually starts near the "
            "middle of the wrist, though it may also rise from the life line or from the mount "
            "of the Moon on the outer side. It climbs through the middle of the palm, crossing "
            "the head and heart lines. It ends below the middle finger, on the mount of Saturn.",
    },
    // 18
    {
        .title = "Fame Line",
        .significance =
            "The fame line, also called the sun line or line of Apollo, is linked with success, "
            "recognition, creativity and personal happiness. A clear line suggests talent that "
            "is noticed and appreciated, and a sense of fulfilment in one's chosen work. It "
            "often appears in the hands of artists, performers and people who enjoy public life. "
            "When it is absent, success is not denied; it is simply won by steady work rather "
            "than by luck or natural charm.",
        .shapeLocation =
            "The fame line is a vertical line on the little finger side of the palm, roughly "
            "parallel to the fate line. It can begin anywhere from the wrist or the mount of the "
            "Moon up to the head or heart line, and it is often short. It runs upwards towards "
            "the ring finger. It ends on the mount of the Sun, or Apollo, at the base of the "
            "ring finger.",
    },
    // 19
    {
        .title = "Marriage or Relationship Line",
        .significance =
            "The marriage or relationship lines describe close, lasting bonds of love and "
            "partnership rather than the legal fact of marriage. A single long, clear line "
            "suggests one deep and stable relationship. Several lines may show several important "
            "attachments, and the strongest, longest line is read as the most significant. A "
            "line that curves, forks or fades can point to a change in a relationship or a "
            "period apart.",
        .shapeLocation =
            "These are short horizontal lines on the outer edge of the palm, below the little "
            "finger and above the start of the heart line. They begin on the side of the hand "
            "and run a little way onto the palm, on the mount of Mercury. There may be one, two "
            "or several of them. They are easiest to see when the hand is curled slightly into a "
            "loose fist.",
    },
    // 20
    {
        .title = "Health Line",
        .significance =
            "The health line, also known as the Mercury line or hepatica, is read in traditional "
            "palmistry as a picture of general wellbeing, energy and nervous balance. Many "
            "palmists consider it best when it is absent, since a clear palm here suggests few "
            "worries about health. Where it is present and clear, it is also linked with a good "
            "head for business and lively communication. A wavy or broken line is taken as a "
            "gentle reminder to rest and look after oneself, never as a diagnosis.",
        .shapeLocation =
            "The health line runs diagonally across the palm. It starts low on the palm, near "
            "the wrist or the base of the life line, and slants upwards towards the little "
            "finger. It ends on or near the mount of Mercury below the little finger. It is "
            "often broken into short pieces, and in many hands it is missing altogether.",
    },
    // 21
    {
        .title = "Travel Line",
        .significance =
            "Travel lines are linked with journeys, restlessness and a longing for new horizons. "
            "Each clear line is traditionally read as an important journey or a move that "
            "changes the course of life. Many of them suggest a person who loves travel, change "
            "and new experiences and grows bored when kept in one place. Faint travel lines may "
            "show journeys that are only planned or dreamed of, or a wish for travel that is yet "
            "to be fulfilled.",
        .shapeLocation =
            "Travel lines are short horizontal lines on the outer edge of the lower palm, on the "
            "mount of the Moon, the fleshy pad on the side opposite the thumb. They start at the "
            "edge of the hand and run a short way into the palm. They lie between the wrist and "
            "the end of the head line, often several one above another. Some palmists also count "
            "branches that leave the life line towards the mount of the Moon as travel lines.",
    },
    // 22
    {
        .title = "Girdle of Venus",
        .significance =
            "The girdle of Venus points to a sensitive, emotional and highly responsive nature. "
            "People who have it feel things intensely, react strongly to beauty, art and "
            "atmosphere and are often creative and expressive. They can be moody or easily "
            "excited, and they need good outlets for their strong feelings. A girdle that is "
            "broken into pieces is read as a softer form of the same sensitivity.",
        .shapeLocation =
            "The girdle of Venus is a curved line in the upper palm, lying between the heart "
            "line and the base of the fingers. It starts between the index and middle fingers "
            "and curves down in a semicircle below the middle and ring fingers. It ends between "
            "the ring finger and the little finger. It is often faint or broken, and many hands "
            "do not have it at all.",
    },
}};

} // namespace PalmistryContent
