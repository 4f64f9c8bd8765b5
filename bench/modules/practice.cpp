// The memory model and practice with a long history:
//   update_100000_answers_ms   the state of 100,000 answered questions updated (median of 9 rounds)
//   due_list_20000_items_ms    20,000 items ordered by what is due (median of 9 rounds)
// Then a progress file with 100,000 recorded answers over 20,000 items of a
// module (two kinds of 10,000 items, 5,000 tests of 20 questions) is made
// once, and each window is opened and timed until it has been painted:
//   fill_s                     writing the 5,000 tests (one transaction)
//   practice_open_first_ms     "Practice": every item matched with its memory, the list shown
//   practice_open_ms           the same, opened again (median of 5)
//   progress_open_first_ms     "My Progress" the first time (its library loaded)
//   progress_open_ms           "My Progress" opened again (median of 5)
//   suite_open_first_ms,       "Practice" over the four test modules' own items and
//   suite_open_ms              databases (all 1,900 or so of them read and named)
// Prints "practice <name> <value>" lines.
#include "BenchSupport.h"
#include "aromatherapy/AromatherapyModule.h"
#include "cartomancy/CartomancyModule.h"
#include "dream_interpretation/DreamInterpretationModule.h"
#include "palmistry/PalmistryModule.h"
#include "practice/PracticeWindow.h"
#include "progress/Fsrs.h"
#include "progress/ProgressMenu.h"
#include "progress/ProgressRecorder.h"
#include "progress/ProgressStore.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int kItemsPerKind = 10000;
const QString kModule = QStringLiteral("Bench Module");
const QStringList kKinds{QStringLiteral("Kind A"), QStringLiteral("Kind B")};

QString itemName(int item) { return QStringLiteral("Item %1").arg(item); }

// 10,000 items a kind, three choices a question.
class ManyItems : public Quiz::Source {
public:
    Quiz::Layout QuestionLayout() const override { return {3, 1}; }
    Quiz::Pool Items() override { return Quiz::Pool::Even(kItemsPerKind); }
    QString Subject(int item) override { return itemName(item); }
    Quiz::Key KeyOf(int item) override { return {{QString::number(item)}, {}, {}}; }
    Quiz::Pool WrongChoices(int) override { return Quiz::Pool::Even(kItemsPerKind); }
    QString WrongChoiceText(int, int candidate) override { return QString::number(candidate); }
    QString ItemName(int item) override { return itemName(item); }
    ReviewItem ReviewOf(int item) override { return ReviewItem{itemName(item), {}, {}, {}, {}}; }
};

void schedulerFigures() {
    const Fsrs::Scheduler fsrs;
    constexpr int items = 20000;
    constexpr int answers = 100000;
    std::vector<double> updates, dueLists;
    double sink = 0;
    for (int round = 0; round < 9; ++round) {
        std::vector<Fsrs::State> states(items, fsrs.First(Fsrs::Grade::Good));
        QElapsedTimer timer;
        timer.start();
        for (int a = 0; a < answers; ++a) {
            Fsrs::State &state = states[size_t(a % items)];
            state = fsrs.Next(state, 1 + a % 37, a % 7 == 0 ? Fsrs::Grade::Again : Fsrs::Grade::Good);
        }
        updates.push_back(timer.nsecsElapsed() / 1e6);
        std::vector<Fsrs::Review> reviews;
        reviews.reserve(items);
        for (int i = 0; i < items; ++i)
            reviews.push_back({states[size_t(i)].stability, double(i % 60), double(30 - i % 60)});
        timer.restart();
        const std::vector<int> due = fsrs.DueFirst(reviews, 0.5);
        dueLists.push_back(timer.nsecsElapsed() / 1e6);
        sink += double(due.size()) + states.front().stability;
    }
    std::printf("practice update_100000_answers_ms %.2f\n", Bench::Median(updates));
    std::printf("practice due_list_20000_items_ms %.2f\n", Bench::Median(dueLists));
    if (sink <= 0)
        std::printf("practice no_items_due\n");
}

// 5,000 tests of 20 questions over the last 60 days, each item of both kinds
// asked five times in all.
bool fill(const QString &path) {
    Progress::ProgressStore store(path);
    QList<Progress::TestRecord> tests;
    const QDateTime start = QDateTime::currentDateTime().addDays(-60);
    for (int t = 0; t < 5000; ++t) {
        Progress::TestRecord test;
        test.module = kModule;
        test.kind = kKinds[t % 2];
        test.level = QStringLiteral("Basic");
        test.takenAt = start.addSecs(qint64(t) * 60 * 60 * 24 * 60 / 5000);
        test.questionCount = 20;
        for (int q = 0; q < 20; ++q) {
            const bool right = (q * 7 + t) % 5 != 0;
            test.score += right;
            test.answers.append({itemName((t / 2 * 20 + q) % kItemsPerKind), QStringLiteral("given"),
                                 QStringLiteral("correct"), right});
        }
        tests.append(test);
    }
    return store.RecordMany(tests);
}

} // namespace

int main(int argc, char *argv[]) {
    schedulerFigures();

    QApplication app(argc, argv);
    QTemporaryDir sandbox;
    const DataLocations locations = Bench::Locations(sandbox.path());
    auto recorder = std::make_shared<Progress::Recorder>(locations);
    QElapsedTimer timer;
    timer.start();
    if (!fill(recorder->RecordPath())) {
        std::fprintf(stderr, "practice: the test history could not be written\n");
        return 1;
    }
    std::printf("practice fill_s %.2f\n", timer.nsecsElapsed() / 1e9);

    QWidget main;
    main.resize(1000, 700);
    main.show();
    Bench::WaitForPaint(&main);
    Quiz::PracticeSubject subject{kModule, {}};
    for (const QString &kind : kKinds)
        subject.kinds.push_back({kind, [] { return std::make_shared<ManyItems>(); }});
    const PracticeOpener practise = MakePracticeOpener({subject}, recorder);
    // Each window opened, painted and closed six times: the first opening, and the median of the others.
    const auto time = [&](const char *name, const std::function<QDialog *()> &open) {
        std::vector<double> opens;
        for (int round = 0; round < 6; ++round) {
            timer.restart();
            QDialog *window = open();
            if (!window)
                return false;
            Bench::WaitForPaint(window);
            opens.push_back(timer.nsecsElapsed() / 1e6);
            window->close();
            QCoreApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        std::printf("practice %s_open_first_ms %.1f\n", name, opens.front());
        opens.erase(opens.begin());
        std::printf("practice %s_open_ms %.1f\n", name, Bench::Median(opens));
        return true;
    };
    const DataLocations built = Bench::Locations(
        sandbox.path(), {QFileInfo(QStringLiteral(CARD_DATABASE)).path(), QFileInfo(QStringLiteral(DREAM_KEYWORDS_DB)).path()});
    const PracticeOpener suite =
        MakePracticeOpener({AromatherapyPractice(), CartomancyPractice(built), DreamInterpretationPractice(built),
                            PalmistryPractice()},
                           recorder);
    if (!time("practice", [&] { return practise(&main, kModule); }) ||
        !time("progress", [&] { return ShowMyProgress(&main, *recorder, {kModule}); }) ||
        !time("suite", [&] { return suite(&main, QString()); })) {
        std::fprintf(stderr, "practice: a window could not be opened\n");
        return 1;
    }
    return 0;
}
