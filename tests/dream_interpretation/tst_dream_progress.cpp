// A dream test that reaches its result is in the progress record with every
// question; a test left before its result is not.
#include "DreamTestData.h"
#include "dream_interpretation/frmLearnDreamInterpretationMain.h"
#include "toolkit/modRandom.h"
#include "support/ProgressCheck.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

class tst_dream_progress : public QObject {
    Q_OBJECT

    std::unique_ptr<TestSupport::Sandbox> sandbox_;
    QPointer<frmLearnDreamInterpretationMain> window_;

    template <class T = QWidget> T *child(const QString &name) {
        return window_->findChild<T *>(name);
    }
    QString screen() {
        return child<QStackedWidget>(QStringLiteral("fraOptions"))->currentWidget()->objectName();
    }
    void click(const QString &name) {
        auto *button = child<QAbstractButton>(name);
        QVERIFY2(button, qPrintable(name));
        const bool box = qobject_cast<QCheckBox *>(button) || qobject_cast<QRadioButton *>(button);
        QTest::mouseClick(button, Qt::LeftButton, {},
                          box ? QPoint(8, button->height() / 2) : QPoint());
    }
    void startTest(bool byKeyword, const QString &letters) {
        click(QStringLiteral("optMain(1)"));
        click(QStringLiteral("cmdNext"));
        click(byKeyword ? QStringLiteral("optOption(0)") : QStringLiteral("optOption(1)"));
        click(QStringLiteral("cmdNext2"));
        for (const QChar c : letters)
            click(QStringLiteral("chkSubject(%1)").arg(c.unicode() - u'A'));
        click(QStringLiteral("cmdNext3"));
    }

private Q_SLOTS:
    void init() {
        sandbox_ = std::make_unique<TestSupport::Sandbox>();
        QVERIFY(QFile::copy(DreamTestData::BuiltDatabase(),
                            sandbox_->programFolder() + QStringLiteral("/keywords.dll")));
        Random::Seed(17);
        window_ = new frmLearnDreamInterpretationMain(sandbox_->host(), sandbox_->recorder());
        window_->show();
    }
    void cleanup() {
        delete window_.data();
        sandbox_.reset();
    }

    void finishedTestIsRecorded_data() {
        QTest::addColumn<bool>("byKeyword");
        QTest::addColumn<QString>("letters");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("level");
        QTest::addColumn<int>("count");
        QTest::addRow("keyword") << true << "BD"
                                 << "Test By Keyword"
                                 << "B, D" << 10;
        QTest::addRow("interpretation-with-x") << false << "AX"
                                               << "Test By Interpretation"
                                               << "A, X" << 7;
    }
    void finishedTestIsRecorded() {
        QFETCH(bool, byKeyword);
        QFETCH(QString, letters);
        QFETCH(QString, kind);
        QFETCH(QString, level);
        QFETCH(int, count);
        startTest(byKeyword, letters);
        const QString suffix = byKeyword ? QStringLiteral("ForKeyword") : QStringLiteral("ForDesc");
        QStringList asked;
        for (int q = 0; q < count; ++q) {
            asked << child<QLabel>(byKeyword ? QStringLiteral("lblKeyword")
                                             : QStringLiteral("lblDesc"))
                         ->text();
            click(QStringLiteral("optChoice%1(%2)").arg(suffix).arg(q % 5));
            click(QStringLiteral("cmdNextQuestion") + suffix);
        }
        QCOMPARE(screen(), QStringLiteral("fraOption(5)"));

        const auto tests = TestSupport::RecordedTests(sandbox_->locations(), QStringLiteral("Learn Dream Interpretation"));
        QCOMPARE(tests.size(), 1);
        QCOMPARE(tests[0].kind, kind);
        QCOMPARE(tests[0].level, level);
        QCOMPARE(tests[0].questionCount, count);
        QCOMPARE(tests[0].answers.size(), count);
        int right = 0;
        for (int q = 0; q < count; ++q) {
            const TestSupport::RecordedAnswer &answer = tests[0].answers[q];
            // The item is always the symbol's keyword, whichever way it was asked.
            QVERIFY2(letters.contains(answer.item.front()), qPrintable(answer.item));
            if (byKeyword)
                QCOMPARE(answer.item, asked[q]);
            else
                QCOMPARE(answer.correct, answer.item);
            QCOMPARE(answer.right, answer.given == answer.correct);
            right += answer.right;
        }
        QCOMPARE(tests[0].score, right);
    }

    void testLeftEarlyIsNotRecorded() {
        startTest(true, QStringLiteral("C"));
        for (int q = 0; q < 4; ++q) {
            click(QStringLiteral("optChoiceForKeyword(0)"));
            click(QStringLiteral("cmdNextQuestionForKeyword"));
        }
        QCOMPARE(screen(), QStringLiteral("fraOption(4)"));
        window_->close();
        delete window_.data();
        QVERIFY(TestSupport::RecordedTests(sandbox_->locations(), QStringLiteral("Learn Dream Interpretation")).isEmpty());
    }
};

QTEST_MAIN(tst_dream_progress)
#include "tst_dream_progress.moc"
