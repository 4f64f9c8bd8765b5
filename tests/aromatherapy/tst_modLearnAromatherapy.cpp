// The oil catalogue: its counts, its exact texts, the irritant list and the
// candidate lists, and that loading it restores every slot.
#include "aromatherapy/modLearnAromatherapy.h"

#include <QSet>
#include <QTest>

namespace {

enum class Table { Magical, Therapeutic };

int usedSlots(Table table) { return table == Table::Magical ? 3 : 6; }

const QString &slot(Table table, int oil, int k)
{
    return table == Table::Magical ? OilMagical[std::size_t(oil)][std::size_t(k)]
                                   : OilTherapeutic[std::size_t(oil)][std::size_t(k)];
}

// Number of filled property slots of an oil, or -1 when a filled slot follows an empty one.
int filledSlots(Table table, int oil)
{
    const int total = table == Table::Magical ? MagicalSlots : TherapeuticSlots;
    int filled = 0;
    while (filled < total && !slot(table, oil, filled).isEmpty())
        ++filled;
    for (int k = filled; k < total; ++k)
        if (!slot(table, oil, k).isEmpty())
            return -1;
    return filled;
}

QStringList oilsWithSlot(Table table, int k)
{
    QStringList names;
    for (int o = 0; o < OilCount; ++o)
        if (!slot(table, o, k).isEmpty())
            names << OilName[std::size_t(o)];
    return names;
}

} // namespace

Q_DECLARE_METATYPE(Table)

