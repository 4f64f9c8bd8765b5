#include "common/AsanaCatalogue.h"

// The 32 postures of the suite in catalogue order (record n shows picture n + 1). Learn
// Yoga browses all of them; Zodiac Yoga shows fourteen of them by picture name, so both
// modules read the same wording.
namespace AsanaCatalogue {

const std::array<Asana, Count> kAsanas = {{
    // 0
    {
        .name = "Anjali Mudra",
        .englishName = "Salutation Seal",
        .picture = "01 Anjali Mudra",
        .description =
            "Anjali Mudra takes its name from the Sanskrit words anjali, meaning offering or "
            "salutation, and mudra, meaning seal or gesture. It is the gesture of pressing the "
            "palms together in front of the heart, the same gesture with which people in India "
            "greet one another with the word namaste. It is practised at the beginning and end of "
            "a yoga session and as the first position of the Sun Salutation, and it brings the "
            "mind to a quiet, attentive centre.",
        .procedure =
            "1. Sit in a comfortable cross-legged position, in Vajrasana or on a chair, or stand "
            "upright, with the spine erect and the shoulders relaxed.\r\n"
            "2. Bring the palms together in front of the centre of the chest, with the fingers "
            "together and pointing upwards and the thumbs resting lightly against the "
            "breastbone.\r\n"
            "3. Press the palms gently and evenly together, from the heels of the hands to the "
            "fingertips, and let the elbows drop and the shoulders soften.\r\n"
            "4. Close the eyes and breathe slowly and deeply for 1 to 3 minutes, keeping the "
            "attention on the breath and on the point where the hands meet, then rest the hands "
            "on the thighs and open the eyes.",
        .benefits =
            "1. Calms the mind and helps to relieve stress and anxiety.\r\n"
            "2. Gently stretches the fingers, the palms and the fronts of the wrists and keeps "
            "the wrist joints supple.\r\n"
            "3. Relaxes the shoulders and arms and encourages an open chest and an upright "
            "posture.\r\n"
            "4. With light pressure it eases stiffness in the hands and wrists, and it is used in "
            "yoga therapy as a mild exercise for people with carpal tunnel syndrome.\r\n"
            "5. Draws the attention to the region of the heart, encouraging a feeling of "
            "gratitude and steadiness, and prepares the mind for meditation and for the other "
            "asanas.",
        .contraindications =
            "1. People with painful wrists, arthritis of the hands or carpal tunnel syndrome "
            "should press the palms together only lightly, and stop if tingling, numbness or pain "
            "increases.\r\n"
            "2. Those with a shoulder or elbow injury can hold the hands lower, in front of the "
            "breastbone or the abdomen, and anyone who cannot sit comfortably on the floor should "
            "practise on a chair or standing.",
    },
    // 1
    {
        .name = "Ardhachandrasana",
        .englishName = "Half-Moon Pose",
        .picture = "02 Ardhachandrasana",
        .description =
            "Ardhachandrasana takes its name from the Sanskrit words ardha, meaning half, "
            "chandra, meaning moon, and asana, meaning posture. It is a standing balance in which "
            "the body rests on one leg and one hand while the other leg is raised parallel to the "
            "floor and the other arm stretches towards the ceiling, so that the body takes the "
            "shape of a half moon. It is usually entered from Trikonasana and builds strength in "
            "the legs, balance and an open chest.",
        .procedure =
            "1. Stand with the feet about one metre apart, turn the right foot out 90 degrees and "
            "the left foot slightly in, and come into Trikonasana to the right, with the right "
            "hand on the shin and the left hand on the hip.\r\n"
            "2. Bend the right knee, bring the left foot a little closer, and place the "
            "fingertips of the right hand on the floor or on a block about 30 centimetres in "
            "front of and slightly to the outside of the right foot.\r\n"
            "3. While exhaling, straighten the right leg and at the same time lift the left leg "
            "until it is parallel to the floor, with the foot flexed and the toes pointing "
            "forward.\r\n"
            "4. Turn the chest and hips open to the side, stretch the left arm up towards the "
            "ceiling in line with the right arm, and look straight ahead or, if the neck is "
            "comfortable, up at the raised hand. Hold for 15 to 30 seconds, breathing evenly.\r\n"
            "5. While exhaling, bend the right knee and lower the left leg slowly to the floor, "
            "return to Trikonasana and come up to standing; then repeat on the other side.",
        .benefits =
            "1. Strengthens the ankles, calves, thighs, buttocks and abdomen, and improves "
            "balance and coordination.\r\n"
            "2. Stretches the groins, hamstrings, shoulders, chest and spine, and is "
            "traditionally recommended to relieve backache, sciatica and menstrual discomfort.\r\n"
            "3. Builds concentration and energy, helping to reduce fatigue, stress and anxiety; "
            "as a weight-bearing balance it is also included in gentle programmes for "
            "osteoporosis.",
        .contraindications =
            "Do not practise Ardhachandrasana if you have a headache or migraine, low blood "
            "pressure, diarrhoea, or a recent injury to the ankle, knee, hip or lower back. "
            "People with neck problems should look straight ahead rather than up at the raised "
            "hand, and anyone with poor balance should practise with the back against a wall and "
            "the lower hand on a block. Come down slowly if you feel dizzy.",
    },
    // 2
    {
        .name = "Ardhamatsyendrasana",
        .englishName = "Twist Pose",
        .picture = "03 Ardhamatsyendrasana",
        .description =
            "Ardhamatsyendrasana takes its name from the Sanskrit words ardha, meaning half, and "
            "Matsyendra, the name of a legendary master of hatha yoga, together with asana, "
            "meaning posture. Matsyendra means lord of the fishes, and the story tells that he "
            "learned yoga while living in the belly of a great fish. It is a seated spinal twist, "
            "a simpler form of the full Matsyendrasana, in which the trunk turns around the "
            "upright spine while one leg crosses over the other.",
        .procedure =
            "1. Sit on the floor with the legs stretched out in front of you and the spine "
            "erect.\r\n"
            "2. Bend the left knee and place the left heel on the floor beside the right buttock, "
            "or keep the left leg straight if this is difficult.\r\n"
            "3. Bend the right knee and place the right foot flat on the floor on the outside of "
            "the left knee.\r\n"
            "4. While inhaling, lengthen the spine; while exhaling, turn the trunk to the right, "
            "place the right hand on the floor behind you, and bring the left upper arm against "
            "the outside of the right knee, holding the right foot or ankle with the left hand, "
            "or hug the right knee with the left arm.\r\n"
            "5. Turn the head to look over the right shoulder and hold for 20 to 30 seconds, "
            "breathing slowly; with each inhalation lengthen the spine and with each exhalation "
            "turn a little further, without forcing.\r\n"
            "6. While exhaling, release the twist slowly, turn the trunk back to the front, "
            "straighten the legs and repeat on the other side.",
        .benefits =
            "1. Makes the spine more supple and relieves stiffness in the back, neck, shoulders "
            "and hips.\r\n"
            "2. Massages the abdominal organs, including the liver, kidneys and intestines, "
            "improving digestion and helping to relieve constipation.\r\n"
            "3. Is traditionally said to stimulate the pancreas and to regulate the menstrual "
            "cycle, and practised gently it helps to relieve backache and sciatica.\r\n"
            "4. Opens the chest and shoulders, improves breathing and helps to relieve fatigue.",
        .contraindications = "",
    },
    // 3
    {
        .name = "Bhujangasana",
        .englishName = "Half- Cobra Pose",
        .picture = "04 Bhujangasana",
        .description =
            "Bhujangasana takes its name from the Sanskrit word bhujanga, meaning cobra or "
            "serpent, and asana, meaning posture. The head and chest are raised from the floor "
            "like the hood of a cobra about to strike, while the lower body stays on the ground. "
            "It is a gentle backward bend done lying on the stomach; in the half cobra the elbows "
            "stay bent, so that the lower back is not overarched.",
        .procedure =
            "1. Lie on your stomach with the legs together, the tops of the feet on the floor and "
            "the forehead resting on the ground.\r\n"
            "2. Place the palms on the floor beneath the shoulders, with the fingers pointing "
            "forward and the elbows close to the body.\r\n"
            "3. While inhaling, slowly raise the head, neck and chest, using the back muscles "
            "more than the arms and keeping the navel and hips on the floor.\r\n"
            "4. Keep the elbows slightly bent and the shoulders relaxed and away from the ears, "
            "and look straight ahead or slightly upwards without straining the neck.\r\n"
            "5. Hold the pose for 10 to 30 seconds, breathing normally.\r\n"
            "6. While exhaling, lower the chest and forehead slowly to the floor, bring the arms "
            "beside the body and relax with the head turned to one side. Repeat two or three "
            "times.",
        .benefits =
            "Bhujangasana strengthens the muscles of the back, shoulders and arms and makes the "
            "spine more supple, which helps to relieve stiffness and mild backache caused by long "
            "hours of sitting. It opens the chest and encourages deeper breathing, and the gentle "
            "pressure on the abdomen tones the abdominal organs and aids digestion. Regular "
            "practice improves posture, reduces fatigue and helps to counteract stress.",
        .contraindications =
            "Do not practise Bhujangasana if you are pregnant, have had recent abdominal surgery, "
            "or suffer from a hernia, a peptic ulcer or a serious back injury such as a slipped "
            "disc, unless a qualified teacher advises otherwise. People with wrist problems or "
            "carpal tunnel syndrome should take little weight on the hands. Never force the back "
            "into a deep arch; rise only as far as you can without pain in the lower back, and "
            "keep the neck long.",
    },
    // 4
    {
        .name = "Dhanurasana",
        .englishName = "Bow Pose",
        .picture = "05 Dhanurasana",
        .description =
            "Dhanurasana takes its name from the Sanskrit word dhanu, meaning bow, and asana, "
            "meaning posture. In the final position the trunk and legs form the curved body of a "
            "bow and the straight arms are its string. It is a backward-bending posture, "
            "performed lying on the stomach, that stretches the whole front of the body and "
            "strengthens the back.",
        .procedure =
            "1. Lie on your stomach with the chin on the floor, the legs together and the arms "
            "beside the body.\r\n"
            "2. Bend the knees and bring the heels towards the buttocks.\r\n"
            "3. Reach back and hold the ankles firmly with the hands, keeping the knees about hip "
            "width apart.\r\n"
            "4. While inhaling, lift the head and chest off the floor and at the same time press "
            "the ankles back against the hands, so that the thighs rise from the floor.\r\n"
            "5. Look forward or slightly upwards, keep the arms straight and balance the body on "
            "the abdomen.\r\n"
            "6. Hold the pose for 10 to 20 seconds, breathing slowly and evenly; do not hold the "
            "breath.\r\n"
            "7. While exhaling, slowly lower the thighs, chest and head to the floor and release "
            "the ankles.\r\n"
            "8. Stretch the legs out, rest in Makarasana, and repeat the pose two or three times.",
        .benefits =
            "1. Strengthens the back muscles and increases the flexibility of the spine.\r\n"
            "2. Stretches the chest, abdomen, thighs and the whole front of the body, and "
            "improves posture.\r\n"
            "3. Massages the abdominal organs, stimulating digestion and helping to relieve "
            "constipation.\r\n"
            "4. Opens the chest and shoulders, encouraging deeper breathing and a feeling of "
            "energy.",
        .contraindications = "",
    },
    // 5
    {
        .name = "Garudasana",
        .englishName = "Eagle Pose",
        .picture = "06 Garudasana",
        .description =
            "Garudasana takes its name from Garuda, the king of birds in Indian mythology, who is "
            "usually pictured as an eagle, and asana, meaning posture. It is a standing balance "
            "in which one leg is wrapped around the other and one arm around the other while you "
            "stand on one slightly bent leg. It builds balance, concentration and strength in the "
            "legs.",
        .procedure =
            "1. Stand upright with the feet together and the arms beside the body.\r\n"
            "2. Bend the knees slightly, lift the right foot and cross the right thigh over the "
            "left, hooking the top of the right foot behind the left calf if you can; otherwise "
            "rest the right toes on the floor.\r\n"
            "3. Stretch the arms forward, cross the left arm over the right at the elbows, bend "
            "the elbows and bring the palms together, or press the backs of the hands "
            "together.\r\n"
            "4. Lift the elbows to shoulder height and move the hands away from the face, keeping "
            "the spine upright and gazing at a fixed point in front of you.\r\n"
            "5. Hold for 15 to 30 seconds, breathing slowly and steadily.\r\n"
            "6. Slowly unwind the arms and legs, stand upright and repeat on the other side, "
            "crossing the left leg over the right and the right arm over the left.",
        .benefits =
            "Garudasana strengthens the ankles, calves, thighs and hips and stretches the "
            "shoulders, the upper back and the outer thighs. Balancing on one leg improves "
            "steadiness, coordination and concentration, and the wrapping and release of the "
            "limbs is said to refresh the circulation. Regular practice loosens stiff shoulders, "
            "relieves tension in the upper back and builds the focus needed for meditation.",
        .contraindications =
            "Do not practise Garudasana if you have a knee, ankle or elbow injury, or if you "
            "suffer from dizziness or serious problems with balance. Anyone with a shoulder "
            "injury should simply hold the opposite shoulders instead of wrapping the arms. "
            "Beginners and pregnant women can practise beside a wall or hold the back of a chair "
            "for support, and people with varicose veins or poor circulation in the legs should "
            "keep the hold short.",
    },
    // 6
    {
        .name = "Gomukhasana",
        .englishName = "Cow-Face Pose",
        .picture = "07 Gomukhasana",
        .description =
            "Gomukhasana takes its name from the Sanskrit words go, meaning cow, mukha, meaning "
            "face, and asana, meaning posture. In the final position the knees are stacked one "
            "above the other and the feet lie on either side of the hips, and the legs seen from "
            "the front are said to resemble the long face of a cow. It is a seated posture in "
            "which the legs are folded and crossed while the hands are clasped behind the back, "
            "one reaching over the shoulder and the other coming up from below.",
        .procedure =
            "1. Sit on the floor with the legs stretched out in front of you, then bend the knees "
            "and place the feet on the floor.\r\n"
            "2. Slide the left foot under the right leg to the outside of the right hip, and "
            "cross the right leg over the left so that the right knee rests on top of the left "
            "knee and the right foot lies beside the left hip. Sit evenly on both buttocks, on a "
            "folded blanket if the hips are stiff.\r\n"
            "3. Raise the right arm above the head, bend the elbow and let the right hand slide "
            "down between the shoulder blades; take the left arm down and round behind the back, "
            "bend the elbow and bring the back of the left hand up between the shoulder "
            "blades.\r\n"
            "4. Clasp the fingers of the two hands, or hold a strap or cloth between them if they "
            "do not meet. Keep the head up, the spine erect and the raised elbow pointing "
            "upwards, and hold for 30 seconds to 1 minute, breathing slowly.\r\n"
            "5. Release the hands and the legs slowly, stretch the legs out in front of you, and "
            "repeat with the left knee on top and the left arm raised.",
        .benefits =
            "1. Stretches the shoulders, armpits, the backs of the upper arms and the chest, and "
            "relieves stiffness in the shoulders and upper back.\r\n"
            "2. Stretches the hips, thighs and ankles and keeps the hip and knee joints "
            "supple.\r\n"
            "3. Opens the chest, encouraging deeper breathing, and corrects the habit of rounding "
            "the shoulders.\r\n"
            "4. Is used gently in yoga therapy to ease the stiffness of arthritis in the "
            "shoulders and hips, and helps to relieve fatigue and tension.",
        .contraindications = "",
    },
    // 7
    {
        .name = "Halasana",
        .englishName = "Plough Posture",
        .picture = "08 Halasana",
        .description =
            "Halasana takes its name from the Sanskrit word hala, meaning plough, and asana, "
            "meaning posture. In the final position the body resembles the traditional Indian "
            "plough. It is an inverted forward bend in which, lying on the back, you raise the "
            "legs over the head until the toes touch the floor behind you, giving the whole spine "
            "a deep stretch.",
        .procedure =
            "1. Lie flat on your back with the legs together, the arms beside the body and the "
            "palms facing down.\r\n"
            "2. While inhaling, press the palms down and raise the legs slowly to a vertical "
            "position, keeping them straight.\r\n"
            "3. While exhaling, lift the hips and lower back off the floor and take the legs over "
            "the head, supporting the back with the hands if needed, until the toes touch the "
            "floor behind the head. If they do not reach, rest them on a chair or a cushion.\r\n"
            "4. Keep the legs straight and the head still, and breathe slowly and evenly. Hold "
            "for 15 to 30 seconds at first, building up gradually to 2 minutes.\r\n"
            "5. To release, place the arms flat on the floor and roll the spine down slowly, one "
            "vertebra at a time, lower the legs to the floor with control and relax in Savasana.",
        .benefits =
            "1. Stretches the whole spine, keeps it supple and relieves stiffness in the back, "
            "shoulders and neck.\r\n"
            "2. Massages the abdominal organs, improving digestion and relieving constipation.\r\n"
            "3. Stimulates the thyroid gland and calms the mind, relieving stress and fatigue.",
        .contraindications =
            "Do not practise Halasana if you have a neck injury, cervical spondylosis, a slipped "
            "disc or other serious back problems, high blood pressure, heart disease, glaucoma, a "
            "hernia or diarrhoea, or if you are pregnant or menstruating. Beginners should use a "
            "folded blanket under the shoulders, never force the feet to the floor and keep the "
            "head still throughout. Come out of the pose at once if you feel pain or strain in "
            "the neck.",
    },
    // 8
    {
        .name = "Kukkutasana",
        .englishName = "Cock Pose",
        .picture = "09 Kukkutasana",
        .description =
            "Kukkutasana takes its name from the Sanskrit word kukkuta, meaning cock or rooster, "
            "and asana, meaning posture. From Padmasana the arms are threaded through the crossed "
            "legs and the whole body is lifted on the hands, so that it resembles a rooster "
            "standing on its legs. It is an advanced arm balance that needs a comfortable lotus "
            "position and strong wrists and arms.",
        .procedure =
            "1. Sit in Padmasana with the spine erect.\r\n"
            "2. Slide the right hand down between the right thigh and calf, close to the knee, "
            "and push the arm through up to the elbow; do the same with the left arm between the "
            "left thigh and calf.\r\n"
            "3. Place the palms flat on the floor, shoulder width apart, with the fingers spread "
            "and pointing forward.\r\n"
            "4. While inhaling, straighten the arms and lift the body off the floor, balancing on "
            "the hands with the head up, the spine straight and the eyes fixed on a point in "
            "front of you. Hold for a few seconds at first, breathing normally, and build up "
            "gradually to 30 seconds.\r\n"
            "5. While exhaling, lower the body slowly to the floor, withdraw the arms, unfold the "
            "legs and rest.",
        .benefits =
            "1. Strengthens the wrists, arms and shoulders and broadens the chest.\r\n"
            "2. Tones the abdominal muscles and massages the abdominal organs.\r\n"
            "3. Improves balance, steadiness and concentration.\r\n"
            "4. Is traditionally said to strengthen the pelvic region and to help regulate the "
            "menstrual cycle.",
        .contraindications =
            "Do not attempt Kukkutasana until you can sit comfortably in Padmasana for several "
            "minutes. Avoid it if you have a knee, ankle, hip, wrist or elbow injury, high blood "
            "pressure or heart disease, and during pregnancy and menstruation. Never force the "
            "arms through the legs, and place a cushion in front of you in case you tip forward.",
    },
    // 9
    {
        .name = "Makarasana",
        .englishName = "Crocodile Pose",
        .picture = "10 Makarasana",
        .description =
            "Makarasana takes its name from the Sanskrit word makara, meaning crocodile, and "
            "asana, meaning posture. It is a relaxation posture performed lying face down, in "
            "which the body rests like a crocodile lying still in the water. It is used for rest "
            "between postures done on the stomach and for learning slow, deep abdominal breathing.",
        .procedure =
            "1. Lie on your stomach with the legs stretched out and the chin resting on the "
            "floor.\r\n"
            "2. Move the feet a comfortable distance apart, with the heels turned inwards and the "
            "toes pointing outwards.\r\n"
            "3. Fold the arms in front of you, placing each hand on the opposite upper arm, and "
            "rest the forehead on the forearms.\r\n"
            "4. Close the eyes, relax the whole body and breathe slowly and deeply, feeling the "
            "abdomen press against the floor as you inhale and soften as you exhale.\r\n"
            "5. Stay in the pose for 1 to 5 minutes, then bring the legs together, release the "
            "arms and rest for a moment before getting up slowly.",
        .benefits = "1. Relaxes the whole body and relieves stress, tension and fatigue.\r\n"
                    "2. Teaches slow, deep abdominal breathing and helps to steady the breath.\r\n"
                    "3. Relieves tension in the lower back, the spine and the shoulders.",
        .contraindications =
            "Makarasana is a gentle posture that most people can practise safely. Avoid it in the "
            "later months of pregnancy and after recent abdominal surgery, when lying on the "
            "stomach is uncomfortable or unsafe. People with a stiff back or neck can place a "
            "thin cushion under the abdomen or the forehead. Anyone who feels breathless lying "
            "face down should turn the head to one side or come out of the pose.",
    },
    // 10
    {
        .name = "Mandukasana",
        .englishName = "Frog Pose",
        .picture = "11 Mandukasana",
        .description =
            "Mandukasana takes its name from the Sanskrit word manduka, meaning frog, and asana, "
            "meaning posture. It is a kneeling forward bend in which you sit on the heels, press "
            "the fists into the abdomen and bend forward with the head raised, so that the body "
            "resembles a frog sitting on the ground. It works mainly on the abdomen and is "
            "traditionally practised to improve digestion and to calm the mind.",
        .procedure =
            "1. Sit in Vajrasana with the knees together, the spine erect and the hands on the "
            "thighs.\r\n"
            "2. Make fists with both hands, with the thumbs tucked inside the fingers.\r\n"
            "3. Place the two fists against the abdomen on either side of the navel, with the "
            "knuckles turned towards each other and pressing gently into the abdomen.\r\n"
            "4. Inhale deeply, and while exhaling, bend forward from the hips, letting the fists "
            "press into the abdomen, until the chest comes close to the thighs.\r\n"
            "5. Keep the head raised and look straight ahead, and hold the pose for 10 to 30 "
            "seconds, breathing slowly and gently.\r\n"
            "6. While inhaling, raise the trunk slowly back to the upright position and rest the "
            "hands on the thighs.\r\n"
            "7. Relax for a few breaths, then repeat two or three times.",
        .benefits =
            "1. Massages the abdominal organs, improving digestion and helping to relieve gas and "
            "constipation.\r\n"
            "2. Is traditionally said to stimulate the pancreas and is often included in yoga "
            "programmes for diabetes.\r\n"
            "3. Stretches the back, tones the abdominal muscles and keeps the knees and ankles "
            "supple.\r\n"
            "4. Turns the attention inwards and calms the mind, helping to relieve anxiety and "
            "tension.",
        .contraindications =
            "Do not practise Mandukasana if you are pregnant, have had recent abdominal surgery, "
            "or suffer from a peptic ulcer, a hernia, or serious back or knee problems. People "
            "with high blood pressure or heart disease should bend only a little and not hold the "
            "pose for long. Practise on an empty stomach and press the fists in only as far as is "
            "comfortable.",
    },
    // 11
    {
        .name = "Matsyasana",
        .englishName = "Fish Pose",
        .picture = "12 Matsyasana",
        .description =
            "Matsyasana takes its name from the Sanskrit word matsya, meaning fish, and asana, "
            "meaning posture. It is a backward bend done lying on the back, usually from "
            "Padmasana, in which the chest is lifted and the crown of the head rests lightly on "
            "the floor. It is said that in this position one can float on water like a fish, and "
            "it is traditionally practised after Sarvangasana to stretch the neck and chest in "
            "the opposite direction.",
        .procedure =
            "1. Sit in Padmasana; if the lotus is not comfortable, sit with the legs stretched "
            "out and together.\r\n"
            "2. Lean back and lower yourself slowly onto the elbows, one at a time, keeping the "
            "legs on the floor.\r\n"
            "3. Arch the back and lift the chest, and gently lower the head back until the crown "
            "rests on the floor.\r\n"
            "4. Keep most of the weight on the elbows and buttocks, so that there is little "
            "pressure on the head and neck.\r\n"
            "5. When you feel steady, hold the big toes with the hands, or rest the hands on the "
            "thighs and keep the elbows on the floor.\r\n"
            "6. Breathe slowly and deeply into the open chest, and hold for 20 to 30 seconds at "
            "first, building up gradually to 1 minute.\r\n"
            "7. To come out, take the weight onto the elbows, lift the head, lower the back and "
            "head to the floor, unfold the legs and rest in Shavasana.",
        .benefits =
            "1. Stretches the chest, the front of the neck and the muscles between the ribs and "
            "encourages deep breathing, which helps people with asthma and other breathing "
            "difficulties.\r\n"
            "2. Makes the spine supple and relieves stiffness in the neck, shoulders and back, "
            "balancing the forward bend of the neck in Sarvangasana and Halasana.\r\n"
            "3. Stretches the abdomen and the abdominal organs, helping to relieve constipation "
            "and piles, and is traditionally recommended for menstrual complaints.\r\n"
            "4. Is traditionally said to tone the thyroid gland, and helps to relieve fatigue, "
            "anxiety and tension.",
        .contraindications =
            "Do not practise Matsyasana if you have a neck injury, cervical spondylosis, high or "
            "low blood pressure, heart disease, a migraine or a serious lower back injury. People "
            "who cannot sit in Padmasana should practise it with the legs stretched out, and "
            "those with a stiff neck can rest the back of the head on a folded blanket instead of "
            "the crown. Never put the full weight of the body on the head.",
    },
    // 12
    {
        .name = "Mayurasana",
        .englishName = "Feathered Peacock Pose",
        .picture = "13 Mayurasana",
        .description =
            "Mayurasana takes its name from the Sanskrit word mayura, meaning peacock, and asana, "
            "meaning posture. In the final position the whole body is balanced horizontally on "
            "the hands, with the elbows pressed into the abdomen, so that it resembles a peacock "
            "with its tail feathers stretched out behind it. It is an advanced arm balance that "
            "demands strength in the wrists, arms and abdomen.",
        .procedure =
            "1. Kneel on the floor with the knees apart and sit on the heels.\r\n"
            "2. Lean forward and place the palms on the floor between the knees, with the fingers "
            "pointing back towards the feet and the wrists and elbows close together.\r\n"
            "3. Bend the elbows and rest the abdomen, just below the navel, on the elbows, with "
            "the chest resting on the upper arms.\r\n"
            "4. Stretch the legs out behind you one at a time, keeping them straight and together "
            "with the toes on the floor.\r\n"
            "5. Tighten the body, shift the weight slowly forward and lift the feet off the floor "
            "until the body is balanced horizontally on the hands, breathing gently. Hold for a "
            "few seconds at first.\r\n"
            "6. Lower the feet to the floor, bend the knees, release the arms and rest in "
            "Vajrasana or Savasana.",
        .benefits =
            "1. Strengthens the wrists, forearms, elbows and shoulders.\r\n"
            "2. Massages the abdominal organs through the pressure of the elbows, improving "
            "digestion and relieving gas and constipation.\r\n"
            "3. Tones the muscles of the back, buttocks and legs.\r\n"
            "4. Is traditionally said to stimulate the liver, pancreas and kidneys and to help "
            "purify the blood.\r\n"
            "5. Improves balance, concentration and control of the body.",
        .contraindications =
            "Mayurasana is an advanced posture and should be learned under a qualified teacher. "
            "Do not practise it if you have high blood pressure, heart disease, a hernia, a "
            "peptic ulcer, any wrist, elbow or shoulder injury, or if you are pregnant or "
            "menstruating. Practise only on an empty stomach, place a cushion in front of the "
            "face in case you tip forward, and come down at once if you feel pain in the abdomen "
            "or wrists.",
    },
    // 13
    {
        .name = "Noukasana",
        .englishName = "Boat Pose",
        .picture = "14 Noukasana",
        .description =
            "Naukasana takes its name from the Sanskrit word nauka, meaning boat, and asana, "
            "meaning posture. In the final position the body rests on the buttocks with the legs, "
            "trunk and arms raised from the floor, so that it takes the shape of a boat. It is a "
            "balancing posture that works mainly on the muscles of the abdomen and the back.",
        .procedure =
            "1. Lie on your back with the legs together, the arms beside the body and the palms "
            "facing down.\r\n"
            "2. Inhale deeply, and while exhaling, raise the head, shoulders, trunk and legs off "
            "the floor together, keeping the legs straight.\r\n"
            "3. Stretch the arms forward in line with the feet, with the palms facing each other "
            "or facing down, and keep the eyes on the toes.\r\n"
            "4. Balance on the buttocks with the feet and head at about the same height, "
            "breathing slowly and evenly. Bend the knees if the lower back strains.\r\n"
            "5. Hold the pose for 10 to 20 seconds at first, increasing the time gradually as you "
            "grow stronger.\r\n"
            "6. While exhaling, slowly lower the legs, trunk and head to the floor together, "
            "relax in Savasana and repeat two or three times.",
        .benefits =
            "1. Strengthens and tones the muscles of the abdomen, back, hips and thighs.\r\n"
            "2. Stimulates the digestive organs and helps to improve digestion.\r\n"
            "3. Improves balance and concentration and builds stamina and self-confidence.",
        .contraindications =
            "Do not practise Naukasana if you are pregnant or menstruating, or if you have a "
            "hernia, recent abdominal surgery, a slipped disc or other serious back problems, or "
            "a severe headache. People with heart disease, asthma or high blood pressure should "
            "practise it only under the guidance of a qualified teacher. Never hold the breath in "
            "the pose, and bend the knees or lower the legs as soon as the lower back begins to "
            "strain.",
    },
    // 14
    {
        .name = "Padmasana",
        .englishName = "Lotus Pose",
        .picture = "15 Padmasana",
        .description =
            "Padmasana takes its name from the Sanskrit word padma, meaning lotus, and asana, "
            "meaning posture. It is a seated cross-legged posture in which each foot rests on the "
            "opposite thigh, so that the crossed legs resemble the petals of a lotus flower. It "
            "is one of the classical postures for meditation and breathing exercises, because it "
            "keeps the spine erect and the body steady for long periods.",
        .procedure =
            "1. Sit on the floor with the legs stretched out in front of you and the spine "
            "erect.\r\n"
            "2. Bend the right knee and, holding the foot with both hands, place it on top of the "
            "left thigh close to the hip, with the sole turned upwards.\r\n"
            "3. Bend the left knee and place the left foot on top of the right thigh in the same "
            "way, so that both heels are close to the abdomen.\r\n"
            "4. Let both knees rest on the floor, keep the head, neck and spine in a straight "
            "line, and place the hands on the knees with the palms up and the thumb and index "
            "finger touching.\r\n"
            "5. Close the eyes, relax the face and shoulders and breathe slowly and deeply. Stay "
            "for 1 minute at first and build up the time gradually.\r\n"
            "6. To release, straighten the legs one at a time and gently massage the knees and "
            "ankles, then repeat with the legs crossed the other way.",
        .benefits =
            "Padmasana keeps the spine straight and the body stable, which calms the mind and "
            "makes it an excellent posture for meditation and breathing exercises. It improves "
            "concentration and awareness, helps to relieve stress and anxiety, and increases the "
            "flexibility of the hips, knees and ankles. The posture also encourages the flow of "
            "blood to the pelvis and abdomen, which supports digestion, and with regular practice "
            "it develops good posture and a sense of inner steadiness.",
        .contraindications =
            "Do not practise Padmasana if you have injured, weak or painful knees or ankles, "
            "sciatica, or stiffness in the hips that would force the pose. Never pull the foot "
            "into place or twist the knee; the rotation must come from the hips. Beginners should "
            "start with the half lotus or a simple cross-legged seat on a folded blanket, and "
            "come out of the pose as soon as any pain appears in the knees. Pregnant women should "
            "choose an easier seated posture.",
    },
    // 15
    {
        .name = "Parvatasana",
        .englishName = "Hill Pose",
        .picture = "16 Parvatasana",
        .description =
            "Parvatasana takes its name from the Sanskrit word parvata, meaning hill or mountain, "
            "and asana, meaning posture. It is practised on the hands and feet with the hips "
            "raised high, so that the straight arms, the long back and the straight legs form an "
            "inverted V, like a hill with its peak at the hips. It is the fifth and eighth "
            "position of the Sun Salutation, and held on its own it stretches the whole back of "
            "the body while it strengthens the arms and shoulders.",
        .procedure =
            "1. Come onto the hands and knees, with the hands shoulder-width apart under the "
            "shoulders, the fingers spread and pointing forward, the knees under the hips and the "
            "toes tucked under.\r\n"
            "2. While exhaling, press the hands into the floor, lift the knees and raise the hips "
            "up and back, straightening the arms and the legs until the body forms an inverted "
            "V.\r\n"
            "3. Lengthen the spine from the hands to the hips, let the head hang between the arms "
            "with the ears beside the upper arms, and let the heels sink towards the floor; bend "
            "the knees a little if the backs of the legs are tight, rather than rounding the "
            "back. Hold for 15 to 30 seconds, breathing slowly and evenly.\r\n"
            "4. While exhaling, bend the knees and lower them gently to the floor, sit back on the "
            "heels with the forehead on the floor and rest for a few breaths, then raise the head "
            "slowly.",
        .benefits =
            "1. Stretches the hamstrings, the calves, the Achilles tendons and the arches of the "
            "feet.\r\n"
            "2. Lengthens the spine and stretches the shoulders and the upper back, relieving "
            "stiffness between the shoulder blades.\r\n"
            "3. Strengthens the hands, wrists, arms and shoulders, and tones the muscles of the "
            "legs and the abdomen.\r\n"
            "4. With the head below the heart it brings more blood to the head, and it is "
            "traditionally practised to refresh the mind and relieve fatigue.\r\n"
            "5. Steadies the breath and, in the Sun Salutation, links the forward bends and the "
            "back bends into one smooth, continuous movement.",
        .contraindications =
            "Do not practise Parvatasana if you have high blood pressure, glaucoma or raised eye "
            "pressure, because the head is held below the heart, and avoid it in late pregnancy. "
            "People with a recent injury to the wrists, elbows or shoulders, with carpal tunnel "
            "syndrome or with weakness in the arms should avoid the pose or practise it only with "
            "a teacher's help, and come down at once if the wrists or shoulders hurt. Anyone who "
            "feels dizzy should lower the knees, rest on the heels and come up slowly.",
    },
    // 16
    {
        .name = "Paschimottanasana",
        .englishName = "Forward Bend Pose",
        .picture = "17 Paschimottanasana",
        .description =
            "Paschimottasana, also written Paschimottanasana, takes its name from the Sanskrit "
            "words paschima, meaning west, uttana, meaning intense stretch, and asana, meaning "
            "posture. In yoga tradition the back of the body is called its west side, so the name "
            "means the intense stretch of the back of the body. It is a seated forward bend in "
            "which the trunk folds over the straight legs, lengthening the spine and the "
            "hamstrings.",
        .procedure =
            "1. Sit on the floor with the legs stretched out in front of you, the feet together "
            "with the toes pointing upwards, and the spine erect.\r\n"
            "2. Place the palms on the thighs and relax the shoulders.\r\n"
            "3. While inhaling, raise both arms above the head and stretch the spine upwards.\r\n"
            "4. While exhaling, bend forward slowly from the hips, keeping the back as long as "
            "possible, and slide the hands along the legs.\r\n"
            "5. Hold the big toes, the ankles or the shins, whichever you can reach without "
            "strain, and keep the knees straight but not locked.\r\n"
            "6. Bring the abdomen towards the thighs and the forehead towards the knees, and hold "
            "for 20 to 60 seconds, breathing slowly and relaxing a little deeper with each "
            "exhalation.\r\n"
            "7. While inhaling, raise the arms and trunk slowly back to the upright position, "
            "then lower the hands and relax.",
        .benefits =
            "1. Stretches the spine, the hamstrings and the whole back of the body, increasing "
            "flexibility.\r\n"
            "2. Massages and tones the abdominal and pelvic organs, improving digestion and "
            "relieving constipation.\r\n"
            "3. Calms the mind and helps to relieve stress, anxiety and mild headache.\r\n"
            "4. Stimulates the kidneys, liver and pancreas and tones the muscles of the abdomen.",
        .contraindications =
            "Do not practise Paschimottasana if you have a slipped disc, sciatica, acute lower "
            "back pain, a hernia or an ulcer, during pregnancy or after recent abdominal surgery. "
            "People with tight hamstrings should bend the knees slightly or sit on a folded "
            "blanket, and use a strap around the feet rather than pulling themselves down. Never "
            "bounce or force the forward bend; bend from the hips and stop where the stretch is "
            "still comfortable.",
    },
    // 17
    {
        .name = "Pavanamuktasana",
        .englishName = "Wind Releasing Pose",
        .picture = "18 Pavanamuktasana",
        .description =
            "Pavanamuktasana takes its name from the Sanskrit words pavana, meaning wind or air, "
            "mukta, meaning released or freed, and asana, meaning posture. It is practised lying "
            "on the back with the knees drawn in to the chest and held by the arms, and it is "
            "named after its traditional use of releasing trapped gas from the intestines. It is "
            "a simple posture that suits beginners and is often practised first thing in the "
            "morning.",
        .procedure =
            "1. Lie flat on your back with the legs together and the arms beside the body.\r\n"
            "2. While inhaling, bend the right knee and bring the thigh towards the chest.\r\n"
            "3. While exhaling, clasp the hands around the shin just below the knee and press the "
            "thigh gently against the abdomen; if the neck is comfortable, raise the head and "
            "bring the chin or forehead towards the knee.\r\n"
            "4. Hold for 10 to 30 seconds, breathing slowly, then lower the head, release the leg "
            "and repeat with the left leg.\r\n"
            "5. Now bend both knees, bring both thighs to the chest and clasp the arms around the "
            "shins, raising the head towards the knees in the same way, and hold for 10 to 30 "
            "seconds.\r\n"
            "6. While exhaling, lower the head, release the legs and stretch them out slowly, and "
            "relax in Shavasana.",
        .benefits =
            "1. Massages the abdominal organs and the intestines, helping to release trapped gas "
            "and to relieve indigestion and constipation.\r\n"
            "2. Stretches and relaxes the lower back and the hips, relieving mild backache and "
            "stiffness of the spine.\r\n"
            "3. Improves the circulation in the abdomen and pelvis, and is traditionally "
            "recommended in yoga therapy for piles, varicose veins and diabetes.\r\n"
            "4. Tones the abdominal muscles and eases stiffness and fatigue, which makes it a "
            "good warm-up at the start of the day or before more demanding postures.",
        .contraindications =
            "Avoid Pavanamuktasana during pregnancy, after recent abdominal or hip surgery, and "
            "if you have a hernia or a slipped disc. People with neck problems or high blood "
            "pressure should keep the head on the floor instead of raising it towards the knees. "
            "Press the thighs against the abdomen gently and practise on an empty stomach.",
    },
    // 18
    {
        .name = "Sarvangasana",
        .englishName = "Shoulder Stand Pose",
        .picture = "19 Sarvangasana",
        .description =
            "Sarvangasana comes from the Sanskrit words sarva, meaning all, anga, meaning limb or "
            "part of the body, and asana, meaning posture. It is called the all-limbs pose "
            "because it benefits the whole body. It is an inverted posture in which the body "
            "rests on the shoulders and upper arms, supported by the hands, with the trunk and "
            "legs raised in a straight line above the head.",
        .procedure =
            "1. Lie on your back with the shoulders on a folded blanket and the head on the "
            "floor, the legs together and the arms beside the body with the palms down. Breathe "
            "normally.\r\n"
            "2. While exhaling, press the palms into the floor and slowly raise the legs to a "
            "vertical position, then lift the hips and back off the floor and support the back "
            "with the hands, keeping the elbows close together.\r\n"
            "3. Straighten the trunk and legs into a vertical line and bring the chest towards "
            "the chin without pressing the neck. Keep the head still, do not turn it, and breathe "
            "slowly and evenly. Hold for 30 seconds at first, building up gradually to 3 "
            "minutes.\r\n"
            "4. To come down, lower the knees towards the forehead, place the hands on the floor "
            "and roll the spine down slowly, one vertebra at a time, then lower the legs and rest "
            "in Savasana.",
        .benefits =
            "1. Reverses the pull of gravity on the body, helping the return of blood from the "
            "legs and relieving tired, heavy legs.\r\n"
            "2. Stimulates the thyroid and parathyroid glands in the throat, which regulate "
            "metabolism.\r\n"
            "3. Strengthens the shoulders, arms and back and tones the abdominal muscles.\r\n"
            "4. Calms the nervous system and helps to relieve stress, fatigue and mild "
            "insomnia.\r\n"
            "5. Improves the circulation in the pelvic region, and is traditionally said to tone "
            "the uterus and the prostate gland and to help with piles and varicose veins.\r\n"
            "6. Brings a fresh supply of blood to the brain and the chest, and is traditionally "
            "recommended to improve memory and concentration and to ease mild asthma.",
        .contraindications =
            "Do not practise Sarvangasana if you have a neck or shoulder injury, cervical "
            "spondylosis, high blood pressure, heart disease, glaucoma or another eye condition "
            "such as a detached retina, or an ear infection, or if you are pregnant or "
            "menstruating. Learn the pose under a qualified teacher, use a folded blanket under "
            "the shoulders to protect the neck, never turn the head while in the pose, and come "
            "down at once if you feel pressure in the head or pain in the neck.",
    },
    // 19
    {
        .name = "Shalabhasana",
        .englishName = "Locust Pose",
        .picture = "20 Shalabhasana",
        .description =
            "Shalabhasana takes its name from the Sanskrit word shalabha, meaning locust or "
            "grasshopper, and asana, meaning posture. It is a backward bend performed lying on "
            "the stomach, in which the legs are raised behind the body like the tail of a locust "
            "resting on the ground. It strengthens the whole back of the body and prepares it for "
            "deeper backbends such as Dhanurasana.",
        .procedure =
            "1. Lie on your stomach with the chin on the floor, the legs together and the arms "
            "stretched along the body, with the hands under the thighs or beside them, palms "
            "down.\r\n"
            "2. While inhaling, press the hands and arms into the floor and lift the right leg as "
            "high as is comfortable, keeping it straight and the hips on the floor. Hold for a "
            "few breaths, lower it while exhaling, and repeat with the left leg.\r\n"
            "3. Then, while inhaling, tighten the buttocks and lift both legs together off the "
            "floor, keeping them straight and the chin on the floor.\r\n"
            "4. Hold for 10 to 20 seconds, breathing slowly and evenly; do not hold the "
            "breath.\r\n"
            "5. While exhaling, lower the legs slowly to the floor, turn the head to one side and "
            "rest in Makarasana. Repeat two or three times.",
        .benefits =
            "1. Strengthens the muscles of the lower and upper back, the buttocks, the backs of "
            "the thighs and the calves, and helps to relieve mild backache.\r\n"
            "2. Tones the abdominal organs through the pressure of the floor, improving digestion "
            "and helping to relieve acidity and gas.\r\n"
            "3. Opens the chest and lungs, relieves fatigue and stress and helps to bring restful "
            "sleep.",
        .contraindications =
            "Do not practise Shalabhasana if you are pregnant, have had recent abdominal surgery, "
            "or suffer from a hernia, a peptic ulcer, heart disease or high blood pressure. "
            "People with a serious lower back injury or a neck injury should lift only one leg at "
            "a time or leave the pose out, and a folded blanket under the hips makes the pose "
            "easier for beginners.",
    },
    // 20
    {
        .name = "Shavasana",
        .englishName = "Corpse Pose",
        .picture = "21 Shavasana",
        .description =
            "Savasana takes its name from the Sanskrit word shava, meaning corpse, and asana, "
            "meaning posture. It is a posture of complete relaxation in which you lie on your "
            "back as still as a corpse, releasing every muscle while the mind remains quietly "
            "aware. It is practised at the end of every yoga session and between demanding "
            "postures, so that the body and mind can absorb the effects of the practice.",
        .procedure =
            "1. Lie flat on your back on a mat, with the feet about shoulder width apart and "
            "falling outwards, and the arms a little away from the body with the palms facing "
            "upwards.\r\n"
            "2. Close the eyes and check that the head, neck and spine are in a straight line; "
            "adjust your position until you are completely comfortable.\r\n"
            "3. Breathe naturally and slowly, and move your attention through the body from the "
            "toes to the top of the head, consciously relaxing each part in turn.\r\n"
            "4. Remain still for 5 to 10 minutes, then deepen the breath, gently move the fingers "
            "and toes, roll onto your right side and use your hands to come up slowly to sitting.",
        .benefits =
            "1. Relaxes the whole body and releases physical and mental tension.\r\n"
            "2. Calms the nervous system and helps to reduce stress, anxiety and fatigue.\r\n"
            "3. Slows the breath and the heart rate and can help to bring down raised blood "
            "pressure.\r\n"
            "4. Improves concentration, memory and the quality of sleep.\r\n"
            "5. Lets the body recover and absorb the benefits of the other asanas at the end of a "
            "practice.",
        .contraindications =
            "Savasana is safe for almost everyone. In the later months of pregnancy, lie on the "
            "left side with a cushion between the knees instead of on the back. People with lower "
            "back pain can place a rolled blanket under the knees, and those with breathing "
            "difficulties or acid reflux can raise the head and chest on a cushion. Keep warm "
            "with a blanket, and if you feel low in mood or tend to fall asleep, keep the eyes "
            "slightly open and shorten the time.",
    },
    // 21
    {
        .name = "Siddhasana",
        .englishName = "The Accomplished Pose",
        .picture = "22 Siddhasana",
        .description =
            "Siddhasana takes its name from the Sanskrit word siddha, meaning accomplished or "
            "perfected, and asana, meaning posture. It is a classical seated posture for "
            "meditation in which one heel presses against the perineum and the other rests just "
            "above it, keeping the spine erect and the body steady. The old texts of hatha yoga "
            "praise it as the foremost of the seated postures, the one practised by the "
            "accomplished yogis.",
        .procedure =
            "1. Sit on the floor with the legs stretched out in front of you and the spine "
            "erect.\r\n"
            "2. Bend the left knee and place the left heel against the perineum, the area between "
            "the anus and the genitals, with the sole resting against the inside of the right "
            "thigh.\r\n"
            "3. Bend the right knee and place the right heel just above the left heel, against "
            "the pubic bone, tucking the right toes into the space between the left thigh and "
            "calf, so that the ankles lie one above the other.\r\n"
            "4. Let both knees rest on the floor, keep the head, neck and spine in a straight "
            "line, and place the hands on the knees with the palms up and the thumb and index "
            "finger touching.\r\n"
            "5. Close the eyes and breathe slowly, staying for a few minutes and building up the "
            "time gradually; then release the legs slowly and repeat with the other leg "
            "underneath.",
        .benefits =
            "1. Keeps the spine erect and the body steady, making it one of the best postures for "
            "meditation and breathing exercises.\r\n"
            "2. Calms the mind, steadies the attention and is traditionally said to improve "
            "concentration and memory.\r\n"
            "3. Keeps the hips, knees and ankles supple, which is why it is included in gentle "
            "programmes for arthritis.\r\n"
            "4. Is traditionally said to direct the circulation to the lower spine and abdomen "
            "and to tone the pelvic region.",
        .contraindications =
            "Do not practise Siddhasana if you have sciatica, a knee or ankle injury, or stiff "
            "hips that would force the knees. Beginners should sit on the front edge of a folded "
            "blanket so that the knees can drop towards the floor, and come out of the pose as "
            "soon as the legs grow numb or the knees hurt.",
    },
    // 22
    {
        .name = "Simhasana",
        .englishName = "Lion Pose",
        .picture = "23 Simhasana",
        .description =
            "Simhasana takes its name from the Sanskrit word simha, meaning lion, and asana, "
            "meaning posture. In this pose you kneel with the mouth wide open, the tongue "
            "stretched out and the eyes gazing upwards while breathing out with a roaring sound, "
            "like a lion. It exercises the muscles of the face, throat and eyes and releases "
            "pent-up tension.",
        .procedure =
            "1. Sit in Vajrasana with the knees a little apart, or cross the ankles under the "
            "buttocks.\r\n"
            "2. Place the palms on the knees with the fingers spread wide like the claws of a "
            "lion, and keep the spine straight.\r\n"
            "3. Inhale deeply through the nose, leaning slightly forward.\r\n"
            "4. Open the mouth wide, stretch the tongue out and down towards the chin, and gaze "
            "upwards towards the point between the eyebrows, spreading the fingers and tensing "
            "the body.\r\n"
            "5. Exhale steadily through the mouth, making a long, clear roaring sound from the "
            "back of the throat.\r\n"
            "6. Close the mouth, relax the face and breathe normally. Repeat three to five times.",
        .benefits =
            "1. Relieves tension in the face, jaw and chest and exercises the muscles of the face "
            "and tongue.\r\n"
            "2. Stimulates the throat and vocal cords; it is traditionally used to soothe a sore "
            "throat and improve the voice.\r\n"
            "3. Releases stress and pent-up emotions and builds confidence.",
        .contraindications =
            "Simhasana is safe for most people. Those with knee injuries should sit on a chair or "
            "in a cross-legged position instead of kneeling. People with a recent injury to the "
            "face, jaw, tongue or neck, or with an inflamed throat, should practise gently or "
            "leave it out. Do not strain the eyes while gazing upwards if you have glaucoma or "
            "another eye condition, and never force the exhalation.",
    },
    // 23
    {
        .name = "Suptavajrasana",
        .englishName = "Reclining Thunderbolt Pose",
        .picture = "24 Suptavajrasana",
        .description =
            "Suptavajrasana takes its name from the Sanskrit words supta, meaning lying down or "
            "reclining, vajra, meaning thunderbolt, and asana, meaning posture. It is Vajrasana "
            "with the body lowered backwards until the back and head rest on the floor behind the "
            "feet. It gives a strong stretch to the thighs, knees, abdomen and chest and is a "
            "more advanced posture than the simple kneeling Vajrasana.",
        .procedure =
            "1. Sit in Vajrasana with the knees together and the hands on the thighs.\r\n"
            "2. Place the hands on the floor behind the feet and lean back slowly, lowering "
            "yourself first onto one elbow and then onto the other.\r\n"
            "3. Continue to lean back slowly, sliding the elbows forward, until the shoulders and "
            "the back of the head rest on the floor.\r\n"
            "4. Keep the knees on the floor and as close together as is comfortable; do not let "
            "them lift or spread wide.\r\n"
            "5. Cross the arms above the head, holding each elbow with the opposite hand, or rest "
            "the hands on the thighs.\r\n"
            "6. Close the eyes, relax the body and breathe slowly and deeply for 20 to 30 seconds "
            "at first, building up gradually to 1 minute or more.\r\n"
            "7. To come out, bring the hands beside the body, take the weight onto the elbows one "
            "at a time and raise the trunk slowly back to Vajrasana, then straighten the legs and "
            "rest.",
        .benefits =
            "1. Stretches the thighs, knees, ankles, abdomen and chest, and makes the spine more "
            "flexible.\r\n"
            "2. Opens the chest and expands the lungs, encouraging deep breathing, and is "
            "traditionally recommended for asthma and other breathing difficulties.\r\n"
            "3. Massages the abdominal organs and relieves constipation, and practised gently it "
            "calms the nervous system, which is why it is included in yoga programmes for high "
            "blood pressure.",
        .contraindications =
            "Do not practise Suptavajrasana if you have a knee, ankle or back injury, a slipped "
            "disc, sciatica or a hernia, or if you are pregnant. Those with stiff knees or a "
            "stiff back should lie back onto a bolster or a pile of cushions rather than all the "
            "way to the floor. Never force the knees down, and come out of the pose slowly "
            "through the elbows to protect the back.",
    },
    // 24
    {
        .name = "Tadasana",
        .englishName = "Mountain Pose",
        .picture = "25 Tadasana",
        .description =
            "Tadasana takes its name from the Sanskrit word tada, meaning mountain, and asana, "
            "meaning posture; in some Indian schools it is called the palm tree pose and taught "
            "with the arms raised and the heels lifted. It is the basic standing posture, in "
            "which the body is held upright, steady and balanced like a mountain. It is the "
            "starting position for the other standing asanas and teaches good posture and an even "
            "spread of the weight on both feet.",
        .procedure =
            "1. Stand with the feet together, the big toes touching, and the arms beside the "
            "body.\r\n"
            "2. Spread the toes and share the weight evenly between the heels and the balls of "
            "both feet, and lift the arches.\r\n"
            "3. Tighten the thighs, draw the kneecaps up, let the tailbone point towards the "
            "floor and lift the chest without pushing the ribs forward, keeping the shoulders "
            "relaxed and the head level.\r\n"
            "4. While inhaling, raise the arms above the head with the palms facing each other or "
            "the fingers interlocked, and stretch the whole body upwards.\r\n"
            "5. If your balance is good, rise slowly onto the toes as you stretch, fix the eyes "
            "on a point in front of you and hold for 10 to 30 seconds, breathing evenly.\r\n"
            "6. While exhaling, lower the heels and then the arms slowly, and relax. Repeat two "
            "or three times.",
        .benefits =
            "1. Improves posture and balance and teaches the body to stand upright with the "
            "weight spread evenly on both feet.\r\n"
            "2. Strengthens the thighs, knees, ankles and the arches of the feet, firms the "
            "abdomen and buttocks, and is traditionally recommended for flat feet, sciatica and "
            "varicose veins.\r\n"
            "3. Stretches the whole body and lifts the chest to deepen the breathing, and is said "
            "to help relieve constipation and piles and to calm the mind before sleep.",
        .contraindications =
            "Tadasana is safe for almost everyone. People with low blood pressure, dizziness or a "
            "headache should stand with the feet slightly apart and not rise onto the toes, and "
            "those with poor balance can stand near a wall. Pregnant women should keep the feet "
            "hip width apart and not rise onto the toes.",
    },
    // 25
    {
        .name = "Trikonasana",
        .englishName = "Triangle Pose",
        .picture = "26 Trikonasana",
        .description =
            "Trikonasana takes its name from the Sanskrit words tri, meaning three, kona, meaning "
            "angle or corner, and asana, meaning posture. It is a standing posture with the legs "
            "wide apart, in which the trunk bends sideways over one leg while the arms stretch in "
            "a straight line, one towards the floor and one towards the ceiling, so that the "
            "legs, trunk and arms form a series of triangles. It stretches the sides of the body, "
            "the legs and the spine and is one of the basic standing asanas.",
        .procedure =
            "1. Stand upright with the feet about one metre apart, turn the right foot out 90 "
            "degrees and the left foot slightly in, and raise the arms sideways to shoulder "
            "height with the palms facing down.\r\n"
            "2. While exhaling, bend sideways to the right from the hips, keeping both legs "
            "straight and the trunk facing forward, and place the right hand on the shin, the "
            "ankle or the floor beside the right foot.\r\n"
            "3. Stretch the left arm up towards the ceiling in line with the right arm, turn the "
            "head to look at the left hand, and hold for 20 to 30 seconds, breathing slowly and "
            "evenly.\r\n"
            "4. While inhaling, come back up to standing with the arms at shoulder height, then "
            "turn the feet and repeat on the left side.",
        .benefits =
            "Trikonasana stretches and strengthens the legs, hips and sides of the trunk and "
            "keeps the spine flexible. The sideways bend massages the abdominal organs, which "
            "helps digestion and relieves constipation, and the wide stance opens the hips and "
            "chest and improves balance. Practised gently and regularly, it relieves stiffness in "
            "the back, neck and legs and is traditionally recommended for people with arthritis, "
            "because it keeps the joints mobile.",
        .contraindications =
            "Do not practise Trikonasana if you have a recent injury to the back, hips or knees, "
            "a headache or migraine, diarrhoea or low blood pressure. People with high blood "
            "pressure should look down at the floor instead of up at the raised hand, and those "
            "with a neck problem should keep the head facing forward. Keep the front knee "
            "straight but not locked, and bend only as far as is comfortable.",
    },
    // 26
    {
        .name = "Ustrasana",
        .englishName = "Camel Pose",
        .picture = "27 Ustrasana",
        .description =
            "Ustrasana takes its name from the Sanskrit word ushtra, meaning camel, and asana, "
            "meaning posture. It is a kneeling backward bend in which the hands hold the heels "
            "while the chest lifts and the hips press forward, so that the arched body resembles "
            "the hump of a camel. It stretches the whole front of the body and is a stronger "
            "backbend than Bhujangasana.",
        .procedure =
            "1. Kneel on the floor with the knees and feet hip width apart, the tops of the feet "
            "on the floor or the toes tucked under, and the thighs upright. Place the hands on "
            "the hips.\r\n"
            "2. While inhaling, lift the chest and begin to bend backwards, pressing the hips "
            "forward so that they stay above the knees.\r\n"
            "3. Reach back with one hand at a time and hold the heels, keeping the thighs "
            "upright, and let the head drop back gently only if the neck is comfortable. Hold for "
            "15 to 30 seconds, breathing evenly.\r\n"
            "4. While exhaling, bring the hands back to the hips one at a time, raise the head "
            "and trunk slowly to the kneeling position, and rest in Vajrasana.",
        .benefits =
            "1. Stretches the front of the body, including the thighs, groins, abdomen, chest and "
            "throat, and strengthens the back muscles, improving posture.\r\n"
            "2. Opens the chest and lungs, encouraging deep breathing, and helps to relieve "
            "fatigue, anxiety and mild backache.\r\n"
            "3. Stimulates the abdominal organs and is traditionally recommended to improve "
            "digestion and to regulate the menstrual cycle.",
        .contraindications = "",
    },
    // 27
    {
        .name = "Uttanasana",
        .englishName = "Standing Forward Bend",
        .picture = "28 Uttanasana",
        .description =
            "Uttanasana takes its name from the Sanskrit words ut, meaning intense, tan, meaning "
            "to stretch, and asana, meaning posture. It is a standing forward bend in which the "
            "trunk folds down over the legs and the hands rest on the floor beside the feet, "
            "giving an intense stretch to the whole back of the body. Because the head hangs "
            "below the heart, it is also a gentle inversion that quietens the mind.",
        .procedure =
            "1. Stand in Tadasana with the feet together or hip width apart and the hands on the "
            "hips.\r\n"
            "2. While exhaling, bend forward from the hips, not from the waist, keeping the front "
            "of the trunk long, and bring the fingertips or palms to the floor beside the feet, "
            "or hold the ankles or the backs of the legs. Bend the knees slightly if the "
            "hamstrings are tight.\r\n"
            "3. Let the head and neck hang freely and hold for 30 seconds to 1 minute, breathing "
            "slowly; with each inhalation lengthen the trunk a little and with each exhalation "
            "relax deeper into the bend.\r\n"
            "4. To come up, put the hands on the hips, bend the knees a little and, while "
            "inhaling, raise the trunk slowly with a long back to the standing position.",
        .benefits =
            "1. Stretches the hamstrings, calves and hips and keeps the spine supple.\r\n"
            "2. Strengthens the thighs and knees.\r\n"
            "3. Calms the brain and helps to relieve stress, anxiety and mild depression.\r\n"
            "4. Helps to relieve headache, fatigue and insomnia.\r\n"
            "5. Massages the liver, kidneys and other abdominal organs and improves digestion.\r\n"
            "6. Is traditionally said to ease the discomforts of menopause and to support the "
            "health of the reproductive organs.\r\n"
            "7. Is traditionally recommended in yoga therapy for mild asthma and sinusitis and, "
            "with the head resting on a support, for high blood pressure.",
        .contraindications =
            "Do not practise Uttanasana if you have a back injury, a slipped disc or sciatica, "
            "glaucoma or a detached retina, or if you are in the later months of pregnancy. "
            "People with osteoporosis should bend forward only with a long, flat back, resting "
            "the hands on a chair, and never round the spine. Those with high or low blood "
            "pressure should come up slowly, and anyone who feels dizzy should keep the knees "
            "bent and the hands on a support.",
    },
    // 28
    {
        .name = "Vajrasana",
        .englishName = "Thunderbolt Pose",
        .picture = "29 Vajrasana",
        .description =
            "Vajrasana takes its name from the Sanskrit word vajra, meaning thunderbolt or "
            "diamond, and asana, meaning posture. It is a simple kneeling posture in which you "
            "sit on your heels with the spine erect, and it is said to make the body firm and "
            "strong like a thunderbolt. It is one of the few asanas that may be practised "
            "straight after a meal, and it is often used for meditation and breathing exercises.",
        .procedure =
            "1. Kneel on the floor with the knees together, the big toes touching and the tops of "
            "the feet flat on the floor.\r\n"
            "2. Let the heels move slightly apart and lower the buttocks slowly to sit on the "
            "insides of the feet.\r\n"
            "3. Place the hands on the knees with the palms down, and keep the head, neck and "
            "spine in a straight line.\r\n"
            "4. Close the eyes, relax the shoulders and breathe slowly and deeply. Stay for 1 to "
            "5 minutes at first, building up gradually to 10 minutes or more.\r\n"
            "5. To come out, lean forward onto the hands, lift the buttocks, straighten the legs "
            "one at a time and gently shake them loose.",
        .benefits =
            "Vajrasana aids digestion and is traditionally practised for a few minutes after "
            "meals to ease acidity and gas. It keeps the spine upright and improves posture, "
            "strengthens the muscles of the thighs and pelvis and increases the flexibility of "
            "the knees and ankles. Because it is steady and comfortable, it calms the mind and is "
            "a good posture for meditation and breathing exercises, especially for people who "
            "cannot sit cross-legged with a straight back.",
        .contraindications = "",
    },
    // 29
    {
        .name = "Veerasana",
        .englishName = "Hero Pose",
        .picture = "30 Veerasana",
        .description =
            "Veerasana, also written Virasana, takes its name from the Sanskrit word vira, "
            "meaning hero or warrior, and asana, meaning posture. It is a kneeling posture in "
            "which the buttocks rest on the floor between the feet rather than on the heels, with "
            "the spine upright like that of a warrior sitting at rest. It is used for meditation "
            "and breathing exercises and, because it is steady and presses nothing against the "
            "abdomen, it can be practised for a few minutes after a meal.",
        .procedure =
            "1. Kneel on the floor with the knees together, the feet a little wider apart than "
            "the hips and the tops of the feet flat on the floor.\r\n"
            "2. While exhaling, lower the buttocks slowly to the floor between the feet. If they "
            "do not reach the floor, sit on a folded blanket or a block.\r\n"
            "3. Keep the feet pointing straight back, close to the outsides of the hips, and the "
            "knees together or slightly apart.\r\n"
            "4. Rest the hands on the thighs, lift the chest and keep the head, neck and spine in "
            "a straight line. Breathe slowly and stay for 30 seconds to 1 minute, building up "
            "gradually to 5 minutes.\r\n"
            "5. To come out, lean forward onto the hands, lift the buttocks, straighten the legs "
            "one at a time behind you and relax.",
        .benefits =
            "Veerasana stretches the thighs, knees, ankles and the arches of the feet and is "
            "traditionally recommended for flat feet. It keeps the spine upright and the chest "
            "open, which improves posture and encourages deep, even breathing, and it is included "
            "in yoga programmes for asthma and high blood pressure. Sitting in Veerasana after a "
            "meal helps digestion and relieves gas, and regular, careful practice eases stiffness "
            "in the knees and ankles, which is why it is used in gentle programmes for arthritis.",
        .contraindications = "",
    },
    // 30
    {
        .name = "Vrikshasana",
        .englishName = "Tree Pose",
        .picture = "31 Vrikshasana",
        .description =
            "Vrikshasana takes its name from the Sanskrit word vriksha, meaning tree, and asana, "
            "meaning posture. It is a standing balance in which the sole of one foot rests "
            "against the inner thigh of the standing leg and the arms are raised above the head, "
            "so that the body stands firm and tall like a tree with its roots in the ground and "
            "its branches reaching up. It develops balance, steadiness and concentration.",
        .procedure =
            "1. Stand upright with the feet together and the arms beside the body, and fix the "
            "eyes on a point in front of you.\r\n"
            "2. Shift the weight onto the left foot, bend the right knee and, with the help of "
            "the hand, place the sole of the right foot against the inner left thigh, as high as "
            "is comfortable, with the toes pointing down. If this is too hard, place it on the "
            "inner calf, never against the knee.\r\n"
            "3. Bring the palms together in front of the chest, then, while inhaling, raise the "
            "joined hands above the head and stretch the arms upwards.\r\n"
            "4. Keep the standing leg firm, the hips level and the spine straight, and hold for "
            "20 to 60 seconds, breathing slowly and evenly.\r\n"
            "5. While exhaling, lower the arms and the right foot slowly, stand on both feet and "
            "repeat standing on the right leg.",
        .benefits =
            "1. Strengthens the thighs, calves, ankles and the arches of the feet, and stretches "
            "the groins, inner thighs, chest and shoulders.\r\n"
            "2. Improves balance, steadiness and concentration and calms the mind.\r\n"
            "3. Keeps the spine upright and the pelvis stable, and is traditionally recommended "
            "for flat feet and to relieve sciatica.",
        .contraindications = "",
    },
    // 31
    {
        .name = "Yoga Mudra",
        .englishName = "Scaling Pose",
        .picture = "32 Yoga Mudra",
        .description =
            "Yoga Mudra takes its name from the Sanskrit words yoga, meaning union, and mudra, "
            "meaning seal or gesture. It is a seated forward bend, usually practised from "
            "Padmasana or Vajrasana, in which the hands are held behind the back and the forehead "
            "is lowered towards the floor. It turns the attention inwards and is regarded as a "
            "symbol of the union of the individual self with the universal.",
        .procedure =
            "1. Sit in Padmasana with the spine erect, or in Vajrasana or a simple cross-legged "
            "position if the lotus is not comfortable.\r\n"
            "2. Take the arms behind the back and hold the left wrist with the right hand, or "
            "interlock the fingers.\r\n"
            "3. Close the eyes, relax the body and inhale deeply.\r\n"
            "4. While exhaling, bend forward slowly from the hips, keeping the back straight for "
            "as long as possible, and bring the forehead towards the floor in front of you.\r\n"
            "5. Rest the forehead on the floor or on a cushion, relax the shoulders and breathe "
            "normally for 10 to 30 seconds, or longer if it is comfortable.\r\n"
            "6. While inhaling, come back slowly to the upright position, release the hands and "
            "relax. Repeat two or three times.",
        .benefits =
            "1. Massages the abdominal organs, improving digestion and helping to relieve "
            "constipation and gas.\r\n"
            "2. Stretches the spine, keeps it supple and relieves stiffness in the back.\r\n"
            "3. Strengthens the pelvic region and tones the muscles of the abdomen.\r\n"
            "4. Calms the mind and helps to reduce stress, anger and nervous tension.\r\n"
            "5. Improves concentration and prepares the mind for meditation.",
        .contraindications = "",
    },
}};

} // namespace AsanaCatalogue
