// Learn Palmistry: the missed entries behind "Review Missed Answers", a whole
// test taken with the keyboard alone, and the access keys of every screen.
#include "palmistry/frmLearnPalmistryMain.h"
#include "palmistry/modLearnPalmistry.h"
#include "palmistry/modPalmistryReview.h"
#include "palmistry/modPalmistryTest.h"
#include "shell/frmReviewMissed.h"
#include "shell/modRandom.h"
#include "support/AccessKeys.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QSvgRenderer>
#include <QTest>
#include <QTextEdit>

class tst_palm_review_keys : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSupport::Sandbox> sandbox_;
    QPointer<frmLearnPalmistryMain> window_;

    template <class T = QWidget> T *child(const QString &name)
    {
        return TestSupport::Named<T>(window_, name);
    }
    QString frame()
    {
        return window_->findChild<QStackedWidget *>()->currentWidget()->objectName();
    }

private Q_SLOTS:
    void init()
    {
        sandbox_ = std::make_unique<TestSupport::Sandbox>();
        Random::Seed(5);
        window_ = new frmLearnPalmistryMain;
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
    }
    void cleanup()
    {
        delete window_.data();
        sandbox_.reset();
    }

    // The result keeps which entry each question asked, in question order.
    void resultKeepsEntries()
    {
        int calls = 0;
        PalmistryTest test([&calls](int n) { return (calls++ * 7) % n; });
        test.Start(PalmTestKind::Significance);
        const auto asked = test.PalmTestQuestion;
        while (!test.Answer(0)) {
        }
        const PalmResult result = test.BuildResult();
        QCOMPARE(int(result.lines.size()), PalmQuestionCount);
        for (int k = 0; k < PalmQuestionCount; ++k) {
            QCOMPARE(result.lines[size_t(k)].entry, int(asked[size_t(k)]));
            QCOMPARE(result.lines[size_t(k)].title, PalmEntryTexts(asked[size_t(k)]).title);
        }
    }

    // Rows: entries asked and whether each was answered rightly; the review
    // lists the wrong ones in order, each as the memorize screen shows it.
    void missedItems_data()
    {
        QTest::addColumn<QList<int>>("entries");
        QTest::addColumn<QList<bool>>("right");
        QTest::addRow("two of four wrong")
            << QList<int>{14, 2, 0, 21} << QList<bool>{false, true, false, true};
        QTest::addRow("none wrong") << QList<int>{5, 6} << QList<bool>{true, true};
        // Entry 2's significance has a line break, kept in the review.
        QTest::addRow("line break in the answer") << QList<int>{2} << QList<bool>{false};
    }
    void missedItems()
    {
        QFETCH(QList<int>, entries);
        QFETCH(QList<bool>, right);
        PalmResult result;
        for (qsizetype i = 0; i < entries.size(); ++i) {
            const int entry = entries[i];
            PalmResultLine line{PalmEntryTexts(entry).title, QStringLiteral("picked %1").arg(i),
                                PalmAnswerText(PalmTestKind::Significance, entry), right[i], entry};
            result.lines.push_back(line);
        }
        const ReviewItems items = PalmMissedItems(result);
        QCOMPARE(items.size(), right.count(false));
        qsizetype k = 0;
        for (qsizetype i = 0; i < entries.size(); ++i) {
            if (right[i])
                continue;
            const PalmEntryView view = PalmEntryTexts(entries[i]);
            const ReviewItem &item = items[k++];
            QCOMPARE(item.title, view.title);
            QCOMPARE(item.given, QStringLiteral("picked %1").arg(i));
            QCOMPARE(
                item.correct,
                QString(view.significance).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
            QVERIFY(item.body.contains(QStringLiteral("Shape / Location")));
            QVERIFY(item.body.contains(QStringLiteral("Significance")));
            QVERIFY(item.body.contains(view.shapeLocation.left(25).toHtmlEscaped()));
            QVERIFY(QSvgRenderer(item.picture).isValid()); // the entry's own picture
        }
        if (entries == QList<int>{2})
            QVERIFY(items[0].correct.contains(u'\n') &&
                    items[0].body.contains(QStringLiteral("<br>")));
    }

    // From the start screen to the review with QTest::keyClick only.
    void wholeTestFromKeyboard()
    {
        QCOMPARE(frame(), QStringLiteral("fraOption(5)"));
        TestSupport::PressKey(Qt::Key_T, Qt::AltModifier); // "&Test Myself on Palmistry"
        QTRY_VERIFY(child<QRadioButton>(QStringLiteral("optOption(1)"))->isChecked());
        TestSupport::PressKey(Qt::Key_C, Qt::AltModifier); // "&Click Here To Proceed"
        QTRY_COMPARE(frame(), QStringLiteral("fraOption(1)"));
        TestSupport::PressKey(Qt::Key_L, Qt::AltModifier); // "Test By &Location / Shape"
        QTRY_VERIFY(child<QRadioButton>(QStringLiteral("optTestOption(2)"))->isChecked());
        TestSupport::PressKey(Qt::Key_C, Qt::AltModifier); // "&Click Here To Start The Test"
        QTRY_COMPARE(frame(), QStringLiteral("fraOption(3)"));

        auto *next = child<QPushButton>(QStringLiteral("cmdNextQuestion"));
        for (int q = 0; q < PalmQuestionCount; ++q) {
            QCOMPARE(frame(), QStringLiteral("fraOption(3)"));
            QCOMPARE(QApplication::focusWidget(), child(QStringLiteral("Option1(0)")));
            const int position = q % 5;
            TestSupport::PressKey(Qt::Key(Qt::Key_1 + position));
            QVERIFY(child<QRadioButton>(QStringLiteral("Option1(%1)").arg(position))->isChecked());
            QCOMPARE(QApplication::focusWidget(), next);
            TestSupport::PressKey(q % 2 ? Qt::Key_Enter : Qt::Key_Return);
        }
        QCOMPARE(frame(), QStringLiteral("fraOption(4)"));
        const QString list = child<QTextEdit>(QStringLiteral("RTB"))->toPlainText();
        const int right = list.section(u'\n', -1).section(u' ', 0, 0).toInt();
        QVERIFY(list.endsWith(QStringLiteral(" Correct out of 10 Questions")));
        // The draws follow the clock; a test answered all right (the fifth button
        // can repeat the correct text) has nothing to review and says so.
        if (right == 10) {
            auto seen = TestSupport::AnswerNextMessage();
            TestSupport::PressKey(Qt::Key_R, Qt::AltModifier);
            QTRY_VERIFY(seen->shown);
            QCOMPARE(seen->text, NothingToReviewText());
            return;
        }
        TestSupport::PressKey(Qt::Key_R, Qt::AltModifier); // "&Review Missed Answers"
        QTRY_VERIFY(qobject_cast<frmReviewMissed *>(QApplication::activeModalWidget()));
        auto *review = qobject_cast<frmReviewMissed *>(QApplication::activeModalWidget());
        QVERIFY(QTest::qWaitForWindowActive(review));
        QCOMPARE(review->Count(), 10 - right);
        QVERIFY(!review->findChild<QLabel *>(QStringLiteral("picReview"))->pixmap().isNull());
        // Sent to the review window itself: on a busy machine the focus may not
        // have moved into it yet.
        QTest::keyClick(review, Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(frame(), QStringLiteral("fraOption(4)"));
    }

    // Every screen: each button has an access key and none is shared.
    void accessKeysPerScreen()
    {
        for (int option : {0, 2, 1}) {
            QCOMPARE(frame(), QStringLiteral("fraOption(5)"));
            QCOMPARE(TestSupport::AccessKeyProblems(window_), QStringList());
            child<QRadioButton>(QStringLiteral("optOption(%1)").arg(option))->click();
            child<QPushButton>(QStringLiteral("cmdProceed"))->click();
            QCOMPARE(frame(), QStringLiteral("fraOption(%1)").arg(option));
            QCOMPARE(TestSupport::AccessKeyProblems(window_), QStringList());
            if (option != 1)
                child<QPushButton>(QStringLiteral("cmdBackToMain(%1)").arg(option))->click();
        }
        child<QRadioButton>(QStringLiteral("optTestOption(0)"))->click();
        child<QPushButton>(QStringLiteral("cmdTestOptionNext"))->click();
        QCOMPARE(frame(), QStringLiteral("fraOption(3)"));
        QCOMPARE(TestSupport::AccessKeyProblems(window_), QStringList());
        while (frame() == QLatin1String("fraOption(3)")) {
            child<QRadioButton>(QStringLiteral("Option1(0)"))->click();
            child<QPushButton>(QStringLiteral("cmdNextQuestion"))->click();
        }
        QCOMPARE(TestSupport::AccessKeyProblems(window_), QStringList());
    }
};

QTEST_MAIN(tst_palm_review_keys)
#include "tst_palm_review_keys.moc"
