// Learn Yoga without windows: the lesson menu's accordion, the display's
// sizing rules, the page layouts, the asana catalogue and its two indexes.
#include "learn_yoga/LessonContent.h"
#include "learn_yoga/modLearnYogasana.h"
#include "learn_yoga/modLessonMenu.h"
#include "learn_yoga/modLessonPages.h"

#include <QFile>
#include <QTest>

using namespace LearnYoga;
using LearnYogaContent::kLessons;
using LearnYogaContent::Page;


namespace {

const Page &lesson(const char *button)
{
    for (const Page &page : kLessons)
        if (qstrcmp(page.button, button) == 0)
            return page;
    qFatal("no lesson %s", button);
}

QString joined(std::initializer_list<const char *> blocks, const char *after = "")
{
    QStringList texts;
    for (const char *block : blocks)
        texts.append(QString::fromLatin1(block));
    return texts.join(QStringLiteral("\r\n\r\n")) + QLatin1String(after);
}

// A run of a page; every page is in 14 point.
Run run(const QString &text, bool bold, bool underline, int colour)
{
    return Run{text, bold, underline, colour, 14, RTB::Alignment::Left};
}

Run title(const QString &text)
{
    return Run{text + "\r\n\r\n", true, false, 5, 14, RTB::Alignment::Centre};
}

void compareRuns(const std::vector<Run> &actual, const std::vector<Run> &expected)
{
    QCOMPARE(actual.size(), expected.size());
    for (std::size_t i = 0; i < actual.size(); ++i) {
        QCOMPARE(actual[i].text, expected[i].text);
        QVERIFY2(actual[i] == expected[i], qPrintable(actual[i].text.left(40)));
    }
}

// 'p' paragraph, '*' bulleted item, '#' item numbered in turn from 1 ('x' when out of turn).
QString kinds(std::initializer_list<const char *> blocks)
{
    QString out;
    int number = 0;
    for (const char *block : blocks) {
        const QByteArray text(block);
        if (text.startsWith("* "))
            out += u'*';
        else if (text.at(0) >= '1' && text.at(0) <= '9')
            out += text.startsWith(QByteArray(QByteArray::number(++number) + ". ")) ? u'#' : u'x';
        else
            out += u'p';
    }
    return out;
}

// "title / E (emphasis) / intro kinds / heading(breaks) kinds ... / break (ends with one)".
QString describe(const Page &page)
{
    QStringList parts = {QString::fromLatin1(page.title)};
    if (page.emphasis)
        parts << QStringLiteral("E");
    parts << kinds(page.intro);
    for (const LearnYogaContent::Section &s : page.sections)
        parts << QStringLiteral("%1(%2) %3").arg(s.heading).arg(s.breaksAfterHeading).arg(kinds(s.blocks));
    if (page.endsWithBreak)
        parts << QStringLiteral("break");
    return parts.join(QStringLiteral(" / "));
}

// Where the menu's buttons and panels are: "open 5; tops 0 375 ...; panels 5@1875".
QString state(const LessonMenu &menu)
{
    QString open = QStringLiteral("none"), tops, panels;
    for (int s = 1; s <= SectionCount; ++s) {
        if (menu.IsOpen(s))
            open = QString::number(s);
        tops += QString::number(menu.ButtonTop(s)) + u' ';
        if (menu.PanelVisible(s))
            panels += IsBrowsingSection(s) ? QString::number(s) : QStringLiteral("%1@%2").arg(s).arg(menu.PanelTop(s));
    }
    return QStringLiteral("open %1; tops %2; panels %3").arg(open, tops.trimmed(), panels);
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
    void lessonPages();
    void asanaPages();
    void catalogue();
    void indexes_data();
    void indexes();
};

void TestLearnYogaLogic::accordion_data()
{
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QString>("expected");
    const QString collapsed = QStringLiteral("tops 0 375 750 1125 1500 1875 2250");
    QTest::addRow("at start") << QList<int>{} << "open none; " + collapsed + "; panels ";
    QTest::addRow("meditation opens") << QList<int>{5} << "open 5; tops 0 375 750 1125 1500 3750 4125; panels 5@1875";
    QTest::addRow("meditation closes") << QList<int>{5, 5} << "open none; " + collapsed + "; panels ";
    QTest::addRow("pranayam after meditation")
        << QList<int>{5, 6} << "open 6; tops 0 375 750 1125 1500 1875 4500; panels 6@2250";
    QTest::addRow("information") << QList<int>{1} << "open 1; tops 0 2625 3000 3375 3750 4125 4500; panels 1@375";
    QTest::addRow("surya namaskar") << QList<int>{7} << "open 7; " + collapsed + "; panels 7@2625";
    QTest::addRow("by body part") << QList<int>{3} << "open 3; " + collapsed + "; panels 3";
    // The open browsing section again closes it; its own panel stays shown.
    QTest::addRow("by body part again") << QList<int>{3, 3} << "open none; " + collapsed + "; panels 3";
    QTest::addRow("browsing after browsing") << QList<int>{2, 4} << "open 4; " + collapsed + "; panels 4";
    QTest::addRow("lesson after browsing")
        << QList<int>{1, 3, 5} << "open 5; tops 0 375 750 1125 1500 3750 4125; panels 5@1875";
    QTest::addRow("no such section")
        << QList<int>{5, 0, 8} << "open 5; tops 0 375 750 1125 1500 3750 4125; panels 5@1875";
}

void TestLearnYogaLogic::accordion()
{
    QFETCH(QList<int>, clicks);
    QFETCH(QString, expected);
    LessonMenu menu;
    for (int section : clicks)
        menu.Click(section);
    QCOMPARE(state(menu), expected);
}

void TestLearnYogaLogic::displaySize_data()
{
    QTest::addColumn<QSize>("area");
    QTest::addColumn<QSize>("expected");
    // The page fills the document area, whatever strips are shown around it.
    QTest::addRow("lessons at 1366x768") << QSize(1096, 606) << QSize(1096, 606);
    QTest::addRow("browsing at 1366x768") << QSize(1096, 456) << QSize(1096, 456);
    // Never beyond the area; an area not laid out yet gives a readable view.
    QTest::addRow("tiny area") << QSize(150, 80) << QSize(150, 80);
    QTest::addRow("no area yet") << QSize() << QSize(200, 120);
}

void TestLearnYogaLogic::displaySize()
{
    QFETCH(QSize, area);
    QFETCH(QSize, expected);
    QCOMPARE(DisplaySize(area), expected);
}

// The 21 lessons in button order: titles, layouts, block counts and the items' own markers.
void TestLearnYogaLogic::lessonTable_data()
{
    QTest::addColumn<QString>("expected");
    const QString steps = "Procedure(1) ";
    const QStringList rows = {
        "What Is Yoga ? / pppp",
        "Paths Of Yoga / p / Karma Yoga - The Yoga of action(1) p / Bhakti Yoga - the Path of Devotion or Divine "
        "Love(1) p / Jnana Yoga - the Yoga of Knowledge or Wisdom(1) p / Raja Yoga - the Science of Physical and "
        "Mental Control(1) p",
        "Who Can Practice Yoga ? / pppp",
        "Benefits Of Yoga / E /  / Physical Benefits:(2) " + QString(13, u'*') +
            " / Psychological Benefits:(2) ****** / Spiritual Benefits:(2) ****",
        "Tips To Practice Yoga / **********", "What Are Yogasanas ? / p", "What Is Meditation ? / pp",
        "Why Should We Meditate ? / p####", "Importance Of Meditation / pp######",
        "Techniques To Control Our Mind / E /  / 1. Sense Organs:(1) p / 2. Breathing: (1) p / "
        "3. Body Movements: (1) p",
        "Techniques To Meditation / E / #########", "What Is Pranayam ? / ppp",
        "Importance && Benefits Of Pranayam / E / **********",
        "Nadi Shodan Prnayam / p / " + steps + "###### / Benefits(1) ### / Cautions(1) ###",
        "Bhastrika Pranayam / p / " + steps + "##### / Benefits(1) ### / Caution(1) ### / break",
        "Bhramari Pranayam / p / " + steps + "##### / Benefits(1) #### / Caution(1) #",
        "Kapalbhati Pranayam / p / " + steps + "##### / Benefits(1) ##",
        "What Is Surya Namaskar ? / pp", "How To Practice Surya Namaskar ? / ############",
        "Benefits Of Surya Namaskar / #####", "People Who Should Not Practice / p#####"};
    for (qsizetype i = 0; i < rows.size(); ++i)
        QTest::addRow("%s", kLessons[std::size_t(i)].button) << rows.at(i);
}

void TestLearnYogaLogic::lessonTable()
{
    QFETCH(QString, expected);
    QCOMPARE(describe(lesson(QTest::currentDataTag())), expected);
}

void TestLearnYogaLogic::lessonPages()
{
    // Plain: the title, then the blocks regular black; a lesson empties the view first.
    const Page &plain = lesson("Command11");
    QCOMPARE(LessonPage(plain, true).Steps().front().kind, WriterStep::Kind::Empty);
    compareRuns(RunsOf(LessonPage(plain, true)), {title("What Is Yoga ?"), run(joined(plain.intro), false, false, 0)});
    // The introduction goes into a fresh window: nothing is emptied.
    const PageScript intro = LessonPage(LearnYogaContent::kIntroduction, false);
    QVERIFY(std::none_of(intro.Steps().begin(), intro.Steps().end(),
                         [](const WriterStep &s) { return s.kind == WriterStep::Kind::Empty; }));
    compareRuns(RunsOf(intro),
                {title("Introduction"), run(joined(LearnYogaContent::kIntroduction.intro), false, false, 0)});

    // Sectioned: headings bold magenta on their own line, the blocks under them regular magenta.
    const Page &nadi = lesson("Command63");
    const auto *n = nadi.sections.begin();
    compareRuns(RunsOf(LessonPage(nadi, true)),
                {title("Nadi Shodan Prnayam"), run(joined(nadi.intro, "\r\n\r\n"), false, false, 0),
                 run("Procedure\r\n", true, false, 5), run(joined(n[0].blocks, "\r\n\r\n"), false, false, 5),
                 run("Benefits\r\n", true, false, 5), run(joined(n[1].blocks, "\r\n\r\n"), false, false, 5),
                 run("Cautions\r\n", true, false, 5), run(joined(n[2].blocks), false, false, 5)});
    QVERIFY(RunsOf(LessonPage(lesson("Command64"), true)).back().text.endsWith(QLatin1String(".\r\n")));

    // Emphasised: a bold, underlined green paragraph, the items after it regular green.
    const Page &pranayam = lesson("Command62");
    compareRuns(RunsOf(LessonPage(pranayam, true)),
                {title("Importance & Benefits Of Pranayam"), // one "&" on the page
                 run(QString::fromLatin1(pranayam.emphasis) + "\r\n\r\n", true, true, 2),
                 run(joined(pranayam.intro), false, false, 2)});
    // The emphasised line, then headings that turn the text magenta.
    const Page &benefits = lesson("Command14");
    const auto *b = benefits.sections.begin();
    compareRuns(RunsOf(LessonPage(benefits, true)),
                {title("Benefits Of Yoga"), run("Benefits of Yoga:\r\n\r\n", true, true, 2),
                 run("Physical Benefits:\r\n\r\n", true, false, 5),
                 run(joined(b[0].blocks, "\r\n\r\n"), false, false, 5),
                 run("Psychological Benefits:\r\n\r\n", true, false, 5),
                 run(joined(b[1].blocks, "\r\n\r\n"), false, false, 5),
                 run("Spiritual Benefits:\r\n\r\n", true, false, 5), run(joined(b[2].blocks), false, false, 5)});
}

void TestLearnYogaLogic::asanaPages()
{
    YogasanaCatalogue records;
    LoadYogasanaCatalogue(records);
    const YogasanaRecord &anjali = records[0];
    const Run name = title(QStringLiteral("Anjali Mudra"));
    compareRuns(RunsOf(YogasanaPage(anjali)),
                {name, run("Description: \r\n", true, false, 5),
                 run(anjali.AsanaDescription + "\r\n\r\n", false, false, 0),
                 run("English Name: ", true, false, 5), run("Salutation Seal\r\n\r\n", false, false, 0),
                 run("Procedure: \r\n", true, false, 5), run(anjali.AsanaProcedure + "\r\n\r\n", false, false, 0),
                 run("Benefits: \r\n", true, false, 5), run(anjali.AsanaBenefits + "\r\n\r\n", false, false, 0),
                 // The two items end the page, bold magenta like their heading.
                 run("Contradictions: \r\n" + anjali.AsanaContradictions, true, false, 5)});
    QVERIFY(anjali.AsanaContradictions.startsWith(QLatin1String("1. ")) &&
            anjali.AsanaContradictions.count(QStringLiteral("\r\n2. ")) == 1);

    // Dhanurasana has none: the page ends with its benefits.
    const std::vector<Run> bow = RunsOf(YogasanaPage(records[4]));
    QCOMPARE(bow.size(), std::size_t(9));
    QCOMPARE(bow.back().text, records[4].AsanaBenefits + "\r\n\r\n");
    const std::vector<Run> cobra = RunsOf(YogasanaPage(records[3]));
    QCOMPARE(cobra[3].text + cobra[4].text, QStringLiteral("English Name: Half- Cobra Pose\r\n\r\n"));
}

// The 32 records in catalogue order, each with its picture; eight have no contradictions.
void TestLearnYogaLogic::catalogue()
{
    YogasanaCatalogue records;
    LoadYogasanaCatalogue(records);
    QCOMPARE(YogasanaNames().size(), YogasanaCount);
    const QList<int> withoutContradictions = {2, 4, 6, 26, 28, 29, 30, 31};
    for (int i = 0; i < YogasanaCount; ++i) {
        const YogasanaRecord &r = records[std::size_t(i)];
        QCOMPARE(YogasanaNames().at(i), r.AsanaName);
        QCOMPARE(FindYogasana(records, r.AsanaName), i);
        QCOMPARE(r.AsanaContradictions.isEmpty(), withoutContradictions.contains(i));
        const QString picture = YogasanaPicturePath(i);
        QVERIFY2(picture.startsWith(QStringLiteral(":/asanas/%1 ").arg(i + 1, 2, 10, QLatin1Char('0'))) &&
                     QFile::exists(picture),
                 qPrintable(picture));
    }
    QCOMPARE(AsanaNames(records, {0, 3, 16, 31}),
             QStringList({"Anjali Mudra", "Bhujangasana", "Paschimottanasana", "Yoga Mudra"}));
    QCOMPARE(FindYogasana(records, QStringLiteral("dhanurasana")), -1);
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
    QTest::addRow("exact case only") << true << "live" << QStringList{};
    QTest::addRow("the other list") << false << "Live" << QStringList{};
}

// Entries and counts in list order, every list in catalogue order.
void TestLearnYogaLogic::indexes()
{
    QFETCH(bool, bodyPart);
    QFETCH(QString, entry);
    QFETCH(QStringList, asanas);
    YogasanaCatalogue records;
    LoadYogasanaCatalogue(records);
    QCOMPARE(AsanaNames(records, bodyPart ? AsanasForBodyPart(entry) : AsanasForApplication(entry)), asanas);

    const QStringList labels = bodyPart ? BodyPartNames() : ApplicationNames();
    const QList<int> counts = bodyPart ? QList<int>{10, 9, 3, 1, 1, 4, 3, 5, 7, 5, 3, 2, 4, 2, 3, 6, 4, 1,
                                                    4, 6, 3, 4, 4, 2, 5, 1, 2, 2, 1, 10, 9, 10, 2, 5, 2, 2}
                                       : QList<int>{10, 13, 6, 11, 1, 6, 5, 11, 3, 6, 5, 5, 3, 3, 4, 7,
                                                    3, 3, 8, 5, 2, 1, 8, 2, 4, 1, 6, 9, 7, 5, 5};
    QCOMPARE(labels.size(), counts.size());
    QCOMPARE(labels.first(), bodyPart ? QStringLiteral("Abdomen") : QStringLiteral("Anxiety"));
    QCOMPARE(labels.last(), bodyPart ? QStringLiteral("Wrists") : QStringLiteral("Varicose Veins"));
    QCOMPARE(QSet<QString>(labels.begin(), labels.end()).size(), labels.size());
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const std::vector<int> n = bodyPart ? AsanasForBodyPart(labels.at(i)) : AsanasForApplication(labels.at(i));
        QCOMPARE(int(n.size()), counts.at(i));
        QVERIFY2(std::adjacent_find(n.begin(), n.end(), std::greater_equal<>()) == n.end() && n.front() >= 0 &&
                     n.back() < YogasanaCount,
                 qPrintable(labels.at(i)));
    }
}

QTEST_GUILESS_MAIN(TestLearnYogaLogic)
#include "tst_learn_yoga_logic.moc"
