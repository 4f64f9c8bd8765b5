// The main window's module buttons and every module window at common screen
// sizes: nothing outside the window, nothing overlapping, no caption cut off.
#include "app/SuiteModules.h"
#include "shell/ModuleButtonRow.h"
#include "toolkit/ModuleHost.h"
#include "toolkit/ModuleTable.h"
#include "shell/frmMDI.h"
#include "support/TestSupport.h"

#include <QAbstractScrollArea>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

using Step = ModuleButtonRow::Step;

namespace {
// A wrapped text whose minimum is the height it would take at its narrowest,
// as some word-wrapping controls report it; it reads fine with far less.
class TallWhenNarrow : public QLabel {
public:
    explicit TallWhenNarrow(const QString &text) : QLabel(text) { setWordWrap(true); }
    QSize minimumSizeHint() const override { return QSize(100, heightForWidth(100)); }
};
// A module button's tip: its whole caption and the key that presses it.
QString tipOf(const CaptionButton *button)
{
    const int position = button->objectName().mid(16, 1).toInt() + 1; // cmdSelectOption(N)
    return button->text() + QStringLiteral(" (Ctrl+%1)").arg(position);
}
} // namespace
Q_DECLARE_METATYPE(ModuleButtonRow::Step)

class TestWindowFit : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void moduleButtonsFitTheWindow_data();
    void moduleButtonsFitTheWindow();
    void narrowerWindowsShrinkStepByStep();
    void moduleWindowsFitTheScreen_data();
    void moduleWindowsFitTheScreen();
    void learnYogaUsesItsRoomAndLeavesNoTrace_data();
    void learnYogaUsesItsRoomAndLeavesNoTrace();
    void contentsScrollOnlyBelowTheirMinimum_data();
    void contentsScrollOnlyBelowTheirMinimum();

private:
    void layOut(int width, int height);
    QList<CaptionButton *> buttons() const;
    std::unique_ptr<TestSupport::Sandbox> sandbox;
    std::unique_ptr<frmMDI> mdi;
};

void TestWindowFit::init()
{
    sandbox = std::make_unique<TestSupport::Sandbox>();
    mdi = std::make_unique<frmMDI>(DescribeSuite(sandbox->locations(), {QStringLiteral("learning-suite")}));
    mdi->show();
    QVERIFY(QTest::qWaitForWindowExposed(mdi.get()));
}

void TestWindowFit::cleanup()
{
    mdi.reset();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("frmNagScreen2"))
            delete w;
    sandbox.reset();
}

void TestWindowFit::layOut(int width, int height)
{
    mdi->resize(width, height);
    QTRY_COMPARE(mdi->size(), QSize(width, height));
    QApplication::processEvents();
}

QList<CaptionButton *> TestWindowFit::buttons() const
{
    QList<CaptionButton *> all;
    for (int i = 0; i < 6; ++i)
        all.append(mdi->findChild<CaptionButton *>(QStringLiteral("cmdSelectOption(%1)").arg(i)));
    return all;
}

void TestWindowFit::moduleButtonsFitTheWindow_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("fullPictures");
    QTest::addRow("1920x1600") << QSize(1920, 1600) << true;
    QTest::addRow("1920x1080") << QSize(1920, 1080) << true;
    QTest::addRow("1366x768") << QSize(1366, 768) << true;
    QTest::addRow("1280x720") << QSize(1280, 720) << true;
    QTest::addRow("1024x768") << QSize(1024, 768) << false;
    QTest::addRow("800x600") << QSize(800, 600) << false;
    QTest::addRow("640x520") << QSize(640, 520) << false;
}

