// One copy of the suite per user: the lock, and a second launch that hands its
// files to the running copy (the real program started as the second launch),
// the hand-over message itself, and a lock that cannot be made at all.
#include "app/SuiteModules.h"
#include "shell/Handover.h"
#include "shell/Startup.h"
#include "shell/frmMDI.h"
#include "support/TestSupport.h"
#include "zodiac_yoga/modReadingFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <thread>

using namespace Qt::Literals::StringLiterals;

class TestSingleInstance : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lockOutcomes();
    void secondLaunchHandsOverItsReading();
    void handOverWithNobodyListening();
    void messageReadsBackAndRefusesDamage_data();
    void messageReadsBackAndRefusesDamage();
};

// A lock held by a live copy means "already running"; one that cannot be made
// (its folder is a file) says nothing about another copy.
void TestSingleInstance::lockOutcomes()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(u"suite.lock"_s);
    {
        SingleInstance first(path);
        QCOMPARE(first.Acquire(), SingleInstance::Outcome::First);
        QVERIFY(first.Holds());
        SingleInstance second(path);
        QCOMPARE(second.Acquire(), SingleInstance::Outcome::AlreadyRunning);
    }
    SingleInstance again(path);
    QCOMPARE(again.Acquire(), SingleInstance::Outcome::First);

    QFile plain(dir.filePath(u"plain"_s));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    plain.close();
    SingleInstance nowhere(dir.filePath(u"plain/suite.lock"_s));
    QCOMPARE(nowhere.Acquire(), SingleInstance::Outcome::Unavailable);
    QVERIFY(!nowhere.Holds());
    QVERIFY2(nowhere.Problem().startsWith(QDir::toNativeSeparators(dir.filePath(u"plain"_s))),
             qPrintable(nowhere.Problem()));
}

// This test plays the running suite (its lock, its hand-over socket, its main
// window); the real program is started as the second launch with a saved
// reading. It ends at once with status 0, and the reading opens here.
void TestSingleInstance::secondLaunchHandsOverItsReading()
{
    TestSupport::Sandbox sandbox;
    QTemporaryDir runtime;
    const QString reading = sandbox.folder() + u"/anna.zoy"_s;
    QVERIFY(ReadingFile::Save(reading, {u"ANNA"_s, u"21"_s, u"March"_s, u"1980"_s}));

    SingleInstance running(runtime.filePath(u"learning-suite.lock"_s));
    QCOMPARE(running.Acquire(), SingleInstance::Outcome::First);
    frmMDI mdi(DescribeSuite(sandbox.locations(), {u"learning-suite"_s}));
    mdi.show();
    mdi.showMinimized();
    QStringList handed;
    Handover::Server server(runtime.filePath(u"learning-suite.socket"_s),
                            [&](const QStringList &files) {
                                handed = files;
                                OpenHandedFiles(mdi, files);
                            });
    QVERIFY(server.Listen());

    QProcess second;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"XDG_RUNTIME_DIR"_s, runtime.path());
    env.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    second.setProcessEnvironment(env);
    second.setWorkingDirectory(sandbox.folder());
    second.start(QStringLiteral(SUITE_PROGRAM), {u"anna.zoy"_s}); // relative to its own folder
    QVERIFY(second.waitForStarted());
    QTRY_COMPARE_WITH_TIMEOUT(second.state(), QProcess::NotRunning, 20000);
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(handed, QStringList{reading});
    QVERIFY(!mdi.isMinimized());
    QWidget *display = mdi.findChild<QWidget *>(u"frmZodiacYogaDisplay"_s);
    QVERIFY(display && display->isVisible());
}

void TestSingleInstance::handOverWithNobodyListening()
{
    QTemporaryDir runtime;
    QVERIFY(!Handover::HandOver(runtime.filePath(u"none.socket"_s), {u"/tmp/a.zoy"_s}, 500));
    // Whatever a copy that crashed left under the socket's name is replaced by the next.
    const QString path = runtime.filePath(u"left.socket"_s);
    QFile stale(path);
    QVERIFY(stale.open(QIODevice::WriteOnly)); // a leftover file under the name
    stale.close();
    QStringList received;
    Handover::Server next(path, [&](const QStringList &files) { received = files; });
    QVERIFY(next.Listen());
    bool taken = false;
    std::thread launch([&] { taken = Handover::HandOver(path, {u"/tmp/b.zoy"_s}, 5000); });
    QTRY_COMPARE(received, QStringList{u"/tmp/b.zoy"_s});
    launch.join();
    QVERIFY(taken);
}

void TestSingleInstance::messageReadsBackAndRefusesDamage_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addRow("none") << QStringList{};
    QTest::addRow("one") << QStringList{u"/home/ann/My Reading.zoy"_s};
    QTest::addRow("odd names") << QStringList{u"/tmp/line\nbreak.zoy"_s, u"/tmp/\u00e9t\u00e9.zoy"_s,
                                              QString()};
}

void TestSingleInstance::messageReadsBackAndRefusesDamage()
{
    QFETCH(QStringList, files);
    const QByteArray message = Handover::Compose(files);
    QCOMPARE(Handover::Parse(message), std::optional<QStringList>(files));
    QCOMPARE(Handover::ExpectedSize(message), message.size());
    // Cut short, with bytes after it, or of another kind: no files at all.
    for (qsizetype cut = 0; cut < message.size(); ++cut) {
        QVERIFY(!Handover::Parse(message.left(cut)));
        // The part that has come in says "more to come" or the whole size, never "no message".
        const qint64 expected = Handover::ExpectedSize(message.left(cut));
        QVERIFY(expected == -1 || expected == message.size());
    }
    QVERIFY(!Handover::Parse(message + "x"));
    QVERIFY(!Handover::Parse("GET / HTTP/1.0\r\n\r\n"));
    QCOMPARE(Handover::ExpectedSize("GET"), 0);
    // More files than a message carries: the last ones travel.
    QStringList many;
    for (int i = 0; i < Handover::MaxFiles + 5; ++i)
        many << QString::number(i);
    const std::optional<QStringList> last = Handover::Parse(Handover::Compose(many));
    QVERIFY(last);
    QCOMPARE(last->size(), Handover::MaxFiles);
    QCOMPARE(last->back(), many.back());
}

QTEST_MAIN(TestSingleInstance)
#include "tst_single_instance.moc"
