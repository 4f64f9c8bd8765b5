#include "learn_yoga/LessonContent.h"

// The introduction and the 21 lesson pages of Learn Yoga, written for this project. Each
// block (a paragraph, a "* " item or a "1. " numbered item or step) carries its own marker
// and holds no line breaks; the page writer separates blocks by an empty line. Titles are
// stored as the lesson buttons store their captions, so "&&" stays doubled, and headings
// keep their exact spacing, trailing blanks included.
namespace LearnYogaContent {

// clang-format off
const Page kIntroduction = {
    .button = "",
    .title = "Introduction",
    .emphasis = nullptr,
    .intro = {
        "Welcome to Learn Yoga. Yoga is one of the oldest systems of self-development in the "
        "world, a practical discipline that brings the body, the breath and the mind into balance. "
        "This module is a short course for the home student: it explains what yoga is and where it "
        "comes from, describes its main paths and its benefits, and gives clear guidance on "
        "meditation, on the breathing practices of pranayama and on the sun salutation.",
        "Use the menu on the left to move through the lessons. \"Information on Yoga\" introduces "
        "the subject and gives tips for a safe practice, while \"Meditation\", \"Pranayam\" and "
        "\"Surya Namaskar\" each open a set of lessons on one part of the practice. The three "
        "sections on yoga asanas let you look up a posture by its name, by the part of the body it "
        "works on or by the complaint it is traditionally recommended for, each with a picture and "
        "a description.",
        "Read each lesson through before you try it, and begin gently. Practise on an empty "
        "stomach in a quiet, airy place, never force a posture or a breath, and stop at once if "
        "you feel pain, dizziness or breathlessness. These lessons are a guide to self-study and "
        "not a substitute for medical care: if you are pregnant, have a medical condition or are "
        "recovering from an injury or operation, talk to your doctor first and, where you can, "
        "learn under a qualified teacher.",
    },
    .sections = {},
    .endsWithBreak = false,
};

// In button order: Command11-16, Command51-55, Command61-66, Command71-74.
const std::array<Page, 21> kLessons = {{
    // Command11
    {
        .button = "Command11",
        .title = "What Is Yoga ?",
        .emphasis = nullptr,
        .intro = {
            "The word yoga comes from the Sanskrit root yuj, which means to join, to yoke or to "
            "unite. Yoga is the union of the individual self with the universal consciousness, and "
            "in everyday terms the harmony of body, breath and mind. It is not a religion or a set "
            "of beliefs but a practical science of living, developed in India over thousands of "
            "years and open to anyone who is willing to practise it with patience and regularity.",
            "The classical text of yoga is the Yoga Sutras of Patanjali, compiled some two "
            "thousand years ago. In its second sutra Patanjali defines yoga as the stilling of the "
            "fluctuations of the mind (chitta vritti nirodha). When the restless movements of "
            "thought settle, the practitioner sees clearly and rests in his or her true nature. "
            "All the techniques of yoga, from postures and breathing to concentration and "
            "meditation, serve this one purpose of bringing the mind to a calm and steady state.",
            "Patanjali describes the way to this goal as ashtanga yoga, the yoga of eight limbs. "
            "They are yama (restraint in conduct towards others), niyama (personal discipline), "
            "asana (steady posture), pranayama (regulation of the breath), pratyahara (withdrawal "
            "of the senses), dharana (concentration), dhyana (meditation) and samadhi "
            "(absorption). The first limbs prepare conduct and the body, the middle limbs refine "
            "the breath and the senses, and the last three lead the mind inward, so that each "
            "stage supports the next.",
            "In modern life yoga is best known for its postures, but the postures are only one "
            "part of a complete practice. A balanced session combines asanas for strength and "
            "flexibility, pranayama for vitality and calm, relaxation, and a few minutes of "
            "meditation. Practised regularly, yoga improves health, sharpens attention and brings "
            "a quiet sense of contentment, and its principles of non-violence, truthfulness and "
            "moderation can guide the whole of daily life.",
        },
        .sections = {},
        .endsWithBreak = false,
    },
    // Command12
    {
        .button = "Command12",
        .title = "Paths Of Yoga",
        .emphasis = nullptr,
        .intro = {
            "The traditions of yoga describe several paths that lead to the same goal, the union "
            "of the individual with the universal. Each path suits a different temperament: the "
            "active person, the emotional person, the intellectual person and the person drawn to "
            "disciplined inner work. The four classical paths are Karma Yoga, Bhakti Yoga, Jnana "
            "Yoga and Raja Yoga. They are not separate compartments, and most practitioners find "
            "that a balanced life draws something from each of them, with one path as the main "
            "road.",
        },
        .sections = {
            {
                .heading = "Karma Yoga - The Yoga of action",
                .breaksAfterHeading = 1,
                .blocks = {
                    "Karma Yoga is the path of selfless action, taught at length in the Bhagavad "
                    "Gita. The karma yogi performs his or her duties fully and well but without "
                    "attachment to the results, offering the fruits of work to a higher purpose or "
                    "to the good of others. Service done in this spirit purifies the heart, "
                    "loosens the hold of selfishness and ego, and turns ordinary daily work, at "
                    "home or at the workplace, into a spiritual practice.",
                },
            },
            {
                .heading = "Bhakti Yoga - the Path of Devotion or Divine Love",
                .breaksAfterHeading = 1,
                .blocks = {
                    "Bhakti Yoga is the path of love and devotion to the Divine, in whatever form "
                    "the devotee holds dear. Its practices include prayer, the chanting of sacred "
                    "names and mantras, devotional singing (kirtan), worship and the remembrance "
                    "of God throughout the day. By turning the emotions towards the Divine, bhakti "
                    "transforms them into love, compassion and tolerance for all beings, and it is "
                    "often called the simplest and most natural of the paths.",
                },
            },
            {
                .heading = "Jnana Yoga - the Yoga of Knowledge or Wisdom",
                .breaksAfterHeading = 1,
                .blocks = {
                    "Jnana Yoga is the path of knowledge, the way of the intellect turned towards "
                    "self-enquiry. Its discipline is to hear or study the teachings (shravana), to "
                    "reflect on their meaning (manana) and to meditate deeply on the truth "
                    "(nididhyasana), while learning to discriminate between the permanent and the "
                    "passing. The jnana yogi asks the question \"Who am I?\" until the sense of a "
                    "separate, limited self dissolves. This path demands a strong will, a clear "
                    "mind and a firm foundation of ethical living.",
                },
            },
            {
                .heading = "Raja Yoga - the Science of Physical and Mental Control",
                .breaksAfterHeading = 1,
                .blocks = {
                    "Raja Yoga, the royal path, is the systematic discipline of body and mind set "
                    "out by Patanjali in the Yoga Sutras as the eight limbs. It begins with "
                    "ethical restraints and observances, steadies the body with asanas, controls "
                    "the vital energy with pranayama and withdraws the senses from their objects. "
                    "On this foundation the practitioner develops concentration and meditation, "
                    "leading finally to samadhi. Hatha Yoga, the yoga of postures and breathing "
                    "that most people practise today, grew up as a preparation for Raja Yoga.",
                },
            },
        },
        .endsWithBreak = false,
    },
    // Command13
    {
        .button = "Command13",
        .title = "Who Can Practice Yoga ?",
        .emphasis = nullptr,
        .intro = {
            "Yoga can be practised by almost everyone, whatever their age, sex, build, fitness or "
            "religion. It is not a competition and it does not demand an athletic body: each "
            "person works within his or her own limits and progresses at a natural pace. Because "
            "there are gentle as well as demanding postures, and breathing and relaxation "
            "practices that need very little movement, a suitable practice can be found for nearly "
            "every person.",
            "Children from about seven or eight years can learn simple postures through play, "
            "which improves their posture, concentration and coordination; long holds and strong "
            "breathing practices are best left until the teenage years. Young adults and working "
            "people gain the strength, flexibility and relief from stress that yoga gives. Older "
            "people can keep their joints mobile, their balance steady and their breathing deep "
            "with a gentle practice, using a chair or a wall for support where needed.",
            "People with health conditions can often practise too, but with care and with the "
            "right advice. Those with high blood pressure, heart disease, back or neck problems, a "
            "hernia, glaucoma, epilepsy or a recent injury or operation, and women who are "
            "pregnant, should consult their doctor first and learn under an experienced teacher "
            "who can adapt the practice. Some postures and breathing methods must be avoided in "
            "such cases, and the lessons in this module point out the main cautions.",
            "What matters most is not flexibility or strength but the right attitude. The beginner "
            "needs regularity, patience and an honest awareness of the body, stopping short of "
            "pain and never forcing. A short daily practice of twenty or thirty minutes is worth "
            "far more than an occasional long session. With this approach yoga becomes a lifelong "
            "companion, and the practice can grow and change as the body and circumstances change "
            "over the years.",
        },
        .sections = {},
        .endsWithBreak = false,
    },
    // Command14
    {
        .button = "Command14",
        .title = "Benefits Of Yoga",
        .emphasis = "Benefits of Yoga:",
        .intro = {},
        .sections = {
            {
                .heading = "Physical Benefits:",
                .breaksAfterHeading = 2,
                .blocks = {
                    "* Improves the flexibility of the muscles and joints and keeps the spine "
                    "supple.",
                    "* Builds strength and muscle tone, especially in the back, the abdomen and "
                    "the legs.",
                    "* Improves posture and helps to prevent the stiffness and backache that come "
                    "from long hours of sitting.",
                    "* Improves balance and coordination, which helps to prevent falls in later "
                    "life.",
                    "* Deepens and slows the breath and helps the lungs to work more efficiently.",
                    "* Improves the circulation of the blood and supports a healthy heart.",
                    "* Helps to keep the blood pressure in a healthy range when practised gently "
                    "and regularly.",
                    "* Gently massages the abdominal organs and supports good digestion and "
                    "elimination.",
                    "* Helps to maintain a healthy body weight together with a balanced diet.",
                    "* Supports the balanced working of the glands of the endocrine system.",
                    "* Builds stamina and reduces fatigue, leaving the body energetic rather than "
                    "tired.",
                    "* Promotes deep and restful sleep.",
                    "* Supports the body's natural resistance and its recovery from everyday "
                    "strain.",
                },
            },
            {
                .heading = "Psychological Benefits:",
                .breaksAfterHeading = 2,
                .blocks = {
                    "* Reduces stress, anxiety and nervous tension by calming the nervous system.",
                    "* Improves concentration, memory and clarity of thought.",
                    "* Brings emotional balance and a steadier, more cheerful mood.",
                    "* Builds self-awareness, self-discipline and confidence.",
                    "* Teaches the mind to stay calm and patient in difficult situations.",
                    "* Strengthens will power, which helps to break unhealthy habits.",
                },
            },
            {
                .heading = "Spiritual Benefits:",
                .breaksAfterHeading = 2,
                .blocks = {
                    "* Turns the attention inward and prepares the mind for meditation.",
                    "* Cultivates inner peace, contentment and a sense of connection with all "
                    "life.",
                    "* Encourages the ethical values of non-violence, truthfulness and compassion.",
                    "* Leads step by step towards self-knowledge, the ultimate aim of yoga.",
                },
            },
        },
        .endsWithBreak = false,
    },
    // Command15
    {
        .button = "Command15",
        .title = "Tips To Practice Yoga",
        .emphasis = nullptr,
        .intro = {
            "* Practise on an empty stomach: wait three to four hours after a full meal and about "
            "an hour after a light snack. Early morning is the best time, and early evening is "
            "also good.",
            "* Choose a clean, quiet and well-ventilated place, and use a non-slip mat or a folded "
            "blanket on a level floor.",
            "* Wear loose, comfortable clothing that allows free movement, and remove spectacles, "
            "watches and jewellery.",
            "* Empty the bladder and bowels before you begin. A bath beforehand helps the body to "
            "feel light and fresh.",
            "* Begin each session with a few minutes of gentle warming-up movements, and never "
            "start with the most difficult postures.",
            "* Move into and out of every posture slowly and with control, and never jerk, bounce "
            "or force the body beyond its comfortable limit.",
            "* Breathe through the nose unless an instruction says otherwise, and do not hold the "
            "breath while you hold a posture.",
            "* Balance each posture with a counter-posture, for example a backward bend with a "
            "forward bend, and rest briefly between postures.",
            "* End every session with a few minutes of relaxation in Shavasana, lying on the back "
            "with the body still and the breath easy.",
            "* Practise regularly, a little every day, and consult a doctor before starting if you "
            "are pregnant, unwell or recovering from an injury or operation.",
        },
        .sections = {},
        .endsWithBreak = false,
    },
    // Command16
    {
        .button = "Command16",
        .title = "What Are Yogasanas ?",
        .emphasis = nullptr,
        .intro = {
            "Yogasanas, or asanas, are the physical postures of yoga. Patanjali describes asana "
            "simply as a posture that is steady and comfortable (sthira sukham asanam), and "
            "originally the word meant the seat taken for meditation. The hatha yoga tradition "
            "later developed many postures, often named after animals and things in nature, such "
            "as the cobra, the fish and the tree. Asanas are not ordinary exercises: each is "
            "entered slowly, with awareness of the breath, and held for a while in stillness, "
            "which stretches and strengthens the muscles, keeps the spine supple, massages the "
            "internal organs and calms the mind.",
        },
        .sections = {},
        .endsWithBreak = false,
    },
    // Command51
    {
        .button = "Command51",
        .title = "What Is Meditation ?",
        .emphasis = nullptr,
        .intro = {
            "Meditation, called dhyana in Sanskrit, is the state in which the mind rests in one "
            "unbroken flow of attention on a single object. In Patanjali's eight limbs it is the "
            "seventh stage: it follows dharana, the effort to hold the mind on one point, and it "
            "leads to samadhi, complete absorption. Meditation is not sleep, daydreaming or the "
            "forced suppression of thoughts. It is a state of relaxed alertness, in which the mind "
            "becomes quiet, clear and fully awake.",
            "For the beginner, meditation starts as a practice of concentration. The attention is "
            "placed on an object such as the breath, a mantra, a candle flame or an image, and "
            "each time it wanders it is gently brought back, without frustration. With regular "
            "practice the gaps between distractions lengthen, concentration deepens of its own "
            "accord and meditation arises naturally. A few minutes a day, at the same time and in "
            "the same place, are enough to begin, and the period can be extended slowly as the "
            "mind grows steadier.",
        },
        .sections = {},
        .endsWithBreak = false,
    },
    // Command52
    {
        .button = "Command52",
        .title = "Why Should We Meditate ?",
        .emphasis = nullptr,
        .intro = {
            "The human mind is seldom at rest. It jumps from memories of the past to worries about "
            "the future, reacts to every sight and sound, and spends a great deal of energy on "
            "restless and repetitive thinking. This constant activity tires us, clouds our "
            "judgement and leaves little room for peace. Meditation trains the mind to become "
            "still and focused, and the benefits of this training reach into every part of life.",
            "1. To relieve stress: meditation calms the nervous system, slows the breath and the "
            "heart rate and releases the tension that builds up in daily life.",
            "2. To improve concentration: a trained mind can stay with one task, so work and study "
            "become more efficient and less tiring.",
            "3. To understand ourselves: in the stillness of meditation we observe our thoughts, "
            "emotions and habits, and learn to respond to situations wisely rather than react "
            "blindly.",
            "4. To find lasting peace: meditation reveals a source of contentment within ourselves "
            "that does not depend on outer circumstances, which yoga regards as the true goal of "
            "life.",
        },
        .sections = {},
        .endsWithBreak = false,
    },
    // Command53
    {
        .button = "Command53",
        .title = "Importance Of Meditation",
        .emphasis = nullptr,
        .intro = {
            "In yoga, meditation is the heart of the practice. The postures make the body steady "
            "enough to sit still for a long time, and pranayama calms the breath and the nervous "
            "system, but both are preparations for the inward journey of meditation. Without "
            "meditation yoga remains a form of physical exercise; with it, yoga becomes a way of "
            "knowing oneself. The classical texts therefore place dhyana near the summit of the "
            "eight limbs, just before samadhi.",
            "Meditation is equally important for the ordinary person who has no spiritual aims. "
            "Modern life puts the mind under constant pressure, and many common complaints, from "
            "sleeplessness and headaches to irritability and poor digestion, are made worse by "
            "stress. A regular practice of even ten or fifteen minutes a day gives the mind a "
            "period of real rest and helps a person to meet the demands of family and work with "
            "more patience and energy. Its main benefits are these:",
            "1. It relaxes the body and mind and eases the effects of stress, such as tight "
            "muscles and a racing heart.",
            "2. It improves concentration, memory and the ability to learn.",
            "3. It brings emotional stability and reduces anxiety, anger and mood swings.",
            "4. It improves the quality of sleep and helps the body to rest and recover.",
            "5. It develops patience, compassion and a positive outlook on life and on other "
            "people.",
            "6. It deepens self-awareness and leads, with long practice, to inner peace and "
            "spiritual growth.",
        },
        .sections = {},
        .endsWithBreak = false,
    },
    // Command54
    {
        .button = "Command54",
        .title = "Techniques To Control Our Mind",
        .emphasis =
            "The mind is restless by nature and is often compared to a monkey jumping from branch "
            "to branch. It cannot be controlled by force, for the harder we struggle with it, the "
            "more agitated it becomes. Yoga instead works on the mind through the three channels "
            "that constantly feed and disturb it: the sense organs, the breath and the movements "
            "of the body. When these three are brought under gentle control, the mind settles by "
            "itself.",
        .intro = {},
        .sections = {
            {
                .heading = "1. Sense Organs:",
                .breaksAfterHeading = 1,
                .blocks = {
                    "The five senses of sight, hearing, smell, taste and touch carry a continuous "
                    "stream of impressions to the mind, and each impression sets off new thoughts "
                    "and desires. Pratyahara, the fifth limb of Patanjali's yoga, is the "
                    "withdrawal of the senses from their objects, as a tortoise draws its limbs "
                    "into its shell. In practice it means closing the eyes, sitting in a quiet "
                    "place free from noise and strong smells, and turning the attention inward. "
                    "Moderation in food, entertainment and talk during the day also lightens the "
                    "load on the senses and makes the mind easier to calm.",
                },
            },
            {
                .heading = "2. Breathing: ",
                .breaksAfterHeading = 1,
                .blocks = {
                    "The breath and the mind are closely linked: when we are anxious or angry the "
                    "breath becomes fast and shallow, and when we are calm it is slow and deep. "
                    "The link also works the other way, so by slowing and deepening the breath we "
                    "can quieten the mind. Simple observation of the natural breath, abdominal "
                    "breathing and pranayama practices such as alternate nostril breathing are "
                    "among the most reliable ways to steady a wandering mind before meditation. "
                    "The breath should always be smooth and never forced.",
                },
            },
            {
                .heading = "3. Body Movements: ",
                .breaksAfterHeading = 1,
                .blocks = {
                    "A restless body keeps the mind restless, and fidgeting, scratching and "
                    "shifting position pull the attention outward again and again. Regular "
                    "practice of asanas removes stiffness and discomfort so that the body can "
                    "remain still without strain. For meditation choose a steady seated posture "
                    "such as Sukhasana, Ardha Padmasana, Padmasana or Vajrasana, or sit upright on "
                    "a chair, keeping the head, neck and spine in one straight line. As stillness "
                    "of the body becomes natural, stillness of the mind follows.",
                },
            },
        },
        .endsWithBreak = false,
    },
    // Command55
    {
        .button = "Command55",
        .title = "Techniques To Meditation",
        .emphasis =
            "Meditation cannot be forced; it happens when the right conditions have been prepared. "
            "The following steps describe a simple method that beginners can follow every day. "
            "Start with ten minutes and increase the time gradually as the practice becomes "
            "comfortable, and be patient with yourself, for the mind settles a little more with "
            "every session.",
        .intro = {
            "1. Choose a fixed time, preferably early morning or before going to bed, and practise "
            "at the same time every day.",
            "2. Choose a clean, quiet and well-ventilated place where you will not be disturbed, "
            "and keep it for your practice.",
            "3. Sit in a steady, comfortable posture such as Sukhasana, Padmasana or Vajrasana, or "
            "on a chair, with the head, neck and spine erect.",
            "4. Rest the hands on the knees, palms up or in Chin Mudra, and close the eyes gently.",
            "5. Relax the whole body part by part, from the toes up to the face, releasing any "
            "tension you find.",
            "6. Watch the natural breath for a few minutes, then let it become slow, deep and even "
            "without forcing it.",
            "7. Fix the attention on one object, such as the flow of the breath, a mantra such as "
            "Om repeated silently, or the point between the eyebrows.",
            "8. Whenever the mind wanders, notice it calmly and bring the attention back to the "
            "object, without anger or judgement.",
            "9. At the end, rub the palms together, place them over the eyes, open the eyes slowly "
            "and sit quietly for a moment before getting up.",
        },
        .sections = {},
        .endsWithBreak = false,
    },
    // Command61
    {
        .button = "Command61",
        .title = "What Is Pranayam ?",
        .emphasis = nullptr,
        .intro = {
            "Pranayama is the fourth limb of Patanjali's ashtanga yoga. The word joins prana, the "
            "vital energy that sustains all life and is carried above all by the breath, with "
            "ayama, which means extension or control. Pranayama is therefore the science of "
            "regulating the breath in order to increase and balance the flow of vital energy in "
            "the body. Patanjali describes it as the regulation of the movements of inhalation and "
            "exhalation once a steady posture has been established.",
            "Every pranayama is made up of three parts: puraka, the inhalation; rechaka, the "
            "exhalation; and kumbhaka, the retention of the breath. Beginners should practise only "
            "smooth inhalation and exhalation, usually with the exhalation a little longer than "
            "the inhalation, and should leave breath retention until they have trained for some "
            "time under a qualified teacher. The breath is taken through the nose, and the "
            "movement of the abdomen and chest should be even and unhurried.",
            "Pranayama is practised sitting in a steady posture with the spine erect, on an empty "
            "stomach and in fresh air, usually after the asanas and before meditation. The "
            "practices must be learnt step by step and never forced; strain shows at once as "
            "discomfort, dizziness or breathlessness, and these are signs to stop and breathe "
            "normally. People with high blood pressure, heart disease, lung complaints or other "
            "medical conditions, and women who are pregnant, should take medical advice before "
            "attempting the stronger techniques.",
        },
        .sections = {},
        .endsWithBreak = false,
    },
    // Command62
    {
        .button = "Command62",
        .title = "Importance && Benefits Of Pranayam",
        .emphasis =
            "The breath is the bridge between the body and the mind. We can live for weeks without "
            "food and for days without water, but only for a few minutes without breathing, yet "
            "most of us breathe shallowly and carelessly, using only a small part of our lung "
            "capacity. Pranayama teaches us to breathe fully and rhythmically, and its regular "
            "practice brings benefits to the body, the mind and the spirit alike.",
        .intro = {
            "* Increases the capacity and efficiency of the lungs and strengthens the breathing "
            "muscles.",
            "* Improves the supply of oxygen to the blood and the removal of carbon dioxide.",
            "* Calms the nervous system and reduces stress, anxiety and nervous tension.",
            "* Slows the heart rate and supports healthy circulation when practised gently.",
            "* Improves digestion through the gentle massage that the diaphragm gives the "
            "abdominal organs.",
            "* Increases energy and vitality and reduces fatigue.",
            "* Improves concentration, memory and clarity of mind.",
            "* Balances the emotions and helps to control anger, fear and restlessness.",
            "* Purifies the energy channels (nadis) and balances the flow of prana in the body.",
            "* Prepares the mind for concentration and meditation, the higher limbs of yoga.",
        },
        .sections = {},
        .endsWithBreak = false,
    },
    // Command63
    {
        .button = "Command63",
        .title = "Nadi Shodan Prnayam",
        .emphasis = nullptr,
        .intro = {
            "Nadi Shodhana, also called Anulom Vilom or alternate nostril breathing, purifies the "
            "nadis, the subtle channels through which prana flows. Breathing in and out through "
            "one nostril at a time balances the two main channels, Ida and Pingala, which yoga "
            "links with the left and right nostrils and with the calming and the energising sides "
            "of our nature. It is a gentle practice suitable for beginners and an excellent "
            "preparation for meditation.",
        },
        .sections = {
            {
                .heading = "Procedure",
                .breaksAfterHeading = 1,
                .blocks = {
                    "1. Sit in a comfortable meditative posture such as Sukhasana or Padmasana "
                    "with the spine and head erect, rest the left hand on the left knee and close "
                    "the eyes.",
                    "2. Bring the right hand into Nasika Mudra: fold the index and middle fingers "
                    "into the palm, so that the thumb can close the right nostril and the ring "
                    "finger the left.",
                    "3. Close the right nostril with the thumb and breathe in slowly and deeply "
                    "through the left nostril for a count of four.",
                    "4. Close the left nostril with the ring finger, release the thumb and breathe "
                    "out slowly through the right nostril, at first for a count of four and later "
                    "for up to eight.",
                    "5. Breathe in through the right nostril, close it with the thumb, release the "
                    "left nostril and breathe out through it. This completes one round.",
                    "6. Practise five to ten rounds without holding the breath, keeping it silent "
                    "and smooth, then lower the hand and breathe normally for a while with the "
                    "eyes closed.",
                },
            },
            {
                .heading = "Benefits",
                .breaksAfterHeading = 1,
                .blocks = {
                    "1. Calms and steadies the mind, relieves anxiety and stress and prepares for "
                    "meditation.",
                    "2. Balances the left and right sides of the body and the activity of the "
                    "nervous system.",
                    "3. Improves breathing and the supply of oxygen to the body, and promotes "
                    "restful sleep.",
                },
            },
            {
                .heading = "Cautions",
                .breaksAfterHeading = 1,
                .blocks = {
                    "1. Do not add breath retention without the guidance of an experienced "
                    "teacher, and never hold the breath if you have high blood pressure or heart "
                    "disease.",
                    "2. Never force the breath. If you feel dizzy, breathless or uncomfortable, "
                    "stop and breathe normally.",
                    "3. Practise on an empty stomach, and do not practise while the nose is "
                    "blocked by a cold.",
                },
            },
        },
        .endsWithBreak = false,
    },
    // Command64
    {
        .button = "Command64",
        .title = "Bhastrika Pranayam",
        .emphasis = nullptr,
        .intro = {
            "Bhastrika means bellows, and in this pranayama the breath is drawn in and driven out "
            "forcefully, like the bellows of a blacksmith fanning a fire. Both the inhalation and "
            "the exhalation are active and equal in force, which distinguishes Bhastrika from "
            "Kapalbhati, where only the exhalation is active. It generates heat and energy in the "
            "body and should be learnt slowly, starting with a few breaths at a gentle pace.",
        },
        .sections = {
            {
                .heading = "Procedure",
                .breaksAfterHeading = 1,
                .blocks = {
                    "1. Sit in a steady meditative posture such as Padmasana, Sukhasana or "
                    "Vajrasana, with the spine erect, the hands on the knees and the eyes closed.",
                    "2. Breathe in deeply and forcefully through both nostrils, letting the "
                    "abdomen expand, then breathe out forcefully, drawing the abdomen in.",
                    "3. Continue with equal, rhythmic breaths, about one each second, for ten "
                    "breaths, keeping the head, shoulders and trunk still.",
                    "4. After the last exhalation take a slow, deep breath in, breathe out slowly "
                    "and relax with normal breathing for a minute. This completes one round.",
                    "5. Begin with one to three rounds, and increase the number of breaths and the "
                    "speed only gradually over weeks, as long as the practice stays comfortable.",
                },
            },
            {
                .heading = "Benefits",
                .breaksAfterHeading = 1,
                .blocks = {
                    "1. Increases the capacity of the lungs and the supply of oxygen, and clears "
                    "the air passages.",
                    "2. Generates warmth and energy and dispels lethargy and dullness of mind.",
                    "3. Stimulates digestion and metabolism through the strong movement of the "
                    "diaphragm and the abdomen.",
                },
            },
            {
                .heading = "Caution",
                .breaksAfterHeading = 1,
                .blocks = {
                    "1. Do not practise Bhastrika if you have high blood pressure, heart disease, "
                    "epilepsy, a hernia, a gastric ulcer or vertigo, or if you are pregnant.",
                    "2. Avoid it after a recent operation, especially on the chest or abdomen, and "
                    "practise only on an empty stomach.",
                    "3. Stop at once and breathe normally if you feel dizzy, faint or breathless, "
                    "and go more slowly next time.",
                },
            },
        },
        .endsWithBreak = true,
    },
    // Command65
    {
        .button = "Command65",
        .title = "Bhramari Pranayam",
        .emphasis = nullptr,
        .intro = {
            "Bhramari takes its name from the bhramara, the black humming bee, because the "
            "exhalation is made with a steady humming sound like the buzzing of a bee. The "
            "vibration of the sound is felt in the head and face and has a deeply soothing effect "
            "on the brain and the nervous system. It is one of the gentlest pranayamas and is "
            "especially helpful for calming an agitated mind before sleep or meditation.",
        },
        .sections = {
            {
                .heading = "Procedure",
                .breaksAfterHeading = 1,
                .blocks = {
                    "1. Sit in a comfortable meditative posture with the spine erect and the eyes "
                    "closed, and relax the face and jaw.",
                    "2. Close the ears gently by pressing the small flap of cartilage in front of "
                    "each ear with the index fingers.",
                    "3. Breathe in slowly and deeply through the nose.",
                    "4. Keeping the lips closed and the teeth slightly apart, breathe out slowly "
                    "through the nose while making a steady, low humming sound like a bee, for as "
                    "long as is comfortable.",
                    "5. Repeat five to ten times, then lower the hands, breathe normally and sit "
                    "quietly for a while, feeling the vibration and the stillness.",
                },
            },
            {
                .heading = "Benefits",
                .breaksAfterHeading = 1,
                .blocks = {
                    "1. Relieves stress, anger and anxiety and calms the mind quickly.",
                    "2. Helps to bring restful sleep and is useful for people who find it hard to "
                    "fall asleep.",
                    "3. Soothes the nervous system and may help to ease tension headaches.",
                    "4. Improves concentration and prepares the mind for meditation.",
                },
            },
            {
                .heading = "Caution",
                .breaksAfterHeading = 1,
                .blocks = {
                    "1. Do not practise lying down or while you have an ear infection, and never "
                    "press hard on the ears. Hum gently without straining, and stop and breathe "
                    "normally if you feel dizzy or uncomfortable.",
                },
            },
        },
        .endsWithBreak = false,
    },
    // Command66
    {
        .button = "Command66",
        .title = "Kapalbhati Pranayam",
        .emphasis = nullptr,
        .intro = {
            "Kapalbhati means skull shining, from kapala, the skull, and bhati, to shine. In the "
            "classical texts it is one of the six cleansing practices (shatkarmas) of hatha yoga, "
            "and it is practised like a pranayama: a short, forceful exhalation made by a quick "
            "inward stroke of the abdomen, followed by a passive inhalation. Practise it on an "
            "empty stomach and stop if you feel dizzy. Avoid it if you have high blood pressure, "
            "heart disease, epilepsy, a hernia or a gastric ulcer, during pregnancy and "
            "menstruation, and after recent abdominal surgery.",
        },
        .sections = {
            {
                .heading = "Procedure",
                .breaksAfterHeading = 1,
                .blocks = {
                    "1. Sit in a steady meditative posture such as Padmasana, Sukhasana or "
                    "Vajrasana, with the spine erect, the hands on the knees and the eyes gently "
                    "closed.",
                    "2. Take a normal breath in, then breathe out forcefully through both nostrils "
                    "by contracting the abdominal muscles sharply, drawing the navel towards the "
                    "spine.",
                    "3. Relax the abdomen at once so that the inhalation happens passively and "
                    "without effort, and repeat the forceful exhalation.",
                    "4. Keep a steady rhythm of about one stroke each second, with 15 to 20 "
                    "strokes in a round, and keep the chest, shoulders and face still.",
                    "5. After the last stroke breathe normally and rest for a minute. Practise "
                    "three rounds, increasing the strokes gradually over weeks as long as it stays "
                    "comfortable.",
                },
            },
            {
                .heading = "Benefits",
                .breaksAfterHeading = 1,
                .blocks = {
                    "1. Cleanses the nasal passages and lungs and improves breathing and the "
                    "supply of oxygen.",
                    "2. Tones the abdominal muscles and organs, improves digestion and leaves the "
                    "mind fresh and alert, removing dullness and sleepiness.",
                },
            },
        },
        .endsWithBreak = false,
    },
    // Command71
    {
        .button = "Command71",
        .title = "What Is Surya Namaskar ?",
        .emphasis = nullptr,
        .intro = {
            "Surya Namaskar, the salutation to the sun, is a sequence of twelve positions "
            "performed in one flowing series with the breath. In the Indian tradition the sun is "
            "honoured as the source of light, warmth and life on earth, and the practice was "
            "traditionally done at sunrise, facing the east, as an offering of gratitude. Each of "
            "the twelve positions may be accompanied by one of the twelve names of the sun, such "
            "as Om Mitraya Namah and Om Ravaye Namah, chanted aloud or silently.",
            "Surya Namaskar is a complete practice in itself, combining postures, breathing and "
            "concentration. The sequence bends the spine forwards and backwards, stretches and "
            "strengthens almost every group of muscles and stimulates the heart, lungs and "
            "digestive organs. Done slowly, it is an excellent warming-up before asanas; done at a "
            "steadier pace, it is a vigorous exercise. One round consists of two sequences of the "
            "twelve positions, the first leading with the right leg and the second with the left, "
            "and beginners can start with two or three rounds.",
        },
        .sections = {},
        .endsWithBreak = false,
    },
    // Command72
    {
        .button = "Command72",
        .title = "How To Practice Surya Namaskar ?",
        .emphasis = nullptr,
        .intro = {
            "1. Pranamasana (prayer pose): stand upright with the feet together and join the palms "
            "in front of the chest. Breathe normally and relax.",
            "2. Hasta Uttanasana (raised arms pose): breathing in, raise the arms above the head, "
            "stretch upward and bend the upper body gently backward.",
            "3. Hasta Padasana (hand to foot pose): breathing out, bend forward from the hips and "
            "place the palms beside the feet, bringing the forehead towards the knees. Bend the "
            "knees a little if you need to.",
            "4. Ashwa Sanchalanasana (equestrian pose): breathing in, stretch the right leg back "
            "and lower the right knee to the floor, keeping the left foot between the hands. Arch "
            "the back and look up.",
            "5. Parvatasana (mountain pose): breathing out, take the left foot back beside the "
            "right and raise the buttocks, lowering the head between the arms so that the body "
            "forms an inverted V (some traditions hold the straight plank position, Dandasana, "
            "here instead).",
            "6. Ashtanga Namaskara (salute with eight parts): holding the breath out, lower the "
            "knees, chest and chin to the floor with the buttocks raised, so that the feet, knees, "
            "hands, chest and chin touch the ground.",
            "7. Bhujangasana (cobra pose): breathing in, lower the hips, slide the body forward "
            "and raise the head and chest, keeping the elbows slightly bent and the shoulders away "
            "from the ears.",
            "8. Parvatasana (mountain pose): breathing out, raise the buttocks and lower the heels "
            "towards the floor, returning to the inverted V.",
            "9. Ashwa Sanchalanasana (equestrian pose): breathing in, bring the right foot forward "
            "between the hands and lower the left knee to the floor. Arch the back and look up.",
            "10. Hasta Padasana (hand to foot pose): breathing out, bring the left foot forward "
            "beside the right, straighten the legs and bend forward with the palms beside the "
            "feet.",
            "11. Hasta Uttanasana (raised arms pose): breathing in, raise the upper body and the "
            "arms above the head and bend gently backward.",
            "12. Pranamasana (prayer pose): breathing out, return upright with the palms joined in "
            "front of the chest. Repeat the series leading with the left leg in steps 4 and 9 to "
            "complete one round.",
        },
        .sections = {},
        .endsWithBreak = false,
    },
    // Command73
    {
        .button = "Command73",
        .title = "Benefits Of Surya Namaskar",
        .emphasis = nullptr,
        .intro = {
            "1. Stretches and strengthens almost all the muscles of the body and keeps the spine "
            "and joints supple.",
            "2. Stimulates the heart and the circulation and improves the capacity of the lungs "
            "through rhythmic, deep breathing.",
            "3. Massages the abdominal organs, improves digestion and helps to relieve "
            "constipation.",
            "4. Builds stamina and helps to maintain a healthy body weight when practised "
            "regularly at a steady pace.",
            "5. Calms and focuses the mind, relieves stress and prepares the body and mind for "
            "asanas, pranayama and meditation.",
        },
        .sections = {},
        .endsWithBreak = false,
    },
    // Command74
    {
        .button = "Command74",
        .title = "People Who Should Not Practice",
        .emphasis = nullptr,
        .intro = {
            "Surya Namaskar is a vigorous practice that bends the spine forwards and backwards, "
            "puts weight on the arms and raises the heart rate steadily. Although it suits most "
            "healthy people, some conditions call for caution or for avoiding it altogether. If "
            "any of the following apply to you, ask your doctor's advice before you begin and "
            "learn only under an experienced teacher, who may suggest a gentler practice instead.",
            "1. Women after the third month of pregnancy should not practise it. After childbirth "
            "it should be taken up again only with the doctor's approval, usually not before six "
            "weeks.",
            "2. People with a hernia, or who have had recent abdominal or other surgery, should "
            "avoid it, since the bending and stretching strain the abdominal wall.",
            "3. People with high blood pressure, heart disease or a history of stroke should not "
            "practise it, because the effort and the forward bends can raise the blood pressure.",
            "4. People with back problems such as a slipped disc or sciatica, or with severe neck "
            "or spinal pain, should avoid it or practise a modified version only with their "
            "doctor's consent.",
            "5. Women are traditionally advised to rest from it during menstruation, especially in "
            "the first days, and people with fever or acute illness should wait until they have "
            "recovered.",
        },
        .sections = {},
        .endsWithBreak = false,
    },
}};
// clang-format on

} // namespace LearnYogaContent
