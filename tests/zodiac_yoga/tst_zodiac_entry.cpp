// The Zodiac Yoga entry window: its controls, the name filter, the birth-data
// messages, the reading action, and saving and reopening a reading file.

#include "ZodiacWindows.h"

#include "support/TestSupport.h"
#include "shell/AppInfo.h"
#include "shell/UpdateReminder.h"
#include "shell/modSettings.h"
#include "zodiac_yoga/modSunSignYoga.h"

#include <QAction>
#include <QClipboard>
#include <QCompleter>
#include <QAbstractItemView>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QInputMethodEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace ZodiacWindows;
using TestSupport::AnswerNextMessage;
using TestSupport::MessageRecorder;

namespace {

QByteArray encodedLine(const QByteArray &plain)
{
    QByteArray line;
    for (const char ch : plain)
        line += char(uchar(ch) + Settings::K);
    return line + "\r\n";
}

QByteArray readingBytes(const QByteArray &name, const QByteArray &day, const QByteArray &month,
                        const QByteArray &year)
{
    return encodedLine(name) + encodedLine(day) + encodedLine(month) + encodedLine(year);
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList inputsOf(QWidget *entry)
{
    return {NameBox(entry)->text(), List(entry, "cboDate")->currentText(),
            List(entry, "cboMonth")->currentText(), List(entry, "cboYear")->currentText()};
}

QStringList readingAsList(const ZodiacReading &r)
{
    return {r.name, QString::number(r.day), r.month, QString::number(r.year), r.sign};
}

// Types a file name into a file dialog and presses Enter, as the user would.
void typeFileName(QFileDialog *dialog, const QString &name)
{
    auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    QVERIFY(edit);
    edit->clear();
    QTest::keyClicks(edit, name);
    // A completion list may have opened over the box; Enter is meant for the dialog.
    if (QCompleter *completer = edit->completer(); completer && completer->popup())
        completer->popup()->hide();
    QTest::keyClick(edit, Qt::Key_Return);
}

// Runs `action` while a timer handles the next modal dialog of type T.
template <typename T>
void withDialog(const std::function<void(T *)> &handle, const std::function<void()> &action)
{
    bool handled = false;
    QStringList unexpected;
    QTimer timer;
    timer.setInterval(10);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        if (auto *dialog = qobject_cast<T *>(modal); dialog && !handled) {
            handled = true;
            handle(dialog);
        } else if (auto *other = qobject_cast<QDialog *>(modal)) {
            // Anything else that pops up would block the test: note it and close it.
            auto *box = qobject_cast<QMessageBox *>(other);
            unexpected << other->metaObject()->className() + QStringLiteral(": ") + (box ? box->text() : other->windowTitle());
            other->reject();
        }
    });
    timer.start();
    action();
    timer.stop();
    QVERIFY2(handled, "no dialog appeared");
    QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(u'\n')));
}

} // namespace

class TestZodiacEntry : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void controlsAndLists();
    void updateReminderRunsOnOpening();
    void focusOrder();
    void nameFilterTyping_data();
    void nameFilterTyping();
    void nameFilterEditingKeys();
    void nameFilterOtherInput_data();
    void nameFilterOtherInput();
    void nameFilterMiddleClickPaste();
    void dateMessages_data();
    void dateMessages();
    void acceptedInput_data();
    void acceptedInput();
    void yearPlaysNoPart_data();
    void yearPlaysNoPart();
    void readingHidesEntryAndBackRestoresIt();
    void exitClosesEntry();

    void saveAndReopenRoundTrip();
    void openRefusesOtherExtensions_data();
    void openRefusesOtherExtensions();
    void openShortOrOddFile_data();
    void openShortOrOddFile();
    void openHugeOrBinaryFile_data();
    void openHugeOrBinaryFile();
    void openDialogCancelAndAccept();
    void saveDialogWritesChosenFile();
    void saveFailureIsReported_data();
    void saveFailureIsReported();

private:
    frmZodiacYogaMain *newEntry();
    std::unique_ptr<TestSupport::Sandbox> sandbox_;
    std::unique_ptr<QTemporaryDir> dir_;
};

void TestZodiacEntry::init()
{
    sandbox_ = std::make_unique<TestSupport::Sandbox>();
    dir_ = std::make_unique<QTemporaryDir>();
    QVERIFY(dir_->isValid());
    CurrentReading() = ZodiacReading{};
}

void TestZodiacEntry::cleanup()
{
    CloseAll();
    dir_.reset();
    sandbox_.reset();
}

