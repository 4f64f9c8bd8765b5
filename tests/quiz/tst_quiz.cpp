// The test engine under every graded test. The property suite runs many seeded
// tests of every module's real items, for every kind and level, and checks what
// a learner relies on: no item asked twice, choices that read differently, the
// correct answer on every shown position equally often, tests that end with
// the counts the module promises, and no fixed way of answering blindly that
// beats chance. The figures are printed. Then the draw itself, and how a test
// ends when the data cannot fill its questions.
#include "aromatherapy/modAromaTest.h"
#include "aromatherapy/modLearnAromatherapy.h"
#include "cartomancy/modCardTest.h"
#include "dream_interpretation/modDreamInterpretation.h"
#include "palmistry/modLearnPalmistry.h"
#include "palmistry/modPalmistryTest.h"
#include "quiz/QuizSession.h"

#include <QElapsedTimer>
#include <QSet>
#include <QTest>

#include <cmath>
#include <functional>
#include <map>
#include <random>

namespace {

Quiz::Uniform seeded(std::uint64_t seed) {
    auto generator = std::make_shared<std::mt19937_64>(seed);
    return [generator] { return double((*generator)() >> 11) * 0x1.0p-53; };
}

QString readAs(Quiz::Source &source, const QString &text) {
    return source.Shown(text).simplified();
}

// One kind of test of one module.
struct Kind {
    std::function<std::shared_ptr<Quiz::Source>()> make;
    int questions = 0; // every test has this many
    int tests = 0;     // seeded tests to run
    // What the module's own draw rules demand of a question; empty when kept.
    std::function<QString(Quiz::Source &, const Quiz::Question &)> rule;
};

QString inList(const QString &text, const QStringList &list) {
    return list.contains(text) ? QString() : QStringLiteral("\"%1\" is not a candidate").arg(text);
}

QStringList listOf(QString (*entry)(int), int count) {
    QStringList list;
    for (int i = 0; i < count; ++i)
        list << entry(i);
    return list;
}

QStringList oilProperties(int kind) {
    QStringList all;
    for (int oil = 0; oil < OilCount; ++oil)
        for (int slot = 0; slot < TherapeuticSlots; ++slot)
            all << (kind == 4 ? OilMagical(oil, slot) : OilTherapeutic(oil, slot));
    all.removeAll(QString());
    return all;
}

Kind aromaKind(int kind) {
    QStringList candidates;
    switch (kind) {
    case 0:
        candidates = listOf(PlanetList, PlanetCount);
        break;
    case 1:
        candidates = listOf(SignList, SignCount);
        break;
    case 2:
        candidates = listOf(ElementList, ElementCount);
        break;
    case 3:
        candidates = {QStringLiteral("Male"), QStringLiteral("Female")};
        break;
    default:
        candidates = oilProperties(kind);
    }
    return {[kind] { return std::make_shared<AromaQuizSource>(kind); }, 15, 1000,
            [candidates, kind](Quiz::Source &, const Quiz::Question &q) {
                for (const QString &choice : q.choices)
                    if (const QString problem = inList(choice, candidates); !problem.isEmpty())
                        return problem;
                // A property question asks one of the oil's first three properties.
                if (kind >= 4) {
                    const QString asked = q.choices[q.correct.front()];
                    for (int slot = 0; slot < 3; ++slot)
                        if (asked ==
                            (kind == 4 ? OilMagical(q.item, slot) : OilTherapeutic(q.item, slot)))
                            return QString();
                    return QStringLiteral("%1 is not among the first three").arg(asked);
                }
                return QString();
            }};
}

Kind palmKind(PalmTestKind kind) {
    QStringList taking;
    for (int entry = 0; entry < PalmDrawRange; ++entry)
        if (PalmEntryTakesPartInTests(entry))
            taking << PalmAnswerText(kind, entry);
    return {[kind] { return std::make_shared<PalmQuizSource>(kind); }, PalmQuestionCount, 2000,
            [taking](Quiz::Source &, const Quiz::Question &q) {
                if (!PalmEntryTakesPartInTests(q.item))
                    return QStringLiteral("entry %1 does not take part").arg(q.item);
                for (const QString &choice : q.choices)
                    if (const QString problem = inList(choice, taking); !problem.isEmpty())
                        return problem;
                return QString();
            }};
}

Kind dreamKind(const QStringList &letters, bool byKeyword, int questions) {
    return {[letters, byKeyword] {
                return std::make_shared<DreamQuizSource>(QStringLiteral(DREAM_KEYWORDS_DB), letters,
                                                         byKeyword);
            },
            questions, 1000,
            [letters](Quiz::Source &source, const Quiz::Question &q) {
                const QString keyword = source.ItemName(q.item);
                return letters.contains(keyword.left(1))
                           ? QString()
                           : QStringLiteral("%1 is not of the letters").arg(keyword);
            }};
}

std::shared_ptr<Db::Database> cardDatabase() {
    static const std::shared_ptr<Db::Database> db =
        Db::Database::Open(QStringLiteral(CARD_DATABASE));
    return db;
}

Kind cardKind(CardTestType type, CardTestLevel level, const std::vector<int> &groups, int tests) {
    Db::RecordSet set = Db::RecordSet::Open(
        cardDatabase(), groups.empty() ? QStringLiteral("SELECT * FROM tblCards ORDER BY ID")
                                       : BuildCardQuery(groups));
    const std::vector<CardFace> selection = ReadCardFaces(set);
    return {[selection, type, level] {
                return std::make_shared<CardQuizSource>(cardDatabase(), selection, type, level);
            },
            int(selection.size()),
            tests,
            {}};
}

const std::map<QString, Kind> &kinds() {
    static const std::map<QString, Kind> all = [] {
        std::map<QString, Kind> k;
        const char *aroma[] = {"planet", "sign", "element", "gender", "magical", "therapeutic"};
        for (int kind = 0; kind < AromaTestKindCount; ++kind)
            k[QStringLiteral("aromatherapy %1").arg(QLatin1String(aroma[kind]))] = aromaKind(kind);
        k[QStringLiteral("palmistry name")] = palmKind(PalmTestKind::Name);
        k[QStringLiteral("palmistry significance")] = palmKind(PalmTestKind::Significance);
        k[QStringLiteral("palmistry shape/location")] = palmKind(PalmTestKind::ShapeLocation);
        const QStringList ab{QStringLiteral("A"), QStringLiteral("B")};
        const QStringList rare{QStringLiteral("A"), QStringLiteral("Q"), QStringLiteral("X"),
                               QStringLiteral("Z")};
        k[QStringLiteral("dream by keyword A B")] = dreamKind(ab, true, 10);
        k[QStringLiteral("dream by interpretation A B")] = dreamKind(ab, false, 10);
        k[QStringLiteral("dream by keyword A Q X Z")] = dreamKind(rare, true, 11);
        k[QStringLiteral("dream by interpretation Q")] = dreamKind({QStringLiteral("Q")}, false, 2);
        const char *levels[] = {"beginner", "intermediate", "advanced"};
        for (int level = 0; level < 3; ++level) {
            k[QStringLiteral("cartomancy description %1, 52 cards")
                  .arg(QLatin1String(levels[level]))] =
                cardKind(CardTestType::Description, CardTestLevel(level), {}, 100);
            k[QStringLiteral("cartomancy keywords %1, 52 cards")
                  .arg(QLatin1String(levels[level]))] =
                cardKind(CardTestType::Keywords, CardTestLevel(level), {}, 100);
        }
        k[QStringLiteral("cartomancy description advanced, hearts")] =
            cardKind(CardTestType::Description, CardTestLevel::Advanced, {3, 7}, 1000);
        k[QStringLiteral("cartomancy keywords advanced, hearts")] =
            cardKind(CardTestType::Keywords, CardTestLevel::Advanced, {3, 7}, 1000);
        return k;
    }();
    return all;
}

// The positions a blind strategy picks: `k` positions from `start` on, wrapping.
std::vector<int> blindPick(int start, int k, int shown) {
    std::vector<int> picked;
    for (int j = 0; j < k && shown > 0; ++j)
        picked.push_back((start + j) % shown);
    return picked;
}

// A source for thin data: items 0 .. items-1, each with the given correct texts,
// and wrong-choice candidates with the given texts.
class ThinSource : public Quiz::Source {
public:
    int items = 0;
    Quiz::Layout layout{5, 1};
    QStringList offered{QStringLiteral("right")};
    QStringList wrongTexts;
    bool mayAsk = true;

