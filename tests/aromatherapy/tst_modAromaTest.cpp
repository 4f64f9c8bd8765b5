// The widget-free test logic: the admissible nearest draw, the question oils,
// each kind's answers and where the right one lands, scoring, and that no
// fixed way of answering blindly beats chance.
#include "aromatherapy/modAromaTest.h"
#include "aromatherapy/modLearnAromatherapy.h"
#include "shell/modRandom.h"

#include <QSet>
#include <QTest>

#include <cmath>
#include <map>

namespace {

// Shares of a sample that must match the expected chances within `tolerance`.
QString shareMismatch(const std::map<int, int> &seen, int total, const QList<int> &values,
                      const QList<double> &chances, double tolerance)
{
    for (int i = 0; i < values.size(); ++i) {
        const auto it = seen.find(values[i]);
        const double share = it == seen.end() ? 0.0 : double(it->second) / total;
        if (std::abs(share - chances[i]) >= tolerance)
            return QStringLiteral("value %1: share %2, expected %3")
                .arg(values[i])
                .arg(share)
                .arg(chances[i]);
    }
    return {};
}

QStringList listOf(int kind)
{
    QStringList list;
    for (int i = 0;; ++i) {
        const QString entry = kind == 0 ? PlanetList(i) : kind == 1 ? SignList(i) : ElementList(i);
        if (entry.isEmpty())
            return list;
        list << entry;
    }
}

QString askedValue(int kind, int oil)
{
    return kind == 0   ? OilPlanet(oil)
           : kind == 1 ? OilSign(oil)
           : kind == 2 ? OilElement(oil)
                       : OilGender(oil);
}

QString oilProperty(int kind, int oil, int slot)
{
    return kind == 4 ? OilMagical(oil, slot) : OilTherapeutic(oil, slot);
}

// One data row per test kind, the first `count` kinds in list order.
void addKindRows(int count = AromaTestKindCount)
{
    QTest::addColumn<int>("kind");
    const char *kinds[] = {"planet", "sign", "element", "gender", "magical", "therapeutic"};
    for (int kind = 0; kind < count; ++kind)
        QTest::newRow(kinds[kind]) << kind;
}

} // namespace

