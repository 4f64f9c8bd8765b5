// The files Learn Cartomancy writes for the user - the goal notes, a saved
// test result, the run-at-login entry and the settings store - on a full
// disk, in a read-only folder and where the folder is a file: the user is
// told, the old file keeps its bytes, and the window carries on.
#include "CartomancyFixture.h"
#include "cartomancy/frmLearnCartomancyMain.h"
#include "cartomancy/modLearnCartomancySettings.h"
#include "toolkit/AppInfo.h"
#include "toolkit/DataLocations.h"
#include "toolkit/modSettings.h"
#include "support/FailingFolder.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace CartomancyTest;
using TestSupport::FailingFolder;
using TestSupport::MessageRecorder;
using TestSupport::WriteFault;

namespace {

template <class T = QWidget> T *get(QObject *root, const QString &name)
{
    T *child = root->findChild<T *>(name);
    if (!child)
        qFatal("no control %s", qPrintable(name));
    return child;
}

void click(QObject *root, const QString &name)
{
    get<QAbstractButton>(root, name)->click();
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}


} // namespace

class TestCartomancyFailedWrites : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void goalNotes_data() { TestSupport::AddWriteFaultRows(); }
    void goalNotes();
    void savedResult_data() { TestSupport::AddWriteFaultRows(); }
    void savedResult();
    void runAtLoginEntry_data() { TestSupport::AddWriteFaultRows(); }
    void runAtLoginEntry();
    void settingsStore_data() { TestSupport::AddWriteFaultRows(); }
    void settingsStore();

private:
    // The failing folder of the current row, or a skip when it cannot be made here.
    std::unique_ptr<FailingFolder> makeFolder(const QString &name);

    std::unique_ptr<Sandbox> sandbox_;
};

void TestCartomancyFailedWrites::init()
{
    sandbox_ = std::make_unique<Sandbox>();
}

void TestCartomancyFailedWrites::cleanup()
{
    sandbox_.reset();
}

std::unique_ptr<FailingFolder> TestCartomancyFailedWrites::makeFolder(const QString &name)
{
    QFETCH(WriteFault, fault);
    auto folder = std::make_unique<FailingFolder>(sandbox_->folder(), name, fault);
    qInfo("fault made as %s", qPrintable(folder->How()));
    return folder;
}

#define REQUIRE_FOLDER(folder)                                                                     \
    if (!(folder)->Unavailable().isEmpty())                                                        \
        QSKIP(qPrintable((folder)->Unavailable()));

// The goal notes are kept in the per-user data folder.
void TestCartomancyFailedWrites::goalNotes()
{
    QFETCH(WriteFault, fault);
    auto folder = makeFolder(QStringLiteral("goals"));
    REQUIRE_FOLDER(folder);
    QVERIFY(folder->PutOldFile(QStringLiteral("goal1.txt"), "Learn the Clubs first\r\n"));
    MessageRecorder messages;
    Window w(*sandbox_, sandbox_->HostWith([&](DataLocations::Folders &f) { f.user = folder->Path(); }));
    // Where no goal file can be made at all, opening says so.
    QCOMPARE(messages.messages.size(), fault == WriteFault::FolderIsFile ? 1 : 0);
    messages.messages.clear();

    QVERIFY2(folder->Arm(), qPrintable(folder->How()));
    click(w, QStringLiteral("chkGoal1"));
    auto *text = get<QPlainTextEdit>(w, QStringLiteral("txtGoal1"));
    text->setPlainText(QStringLiteral("Then the Spades"));
    click(w, QStringLiteral("cmdSaveGoal1"));
    QCOMPARE(messages.messages.size(), 1);
    QVERIFY(messages.messages[0].text.startsWith(QLatin1String("Goal 1 could not be saved.")));
    QCOMPARE(messages.messages[0].icon, QMessageBox::Critical);
    QCOMPARE(contents(folder->KeptFile()), folder->KeptBytes());
    // What was typed is still there to be saved again.
    QCOMPARE(text->toPlainText(), QStringLiteral("Then the Spades"));
    QVERIFY(text->isEnabled());

    folder->Disarm();
    if (fault == WriteFault::FolderIsFile)
        return;
    click(w, QStringLiteral("cmdSaveGoal1"));
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(contents(folder->FilePath(QStringLiteral("goal1.txt"))),
             QByteArray("Then the Spades\r\n"));
}