    Quiz::Layout QuestionLayout() const override { return layout; }
    Quiz::Pool Items() override { return Quiz::Pool::Even(items); }
    bool MayAsk(int, const std::vector<int> &) override { return mayAsk; }
    QString Subject(int item) override { return QStringLiteral("item %1").arg(item); }
    Quiz::Key KeyOf(int) override { return {offered, {}, {}}; }
    Quiz::Pool WrongChoices(int) override { return Quiz::Pool::Even(int(wrongTexts.size())); }
    QString WrongChoiceText(int, int candidate) override { return wrongTexts[candidate]; }
    QString ItemName(int item) override { return Subject(item); }
    ReviewItem ReviewOf(int item) override { return {Subject(item), {}, {}, {}, {}}; }
};

} // namespace

class tst_quiz : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void properties_data() {
        QTest::addColumn<QString>("name");
        for (const auto &entry : kinds())
            QTest::newRow(qPrintable(entry.first)) << entry.first;
    }
    void properties() {
        QFETCH(QString, name);
        const Kind &kind = kinds().at(name);
        QElapsedTimer timer;
        timer.start();
        const std::shared_ptr<Quiz::Source> source = kind.make();
        const Quiz::Layout layout = source->QuestionLayout();

        int questions = 0, repeats = 0, duplicates = 0, misplaced = 0, shortTests = 0;
        int fewerChoices = 0, recordFaults = 0;
        QStringList ruleBroken;
        std::map<int, std::vector<int>> correctAt; // shown count -> correct per position
        std::map<int, int> questionsWith;          // shown count -> questions
        // Blind ways of answering: always the same position(s), from each start.
        std::vector<double> blindScore(size_t(layout.choices), 0.0);
        double chance = 0.0, chanceVariance = 0.0;

        for (int test = 1; test <= kind.tests; ++test) {
            Quiz::Session session(source, {QStringLiteral("Module"), name, QString()},
                                  kind.questions, seeded(std::uint64_t(test)));
            if (session.Count() != kind.questions)
                ++shortTests;
            QSet<int> asked;
            while (!session.Finished()) {
                const Quiz::Question &q = session.CurrentQuestion();
                ++questions;
                if (asked.contains(q.item))
                    ++repeats;
                asked.insert(q.item);

                const int shown = int(q.choices.size());
                QSet<QString> seen;
                for (const QString &choice : q.choices)
                    seen.insert(readAs(*source, choice));
                duplicates += int(q.choices.size() - seen.size());
                seen.remove(QString());
                // Every text that names the item rightly stands only where the answer is.
                const Quiz::Key key = source->KeyOf(q.item);
                QSet<QString> right;
                for (const QString &text : key.offered + key.accepted)
                    right.insert(readAs(*source, text));
                for (int p = 0; p < shown; ++p)
                    if (right.contains(readAs(*source, q.choices[p])) != q.IsCorrect(p))
                        ++misplaced;
                if (shown < layout.choices || q.ToChoose() < layout.toChoose)
                    ++fewerChoices;
                if (kind.rule)
                    if (const QString problem = kind.rule(*source, q); !problem.isEmpty())
                        ruleBroken << problem;

                std::vector<int> &at = correctAt[shown];
                at.resize(size_t(shown), 0);
                for (int p : q.correct)
                    ++at[size_t(p)];
                ++questionsWith[shown];
                const int k = q.ToChoose();
                const double e = shown ? double(k) / shown : 0.0;
                chance += k * e;
                chanceVariance += k * e * (1 - e);
                for (int start = 0; start < layout.choices; ++start)
                    for (int p : blindPick(start, k, shown))
                        blindScore[size_t(start)] += q.IsCorrect(p);

                // Answer with a mix of right and wrong so the result has both.
                session.Answer(test % 2 ? q.correct : blindPick(test, k, shown));
            }
            if (test <= 20) {
                const Quiz::Result &result = session.Outcome();
                const Progress::TestRecord record = result.Record();
                int right = 0;
                for (const Progress::AnswerRecord &answer : record.answers) {
                    right += answer.right;
                    recordFaults += answer.item.isEmpty() || answer.correct.isEmpty();
                }
                recordFaults += record.questionCount != session.Count() ||
                                record.answers.size() != session.Count() ||
                                record.maxScore != result.MaxScore() ||
                                record.score != result.Score() ||
                                result.MissedItems().size() != session.Count() - right;
            }
        }

        // The figures.
        QString positions;
        double worstChi2 = 0.0;
        bool uneven = false;
        for (const auto &[shown, at] : correctAt) {
            const int n = questionsWith[shown];
            positions += QStringLiteral(" %1 shown (%2 questions):").arg(shown).arg(n);
            double perPosition = 0;
            for (int count : at)
                perPosition += count;
            perPosition /= shown;
            double chi2 = 0.0;
            for (int count : at) {
                positions += QStringLiteral(" %1%").arg(100.0 * count / n, 0, 'f', 1);
                chi2 += perPosition > 0
                            ? (count - perPosition) * (count - perPosition) / perPosition
                            : 0.0;
            }
            worstChi2 = std::max(worstChi2, chi2);
            // Beyond the 1-in-10,000 point of chi-square with shown - 1 degrees of freedom.
            const double limit[] = {0, 0, 15.1, 18.4, 21.1, 23.5, 25.7, 27.9, 29.9, 31.8, 33.7};
            if (n >= 50 && shown >= 2 && chi2 > limit[std::min(shown, 10)])
                uneven = true;
        }
        const double noise = 4 * std::sqrt(chanceVariance);
        QString blind;
        double worstBlind = 0.0;
        for (int start = 0; start < layout.choices; ++start) {
            blind += QStringLiteral(" %1").arg(blindScore[size_t(start)] / questions, 0, 'f', 3);
            worstBlind = std::max(worstBlind, std::abs(blindScore[size_t(start)] - chance));
        }
        qInfo(
            "%s: %d tests, %d questions, %d short tests, %d with fewer choices; repeats %d, "
            "duplicate choices %d, right texts off the answer %d; correct at%s (chi2 %.1f); "
            "blind always-the-same scores%s per question against chance %.3f (4 sd %.3f); %lld ms",
            qPrintable(name), kind.tests, questions, shortTests, fewerChoices, repeats, duplicates,
            misplaced, qPrintable(positions), worstChi2, qPrintable(blind), chance / questions,
            noise / questions, timer.elapsed());

        QCOMPARE(shortTests, 0);
        QCOMPARE(repeats, 0);
        QCOMPARE(duplicates, 0);
        QCOMPARE(misplaced, 0);
        QCOMPARE(fewerChoices, 0); // the shipped items fill every question
        QCOMPARE(ruleBroken.mid(0, 3), QStringList());
        QCOMPARE(recordFaults, 0);
        QVERIFY2(!uneven, qPrintable(positions));
        QVERIFY2(worstBlind <= noise, qPrintable(blind));
    }

    // The bounded draw gives each admissible candidate the chance the plain
    // "draw again" loop would: the nearest rounding keeps the half weight on
    // the ends themselves, not on the first and last admissible candidates.
    void drawAdmitted_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("admissible");
        QTest::addColumn<QList<double>>("chances");
        QTest::newRow("0-2 all") << 3 << QList<int>{0, 1, 2} << QList<double>{0.25, 0.5, 0.25};
        QTest::newRow("0-1 all") << 2 << QList<int>{0, 1} << QList<double>{0.5, 0.5};
        QTest::newRow("ends of 0-51 and one inside")
            << 52 << QList<int>{0, 1, 51} << QList<double>{0.25, 0.5, 0.25};
        QTest::newRow("one end, two inside")
            << 12 << QList<int>{2, 7, 11} << QList<double>{0.4, 0.4, 0.2};
        QTest::newRow("one left") << 52 << QList<int>{17} << QList<double>{1.0};
        QTest::newRow("none left") << 52 << QList<int>{} << QList<double>{};
    }
    void drawAdmitted() {
        QFETCH(int, count);
        QFETCH(QList<int>, admissible);
        QFETCH(QList<double>, chances);
        const Quiz::Pool pool = Quiz::Pool::NearestEnds(count);
        const Quiz::Uniform uniform = seeded(7);
        constexpr int draws = 40000;
        std::map<int, int> seen;
        for (int i = 0; i < draws; ++i)
            ++seen[Quiz::DrawAdmitted(
                pool, [&](int c) { return admissible.contains(c); }, uniform)];
        if (admissible.isEmpty()) {
            QCOMPARE(seen[-1], draws);
            return;
        }
        QCOMPARE(int(seen.size()), int(admissible.size()));
        for (int i = 0; i < admissible.size(); ++i)
            QVERIFY2(std::abs(double(seen[admissible[i]]) / draws - chances[i]) < 0.015,
                     qPrintable(QString::number(admissible[i])));
    }

    // Data too thin for the layout: the test and its questions are shorter,
    // every draw ends, and what is shown stays true.
    void thinData() {
        auto source = std::make_shared<ThinSource>();
        source->items = 3;
        source->wrongTexts = {QStringLiteral("right"), QStringLiteral(" right "),
                              QStringLiteral("wrong"), QStringLiteral("wrong"), QString()};
        Quiz::Session session(source, {}, 10, seeded(1));
        QCOMPARE(session.Count(), 3); // each item once
        const Quiz::Question &q = session.CurrentQuestion();
        QCOMPARE(q.choices.size(), 2); // "right" once, "wrong" once, no empty choice
        QCOMPARE(q.ToChoose(), 1);
        QCOMPARE(q.choices[q.correct.front()], QStringLiteral("right"));
        QCOMPARE(q.Progress(), QStringLiteral("Question 1 of 3"));

        // Positions not shown, repeated, or more than the question asks for count for nothing.
        const int wrong = 1 - q.correct.front();
        QVERIFY(!session.Answer(std::vector<int>{wrong, q.correct.front(), 7}));
        QVERIFY(!session.Answer(std::vector<int>{-1, 5}));
        QVERIFY(session.Answer(session.CurrentQuestion().correct.front()));
        QVERIFY(session.Finished());
        QVERIFY(session.Answer(0)); // a finished test takes no more
        const Quiz::Result &result = session.Outcome();
        QCOMPARE(result.Count(), 3);
        QCOMPARE(result.Score(), 1);
        QCOMPARE(result.questions[0].given, QStringList{QStringLiteral("wrong")});
        QCOMPARE(result.questions[1].given, QStringList());
        QCOMPARE(result.MissedItems().size(), 2);
        QCOMPARE(result.MissedItems().front().correct, QStringLiteral("right"));

        // No correct text and no wrong one: a question with nothing to choose, right when left.
        source->offered.clear();
        source->wrongTexts.clear();
        Quiz::Session empty(source, {}, 1, seeded(2));
        QCOMPARE(empty.CurrentQuestion().choices.size(), 0);
        QCOMPARE(empty.CurrentQuestion().ToChoose(), 0);
        QVERIFY(empty.Answer(std::vector<int>{}));
        QVERIFY(empty.Outcome().questions[0].Right());

        // Nothing may be asked, or there is nothing: a test of no questions, finished at once.
        source->mayAsk = false;
        Quiz::Session refused(source, {}, 5, seeded(3));
        source->items = 0;
        Quiz::Session none(source, {}, 5, seeded(4));
        for (Quiz::Session *s : {&refused, &none}) {
            QCOMPARE(s->Count(), 0);
            QVERIFY(s->Finished());
            QCOMPARE(s->CurrentQuestion().item, -1);
            QCOMPARE(s->Outcome().Record().answers.size(), 0);
        }

        // A pool whose every weight is zero gives nothing, at once.
        QCOMPARE(Quiz::DrawAdmitted(
                     Quiz::Pool::Weighted({0.0, 0.0}), [](int) { return true; }, seeded(5)),
                 -1);
    }
};

QTEST_GUILESS_MAIN(tst_quiz)
#include "tst_quiz.moc"
