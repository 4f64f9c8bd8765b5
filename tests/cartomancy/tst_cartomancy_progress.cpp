// A card test that reaches its result is in the progress record with every
// question's card, the answer given and the right one; a test left before its
// result is not.
#include "CartomancyFixture.h"
#include "cartomancy/modCardTest.h"
#include "cartomancy/frmLearnCartomancyMain.h"
#include "support/ProgressCheck.h"

#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace CartomancyTest;

namespace {

template <class T = QWidget> T *get(QObject *root, const QString &name) {
    T *child = root->findChild<T *>(name);
    if (!child)
        qFatal("no control %s", qPrintable(name));
    return child;
}

void click(QObject *root, const QString &name) {
    get<QAbstractButton>(root, name)->click();
}

} // namespace

class tst_cartomancy_progress : public QObject {
    Q_OBJECT

    std::unique_ptr<Sandbox> sandbox_;
    QPointer<frmLearnCartomancyMain> w_;

    // Starts a test on the twelve face cards.
    void start(int type, int level) {
        click(w_, QStringLiteral("chkMinor"));
        click(w_, QStringLiteral("optTestType(%1)").arg(type));
        click(w_, QStringLiteral("optDifficulty(%1)").arg(level));
        click(w_, QStringLiteral("cmdStartTest2"));
    }
    // Answers the question on show: right or wrong. Returns the answer's text.
    void answer(bool right) {
        if (get<QRadioButton>(w_, QStringLiteral("optTestType(0)"))->isChecked()) {
            for (int i = 0; i < 7; ++i) {
                auto *option = get<QRadioButton>(w_, QStringLiteral("optAnswer(%1)").arg(i));
                if (option->isVisible() &&
                    (option->property("tag").toString() == QLatin1String("True")) == right) {
                    option->click();
                    return;
                }
            }
            QFAIL("no option to click");
        }
        // Keywords: the first boxes, until the button allows going on. Whether
        // they are right is read back from the record.
        for (int i = 0;
             i < 10 && !get<QPushButton>(w_, QStringLiteral("cmdNextQuestion"))->isEnabled(); ++i) {
            auto *box = get<QCheckBox>(w_, QStringLiteral("chkKeywords(%1)").arg(i));
            if (box->isVisible())
                box->click();
        }
    }

private Q_SLOTS:
    void init() {
        sandbox_ = std::make_unique<Sandbox>();
        w_ = new frmLearnCartomancyMain(sandbox_->host(), sandbox_->recorder());
        w_->SetSystemTrayAvailable(false);
        w_->show();
        QTest::qWait(20);
    }
    void cleanup() {
        delete w_.data();
        sandbox_.reset();
    }

    void captions_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("caption");
        QTest::addRow("beginner") << 0 << "Beginner";
        QTest::addRow("intermediate") << 1 << "Intermediate";
        QTest::addRow("advanced") << 2 << "Advanced";
    }
    void captions() {
        QFETCH(int, level);
        QFETCH(QString, caption);
        // The captions are those of the options the test was chosen by.
        QCOMPARE(CardTestLevelCaption(CardTestLevel(level)), caption);
        QCOMPARE(get<QRadioButton>(w_, QStringLiteral("optDifficulty(%1)").arg(level))
                     ->text()
                     .remove(u'&'),
                 caption);
        QCOMPARE(get<QRadioButton>(w_, QStringLiteral("optTestType(%1)").arg(level % 2))
                     ->text()
                     .remove(u'&'),
                 CardTestTypeCaption(CardTestType(level % 2)));
    }

    void finishedTestIsRecorded_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("levelCaption");
        QTest::addRow("description") << 0 << 1 << "Description"
                                     << "Intermediate";
        QTest::addRow("keywords") << 1 << 2 << "Keywords"
                                  << "Advanced";
    }
    void finishedTestIsRecorded() {
        QFETCH(int, type);
        QFETCH(int, level);
        QFETCH(QString, kind);
        QFETCH(QString, levelCaption);
        start(type, level);
        TestSupport::MessageRecorder messages;
        QStringList asked;
        for (int q = 1; q <= 12; ++q) {
            asked << get<QLabel>(w_, QStringLiteral("lblCardName"))->text();
            answer(q <= 7);
            click(w_, QStringLiteral("cmdNextQuestion"));
        }
        // "Test Complete" only: recording adds no message.
        QCOMPARE(messages.messages.size(), 1);
        const QString summary = get<QLabel>(w_, QStringLiteral("lblResultInfo"))->text();

        const auto tests = TestSupport::RecordedTests(sandbox_->locations(), QStringLiteral("Learn Cartomancy"));
        QCOMPARE(tests.size(), 1);
        const TestSupport::RecordedTest &test = tests[0];
        QCOMPARE(test.kind, kind);
        QCOMPARE(test.level, levelCaption);
        QCOMPARE(test.questionCount, 12);
        QCOMPARE(test.answers.size(), 12);
        for (int q = 0; q < 12; ++q) {
            QCOMPARE(test.answers[q].item, asked[q]);
            QVERIFY(!test.answers[q].correct.isEmpty());
            QCOMPARE(test.answers[q].right, test.answers[q].given == test.answers[q].correct);
            if (type == 0)
                QCOMPARE(test.answers[q].right, q < 7);
        }
        if (type == 0) {
            QCOMPARE(test.score, 7);
            QCOMPARE(test.maxScore, 12);
            QCOMPARE(summary, QStringLiteral("7 out of 12 questions correct"));
        } else {
            // Keyword points: the summary's "<scored>/<possible> choice(s) ...".
            QVERIFY2(summary.startsWith(QString::number(test.score) + u'/' +
                                        QString::number(test.maxScore) + u' '),
                     qPrintable(summary));
            QVERIFY(test.maxScore > 12);
        }
    }

    void testLeftEarlyIsNotRecorded() {
        start(0, 0);
        for (int q = 1; q <= 11; ++q) {
            answer(true);
            click(w_, QStringLiteral("cmdNextQuestion"));
        }
        w_->close();
        delete w_.data();
        QVERIFY(TestSupport::RecordedTests(sandbox_->locations(), QStringLiteral("Learn Cartomancy")).isEmpty());
    }
};

QTEST_MAIN(tst_cartomancy_progress)
#include "tst_cartomancy_progress.moc"
