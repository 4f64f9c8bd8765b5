// The Learn Cartomancy windows driven as a user drives them: controls found
// by name and clicked, message boxes answered and recorded, files and
// settings read back.
#include "quiz/QuizReport.h"
#include "CartomancyFixture.h"
#include "cartomancy/CartomancyModule.h"
#include "cartomancy/frmLearnCartomancyMain.h"
#include "cartomancy/frmLearnCartomancyPicEntry.h"
#include "cartomancy/modCardTest.h"
#include "cartomancy/modLearnCartomancyDB.h"
#include "cartomancy/modLearnCartomancySettings.h"
#include "toolkit/AppInfo.h"
#include "toolkit/DataLocations.h"
#include "toolkit/ModuleTable.h"
#include "shell/frmMDI.h"
#include "toolkit/modSettings.h"

#include <QDir>
#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QRadioButton>
#include <QSystemTrayIcon>
#include <QTabWidget>
#include <QTest>

#include <cerrno>

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

void click(QObject *root, const QString &name) { get<QAbstractButton>(root, name)->click(); }


// Name -> Id and Id -> keywords of the built deck.
struct Deck {
    Deck()
    {
        auto db = Db::Database::Open(BuiltDatabase());
        for (Db::RecordSet cards = Db::RecordSet::Open(db, AllCardsQuery()); !cards.IsEOF(); cards.MoveNext()) {
            idOf.insert(cards.Text(QStringLiteral("Name")), cards.Int(QStringLiteral("Id")));
            names.insert(cards.Int(QStringLiteral("Id")), cards.Text(QStringLiteral("Name")));
        }
        for (Db::RecordSet k = Db::RecordSet::Open(db, AllKeywordsQuery()); !k.IsEOF(); k.MoveNext())
            keywords[k.Int(QStringLiteral("CardID"))] << k.Text(QStringLiteral("keyword"));
    }
    QHash<QString, int> idOf;
    QMap<int, QString> names;
    QHash<int, QStringList> keywords;
};

