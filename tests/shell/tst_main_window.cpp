// The main window: strips, start panel, menus, module switching and shutdown.
#include "toolkit/AppInfo.h"
#include "app/SuiteModules.h"
#include "toolkit/ModuleHost.h"
#include "toolkit/ModuleTable.h"
#include "shell/Startup.h"
#include "toolkit/MsgBox.h"
#include "shell/frmMDI.h"
#include "toolkit/modHelp.h"
#include "support/AccessKeys.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

class TestMainWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void stripsStackInOrder();
    void startPanelTexts();
    void loadStepPositions();
    void menusAsListed();
    void linksOpenTheirPages();
    void moduleButtonsAndLabelsOpenTheSameModule_data();
    void moduleButtonsAndLabelsOpenTheSameModule();
    void selectingAModuleClosesTheOpenOne();
    void otherLabelsCloseAndHide();
    void closingAModuleShowsTheStartPanel();
    void switchingClosesEveryModuleWindowInOrder();
    void hoverUnderlinesModuleLinksOnly();
    void aboutWindowIsModal();
    void windowClosedUnderItsMessage();
    void moduleKeysAndEnter();
    void f6MovesBetweenPanes();
    void moduleWindowKeysWinWhileItHasTheFocus();
    void closingShowsTheExitWindow_data();
    void closingShowsTheExitWindow();

private:
    template <class T = QWidget> T *child(const QString &name) { return mdi->findChild<T *>(name); }
    bool shown(const QString &name)
    {
        for (QWidget *w : mdi->findChildren<QWidget *>(name))
            if (w->isVisible())
                return true;
        return false;
    }
    QWidget *topLevel(const QString &name)
    {
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->objectName() == name && w->isVisible())
                return w;
        return nullptr;
    }
    std::unique_ptr<TestSupport::Sandbox> sandbox;
    std::unique_ptr<frmMDI> mdi;
};

void TestMainWindow::init()
{
    sandbox = std::make_unique<TestSupport::Sandbox>();
    mdi = std::make_unique<frmMDI>(DescribeSuite(sandbox->locations(), {QStringLiteral("learning-suite")}));
    mdi->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    mdi->show();
    QVERIFY(QTest::qWaitForWindowExposed(mdi.get()));
}

void TestMainWindow::cleanup()
{
    mdi.reset();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmNagScreen2"))
            delete w;
    sandbox.reset();
}

void TestMainWindow::stripsStackInOrder()
{
    QCOMPARE(mdi->windowTitle(), QStringLiteral("Vessa Orrenic Learning Suite II v1.20"));
    const QStringList order = {QStringLiteral("picTopMain"), QStringLiteral("picTop"), QStringLiteral("picMain"),
                               QStringLiteral("PicCoBrand")};
    int lastY = -1;
    for (const QString &name : order) {
        QWidget *strip = child(name);
        QVERIFY2(strip && strip->isVisible(), qPrintable(name));
        const int y = strip->mapTo(mdi.get(), QPoint(0, 0)).y();
        QVERIFY2(y > lastY, qPrintable(name));
        lastY = y;
    }
    // The panels a module may fill stay hidden, and Learn Yoga's strips are
    // only made when it is first chosen.
    QVERIFY(child(QStringLiteral("LeftPanel"))->isHidden());
    QVERIFY(child(QStringLiteral("TopPanel"))->isHidden());
    QVERIFY(!child(QStringLiteral("picLeft")) && !child(QStringLiteral("picTop1")));
    QCOMPARE(child(QStringLiteral("picMain"))->maximumHeight(), 10000 / 15);
    // The bottom strip sits at the window's bottom edge.
    QWidget *bottom = child(QStringLiteral("PicCoBrand"));
    QCOMPARE(bottom->mapTo(mdi.get(), QPoint(0, bottom->height())).y(), mdi->height());
}

