#pragma once

#include "ProgressStore.h"

class QWidget;

namespace Progress {

// Records a finished test in the per-user progress file. A file that cannot be
// opened or written (damaged, locked by another program, unwritable folder) is
// reported to the user once per run; the test goes on either way. Returns
// whether the test was recorded.
bool RecordFinishedTest(const TestRecord &test, QWidget *parent);

// The message shown when the record cannot be written.
QString RecordFailedMessage(const QString &detail);

// Forgets that a failure was reported, so a test sees the report again.
void ForgetReportedFailureForTesting();

} // namespace Progress