// The arguments of an Exec line, undoing the escapes of a desktop entry value
// and then the Exec quoting; a character that must be escaped but is not
// makes the line invalid (an empty list).
QStringList parseExec(const QString &value)
{
    QString unescaped;
    for (qsizetype i = 0; i < value.size(); ++i) {
        if (value[i] != u'\\') {
            unescaped += value[i];
            continue;
        }
        if (++i >= value.size())
            return {};
        const QChar c = value[i];
        unescaped += c == u's'   ? QChar(u' ')
                     : c == u'n' ? QChar(u'\n')
                     : c == u't' ? QChar(u'\t')
                     : c == u'r' ? QChar(u'\r')
                                 : c;
    }
    QStringList arguments;
    QString current;
    bool quoted = false, inArgument = false;
    for (qsizetype i = 0; i < unescaped.size(); ++i) {
        const QChar c = unescaped[i];
        if (quoted) {
            if (c == u'"') {
                quoted = false;
            } else if (c == u'\\') {
                if (++i >= unescaped.size() || !QStringLiteral("\"`$\\").contains(unescaped[i]))
                    return {};
                current += unescaped[i];
            } else if (c == u'`' || c == u'$') {
                return {};
            } else if (c == u'%') {
                if (++i >= unescaped.size() || unescaped[i] != u'%')
                    return {};
                current += u'%';
            } else {
                current += c;
            }
        } else if (c == u' ') {
            if (inArgument)
                arguments << current;
            current.clear();
            inArgument = false;
        } else if (c == u'"') {
            quoted = inArgument = true;
        } else if (QStringLiteral("\\`$'<>~|&;*?#()").contains(c)) {
            return {}; // reserved outside quotes
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (quoted)
        return {};
    if (inArgument)
        arguments << current;
    return arguments;
}

QString execValue(const QString &entry)
{
    for (const QString &line : entry.split(u'\n'))
        if (line.startsWith(QLatin1String("Exec=")))
            return line.mid(5);
    return QString();
}

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QByteArray pictureBytes(const QColor &colour, int paddedSize)
{
    QImage image(40, 56, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    if (paddedSize > 0)
        bytes.append(QByteArray(paddedSize - bytes.size(), '\0')); // data after the image end is ignored
    return bytes;
}

} // namespace

class TestCartomancyWindows : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void windowOpensOnSettings();
    void objectiveBoxRules();
    void storedSettingsLoadAndSave();
    void memoriseWalksTheSelection();
    void windowsKeepTheirOwnCards();
    void descriptionTest_data();
    void descriptionTest();
    void keywordTest_data();
    void keywordTest();
    void keywordBoxLimit();
    void goalNotes();
    void goalNotesThatCannotBeWritten();
    void runAtLoginEntry();
    void runAtLoginErrors();
    void execLineQuoting_data();
    void execLineQuoting();
    void systemTrayAtLogin_data();
    void systemTrayAtLogin();
    void damagedDatabase_data();
    void damagedDatabase();
    void pictureEntry();
    void pictureEntrySeedsKeywords();
    void commandLineOpensTheModule_data();
    void commandLineOpensTheModule();

private:
    Settings::Store settings() const { return Settings::Store(sandbox_->locations().SettingsFile()); }
    std::unique_ptr<Sandbox> sandbox_;
    Deck deck_;
};

void TestCartomancyWindows::init()
{
    sandbox_ = std::make_unique<Sandbox>();
}

void TestCartomancyWindows::cleanup()
{
    sandbox_.reset();
}

void TestCartomancyWindows::windowOpensOnSettings()
{
    Window w(*sandbox_);
    QCOMPARE(w->windowTitle(), QStringLiteral("Vessa Learn Cartomancy"));
    auto *tabs = get<QTabWidget>(w, QStringLiteral("SSTab1"));
    QStringList captions;
    for (int i = 0; i < tabs->count(); ++i)
        captions << tabs->tabText(i);
    QCOMPARE(captions, (QStringList{QStringLiteral("My Personal Goal"), QStringLiteral("Settings"),
                                    QStringLiteral("Memorize Cards"), QStringLiteral("Take Test"),
                                    QStringLiteral("Results")}));
    QCOMPARE(tabs->currentIndex(), 1);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(tabs->isTabEnabled(i), i < 2);
    for (const QString &name : {QStringLiteral("chkMajor"), QStringLiteral("chkMinor")})
        QVERIFY(get<QCheckBox>(w, name)->isChecked());
    for (int i = 0; i < 8; ++i) {
        auto *box = get<QCheckBox>(w, QStringLiteral("chkGroup(%1)").arg(i));
        QVERIFY(box->isChecked() && box->isEnabled());
        // The caption as shown: the access-key mark differs between the two columns.
        QCOMPARE(box->text().remove(u'&'),
                 QStringList({"Clubs", "Diamond", "Spades", "Hearts"})[i % 4]);
    }
    QVERIFY(get<QRadioButton>(w, QStringLiteral("optDontRun"))->isChecked());
    QVERIFY(!get<QCheckBox>(w, QStringLiteral("chkSysTray"))->isEnabled());
    QVERIFY(get<QRadioButton>(w, QStringLiteral("optTestType(1)"))->isChecked());
    QVERIFY(get<QRadioButton>(w, QStringLiteral("optDifficulty(0)"))->isChecked());
    QVERIFY(!get(w, QStringLiteral("txtGoal1"))->isEnabled() && !get(w, QStringLiteral("cmdSaveGoal2"))->isEnabled());
    QCOMPARE(get<QAction>(w, QStringLiteral("mnuDonate"))->text(), QStringLiteral("Donate"));
    QCOMPARE(get<QAction>(w, QStringLiteral("mnuTabGoals"))->text(), QStringLiteral("&My Personal Goals"));

    get<QAction>(w, QStringLiteral("mnuTabGoals"))->trigger();
    QCOMPARE(tabs->currentIndex(), 0);
    get<QAction>(w, QStringLiteral("mnuTabSettings"))->trigger();
    QCOMPARE(tabs->currentIndex(), 1);
    click(w, QStringLiteral("cmdReset"));
    QCOMPARE(sandbox_->openedPages.size(), 1);
    click(w, QStringLiteral("cmdNav(1)"));
    QTest::qWait(10);
    QVERIFY(w.w.isNull()); // "Exit" closes the window
}

void TestCartomancyWindows::objectiveBoxRules()
{
    Window w(*sandbox_);
    const auto group = [&](int i) { return get<QCheckBox>(w, QStringLiteral("chkGroup(%1)").arg(i)); };
    auto *button = get<QPushButton>(w, QStringLiteral("cmdNext"));
    // "Next >>" sits on the Memorize tab, which is not available yet: its own state counts.
    struct {
        QPushButton *b;
        bool isEnabled() const { return b->isEnabledTo(b->parentWidget()); }
    } nextState{button}, *next = &nextState;

    click(w, QStringLiteral("chkMajor")); // cleared: its suits disabled but still checked
    for (int i = 0; i < 8; ++i)
        QCOMPARE(group(i)->isEnabled(), i >= 4);
    QVERIFY(group(0)->isChecked() && next->isEnabled());
    click(w, QStringLiteral("chkMinor"));
    QVERIFY(!next->isEnabled());
    {
        MessageRecorder messages;
        click(w, QStringLiteral("cmdSetOption"));
        click(w, QStringLiteral("cmdStartTest2"));
        QCOMPARE(messages.messages.size(), 2);
        QCOMPARE(messages.messages[0].text, QStringLiteral("Select at least one option."));
        QCOMPARE(messages.messages[0].icon, QMessageBox::NoIcon);
        QCOMPARE(messages.messages[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
    QCOMPARE(get<QTabWidget>(w, QStringLiteral("SSTab1"))->currentIndex(), 1);

    click(w, QStringLiteral("chkMajor"));
    QVERIFY(next->isEnabled() && group(0)->isEnabled());
    for (int i = 0; i < 3; ++i)
        click(w, QStringLiteral("chkGroup(%1)").arg(i));
    QVERIFY(!group(0)->isChecked() && !group(2)->isChecked());
    click(w, QStringLiteral("chkGroup(3)")); // the last face suit stays checked
    QVERIFY(group(3)->isChecked());

    // Number suits may all be cleared; with "Number Cards" alone that selects nothing.
    click(w, QStringLiteral("chkMinor"));
    for (int i = 4; i < 8; ++i)
        click(w, QStringLiteral("chkGroup(%1)").arg(i));
    QVERIFY(!group(4)->isChecked() && !group(7)->isChecked());
    click(w, QStringLiteral("chkMajor"));
    MessageRecorder messages;
    click(w, QStringLiteral("cmdSetOption"));
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].text, QStringLiteral("Select at least one option."));
    QVERIFY(!get<QTabWidget>(w, QStringLiteral("SSTab1"))->isTabEnabled(2));
}

// Stored box states and test options come back when the window opens;
// "Save Current Settings As Default" stores what is shown.
void TestCartomancyWindows::storedSettingsLoadAndSave()
{
    using namespace CartomancySettings;
    for (const QString &key : {Key::MajorArcana, Key::Cups, Key::Wands, Key::Pentacles, Key::Swords})
        settings().Write(key, QStringLiteral("0"));
    settings().Write(Key::TestType, QStringLiteral("0"));
    settings().Write(Key::Difficulty, QStringLiteral("2"));
    {
        Window w(*sandbox_);
        QVERIFY(!get<QCheckBox>(w, QStringLiteral("chkMajor"))->isChecked());
        for (int i = 0; i < 4; ++i) {
            QVERIFY(!get(w, QStringLiteral("chkGroup(%1)").arg(i))->isEnabled());
            // Clearing all four in turn leaves the last one checked by the suit rule.
            QCOMPARE(get<QCheckBox>(w, QStringLiteral("chkGroup(%1)").arg(i))->isChecked(), i == 3);
        }
        QVERIFY(get<QRadioButton>(w, QStringLiteral("optTestType(0)"))->isChecked());
        QVERIFY(get<QRadioButton>(w, QStringLiteral("optDifficulty(2)"))->isChecked());
        click(w, QStringLiteral("optDifficulty(1)"));
        click(w, QStringLiteral("chkGroup(6)"));
        click(w, QStringLiteral("cmdSaveSettings"));
    }
    const QList<std::pair<QString, QString>> expected = {
        {Key::MajorArcana, "0"}, {Key::MinorArcana, "1"}, {Key::Cups, "0"},
        {Key::Wands, "0"},       {Key::Pentacles, "0"},   {Key::Swords, "1"},
        {Key::TestType, "0"},    {Key::Difficulty, "1"},  {Key::RunAtSysTray, "False"}};
    for (const auto &[key, value] : expected)
        QCOMPARE(settings().Read(key, QStringLiteral("absent")), value);

    // An entry that is no option number leaves the option as built.
    settings().Write(Key::Difficulty, QStringLiteral("7"));
    Window again(*sandbox_);
    QVERIFY(get<QRadioButton>(again, QStringLiteral("optDifficulty(0)"))->isChecked());
    QVERIFY(get<QRadioButton>(again, QStringLiteral("optTestType(0)"))->isChecked());
}

void TestCartomancyWindows::memoriseWalksTheSelection()
{
    const QByteArray before = FileHash(sandbox_->DatabasePath());
    Window w(*sandbox_);
    auto *tabs = get<QTabWidget>(w, QStringLiteral("SSTab1"));
    auto *name = get<QLabel>(w, QStringLiteral("lblCardNameMemorize"));
    auto *picture = get<QLabel>(w, QStringLiteral("picCardMemorize"));
    auto *meaning = get<QPlainTextEdit>(w, QStringLiteral("txtNormalMeaning"));
    auto *keywords = get<QPlainTextEdit>(w, QStringLiteral("txtKeywords"));
    auto *next = get<QPushButton>(w, QStringLiteral("cmdNext"));
    auto *previous = get<QPushButton>(w, QStringLiteral("cmdPrevious"));
    click(w, QStringLiteral("cmdSetOption"));
    QCOMPARE(tabs->currentIndex(), 2);
    QVERIFY(tabs->isTabEnabled(2) && !tabs->isTabEnabled(3) && !tabs->isTabEnabled(4));

    auto *reversed = get<QPlainTextEdit>(w, QStringLiteral("txtReversedMeaning"));
    // Forward through all 52 cards in Id order; the buttons match the position.
    for (int id = 1; id <= 52; ++id) {
        if (id > 1)
            next->click();
        QCOMPARE(name->text(), deck_.names.value(id));
        QCOMPARE(w->MemorizePosition(), id);
        QCOMPARE(previous->isEnabled(), id > 1);
        QCOMPARE(next->isEnabled(), id < 52);
        QVERIFY(!picture->pixmap().isNull());
        QVERIFY(meaning->toPlainText().size() > 80);
        // The reversed meaning under the upright one, as the Settings tab promises.
        QVERIFY(reversed->toPlainText().size() > 80 && reversed->toPlainText() != meaning->toPlainText());
        QCOMPARE(keywords->toPlainText(),
                 deck_.keywords.value(id).mid(0, 5).join(QStringLiteral(", ")) + QStringLiteral(", "));
    }
    // And back to the first.
    for (int id = 51; id >= 1; --id) {
        previous->click();
        QCOMPARE(name->text(), deck_.names.value(id));
    }
    QVERIFY(next->isEnabled() && !previous->isEnabled());
    QCOMPARE(w->MemorizePosition(), 1);

    // From the last card, "Memorize" again starts on the first with "Next >>" on.
    while (next->isEnabled())
        next->click();
    tabs->setCurrentIndex(1);
    click(w, QStringLiteral("cmdSetOption"));
    QCOMPARE(name->text(), deck_.names.value(1));
    QVERIFY(next->isEnabled() && !previous->isEnabled());

    // Face clubs and number diamonds only: 13 cards, starting with the Jack of Clubs.
    tabs->setCurrentIndex(1);
    QVERIFY(!tabs->isTabEnabled(2));
    for (int i : {1, 2, 3, 4, 6, 7})
        click(w, QStringLiteral("chkGroup(%1)").arg(i));
    click(w, QStringLiteral("cmdSetOption"));
    QStringList seen{name->text()};
    while (next->isEnabled()) {
        next->click();
        if (seen.last() != name->text())
            seen << name->text();
    }
    QCOMPARE(seen.size(), 13);
    QCOMPARE(seen.first(), QStringLiteral("Jack of Clubs"));
    QCOMPARE(seen.last(), deck_.names.value(23));
    QCOMPARE(FileHash(sandbox_->DatabasePath()), before); // read, never written
}

// The picture window and the Memorize tab step through cards of their own,
// and a test asks about the selection the Memorize tab was opened on.
void TestCartomancyWindows::windowsKeepTheirOwnCards()
{
    Window w(*sandbox_);
    auto *name = get<QLabel>(w, QStringLiteral("lblCardNameMemorize"));
    for (int i : {1, 2, 3, 4, 6, 7})
        click(w, QStringLiteral("chkGroup(%1)").arg(i));
    click(w, QStringLiteral("cmdSetOption"));
    click(w, QStringLiteral("cmdNext"));
    const QString second = name->text();
    click(w, QStringLiteral("cmdPrevious"));
    QCOMPARE(name->text(), QStringLiteral("Jack of Clubs"));

    QPointer<frmLearnCartomancyPicEntry> entry = new frmLearnCartomancyPicEntry(sandbox_->host());
    click(w, QStringLiteral("cmdNext"));
    QCOMPARE(name->text(), second);
    QCOMPARE(w->MemorizePosition(), 2);
    click(entry, QStringLiteral("Command2"));
    QCOMPARE(get<QLabel>(entry, QStringLiteral("Label1"))->text(), deck_.names.value(2));
    MessageRecorder messages;
    click(w, QStringLiteral("cmdStartTest"));
    QCOMPARE(get<QLabel>(w, QStringLiteral("lblQCount"))->text(), QStringLiteral("1 of 13"));
    delete entry.data();
}

void TestCartomancyWindows::descriptionTest_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("options");
    QTest::addRow("beginner") << 0 << 2;
    QTest::addRow("intermediate") << 1 << 3;
    QTest::addRow("advanced") << 2 << 4;
}

// Twelve face cards, the first seven answered right: the report lists them in
// the order asked, "Test Complete" comes once, and the result saves as text.
void TestCartomancyWindows::descriptionTest()
{
    QFETCH(int, level);
    QFETCH(int, options);
    const QByteArray before = FileHash(sandbox_->DatabasePath());
    Window w(*sandbox_);
    auto *tabs = get<QTabWidget>(w, QStringLiteral("SSTab1"));
    auto *nextQuestion = get<QPushButton>(w, QStringLiteral("cmdNextQuestion"));
    click(w, QStringLiteral("chkMinor"));
    click(w, QStringLiteral("optTestType(0)"));
    click(w, QStringLiteral("optDifficulty(%1)").arg(level));
    click(w, QStringLiteral("cmdStartTest2"));
    QCOMPARE(tabs->currentIndex(), 3);
    QVERIFY(get(w, QStringLiteral("picDescContainer"))->isVisible());

    MessageRecorder messages;
    QStringList asked;
    for (int q = 1; q <= 12; ++q) {
        QCOMPARE(get<QLabel>(w, QStringLiteral("lblQCount"))->text(), QStringLiteral("%1 of 12").arg(q));
        QVERIFY(!nextQuestion->isEnabled());
        asked << get<QLabel>(w, QStringLiteral("lblCardName"))->text();
        QVERIFY(!get<QLabel>(w, QStringLiteral("picResult"))->pixmap().isNull());
        QAbstractButton *right = nullptr;
        QAbstractButton *wrong = nullptr;
        int shown = 0;
        for (int i = 0; i < 7; ++i) {
            QAbstractButton *option = get<QAbstractButton>(w, QStringLiteral("optAnswer(%1)").arg(i));
            QCOMPARE(option->isVisible(), level == 0 ? (i == 1 || i == 2) : i < options);
            if (!option->isVisible())
                continue;
            ++shown;
            (option->property("tag").toString() == QLatin1String("True") ? right : wrong) = option;
        }
        QCOMPARE(shown, options);
        QVERIFY(right && wrong);
        (q <= 7 ? right : wrong)->click();
        QVERIFY(nextQuestion->isEnabled());
        nextQuestion->click();
    }
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].text, QStringLiteral("Test Complete"));
    QCOMPARE(messages.messages[0].icon, QMessageBox::Information);
    QCOMPARE(tabs->currentIndex(), 4);
    QVERIFY(!tabs->isTabEnabled(3) && tabs->isTabEnabled(4));
    QCOMPARE(get<QLabel>(w, QStringLiteral("lblResultInfo"))->text(), QStringLiteral("7 out of 12 questions correct"));

    auto *result = get<QPlainTextEdit>(w, QStringLiteral("txtResult"));
    QCOMPARE(result->font().family(), QStringLiteral("Courier New"));
    const QStringList lines = result->toPlainText().split(u'\n');
    QCOMPARE(lines.size(), 17);
    QCOMPARE(lines[0], ReportTitle());
    QCOMPARE(lines[1], QString(ReportTitle().size(), u'-'));
    for (int q = 0; q < 12; ++q)
        QCOMPARE(lines[3 + q], QStringLiteral("%1.      ").arg(q + 1, 2, 10, QLatin1Char('0')) +
                                   asked[q].leftJustified(36) +
                                   (q < 7 ? QStringLiteral("Correct") : QStringLiteral("Wrong")));
    QCOMPARE(lines[15], QString(64, u'_'));
    QCOMPARE(lines[16], QStringLiteral("7 out of 12 questions correct"));
    // At a glance above the report; the five wrong lines marked in it.
    QCOMPARE(get<QLabel>(w, QStringLiteral("lblScore"))->text(), QStringLiteral("7 of 12 correct, 58 %"));
    const QStringList marked = TestSupport::LinesInColour(
        get<QPlainTextEdit>(w, QStringLiteral("txtResult"))->document(), Quiz::WrongAnswerColour());
    QCOMPARE(marked, lines.mid(10, 5));

    // Saved: the text with CR LF line ends and one more line break.
    const QString path = sandbox_->userFolder() + QStringLiteral("/result.txt");
    QVERIFY(w->SaveResultTo(path));
    QFile saved(path);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), QString(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    // Through the dialog, with the suffix added.
    QTimer answer;
    QString title;
    connect(&answer, &QTimer::timeout, this, [this, &answer, &title] {
        for (QWidget *top : QApplication::topLevelWidgets()) {
            auto *dialog = qobject_cast<QFileDialog *>(top);
            if (!dialog || !dialog->isVisible())
                continue;
            answer.stop();
            title = dialog->windowTitle();
            dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))
                ->setText(sandbox_->userFolder() + QStringLiteral("/chosen"));
            static_cast<QDialog *>(dialog)->accept();
        }
    });
    answer.start(20);
    click(w, QStringLiteral("Command5"));
    QCOMPARE(title, QStringLiteral("Save Current Result"));
    QCOMPARE(FileHash(sandbox_->userFolder() + QStringLiteral("/chosen.txt")), FileHash(path));
    // A file that cannot be written is reported and nothing is left.
    const QString blocked = sandbox_->userFolder() + QStringLiteral("/result.txt/inside.txt");
    QVERIFY(!w->SaveResultTo(blocked));
    QCOMPARE(messages.messages.size(), 2);
    QVERIFY(messages.messages[1].text.startsWith(QLatin1String("The result could not be saved.")));
    QCOMPARE(messages.messages[1].icon, QMessageBox::Critical);
    QVERIFY(!QFile::exists(blocked));
    QCOMPARE(FileHash(sandbox_->DatabasePath()), before);
}

