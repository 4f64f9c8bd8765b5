// The oil catalogue: its stated counts, texts whose spelling matters, the
// irritant list, and that loading writes every slot.
#include "aromatherapy/modLearnAromatherapy.h"

#include <QTest>

namespace {

// Property slot k of an oil; magical when `magical`, else therapeutic.
const QString &oilProperty(bool magical, int oil, int k)
{
    return magical ? OilMagical[std::size_t(oil)][std::size_t(k)]
                   : OilTherapeutic[std::size_t(oil)][std::size_t(k)];
}

QStringList oilsWithSlot(bool magical, int k)
{
    QStringList names;
    for (int o = 0; o < OilCount; ++o)
        if (!oilProperty(magical, o, k).isEmpty())
            names << OilName[std::size_t(o)];
    return names;
}

} // namespace

class tst_modLearnAromatherapy : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { LoadOilCatalogue(); }

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
                QVERIFY2(oilProperty(magical, o, k).isEmpty(), qPrintable(OilName[std::size_t(o)]));
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
        for (std::size_t o = 0; o < OilCount; ++o) {
            if (column == 0)
                found += OilPlanet[o] == value;
            else if (column == 1)
                found += int(std::count(OilMagical[o].begin(), OilMagical[o].end(), value));
            else
                found += int(std::count(OilTherapeutic[o].begin(), OilTherapeutic[o].end(), value));
        }
        QCOMPARE(found, oils);
    }

    void lastSlotsAndExactTexts()
    {
        QCOMPARE(oilsWithSlot(true, 2),
                 (QStringList{"Clove", "Gardenia", "Heliotrope", "Hyacinth", "Lavender", "Lemon",
                              "Pine", "Strawberry", "Vetivert", "Ylang Ylang"}));
        QCOMPARE(oilsWithSlot(false, 5), QStringList{"Peppermint"});
        QCOMPARE(OilTherapeutic[39][5], QStringLiteral("Reduces Congestion"));
        QCOMPARE(OilMagical[20][1], QStringLiteral("Self -Confidence"));
        QCOMPARE(OilTherapeutic[20][0], QStringLiteral("Increases Self - Confidence"));
        QCOMPARE(OilTherapeutic[36][1], QStringLiteral("Sense of security"));
        QCOMPARE(OilMagical[50][0], QStringLiteral("Mental && Physical Well Being"));
        QCOMPARE(OilName[29], QStringLiteral("Lily of the Valley"));
    }

    void irritantOils()
    {
        QStringList named;
        for (int i = 0; i < IrritantCount; ++i)
            named << OilName[std::size_t(IrritantOils[std::size_t(i)])];
        QCOMPARE(named, (QStringList{"Bergamot", "Camphor", "Cinnamon", "Citronella", "Clove",
                                     "Frankincense", "Lemon", "Lemon Verbena", "Myrrh", "Oakmoss",
                                     "Orange", "Peppermint", "Rosemary", "Wintergreen"}));
        QCOMPARE(IrritantOils[0], std::int16_t(5));
        QCOMPARE(IrritantOils[13], std::int16_t(50));
    }

    // Slot 52 and every unused slot read as empty, and a second load writes
    // every slot again, so stray values do not survive it.
    void reloadRestoresEverySlot()
    {
        OilName[52] = OilMagical[0][3] = OilTherapeutic[39][6] = OilMagical[0][1] = OilPlanet[3] =
            PlanetList[10] = QStringLiteral("stray");
        IrritantOils[14] = 7;
        IrritantOils[0] = 0;
        LoadOilCatalogue();

        for (const auto *table : {&OilName, &OilPlanet, &OilSign, &OilElement, &OilGender})
            QVERIFY((*table)[52].isEmpty());
        for (std::size_t o = 0; o < OilSlots; ++o) {
            QVERIFY(OilMagical[o][3].isEmpty());
            QVERIFY(OilTherapeutic[o][6].isEmpty());
        }
        QCOMPARE(std::count(OilMagical[52].begin(), OilMagical[52].end(), QString()), 4);
        QCOMPARE(std::count(OilTherapeutic[52].begin(), OilTherapeutic[52].end(), QString()), 7);
        QVERIFY(OilMagical[0][1].isEmpty());
        QCOMPARE(OilPlanet[3], QStringLiteral("Sun"));
        QVERIFY(PlanetList[10].isEmpty() && SignList[12].isEmpty() && ElementList[4].isEmpty());
        QCOMPARE(PlanetList[9], QStringLiteral("Uranus"));
        QCOMPARE(IrritantOils[14], std::int16_t(0));
        QCOMPARE(IrritantOils[0], std::int16_t(5));
    }
};

QTEST_GUILESS_MAIN(tst_modLearnAromatherapy)
#include "tst_modLearnAromatherapy.moc"