frmZodiacYogaMain *TestZodiacEntry::newEntry()
{
    auto *entry = new frmZodiacYogaMain;
    entry->show();
    return entry;
}

void TestZodiacEntry::controlsAndLists()
{
    frmZodiacYogaMain *entry = newEntry();
    QCOMPARE(entry->objectName(), QStringLiteral("frmZodiacYogaMain"));
    QCOMPARE(entry->windowTitle(), QStringLiteral("Vessa Zodiac Yoga"));

    const QList<QPair<const char *, QString>> captions = {
        {"Label3", "Welcome to Vessa Zodiac Yoga! Yoga has been known to help people keep themselves fit "
                   "and attain mental peace. Enter your Date of Birth and get a detailed report about "
                   "what ailments may afflict you and how yoga can help you overcome this and much more."},
        {"Label4", "Just input your name and date of birth and get a Reading Now!"},
        {"Label1", "Name"},
        {"Label2", "Date Of Birth"},
        {"Label5", "Date"},
        {"Label7", "Month"},
        {"Label6", "Year"},
        {"Label8", "Please Note: If you are suffering from health ailments, kindly consult your doctor "
                   "before doing the yoga exercises."},
    };
    for (const auto &[name, caption] : captions) {
        auto *label = entry->findChild<QLabel *>(QString::fromLatin1(name));
        QVERIFY2(label, name);
        QCOMPARE(label->text(), caption);
    }
    const QList<QPair<const char *, QString>> buttons = {
        {"cmdNext", "Get Suitable &Yogas For My Zodiac"},
        {"cmdOpen", "Click Here To Open Previously Saved Zodiac Yoga Reading"},
        {"cmdExit", "&Exit"},
    };
    for (const auto &[name, caption] : buttons) {
        auto *button = entry->findChild<QPushButton *>(QString::fromLatin1(name));
        QVERIFY2(button, name);
        QCOMPARE(button->text(), caption);
    }
    const QList<QPair<const char *, QString>> actions = {
        {"mnuOpenPreviouslySavedSunSignYoga", "Open Previously Saved Zodiac Yoga Reading"},
        {"mnuGetSuitableYogas", "Get Suitable &Yogas For My Zodiac"},
        {"mnuExit", "E&xit"},
    };
    auto *file = entry->findChild<QMenu *>(QStringLiteral("mnuFile"));
    QVERIFY(file);
    QCOMPARE(file->title(), QStringLiteral("&File"));
    for (const auto &[name, caption] : actions) {
        auto *action = entry->findChild<QAction *>(QString::fromLatin1(name));
        QVERIFY2(action, name);
        QCOMPARE(action->text(), caption);
        QVERIFY(file->actions().contains(action));
    }
    auto *help = entry->findChild<QMenu *>(QStringLiteral("mnuHelp"));
    QVERIFY(help);
    QCOMPARE(help->title(), QStringLiteral("&Help"));
    QVERIFY(!help->actions().isEmpty());

    QStringList days, years;
    for (int d = 1; d <= 31; ++d)
        days << QString::number(d);
    for (int y = 1900; y <= 2050; ++y)
        years << QString::number(y);
    const QList<QPair<const char *, QStringList>> lists = {
        {"cboDate", days}, {"cboMonth", MonthNames()}, {"cboYear", years}};
    for (const auto &[name, entries] : lists) {
        QComboBox *list = List(entry, name);
        QVERIFY2(list, name);
        QVERIFY2(!list->isEditable(), name);
        QStringList shown;
        for (int i = 0; i < list->count(); ++i)
            shown << list->itemText(i);
        QCOMPARE(shown, entries);
        QCOMPARE(list->currentIndex(), 0);
    }
    QCOMPARE(NameBox(entry)->text(), QString());
    // The three lists sit left to right: day, month, year.
    QVERIFY(List(entry, "cboDate")->x() < List(entry, "cboMonth")->x());
    QVERIFY(List(entry, "cboMonth")->x() < List(entry, "cboYear")->x());
}

// Opening the entry window runs the update reminder before anything else.
void TestZodiacEntry::updateReminderRunsOnOpening()
{
    const QDateTime longAgo = QDateTime::currentDateTime().addDays(-30);
    Settings::WriteSetting(UpdateReminder::StoredKey(),
                           Settings::EncodeText(UpdateReminder::DateTimeText(longAgo, QLocale::system())));
    MessageRecorder recorder(QMessageBox::No);
    frmZodiacYogaMain *entry = newEntry();
    QCOMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages.constFirst().text, UpdateReminder::ReminderMessage());
    QCOMPARE(recorder.messages.constFirst().buttons, QMessageBox::Yes | QMessageBox::No);
    QVERIFY(sandbox_->openedPages.isEmpty());
    QVERIFY(entry->isVisible());
}