void TestCartomancyWindows::keywordTest_data()
{
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("boxes");
    QTest::addColumn<int>("toChoose");
    QTest::addColumn<QString>("summary");
    QTest::addRow("beginner") << 0 << 5 << 1 << "6/12 choice(s) from 12 questions were correct";
    QTest::addRow("intermediate") << 1 << 7 << 3 << "30/36 choice(s) from 12 questions were correct";
    QTest::addRow("advanced") << 2 << 10 << 5 << "54/60 choice(s) from 12 questions were correct";
}

// Twelve face cards; the first six questions get one wrong box ticked.
void TestCartomancyWindows::keywordTest()
{
    QFETCH(int, level);
    QFETCH(int, boxes);
    QFETCH(int, toChoose);
    QFETCH(QString, summary);
    Window w(*sandbox_);
    auto *nextQuestion = get<QPushButton>(w, QStringLiteral("cmdNextQuestion"));
    click(w, QStringLiteral("chkMinor"));
    click(w, QStringLiteral("optDifficulty(%1)").arg(level));
    click(w, QStringLiteral("cmdStartTest2"));
    QVERIFY(get(w, QStringLiteral("picKeywodContainer"))->isVisible());
    QCOMPARE(get<QLabel>(w, QStringLiteral("lblMaxKeyword"))->text(),
             toChoose == 1 ? QStringLiteral("You must choose 1 keyword")
                           : QStringLiteral("You must choose %1 keywords").arg(toChoose));
    MessageRecorder messages;
    QStringList lineEnds;
    for (int q = 1; q <= 12; ++q) {
        const int card = deck_.idOf.value(get<QLabel>(w, QStringLiteral("lblCardName"))->text());
        QVERIFY(card > 0);
        QList<QCheckBox *> own, other;
        for (int i = 0; i < 10; ++i) {
            auto *box = get<QCheckBox>(w, QStringLiteral("chkKeywords(%1)").arg(i));
            QCOMPARE(box->isVisible(), i < boxes);
            QVERIFY(!box->isChecked());
            if (box->isVisible())
                (deck_.keywords.value(card).contains(box->text()) ? own : other) << box;
        }
        QCOMPARE(own.size(), toChoose);
        const int right = q <= 6 ? toChoose - 1 : toChoose;
        for (int i = 0; i < right; ++i)
            own[i]->click();
        for (int i = right; i < toChoose; ++i)
            other[i]->click();
        QVERIFY(nextQuestion->isEnabled());
        lineEnds << QStringLiteral("%1 Out Of %2 Correct").arg(right).arg(toChoose);
        nextQuestion->click();
    }
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(get<QLabel>(w, QStringLiteral("lblResultInfo"))->text(), summary);
    const QStringList lines = get<QPlainTextEdit>(w, QStringLiteral("txtResult"))->toPlainText().split(u'\n');
    for (int q = 0; q < 12; ++q) {
        QVERIFY(lines[3 + q].endsWith(lineEnds[q]));
        QCOMPARE(lines[3 + q].size(), 9 + 36 + lineEnds[q].size());
    }
    QCOMPARE(lines.last(), summary);
}

