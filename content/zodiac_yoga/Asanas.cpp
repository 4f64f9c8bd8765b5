#include "zodiac_yoga/ZodiacContent.h"

// The fourteen asana records in their fixed order (record n uses asana picture n) and the
// introductory paragraphs of the asana page. Procedures and numbered benefits keep one
// step per line, separated by CR LF, with no line break after the last step.
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

const std::array<AsanaEntry, 14> kAsanas = {{
    {
        .title = "Sarvangasana",
        .key = "Sarvaangaasanaa",
        .picture = "19 Sarvangasana",
        .reportHeading = "Sarvaangaasanaa :-",
        .text =
            {
                .englishName = "Shoulder Stand Pose",
                .definition =
                    "Sarvangasana comes from the Sanskrit words sarva, meaning all, anga, meaning "
                    "limb or part of the body, and asana, meaning posture. It is called the "
                    "all-limbs pose because it benefits the whole body. It is an inverted posture "
                    "in which the body rests on the shoulders and upper arms, supported by the "
                    "hands, with the trunk and legs raised in a straight line above the head.",
                .procedure =
                    "1. Lie on your back with the shoulders on a folded blanket and the head "
                    "on the floor, the legs together and the arms beside the body with the "
                    "palms down. Breathe normally.\r\n"
                    "2. While exhaling, press the palms into the floor and slowly raise the "
                    "legs to a vertical position, then lift the hips and back off the floor "
                    "and support the back with the hands, keeping the elbows close together.\r\n"
                    "3. Straighten the trunk and legs into a vertical line and bring the "
                    "chest towards the chin without pressing the neck. Keep the head still, "
                    "do not turn it, and breathe slowly and evenly. Hold for 30 seconds at "
                    "first, building up gradually to 3 minutes.\r\n"
                    "4. To come down, lower the knees towards the forehead, place the hands on "
                    "the floor and roll the spine down slowly, one vertebra at a time, then lower "
                    "the legs and rest in Savasana.",
                .benefits =
                    "1. Reverses the pull of gravity on the body, helping the return of blood "
                    "from the legs and relieving tired, heavy legs.\r\n"
                    "2. Stimulates the thyroid and parathyroid glands in the throat, which "
                    "regulate metabolism.\r\n"
                    "3. Strengthens the shoulders, arms and back and tones the abdominal "
                    "muscles.\r\n"
                    "4. Calms the nervous system and helps to relieve stress, fatigue and mild "
                    "insomnia.",
                .contraindications =
                    "Do not practise Sarvangasana if you have a neck or shoulder injury, cervical "
                    "spondylosis, high blood pressure, heart disease, glaucoma or another eye "
                    "condition such as a detached retina, or an ear infection, or if you are "
                    "pregnant or menstruating. Learn the pose under a qualified teacher, use a "
                    "folded blanket under the shoulders to protect the neck, never turn the head "
                    "while in the pose, and come down at once if you feel pressure in the head or "
                    "pain in the neck.",
            },
    },
    {
        .title = "Makarasana",
        .key = "Makaraasanaa",
        .picture = "10 Makarasana",
        .reportHeading = "Makaraasanaa :-",
        .text =
            {
                .englishName = "Crocodile Pose",
                .definition =
                    "Makarasana takes its name from the Sanskrit word makara, meaning crocodile, "
                    "and asana, meaning posture. It is a relaxation posture performed lying face "
                    "down, in which the body rests like a crocodile lying still in the water. It "
                    "is used for rest between postures done on the stomach and for learning slow, "
                    "deep abdominal breathing.",
                .procedure =
                    "1. Lie on your stomach with the legs stretched out and the chin resting "
                    "on the floor.\r\n"
                    "2. Move the feet a comfortable distance apart, with the heels turned "
                    "inwards and the toes pointing outwards.\r\n"
                    "3. Fold the arms in front of you, placing each hand on the opposite "
                    "upper arm, and rest the forehead on the forearms.\r\n"
                    "4. Close the eyes, relax the whole body and breathe slowly and deeply, "
                    "feeling the abdomen press against the floor as you inhale and soften as "
                    "you exhale.\r\n"
                    "5. Stay in the pose for 1 to 5 minutes, then bring the legs together, "
                    "release the arms and rest for a moment before getting up slowly.",
                .benefits =
                    "1. Relaxes the whole body and relieves stress, tension and fatigue.\r\n"
                    "2. Teaches slow, deep abdominal breathing and helps to steady the "
                    "breath.\r\n"
                    "3. Relieves tension in the lower back, the spine and the shoulders.",
                .contraindications =
                    "Makarasana is a gentle posture that most people can practise safely. Avoid "
                    "it in the later months of pregnancy and after recent abdominal surgery, when "
                    "lying on the stomach is uncomfortable or unsafe. People with a stiff back or "
                    "neck can place a thin cushion under the abdomen or the forehead. Anyone who "
                    "feels breathless lying face down should turn the head to one side or come "
                    "out of the pose.",
            },
    },
    {
        .title = "Savasana",
        .key = "Savaasanaa",
        .picture = "21 Shavasana",
        .reportHeading = "Savaasanaa :-",
        .text =
            {
                .englishName = "Corpse Pose",
                .definition =
                    "Savasana takes its name from the Sanskrit word shava, meaning corpse, and "
                    "asana, meaning posture. It is a posture of complete relaxation in which you "
                    "lie on your back as still as a corpse, releasing every muscle while the mind "
                    "remains quietly aware. It is practised at the end of every yoga session and "
                    "between demanding postures, so that the body and mind can absorb the effects "
                    "of the practice.",
                .procedure =
                    "1. Lie flat on your back on a mat, with the feet about shoulder width "
                    "apart and falling outwards, and the arms a little away from the body "
                    "with the palms facing upwards.\r\n"
                    "2. Close the eyes and check that the head, neck and spine are in a "
                    "straight line; adjust your position until you are completely "
                    "comfortable.\r\n"
                    "3. Breathe naturally and slowly, and move your attention through the "
                    "body from the toes to the top of the head, consciously relaxing each "
                    "part in turn.\r\n"
                    "4. Remain still for 5 to 10 minutes, then deepen the breath, gently move the "
                    "fingers and toes, roll onto your right side and use your hands to come up "
                    "slowly to sitting.",
                .benefits =
                    "1. Relaxes the whole body and releases physical and mental tension.\r\n"
                    "2. Calms the nervous system and helps to reduce stress, anxiety and "
                    "fatigue.\r\n"
                    "3. Slows the breath and the heart rate and can help to bring down raised "
                    "blood pressure.\r\n"
                    "4. Improves concentration, memory and the quality of sleep.\r\n"
                    "5. Lets the body recover and absorb the benefits of the other asanas at the "
                    "end of a practice.",
                .contraindications =
                    "Savasana is safe for almost everyone. In the later months of pregnancy, lie "
                    "on the left side with a cushion between the knees instead of on the back. "
                    "People with lower back pain can place a rolled blanket under the knees, and "
                    "those with breathing difficulties or acid reflux can raise the head and "
                    "chest on a cushion. Keep warm with a blanket, and if you feel low in mood or "
                    "tend to fall asleep, keep the eyes slightly open and shorten the time.",
            },
    },
    {
        .title = "Halasana",
        .key = "Haalaasanaa",
        .picture = "08 Halasana",
        .reportHeading = "Haalaasanaa :-",
        .text =
            {
                .englishName = "Plough Posture",
                .definition =
                    "Halasana takes its name from the Sanskrit word hala, meaning plough, and "
                    "asana, meaning posture. In the final position the body resembles the "
                    "traditional Indian plough. It is an inverted forward bend in which, lying on "
                    "the back, you raise the legs over the head until the toes touch the floor "
                    "behind you, giving the whole spine a deep stretch.",
                .procedure =
                    "1. Lie flat on your back with the legs together, the arms beside the "
                    "body and the palms facing down.\r\n"
                    "2. While inhaling, press the palms down and raise the legs slowly to a "
                    "vertical position, keeping them straight.\r\n"
                    "3. While exhaling, lift the hips and lower back off the floor and take "
                    "the legs over the head, supporting the back with the hands if needed, "
                    "until the toes touch the floor behind the head. If they do not reach, "
                    "rest them on a chair or a cushion.\r\n"
                    "4. Keep the legs straight and the head still, and breathe slowly and "
                    "evenly. Hold for 15 to 30 seconds at first, building up gradually to 2 "
                    "minutes.\r\n"
                    "5. To release, place the arms flat on the floor and roll the spine down "
                    "slowly, one vertebra at a time, lower the legs to the floor with control and "
                    "relax in Savasana.",
                .benefits =
                    "1. Stretches the whole spine, keeps it supple and relieves stiffness in "
                    "the back, shoulders and neck.\r\n"
                    "2. Massages the abdominal organs, improving digestion and relieving "
                    "constipation.\r\n"
                    "3. Stimulates the thyroid gland and calms the mind, relieving stress and "
                    "fatigue.",
                .contraindications =
                    "Do not practise Halasana if you have a neck injury, cervical spondylosis, a "
                    "slipped disc or other serious back problems, high blood pressure, heart "
                    "disease, glaucoma, a hernia or diarrhoea, or if you are pregnant or "
                    "menstruating. Beginners should use a folded blanket under the shoulders, "
                    "never force the feet to the floor and keep the head still throughout. Come "
                    "out of the pose at once if you feel pain or strain in the neck.",
            },
    },
    {
        .title = "Padmasana",
        .key = "Padmaasanaa",
        .picture = "15 Padmasana",
        .reportHeading = "Padmaasanaa :-",
        .text =
            {
                .englishName = "Lotus Pose",
                .definition =
                    "Padmasana takes its name from the Sanskrit word padma, meaning lotus, and "
                    "asana, meaning posture. It is a seated cross-legged posture in which each "
                    "foot rests on the opposite thigh, so that the crossed legs resemble the "
                    "petals of a lotus flower. It is one of the classical postures for meditation "
                    "and breathing exercises, because it keeps the spine erect and the body "
                    "steady for long periods.",
                .procedure =
                    "1. Sit on the floor with the legs stretched out in front of you and the "
                    "spine erect.\r\n"
                    "2. Bend the right knee and, holding the foot with both hands, place it "
                    "on top of the left thigh close to the hip, with the sole turned upwards.\r\n"
                    "3. Bend the left knee and place the left foot on top of the right thigh "
                    "in the same way, so that both heels are close to the abdomen.\r\n"
                    "4. Let both knees rest on the floor, keep the head, neck and spine in a "
                    "straight line, and place the hands on the knees with the palms up and "
                    "the thumb and index finger touching.\r\n"
                    "5. Close the eyes, relax the face and shoulders and breathe slowly and "
                    "deeply. Stay for 1 minute at first and build up the time gradually.\r\n"
                    "6. To release, straighten the legs one at a time and gently massage the "
                    "knees and ankles, then repeat with the legs crossed the other way.",
                .benefits =
                    "Padmasana keeps the spine straight and the body stable, which calms the mind "
                    "and makes it an excellent posture for meditation and breathing exercises. It "
                    "improves concentration and awareness, helps to relieve stress and anxiety, "
                    "and increases the flexibility of the hips, knees and ankles. The posture "
                    "also encourages the flow of blood to the pelvis and abdomen, which supports "
                    "digestion, and with regular practice it develops good posture and a sense of "
                    "inner steadiness.",
                .contraindications =
                    "Do not practise Padmasana if you have injured, weak or painful knees or "
                    "ankles, sciatica, or stiffness in the hips that would force the pose. Never "
                    "pull the foot into place or twist the knee; the rotation must come from the "
                    "hips. Beginners should start with the half lotus or a simple cross-legged "
                    "seat on a folded blanket, and come out of the pose as soon as any pain "
                    "appears in the knees. Pregnant women should choose an easier seated posture.",
            },
    },
    {
        .title = "Dhanurasana",
        .key = "Dhanuraasanaa",
        .picture = "05 Dhanurasana",
        .reportHeading = "Dhanuraasanaa :-",
        .text =
            {
                .englishName = "Bow Pose",
                .definition =
                    "Dhanurasana takes its name from the Sanskrit word dhanu, meaning bow, and "
                    "asana, meaning posture. In the final position the trunk and legs form the "
                    "curved body of a bow and the straight arms are its string. It is a "
                    "backward-bending posture, performed lying on the stomach, that stretches the "
                    "whole front of the body and strengthens the back.",
                .procedure =
                    "1. Lie on your stomach with the chin on the floor, the legs together and "
                    "the arms beside the body.\r\n"
                    "2. Bend the knees and bring the heels towards the buttocks.\r\n"
                    "3. Reach back and hold the ankles firmly with the hands, keeping the "
                    "knees about hip width apart.\r\n"
                    "4. While inhaling, lift the head and chest off the floor and at the same "
                    "time press the ankles back against the hands, so that the thighs rise "
                    "from the floor.\r\n"
                    "5. Look forward or slightly upwards, keep the arms straight and balance "
                    "the body on the abdomen.\r\n"
                    "6. Hold the pose for 10 to 20 seconds, breathing slowly and evenly; do "
                    "not hold the breath.\r\n"
                    "7. While exhaling, slowly lower the thighs, chest and head to the floor "
                    "and release the ankles.\r\n"
                    "8. Stretch the legs out, rest in Makarasana, and repeat the pose two or "
                    "three times.",
                .benefits =
                    "1. Strengthens the back muscles and increases the flexibility of the "
                    "spine.\r\n"
                    "2. Stretches the chest, abdomen, thighs and the whole front of the body, "
                    "and improves posture.\r\n"
                    "3. Massages the abdominal organs, stimulating digestion and helping to "
                    "relieve constipation.\r\n"
                    "4. Opens the chest and shoulders, encouraging deeper breathing and a feeling "
                    "of energy.",
                .contraindications =
                    "Do not practise Dhanurasana if you have high blood pressure, heart disease, "
                    "a hernia, a peptic ulcer, a slipped disc or other serious back problems, a "
                    "neck injury or recent abdominal surgery, and avoid it during pregnancy and "
                    "menstruation. Practise on an empty stomach, lift only as far as is "
                    "comfortable and never jerk into the pose. Follow it with a gentle forward "
                    "bend or a rest in Makarasana to release the back.",
            },
    },
    {
        .title = "Bhujangasana",
        .key = "Bhujangaasanaa",
        .picture = "04 Bhujangasana",
        .reportHeading = "Bhujangaasanaa :-",
        .text =
            {
                .englishName = "Half- Cobra Pose",
                .definition =
                    "Bhujangasana takes its name from the Sanskrit word bhujanga, meaning cobra "
                    "or serpent, and asana, meaning posture. The head and chest are raised from "
                    "the floor like the hood of a cobra about to strike, while the lower body "
                    "stays on the ground. It is a gentle backward bend done lying on the stomach; "
                    "in the half cobra the elbows stay bent, so that the lower back is not "
                    "overarched.",
                .procedure =
                    "1. Lie on your stomach with the legs together, the tops of the feet on "
                    "the floor and the forehead resting on the ground.\r\n"
                    "2. Place the palms on the floor beneath the shoulders, with the fingers "
                    "pointing forward and the elbows close to the body.\r\n"
                    "3. While inhaling, slowly raise the head, neck and chest, using the back "
                    "muscles more than the arms and keeping the navel and hips on the floor.\r\n"
                    "4. Keep the elbows slightly bent and the shoulders relaxed and away from "
                    "the ears, and look straight ahead or slightly upwards without straining "
                    "the neck.\r\n"
                    "5. Hold the pose for 10 to 30 seconds, breathing normally.\r\n"
                    "6. While exhaling, lower the chest and forehead slowly to the floor, bring "
                    "the arms beside the body and relax with the head turned to one side. Repeat "
                    "two or three times.",
                .benefits =
                    "Bhujangasana strengthens the muscles of the back, shoulders and arms and "
                    "makes the spine more supple, which helps to relieve stiffness and mild "
                    "backache caused by long hours of sitting. It opens the chest and encourages "
                    "deeper breathing, and the gentle pressure on the abdomen tones the abdominal "
                    "organs and aids digestion. Regular practice improves posture, reduces "
                    "fatigue and helps to counteract stress.",
                .contraindications =
                    "Do not practise Bhujangasana if you are pregnant, have had recent abdominal "
                    "surgery, or suffer from a hernia, a peptic ulcer or a serious back injury "
                    "such as a slipped disc, unless a qualified teacher advises otherwise. People "
                    "with wrist problems or carpal tunnel syndrome should take little weight on "
                    "the hands. Never force the back into a deep arch; rise only as far as you "
                    "can without pain in the lower back, and keep the neck long.",
            },
    },
    {
        .title = "Paschimottasana",
        .key = "Paschimottaasanaa",
        .picture = "17 Paschimottanasana",
        .reportHeading = "Paschimottaasanaa :-",
        .text =
            {
                .englishName = "Forward Bend Pose",
                .definition =
                    "Paschimottasana, also written Paschimottanasana, takes its name from the "
                    "Sanskrit words paschima, meaning west, uttana, meaning intense stretch, and "
                    "asana, meaning posture. In yoga tradition the back of the body is called its "
                    "west side, so the name means the intense stretch of the back of the body. It "
                    "is a seated forward bend in which the trunk folds over the straight legs, "
                    "lengthening the spine and the hamstrings.",
                .procedure =
                    "1. Sit on the floor with the legs stretched out in front of you, the "
                    "feet together with the toes pointing upwards, and the spine erect.\r\n"
                    "2. Place the palms on the thighs and relax the shoulders.\r\n"
                    "3. While inhaling, raise both arms above the head and stretch the spine "
                    "upwards.\r\n"
                    "4. While exhaling, bend forward slowly from the hips, keeping the back "
                    "as long as possible, and slide the hands along the legs.\r\n"
                    "5. Hold the big toes, the ankles or the shins, whichever you can reach "
                    "without strain, and keep the knees straight but not locked.\r\n"
                    "6. Bring the abdomen towards the thighs and the forehead towards the "
                    "knees, and hold for 20 to 60 seconds, breathing slowly and relaxing a "
                    "little deeper with each exhalation.\r\n"
                    "7. While inhaling, raise the arms and trunk slowly back to the upright "
                    "position, then lower the hands and relax.",
                .benefits =
                    "1. Stretches the spine, the hamstrings and the whole back of the body, "
                    "increasing flexibility.\r\n"
                    "2. Massages and tones the abdominal and pelvic organs, improving "
                    "digestion and relieving constipation.\r\n"
                    "3. Calms the mind and helps to relieve stress, anxiety and mild "
                    "headache.\r\n"
                    "4. Stimulates the kidneys, liver and pancreas and tones the muscles of the "
                    "abdomen.",
                .contraindications =
                    "Do not practise Paschimottasana if you have a slipped disc, sciatica, acute "
                    "lower back pain, a hernia or an ulcer, during pregnancy or after recent "
                    "abdominal surgery. People with tight hamstrings should bend the knees "
                    "slightly or sit on a folded blanket, and use a strap around the feet rather "
                    "than pulling themselves down. Never bounce or force the forward bend; bend "
                    "from the hips and stop where the stretch is still comfortable.",
            },
    },
    {
        .title = "Yoga Mudra",
        .key = "YogaMudraa",
        .picture = "32 Yoga Mudra",
        .reportHeading = "Yoga Mudra :-",
        .text =
            {
                .englishName = "Scaling Pose",
                .definition =
                    "Yoga Mudra takes its name from the Sanskrit words yoga, meaning union, and "
                    "mudra, meaning seal or gesture. It is a seated forward bend, usually "
                    "practised from Padmasana or Vajrasana, in which the hands are held behind "
                    "the back and the forehead is lowered towards the floor. It turns the "
                    "attention inwards and is regarded as a symbol of the union of the individual "
                    "self with the universal.",
                .procedure =
                    "1. Sit in Padmasana with the spine erect, or in Vajrasana or a simple "
                    "cross-legged position if the lotus is not comfortable.\r\n"
                    "2. Take the arms behind the back and hold the left wrist with the right "
                    "hand, or interlock the fingers.\r\n"
                    "3. Close the eyes, relax the body and inhale deeply.\r\n"
                    "4. While exhaling, bend forward slowly from the hips, keeping the back "
                    "straight for as long as possible, and bring the forehead towards the "
                    "floor in front of you.\r\n"
                    "5. Rest the forehead on the floor or on a cushion, relax the shoulders "
                    "and breathe normally for 10 to 30 seconds, or longer if it is "
                    "comfortable.\r\n"
                    "6. While inhaling, come back slowly to the upright position, release the "
                    "hands and relax. Repeat two or three times.",
                .benefits =
                    "1. Massages the abdominal organs, improving digestion and helping to "
                    "relieve constipation and gas.\r\n"
                    "2. Stretches the spine, keeps it supple and relieves stiffness in the "
                    "back.\r\n"
                    "3. Strengthens the pelvic region and tones the muscles of the abdomen.\r\n"
                    "4. Calms the mind and helps to reduce stress, anger and nervous tension.\r\n"
                    "5. Improves concentration and prepares the mind for meditation.",
                .contraindications =
                    "Avoid Yoga Mudra if you have high blood pressure, heart disease, glaucoma, a "
                    "hernia, a peptic ulcer, a slipped disc or other serious back problems, and "
                    "during pregnancy. Those with knee or ankle problems should practise from a "
                    "simple cross-legged seat or sitting on a chair instead of Padmasana. Do not "
                    "force the forehead to the floor, and come up slowly, resting for a moment if "
                    "you feel dizzy.",
            },
    },
    {
        .title = "Naukasana",
        .key = "Naukaasanaa",
        .picture = "14 Noukasana",
        .reportHeading = "Naukaasanaa :-",
        .text =
            {
                .englishName = "Boat Pose",
                .definition =
                    "Naukasana takes its name from the Sanskrit word nauka, meaning boat, and "
                    "asana, meaning posture. In the final position the body rests on the buttocks "
                    "with the legs, trunk and arms raised from the floor, so that it takes the "
                    "shape of a boat. It is a balancing posture that works mainly on the muscles "
                    "of the abdomen and the back.",
                .procedure =
                    "1. Lie on your back with the legs together, the arms beside the body and "
                    "the palms facing down.\r\n"
                    "2. Inhale deeply, and while exhaling, raise the head, shoulders, trunk "
                    "and legs off the floor together, keeping the legs straight.\r\n"
                    "3. Stretch the arms forward in line with the feet, with the palms facing "
                    "each other or facing down, and keep the eyes on the toes.\r\n"
                    "4. Balance on the buttocks with the feet and head at about the same "
                    "height, breathing slowly and evenly. Bend the knees if the lower back "
                    "strains.\r\n"
                    "5. Hold the pose for 10 to 20 seconds at first, increasing the time "
                    "gradually as you grow stronger.\r\n"
                    "6. While exhaling, slowly lower the legs, trunk and head to the floor "
                    "together, relax in Savasana and repeat two or three times.",
                .benefits = "1. Strengthens and tones the muscles of the abdomen, back, hips and "
                            "thighs.\r\n"
                            "2. Stimulates the digestive organs and helps to improve digestion.\r\n"
                            "3. Improves balance and concentration and builds stamina and "
                            "self-confidence.",
                .contraindications =
                    "Do not practise Naukasana if you are pregnant or menstruating, or if you "
                    "have a hernia, recent abdominal surgery, a slipped disc or other serious "
                    "back problems, or a severe headache. People with heart disease, asthma or "
                    "high blood pressure should practise it only under the guidance of a "
                    "qualified teacher. Never hold the breath in the pose, and bend the knees or "
                    "lower the legs as soon as the lower back begins to strain.",
            },
    },
    {
        .title = "Mayurasana",
        .key = "Mayuraasanaa",
        .picture = "13 Mayurasana",
        .reportHeading = "Mayuraasanaa :-",
        .text =
            {
                .englishName = "Feathered Peacock Pose",
                .definition =
                    "Mayurasana takes its name from the Sanskrit word mayura, meaning peacock, "
                    "and asana, meaning posture. In the final position the whole body is balanced "
                    "horizontally on the hands, with the elbows pressed into the abdomen, so that "
                    "it resembles a peacock with its tail feathers stretched out behind it. It is "
                    "an advanced arm balance that demands strength in the wrists, arms and "
                    "abdomen.",
                .procedure =
                    "1. Kneel on the floor with the knees apart and sit on the heels.\r\n"
                    "2. Lean forward and place the palms on the floor between the knees, with "
                    "the fingers pointing back towards the feet and the wrists and elbows "
                    "close together.\r\n"
                    "3. Bend the elbows and rest the abdomen, just below the navel, on the "
                    "elbows, with the chest resting on the upper arms.\r\n"
                    "4. Stretch the legs out behind you one at a time, keeping them straight "
                    "and together with the toes on the floor.\r\n"
                    "5. Tighten the body, shift the weight slowly forward and lift the feet "
                    "off the floor until the body is balanced horizontally on the hands, "
                    "breathing gently. Hold for a few seconds at first.\r\n"
                    "6. Lower the feet to the floor, bend the knees, release the arms and rest in "
                    "Vajrasana or Savasana.",
                .benefits = "1. Strengthens the wrists, forearms, elbows and shoulders.\r\n"
                            "2. Massages the abdominal organs through the pressure of the elbows, "
                            "improving digestion and relieving gas and constipation.\r\n"
                            "3. Tones the muscles of the back, buttocks and legs.\r\n"
                            "4. Is traditionally said to stimulate the liver, pancreas and kidneys "
                            "and to help purify the blood.\r\n"
                            "5. Improves balance, concentration and control of the body.",
                .contraindications =
                    "Mayurasana is an advanced posture and should be learned under a qualified "
                    "teacher. Do not practise it if you have high blood pressure, heart disease, "
                    "a hernia, a peptic ulcer, any wrist, elbow or shoulder injury, or if you are "
                    "pregnant or menstruating. Practise only on an empty stomach, place a cushion "
                    "in front of the face in case you tip forward, and come down at once if you "
                    "feel pain in the abdomen or wrists.",
            },
    },
    {
        .title = "Vajrasana",
        .key = "Vajraasanaa",
        .picture = "29 Vajrasana",
        .reportHeading = "Vajraasanaa :-",
        .text =
            {
                .englishName = "Thunderbolt Pose",
                .definition =
                    "Vajrasana takes its name from the Sanskrit word vajra, meaning thunderbolt "
                    "or diamond, and asana, meaning posture. It is a simple kneeling posture in "
                    "which you sit on your heels with the spine erect, and it is said to make the "
                    "body firm and strong like a thunderbolt. It is one of the few asanas that "
                    "may be practised straight after a meal, and it is often used for meditation "
                    "and breathing exercises.",
                .procedure =
                    "1. Kneel on the floor with the knees together, the big toes touching and "
                    "the tops of the feet flat on the floor.\r\n"
                    "2. Let the heels move slightly apart and lower the buttocks slowly to "
                    "sit on the insides of the feet.\r\n"
                    "3. Place the hands on the knees with the palms down, and keep the head, "
                    "neck and spine in a straight line.\r\n"
                    "4. Close the eyes, relax the shoulders and breathe slowly and deeply. "
                    "Stay for 1 to 5 minutes at first, building up gradually to 10 minutes or "
                    "more.\r\n"
                    "5. To come out, lean forward onto the hands, lift the buttocks, straighten "
                    "the legs one at a time and gently shake them loose.",
                .benefits =
                    "Vajrasana aids digestion and is traditionally practised for a few minutes "
                    "after meals to ease acidity and gas. It keeps the spine upright and improves "
                    "posture, strengthens the muscles of the thighs and pelvis and increases the "
                    "flexibility of the knees and ankles. Because it is steady and comfortable, "
                    "it calms the mind and is a good posture for meditation and breathing "
                    "exercises, especially for people who cannot sit cross-legged with a straight "
                    "back.",
                .contraindications =
                    "Do not practise Vajrasana if you have a knee injury, have had recent knee "
                    "surgery, or suffer from arthritis of the knees or ankles or problems with "
                    "the ligaments of the legs. People with varicose veins should keep the time "
                    "short. Those with stiff knees or ankles can place a folded blanket between "
                    "the buttocks and heels or under the ankles. Pregnant women should keep the "
                    "knees slightly apart and sit only as long as is comfortable. Stop if you "
                    "feel pain or numbness in the legs.",
            },
    },
    {
        .title = "Simhasana",
        .key = "Simhaasanaa",
        .picture = "23 Simhasana",
        .reportHeading = "Simhaasanaa :-",
        .text =
            {
                .englishName = "Lion Pose",
                .definition =
                    "Simhasana takes its name from the Sanskrit word simha, meaning lion, and "
                    "asana, meaning posture. In this pose you kneel with the mouth wide open, the "
                    "tongue stretched out and the eyes gazing upwards while breathing out with a "
                    "roaring sound, like a lion. It exercises the muscles of the face, throat and "
                    "eyes and releases pent-up tension.",
                .procedure =
                    "1. Sit in Vajrasana with the knees a little apart, or cross the ankles "
                    "under the buttocks.\r\n"
                    "2. Place the palms on the knees with the fingers spread wide like the "
                    "claws of a lion, and keep the spine straight.\r\n"
                    "3. Inhale deeply through the nose, leaning slightly forward.\r\n"
                    "4. Open the mouth wide, stretch the tongue out and down towards the "
                    "chin, and gaze upwards towards the point between the eyebrows, spreading "
                    "the fingers and tensing the body.\r\n"
                    "5. Exhale steadily through the mouth, making a long, clear roaring sound "
                    "from the back of the throat.\r\n"
                    "6. Close the mouth, relax the face and breathe normally. Repeat three to "
                    "five times.",
                .benefits =
                    "1. Relieves tension in the face, jaw and chest and exercises the muscles "
                    "of the face and tongue.\r\n"
                    "2. Stimulates the throat and vocal cords; it is traditionally used to "
                    "soothe a sore throat and improve the voice.\r\n"
                    "3. Releases stress and pent-up emotions and builds confidence.",
                .contraindications =
                    "Simhasana is safe for most people. Those with knee injuries should sit on a "
                    "chair or in a cross-legged position instead of kneeling. People with a "
                    "recent injury to the face, jaw, tongue or neck, or with an inflamed throat, "
                    "should practise gently or leave it out. Do not strain the eyes while gazing "
                    "upwards if you have glaucoma or another eye condition, and never force the "
                    "exhalation.",
            },
    },
    {
        .title = "Garudasana",
        .key = "Garudaasanaa",
        .picture = "06 Garudasana",
        .reportHeading = "Garudaasanaa :-",
        .text =
            {
                .englishName = "Eagle Pose",
                .definition =
                    "Garudasana takes its name from Garuda, the king of birds in Indian "
                    "mythology, who is usually pictured as an eagle, and asana, meaning posture. "
                    "It is a standing balance in which one leg is wrapped around the other and "
                    "one arm around the other while you stand on one slightly bent leg. It builds "
                    "balance, concentration and strength in the legs.",
                .procedure =
                    "1. Stand upright with the feet together and the arms beside the body.\r\n"
                    "2. Bend the knees slightly, lift the right foot and cross the right "
                    "thigh over the left, hooking the top of the right foot behind the left "
                    "calf if you can; otherwise rest the right toes on the floor.\r\n"
                    "3. Stretch the arms forward, cross the left arm over the right at the "
                    "elbows, bend the elbows and bring the palms together, or press the backs "
                    "of the hands together.\r\n"
                    "4. Lift the elbows to shoulder height and move the hands away from the "
                    "face, keeping the spine upright and gazing at a fixed point in front of "
                    "you.\r\n"
                    "5. Hold for 15 to 30 seconds, breathing slowly and steadily.\r\n"
                    "6. Slowly unwind the arms and legs, stand upright and repeat on the other "
                    "side, crossing the left leg over the right and the right arm over the left.",
                .benefits =
                    "Garudasana strengthens the ankles, calves, thighs and hips and stretches the "
                    "shoulders, the upper back and the outer thighs. Balancing on one leg "
                    "improves steadiness, coordination and concentration, and the wrapping and "
                    "release of the limbs is said to refresh the circulation. Regular practice "
                    "loosens stiff shoulders, relieves tension in the upper back and builds the "
                    "focus needed for meditation.",
                .contraindications =
                    "Do not practise Garudasana if you have a knee, ankle or elbow injury, or if "
                    "you suffer from dizziness or serious problems with balance. Anyone with a "
                    "shoulder injury should simply hold the opposite shoulders instead of "
                    "wrapping the arms. Beginners and pregnant women can practise beside a wall "
                    "or hold the back of a chair for support, and people with varicose veins or "
                    "poor circulation in the legs should keep the hold short.",
            },
    },
}};

} // namespace ZodiacContent
