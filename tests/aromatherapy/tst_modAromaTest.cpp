// The widget-free learn and test logic: the admissible nearest draw, the
// question oils, each kind's answers, scoring and browsing.
#include "aromatherapy/modAromaTest.h"
#include "aromatherapy/modLearnAromatherapy.h"
#include "shell/modRandom.h"

#include <QSet>
#include <QTest>

#include <map>

namespace {

QString askedValue(int kind, int oil)
{
    const auto o = std::size_t(oil);
    switch (kind) {
    case 0:
        return OilPlanet[o];
    case 1:
        return OilSign[o];
    case 2:
        return OilElement[o];
    default:
        return OilGender[o];
    }
}

QStringList candidates(int kind)
{
    switch (kind) {
    case 0:
        return QStringList(PlanetList.begin(), PlanetList.begin() + 10);
    case 1:
        return QStringList(SignList.begin(), SignList.begin() + 12);
    default:
        return QStringList(ElementList.begin(), ElementList.begin() + 4);
    }
}

QStringList allProperties(int kind)
{
    QStringList all;
    for (std::size_t o = 0; o < OilCount; ++o) {
        if (kind == 4)
            all += QStringList(OilMagical[o].begin(), OilMagical[o].begin() + 3);
        else
            all += QStringList(OilTherapeutic[o].begin(), OilTherapeutic[o].begin() + 6);
    }
    all.removeAll(QString());
    return all;
}

} // namespace

