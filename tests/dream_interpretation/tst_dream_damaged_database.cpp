// Learn Dream Interpretation on a symbol database that is missing or damaged:
// learn mode and both tests used as a user would. The window must stay
// usable, show what could be read, say once that the database cannot be
// read, and never write the file.
#include "DreamTestData.h"
#include "dream_interpretation/frmLearnDreamInterpretationMain.h"
#include "toolkit/modRandom.h"
#include "support/DamagedFiles.h"
#include "toolkit/DataLocations.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

using TestSupport::MessageRecorder;

namespace {

// What the learn screen is expected to show for the first symbol of "A".
enum class Shows {
    Nothing,        // no symbol can be read: the labels stay empty
    NoDescriptions, // the keywords without their interpretations
    EmptyFields,    // interpretations that are all empty
    HugeFields,     // the first symbol's keyword and interpretation are a megabyte each
};

const QString kProblem = QStringLiteral("The dream symbol database cannot be read");
// A missing file is reported where it is looked for, with the folders looked in.
const QString kMissing = QStringLiteral("The file keywords.dll was not found.");
const QString kNoQuestions = QStringLiteral("No dream symbols could be read");

} // namespace

class TestDreamDamagedDatabase : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSupport::Sandbox> sandbox_;
    QPointer<frmLearnDreamInterpretationMain> window_;
    std::unique_ptr<MessageRecorder> messages_;

    template <class T = QWidget> T *child(const QString &name)
    {
        T *found = window_->findChild<T *>(name);
        if (!found)
            qFatal("no control named %s", qPrintable(name));
        return found;
    }
    QString screen()
    {
        return child<QStackedWidget>(QStringLiteral("fraOptions"))->currentWidget()->objectName();
    }
    QString text(const QString &label) { return child<QLabel>(label)->text(); }
    void click(const QString &name) { child<QAbstractButton>(name)->click(); }
    int told(const QString &start)
    {
        int n = 0;
        for (const auto &message : messages_->messages)
            n += message.text.startsWith(start);
        return n;
    }
    QString database() { return sandbox_->programFolder() + QStringLiteral("/keywords.dll"); }
    // From the start screen through the letter screen with "A" and "B" ticked.
    void chooseLetters(bool learn, bool byKeyword = true)
    {
        click(learn ? QStringLiteral("optMain(0)") : QStringLiteral("optMain(1)"));
        click(QStringLiteral("cmdNext"));
        if (!learn) {
            click(byKeyword ? QStringLiteral("optOption(0)") : QStringLiteral("optOption(1)"));
            click(QStringLiteral("cmdNext2"));
        }
        QCOMPARE(screen(), QStringLiteral("fraOption(3)"));
        click(QStringLiteral("chkSubject(0)"));
        click(QStringLiteral("chkSubject(1)"));
        click(QStringLiteral("cmdNext3"));
    }

private Q_SLOTS:
    void init()
    {
        sandbox_ = std::make_unique<TestSupport::Sandbox>();
        Random::Seed(13);
    }
    void cleanup()
    {
        delete window_;
        messages_.reset();
        sandbox_.reset();
    }
    void damagedDatabase_data();
    void damagedDatabase();
    void toldWhatIsWrong_data();
    void toldWhatIsWrong();
};

