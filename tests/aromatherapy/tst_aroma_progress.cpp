// A Learn Aromatherapy test that reaches its result is in the progress record
// with every question; a test left before its result is not.
#include "aromatherapy/frmLearnAromatherapyMain.h"
#include "shell/modRandom.h"
#include "support/ProgressCheck.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QTest>
#include <QTextEdit>

class tst_aroma_progress : public QObject {
    Q_OBJECT

    QPointer<frmLearnAromatherapyMain> window_;
    std::unique_ptr<TestSupport::Sandbox> sandbox_;

    template <class T = QWidget> T *child(const QString &name) {
        return window_->findChild<T *>(name);
    }
    QString frame() {
        return window_->findChild<QStackedWidget *>()->currentWidget()->objectName();
    }
    void click(const QString &name) { QTest::mouseClick(child<QPushButton>(name), Qt::LeftButton); }

    void startTest(int kind, int level) {
        child<QRadioButton>(QStringLiteral("optChoice2"))->click();
        child<QComboBox>(QStringLiteral("cboTest"))->setCurrentIndex(kind);
        child<QComboBox>(QStringLiteral("cboTestLevel"))->setCurrentIndex(level);
        click(QStringLiteral("cmdNext"));
        QCOMPARE(frame(), QStringLiteral("Frame3"));
    }

private Q_SLOTS:
    void init() {
        sandbox_ = std::make_unique<TestSupport::Sandbox>();
        Random::Seed(31);
        window_ = new frmLearnAromatherapyMain;
        window_->show();
    }
    void cleanup() {
        delete window_.data();
        sandbox_.reset();
    }

    void finishedTestIsRecorded_data() {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("kindCaption");
        QTest::addColumn<QString>("levelCaption");
        QTest::addColumn<int>("count");
        QTest::addRow("planet") << 0 << 0 << "Test By Planetary Association"
                                << "Basic" << 15;
        QTest::addRow("sign") << 1 << 0 << "Test By Astrological Association"
                              << "Basic" << 15;
        QTest::addRow("element") << 2 << 0 << "Test By Elemental Association"
                                 << "Basic" << 15;
        QTest::addRow("gender") << 3 << 0 << "Test By Gender Association"
                                << "Basic" << 15;
        QTest::addRow("magical") << 4 << 1 << "Test By Magical Association"
                                 << "Intermediate" << 30;
        QTest::addRow("therapeutic") << 5 << 2 << "Test By Therapeutic Association"
                                     << "Advanced" << 50;
    }
    void finishedTestIsRecorded() {
        QFETCH(int, kind);
        QFETCH(int, level);
        QFETCH(QString, kindCaption);
        QFETCH(QString, levelCaption);
        QFETCH(int, count);
        startTest(kind, level);
        QStringList asked;
        int i = 0;
        while (frame() == QLatin1String("Frame3")) {
            asked << child<QLabel>(QStringLiteral("lblTestSubject"))->text();
            // Vary the answers so some are right and some wrong.
            child<QRadioButton>(
                QStringLiteral("optAnswerOption(%1)").arg(i++ % (kind == 3 ? 2 : 3)))
                ->click();
            click(QStringLiteral("cmdNextQuestion"));
        }
        QCOMPARE(frame(), QStringLiteral("Frame4"));
        const QString result = child<QTextEdit>(QStringLiteral("RTB"))->toPlainText();
        const QRegularExpressionMatch score =
            QRegularExpression(QStringLiteral("(\\d+) Correct Out Of (\\d+) Questions$"))
                .match(result);
        QVERIFY(score.hasMatch());

        const QList<TestSupport::RecordedTest> tests =
            TestSupport::RecordedTests(QStringLiteral("Learn Aromatherapy"));
        QCOMPARE(tests.size(), 1);
        const TestSupport::RecordedTest &test = tests.front();
        QCOMPARE(test.kind, kindCaption);
        QCOMPARE(test.level, levelCaption);
        QCOMPARE(test.questionCount, count);
        QCOMPARE(test.score, score.captured(1).toInt());
        QCOMPARE(test.answers.size(), count);
        int right = 0;
        for (int q = 0; q < count; ++q) {
            const TestSupport::RecordedAnswer &answer = test.answers[q];
            QCOMPARE(answer.item, asked[q]);
            QVERIFY(!answer.given.isEmpty());
            QVERIFY(!answer.correct.isEmpty());
            // The result list shows the same pair for the question.
            QVERIFY2(result.contains(QStringLiteral("Your Answer: ") + answer.given),
                     qPrintable(answer.given));
            right += answer.right;
        }
        QCOMPARE(right, test.score);
        QVERIFY(right > 0 && right < count);
    }

    void testLeftEarlyIsNotRecorded() {
        startTest(0, 0);
        for (int q = 0; q < 14; ++q)
            click(QStringLiteral("cmdNextQuestion"));
        QCOMPARE(frame(), QStringLiteral("Frame3"));
        window_->close();
        delete window_.data();
        QVERIFY(TestSupport::RecordedTests(QStringLiteral("Learn Aromatherapy")).isEmpty());
    }
};

QTEST_MAIN(tst_aroma_progress)
#include "tst_aroma_progress.moc"
