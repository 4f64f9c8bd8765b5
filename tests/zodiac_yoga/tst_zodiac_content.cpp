// The constant reading matter of Zodiac Yoga: the sign and constitution
// profiles, the asana records and every picture the module shows.

#include "zodiac_yoga/ZodiacContent.h"
#include "zodiac_yoga/modSunSignYoga.h"
#include "zodiac_yoga/modYogasana.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QSvgRenderer>
#include <QtTest>

using namespace ZodiacContent;

namespace {

QString text(const char *value) { return QString::fromLatin1(value ? value : ""); }

// Empty when the text is acceptable display text, otherwise what is wrong with it.
QString displayTextProblem(const char *value, bool lineBreaksAllowed)
{
    if (!value || !*value)
        return QStringLiteral("empty");
    const QByteArray bytes(value);
    for (const char ch : bytes) {
        const uchar c = uchar(ch);
        if (c >= 128)
            return QStringLiteral("non-ASCII byte %1").arg(c);
        if (c < 32 && !(lineBreaksAllowed && (c == '\r' || c == '\n')))
            return QStringLiteral("control byte %1").arg(c);
    }
    const QString t = text(value);
    if (t != t.trimmed())
        return QStringLiteral("leading or trailing blanks");
    if (t.contains(QLatin1String("  ")))
        return QStringLiteral("double blank");
    if (t.contains(QLatin1String("lorem"), Qt::CaseInsensitive) ||
        t.contains(QLatin1String("TODO")) || t.contains(QLatin1String("placeholder"), Qt::CaseInsensitive))
        return QStringLiteral("placeholder text");
    return QString();
}

// Checks numbered lines "1. ", "2. ", ... separated by CR LF with no break after the last.
// Returns the number of lines, or -1 with `problem` set.
int numberedLines(const QString &value, QString *problem)
{
    if (value.endsWith(QLatin1String("\r\n")) || value.endsWith(u'\n') || value.endsWith(u'\r')) {
        *problem = QStringLiteral("line break after the last line");
        return -1;
    }
    const QStringList lines = value.split(QStringLiteral("\r\n"));
    for (int i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        if (line.contains(u'\r') || line.contains(u'\n')) {
            *problem = QStringLiteral("a lone CR or LF in line %1").arg(i + 1);
            return -1;
        }
        const QString prefix = QString::number(i + 1) + QStringLiteral(". ");
        if (!line.startsWith(prefix) || line.size() <= prefix.size() + 10) {
            *problem = QStringLiteral("line %1 does not start with \"%2\" and text").arg(i + 1).arg(prefix);
            return -1;
        }
    }
    return int(lines.size());
}

} // namespace

class TestZodiacContent : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void signOrder();
    void tableA_data();
    void tableA();
    void tableB_data();
    void tableB();
    void signProse_data();
    void signProse();
    void proseIsNotShared();
    void constitutionProfiles_data();
    void constitutionProfiles();
    void asanaRecords_data();
    void asanaRecords();
    void asanaRecordsLoad();
    void asanaIntroduction();
    void signPictures_data();
    void signPictures();
    void asanaPictures_data();
    void asanaPictures();
};

void TestZodiacContent::signOrder()
{
    for (int i = 0; i < 12; ++i)
        QCOMPARE(text(kSignProfiles[i].name), SunSigns::Name(SunSign(i + 1)));
}