void TestZodiacEntry::focusOrder()
{
    frmZodiacYogaMain *entry = newEntry();
    entry->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(entry));
    NameBox(entry)->setFocus();
    QCOMPARE(QApplication::focusWidget(), NameBox(entry));
    for (const char *next : {"cboDate", "cboMonth", "cboYear"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), List(entry, next));
    }
}

void TestZodiacEntry::nameFilterTyping_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("refusals");
    QTest::addRow("lower-case") << "anna maria" << "ANNA MARIA" << 0;
    QTest::addRow("capitals-and-blanks") << " JO  ANN " << " JO  ANN " << 0;
    QTest::addRow("mixed-case") << "McKay" << "MCKAY" << 0;
    QTest::addRow("all-letters") << "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ"
                                 << "ABCDEFGHIJKLMNOPQRSTUVWXYZABCDEFGHIJKLMNOPQRSTUVWXYZ" << 0;
    QTest::addRow("digit") << "ab1" << "AB" << 1;
    QTest::addRow("hyphen") << "ann-marie" << "ANNMARIE" << 1;
    QTest::addRow("punctuation") << "o'neil." << "ONEIL" << 2;
    QTest::addRow("digits-only") << "2024" << "" << 4;
}

// Typed key by key into the real box, each refused key answered like the user would.
void TestZodiacEntry::nameFilterTyping()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, refusals);
    frmZodiacYogaMain *entry = newEntry();
    QLineEdit *box = NameBox(entry);
    QVERIFY(box);
    MessageRecorder recorder;
    QTest::keyClicks(box, typed);
    QCOMPARE(box->text(), shown);
    QCOMPARE(recorder.messages.size(), refusals);
    for (const TestSupport::SeenMessage &seen : recorder.messages) {
        QCOMPARE(seen.text, QStringLiteral("Please Enter only Letters"));
        QCOMPARE(seen.icon, QMessageBox::Information);
        QCOMPARE(seen.title, AppInfo::ApplicationTitle());
        QCOMPARE(seen.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    }
}

void TestZodiacEntry::nameFilterEditingKeys()
{
    frmZodiacYogaMain *entry = newEntry();
    QLineEdit *box = NameBox(entry);
    MessageRecorder recorder;
    QTest::keyClicks(box, "anna");
    QTest::keyClick(box, Qt::Key_Backspace);
    QCOMPARE(box->text(), QStringLiteral("ANN"));
    QTest::keyClick(box, Qt::Key_Return);
    QTest::keyClick(box, Qt::Key_Home);
    QTest::keyClicks(box, "j");
    QCOMPARE(box->text(), QStringLiteral("JANN"));
    QTest::keyClick(box, Qt::Key_Delete);
    QCOMPARE(box->text(), QStringLiteral("JNN"));
    QCOMPARE(recorder.messages.size(), 0);
}

// Text that reaches the box other than as one plain key: a character outside
// the basic plane, a key event carrying several characters, an input method's
// composed text.
void TestZodiacEntry::nameFilterOtherInput_data()
{
    QTest::addColumn<bool>("inputMethod");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("refusals");
    const QString emoji = QString::fromUtf8("\xF0\x9F\x98\x80");
    const QString eAcute = QString(QChar(0xE9));
    QTest::addRow("key-accented-letter") << false << eAcute << "AB" << 1;
    QTest::addRow("key-emoji") << false << emoji << "AB" << 1;
    QTest::addRow("key-two-letters") << false << "cd" << "ABCD" << 0;
    QTest::addRow("key-letter-and-digit") << false << "c4" << "AB" << 1;
    QTest::addRow("composed-accented-letter") << true << eAcute << "AB" << 1;
    QTest::addRow("composed-digits") << true << "42" << "AB" << 1;
    QTest::addRow("composed-letters") << true << "cd" << "ABCD" << 0;
}

void TestZodiacEntry::nameFilterOtherInput()
{
    QFETCH(bool, inputMethod);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(int, refusals);
    frmZodiacYogaMain *entry = newEntry();
    QLineEdit *box = NameBox(entry);
    QTest::keyClicks(box, "ab");
    MessageRecorder recorder;
    if (inputMethod) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(box, &event);
    } else {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, text);
        QApplication::sendEvent(box, &release);
    }
    QCOMPARE(box->text(), shown);
    QCOMPARE(recorder.messages.size(), refusals);
    if (refusals)
        QCOMPARE(recorder.messages.constFirst().text, QStringLiteral("Please Enter only Letters"));
}