void TestCartomancyWindows::keywordBoxLimit()
{
    Window w(*sandbox_);
    click(w, QStringLiteral("cmdStartTest2")); // keywords at "Beginner" by default
    auto *nextQuestion = get<QPushButton>(w, QStringLiteral("cmdNextQuestion"));
    auto *first = get<QCheckBox>(w, QStringLiteral("chkKeywords(0)"));
    auto *second = get<QCheckBox>(w, QStringLiteral("chkKeywords(1)"));
    first->click();
    QVERIFY(nextQuestion->isEnabled());
    MessageRecorder messages;
    second->click();
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].text, QStringLiteral("You can select only 1 keywords.\r\n"
                                                       "Please unselect one before selecting another keyword"));
    QCOMPARE(messages.messages[0].icon, QMessageBox::Warning);
    QVERIFY(first->isChecked() && !second->isChecked());
    QVERIFY(nextQuestion->isEnabled());
    first->click();
    QVERIFY(!nextQuestion->isEnabled());
}

void TestCartomancyWindows::goalNotes()
{
    const auto GoalFilePath = [this](int goal) {
        return CartomancySettings::GoalFilePath(sandbox_->locations(), goal);
    };
    {
        Window w(*sandbox_);
        for (int goal = 1; goal <= 2; ++goal) {
            QCOMPARE(readText(GoalFilePath(goal)), QStringLiteral("This is Goal %1.\r\n").arg(goal));
            QCOMPARE(get<QPlainTextEdit>(w, QStringLiteral("txtGoal%1").arg(goal))->toPlainText(),
                     QStringLiteral("This is Goal %1.\n").arg(goal));
        }
        click(w, QStringLiteral("chkGoal1"));
        QVERIFY(get(w, QStringLiteral("txtGoal1"))->isEnabled() && get(w, QStringLiteral("cmdSaveGoal1"))->isEnabled());
        QVERIFY(!get(w, QStringLiteral("txtGoal2"))->isEnabled());
        get<QPlainTextEdit>(w, QStringLiteral("txtGoal1"))
            ->setPlainText(QStringLiteral("  Learn the twelve face cards\nthen the Spades  "));
        click(w, QStringLiteral("cmdSaveGoal1"));
        click(w, QStringLiteral("chkGoal1"));
        QVERIFY(!get(w, QStringLiteral("txtGoal1"))->isEnabled());
    }
    QCOMPARE(readText(GoalFilePath(1)), QStringLiteral("Learn the twelve face cards\r\nthen the Spades\r\n"));
    Window again(*sandbox_);
    auto *box = get<QPlainTextEdit>(again, QStringLiteral("txtGoal1"));
    QCOMPARE(box->toPlainText(), QStringLiteral("Learn the twelve face cards\nthen the Spades\n"));
    click(again, QStringLiteral("chkGoal1"));
    click(again, QStringLiteral("cmdSaveGoal1")); // unchanged: the file stays byte for byte
    QCOMPARE(readText(GoalFilePath(1)), QStringLiteral("Learn the twelve face cards\r\nthen the Spades\r\n"));
}