void TestMainWindow::startPanelTexts()
{
    const QStringList captions = {
        QStringLiteral("Vessa Orrenic Learning Suite II includes the following programs"),
        QStringLiteral("Welcome to Vessa Orrenic Learning Suite II"),
        QStringLiteral("Welcome to the second edition of the Vessa Orrenic Learning Suite! Here is your "
                       "chance to make use of our free resources and improve your knowledge of Dream "
                       "Interpretation, Palmistry, Yoga, Cartomancy and Aromatherapy. Learn from the "
                       "basics and understand your personality better than ever before."),
        QStringLiteral("Learn Yoga"), QStringLiteral("Zodiac Yoga"), QStringLiteral("Learn Aromatherapy"),
        QStringLiteral("Learn Cartomancy"), QStringLiteral("Learn Palmistry"),
        QStringLiteral("Learn Dream Interpretation")};
    for (int i = 5; i <= 13; ++i) {
        auto *label = child<QLabel>(QStringLiteral("lblCaption(%1)").arg(i));
        QVERIFY(label);
        QCOMPARE(label->text(), captions.at(i - 5));
        // Nothing clipped: the label is as wide as its text needs and inside the panel.
        QVERIFY(label->geometry().right() < child(QStringLiteral("picMain"))->width());
        QVERIFY(label->geometry().left() >= 0);
        QVERIFY(label->geometry().bottom() < child(QStringLiteral("picMain"))->height());
    }
    const QStringList buttons = {QStringLiteral("Learn Yoga"), QStringLiteral("Zodiac Yoga"),
                                 QStringLiteral("Learn Aromatherapy"), QStringLiteral("Learn Cartomancy"),
                                 QStringLiteral("Learn Dream Interpretation"), QStringLiteral("Learn Palmistry")};
    for (int i = 0; i < 6; ++i) {
        QCOMPARE(child<QAbstractButton>(QStringLiteral("cmdSelectOption(%1)").arg(i))->text(), buttons.at(i));
        auto *picture = child<QLabel>(QStringLiteral("Picture%1").arg(8 + i));
        QVERIFY(picture);
        QVERIFY2(!picture->pixmap().isNull(), "module button picture missing");
    }
    QCOMPARE(child<QLabel>(QStringLiteral("Label7"))->text(),
             QStringLiteral("Home Business Opportunity. Start your own Internet business and make money "
                            "online. Get this software fully branded for your website. Click here for more "
                            "details."));
    QCOMPARE(child<QAbstractButton>(QStringLiteral("cmdMdiExit"))->text(), QStringLiteral("&Exit"));
    QVERIFY(!child<QLabel>(QStringLiteral("lblQuilloryBanner"))->text().isEmpty());
    QVERIFY(!mdi->windowIcon().isNull());
    // Every module's picture is compiled in with the module and drawn above its button.
    for (const ModuleEntry &entry : mdi->Modules().Entries()) {
        auto *picture = child<QLabel>(QStringLiteral("Picture%1").arg(8 + entry.buttonIndex));
        QVERIFY2(picture && !picture->pixmap().isNull(), qPrintable(entry.name));
    }
}

void TestMainWindow::loadStepPositions()
{
    const auto centred = [](QWidget *w) {
        const int parentWidth = w->parentWidget()->width();
        return qAbs(w->x() - (parentWidth - w->width()) / 2) <= 1;
    };
    QVERIFY(centred(child(QStringLiteral("lblQuilloryBanner"))));
    QVERIFY(centred(child(QStringLiteral("picButtonContainer"))));
    for (int i = 5; i <= 13; ++i)
        QVERIFY2(centred(child(QStringLiteral("lblCaption(%1)").arg(i))), qPrintable(QString::number(i)));
    QWidget *exit = child(QStringLiteral("cmdMdiExit"));
    QCOMPARE(exit->x(), exit->parentWidget()->width() - exit->width() - 120 / 15);
    // Learn Yoga's browsing lists start right of its lesson menu.
    child<QAbstractButton>(QStringLiteral("cmdSelectOption(0)"))->click();
    QWidget *menu = child(QStringLiteral("picLeft"));
    QCOMPARE(child(QStringLiteral("picContainer"))->mapTo(mdi.get(), QPoint(0, 0)).x(),
             menu->mapTo(mdi.get(), QPoint(menu->width(), 0)).x() + 40);
}

