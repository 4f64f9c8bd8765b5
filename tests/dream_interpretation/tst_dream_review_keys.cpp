// Learn Dream Interpretation: the missed questions behind "Review Missed
// Answers", a test taken with the keyboard alone (letters typed on the letter
// screen), and the access keys of every screen.
#include "DreamTestData.h"
#include "dream_interpretation/frmLearnDreamInterpretationMain.h"
#include "dream_interpretation/modDreamInterpretation.h"
#include "toolkit/frmReviewMissed.h"
#include "toolkit/modRandom.h"
#include "support/AccessKeys.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

class tst_dream_review_keys : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSupport::Sandbox> sandbox_;
    QPointer<frmLearnDreamInterpretationMain> window_;

    template <class T = QWidget> T *child(const QString &name)
    {
        return TestSupport::Named<T>(window_, name);
    }
    QString screen()
    {
        return child<QStackedWidget>(QStringLiteral("fraOptions"))->currentWidget()->objectName();
    }

private Q_SLOTS:
    void init()
    {
        sandbox_ = std::make_unique<TestSupport::Sandbox>();
        QVERIFY(QFile::copy(DreamTestData::BuiltDatabase(),
                            sandbox_->programFolder() + QStringLiteral("/keywords.dll")));
        Random::Seed(99);
        window_ = new frmLearnDreamInterpretationMain(sandbox_->host(), sandbox_->recorder());
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
    }
    void cleanup()
    {
        delete window_.data();
        sandbox_.reset();
    }

    // Rows: the test kind and which of the ten questions (letters A and B) are
    // answered wrongly; the review lists exactly those, in order.
    void missedItems_data()
    {
        QTest::addColumn<bool>("byKeyword");
        QTest::addColumn<QList<int>>("wrong");
        QTest::addRow("by keyword, three wrong") << true << QList<int>{1, 4, 9};
        QTest::addRow("by interpretation, first and last") << false << QList<int>{0, 9};
        QTest::addRow("all right") << true << QList<int>{};
        QTest::addRow("all wrong") << false << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    }
    void missedItems()
    {
        QFETCH(bool, byKeyword);
        QFETCH(QList<int>, wrong);
        DreamSession session(DreamTestData::BuiltDatabase());
        session.DreamTestByKeyword = byKeyword;
        session.DreamLetters = QStringList{QStringLiteral("A"), QStringLiteral("B")};
        QCOMPARE(session.DrawDreamQuestions(), 10);
        QStringList keywords, given;
        for (int i = 0; i < 10; ++i) {
            const Quiz::Question &q = session.AskQuestion();
            keywords << session.Test->ItemSource().ItemName(q.item);
            const int chosen = wrong.contains(i) ? (q.correct.front() + 1) % 5 : q.correct.front();
            given << q.choices[chosen];
            QCOMPARE(session.RecordAnswer(chosen), i == 9);
        }

        const ReviewItems items = session.Test->Outcome().MissedItems();
        QCOMPARE(items.size(), wrong.size());
        QHash<QString, QString> meaning;
        for (const KeywordSource::Symbol &s :
             DreamTestData::OrderedRows(DreamTestData::BuiltDatabase()))
            meaning.insert(s.keyword, s.description);
        for (qsizetype k = 0; k < wrong.size(); ++k) {
            const QString &keyword = keywords[wrong[k]];
            QCOMPARE(items[k].title, keyword);
            QVERIFY(items[k].body.contains(meaning[keyword].left(30).toHtmlEscaped()));
            QCOMPARE(items[k].given, given[wrong[k]]);
            QCOMPARE(items[k].correct, byKeyword ? meaning[keyword] : keyword);
        }
        // The report that follows scores the same answers.
        QCOMPARE(session.BuildDreamReport().correct, 10 - int(wrong.size()));
    }

    // From the start screen to the review with QTest::keyClick only.
    void wholeTestFromKeyboard()
    {
        TestSupport::PressKey(Qt::Key_T, Qt::AltModifier); // "&Test Dream Interpretation"
        QTRY_VERIFY(child<QRadioButton>(QStringLiteral("optMain(1)"))->isChecked());
        TestSupport::PressKey(Qt::Key_C, Qt::AltModifier); // "&Click Here To Proceed"
        QTRY_COMPARE(screen(), QStringLiteral("fraOption(1)"));
        TestSupport::PressKey(Qt::Key_I, Qt::AltModifier); // "Test By &Interpretation"
        QTRY_VERIFY(child<QRadioButton>(QStringLiteral("optOption(1)"))->isChecked());
        TestSupport::PressKey(Qt::Key_N, Qt::AltModifier); // "&Next"
        QTRY_COMPARE(screen(), QStringLiteral("fraOption(3)"));
        TestSupport::PressKey(Qt::Key_Q); // typing a letter ticks its box
        QVERIFY(child<QCheckBox>(QStringLiteral("chkSubject(16)"))->isChecked());
        TestSupport::PressKey(Qt::Key_X);
        TestSupport::PressKey(Qt::Key_X); // and typing it again clears it
        QVERIFY(!child<QCheckBox>(QStringLiteral("chkSubject(23)"))->isChecked());
        TestSupport::PressKey(Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(screen(), QStringLiteral("fraOption(6)"));

        QHash<QString, QString> keywordOf; // interpretation -> keyword
        for (const KeywordSource::Symbol &s :
             DreamTestData::OrderedRows(DreamTestData::BuiltDatabase()))
            keywordOf.insert(s.description, s.keyword);
        auto *next = child<QPushButton>(QStringLiteral("cmdNextQuestionForDesc"));
        for (int q = 0; q < 2; ++q) {
            QCOMPARE(child<QLabel>(QStringLiteral("lblQuestionNoForDesc"))->text(),
                     QStringLiteral("Question %1 of 2").arg(q + 1));
            QVERIFY(
                child(QStringLiteral("fraOption(6)"))->isAncestorOf(QApplication::focusWidget()));
            // The first question is answered wrongly, the second rightly.
            const QString right = keywordOf.value(child<QLabel>(QStringLiteral("lblDesc"))->text());
            QVERIFY(!right.isEmpty());
            int position = -1;
            for (int i = 0; i < 5 && position < 0; ++i)
                if ((child<QLabel>(QStringLiteral("lblChoiceForDesc(%1)").arg(i))->text() ==
                     right) == (q == 1))
                    position = i;
            QVERIFY(position >= 0);
            TestSupport::PressKey(Qt::Key(Qt::Key_1 + position));
            QVERIFY(child<QRadioButton>(QStringLiteral("optChoiceForDesc(%1)").arg(position))
                        ->isChecked());
            QCOMPARE(QApplication::focusWidget(), next);
            TestSupport::PressKey(Qt::Key_Return);
        }
        QCOMPARE(screen(), QStringLiteral("fraOption(5)"));
        QVERIFY(child<QWidget>(QStringLiteral("RTBTestResult"))
                    ->property("plainText")
                    .toString()
                    .endsWith(QStringLiteral("1 correct out of 2 questions.")));

        TestSupport::PressKey(Qt::Key_R, Qt::AltModifier); // "&Review Missed Answers"
        QTRY_VERIFY(qobject_cast<frmReviewMissed *>(QApplication::activeModalWidget()));
        auto *review = qobject_cast<frmReviewMissed *>(QApplication::activeModalWidget());
        QVERIFY(QTest::qWaitForWindowActive(review));
        QCOMPARE(review->Count(), 1);
        // On a busy machine the focus moves into the review a little after it is shown.
        QTRY_VERIFY(review->isAncestorOf(QApplication::focusWidget()));
        TestSupport::PressKey(Qt::Key_C, Qt::AltModifier); // "&Close"
        QTRY_VERIFY(!QApplication::activeModalWidget());
    }

    // Every screen: each button has an access key and none is shared (the
    // letter boxes are ticked by typing their letter).
    void accessKeysPerScreen()
    {
        const auto check = [this](const char *expected) {
            QCOMPARE(screen(), QLatin1String(expected));
            QCOMPARE(TestSupport::AccessKeyProblems(window_), QStringList());
        };
        check("fraOption(0)");
        child<QRadioButton>(QStringLiteral("optMain(0)"))->click();
        child<QPushButton>(QStringLiteral("cmdNext"))->click();
        check("fraOption(3)");
        QTest::keyClick(child(QStringLiteral("chkSubject(0)")), Qt::Key_A);
        child<QPushButton>(QStringLiteral("cmdNext3"))->click();
        check("fraOption(2)");
        child<QPushButton>(QStringLiteral("cmdBackToMain"))->click();
        child<QRadioButton>(QStringLiteral("optMain(1)"))->click();
        child<QPushButton>(QStringLiteral("cmdNext"))->click();
        check("fraOption(1)");
        child<QRadioButton>(QStringLiteral("optOption(0)"))->click();
        child<QPushButton>(QStringLiteral("cmdNext2"))->click();
        QTest::keyClick(child(QStringLiteral("chkSubject(0)")), Qt::Key_Z);
        child<QPushButton>(QStringLiteral("cmdNext3"))->click();
        check("fraOption(4)");
        for (int q = 0; q < 2; ++q) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_1);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        }
        check("fraOption(5)");
    }
};

QTEST_MAIN(tst_dream_review_keys)
#include "tst_dream_review_keys.moc"
