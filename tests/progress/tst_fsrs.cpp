// The memory model: three worked examples whose figures were computed apart
// from this code, straight from the model's formulas and default parameters,
// and the properties every schedule must have.
#include "progress/Fsrs.h"

#include <QTest>

#include <cmath>

using Fsrs::Grade;

class TestFsrs : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void workedExamples();
    void properties();
};

void TestFsrs::workedExamples()
{
    const Fsrs::Scheduler fsrs;
    const auto near = [](double a, double b) { return std::abs(a - b) < 1e-5; };

    // A first "Good": stability w2, difficulty w4 - e^(2 w5) + 1; due after 2 days.
    const Fsrs::State first = fsrs.First(Grade::Good);
    QVERIFY2(near(first.stability, 2.3065), qPrintable(QString::number(first.stability, 'f', 6)));
    QVERIFY2(near(first.difficulty, 2.118104), qPrintable(QString::number(first.difficulty, 'f', 6)));
    QCOMPARE(fsrs.IntervalDays(first.stability), 2);

    // "Good" three days later: recall was 88.09 % likely; stability grows to 13.83 days.
    QVERIFY(near(fsrs.Retrievability(3, first.stability), 0.880948));
    const Fsrs::State second = fsrs.Next(first, 3, Grade::Good);
    QVERIFY2(near(second.stability, 13.826904), qPrintable(QString::number(second.stability, 'f', 6)));
    QVERIFY(near(second.difficulty, 2.111214));
    QCOMPARE(fsrs.IntervalDays(second.stability), 14);

    // "Again" ten days after that: a lapse; stability falls to 1.67 days, difficulty rises to 7.39.
    QVERIFY(near(fsrs.Retrievability(10, second.stability), 0.920684));
    const Fsrs::State third = fsrs.Next(second, 10, Grade::Again);
    QVERIFY2(near(third.stability, 1.666141), qPrintable(QString::number(third.stability, 'f', 6)));
    QVERIFY(near(third.difficulty, 7.392238));

    // At the requested retention of 0.9 the interval is the stability itself.
    QVERIFY(near(fsrs.Retrievability(second.stability, second.stability), 0.9));
}

void TestFsrs::properties()
{
    const Fsrs::Scheduler fsrs;
    for (double difficulty : {1.0, 3.0, 5.5, 8.0, 10.0}) {
        for (double stability : {0.01, 0.5, 2.0, 10.0, 90.0, 400.0, 5000.0}) {
            for (double days : {1.0, 2.0, 7.0, 30.0, 365.0}) {
                const double r = fsrs.Retrievability(days, stability);
                const QByteArray where = QStringLiteral("D %1 S %2 t %3").arg(difficulty).arg(stability).arg(days).toLatin1();
                // Recall falls with time and stays a probability.
                QVERIFY2(r > 0 && r <= 1 && fsrs.Retrievability(days + 1, stability) < r, where);
                // A lapse never raises stability; a success never lowers it.
                QVERIFY2(fsrs.StabilityAfterLapse(difficulty, stability, r) <= stability, where);
                for (Grade grade : {Grade::Hard, Grade::Good, Grade::Easy})
                    QVERIFY2(fsrs.StabilityAfterSuccess(difficulty, stability, r, grade) >= stability, where);
                // Difficulty stays within 1 to 10 and a lapse makes an item no easier than a success.
                const double afterAgain = fsrs.NextDifficulty(difficulty, Grade::Again);
                const double afterGood = fsrs.NextDifficulty(difficulty, Grade::Good);
                QVERIFY2(afterAgain >= 1 && afterAgain <= 10 && afterGood >= 1 && afterGood <= 10, where);
                QVERIFY2(afterAgain >= afterGood, where);
            }
            // The interval grows with stability.
            QVERIFY(fsrs.IntervalDays(stability * 2) >= fsrs.IntervalDays(stability));
        }
    }
    // A same-day "Good" never lowers stability; intervals stay within 1 day and 100 years.
    QVERIFY(fsrs.SameDayStability(3.0, Grade::Good) >= 3.0);
    QCOMPARE(fsrs.IntervalDays(0.0001), 1);
    QCOMPARE(fsrs.IntervalDays(1e12), Fsrs::MaximumIntervalDays);

    // Due items come least likely to be recalled first; items not yet due are left out.
    const std::vector<Fsrs::Review> items{
        {10.0, 12.0, -2.0}, {2.0, 1.0, 1.0}, {3.0, 30.0, -27.0}, {50.0, 50.0, 0.0}, {10.0, 9.0, 1.5}};
    QCOMPARE(fsrs.DueFirst(items, 0.5), (std::vector<int>{2, 0, 3}));
    QCOMPARE(fsrs.DueFirst(items, 2.0), (std::vector<int>{2, 0, 3, 4, 1}));
}

QTEST_APPLESS_MAIN(TestFsrs)
#include "tst_fsrs.moc"
