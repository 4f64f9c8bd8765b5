#include "frmMDI.h"

#include "toolkit/AppInfo.h"
#include "toolkit/LinkLabel.h"
#include "toolkit/Look.h"
#include "ModuleButtonRow.h"
#include "toolkit/ModuleTable.h"
#include "KeyboardAccess.h"
#include "frmNagScreen2.h"
#include "toolkit/modHelp.h"

#include <QApplication>
#include <QCloseEvent>
#include <QShortcut>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

constexpr int kStartPanelHeightTwips = 10000;
constexpr int kExitButtonMarginTwips = 120;
// The start panel takes the window's height before the spacer above the
// bottom strip does.
constexpr int kFillStretch = 1000;

// A strip whose children are placed by hand; it re-runs the placement when it is resized.
class Strip : public QWidget {
public:
    Strip(const QString &name, QWidget *parent) : QWidget(parent) { setObjectName(name); }
    std::function<void(int)> onResize;

protected:
    void resizeEvent(QResizeEvent *event) override
    {
        QWidget::resizeEvent(event);
        if (onResize)
            onResize(width());
    }
};

void centreIn(QWidget *widget, int width)
{
    widget->move((width - widget->width()) / 2, widget->y());
}

} // namespace

frmMDI::frmMDI(Suite suite, QWidget *parent) : QMainWindow(parent), suite_(std::move(suite))
{
    setObjectName(QStringLiteral("frmMDI"));
    setWindowTitle(AppInfo::ApplicationTitle());
    setWindowIcon(Look::AppIcon());
    buildMenus();

    auto *central = new QWidget(this);
    central->setObjectName(QStringLiteral("MDIClient"));
    auto *layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildBannerStrip());
    layout->addWidget(buildButtonStrip());
    layout->addWidget(buildStartPanel(), kFillStretch);
    layout->addWidget(buildDocumentArea(), kFillStretch);
    // Room the start panel leaves below its full height goes above the bottom
    // strip, not between the strips at the top (the spacer stretches only
    // while the start panel is shown).
    layout->addStretch(0);
    spacerIndex_ = layout->count() - 1;
    layout->addWidget(buildBottomStrip());
    centralLayout_ = layout;
    setCentralWidget(central);
    setUpKeyboard();

    // Load step: place the banner, the button box, the start-panel labels and
    // the exit button for the screen's width and give the start panel its height.
    layOutStrips(AppInfo::ScreenWidthPixels());
    // What a module does once the main window is up (reading its command line).
    for (const ModuleEntry &module : suite_.modules.Entries())
        if (module.attach)
            module.attach(*this);
    ShowStartPanel();
    resize(1024, 700);
}

frmMDI::~frmMDI()
{
    // Child windows closing below move the focus; this window's members are gone by then.
    disconnect(focusWatch_);
}

void frmMDI::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    AddHelpMenus(menuBar(), this);
    for (const MainMenuBuilder &build : suite_.menus)
        build(menuBar(), *this);
}

QWidget *frmMDI::buildBannerStrip()
{
    auto *strip = new Strip(QStringLiteral("picTopMain"), this);
    picTopMain_ = strip;
    strip->setFixedHeight(30);
    Look::SetBackground(strip, QColor(0x2f, 0x4f, 0x6f));
    auto *banner = new LinkLabel(QStringLiteral("lblQuilloryBanner"),
                                 PublisherLinks::ForumBannerText(), strip);
    banner->setFont(Look::Verdana(9, true));
    Look::SetTextColour(banner, QColor(0xff, 0xe9, 0xa8));
    banner->adjustSize();
    banner->move(0, (30 - banner->height()) / 2);
    connect(banner, &LinkLabel::clicked, this, [] { OpenHomePage(); });
    lblQuilloryBanner_ = banner;
    strip->onResize = [this](int w) { centreIn(lblQuilloryBanner_, w); };
    return strip;
}

