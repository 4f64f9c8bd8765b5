// The main window takes a module it has never heard of: a seventh button
// with its picture and caption, a start-panel caption that opens it, and a
// switch to another module that closes all of its windows.
#include "ExampleModule.h"

#include "app/SuiteModules.h"
#include "shell/frmMDI.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScreen>
#include <QTest>

class TestExampleModule : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void seventhModuleOpensAndClosesWithTheOthers();
};

void TestExampleModule::seventhModuleOpensAndClosesWithTheOthers()
{
    TestSupport::Sandbox sandbox;
    TestSupport::MessageRecorder answerAll;
    Suite suite = DescribeSuite(sandbox.locations(), {QStringLiteral("learning-suite")});
    suite.modules.Add(ExampleModule()); // the one line that adds the module
    frmMDI mdi(std::move(suite));
    mdi.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    mdi.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mdi));

    auto *button = mdi.findChild<QAbstractButton *>(QStringLiteral("cmdSelectOption(6)"));
    QVERIFY(button && button->isVisible());
    QCOMPARE(button->text().remove(u'&'), QStringLiteral("Example Module"));
    auto *picture = mdi.findChild<QLabel *>(QStringLiteral("Picture14"));
    QVERIFY(picture && !picture->pixmap().isNull());
    auto *caption = mdi.findChild<QLabel *>(QStringLiteral("lblCaption(14)"));
    QVERIFY(caption && caption->isVisible());
    QCOMPARE(caption->text(), QStringLiteral("Example Module"));
    // The seven buttons sit side by side inside the window.
    for (int i = 0; i < 7; ++i) {
        auto *other = mdi.findChild<QAbstractButton *>(QStringLiteral("cmdSelectOption(%1)").arg(i));
        QVERIFY(other);
        const QRect rect(other->mapTo(&mdi, QPoint(0, 0)), other->size());
        QVERIFY2(mdi.rect().contains(rect), qPrintable(other->text()));
    }

    // The start-panel caption opens it, as the button does.
    QTest::mouseClick(caption, Qt::LeftButton);
    QTRY_VERIFY(mdi.findChild<ExampleWindow *>());
    QPointer<ExampleWindow> window = mdi.findChild<ExampleWindow *>();
    QVERIFY(window->isVisible());
    QVERIFY(mdi.findChild<QWidget *>(QStringLiteral("picMain"))->isHidden());
    window->OpenNotes();
    QPointer<QWidget> notes = mdi.findChild<QWidget *>(QStringLiteral("frmExampleNotes"));
    QVERIFY(notes && notes->isVisible());
    QCOMPARE(mdi.DocumentArea()->subWindowList().size(), 2);

    // Another module closes both of its windows.
    mdi.findChild<QAbstractButton *>(QStringLiteral("cmdSelectOption(0)"))->click();
    QTRY_VERIFY(window.isNull() && notes.isNull());
    button->click();
    QTRY_VERIFY(mdi.findChild<ExampleWindow *>());
}

QTEST_MAIN(TestExampleModule)
#include "tst_example_module.moc"
