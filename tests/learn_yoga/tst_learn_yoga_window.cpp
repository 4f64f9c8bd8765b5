// Learn Yoga inside the main window: selecting the module, the lesson menu's
// accordion, the browsing panels and the pages as the display view holds them.
#include "learn_yoga/LearnYogaModule.h"
#include "learn_yoga/LearnYogaStrips.h"
#include "shell/Look.h"
#include "shell/ModuleTable.h"
#include "shell/frmMDI.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

namespace {

// Another module, to switch away from Learn Yoga and back.
ModuleEntry otherModule()
{
    ModuleEntry entry;
    entry.name = QStringLiteral("Other");
    entry.buttonIndex = 2;
    entry.labelIndex = 10;
    entry.windows = {QStringLiteral("frmOther")};
    entry.open = [](ModuleHost &host) { host.ShowModuleWindow(new ModuleWindow(QStringLiteral("frmOther"))); };
    return entry;
}

QStringList itemsOf(const QListWidget *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

// The block holding the text, and the format of its first character.
QTextBlock blockStarting(QTextEdit *view, const QString &text)
{
    for (QTextBlock b = view->document()->begin(); b.isValid(); b = b.next())
        if (b.text().startsWith(text))
            return b;
    return {};
}

QTextCharFormat formatOf(const QTextBlock &block)
{
    QTextCursor cursor(block);
    cursor.movePosition(QTextCursor::NextCharacter);
    return cursor.charFormat();
}

} // namespace

class TestLearnYogaWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void selectingShowsTheIntroduction();
    void accordionMovesTheMenu();
    void browsingSections();
    void pageFormatsInTheView();
    void displayStaysInTheDocumentArea();
    void menuWorksByKeyboard();

private:
    template <class T = QWidget> T *child(const QString &name) { return mdi->findChild<T *>(name); }
    void click(const QString &name) { child<QAbstractButton>(name)->click(); }
    QTextEdit *view() { return child<QTextEdit>(QStringLiteral("RTB")); }
    QString page() { return view() ? view()->toPlainText() : QString(); }
    int top(const QString &name) { return child(name)->y(); }

    std::unique_ptr<TestSupport::Sandbox> sandbox;
    std::unique_ptr<frmMDI> mdi;
    LearnYogaStrips *strips = nullptr;
};

void TestLearnYogaWindow::initTestCase()
{
    ClearModulesForTesting();
    RegisterModule(LearnYogaModule());
    RegisterModule(otherModule());
}

void TestLearnYogaWindow::init()
{
    sandbox = std::make_unique<TestSupport::Sandbox>();
    mdi = std::make_unique<frmMDI>();
    mdi->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    mdi->show();
    QVERIFY(QTest::qWaitForWindowExposed(mdi.get()));
    strips = LearnYogaStrips::Of(mdi.get());
    QVERIFY(strips);
}

void TestLearnYogaWindow::cleanup()
{
    mdi.reset();
    sandbox.reset();
}

