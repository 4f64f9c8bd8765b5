// Learn Yoga inside the main window: selecting the module, the lesson menu's
// accordion, the browsing panels, the pages as the display view holds them.
#include "learn_yoga/LearnYogaModule.h"
#include "learn_yoga/LearnYogaStrips.h"
#include "toolkit/Look.h"
#include "toolkit/ModuleTable.h"
#include "shell/frmMDI.h"
#include "shell/FocusMark.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTest>
#include <QTextEdit>

namespace {

// Another module, to switch away from Learn Yoga and back.
ModuleEntry otherModule()
{
    ModuleEntry entry;
    entry.name = QStringLiteral("Other");
    entry.buttonIndex = 2;
    entry.labelIndex = 10;
    entry.open = [](ModuleHost &host) { host.ShowModuleWindow(new ModuleWindow(QStringLiteral("frmOther"), host)); };
    return entry;
}

QStringList itemsOf(const QListWidget *list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->item(i)->text();
    return items;
}

} // namespace

class TestLearnYogaWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup() { mdi.reset(); }
    void selectingShowsTheIntroduction();
    void accordionMovesTheMenu();
    void browsingSections();
    void displayStaysInTheDocumentArea();
    void menuWorksByKeyboard();

private:
    template <class T = QWidget> T *child(const char *name) { return mdi->findChild<T *>(QLatin1String(name)); }
    void click(const char *name) { child<QAbstractButton>(name)->click(); }
    bool shown(const char *name) { return child(name)->isVisible(); }
    // The page on show (a display closed by selecting the module again may
    // not be deleted yet).
    QTextEdit *view()
    {
        for (QTextEdit *page : mdi->findChildren<QTextEdit *>(QStringLiteral("RTB")))
            if (page->isVisible())
                return page;
        return child<QTextEdit>("RTB");
    }
    bool pageStarts(const char *text) { return view()->toPlainText().startsWith(QLatin1String(text)); }
    QString focused() { return QApplication::focusWidget()->objectName(); }

    TestSupport::Sandbox sandbox;
    std::unique_ptr<frmMDI> mdi;
    LearnYogaStrips *strips = nullptr;
};

void TestLearnYogaWindow::init()
{
    mdi = std::make_unique<frmMDI>(sandbox.suiteWith({LearnYogaModule(), otherModule()}));
    mdi->setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    mdi->show();
    QVERIFY(QTest::qWaitForWindowExposed(mdi.get()));
    // The strips are made when the module is first chosen.
    QVERIFY(!LearnYogaStrips::Of(mdi.get()) && !child<QWidget>("picLeft"));
    click("cmdSelectOption(0)");
    strips = LearnYogaStrips::Of(mdi.get());
    QVERIFY(strips);
}

void TestLearnYogaWindow::selectingShowsTheIntroduction()
{
    // The lists are filled when the strips are made.
    QCOMPARE(child<QComboBox>("cboAsanasByName")->count(), 32);
    QCOMPARE(child<QComboBox>("cboAsanasByBodyPart")->count(), 36);
    QCOMPARE(child<QComboBox>("cboAsanasByTherapeuticApplications")->count(), 31);
    QPointer<QWidget> first;
    for (int round = 0; round < 2; ++round) {
        click("cmdSelectOption(0)");
        QTest::qWait(1);
        QVERIFY(shown("picLeft") && !shown("picTop1") && !shown("picMain"));
        const QList<QMdiSubWindow *> open = mdi->DocumentArea()->subWindowList();
        QCOMPARE(open.size(), 1);
        QWidget *display = open.first()->widget();
        QCOMPARE(display->objectName(), QStringLiteral("frmLearnYogaDisp"));
        QCOMPARE(display->windowTitle(), QStringLiteral("Vessa Learn Yoga"));
        QVERIFY(open.first()->windowFlags() & Qt::FramelessWindowHint);
        QCOMPARE(open.first()->pos(), QPoint(0, 0));
        QVERIFY(display != first.data()); // opened fresh each time
        first = display;
        QCOMPARE(view()->document()->defaultFont().pointSize(), 9);
        QVERIFY(pageStarts("Introduction\n\nWelcome to Learn Yoga."));
        QCOMPARE(view()->toPlainText().count(QLatin1String("\n\n")), 3);
    }
    // 4000 x 375 twips; "&&" shows one "&" on a button.
    QCOMPARE(child("Command4")->size(), QSize(267, 25));
    QCOMPARE(child<QAbstractButton>("Command62")->text(), QStringLiteral("Importance && Benefits Of Pranayam"));
}

