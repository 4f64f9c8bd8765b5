// Saving a Zodiac Yoga reading (.zoy) on a full disk, into a read-only folder
// and where the folder is a file: the user is told, the reading saved there
// before keeps its bytes, and the report window carries on.
#include "ZodiacWindows.h"
#include "support/FailingFolder.h"

using namespace ZodiacWindows;
using TestSupport::FailingFolder;
using TestSupport::MessageRecorder;
using TestSupport::WriteFault;

namespace {
QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}
} // namespace

class TestZodiacFailedSave : public QObject {
    Q_OBJECT
    Fixture fixture_;
private Q_SLOTS:
    void init() { fixture_.Start(); }
    void cleanup() { fixture_.Finish(); }
    void failedSave_data() { TestSupport::AddWriteFaultRows(); }
    void failedSave();
};

void TestZodiacFailedSave::failedSave()
{
    QFETCH(WriteFault, fault);
    FailingFolder folder(fixture_.dir->path(), u"readings"_s, fault);
    if (!folder.Unavailable().isEmpty())
        QSKIP(qPrintable(folder.Unavailable()));
    qInfo("fault made as %s", qPrintable(folder.How()));
    const QString path = folder.FilePath(u"anna.zoy"_s);

    // An earlier reading saved under the name, then a new one to save over it.
    frmZodiacYogaDisplay *first = ReadSign(fixture_.Host(), u"Aries"_s, u"ANNA"_s);
    QVERIFY(first);
    {
        frmZodiacYogaSave report(first);
        if (fault != WriteFault::FolderIsFile) {
            QVERIFY(report.SaveReadingTo(path));
            QVERIFY(folder.PutOldFile(u"anna.zoy"_s, readAll(path))); // the file to keep
        }
    }
    CloseAll();
    frmZodiacYogaDisplay *display = ReadSign(fixture_.Host(), u"Leo"_s, u"ANNA"_s);
    QVERIFY(display);
    auto *report = new frmZodiacYogaSave(display); // closed with the reading's windows
    report->show();
    const QString shown = report->findChild<QTextEdit *>()->toPlainText();

    QVERIFY2(folder.Arm(), qPrintable(folder.How()));
    MessageRecorder messages;
    QVERIFY(!report->SaveReadingTo(path));
    QCOMPARE(messages.messages.size(), 1);
    QVERIFY(messages.messages[0].text.startsWith(u"The reading could not be saved to"_s));
    QCOMPARE(messages.messages[0].icon, QMessageBox::Critical);
    QCOMPARE(readAll(folder.KeptFile()), folder.KeptBytes());
    // Nothing half-written is left beside it.
    if (fault != WriteFault::FolderIsFile)
        QCOMPARE(folder.Entries(), QStringList(u"anna.zoy"_s));

    // The report window goes on: still shown with the reading, and it saves once the folder takes
    // it.
    QVERIFY(report->isVisible());
    QCOMPARE(report->findChild<QTextEdit *>()->toPlainText(), shown);
    folder.Disarm();
    if (fault == WriteFault::FolderIsFile)
        return;
    QVERIFY(report->SaveReadingTo(path));
    QCOMPARE(messages.messages.size(), 1);
    QVERIFY(readAll(path) != folder.KeptBytes());
    CloseAll();
    frmZodiacYogaMain *again = NewEntry(fixture_.Host());
    again->OpenReadingFile(path);
    QCOMPARE(again->Reading().month, u"August"_s);
}

QTEST_MAIN(TestZodiacFailedSave)
#include "tst_zodiac_failed_save.moc"
