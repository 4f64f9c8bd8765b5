// Learn Yoga without windows: the lesson menu's accordion, the display's
// sizing rules, the page layouts, the asana catalogue and its two indexes.
#include "learn_yoga/LessonContent.h"
#include "learn_yoga/modLearnYogasana.h"
#include "learn_yoga/modLessonMenu.h"
#include "learn_yoga/modLessonPages.h"

#include <QFile>
#include <QRegularExpression>
#include <QTest>

using namespace LearnYoga;
using LearnYogaContent::kLessons;

Q_DECLARE_METATYPE(LearnYoga::StripSizes)

namespace LearnYoga {
// How a run shows in a failed comparison.
char *toString(const Run &run)
{
    const QString text = QStringLiteral("[%1%2 colour %3 size %4 %5] \"%6\"")
                             .arg(run.bold ? "bold" : "regular", run.underline ? " underlined" : "")
                             .arg(run.colour)
                             .arg(run.size)
                             .arg(run.alignment == RTB::Alignment::Centre ? "centred" : "left")
                             .arg(QString(run.text).replace("\r\n", "|"));
    return qstrdup(text.toUtf8().constData());
}
} // namespace LearnYoga

namespace {

const LearnYogaContent::Page &lesson(const char *button)
{
    for (const LearnYogaContent::Page &page : kLessons)
        if (qstrcmp(page.button, button) == 0)
            return page;
    qFatal("no lesson %s", button);
}

QString joined(std::initializer_list<const char *> blocks)
{
    QStringList texts;
    for (const char *block : blocks)
        texts.append(QString::fromLatin1(block));
    return texts.join(QStringLiteral("\r\n\r\n"));
}

// A run of a page: all pages are in 14 point.
Run run(const QString &text, bool bold, bool underline, int colour,
        RTB::Alignment alignment = RTB::Alignment::Left)
{
    return Run{text, bold, underline, colour, 14, alignment};
}

Run title(const char *text)
{
    return run(QString::fromLatin1(text) + "\r\n\r\n", true, false, 5, RTB::Alignment::Centre);
}

// 'p' paragraph, '*' bulleted item, '#' numbered item or step.
QString kinds(std::initializer_list<const char *> blocks)
{
    static const QRegularExpression numbered(QStringLiteral("^\\d+\\. "));
    QString out;
    for (const char *block : blocks) {
        const QString text = QString::fromLatin1(block);
        out += text.startsWith(QLatin1String("* ")) ? u'*' : numbered.match(text).hasMatch() ? u'#' : u'p';
    }
    return out;
}

void compareRuns(const std::vector<Run> &actual, const std::vector<Run> &expected)
{
    for (std::size_t i = 0; i < qMin(actual.size(), expected.size()); ++i)
        QCOMPARE(actual[i], expected[i]);
    QCOMPARE(actual.size(), expected.size());
}

StripSizes sizesAt(QSize screen, QSize main, QSize area)
{
    StripSizes s;
    s.screen = screen;
    s.mainWindow = main;
    s.picLeftWidth = 270;
    s.picTopMainHeight = 30;
    s.picTopHeight = 64;
    s.picTop1Height = 262;
    s.documentArea = area;
    return s;
}

} // namespace

class TestLearnYogaLogic : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void accordion_data();
    void accordion();
    void displaySize_data();
    void displaySize();
    void lessonTable_data();
    void lessonTable();
    void plainAndIntroductionPages();
    void sectionedPage();
    void emphasisedPages();
    void asanaPages();
    void catalogue();
    void indexes_data();
    void indexes();
    void indexTablesAreSound();
};