void TestWindowFit::moduleButtonsFitTheWindow()
{
    QFETCH(QSize, size);
    QFETCH(bool, fullPictures);
    layOut(size.width(), size.height());
    auto *row = mdi->findChild<ModuleButtonRow *>(QStringLiteral("picButtonContainer"));
    QVERIFY(row);
    if (fullPictures)
        QCOMPARE(row->CurrentStep(), Step::FullPictures);
    else
        QVERIFY(row->CurrentStep() != Step::FullPictures);

    QList<QRect> taken;
    const QRect window = mdi->rect();
    const QList<CaptionButton *> all = buttons();
    int previousRight = -1;
    for (int i = 0; i < all.size(); ++i) {
        CaptionButton *button = all.at(i);
        QVERIFY(button && button->isVisible());
        const QString name = mdi->Modules().ByButton(i)->name;
        const QRect rect(button->mapTo(mdi.get(), QPoint(0, 0)), button->size());
        QVERIFY2(window.contains(rect), qPrintable(name));
        // The caption as shown fits the button: the button got at least what it asked for.
        QVERIFY2(button->width() >= button->sizeHint().width(), qPrintable(name));
        QVERIFY2(button->height() >= button->sizeHint().height(), qPrintable(name));
        // The full caption is the button's text; a shorter form on screen brings it as tooltip.
        QCOMPARE(button->text(), name);
        if (button->ShownCaption() == name)
            QCOMPARE(button->toolTip(), tipOf(button));
        else
            QCOMPARE(button->toolTip(), tipOf(button));
        taken.append(rect);

        auto *picture = mdi->findChild<QLabel *>(QStringLiteral("Picture%1").arg(8 + i));
        QVERIFY(picture);
        if (picture->isVisible()) {
            const QRect pictureRect(picture->mapTo(mdi.get(), QPoint(0, 0)), picture->size());
            QVERIFY(window.contains(pictureRect));
            // The picture sits left of its own button and right of the previous one.
            QVERIFY(pictureRect.right() < rect.left());
            QVERIFY(pictureRect.left() > previousRight);
            taken.append(pictureRect);
        }
        QVERIFY2(rect.left() > previousRight, qPrintable(name)); // button order kept
        previousRight = rect.right();
    }
    for (int a = 0; a < taken.size(); ++a)
        for (int b = a + 1; b < taken.size(); ++b)
            QVERIFY2(!taken.at(a).intersects(taken.at(b)),
                     qPrintable(QStringLiteral("%1 %2").arg(a).arg(b)));
    // The row is centred in its strip.
    const int rightGap = row->parentWidget()->width() - row->x() - row->width();
    QVERIFY(qAbs(row->x() - rightGap) <= 1);

    // The banner, the button strip and the start panel follow one another from
    // the menu bar down, and the bottom strip sits at the bottom edge: room the
    // start panel does not take goes between the panel and the bottom strip.
    const auto edge = [this](const char *name, bool bottom) {
        QWidget *w = mdi->findChild<QWidget *>(QLatin1String(name));
        return w->mapTo(mdi.get(), QPoint(0, bottom ? w->height() : 0)).y();
    };
    QCOMPARE(edge("picTopMain", false), mdi->centralWidget()->y());
    QCOMPARE(edge("picTop", false), edge("picTopMain", true));
    QCOMPARE(edge("picMain", false), edge("picTop", true));
    QCOMPARE(edge("PicCoBrand", true), mdi->height());
}

// Narrowing the window step by step never goes back to a larger step, and the
// pictures and captions change as each step says.
void TestWindowFit::narrowerWindowsShrinkStepByStep()
{
    auto *row = mdi->findChild<ModuleButtonRow *>(QStringLiteral("picButtonContainer"));
    QList<Step> seen;
    for (int width = 1920; width >= 520; width -= 40) {
        layOut(width, 700);
        const Step step = row->CurrentStep();
        if (!seen.isEmpty())
            QVERIFY2(step >= seen.constLast(), qPrintable(QString::number(width)));
        if (seen.isEmpty() || seen.constLast() != step)
            seen.append(step);
        QVERIFY2(row->x() >= 0 && row->x() + row->width() <= width,
                 qPrintable(QString::number(width)));

        auto *picture = mdi->findChild<QLabel *>(QStringLiteral("Picture8"));
        switch (step) {
        case Step::FullPictures:
        case Step::SmallPictures: {
            const int size = step == Step::FullPictures ? ModuleButtonRow::FullPictureSize
                                                        : ModuleButtonRow::SmallPictureSize;
            QVERIFY(picture->isVisible());
            QCOMPARE(qMax(picture->pixmap().width(), picture->pixmap().height()), size);
            for (CaptionButton *button : buttons())
                QCOMPARE(button->ShownCaption(), button->text());
            break;
        }
        case Step::WrappedCaptions:
        case Step::NoPictures:
            QCOMPARE(picture->isVisible(), step == Step::WrappedCaptions);
            for (CaptionButton *button : buttons()) {
                QCOMPARE(QString(button->ShownCaption()).replace(u'\n', u' '), button->text());
                QCOMPARE(button->toolTip(), tipOf(button));
            }
            break;
        case Step::ShortenedCaptions: {
            QVERIFY(!picture->isVisible());
            bool anyShortened = false;
            for (CaptionButton *button : buttons()) {
                anyShortened = anyShortened || button->ShownCaption().contains(QChar(0x2026));
                QCOMPARE(button->toolTip(), tipOf(button));
            }
            QVERIFY(anyShortened);
            break;
        }
        }
    }
    // Every step was used on the way from 1920 pixels down to 520.
    QCOMPARE(seen, (QList<Step>{Step::FullPictures, Step::SmallPictures, Step::WrappedCaptions,
                                Step::NoPictures, Step::ShortenedCaptions}));
    // Widening the window again brings the full pictures back.
    layOut(1920, 1080);
    QCOMPARE(row->CurrentStep(), Step::FullPictures);
    for (CaptionButton *button : buttons())
        QCOMPARE(button->toolTip(), tipOf(button));
}

