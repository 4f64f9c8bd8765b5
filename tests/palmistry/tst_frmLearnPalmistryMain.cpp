// The Learn Palmistry window driven as a user does: controls found by name,
// clicked and typed into; message boxes answered through TestSupport.
#include "quiz/QuizReport.h"
#include "palmistry/PalmistryModule.h"
#include "palmistry/frmLearnPalmistryMain.h"
#include "palmistry/modLearnPalmistry.h"
#include "palmistry/modPalmistryGoals.h"
#include "toolkit/AppInfo.h"
#include "toolkit/LinkLabel.h"
#include "toolkit/Look.h"
#include "toolkit/ModuleHost.h"
#include "toolkit/ReportView.h"
#include "toolkit/modHelp.h"
#include "toolkit/modRandom.h"
#include "support/ProgressCheck.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTest>
#include <QTextEdit>

namespace {

// Uniform numbers that play back the given ones, then follow the seeded generator.
Quiz::Uniform scripted(QList<double> values)
{
    return [values, next = 0]() mutable {
        return next < values.size() ? values[next++] : Random::Rnd();
    };
}

// The number that draws `entry` from the 22 a palmistry draw takes.
double drawing(int entry) { return (entry + 0.5) / PalmDrawRange; }

// The numbers of the pictures whose drawing at the label's size is exactly what the label shows.
QList<int> shownPictures(QLabel *label)
{
    const QImage shown = label->pixmap().toImage();
    QList<int> matches;
    for (int number = 1; number <= 24; ++number) {
        const QString path = QStringLiteral(":/palmistry/%1.svg").arg(number, 2, 10, QLatin1Char('0'));
        if (Look::Picture(path, shown.size()).toImage() == shown)
            matches << number;
    }
    return matches;
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

} // namespace

class tst_frmLearnPalmistryMain : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSupport::Sandbox> sandbox_;
    QPointer<frmLearnPalmistryMain> window_;

    void open()
    {
        window_ = new frmLearnPalmistryMain(sandbox_->host(), sandbox_->recorder());
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
    }
    void reopen()
    {
        window_->close();
        QTRY_VERIFY(window_.isNull());
        open();
    }

    template <class T = QWidget> T *child(const QString &name)
    {
        T *found = window_ ? window_->findChild<T *>(name) : nullptr;
        if (!found)
            qWarning("no control named %s", qPrintable(name));
        return found;
    }
    QString frame() { return window_->findChild<QStackedWidget *>()->currentWidget()->objectName(); }
    QString text(const QString &name) { return child<QLabel>(name)->text(); }
    // Clicks a button; option buttons and check boxes on their indicator, where a wide one takes clicks.
    void click(const QString &name)
    {
        QAbstractButton *button = child<QAbstractButton>(name);
        const bool push = qobject_cast<QPushButton *>(button);
        QTest::mouseClick(button, Qt::LeftButton, {}, push ? QPoint() : QPoint(7, button->height() / 2));
    }
    // Clicks a button and returns the message box it showed (answered with OK).
    TestSupport::SeenMessage clickForMessage(const QString &name)
    {
        auto seen = TestSupport::AnswerNextMessage();
        click(name);
        return *seen;
    }
    QString answerText(int i) { return text(QStringLiteral("lblOption1(%1)").arg(i)); }

    void proceedTo(int option)
    {
        click(QStringLiteral("optOption(%1)").arg(option));
        click(QStringLiteral("cmdProceed"));
        QCOMPARE(frame(), QStringLiteral("fraOption(%1)").arg(option));
    }
    void startTest(int kind)
    {
        click(QStringLiteral("optTestOption(%1)").arg(kind));
        click(QStringLiteral("cmdTestOptionNext"));
        QCOMPARE(frame(), QStringLiteral("fraOption(3)"));
    }
    // The labels of the question screen whose text does not fit the room the layout gave them.
    QStringList clippedAnswers()
    {
        QCoreApplication::processEvents(); // let the layouts settle on the new texts
        QStringList clipped;
        auto *scroller =
            child<QLabel>(QStringLiteral("lblOption1(0)"))->parentWidget()->parentWidget()->parentWidget();
        auto *area = qobject_cast<QScrollArea *>(scroller);
        if (!area)
            return {QStringLiteral("<no scroll area>")};
        if (area->widget()->height() > area->viewport()->height())
            clipped << QStringLiteral("answers need scrolling");
        for (int i = 0; i < PalmAnswerButtons; ++i) {
            QLabel *label = child<QLabel>(QStringLiteral("lblOption1(%1)").arg(i));
            if (label->heightForWidth(label->width()) > label->height())
                clipped << label->objectName();
        }
        return clipped;
    }

private Q_SLOTS:
    void init()
    {
        sandbox_ = std::make_unique<TestSupport::Sandbox>();
        PalmEntry() = 0;
        Random::Seed(5);
        open();
    }
    void cleanup()
    {
        delete window_.data();
        sandbox_.reset();
    }