void TestDreamDamagedDatabase::damagedDatabase_data()
{
    QTest::addColumn<QString>("kind"); // "missing", "bytes" or "sql"
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("sql");
    QTest::addColumn<Shows>("shows");
    QTest::addColumn<bool>("readable"); // the user need not be told

    const QStringList none;
    QTest::addRow("missing file") << "missing" << QByteArray() << none << Shows::Nothing << false;
    QTest::addRow("empty file") << "bytes" << QByteArray() << none << Shows::Nothing << false;
    QTest::addRow("random bytes") << "bytes" << TestSupport::RandomBytes(64 * 1024) << none
                                  << Shows::Nothing << false;
    QTest::addRow("random bytes after the header")
        << "bytes" << QByteArray("SQLite format 3\0", 16) + TestSupport::RandomBytes(8192) << none
        << Shows::Nothing << false;
    QTest::addRow("table missing") << "sql" << QByteArray() << QStringList{"DROP TABLE tblkeywords"}
                                   << Shows::Nothing << false;
    QTest::addRow("interpretation column missing")
        << "sql" << QByteArray() << QStringList{"ALTER TABLE tblkeywords DROP COLUMN Description"}
        << Shows::NoDescriptions << false;
    QTest::addRow("empty fields")
        << "sql" << QByteArray()
        << QStringList{"UPDATE tblkeywords SET Description = ''",
                       "UPDATE tblkeywords SET keyword = '' WHERE keyword = 'Zoo'"}
        << Shows::EmptyFields << true;
    QTest::addRow("huge fields")
        << "sql" << QByteArray()
        << QStringList{"UPDATE tblkeywords SET keyword = 'A' || " +
                           TestSupport::HugeTextSql(QStringLiteral("a")) +
                           ", Description = " + TestSupport::HugeTextSql() +
                           " WHERE keyword = (SELECT MIN(keyword) FROM tblkeywords WHERE keyword "
                           "LIKE 'A%')",
                       "UPDATE tblkeywords SET Description = " + TestSupport::HugeTextSql() +
                           " WHERE keyword = (SELECT MIN(keyword) FROM tblkeywords WHERE keyword "
                           "LIKE 'B%')"}
        << Shows::HugeFields << true;
}

void TestDreamDamagedDatabase::damagedDatabase()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, sql);
    QFETCH(Shows, shows);
    QFETCH(bool, readable);

    const QString path = database();
    if (kind == QLatin1String("bytes")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    } else if (kind == QLatin1String("sql")) {
        QVERIFY(TestSupport::DamagedCopy(DreamTestData::BuiltDatabase(), path, sql));
    }
    if (kind != QLatin1String("missing"))
        QVERIFY(TestSupport::AgeFile(path));
    const TestSupport::FileState before = TestSupport::StateOf(path);
    const QStringList folderBefore =
        QDir(sandbox_->programFolder()).entryList(QDir::AllEntries | QDir::Hidden);

    messages_ = std::make_unique<MessageRecorder>();
    window_ = new frmLearnDreamInterpretationMain(sandbox_->host(), sandbox_->recorder());
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));

    // Learn "A" and "B": the first entry, then a few steps on and back.
    chooseLetters(true);
    QCOMPARE(screen(), QStringLiteral("fraOption(2)"));
    const bool missing = kind == QLatin1String("missing");
    QCOMPARE(told(kProblem), readable || missing ? 0 : 1);
    QCOMPARE(told(kMissing), missing ? 1 : 0);
    if (!readable) {
        QCOMPARE(messages_->messages.last().icon, QMessageBox::Warning);
        QVERIFY(messages_->messages.last().text.contains(QDir::toNativeSeparators(path)));
    }
    switch (shows) {
    case Shows::Nothing:
    case Shows::NoDescriptions: // the entry is looked up with its interpretation
        for (int i = 0; i < 3; ++i)
            QCOMPARE(text(QStringLiteral("lblLearnSubject(%1)").arg(i)), QString());
        break;
    case Shows::EmptyFields:
        QCOMPARE(text(QStringLiteral("lblLearnSubject(0)")), QStringLiteral("A"));
        QVERIFY(!text(QStringLiteral("lblLearnSubject(1)")).isEmpty());
        QCOMPARE(text(QStringLiteral("lblLearnSubject(2)")), QString());
        break;
    case Shows::HugeFields:
        QCOMPARE(text(QStringLiteral("lblLearnSubject(0)")), QStringLiteral("A"));
        QVERIFY(text(QStringLiteral("lblLearnSubject(1)")).size() >= 1 << 20);
        QVERIFY(text(QStringLiteral("lblLearnSubject(2)")).size() >= 1 << 20);
        break;
    }
    const qsizetype shown = messages_->messages.size();
    for (int i = 0; i < 3; ++i)
        click(QStringLiteral("cmdNextLearn"));
    click(QStringLiteral("cmdBackLearn"));
    // An empty list stops at both ends with its message; a list of symbols moves.
    QCOMPARE(messages_->messages.size() - shown, shows == Shows::Nothing ? 4 : 0);
    if (shows == Shows::EmptyFields || shows == Shows::HugeFields)
        QCOMPARE(window_->Session().DreamPosition, 2);
    click(QStringLiteral("cmdBackToMain"));
    QCOMPARE(screen(), QStringLiteral("fraOption(0)"));

    // Both tests on "A" and "B", a few questions each.
    for (bool byKeyword : {true, false}) {
        const qsizetype before = messages_->messages.size();
        chooseLetters(false, byKeyword);
        if (shows == Shows::Nothing) {
            // Told there are no questions (the damage was reported already); the letters stay.
            QCOMPARE(messages_->messages.size(), before + 1);
            QVERIFY(messages_->messages.last().text.startsWith(kNoQuestions));
            QCOMPARE(screen(), QStringLiteral("fraOption(3)"));
            click(QStringLiteral("cmdBack3"));
            continue;
        }
        const QString question =
            byKeyword ? QStringLiteral("fraOption(4)") : QStringLiteral("fraOption(6)");
        const QString choice = byKeyword ? QStringLiteral("optChoiceForKeyword(%1)")
                                         : QStringLiteral("optChoiceForDesc(%1)");
        const QString next = byKeyword ? QStringLiteral("cmdNextQuestionForKeyword")
                                       : QStringLiteral("cmdNextQuestionForDesc");
        const int questions = window_->Session().DreamQuestionCount;
        QCOMPARE(questions, 10);
        for (int q = 0; q < questions; ++q) {
            QCOMPARE(screen(), question);
            click(choice.arg(q % 5));
            click(next);
        }
        // The report of what was asked, then back to the start.
        QCOMPARE(screen(), QStringLiteral("fraOption(5)"));
        QCOMPARE(messages_->messages.size(), before);
        click(QStringLiteral("cmdGoToMain"));
        QCOMPARE(screen(), QStringLiteral("fraOption(0)"));
    }

    // Told once in all; the window still answers.
    QCOMPARE(told(kProblem) + told(kMissing), readable ? 0 : 1);
    QCOMPARE(told(QStringLiteral("The dream")), told(kProblem));
    QVERIFY(window_->isVisible());
    delete window_;

    // The database was only read.
    const TestSupport::FileState after = TestSupport::StateOf(path);
    QCOMPARE(after.exists, before.exists);
    QVERIFY(after.bytes == before.bytes);
    QCOMPARE(after.modified, before.modified);
    QCOMPARE(QDir(sandbox_->programFolder()).entryList(QDir::AllEntries | QDir::Hidden),
             folderBefore);
}

