// The Learn Dream Interpretation window used as a new user would: controls
// found by name and clicked, message boxes answered, the report printed to a
// PDF file; and the window on a missing or damaged symbol database.
#include "quiz/QuizReport.h"
#include "DreamTestData.h"
#include "dream_interpretation/DreamInterpretationModule.h"
#include "dream_interpretation/frmLearnDreamInterpretationMain.h"
#include "toolkit/ModuleTable.h"
#include "toolkit/ReportView.h"
#include "shell/frmMDI.h"
#include "toolkit/modHelp.h"
#include "toolkit/modRandom.h"
#include "toolkit/DataLocations.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QCheckBox>
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
        return TestSupport::Named<T>(window_, name);
    }
    QString screen() { return child<QStackedWidget>("fraOptions")->currentWidget()->objectName(); }
    QString title(const QString &frame) { return child<QGroupBox>(frame)->title(); }
    QString text(const QString &label) { return child<QLabel>(label)->text(); }
    bool checked(const QString &name) { return child<QAbstractButton>(name)->isChecked(); }
    // Clicks a button; check boxes and option buttons on their box, as a user does.
    void click(const QString &name)
    {
        auto *button = child<QAbstractButton>(name);
        const bool box = qobject_cast<QCheckBox *>(button) || qobject_cast<QRadioButton *>(button);
        QTest::mouseClick(button, Qt::LeftButton, {}, box ? QPoint(8, button->height() / 2) : QPoint());
    }
    // Clicks a button that shows a message box and returns what it showed.
    TestSupport::SeenMessage clickForMessage(const QString &name)
    {
        auto seen = TestSupport::AnswerNextMessage();
        click(name);
        if (!QTest::qWaitFor([&] { return seen->shown; }))
            qWarning("%s showed no message", qPrintable(name));
        return *seen;
    }
    QString programDatabase() { return sandbox_->programFolder() + QStringLiteral("/keywords.dll"); }
    void openWindow()
    {
        delete window_;
        window_ = new frmLearnDreamInterpretationMain(sandbox_->host(), sandbox_->recorder());
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_));
    }
    // From the start screen to the letter screen of learn mode or of a test.
    void chooseLearn()
    {
        click("optMain(0)");
        click("cmdNext");
        QCOMPARE(screen(), QStringLiteral("fraOption(3)"));
    }
    void chooseTest(bool byKeyword)
    {
        click("optMain(1)");
        click("cmdNext");
        QCOMPARE(screen(), QStringLiteral("fraOption(1)"));
        click(byKeyword ? "optOption(0)" : "optOption(1)");
        click("cmdNext2");
        QCOMPARE(screen(), QStringLiteral("fraOption(3)"));
    }
    void tickLetters(const QString &letters)
    {
        for (const QChar c : letters)
            click(QStringLiteral("chkSubject(%1)").arg(c.unicode() - u'A'));
    }
    int tickedLetters()
    {
        int n = 0;
        for (int i = 0; i < 26; ++i)
            n += checked(QStringLiteral("chkSubject(%1)").arg(i));
        return n;
    }

private Q_SLOTS:
    void initTestCase()
    {
        for (const Symbol &s : DreamTestData::OrderedRows(DreamTestData::BuiltDatabase()))
            meaning_.insert(s.keyword, s.description);
        QCOMPARE(meaning_.size(), 676);
    }
    void init()
    {
        sandbox_ = std::make_unique<TestSupport::Sandbox>();
        QVERIFY(QFile::copy(DreamTestData::BuiltDatabase(), programDatabase()));
        openWindow();
    }
    void cleanup()
    {
        delete window_;
        sandbox_.reset();
    }
    void startScreenAndItsMessages();
    void learnTwoLettersForwardAndBack();
    void enableAllOptions();
    void testsOnSeveralLetters_data();
    void testsOnSeveralLetters();
    void unusableDatabaseLeavesWindowUsable_data();
    void unusableDatabaseLeavesWindowUsable();
    void longOptionsFitTheirRoom();
    void moduleOpensFromTheMainWindow();
};