void TestLearnYogaLogic::accordion_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<int>("open"); // 0: none
    QTest::addColumn<QList<int>>("tops");
    QTest::addColumn<QList<int>>("panels");
    QTest::addColumn<int>("panelTop");
    const QList<int> collapsed = {0, 375, 750, 1125, 1500, 1875, 2250};
    QTest::addRow("at start") << QList<int>{} << 0 << collapsed << QList<int>{} << 0;
    QTest::addRow("meditation opens") << QList<int>{5} << 5
                                      << QList<int>{0, 375, 750, 1125, 1500, 3750, 4125} << QList<int>{5} << 1875;
    QTest::addRow("meditation closes") << QList<int>{5, 5} << 0 << collapsed << QList<int>{} << 0;
    QTest::addRow("pranayam after meditation") << QList<int>{5, 6} << 6
                                               << QList<int>{0, 375, 750, 1125, 1500, 1875, 4500} << QList<int>{6}
                                               << 2250;
    QTest::addRow("information") << QList<int>{1} << 1 << QList<int>{0, 2625, 3000, 3375, 3750, 4125, 4500}
                                 << QList<int>{1} << 375;
    QTest::addRow("by body part") << QList<int>{3} << 3 << collapsed << QList<int>{3} << 0;
    QTest::addRow("by body part again keeps its panel") << QList<int>{3, 3} << 0 << collapsed << QList<int>{3} << 0;
    QTest::addRow("browsing after browsing") << QList<int>{2, 4} << 4 << collapsed << QList<int>{4} << 0;
    QTest::addRow("lesson after browsing") << QList<int>{1, 3, 5} << 5
                                           << QList<int>{0, 375, 750, 1125, 1500, 3750, 4125} << QList<int>{5} << 1875;
    QTest::addRow("no such section") << QList<int>{5, 0, 8} << 5
                                     << QList<int>{0, 375, 750, 1125, 1500, 3750, 4125} << QList<int>{5} << 1875;
}

void TestLearnYogaLogic::accordion()
{
    QFETCH(QList<int>, clicks);
    QFETCH(int, open);
    QFETCH(QList<int>, tops);
    QFETCH(QList<int>, panels);
    QFETCH(int, panelTop);
    LessonMenu menu;
    for (int section : clicks)
        menu.Click(section);
    QList<int> seenTops, seenPanels;
    for (int s = 1; s <= SectionCount; ++s) {
        QCOMPARE(menu.IsOpen(s), s == open);
        seenTops << menu.ButtonTop(s);
        if (menu.PanelVisible(s))
            seenPanels << s;
    }
    QCOMPARE(seenTops, tops);
    QCOMPARE(seenPanels, panels);
    if (open && !IsBrowsingSection(open))
        QCOMPARE(menu.PanelTop(open), panelTop);
}

void TestLearnYogaLogic::displaySize_data()
{
    QTest::addColumn<StripSizes>("sizes");
    QTest::addColumn<int>("sizing");
    QTest::addColumn<QSize>("expected");
    const QSize wide(1366, 768), narrow(1024, 768);
    // Maximised main windows: every rule fits the document area.
    QTest::addRow("1366 opening") << sizesAt(wide, wide, {1096, 606}) << int(Sizing::Opening) << QSize(1096, 309);
    QTest::addRow("1366 lesson") << sizesAt(wide, wide, {1096, 606}) << int(Sizing::LessonSection) << QSize(1096, 541);
    QTest::addRow("1366 browsing") << sizesAt(wide, wide, {1096, 344}) << int(Sizing::BrowsingSection)
                                   << QSize(1096, 279);
    // Beyond the visible area (a main window smaller than the screen, or a
    // window manager's frame and panel): kept within the area.
    QTest::addRow("small main window") << sizesAt(wide, {1024, 700}, {754, 280}) << int(Sizing::BrowsingSection)
                                       << QSize(754, 211);
    QTest::addRow("taller than the area") << sizesAt(narrow, narrow, {754, 250}) << int(Sizing::Opening)
                                          << QSize(754, 250);
    // A rule that gives almost nothing (or less) still leaves a readable view.
    QTest::addRow("negative height") << sizesAt({1024, 400}, {1024, 400}, {754, 300}) << int(Sizing::BrowsingSection)
                                     << QSize(754, 120);
}