QWidget *frmMDI::buildButtonStrip()
{
    auto *strip = new Strip(QStringLiteral("picTop"), this);
    picTop_ = strip;
    strip->setFixedHeight(64);
    picButtonContainer_ = new ModuleButtonRow(strip);
    int position = 0;
    for (const ModuleEntry &module : suite_.modules.Entries()) {
        QPushButton *button =
            picButtonContainer_->AddModule(module.buttonIndex, module.name, module.picture);
        connect(button, &QPushButton::clicked, this, [this, &module] { SelectModule(module); });
        moduleButtons_ << button;
        // Ctrl+1 for the first module, Ctrl+2 for the second...
        if (++position <= 9) {
            const QKeySequence keys(QKeyCombination(Qt::ControlModifier, Qt::Key(Qt::Key_0 + position)));
            auto *shortcut = new QShortcut(keys, this);
            connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
            if (auto *caption = qobject_cast<CaptionButton *>(button))
                caption->SetShortcutText(keys.toString(QKeySequence::NativeText));
        }
    }
    picButtonContainer_->adjustSize();
    strip->onResize = [this](int w) { fitButtonRow(w); };
    return strip;
}

void frmMDI::setUpKeyboard()
{
    KeyboardAccess::Install();
    // F6 and Shift+F6 move between the module buttons and the module window,
    // the panes of this window.
    for (const QKeySequence &keys : {QKeySequence(Qt::Key_F6), QKeySequence(Qt::SHIFT | Qt::Key_F6)}) {
        auto *pane = new QShortcut(keys, this);
        pane->setContext(Qt::WindowShortcut);
        connect(pane, &QShortcut::activated, this, [this] { SwitchPane(); });
    }
    // While the focus is in a module window, its access keys and menus are the
    // ones that count: the main window's own are laid by until it leaves.
    focusWatch_ = connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        suspendOwnAccessKeys(now && mdiArea_->isAncestorOf(now));
    });
}

void frmMDI::SwitchPane()
{
    QWidget *focus = QApplication::focusWidget();
    QMdiSubWindow *module = mdiArea_->currentSubWindow();
    if (!module)
        if (const QList<QMdiSubWindow *> open = mdiArea_->subWindowList(); !open.isEmpty())
            module = open.constLast();
    const bool inModule = focus && mdiArea_->isAncestorOf(focus);
    if (!inModule && module && module->widget()) {
        mdiArea_->setActiveSubWindow(module);
        QWidget *inside = module->widget()->focusWidget();
        if (!inside || !inside->isVisible())
            module->widget()->nextInFocusChain()->setFocus(Qt::TabFocusReason);
        else
            inside->setFocus(Qt::TabFocusReason);
        if (!module->widget()->isAncestorOf(QApplication::focusWidget()))
            module->widget()->setFocus(Qt::TabFocusReason);
        return;
    }
    // To the module row: the button of the module on show, else the first.
    for (QPushButton *button : std::as_const(moduleButtons_))
        if (button->isVisible() && button->isEnabled()) {
            button->setFocus(Qt::TabFocusReason);
            return;
        }
}

void frmMDI::suspendOwnAccessKeys(bool suspend)
{
    if (suspend == accessKeysSuspended_)
        return;
    accessKeysSuspended_ = suspend;
    if (!suspend) {
        // Taken out first: a changed text can move the focus and call back in here.
        const QList<SuspendedKey> keys = std::exchange(suspendedKeys_, {});
        for (const SuspendedKey &key : keys) {
            if (key.action && key.action->text() == key.without)
                key.action->setText(key.with);
            if (key.button && key.button->text() == key.without)
                key.button->setText(key.with);
        }
        return;
    }
    const auto without = [](const QString &text) {
        QString plain = text;
        plain.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
        plain.remove(u'&');
        plain.replace(QStringLiteral("\x01"), QStringLiteral("&&"));
        return plain;
    };
    QList<SuspendedKey> keys;
    for (QAction *action : menuBar()->actions())
        if (const QString plain = without(action->text()); plain != action->text())
            keys.append({action, nullptr, action->text(), plain});
    for (QAbstractButton *button : findChildren<QAbstractButton *>())
        if (!mdiArea_->isAncestorOf(button))
            if (const QString plain = without(button->text()); plain != button->text())
                keys.append({nullptr, button, button->text(), plain});
    suspendedKeys_ += keys;
    for (const SuspendedKey &key : std::as_const(keys)) {
        if (key.action)
            key.action->setText(key.without);
        else if (key.button)
            key.button->setText(key.without);
    }
}