void TestLearnYogaWindow::selectingShowsTheIntroduction()
{
    // The lists are filled when the main window is built.
    QCOMPARE(child<QComboBox>(QStringLiteral("cboAsanasByName"))->count(), 32);
    QCOMPARE(child<QComboBox>(QStringLiteral("cboAsanasByBodyPart"))->count(), 36);
    QCOMPARE(child<QComboBox>(QStringLiteral("cboAsanasByTherapeuticApplications"))->count(), 31);
    QVERIFY(child(QStringLiteral("picLeft"))->isHidden());

    QPointer<QWidget> first;
    for (int round = 0; round < 2; ++round) {
        click(QStringLiteral("cmdSelectOption(0)"));
        QTest::qWait(1);
        QVERIFY(child(QStringLiteral("picLeft"))->isVisible());
        QVERIFY(child(QStringLiteral("picTop1"))->isHidden());
        QVERIFY(child(QStringLiteral("picMain"))->isHidden());
        const QList<QMdiSubWindow *> open = mdi->DocumentArea()->subWindowList();
        QCOMPARE(open.size(), 1);
        QWidget *display = open.first()->widget();
        QCOMPARE(display->objectName(), QStringLiteral("frmLearnYogaDisp"));
        QCOMPARE(display->windowTitle(), QStringLiteral("Vessa Learn Yoga"));
        QVERIFY(open.first()->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(open.first()->pos(), QPoint(0, 0));
        QVERIFY(display != first.data()); // opened fresh each time
        first = display;
        QCOMPARE(view()->size(), display->size());
        QCOMPARE(view()->document()->defaultFont().pointSize(), 9);
        QVERIFY(page().startsWith(QLatin1String("Introduction\n\nWelcome to Learn Yoga.")));
        QCOMPARE(page().count(QLatin1String("\n\n")), 3);
    }
    // The section buttons fit the menu: 4000 x 375 twips.
    QCOMPARE(child(QStringLiteral("Command4"))->size(), QSize(267, 25));
    QVERIFY(child(QStringLiteral("picLeft"))->width() >= 267);
    QCOMPARE(child<QAbstractButton>(QStringLiteral("Command62"))->text(),
             QStringLiteral("Importance && Benefits Of Pranayam"));
}

// The accordion as the menu shows it, kept while another module is used.
void TestLearnYogaWindow::accordionMovesTheMenu()
{
    click(QStringLiteral("cmdSelectOption(0)"));
    click(QStringLiteral("Command5"));
    QVERIFY(child(QStringLiteral("Picture5"))->isVisible());
    QCOMPARE(top(QStringLiteral("Picture5")), 125);
    QCOMPARE(top(QStringLiteral("Command6")), 250);
    QCOMPARE(top(QStringLiteral("Command7")), 275);
    QCOMPARE(child(QStringLiteral("Command51"))->geometry(), QRect(16, 0, 233, 25));
    QVERIFY(page().startsWith(QLatin1String("What Is Meditation ?\n\n")));
    click(QStringLiteral("Command52"));
    QVERIFY(page().startsWith(QLatin1String("Why Should We Meditate ?\n\n")));
    // The open section again: closes, and still shows its first lesson.
    click(QStringLiteral("Command5"));
    QVERIFY(child(QStringLiteral("Picture5"))->isHidden());
    for (int s = 1; s <= 7; ++s)
        QCOMPARE(top(QStringLiteral("Command%1").arg(s)), (s - 1) * 25);
    QVERIFY(page().startsWith(QLatin1String("What Is Meditation ?\n\n")));

    click(QStringLiteral("Command7"));
    click(QStringLiteral("cmdSelectOption(2)"));
    QTest::qWait(1);
    QVERIFY(child(QStringLiteral("picLeft"))->isHidden());
    click(QStringLiteral("cmdSelectOption(0)"));
    QTest::qWait(1);
    QVERIFY(child(QStringLiteral("Picture7"))->isVisible());
    QCOMPARE(top(QStringLiteral("Picture7")), 175);
    QVERIFY(strips->Menu().IsOpen(7));
    QVERIFY(page().startsWith(QLatin1String("Introduction\n\n")));
}

void TestLearnYogaWindow::browsingSections()
{
    click(QStringLiteral("cmdSelectOption(0)"));
    click(QStringLiteral("Command3"));
    QVERIFY(child(QStringLiteral("picTop1"))->isVisible() && child(QStringLiteral("Picture3"))->isVisible());
    QVERIFY(child(QStringLiteral("Picture2"))->isHidden() && child(QStringLiteral("Picture4"))->isHidden());
    auto *parts = child<QComboBox>(QStringLiteral("cboAsanasByBodyPart"));
    auto *list = child<QListWidget>(QStringLiteral("lstAsanasByBodyPart"));
    QCOMPARE(parts->currentText(), QStringLiteral("Abdomen"));
    QCOMPARE(list->count(), 10);
    QVERIFY(page().startsWith(QLatin1String("Ardhachandrasana\n\nDescription: \n")));
    QCOMPARE(strips->ShownPicture(), 2);

    // Typing a body part chooses it, as a user would; the list shows its asanas.
    parts->setFocus();
    QTest::keyClicks(parts, QStringLiteral("Live"));
    QCOMPARE(itemsOf(list), QStringList({"Ardhamatsyendrasana", "Bhujangasana", "Paschimottanasana", "Uttanasana"}));
    QVERIFY(page().startsWith(QLatin1String("Ardhamatsyendrasana\n\n")));
    QCOMPARE(strips->ShownPicture(), 3);
    const QImage shown = child<QLabel>(QStringLiteral("picYoga"))->pixmap().toImage();
    QCOMPARE(shown, Look::Picture(QStringLiteral(":/asanas/03 Ardhamatsyendrasana.svg"), QSize(250, 250)).toImage());
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QVERIFY(page().startsWith(QLatin1String("Bhujangasana\n\n")));
    // An unknown name leaves page and picture as they were.
    const QString before = page();
    strips->ShowYogasana(QStringLiteral("bhujangasana"));
    QCOMPARE(page(), before);
    QCOMPARE(strips->ShownPicture(), 4);

    // The open browsing section again: its panel and the strip stay.
    click(QStringLiteral("Command3"));
    QVERIFY(!strips->Menu().IsOpen(3));
    QVERIFY(child(QStringLiteral("Picture3"))->isVisible() && child(QStringLiteral("picTop1"))->isVisible());
    QVERIFY(page().startsWith(QLatin1String("Ardhachandrasana\n\n")));

    // Selecting the module again keeps the strip; a click on the asana already
    // selected replaces the introduction with its page.
    click(QStringLiteral("Command4"));
    auto *uses = child<QListWidget>(QStringLiteral("lstAsanasByTherapeuticApplications"));
    QCOMPARE(uses->currentItem()->text(), QStringLiteral("Anjali Mudra"));
    click(QStringLiteral("cmdSelectOption(0)"));
    QTest::qWait(1); // the closed display goes
    QVERIFY(child(QStringLiteral("picTop1"))->isVisible());
    QVERIFY(page().startsWith(QLatin1String("Introduction\n\n")));
    QTest::mouseClick(uses->viewport(), Qt::LeftButton, {}, uses->visualItemRect(uses->item(0)).center());
    QVERIFY(page().startsWith(QLatin1String("Anjali Mudra\n\n")));
    click(QStringLiteral("Command1"));
    QVERIFY(child(QStringLiteral("picTop1"))->isHidden());

    click(QStringLiteral("Command2"));
    auto *names = child<QComboBox>(QStringLiteral("cboAsanasByName"));
    names->setFocus();
    QTest::keyClicks(names, QStringLiteral("Dhan"));
    QVERIFY(page().startsWith(QLatin1String("Dhanurasana\n\n")));
    QVERIFY(page().contains(QLatin1String("English Name: Bow Pose\n")));
    QCOMPARE(strips->ShownPicture(), 5);
}

// The writer's runs as the view shows them.
void TestLearnYogaWindow::pageFormatsInTheView()
{
    const QColor magenta(128, 0, 128), green(0, 128, 0);
    click(QStringLiteral("cmdSelectOption(0)"));
    click(QStringLiteral("Command6"));
    click(QStringLiteral("Command62"));
    const QTextBlock titleBlock = view()->document()->begin();
    QCOMPARE(titleBlock.text(), QStringLiteral("Importance && Benefits Of Pranayam"));
    QCOMPARE(titleBlock.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextCharFormat title = formatOf(titleBlock);
    QVERIFY(title.fontWeight() == QFont::Bold && !title.fontUnderline());
    QCOMPARE(title.foreground().color(), magenta);
    QCOMPARE(title.fontPointSize(), 14.0);
    const QTextBlock emphasis = blockStarting(view(), QStringLiteral("The breath is the bridge"));
    QVERIFY(formatOf(emphasis).fontUnderline() && formatOf(emphasis).fontWeight() == QFont::Bold);
    QCOMPARE(formatOf(emphasis).foreground().color(), green);
    QCOMPARE(emphasis.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
    const QTextCharFormat last = formatOf(view()->document()->lastBlock());
    QVERIFY(view()->document()->lastBlock().text().startsWith(QLatin1String("* Prepares the mind")));
    QVERIFY(last.fontWeight() != QFont::Bold && !last.fontUnderline());
    QCOMPARE(last.foreground().color(), green);
    QCOMPARE(last.fontPointSize(), 14.0);

    // The Anjali Mudra page ends with its items in bold magenta.
    click(QStringLiteral("Command2"));
    const QTextBlock end = view()->document()->lastBlock();
    QVERIFY(end.text().startsWith(QLatin1String("2. ")));
    QVERIFY(formatOf(end).fontWeight() == QFont::Bold);
    QCOMPARE(formatOf(end).foreground().color(), magenta);
}

void TestLearnYogaWindow::displayStaysInTheDocumentArea()
{
    click(QStringLiteral("cmdSelectOption(0)"));
    QWidget *viewport = mdi->DocumentArea()->viewport();
    const auto check = [&](const char *step) {
        QTest::qWait(1);
        QMdiSubWindow *frame = mdi->DocumentArea()->subWindowList().value(0);
        QVERIFY2(frame, step);
        QVERIFY2(viewport->rect().contains(frame->geometry()), step);
        QVERIFY2(frame->height() >= qMin(120, viewport->height()), step);
        QCOMPARE(view()->size(), frame->size());
    };
    check("opening");
    click(QStringLiteral("Command1"));
    check("lesson section");
    click(QStringLiteral("Command3"));
    check("browsing section");
    mdi->showNormal();
    mdi->setGeometry(QRect(mdi->geometry().topLeft(), QSize(700, 520)));
    check("smaller main window");
}

void TestLearnYogaWindow::menuWorksByKeyboard()
{
    click(QStringLiteral("cmdSelectOption(0)"));
    mdi->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mdi.get()));
    auto *information = child<QAbstractButton>(QStringLiteral("Command1"));
    information->setFocus();
    QTest::keyClick(information, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command3"));
    information->setFocus();
    QTest::keyClick(information, Qt::Key_Space);
    QVERIFY(strips->Menu().IsOpen(1));
    QTest::keyClick(information, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command11"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(page().startsWith(QLatin1String("Paths Of Yoga\n\n")));
}

QTEST_MAIN(TestLearnYogaWindow)
#include "tst_learn_yoga_window.moc"
