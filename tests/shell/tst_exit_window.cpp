// The exit window: support message, site check box and the refer-a-friend form.
#include "shell/frmNagScreen2.h"
#include "toolkit/modHelp.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QSignalSpy>
#include <QTest>
#include <QUrlQuery>

class TestExitWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void showsOneOfTheSupportMessages();
    void placeholdersComeAndGo();
    void spaceIsRefusedInEmailBoxes_data();
    void spaceIsRefusedInEmailBoxes();
    void untouchedFormAsksForProperAddresses();
    void completeFormOpensReferral();
    void checkBoxOpensHomePageAndUnticks();
    void closingEndsTheProgram();

private:
    template <class T = QWidget> T *child(const QString &name) { return window->findChild<T *>(name); }
    std::unique_ptr<TestSupport::Sandbox> sandbox;
    QPointer<frmNagScreen2> window;
};

void TestExitWindow::init()
{
    sandbox = std::make_unique<TestSupport::Sandbox>();
    window = new frmNagScreen2();
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.data()));
    QApplication::setActiveWindow(window);
}

void TestExitWindow::cleanup()
{
    // Closing it would end the program; delete it instead.
    delete window.data();
    sandbox.reset();
}

void TestExitWindow::showsOneOfTheSupportMessages()
{
    QCOMPARE(frmNagScreen2::SupportMessages().size(), 4);
    QVERIFY(frmNagScreen2::SupportMessages().contains(child<QLabel>(QStringLiteral("Label2"))->text()));
    QVERIFY(window->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(child<QAbstractButton>(QStringLiteral("cmdSubmit"))->text(), QStringLiteral("Refer A Friend &Now"));
    QCOMPARE(child<QAbstractButton>(QStringLiteral("cmdClose"))->text(), QStringLiteral("E&xit"));
    // Over many exits every message turns up.
    QSet<QString> seen;
    for (int i = 0; i < 60; ++i) {
        frmNagScreen2 another;
        seen.insert(another.findChild<QLabel *>(QStringLiteral("Label2"))->text());
    }
    QCOMPARE(seen.size(), 4);
}

void TestExitWindow::placeholdersComeAndGo()
{
    auto *name = child<QLineEdit>(QStringLiteral("txtName"));
    auto *message = child<QPlainTextEdit>(QStringLiteral("txtMessage"));
    QCOMPARE(name->text(), QStringLiteral("Your Name"));
    QCOMPARE(child<QLineEdit>(QStringLiteral("txtEmail"))->text(), QStringLiteral("Your Email Address"));
    QCOMPARE(child<QLineEdit>(QStringLiteral("txtFriendName"))->text(), QStringLiteral("Friend's Name"));
    QCOMPARE(child<QLineEdit>(QStringLiteral("txtFriendEmail"))->text(), QStringLiteral("Friend's Email Address"));
    QCOMPARE(message->toPlainText(), QStringLiteral("Your Message"));

    name->setFocus();
    QTRY_VERIFY(name->hasFocus());
    QCOMPARE(name->text(), QString());
    QTest::keyClicks(name, QStringLiteral("   "));
    message->setFocus();
    QTRY_VERIFY(message->hasFocus());
    QCOMPARE(name->text(), QStringLiteral("Your Name"));
    QCOMPARE(message->toPlainText(), QString());
    QTest::keyClicks(message, QStringLiteral("Hello"));
    name->setFocus();
    QTRY_VERIFY(name->hasFocus());
    QCOMPARE(message->toPlainText(), QStringLiteral("Hello"));
}

void TestExitWindow::spaceIsRefusedInEmailBoxes_data()
{
    QTest::addColumn<QString>("box");
    QTest::addRow("own") << QStringLiteral("txtEmail");
    QTest::addRow("friend's") << QStringLiteral("txtFriendEmail");
}

void TestExitWindow::spaceIsRefusedInEmailBoxes()
{
    QFETCH(QString, box);
    auto *email = child<QLineEdit>(box);
    email->setFocus();
    QTRY_VERIFY(email->hasFocus());
    QTest::keyClicks(email, QStringLiteral("ann"));
    auto seen = TestSupport::AnswerNextMessage();
    QTest::keyClick(email, Qt::Key_Space);
    QTRY_VERIFY(seen->shown);
    QCOMPARE(seen->text, QStringLiteral("Email Address Cannot Contain Space"));
    QCOMPARE(email->text(), QStringLiteral("ann"));
}

void TestExitWindow::untouchedFormAsksForProperAddresses()
{
    auto seen = TestSupport::AnswerNextMessage();
    child<QAbstractButton>(QStringLiteral("cmdSubmit"))->click();
    QTRY_VERIFY(seen->shown);
    QCOMPARE(seen->text, QStringLiteral("Please Enter Proper Email Address"));
    QCOMPARE(seen->icon, QMessageBox::Critical);
    QVERIFY(sandbox->openedPages.isEmpty());
}

void TestExitWindow::completeFormOpensReferral()
{
    child<QLineEdit>(QStringLiteral("txtName"))->setText(QStringLiteral("Ann"));
    child<QLineEdit>(QStringLiteral("txtEmail"))->setText(QStringLiteral("ann@x.org"));
    child<QLineEdit>(QStringLiteral("txtFriendName"))->setText(QStringLiteral("Bo"));
    child<QLineEdit>(QStringLiteral("txtFriendEmail"))->setText(QStringLiteral("bo@y.org"));
    child<QPlainTextEdit>(QStringLiteral("txtMessage"))->setPlainText(QStringLiteral("Tea & yoga"));
    child<QAbstractButton>(QStringLiteral("cmdSubmit"))->click();
    QCOMPARE(sandbox->openedPages.size(), 1);
    QCOMPARE(QUrlQuery(sandbox->openedPages.constFirst()).queryItemValue(QStringLiteral("taf3"), QUrl::FullyDecoded),
             QStringLiteral("Tea & yoga"));
    // The window stays open with its contents.
    QVERIFY(window->isVisible());
    QCOMPARE(child<QLineEdit>(QStringLiteral("txtName"))->text(), QStringLiteral("Ann"));
}

void TestExitWindow::checkBoxOpensHomePageAndUnticks()
{
    auto *check = child<QCheckBox>(QStringLiteral("Check1"));
    check->click();
    QVERIFY(!check->isChecked());
    QCOMPARE(sandbox->openedPages, QList<QUrl>{QUrl(PublisherPages::HomePage())});
}

void TestExitWindow::closingEndsTheProgram()
{
    QSignalSpy ending(window.data(), &frmNagScreen2::Ending);
    QPointer<QWidget> other = new QWidget;
    other->setAttribute(Qt::WA_DeleteOnClose);
    other->show();
    window->close();
    QCOMPARE(ending.size(), 1);
    QTRY_VERIFY(!window); // gone with its close
    QTRY_VERIFY(!other);  // and every other window closed with it
}

QTEST_MAIN(TestExitWindow)
#include "tst_exit_window.moc"