QWidget *frmMDI::buildStartPanel()
{
    auto *panel = new Strip(QStringLiteral("picMain"), this);
    picMain_ = panel;
    panel->setMouseTracking(true);
    panel->installEventFilter(this);
    Look::SetBackground(panel, QColor(0xfb, 0xf7, 0xee));
    panel->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);

    const auto addLabel = [&](int index, const QString &text, const QFont &font,
                              const ModuleEntry *module = nullptr) {
        QLabel *label;
        if (module) {
            auto *link = new LinkLabel(QStringLiteral("lblCaption(%1)").arg(index), text, panel);
            connect(link, &LinkLabel::clicked, this, [this, module] { SelectModule(*module); });
            moduleCaptions_.append(link);
            label = link;
        } else {
            label = new QLabel(text, panel);
            label->setObjectName(QStringLiteral("lblCaption(%1)").arg(index));
        }
        label->setFont(font);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setMouseTracking(true);
        // A move over a label is the label's own; the panel's handler must not see it too.
        label->setAttribute(Qt::WA_NoMousePropagation);
        label->installEventFilter(this);
        captions_.append(label);
        return label;
    };
    addLabel(6, QStringLiteral("Welcome to Vessa Orrenic Learning Suite II"), Look::Verdana(16, true));
    QLabel *paragraph = addLabel(7,
             QStringLiteral(
                 "Welcome to the second edition of the Vessa Orrenic Learning Suite! Here is your "
                 "chance to make use of our free resources and improve your knowledge of Dream "
                 "Interpretation, Palmistry, Yoga, Cartomancy and Aromatherapy. Learn from the "
                 "basics and understand your personality better than ever before."),
             Look::Verdana(10));
    paragraph->setWordWrap(true);
    addLabel(5, QStringLiteral("Vessa Orrenic Learning Suite II includes the following programs"),
             Look::Verdana(10, true));
    // One link a module, in the order of the modules' label numbers.
    std::vector<const ModuleEntry *> modules;
    for (const ModuleEntry &module : suite_.modules.Entries())
        modules.push_back(&module);
    std::stable_sort(modules.begin(), modules.end(),
                     [](const ModuleEntry *a, const ModuleEntry *b) { return a->labelIndex < b->labelIndex; });
    for (const ModuleEntry *module : modules)
        Look::SetTextColour(addLabel(module->labelIndex, module->name, Look::Verdana(12, true), module),
                            Look::AccentBrown);
    panel->onResize = [this](int w) { placeStartPanel(w); };
    return panel;
}

// Stacks the start panel's labels from the top, the paragraph wrapped to fit
// the width, each label centred.
void frmMDI::placeStartPanel(int width)
{
    int y = 18;
    // The title, the paragraph, the line over the links, then the links.
    const int gaps[] = {14, 22, 16};
    for (qsizetype i = 0; i < captions_.size(); ++i) {
        QLabel *label = captions_[i];
        const int gapAfter = i < 3 ? gaps[i] : 10;
        if (label->wordWrap()) {
            const int w = qMax(200, qMin(820, width - 40));
            label->setFixedSize(w, label->heightForWidth(w));
        } else {
            label->adjustSize();
        }
        label->move((width - label->width()) / 2, y);
        y += label->height() + gapAfter;
    }
    picMain_->setMinimumHeight(y);
}

QWidget *frmMDI::buildDocumentArea()
{
    // The document area that holds the module windows, with a panel a module
    // may fill beside it (left) and one above it: the top panel spans the
    // document area only, so showing it never moves the left one.
    auto *column = new QWidget(this);
    column->setObjectName(QStringLiteral("DocumentColumn"));
    auto *row = new QHBoxLayout(column);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    const auto makePanel = [](const QString &name, QWidget *parent) {
        auto *panel = new QWidget(parent);
        panel->setObjectName(name);
        auto *layout = new QVBoxLayout(panel);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        panel->hide();
        return panel;
    };
    leftPanel_ = makePanel(QStringLiteral("LeftPanel"), column);
    row->addWidget(leftPanel_);

    documentRow_ = new QWidget(column);
    documentRow_->setObjectName(QStringLiteral("DocumentRow"));
    auto *right = new QVBoxLayout(documentRow_);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(0);
    topPanel_ = makePanel(QStringLiteral("TopPanel"), documentRow_);
    right->addWidget(topPanel_);
    mdiArea_ = new QMdiArea(documentRow_);
    mdiArea_->setObjectName(QStringLiteral("mdiArea"));
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    right->addWidget(mdiArea_, 1);
    row->addWidget(documentRow_, 1);
    return column;
}