class tst_modAromaTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { LoadOilCatalogue(); }
    void init() { Random::Seed(20240611); }

    // The admissible draw must give each admissible value the chance the plain
    // redraw loop would: the half weight stays on 0 and n themselves.
    void nearestAdmissible_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QList<int>>("admissible");
        QTest::addColumn<QList<double>>("chances");
        QTest::newRow("0-2 all") << 2 << QList<int>{0, 1, 2} << QList<double>{0.25, 0.5, 0.25};
        QTest::newRow("0-1 all") << 1 << QList<int>{0, 1} << QList<double>{0.5, 0.5};
        QTest::newRow("ends of 0-51 and one inside")
            << 51 << QList<int>{0, 1, 51} << QList<double>{0.25, 0.5, 0.25};
        QTest::newRow("inside only") << 9 << QList<int>{3, 4} << QList<double>{0.5, 0.5};
        QTest::newRow("one end and two inside")
            << 11 << QList<int>{2, 7, 11} << QList<double>{0.4, 0.4, 0.2};
        QTest::newRow("one left") << 51 << QList<int>{17} << QList<double>{1.0};
    }
    void nearestAdmissible()
    {
        QFETCH(int, n);
        QFETCH(QList<int>, admissible);
        QFETCH(QList<double>, chances);
        constexpr int draws = 40000;
        std::map<int, int> seen;
        for (int i = 0; i < draws; ++i)
            ++seen[DrawNearestAdmissible(n, [&](int v) { return admissible.contains(v); })];
        for (const auto &[value, times] : seen)
            QVERIFY2(admissible.contains(value), qPrintable(QString::number(value)));
        for (int i = 0; i < admissible.size(); ++i) {
            const double share = double(seen[admissible[i]]) / draws;
            QVERIFY2(std::abs(share - chances[i]) < 0.015,
                     qPrintable(QStringLiteral("value %1: %2").arg(admissible[i]).arg(share)));
        }
    }

    void nearestAdmissibleWithNothingLeftEnds()
    {
        QCOMPARE(DrawNearestAdmissible(51, [](int) { return false; }), -1);
        QCOMPARE(DrawWeighted({0.0, 0.0}), -1);
        QCOMPARE(DrawWeighted({}), -1);
    }

    void questionOils_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("drawn");
        QTest::newRow("Basic") << 15 << 15;
        QTest::newRow("Intermediate") << 30 << 30;
        QTest::newRow("Advanced") << 50 << 50;
        QTest::newRow("every oil") << 52 << 52;
        QTest::newRow("more than there are oils") << 60 << 52;
    }
    void questionOils()
    {
        QFETCH(int, count);
        QFETCH(int, drawn);
        for (int run = 0; run < 50; ++run) {
            const QList<std::int16_t> oils = DrawQuestionOils(count);
            QCOMPARE(oils.size(), drawn);
            QSet<int> distinct;
            for (std::int16_t oil : oils) {
                QVERIFY(oil >= 0 && oil < OilCount);
                distinct.insert(oil);
            }
            QCOMPARE(distinct.size(), drawn);
        }
    }

    // Oils 0 and 51 come up half as often as each oil between.
    void questionOilEndsAreHalfAsLikely()
    {
        std::array<int, OilCount> first{};
        constexpr int tests = 40000;
        for (int run = 0; run < tests; ++run)
            ++first[std::size_t(DrawQuestionOils(1).value(0))];
        double inner = 0;
        for (int o = 1; o < OilCount - 1; ++o)
            inner += first[std::size_t(o)];
        inner /= OilCount - 2;
        const double ends = (first[0] + first[OilCount - 1]) / 2.0;
        QVERIFY2(std::abs(ends / inner - 0.5) < 0.07,
                 qPrintable(QStringLiteral("ends %1, inner %2").arg(ends).arg(inner)));
    }

    void questionCountForLevel_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("count");
        QTest::newRow("Basic") << 0 << 15;
        QTest::newRow("Intermediate") << 1 << 30;
        QTest::newRow("Advanced") << 2 << 50;
        QTest::newRow("beyond") << 7 << 50;
    }
    void questionCountForLevel()
    {
        QFETCH(int, level);
        QFETCH(int, count);
        AromaLevel = std::int16_t(level);
        AromaCurrent = 9;
        AromaAnswers = QStringList{QStringLiteral("old")};
        StartAromaTest();
        QCOMPARE(int(AromaQuestionCount), count);
        QCOMPARE(AromaQuestionOils.size(), count);
        QCOMPARE(AromaAnswers, QStringList(count + 1, QString()));
        QCOMPARE(int(AromaCurrent), 0);
    }

    // Planet, sign and element: two different wrong answers from the list, none
    // equal to the oil's value, and the oil's value exactly once.
    void listAnswers_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("planet") << 0;
        QTest::newRow("sign") << 1;
        QTest::newRow("element") << 2;
    }
    void listAnswers()
    {
        QFETCH(int, kind);
        const QStringList list = candidates(kind);
        for (int oil = 0; oil < OilCount; ++oil) {
            for (int run = 0; run < 20; ++run) {
                const AromaQuestion q = BuildAromaQuestion(kind, oil, 0, 15);
                const QString asked = askedValue(kind, oil);
                const QStringList answers(q.answers.begin(), q.answers.end());
                QCOMPARE(answers.count(asked), 1);
                QCOMPARE(q.answers[std::size_t(q.correctPosition)], asked);
                QCOMPARE(QSet<QString>(answers.begin(), answers.end()).size(), 3);
                for (const QString &a : answers)
                    QVERIFY2(list.contains(a), qPrintable(a));
                QVERIFY(q.thirdVisible);
            }
        }
    }

    void elementWrongAnswersAreOtherElements()
    {
        // Amber is Earth: the wrong answers are two of Water, Fire, Air.
        QSet<QString> wrongSeen;
        for (int run = 0; run < 200; ++run) {
            const AromaQuestion q = BuildAromaQuestion(2, 0, 0, 15);
            for (std::size_t i = 0; i < 3; ++i)
                if (int(i) != q.correctPosition)
                    wrongSeen.insert(q.answers[i]);
        }
        QCOMPARE(wrongSeen, (QSet<QString>{"Water", "Fire", "Air"}));
    }

    void genderAnswers()
    {
        for (int oil = 0; oil < OilCount; ++oil) {
            const AromaQuestion q = BuildAromaQuestion(3, oil, 0, 15);
            QCOMPARE(q.answers[std::size_t(q.correctPosition)], OilGender[std::size_t(oil)]);
            QCOMPARE((QSet<QString>{q.answers[0], q.answers[1]}),
                     (QSet<QString>{"Male", "Female"}));
            QVERIFY(q.answers[2].isEmpty());
            QVERIFY(!q.thirdVisible);
        }
    }

    // Wrong answers are properties of some oil in a used slot; the oil's
    // property from slot k sits at position k.
    void propertyAnswers_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("magical") << 4;
        QTest::newRow("therapeutic") << 5;
    }
    void propertyAnswers()
    {
        QFETCH(int, kind);
        const QStringList pool = allProperties(kind);
        for (int oil = 0; oil < OilCount; ++oil) {
            for (int run = 0; run < 10; ++run) {
                const AromaQuestion q = BuildAromaQuestion(kind, oil, 0, 15);
                const auto o = std::size_t(oil);
                const int k = q.correctPosition;
                QVERIFY(k >= 0 && k <= 2);
                const QString expected = kind == 4 ? OilMagical[o][std::size_t(k)]
                                                   : OilTherapeutic[o][std::size_t(k)];
                QVERIFY(!expected.isEmpty());
                QCOMPARE(q.answers[std::size_t(k)], expected);
                for (const QString &a : q.answers)
                    QVERIFY2(pool.contains(a), qPrintable(a));
                QVERIFY(q.thirdVisible);
            }
        }
    }

    // Where the oil's own answer lands, over many questions.
    void correctPosition_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("oil");
        QTest::addColumn<QList<double>>("chances");
        const QList<double> quarterHalfQuarter{0.25, 0.5, 0.25};
        QTest::newRow("planet") << 0 << 22 << quarterHalfQuarter;
        QTest::newRow("sign") << 1 << 40 << quarterHalfQuarter;
        QTest::newRow("element") << 2 << 13 << quarterHalfQuarter;
        QTest::newRow("gender") << 3 << 7 << QList<double>{0.5, 0.5, 0.0};
        QTest::newRow("magical, one property") << 4 << 0 << QList<double>{1.0, 0.0, 0.0};
        QTest::newRow("magical, two properties") << 4 << 3 << QList<double>{0.5, 0.5, 0.0};
        QTest::newRow("magical, three properties") << 4 << 12 << quarterHalfQuarter;
        QTest::newRow("therapeutic, one property") << 5 << 1 << QList<double>{1.0, 0.0, 0.0};
        QTest::newRow("therapeutic, two properties") << 5 << 2 << QList<double>{0.5, 0.5, 0.0};
        QTest::newRow("therapeutic, six properties") << 5 << 39 << quarterHalfQuarter;
    }
    void correctPosition()
    {
        QFETCH(int, kind);
        QFETCH(int, oil);
        QFETCH(QList<double>, chances);
        constexpr int questions = 20000;
        std::array<int, 3> at{};
        for (int run = 0; run < questions; ++run) {
            const AromaQuestion q = BuildAromaQuestion(kind, oil, 0, 15);
            // For kinds 0-3 the oil's own value appears exactly once: find it by text.
            int position = q.correctPosition;
            if (kind <= 3) {
                const QString asked = askedValue(kind, oil);
                position = int(std::find(q.answers.begin(), q.answers.end(), asked) -
                               q.answers.begin());
            }
            QVERIFY(position >= 0 && position < 3);
            ++at[std::size_t(position)];
        }
        for (std::size_t i = 0; i < 3; ++i) {
            const double share = double(at[i]) / questions;
            QVERIFY2(std::abs(share - chances[int(i)]) < 0.015,
                     qPrintable(QStringLiteral("position %1: %2").arg(i).arg(share)));
        }
    }

    void counterText()
    {
        QCOMPARE(BuildAromaQuestion(0, 5, 0, 15).counter, QStringLiteral("Question 1 of 15"));
        QCOMPARE(BuildAromaQuestion(0, 5, 14, 15).counter, QStringLiteral("Question 15 of 15"));
        QCOMPARE(BuildAromaQuestion(0, 5, 0, 15).subject, QStringLiteral("Bergamot"));
    }

    void scoring_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("oil");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("scores");
        QTest::newRow("planet right") << 0 << 0 << "Jupiter" << true;
        QTest::newRow("planet other case") << 0 << 0 << "jupiter" << false;
        QTest::newRow("planet wrong") << 0 << 0 << "Venus" << false;
        QTest::newRow("sign right") << 1 << 39 << "Gemini" << true;
        QTest::newRow("element wrong") << 2 << 39 << "Fire" << false;
        QTest::newRow("gender right") << 3 << 22 << "Male" << true;
        QTest::newRow("gender wrong") << 3 << 22 << "Female" << false;
        // Clove's second and third magical properties score wherever they stood.
        QTest::newRow("magical slot 1") << 4 << 12 << "Memory" << true;
        QTest::newRow("magical slot 2") << 4 << 12 << "Focus" << true;
        QTest::newRow("magical other oil's") << 4 << 12 << "Healing" << false;
        QTest::newRow("magical ampersand") << 4 << 50 << "Mental && Physical Well Being" << true;
        QTest::newRow("magical single ampersand")
            << 4 << 50 << "Mental & Physical Well Being" << false;
        QTest::newRow("magical empty answer") << 4 << 0 << "" << false;
        QTest::newRow("therapeutic slot 5") << 5 << 39 << "Reduces Congestion" << true;
        QTest::newRow("therapeutic slot 3 of Ylang Ylang") << 5 << 51 << "Pain Reducer" << true;
        QTest::newRow("therapeutic near miss") << 5 << 51 << "Pain Reliever" << false;
        QTest::newRow("therapeutic empty answer") << 5 << 1 << "" << false;
    }
    void scoring()
    {
        QFETCH(int, kind);
        QFETCH(int, oil);
        QFETCH(QString, answer);
        QFETCH(bool, scores);
        QCOMPARE(AromaAnswerScores(kind, oil, answer), scores);
    }

    // A result scores the answers held in the module state and shows slot 0 as
    // the correct answer of a property test.
    void scoreFinishedTest()
    {
        AromaQuestionCount = 3;
        AromaQuestionOils = {12, 0, 50};
        AromaAnswers = {QStringLiteral("Focus"), QStringLiteral("Love"),
                        QStringLiteral("Mental && Physical Well Being"), QString()};
        const AromaResult result = ScoreAromaTest(4);
        QCOMPARE(result.count, 3);
        QCOMPARE(result.score, 2);
        QCOMPARE(result.lines.size(), 3);
        QCOMPARE(result.lines[0].name, QStringLiteral("Clove"));
        QCOMPARE(result.lines[0].correct, QStringLiteral("Courage"));
        QVERIFY(result.lines[0].scored);
        QCOMPARE(result.lines[1].answer, QStringLiteral("Love"));
        QCOMPARE(result.lines[1].correct, QStringLiteral("Healing"));
        QVERIFY(!result.lines[1].scored);
        QCOMPARE(result.lines[2].correct, QStringLiteral("Mental && Physical Well Being"));
        QCOMPARE(AromaScoreText(result), QStringLiteral("2 Correct Out Of 3 Questions"));

        QCOMPARE(ScoreAromaTest(5).lines[0].correct, QStringLiteral("Pain Reliever"));
        QCOMPARE(ScoreAromaTest(0).lines[2].correct, QStringLiteral("Moon"));
    }

    // Browsing visits every oil of the chosen list in order and stops at both ends.
    void browsing_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<QList<int>>("order");
        QList<int> all;
        for (int o = 0; o < OilCount; ++o)
            all << o;
        QTest::newRow("all herbs") << 0 << all;
        QTest::newRow("irritant oils")
            << 1 << QList<int>{5, 6, 9, 11, 12, 17, 26, 27, 35, 36, 37, 39, 42, 50};
    }
    void browsing()
    {
        QFETCH(int, choice);
        QFETCH(QList<int>, order);
        AromaChoice = std::int16_t(choice);
        AromaCurrent = 33;
        AromaIrritantPos = 9;
        AromaStartLearning();
        QList<int> visited{AromaCurrent};
        while (AromaNextOil() == AromaNavigation::Shown)
            visited << AromaCurrent;
        QCOMPARE(visited, order);
        QCOMPARE(int(AromaCurrent), order.last());
        QCOMPARE(AromaNextOil(), AromaNavigation::AtLast);
        QCOMPARE(int(AromaCurrent), order.last());

        QList<int> back{AromaCurrent};
        while (AromaPreviousOil() == AromaNavigation::Shown)
            back.prepend(AromaCurrent);
        QCOMPARE(back, order);
        QCOMPARE(int(AromaCurrent), order.first());
        QCOMPARE(AromaPreviousOil(), AromaNavigation::AtFirst);
        QCOMPARE(int(AromaCurrent), order.first());
        QCOMPARE(AromaNextOil(), AromaNavigation::Shown);
        QCOMPARE(int(AromaCurrent), order[1]);
    }

    void description_data()
    {
        QTest::addColumn<int>("oil");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        QTest::newRow("Amber magical") << 0 << 5 << "Healing   ";
        QTest::newRow("Amber therapeutic") << 0 << 6 << "Healing      ";
        QTest::newRow("Clove magical") << 12 << 5 << "Courage Memory Focus ";
        QTest::newRow("Peppermint therapeutic")
            << 39 << 6
            << "Reduces Hysteria Reduces Fever Aids in Skin Disorders Digestive Improves Memory "
               "Reduces Congestion ";
        QTest::newRow("Wintergreen magical") << 50 << 5 << "Mental && Physical Well Being   ";
        QTest::newRow("Lotus element") << 30 << 3 << "Water";
    }
    void description()
    {
        QFETCH(int, oil);
        QFETCH(int, index);
        QFETCH(QString, text);
        QCOMPARE(OilDescription(oil)[std::size_t(index)], text);
    }

    void labelText_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("doubled") << "Mental && Physical Well Being" << "Mental & Physical Well Being";
        QTest::newRow("access key") << "E&xit" << "Exit";
        QTest::newRow("plain") << "Self -Confidence" << "Self -Confidence";
        QTest::newRow("trailing single") << "a&" << "a";
        QTest::newRow("three") << "a&&&b" << "a&b";
    }
    void labelText()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QCOMPARE(AromaLabelText(stored), shown);
    }
};

QTEST_GUILESS_MAIN(tst_modAromaTest)
#include "tst_modAromaTest.moc"
