#include "zodiac_yoga/ZodiacContent.h"

// The twelve sun-sign profiles in sign order, Aries to Pisces. The short fields are the
// display values of the characteristics and fitness tables; the prose fields fill the
// multi-line boxes of the result window and the printed report.
namespace ZodiacContent {

const std::array<SignProfile, 12> kSignProfiles = {{
    {
        .name = "Aries",
        .element = "Fire",
        .luckyNumber = "9",
        .luckyColour = "Red",
        .luckyDay = "Tuesday",
        .compatibility = "Leo and Sagittarius",
        .birthstone = "Diamond",
        .quality = "Cardinal",
        .famousPersonalities =
            "Vincent van Gogh, Charlie Chaplin, Maya Angelou, Jackie Chan, Elton John, Lady Gaga",
        .positiveTraits =
            "You are a natural pioneer, happiest when you are the first to try something new. "
            "Your courage and enthusiasm carry you into situations that others approach with "
            "hesitation, and your energy is often infectious, lifting the people around you. You "
            "are direct and honest: you say what you mean and expect others to do the same. When "
            "a challenge appears you meet it head on, and you recover quickly from setbacks "
            "because you prefer looking forward to dwelling on the past. You are generous with "
            "your time when someone needs a champion, and your quick decisions make you a capable "
            "leader in an emergency. Your sense of adventure keeps life lively, and your "
            "independence means you rarely wait for permission before acting on a good idea.",
        .negativeTraits =
            "Your eagerness to act can turn into impatience, and you may start many projects "
            "without finishing them once the first excitement fades. You can be quick-tempered, "
            "speaking sharply in the heat of the moment, even though your anger usually passes as "
            "fast as it came. At times you put your own wishes first without noticing how others "
            "feel, and a strong competitive streak can make it hard for you to accept advice or "
            "to lose gracefully. Acting before thinking may lead to avoidable mistakes and "
            "accidents.",
        .bodyPartsRuled = "Head, Face",
        .healthProblems =
            "Aries rules the head and face, so tension tends to show there first. People of this "
            "sign are traditionally said to be prone to headaches and migraines, sinus "
            "congestion, eye strain, toothache and minor injuries to the head and face caused by "
            "haste. Stress, skipped meals and too little sleep can bring on fevers, inflammation "
            "and raised blood pressure.",
        .requiredDiet =
            "The cell salt of Aries is traditionally potassium phosphate, believed to support the "
            "nerves and the brain. Include foods rich in potassium and B vitamins: tomatoes, "
            "beans, lentils, brown rice, walnuts, bananas, spinach, cauliflower, lettuce, celery "
            "and whole grains. Plenty of water and fresh fruit helps to cool a fiery temperament, "
            "and regular meals keep your energy steady and help to prevent headaches.",
        .dietToAvoid =
            "Limit hot spices, alcohol, strong coffee and fried or heavily salted food, which "
            "tend to overheat the system and can trigger headaches.",
        .dietAdvice =
            "Eat at regular times rather than grabbing food on the run, and drink water through "
            "the day to keep your head clear.",
        .athletic = "Highly Athletic",
        .endurance = "Low Endurance",
        .flexibility = "Medium Flexibility",
        .focus = "Zero Focus",
        .motivation = "Highly Motivated",
        .routine = "No Routine",
        .teamWork = "Zero Team-Work",
        .variety = "Needs variety",
        .fitnessAdvice =
            "You have plenty of drive and natural athletic ability, but you tire quickly and soon "
            "lose interest in a fixed routine. Short, intense sessions suit you best: sprints, "
            "interval training, martial arts, boxing, squash or a fast cycling ride. You prefer "
            "to compete against yourself, so individual sports suit you better than team games. "
            "Change your activities often to keep them fresh, and always warm up properly, since "
            "you tend to rush in and strain a muscle. End every session with a few minutes of "
            "calm stretching or Savasana to cool down.",
    },
    {
        .name = "Taurus",
        .element = "Earth",
        .luckyNumber = "6",
        .luckyColour = "Green",
        .luckyDay = "Friday",
        .compatibility = "Capricorn and Virgo",
        .birthstone = "Emerald",
        .quality = "Fixed",
        .famousPersonalities =
            "Florence Nightingale, Sigmund Freud, Rabindranath Tagore, Salvador Dali, Audrey "
            "Hepburn, David Beckham",
        .positiveTraits =
            "You are dependable and patient, the kind of person friends turn to when they need "
            "steady support. Once you commit to a goal you pursue it with quiet determination, "
            "and you are not easily discouraged by slow progress. You have a strong practical "
            "sense and a talent for building lasting security, whether in your finances, your "
            "home or your relationships. Your appreciation of beauty, good food, music and nature "
            "makes you a warm host and a relaxing companion. You are loyal and affectionate, and "
            "your calm presence can settle a tense room. You prefer to think things through "
            "before acting, which means that your decisions, though never hasty, are usually "
            "sound.",
        .negativeTraits =
            "Your steadiness can harden into stubbornness, and once you have made up your mind "
            "you may refuse to consider another point of view. You can be slow to accept change, "
            "holding on to familiar habits, possessions or people long after they have stopped "
            "serving you. A love of comfort may make you indulgent or lazy at times, and you can "
            "become possessive or jealous in relationships. When pushed too far, your usually "
            "placid temper may erupt unexpectedly.",
        .bodyPartsRuled = "Throat, Neck",
        .healthProblems =
            "Taurus rules the throat and neck, including the thyroid gland, the vocal cords and "
            "the tonsils. People of this sign are traditionally said to be prone to sore throats, "
            "tonsillitis, loss of voice, colds that settle in the throat, a stiff neck and "
            "thyroid imbalance. A love of rich food and a slow metabolism can also lead to weight "
            "gain.",
        .requiredDiet =
            "The cell salt of Taurus is traditionally sodium sulphate, which is linked with the "
            "balance of water in the body. Favour light, fresh foods such as cucumbers, spinach, "
            "cauliflower, beets, celery, asparagus, pumpkin and onions, with fruits like apples, "
            "pears and pomegranates. Iodine-rich foods such as seafood and a little iodised salt "
            "support the thyroid. Warm herbal drinks with honey soothe the throat in cold "
            "weather.",
        .dietToAvoid =
            "Cut down on rich desserts, heavy sauces, fatty meat and ice-cold drinks, which "
            "encourage weight gain and irritate the throat.",
        .dietAdvice =
            "Enjoy your meals slowly but keep portions moderate, and prefer warm, lightly cooked "
            "dishes to heavy or chilled ones.",
        .athletic = "Low Athletic Ability",
        .endurance = "High Endurance",
        .flexibility = "Low Flexibility",
        .focus = "High Focus",
        .motivation = "Moderately Motivated",
        .routine = "Belief Routine",
        .teamWork = "Moderate Team-Work",
        .variety = "No Belief in Variety",
        .fitnessAdvice =
            "You are not always drawn to fast or competitive sport, but you have excellent "
            "stamina and stick with a routine once it is established. Choose steady activities "
            "that you can repeat on a fixed schedule: brisk walking, hiking, long-distance "
            "swimming, rowing or gardening. Because flexibility does not come easily to you, add "
            "gentle stretching and yoga to loosen the neck, shoulders and hips. Exercising at the "
            "same time each day turns fitness into a habit you will not want to break, and a "
            "regular partner or a small group can keep you motivated.",
    },
    {
        .name = "Gemini",
        .element = "Air",
        .luckyNumber = "5",
        .luckyColour = "Yellow",
        .luckyDay = "Wednesday",
        .compatibility = "Aquarius and Libra",
        .birthstone = "Agate",
        .quality = "Mutable",
        .famousPersonalities =
            "John F. Kennedy, Marilyn Monroe, Bob Dylan, Anne Frank, Johnny Depp, Angelina Jolie",
        .positiveTraits =
            "You have a quick, curious mind and a gift for words. You pick up new ideas and "
            "skills with ease, and you can talk to almost anyone about almost anything, which "
            "makes you lively company and a natural communicator. Your adaptability lets you "
            "handle several tasks at once and adjust smoothly when plans change. You are witty "
            "and playful, and your sense of humour brightens the day of the people around you. "
            "You love to learn, read, travel and exchange news, and you keep a youthful outlook "
            "whatever your age. Your versatility means you can see more than one side of a "
            "question, so you are often good at explaining things and at bringing different "
            "people together.",
        .negativeTraits =
            "Your restless mind can make it hard for you to stay with one task, and you may leave "
            "projects half done when something more interesting comes along. You can be "
            "inconsistent, changing your opinions and plans so often that others find it "
            "difficult to rely on you. Nervous energy sometimes shows as anxiety, chatter or "
            "difficulty sleeping. You may skim the surface of a subject rather than study it in "
            "depth, and at times you can be tempted to gossip or to bend the truth for the sake "
            "of a good story.",
        .bodyPartsRuled = "Lungs, Arms, Hands",
        .healthProblems =
            "Gemini rules the lungs, shoulders, arms and hands, as well as the nervous system. "
            "People of this sign are traditionally said to be prone to coughs, bronchitis, asthma "
            "and other chest infections, along with strain and injury to the shoulders, arms, "
            "wrists and fingers. A busy mind can lead to nervous exhaustion, anxiety and poor "
            "sleep.",
        .requiredDiet =
            "The cell salt of Gemini is traditionally potassium chloride, associated with the "
            "health of the lungs and the blood. Eat plenty of green vegetables such as lettuce, "
            "spinach, broccoli and green beans, with carrots, tomatoes, oranges, apricots and "
            "plums. Calcium and magnesium from milk, yoghurt, almonds and sesame seeds help to "
            "calm the nerves, while whole grains give steady energy. Eat in a quiet setting so "
            "that food is properly digested.",
        .dietToAvoid =
            "Avoid too much coffee, tea, sugar and other stimulants, which overexcite the nerves, "
            "and do not smoke or spend time in smoky air.",
        .dietAdvice =
            "Sit down for meals instead of snacking while busy, and eat small, regular portions "
            "to keep your nervous energy balanced.",
        .athletic = "Moderately Athletic",
        .endurance = "Low Endurance",
        .flexibility = "High Flexibility",
        .focus = "Zero Focus",
        .motivation = "Zero Motivation",
        .routine = "No Routine",
        .teamWork = "Good Team-Work",
        .variety = "Needs variety",
        .fitnessAdvice =
            "You are agile and flexible, but you find it hard to stay motivated by one activity "
            "and soon grow bored with a fixed routine. Keep exercise social and varied: dance "
            "classes, tennis, badminton, volleyball or team games with friends suit your lively "
            "nature. Mix short sessions of different kinds through the week rather than one long "
            "workout. Breathing exercises and gentle yoga help to strengthen your lungs and calm "
            "a busy mind, and exercising with a partner makes it much more likely that you will "
            "turn up.",
    },
    {
        .name = "Cancer",
        .element = "Water",
        .luckyNumber = "2",
        .luckyColour = "Silver",
        .luckyDay = "Monday",
        .compatibility = "Pisces and Scorpio",
        .birthstone = "Pearl",
        .quality = "Cardinal",
        .famousPersonalities =
            "Helen Keller, Princess Diana, Tom Cruise, Frida Kahlo, Tom Hanks, Harrison Ford",
        .positiveTraits =
            "You are caring, loyal and deeply intuitive, and you often sense what others feel "
            "before they say a word. Home and family matter greatly to you, and you work hard to "
            "create a safe, welcoming place for the people you love. You are a devoted friend who "
            "remembers birthdays, listens patiently and offers practical help in difficult times. "
            "Your imagination and emotional depth give you a rich inner life and often a talent "
            "for cooking, writing or the arts. Although you may seem shy at first, you are "
            "tenacious when protecting those close to you, and your good memory and careful "
            "management of resources make you dependable in a crisis.",
        .negativeTraits =
            "Your sensitivity can make you moody, and you may withdraw into your shell when you "
            "feel hurt instead of saying what is wrong. You can hold on to old grievances and "
            "find it hard to let go of the past. Worry comes easily to you, particularly about "
            "the people you love, and your wish to protect them may turn into overprotectiveness "
            "or clinging. At times you may use indirect hints or sulking rather than stating your "
            "needs plainly.",
        .bodyPartsRuled = "Breast, Chest, Stomach",
        .healthProblems =
            "Cancer rules the breasts, the chest and the stomach. People of this sign are "
            "traditionally said to be prone to indigestion, acidity, gastritis and stomach "
            "upsets, especially when anxious, as well as fluid retention and chest congestion. "
            "Emotional eating in times of stress can lead to weight gain and a sluggish "
            "digestion.",
        .requiredDiet =
            "The cell salt of Cancer is traditionally calcium fluoride, linked with healthy "
            "bones, teeth and elastic tissue. Favour easily digested meals of rice, oats, "
            "yoghurt, fish, eggs and steamed vegetables such as cabbage, spinach, pumpkin and "
            "carrots, with fruits such as bananas, papaya and apples. Ginger, fennel and mint aid "
            "digestion. Eat smaller meals, and include calcium-rich foods such as milk, cheese "
            "and sesame seeds.",
        .dietToAvoid =
            "Avoid greasy, fried and very spicy food, excess salt and sugary snacks, and do not "
            "eat when upset or just before bed.",
        .dietAdvice =
            "Eat slowly in a calm setting, and ask yourself whether you are hungry or only "
            "seeking comfort before you reach for food.",
        .athletic = "Low Athletic Ability",
        .endurance = "Low Endurance",
        .flexibility = "Medium Flexibility",
        .focus = "High Focus",
        .motivation = "Moderately Motivated",
        .routine = "Belief Routine",
        .teamWork = "Good Team-Work",
        .variety = "Moderate Variety",
        .fitnessAdvice =
            "You are not naturally drawn to strenuous sport and tire quickly with intense effort, "
            "but you concentrate well and like a steady routine. Water is your element, so "
            "swimming, water aerobics and walking by the sea or a lake are ideal. Gentle yoga, "
            "tai chi and dance classes with friends suit you and build strength without strain. "
            "Plan a few fixed sessions each week, add a new activity now and then to keep it "
            "interesting, and build up your stamina gradually rather than pushing hard.",
    },
    {
        .name = "Leo",
        .element = "Fire",
        .luckyNumber = "8 and 9",
        .luckyColour = "Gold",
        .luckyDay = "Sunday",
        .compatibility = "Aries and Sagittarius",
        .birthstone = "Ruby",
        .quality = "Fixed",
        .famousPersonalities =
            "Napoleon Bonaparte, Alfred Hitchcock, Neil Armstrong, Mick Jagger, Madonna, Barack "
            "Obama, J. K. Rowling",
        .positiveTraits =
            "You have a warm, generous heart and a natural presence that draws people to you. You "
            "are confident and creative, and you love to express yourself, whether on a stage, at "
            "work or among friends. Your enthusiasm inspires others, and you are at your best "
            "when leading a group towards a goal you believe in. You are loyal and protective of "
            "those you love, and you give praise and encouragement freely. Your sense of fun and "
            "dramatic flair turn ordinary occasions into celebrations. You have dignity and "
            "courage, and once you have given your word you keep it. Your optimism helps you "
            "bounce back from disappointment with your head held high.",
        .negativeTraits =
            "Your need for recognition can make you vain or overly sensitive to criticism, and "
            "you may feel hurt when your efforts are not noticed. You can be domineering, "
            "assuming that your way is the best way and finding it hard to share the spotlight. "
            "Pride may stop you from admitting a mistake or asking for help. At times you can be "
            "extravagant with money, and your love of display may seem arrogant to those who do "
            "not know your generous side.",
        .bodyPartsRuled = "Heart, Spine",
        .healthProblems =
            "Leo rules the heart, the circulation and the spine. People of this sign are "
            "traditionally said to be prone to palpitations, high blood pressure, heart strain "
            "and circulation problems, as well as back pain and stiffness of the spine. Overwork, "
            "rich food and a reluctance to rest can make these worse.",
        .requiredDiet =
            "The cell salt of Leo is traditionally magnesium phosphate, associated with the heart "
            "and the nerves. Choose heart-friendly foods: whole grains, oats, fresh fruit such as "
            "oranges, plums, peaches and pineapple, leafy greens, beetroot, nuts and seeds, olive "
            "oil and oily fish. Foods rich in magnesium and calcium, such as almonds, bananas and "
            "dairy products, support the heart and the spine. Drink enough water and keep salt "
            "moderate.",
        .dietToAvoid =
            "Limit fatty red meat, fried food, excess salt, rich desserts and alcohol, all of "
            "which burden the heart and blood vessels.",
        .dietAdvice =
            "Enjoy festive food on special occasions, but let your everyday meals be simple, "
            "fresh and light on fat and salt.",
        .athletic = "Highly Athletic",
        .endurance = "High Endurance",
        .flexibility = "Low Flexibility",
        .focus = "High Focus",
        .motivation = "Highly Motivated",
        .routine = "Moderate Routine",
        .teamWork = "Moderate Team-Work",
        .variety = "Moderate Variety",
        .fitnessAdvice =
            "You have strength, stamina and the drive to excel, and you enjoy being seen to "
            "perform well. Activities with an audience or a clear goal suit you: tennis, "
            "athletics, dance, competitive swimming or leading a fitness class. Cardiovascular "
            "training keeps your heart strong, but because your body tends to be stiff, balance "
            "it with stretching and yoga that keep the spine supple. A moderate routine with an "
            "occasional change of activity keeps you keen. Avoid pushing through exhaustion just "
            "to prove a point.",
    },
    {
        .name = "Virgo",
        .element = "Earth",
        .luckyNumber = "3 and 5",
        .luckyColour = "Blue",
        .luckyDay = "Wednesday",
        .compatibility = "Capricorn and Taurus",
        .birthstone = "Sapphire",
        .quality = "Mutable",
        .famousPersonalities =
            "Johann Wolfgang von Goethe, Michael Jackson, Warren Buffett, Keanu Reeves, Freddie "
            "Mercury, Agatha Christie",
        .positiveTraits =
            "You have a sharp, analytical mind and a keen eye for detail, and you take real "
            "pleasure in doing a job properly. You are practical and organised, and you often see "
            "how a system could work better long before anyone else does. Your modesty and sense "
            "of duty make you a reliable colleague, and you are always willing to help with "
            "useful, down-to-earth support. You are interested in health, good habits and "
            "self-improvement, and you learn steadily and thoroughly. Your honesty, precision and "
            "good taste mean that your advice is valued, and your quiet kindness is shown more by "
            "what you do than by what you say.",
        .negativeTraits =
            "Your high standards can turn into perfectionism, and you may be overly critical of "
            "yourself and of others. You tend to worry, sometimes about small details, and this "
            "can leave you tense and unable to relax. Your wish to put things right may come "
            "across as fussiness or nagging. You can be shy about your own needs and reluctant to "
            "accept help, and at times you get so absorbed in the details that you lose sight of "
            "the larger picture.",
        .bodyPartsRuled = "Intestines, Pancreas",
        .healthProblems =
            "Virgo rules the intestines, the digestive system and the pancreas. People of this "
            "sign are traditionally said to be prone to indigestion, irritable bowel, "
            "constipation, colitis, food sensitivities and unsteady blood sugar. Worry and "
            "nervous tension often show first as an upset stomach.",
        .requiredDiet =
            "The cell salt of Virgo is traditionally potassium sulphate, linked with healthy skin "
            "and the carrying of oxygen to the cells. Eat plenty of fibre from whole grains, "
            "oats, brown rice, lentils and fresh vegetables such as carrots, peas, beans, spinach "
            "and lettuce. Natural yoghurt and other fermented foods support the gut, and fresh "
            "fruits such as apples, papaya and pears aid digestion. Drink plenty of water "
            "throughout the day.",
        .dietToAvoid =
            "Avoid highly processed food, refined sugar, very spicy dishes and too much caffeine, "
            "which upset the digestion and unsettle blood sugar.",
        .dietAdvice =
            "Eat at regular times in a relaxed setting, chew well, and do not worry over every "
            "detail of your diet.",
        .athletic = "Low Athletic Ability",
        .endurance = "Medium Endurance",
        .flexibility = "High Flexibility",
        .focus = "Good Focus",
        .motivation = "Highly Motivated",
        .routine = "Belief Routine",
        .teamWork = "Good Team-Work",
        .variety = "Needs variety",
        .fitnessAdvice =
            "You may not think of yourself as sporty, but you are flexible, well motivated and "
            "happy to follow a planned routine. Yoga, Pilates, walking, cycling and swimming suit "
            "you well, and keeping a simple record of your progress will encourage you. Add "
            "variety to the plan by rotating activities through the week or by joining a class "
            "with friends. Choose exercise that also calms the mind, as relaxation helps your "
            "digestion, and avoid over-training in the search for perfect results.",
    },
    {
        .name = "Libra",
        .element = "Air",
        .luckyNumber = "6 and 9",
        .luckyColour = "Blue",
        .luckyDay = "Friday",
        .compatibility = "Aquarius and Gemini",
        .birthstone = "Opal",
        .quality = "Cardinal",
        .famousPersonalities =
            "Serena Williams, Mahatma Gandhi, John Lennon, Eleanor Roosevelt, Margaret Thatcher, "
            "Oscar Wilde",
        .positiveTraits =
            "You are charming, gracious and fair-minded, with a natural sense of balance and "
            "harmony. You listen to both sides of an argument and often find the compromise that "
            "lets everyone move forward, which makes you a skilled peacemaker and diplomat. You "
            "value partnership and cooperation, and you bring out the best in the people you work "
            "with. Your eye for beauty shows in your home, your clothes and your love of art and "
            "music. You are sociable and considerate, with good manners and a pleasant way of "
            "putting people at ease. Your sense of justice means you will speak up for those who "
            "are treated unfairly.",
        .negativeTraits =
            "Your wish to please everyone can make you indecisive, and you may weigh the options "
            "for so long that the moment for choosing passes. You dislike conflict so much that "
            "you may avoid necessary confrontations or hide your true feelings to keep the peace. "
            "You can depend too heavily on the approval of others and find it hard to be alone. "
            "At times you may be superficial, vain or inclined to put off unpleasant tasks.",
        .bodyPartsRuled = "Loins, Kidneys",
        .healthProblems =
            "Libra rules the kidneys, the loins and the lower back, and with them the balance of "
            "fluids in the body. People of this sign are traditionally said to be prone to lower "
            "back pain, kidney and bladder infections, kidney stones and skin problems. "
            "Indulgence in sweets and rich food can upset the body's balance.",
        .requiredDiet =
            "The cell salt of Libra is traditionally sodium phosphate, which is linked with the "
            "acid and alkaline balance of the body. Drink plenty of water, and favour fresh fruit "
            "and vegetables such as apples, strawberries, cucumbers, asparagus, spinach, carrots "
            "and pumpkin, with oats, brown rice, almonds and beans. Cranberries and barley water "
            "are traditionally taken to support the kidneys and bladder. Keep meals simple, "
            "colourful and balanced.",
        .dietToAvoid =
            "Limit salt, sugar, alcohol, fizzy drinks and heavily processed food, which strain "
            "the kidneys and upset the body's balance.",
        .dietAdvice =
            "Keep your meals balanced and moderate, and make a habit of drinking a glass of water "
            "with each meal.",
        .athletic = "Moderately Athletic",
        .endurance = "Low Endurance",
        .flexibility = "Medium Flexibility",
        .focus = "Zero Focus",
        .motivation = "Moderately Motivated",
        .routine = "Moderate Routine",
        .teamWork = "Good Team-Work",
        .variety = "Moderate Variety",
        .fitnessAdvice =
            "You enjoy exercise most when it is sociable and graceful, and a partner or group "
            "keeps you coming back. Try ballroom or Latin dance, tennis, badminton, cycling with "
            "friends or a mixed yoga class. Your stamina is limited, so prefer moderate sessions "
            "to exhausting ones and build up slowly. A loose weekly routine with some variety "
            "suits you better than a strict plan. Strengthen your core and lower back, and "
            "balance your practice between the left and right sides of the body.",
    },
    {
        .name = "Scorpio",
        .element = "Water",
        .luckyNumber = "2 and 4",
        .luckyColour = "Burgundy and Black",
        .luckyDay = "Tuesday",
        .compatibility = "Cancer and Pisces",
        .birthstone = "Topaz",
        .quality = "Fixed",
        .famousPersonalities =
            "Pablo Picasso, Bill Gates, Julia Roberts, Marie Curie, Leonardo DiCaprio, Jawaharlal "
            "Nehru",
        .positiveTraits =
            "You are intense, determined and deeply perceptive, able to see beneath the surface "
            "of people and situations. When you take on a task you commit to it fully and follow "
            "it through with remarkable willpower. You are fiercely loyal to those you trust, and "
            "your friendship, once given, lasts a lifetime. Your courage allows you to face "
            "difficult truths and to rebuild your life after hardship. You are resourceful, "
            "private and self-controlled, and you have a magnetic quality that others find "
            "compelling. Your emotional depth and investigative mind make you excellent at "
            "research, problem solving and any work that demands concentration.",
        .negativeTraits =
            "Your strong feelings can turn into jealousy, possessiveness or a wish to control "
            "others. You find it hard to forgive a betrayal and may hold a grudge for a long time "
            "or seek to get even. Your secretive nature can make others feel shut out, and you "
            "may be suspicious of people's motives without good reason. When hurt, you can be "
            "sharp and cutting, and your all-or-nothing attitude can lead you to extremes.",
        .bodyPartsRuled = "Reproductive Organs",
        .healthProblems =
            "Scorpio rules the reproductive organs, the bladder and the organs of elimination. "
            "People of this sign are traditionally said to be prone to urinary and bladder "
            "infections, menstrual and hormonal problems, prostate trouble, constipation and "
            "piles. Suppressed emotions and stress may also show as tension in the pelvis and "
            "lower abdomen.",
        .requiredDiet =
            "The cell salt of Scorpio is traditionally calcium sulphate, associated with the "
            "renewal of tissue and the healing of the skin. Favour foods that cleanse and renew: "
            "leafy greens, onions, garlic, cabbage, cauliflower, asparagus, tomatoes, figs, "
            "prunes, black cherries and coconut. Whole grains and beans keep the bowels regular, "
            "and pumpkin seeds and nuts provide zinc. Drink plenty of water to flush the bladder.",
        .dietToAvoid =
            "Avoid alcohol, heavy meat, very spicy food and excess sugar, and do not overindulge "
            "in anything simply because you crave it.",
        .dietAdvice =
            "Moderation is your key: eat regular, simple meals and drink plenty of water to "
            "support the organs of cleansing.",
        .athletic = "Moderately Athletic",
        .endurance = "High Endurance",
        .flexibility = "Low Flexibility",
        .focus = "High Focus",
        .motivation = "Highly Motivated",
        .routine = "Moderate Routine",
        .teamWork = "Moderate Team-Work",
        .variety = "No Belief in Variety",
        .fitnessAdvice =
            "You have great stamina, determination and concentration, and once you set a fitness "
            "goal you pursue it relentlessly. Endurance sports such as long-distance running, "
            "swimming, rowing and martial arts channel your intensity well, and you prefer to "
            "master one discipline rather than sample many. Because your muscles tend to be "
            "tight, include regular stretching and yoga that opens the hips and pelvis. Train "
            "with a trusted partner or on your own, and allow enough rest so that intensity does "
            "not turn into overtraining.",
    },
    {
        .name = "Sagittarius",
        .element = "Fire",
        .luckyNumber = "5 and 7",
        .luckyColour = "Purple",
        .luckyDay = "Thursday",
        .compatibility = "Aries and Leo",
        .birthstone = "Turquoise",
        .quality = "Mutable",
        .famousPersonalities =
            "Bruce Lee, Mark Twain, Winston Churchill, Walt Disney, Frank Sinatra, Jane Austen",
        .positiveTraits =
            "You are optimistic, adventurous and full of good humour, with a boundless curiosity "
            "about the world. You love to travel, to meet people from other cultures and to "
            "explore big ideas in philosophy, religion and learning. Your honesty is refreshing, "
            "and your cheerful outlook lifts the spirits of everyone around you. You value "
            "freedom and give others plenty of room to be themselves. Your generosity and faith "
            "in the future help you take chances that more cautious people avoid, and you often "
            "find that luck follows your bold choices. You are a natural teacher and storyteller "
            "who inspires others to aim higher.",
        .negativeTraits =
            "Your love of freedom can make you restless and reluctant to commit, and you may "
            "promise more than you can deliver. Your frankness sometimes turns into tactlessness, "
            "hurting people without meaning to. You can be careless with details, money and "
            "deadlines, and you may jump from one plan to the next before finishing the first. At "
            "times you may be preachy about your beliefs or impatient with people who move more "
            "slowly than you do.",
        .bodyPartsRuled = "Thighs",
        .healthProblems =
            "Sagittarius rules the thighs, the hips and the liver. People of this sign are "
            "traditionally said to be prone to sciatica, hip and thigh injuries, strained muscles "
            "and liver trouble from overindulgence. Restlessness and a taste for risk can lead to "
            "sprains and accidents during sport and travel.",
        .requiredDiet =
            "The cell salt of Sagittarius is traditionally silica, which is linked with healthy "
            "skin, hair, nails and connective tissue. Include whole grains, oats, brown rice, "
            "beetroot, asparagus, cherries, apples, plums, oranges and green vegetables, with "
            "lean proteins such as fish and beans. Bitter greens such as rocket and endive "
            "support the liver. Keep portions moderate, and drink plenty of water to help the "
            "liver do its work.",
        .dietToAvoid =
            "Limit alcohol, fatty food, rich sauces and large meals, which burden the liver and "
            "lead to weight gain around the hips and thighs.",
        .dietAdvice =
            "Keep healthy snacks with you when travelling, and take time to eat properly even "
            "when life is full of adventure.",
        .athletic = "Highly Athletic",
        .endurance = "Low Endurance",
        .flexibility = "High Flexibility",
        .focus = "Zero Focus",
        .motivation = "Highly Motivated",
        .routine = "No Routine",
        .teamWork = "Zero Team-Work",
        .variety = "Needs variety",
        .fitnessAdvice =
            "You are athletic, flexible and eager to move, but long training programmes and fixed "
            "schedules quickly bore you. Outdoor adventures suit you best: hiking, horse riding, "
            "cycling, skiing, climbing or a run on a new trail. Choose activities you can do on "
            "your own terms and change them often to keep your enthusiasm alive. Short sessions "
            "match your stamina, so build endurance gradually. Always warm up the hips and "
            "thighs, and stretch them afterwards to protect against strains.",
    },
    {
        .name = "Capricorn",
        .element = "Earth",
        .luckyNumber = "8 and 2",
        .luckyColour = "Brown",
        .luckyDay = "Saturday",
        .compatibility = "Taurus and Virgo",
        .birthstone = "Garnet",
        .quality = "Cardinal",
        .famousPersonalities =
            "Louis Pasteur, J. R. R. Tolkien, Elvis Presley, Stephen Hawking, David Bowie, Martin "
            "Luther King Jr.",
        .positiveTraits =
            "You are ambitious, disciplined and patient, with a clear sense of where you want to "
            "go and the persistence to get there step by step. You take your responsibilities "
            "seriously, and people trust you to keep your promises and to manage difficult "
            "situations calmly. Your practical intelligence and good organisation make you an "
            "effective planner and leader. You have a dry, understated sense of humour that "
            "surprises those who think you are always serious. You respect tradition and "
            "experience, and you often grow more relaxed and confident with age. Your steady "
            "loyalty to family and friends is shown through quiet, reliable support.",
        .negativeTraits =
            "Your drive to succeed can turn you into a workaholic who forgets to rest or to enjoy "
            "life. You may be rigid, pessimistic or overly cautious, expecting the worst and "
            "resisting new methods. You can be reserved to the point of seeming cold, and you may "
            "find it hard to show affection or to admit that you need help. At times you judge "
            "yourself and others by status and achievement rather than by character.",
        .bodyPartsRuled = "Knees",
        .healthProblems =
            "Capricorn rules the knees, and with them the bones, joints, teeth and skin. People "
            "of this sign are traditionally said to be prone to knee injuries, stiff joints, "
            "arthritis, rheumatism, weak bones, dental problems and dry skin. Overwork and a "
            "habit of holding tension in the body can add to stiffness and aches.",
        .requiredDiet =
            "The cell salt of Capricorn is traditionally calcium phosphate, linked with strong "
            "bones and teeth. Favour foods rich in calcium, magnesium and vitamin D: milk, "
            "yoghurt, cheese, sesame seeds, almonds, leafy greens such as spinach and broccoli, "
            "oily fish and eggs. Whole grains, beans, figs, oranges and fresh vegetables support "
            "the joints and skin, and a little sunlight each day helps the body make vitamin D.",
        .dietToAvoid =
            "Limit salt, fizzy drinks, too much coffee and heavily processed food, which are "
            "believed to weaken the bones and stiffen the joints.",
        .dietAdvice =
            "Do not skip meals because of work; eat regular, nourishing meals and take the time "
            "to enjoy them.",
        .athletic = "Moderately Athletic",
        .endurance = "High Endurance",
        .flexibility = "Medium Flexibility",
        .focus = "High Focus",
        .motivation = "Highly Motivated",
        .routine = "Moderate Routine",
        .teamWork = "Moderate Team-Work",
        .variety = "No Belief in Variety",
        .fitnessAdvice =
            "You are patient and goal-driven, and you have excellent stamina for long, steady "
            "effort. Climbing, hiking, long-distance running, rowing and strength training with a "
            "clear plan appeal to your love of measurable progress. You prefer to stick with one "
            "discipline and master it rather than try many. Protect your knees with good "
            "footwear, a proper warm-up and exercises that strengthen the thighs, and balance "
            "your training with stretching and yoga to keep the joints supple and the mind "
            "relaxed.",
    },
    {
        .name = "Aquarius",
        .element = "Air",
        .luckyNumber = "1 and 7",
        .luckyColour = "Blue, Violet",
        .luckyDay = "Wednesday",
        .compatibility = "Taurus and Virgo",
        .birthstone = "Amethyst",
        .quality = "Fixed",
        .famousPersonalities =
            "Wolfgang Amadeus Mozart, Oprah Winfrey, Bob Marley, Charles Dickens, Thomas Edison, "
            "Abraham Lincoln, Charles Darwin",
        .positiveTraits =
            "You are independent, original and forward-looking, with a mind that enjoys new "
            "ideas, science and invention. You value friendship highly and treat people as "
            "equals, whatever their background, and you are often at the centre of a wide circle "
            "of friends and causes. Your humanitarian outlook leads you to work for the good of "
            "the community and for a fairer world. You think for yourself and are not afraid to "
            "be different, and your inventive approach to problems can produce solutions nobody "
            "else has considered. You are tolerant, honest and loyal to your principles, and your "
            "unusual perspective makes you stimulating company.",
        .negativeTraits =
            "Your independence can make you seem detached or aloof, and you may find it easier to "
            "care for humanity in general than to deal with personal emotions. You can be "
            "stubborn about your ideas and contrary simply for the sake of it. Unpredictable "
            "moods and sudden changes of plan may unsettle others. At times you may be so wrapped "
            "up in theories and causes that you neglect practical matters and the people closest "
            "to you.",
        .bodyPartsRuled = "Ankles, Blood",
        .healthProblems =
            "Aquarius rules the ankles, the calves and the circulation of the blood. People of "
            "this sign are traditionally said to be prone to sprained or weak ankles, cramps in "
            "the calves, varicose veins, poor circulation, cold hands and feet, swelling of the "
            "legs, anaemia and nervous tension.",
        .requiredDiet =
            "The cell salt of Aquarius is traditionally sodium chloride, which is linked with the "
            "balance of fluids in the body. Include foods that support the blood and the "
            "circulation: spinach, beetroot, celery, carrots, citrus fruits, apples, pears, "
            "berries, almonds, lentils and whole grains. Iron-rich foods eaten with vitamin C "
            "help to prevent anaemia, and oily fish, seeds and nuts keep the blood vessels "
            "healthy.",
        .dietToAvoid =
            "Limit salty snacks, fried food, alcohol and too much caffeine, which disturb the "
            "circulation and encourage swelling of the ankles.",
        .dietAdvice =
            "Eat regular meals even when absorbed in a project, and include fresh fruit and "
            "vegetables every day.",
        .athletic = "Highly Athletic",
        .endurance = "High Endurance",
        .flexibility = "Low Flexibility",
        .focus = "High Focus",
        .motivation = "Moderately Motivated",
        .routine = "No Routine",
        .teamWork = "Good Team-Work",
        .variety = "Needs variety",
        .fitnessAdvice =
            "You are athletic and have good stamina, but you dislike fixed schedules and enjoy "
            "trying unusual activities. Group sports, cycling clubs, climbing walls, skating, "
            "aerobics or a new fitness class with friends keep you interested. Vary your "
            "programme often, and use step counters or training apps to satisfy your curiosity. "
            "Because your muscles tend to be tight, stretch regularly and include exercises that "
            "strengthen the ankles and calves, which also help the circulation.",
    },
    {
        .name = "Pisces",
        .element = "Water",
        .luckyNumber = "2 and 6",
        .luckyColour = "Sea green",
        .luckyDay = "Friday",
        .compatibility = "Taurus and Virgo",
        .birthstone = "Aquamarine",
        .quality = "Mutable",
        .famousPersonalities =
            "Steve Jobs, Victor Hugo, Johnny Cash, Elizabeth Taylor, Alexander Graham Bell, "
            "Albert Einstein",
        .positiveTraits =
            "You are compassionate, imaginative and deeply intuitive, often sensing the moods and "
            "needs of others without being told. Your kindness and gentle nature make people feel "
            "understood, and you are always ready to help someone in trouble. You have a rich "
            "inner world and a natural gift for music, poetry, painting, dance or any art that "
            "expresses feeling. You are adaptable and accepting, able to see the good in people "
            "whom others have given up on. Your spiritual outlook and sensitivity to beauty give "
            "you a quiet wisdom, and your selfless devotion to the people and causes you care "
            "about is truly inspiring.",
        .negativeTraits =
            "Your sensitivity can leave you easily hurt and overwhelmed, and you may escape into "
            "daydreams rather than face practical problems. You can be indecisive and easily led, "
            "taking on other people's troubles until you feel drained. At times you may avoid "
            "unpleasant truths, make excuses for people who do not deserve them or lose track of "
            "time, money and commitments. A tendency towards self-pity can creep in when life "
            "becomes hard.",
        .bodyPartsRuled = "Feet",
        .healthProblems =
            "Pisces rules the feet and the lymphatic system. People of this sign are "
            "traditionally said to be prone to foot problems such as corns, bunions, flat feet, "
            "chilblains and fungal infections, as well as fluid retention, swollen glands, "
            "frequent colds and low resistance to infection. Sensitivity to alcohol and medicines "
            "is also common.",
        .requiredDiet =
            "The cell salt of Pisces is traditionally iron phosphate, which is associated with "
            "healthy blood and a good oxygen supply. Include iron-rich foods such as spinach, "
            "lentils, beans, raisins, dates and whole grains, with fresh fruit rich in vitamin C, "
            "such as oranges and lemons, to help the body absorb the iron. Fish, eggs, seaweed, "
            "nuts and seeds support the immune system. Drink plenty of water and keep salt low.",
        .dietToAvoid =
            "Avoid alcohol, excess salt and sugary, fatty or heavily processed food, which "
            "increase fluid retention and weaken resistance.",
        .dietAdvice =
            "Eat simple, fresh meals at regular times, and take care that comfort food and sweets "
            "do not replace proper meals.",
        .athletic = "Low Athletic Ability",
        .endurance = "Low Endurance",
        .flexibility = "High Flexibility",
        .focus = "Zero Focus",
        .motivation = "Moderately Motivated",
        .routine = "No Routine",
        .teamWork = "Good Team-Work",
        .variety = "Needs variety",
        .fitnessAdvice =
            "You are naturally flexible and graceful, but you tire quickly and lose interest in "
            "strict programmes or competitive sport. Gentle, flowing activities suit you: "
            "swimming, dance, yoga, tai chi and walks along the water. Exercise with friends or "
            "join a relaxed class so that you keep going, and vary what you do from week to week. "
            "Build stamina slowly with short sessions. Take good care of your feet with "
            "comfortable, supportive shoes, and stretch your feet and ankles after exercise.",
    },
}};

} // namespace ZodiacContent
