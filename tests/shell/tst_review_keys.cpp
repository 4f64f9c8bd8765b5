// The shared pieces behind reviewing missed answers and answering from the
// keyboard: the review window's stepping, the number and Enter keys of a
// question screen, and the access-key check the module tests use.
#include "toolkit/AnswerKeys.h"
#include "toolkit/ReviewItem.h"
#include "toolkit/frmReviewMissed.h"
#include "support/AccessKeys.h"
#include "support/TestSupport.h"

#include <QBuffer>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {

QByteArray pngBytes(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

const QByteArray kSvg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"100\" height=\"200\">"
                        "<rect width=\"100\" height=\"200\" fill=\"#336\"/></svg>";

ReviewItems threeItems()
{
    return {
        {QStringLiteral("Amber"), ReviewBody({{QStringLiteral("Element"), QStringLiteral("Fire")}}),
         pngBytes({40, 60}), QStringLiteral("Water"), QStringLiteral("Fire")},
        {QStringLiteral("Life Line"), QStringLiteral("<p>A line</p>"), kSvg,
         QStringLiteral("Given"), QStringLiteral("Correct")},
        {QStringLiteral("Ace of Cups"), QStringLiteral("<p>Meaning</p>"),
         QByteArray("not a picture"), QStringLiteral("a, b"), QStringLiteral("c, d")},
    };
}

// A question screen as the modules build one: five options in a column, the
// fourth hidden, and a "next" button enabled by choosing.
struct QuestionScreen {
    QWidget screen;
    QList<QAbstractButton *> options;
    QPushButton *next = nullptr;
    QLabel *picture = nullptr;
    int nextClicks = 0;

    explicit QuestionScreen(bool checkBoxes = false)
    {
        auto *v = new QVBoxLayout(&screen);
        picture = new QLabel(QStringLiteral("picture"), &screen);
        picture->setFocusPolicy(Qt::StrongFocus);
        v->addWidget(picture);
        for (int i = 0; i < 5; ++i) {
            QAbstractButton *option = checkBoxes
                                          ? static_cast<QAbstractButton *>(new QCheckBox(&screen))
                                          : new QRadioButton(&screen);
            option->setText(QStringLiteral("answer %1").arg(i));
            options << option;
            v->addWidget(option);
        }
        options[3]->hide();
        next = new QPushButton(QStringLiteral("&Next Question"), &screen);
        next->setEnabled(false);
        v->addWidget(next);
        for (QAbstractButton *option : options)
            QObject::connect(option, &QAbstractButton::clicked, next,
                             [this] { next->setEnabled(true); });
        QObject::connect(next, &QPushButton::clicked, &screen, [this] { ++nextClicks; });
        keys = AnswerKeys::Install(&screen, options, next);
        screen.show();
        screen.activateWindow();
        active = QTest::qWaitForWindowActive(&screen);
    }
    bool active = false;
    AnswerKeys *keys = nullptr;
    QStringList numbers() const
    {
        QStringList shown;
        for (QAbstractButton *option : options)
            shown << keys->NumberShownFor(option);
        return shown;
    }
};

} // namespace