// Pages overwritten with noise, or a folder where the file should be: one
// message, naming the path and what is wrong, however often the symbols are read.
void TestDreamDamagedDatabase::toldWhatIsWrong_data()
{
    QTest::addColumn<bool>("folder");
    QTest::addColumn<QString>("detail");
    QTest::addRow("pages overwritten") << false << "damaged";
    QTest::addRow("a folder in its place") << true << "it is a folder, not a database file.";
}

void TestDreamDamagedDatabase::toldWhatIsWrong()
{
    QFETCH(bool, folder);
    QFETCH(QString, detail);
    const QString path = database();
    if (folder) {
        QVERIFY(QDir().mkpath(path));
    } else {
        QVERIFY(QFile::copy(DreamTestData::BuiltDatabase(), path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(file.size() / 2));
        const QByteArray noise = TestSupport::RandomBytes(20 * 1024);
        QCOMPARE(file.write(noise), noise.size());
    }
    messages_ = std::make_unique<MessageRecorder>();
    window_ = new frmLearnDreamInterpretationMain(sandbox_->host(), sandbox_->recorder());
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    chooseLetters(true);
    click(QStringLiteral("cmdBackToMain"));
    chooseLetters(true);
    QCOMPARE(messages_->messages.size(), 1);
    const QString text = messages_->messages[0].text;
    QVERIFY2(text.startsWith(kProblem) && text.contains(QDir::toNativeSeparators(path)) &&
                 text.contains(detail),
             qPrintable(text));
}

QTEST_MAIN(TestDreamDamagedDatabase)
#include "tst_dream_damaged_database.moc"