void TestZodiacContent::tableA_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("values");
    const QList<QStringList> rows = {
        {"Fire", "9", "Red", "Tuesday", "Leo and Sagittarius", "Diamond", "Cardinal", "Head, Face"},
        {"Earth", "6", "Green", "Friday", "Capricorn and Virgo", "Emerald", "Fixed", "Throat, Neck"},
        {"Air", "5", "Yellow", "Wednesday", "Aquarius and Libra", "Agate", "Mutable", "Lungs, Arms, Hands"},
        {"Water", "2", "Silver", "Monday", "Pisces and Scorpio", "Pearl", "Cardinal", "Breast, Chest, Stomach"},
        {"Fire", "8 and 9", "Gold", "Sunday", "Aries and Sagittarius", "Ruby", "Fixed", "Heart, Spine"},
        {"Earth", "3 and 5", "Blue", "Wednesday", "Capricorn and Taurus", "Sapphire", "Mutable", "Intestines, Pancreas"},
        {"Air", "6 and 9", "Blue", "Friday", "Aquarius and Gemini", "Opal", "Cardinal", "Loins, Kidneys"},
        {"Water", "2 and 4", "Burgundy and Black", "Tuesday", "Cancer and Pisces", "Topaz", "Fixed", "Reproductive Organs"},
        {"Fire", "5 and 7", "Purple", "Thursday", "Aries and Leo", "Turquoise", "Mutable", "Thighs"},
        {"Earth", "8 and 2", "Brown", "Saturday", "Taurus and Virgo", "Garnet", "Cardinal", "Knees"},
        {"Air", "1 and 7", "Blue, Violet", "Wednesday", "Taurus and Virgo", "Amethyst", "Fixed", "Ankles, Blood"},
        {"Water", "2 and 6", "Sea green", "Friday", "Taurus and Virgo", "Aquamarine", "Mutable", "Feet"},
    };
    for (int i = 0; i < 12; ++i)
        QTest::addRow("%s", kSignProfiles[i].name) << i << rows.at(i);
}

void TestZodiacContent::tableA()
{
    QFETCH(int, index);
    QFETCH(QStringList, values);
    const SignProfile &p = kSignProfiles[index];
    QCOMPARE(QStringList({text(p.element), text(p.luckyNumber), text(p.luckyColour), text(p.luckyDay),
                          text(p.compatibility), text(p.birthstone), text(p.quality),
                          text(p.bodyPartsRuled)}),
             values);
}

void TestZodiacContent::tableB_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("values");
    // athletic, endurance, flexibility, focus, motivation, routine, team-work, variety
    const QList<QStringList> rows = {
        {"Highly Athletic", "Low Endurance", "Medium Flexibility", "Zero Focus", "Highly Motivated", "No Routine", "Zero Team-Work", "Needs variety"},
        {"Low Athletic Ability", "High Endurance", "Low Flexibility", "High Focus", "Moderately Motivated", "Belief Routine", "Moderate Team-Work", "No Belief in Variety"},
        {"Moderately Athletic", "Low Endurance", "High Flexibility", "Zero Focus", "Zero Motivation", "No Routine", "Good Team-Work", "Needs variety"},
        {"Low Athletic Ability", "Low Endurance", "Medium Flexibility", "High Focus", "Moderately Motivated", "Belief Routine", "Good Team-Work", "Moderate Variety"},
        {"Highly Athletic", "High Endurance", "Low Flexibility", "High Focus", "Highly Motivated", "Moderate Routine", "Moderate Team-Work", "Moderate Variety"},
        {"Low Athletic Ability", "Medium Endurance", "High Flexibility", "Good Focus", "Highly Motivated", "Belief Routine", "Good Team-Work", "Needs variety"},
        {"Moderately Athletic", "Low Endurance", "Medium Flexibility", "Zero Focus", "Moderately Motivated", "Moderate Routine", "Good Team-Work", "Moderate Variety"},
        {"Moderately Athletic", "High Endurance", "Low Flexibility", "High Focus", "Highly Motivated", "Moderate Routine", "Moderate Team-Work", "No Belief in Variety"},
        {"Highly Athletic", "Low Endurance", "High Flexibility", "Zero Focus", "Highly Motivated", "No Routine", "Zero Team-Work", "Needs variety"},
        {"Moderately Athletic", "High Endurance", "Medium Flexibility", "High Focus", "Highly Motivated", "Moderate Routine", "Moderate Team-Work", "No Belief in Variety"},
        {"Highly Athletic", "High Endurance", "Low Flexibility", "High Focus", "Moderately Motivated", "No Routine", "Good Team-Work", "Needs variety"},
        {"Low Athletic Ability", "Low Endurance", "High Flexibility", "Zero Focus", "Moderately Motivated", "No Routine", "Good Team-Work", "Needs variety"},
    };
    for (int i = 0; i < 12; ++i)
        QTest::addRow("%s", kSignProfiles[i].name) << i << rows.at(i);
}