class tst_modLearnAromatherapy : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { LoadOilCatalogue(); }

    void propertyCounts_data()
    {
        QTest::addColumn<Table>("table");
        QTest::addColumn<QList<int>>("oilsWithCount"); // index n-1: oils with n properties
        QTest::newRow("magical") << Table::Magical << QList<int>{15, 27, 10};
        QTest::newRow("therapeutic") << Table::Therapeutic << QList<int>{12, 16, 11, 9, 3, 1};
    }
    void propertyCounts()
    {
        QFETCH(Table, table);
        QFETCH(QList<int>, oilsWithCount);
        QList<int> counted(oilsWithCount.size(), 0);
        for (int o = 0; o < OilCount; ++o) {
            const int n = filledSlots(table, o);
            QVERIFY2(n >= 1 && n <= usedSlots(table),
                     qPrintable(OilName[std::size_t(o)] + QStringLiteral(": slots with a gap, "
                                                                         "none, or too many")));
            ++counted[n - 1];
        }
        QCOMPARE(counted, oilsWithCount);
    }

    void valueFrequencies_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("oils");
        QTest::newRow("Venus") << "planet" << "Venus" << 13;
        QTest::newRow("Aphrodisiac") << "therapeutic" << "Aphrodisiac" << 10;
        QTest::newRow("Pain Reliever") << "therapeutic" << "Pain Reliever" << 10;
        QTest::newRow("Love") << "magical" << "Love" << 7;
    }
    void valueFrequencies()
    {
        QFETCH(QString, column);
        QFETCH(QString, value);
        QFETCH(int, oils);
        int found = 0;
        for (std::size_t o = 0; o < OilCount; ++o) {
            if (column == QLatin1String("planet"))
                found += OilPlanet[o] == value;
            else if (column == QLatin1String("magical"))
                found += int(std::count(OilMagical[o].begin(), OilMagical[o].end(), value));
            else
                found += int(std::count(OilTherapeutic[o].begin(), OilTherapeutic[o].end(), value));
        }
        QCOMPARE(found, oils);
    }

    void lastSlots()
    {
        QCOMPARE(oilsWithSlot(Table::Magical, 2),
                 (QStringList{"Clove", "Gardenia", "Heliotrope", "Hyacinth", "Lavender", "Lemon",
                              "Pine", "Strawberry", "Vetivert", "Ylang Ylang"}));
        QCOMPARE(oilsWithSlot(Table::Therapeutic, 5), QStringList{"Peppermint"});
        QCOMPARE(OilTherapeutic[39][5], QStringLiteral("Reduces Congestion"));
    }

    // Texts whose exact spelling matters: spacing, capitals and the doubled ampersand.
    void exactTexts_data()
    {
        QTest::addColumn<QString>("actual");
        QTest::addColumn<QString>("expected");
        QTest::newRow("first oil") << OilName[0] << "Amber";
        QTest::newRow("last oil") << OilName[51] << "Ylang Ylang";
        QTest::newRow("oil 29") << OilName[29] << "Lily of the Valley";
        QTest::newRow("Self -Confidence") << OilMagical[20][1] << "Self -Confidence";
        QTest::newRow("Vanilla Self -Confidence") << OilMagical[47][0] << "Self -Confidence";
        QTest::newRow("Increases Self - Confidence")
            << OilTherapeutic[20][0] << "Increases Self - Confidence";
        QTest::newRow("Bergamot magical") << OilMagical[5][0] << "Increases Self - Confidence";
        QTest::newRow("Sense of security") << OilTherapeutic[36][1] << "Sense of security";
        QTest::newRow("ampersand") << OilMagical[50][0] << "Mental && Physical Well Being";
        QTest::newRow("Promotes Self - Acceptance")
            << OilTherapeutic[29][1] << "Promotes Self - Acceptance";
        QTest::newRow("Promotes Self Acceptance")
            << OilTherapeutic[46][1] << "Promotes Self Acceptance";
        QTest::newRow("Insect Repellant") << OilTherapeutic[11][0] << "Insect Repellant";
        QTest::newRow("Pluto") << OilPlanet[17] << "Pluto";
        QTest::newRow("Citronella gender") << OilGender[11] << "Female";
        QTest::newRow("Hyacinth gender") << OilGender[22] << "Male";
        QTest::newRow("Ylang Ylang slot 4") << OilTherapeutic[51][4] << "Antiseptic";
    }
    void exactTexts()
    {
        QFETCH(QString, actual);
        QFETCH(QString, expected);
        QCOMPARE(actual, expected);
    }

    // Every association comes from the lists the tests draw wrong answers from,
    // names are unique and no oil holds a property twice.
    void consistency()
    {
        const auto listSet = [](const auto &list) {
            QSet<QString> set;
            for (const QString &entry : list)
                if (!entry.isEmpty())
                    set.insert(entry);
            return set;
        };
        const QSet<QString> planets = listSet(PlanetList);
        const QSet<QString> signs = listSet(SignList);
        const QSet<QString> elements = listSet(ElementList);
        QCOMPARE(planets.size(), 10);
        QCOMPARE(signs.size(), 12);
        QCOMPARE(elements.size(), 4);
        QSet<QString> names;
        for (std::size_t o = 0; o < OilCount; ++o) {
            const QString &name = OilName[o];
            QVERIFY2(!name.isEmpty(), "unnamed oil");
            names.insert(name);
            QVERIFY2(planets.contains(OilPlanet[o]), qPrintable(name));
            QVERIFY2(signs.contains(OilSign[o]), qPrintable(name));
            QVERIFY2(elements.contains(OilElement[o]), qPrintable(name));
            QVERIFY2(OilGender[o] == QLatin1String("Male") || OilGender[o] == QLatin1String("Female"),
                     qPrintable(name));
            for (Table table : {Table::Magical, Table::Therapeutic}) {
                QSet<QString> seen;
                for (int k = 0; k < usedSlots(table); ++k) {
                    const QString &p = slot(table, int(o), k);
                    if (p.isEmpty())
                        continue;
                    QVERIFY2(!seen.contains(p), qPrintable(name + QStringLiteral(": ") + p));
                    QCOMPARE(p.trimmed(), p);
                    seen.insert(p);
                }
            }
        }
        QCOMPARE(names.size(), OilCount);
    }

    void candidateLists()
    {
        QCOMPARE(QStringList(PlanetList.begin(), PlanetList.end()),
                 (QStringList{"Jupiter", "Venus", "Neptune", "Sun", "Mercury", "Moon", "Saturn",
                              "Pluto", "Mars", "Uranus", ""}));
        QCOMPARE(QStringList(SignList.begin(), SignList.end()),
                 (QStringList{"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Libra", "Virgo",
                              "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces", ""}));
        QCOMPARE(QStringList(ElementList.begin(), ElementList.end()),
                 (QStringList{"Earth", "Water", "Fire", "Air", ""}));
    }

    void irritantOils()
    {
        const QStringList expected{"Bergamot",   "Camphor", "Cinnamon",      "Citronella",
                                   "Clove",      "Frankincense", "Lemon", "Lemon Verbena",
                                   "Myrrh",      "Oakmoss", "Orange",        "Peppermint",
                                   "Rosemary",   "Wintergreen"};
        QStringList named;
        for (int i = 0; i < IrritantCount; ++i)
            named << OilName[std::size_t(IrritantOils[std::size_t(i)])];
        QCOMPARE(named, expected);
        QCOMPARE(IrritantOils[0], std::int16_t(5));
        QCOMPARE(IrritantOils[13], std::int16_t(50));
        QCOMPARE(IrritantOils[14], std::int16_t(0));
    }

    // Slot 52 and every unused slot stay empty, and a second load writes every
    // slot again, so stray values do not survive it.
    void reloadRestoresEverySlot()
    {
        OilName[52] = QStringLiteral("stray");
        OilMagical[0][3] = QStringLiteral("stray");
        OilTherapeutic[39][6] = QStringLiteral("stray");
        OilMagical[0][1] = QStringLiteral("stray");
        OilPlanet[3] = QStringLiteral("stray");
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
        for (const QString &p : OilMagical[52])
            QVERIFY(p.isEmpty());
        for (const QString &p : OilTherapeutic[52])
            QVERIFY(p.isEmpty());
        QVERIFY(OilMagical[0][1].isEmpty());
        QCOMPARE(OilPlanet[3], QStringLiteral("Sun"));
        QVERIFY(PlanetList[10].isEmpty());
        QVERIFY(SignList[12].isEmpty());
        QVERIFY(ElementList[4].isEmpty());
        QCOMPARE(IrritantOils[14], std::int16_t(0));
        QCOMPARE(IrritantOils[0], std::int16_t(5));
    }
};

QTEST_GUILESS_MAIN(tst_modLearnAromatherapy)
#include "tst_modLearnAromatherapy.moc"
