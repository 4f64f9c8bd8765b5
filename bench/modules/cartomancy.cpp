// Learn Cartomancy: how long a memorise step ("Next >>") and the set-up of a
// test question ("Next Question") take, with the supplied deck and with a
// deck one hundred times larger (5200 cards, 41600 keywords) made for the run.
// Each figure is the median over many steps, handler and repaint included.
//
//   bench-cartomancy [DATABASE]
//
// DATABASE defaults to the learn.dll the build generated.
#include "BenchSupport.h"
#include "cartomancy/frmLearnCartomancyMain.h"
#include "app/SuiteModules.h"
#include "cartomancy/modLearnCartomancyStartup.h"
#include "progress/ProgressRecorder.h"
#include "shell/frmMDI.h"
#include "toolkit/DataLocations.h"
#include "toolkit/modSettings.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The supplied deck copied 100 times over: cards 1..5200 and keyword rows
// 1..41600, every name and keyword made distinct by its copy number.
bool makeLargeDeck(const QString &supplied, const QString &path)
{
    QFile::remove(path);
    if (!QFile::copy(supplied, path))
        return false;
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("large-deck"));
        db.setDatabaseName(path);
        ok = db.open() && db.transaction();
        QSqlQuery q(db);
        for (int copy = 1; ok && copy < 100; ++copy) {
            ok = q.exec(QStringLiteral("INSERT INTO tblCards (Id, Name, \"Group\", NormalMeaning, ReversedMeaning, "
                                       "PictureData) SELECT Id + %1, Name || ' %2', \"Group\", NormalMeaning || ' "
                                       "(%2)', ReversedMeaning, PictureData FROM tblCards WHERE Id <= 52")
                            .arg(52 * copy)
                            .arg(copy)) &&
                 q.exec(QStringLiteral("INSERT INTO tblKeywords (Id, CardID, CardName, keyword) SELECT Id + %1, "
                                       "CardID + %2, CardName || ' %3', keyword || ' %3' FROM tblKeywords "
                                       "WHERE Id <= 416")
                            .arg(416 * copy)
                            .arg(52 * copy)
                            .arg(copy));
        }
        if (!ok)
            std::fprintf(stderr, "large deck: %s\n", qPrintable(q.lastError().text()));
        ok = ok && db.commit();
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("large-deck"));
    return ok;
}

QAbstractButton *button(QWidget *window, const QString &name)
{
    return window->findChild<QAbstractButton *>(name);
}

double timed(const std::function<void()> &step)
{
    QElapsedTimer timer;
    timer.start();
    step();
    QApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}

struct Figures {
    double memorise = 0;
    double description = 0;
    double keywords = 0;
};

Figures measure(const QString &root, const QString &folder, int cards, int steps)
{
    // A main window (not shown) is the host of the window measured.
    const DataLocations locations = Bench::Locations(root, {folder});
    frmMDI host(DescribeSuite(locations, QApplication::arguments()));
    Figures figures;
    auto *window = new frmLearnCartomancyMain(host, std::make_shared<Progress::Recorder>(locations));
    window->show();
    QApplication::processEvents();

    // Memorise: forward through the selection, back again at its end.
    button(window, QStringLiteral("cmdSetOption"))->click();
    std::vector<double> memorise;
    QAbstractButton *next = button(window, QStringLiteral("cmdNext"));
    QAbstractButton *previous = button(window, QStringLiteral("cmdPrevious"));
    bool forward = true;
    for (int i = 0; i < steps; ++i) {
        if (window->MemorizePosition() >= cards)
            forward = false;
        else if (window->MemorizePosition() <= 1)
            forward = true;
        memorise.push_back(timed([&] { (forward ? next : previous)->click(); }));
    }
    figures.memorise = Bench::Median(memorise);

    // Questions at "Advanced", answered and moved on; the test is left before its end.
    for (int type = 0; type < 2; ++type) {
        button(window, QStringLiteral("optTestType(%1)").arg(type))->click();
        button(window, QStringLiteral("optDifficulty(2)"))->click();
        button(window, QStringLiteral("cmdStartTest2"))->click();
        std::vector<double> setUp;
        const int questions = std::min(steps, cards - 1); // "Test Complete" would wait for an answer
        for (int q = 0; q < questions; ++q) {
            if (type == 0) {
                button(window, QStringLiteral("optAnswer(0)"))->click();
            } else {
                int ticked = 0;
                for (int i = 0; i < 10 && ticked < 5; ++i) {
                    auto *box = qobject_cast<QCheckBox *>(button(window, QStringLiteral("chkKeywords(%1)").arg(i)));
                    if (box && box->isVisible()) {
                        box->click();
                        ++ticked;
                    }
                }
            }
            setUp.push_back(timed([&] { button(window, QStringLiteral("cmdNextQuestion"))->click(); }));
        }
        (type == 0 ? figures.description : figures.keywords) = Bench::Median(setUp);
        window->findChild<QWidget *>(QStringLiteral("SSTab1"))->setProperty("currentIndex", 1);
    }
    delete window;
    return figures;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = QApplication::arguments();
#ifdef CARD_DATABASE
    const QString built = QStringLiteral(CARD_DATABASE);
#else
    const QString built = DataLocations::OfProgram().ProgramFile(QStringLiteral("learn.dll"));
#endif
    const QString supplied = args.size() > 1 ? args[1] : built;
    if (!QFileInfo::exists(supplied)) {
        std::fprintf(stderr, "bench-cartomancy: no learn.dll found (give its path)\n");
        return 1;
    }

    // Everything the window writes goes to a folder of the run's own.
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("small"));
    QDir(dir.path()).mkpath(QStringLiteral("large"));
    QFile::copy(supplied, dir.filePath(QStringLiteral("small/learn.dll")));
    if (!makeLargeDeck(supplied, dir.filePath(QStringLiteral("large/learn.dll"))))
        return 1;

    const Figures small = measure(dir.path(), dir.filePath(QStringLiteral("small")), 52, 102);
    const Figures large = measure(dir.path(), dir.filePath(QStringLiteral("large")), 5200, 300);
    std::printf("learn_cartomancy memorise_step_ms %.2f\n", small.memorise);
    std::printf("learn_cartomancy memorise_step_100x_ms %.2f\n", large.memorise);
    std::printf("learn_cartomancy description_question_ms %.2f\n", small.description);
    std::printf("learn_cartomancy description_question_100x_ms %.2f\n", large.description);
    std::printf("learn_cartomancy keyword_question_ms %.2f\n", small.keywords);
    std::printf("learn_cartomancy keyword_question_100x_ms %.2f\n", large.keywords);
    return 0;
}