    void startScreen()
    {
        QCOMPARE(window_->objectName(), QStringLiteral("frmLearnPalmistryMain"));
        QCOMPARE(window_->windowTitle(), QStringLiteral("Vessa Learn Palmistry"));
        QCOMPARE(frame(), QStringLiteral("fraOption(5)"));
        const char *titles[] = {"Memorize Palmistry", "Test Options", "Goal", "Test", "Test Result", ""};
        for (int i = 0; i < 6; ++i)
            QCOMPARE(child<QGroupBox>(QStringLiteral("fraOption(%1)").arg(i))->title(),
                     QLatin1String(titles[i]));
        for (int i = 0; i < 3; ++i)
            QVERIFY(!child<QRadioButton>(QStringLiteral("optOption(%1)").arg(i))->isChecked());
        QCOMPARE(text(QStringLiteral("lblCaption(4)")),
                 QStringLiteral("Select one of the three options to start the learning process."));
        QCOMPARE(child<QAction>(QStringLiteral("mnuExit"))->text(), QStringLiteral("E&xit"));
        QCOMPARE(child<QAction>(QStringLiteral("mnuUpdate"))->text(),
                 QStringLiteral("Check for Software &Update"));
        QCOMPARE(text(QStringLiteral("Label7")), PublisherLinks::FullBrandText());

        // The banners open their pages.
        QTest::mouseClick(child<QLabel>(QStringLiteral("Label14")), Qt::LeftButton);
        QTest::mouseClick(child<QLabel>(QStringLiteral("Label7")), Qt::LeftButton);
        QCOMPARE(sandbox_->openedPages, QList<QUrl>({WebAddressToUrl(PublisherPages::HomePage()),
                                                     WebAddressToUrl(PublisherPages::FullBrandPage())}));

        const TestSupport::SeenMessage seen = clickForMessage(QStringLiteral("cmdProceed"));
        QCOMPARE(seen.text, QStringLiteral("Please select an option"));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.title, AppInfo::ApplicationTitle());
        QCOMPARE(frame(), QStringLiteral("fraOption(5)"));