QWidget *frmMDI::buildBottomStrip()
{
    auto *strip = new Strip(QStringLiteral("PicCoBrand"), this);
    picCoBrand_ = strip;
    strip->setFixedHeight(44);
    label7_ = PublisherLinks::FullBrand(QStringLiteral("Label7"), strip);
    label7_->setFont(Look::Verdana(9));
    label7_->setWordWrap(true);
    label7_->setGeometry(10, 4, 760, 36);
    cmdMdiExit_ = new QPushButton(QStringLiteral("&Exit"), strip);
    cmdMdiExit_->setObjectName(QStringLiteral("cmdMdiExit"));
    cmdMdiExit_->setFont(Look::Verdana(9, true));
    cmdMdiExit_->setFixedSize(96, 32);
    cmdMdiExit_->move(0, 6);
    connect(cmdMdiExit_, &QPushButton::clicked, this, &QWidget::close);
    strip->onResize = [this](int w) {
        cmdMdiExit_->move(w - cmdMdiExit_->width() - AppInfo::TwipsToPixels(kExitButtonMarginTwips),
                          cmdMdiExit_->y());
        label7_->setFixedWidth(qMax(200, cmdMdiExit_->x() - 20));
    };
    return strip;
}

// The module buttons shrink in readable steps until the row fits the width
// (smaller pictures, two-line captions, no pictures, shortened captions), so
// no button is cut off; the row stays centred.
void frmMDI::fitButtonRow(int width)
{
    picButtonContainer_->FitToWidth(width);
    centreIn(picButtonContainer_, width);
    // Two-line captions may make the row taller than the strip.
    picTop_->setFixedHeight(qMax(64, picButtonContainer_->height()));
    picButtonContainer_->move(picButtonContainer_->x(),
                              (picTop_->height() - picButtonContainer_->height()) / 2);
}

void frmMDI::layOutStrips(int width)
{
    centreIn(lblQuilloryBanner_, width);
    centreIn(picButtonContainer_, width);
    placeStartPanel(width);
    cmdMdiExit_->move(width - cmdMdiExit_->width() - AppInfo::TwipsToPixels(kExitButtonMarginTwips),
                      cmdMdiExit_->y());
}

void frmMDI::SelectModule(const ModuleEntry &module)
{
    closeAllModuleWindows();
    HideStartPanel();
    // Another module's panels go; the module's own stay as it left them.
    if (leftPanelOwner_ != module.name)
        leftPanel_->hide();
    if (topPanelOwner_ != module.name)
        topPanel_->hide();
    if (module.open)
        module.open(*this);
}

QWidget *frmMDI::ModulePanel(Panel side, const QString &owner)
{
    (side == Panel::Left ? leftPanelOwner_ : topPanelOwner_) = owner;
    return side == Panel::Left ? leftPanel_ : topPanel_;
}

void frmMDI::SelectModule(const QString &name)
{
    if (const ModuleEntry *module = suite_.modules.ByName(name))
        SelectModule(*module);
}

void frmMDI::OpenFiles(const QStringList &files)
{
    // A module shows one file at a time, so of several for the same module
    // only the last is opened: opening each in turn would only replace the one
    // before, at the cost of a module window per file.
    QList<const ModuleEntry *> modules;
    QStringList last;
    for (const QString &file : files) {
        if (const ModuleEntry *module = suite_.modules.ForFile(file)) {
            const qsizetype at = modules.indexOf(module);
            if (at >= 0) {
                last[at] = file;
            } else {
                modules << module;
                last << file;
            }
        }
    }
    for (qsizetype i = 0; i < modules.size(); ++i) {
        SelectModule(*modules[i]);
        modules[i]->openFile(*this, QFileInfo(last[i]).absoluteFilePath());
    }
}