void TestMainWindow::menusAsListed()
{
    const QList<QAction *> top = mdi->menuBar()->actions();
    // The learn menus, then the progress menu the application adds at the end.
    QCOMPARE(top.size(), 4);
    QCOMPARE(top.at(3)->text(), QStringLiteral("&Progress"));
    QCOMPARE(top.at(3)->menu()->objectName(), QStringLiteral("mnuProgress"));
    QCOMPARE(top.at(0)->text(), QStringLiteral("&File"));
    QCOMPARE(top.at(0)->menu()->objectName(), QStringLiteral("mnuFile"));
    QCOMPARE(top.at(1)->menu()->objectName(), QStringLiteral("mnuHelp"));
    QCOMPARE(top.at(1)->text(), QStringLiteral("&Help"));
    QCOMPARE(top.at(2)->objectName(), QStringLiteral("mnuDonate"));
    QCOMPARE(top.at(2)->text(), QStringLiteral("&Donate"));

    const QList<QAction *> file = top.at(0)->menu()->actions();
    QCOMPARE(file.size(), 1);
    QCOMPARE(file.at(0)->objectName(), QStringLiteral("mnuExit"));
    QCOMPARE(file.at(0)->text(), QStringLiteral("E&xit"));

    QStringList help;
    for (QAction *a : top.at(1)->menu()->actions())
        help << (a->isSeparator() ? QStringLiteral("-") : a->objectName() + u'=' + a->text());
    QCOMPARE(help, (QStringList{QStringLiteral("mnuOnline=&Online Help"),
                                QStringLiteral("mnuVisit=&Visit Us Online"), QStringLiteral("-"),
                                QStringLiteral("mnuUpdate=Check for Software &Update"), QStringLiteral("-"),
                                QStringLiteral("mnuAbout=&About Software")}));
}

void TestMainWindow::linksOpenTheirPages()
{
    child<QAction>(QStringLiteral("mnuOnline"))->trigger();
    child<QAction>(QStringLiteral("mnuVisit"))->trigger();
    child<QAction>(QStringLiteral("mnuUpdate"))->trigger();
    child<QAction>(QStringLiteral("mnuDonate"))->trigger();
    QTest::mouseClick(child(QStringLiteral("Label7")), Qt::LeftButton);
    QTest::mouseClick(child(QStringLiteral("lblQuilloryBanner")), Qt::LeftButton);
    const QList<QUrl> expected = {
        QUrl(PublisherPages::OnlineHelpPage()), QUrl(PublisherPages::HomePage()),
        QUrl(PublisherPages::DownloadPage()),   QUrl(PublisherPages::DonationPage()),
        QUrl(PublisherPages::FullBrandPage()),  QUrl(PublisherPages::HomePage())};
    QCOMPARE(sandbox->openedPages, expected);
}

void TestMainWindow::moduleButtonsAndLabelsOpenTheSameModule_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("label");
    QTest::addColumn<QString>("window");
    QTest::addRow("zodiac yoga") << 1 << 9 << QStringLiteral("frmZodiacYogaMain");
    QTest::addRow("aromatherapy") << 2 << 10 << QStringLiteral("frmLearnAromatherapyMain");
    QTest::addRow("cartomancy") << 3 << 11 << QStringLiteral("frmLearnCartomancyMain");
    QTest::addRow("dream interpretation") << 4 << 13 << QStringLiteral("frmLearnDreamInterpretationMain");
    QTest::addRow("palmistry") << 5 << 12 << QStringLiteral("frmLearnPalmistryMain");
}