void TestWindowFit::moduleWindowsFitTheScreen_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QSize>("size");
    const QTemporaryDir folder;
    const Suite suite = DescribeSuite(DataLocations::Below(folder.path()), {});
    for (const QSize &size : {QSize(1024, 768), QSize(1024, 600), QSize(1920, 1080)}) {
        const QString screen = QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
        for (int button = 0; button < 6; ++button)
            QTest::addRow("%s %s", qPrintable(suite.modules.ByButton(button)->name), qPrintable(screen))
                << button << size;
    }
}

// Opened in a main window of the screen's size, a module window lies inside
// the document area, and every control in it lies inside its parent, so
// nothing is cut off or out of reach.
void TestWindowFit::moduleWindowsFitTheScreen()
{
    QFETCH(int, button);
    QFETCH(QSize, size);
    TestSupport::MessageRecorder answerAll;
    layOut(size.width(), size.height());
    buttons().at(button)->click();
    QApplication::processEvents();
    QMdiArea *area = mdi->DocumentArea();
    // The document area reaches down to the bottom strip.
    QWidget *bottomStrip = mdi->findChild<QWidget *>(QStringLiteral("PicCoBrand"));
    QCOMPARE(area->mapTo(mdi.get(), QPoint(0, area->height())).y(),
             bottomStrip->mapTo(mdi.get(), QPoint(0, 0)).y());
    const QList<QMdiSubWindow *> open = area->subWindowList();
    QCOMPARE(open.size(), 1);
    QMdiSubWindow *frame = open.constFirst();
    const QRect visible = area->viewport()->rect();
    QVERIFY2(frame->x() >= 0, qPrintable(QString::number(frame->x())));
    QVERIFY2(frame->geometry().right() <= visible.right(),
             qPrintable(QString::number(frame->geometry().right())));
    QCOMPARE(frame->y(), 0);
    QVERIFY2(frame->geometry().bottom() <= visible.bottom(),
             qPrintable(QStringLiteral("%1 > %2")
                            .arg(frame->geometry().bottom())
                            .arg(visible.bottom())));

    QWidget *window = frame->widget();
    // The window fills its frame, which would cut off any part of it outside.
    QVERIFY(frame->contentsRect().contains(window->geometry()));
    // Contents scroll only when the area is too small for the window.
    if (auto *scroll =
            window->findChild<QAbstractScrollArea *>(QStringLiteral("ModuleScrollArea"))) {
        const bool tooLow = frame->height() >= visible.height();
        const bool tooNarrow = frame->width() >= visible.width();
        QVERIFY(tooLow || !scroll->verticalScrollBar()->isVisible());
        QVERIFY(tooNarrow || !scroll->horizontalScrollBar()->isVisible());
    }
    QStringList outside;
    for (QWidget *w : window->findChildren<QWidget *>()) {
        if (!w->isVisibleTo(window) || w->isWindow())
            continue;
        // Contents of a scrolled view may be larger than what it shows.
        bool scrolled = false;
        for (QWidget *p = w->parentWidget(); p && p != window; p = p->parentWidget())
            if (auto *view = qobject_cast<QAbstractScrollArea *>(p->parentWidget());
                view && view->viewport() == p)
                scrolled = true;
        if (scrolled)
            continue;
        if (!w->parentWidget()->rect().contains(w->geometry()))
            outside << w->objectName() + u'/' + QString::fromLatin1(w->metaObject()->className());
        else if (auto *pushButton = qobject_cast<QPushButton *>(w);
                 pushButton && pushButton->width() < pushButton->minimumSizeHint().width())
            outside << pushButton->objectName() + QStringLiteral(" (caption cut)");
    }
    QVERIFY2(outside.isEmpty(), qPrintable(outside.join(QStringLiteral(", "))));
}