// Where the system has a selection clipboard, a middle click pastes it into a
// line edit; the name box must not take text that way.
void TestZodiacEntry::nameFilterMiddleClickPaste()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard->supportsSelection())
        QSKIP("this platform has no selection clipboard");
    frmZodiacYogaMain *entry = newEntry();
    QVERIFY(QTest::qWaitForWindowExposed(entry));
    QLineEdit *box = NameBox(entry);
    QTest::keyClicks(box, "ab");
    clipboard->setText(QStringLiteral("R2-D2"), QClipboard::Selection);
    QTRY_COMPARE(clipboard->text(QClipboard::Selection), QStringLiteral("R2-D2"));
    MessageRecorder recorder;
    QTest::mouseClick(box, Qt::MiddleButton, Qt::NoModifier, box->rect().center());
    QApplication::processEvents();
    QCOMPARE(box->text(), QStringLiteral("AB"));
    QCOMPARE(recorder.messages.size(), 0);
    clipboard->clear(QClipboard::Selection);
}

void TestZodiacEntry::dateMessages_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("message");
    QTest::addRow("empty-name") << "" << "21" << "March" << "Please Enter Your Name";
    QTest::addRow("empty-name-and-feb-30") << "" << "30" << "February" << "Please Enter Your Name";
    QTest::addRow("feb-30") << "ANNA" << "30" << "February" << "Please Enter Correct Date of Birth!";
    QTest::addRow("feb-31") << "ANNA" << "31" << "February" << "Please Enter Correct Date of Birth!";
    for (const char *month : {"April", "June", "September", "November"})
        QTest::addRow("%s-31", month) << "ANNA" << "31" << month << "Please Enter Correct Date of Birth !";
}

// A refused reading shows its message and changes nothing: the window, its
// inputs and the previous reading stay as they were.
void TestZodiacEntry::dateMessages()
{
    QFETCH(QString, name);
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, message);
    frmZodiacYogaMain *entry = newEntry();
    const ZodiacReading previous{QStringLiteral("EARLIER"), 5, QStringLiteral("May"), 1950,
                                 QStringLiteral("Taurus")};
    CurrentReading() = previous;
    QVERIFY(SetInputs(entry, name, day, month, QStringLiteral("1980")));
    List(entry, "cboYear")->setFocus();
    const QStringList inputs = inputsOf(entry);

    auto seen = AnswerNextMessage();
    QTest::mouseClick(entry->findChild<QPushButton *>(QStringLiteral("cmdNext")), Qt::LeftButton);
    QTRY_VERIFY(seen->shown);
    QCOMPARE(seen->text, message);
    QCOMPARE(seen->icon, QMessageBox::Information);
    QCOMPARE(seen->title, AppInfo::ApplicationTitle());
    QCOMPARE(seen->buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

    QVERIFY(entry->isVisible());
    QCOMPARE(LiveDisplays(), 0);
    QCOMPARE(inputsOf(entry), inputs);
    QCOMPARE(readingAsList(CurrentReading()), readingAsList(previous));
    if (name.isEmpty())
        QCOMPARE(entry->focusWidget(), NameBox(entry));
}

void TestZodiacEntry::acceptedInput_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QStringList>("reading");
    QTest::addRow("blanks-only-name") << "   " << "21" << "March" << "1980"
                                      << QStringList({"", "21", "March", "1980", "Aries"});
    QTest::addRow("name-trimmed") << "  ANNA MARIA  " << "21" << "March" << "1980"
                                  << QStringList({"ANNA MARIA", "21", "March", "1980", "Aries"});
    QTest::addRow("feb-29-1900") << "LEAP" << "29" << "February" << "1900"
                                 << QStringList({"LEAP", "29", "February", "1900", "Pisces"});
    QTest::addRow("jun-30") << "JUNE" << "30" << "June" << "2050"
                            << QStringList({"JUNE", "30", "June", "2050", "Cancer"});
    QTest::addRow("dec-31") << "NEW YEAR" << "31" << "December" << "1999"
                            << QStringList({"NEW YEAR", "31", "December", "1999", "Capricorn"});
}

void TestZodiacEntry::acceptedInput()
{
    QFETCH(QString, name);
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QStringList, reading);
    frmZodiacYogaMain *entry = newEntry();
    MessageRecorder recorder;
    frmZodiacYogaDisplay *display = Read(entry, name, day, month, year);
    QVERIFY(display);
    QCOMPARE(recorder.messages.size(), 0);
    QCOMPARE(readingAsList(CurrentReading()), reading);
    QCOMPARE(display->FieldText(QStringLiteral("lblSunSign")), reading.at(4));
}