void TestMainWindow::moduleButtonsAndLabelsOpenTheSameModule()
{
    QFETCH(int, button);
    QFETCH(int, label);
    QFETCH(QString, window);
    TestSupport::MessageRecorder answerAll;
    for (bool byLabel : {false, true}) {
        if (byLabel)
            QTest::mouseClick(child(QStringLiteral("lblCaption(%1)").arg(label)), Qt::LeftButton);
        else
            child<QAbstractButton>(QStringLiteral("cmdSelectOption(%1)").arg(button))->click();
        QVERIFY(child(QStringLiteral("picMain"))->isHidden());
        QVERIFY(child(QStringLiteral("TopPanel"))->isHidden());
        QVERIFY(child(QStringLiteral("LeftPanel"))->isHidden());
        const QList<QMdiSubWindow *> open = mdi->DocumentArea()->subWindowList();
        QCOMPARE(open.size(), 1);
        QWidget *module = open.constFirst()->widget();
        QCOMPARE(module->objectName(), window);
        QVERIFY(module->isVisible());
        // Placed centred on the screen's width with its top at the top of the area,
        // but never with its left part outside the area (screens narrower than the window).
        QMdiSubWindow *frame = open.constFirst();
        QCOMPARE(frame->y(), 0);
        const int room = mdi->DocumentArea()->viewport()->width() - frame->width();
        QCOMPARE(frame->x(), std::clamp((AppInfo::ScreenWidthPixels() - frame->width()) / 2, 0,
                                        std::max(0, room)));
    }
}

void TestMainWindow::selectingAModuleClosesTheOpenOne()
{
    TestSupport::MessageRecorder answerAll;
    child<QAbstractButton>(QStringLiteral("cmdSelectOption(2)"))->click();
    QPointer<QWidget> aroma = child(QStringLiteral("frmLearnAromatherapyMain"));
    QVERIFY(aroma);
    child<QAbstractButton>(QStringLiteral("cmdSelectOption(1)"))->click();
    QTest::qWait(10);
    QVERIFY(!aroma || !aroma->isVisible());
    QCOMPARE(mdi->DocumentArea()->subWindowList().size(), 1);
    QCOMPARE(mdi->DocumentArea()->subWindowList().constFirst()->widget()->objectName(),
             QStringLiteral("frmZodiacYogaMain"));
    QVERIFY(child(QStringLiteral("picMain"))->isHidden());
    // Selecting the same module again opens it fresh.
    QPointer<QWidget> first = child(QStringLiteral("frmZodiacYogaMain"));
    child<QAbstractButton>(QStringLiteral("cmdSelectOption(1)"))->click();
    QTest::qWait(10);
    QCOMPARE(mdi->DocumentArea()->subWindowList().size(), 1);
    QVERIFY(mdi->DocumentArea()->subWindowList().constFirst()->widget() != first.data());
}

void TestMainWindow::otherLabelsCloseAndHide()
{
    TestSupport::MessageRecorder answerAll;
    child<QAbstractButton>(QStringLiteral("cmdSelectOption(2)"))->click();
    QVERIFY(child(QStringLiteral("frmLearnAromatherapyMain")));
    QTest::mouseClick(child(QStringLiteral("lblCaption(7)")), Qt::LeftButton);
    // The welcome paragraph is no module link, so nothing changed.
    QTest::qWait(10);
    QCOMPARE(mdi->DocumentArea()->subWindowList().size(), 1);
    // The label of another module closes the open one and opens its own.
    QTest::mouseClick(child(QStringLiteral("lblCaption(13)")), Qt::LeftButton);
    QTest::qWait(10);
    QCOMPARE(mdi->DocumentArea()->subWindowList().size(), 1);
    QCOMPARE(mdi->DocumentArea()->subWindowList().constFirst()->widget()->objectName(),
             QStringLiteral("frmLearnDreamInterpretationMain"));
    QVERIFY(child(QStringLiteral("picMain"))->isHidden());
}