// The accordion as the menu shows it, kept while another module is used.
void TestLearnYogaWindow::accordionMovesTheMenu()
{
    click("cmdSelectOption(0)");
    click("Command5");
    QVERIFY(shown("Picture5"));
    QCOMPARE(child("Picture5")->y(), 125);
    QCOMPARE(child("Command6")->y(), 250);
    QCOMPARE(child("Command51")->geometry(), QRect(16, 0, 233, 25));
    QVERIFY(pageStarts("What Is Meditation ?\n\n"));
    click("Command52");
    QVERIFY(pageStarts("Why Should We Meditate ?\n\n"));
    // The open section again: closes, and still shows its first lesson.
    click("Command5");
    QVERIFY(!shown("Picture5"));
    QCOMPARE(child("Command7")->y(), 150);
    QVERIFY(pageStarts("What Is Meditation ?\n\n"));

    click("Command7");
    click("cmdSelectOption(2)");
    QTest::qWait(1);
    QVERIFY(!shown("picLeft"));
    click("cmdSelectOption(0)");
    QTest::qWait(1);
    QVERIFY(shown("Picture7") && strips->Menu().IsOpen(7));
    QCOMPARE(child("Picture7")->y(), 175);
    QVERIFY(pageStarts("Introduction\n\n"));
}

void TestLearnYogaWindow::browsingSections()
{
    click("cmdSelectOption(0)");
    click("Command3");
    QVERIFY(shown("picTop1") && shown("Picture3") && !shown("Picture2") && !shown("Picture4"));
    auto *parts = child<QComboBox>("cboAsanasByBodyPart");
    auto *list = child<QListWidget>("lstAsanasByBodyPart");
    QCOMPARE(parts->currentText(), QStringLiteral("Abdomen"));
    QCOMPARE(list->count(), 10);
    QVERIFY(pageStarts("Ardhachandrasana\n\nDescription: \n"));
    QCOMPARE(strips->ShownPicture(), 2);

    // Typing a body part chooses it, as a user would; the list shows its asanas.
    parts->setFocus();
    QTest::keyClicks(parts, QStringLiteral("Live"));
    QCOMPARE(itemsOf(list), QStringList({"Ardhamatsyendrasana", "Bhujangasana", "Paschimottanasana", "Uttanasana"}));
    QVERIFY(pageStarts("Ardhamatsyendrasana\n\n"));
    QCOMPARE(child<QLabel>("picYoga")->pixmap().toImage(),
             Look::Picture(QStringLiteral(":/asanas/03 Ardhamatsyendrasana.svg"), QSize(250, 250)).toImage());
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QVERIFY(pageStarts("Bhujangasana\n\n"));
    strips->ShowYogasana(QStringLiteral("bhujangasana")); // no such record: nothing changes
    QVERIFY(pageStarts("Bhujangasana\n\n"));
    QCOMPARE(strips->ShownPicture(), 4);
    // The open browsing section again: its panel and the strip stay.
    click("Command3");
    QVERIFY(!strips->Menu().IsOpen(3) && shown("Picture3") && shown("picTop1"));
    QVERIFY(pageStarts("Ardhachandrasana\n\n"));

    // Selecting the module again keeps the strip; a click on the asana
    // already selected replaces the introduction with its page.
    click("Command4");
    auto *uses = child<QListWidget>("lstAsanasByTherapeuticApplications");
    QCOMPARE(uses->currentItem()->text(), QStringLiteral("Anjali Mudra"));
    click("cmdSelectOption(0)");
    QTest::qWait(1);
    QVERIFY(shown("picTop1") && pageStarts("Introduction\n\n"));
    QTest::mouseClick(uses->viewport(), Qt::LeftButton, {}, uses->visualItemRect(uses->item(0)).center());
    QVERIFY(pageStarts("Anjali Mudra\n\n"));
    click("Command1");
    QVERIFY(!shown("picTop1"));

    click("Command2");
    QVERIFY(shown("Picture2") && pageStarts("Anjali Mudra\n\n"));
    QCOMPARE(strips->ShownPicture(), 1);
}