class tst_review_keys : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // A number counts the answers on show: with the fourth hidden, 4 chooses the fifth.
    void numberChoosesShownAnswer_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("chosen"); // index among all five, -1 for none
        QTest::addRow("1") << int(Qt::Key_1) << 0;
        QTest::addRow("3") << int(Qt::Key_3) << 2;
        QTest::addRow("4 skips the hidden one") << int(Qt::Key_4) << 4;
        QTest::addRow("5 is past the shown four") << int(Qt::Key_5) << -1;
        QTest::addRow("keypad 2") << int(Qt::Key_2) << 1;
    }
    void numberChoosesShownAnswer()
    {
        QFETCH(int, key);
        QFETCH(int, chosen);
        QuestionScreen q;
        QVERIFY(q.active);
        q.picture->setFocus();
        const Qt::KeyboardModifiers modifiers =
            QByteArray(QTest::currentDataTag()).startsWith("keypad") ? Qt::KeypadModifier
                                                                     : Qt::NoModifier;
        QTest::keyClick(q.picture, Qt::Key(key), modifiers);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(q.options[i]->isChecked(), i == chosen);
        // Once an answer allows moving on, the focus waits on "next" for Enter.
        QCOMPARE(q.next->hasFocus(), chosen >= 0);
        QCOMPARE(q.nextClicks, 0);
    }

    // Each answer on show has its number beside it; hiding or showing an
    // answer numbers the others again, as the number keys count them.
    void numbersAreShownBesideAnswers()
    {
        QuestionScreen q;
        QVERIFY(q.active);
        QCOMPARE(q.numbers(), (QStringList{"1", "2", "3", "", "4"}));
        q.options[0]->hide();
        q.options[3]->show();
        QCOMPARE(q.numbers(), (QStringList{"", "1", "2", "3", "4"}));
        // The number sits left of its answer, on the same line.
        auto *number = q.screen.findChildren<QLabel *>(QStringLiteral("lblAnswerNumber")).at(1);
        const QPoint at = number->mapTo(&q.screen, QPoint(0, 0));
        const QPoint answer = q.options[1]->mapTo(&q.screen, QPoint(0, 0));
        QVERIFY(at.x() < answer.x() && qAbs(at.y() - answer.y()) < q.options[1]->height());
    }

    void modifiedKeysAreNotAnswers()
    {
        QuestionScreen q;
        QVERIFY(q.active);
        q.picture->setFocus();
        QTest::keyClick(q.picture, Qt::Key_1, Qt::AltModifier);
        QTest::keyClick(q.picture, Qt::Key_2, Qt::ControlModifier);
        for (QAbstractButton *option : q.options)
            QVERIFY(!option->isChecked());
    }

    // Check boxes are ticked and cleared again by their number; the focus stays
    // on the box while "next" cannot be pressed.
    void numbersToggleCheckBoxes()
    {
        QuestionScreen q(true);
        QVERIFY(q.active);
        QObject::disconnect(q.options[1], nullptr, q.next, nullptr);
        q.picture->setFocus();
        QTest::keyClick(q.picture, Qt::Key_2);
        QVERIFY(q.options[1]->isChecked());
        QVERIFY(q.options[1]->hasFocus());
        QTest::keyClick(q.options[1], Qt::Key_2);
        QVERIFY(!q.options[1]->isChecked());
        QTest::keyClick(q.options[1], Qt::Key_1);
        QVERIFY(q.options[0]->isChecked() && !q.options[1]->isChecked());
        QVERIFY(q.next->hasFocus());
    }

    void bodyEscapesAndKeepsLines()
    {
        const QString html = ReviewBody(
            {{QStringLiteral("Significance"), QStringLiteral("Love & <care>\r\nsecond line ")}});
        QVERIFY(html.contains(QStringLiteral("<b>Significance</b>")));
        QVERIFY(html.contains(QStringLiteral("Love &amp; &lt;care&gt;<br>second line</p>")));
        QVERIFY(!ReviewBody({{QString(), QStringLiteral("x")}}).contains(QStringLiteral("<b>")));
    }

    // Previous / Next step through the items; the ends disable their button and
    // the focus moves on so that the keyboard can go on.
    void reviewSteps()
    {
        frmReviewMissed review(threeItems());
        review.show();
        QVERIFY(QTest::qWaitForWindowActive(&review));
        auto *previous = review.findChild<QPushButton *>(QStringLiteral("cmdReviewPrevious"));
        auto *next = review.findChild<QPushButton *>(QStringLiteral("cmdReviewNext"));
        auto *close = review.findChild<QPushButton *>(QStringLiteral("cmdReviewClose"));
        auto *position = review.findChild<QLabel *>(QStringLiteral("lblReviewPosition"));
        auto *title = review.findChild<QLabel *>(QStringLiteral("lblReviewTitle"));
        auto *given = review.findChild<QLabel *>(QStringLiteral("lblReviewGiven"));
        auto *correct = review.findChild<QLabel *>(QStringLiteral("lblReviewCorrect"));
        auto *body = review.findChild<QTextBrowser *>(QStringLiteral("txtReviewBody"));
        auto *picture = review.findChild<QLabel *>(QStringLiteral("picReview"));

        QCOMPARE(review.windowTitle(), QStringLiteral("Review Missed Answers"));
        QCOMPARE(position->text(), QStringLiteral("1 of 3"));
        QCOMPARE(title->text(), QStringLiteral("Amber"));
        QCOMPARE(given->text(), QStringLiteral("Water"));
        QCOMPARE(correct->text(), QStringLiteral("Fire"));
        QVERIFY(body->toPlainText().contains(QStringLiteral("Element")));
        QVERIFY(picture->isVisible());
        QCOMPARE(picture->pixmap().size(), QSize(40, 60)); // small pictures keep their size
        QVERIFY(!previous->isEnabled() && next->isEnabled());
        QVERIFY(next->hasFocus());

        // An access key presses its button the way a click does, a moment later.
        QTest::keyClick(&review, Qt::Key_N, Qt::AltModifier);
        QTRY_COMPARE(review.Position(), 1);
        QCOMPARE(position->text(), QStringLiteral("2 of 3"));
        QCOMPARE(title->text(), QStringLiteral("Life Line"));
        // The SVG picture is drawn to fit the box, keeping its proportions.
        QVERIFY(picture->isVisible());
        QCOMPARE(picture->pixmap().height(), picture->height());
        QCOMPARE(picture->pixmap().width(), picture->height() / 2);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(position->text(), QStringLiteral("3 of 3"));
        QVERIFY(!picture->isVisible()); // bytes that are no picture show none
        QCOMPARE(given->text(), QStringLiteral("a, b"));
        QVERIFY(!next->isEnabled() && previous->isEnabled());
        QVERIFY(close->hasFocus());

        QTest::keyClick(&review, Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(review.Position(), 1);
        QVERIFY(next->hasFocus()); // "Close" was focused; "Next" is the way on again
        previous->setFocus();
        QTest::keyClick(previous, Qt::Key_Space);
        // Stepping back to the first item leaves the disabled "Previous" for "Next".
        QCOMPARE(review.Position(), 0);
        QVERIFY(!previous->isEnabled() && next->hasFocus());

        QVERIFY(TestSupport::AccessKeyProblems(&review).isEmpty());
        QTest::keyClick(&review, Qt::Key_C, Qt::AltModifier);
        QTRY_VERIFY(!review.isVisible());
    }

    void singleItemHasNowhereToGo()
    {
        frmReviewMissed review(threeItems().mid(0, 1));
        review.show();
        QVERIFY(QTest::qWaitForWindowExposed(&review));
        QVERIFY(!review.findChild<QPushButton *>(QStringLiteral("cmdReviewPrevious"))->isEnabled());
        QVERIFY(!review.findChild<QPushButton *>(QStringLiteral("cmdReviewNext"))->isEnabled());
        QVERIFY(review.findChild<QPushButton *>(QStringLiteral("cmdReviewClose"))->hasFocus());
        QCOMPARE(review.findChild<QLabel *>(QStringLiteral("lblReviewPosition"))->text(),
                 QStringLiteral("1 of 1"));
    }

    // With nothing missed the user is told so and no window opens; otherwise
    // the review opens over the window and goes when it is closed.
    void openReview()
    {
        TestSupport::Sandbox sandbox;
        ModuleWindow owner(QStringLiteral("frmOwner"), sandbox.host());
        owner.show();
        auto seen = TestSupport::AnswerNextMessage();
        QVERIFY(OpenReviewMissed(&owner, {}) == nullptr);
        QTRY_VERIFY(seen->shown);
        QCOMPARE(seen->text, NothingToReviewText());
        QCOMPARE(seen->icon, QMessageBox::Information);

        QPointer<frmReviewMissed> review = OpenReviewMissed(&owner, threeItems());
        QVERIFY(review);
        QVERIFY(review->isVisible());
        QCOMPARE(review->windowModality(), Qt::WindowModal);
        QCOMPARE(review->Count(), 3);
        QTest::keyClick(review, Qt::Key_Escape);
        QTRY_VERIFY(review.isNull()); // deleted once closed
    }

    // The check the module tests rely on finds missing and shared keys.
    void accessKeyCheckFindsProblems()
    {
        QCOMPARE(TestSupport::AccessKey(QStringLiteral("Next &Question")), QChar(u'q'));
        QCOMPARE(TestSupport::AccessKey(QStringLiteral("Fish && &Chips")), QChar(u'c'));
        QVERIFY(TestSupport::AccessKey(QStringLiteral("Salt && Pepper")).isNull());

        QMainWindow window;
        window.menuBar()->addMenu(QStringLiteral("&File"));
        auto *central = new QWidget(&window);
        auto *v = new QVBoxLayout(central);
        auto *first = new QPushButton(QStringLiteral("&Back"), central);
        first->setObjectName(QStringLiteral("cmdBack"));
        auto *plain = new QPushButton(QStringLiteral("Donate"), central);
        plain->setObjectName(QStringLiteral("cmdDonate"));
        auto *clash = new QCheckBox(QStringLiteral("&Fast"), central);
        clash->setObjectName(QStringLiteral("chkFast"));
        auto *edit = new QLineEdit(central);
        auto *buddy = new QLabel(QStringLiteral("&Bold"), central);
        buddy->setObjectName(QStringLiteral("lblBold"));
        buddy->setBuddy(edit);
        auto *hidden = new QPushButton(QStringLiteral("No key"), central);
        hidden->hide();
        for (QWidget *w : {static_cast<QWidget *>(first), static_cast<QWidget *>(plain),
                           static_cast<QWidget *>(clash), static_cast<QWidget *>(buddy),
                           static_cast<QWidget *>(edit)})
            v->addWidget(w);
        window.setCentralWidget(central);
        window.show();

        const QStringList problems = TestSupport::AccessKeyProblems(&window);
        QCOMPARE(problems.size(), 3);
        QVERIFY(problems.contains(QStringLiteral("no access key: cmdDonate \"Donate\"")));
        QVERIFY(problems.contains(
            QStringLiteral("Alt+B shared by cmdBack \"&Back\", lblBold (label)")));
        QVERIFY(
            problems.contains(QStringLiteral("Alt+F shared by chkFast \"&Fast\", &File (menu)")));
        QCOMPARE(TestSupport::AccessKeyProblems(&window, {QStringLiteral("cmdDonate")}).size(), 2);
    }
};

QTEST_MAIN(tst_review_keys)
#include "tst_review_keys.moc"
