// The one checked file writer: whole files or nothing, and a failure that is
// reported instead of a damaged file reported as saved; the save dialog that
// names the file.
#include "toolkit/FileWriter.h"
#include "toolkit/ReportView.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>
#include <QTimer>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

class TestFileWriter : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void writesAndReplacesWholeFiles();
    void fullDiskKeepsTheOldFile_data();
    void fullDiskKeepsTheOldFile();
    void unwritableFolderIsReported();
    void textFilesUseCrLf();
    void savedNamesKeepTheirKind_data();
    void savedNamesKeepTheirKind();
    void endingAddedAfterTheDialogAsksBeforeReplacing();
};

namespace {
QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}
} // namespace

void TestFileWriter::writesAndReplacesWholeFiles()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("note.txt"));
    QVERIFY(FileWriter::WriteWholeFile(path, "first version\r\n"));
    QCOMPARE(contents(path), QByteArray("first version\r\n"));
    const FileWriter::Result again = FileWriter::WriteWholeFile(path, "second\r\n");
    QVERIFY(again.ok);
    QVERIFY(again.error.isEmpty());
    QCOMPARE(contents(path), QByteArray("second\r\n"));
    // Nothing but the file itself is left in the folder.
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("note.txt")});
}

void TestFileWriter::fullDiskKeepsTheOldFile_data()
{
    QTest::addColumn<int>("newSize");
    // Small enough to sit in the write buffer, so only the final flush fails.
    QTest::addRow("fails in the flush") << 3000;
    // Large enough that the write itself fails.
    QTest::addRow("fails in the write") << 200000;
}

// A child process whose files may not grow past 1 KiB stands in for a full disk.
void TestFileWriter::fullDiskKeepsTheOldFile()
{
    QFETCH(int, newSize);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("reading.zoy"));
    const QByteArray old("the old reading\r\n");
    QVERIFY(FileWriter::WriteWholeFile(path, old));

    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1024, 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        const FileWriter::Result result = FileWriter::WriteWholeFile(path, QByteArray(newSize, 'x'));
        // 0: reported as failed with a reason; 1: reported as saved.
        _exit(!result.ok && !result.error.isEmpty() ? 0 : 1);
    }
    int status = 0;
    QCOMPARE(waitpid(child, &status, 0), child);
    QVERIFY(WIFEXITED(status));
    QCOMPARE(WEXITSTATUS(status), 0);
    QCOMPARE(contents(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("reading.zoy")});
}

void TestFileWriter::unwritableFolderIsReported()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("no-such-folder/goal1.txt"));
    const FileWriter::Result result = FileWriter::WriteWholeFile(path, "text");
    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
    QVERIFY(!QFile::exists(path));
}

void TestFileWriter::textFilesUseCrLf()
{
    QCOMPARE(FileWriter::TextFileBytes(QStringLiteral("a\nb\r\nc\rd")), QByteArray("a\r\nb\r\nc\r\nd"));
    QCOMPARE(FileWriter::TextFileBytes(QStringLiteral("caf\u00e9")), QByteArray("caf\xc3\xa9"));
}

void TestFileWriter::savedNamesKeepTheirKind_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("saved");
    QTest::addRow("plain name") << "/home/u/anna" << "/home/u/anna.zoy";
    QTest::addRow("already right") << "/home/u/anna.zoy" << "/home/u/anna.zoy";
    QTest::addRow("dot in the name") << "/home/u/j.smith" << "/home/u/j.smith.zoy";
    QTest::addRow("capital suffix") << "/home/u/X.ZOY" << "/home/u/X.ZOY.zoy";
}

// Every reading saved ends in the lower-case suffix that opening checks for.
void TestFileWriter::savedNamesKeepTheirKind()
{
    QFETCH(QString, chosen);
    QFETCH(QString, saved);
    QCOMPARE(WithSuffix(chosen, QStringLiteral("zoy")), saved);
}

// "notes.txt" is saved as "notes.txt.zoy"; the dialog could not ask about
// that name, so the save asks before replacing another reading kept under it.
void TestFileWriter::endingAddedAfterTheDialogAsksBeforeReplacing()
{
    QTemporaryDir dir;
    const QString other = dir.filePath(QStringLiteral("notes.txt.zoy"));
    QVERIFY(FileWriter::WriteWholeFile(other, "another reading\r\n"));
    int dialogs = 0;
    bool armed = true;
    QTimer typer;
    // Each time the dialog shows: the name typed, then accepted; the third time, cancelled.
    QObject::connect(&typer, &QTimer::timeout, [&] {
        auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible() || !armed)
            return;
        armed = false;
        // The same dialog shows again after the question; answer it then too.
        if (!dialog->property("watched").toBool()) {
            dialog->setProperty("watched", true);
            QObject::connect(dialog, &QDialog::finished, [&armed] { armed = true; });
        }
        if (++dialogs == 3) {
            dialog->reject();
            return;
        }
        dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))
            ->setText(dir.filePath(QStringLiteral("notes.txt")));
        static_cast<QDialog *>(dialog)->accept();
    });
    typer.start(20);
    const FileKind kind{QStringLiteral("Save"), QStringLiteral("Reading"), QStringLiteral("zoy")};

    {
        TestSupport::MessageRecorder no(QMessageBox::No);
        // Asked and refused twice (the dialog shows again each time), then cancelled.
        QCOMPARE(ChooseFileToSave(nullptr, kind), QString());
        QCOMPARE(no.messages.size(), 2);
        QCOMPARE(no.messages[0].text, ReplaceQuestion(other));
        QCOMPARE(no.messages[0].text,
                 QStringLiteral("notes.txt.zoy already exists.\r\nDo you want to replace it?"));
        QCOMPARE(no.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
    }
    QCOMPARE(dialogs, 3);
    QCOMPARE(contents(other), QByteArray("another reading\r\n"));

    dialogs = 0;
    const auto yes = TestSupport::AnswerNextMessage(QMessageBox::Yes);
    QCOMPARE(ChooseFileToSave(nullptr, kind), other);
    QVERIFY(yes->shown);
    QCOMPARE(dialogs, 1);
}

QTEST_MAIN(TestFileWriter)
#include "tst_file_writer.moc"