// Closes every window a module opened: the listed ones in their fixed order,
// then any other in the order it was opened.
void frmMDI::closeAllModuleWindows()
{
    QList<QPointer<QWidget>> windows;
    for (const QPointer<QWidget> &window : std::as_const(moduleWindows_))
        if (window)
            windows.append(window);
    moduleWindows_.clear();
    std::stable_sort(windows.begin(), windows.end(),
                     [this](const QPointer<QWidget> &a, const QPointer<QWidget> &b) {
                         return suite_.modules.WindowClosingRank(a->objectName()) <
                                suite_.modules.WindowClosingRank(b->objectName());
                     });
    for (const QPointer<QWidget> &window : windows) {
        if (!window)
            continue; // closed together with an earlier one
        if (auto *module = qobject_cast<ModuleWindow *>(window.data()))
            module->CloseModule();
        else
            window->close();
    }
}

void frmMDI::ShowModuleWindow(QWidget *window, Placement placement)
{
    TrackModuleWindow(window);
    // The strips of the module before may just have been hidden: the document
    // area is measured as laid out now, not as it was.
    QList<QWidget *> chain;
    for (QWidget *w = mdiArea_; w && w != this; w = w->parentWidget())
        chain.prepend(w);
    for (QWidget *w : std::as_const(chain))
        if (w->layout())
            w->layout()->activate();
    if (placement == Placement::TopLeftBorderless) {
        QMdiSubWindow *frame = mdiArea_->addSubWindow(window, Qt::FramelessWindowHint);
        frame->setAttribute(Qt::WA_DeleteOnClose);
        frame->move(0, 0);
        frame->show();
        return;
    }
    // A window larger than the document area gets a smaller frame and scrolls its contents.
    if (auto *module = qobject_cast<ModuleWindow *>(window))
        module->ScrollContents();
    QMdiSubWindow *frame = mdiArea_->addSubWindow(window);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowIcon(window->windowIcon().isNull() ? windowIcon() : window->windowIcon());
    const QSize wanted = window->size().expandedTo(window->minimumSizeHint());
    // The frame's margins include its title bar.
    const QMargins border = frame->contentsMargins();
    QSize size = wanted.grownBy(border);
    const QSize available = mdiArea_->viewport()->size();
    if (available.height() > 100 && size.height() > available.height()) {
        // The contents will scroll: room for the scroll bar beside them.
        size.setHeight(available.height());
        size.rwidth() += window->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, window);
    }
    if (available.width() > 100)
        size.setWidth(qMin(size.width(), available.width()));
    frame->resize(size);
    frame->show();
    // Centred on the screen's width, top edge at the top of the document area;
    // a window wider than the screen starts at the area's left edge instead of
    // being cut off there, and one that would reach past the right edge moves left.
    const int centred = (AppInfo::ScreenWidthPixels() - frame->width()) / 2;
    const int room = mdiArea_->viewport()->width() - frame->width();
    frame->move(std::clamp(centred, 0, std::max(0, room)), 0);
    window->activateWindow();
}

void frmMDI::TrackModuleWindow(QWidget *window)
{
    for (const QPointer<QWidget> &known : std::as_const(moduleWindows_))
        if (known == window)
            return;
    moduleWindows_.append(window);
}

void frmMDI::ShowStartPanel()
{
    picMain_->setMaximumHeight(AppInfo::TwipsToPixels(kStartPanelHeightTwips));
    picMain_->show();
    // The start panel covers the document area while it is shown.
    documentRow_->parentWidget()->hide();
    centralLayout_->setStretch(spacerIndex_, 1);
}

void frmMDI::HideStartPanel()
{
    picMain_->hide();
    centralLayout_->setStretch(spacerIndex_, 0);
    documentRow_->parentWidget()->show();
}

void frmMDI::setLinkUnderline(QLabel *label, bool on)
{
    QFont font = label->font();
    if (font.underline() == on)
        return;
    font.setUnderline(on);
    label->setFont(font);
}

bool frmMDI::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        if (watched == picMain_) {
            for (QLabel *label : std::as_const(captions_))
                setLinkUnderline(label, false);
        } else {
            for (QLabel *label : std::as_const(moduleCaptions_))
                if (watched == label)
                    setLinkUnderline(label, true);
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMDI::closeEvent(QCloseEvent *event)
{
    // The exit window outlives the main window; closing it ends the program.
    auto *exitWindow = new frmNagScreen2();
    exitWindow->show();
    closeAllModuleWindows();
    mdiArea_->closeAllSubWindows();
    event->accept();
}
