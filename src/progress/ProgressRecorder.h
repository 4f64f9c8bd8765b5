#pragma once

#include "ProgressStore.h"

#include <QByteArray>

class QWidget;

// Records finished tests in the per-user progress file. A test that cannot be
// written now (the file damaged, locked by another program, a full disk) is
// not lost: it is kept, in memory and in a file beside the record, and written
// as soon as the record takes it again (with the next test, when the suite
// starts, when it ends); the learner is told that it is not yet recorded.
// Every test carries a uid, so none is ever recorded twice.
#include "toolkit/DataLocations.h"

namespace Progress {

// The suite makes one and shares it among the test modules and the progress
// menu; a test makes its own over a sandbox.
class Recorder {
public:
    explicit Recorder(DataLocations locations);

    // Records a finished test, with any kept before it. False (after telling the
    // learner) when it could not be written and is kept.
    bool RecordFinishedTest(const TestRecord &test, QWidget *parent);
    // Records several at once (a practice of several kinds), telling the learner once.
    bool RecordFinishedTests(const QList<TestRecord> &tests, QWidget *parent);
    // Writes the kept tests, if any, without a word. True when none is waiting.
    bool RecordWaitingTests();
    // How many tests are waiting to be written.
    int WaitingTestCount();

    // The progress record, and the file that keeps the waiting tests while the
    // suite is not running.
    QString RecordPath() const;
    QString WaitingFilePath() const;

private:
    void readWaitingFile();
    bool writeWaiting(QString *problem);

    DataLocations locations_;
    QList<TestRecord> waiting_;
    bool fileRead_ = false;
};

// The message shown when a test is kept instead of written.
QString NotYetRecordedMessage(const QString &detail);

// The waiting file's content: the tests as JSON, and back. A damaged file
// reads as the tests that can be made out of it.
QByteArray ComposeWaiting(const QList<TestRecord> &tests);
QList<TestRecord> ParseWaiting(const QByteArray &bytes);

} // namespace Progress
