// The Learn Dream Interpretation window used as a new user would: controls
// found by name and clicked, message boxes answered, the report printed to a
// PDF file; and the window on a missing or damaged symbol database.
#include "DreamTestData.h"
#include "dream_interpretation/DreamInterpretationModule.h"
#include "dream_interpretation/frmLearnDreamInterpretationMain.h"
#include "shell/ModuleTable.h"
#include "shell/ReportView.h"
#include "shell/frmMDI.h"
#include "shell/modHelp.h"
#include "shell/modRandom.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QCryptographicHash>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTest>

using KeywordSource::Symbol;

class tst_frmLearnDreamInterpretationMain : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSupport::Sandbox> sandbox_;
    QPointer<frmLearnDreamInterpretationMain> window_;
    QHash<QString, QString> meaning_; // keyword -> interpretation of the built table

    template <class T = QWidget> T *child(const QString &name)
    {
        T *found = window_->findChild<T *>(name);
        if (!found)
            qWarning("no control named %s", qPrintable(name));
        return found;
    }
    QString screen() { return child<QStackedWidget>(QStringLiteral("fraOptions"))->currentWidget()->objectName(); }
    QString text(const QString &label) { return child<QLabel>(label)->text(); }
    // Clicks a button; check boxes and option buttons on their box, as a user does.
    void click(const QString &name)
    {
        auto *button = child<QAbstractButton>(name);
        const bool box = qobject_cast<QCheckBox *>(button) || qobject_cast<QRadioButton *>(button);
        QTest::mouseClick(button, Qt::LeftButton, {}, box ? QPoint(8, button->height() / 2) : QPoint());
    }
    QString programDatabase() { return sandbox_->programFolder() + QStringLiteral("/keywords.dll"); }

    void openWindow()
    {
        delete window_;
        window_ = new frmLearnDreamInterpretationMain();
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }

    // Clicks a button that shows a message box and returns what it showed.
    TestSupport::SeenMessage clickExpectingMessage(const QString &name)
    {
        auto seen = TestSupport::AnswerNextMessage();
        click(name);
        if (!QTest::qWaitFor([&] { return seen->shown; }))
            qWarning("%s showed no message", qPrintable(name));
        return *seen;
    }

    // From the start screen to the letter screen of learn mode or of a test.
    void chooseLearn()
    {
        click(QStringLiteral("optMain(0)"));
        click(QStringLiteral("cmdNext"));
        QCOMPARE(screen(), QStringLiteral("fraOption(3)"));
    }
    void chooseTest(bool byKeyword)
    {
        click(QStringLiteral("optMain(1)"));
        click(QStringLiteral("cmdNext"));
        QCOMPARE(screen(), QStringLiteral("fraOption(1)"));
        click(byKeyword ? QStringLiteral("optOption(0)") : QStringLiteral("optOption(1)"));
        click(QStringLiteral("cmdNext2"));
        QCOMPARE(screen(), QStringLiteral("fraOption(3)"));
    }
    void tickLetters(const QString &letters)
    {
        for (const QChar c : letters)
            click(QStringLiteral("chkSubject(%1)").arg(c.unicode() - u'A'));
    }

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void startScreenAndItsMessages();
    void learnTwoLettersForwardAndBack();
    void enableAllOptions();
    void testsOnSeveralLetters_data();
    void testsOnSeveralLetters();
    void printWithoutPrinterIsReported();
    void unusableDatabaseLeavesWindowUsable_data();
    void unusableDatabaseLeavesWindowUsable();
    void longOptionsFitTheirRoom();
    void moduleOpensFromTheMainWindow();
};

void tst_frmLearnDreamInterpretationMain::initTestCase()
{
    for (const Symbol &s : DreamTestData::OrderedRows(DreamTestData::BuiltDatabase()))
        meaning_.insert(s.keyword, s.description);
    QCOMPARE(meaning_.size(), 676);
}

void tst_frmLearnDreamInterpretationMain::init()
{
    sandbox_ = std::make_unique<TestSupport::Sandbox>();
    QVERIFY(QFile::copy(DreamTestData::BuiltDatabase(), programDatabase()));
    openWindow();
}

void tst_frmLearnDreamInterpretationMain::cleanup()
{
    delete window_;
    Printing::SetDefaultPrinterForTesting({});
    sandbox_.reset();
}

