// A palmistry quiz that reaches its result is in the progress record with its
// ten questions; a quiz left before its result is not.
#include "palmistry/PalmProgress.h"
#include "palmistry/frmLearnPalmistryMain.h"
#include "shell/modRandom.h"
#include "support/ProgressCheck.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>

class tst_palm_progress : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSupport::Sandbox> sandbox_;
    QPointer<frmLearnPalmistryMain> window_;

    QString frame() {
        return window_->findChild<QStackedWidget *>()->currentWidget()->objectName();
    }
    void click(const QString &name) {
        auto *button = window_->findChild<QAbstractButton *>(name);
        QVERIFY2(button, qPrintable(name));
        const bool push = qobject_cast<QPushButton *>(button);
        QTest::mouseClick(button, Qt::LeftButton, {},
                          push ? QPoint() : QPoint(7, button->height() / 2));
    }
    void startTest(int kind) {
        click(QStringLiteral("optOption(1)"));
        click(QStringLiteral("cmdProceed"));
        click(QStringLiteral("optTestOption(%1)").arg(kind));
        click(QStringLiteral("cmdTestOptionNext"));
        QCOMPARE(frame(), QStringLiteral("fraOption(3)"));
    }

private Q_SLOTS:
    void init() {
        sandbox_ = std::make_unique<TestSupport::Sandbox>();
        Random::Seed(5);
        window_ = new frmLearnPalmistryMain;
        window_->show();
    }
    void cleanup() {
        delete window_.data();
        sandbox_.reset();
    }

    void finishedQuizIsRecorded_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("caption");
        QTest::addRow("name") << 0 << "Test By Name of Line / Shape";
        QTest::addRow("significance") << 1 << "Test By Significance";
        QTest::addRow("location") << 2 << "Test By Location / Shape";
    }
    void finishedQuizIsRecorded() {
        QFETCH(int, kind);
        QFETCH(QString, caption);
        QCOMPARE(PalmTestKindCaption(PalmTestKind(kind)), caption);
        startTest(kind);
        QList<bool> expectRight;
        int right = 0;
        for (int k = 0; k < PalmQuestionCount; ++k) {
            const PalmistryTest &test = window_->Test();
            // The right button on even questions, the fifth (a wrong answer's entry) on odd
            // ones; that still scores when its text is the same as the right one's.
            const int button = k % 2 == 0 ? test.CorrectPosition : 4;
            const auto shown = [this](int i) {
                return window_->findChild<QLabel *>(QStringLiteral("lblOption1(%1)").arg(i))
                    ->text();
            };
            expectRight << (shown(button) == shown(test.CorrectPosition));
            right += expectRight.back();
            click(QStringLiteral("Option1(%1)").arg(button));
            click(QStringLiteral("cmdNextQuestion"));
        }
        QCOMPARE(frame(), QStringLiteral("fraOption(4)"));

        const auto tests = TestSupport::RecordedTests(QStringLiteral("Learn Palmistry"));
        QCOMPARE(tests.size(), 1);
        QCOMPARE(tests[0].kind, caption);
        QCOMPARE(tests[0].questionCount, 10);
        QCOMPARE(tests[0].score, right);
        QCOMPARE(tests[0].answers.size(), 10);
        for (int k = 0; k < 10; ++k) {
            const TestSupport::RecordedAnswer &answer = tests[0].answers[k];
            QVERIFY(!answer.item.isEmpty());
            QCOMPARE(answer.right, expectRight[k]);
            QCOMPARE(answer.given == answer.correct, answer.right);
        }
    }

    void quizLeftEarlyIsNotRecorded() {
        startTest(1);
        for (int k = 0; k < PalmQuestionCount - 1; ++k) {
            click(QStringLiteral("Option1(0)"));
            click(QStringLiteral("cmdNextQuestion"));
        }
        QCOMPARE(frame(), QStringLiteral("fraOption(3)"));
        window_->close();
        delete window_.data();
        QVERIFY(TestSupport::RecordedTests(QStringLiteral("Learn Palmistry")).isEmpty());
    }
};

QTEST_MAIN(tst_palm_progress)
#include "tst_palm_progress.moc"