void TestZodiacEntry::yearPlaysNoPart_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("sign");
    QTest::addRow("jan-19") << "19" << "January" << "Capricorn";
    QTest::addRow("jan-20") << "20" << "January" << "Aquarius";
    QTest::addRow("feb-18") << "18" << "February" << "Aquarius";
    QTest::addRow("feb-19") << "19" << "February" << "Pisces";
    QTest::addRow("feb-29") << "29" << "February" << "Pisces";
    QTest::addRow("mar-20") << "20" << "March" << "Pisces";
    QTest::addRow("mar-21") << "21" << "March" << "Aries";
    QTest::addRow("jun-20") << "20" << "June" << "Gemini";
    QTest::addRow("jun-21") << "21" << "June" << "Cancer";
    QTest::addRow("dec-20") << "20" << "December" << "Sagittarius";
    QTest::addRow("dec-21") << "21" << "December" << "Capricorn";
}

// The window's reading gives the same sign in the first and the last year of the list.
void TestZodiacEntry::yearPlaysNoPart()
{
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, sign);
    frmZodiacYogaMain *entry = newEntry();
    for (const char *year : {"1900", "2050"}) {
        frmZodiacYogaDisplay *display = Read(entry, QStringLiteral("A"), day, month, QString::fromLatin1(year));
        QVERIFY2(display, year);
        QCOMPARE(CurrentReading().sign, sign);
        QCOMPARE(CurrentReading().year, qint16(QByteArray(year).toInt()));
        QCOMPARE(display->FieldText(QStringLiteral("lblSunSign")), sign);
        display->cmdBack_Click();
    }
    QCOMPARE(LiveDisplays(), 0);
}

void TestZodiacEntry::readingHidesEntryAndBackRestoresIt()
{
    frmZodiacYogaMain *entry = newEntry();
    QTest::keyClicks(NameBox(entry), "anna maria");
    QVERIFY(Pick(List(entry, "cboDate"), "21") && Pick(List(entry, "cboMonth"), "March") &&
            Pick(List(entry, "cboYear"), "1980"));
    QTest::mouseClick(entry->findChild<QPushButton *>(QStringLiteral("cmdNext")), Qt::LeftButton);
    frmZodiacYogaDisplay *display = VisibleDisplay();
    QVERIFY(display);
    QVERIFY(entry->isHidden());
    QCOMPARE(display->Entry(), entry);
    QCOMPARE(readingAsList(CurrentReading()), QStringList({"ANNA MARIA", "21", "March", "1980", "Aries"}));

    QTest::mouseClick(display->findChild<QPushButton *>(QStringLiteral("cmdBack")), Qt::LeftButton);
    QCOMPARE(LiveDisplays(), 0);
    QVERIFY(entry->isVisible());
    QCOMPARE(inputsOf(entry), QStringList({"ANNA MARIA", "21", "March", "1980"}));

    // The same inputs again give the same reading; the menu item does what the button does.
    entry->findChild<QAction *>(QStringLiteral("mnuGetSuitableYogas"))->trigger();
    display = VisibleDisplay();
    QVERIFY(display);
    QCOMPARE(display->FieldText(QStringLiteral("lblSunSign")), QStringLiteral("Aries"));
    QCOMPARE(LiveDisplays(), 1);
}