void TestCartomancyWindows::goalNotesThatCannotBeWritten()
{
    // The user folder is a file: nothing can be created inside it.
    const QString blocked = sandbox_->folder() + QStringLiteral("/blocked");
    QFile file(blocked);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    MessageRecorder messages;
    Window w(*sandbox_, sandbox_->HostWith([&](DataLocations::Folders &folders) { folders.user = blocked; }));
    QCOMPARE(messages.messages.size(), 1);
    QVERIFY(messages.messages[0].text.contains(QLatin1String("Goal 1 could not be kept")));
    QVERIFY(messages.messages[0].text.contains(QLatin1String("Goal 2 could not be kept")));
    click(w, QStringLiteral("chkGoal2"));
    get<QPlainTextEdit>(w, QStringLiteral("txtGoal2"))->setPlainText(QStringLiteral("Practise daily"));
    click(w, QStringLiteral("cmdSaveGoal2"));
    QCOMPARE(messages.messages.size(), 2);
    QVERIFY(messages.messages[1].text.startsWith(QLatin1String("Goal 2 could not be saved.")));
    QCOMPARE(messages.messages[1].icon, QMessageBox::Critical);
    QCOMPARE(QFileInfo(blocked).size(), 0);
}

void TestCartomancyWindows::runAtLoginEntry()
{
    const QString entry = AutostartFilePath(sandbox_->AutostartFolderPath(), AppInfo::ApplicationName());
    QCOMPARE(QFileInfo(entry).absolutePath(), QFileInfo(sandbox_->AutostartFolderPath()).absoluteFilePath());
    {
        Window w(*sandbox_);
        auto *tray = get<QCheckBox>(w, QStringLiteral("chkSysTray"));
        click(w, QStringLiteral("optRun"));
        QVERIFY(IsRunAtStartup(sandbox_->AutostartFolderPath(), AppInfo::ApplicationName()));
        QVERIFY(tray->isEnabled() && !tray->isChecked());
        const QString text = readText(entry);
        QVERIFY(text.startsWith(QLatin1String("[Desktop Entry]\n")));
        QVERIFY(text.contains(QLatin1String("\nType=Application\n")));
        QCOMPARE(parseExec(execValue(text)),
                 (QStringList{QCoreApplication::applicationFilePath(), QStringLiteral("/STARTUP")}));
        tray->click();
        QCOMPARE(settings().Read(CartomancySettings::Key::RunAtSysTray, QString()), QStringLiteral("True"));
        click(w, QStringLiteral("optDontRun"));
        QVERIFY(!QFile::exists(entry));
        QVERIFY(!tray->isEnabled() && !tray->isChecked());
        QCOMPARE(settings().Read(CartomancySettings::Key::RunAtSysTray, QString()), QStringLiteral("False"));
    }
    // With an entry (here an old one) the window opens on "Run at start-up"
    // with the stored tray choice and writes the entry again.
    QFile old(entry);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("[Desktop Entry]\nExec=\"/old/place/learning-suite\" /STARTUP\n");
    old.close();
    CartomancySettings::SaveRunAtSysTray(settings(), true);
    Window w(*sandbox_);
    QVERIFY(get<QRadioButton>(w, QStringLiteral("optRun"))->isChecked());
    QVERIFY(get<QCheckBox>(w, QStringLiteral("chkSysTray"))->isEnabled());
    QVERIFY(get<QCheckBox>(w, QStringLiteral("chkSysTray"))->isChecked());
    QCOMPARE(parseExec(execValue(readText(entry))).value(0), QCoreApplication::applicationFilePath());
    QVERIFY(w->isVisible()); // no /STARTUP on this command line
}