void TestMainWindow::closingAModuleShowsTheStartPanel()
{
    TestSupport::MessageRecorder answerAll;
    child<QAbstractButton>(QStringLiteral("cmdSelectOption(1)"))->click();
    QWidget *panel = child(QStringLiteral("picMain"));
    panel->setMaximumHeight(100);
    child<QAbstractButton>(QStringLiteral("cmdExit"))->click();
    QTest::qWait(10);
    QVERIFY(panel->isVisible());
    QCOMPARE(panel->maximumHeight(), 10000 / 15);
    QVERIFY(mdi->DocumentArea()->subWindowList().isEmpty());
}

namespace {
// A module window that notes when it closes.
class NotingWindow : public ModuleWindow {
public:
    NotingWindow(const QString &name, ModuleHost &host, QStringList *closed)
        : ModuleWindow(name, host), closed_(closed)
    {
    }

protected:
    void OnClosing() override { closed_->append(objectName()); }

private:
    QStringList *closed_;
};
} // namespace

// Selecting a module closes every window a module opened - also one no module
// lists, and a dialog - the listed ones in the fixed order whatever order they
// were opened in.
void TestMainWindow::switchingClosesEveryModuleWindowInOrder()
{
    TestSupport::MessageRecorder answerAll;
    QStringList closed;
    QPointer<QWidget> unknown = new NotingWindow(QStringLiteral("frmNotYetListed"), *mdi, &closed);
    mdi->ShowModuleWindow(unknown);
    mdi->ShowModuleWindow(new NotingWindow(QStringLiteral("frmLearnPalmistryMain"), *mdi, &closed));
    mdi->ShowModuleWindow(new NotingWindow(QStringLiteral("frmLearnCartomancyMain"), *mdi, &closed));
    mdi->ShowModuleWindow(new NotingWindow(QStringLiteral("frmZodiacYogaDisplay"), *mdi, &closed));
    QPointer<QDialog> dialog = new QDialog(mdi.get());
    mdi->TrackModuleWindow(dialog);
    dialog->show();
    child<QAbstractButton>(QStringLiteral("cmdSelectOption(2)"))->click();
    QTest::qWait(10);
    QCOMPARE(closed, QStringList({QStringLiteral("frmZodiacYogaDisplay"), QStringLiteral("frmLearnCartomancyMain"),
                                  QStringLiteral("frmLearnPalmistryMain"), QStringLiteral("frmNotYetListed")}));
    QVERIFY(!unknown);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(mdi->DocumentArea()->subWindowList().size(), 1);
    QCOMPARE(mdi->DocumentArea()->subWindowList().constFirst()->widget()->objectName(),
             QStringLiteral("frmLearnAromatherapyMain"));
}

