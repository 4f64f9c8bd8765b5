// Zodiac Yoga without windows: the sun-sign cusps, the reading file's lines,
// and the constant reading matter with its pictures.

#include "zodiac_yoga/ZodiacContent.h"
#include "zodiac_yoga/modReadingFile.h"
#include "zodiac_yoga/modSunSignYoga.h"
#include "zodiac_yoga/modYogasana.h"

#include <QSvgRenderer>
#include <QtTest>

using namespace ZodiacContent;

namespace {

QString text(const char *value) { return QString::fromLatin1(value); }

// The number of lines "1. ...", "2. ..." joined by CR LF (none after the last), or -1.
int numberedLines(const char *value)
{
    const QStringList lines = text(value).split(QStringLiteral("\r\n"));
    for (int i = 0; i < lines.size(); ++i) {
        const QString prefix = QString::number(i + 1) + QStringLiteral(". ");
        if (!lines[i].startsWith(prefix) || lines[i].size() < prefix.size() + 10 ||
            lines[i].contains(u'\r') || lines[i].contains(u'\n'))
            return -1;
    }
    return int(lines.size());
}

} // namespace

class TestZodiacLogic : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void cusps();
    void readingFileKeepsFourLines();
    void signTables();
    void proseLengths();
    void asanaTextForms();
    void picturesInResources();
};

// Per month: the cusp day still gives the earlier sign, the next day the later one; the
// month's first and last days lie either side.
void TestZodiacLogic::cusps()
{
    const struct { const char *month; int cusp; const char *before, *after; } cusps[12] = {
        {"January", 19, "Capricorn", "Aquarius"}, {"February", 18, "Aquarius", "Pisces"},
        {"March", 20, "Pisces", "Aries"},         {"April", 20, "Aries", "Taurus"},
        {"May", 20, "Taurus", "Gemini"},          {"June", 20, "Gemini", "Cancer"},
        {"July", 20, "Cancer", "Leo"},            {"August", 20, "Leo", "Virgo"},
        {"September", 20, "Virgo", "Libra"},      {"October", 20, "Libra", "Scorpio"},
        {"November", 20, "Scorpio", "Sagittarius"}, {"December", 20, "Sagittarius", "Capricorn"}};
    for (const auto &c : cusps) {
        const QString month = QLatin1String(c.month);
        const QStringList signs = {FindSunSign(month, 1), FindSunSign(month, c.cusp),
                                   FindSunSign(month, c.cusp + 1), FindSunSign(month, 31)};
        QVERIFY2(signs == QStringList({c.before, c.before, c.after, c.after}),
                 qPrintable(month + u": " + signs.join(u' ')));
    }
}

// Control characters (from a damaged file) and characters the encoding cannot hold
// must not add or shift lines.
void TestZodiacLogic::readingFileKeepsFourLines()
{
    const QString name = QStringLiteral("AB\u00FF\r\nC\tD\u03A9");
    const QByteArray bytes = ReadingFile::Compose({name, "2", "May", "2000"});
    QCOMPARE(bytes.count("\r\n"), 4);
    const ReadingFile::Lines back = ReadingFile::Parse(bytes);
    QCOMPARE(QStringList({back.name, back.day, back.month, back.year}),
             QStringList({"ABCD", "2", "May", "2000"}));
}

// Spot values of the sign facts (element to body parts) and fitness traits (athletic to variety).
void TestZodiacLogic::signTables()
{
    const QList<QPair<int, QStringList>> rows = {
        {0, {"Fire", "9", "Red", "Tuesday", "Leo and Sagittarius", "Diamond", "Cardinal",
             "Head, Face", "Highly Athletic", "Low Endurance", "Medium Flexibility", "Zero Focus",
             "Highly Motivated", "No Routine", "Zero Team-Work", "Needs variety"}},
        {11, {"Water", "2 and 6", "Sea green", "Friday", "Taurus and Virgo", "Aquamarine",
              "Mutable", "Feet", "Low Athletic Ability", "Low Endurance", "High Flexibility",
              "Zero Focus", "Moderately Motivated", "No Routine", "Good Team-Work",
              "Needs variety"}}};
    for (const auto &[index, values] : rows) {
        const SignProfile &p = kSignProfiles[index];
        QCOMPARE(text(p.name), SunSigns::Name(SunSign(index + 1)));
        QStringList shown;
        for (const char *value : {p.element, p.luckyNumber, p.luckyColour, p.luckyDay,
                                  p.compatibility, p.birthstone, p.quality, p.bodyPartsRuled,
                                  p.athletic, p.endurance, p.flexibility, p.focus, p.motivation,
                                  p.routine, p.teamWork, p.variety})
            shown << text(value);
        QCOMPARE(shown, values);
    }
}

