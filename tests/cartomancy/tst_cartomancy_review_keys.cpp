// Learn Cartomancy: the missed questions behind "Review Missed Answers", both
// test types taken with the keyboard alone, and the access keys of each tab.
#include "CartomancyFixture.h"
#include "cartomancy/frmLearnCartomancyMain.h"
#include "cartomancy/modCardTest.h"
#include "cartomancy/modLearnCartomancyDB.h"
#include "toolkit/frmReviewMissed.h"
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

CardRow readCard(const CardDatabase &database, int id)
{
    Db::RecordSet card =
        OpenCardRecordset(database, QStringLiteral("SELECT * FROM tblCards WHERE ID=%1").arg(id));
    CardRow row{card.Text(QStringLiteral("Name")), card.Text(QStringLiteral("NormalMeaning")), {}};
    for (Db::RecordSet k = OpenCardRecordset(database, CardKeywordsQuery(id)); !k.IsEOF();
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
        window_ = new frmLearnCartomancyMain(sandbox_->host(), sandbox_->recorder());
        window_->SetSystemTrayAvailable(false);
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

    // Rows: the type, the cards asked and which are answered short (a wrong
    // meaning, or one own keyword fewer than asked for); the review lists
    // those, in order, each card as the Memorize tab shows it.
    void missedItems_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<QList<int>>("ids");
        QTest::addColumn<QList<bool>>("short_");
        QTest::addRow("description: the wrong ones")
            << 0 << QList<int>{1, 5, 52} << QList<bool>{false, true, true};
        QTest::addRow("keywords: any box short counts")
            << 1 << QList<int>{3, 4, 6} << QList<bool>{false, true, true};
        QTest::addRow("all right") << 1 << QList<int>{2} << QList<bool>{false};
    }
    void missedItems()
    {
        QFETCH(int, type);
        QFETCH(QList<int>, ids);
        QFETCH(QList<bool>, short_);
        CardDatabase database;
        OpenCardDatabase(database, BuiltDatabase());
        std::vector<CardFace> selection;
        for (int id : ids) {
            const CardRow card = readCard(database, id);
            selection.push_back({id, card.name, card.meaning});
        }
        Quiz::Session test = StartCardTest(database.CardConnection, selection, CardTestType(type),
                                           CardTestLevel::Intermediate);
        QStringList missed, given, correct;
        while (!test.Finished()) {
            const Quiz::Question q = test.CurrentQuestion();
            std::vector<int> chosen = q.correct;
            if (short_[q.item]) {
                // One own choice swapped for the first wrong one.
                int wrong = 0;
                while (q.IsCorrect(wrong))
                    ++wrong;
                chosen.back() = wrong;
                std::sort(chosen.begin(), chosen.end());
                missed << selection[size_t(q.item)].name;
                QStringList texts, right;
                for (int p : chosen)
                    texts << q.choices[p];
                for (int p : q.correct)
                    right << q.choices[p];
                given << texts.join(QStringLiteral(", "));
                correct << right.join(QStringLiteral(", "));
            }
            test.Answer(chosen);
        }
        const ReviewItems items = test.Outcome().MissedItems();
        QCOMPARE(items.size(), missed.size());
        for (qsizetype m = 0; m < missed.size(); ++m) {
            QCOMPARE(items[m].title, missed[m]);
            QCOMPARE(items[m].given, given[m]);
            QCOMPARE(items[m].correct, correct[m]);
            const int id = ids[int(std::find_if(selection.begin(), selection.end(), [&](const CardFace &f) {
                                       return f.name == missed[m];
                                   }) - selection.begin())];
            const CardRow card = readCard(database, id);
            QVERIFY(items[m].body.contains(card.meaning.left(40).toHtmlEscaped()));
            // The keywords the Memorize tab lists: the card's first five.
            QVERIFY(items[m].body.contains(card.keywords.mid(0, 5).join(QStringLiteral(", ")).toHtmlEscaped()));
            QVERIFY(!QImage::fromData(items[m].picture).isNull()); // the card's picture
        }
    }

    // A card the database no longer has is still listed, with its answers.
    void unreadableCardKeepsAnswers()
    {
        CardDatabase database;
        OpenCardDatabase(database, BuiltDatabase());
        Quiz::Session test = StartCardTest(
            database.CardConnection,
            {{9999, QStringLiteral("Gone"), QStringLiteral("Gone meaning")},
             {1, QStringLiteral("Ace of Clubs"), QStringLiteral("Ace meaning")}},
            CardTestType::Description, CardTestLevel::Beginner);
        while (!test.Finished())
            test.Answer(test.CurrentQuestion().correct.front() == 0 ? 1 : 0);
        const ReviewItems items = test.Outcome().MissedItems();
        QCOMPARE(items.size(), 2);
        for (const ReviewItem &item : items) {
            QVERIFY(!item.given.isEmpty() && !item.correct.isEmpty());
            QCOMPARE(item.picture.isEmpty(), item.title == QLatin1String("Gone"));
        }
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