void TestMainWindow::hoverUnderlinesModuleLinksOnly()
{
    const auto move = [](QWidget *w) {
        QMouseEvent event(QEvent::MouseMove, QPointF(3, 3), w->mapToGlobal(QPointF(3, 3)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &event);
    };
    auto *yoga = child<QLabel>(QStringLiteral("lblCaption(8)"));
    auto *welcome = child<QLabel>(QStringLiteral("lblCaption(7)"));
    move(yoga);
    QVERIFY(yoga->font().underline());
    move(welcome);
    QVERIFY(!welcome->font().underline());
    move(child(QStringLiteral("picMain")));
    QVERIFY(!yoga->font().underline());
}

void TestMainWindow::aboutWindowIsModal()
{
    QString seenTitle, seenText;
    bool modal = false;
    QTimer::singleShot(50, this, [&] {
        QWidget *about = QApplication::activeModalWidget();
        if (!about)
            return;
        modal = about->objectName() == QLatin1String("frmAbout");
        seenTitle = about->windowTitle();
        seenText = about->findChild<QLabel *>(QStringLiteral("Label2"))->text();
        about->findChild<QAbstractButton *>(QStringLiteral("cmdOK"))->click();
    });
    child<QAction>(QStringLiteral("mnuAbout"))->trigger();
    QVERIFY(modal);
    QCOMPARE(seenTitle, QStringLiteral("Vessa Orrenic Learning Suite II v1.20"));
    QCOMPARE(seenText, QStringLiteral("Vessa Orrenic Learning Suite II v1.20"));
}

void TestMainWindow::closingShowsTheExitWindow_data()
{
    QTest::addColumn<QString>("how");
    QTest::addRow("exit button") << QStringLiteral("button");
    QTest::addRow("file menu") << QStringLiteral("menu");
    QTest::addRow("close box") << QStringLiteral("close");
}

void TestMainWindow::closingShowsTheExitWindow()
{
    QFETCH(QString, how);
    TestSupport::MessageRecorder answerAll;
    child<QAbstractButton>(QStringLiteral("cmdSelectOption(2)"))->click();
    QPointer<QWidget> module = child(QStringLiteral("frmLearnAromatherapyMain"));
    if (how == QLatin1String("button"))
        child<QAbstractButton>(QStringLiteral("cmdMdiExit"))->click();
    else if (how == QLatin1String("menu"))
        child<QAction>(QStringLiteral("mnuExit"))->trigger();
    else
        mdi->close();
    QTest::qWait(20);
    QVERIFY(!mdi->isVisible());
    QVERIFY(!module || !module->isVisible());
    QWidget *exitWindow = topLevel(QStringLiteral("frmNagScreen2"));
    QVERIFY(exitWindow);
    QVERIFY(exitWindow->windowFlags() & Qt::WindowStaysOnTopHint);
    QCOMPARE(exitWindow->windowTitle(), QStringLiteral("Vessa Orrenic Learning Suite II v1.20"));
    QSignalSpy ending(exitWindow, SIGNAL(Ending()));
    exitWindow->close();
    QCOMPARE(ending.size(), 1);
}

// A window closed while its message shows (a module switch made through the
// accessibility bus, which modality does not stop) takes the message with it.
void TestMainWindow::windowClosedUnderItsMessage()
{
    auto *window = new QWidget;
    window->show();
    QTimer closer;
    connect(&closer, &QTimer::timeout, &closer, [&] {
        if (qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            closer.stop();
            delete window;
        }
    });
    closer.start(10);
    QCOMPARE(ShowMessage(window, QStringLiteral("Please select an option"), QMessageBox::Critical),
             QMessageBox::NoButton);
    QVERIFY(!closer.isActive());
}

// Ctrl+1 to Ctrl+6 open the modules in button order (named in the buttons'
// tips), and Enter presses a module button that has the focus, as Space does.
void TestMainWindow::moduleKeysAndEnter()
{
    TestSupport::MessageRecorder answerAll;
    mdi->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mdi.get()));
    const QStringList windows{"frmZodiacYogaMain", "frmLearnAromatherapyMain",
                              "frmLearnCartomancyMain", "frmLearnDreamInterpretationMain",
                              "frmLearnPalmistryMain"};
    for (int n = 2; n <= 6; ++n) {
        QVERIFY(child<QAbstractButton>(QStringLiteral("cmdSelectOption(%1)").arg(n - 1))
                    ->toolTip()
                    .endsWith(QStringLiteral("(Ctrl+%1)").arg(n)));
        // A module may have told of a missing database; the main window is active again after it.
        mdi->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(mdi.get()));
        QTest::keyClick(mdi.get(), Qt::Key(Qt::Key_0 + n), Qt::ControlModifier);
        QTRY_VERIFY2(child(windows[n - 2]) && child(windows[n - 2])->isVisible(),
                     qPrintable(windows[n - 2]));
    }
    auto *aroma = child<QAbstractButton>(QStringLiteral("cmdSelectOption(2)"));
    aroma->setFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(aroma, key);
        QTRY_VERIFY(shown(QStringLiteral("frmLearnAromatherapyMain")));
        QVERIFY(!shown(QStringLiteral("frmLearnPalmistryMain")));
        child<QAbstractButton>(QStringLiteral("cmdSelectOption(5)"))->click();
        aroma->setFocus();
    }
}

