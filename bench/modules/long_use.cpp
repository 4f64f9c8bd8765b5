// Long use: the main window switches between all six modules again and again
// (1,000 switches), and on each module's first 100 visits takes its test the
// way a user does (Zodiac Yoga: a reading and back; Learn Yoga: a section and
// two lessons; the other four: a whole test). Resident memory (VmRSS) is
// printed at the start, after 100 and after 1,000 switches; once everything
// has been opened it must not grow by more than 2 MB.
//
//   bench-long_use [SWITCHES] [TESTS]     defaults 1000 and 100
//
// Prints "long_use <name> <value>" lines.
#include "BenchSupport.h"
#include "app/SuiteModules.h"
#include "cartomancy/modLearnCartomancyStartup.h"
#include "toolkit/DataLocations.h"
#include "toolkit/ModuleHost.h"
#include "shell/frmMDI.h"
#include "toolkit/modRandom.h"
#include "toolkit/modSettings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <array>
#include <cstdio>
#include <functional>

namespace {

// Resident memory of this process in kB, from /proc/self/status.
long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

// Drives the module that is open, finding its controls by name.
class Driver {
public:
    explicit Driver(QWidget *root) : root_(root) {}

    QAbstractButton *button(const QString &name) const
    {
        return root_->findChild<QAbstractButton *>(name);
    }
    // Clicks the button when it is there and can be clicked; false otherwise.
    bool click(const QString &name) const
    {
        QAbstractButton *b = button(name);
        if (!b || !b->isVisible() || !b->isEnabled())
            return false;
        b->click();
        return true;
    }
    bool visible(const QString &name) const
    {
        const QAbstractButton *b = button(name);
        return b && b->isVisible();
    }
    template <class T> T *find(const QString &name) const { return root_->findChild<T *>(name); }

private:
    QWidget *root_;
};

// One test of each module; false when a control it needs was not found.
bool learnYogaLessons(const Driver &d)
{
    // The section's menu stays open from an earlier visit; a click on its header would close it.
    if (!d.visible(QStringLiteral("Command11")) && !d.click(QStringLiteral("Command1")))
        return false;
    return d.click(QStringLiteral("Command11")) && d.click(QStringLiteral("Command12"));
}

bool zodiacReading(const Driver &d, int round)
{
    auto *name = d.find<QLineEdit>(QStringLiteral("txtName"));
    auto *day = d.find<QComboBox>(QStringLiteral("cboDate"));
    auto *month = d.find<QComboBox>(QStringLiteral("cboMonth"));
    auto *year = d.find<QComboBox>(QStringLiteral("cboYear"));
    if (!name || !day || !month || !year)
        return false;
    name->setText(QStringLiteral("ANNA MARIA"));
    day->setCurrentText(QStringLiteral("14"));
    month->setCurrentIndex(1 + round % 12);
    year->setCurrentText(QStringLiteral("1980"));
    return d.click(QStringLiteral("cmdNext")) && d.click(QStringLiteral("cmdBack"));
}

bool aromatherapyTest(const Driver &d, int round)
{
    auto *kind = d.find<QComboBox>(QStringLiteral("cboTest"));
    auto *level = d.find<QComboBox>(QStringLiteral("cboTestLevel"));
    if (!d.click(QStringLiteral("optChoice2")) || !kind || !level)
        return false;
    kind->setCurrentIndex(round % 6);
    level->setCurrentIndex(0);
    if (!d.click(QStringLiteral("cmdNext")))
        return false;
    int questions = 0;
    while (questions < 200 && d.click(QStringLiteral("cmdNextQuestion")))
        ++questions;
    return questions > 0 && d.click(QStringLiteral("cmdBackToMain(1)"));
}

bool cartomancyTest(const Driver &d, int round)
{
    // The twelve face cards; description and keyword tests in turn.
    const int type = round % 2;
    if (!d.click(QStringLiteral("chkMinor")) ||
        !d.click(QStringLiteral("optTestType(%1)").arg(type)) ||
        !d.click(QStringLiteral("cmdStartTest2")))
        return false;
    for (int q = 0; q < 12; ++q) {
        if (type == 0) {
            for (int i = 0; i < 7; ++i)
                if (d.click(QStringLiteral("optAnswer(%1)").arg(i)))
                    break;
        } else {
            for (int i = 0; i < 10 && !d.button(QStringLiteral("cmdNextQuestion"))->isEnabled();
                 ++i)
                d.click(QStringLiteral("chkKeywords(%1)").arg(i));
        }
        if (!d.click(QStringLiteral("cmdNextQuestion")))
            return false;
    }
    return true;
}

bool dreamTest(const Driver &d, int round)
{
    const bool byKeyword = round % 2 == 0;
    const QString suffix = byKeyword ? QStringLiteral("ForKeyword") : QStringLiteral("ForDesc");
    if (!d.click(QStringLiteral("optMain(1)")) || !d.click(QStringLiteral("cmdNext")) ||
        !d.click(byKeyword ? QStringLiteral("optOption(0)") : QStringLiteral("optOption(1)")) ||
        !d.click(QStringLiteral("cmdNext2")) || !d.click(QStringLiteral("chkSubject(0)")) ||
        !d.click(QStringLiteral("chkSubject(16)")) || !d.click(QStringLiteral("cmdNext3")))
        return false;
    for (int q = 0; q < 7; ++q) // A and Q: 5 + 2 questions
        if (!d.click(QStringLiteral("optChoice%1(%2)").arg(suffix).arg(q % 5)) ||
            !d.click(QStringLiteral("cmdNextQuestion") + suffix))
            return false;
    return d.click(QStringLiteral("cmdGoToMain"));
}

bool palmistryTest(const Driver &d, int round)
{
    if (!d.click(QStringLiteral("optOption(1)")) || !d.click(QStringLiteral("cmdProceed")) ||
        !d.click(QStringLiteral("optTestOption(%1)").arg(round % 3)) ||
        !d.click(QStringLiteral("cmdTestOptionNext")))
        return false;
    for (int q = 0; q < 10; ++q)
        if (!d.click(QStringLiteral("Option1(%1)").arg(q % 4)) ||
            !d.click(QStringLiteral("cmdNextQuestion")))
            return false;
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int switches = argc > 1 ? std::max(100, atoi(argv[1])) : 1000;
    const int tests = argc > 2 ? std::max(0, atoi(argv[2])) : 100;

    // Everything the modules read and write lives in a folder of the run's own.
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("program"));
    QDir(dir.path()).mkpath(QStringLiteral("user"));
    if (!QFile::copy(QStringLiteral(CARD_DATABASE),
                     dir.filePath(QStringLiteral("program/learn.dll"))) ||
        !QFile::copy(QStringLiteral(DREAM_KEYWORDS_DB),
                     dir.filePath(QStringLiteral("program/keywords.dll")))) {
        std::fprintf(stderr, "bench-long_use: the databases of the build cannot be copied\n");
        return 1;
    }
    Random::Seed(2024);