void TestLearnYogaLogic::displaySize()
{
    QFETCH(StripSizes, sizes);
    QFETCH(int, sizing);
    QFETCH(QSize, expected);
    QCOMPARE(DisplaySize(sizes, Sizing(sizing)), expected);
}

// The 21 lessons: titles, layouts and block counts, with the items' own markers.
void TestLearnYogaLogic::lessonTable_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("emphasis");
    QTest::addColumn<QString>("intro");         // kinds of the intro blocks
    QTest::addColumn<QStringList>("sections");  // "heading|breaks|kinds"
    QTest::addColumn<bool>("endsWithBreak");
    const auto row = [](const char *button, const char *title, bool emphasis, const char *intro,
                        QStringList sections = {}, bool endBreak = false) {
        QTest::addRow("%s", button) << QString::fromLatin1(title) << emphasis << QString::fromLatin1(intro)
                                    << sections << endBreak;
    };
    row("Command11", "What Is Yoga ?", false, "pppp");
    row("Command12", "Paths Of Yoga", false, "p",
        {"Karma Yoga - The Yoga of action|1|p", "Bhakti Yoga - the Path of Devotion or Divine Love|1|p",
         "Jnana Yoga - the Yoga of Knowledge or Wisdom|1|p",
         "Raja Yoga - the Science of Physical and Mental Control|1|p"});
    row("Command13", "Who Can Practice Yoga ?", false, "pppp");
    row("Command14", "Benefits Of Yoga", true, "",
        {"Physical Benefits:|2|" + QString(13, u'*'), "Psychological Benefits:|2|******",
         "Spiritual Benefits:|2|****"});
    row("Command15", "Tips To Practice Yoga", false, "**********");
    row("Command16", "What Are Yogasanas ?", false, "p");
    row("Command51", "What Is Meditation ?", false, "pp");
    row("Command52", "Why Should We Meditate ?", false, "p####");
    row("Command53", "Importance Of Meditation", false, "pp######");
    row("Command54", "Techniques To Control Our Mind", true, "",
        {"1. Sense Organs:|1|p", "2. Breathing: |1|p", "3. Body Movements: |1|p"});
    row("Command55", "Techniques To Meditation", true, "#########");
    row("Command61", "What Is Pranayam ?", false, "ppp");
    row("Command62", "Importance && Benefits Of Pranayam", true, "**********");
    row("Command63", "Nadi Shodan Prnayam", false, "p", {"Procedure|1|######", "Benefits|1|###", "Cautions|1|###"});
    row("Command64", "Bhastrika Pranayam", false, "p", {"Procedure|1|#####", "Benefits|1|###", "Caution|1|###"}, true);
    row("Command65", "Bhramari Pranayam", false, "p", {"Procedure|1|#####", "Benefits|1|####", "Caution|1|#"});
    row("Command66", "Kapalbhati Pranayam", false, "p", {"Procedure|1|#####", "Benefits|1|##"});
    row("Command71", "What Is Surya Namaskar ?", false, "pp");
    row("Command72", "How To Practice Surya Namaskar ?", false, "############");
    row("Command73", "Benefits Of Surya Namaskar", false, "#####");
    row("Command74", "People Who Should Not Practice", false, "p#####");
}