// F6 goes from the module buttons into the module window, F6 or Shift+F6 back.
void TestMainWindow::f6MovesBetweenPanes()
{
    mdi->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mdi.get()));
    child<QAbstractButton>(QStringLiteral("cmdSelectOption(2)"))->click();
    QWidget *module = child(QStringLiteral("frmLearnAromatherapyMain"));
    QVERIFY(module);
    child<QAbstractButton>(QStringLiteral("cmdSelectOption(2)"))->setFocus();
    for (Qt::KeyboardModifier shift : {Qt::NoModifier, Qt::ShiftModifier}) {
        TestSupport::PressKey(Qt::Key_F6, shift);
        QVERIFY2(module->isAncestorOf(QApplication::focusWidget()),
                 qPrintable(QApplication::focusWidget()->objectName()));
        TestSupport::PressKey(Qt::Key_F6, shift);
        QVERIFY(QApplication::focusWidget()->objectName().startsWith(QStringLiteral("cmdSelectOption")));
    }
}

// With the focus in a module window its menus and access keys are the ones
// that count (Alt+F opens its File menu), and no key of the main window's is
// left to clash with them; back in the main window its own keys return.
void TestMainWindow::moduleWindowKeysWinWhileItHasTheFocus()
{
    mdi->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mdi.get()));
    for (int button : {1, 2, 3, 4, 5}) {
        TestSupport::MessageRecorder answerAll;
        child<QAbstractButton>(QStringLiteral("cmdSelectOption(%1)").arg(button))->setFocus();
        TestSupport::PressKey(Qt::Key_Space);
        QMdiSubWindow *frame = mdi->DocumentArea()->subWindowList().value(0);
        QVERIFY(frame);
        auto *module = qobject_cast<QMainWindow *>(frame->widget());
        QVERIFY(module);
        // A module opens with the focus in it; F6 would take it back to the
        // buttons. (A message at opening, here a database missing from the
        // sandbox, leaves the activation to the desktop, which offscreen has none.)
        if (!QApplication::focusWidget()) {
            mdi->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(mdi.get()));
            module->setFocus();
        }
        if (!module->isAncestorOf(QApplication::focusWidget()))
            TestSupport::PressKey(Qt::Key_F6);
        QVERIFY(module->isAncestorOf(QApplication::focusWidget()));
        // Nothing of the main window's own claims an access key now.
        for (QAction *action : mdi->menuBar()->actions())
            QVERIFY2(TestSupport::AccessKey(action->text()).isNull(), qPrintable(action->text()));
        QVERIFY(TestSupport::AccessKey(child<QAbstractButton>(QStringLiteral("cmdMdiExit"))->text()).isNull());
        const QStringList problems = TestSupport::AccessKeyProblems(module, {QStringLiteral("cmdReset"),
                                                         QStringLiteral("cmdSaveSettings"),
                                                         QStringLiteral("cmdDonate")});
        QVERIFY2(problems.isEmpty(), qPrintable(module->objectName() + u": " + problems.join(u"; ")));
        // "Next question" has the same key in every module that asks questions.
        for (QAbstractButton *next :
             module->findChildren<QAbstractButton *>(QRegularExpression(QStringLiteral("^cmdNextQuestion"))))
            QCOMPARE(TestSupport::AccessKey(next->text()), QChar(u'n'));
        // Alt+F opens the module's own File menu.
        TestSupport::PressKey(Qt::Key_F, Qt::AltModifier);
        QTRY_VERIFY(QApplication::activePopupWidget());
        QVERIFY2(module->menuBar()->isAncestorOf(QApplication::activePopupWidget()) ||
                     QApplication::activePopupWidget()->parentWidget() == module->menuBar(),
                 qPrintable(QApplication::activePopupWidget()->objectName()));
        QApplication::activePopupWidget()->close();
        TestSupport::PressKey(Qt::Key_F6);
        QCOMPARE(mdi->menuBar()->actions().first()->text(), QStringLiteral("&File"));
        QCOMPARE(child<QAbstractButton>(QStringLiteral("cmdMdiExit"))->text(), QStringLiteral("&Exit"));
    }
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
