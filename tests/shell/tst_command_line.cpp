// The command line (--help, --version, --data-paths, module options and files),
// where the suite looks for its data and keeps the user's files, and a saved
// reading named on the command line opening in its module.
#include "app/SuiteModules.h"
#include "cartomancy/modLearnCartomancyStartup.h"
#include "shell/CommandLine.h"
#include "toolkit/DataLocations.h"
#include "toolkit/GoalNotes.h"
#include "toolkit/ModuleTable.h"
#include "shell/frmMDI.h"
#include "toolkit/modSettings.h"
#include "support/TestSupport.h"
#include "zodiac_yoga/modReadingFile.h"
#include "zodiac_yoga/frmZodiacYogaMain.h"
#include "zodiac_yoga/modSunSignYoga.h"

#include <QDir>
#include <QFile>
#include <QScreen>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;
using CommandLine::Action;

namespace {
// The program's modules, as the parser and the help text see them.
ModuleTable suiteModules()
{
    const QTemporaryDir folder;
    return DescribeSuite(DataLocations::Below(folder.path()), {}).modules;
}
} // namespace

class TestCommandLine : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void parse_data();
    void parse();
    void helpNamesEveryModuleArgument();
    void versionAndDataPaths();
    void missingDataFileReportedOnceWithItsPath();
    void userFilesGoToTheUserDataFolder();
    void readingOnTheCommandLineOpensInZodiacYoga_data();
    void readingOnTheCommandLineOpensInZodiacYoga();
};

void TestCommandLine::parse_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("action");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("unused");
    const auto row = [](const char *name, QStringList args, Action action, QStringList files = {},
                        QStringList unused = {}) {
        args.prepend(u"/usr/bin/learning-suite"_s);
        QTest::addRow("%s", name) << args << int(action) << files << unused;
    };
    row("nothing", {}, Action::RunSuite);
    row("help", {u"--help"_s}, Action::ShowHelp);
    row("short-help", {u"-h"_s}, Action::ShowHelp);
    row("help-all", {u"--help-all"_s}, Action::ShowHelp);
    row("version", {u"--version"_s}, Action::ShowVersion);
    row("short-version", {u"-v"_s}, Action::ShowVersion);
    row("data-paths", {u"--data-paths"_s}, Action::ShowDataPaths);
    row("unknown-option", {u"--frobnicate"_s}, Action::Refuse);
    row("unknown-short-option", {u"-x"_s}, Action::Refuse);
    // Module arguments are known to the parser; the module reads them itself.
    row("startup-switch", {u"/STARTUP"_s}, Action::RunSuite);
    row("startup-switch-lower-case", {u"/startup"_s}, Action::RunSuite, {}, {u"/startup"_s});
    // A file whose name holds the switch is no switch.
    row("startup-inside-a-name", {u"/tmp/STARTUPS-file"_s}, Action::RunSuite, {},
        {u"/tmp/STARTUPS-file"_s});
    row("picture-entry", {u"--card-picture-entry"_s}, Action::RunSuite);
    row("reading", {u"/home/u/My Reading.zoy"_s}, Action::RunSuite, {u"/home/u/My Reading.zoy"_s});
    // Capitals go to Zodiac Yoga too, which treats them as "Open" does.
    row("capital-suffix", {u"r.ZOY"_s}, Action::RunSuite, {u"r.ZOY"_s});
    row("reading-and-startup", {u"/STARTUP"_s, u"a.zoy"_s}, Action::RunSuite, {u"a.zoy"_s});
    row("two-readings-in-order", {u"b.zoy"_s, u"a.zoy"_s}, Action::RunSuite, {u"b.zoy"_s, u"a.zoy"_s});
    row("other-file", {u"notes.txt"_s, u"zoy"_s, u"dir.zoy/file"_s}, Action::RunSuite, {},
        {u"notes.txt"_s, u"zoy"_s, u"dir.zoy/file"_s});
    // A file whose name starts with a dash, after "--", is a file.
    row("dash-file-after-separator", {u"--"_s, u"-odd.zoy"_s}, Action::RunSuite, {u"-odd.zoy"_s});
}

void TestCommandLine::parse()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, action);
    QFETCH(QStringList, files);
    QFETCH(QStringList, unused);
    const CommandLine::Parsed parsed = CommandLine::Parse(suiteModules(), arguments);
    QCOMPARE(int(parsed.action), action);
    QCOMPARE(parsed.files, files);
    QCOMPARE(parsed.unused, unused);
    QCOMPARE(parsed.error.isEmpty(), action != int(Action::Refuse));
    // Only the text answers end the program before the window system starts.
    const bool text = action == int(Action::ShowHelp) || action == int(Action::ShowVersion) ||
                      action == int(Action::ShowDataPaths);
    QCOMPARE(CommandLine::AsksForText(arguments), text);
    // Learn Cartomancy starts at once only for the switch itself, as a whole argument.
    QCOMPARE(CommandLineHasStartupSwitch(arguments), arguments.contains(u"/STARTUP"_s));
}

void TestCommandLine::helpNamesEveryModuleArgument()
{
    const QString help = CommandLine::HelpText(suiteModules());
    QVERIFY2(help.startsWith(u"Usage: "_s), qPrintable(help));
    for (const QString &expected : {u"--help"_s, u"--version"_s, u"--data-paths"_s,
                                    u"--card-picture-entry"_s, u"/STARTUP"_s, u"file.zoy"_s,
                                    u"A saved reading to open in Zodiac Yoga."_s})
        QVERIFY2(help.contains(expected), qPrintable(expected));
}