// Every sign's and every element's prose lies within its length range; 5 to 7 personalities.
void TestZodiacLogic::proseLengths()
{
    const auto check = [](const char *owner, int field, const char *value, int min, int max) {
        const int length = int(qstrlen(value));
        QVERIFY2(length >= min && length <= max,
                 qPrintable(QStringLiteral("%1 text %2: %3").arg(owner).arg(field).arg(length)));
    };
    for (const SignProfile &p : kSignProfiles) {
        check(p.name, 1, p.positiveTraits, 500, 900);
        check(p.name, 2, p.negativeTraits, 330, 660);
        check(p.name, 3, p.healthProblems, 170, 500);
        check(p.name, 4, p.requiredDiet, 270, 530);
        check(p.name, 5, p.dietToAvoid, 35, 190);
        check(p.name, 6, p.dietAdvice, 70, 150);
        check(p.name, 7, p.fitnessAdvice, 350, 560);
        const QStringList people = text(p.famousPersonalities).split(QStringLiteral(", "));
        QVERIFY2(people.size() >= 5 && people.size() <= 7 && !people.contains(QString()), p.name);
    }
    for (const ConstitutionProfile &c : kConstitutionProfiles) {
        QCOMPARE(ConstitutionProfileOf(text(c.element)), &c);
        check(c.element, 1, c.description, 220, 350);
        check(c.element, 2, c.excessDescription, 165, 315);
        check(c.element, 3, c.lowDescription, 185, 330);
    }
}

// Procedures are numbered steps; benefits are numbered steps or one paragraph (0 below).
void TestZodiacLogic::asanaTextForms()
{
    const int forms[14][2] = {{4, 4}, {5, 3}, {4, 5}, {5, 3}, {6, 0}, {8, 4}, {6, 0},
                              {7, 4}, {6, 5}, {6, 3}, {6, 5}, {5, 0}, {6, 3}, {6, 0}};
    for (int r = 0; r < Yogasana::Count; ++r) {
        const auto &f = AsanaRecords()[r].fields;
        const QByteArray procedure = f[2].toLatin1(), benefitsBytes = f[3].toLatin1();
        QVERIFY2(numberedLines(procedure.constData()) == forms[r][0], kAsanas[r].title);
        const QString &benefits = f[3];
        if (forms[r][1] > 0)
            QVERIFY2(numberedLines(benefitsBytes.constData()) == forms[r][1], kAsanas[r].title);
        else
            QVERIFY2(benefits.size() >= 100 && !benefits.contains(u'\n') &&
                         !benefits.startsWith(QLatin1String("1. ")),
                     kAsanas[r].title);
        // Every asana, the three the catalogue gives no contraindications for
        // included, shows a one-paragraph contraindication.
        for (int field : {0, 1, 4})
            QVERIFY2(!f[field].isEmpty() && !f[field].contains(u'\n'), kAsanas[r].title);
    }
}

void TestZodiacLogic::picturesInResources()
{
    QStringList paths;
    for (int n = 1; n <= 12; ++n) {
        paths << SunSigns::PicturePath(n);
        QVERIFY2(paths.last().contains(SunSigns::Name(SunSign(n))), qPrintable(paths.last()));
    }
    for (int record = 0; record < Yogasana::Count; ++record)
        paths << Yogasana::PicturePath(record);
    for (const QString &path : paths) {
        QSvgRenderer picture(path);
        QVERIFY2(QFile::exists(path) && picture.isValid() && !picture.defaultSize().isEmpty(),
                 qPrintable(path));
    }
}

QTEST_GUILESS_MAIN(TestZodiacLogic)
#include "tst_zodiac_logic.moc"