void TestZodiacEntry::exitClosesEntry()
{
    frmZodiacYogaMain *entry = newEntry();
    QPointer<frmZodiacYogaMain> guard(entry);
    QTest::mouseClick(entry->findChild<QPushButton *>(QStringLiteral("cmdExit")), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(guard.isNull());
}

// Saved from the report window, the file holds four encoded lines; opened in a
// fresh entry window it gives back the inputs and the same reading.
void TestZodiacEntry::saveAndReopenRoundTrip()
{
    frmZodiacYogaMain *entry = newEntry();
    QTest::keyClicks(NameBox(entry), "anna maria");
    frmZodiacYogaDisplay *display = Read(entry, NameBox(entry)->text(), "21", "March", "1980");
    QVERIFY(display);
    const QString path = dir_->filePath(QStringLiteral("anna.zoy"));
    {
        frmZodiacYogaSave report(display);
        QVERIFY(report.SaveReadingTo(path));
    }
    const QByteArray expected = encodedLine("ANNA MARIA") + encodedLine("21") +
                                encodedLine("March") + encodedLine("1980");
    QCOMPARE(readAll(path), expected);
    CloseAll();
    CurrentReading() = ZodiacReading{};

    frmZodiacYogaMain *again = newEntry();
    MessageRecorder recorder;
    again->OpenReadingFile(path);
    QCOMPARE(recorder.messages.size(), 0);
    QCOMPARE(inputsOf(again), QStringList({"ANNA MARIA", "21", "March", "1980"}));
    QVERIFY(again->isHidden());
    display = VisibleDisplay();
    QVERIFY(display);
    QCOMPARE(display->Entry(), again);
    QCOMPARE(display->FieldText(QStringLiteral("lblSunSign")), QStringLiteral("Aries"));
    QCOMPARE(display->FieldText(QStringLiteral("lblSunSignElement")), QStringLiteral("Fire"));
    QCOMPARE(readingAsList(CurrentReading()), QStringList({"ANNA MARIA", "21", "March", "1980", "Aries"}));
}

void TestZodiacEntry::openRefusesOtherExtensions_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<bool>("refused");
    QTest::addRow("capitals") << "reading.ZOY" << true;
    QTest::addRow("capital-first") << "reading.Zoy" << true;
    QTest::addRow("capital-last") << "reading.zoY" << true;
    QTest::addRow("other-extension") << "reading.txt" << true;
    QTest::addRow("two-letters") << "reading.zo" << true;
    QTest::addRow("zoy") << "reading.zoy" << false;
    QTest::addRow("ends-in-zoy-without-dot") << "readingzoy" << false;
}

void TestZodiacEntry::openRefusesOtherExtensions()
{
    QFETCH(QString, fileName);
    QFETCH(bool, refused);
    const QString path = dir_->filePath(fileName);
    QVERIFY(writeFile(path, readingBytes("SAVED", "21", "March", "1980")));
    frmZodiacYogaMain *entry = newEntry();
    QVERIFY(SetInputs(entry, QStringLiteral("TYPED"), "5", "May", "1950"));

    MessageRecorder recorder;
    entry->OpenReadingFile(path);
    if (refused) {
        QCOMPARE(recorder.messages.size(), 1);
        QCOMPARE(recorder.messages.constFirst().text, QStringLiteral("Please Check The File."));
        QCOMPARE(recorder.messages.constFirst().icon, QMessageBox::Critical);
        QCOMPARE(recorder.messages.constFirst().title, AppInfo::ApplicationTitle());
        QCOMPARE(inputsOf(entry), QStringList({"TYPED", "5", "May", "1950"}));
        QCOMPARE(LiveDisplays(), 0);
        QVERIFY(entry->isVisible());
    } else {
        QCOMPARE(recorder.messages.size(), 0);
        QCOMPARE(inputsOf(entry), QStringList({"SAVED", "21", "March", "1980"}));
        QVERIFY(VisibleDisplay());
    }
}

void TestZodiacEntry::openShortOrOddFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("inputs");  // the entry window's inputs after opening
    QTest::addColumn<QString>("outcome");     // the sign read, or the message shown
    // The window shows "TYPED", 5 May 1950 before each file is opened.
    QTest::addRow("empty-file") << QByteArray() << QStringList({"", "5", "May", "1950"})
                                << "Please Enter Your Name";
    QTest::addRow("name-line-only") << encodedLine("SHORT") << QStringList({"SHORT", "5", "May", "1950"})
                                    << "Taurus";
    QTest::addRow("name-and-day") << encodedLine("SHORT") + encodedLine("25")
                                  << QStringList({"SHORT", "25", "May", "1950"}) << "Gemini";
    QTest::addRow("no-final-break") << readingBytes("ANNA", "21", "March", "1980").chopped(2)
                                    << QStringList({"ANNA", "21", "March", "1980"}) << "Aries";
    QTest::addRow("month-not-a-month") << readingBytes("ODD", "28", "Smarch", "1980")
                                       << QStringList({"ODD", "28", "May", "1980"}) << "Gemini";
    QTest::addRow("month-lower-case") << readingBytes("ODD", "2", "march", "1980")
                                      << QStringList({"ODD", "2", "May", "1980"}) << "Taurus";
    QTest::addRow("day-out-of-range") << readingBytes("ODD", "32", "July", "1980")
                                      << QStringList({"ODD", "5", "July", "1980"}) << "Cancer";
    QTest::addRow("year-out-of-range") << readingBytes("ODD", "9", "July", "1899")
                                       << QStringList({"ODD", "9", "July", "1950"}) << "Cancer";
    QTest::addRow("february-30") << readingBytes("ODD", "30", "February", "2000")
                                 << QStringList({"ODD", "30", "February", "2000"})
                                 << "Please Enter Correct Date of Birth!";
    QTest::addRow("plain-text-not-encoded") << QByteArray("ANNA\r\n21\r\nMarch\r\n1980\r\n")
                                            << QStringList({":GG:", "5", "May", "1950"}) << "Taurus";
}