void tst_frmLearnDreamInterpretationMain::startScreenAndItsMessages()
{
    QCOMPARE(window_->windowTitle(), QStringLiteral("Vessa Learn Dream Interpretation"));
    QCOMPARE(screen(), QStringLiteral("fraOption(0)"));
    QCOMPARE(text("lblCaption(3)"), QStringLiteral("Select one option below and click on the button to continue."));
    QCOMPARE(child<QAction>("mnuExit")->text(), QStringLiteral("E&xit"));
    QVERIFY(child<QAction>("mnuAbout"));

    TestSupport::SeenMessage seen = clickForMessage("cmdNext");
    QCOMPARE(seen.text, QStringLiteral("Please select an option"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    QCOMPARE(screen(), QStringLiteral("fraOption(0)"));

    // Test options: no kind chosen, then back to a cleared start screen.
    click("optMain(1)");
    click("cmdNext");
    QCOMPARE(title("fraOption(1)"), QStringLiteral("Test Options"));
    seen = clickForMessage("cmdNext2");
    QCOMPARE(seen.text, QStringLiteral("Please select an option"));
    QCOMPARE(seen.icon, QMessageBox::Critical);
    click("optOption(1)");
    click("cmdBack2");
    QCOMPARE(screen(), QStringLiteral("fraOption(0)"));
    QVERIFY(!checked("optMain(1)") && !checked("optOption(1)"));

    child<QAction>("mnuExit")->trigger();
    QTRY_VERIFY(window_.isNull());
}

void tst_frmLearnDreamInterpretationMain::learnTwoLettersForwardAndBack()
{
    chooseLearn();
    QCOMPARE(title("fraOption(3)"), QStringLiteral("Learn"));
    QCOMPARE(text("lblCaption(5)"), QStringLiteral("Select the options which you would like to memorize."));
    TestSupport::SeenMessage seen = clickForMessage("cmdNext3");
    QCOMPARE(seen.text, QStringLiteral("Please select at least an option"));
    QCOMPARE(seen.icon, QMessageBox::Critical);

    tickLetters(QStringLiteral("KQ"));
    click("cmdNext3");
    QCOMPARE(screen(), QStringLiteral("fraOption(2)"));
    QCOMPARE(title("fraOption(2)"), QStringLiteral("Learn"));
    seen = clickForMessage("cmdBackLearn");
    QCOMPARE(seen.text, QStringLiteral("You are at first record"));
    QCOMPARE(seen.icon, QMessageBox::Critical);

    // Steps until a message stops them; each entry's three labels agree.
    TestSupport::MessageRecorder recorder;
    const auto walk = [&](const QString &button) {
        QStringList seenKeywords;
        const qsizetype messages = recorder.messages.size();
        for (int i = 0; i < 100 && recorder.messages.size() == messages; ++i) {
            const QString keyword = text("lblLearnSubject(1)");
            const bool agree = text("lblLearnSubject(0)") == keyword.left(1) &&
                               text("lblLearnSubject(2)") == meaning_.value(keyword);
            seenKeywords << (agree ? keyword : "<labels disagree: " + keyword + '>');
            click(button);
        }
        return seenKeywords;
    };
    QStringList expected;
    for (const QString &keyword : meaning_.keys())
        if (keyword.startsWith(u'K') || keyword.startsWith(u'Q'))
            expected << keyword;
    std::sort(expected.begin(), expected.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    QCOMPARE(walk("cmdNextLearn"), expected);
    QCOMPARE(recorder.messages.last().text, QStringLiteral("You are at the last record"));
    QCOMPARE(recorder.messages.last().icon, QMessageBox::Critical);
    std::reverse(expected.begin(), expected.end());
    QCOMPARE(walk("cmdBackLearn"), expected);
    QCOMPARE(recorder.messages.last().text, QStringLiteral("You are at first record"));

    // Back to the start screen: everything chosen before is cleared.
    click("cmdBackToMain");
    QCOMPARE(screen(), QStringLiteral("fraOption(0)"));
    QVERIFY(!checked("optMain(0)"));
    chooseLearn();
    QCOMPARE(tickedLetters(), 0);
}

void tst_frmLearnDreamInterpretationMain::enableAllOptions()
{
    chooseLearn();
    auto *all = child<QCheckBox>("chkForAll");
    QCOMPARE(all->text().remove(u'&'), QStringLiteral("Enable All Options"));
    QCOMPARE(child<QCheckBox>("chkSubject(25)")->text(), QStringLiteral("Z"));
    click("chkForAll");
    QCOMPARE(all->text().remove(u'&'), QStringLiteral("Disable All Options"));
    QCOMPARE(tickedLetters(), 26);
    click("chkForAll");
    QCOMPARE(all->text().remove(u'&'), QStringLiteral("Enable All Options"));
    QCOMPARE(tickedLetters(), 0);

    // All letters learnt; the screen is blank when seen again, after "Next" or "Back".
    click("chkForAll");
    click("cmdNext3");
    QCOMPARE(window_->Session().LearnList.size(), 676);
    QCOMPARE(text("lblLearnSubject(1)"), window_->Session().LearnList.first());
    for (const char *leave : {"cmdBackToMain", "cmdBack3"}) {
        click(leave);
        chooseLearn();
        QCOMPARE(tickedLetters(), 0);
        QCOMPARE(all->text().remove(u'&'), QStringLiteral("Enable All Options"));
        click("chkForAll");
    }
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

// A whole test: questions answered by clicking the options' texts, every
// other one wrongly, the report read back and printed to a PDF file.
void tst_frmLearnDreamInterpretationMain::testsOnSeveralLetters()
{
    QFETCH(bool, byKeyword);
    QFETCH(QString, letters);
    QFETCH(int, count);
    Random::Seed(99);
    chooseTest(byKeyword);
    const QString kind = byKeyword ? QStringLiteral("Test By Keyword") : QStringLiteral("Test By Interpretation");
    QCOMPARE(title("fraOption(3)"), kind);
    QCOMPARE(text("lblCaption(5)"), QStringLiteral("Select the options which you would like to take the test in."));
    tickLetters(letters);
    click("cmdNext3");

    const QString suffix = byKeyword ? QStringLiteral("ForKeyword") : QStringLiteral("ForDesc");
    const QString next = QStringLiteral("cmdNextQuestion") + suffix;
    QCOMPARE(screen(), byKeyword ? QStringLiteral("fraOption(4)") : QStringLiteral("fraOption(6)"));
    QCOMPARE(title(screen()), kind);
    QCOMPARE(text(byKeyword ? "lblCaption(6)" : "lblCaption(7)"),
             QStringLiteral("Select one option from the given choices below."));
    TestSupport::SeenMessage seen = clickForMessage(next);
    QCOMPARE(seen.text, QStringLiteral("Please select an option"));
    QCOMPARE(seen.icon, QMessageBox::Critical);

    QStringList lines = {QStringLiteral("Vessa Learn Dream Interpretation Result"), QString()};
    QSet<QString> asked;
    int correct = 0;
    for (int q = 0; q < count; ++q) {
        QCOMPARE(text("lblQuestionNo" + suffix), QStringLiteral("Question %1 of %2").arg(q + 1).arg(count));
        const QString question = text(byKeyword ? "lblKeyword" : "lblDesc");
        const QString keyword = byKeyword ? question : meaning_.key(question);
        QVERIFY2(letters.contains(keyword.front()) && !asked.contains(keyword), qPrintable(keyword));
        asked.insert(keyword);
        const QString right = byKeyword ? meaning_.value(keyword) : keyword;
        QStringList options;
        for (int i = 0; i < 5; ++i)
            options << text(QStringLiteral("lblChoice%1(%2)").arg(suffix).arg(i));
        QVERIFY(options.contains(right));
        const int slot = q % 2 == 0 ? int(options.indexOf(right)) : (int(options.indexOf(right)) + 1) % 5;
        correct += options[slot] == right;
        QTest::mouseClick(child(QStringLiteral("lblChoice%1(%2)").arg(suffix).arg(slot)), Qt::LeftButton);
        QVERIFY(checked(QStringLiteral("optChoice%1(%2)").arg(suffix).arg(slot)));
        QCOMPARE(window_->focusWidget(), child(next));
        lines << QStringLiteral("Question %1").arg(q + 1) << question << "Your Answer: " + options[slot]
              << "Correct Answer: " + right << QString();
        click(next);
    }
    lines << QStringLiteral("%1 correct out of %2 questions.").arg(correct).arg(count);
    QCOMPARE(screen(), QStringLiteral("fraOption(5)"));
    QCOMPARE(title("fraOption(5)"), QStringLiteral("Test Results"));
    QCOMPARE(child<QTextEdit>("RTBTestResult")->toPlainText().split(u'\n'), lines);
    // At a glance above the report; each wrong answer marked in it.
    QCOMPARE(child<QLabel>("lblScore")->text(), QStringLiteral("%1 of %2 correct, %3 %")
                                                   .arg(correct)
                                                   .arg(count)
                                                   .arg(qRound(correct * 100.0 / count)));
    const QStringList marked =
        TestSupport::LinesInColour(child<QTextEdit>("RTBTestResult")->document(), Quiz::WrongAnswerColour());
    QCOMPARE(marked.size(), count - correct);
    for (const QString &line : marked)
        QVERIFY(line.startsWith(QStringLiteral("Your Answer: ")));

    // Printed through the print dialog, here to a PDF file, between two
    // publisher lines; a cancelled dialog prints nothing and says nothing.
    const QString pdf = sandbox_->folder() + QStringLiteral("/result.pdf");
    TestSupport::MessageRecorder recorder;
    const auto cancelled = TestSupport::AnswerNextPrintDialog();
    click("cmdPrint");
    QVERIFY(cancelled->shown && !QFile::exists(pdf));
    const auto printed = TestSupport::AnswerNextPrintDialog(pdf);
    click("cmdPrint");
    QVERIFY(printed->shown);
    QVERIFY(recorder.messages.isEmpty() && QFile::exists(pdf));
    const QString generatedBy = "Report Generated By " + PublisherPages::SiteAddress();
    QCOMPARE(child<QTextEdit>("RTB1")->toPlainText().split(u'\n'),
             QStringList({generatedBy, QString()}) + lines + QStringList({QString(), generatedBy}));
    QVERIFY(!child<QWidget>("RTB1")->isVisible());
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (!pdftotext.isEmpty()) {
        QProcess process;
        process.start(pdftotext, {QStringLiteral("-raw"), pdf, QStringLiteral("-")});
        QVERIFY(process.waitForFinished(20000));
        const QString printed = QString::fromUtf8(process.readAllStandardOutput()).simplified();
        QVERIFY2(printed.startsWith(generatedBy + " Vessa Learn Dream Interpretation Result Question 1"),
                 qPrintable(printed.left(200)));
        // The printer adds page numbers (which may fall between the score line and the
        // closing line), so the closing line is looked for after the score line.
        const qsizetype score = printed.indexOf(lines.last());
        QVERIFY2(score > 0 && printed.indexOf(generatedBy, score) > score, qPrintable(printed.right(200)));
    }
    // A printer that fails is reported.
    QPrinter failing(QPrinter::HighResolution);
    failing.setOutputFormat(QPrinter::PdfFormat);
    failing.setOutputFileName(sandbox_->folder() + QStringLiteral("/missing/result.pdf"));
    QCOMPARE(window_->PrintTo(&failing), Printing::Outcome::Failed);
    QTRY_COMPARE(recorder.messages.size(), 1);
    QCOMPARE(recorder.messages[0].text, Printing::OutcomeMessage(Printing::Outcome::Failed));

    // The end of the test emptied its state; "Main Screen" clears the choices.
    QVERIFY(window_->Session().DreamLetters.isEmpty() && window_->Session().LearnList.isEmpty());
    click("cmdGoToMain");
    QCOMPARE(screen(), QStringLiteral("fraOption(0)"));
    QVERIFY(!checked("optMain(1)"));
}

void tst_frmLearnDreamInterpretationMain::unusableDatabaseLeavesWindowUsable_data()
{
    QTest::addColumn<QByteArray>("bytes"); // "<none>": no file
    QTest::addRow("missing") << QByteArray("<none>");
    QTest::addRow("empty") << QByteArray();
    QTest::addRow("damaged") << QByteArray("This is not a database file at all.");
    QFile built(DreamTestData::BuiltDatabase());
    QVERIFY(built.open(QIODevice::ReadOnly));
    QTest::addRow("truncated") << built.read(4096);
}

void tst_frmLearnDreamInterpretationMain::unusableDatabaseLeavesWindowUsable()
{
    QFETCH(QByteArray, bytes);
    // First learn a letter from the good file, so the labels hold something.
    chooseLearn();
    tickLetters(QStringLiteral("A"));
    click("cmdNext3");
    QVERIFY(!text("lblLearnSubject(1)").isEmpty());
    click("cmdBackToMain");
    QFile file(programDatabase());
    QVERIFY(file.remove());
    if (bytes != "<none>")
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    file.close();

    // Learn: nothing to show (nothing left from before), and the ends of the empty list hold.
    chooseLearn();
    tickLetters(QStringLiteral("AB"));
    // A missing file is reported with where it was looked for, a damaged one by the module.
    const QString told = clickForMessage("cmdNext3").text;
    QVERIFY2(told.startsWith(bytes == "<none>" ? QLatin1String("The file keywords.dll was not found.")
                                               : QLatin1String("The dream symbol database cannot be read")),
             qPrintable(told));
    QVERIFY(told.contains(QDir::toNativeSeparators(programDatabase())));
    QCOMPARE(screen(), QStringLiteral("fraOption(2)"));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(text(QStringLiteral("lblLearnSubject(%1)").arg(i)), QString());
    QCOMPARE(clickForMessage("cmdNextLearn").text, QStringLiteral("You are at the last record"));
    QCOMPARE(clickForMessage("cmdBackLearn").text, QStringLiteral("You are at first record"));
    click("cmdBackToMain");

    // Test: no questions can be drawn, which the user is told; the window stays usable.
    chooseTest(true);
    tickLetters(QStringLiteral("Q"));
    QCOMPARE(clickForMessage("cmdNext3").text,
             QStringLiteral("No dream symbols could be read for the letters you chose, so there are no questions "
                            "to ask."));
    QCOMPARE(screen(), QStringLiteral("fraOption(3)"));
    click("cmdBack3");
    QCOMPARE(screen(), QStringLiteral("fraOption(0)"));
    // The file was never written.
    QCOMPARE(file.exists(), bytes != "<none>");
    if (file.open(QIODevice::ReadOnly))
        QCOMPARE(file.readAll(), bytes);
}

// The five longest interpretations, offered together, wrap inside their room
// on a window of its smallest size.
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
    std::sort(letters.begin(), letters.end());
    QFile::remove(programDatabase());
    QVERIFY(KeywordSource::WriteDatabase(programDatabase(), symbols).isEmpty());
    openWindow();
    window_->resize(window_->minimumSize());
    for (const bool byKeyword : {true, false}) {
        chooseTest(byKeyword);
        tickLetters(letters);
        click("cmdNext3");
        QTest::qWait(20);
        const QString suffix = byKeyword ? QStringLiteral("ForKeyword") : QStringLiteral("ForDesc");
        QList<QLabel *> labels = {child<QLabel>(byKeyword ? "lblKeyword" : "lblDesc")};
        for (int i = 0; i < 5; ++i)
            labels << child<QLabel>(QStringLiteral("lblChoice%1(%2)").arg(suffix).arg(i));
        for (QLabel *label : labels)
            QVERIFY2(label->isVisible() && label->heightForWidth(label->width()) <= label->height() &&
                         label->geometry().right() < label->parentWidget()->width(),
                     qPrintable(label->objectName()));
        QWidget *next = child("cmdNextQuestion" + suffix);
        QVERIFY(next->mapTo(window_, QPoint(0, next->height())).y() <= window_->height());
        while (screen() != QLatin1String("fraOption(5)")) {
            click(QStringLiteral("optChoice%1(0)").arg(suffix));
            click("cmdNextQuestion" + suffix);
        }
        click("cmdGoToMain");
    }
}

// The module's button (index 4) and its start-panel label (13) open the window.
void tst_frmLearnDreamInterpretationMain::moduleOpensFromTheMainWindow()
{
    delete window_;
    {
        frmMDI mdi(sandbox_->suiteWith({DreamInterpretationModule(sandbox_->recorder())}));
        mdi.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
        mdi.show();
        QVERIFY(QTest::qWaitForWindowExposed(&mdi));
        for (const char *control : {"cmdSelectOption(4)", "lblCaption(13)"}) {
            QTest::mouseClick(mdi.findChild<QWidget *>(control), Qt::LeftButton);
            QTRY_COMPARE(mdi.DocumentArea()->subWindowList().size(), 1);
            QWidget *opened = mdi.DocumentArea()->subWindowList().constFirst()->widget();
            QCOMPARE(opened->objectName(), QStringLiteral("frmLearnDreamInterpretationMain"));
            QVERIFY(opened->isVisible() && mdi.findChild<QWidget *>("picMain")->isHidden());
        }
    }
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmNagScreen2"))
            delete w;
}

QTEST_MAIN(tst_frmLearnDreamInterpretationMain)
#include "tst_frmLearnDreamInterpretationMain.moc"