void TestCartomancyWindows::runAtLoginErrors()
{
    // The autostart folder cannot be made (a file is in the way).
    const QString file = sandbox_->folder() + QStringLiteral("/not-a-folder");
    QFile in(file);
    QVERIFY(in.open(QIODevice::WriteOnly));
    in.close();
    {
        MessageRecorder messages;
        Window blocked(*sandbox_, sandbox_->HostWith([&](DataLocations::Folders &folders) {
            folders.autostart = file + QStringLiteral("/autostart");
        }));
        // Loading chooses "Don't run", which cannot look into the folder either.
        QCOMPARE(messages.messages.size(), 1);
        click(blocked, QStringLiteral("optRun"));
        QCOMPARE(messages.messages.size(), 2);
        QCOMPARE(messages.messages[1].text, QStringLiteral("Error %1 opening key\r\n").arg(ENOTDIR));
        QCOMPARE(messages.messages[1].icon, QMessageBox::NoIcon);
    }
    // The entry cannot be written (a folder has its name).
    Window w(*sandbox_);
    const QString entry = AutostartFilePath(sandbox_->AutostartFolderPath(), AppInfo::ApplicationName());
    QVERIFY(QDir().mkpath(entry + QStringLiteral("/inside")));
    MessageRecorder messages;
    click(w, QStringLiteral("optDontRun"));
    click(w, QStringLiteral("optRun"));
    QCOMPARE(messages.messages.size(), 2); // neither removed nor written
    QVERIFY(!messages.messages[0].text.isEmpty() && messages.messages[0].text.endsWith(QLatin1String("\r\n")));
    const QRegularExpression settingKey(QStringLiteral("^Error [1-9][0-9]* setting key\r\n$"));
    QVERIFY(settingKey.match(messages.messages[1].text).hasMatch());
    QVERIFY(QFileInfo(entry).isDir());
}

void TestCartomancyWindows::execLineQuoting_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("exec");
    QTest::addRow("plain") << "/opt/suite/learning-suite" << R"("/opt/suite/learning-suite" /STARTUP)";
    QTest::addRow("blanks") << "/home/ann/My Programs/learning-suite"
                            << R"("/home/ann/My Programs/learning-suite" /STARTUP)";
    QTest::addRow("double quote") << R"(/tmp/say "hi"/learning-suite)"
                                  << R"("/tmp/say \\"hi\\"/learning-suite" /STARTUP)";
    QTest::addRow("dollar") << "/tmp/$HOME/learning-suite" << R"("/tmp/\\$HOME/learning-suite" /STARTUP)";
    QTest::addRow("backquote") << "/tmp/`reboot`/learning-suite" << R"("/tmp/\\`reboot\\`/learning-suite" /STARTUP)";
    QTest::addRow("percent") << "/tmp/100%u/learning-suite" << R"("/tmp/100%%u/learning-suite" /STARTUP)";
    QTest::addRow("backslash") << R"(/tmp/a\b/learning-suite)" << R"("/tmp/a\\\\b/learning-suite" /STARTUP)";
    QTest::addRow("everything") << "/tmp/x \" ` $ % \\ ; & | 'y'/learning-suite" << QString();
}

// The Exec line runs exactly the program at that path, whatever its folder is called.
void TestCartomancyWindows::execLineQuoting()
{
    QFETCH(QString, path);
    QFETCH(QString, exec);
    const QString value = execValue(AutostartEntryText(path));
    if (!exec.isEmpty())
        QCOMPARE(value, exec);
    QCOMPARE(parseExec(value), (QStringList{path, QStringLiteral("/STARTUP")}));
}

