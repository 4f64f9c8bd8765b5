// Learn Aromatherapy: the list of missed questions behind "Review Missed
// Answers", a whole test taken with the keyboard alone, and the access keys
// of every screen.
#include "aromatherapy/frmLearnAromatherapyMain.h"
#include "aromatherapy/modAromaReview.h"
#include "aromatherapy/modLearnAromatherapy.h"
#include "shell/frmReviewMissed.h"
#include "shell/modRandom.h"
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
        window_ = new frmLearnAromatherapyMain;
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
    }
    void cleanup()
    {
        delete window_.data();
        sandbox_.reset();
    }

    // Which questions are listed, in which order, with what: rows of
    // (kind, oils asked, answers given, titles expected in the review).
    void missedItems_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QList<int>>("oils");
        QTest::addColumn<QStringList>("answers");
        QTest::addColumn<QStringList>("missed");

        // Amber (0) is ruled by the Sun; Bergamot (5) and Ylang Ylang (51) are not Mercury's.
        QTest::addRow("planet: the wrong ones in order")
            << 0 << QList<int>{5, 0, 51}
            << QStringList{QStringLiteral("Mercury"), OilPlanet(0), QStringLiteral("Mercury")}
            << QStringList{OilName(5), OilName(51)};
        QTest::addRow("element: all right, nothing to review")
            << 2 << QList<int>{0, 5} << QStringList{OilElement(0), OilElement(5)} << QStringList{};
        // Any of an oil's magical properties scores, not only the first shown as correct.
        QTest::addRow("magical: another own property is right")
            << 4 << QList<int>{5, 51}
            << QStringList{OilMagical(5, 1).isEmpty() ? OilMagical(5, 0) : OilMagical(5, 1),
                           QStringLiteral("no such property")}
            << QStringList{OilName(51)};
        QTest::addRow("gender: unanswered counts as missed")
            << 3 << QList<int>{0} << QStringList{QString()} << QStringList{OilName(0)};
    }
    void missedItems()
    {
        QFETCH(int, kind);
        QFETCH(QList<int>, oils);
        QFETCH(QStringList, answers);
        QFETCH(QStringList, missed);

        AromaModel model;
        model.AromaChoice = std::int16_t(kind);
        model.AromaQuestionCount = std::int16_t(oils.size());
        for (int oil : oils)
            model.AromaQuestionOils << std::int16_t(oil);
        model.AromaAnswers = answers;
        model.AromaAnswers << QString(); // the spare slot after the last question

        const ReviewItems items = AromaMissedItems(model);
        QStringList titles;
        for (const ReviewItem &item : items)
            titles << item.title;
        QCOMPARE(titles, missed);
        const AromaResult result = model.Score();
        QCOMPARE(items.size(), result.count - result.score);
        for (const ReviewItem &item : items) {
            const int oil = oilNumber(item.title);
            QVERIFY(oil >= 0);
            const int question = oils.indexOf(oil);
            QCOMPARE(item.given, answers[question]);
            QCOMPARE(item.correct, AromaLabelText(AromaCorrectAnswer(kind, oil)));
            // The oil's associations as the learn screen lists them.
            for (const QString &part :
                 {QStringLiteral("Planetary Association"), OilPlanet(oil),
                  QStringLiteral("Astrological Association"), OilSign(oil),
                  QStringLiteral("Element"), OilElement(oil), QStringLiteral("Gender"),
                  OilGender(oil), QStringLiteral("Magical Properties"), OilMagical(oil, 0),
                  QStringLiteral("Therapeutic Properties"), OilTherapeutic(oil, 0).toHtmlEscaped()})
                QVERIFY2(item.body.contains(part), qPrintable(part));
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
        QCOMPARE(window_->Model().AromaAnswers.mid(0, 15), chosen);

        const AromaResult result = window_->Model().Score();
        const int missed = result.count - result.score;
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