void TestZodiacEntry::openShortOrOddFile()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, inputs);
    QFETCH(QString, outcome);
    const QString path = dir_->filePath(QStringLiteral("odd.zoy"));
    QVERIFY(writeFile(path, bytes));
    frmZodiacYogaMain *entry = newEntry();
    QVERIFY(SetInputs(entry, QStringLiteral("TYPED"), "5", "May", "1950"));

    MessageRecorder recorder;
    entry->OpenReadingFile(path);
    QCOMPARE(inputsOf(entry), inputs);
    if (SunSigns::NumberOf(outcome) > 0) {
        QCOMPARE(recorder.messages.size(), 0);
        frmZodiacYogaDisplay *display = VisibleDisplay();
        QVERIFY(display);
        QCOMPARE(display->FieldText(QStringLiteral("lblSunSign")), outcome);
    } else {
        QCOMPARE(recorder.messages.size(), 1);
        QCOMPARE(recorder.messages.constFirst().text, outcome);
        QCOMPARE(LiveDisplays(), 0);
        QVERIFY(entry->isVisible());
    }
}

void TestZodiacEntry::openHugeOrBinaryFile_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray junk(20 * 1024 * 1024, '\x90');
    QTest::addRow("20MB-after-four-lines") << readingBytes("BIG", "21", "March", "1980") + junk;
    QTest::addRow("20MB-one-line") << QByteArray(20 * 1024 * 1024, 'H');
    QTest::addRow("20MB-of-line-breaks") << QByteArray(20 * 1024 * 1024, '\n');
    QByteArray binary;
    for (int round = 0; round < 64; ++round)
        for (int b = 0; b < 256; ++b)
            binary += char((b * 37 + round * 11) & 0xFF);
    QTest::addRow("binary") << binary;
    QTest::addRow("nul-bytes") << QByteArray(4096, '\0');
}

// Whatever the file holds, opening it is quick and the module stays usable:
// afterwards a normal reading still works.
void TestZodiacEntry::openHugeOrBinaryFile()
{
    QFETCH(QByteArray, bytes);
    const QString path = dir_->filePath(QStringLiteral("big.zoy"));
    QVERIFY(writeFile(path, bytes));
    frmZodiacYogaMain *entry = newEntry();
    QVERIFY(SetInputs(entry, QStringLiteral("TYPED"), "5", "May", "1950"));

    QElapsedTimer timer;
    timer.start();
    {
        MessageRecorder recorder;
        entry->OpenReadingFile(path);
        QVERIFY(recorder.messages.size() <= 1);
    }
    QVERIFY2(timer.elapsed() < 3000, qPrintable(QString::number(timer.elapsed())));
    QVERIFY(NameBox(entry)->text().size() <= NameBox(entry)->maxLength());
    if (bytes.startsWith(encodedLine("BIG")))
        QCOMPARE(inputsOf(entry), QStringList({"BIG", "21", "March", "1980"}));

    if (frmZodiacYogaDisplay *display = VisibleDisplay())
        display->cmdBack_Click();
    QVERIFY(entry->isVisible());
    NameBox(entry)->clear();
    QTest::keyClicks(NameBox(entry), "after");
    frmZodiacYogaDisplay *display = Read(entry, NameBox(entry)->text(), "1", "August", "1970");
    QVERIFY(display);
    QCOMPARE(display->FieldText(QStringLiteral("lblSunSign")), QStringLiteral("Leo"));
    QCOMPARE(CurrentReading().name, QStringLiteral("AFTER"));
}