void TestWindowFit::learnYogaUsesItsRoomAndLeavesNoTrace_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addRow("1024x768") << QSize(1024, 768);
    QTest::addRow("1920x1080") << QSize(1920, 1080);
}

// Learn Yoga's page fills the document area below the strips shown, for
// lessons and for browsing, and browsing never moves the lesson menu; a module
// opened after it (with a browsing section open) opens as it does on its own.
void TestWindowFit::learnYogaUsesItsRoomAndLeavesNoTrace()
{
    QFETCH(QSize, size);
    TestSupport::MessageRecorder answerAll;
    layOut(size.width(), size.height());
    QMdiArea *area = mdi->DocumentArea();
    const auto openFrame = [area] {
        const QList<QMdiSubWindow *> open = area->subWindowList();
        return open.isEmpty() ? nullptr : open.constFirst();
    };
    buttons().at(5)->click(); // Learn Palmistry on its own
    QApplication::processEvents();
    QVERIFY(openFrame());
    const QRect alone = openFrame()->geometry();

    buttons().at(0)->click(); // Learn Yoga
    QApplication::processEvents();
    QWidget *menu = mdi->findChild<QWidget *>(QStringLiteral("picLeft"));
    const int menuTop = menu->mapTo(mdi.get(), QPoint(0, 0)).y();
    for (const char *section : {"Command6", "Command2", "Command7", "Command3"}) {
        mdi->findChild<QPushButton *>(QLatin1String(section))->click();
        QApplication::processEvents();
        QMdiSubWindow *page = openFrame();
        QVERIFY(page);
        QCOMPARE(page->geometry(), area->viewport()->rect());
        QCOMPARE(menu->mapTo(mdi.get(), QPoint(0, 0)).y(), menuTop);
    }
    buttons().at(5)->click(); // Learn Palmistry after a browsing section
    QApplication::processEvents();
    QVERIFY(openFrame());
    QCOMPARE(openFrame()->geometry(), alone);
}

void TestWindowFit::contentsScrollOnlyBelowTheirMinimum_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<bool>("horizontal");
    QTest::addRow("roomy") << QSize(700, 420) << false << false;
    QTest::addRow("at the minimum") << QSize(600, 300) << false << false;
    QTest::addRow("too low") << QSize(700, 200) << true << false;
    QTest::addRow("too narrow") << QSize(400, 420) << false << true;
    QTest::addRow("too small") << QSize(300, 150) << true << true;
}

// A window with a long wrapped text and a minimum size of its own: its
// contents fill the window down to that minimum and scroll below it.
void TestWindowFit::contentsScrollOnlyBelowTheirMinimum()
{
    QFETCH(QSize, size);
    QFETCH(bool, vertical);
    QFETCH(bool, horizontal);
    ModuleWindow window(QStringLiteral("frmSample"), sandbox->host());
    window.menuBar()->addMenu(QStringLiteral("&File"));
    auto *contents = new QWidget;
    auto *layout = new QVBoxLayout(contents);
    auto *text = new TallWhenNarrow(
        QStringLiteral("A long paragraph that wraps onto many lines. ").repeated(30));
    layout->addWidget(text);
    auto *button = new QPushButton(QStringLiteral("Next"));
    layout->addWidget(button);
    window.setCentralWidget(contents);
    window.setMinimumSize(600, 300);
    window.resize(600, 300);
    window.ScrollContents();
    QCOMPARE(window.minimumSize(), QSize(0, 0));
    window.resize(size);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_COMPARE(window.size(), size);
    auto *scroll = window.findChild<QAbstractScrollArea *>(QStringLiteral("ModuleScrollArea"));
    QVERIFY(scroll);
    QCOMPARE(scroll->verticalScrollBar()->isVisible(), vertical);
    QCOMPARE(scroll->horizontalScrollBar()->isVisible(), horizontal);
    // The contents never get less than the window's old minimum, less its menu bar.
    QVERIFY(contents->width() >= 600);
    QVERIFY(contents->height() >= 300 - window.menuBar()->height());
    // Scrolled to the end, the bottom right corner of the contents (where the
    // button is) comes into view.
    scroll->verticalScrollBar()->setValue(scroll->verticalScrollBar()->maximum());
    scroll->horizontalScrollBar()->setValue(scroll->horizontalScrollBar()->maximum());
    const QRect shown(button->mapTo(scroll->viewport(), QPoint(0, 0)), button->size());
    QVERIFY(scroll->viewport()->rect().contains(shown.bottomRight()));
}

QTEST_MAIN(TestWindowFit)
#include "tst_window_fit.moc"