    // Messages the tests end with ("Test Complete" and the like) are answered at once.
    QTimer answer;
    answer.setInterval(0);
    int answered = 0;
    QObject::connect(&answer, &QTimer::timeout, [&answered] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            box->done(QMessageBox::Ok);
            ++answered;
        }
    });
    answer.start();

    frmMDI mdi(DescribeSuite(Bench::Locations(dir.path()), QApplication::arguments()));
    mdi.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    mdi.show();
    Bench::WaitForPaint(&mdi);
    const Driver driver(&mdi);

    using Test = std::function<bool(const Driver &, int)>;
    const std::array<Test, 6> takeTest = {[](const Driver &d, int) { return learnYogaLessons(d); },
                                          zodiacReading,
                                          aromatherapyTest,
                                          cartomancyTest,
                                          dreamTest,
                                          palmistryTest};
    std::array<int, 6> taken{};
    std::array<int, 6> failed{};

    const long start = residentKb();
    long after100 = -1;
    QElapsedTimer clock;
    clock.start();
    for (int i = 1; i <= switches; ++i) {
        const int module = (i - 1) % 6;
        if (!driver.click(QStringLiteral("cmdSelectOption(%1)").arg(module))) {
            std::fprintf(stderr, "bench-long_use: no button for module %d\n", module);
            return 1;
        }
        QApplication::processEvents();
        if (i <= 6 && qEnvironmentVariableIsSet("LONG_USE_VERBOSE"))
            for (QWidget *w : mdi.findChildren<ModuleWindow *>())
                std::fprintf(stderr, "module %d: %s\n", module, qPrintable(w->objectName()));
        if (taken[size_t(module)] < tests) {
            if (!takeTest[size_t(module)](driver, taken[size_t(module)]))
                ++failed[size_t(module)];
            ++taken[size_t(module)];
        }
        // Windows closed by the switch are deleted by the event loop.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QApplication::processEvents();
        if (i == 100)
            after100 = residentKb();
    }
    const long end = residentKb();

    std::printf("long_use switches %d\n", switches);
    std::printf("long_use tests_per_module %d\n", tests);
    for (int m = 0; m < 6; ++m)
        if (failed[size_t(m)] > 0)
            std::printf("long_use module_%d_tests_not_completed %d\n", m, failed[size_t(m)]);
    std::printf("long_use messages_answered %d\n", answered);
    std::printf("long_use seconds %.1f\n", double(clock.elapsed()) / 1000.0);
    std::printf("long_use rss_start_kb %ld\n", start);
    std::printf("long_use rss_after_100_kb %ld\n", after100);
    std::printf("long_use rss_after_%d_kb %ld\n", switches, end);
    std::printf("long_use rss_growth_after_100_kb %ld (limit 2048: %s)\n", end - after100,
                end - after100 <= 2048 ? "within" : "EXCEEDED");
    return 0;
}
