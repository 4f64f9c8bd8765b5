// Learn Cartomancy: the missed questions behind "Review Missed Answers", both
// test types taken with the keyboard alone, and the access keys of each tab.
#include "CartomancyFixture.h"
#include "cartomancy/frmLearnCartomancyMain.h"
#include "cartomancy/modCardReview.h"
#include "cartomancy/modCardTest.h"
#include "cartomancy/modLearnCartomancyDB.h"
#include "shell/frmReviewMissed.h"
#include "support/AccessKeys.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

using namespace CartomancyTest;

namespace {

template <class T = QWidget> T *get(QObject *root, const QString &name)
{
    T *child = root->findChild<T *>(name);
    if (!child)
        qFatal("no control %s", qPrintable(name));
    return child;
}

struct CardRow {
    QString name;
    QString meaning;
    QStringList keywords;
};

CardRow readCard(const CartomancyGlobals &globals, int id)
{
    Db::RecordSet card =
        OpenCardRecordset(globals, QStringLiteral("SELECT * FROM tblCards WHERE ID=%1").arg(id));
    CardRow row{card.Text(QStringLiteral("Name")), card.Text(QStringLiteral("NormalMeaning")), {}};
    for (Db::RecordSet k = OpenCardRecordset(globals, CardKeywordsQuery(id)); !k.IsEOF();
         k.MoveNext())
        row.keywords << k.Text(QStringLiteral("keyword"));
    return row;
}

} // namespace

class tst_cartomancy_review_keys : public QObject {
    Q_OBJECT

    std::unique_ptr<Sandbox> sandbox_;
    QPointer<frmLearnCartomancyMain> window_;

private Q_SLOTS:
    void init()
    {
        sandbox_ = std::make_unique<Sandbox>();
        window_ = new frmLearnCartomancyMain;
        window_->show();
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
        QTest::qWait(20); // the steps queued at load
    }
    void cleanup()
    {
        delete window_.data();
        sandbox_.reset();
    }

    // The answers are kept beside the scores, and a new test forgets them.
    void answersKeptWithScores()
    {
        CardTest test;
        test.Start(CardTestType::Description, CardTestLevel::Beginner, 2);
        QVERIFY(!test.Advance(0)); // sets up the first question
        test.TestCardId = 7;
        QVERIFY(!test.Advance(0, QStringLiteral("given"), QStringLiteral("right")));
        test.TestCardId = 9;
        QVERIFY(test.Advance(1, QStringLiteral("right 2"), QStringLiteral("right 2")));
        QCOMPARE(test.TestGiven,
                 (std::vector<QString>{QStringLiteral("given"), QStringLiteral("right 2")}));
        QCOMPARE(test.TestCorrect,
                 (std::vector<QString>{QStringLiteral("right"), QStringLiteral("right 2")}));
        test.Start(CardTestType::Keywords, CardTestLevel::Beginner, 1);
        QVERIFY(test.TestGiven.empty() && test.TestCorrect.empty());
    }