void TestZodiacContent::tableB()
{
    QFETCH(int, index);
    QFETCH(QStringList, values);
    const SignProfile &p = kSignProfiles[index];
    QCOMPARE(QStringList({text(p.athletic), text(p.endurance), text(p.flexibility), text(p.focus),
                          text(p.motivation), text(p.routine), text(p.teamWork), text(p.variety)}),
             values);
}

void TestZodiacContent::signProse_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < 12; ++i)
        QTest::addRow("%s", kSignProfiles[i].name) << i;
}

void TestZodiacContent::signProse()
{
    QFETCH(int, index);
    const SignProfile &p = kSignProfiles[index];
    struct Prose { const char *field; const char *value; int min; int max; };
    const Prose prose[] = {
        {"positive traits", p.positiveTraits, 500, 900},
        {"negative traits", p.negativeTraits, 330, 660},
        {"health problems", p.healthProblems, 170, 500},
        {"required diet", p.requiredDiet, 270, 530},
        {"diet to avoid", p.dietToAvoid, 35, 190},
        {"diet advice", p.dietAdvice, 70, 150},
        {"fitness advice", p.fitnessAdvice, 350, 560},
    };
    for (const Prose &field : prose) {
        const QString problem = displayTextProblem(field.value, false);
        QVERIFY2(problem.isEmpty(), qPrintable(QString::fromLatin1(field.field) + u": " + problem));
        const int length = int(qstrlen(field.value));
        QVERIFY2(length >= field.min && length <= field.max,
                 qPrintable(QStringLiteral("%1: %2 characters").arg(QLatin1String(field.field)).arg(length)));
        QVERIFY2(QStringLiteral(".!").contains(text(field.value).back()),
                 qPrintable(QStringLiteral("%1 does not end a sentence").arg(QLatin1String(field.field))));
    }
    // The positive traits speak to the reader.
    QVERIFY(text(p.positiveTraits).contains(QRegularExpression(QStringLiteral("\\b[Yy]ou(r)?\\b"))));

    for (const char *value : {p.element, p.luckyNumber, p.luckyColour, p.luckyDay, p.compatibility,
                              p.birthstone, p.quality, p.bodyPartsRuled, p.famousPersonalities})
        QVERIFY2(displayTextProblem(value, false).isEmpty(), value);

    const QStringList people = text(p.famousPersonalities).split(QStringLiteral(", "));
    QVERIFY2(people.size() >= 5 && people.size() <= 7, qPrintable(QString::number(people.size())));
    for (const QString &person : people) {
        QVERIFY2(!person.isEmpty() && person == person.trimmed() && !person.contains(u',') &&
                     person.at(0).isUpper(),
                 qPrintable(person));
        QVERIFY2(person.contains(u' ') || person == QLatin1String("Madonna"), qPrintable(person));
    }
}

// Hand-written prose: no sign repeats another sign's text.
void TestZodiacContent::proseIsNotShared()
{
    QSet<QString> seen;
    int count = 0;
    for (const SignProfile &p : kSignProfiles) {
        for (const char *value : {p.positiveTraits, p.negativeTraits, p.healthProblems,
                                  p.requiredDiet, p.dietToAvoid, p.dietAdvice, p.fitnessAdvice,
                                  p.famousPersonalities}) {
            seen.insert(text(value));
            ++count;
        }
    }
    QCOMPARE(seen.size(), count);

    QSet<QString> people;
    int names = 0;
    for (const SignProfile &p : kSignProfiles)
        for (const QString &person : text(p.famousPersonalities).split(QStringLiteral(", "))) {
            people.insert(person);
            ++names;
        }
    QCOMPARE(people.size(), names);
}

void TestZodiacContent::constitutionProfiles_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("element");
    const char *elements[4] = {"Fire", "Earth", "Air", "Water"};
    for (int i = 0; i < 4; ++i)
        QTest::addRow("%s", elements[i]) << i << elements[i];
}