void TestLearnYogaWindow::displayStaysInTheDocumentArea()
{
    click("cmdSelectOption(0)");
    const auto check = [&](const char *step) {
        QTest::qWait(1);
        QWidget *area = mdi->DocumentArea()->viewport();
        QMdiSubWindow *frame = mdi->DocumentArea()->subWindowList().value(0);
        QVERIFY2(frame && area->rect().contains(frame->geometry()), step);
        QVERIFY2(frame->height() >= qMin(120, area->height()), step);
        QCOMPARE(view()->size(), frame->size());
    };
    check("opening");
    click("Command1");
    check("lesson section");
    click("Command3");
    check("browsing section");
    mdi->showNormal();
    mdi->setGeometry(QRect(mdi->geometry().topLeft(), QSize(700, 520)));
    check("smaller main window");
}

// Tab goes down the menu, over the lessons of a closed section; Space opens.
void TestLearnYogaWindow::menuWorksByKeyboard()
{
    click("cmdSelectOption(0)");
    mdi->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mdi.get()));
    auto *information = child<QAbstractButton>("Command1");
    information->setFocus();
    QTest::keyClick(information, Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("Command2"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("Command3"));
    information->setFocus();
    QTest::keyClick(information, Qt::Key_Space);
    QVERIFY(strips->Menu().IsOpen(1));
    QTest::keyClick(information, Qt::Key_Tab);
    QCOMPARE(focused(), QStringLiteral("Command11"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QVERIFY(pageStarts("Paths Of Yoga\n\n"));

    // Arrows go through the buttons as they stand; Enter opens a lesson or a section.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
    QCOMPARE(focused(), QStringLiteral("Command13"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QVERIFY(pageStarts("Who Can Practice Yoga ?\n\n"));
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    QCOMPARE(focused(), QStringLiteral("Command1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up); // the first stays
    QCOMPARE(focused(), QStringLiteral("Command1"));
    // The focused control carries the mark, around it, on the pink menu too.
    QCOMPARE(FocusMark::Marked(), QApplication::focusWidget());
    QWidget *mark = QApplication::focusWidget()->parentWidget()->findChild<QWidget *>(QStringLiteral("FocusMark"));
    QVERIFY(mark && mark->isVisible());
    QVERIFY(mark->geometry().contains(QApplication::focusWidget()->geometry().adjusted(1, 1, -1, -1)));
    const QImage drawn = mark->grab().toImage();
    int dark = 0, white = 0;
    // A dark line and a white one, each going round the control.
    for (int x = 0; x < drawn.width(); ++x)
        for (int y = 0; y < drawn.height(); ++y) {
            const QColor c = drawn.pixelColor(x, y);
            dark += c.alpha() > 200 && c.lightness() < 60;
            white += c.alpha() > 200 && c.lightness() > 240;
        }
    QVERIFY2(dark > drawn.width() / 2 && white > drawn.width() / 2,
             qPrintable(QStringLiteral("%1 dark, %2 white").arg(dark).arg(white)));
}

QTEST_MAIN(TestLearnYogaWindow)
#include "tst_learn_yoga_window.moc"
