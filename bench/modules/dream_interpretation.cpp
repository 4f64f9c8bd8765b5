// Learn Dream Interpretation: how long one learn step and one question set-up
// take in the window, with the symbols the program ships and with tables 10
// and 100 times larger (generated here into temporary files). Each figure is
// the median over many steps, measured from the click to the window updated.
//   bench-dream_interpretation
#include "BenchSupport.h"
#include "app/SuiteModules.h"
#include "dream_interpretation/KeywordSource.h"
#include "progress/ProgressRecorder.h"
#include "shell/frmMDI.h"
#include "dream_interpretation/frmLearnDreamInterpretationMain.h"
#include "db/RecordSet.h"
#include "toolkit/DataLocations.h"
#include "toolkit/modRandom.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Milliseconds from running `action` to the window having handled what it caused.
double timed(const std::function<void()> &action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    QCoreApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}

std::vector<KeywordSource::Symbol> shippedSymbols()
{
    std::vector<KeywordSource::Symbol> symbols;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench"));
        db.setDatabaseName(QStringLiteral(DREAM_KEYWORDS_DB));
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (db.open()) {
            QSqlQuery q(db);
            q.exec(QStringLiteral("select keyword, Description from tblkeywords"));
            while (q.next())
                symbols.push_back({q.value(0).toString(), q.value(1).toString()});
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench"));
    return symbols;
}

// The shipped symbols `times` over: copies get a number after the keyword,
// so every letter grows by the same factor.
std::vector<KeywordSource::Symbol> enlarged(const std::vector<KeywordSource::Symbol> &symbols, int times)
{
    std::vector<KeywordSource::Symbol> all;
    all.reserve(symbols.size() * size_t(times));
    for (int copy = 1; copy <= times; ++copy)
        for (const KeywordSource::Symbol &s : symbols)
            all.push_back({copy == 1 ? s.keyword : s.keyword + QStringLiteral(" %1").arg(copy), s.description});
    return all;
}

struct Figures {
    double learnStep = 0;
    double learnList = 0;
    double draw = 0;
    double questionSetUp = 0;
    double report = 0;
    double tableWalk = 0;
    double learnStepData = 0;
    double questionSetUpData = 0;
};

Figures measure(const QString &folder)
{
    Figures f;
    // A main window (not shown) is the host of the window measured.
    QTemporaryDir sandbox;
    const DataLocations locations = Bench::Locations(sandbox.path(), {folder});
    frmMDI host(DescribeSuite(locations, QApplication::arguments()));
    auto *window = new frmLearnDreamInterpretationMain(host, std::make_shared<Progress::Recorder>(locations));
    window->resize(900, 540);
    window->show();
    QCoreApplication::processEvents();
    const auto click = [window](const QString &name) {
        if (auto *button = window->findChild<QAbstractButton *>(name))
            button->click();
        else
            std::fprintf(stderr, "no control %s\n", qPrintable(name));
    };
    const auto tick = [&](const QString &letters) {
        for (const QChar c : letters)
            click(QStringLiteral("chkSubject(%1)").arg(c.unicode() - u'A'));
    };

    // Learn: the letters B and S, every entry forward and back again, twice.
    std::vector<double> listTimes, steps;
    for (int round = 0; round < 2; ++round) {
        click(QStringLiteral("optMain(0)"));
        click(QStringLiteral("cmdNext"));
        tick(QStringLiteral("BS"));
        listTimes.push_back(timed([&] { click(QStringLiteral("cmdNext3")); }));
        const int entries = int(std::min<qsizetype>(window->Session().LearnList.size(), 301));
        for (int i = 1; i < entries; ++i)
            steps.push_back(timed([&] { click(QStringLiteral("cmdNextLearn")); }));
        for (int i = 1; i < entries; ++i)
            steps.push_back(timed([&] { click(QStringLiteral("cmdBackLearn")); }));
        click(QStringLiteral("cmdBackToMain"));
    }
    f.learnStep = Bench::Median(steps);
    f.learnList = Bench::Median(listTimes);

    // Tests of both kinds on three letter choices, every question answered.
    std::vector<double> draws, setUps, reports;
    const QStringList choices = {QStringLiteral("AB"), QStringLiteral("AQ"), QStringLiteral("CMSTW")};
    for (int round = 0; round < 6; ++round) {
        const bool byKeyword = round % 2 == 0;
        const QString suffix = byKeyword ? QStringLiteral("ForKeyword") : QStringLiteral("ForDesc");
        click(QStringLiteral("optMain(1)"));
        click(QStringLiteral("cmdNext"));
        click(byKeyword ? QStringLiteral("optOption(0)") : QStringLiteral("optOption(1)"));
        click(QStringLiteral("cmdNext2"));
        tick(choices[round % choices.size()]);
        // The draw of the questions, with the set-up of the first.
        draws.push_back(timed([&] { click(QStringLiteral("cmdNext3")); }));
        const int count = window->Session().DreamQuestionCount;
        for (int q = 0; q < count; ++q) {
            click(QStringLiteral("optChoice%1(%2)").arg(suffix).arg(q % 5));
            const double ms = timed([&] { click(QStringLiteral("cmdNextQuestion") + suffix); });
            (q + 1 < count ? setUps : reports).push_back(ms);
        }
        click(QStringLiteral("cmdGoToMain"));
    }
    f.draw = Bench::Median(draws);
    f.questionSetUp = Bench::Median(setUps);
    f.report = Bench::Median(reports);
    delete window;

    // The database part of the same steps alone, without the window.
    DreamSession session(folder + QStringLiteral("/keywords.dll"));
    session.DreamLetters = {QStringLiteral("B"), QStringLiteral("S")};
    session.BuildLearnList();
    std::vector<double> dataSteps, dataSetUps;
    for (int i = 0; i < 200; ++i)
        dataSteps.push_back(timed([&] {
            session.NextLearnEntry();
            (void)session.ShowLearnEntry();
        }));
    session.DreamTestByKeyword = true;
    for (int round = 0; round < 10; ++round) {
        session.DreamLetters = {QStringLiteral("A"), QStringLiteral("Q"), QStringLiteral("W")};
        session.DrawDreamQuestions();
        for (int q = 0; q < session.DreamQuestionCount; ++q) {
            dataSetUps.push_back(timed([&] { (void)session.AskQuestion(); }));
            session.RecordAnswer(0);
        }
    }
    f.learnStepData = Bench::Median(dataSteps);
    f.questionSetUpData = Bench::Median(dataSetUps);

    // For comparison: reading the whole table in keyword order once, which
    // is what each step would cost if it walked the table.
    std::vector<double> walks;
    for (int i = 0; i < 5; ++i)
        walks.push_back(timed([&] {
            auto db = Db::Database::Open(folder + QStringLiteral("/keywords.dll"));
            Db::RecordSet set = Db::RecordSet::Open(db, QStringLiteral("select * from tblkeywords order by keyword"));
            for (set.MoveFirst(); !set.IsEOF(); set.MoveNext())
                (void)set.Text(QStringLiteral("keyword"));
        }));
    f.tableWalk = Bench::Median(walks);
    return f;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Random::Seed(20240);
    const std::vector<KeywordSource::Symbol> shipped = shippedSymbols();
    if (shipped.empty()) {
        std::fprintf(stderr, "cannot read %s\n", DREAM_KEYWORDS_DB);
        return 1;
    }
    QTemporaryDir dir;
    for (const int times : {1, 10, 100}) {
        const QString folder = dir.filePath(QStringLiteral("x%1").arg(times));
        QDir().mkpath(folder);
        const QString path = folder + QStringLiteral("/keywords.dll");
        const QString error = times == 1 ? (QFile::copy(QStringLiteral(DREAM_KEYWORDS_DB), path) ? QString()
                                                                                               : QStringLiteral("copy failed"))
                                         : KeywordSource::WriteDatabase(path, enlarged(shipped, times));
        if (!error.isEmpty()) {
            std::fprintf(stderr, "%s\n", qPrintable(error));
            return 1;
        }
        const Figures f = measure(folder);
        const QByteArray name = QStringLiteral("dream_interpretation_x%1").arg(times).toLatin1();
        std::printf("%s rows %zu\n", name.constData(), shipped.size() * size_t(times));
        std::printf("%s learn_step_ms %.3f\n", name.constData(), f.learnStep);
        std::printf("%s question_setup_ms %.3f\n", name.constData(), f.questionSetUp);
        std::printf("%s learn_step_data_only_ms %.3f\n", name.constData(), f.learnStepData);
        std::printf("%s question_setup_data_only_ms %.3f\n", name.constData(), f.questionSetUpData);
        std::printf("%s learn_list_ms %.3f\n", name.constData(), f.learnList);
        std::printf("%s question_draw_ms %.3f\n", name.constData(), f.draw);
        std::printf("%s report_ms %.3f\n", name.constData(), f.report);
        std::printf("%s whole_table_walk_ms %.3f\n", name.constData(), f.tableWalk);
        std::fflush(stdout);
    }
    return 0;
}
