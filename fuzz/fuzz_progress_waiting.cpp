// The file that keeps finished tests the progress record could not take: any
// bytes read as tests that can be recorded faithfully (each with its uid,
// module and numbers), and those tests written and read again stay the same.
#include "FuzzSupport.h"
#include "progress/ProgressRecorder.h"

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    Fuzz::StartApplication();
    return 0;
}

namespace {

bool same(const Progress::TestRecord &a, const Progress::TestRecord &b)
{
    if (a.uid != b.uid || a.module != b.module || a.kind != b.kind || a.level != b.level ||
        a.takenAt != b.takenAt || a.score != b.score || a.questionCount != b.questionCount ||
        a.maxScore != b.maxScore || a.answers.size() != b.answers.size())
        return false;
    for (qsizetype i = 0; i < a.answers.size(); ++i)
        if (a.answers[i].item != b.answers[i].item || a.answers[i].given != b.answers[i].given ||
            a.answers[i].correct != b.answers[i].correct || a.answers[i].right != b.answers[i].right)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QList<Progress::TestRecord> tests = Progress::ParseWaiting(bytes);
    for (const Progress::TestRecord &test : tests) {
        Fuzz::Require(!test.uid.isEmpty() && !test.module.isEmpty(), "a kept test has its identity");
        Fuzz::Require(test.score >= 0 && test.questionCount >= 0 && test.maxScore >= 0,
                      "a kept test has no negative numbers");
        Fuzz::Require(test.takenAt.isValid(), "a kept test has its time");
    }
    const QList<Progress::TestRecord> again = Progress::ParseWaiting(Progress::ComposeWaiting(tests));
    Fuzz::Require(again.size() == tests.size(), "the kept tests read back, every one");
    for (qsizetype i = 0; i < tests.size(); ++i)
        Fuzz::Require(same(again[i], tests[i]), "a kept test reads back as itself");
    return 0;
}
