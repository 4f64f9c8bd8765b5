#include "learn_yoga/AsanaIndexContent.h"

// The Learn Yoga indexes of the asana catalogue: for each body part and each
// therapeutic application, the catalogue numbers of the asanas that work on it, in
// catalogue order. The lists keep the order in which the drop-down lists show them.
// The names after each line are for the reader only. The body part "Live" is the
// liver.
namespace LearnYogaContent {

// clang-format off
const std::array<AsanaIndexEntry, 36> kBodyParts = {{
    {"Abdomen", {1, 3, 4, 7, 11, 14, 22, 24, 26, 29}}, // Ardhachandrasana, Bhujangasana,
                                                       // Dhanurasana, Halasana, Matsyasana,
                                                       // Padmasana, Simhasana, Tadasana, Ustrasana,
                                                       // Veerasana
    {"Ankles", {1, 5, 6, 14, 22, 24, 26, 29, 30}}, // Ardhachandrasana, Garudasana, Gomukhasana,
                                                   // Padmasana, Simhasana, Tadasana, Ustrasana,
                                                   // Veerasana, Vrikshasana
    {"Arches", {24, 29, 30}}, // Tadasana, Veerasana, Vrikshasana
    {"Arms", {0}}, // Anjali Mudra
    {"Bladder", {14}}, // Padmasana
    {"Brain", {7, 14, 16, 27}}, // Halasana, Padmasana, Paschimottanasana, Uttanasana
    {"Buttocks", {3, 19, 24}}, // Bhujangasana, Shalabhasana, Tadasana
    {"Calves", {1, 5, 19, 27, 30}}, // Ardhachandrasana, Garudasana, Shalabhasana, Uttanasana,
                                    // Vrikshasana
    {"Chest", {1, 3, 4, 6, 11, 22, 30}}, // Ardhachandrasana, Bhujangasana, Dhanurasana,
                                         // Gomukhasana, Matsyasana, Simhasana, Vrikshasana
    {"Diaphragm", {14, 22, 24, 29, 30}}, // Padmasana, Simhasana, Tadasana, Veerasana, Vrikshasana
    {"Digestive Organs", {16, 27, 29}}, // Paschimottanasana, Uttanasana, Veerasana
    {"Foot", {24, 30}}, // Tadasana, Vrikshasana
    {"Groins", {1, 4, 26, 30}}, // Ardhachandrasana, Dhanurasana, Ustrasana, Vrikshasana
    {"Hamstrings", {16, 27}}, // Paschimottanasana, Uttanasana
    {"Hands / Fingers", {0, 3, 22}}, // Anjali Mudra, Bhujangasana, Simhasana
    {"Heart", {0, 3, 17, 18, 20, 28}}, // Anjali Mudra, Bhujangasana, Pavanamuktasana, Sarvangasana,
                                       // Shavasana, Vajrasana
    {"Hips", {2, 5, 6, 27}}, // Ardhamatsyendrasana, Garudasana, Gomukhasana, Uttanasana
    {"Intestines", {2}}, // Ardhamatsyendrasana
    {"Kidneys", {2, 3, 16, 27}}, // Ardhamatsyendrasana, Bhujangasana, Paschimottanasana, Uttanasana
    {"Knees", {2, 14, 22, 24, 27, 30}}, // Ardhamatsyendrasana, Padmasana, Simhasana, Tadasana,
                                        // Uttanasana, Vrikshasana
    {"Legs", {14, 24, 30}}, // Padmasana, Tadasana, Vrikshasana
    {"Live", {2, 3, 16, 27}}, // Ardhamatsyendrasana, Bhujangasana, Paschimottanasana, Uttanasana
    {"Lower Back", {2, 19, 24, 30}}, // Ardhamatsyendrasana, Shalabhasana, Tadasana, Vrikshasana
    {"Lungs", {3, 19}}, // Bhujangasana, Shalabhasana
    {"Neck", {2, 4, 11, 19, 26}}, // Ardhamatsyendrasana, Dhanurasana, Matsyasana, Shalabhasana,
                                  // Ustrasana
    {"Ovaries", {16}}, // Paschimottanasana
    {"Pelvis", {14, 30}}, // Padmasana, Vrikshasana
    {"Pituitary", {4, 12}}, // Dhanurasana, Mayurasana
    {"Prostate Gland", {18}}, // Sarvangasana
    {"Shoulders", {1, 2, 4, 5, 6, 7, 11, 16, 26, 30}}, // Ardhachandrasana, Ardhamatsyendrasana,
                                                       // Dhanurasana, Garudasana, Gomukhasana,
                                                       // Halasana, Matsyasana, Paschimottanasana,
                                                       // Ustrasana, Vrikshasana
    {"Spine", {1, 2, 3, 4, 7, 11, 14, 16, 30}}, // Ardhachandrasana, Ardhamatsyendrasana,
                                                // Bhujangasana, Dhanurasana, Halasana, Matsyasana,
                                                // Padmasana, Paschimottanasana, Vrikshasana
    {"Thighs", {1, 4, 5, 6, 19, 24, 26, 27, 29, 30}}, // Ardhachandrasana, Dhanurasana, Garudasana,
                                                      // Gomukhasana, Shalabhasana, Tadasana,
                                                      // Ustrasana, Uttanasana, Veerasana,
                                                      // Vrikshasana
    {"Thyroid", {7, 18}}, // Halasana, Sarvangasana
    {"Upper Back", {2, 3, 16, 19, 29}}, // Ardhamatsyendrasana, Bhujangasana, Paschimottanasana,
                                        // Shalabhasana, Veerasana
    {"Uterus", {16, 18}}, // Paschimottanasana, Sarvangasana
    {"Wrists", {0, 4}}, // Anjali Mudra, Dhanurasana
}};

const std::array<AsanaIndexEntry, 31> kApplications = {{
    {"Anxiety", {0, 1, 4, 10, 11, 12, 14, 16, 26, 27}}, // Anjali Mudra, Ardhachandrasana,
                                                        // Dhanurasana, Mandukasana, Matsyasana,
                                                        // Mayurasana, Padmasana, Paschimottanasana,
                                                        // Ustrasana, Uttanasana
    {"Asthma", {2, 3, 5, 11, 18, 20, 22, 23, 24, 26, 27, 29, 31}}, // Ardhamatsyendrasana,
                                                                   // Bhujangasana, Garudasana,
                                                                   // Matsyasana, Sarvangasana,
                                                                   // Shavasana, Simhasana,
                                                                   // Suptavajrasana, Tadasana,
                                                                   // Ustrasana, Uttanasana,
                                                                   // Veerasana, Yoga Mudra
    {"Arthritis", {6, 20, 21, 25, 29, 30}}, // Gomukhasana, Shavasana, Siddhasana, Trikonasana,
                                            // Veerasana, Vrikshasana
    {"Back Pain", {1, 2, 3, 4, 5, 7, 11, 17, 19, 20, 26}}, // Ardhachandrasana, Ardhamatsyendrasana,
                                                           // Bhujangasana, Dhanurasana, Garudasana,
                                                           // Halasana, Matsyasana, Pavanamuktasana,
                                                           // Shalabhasana, Shavasana, Ustrasana
    {"Carpal Tunnel Syndrome", {0}}, // Anjali Mudra
    {"Constipation", {2, 7, 11, 17, 24, 25}}, // Ardhamatsyendrasana, Halasana, Matsyasana,
                                              // Pavanamuktasana, Tadasana, Trikonasana
    {"Diabetes", {2, 3, 11, 17, 18}}, // Ardhamatsyendrasana, Bhujangasana, Matsyasana,
                                      // Pavanamuktasana, Sarvangasana
    {"Fatigue", {1, 2, 3, 4, 7, 11, 16, 19, 20, 26, 27}}, // Ardhachandrasana, Ardhamatsyendrasana,
                                                          // Bhujangasana, Dhanurasana, Halasana,
                                                          // Matsyasana, Paschimottanasana,
                                                          // Shalabhasana, Shavasana, Ustrasana,
                                                          // Uttanasana
    {"Flat Feet", {24, 29, 30}}, // Tadasana, Veerasana, Vrikshasana
    {"Headache", {3, 7, 16, 17, 20, 27}}, // Bhujangasana, Halasana, Paschimottanasana,
                                          // Pavanamuktasana, Shavasana, Uttanasana
    {"High Blood Pressure", {16, 20, 23, 27, 29}}, // Paschimottanasana, Shavasana, Suptavajrasana,
                                                   // Uttanasana, Veerasana
    {"Hyperacidity", {3, 19, 20, 28, 31}}, // Bhujangasana, Shalabhasana, Shavasana, Vajrasana,
                                           // Yoga Mudra
    {"Hyperthyroidism", {11, 17, 18}}, // Matsyasana, Pavanamuktasana, Sarvangasana
    {"Hypothyroidism", {11, 17, 18}}, // Matsyasana, Pavanamuktasana, Sarvangasana
    {"Infertility", {2, 7, 16, 27}}, // Ardhamatsyendrasana, Halasana, Paschimottanasana, Uttanasana
    {"Insomnia", {3, 7, 16, 19, 20, 24, 27}}, // Bhujangasana, Halasana, Paschimottanasana,
                                              // Shalabhasana, Shavasana, Tadasana, Uttanasana
    {"Memory", {18, 21, 28}}, // Sarvangasana, Siddhasana, Vajrasana
    {"Menopause", {7, 16, 27}}, // Halasana, Paschimottanasana, Uttanasana
    {"Menstruation", {1, 2, 4, 8, 11, 14, 16, 26}}, // Ardhachandrasana, Ardhamatsyendrasana,
                                                    // Dhanurasana, Kukkutasana, Matsyasana,
                                                    // Padmasana, Paschimottanasana, Ustrasana
    {"Migraine", {2, 4, 13, 18, 30}}, // Ardhamatsyendrasana, Dhanurasana, Noukasana, Sarvangasana,
                                      // Vrikshasana
    {"Mild Depression", {20, 27}}, // Shavasana, Uttanasana
    {"Neck Pain", {20}}, // Shavasana
    {"Obesity", {2, 3, 4, 16, 17, 19, 20, 22}}, // Ardhamatsyendrasana, Bhujangasana, Dhanurasana,
                                                // Paschimottanasana, Pavanamuktasana, Shalabhasana,
                                                // Shavasana, Simhasana
    {"Osteoporosis", {1, 27}}, // Ardhachandrasana, Uttanasana
    {"Piles", {11, 17, 18, 24}}, // Matsyasana, Pavanamuktasana, Sarvangasana, Tadasana
    {"Pregnancy", {14}}, // Padmasana
    {"Sciatica", {1, 2, 5, 14, 24, 30}}, // Ardhachandrasana, Ardhamatsyendrasana, Garudasana,
                                         // Padmasana, Tadasana, Vrikshasana
    {"Sinusitis", {3, 4, 7, 11, 16, 17, 20, 22, 27}}, // Bhujangasana, Dhanurasana, Halasana,
                                                      // Matsyasana, Paschimottanasana,
                                                      // Pavanamuktasana, Shavasana, Simhasana,
                                                      // Uttanasana
    {"Spondylitis", {2, 3, 4, 9, 17, 28, 30}}, // Ardhamatsyendrasana, Bhujangasana, Dhanurasana,
                                               // Makarasana, Pavanamuktasana, Vajrasana,
                                               // Vrikshasana
    {"Stress", {0, 3, 7, 20, 27}}, // Anjali Mudra, Bhujangasana, Halasana, Shavasana, Uttanasana
    {"Varicose Veins", {11, 17, 18, 20, 24}}, // Matsyasana, Pavanamuktasana, Sarvangasana,
                                              // Shavasana, Tadasana
}};
// clang-format on

} // namespace LearnYogaContent
