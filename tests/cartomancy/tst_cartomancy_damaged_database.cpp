// Learn Cartomancy on a card database that is missing or damaged: the window
// is used as a user would (memorising, both tests) and must stay usable, show
// what could be read, say once that the database cannot be read, and never
// write the file.
#include "CartomancyFixture.h"
#include "cartomancy/frmLearnCartomancyMain.h"
#include "toolkit/DataLocations.h"
#include "support/DamagedFiles.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using namespace CartomancyTest;
using TestSupport::MessageRecorder;

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

// What the window is expected to show for a kind of damage.
enum class Shows {
    Nothing,     // no card can be read: the fields keep their first contents
    NoMeanings,  // the cards without their meanings
    NoKeywords,  // the cards without their keywords
    EmptyFields, // cards whose texts are all empty
    HugeFields,  // the first card's name, meaning and a keyword are a megabyte each
};

int countMessages(const MessageRecorder &messages, const QString &start)
{
    int n = 0;
    for (const auto &message : messages.messages)
        n += message.text.startsWith(start);
    return n;
}

const QString kProblem = QStringLiteral("The card database cannot be read");

} // namespace

class TestCartomancyDamagedDatabase : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void damagedDatabase_data();
    void damagedDatabase();

private:
    // Answers the questions of the test on show (one option or enough
    // keywords each), up to `questions` of them or until the test ends.
    void answerQuestions(frmLearnCartomancyMain *w, int questions);

    std::unique_ptr<Sandbox> sandbox_;
};

void TestCartomancyDamagedDatabase::init()
{
    sandbox_ = std::make_unique<Sandbox>(false);
}

void TestCartomancyDamagedDatabase::cleanup()
{
    sandbox_.reset();
}

void TestCartomancyDamagedDatabase::damagedDatabase_data()
{
    QTest::addColumn<QString>("kind"); // "missing", "folder", "bytes", "noise" or "sql"
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("sql");
    QTest::addColumn<Shows>("shows");
    QTest::addColumn<bool>("told");

    const QStringList none;
    QTest::addRow("missing file") << "missing" << QByteArray() << none << Shows::Nothing << true;
    QTest::addRow("a folder in its place") << "folder" << QByteArray() << none << Shows::Nothing
                                           << true;
    // Twenty kilobytes of noise in the middle of the file: no deck cut short at
    // the damage is passed off as the whole deck.
    QTest::addRow("pages overwritten")
        << "noise" << TestSupport::RandomBytes(20 * 1024) << none << Shows::Nothing << true;
    QTest::addRow("empty file") << "bytes" << QByteArray() << none << Shows::Nothing << true;
    QTest::addRow("random bytes") << "bytes" << TestSupport::RandomBytes(64 * 1024) << none
                                  << Shows::Nothing << true;
    QTest::addRow("random bytes after the header")
        << "bytes" << QByteArray("SQLite format 3\0", 16) + TestSupport::RandomBytes(8192) << none
        << Shows::Nothing << true;
    QTest::addRow("card table missing")
        << "sql" << QByteArray() << QStringList{"DROP TABLE tblCards"} << Shows::Nothing << true;
    QTest::addRow("keyword table missing")
        << "sql" << QByteArray() << QStringList{"DROP TABLE tblKeywords"} << Shows::NoKeywords
        << true;
    QTest::addRow("meaning column missing")
        << "sql" << QByteArray() << QStringList{"ALTER TABLE tblCards DROP COLUMN NormalMeaning"}
        << Shows::NoMeanings << true;
    QTest::addRow("empty fields")
        << "sql" << QByteArray()
        << QStringList{"UPDATE tblCards SET Name = '', NormalMeaning = '', ReversedMeaning = NULL, "
                       "PictureData = NULL",
                       "UPDATE tblKeywords SET keyword = '', CardName = NULL"}
        << Shows::EmptyFields << false;
    const QString huge = TestSupport::HugeTextSql();
    QTest::addRow("huge fields")
        << "sql" << QByteArray()
        << QStringList{"UPDATE tblCards SET Name = " +
                           TestSupport::HugeTextSql(QStringLiteral("name")) + ", NormalMeaning = " +
                           huge + ", PictureData = randomblob(1048576) WHERE Id = 1",
                       "UPDATE tblKeywords SET keyword = " + huge +
                           " WHERE Id = (SELECT MIN(Id) FROM "
                           "tblKeywords WHERE CardID = 1)"}
        << Shows::HugeFields << false;
}