        // Each option opens its screen, and every "Back To Main" comes back.
        const char *backs[] = {"cmdBackToMain(0)", "cmdBackToMain(2)", "cmdBackToMain(1)"};
        for (int option = 0; option < 3; ++option) {
            proceedTo(option);
            click(QLatin1String(backs[option]));
            QCOMPARE(frame(), QStringLiteral("fraOption(5)"));
        }
        // Return proceeds with the chosen option.
        window_->activateWindow(); // message boxes took the activation away
        QVERIFY(QTest::qWaitForWindowActive(window_));
        click(QStringLiteral("optOption(0)"));
        QVERIFY(child(QStringLiteral("optOption(0)"))->hasFocus());
        QTest::keyClick(window_->windowHandle(), Qt::Key_Return);
        QCOMPARE(frame(), QStringLiteral("fraOption(0)"));
    }

    void memorizeSteps()
    {
        proceedTo(0);
        QCOMPARE(text(QStringLiteral("lblDesc(0)")), QStringLiteral("Shape of Hands - Square Hand"));
        QCOMPARE(shownPictures(child<QLabel>(QStringLiteral("picMemorize"))), QList<int>{1});
        QCOMPARE(text(QStringLiteral("lblCaption(1)")), QStringLiteral("Shape / Location"));
        QCOMPARE(text(QStringLiteral("lblCaption(0)")), QStringLiteral("Significance"));

        TestSupport::SeenMessage seen = clickForMessage(QStringLiteral("cmdBack"));
        QCOMPARE(seen.text, QStringLiteral("You are at the first record"));
        QCOMPARE(seen.icon, QMessageBox::Information);
        QCOMPARE(text(QStringLiteral("lblDesc(0)")), QStringLiteral("Shape of Hands - Square Hand"));

        const PalmistryTables &tables = LoadPalmistryContent();
        QList<QList<int>> forward;
        for (int n = 0; n <= 22; ++n) {
            if (n > 0)
                click(QStringLiteral("cmdNext"));
            QCOMPARE(text(QStringLiteral("lblDesc(0)")), tables.PalmTitle[std::size_t(n)]);
            forward << shownPictures(child<QLabel>(QStringLiteral("picMemorize")));
            QVERIFY2(forward.last().contains(PalmPictureNumber(n)),
                     qPrintable(tables.PalmTitle[std::size_t(n)]));
            if (n >= 10 && n <= 13)
                QCOMPARE(text(QStringLiteral("lblDesc(2)")),
                         QStringLiteral("Shape / Location is not available."));
            if (n == 2) // the conical hand's significance shows as two paragraphs
                QCOMPARE(text(QStringLiteral("lblDesc(1)")).split(u'\n', Qt::SkipEmptyParts).size(), 2);
        }
        QCOMPARE(forward[13], QList<int>({11, 12, 13, 14}));
        QCOMPARE(forward[14], QList<int>{16});

        seen = clickForMessage(QStringLiteral("cmdNext"));
        QCOMPARE(seen.text, QStringLiteral("You are at the last record"));
        QCOMPARE(seen.icon, QMessageBox::Information);
        QCOMPARE(text(QStringLiteral("lblDesc(0)")), QStringLiteral("Girdle of Venus"));
        for (int n = 21; n >= 0; --n) {
            click(QStringLiteral("cmdBack"));
            QCOMPARE(shownPictures(child<QLabel>(QStringLiteral("picMemorize"))), forward[n]);
        }
    }

    // The entry lives for the whole run: a reopened window shows the one last shown.
    void entryOutlivesTheWindow()
    {
        TestSupport::Host &host = sandbox_->host();
        const int shownBefore = host.startPanelShown;
        proceedTo(0);
        for (int i = 0; i < 7; ++i)
            click(QStringLiteral("cmdNext"));
        child<QAction>(QStringLiteral("mnuExit"))->trigger();
        QTRY_VERIFY(window_.isNull());
        QCOMPARE(host.startPanelShown, shownBefore + 1);

        const ModuleEntry module = PalmistryModule(sandbox_->recorder());
        QCOMPARE(module.buttonIndex, 5);
        QCOMPARE(module.labelIndex, 12);
        QVERIFY(module.open);
        module.open(host);
        window_ = qobject_cast<frmLearnPalmistryMain *>(host.tracked.last().data());
        QVERIFY(window_);
        QCOMPARE(frame(), QStringLiteral("fraOption(5)"));
        QCOMPARE(text(QStringLiteral("lblDesc(0)")), QStringLiteral("Finger Shapes - Straight Fingers"));
    }

    void testNeedsAKindAndAnAnswer()
    {
        proceedTo(1);
        TestSupport::SeenMessage seen = clickForMessage(QStringLiteral("cmdTestOptionNext"));
        QCOMPARE(seen.text, QStringLiteral("Please select a test option"));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(frame(), QStringLiteral("fraOption(1)"));

        startTest(1);
        QCOMPARE(text(QStringLiteral("lblQuestionNo")), QStringLiteral("Question 1 of 10"));
        QStringList before;
        for (int i = 0; i < PalmAnswerButtons; ++i)
            before << answerText(i);
        seen = clickForMessage(QStringLiteral("cmdNextQuestion"));
        QCOMPARE(seen.text, QStringLiteral("Please select an answer"));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(window_->Test()->Number(), 0);
        for (int i = 0; i < PalmAnswerButtons; ++i)
            QCOMPARE(answerText(i), before[i]);

        // A click on an answer's text selects its button.
        QTest::mouseClick(child(QStringLiteral("lblOption1(2)")), Qt::LeftButton);
        QVERIFY(child<QRadioButton>(QStringLiteral("Option1(2)"))->isChecked());
        click(QStringLiteral("cmdNextQuestion"));
        QCOMPARE(text(QStringLiteral("lblQuestionNo")), QStringLiteral("Question 2 of 10"));
        for (int i = 0; i < PalmAnswerButtons; ++i)
            QVERIFY(!child<QRadioButton>(QStringLiteral("Option1(%1)").arg(i))->isChecked());

        // A quiz left before its result is not recorded.
        window_->close();
        delete window_.data();
        QVERIFY(TestSupport::RecordedTests(sandbox_->locations(), QStringLiteral("Learn Palmistry")).isEmpty());
    }

    // Each kind of test from start to result: what the question shows, the
    // answers from the kind's table, the result list and its score.
    void wholeTest_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addRow("name") << 0;
        QTest::addRow("significance") << 1;
        QTest::addRow("location / shape") << 2;
    }
    void wholeTest()
    {
        QFETCH(int, kind);
        const PalmistryTables &tables = LoadPalmistryContent();
        const auto &table = kind == 0   ? tables.PalmTitle
                            : kind == 1 ? tables.PalmSignificance
                                        : tables.PalmShapeLocation;
        // The size the window takes on a 1366 x 768 screen (the offscreen screen is narrower).
        window_->resize(1040, 548);
        // Life line first, then entries that follow the seeded generator.
        window_->UseRandom(scripted({drawing(14)}));
        proceedTo(1);
        startTest(kind);

        QString expected;
        int right = 0;
        for (int k = 0; k < PalmQuestionCount; ++k) {
            const Quiz::Question q = window_->Test()->CurrentQuestion();
            const int entry = q.item;
            QVERIFY(PalmEntryTakesPartInTests(entry));
            QCOMPARE(child(QStringLiteral("lblName"))->isVisible(), kind != 0);
            if (kind != 0)
                QCOMPARE(text(QStringLiteral("lblName")), tables.PalmTitle[std::size_t(entry)]);
            QVERIFY(
                shownPictures(child<QLabel>(QStringLiteral("picTest"))).contains(PalmPictureNumber(entry)));
            if (k == 0)
                QCOMPARE(shownPictures(child<QLabel>(QStringLiteral("picTest"))), QList<int>{16});
            const QString correct = table[std::size_t(entry)];
            QCOMPARE(answerText(q.correct.front()),
                     QString(correct).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
            // Long texts wrap and fit beside their buttons without scrolling.
            QCOMPARE(clippedAnswers(), QStringList());

            // Right on even questions, the button after the right one on odd ones.
            const int button = (q.correct.front() + k % 2) % PalmAnswerButtons;
            const QString chosen = q.choices[button];
            right += chosen == correct;
            expected += tables.PalmTitle[std::size_t(entry)] + QStringLiteral("\nYour Answer:\n") + chosen +
                        QStringLiteral("\nCorrect Choice: \n") + correct + QStringLiteral("\n\n");
            click(QStringLiteral("Option1(%1)").arg(button));
            click(QStringLiteral("cmdNextQuestion"));
        }
        expected += QString::number(right) + QStringLiteral(" Correct out of 10 Questions");
        expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        QCOMPARE(right, 5);

        QCOMPARE(frame(), QStringLiteral("fraOption(4)"));
        auto *result = child<ReportView>(QStringLiteral("RTB"));
        QVERIFY(result->isReadOnly());
        QCOMPARE(result->toPlainText(), expected);
        // At a glance above the list; each wrong answer marked in it.
        QCOMPARE(text(QStringLiteral("lblScore")),
                 QStringLiteral("%1 of 10 correct, %2 %").arg(right).arg(right * 10));
        QCOMPARE(TestSupport::LinesInColour(result->document(), Quiz::WrongAnswerColour())
                     .count(QStringLiteral("Your Answer:")),
                 10 - right);

        // The finished quiz is in the progress record, under the kind's caption.
        const auto tests = TestSupport::RecordedTests(sandbox_->locations(), QStringLiteral("Learn Palmistry"));
        QCOMPARE(tests.size(), 1);
        QCOMPARE(tests[0].kind, PalmTestKindCaption(PalmTestKind(kind)));
        QCOMPARE(tests[0].questionCount, 10);
        QCOMPARE(tests[0].score, right);

        // Printed through the print dialog (here to a PDF file), between two
        // "Report Generated By" lines; a cancelled dialog prints nothing.
        const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (pdftotext.isEmpty())
            QSKIP("pdftotext is not installed");
        const QString pdf = QDir(sandbox_->folder()).filePath(QStringLiteral("result.pdf"));
        {
            TestSupport::MessageRecorder messages;
            const auto cancelled = TestSupport::AnswerNextPrintDialog();
            click(QStringLiteral("cmdPrint"));
            QVERIFY(cancelled->shown);
            const auto printed = TestSupport::AnswerNextPrintDialog(pdf);
            click(QStringLiteral("cmdPrint"));
            QVERIFY(printed->shown);
            QVERIFY(messages.messages.isEmpty());
        }
        QProcess process;
        process.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(process.waitForFinished(20000));
        QStringList lines;
        for (const QString &line : QString::fromUtf8(process.readAllStandardOutput()).split(u'\n'))
            if (!line.trimmed().isEmpty() && line.trimmed().toInt() == 0) // not a page number
                lines << line.trimmed();
        const QString reportLine = QStringLiteral("Report Generated By ") + PublisherPages::SiteAddress();
        QVERIFY(lines.size() > 20);
        QCOMPARE(lines.first(), reportLine);
        QCOMPARE(lines.last(), reportLine);
        const QString all = lines.join(u' ');
        QVERIFY(all.contains(QString::number(right) + QStringLiteral(" Correct out of 10 Questions")));
        QVERIFY(all.contains(tables.PalmTitle[std::size_t(14)]));

        // A printer that fails is reported.
        {
            TestSupport::MessageRecorder messages;
            QPrinter failing(QPrinter::HighResolution);
            failing.setOutputFormat(QPrinter::PdfFormat);
            failing.setOutputFileName(sandbox_->folder() + QStringLiteral("/missing/result.pdf"));
            QCOMPARE(window_->PrintTo(&failing), Printing::Outcome::Failed);
            QCOMPARE(messages.messages.size(), 1);
            QCOMPARE(messages.messages[0].text, Printing::OutcomeMessage(Printing::Outcome::Failed));
            QCOMPARE(messages.messages[0].icon, QMessageBox::Warning);
        }

        click(QStringLiteral("cmdStartTest"));
        QCOMPARE(frame(), QStringLiteral("fraOption(1)"));
        for (int i = 0; i < 3; ++i)
            QVERIFY(!child<QRadioButton>(QStringLiteral("optTestOption(%1)").arg(i))->isChecked());
    }

    // The longest texts of a kind still wrap and fit without scrolling.
    void longestAnswersFit_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addRow("significance") << 1;
        QTest::addRow("location / shape") << 2;
    }
    void longestAnswersFit()
    {
        QFETCH(int, kind);
        const PalmistryTables &tables = LoadPalmistryContent();
        const auto &table = kind == 1 ? tables.PalmSignificance : tables.PalmShapeLocation;
        QList<int> entries;
        for (int n = 0; n < PalmEntryCount; ++n)
            if (PalmEntryTakesPartInTests(n))
                entries << n;
        std::sort(entries.begin(), entries.end(),
                  [&](int a, int b) { return table[std::size_t(a)].size() > table[std::size_t(b)].size(); });
        // The questions: the longest first. The first question's correct answer,
        // its wrong answers (the next four longest), and the correct one's button, the first.
        QList<double> script;
        for (int k = 0; k < PalmQuestionCount; ++k)
            script << drawing(entries[k]);
        script << 0.0;
        for (int k = 1; k <= 4; ++k)
            script << drawing(entries[k]);
        script << 0.0;
        window_->resize(1040, 548);
        window_->UseRandom(scripted(script));
        proceedTo(1);
        startTest(kind);
        for (int i = 0; i < PalmAnswerButtons; ++i)
            QCOMPARE(answerText(i), QString(table[std::size_t(entries[i])])
                                        .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        QCOMPARE(clippedAnswers(), QStringList());
    }

    void goalsAreKeptInTheirFiles()
    {
        const QString goal1 =
            QDir(sandbox_->userFolder()).filePath(QStringLiteral("LearnPalmistryGoal1.txt"));
        const QString goal2 =
            QDir(sandbox_->userFolder()).filePath(QStringLiteral("LearnPalmistryGoal2.txt"));
        QCOMPARE(fileBytes(goal1), QByteArray("This is Goal 1.\r\n"));
        QCOMPARE(fileBytes(goal2), QByteArray("This is Goal 2.\r\n"));

        proceedTo(2);
        for (int goal = 1; goal <= 2; ++goal) {
            auto *box = child<QPlainTextEdit>(QStringLiteral("txtGoal%1").arg(goal));
            QCOMPARE(box->toPlainText(), QStringLiteral("This is Goal %1.\n").arg(goal));
            QVERIFY(!box->isEnabled());
            QVERIFY(!child(QStringLiteral("cmdGoal%1").arg(goal))->isEnabled());
            QCOMPARE(child<QCheckBox>(QStringLiteral("chkGoal%1").arg(goal))->text().remove(u'&'),
                     QStringLiteral("Goal %1").arg(goal));
        }

        // Tick, write, save goal 1; save goal 2 unchanged.
        click(QStringLiteral("chkGoal1"));
        auto *box1 = child<QPlainTextEdit>(QStringLiteral("txtGoal1"));
        QVERIFY(box1->isEnabled() && box1->hasFocus());
        box1->selectAll();
        QTest::keyClicks(box1, QStringLiteral("  Read one hand a week"));
        QTest::keyClick(box1, Qt::Key_Return);
        QTest::keyClicks(box1, QStringLiteral("Learn the nine lines  "));
        TestSupport::MessageRecorder messages;
        click(QStringLiteral("cmdGoal1"));
        click(QStringLiteral("chkGoal2"));
        click(QStringLiteral("cmdGoal2"));
        QVERIFY(messages.messages.isEmpty());
        QCOMPARE(fileBytes(goal1), QByteArray("Read one hand a week\r\nLearn the nine lines\r\n"));
        click(QStringLiteral("chkGoal1"));
        QVERIFY(!box1->isEnabled());

        reopen();
        QCOMPARE(child<QPlainTextEdit>(QStringLiteral("txtGoal1"))->toPlainText(),
                 QStringLiteral("Read one hand a week\nLearn the nine lines\n"));
        // The unchanged save left the note as it was, without an empty line more.
        QCOMPARE(child<QPlainTextEdit>(QStringLiteral("txtGoal2"))->toPlainText(),
                 QStringLiteral("This is Goal 2.\n"));
    }

    void goalThatCannotBeWrittenIsReported()
    {
        delete window_.data();
        const QString path = PalmistryGoals::GoalFilePath(sandbox_->locations(), 1);
        QVERIFY(QFile::remove(path));
        QVERIFY(QDir().mkpath(path)); // a folder where the goal file should be
        {
            TestSupport::MessageRecorder messages;
            open();
            QVERIFY(messages.messages.isEmpty()); // opening stays quiet
        }
        proceedTo(2);
        click(QStringLiteral("chkGoal1"));
        auto *box = child<QPlainTextEdit>(QStringLiteral("txtGoal1"));
        QTest::keyClicks(box, QStringLiteral("Keep this"));
        const TestSupport::SeenMessage seen = clickForMessage(QStringLiteral("cmdGoal1"));
        QVERIFY(seen.shown);
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QVERIFY2(seen.text.startsWith(QStringLiteral("Goal 1 could not be saved to ")),
                 qPrintable(seen.text));
        QVERIFY(seen.text.contains(QStringLiteral("LearnPalmistryGoal1.txt")));
        QCOMPARE(box->toPlainText(), QStringLiteral("Keep this")); // what the user wrote is still there
        QVERIFY(QDir(path).exists());
        // Goal 2 is not affected.
        click(QStringLiteral("chkGoal2"));
        TestSupport::MessageRecorder none;
        click(QStringLiteral("cmdGoal2"));
        QVERIFY(none.messages.isEmpty());
    }
};

QTEST_MAIN(tst_frmLearnPalmistryMain)
#include "tst_frmLearnPalmistryMain.moc"