void TestCommandLine::versionAndDataPaths()
{
    QCOMPARE(CommandLine::VersionText(), u"learning-suite 1.20\n"_s);

    TestSupport::Sandbox sandbox;
    bool allFound = true;
    QString text = CommandLine::DataPathsText(suiteModules(), sandbox.locations(), &allFound);
    QVERIFY(!allFound);
    QVERIFY2(text.contains(u"learn.dll: not found"_s), qPrintable(text));
    QVERIFY(text.contains(QDir::toNativeSeparators(sandbox.userFolder())));

    for (const QString &name : {u"learn.dll"_s, u"keywords.dll"_s}) {
        QFile file(sandbox.programFolder() + u'/' + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    text = CommandLine::DataPathsText(suiteModules(), sandbox.locations(), &allFound);
    QVERIFY2(allFound, qPrintable(text));
    QVERIFY(text.contains(u"keywords.dll: "_s + QDir::toNativeSeparators(sandbox.programFolder())));
}

void TestCommandLine::missingDataFileReportedOnceWithItsPath()
{
    TestSupport::Sandbox sandbox;
    const DataLocations &locations = sandbox.locations();
    const QString expected = sandbox.programFolder() + u"/keywords.dll"_s;
    {
        TestSupport::MessageRecorder recorder;
        QCOMPARE(locations.RequiredProgramFile(u"keywords.dll"_s), expected);
        QCOMPARE(locations.RequiredProgramFile(u"keywords.dll"_s), expected);
        QCOMPARE(recorder.messages.size(), 1);
        QCOMPARE(recorder.messages[0].icon, QMessageBox::Warning);
        QVERIFY2(recorder.messages[0].text.contains(QDir::toNativeSeparators(expected)),
                 qPrintable(recorder.messages[0].text));
        QVERIFY(recorder.messages[0].text.startsWith(u"The file keywords.dll was not found."_s));
    }
    // A file that is there is returned without a word.
    QFile file(sandbox.programFolder() + u"/learn.dll"_s);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    TestSupport::MessageRecorder recorder;
    QCOMPARE(locations.RequiredProgramFile(u"learn.dll"_s), file.fileName());
    QCOMPARE(recorder.messages.size(), 0);
}

void TestCommandLine::userFilesGoToTheUserDataFolder()
{
    QStandardPaths::setTestModeEnabled(true);
    const QString savedName = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(u"learning-suite"_s);
    const QString expected = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QVERIFY(expected.endsWith(u"/learning-suite"_s));
    const DataLocations locations = DataLocations::OfProgram();
    QCOMPARE(locations.UserDataFolder(), expected);
    QDir(expected).removeRecursively();
    // The folder is made when a file in it is first needed.
    QCOMPARE(locations.UserFile(u"goal.txt"_s), expected + u"/goal.txt"_s);
    QVERIFY(QFileInfo(expected).isDir());
    QDir(expected).removeRecursively();
    QCoreApplication::setApplicationName(savedName);
    // Nothing the user writes goes beside the program.
    QVERIFY(!DataLocations::OfProgram().UserDataFolder().startsWith(QCoreApplication::applicationDirPath() + u'/'));
}

void TestCommandLine::readingOnTheCommandLineOpensInZodiacYoga_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("message"); // empty: the reading opens
    QTest::addRow("saved-reading") << "anna.zoy"
                                   << ReadingFile::Compose({u"ANNA"_s, u"21"_s, u"March"_s, u"1980"_s})
                                   << QString();
    QTest::addRow("damaged") << "bad.zoy" << QByteArray("\x01\x02 not a reading") << "Please Check The File.";
    QTest::addRow("missing") << "gone.zoy" << QByteArray() << "Please Check The File.";
    QTest::addRow("capital-suffix") << "anna.ZOY"
                                    << ReadingFile::Compose({u"ANNA"_s, u"21"_s, u"March"_s, u"1980"_s})
                                    << "Please Check The File.";
}

void TestCommandLine::readingOnTheCommandLineOpensInZodiacYoga()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, message);
    TestSupport::Sandbox sandbox;
    const QString path = sandbox.folder() + u'/' + fileName;
    if (!bytes.isEmpty()) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    frmMDI mdi(DescribeSuite(sandbox.locations(), {u"learning-suite"_s}));
    mdi.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    mdi.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mdi));
    TestSupport::MessageRecorder recorder;
    // A relative name is taken from the folder the program was started in.
    const QString saved = QDir::currentPath();
    QDir::setCurrent(sandbox.folder());
    // Of many readings named at once, the last is opened; the others are not
    // opened one after another (each would replace the one before).
    QStringList files(999, u"earlier-missing.zoy"_s);
    files << fileName;
    mdi.OpenFiles(files);
    QDir::setCurrent(saved);
    auto *entry = mdi.findChild<frmZodiacYogaMain *>(u"frmZodiacYogaMain"_s);
    QVERIFY(entry);
    if (message.isEmpty()) {
        QCOMPARE(recorder.messages.size(), 0);
        QCOMPARE(entry->Reading().name, u"ANNA"_s);
        QCOMPARE(entry->Reading().sign, u"Aries"_s);
        auto *display = mdi.findChild<QWidget *>(u"frmZodiacYogaDisplay"_s);
        QVERIFY(display && display->isVisible());
    } else {
        QCOMPARE(recorder.messages.size(), 1);
        QCOMPARE(recorder.messages[0].text, message);
        QVERIFY(entry->Reading().sign.isEmpty());
    }
}

QTEST_MAIN(TestCommandLine)
#include "tst_command_line.moc"
