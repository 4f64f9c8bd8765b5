// Learn Palmistry: the missed entries behind "Review Missed Answers", a whole
// test taken with the keyboard alone, and the access keys of every screen.
#include "palmistry/frmLearnPalmistryMain.h"
#include "palmistry/modLearnPalmistry.h"
#include "palmistry/modPalmistryTest.h"
#include "toolkit/frmReviewMissed.h"
#include "toolkit/modRandom.h"
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
        window_ = new frmLearnPalmistryMain(sandbox_->host(), sandbox_->recorder());
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
    }
    void cleanup()
    {
        delete window_.data();
        sandbox_.reset();
    }

    // The review lists the wrong answers in order, each entry as the memorize
    // screen shows it; entry 2's significance keeps its line break.
    void missedItems()
    {
        QList<double> script;
        for (int entry : {2, 14, 0, 21, 5, 6, 7, 8, 9, 15})
            script << (entry + 0.5) / PalmDrawRange;
        Random::Seed(3);
        Quiz::Session test = StartPalmTest(
            PalmTestKind::Significance,
            [script, next = 0]() mutable { return next < script.size() ? script[next++] : Random::Rnd(); });
        QList<int> missed;
        for (int k = 0; !test.Finished(); ++k) {
            const Quiz::Question &q = test.CurrentQuestion();
            if (k % 3 != 1)
                missed << q.item;
            test.Answer(k % 3 == 1 ? q.correct.front() : (q.correct.front() + 1) % PalmAnswerButtons);
        }
        const ReviewItems items = test.Outcome().MissedItems();
        QCOMPARE(items.size(), missed.size());
        for (qsizetype k = 0; k < items.size(); ++k) {
            const PalmEntryView view = PalmEntryTexts(missed[k]);
            const ReviewItem &item = items[k];
            QCOMPARE(item.title, view.title);
            QVERIFY(!item.given.isEmpty() && item.given != item.correct);
            QCOMPARE(
                item.correct,
                QString(view.significance).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
            QVERIFY(item.body.contains(QStringLiteral("Shape / Location")));
            QVERIFY(item.body.contains(QStringLiteral("Significance")));
            QVERIFY(item.body.contains(view.shapeLocation.left(25).toHtmlEscaped()));
            QVERIFY(QSvgRenderer(item.picture).isValid()); // the entry's own picture
        }
        QCOMPARE(items[0].title, PalmEntryTexts(2).title);
        QVERIFY(items[0].correct.contains(u'\n') && items[0].body.contains(QStringLiteral("<br>")));
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
        // The draws follow the clock; a test answered all right has nothing to
        // review and says so.
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
