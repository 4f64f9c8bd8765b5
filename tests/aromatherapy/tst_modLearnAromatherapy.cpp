// The oil catalogue: its stated counts, texts whose spelling matters, the
// irritant list, and that everything outside the table reads as empty. Then
// what the tests ask of it: the levels, and what counts as right for an oil.
#include "aromatherapy/modAromaTest.h"
#include "aromatherapy/modLearnAromatherapy.h"

#include <QTest>

namespace {

// Property slot k of an oil; magical when `magical`, else therapeutic.
QString oilProperty(bool magical, int oil, int k)
{
    return magical ? OilMagical(oil, k) : OilTherapeutic(oil, k);
}

QStringList oilsWithSlot(bool magical, int k)
{
    QStringList names;
    for (int o = 0; o < OilCount; ++o)
        if (!oilProperty(magical, o, k).isEmpty())
            names << OilName(o);
    return names;
}

} // namespace

class tst_modLearnAromatherapy : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // How many oils have 1, 2, 3... properties; slots fill from 0 without gaps.
    void propertyCounts_data()
    {
        QTest::addColumn<bool>("magical");
        QTest::addColumn<QList<int>>("oilsWithCount");
        QTest::newRow("magical") << true << QList<int>{15, 27, 10, 0};
        QTest::newRow("therapeutic") << false << QList<int>{12, 16, 11, 9, 3, 1, 0};
    }
    void propertyCounts()
    {
        QFETCH(bool, magical);
        QFETCH(QList<int>, oilsWithCount);
        QList<int> counted(oilsWithCount.size(), 0);
        for (int o = 0; o < OilCount; ++o) {
            int filled = 0;
            while (filled < counted.size() && !oilProperty(magical, o, filled).isEmpty())
                ++filled;
            for (int k = filled; k < counted.size(); ++k)
                QVERIFY2(oilProperty(magical, o, k).isEmpty(), qPrintable(OilName(o)));
            QVERIFY(filled >= 1);
            ++counted[filled - 1];
        }
        QCOMPARE(counted, oilsWithCount);
    }

    void valueFrequencies_data()
    {
        QTest::addColumn<int>("column"); // 0 planet, 1 magical, 2 therapeutic
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("oils");
        QTest::newRow("Venus") << 0 << "Venus" << 13;
        QTest::newRow("Love") << 1 << "Love" << 7;
        QTest::newRow("Aphrodisiac") << 2 << "Aphrodisiac" << 10;
        QTest::newRow("Pain Reliever") << 2 << "Pain Reliever" << 10;
    }
    void valueFrequencies()
    {
        QFETCH(int, column);
        QFETCH(QString, value);
        QFETCH(int, oils);
        int found = 0;
        for (int o = 0; o < OilCount; ++o) {
            if (column == 0)
                found += OilPlanet(o) == value;
            for (int k = 0; column > 0 && k < TherapeuticSlots; ++k)
                found += oilProperty(column == 1, o, k) == value;
        }
        QCOMPARE(found, oils);
    }

    void lastSlotsAndExactTexts()
    {
        QCOMPARE(oilsWithSlot(true, 2),
                 (QStringList{"Clove", "Gardenia", "Heliotrope", "Hyacinth", "Lavender", "Lemon",
                              "Pine", "Strawberry", "Vetivert", "Ylang Ylang"}));
        QCOMPARE(oilsWithSlot(false, 5), QStringList{"Peppermint"});
        QCOMPARE(OilTherapeutic(39, 5), QStringLiteral("Reduces Congestion"));
        QCOMPARE(OilMagical(20, 1), QStringLiteral("Self -Confidence"));
        QCOMPARE(OilTherapeutic(20, 0), QStringLiteral("Increases Self - Confidence"));
        QCOMPARE(OilTherapeutic(36, 1), QStringLiteral("Sense of security"));
        QCOMPARE(OilMagical(50, 0), QStringLiteral("Mental && Physical Well Being"));
        QCOMPARE(OilName(29), QStringLiteral("Lily of the Valley"));
        QCOMPARE(OilPlanet(3), QStringLiteral("Sun"));
        QCOMPARE(PlanetList(9), QStringLiteral("Uranus"));
        QCOMPARE(SignList(11), QStringLiteral("Pisces"));
        QCOMPARE(ElementList(3), QStringLiteral("Air"));
    }

    void irritantOils()
    {
        QStringList named;
        for (int i = 0; i < IrritantCount; ++i)
            named << OilName(IrritantOils(i));
        QCOMPARE(named, (QStringList{"Bergamot", "Camphor", "Cinnamon", "Citronella", "Clove",
                                     "Frankincense", "Lemon", "Lemon Verbena", "Myrrh", "Oakmoss",
                                     "Orange", "Peppermint", "Rosemary", "Wintergreen"}));
        QCOMPARE(IrritantOils(0), 5);
        QCOMPARE(IrritantOils(13), 50);
        QCOMPARE(IrritantOils(14), -1);
        QCOMPARE(IrritantOils(-1), -1);
    }

    // Oil 52, slots past the used ones, negative numbers and positions past
    // the end of a list all read as empty text; nothing has to be loaded first.
    void emptyOutsideTable_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("oil 52 name") << OilName(52);
        QTest::newRow("oil 52 planet") << OilPlanet(52);
        QTest::newRow("oil 52 sign") << OilSign(52);
        QTest::newRow("oil 52 element") << OilElement(52);
        QTest::newRow("oil 52 gender") << OilGender(52);
        QTest::newRow("oil 52 magical 0") << OilMagical(52, 0);
        QTest::newRow("oil 52 therapeutic 0") << OilTherapeutic(52, 0);
        QTest::newRow("oil -1 name") << OilName(-1);
        QTest::newRow("Amber magical 1") << OilMagical(0, 1);
        QTest::newRow("magical slot 3") << OilMagical(12, 3);
        QTest::newRow("therapeutic slot 6") << OilTherapeutic(39, 6);
        QTest::newRow("therapeutic slot -1") << OilTherapeutic(39, -1);
        QTest::newRow("planet 10") << PlanetList(10);
        QTest::newRow("sign 12") << SignList(12);
        QTest::newRow("element 4") << ElementList(4);
        QTest::newRow("element -1") << ElementList(-1);
    }
    void emptyOutsideTable()
    {
        QFETCH(QString, value);
        QVERIFY2(value.isEmpty(), qPrintable(value));
    }

    void levels()
    {
        QCOMPARE(AromaQuestionCountForLevel(0), 15);
        QCOMPARE(AromaQuestionCountForLevel(1), 30);
        QCOMPARE(AromaQuestionCountForLevel(2), 50);
        QCOMPARE(AromaQuestionCountForLevel(7), 50); // any level above 1
        AromaModel model;
        model.SetLearnMode(false, 4);
        model.AromaLevel = 1;
        model.StartTest();
        QCOMPARE(model.Test->Count(), 30);
        QCOMPARE(model.Test->Outcome().info.kind, QStringLiteral("Test By Magical Association"));
        QCOMPARE(model.Test->Outcome().info.level, QStringLiteral("Intermediate"));
    }

    // What counts as right on a question about an oil. A property question
    // offers one of the oil's first three properties (of three or more the
    // second twice as often as the first or the third), any of its properties
    // scores, and the result names its first one as the correct answer.
    void keys_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("oil");
        QTest::addColumn<QStringList>("offered");
        QTest::addColumn<QList<double>>("weights");
        QTest::addColumn<QString>("alsoRight");
        QTest::addColumn<QString>("correct");
        QTest::newRow("planet") << 0 << 0 << QStringList{"Jupiter"} << QList<double>{} << QString()
                                << "Jupiter";
        QTest::newRow("gender") << 3 << 22 << QStringList{OilGender(22)} << QList<double>{}
                                << QString() << OilGender(22);
        QTest::newRow("magical, one property")
            << 4 << 0 << QStringList{"Healing"} << QList<double>{1.0} << QString() << "Healing";
        QTest::newRow("magical, two properties")
            << 4 << 3 << QStringList{OilMagical(3, 0), OilMagical(3, 1)}
            << QList<double>{0.5, 0.5} << QString() << OilMagical(3, 0);
        QTest::newRow("magical, three properties")
            << 4 << 12 << QStringList{OilMagical(12, 0), "Memory", "Focus"}
            << QList<double>{0.5, 1.0, 0.5} << QString() << OilMagical(12, 0);
        QTest::newRow("therapeutic, six properties")
            << 5 << 39 << QStringList{OilTherapeutic(39, 0), OilTherapeutic(39, 1), OilTherapeutic(39, 2)}
            << QList<double>{0.5, 1.0, 0.5} << "Reduces Congestion" << OilTherapeutic(39, 0);
        QTest::newRow("magical ampersand")
            << 4 << 50 << QStringList{"Mental && Physical Well Being"} << QList<double>{1.0}
            << QString() << "Mental && Physical Well Being";
    }
    void keys()
    {
        QFETCH(int, kind);
        QFETCH(int, oil);
        QFETCH(QStringList, offered);
        QFETCH(QList<double>, weights);
        QFETCH(QString, alsoRight);
        QFETCH(QString, correct);
        AromaQuizSource source(kind);
        const Quiz::Key key = source.KeyOf(oil);
        QCOMPARE(key.offered, offered);
        QCOMPARE(QList<double>(key.weights.begin(), key.weights.end()), weights);
        QVERIFY(alsoRight.isEmpty() || key.accepted.contains(alsoRight));
        QVERIFY(!key.accepted.contains(QString()));
        QCOMPARE(source.CorrectText(oil, {offered.last()}), correct);
        // A button shows "&&" as one "&"; the record and the review read it so.
        QCOMPARE(source.Shown(offered.first()), AromaLabelText(offered.first()));
    }
};

QTEST_GUILESS_MAIN(tst_modLearnAromatherapy)
#include "tst_modLearnAromatherapy.moc"