void TestCartomancyWindows::systemTrayAtLogin_data()
{
    QTest::addColumn<bool>("startupSwitch");
    QTest::addColumn<bool>("trayAvailable");
    QTest::addColumn<bool>("toTray");
    QTest::addRow("opened by the user") << false << true << false;
    QTest::addRow("at login, no tray on the desktop") << true << false << false;
    QTest::addRow("at login") << true << true << true;
}

void TestCartomancyWindows::systemTrayAtLogin()
{
    QFETCH(bool, startupSwitch);
    QFETCH(bool, trayAvailable);
    QFETCH(bool, toTray);
    QVERIFY(SetRunAtStartup(sandbox_->AutostartFolderPath(), AppInfo::ApplicationName(),
                            QCoreApplication::applicationFilePath(), true)
                .ok);
    CartomancySettings::SaveRunAtSysTray(settings(), true);
    TestSupport::Host &host = sandbox_->HostWith(
        {}, {QStringLiteral("learning-suite"), startupSwitch ? QStringLiteral("/STARTUP") : QStringLiteral("--other")});
    Window w(*sandbox_, host, trayAvailable);
    QCOMPARE(w->isVisible(), !toTray);
    QCOMPARE(w->IsInSystemTray(), toTray);
    auto *menu = get<QMenu>(w, QStringLiteral("mnuPopUp"));
    const QList<QAction *> actions = menu->actions();
    QCOMPARE(actions.size(), 2);
    QCOMPARE(actions[0]->text(), QStringLiteral("Show"));
    QCOMPARE(actions[1]->text(), QStringLiteral("Exit"));
    QCOMPARE(menu->defaultAction(), actions[0]);
    QVERIFY(actions[0]->font().bold());
    if (!toTray)
        return;
    QCOMPARE(w->TrayIcon()->toolTip(), QStringLiteral("Recent"));
    QCOMPARE(w->TrayIcon()->contextMenu(), menu);
    Q_EMIT w->TrayIcon()->activated(QSystemTrayIcon::DoubleClick);
    QVERIFY(w->isVisible());
    QVERIFY(!w->IsInSystemTray());
    QVERIFY(w->GoToSystemTray());
    actions[1]->trigger(); // "Exit"
    QTest::qWait(10);
    QVERIFY(w.w.isNull());
}

void TestCartomancyWindows::damagedDatabase_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("present");
    QTest::addRow("missing") << QByteArray() << false;
    QTest::addRow("empty") << QByteArray() << true;
    QTest::addRow("damaged") << QByteArray(4096, 'x') << true;
    QTest::addRow("truncated") << QByteArray("SQLite format 3\0", 16) + QByteArray(200, '\0') << true;
}

// Without a usable learn.dll the window stays usable with empty fields; the
// file is left as it was.
void TestCartomancyWindows::damagedDatabase()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, present);
    QFile::remove(sandbox_->DatabasePath());
    if (present) {
        QFile file(sandbox_->DatabasePath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }
    auto opening = std::make_unique<MessageRecorder>();
    Window w(*sandbox_);
    // The user is told once: that the file is missing, with where it was
    // looked for, or that it cannot be read.
    click(w, QStringLiteral("cmdSetOption"));
    QCOMPARE(opening->messages.size(), 1);
    QVERIFY(opening->messages[0].text.contains(QDir::toNativeSeparators(sandbox_->DatabasePath())));
    QVERIFY(opening->messages[0].text.contains(present ? QStringLiteral("cannot be read") : QStringLiteral("was not found")));
    opening.reset();
    QCOMPARE(get<QTabWidget>(w, QStringLiteral("SSTab1"))->currentIndex(), 2);
    QCOMPARE(get<QLabel>(w, QStringLiteral("lblCardNameMemorize"))->text(), QStringLiteral("Card Name"));
    QVERIFY(get<QPlainTextEdit>(w, QStringLiteral("txtNormalMeaning"))->toPlainText().isEmpty());
    QVERIFY(get<QPlainTextEdit>(w, QStringLiteral("txtKeywords"))->toPlainText().isEmpty());
    QVERIFY(get<QLabel>(w, QStringLiteral("picCardMemorize"))->pixmap().isNull());
    click(w, QStringLiteral("cmdNext"));
    click(w, QStringLiteral("cmdPrevious"));
    MessageRecorder messages;
    click(w, QStringLiteral("cmdStartTest")); // no cards: finished at once
    QCOMPARE(messages.messages.size(), 1);
    QCOMPARE(messages.messages[0].text, QStringLiteral("Test Complete"));
    QCOMPARE(get<QLabel>(w, QStringLiteral("lblResultInfo"))->text(),
             QStringLiteral("0/0 choice(s) from 0 questions were correct"));
    QCOMPARE(QFile::exists(sandbox_->DatabasePath()), present);
    if (present)
        QCOMPARE(readText(sandbox_->DatabasePath()).toLatin1(), content);
}