void TestZodiacContent::constitutionProfiles()
{
    QFETCH(int, index);
    QFETCH(QString, element);
    const ConstitutionProfile &c = kConstitutionProfiles[index];
    QCOMPARE(text(c.element), element);
    QCOMPARE(ConstitutionProfileOf(element), &c);
    struct Prose { const char *field; const char *value; int min; int max; };
    const Prose prose[] = {
        {"description", c.description, 220, 350},
        {"excess description", c.excessDescription, 165, 315},
        {"low description", c.lowDescription, 185, 330},
    };
    for (const Prose &field : prose) {
        QVERIFY2(displayTextProblem(field.value, false).isEmpty(), field.field);
        const int length = int(qstrlen(field.value));
        QVERIFY2(length >= field.min && length <= field.max,
                 qPrintable(QStringLiteral("%1: %2 characters").arg(QLatin1String(field.field)).arg(length)));
    }
    // The item lists are one sentence each.
    for (const char *value : {c.excessItemsToTake, c.excessItemsToAvoid, c.excessRemedy,
                              c.lowItemsToTake, c.lowItemsToAvoid, c.lowRemedy}) {
        QVERIFY2(displayTextProblem(value, false).isEmpty(), value);
        const QString sentence = text(value);
        QVERIFY2(sentence.endsWith(u'.') && sentence.count(QLatin1String(". ")) == 0, value);
    }
    // Every sign of this element uses this record.
    int signs = 0;
    for (const SignProfile &p : kSignProfiles)
        if (text(p.element) == element)
            ++signs;
    QCOMPARE(signs, 3);
}

void TestZodiacContent::asanaRecords_data()
{
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("englishName");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<int>("steps");
    QTest::addColumn<int>("benefits"); // 0: one paragraph
    int r = 0;
    const auto row = [&](const char *title, const char *key, const char *english, const char *picture,
                         const char *heading, int steps, int benefits) {
        QTest::addRow("%d-%s", r + 1, title) << r << title << key << english << picture << heading
                                             << steps << benefits;
        ++r;
    };
    row("Sarvangasana", "Sarvaangaasanaa", "Shoulder Stand Pose", "19 Sarvangasana", "Sarvaangaasanaa :-", 4, 4);
    row("Makarasana", "Makaraasanaa", "Crocodile Pose", "10 Makarasana", "Makaraasanaa :-", 5, 3);
    row("Savasana", "Savaasanaa", "Corpse Pose", "21 Shavasana", "Savaasanaa :-", 4, 5);
    row("Halasana", "Haalaasanaa", "Plough Posture", "08 Halasana", "Haalaasanaa :-", 5, 3);
    row("Padmasana", "Padmaasanaa", "Lotus Pose", "15 Padmasana", "Padmaasanaa :-", 6, 0);
    row("Dhanurasana", "Dhanuraasanaa", "Bow Pose", "05 Dhanurasana", "Dhanuraasanaa :-", 8, 4);
    row("Bhujangasana", "Bhujangaasanaa", "Half- Cobra Pose", "04 Bhujangasana", "Bhujangaasanaa :-", 6, 0);
    row("Paschimottasana", "Paschimottaasanaa", "Forward Bend Pose", "17 Paschimottanasana", "Paschimottaasanaa :-", 7, 4);
    row("Yoga Mudra", "YogaMudraa", "Scaling Pose", "32 Yoga Mudra", "Yoga Mudra :-", 6, 5);
    row("Naukasana", "Naukaasanaa", "Boat Pose", "14 Noukasana", "Naukaasanaa :-", 6, 3);
    row("Mayurasana", "Mayuraasanaa", "Feathered Peacock Pose", "13 Mayurasana", "Mayuraasanaa :-", 6, 5);
    row("Vajrasana", "Vajraasanaa", "Thunderbolt Pose", "29 Vajrasana", "Vajraasanaa :-", 5, 0);
    row("Simhasana", "Simhaasanaa", "Lion Pose", "23 Simhasana", "Simhaasanaa :-", 6, 3);
    row("Garudasana", "Garudaasanaa", "Eagle Pose", "06 Garudasana", "Garudaasanaa :-", 6, 0);
}