void TestLearnYogaLogic::lessonTable()
{
    QFETCH(QString, title);
    QFETCH(bool, emphasis);
    QFETCH(QString, intro);
    QFETCH(QStringList, sections);
    QFETCH(bool, endsWithBreak);
    const QByteArray button = QTest::currentDataTag();
    const LearnYogaContent::Page &page = lesson(button.constData());
    QCOMPARE(QString::fromLatin1(page.title), title);
    QCOMPARE(page.emphasis != nullptr, emphasis);
    QCOMPARE(kinds(page.intro), intro);
    QStringList seen;
    for (const LearnYogaContent::Section &section : page.sections)
        seen << QStringLiteral("%1|%2|%3").arg(QString::fromLatin1(section.heading)).arg(section.breaksAfterHeading)
                    .arg(kinds(section.blocks));
    QCOMPARE(seen, sections);
    QCOMPARE(page.endsWithBreak, endsWithBreak);
    // Numbered blocks count from 1 in each list; no block holds a line break; plain ASCII.
    const auto check = [](std::initializer_list<const char *> blocks) {
        int number = 0;
        for (const char *block : blocks) {
            const QByteArray text(block);
            QVERIFY2(!text.isEmpty() && !text.contains('\r') && !text.contains('\n'), block);
            for (char c : text)
                QVERIFY2(c >= 32 && c < 127, block);
            if (text.at(0) >= '1' && text.at(0) <= '9' && text.contains(". "))
                QVERIFY2(text.startsWith(QByteArray(QByteArray::number(++number) + ". ")), block);
        }
    };
    check(page.intro);
    for (const LearnYogaContent::Section &section : page.sections)
        check(section.blocks);
}

void TestLearnYogaLogic::plainAndIntroductionPages()
{
    const LearnYogaContent::Page &page = lesson("Command11");
    const PageScript script = LessonPage(page, true);
    QCOMPARE(script.Steps().front().kind, WriterStep::Kind::Empty);
    const std::vector<Run> expected = {title("What Is Yoga ?"), run(joined(page.intro), false, false, 0)};
    compareRuns(RunsOf(script), expected);

    // The introduction goes into a fresh window: nothing is emptied.
    const PageScript intro = LessonPage(LearnYogaContent::kIntroduction, false);
    for (const WriterStep &step : intro.Steps())
        QVERIFY(step.kind != WriterStep::Kind::Empty);
    const std::vector<Run> introRuns = {title("Introduction"),
                                        run(joined(LearnYogaContent::kIntroduction.intro), false, false, 0)};
    compareRuns(RunsOf(intro), introRuns);
    QCOMPARE(LearnYogaContent::kIntroduction.intro.size(), std::size_t(3));
}

// Headings bold magenta on their own line; the blocks under them stay magenta.
void TestLearnYogaLogic::sectionedPage()
{
    const LearnYogaContent::Page &page = lesson("Command63");
    const auto *s = page.sections.begin();
    const std::vector<Run> expected = {
        title("Nadi Shodan Prnayam"),
        run(joined(page.intro) + "\r\n\r\n", false, false, 0),
        run(QStringLiteral("Procedure\r\n"), true, false, 5),
        run(joined(s[0].blocks) + "\r\n\r\n", false, false, 5),
        run(QStringLiteral("Benefits\r\n"), true, false, 5),
        run(joined(s[1].blocks) + "\r\n\r\n", false, false, 5),
        run(QStringLiteral("Cautions\r\n"), true, false, 5),
        run(joined(s[2].blocks), false, false, 5)};
    compareRuns(RunsOf(LessonPage(page, true)), expected);
    // Bhastrika ends with one line break.
    const std::vector<Run> bhastrika = RunsOf(LessonPage(lesson("Command64"), true));
    QVERIFY(bhastrika.back().text.endsWith(QLatin1String(".\r\n")));
}

void TestLearnYogaLogic::emphasisedPages()
{
    // Pranayam: a bold, underlined green paragraph, then the items in regular green.
    const LearnYogaContent::Page &pranayam = lesson("Command62");
    const std::vector<Run> pranayamRuns = {
        title("Importance && Benefits Of Pranayam"),
        run(QString::fromLatin1(pranayam.emphasis) + "\r\n\r\n", true, true, 2),
        run(joined(pranayam.intro), false, false, 2)};
    compareRuns(RunsOf(LessonPage(pranayam, true)), pranayamRuns);

    // Benefits of yoga: the emphasised line, then headings that turn the text magenta.
    const LearnYogaContent::Page &benefits = lesson("Command14");
    const auto *s = benefits.sections.begin();
    const std::vector<Run> benefitRuns = {
        title("Benefits Of Yoga"),
        run(QStringLiteral("Benefits of Yoga:\r\n\r\n"), true, true, 2),
        run(QStringLiteral("Physical Benefits:\r\n\r\n"), true, false, 5),
        run(joined(s[0].blocks) + "\r\n\r\n", false, false, 5),
        run(QStringLiteral("Psychological Benefits:\r\n\r\n"), true, false, 5),
        run(joined(s[1].blocks) + "\r\n\r\n", false, false, 5),
        run(QStringLiteral("Spiritual Benefits:\r\n\r\n"), true, false, 5),
        run(joined(s[2].blocks), false, false, 5)};
    compareRuns(RunsOf(LessonPage(benefits, true)), benefitRuns);

    // Techniques: one line break after each heading, trailing blanks kept.
    const std::vector<Run> mind = RunsOf(LessonPage(lesson("Command54"), true));
    QCOMPARE(mind.size(), std::size_t(8));
    QCOMPARE(mind[6], run(QStringLiteral("3. Body Movements: \r\n"), true, false, 5));
}

