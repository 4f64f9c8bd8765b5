#include "ProgressRecorder.h"

#include "toolkit/FileReader.h"
#include "toolkit/FileWriter.h"
#include "toolkit/MsgBox.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QUuid>

namespace Progress {

namespace {

// A waiting file larger than this is not read (it would hold some hundred
// thousand tests; no learner keeps that many unrecorded).
constexpr qint64 kMaxWaitingBytes = 64 << 20;
constexpr int kMaxWaitingTests = 100000;

QJsonObject toJson(const TestRecord &test) {
    QJsonArray answers;
    for (const AnswerRecord &answer : test.answers)
        answers.append(QJsonArray{answer.item, answer.given, answer.correct, answer.right});
    return {{QStringLiteral("uid"), test.uid},
            {QStringLiteral("module"), test.module},
            {QStringLiteral("kind"), test.kind},
            {QStringLiteral("level"), test.level},
            {QStringLiteral("takenMs"), double(test.takenAt.toMSecsSinceEpoch())},
            {QStringLiteral("score"), test.score},
            {QStringLiteral("questionCount"), test.questionCount},
            {QStringLiteral("maxScore"), test.maxScore},
            {QStringLiteral("answers"), answers}};
}

std::optional<TestRecord> fromJson(const QJsonValue &value) {
    const QJsonObject object = value.toObject();
    const auto number = [&object](const char *key) {
        const double n = object.value(QLatin1String(key)).toDouble(-1);
        return n >= 0 && n <= 1e9 ? int(n) : -1;
    };
    TestRecord test;
    test.uid = object.value(QStringLiteral("uid")).toString();
    test.module = object.value(QStringLiteral("module")).toString();
    test.kind = object.value(QStringLiteral("kind")).toString();
    test.level = object.value(QStringLiteral("level")).toString();
    const double taken = object.value(QStringLiteral("takenMs")).toDouble(-1);
    test.score = number("score");
    test.questionCount = number("questionCount");
    test.maxScore = number("maxScore");
    // A test without its identity or its numbers cannot be recorded faithfully.
    if (test.uid.isEmpty() || test.module.isEmpty() || taken < 0 || taken > 4e14 ||
        test.score < 0 || test.questionCount < 0 || test.maxScore < 0)
        return std::nullopt;
    test.takenAt = QDateTime::fromMSecsSinceEpoch(qint64(taken));
    for (const QJsonValue &entry : object.value(QStringLiteral("answers")).toArray()) {
        const QJsonArray answer = entry.toArray();
        if (answer.size() != 4)
            return std::nullopt;
        test.answers.append({answer[0].toString(), answer[1].toString(), answer[2].toString(),
                             answer[3].toBool()});
    }
    return test;
}

} // namespace

Recorder::Recorder(DataLocations locations) : locations_(std::move(locations)) {}

QString Recorder::RecordPath() const { return locations_.UserFile(DefaultFileName()); }

QString Recorder::WaitingFilePath() const {
    return locations_.UserFile(QStringLiteral("progress-waiting.json"));
}

// Adds the tests kept in the file by an earlier run, once per run.
void Recorder::readWaitingFile() {
    if (fileRead_)
        return;
    fileRead_ = true;
    const std::optional<QByteArray> bytes =
        FileReader::ReadRegularFile(WaitingFilePath(), kMaxWaitingBytes);
    if (!bytes)
        return;
    QSet<QString> uids;
    for (const TestRecord &test : std::as_const(waiting_))
        uids.insert(test.uid);
    for (const TestRecord &test : ParseWaiting(*bytes))
        if (!uids.contains(test.uid))
            waiting_.append(test);
}

// Writes what waits into the record; keeps it in the file when it cannot.
bool Recorder::writeWaiting(QString *problem) {
    if (waiting_.isEmpty())
        return true;
    ProgressStore store(RecordPath());
    if (store.RecordMany(waiting_)) {
        waiting_.clear();
        QFile::remove(WaitingFilePath());
        return true;
    }
    if (problem)
        *problem = QDir::toNativeSeparators(store.Path()) + QStringLiteral("\r\n") + store.LastError();
    // On a full disk this fails too; the tests still wait in memory.
    FileWriter::WriteWholeFile(WaitingFilePath(), ComposeWaiting(waiting_));
    return false;
}

QByteArray ComposeWaiting(const QList<TestRecord> &tests) {
    QJsonArray array;
    for (const TestRecord &test : tests)
        array.append(toJson(test));
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

QList<TestRecord> ParseWaiting(const QByteArray &bytes) {
    QList<TestRecord> tests;
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    for (const QJsonValue &value : document.array()) {
        if (tests.size() >= kMaxWaitingTests)
            break;
        if (std::optional<TestRecord> test = fromJson(value))
            tests.append(*test);
    }
    return tests;
}

QString NotYetRecordedMessage(const QString &detail) {
    return QStringLiteral("This test is not yet in your progress record, because the record cannot "
                          "be written now. It is kept and added as soon as the record can be "
                          "written again: with your next test, or when the suite starts or ends.\r\n") +
           detail;
}

bool Recorder::RecordFinishedTest(const TestRecord &test, QWidget *parent) {
    return RecordFinishedTests({test}, parent);
}

bool Recorder::RecordFinishedTests(const QList<TestRecord> &tests, QWidget *parent) {
    readWaitingFile();
    for (TestRecord kept : tests) {
        if (kept.uid.isEmpty())
            kept.uid = QUuid::createUuid().toString(QUuid::WithoutBraces);
        waiting_.append(kept);
    }
    QString problem;
    if (writeWaiting(&problem))
        return true;
    ShowMessage(parent, NotYetRecordedMessage(problem), QMessageBox::Warning);
    return false;
}

bool Recorder::RecordWaitingTests() {
    readWaitingFile();
    return writeWaiting(nullptr);
}

int Recorder::WaitingTestCount() {
    readWaitingFile();
    return int(waiting_.size());
}

} // namespace Progress