void TestZodiacEntry::openDialogCancelAndAccept()
{
    const QString path = dir_->filePath(QStringLiteral("dialog.zoy"));
    QVERIFY(writeFile(path, readingBytes("FROM DIALOG", "15", "December", "2001")));
    frmZodiacYogaMain *entry = newEntry();
    QVERIFY(SetInputs(entry, QStringLiteral("TYPED"), "5", "May", "1950"));

    {
        MessageRecorder recorder;
        withDialog<QFileDialog>(
            [&](QFileDialog *dialog) {
                QCOMPARE(dialog->windowTitle(), QStringLiteral("Select the source file"));
                QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptOpen);
                QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
                QVERIFY(dialog->nameFilters().join(u';').contains(QLatin1String("*.zoy")));
                QCOMPARE(dialog->defaultSuffix(), QStringLiteral("zoy"));
                dialog->reject();
            },
            [&] { entry->cmdOpen_Click(); });
        QCOMPARE(recorder.messages.size(), 0);
    }
    QCOMPARE(inputsOf(entry), QStringList({"TYPED", "5", "May", "1950"}));
    QCOMPARE(LiveDisplays(), 0);

    withDialog<QFileDialog>(
        [&](QFileDialog *dialog) {
            dialog->setDirectory(dir_->path());
            typeFileName(dialog, QStringLiteral("dialog.zoy"));
        },
        [&] { entry->findChild<QAction *>(QStringLiteral("mnuOpenPreviouslySavedSunSignYoga"))->trigger(); });
    QCOMPARE(inputsOf(entry), QStringList({"FROM DIALOG", "15", "December", "2001"}));
    frmZodiacYogaDisplay *display = VisibleDisplay();
    QVERIFY(display);
    QCOMPARE(display->FieldText(QStringLiteral("lblSunSign")), QStringLiteral("Sagittarius"));
}

void TestZodiacEntry::saveDialogWritesChosenFile()
{
    frmZodiacYogaMain *entry = newEntry();
    frmZodiacYogaDisplay *display = Read(entry, QStringLiteral("LIBRA FRIEND"), "10", "October", "1975");
    QVERIFY(display);
    frmZodiacYogaSave report(display);
    const QString path = dir_->filePath(QStringLiteral("chosen.zoy"));

    withDialog<QFileDialog>([&](QFileDialog *dialog) { dialog->reject(); }, [&] { report.cmdSave_Click(); });
    QVERIFY(QDir(dir_->path()).isEmpty());

    withDialog<QFileDialog>(
        [&](QFileDialog *dialog) {
            QCOMPARE(dialog->windowTitle(), QStringLiteral("Vessa Free Zodiac Yoga"));
            QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
            QCOMPARE(dialog->defaultSuffix(), QStringLiteral("zoy"));
            QVERIFY(dialog->nameFilters().join(u';').contains(QLatin1String("*.zoy")));
            QVERIFY(!dialog->testOption(QFileDialog::DontConfirmOverwrite));
            dialog->setDirectory(dir_->path());
            typeFileName(dialog, QStringLiteral("chosen")); // the default extension is added
        },
        [&] { report.cmdSave_Click(); });
    QCOMPARE(readAll(path), readingBytes("LIBRA FRIEND", "10", "October", "1975"));
}

void TestZodiacEntry::saveFailureIsReported_data()
{
    QTest::addColumn<QString>("relative");
    QTest::addRow("missing-folder") << "missing/folder/reading.zoy";
    QTest::addRow("path-is-a-folder") << "taken.zoy";
}

// A save that cannot be done says so and leaves no file behind.
void TestZodiacEntry::saveFailureIsReported()
{
    QFETCH(QString, relative);
    QVERIFY(QDir(dir_->path()).mkdir(QStringLiteral("taken.zoy")));
    frmZodiacYogaMain *entry = newEntry();
    frmZodiacYogaDisplay *display = Read(entry, QStringLiteral("ANNA"), "21", "March", "1980");
    QVERIFY(display);
    frmZodiacYogaSave report(display);

    const auto entries = [&] {
        return QDir(dir_->path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    };
    const QStringList before = entries();
    auto seen = AnswerNextMessage();
    QVERIFY(!report.SaveReadingTo(dir_->filePath(relative)));
    QVERIFY(seen->shown);
    QCOMPARE(seen->icon, QMessageBox::Critical);
    QCOMPARE(seen->title, AppInfo::ApplicationTitle());
    QVERIFY2(seen->text.contains(QFileInfo(relative).fileName()), qPrintable(seen->text));
    QCOMPARE(entries(), before);
    QVERIFY(QDir(dir_->filePath(QStringLiteral("taken.zoy"))).isEmpty());
    // The report window can still save somewhere else.
    QVERIFY(report.SaveReadingTo(dir_->filePath(QStringLiteral("second-try.zoy"))));
    QCOMPARE(readAll(dir_->filePath(QStringLiteral("second-try.zoy"))),
             readingBytes("ANNA", "21", "March", "1980"));
}

QTEST_MAIN(TestZodiacEntry)
#include "tst_zodiac_entry.moc"