class tst_modAromaTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init() { Random::Seed(20240611); }

    // The one-step draw must give each admissible value the chance the plain
    // redraw loop would: the half weight stays on 0 and n themselves, not on
    // the first and last admissible values.
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
        QTest::newRow("one end, two inside")
            << 11 << QList<int>{2, 7, 11} << QList<double>{0.4, 0.4, 0.2};
        QTest::newRow("one left") << 51 << QList<int>{17} << QList<double>{1.0};
        QTest::newRow("none left") << 51 << QList<int>{} << QList<double>{};
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
        if (admissible.isEmpty()) {
            QCOMPARE(seen[-1], draws);
            return;
        }
        for (const auto &entry : seen)
            QVERIFY2(admissible.contains(entry.first), qPrintable(QString::number(entry.first)));
        const QString mismatch = shareMismatch(seen, draws, admissible, chances, 0.015);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }

    void questionOils_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("drawn");
        QTest::newRow("Basic") << 15 << 15;
        QTest::newRow("Advanced") << 50 << 50;
        QTest::newRow("more than there are oils") << 60 << 52;
    }
    void questionOils()
    {
        QFETCH(int, count);
        QFETCH(int, drawn);
        for (int run = 0; run < 50; ++run) {
            const QList<std::int16_t> oils = DrawQuestionOils(count);
            QCOMPARE(oils.size(), drawn);
            QCOMPARE(QSet<std::int16_t>(oils.begin(), oils.end()).size(), drawn);
            for (std::int16_t oil : oils)
                QVERIFY(oil >= 0 && oil < OilCount);
        }
    }

    // Planet, sign, element: two different wrong answers from the list, none
    // equal to the oil's value, which appears once. Gender: both genders.
    void answerSets_data() { addKindRows(4); }
    void answerSets()
    {
        QFETCH(int, kind);
        const QStringList list = kind == 3 ? QStringList{"Male", "Female"} : listOf(kind);
        const int shown = kind == 3 ? 2 : 3;
        for (int oil = 0; oil < OilCount; ++oil) {
            for (int run = 0; run < 20; ++run) {
                const AromaQuestion q = BuildAromaQuestion(kind, oil, 0, 15);
                const QStringList answers(q.answers.begin(), q.answers.begin() + shown);
                QCOMPARE(answers.count(askedValue(kind, oil)), 1);
                QCOMPARE(QSet<QString>(answers.begin(), answers.end()).size(), shown);
                for (const QString &a : answers)
                    QVERIFY2(list.contains(a), qPrintable(a));
                QCOMPARE(q.thirdVisible, kind != 3);
                QVERIFY(kind != 3 || q.answers[2].isEmpty());
            }
        }
    }

    // Magical and therapeutic: every answer is some oil's property, and the
    // oil's own property from the asked slot stands where the question says.
    void propertyAnswers_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("magical") << 4;
        QTest::newRow("therapeutic") << 5;
    }
    void propertyAnswers()
    {
        QFETCH(int, kind);
        QSet<QString> pool;
        for (int o = 0; o < OilCount; ++o)
            for (int k = 0; k < TherapeuticSlots; ++k)
                pool.insert(oilProperty(kind, o, k));
        pool.remove(QString());
        for (int oil = 0; oil < OilCount; ++oil) {
            for (int run = 0; run < 10; ++run) {
                const AromaQuestion q = BuildAromaQuestion(kind, oil, 0, 15);
                QVERIFY(q.correctPosition >= 0 && q.correctPosition <= 2);
                QVERIFY(q.askedSlot >= 0 && q.askedSlot <= 2);
                QCOMPARE(q.answers[std::size_t(q.correctPosition)],
                         oilProperty(kind, oil, q.askedSlot));
                for (const QString &a : q.answers)
                    QVERIFY2(pool.contains(a), qPrintable(a));
            }
        }
    }

    // Where the oil's own answer lands over many questions: any shown button
    // equally often, whatever the kind and however many properties the oil has.
    void correctPosition_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("oil");
        QTest::addColumn<QList<double>>("chances");
        const QList<double> thirds{1.0 / 3, 1.0 / 3, 1.0 / 3};
        QTest::newRow("planet") << 0 << 22 << thirds;
        QTest::newRow("sign") << 1 << 40 << thirds;
        QTest::newRow("element") << 2 << 13 << thirds;
        QTest::newRow("gender") << 3 << 7 << QList<double>{0.5, 0.5, 0.0};
        QTest::newRow("magical, one property") << 4 << 0 << thirds;
        QTest::newRow("magical, two properties") << 4 << 3 << thirds;
        QTest::newRow("magical, three properties") << 4 << 12 << thirds;
        QTest::newRow("therapeutic, one property") << 5 << 1 << thirds;
        QTest::newRow("therapeutic, six properties") << 5 << 39 << thirds;
    }
    void correctPosition()
    {
        QFETCH(int, kind);
        QFETCH(int, oil);
        QFETCH(QList<double>, chances);
        constexpr int questions = 8000;
        std::map<int, int> at;
        for (int run = 0; run < questions; ++run) {
            const AromaQuestion q = BuildAromaQuestion(kind, oil, 0, 15);
            // The planet, sign, element and gender value appears once: find it by its text.
            const int position =
                kind <= 3
                    ? int(std::find(q.answers.begin(), q.answers.end(), askedValue(kind, oil)) -
                          q.answers.begin())
                    : q.correctPosition;
            ++at[position];
        }
        const QString mismatch = shareMismatch(at, questions, {0, 1, 2}, chances, 0.02);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }

    // Which of the oil's properties is asked: the first of one, either of two
    // evenly, and of three or more slot 1 twice as often as slot 0 or slot 2.
    void askedSlot_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("oil");
        QTest::addColumn<QList<double>>("chances");
        QTest::newRow("magical, one property") << 4 << 0 << QList<double>{1.0, 0.0, 0.0};
        QTest::newRow("magical, two properties") << 4 << 3 << QList<double>{0.5, 0.5, 0.0};
        QTest::newRow("magical, three properties") << 4 << 12 << QList<double>{0.25, 0.5, 0.25};
        QTest::newRow("therapeutic, one property") << 5 << 1 << QList<double>{1.0, 0.0, 0.0};
        QTest::newRow("therapeutic, six properties") << 5 << 39 << QList<double>{0.25, 0.5, 0.25};
    }
    void askedSlot()
    {
        QFETCH(int, kind);
        QFETCH(int, oil);
        QFETCH(QList<double>, chances);
        constexpr int questions = 8000;
        std::map<int, int> asked;
        for (int run = 0; run < questions; ++run)
            ++asked[BuildAromaQuestion(kind, oil, 0, 15).askedSlot];
        const QString mismatch = shareMismatch(asked, questions, {0, 1, 2}, chances, 0.02);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }

    // Answering without reading the question must not pay: over many seeded
    // Basic tests, always taking the same button scores no better than a
    // random pick among the shown buttons, within noise (four standard
    // deviations). Chance is counted per question as the share of shown
    // buttons that score, so a wrong-answer draw that happens to be one of
    // the oil's own properties counts for every way of answering alike.
    void noBlindAdvantage_data() { addKindRows(); }
    void noBlindAdvantage()
    {
        QFETCH(int, kind);
        constexpr int tests = 200;
        const int shown = kind == 3 ? 2 : 3;
        double chance = 0.0;
        int questions = 0;
        QList<int> scores;
        for (int position = 0; position < shown; ++position) {
            int score = 0;
            for (int seed = 1; seed <= tests; ++seed) {
                Random::Seed(std::uint64_t(seed));
                AromaModel model;
                model.SetLearnMode(false, kind);
                model.StartTest();
                bool more = true;
                while (more) {
                    const AromaQuestion q = model.CurrentQuestion();
                    if (position == 0) {
                        ++questions;
                        for (int b = 0; b < shown; ++b)
                            chance += AromaAnswerScores(kind, q.oil, q.answers[std::size_t(b)]);
                    }
                    more = model.AnswerQuestion(q.answers[std::size_t(position)]);
                }
                const AromaResult result = model.Score();
                QCOMPARE(result.count, 15);
                score += result.score;
            }
            scores << score;
        }
        const double chanceRate = chance / shown / questions;
        const double noise = 4 * std::sqrt(chanceRate * (1 - chanceRate) / questions);
        QString rates =
            QStringLiteral("%1 questions, chance %2:").arg(questions).arg(chanceRate, 0, 'f', 3);
        for (int position = 0; position < shown; ++position)
            rates += QStringLiteral(" always %1 scores %2")
                         .arg(position)
                         .arg(double(scores[position]) / questions, 0, 'f', 3);
        qInfo("%s", qPrintable(rates));
        for (int position = 0; position < shown; ++position)
            QVERIFY2(double(scores[position]) / questions <= chanceRate + noise, qPrintable(rates));
    }

    void scoring_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("oil");
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("scores");
        QTest::newRow("planet right") << 0 << 0 << "Jupiter" << true;
        QTest::newRow("planet other case") << 0 << 0 << "jupiter" << false;
        QTest::newRow("gender wrong") << 3 << 22 << "Female" << false;
        // Clove's second and third magical properties score wherever they stood.
        QTest::newRow("magical slot 1") << 4 << 12 << "Memory" << true;
        QTest::newRow("magical slot 2") << 4 << 12 << "Focus" << true;
        QTest::newRow("magical of another oil") << 4 << 12 << "Healing" << false;
        QTest::newRow("magical ampersand") << 4 << 50 << "Mental && Physical Well Being" << true;
        QTest::newRow("magical single ampersand")
            << 4 << 50 << "Mental & Physical Well Being" << false;
        QTest::newRow("therapeutic slot 5") << 5 << 39 << "Reduces Congestion" << true;
        QTest::newRow("therapeutic near miss") << 5 << 51 << "Pain Reliever" << false;
        // An empty slot holds no property, so an empty answer never matches one.
        QTest::newRow("magical empty") << 4 << 0 << "" << false;
        QTest::newRow("therapeutic empty") << 5 << 1 << "" << false;
    }
    void scoring()
    {
        QFETCH(int, kind);
        QFETCH(int, oil);
        QFETCH(QString, answer);
        QFETCH(bool, scores);
        QCOMPARE(AromaAnswerScores(kind, oil, answer), scores);
    }
};

QTEST_GUILESS_MAIN(tst_modAromaTest)
#include "tst_modAromaTest.moc"