    // Rows: the type, the cards asked, their scores and the most each could
    // score; the cards expected in the review, in order.
    void missedItems_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<int>>("ids");
        QTest::addColumn<QList<int>>("scores");
        QTest::addColumn<QList<int>>("outOf");
        QTest::addColumn<QList<int>>("missed");
        QTest::addRow("description: the wrong ones")
            << 0 << QList<int>{1, 5, 52} << QList<int>{1, 0, 0} << QList<int>{1, 1, 1}
            << QList<int>{5, 52};
        QTest::addRow("keywords: any box short counts")
            << 1 << QList<int>{3, 4, 6} << QList<int>{3, 2, 0} << QList<int>{3, 3, 3}
            << QList<int>{4, 6};
        QTest::addRow("a card asked twice is listed twice")
            << 0 << QList<int>{8, 8} << QList<int>{0, 0} << QList<int>{1, 1} << QList<int>{8, 8};
        QTest::addRow("all right")
            << 1 << QList<int>{2} << QList<int>{1} << QList<int>{1} << QList<int>{};
    }
    void missedItems()
    {
        QFETCH(int, type);
        QFETCH(QList<int>, ids);
        QFETCH(QList<int>, scores);
        QFETCH(QList<int>, outOf);
        QFETCH(QList<int>, missed);

        CartomancyGlobals globals;
        OpenCardDatabase(globals, BuiltDatabase());
        CardTest test;
        test.Start(CardTestType(type), CardTestLevel::Intermediate, int(ids.size()));
        for (qsizetype i = 0; i < ids.size(); ++i) {
            test.TestAskedIds.push_back(ids[i]);
            test.TestScores.push_back(scores[i]);
            test.TestOutOf.push_back(outOf[i]);
            test.TestGiven.push_back(QStringLiteral("given %1").arg(i));
            test.TestCorrect.push_back(QStringLiteral("correct %1").arg(i));
        }
        const ReviewItems items = CardMissedItems(test, globals);
        QCOMPARE(items.size(), missed.size());
        int from = 0;
        for (qsizetype m = 0; m < missed.size(); ++m) {
            const int question = int(ids.indexOf(missed[m], from));
            from = question + 1;
            const CardRow card = readCard(globals, missed[m]);
            QCOMPARE(items[m].title, card.name);
            QCOMPARE(items[m].given, QStringLiteral("given %1").arg(question));
            QCOMPARE(items[m].correct, QStringLiteral("correct %1").arg(question));
            QVERIFY(items[m].body.contains(card.meaning.left(40).toHtmlEscaped()));
            // The keywords the Memorize tab lists: the card's first five.
            QCOMPARE(CardKeywordList(globals, missed[m]),
                     card.keywords.mid(0, 5).join(QStringLiteral(", ")));
            QVERIFY(items[m].body.contains(card.keywords.first().toHtmlEscaped()));
            QVERIFY(!QImage::fromData(items[m].picture).isNull()); // the card's picture
        }
    }

    // A card the database no longer has is still listed, with its answers.
    void unreadableCardKeepsAnswers()
    {
        CartomancyGlobals globals;
        OpenCardDatabase(globals, BuiltDatabase());
        CardTest test;
        test.TestAskedIds = {9999};
        test.TestScores = {0};
        test.TestOutOf = {1};
        test.TestGiven = {QStringLiteral("mine")};
        test.TestCorrect = {QStringLiteral("theirs")};
        const ReviewItems items = CardMissedItems(test, globals);
        QCOMPARE(items.size(), 1);
        QVERIFY(items[0].title.isEmpty() && items[0].picture.isEmpty());
        QCOMPARE(items[0].given, QStringLiteral("mine"));
        QCOMPARE(items[0].correct, QStringLiteral("theirs"));
    }

    void wholeTestFromKeyboard_data()
    {
        QTest::addColumn<bool>("description");
        QTest::addRow("description") << true;
        QTest::addRow("keywords") << false;
    }
    // From the Settings tab to the review, with QTest::keyClick only.
    void wholeTestFromKeyboard()
    {
        QFETCH(bool, description);
        auto *tabs = get<QTabWidget>(window_, QStringLiteral("SSTab1"));
        QCOMPARE(tabs->currentIndex(), 1);
        get<QWidget>(window_, QStringLiteral("optDifficulty(0)"))->setFocus();

        TestSupport::PressKey(Qt::Key_C, Qt::AltModifier); // "Number &Cards" cleared: the twelve face cards
        QTRY_VERIFY(!get<QCheckBox>(window_, QStringLiteral("chkMinor"))->isChecked());
        TestSupport::PressKey(description ? Qt::Key_T : Qt::Key_K, Qt::AltModifier); // "Descrip&tion" / "&Keywords"
        QTRY_VERIFY(
            get<QRadioButton>(window_, QStringLiteral("optTestType(%1)").arg(description ? 0 : 1))
                ->isChecked());
        TestSupport::PressKey(Qt::Key_G, Qt::AltModifier); // "Be&ginner"
        QTRY_VERIFY(get<QRadioButton>(window_, QStringLiteral("optDifficulty(0)"))->isChecked());
        TestSupport::PressKey(Qt::Key_M, Qt::AltModifier); // "Test &Me"
        QTRY_COMPARE(tabs->currentIndex(), 3);

        auto *next = get<QPushButton>(window_, QStringLiteral("cmdNextQuestion"));
        TestSupport::MessageRecorder messages;
        QStringList firstWrong; // card, answer given, correct answer
        for (int q = 1; q <= 12; ++q) {
            QCOMPARE(get<QLabel>(window_, QStringLiteral("lblQCount"))->text(),
                     QStringLiteral("%1 of 12").arg(q));
            QCOMPARE(QApplication::focusWidget(),
                     get<QWidget>(window_, QStringLiteral("picResult")));
            TestSupport::PressKey(Qt::Key_Return); // nothing chosen yet: Enter does nothing
            QCOMPARE(get<QLabel>(window_, QStringLiteral("lblQCount"))->text(),
                     QStringLiteral("%1 of 12").arg(q));
            // Beginner shows two options (slots 1 and 2), or five boxes of which one is ticked.
            const int position = q % 2;
            TestSupport::PressKey(Qt::Key(Qt::Key_1 + position));
            const QString chosen = description ? QStringLiteral("optAnswer(%1)").arg(position + 1)
                                               : QStringLiteral("chkKeywords(%1)").arg(position);
            auto *button = get<QAbstractButton>(window_, chosen);
            QVERIFY(button->isChecked());
            // The first description question answered wrongly, as the review must show it.
            if (description && firstWrong.isEmpty() &&
                button->property("tag").toString().isEmpty()) {
                firstWrong << get<QLabel>(window_, QStringLiteral("lblCardName"))->text()
                           << button->text();
                for (int i = 1; i <= 2; ++i) {
                    auto *option =
                        get<QAbstractButton>(window_, QStringLiteral("optAnswer(%1)").arg(i));
                    if (option->property("tag").toString() == QLatin1String("True"))
                        firstWrong << option->text();
                }
            }
            QVERIFY(next->isEnabled());
            QCOMPARE(QApplication::focusWidget(), next);
            TestSupport::PressKey(Qt::Key_Enter);
        }
        QCOMPARE(messages.messages.size(), 1);
        QCOMPARE(messages.messages[0].text, QStringLiteral("Test Complete"));
        QCOMPARE(tabs->currentIndex(), 4);

        const QString summary = get<QLabel>(window_, QStringLiteral("lblResultInfo"))->text();
        const int right = summary.section(description ? u' ' : u'/', 0, 0).toInt();
        QVERIFY(right < 12);
        // The keyboard goes on from the results; a desktop hands the activation
        // back after the message box, the offscreen platform needs telling.
        QCOMPARE(window_->focusWidget(), get<QWidget>(window_, QStringLiteral("cmdReviewMissed")));
        window_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window_));
        TestSupport::PressKey(Qt::Key_R, Qt::AltModifier); // "&Review Missed Answers"
        QTRY_VERIFY(qobject_cast<frmReviewMissed *>(QApplication::activeModalWidget()));
        auto *review = qobject_cast<frmReviewMissed *>(QApplication::activeModalWidget());
        QVERIFY(QTest::qWaitForWindowActive(review));
        QCOMPARE(review->Count(), 12 - right);
        if (description) {
            QCOMPARE(firstWrong.size(), 3);
            const auto shown = [review](const char *name) {
                return review->findChild<QLabel *>(QLatin1String(name))->text();
            };
            QCOMPARE(QStringList({shown("lblReviewTitle"), shown("lblReviewGiven"),
                                  shown("lblReviewCorrect")}),
                     firstWrong);
        }
        QVERIFY(!review->findChild<QLabel *>(QStringLiteral("picReview"))->pixmap().isNull());
        // Escape in the review window closes it (sent to the window itself: on a
        // busy machine the focus may not have moved into it yet).
        QTest::keyClick(review, Qt::Key_Escape);
        QTRY_VERIFY(!QApplication::activeModalWidget());
    }

    // Each tab: every button has an access key and none is shared. The
    // Settings tab shows more buttons than their captions have letters to
    // spare, so "Donate" (also in the Help menu) and "Save Current Settings
    // As Default" go without one.
    void accessKeysPerTab()
    {
        const QStringList withoutKey{QStringLiteral("cmdReset"), QStringLiteral("cmdSaveSettings")};
        auto *tabs = get<QTabWidget>(window_, QStringLiteral("SSTab1"));
        QCOMPARE(TestSupport::AccessKeyProblems(window_, withoutKey), QStringList());
        tabs->setCurrentIndex(0);
        QCOMPARE(TestSupport::AccessKeyProblems(window_, withoutKey.mid(0, 1)), QStringList());
        tabs->setCurrentIndex(1);
        get<QAbstractButton>(window_, QStringLiteral("cmdSetOption"))->click();
        QCOMPARE(tabs->currentIndex(), 2);
        QCOMPARE(TestSupport::AccessKeyProblems(window_, withoutKey.mid(0, 1)), QStringList());
        get<QAbstractButton>(window_, QStringLiteral("cmdStartTest"))->click();
        QCOMPARE(tabs->currentIndex(), 3);
        QCOMPARE(TestSupport::AccessKeyProblems(window_, withoutKey.mid(0, 1)), QStringList());
        TestSupport::MessageRecorder messages;
        auto *next = get<QPushButton>(window_, QStringLiteral("cmdNextQuestion"));
        for (int guard = 0; tabs->currentIndex() == 3 && guard < 200; ++guard) {
            QTest::keyClick(get<QWidget>(window_, QStringLiteral("picResult")), Qt::Key_1);
            next->click();
        }
        QCOMPARE(tabs->currentIndex(), 4);
        QCOMPARE(TestSupport::AccessKeyProblems(window_, withoutKey.mid(0, 1)), QStringList());
    }
};

QTEST_MAIN(tst_cartomancy_review_keys)
#include "tst_cartomancy_review_keys.moc"
