// Learn Aromatherapy: the list of missed questions behind "Review Missed
// Answers", a whole test taken with the keyboard alone, and the access keys
// of every screen.
#include "aromatherapy/frmLearnAromatherapyMain.h"
#include "aromatherapy/modAromaTest.h"
#include "aromatherapy/modLearnAromatherapy.h"
#include "toolkit/frmReviewMissed.h"
#include "toolkit/modRandom.h"
#include "support/AccessKeys.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

namespace {

int oilNumber(const QString &name)
{
    for (int o = 0; o < OilCount; ++o)
        if (OilName(o) == name)
            return o;
    return -1;
}

} // namespace

class tst_aroma_review_keys : public QObject {
    Q_OBJECT

    QPointer<frmLearnAromatherapyMain> window_;
    std::unique_ptr<TestSupport::Sandbox> sandbox_;

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
        Random::Seed(4242);
        window_ = new frmLearnAromatherapyMain(sandbox_->host(), sandbox_->recorder());
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
    }
    void cleanup()
    {
        delete window_.data();
        sandbox_.reset();
    }

    // The review lists the missed questions in order, each oil as the learn
    // screen shows it, with the answer given and the correct answer the result
    // names (for properties the oil's first). A question left unanswered is missed.
    void missedItems_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("planet") << 0;
        QTest::newRow("gender") << 3;
        QTest::newRow("magical") << 4;
    }
    void missedItems()
    {
        QFETCH(int, kind);
        AromaModel model;
        model.SetLearnMode(false, kind);
        Random::Seed(99);
        model.StartTest();
        QStringList missed, given;
        for (int i = 0; !model.Test->Finished(); ++i) {
            const Quiz::Question &q = model.Test->CurrentQuestion();
            const int wrong = q.correct.front() == 0 ? 1 : 0;
            std::vector<int> chosen;
            if (i % 3 == 0)
                chosen = q.correct;
            else if (i % 3 == 1)
                chosen = {wrong};
            if (i % 3) {
                missed << OilName(q.item);
                given << (chosen.empty() ? QString() : AromaLabelText(q.choices[wrong]));
            }
            model.Test->Answer(chosen);
        }
        const ReviewItems items = model.Test->Outcome().MissedItems();
        QStringList titles;
        for (const ReviewItem &item : items)
            titles << item.title;
        QCOMPARE(titles, missed);
        for (qsizetype m = 0; m < items.size(); ++m) {
            const ReviewItem &item = items[m];
            const int oil = oilNumber(item.title);
            QCOMPARE(item.given, given[m]);
            const QString first[] = {OilPlanet(oil), {}, {}, OilGender(oil), OilMagical(oil, 0)};
            QCOMPARE(item.correct, AromaLabelText(first[kind]));
            // The oil's associations as the learn screen lists them.
            for (const QString &part :
                 {QStringLiteral("Planetary Association"), OilPlanet(oil),
                  QStringLiteral("Astrological Association"), OilSign(oil),
                  QStringLiteral("Element"), OilElement(oil), QStringLiteral("Gender"),
                  OilGender(oil), QStringLiteral("Magical Properties"), OilMagical(oil, 0),
                  QStringLiteral("Therapeutic Properties"), OilTherapeutic(oil, 0)})
                QVERIFY2(item.body.contains(AromaLabelText(part).toHtmlEscaped()), qPrintable(part));
            QVERIFY(item.picture.isEmpty());
        }
    }

    // Options, every question and the review, with QTest::keyClick alone: access
    // keys, arrow keys in the lists, number keys for answers and Enter to move on.
    void wholeTestFromKeyboard()
    {
        QVERIFY(child(QStringLiteral("optChoice1"))->hasFocus());
        TestSupport::PressKey(Qt::Key_T, Qt::AltModifier); // "&Test Options"
        QTRY_VERIFY(child<QRadioButton>(QStringLiteral("optChoice2"))->isChecked());
        TestSupport::PressKey(Qt::Key_C, Qt::AltModifier); // "Test &Criteria" goes to its list
        QCOMPARE(QApplication::focusWidget(), child(QStringLiteral("cboTest")));
        TestSupport::PressKey(Qt::Key_Down);               // the sign test
        TestSupport::PressKey(Qt::Key_V, Qt::AltModifier); // "Test Le&vel"
        QCOMPARE(QApplication::focusWidget(), child(QStringLiteral("cboTestLevel")));
        TestSupport::PressKey(Qt::Key_Down);
        TestSupport::PressKey(Qt::Key_Up); // back to "Basic"
        QCOMPARE(int(window_->Model().AromaChoice), 1);
        QCOMPARE(int(window_->Model().AromaLevel), 0);
        TestSupport::PressKey(Qt::Key_N, Qt::AltModifier); // "Lear&n / Test Aromatherapy"
        QTRY_COMPARE(frame(), QStringLiteral("Frame3"));

        QStringList chosen;
        for (int q = 0; q < 15; ++q) {
            QCOMPARE(frame(), QStringLiteral("Frame3"));
            // The focus is on the answers, where a number key is expected.
            QVERIFY(child(QStringLiteral("Frame3"))->isAncestorOf(QApplication::focusWidget()));
            const int position = q % 3;
            TestSupport::PressKey(Qt::Key(Qt::Key_1 + position));
            auto *option = child<QRadioButton>(QStringLiteral("optAnswerOption(%1)").arg(position));
            QVERIFY(option->isChecked());
            chosen << option->text();
            QCOMPARE(QApplication::focusWidget(), child(QStringLiteral("cmdNextQuestion")));
            TestSupport::PressKey(q % 2 ? Qt::Key_Return : Qt::Key_Enter);
        }
        QCOMPARE(frame(), QStringLiteral("Frame4"));
        const Quiz::Result &result = window_->Model().Test->Outcome();
        QStringList given;
        for (const Quiz::Answered &question : result.questions)
            given << question.given;
        QCOMPARE(given, chosen);
        const int missed = result.Count() - result.Score();
        QVERIFY(missed > 0);               // answering by position misses some
        TestSupport::PressKey(Qt::Key_R, Qt::AltModifier); // "&Review Missed Answers"
        QTRY_VERIFY(qobject_cast<frmReviewMissed *>(QApplication::activeModalWidget()));
        auto *review = qobject_cast<frmReviewMissed *>(QApplication::activeModalWidget());
        QVERIFY(QTest::qWaitForWindowActive(review));
        QCOMPARE(review->Count(), missed);
        QCOMPARE(review->findChild<QLabel *>(QStringLiteral("lblReviewPosition"))->text(),
                 QStringLiteral("1 of %1").arg(missed));
        // Sent to the review window itself: on a busy machine the focus may not
        // have moved into it yet.
        QTest::keyClick(review, Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(frame(), QStringLiteral("Frame4"));
    }

    // Every screen: each button has an access key, and none is shared.
    void accessKeysPerScreen()
    {
        QCOMPARE(TestSupport::AccessKeyProblems(window_), QStringList());
        child<QPushButton>(QStringLiteral("cmdNext"))->click(); // learn
        QCOMPARE(frame(), QStringLiteral("Frame2"));
        QCOMPARE(TestSupport::AccessKeyProblems(window_), QStringList());
        child<QPushButton>(QStringLiteral("cmdBackToMain(0)"))->click();
        child<QRadioButton>(QStringLiteral("optChoice2"))->click();
        child<QPushButton>(QStringLiteral("cmdNext"))->click(); // question
        QCOMPARE(frame(), QStringLiteral("Frame3"));
        QCOMPARE(TestSupport::AccessKeyProblems(window_), QStringList());
        while (frame() == QLatin1String("Frame3"))
            child<QPushButton>(QStringLiteral("cmdNextQuestion"))->click();
        QCOMPARE(TestSupport::AccessKeyProblems(window_), QStringList());
    }
};

QTEST_MAIN(tst_aroma_review_keys)
#include "tst_aroma_review_keys.moc"