void TestLearnYogaLogic::asanaPages()
{
    YogasanaCatalogue records;
    LoadYogasanaCatalogue(records);
    const YogasanaRecord &anjali = records[0];
    const std::vector<Run> expected = {
        run(QStringLiteral("Anjali Mudra\r\n\r\n"), true, false, 5, RTB::Alignment::Centre),
        run(QStringLiteral("Description: \r\n"), true, false, 5),
        run(anjali.AsanaDescription + "\r\n\r\n", false, false, 0),
        run(QStringLiteral("English Name: "), true, false, 5),
        run(QStringLiteral("Salutation Seal\r\n\r\n"), false, false, 0),
        run(QStringLiteral("Procedure: \r\n"), true, false, 5),
        run(anjali.AsanaProcedure + "\r\n\r\n", false, false, 0),
        run(QStringLiteral("Benefits: \r\n"), true, false, 5),
        run(anjali.AsanaBenefits + "\r\n\r\n", false, false, 0),
        // The two contradiction items end the page, bold magenta like their heading.
        run("Contradictions: \r\n" + anjali.AsanaContradictions, true, false, 5)};
    compareRuns(RunsOf(YogasanaPage(anjali)), expected);
    QCOMPARE(anjali.AsanaContradictions.count(QStringLiteral("\r\n")), 1);

    const std::vector<Run> bow = RunsOf(YogasanaPage(records[4]));
    QCOMPARE(bow.size(), std::size_t(9));
    QCOMPARE(bow.back(), run(records[4].AsanaBenefits + "\r\n\r\n", false, false, 0));
    for (const Run &r : bow)
        QVERIFY(!r.text.contains(QLatin1String("Contradictions")));

    const std::vector<Run> cobra = RunsOf(YogasanaPage(records[3]));
    QCOMPARE(cobra[3].text + cobra[4].text, QStringLiteral("English Name: Half- Cobra Pose\r\n\r\n"));
}

// The 32 records in catalogue order, each with its picture; eight have no contradictions.
void TestLearnYogaLogic::catalogue()
{
    YogasanaCatalogue records;
    LoadYogasanaCatalogue(records);
    const QList<int> withoutContradictions = {2, 4, 6, 26, 28, 29, 30, 31};
    for (int i = 0; i < YogasanaCount; ++i) {
        const YogasanaRecord &r = records[std::size_t(i)];
        QCOMPARE(FindYogasana(records, r.AsanaName), i);
        QVERIFY(r.AsanaProcedure.startsWith(QLatin1String("1. ")) && !r.AsanaBenefits.isEmpty());
        QCOMPARE(r.AsanaContradictions.isEmpty(), withoutContradictions.contains(i));
        const QString picture = YogasanaPicturePath(i);
        QVERIFY2(picture.startsWith(QStringLiteral(":/asanas/%1 ").arg(i + 1, 2, 10, QLatin1Char('0'))) &&
                     QFile::exists(picture),
                 qPrintable(picture));
    }
    QCOMPARE(AsanaNames(records, {0, 3, 16, 31}),
             QStringList({"Anjali Mudra", "Bhujangasana", "Paschimottanasana", "Yoga Mudra"}));
    QCOMPARE(FindYogasana(records, QStringLiteral("dhanurasana")), -1);
    QCOMPARE(FindYogasana(records, QStringLiteral(" Dhanurasana")), -1);
}