void tst_frmLearnDreamInterpretationMain::startScreenAndItsMessages()
{
    QCOMPARE(window_->windowTitle(), QStringLiteral("Vessa Learn Dream Interpretation"));
    QCOMPARE(screen(), QStringLiteral("fraOption(0)"));
    QCOMPARE(text(QStringLiteral("lblCaption(3)")),
             QStringLiteral("Select one option below and click on the button to continue."));
    QCOMPARE(child<QAbstractButton>(QStringLiteral("cmdNext"))->text(), QStringLiteral("Click Here To Proceed"));
    QCOMPARE(child<QAction>(QStringLiteral("mnuExit"))->text(), QStringLiteral("E&xit"));
    QVERIFY(child<QAction>(QStringLiteral("mnuAbout")));

    TestSupport::SeenMessage seen = clickExpectingMessage(QStringLiteral("cmdNext"));
    QCOMPARE(seen.text, QStringLiteral("Please select an option"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(screen(), QStringLiteral("fraOption(0)"));

    // Test options: no kind chosen, then back to a cleared start screen.
    click(QStringLiteral("optMain(1)"));
    click(QStringLiteral("cmdNext"));
    QCOMPARE(child<QGroupBox>(QStringLiteral("fraOption(1)"))->title(), QStringLiteral("Test Options"));
    seen = clickExpectingMessage(QStringLiteral("cmdNext2"));
    QCOMPARE(seen.text, QStringLiteral("Please select an option"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    click(QStringLiteral("optOption(1)"));
    click(QStringLiteral("cmdBack2"));
    QCOMPARE(screen(), QStringLiteral("fraOption(0)"));
    QVERIFY(!child<QRadioButton>(QStringLiteral("optMain(1)"))->isChecked());
    click(QStringLiteral("optMain(1)"));
    click(QStringLiteral("cmdNext"));
    QVERIFY(!child<QRadioButton>(QStringLiteral("optOption(1)"))->isChecked());

    // File > Exit closes the window.
    child<QAction>(QStringLiteral("mnuExit"))->trigger();
    QTRY_VERIFY(window_.isNull());
}

void tst_frmLearnDreamInterpretationMain::learnTwoLettersForwardAndBack()
{
    chooseLearn();
    QCOMPARE(child<QGroupBox>(QStringLiteral("fraOption(3)"))->title(), QStringLiteral("Learn"));
    QCOMPARE(text(QStringLiteral("lblCaption(5)")),
             QStringLiteral("Select the options which you would like to memorize."));
    TestSupport::SeenMessage seen = clickExpectingMessage(QStringLiteral("cmdNext3"));
    QCOMPARE(seen.text, QStringLiteral("Please select at least an option"));
    QCOMPARE(seen.icon, QMessageBox::Critical);

    tickLetters(QStringLiteral("KQ"));
    click(QStringLiteral("cmdNext3"));
    QCOMPARE(screen(), QStringLiteral("fraOption(2)"));
    QCOMPARE(child<QGroupBox>(QStringLiteral("fraOption(2)"))->title(), QStringLiteral("Learn"));

    const auto shown = [this] {
        const QString keyword = text(QStringLiteral("lblLearnSubject(1)"));
        if (text(QStringLiteral("lblLearnSubject(0)")) != keyword.left(1) ||
            text(QStringLiteral("lblLearnSubject(2)")) != meaning_.value(keyword))
            return QStringLiteral("<mismatch at %1>").arg(keyword);
        return keyword;
    };
    seen = clickExpectingMessage(QStringLiteral("cmdBackLearn"));
    QCOMPARE(seen.text, QStringLiteral("You are at first record"));
    QCOMPARE(seen.icon, QMessageBox::Critical);

    QStringList forward{shown()};
    TestSupport::MessageRecorder recorder;
    while (recorder.messages.isEmpty() && forward.size() < 100) {
        click(QStringLiteral("cmdNextLearn"));
        QTest::qWait(0);
        if (recorder.messages.isEmpty())
            forward << shown();
    }
    QTRY_COMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].text, QStringLiteral("You are at the last record"));
    QCOMPARE(recorder.messages[0].icon, QMessageBox::Critical);

    QStringList expected;
    for (const QString &keyword : meaning_.keys())
        if (keyword.startsWith(u'K') || keyword.startsWith(u'Q'))
            expected << keyword;
    std::sort(expected.begin(), expected.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    QCOMPARE(forward, expected);

    QStringList backward{shown()};
    while (recorder.messages.size() == 1 && backward.size() < 100) {
        click(QStringLiteral("cmdBackLearn"));
        QTest::qWait(0);
        if (recorder.messages.size() == 1)
            backward << shown();
    }
    QTRY_COMPARE(recorder.messages.size(), 2);
    QCOMPARE(recorder.messages[1].text, QStringLiteral("You are at first record"));
    std::reverse(backward.begin(), backward.end());
    QCOMPARE(backward, expected);

    // Back to the start screen: everything chosen before is cleared.
    click(QStringLiteral("cmdBackToMain"));
    QCOMPARE(screen(), QStringLiteral("fraOption(0)"));
    QVERIFY(!child<QRadioButton>(QStringLiteral("optMain(0)"))->isChecked());
    chooseLearn();
    for (int i = 0; i < 26; ++i)
        QVERIFY(!child<QCheckBox>(QStringLiteral("chkSubject(%1)").arg(i))->isChecked());
}

void tst_frmLearnDreamInterpretationMain::enableAllOptions()
{
    chooseLearn();
    auto *all = child<QCheckBox>(QStringLiteral("chkForAll"));
    QCOMPARE(all->text(), QStringLiteral("Enable All Options"));
    const auto ticked = [this] {
        int n = 0;
        for (int i = 0; i < 26; ++i) {
            auto *box = child<QCheckBox>(QStringLiteral("chkSubject(%1)").arg(i));
            if (box->text() != QString(QChar(u'A' + i)))
                return -1;
            n += box->isChecked();
        }
        return n;
    };
    click(QStringLiteral("chkForAll"));
    QCOMPARE(all->text(), QStringLiteral("Disable All Options"));
    QCOMPARE(ticked(), 26);
    click(QStringLiteral("chkForAll"));
    QCOMPARE(all->text(), QStringLiteral("Enable All Options"));
    QCOMPARE(ticked(), 0);

    // All letters, and the screen is blank when seen again.
    click(QStringLiteral("chkForAll"));
    click(QStringLiteral("cmdNext3"));
    QCOMPARE(window_->Session().DreamLetters.size(), 26);
    QCOMPARE(window_->Session().LearnList.size(), 676);
    QCOMPARE(text(QStringLiteral("lblLearnSubject(1)")), window_->Session().LearnList.first());
    click(QStringLiteral("cmdBackToMain"));
    chooseLearn();
    QCOMPARE(ticked(), 0);
    QCOMPARE(all->text(), QStringLiteral("Enable All Options"));

    // "Back" on a screen with everything ticked leaves it blank too.
    click(QStringLiteral("chkForAll"));
    click(QStringLiteral("cmdBack3"));
    chooseLearn();
    QCOMPARE(ticked(), 0);
    QCOMPARE(all->text(), QStringLiteral("Enable All Options"));
}

void tst_frmLearnDreamInterpretationMain::testsOnSeveralLetters_data()
{
    QTest::addColumn<bool>("byKeyword");
    QTest::addColumn<QString>("letters");
    QTest::addColumn<int>("count");
    QTest::addRow("by keyword, A and Q") << true << QStringLiteral("AQ") << 7;
    QTest::addRow("by interpretation, Q") << false << QStringLiteral("Q") << 2;
    QTest::addRow("by keyword, D E X") << true << QStringLiteral("DEX") << 12;
}

// A whole test: questions answered by clicking the options' texts, some right
// and some wrong, the report read back and printed to a PDF file.
void tst_frmLearnDreamInterpretationMain::testsOnSeveralLetters()
{
    QFETCH(bool, byKeyword);
    QFETCH(QString, letters);
    QFETCH(int, count);
    Random::Seed(99);
    chooseTest(byKeyword);
    const QString title = byKeyword ? QStringLiteral("Test By Keyword") : QStringLiteral("Test By Interpretation");
    QCOMPARE(child<QGroupBox>(QStringLiteral("fraOption(3)"))->title(), title);
    QCOMPARE(text(QStringLiteral("lblCaption(5)")),
             QStringLiteral("Select the options which you would like to take the test in."));
    tickLetters(letters);
    click(QStringLiteral("cmdNext3"));

    const QString suffix = byKeyword ? QStringLiteral("ForKeyword") : QStringLiteral("ForDesc");
    const QString frame = byKeyword ? QStringLiteral("fraOption(4)") : QStringLiteral("fraOption(6)");
    QCOMPARE(screen(), frame);
    QCOMPARE(child<QGroupBox>(frame)->title(), title);
    QCOMPARE(text(byKeyword ? QStringLiteral("lblCaption(6)") : QStringLiteral("lblCaption(7)")),
             QStringLiteral("Select one option from the given choices below."));

    TestSupport::SeenMessage seen = clickExpectingMessage(QStringLiteral("cmdNextQuestion") + suffix);
    QCOMPARE(seen.text, QStringLiteral("Please select an option"));
    QCOMPARE(seen.icon, QMessageBox::Critical);

    QStringList expectedLines = {QStringLiteral("Vessa Learn Dream Interpretation Result"), QString()};
    QSet<QString> asked;
    int correct = 0;
    for (int q = 0; q < count; ++q) {
        QCOMPARE(text(QStringLiteral("lblQuestionNo") + suffix), QStringLiteral("Question %1 of %2").arg(q + 1).arg(count));
        const QString question = text(byKeyword ? QStringLiteral("lblKeyword") : QStringLiteral("lblDesc"));
        const QString keyword = byKeyword ? question : meaning_.key(question);
        QVERIFY2(letters.contains(keyword.front()), qPrintable(keyword));
        QVERIFY2(!asked.contains(keyword), qPrintable(keyword));
        asked.insert(keyword);
        const QString right = byKeyword ? meaning_.value(keyword) : keyword;
        int rightSlot = -1;
        for (int i = 0; i < 5; ++i) {
            const QString option = text(QStringLiteral("lblChoice%1(%2)").arg(suffix).arg(i));
            if (option == right)
                rightSlot = i;
            QVERIFY(byKeyword ? meaning_.key(option) != QString() : meaning_.contains(option));
        }
        QVERIFY(rightSlot >= 0);
        // Every other question is answered wrongly.
        const int slot = q % 2 == 0 ? rightSlot : (rightSlot + 1) % 5;
        const QString answer = text(QStringLiteral("lblChoice%1(%2)").arg(suffix).arg(slot));
        correct += answer == right;
        QTest::mouseClick(child(QStringLiteral("lblChoice%1(%2)").arg(suffix).arg(slot)), Qt::LeftButton);
        QVERIFY(child<QRadioButton>(QStringLiteral("optChoice%1(%2)").arg(suffix).arg(slot))->isChecked());
        QCOMPARE(window_->focusWidget(), child(QStringLiteral("cmdNextQuestion") + suffix));
        expectedLines << QStringLiteral("Question %1").arg(q + 1) << question
                      << QStringLiteral("Your Answer: ") + answer << QStringLiteral("Correct Answer: ") + right
                      << QString();
        click(QStringLiteral("cmdNextQuestion") + suffix);
    }
    expectedLines << QStringLiteral("%1 correct out of %2 questions.").arg(correct).arg(count);
    QCOMPARE(screen(), QStringLiteral("fraOption(5)"));
    QCOMPARE(child<QGroupBox>(QStringLiteral("fraOption(5)"))->title(), QStringLiteral("Test Results"));
    const QString report = child<QTextEdit>(QStringLiteral("RTBTestResult"))->toPlainText();
    QCOMPARE(report.split(u'\n'), expectedLines);

    // Printed on the default printer, here a PDF file, between two publisher lines.
    const QString pdf = sandbox_->folder() + QStringLiteral("/result.pdf");
    Printing::SetDefaultPrinterForTesting([pdf] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return printer;
    });
    TestSupport::MessageRecorder recorder;
    click(QStringLiteral("cmdPrint"));
    QTest::qWait(50);
    QVERIFY(recorder.messages.isEmpty());
    QVERIFY(QFile::exists(pdf));
    const QString generatedBy = QStringLiteral("Report Generated By ") + PublisherPages::SiteAddress();
    const QStringList buffer = child<QTextEdit>(QStringLiteral("RTB1"))->toPlainText().split(u'\n');
    QCOMPARE(buffer.mid(0, 2), QStringList({generatedBy, QString()}));
    QCOMPARE(buffer.mid(2, expectedLines.size()), expectedLines);
    QCOMPARE(buffer.mid(2 + expectedLines.size()), QStringList({QString(), generatedBy}));
    QVERIFY(!child<QWidget>(QStringLiteral("RTB1"))->isVisible());
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (!pdftotext.isEmpty()) {
        QProcess process;
        process.start(pdftotext, {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
        QVERIFY(process.waitForFinished(20000));
        const QString printed = QString::fromUtf8(process.readAllStandardOutput()).simplified();
        QVERIFY2(printed.startsWith(generatedBy), qPrintable(printed.left(200)));
        // The printer adds page numbers, so the last line is looked for, not at the very end.
        QVERIFY2(printed.contains(expectedLines.last() + u' ' + generatedBy), qPrintable(printed.right(200)));
        QVERIFY(printed.contains(QStringLiteral("Vessa Learn Dream Interpretation Result Question 1")));
    }

    // The end of the test empties its state; "Main Screen" clears the choices.
    QVERIFY(window_->Session().DreamLetters.isEmpty());
    QVERIFY(window_->Session().DreamQuestionRows.empty());
    click(QStringLiteral("cmdGoToMain"));
    QCOMPARE(screen(), QStringLiteral("fraOption(0)"));
    QVERIFY(!child<QRadioButton>(QStringLiteral("optMain(1)"))->isChecked());
}

void tst_frmLearnDreamInterpretationMain::printWithoutPrinterIsReported()
{
    chooseTest(false);
    tickLetters(QStringLiteral("Q"));
    click(QStringLiteral("cmdNext3"));
    for (int q = 0; q < 2; ++q) {
        click(QStringLiteral("optChoiceForDesc(0)"));
        click(QStringLiteral("cmdNextQuestionForDesc"));
    }
    QCOMPARE(screen(), QStringLiteral("fraOption(5)"));
    Printing::SetDefaultPrinterForTesting([] { return std::unique_ptr<QPrinter>(); });
    const TestSupport::SeenMessage seen = clickExpectingMessage(QStringLiteral("cmdPrint"));
    QCOMPARE(seen.text, QStringLiteral("No printer is set up on this computer, so nothing was printed."));
}

void tst_frmLearnDreamInterpretationMain::unusableDatabaseLeavesWindowUsable_data()
{
    QTest::addColumn<QByteArray>("bytes"); // "<none>": no file
    QTest::addRow("missing") << QByteArray("<none>");
    QTest::addRow("empty") << QByteArray();
    QTest::addRow("damaged") << QByteArray("This is not a database file at all.");
}

void tst_frmLearnDreamInterpretationMain::unusableDatabaseLeavesWindowUsable()
{
    QFETCH(QByteArray, bytes);
    // First learn a letter from the good file, so the labels hold something.
    chooseLearn();
    tickLetters(QStringLiteral("A"));
    click(QStringLiteral("cmdNext3"));
    QVERIFY(!text(QStringLiteral("lblLearnSubject(1)")).isEmpty());
    click(QStringLiteral("cmdBackToMain"));

    QFile::remove(programDatabase());
    if (bytes != "<none>") {
        QFile file(programDatabase());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    const auto hash = [this] {
        QFile file(programDatabase());
        return file.open(QIODevice::ReadOnly) ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha1)
                                               : QByteArray("<missing>");
    };
    const QByteArray before = hash();

    // Learn: nothing to show, and the ends of the (empty) list hold.
    chooseLearn();
    tickLetters(QStringLiteral("AB"));
    click(QStringLiteral("cmdNext3"));
    QCOMPARE(screen(), QStringLiteral("fraOption(2)"));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(text(QStringLiteral("lblLearnSubject(%1)").arg(i)), QString());
    QCOMPARE(clickExpectingMessage(QStringLiteral("cmdNextLearn")).text, QStringLiteral("You are at the last record"));
    QCOMPARE(clickExpectingMessage(QStringLiteral("cmdBackLearn")).text, QStringLiteral("You are at first record"));
    click(QStringLiteral("cmdBackToMain"));

    // Test: no questions can be drawn, which the user is told; the window stays usable.
    chooseTest(true);
    tickLetters(QStringLiteral("Q"));
    const TestSupport::SeenMessage seen = clickExpectingMessage(QStringLiteral("cmdNext3"));
    QCOMPARE(seen.text, QStringLiteral("No dream symbols could be read for the letters you chose, so there are no "
                                       "questions to ask."));
    QCOMPARE(screen(), QStringLiteral("fraOption(3)"));
    click(QStringLiteral("cmdBack3"));
    QCOMPARE(screen(), QStringLiteral("fraOption(0)"));
    QCOMPARE(hash(), before);
}

// The longest interpretations, offered together, wrap inside their room on a
// window of the size it opens with.
void tst_frmLearnDreamInterpretationMain::longOptionsFitTheirRoom()
{
    std::vector<Symbol> symbols = DreamTestData::SourceSymbols();
    std::sort(symbols.begin(), symbols.end(),
              [](const Symbol &a, const Symbol &b) { return a.description.size() > b.description.size(); });
    symbols.resize(5);
    QString letters;
    for (const Symbol &s : symbols)
        if (!letters.contains(s.keyword.front()))
            letters += s.keyword.front();
    QFile::remove(programDatabase());
    QVERIFY(KeywordSource::WriteDatabase(programDatabase(), symbols).isEmpty());
    openWindow();
    window_->resize(window_->minimumSize());
    for (const bool byKeyword : {true, false}) {
        chooseTest(byKeyword);
        std::sort(letters.begin(), letters.end());
        tickLetters(letters);
        click(QStringLiteral("cmdNext3"));
        QTest::qWait(20);
        const QString suffix = byKeyword ? QStringLiteral("ForKeyword") : QStringLiteral("ForDesc");
        QStringList clipped;
        for (int i = 0; i < 5; ++i) {
            auto *label = child<QLabel>(QStringLiteral("lblChoice%1(%2)").arg(suffix).arg(i));
            QVERIFY(label->isVisible());
            if (label->heightForWidth(label->width()) > label->height() || label->geometry().right() >
                                                                                label->parentWidget()->width())
                clipped << label->objectName();
        }
        auto *subject = child<QLabel>(byKeyword ? QStringLiteral("lblKeyword") : QStringLiteral("lblDesc"));
        if (subject->heightForWidth(subject->width()) > subject->height())
            clipped << subject->objectName();
        auto *next = child<QWidget>(QStringLiteral("cmdNextQuestion") + suffix);
        if (!next->isVisible() || next->mapTo(window_, QPoint(0, next->height())).y() > window_->height())
            clipped << next->objectName();
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(u' ')));
        // Leave the test: answer every question.
        while (screen() != QLatin1String("fraOption(5)")) {
            click(QStringLiteral("optChoice%1(0)").arg(suffix));
            click(QStringLiteral("cmdNextQuestion") + suffix);
        }
        click(QStringLiteral("cmdGoToMain"));
    }
}

// The module's button (index 4) and its start-panel label (13) open the window.
void tst_frmLearnDreamInterpretationMain::moduleOpensFromTheMainWindow()
{
    delete window_;
    ClearModulesForTesting();
    RegisterModule(DreamInterpretationModule());
    {
        frmMDI mdi;
        mdi.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
        mdi.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mdi));
        for (const QString &control : {QStringLiteral("cmdSelectOption(4)"), QStringLiteral("lblCaption(13)")}) {
            QTest::mouseClick(mdi.findChild<QWidget *>(control), Qt::LeftButton);
            QTRY_COMPARE(mdi.DocumentArea()->subWindowList().size(), 1);
            QWidget *opened = mdi.DocumentArea()->subWindowList().constFirst()->widget();
            QCOMPARE(opened->objectName(), QStringLiteral("frmLearnDreamInterpretationMain"));
            QVERIFY(opened->isVisible());
            QVERIFY(mdi.findChild<QWidget *>(QStringLiteral("picMain"))->isHidden());
        }
    }
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmNagScreen2"))
            delete w;
    ResetQuittingForTesting();
    ClearModulesForTesting();
}

QTEST_MAIN(tst_frmLearnDreamInterpretationMain)
#include "tst_frmLearnDreamInterpretationMain.moc"