void TestZodiacContent::asanaRecords()
{
    QFETCH(int, record);
    QFETCH(QString, title);
    QFETCH(QString, key);
    QFETCH(QString, englishName);
    QFETCH(QString, picture);
    QFETCH(QString, heading);
    QFETCH(int, steps);
    QFETCH(int, benefits);
    const AsanaEntry &a = kAsanas[record];
    QCOMPARE(text(a.title), title);
    QCOMPARE(text(a.key), key);
    QCOMPARE(text(a.text.englishName), englishName);
    QCOMPARE(text(a.picture), picture);
    QCOMPARE(text(a.reportHeading), heading);

    QString problem;
    QVERIFY2(displayTextProblem(a.text.procedure, true).isEmpty(), "procedure");
    QCOMPARE(numberedLines(text(a.text.procedure), &problem), steps);
    QVERIFY2(displayTextProblem(a.text.benefits, true).isEmpty(), "benefits");
    if (benefits > 0) {
        QCOMPARE(numberedLines(text(a.text.benefits), &problem), benefits);
    } else {
        const QString paragraph = text(a.text.benefits);
        QVERIFY2(!paragraph.contains(u'\r') && !paragraph.contains(u'\n'), "benefits paragraph has a line break");
        QVERIFY2(!paragraph.startsWith(QLatin1String("1. ")), "benefits paragraph is numbered");
        QVERIFY(paragraph.size() >= 100);
    }
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    for (const char *paragraph : {a.text.definition, a.text.contraindications}) {
        const QString why = displayTextProblem(paragraph, false);
        QVERIFY2(why.isEmpty(), qPrintable(why));
        QVERIFY(qstrlen(paragraph) >= 100);
    }
    // The definition explains the Sanskrit name.
    QVERIFY(text(a.text.definition).contains(title.section(u' ', 0, 0)));
}

void TestZodiacContent::asanaRecordsLoad()
{
    LoadAsanaRecords();
    LoadAsanaRecords(); // a second load rewrites the same texts
    QCOMPARE(int(AsanaRecords().size()), 14);
    for (int r = 0; r < 14; ++r) {
        const AsanaText &t = kAsanas[r].text;
        QCOMPARE(AsanaRecords()[r].fields,
                 (std::array<QString, 5>{text(t.englishName), text(t.definition), text(t.procedure),
                                         text(t.benefits), text(t.contraindications)}));
        QCOMPARE(Yogasana::Title(r), text(kAsanas[r].title));
    }
}

void TestZodiacContent::asanaIntroduction()
{
    QSet<QString> distinct;
    for (const char *paragraph : kAsanaIntroduction) {
        const QString why = displayTextProblem(paragraph, false);
        QVERIFY2(why.isEmpty(), qPrintable(why));
        QVERIFY(qstrlen(paragraph) >= 150);
        distinct.insert(text(paragraph));
    }
    QCOMPARE(distinct.size(), 4);
}

void TestZodiacContent::signPictures_data()
{
    QTest::addColumn<int>("number");
    for (int n = 1; n <= 12; ++n)
        QTest::addRow("%s", kSignProfiles[n - 1].name) << n;
}

void TestZodiacContent::signPictures()
{
    QFETCH(int, number);
    const QString path = SunSigns::PicturePath(number);
    QVERIFY2(path.startsWith(QLatin1String(":/zodiac/signs/")), qPrintable(path));
    QVERIFY2(path.contains(SunSigns::Name(SunSign(number))), qPrintable(path));
    QVERIFY2(QFile::exists(path), qPrintable(path + QStringLiteral(" is not in the resources")));
    QSvgRenderer picture(path);
    QVERIFY2(picture.isValid(), qPrintable(path));
    QVERIFY(!picture.defaultSize().isEmpty());
}

void TestZodiacContent::asanaPictures_data()
{
    QTest::addColumn<int>("record");
    for (int r = 0; r < 14; ++r)
        QTest::addRow("%s", kAsanas[r].title) << r;
}

void TestZodiacContent::asanaPictures()
{
    QFETCH(int, record);
    const QString path = Yogasana::PicturePath(record);
    QCOMPARE(path, QStringLiteral(":/asanas/") + text(kAsanas[record].picture) + QStringLiteral(".svg"));
    QVERIFY2(QFile::exists(path), qPrintable(path + QStringLiteral(" is not in the resources")));
    QSvgRenderer picture(path);
    QVERIFY2(picture.isValid(), qPrintable(path));
    QVERIFY(!picture.defaultSize().isEmpty());
}

QTEST_GUILESS_MAIN(TestZodiacContent)
#include "tst_zodiac_content.moc"