void TestCartomancyFailedWrites::savedResult()
{
    QFETCH(WriteFault, fault);
    auto folder = makeFolder(QStringLiteral("results"));
    REQUIRE_FOLDER(folder);
    QVERIFY(folder->PutOldFile(QStringLiteral("result.txt"), "an earlier result\r\n"));
    Window w(*sandbox_);
    // A short test: the twelve face cards, each answered with its first option.
    click(w, QStringLiteral("chkMinor"));
    click(w, QStringLiteral("optTestType(0)"));
    click(w, QStringLiteral("cmdStartTest2"));
    MessageRecorder messages;
    for (int q = 0; q < 12; ++q) {
        for (int i = 0; i < 7; ++i) {
            auto *option = get<QAbstractButton>(w, QStringLiteral("optAnswer(%1)").arg(i));
            if (option->isVisible()) {
                option->click();
                break;
            }
        }
        click(w, QStringLiteral("cmdNextQuestion"));
    }
    QCOMPARE(messages.messages.size(), 1); // "Test Complete"
    const QString result = get<QPlainTextEdit>(w, QStringLiteral("txtResult"))->toPlainText();
    QVERIFY(result.contains(QLatin1String("questions correct")));

    const QString path = folder->FilePath(QStringLiteral("result.txt"));
    QVERIFY2(folder->Arm(), qPrintable(folder->How()));
    QVERIFY(!w->SaveResultTo(path));
    QCOMPARE(messages.messages.size(), 2);
    QVERIFY(messages.messages[1].text.startsWith(QLatin1String("The result could not be saved.")));
    QCOMPARE(messages.messages[1].icon, QMessageBox::Critical);
    QCOMPARE(contents(folder->KeptFile()), folder->KeptBytes());
    // The window goes on: the result is still shown, and saves once the folder takes it.
    QCOMPARE(get<QPlainTextEdit>(w, QStringLiteral("txtResult"))->toPlainText(), result);
    QCOMPARE(get<QTabWidget>(w, QStringLiteral("SSTab1"))->currentIndex(),
             int(frmLearnCartomancyMain::ResultsTab));
    folder->Disarm();
    if (fault == WriteFault::FolderIsFile)
        return;
    QVERIFY(w->SaveResultTo(path));
    QCOMPARE(messages.messages.size(), 2);
    QVERIFY(contents(path).startsWith(result.left(20).toUtf8()));
}

void TestCartomancyFailedWrites::runAtLoginEntry()
{
    QFETCH(WriteFault, fault);
    auto folder = makeFolder(QStringLiteral("autostart-folder"));
    REQUIRE_FOLDER(folder);
    const QString entryName = QFileInfo(AutostartFilePath(folder->Path(), AppInfo::ApplicationName())).fileName();
    MessageRecorder messages;
    // No entry yet: "Don't run" is chosen.
    Window w(*sandbox_, sandbox_->HostWith([&](DataLocations::Folders &f) { f.autostart = folder->Path(); }));
    QVERIFY(get<QRadioButton>(w, QStringLiteral("optDontRun"))->isChecked());
    // Where the folder cannot even be opened, choosing "Don't run" at load says so.
    QCOMPARE(messages.messages.size(), fault == WriteFault::FolderIsFile ? 1 : 0);
    messages.messages.clear();
    // An entry another copy of the program wrote (at another place).
    QVERIFY(folder->PutOldFile(entryName, "[Desktop Entry]\nType=Application\n"
                                          "Exec=\"/old/place/learning-suite\" /STARTUP\n"));

    QVERIFY2(folder->Arm(), qPrintable(folder->How()));
    click(w, QStringLiteral("optRun"));
    QCOMPARE(messages.messages.size(), 1);
    QVERIFY(messages.messages[0].text.startsWith(QLatin1String("Error ")));
    QCOMPARE(contents(folder->KeptFile()), folder->KeptBytes());
    // The window goes on: the tray option follows the choice as always.
    QVERIFY(get<QCheckBox>(w, QStringLiteral("chkSysTray"))->isEnabled());
    folder->Disarm();
    if (fault == WriteFault::FolderIsFile)
        return;
    click(w, QStringLiteral("optDontRun"));
    click(w, QStringLiteral("optRun"));
    QCOMPARE(messages.messages.size(), 1);
    QVERIFY(contents(folder->FilePath(entryName))
                .contains(QCoreApplication::applicationFilePath().toUtf8()));
}

void TestCartomancyFailedWrites::settingsStore()
{
    QFETCH(WriteFault, fault);
    auto folder = makeFolder(QStringLiteral("config"));
    REQUIRE_FOLDER(folder);
    const QByteArray old("[Settings]\nMinorArcana=1\n");
    QVERIFY(folder->PutOldFile(QStringLiteral("settings.ini"), old));
    TestSupport::Host &host = sandbox_->HostWith(
        [&](DataLocations::Folders &f) { f.settingsFile = folder->FilePath(QStringLiteral("settings.ini")); });
    Window w(*sandbox_, host);
    // Loading records the update reminder's date: the store as it is then must come through.
    QVERIFY2(folder->Arm(), qPrintable(folder->How()));
    MessageRecorder messages;
    click(w, QStringLiteral("chkMinor")); // number cards off
    click(w, QStringLiteral("cmdSaveSettings"));
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].text, QStringLiteral("The settings could not be saved."));
    QCOMPARE(messages.messages[0].icon, QMessageBox::Critical);
    QCOMPARE(contents(folder->KeptFile()), folder->KeptBytes());
    QVERIFY(!get<QCheckBox>(w, QStringLiteral("chkMinor"))->isChecked());
    folder->Disarm();
    if (fault == WriteFault::FolderIsFile)
        return;
    click(w, QStringLiteral("cmdSaveSettings"));
    QCOMPARE(messages.messages.size(), 1);
    Window again(*sandbox_, host);
    QVERIFY(!get<QCheckBox>(again, QStringLiteral("chkMinor"))->isChecked());
}

QTEST_MAIN(TestCartomancyFailedWrites)
#include "tst_cartomancy_failed_writes.moc"