void TestCartomancyWindows::pictureEntry()
{
    QPointer<frmLearnCartomancyPicEntry> w = new frmLearnCartomancyPicEntry(sandbox_->host());
    w->show();
    auto *label = get<QLabel>(w, QStringLiteral("Label1"));
    auto *picture = get<QLabel>(w, QStringLiteral("Picture1"));
    QCOMPARE(label->text(), QStringLiteral("Label1")); // nothing shown before "Next" or "Prev"
    click(w, QStringLiteral("Command2"));
    QCOMPARE(label->text(), deck_.names.value(2));
    click(w, QStringLiteral("Command3"));
    QCOMPARE(label->text(), deck_.names.value(1));
    QVERIFY(!picture->pixmap().isNull());

    const auto stored = [this](int id) {
        Db::RecordSet set = Db::RecordSet::Open(Db::Database::Open(sandbox_->DatabasePath()), AllCardsQuery());
        set.SetFilter(QStringLiteral("ID=%1").arg(id));
        return set.Bytes(QStringLiteral("PictureData"));
    };
    const QByteArray second = stored(2);
    const QByteArray big = pictureBytes(Qt::darkGreen, 10000);
    const QByteArray small = pictureBytes(Qt::darkRed, 0);
    QCOMPARE(big.size(), 10000);
    const QString file = sandbox_->folder() + QStringLiteral("/face.png");
    for (const QByteArray &bytes : {big, small}) {
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        out.close();
        QVERIFY(w->StorePictureFile(file));
        QCOMPARE(stored(1), bytes); // exactly the file, replacing the earlier picture completely
        click(w, QStringLiteral("Command2"));
        click(w, QStringLiteral("Command3"));
        QCOMPARE(picture->pixmap().toImage().pixelColor(picture->pixmap().width() / 2, picture->pixmap().height() / 2),
                 QColor(bytes == big ? Qt::darkGreen : Qt::darkRed));
    }
    QCOMPARE(stored(2), second); // other cards untouched
    {
        // A file that cannot be read, and a database another program holds:
        // each is reported, the card keeps its picture and the window shows that one.
        TestSupport::MessageRecorder messages;
        QVERIFY(!w->StorePictureFile(sandbox_->folder() + QStringLiteral("/missing.png")));
        QSqlDatabase holder = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        holder.setDatabaseName(sandbox_->DatabasePath());
        QVERIFY(holder.open());
        QVERIFY(QSqlQuery(holder).exec(QStringLiteral("BEGIN EXCLUSIVE")));
        QFile out(file);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(big);
        out.close();
        QVERIFY(!w->StorePictureFile(file));
        QVERIFY(QSqlQuery(holder).exec(QStringLiteral("ROLLBACK")));
        holder.close();
        holder = QSqlDatabase();
        QSqlDatabase::removeDatabase(QStringLiteral("holder"));
        QCOMPARE(messages.messages.size(), 2);
        QVERIFY(messages.messages[0].text.startsWith(QStringLiteral("The picture file could not be read.")));
        QVERIFY(messages.messages[1].text.startsWith(
            QStringLiteral("The picture could not be stored in the card database.")));
        QCOMPARE(messages.messages[1].icon, QMessageBox::Warning);
        QCOMPARE(picture->pixmap().toImage().pixelColor(picture->pixmap().width() / 2, picture->pixmap().height() / 2),
                 QColor(Qt::darkRed));
    }
    QCOMPARE(stored(1), small);

    // Past the last card "Next" shows nothing new; "Prev" brings the last card back.
    for (int i = 0; i < 51; ++i)
        click(w, QStringLiteral("Command2"));
    QCOMPARE(label->text(), deck_.names.value(52));
    click(w, QStringLiteral("Command2"));
    QCOMPARE(label->text(), deck_.names.value(52));
    click(w, QStringLiteral("Command3"));
    QCOMPARE(label->text(), deck_.names.value(52));
    click(w, QStringLiteral("Command3"));
    QCOMPARE(label->text(), deck_.names.value(51));
    delete w.data();
}

void TestCartomancyWindows::pictureEntrySeedsKeywords()
{
    // A deck whose keyword table is still empty gets seven numbered rows per card.
    std::vector<DeckCard> cards;
    for (int id = 1; id <= 52; ++id)
        cards.push_back({id, deck_.names.value(id), 0});
    QFile::remove(sandbox_->DatabasePath());
    QVERIFY(MakeDeck(sandbox_->DatabasePath(), cards, {}));
    {
        QPointer<frmLearnCartomancyPicEntry> w = new frmLearnCartomancyPicEntry(sandbox_->host());
        TestSupport::MessageRecorder messages;
        click(w, QStringLiteral("Command4"));
        // Seeding again: every number is in use, so every row is refused, and it says so.
        click(w, QStringLiteral("Command4"));
        QCOMPARE(messages.messages.size(), 2);
        QCOMPARE(messages.messages[0].text, SeededKeywordsMessage(364, 0));
        QCOMPARE(messages.messages[1].text, SeededKeywordsMessage(0, 364));
        QCOMPARE(messages.messages[1].icon, QMessageBox::Warning);
        delete w.data();
    }
    auto db = Db::Database::Open(sandbox_->DatabasePath());
    QCOMPARE(Db::RecordSet::Open(db, AllKeywordsQuery()).RecordCount(), 364);
    Db::RecordSet five = Db::RecordSet::Open(db, CardKeywordsQuery(5) + QStringLiteral(" ORDER BY Id"));
    QCOMPARE(five.RecordCount(), 7);
    for (int k = 1; k <= 7; five.MoveNext(), ++k) {
        QCOMPARE(five.Int(QStringLiteral("Id")), 28 + k);
        QCOMPARE(five.Text(QStringLiteral("keyword")), deck_.names.value(5) + QStringLiteral(" %1").arg(k));
        QCOMPARE(five.Text(QStringLiteral("CardName")), deck_.names.value(5));
    }
}

void TestCartomancyWindows::commandLineOpensTheModule_data()
{
    QTest::addColumn<QString>("argument");
    QTest::addColumn<QString>("opened");
    QTest::addRow("login") << "/STARTUP" << "frmLearnCartomancyMain";
    QTest::addRow("picture entry") << "--card-picture-entry" << "frmLearnCartomancyPicEntry";
    QTest::addRow("lower case") << "/startup" << "";
    QTest::addRow("none") << "" << "";
}

void TestCartomancyWindows::commandLineOpensTheModule()
{
    QFETCH(QString, argument);
    QFETCH(QString, opened);
    {
        frmMDI mdi(sandbox_->suiteWith({CartomancyModule(sandbox_->recorder())},
                                       {QStringLiteral("learning-suite"), argument}));
        mdi.show();
        QTest::qWait(30);
        QWidget *main = mdi.findChild<QWidget *>(QStringLiteral("frmLearnCartomancyMain"));
        QWidget *entry = mdi.findChild<QWidget *>(QStringLiteral("frmLearnCartomancyPicEntry"));
        QCOMPARE(main != nullptr, opened == QLatin1String("frmLearnCartomancyMain"));
        QCOMPARE(entry != nullptr, opened == QLatin1String("frmLearnCartomancyPicEntry"));
        if (main)
            QVERIFY(main->isVisible()); // no tray asked for
    }
}

QTEST_MAIN(TestCartomancyWindows)
#include "tst_cartomancy_windows.moc"