void TestCartomancyDamagedDatabase::answerQuestions(frmLearnCartomancyMain *w, int questions)
{
    auto *tabs = get<QTabWidget>(w, QStringLiteral("SSTab1"));
    auto *next = get<QPushButton>(w, QStringLiteral("cmdNextQuestion"));
    for (int q = 0; q < questions && tabs->currentIndex() == frmLearnCartomancyMain::TestTab; ++q) {
        for (int i = 0; i < 7 && !next->isEnabled(); ++i) {
            auto *option = get<QAbstractButton>(w, QStringLiteral("optAnswer(%1)").arg(i));
            if (option->isVisible() && get(w, QStringLiteral("picDescContainer"))->isVisible())
                option->click();
        }
        for (int i = 0; i < 10 && !next->isEnabled(); ++i) {
            auto *box = get<QCheckBox>(w, QStringLiteral("chkKeywords(%1)").arg(i));
            if (box->isVisible() && get(w, QStringLiteral("picKeywodContainer"))->isVisible())
                box->click();
        }
        QVERIFY2(next->isEnabled(), "a question that cannot be answered");
        next->click();
    }
}

void TestCartomancyDamagedDatabase::damagedDatabase()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, sql);
    QFETCH(Shows, shows);
    QFETCH(bool, told);

    const QString path = sandbox_->DatabasePath();
    if (kind == QLatin1String("bytes")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    } else if (kind == QLatin1String("sql")) {
        QVERIFY(TestSupport::DamagedCopy(BuiltDatabase(), path, sql));
    } else if (kind == QLatin1String("noise")) {
        QVERIFY(QFile::copy(BuiltDatabase(), path));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadWrite) && file.seek(file.size() / 2));
        QCOMPARE(file.write(bytes), bytes.size());
    } else if (kind == QLatin1String("folder")) {
        QVERIFY(QDir().mkpath(path));
    }
    if (kind != QLatin1String("missing") && kind != QLatin1String("folder"))
        QVERIFY(TestSupport::AgeFile(path));
    const TestSupport::FileState before = TestSupport::StateOf(path);
    const QStringList folderBefore =
        QDir(sandbox_->programFolder()).entryList(QDir::AllEntries | QDir::Hidden);

    MessageRecorder messages;
    QPointer<frmLearnCartomancyMain> w = new frmLearnCartomancyMain(sandbox_->host(), sandbox_->recorder());
    w->SetSystemTrayAvailable(false);
    w->show();
    QTest::qWait(20);
    auto *tabs = get<QTabWidget>(w, QStringLiteral("SSTab1"));
    auto *name = get<QLabel>(w, QStringLiteral("lblCardNameMemorize"));
    auto *meaning = get<QPlainTextEdit>(w, QStringLiteral("txtNormalMeaning"));
    auto *keywords = get<QPlainTextEdit>(w, QStringLiteral("txtKeywords"));
    const QString firstName = name->text();

    // Memorise: the selection's first card, then a few steps on and back.
    click(w, QStringLiteral("cmdSetOption"));
    QCOMPARE(tabs->currentIndex(), int(frmLearnCartomancyMain::MemorizeTab));
    // A missing file is reported with where it was looked for, a damaged one by the module.
    const bool missing = kind == QLatin1String("missing");
    QCOMPARE(countMessages(messages, kProblem), told && !missing ? 1 : 0);
    QCOMPARE(countMessages(messages, QStringLiteral("The file learn.dll was not found.")), missing ? 1 : 0);
    if (told) {
        const auto &message = messages.messages.last();
        QCOMPARE(message.icon, QMessageBox::Warning);
        QVERIFY2(message.text.contains(QDir::toNativeSeparators(path)), qPrintable(message.text));
        if (kind == QLatin1String("noise"))
            QVERIFY2(message.text.contains(QStringLiteral("damaged")), qPrintable(message.text));
        if (kind == QLatin1String("folder"))
            QVERIFY2(message.text.endsWith(QStringLiteral("it is a folder, not a database file.")),
                     qPrintable(message.text));
    }
    switch (shows) {
    case Shows::Nothing:
        QCOMPARE(name->text(), firstName);
        QVERIFY(meaning->toPlainText().isEmpty());
        QVERIFY(keywords->toPlainText().isEmpty());
        break;
    case Shows::NoMeanings:
        QCOMPARE(name->text(), QStringLiteral("Ace of Clubs"));
        QVERIFY(meaning->toPlainText().isEmpty());
        break;
    case Shows::NoKeywords:
        QCOMPARE(name->text(), QStringLiteral("Ace of Clubs"));
        QVERIFY(!meaning->toPlainText().isEmpty());
        QVERIFY(keywords->toPlainText().isEmpty());
        break;
    case Shows::EmptyFields:
        QCOMPARE(name->text(), QString());
        QVERIFY(meaning->toPlainText().isEmpty());
        QVERIFY(!keywords->toPlainText().contains(QRegularExpression(QStringLiteral("\\w"))));
        break;
    case Shows::HugeFields:
        QVERIFY(name->text().size() >= 1 << 20);
        QVERIFY(name->text().startsWith(QLatin1String("name name ")));
        QVERIFY(meaning->toPlainText().size() >= 1 << 20);
        QVERIFY(keywords->toPlainText().startsWith(QLatin1String("huge huge ")));
        break;
    }
    for (int i = 0; i < 3; ++i)
        click(w, QStringLiteral("cmdNext"));
    click(w, QStringLiteral("cmdPrevious"));
    if (shows != Shows::Nothing)
        QCOMPARE(w->MemorizePosition(), 3);
    if (shows == Shows::HugeFields)
        QVERIFY(name->text().size() < 100); // a card of normal size again

    // Both tests, a few questions each; without cards a test ends at once.
    for (int type = 0; type < 2; ++type) {
        tabs->setCurrentIndex(frmLearnCartomancyMain::SettingsTab);
        click(w, QStringLiteral("optTestType(%1)").arg(type));
        click(w, QStringLiteral("cmdStartTest2"));
        if (shows == Shows::Nothing) {
            QCOMPARE(tabs->currentIndex(), int(frmLearnCartomancyMain::ResultsTab));
            QCOMPARE(messages.messages.last().text, QStringLiteral("Test Complete"));
            continue;
        }
        QCOMPARE(tabs->currentIndex(), int(frmLearnCartomancyMain::TestTab));
        QVERIFY(
            get<QLabel>(w, QStringLiteral("lblQCount"))->text().startsWith(QLatin1String("1 of ")));
        answerQuestions(w, 5);
        QVERIFY(
            get<QLabel>(w, QStringLiteral("lblQCount"))->text().startsWith(QLatin1String("6 of ")));
    }

    // Told once, however often the database is opened again; the window still answers.
    tabs->setCurrentIndex(frmLearnCartomancyMain::SettingsTab);
    click(w, QStringLiteral("cmdSetOption"));
    QCOMPARE(tabs->currentIndex(), int(frmLearnCartomancyMain::MemorizeTab));
    QCOMPARE(countMessages(messages, kProblem), told && !missing ? 1 : 0);
    QCOMPARE(countMessages(messages, QStringLiteral("The file learn.dll was not found.")), missing ? 1 : 0);
    QVERIFY(!w.isNull() && w->isVisible());
    delete w.data();

    // The database was only read.
    const TestSupport::FileState after = TestSupport::StateOf(path);
    QCOMPARE(after.exists, before.exists);
    QVERIFY(after.bytes == before.bytes);
    QCOMPARE(after.modified, before.modified);
    QCOMPARE(QDir(sandbox_->programFolder()).entryList(QDir::AllEntries | QDir::Hidden),
             folderBefore);
}

QTEST_MAIN(TestCartomancyDamagedDatabase)
#include "tst_cartomancy_damaged_database.moc"