void TestLearnYogaLogic::indexes_data()
{
    QTest::addColumn<bool>("bodyPart");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QStringList>("asanas");
    QTest::addRow("Live") << true << "Live"
                          << QStringList{"Ardhamatsyendrasana", "Bhujangasana", "Paschimottanasana", "Uttanasana"};
    QTest::addRow("Arms") << true << "Arms" << QStringList{"Anjali Mudra"};
    const QStringList thyroid = {"Matsyasana", "Pavanamuktasana", "Sarvangasana"};
    QTest::addRow("Hyperthyroidism") << false << "Hyperthyroidism" << thyroid;
    QTest::addRow("Hypothyroidism") << false << "Hypothyroidism" << thyroid;
    QTest::addRow("Carpal Tunnel Syndrome") << false << "Carpal Tunnel Syndrome" << QStringList{"Anjali Mudra"};
    QTest::addRow("other case") << true << "live" << QStringList{};
    QTest::addRow("other list") << false << "Live" << QStringList{};
}

void TestLearnYogaLogic::indexes()
{
    QFETCH(bool, bodyPart);
    QFETCH(QString, entry);
    QFETCH(QStringList, asanas);
    YogasanaCatalogue records;
    LoadYogasanaCatalogue(records);
    QCOMPARE(AsanaNames(records, bodyPart ? AsanasForBodyPart(entry) : AsanasForApplication(entry)), asanas);
}

// List order and counts as the drop-down lists show them; every list in catalogue order.
void TestLearnYogaLogic::indexTablesAreSound()
{
    const QStringList parts = BodyPartNames();
    const QStringList applications = ApplicationNames();
    QCOMPARE(parts.size(), 36);
    QCOMPARE(applications.size(), 31);
    QCOMPARE(parts.first(), QStringLiteral("Abdomen"));
    QCOMPARE(parts.last(), QStringLiteral("Wrists"));
    QCOMPARE(applications.mid(0, 4), QStringList({"Anxiety", "Asthma", "Arthritis", "Back Pain"}));
    QCOMPARE(applications.last(), QStringLiteral("Varicose Veins"));
    const QList<int> partCounts = {10, 9, 3, 1, 1, 4, 3, 5, 7, 5, 3, 2, 4, 2, 3, 6, 4, 1,
                                   4, 6, 3, 4, 4, 2, 5, 1, 2, 2, 1, 10, 9, 10, 2, 5, 2, 2};
    const QList<int> applicationCounts = {10, 13, 6, 11, 1, 6, 5, 11, 3, 6, 5, 5, 3, 3, 4, 7,
                                          3, 3, 8, 5, 2, 1, 8, 2, 4, 1, 6, 9, 7, 5, 5};
    for (bool body : {true, false}) {
        const QStringList &labels = body ? parts : applications;
        const QList<int> &counts = body ? partCounts : applicationCounts;
        QCOMPARE(QSet<QString>(labels.begin(), labels.end()).size(), labels.size());
        for (qsizetype i = 0; i < labels.size(); ++i) {
            const std::vector<int> numbers =
                body ? AsanasForBodyPart(labels.at(i)) : AsanasForApplication(labels.at(i));
            QCOMPARE(int(numbers.size()), counts.at(i));
            QVERIFY2(std::is_sorted(numbers.begin(), numbers.end()) &&
                         std::adjacent_find(numbers.begin(), numbers.end()) == numbers.end(),
                     qPrintable(labels.at(i)));
            QVERIFY(numbers.front() >= 0 && numbers.back() < YogasanaCount);
        }
    }
}

QTEST_GUILESS_MAIN(TestLearnYogaLogic)
#include "tst_learn_yoga_logic.moc"
