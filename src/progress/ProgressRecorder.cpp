#include "ProgressRecorder.h"

#include "shell/MsgBox.h"

namespace Progress {

namespace {
bool &failureReported() {
    static bool reported = false;
    return reported;
}
} // namespace

QString RecordFailedMessage(const QString &detail) {
    return QStringLiteral("This test could not be added to your progress record, so My Progress "
                          "will not show it.\r\n") +
           detail;
}

bool RecordFinishedTest(const TestRecord &test, QWidget *parent) {
    ProgressStore store;
    if (store.Record(test))
        return true;
    if (!failureReported()) {
        failureReported() = true;
        ShowMessage(parent,
                    RecordFailedMessage(store.Path() + QStringLiteral("\r\n") + store.LastError()),
                    QMessageBox::Warning);
    }
    return false;
}

void ForgetReportedFailureForTesting() {
    failureReported() = false;
}

} // namespace Progress
