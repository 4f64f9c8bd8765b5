#include "LearnYogaStrips.h"

#include "LessonContent.h"
#include "frmLearnYogaDisp.h"
#include "modLessonPages.h"
#include "toolkit/Look.h"
#include "toolkit/ModuleHost.h"
#include "toolkit/ReportView.h"

#include <QComboBox>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace {

const QString kModuleName = QStringLiteral("Learn Yoga");
// Where the browsing strip's lists and picture start, from the strip's left
// edge (260 pixels from the window's, beside the 220-pixel lesson menu).
constexpr int kContainerLeft = 40;


// Twips to pixels, to the nearest pixel (4000 twips make a 267 pixel button).
constexpr int px(int twips) { return (twips + 7) / 15; }

// Room around the browsing strip's contents, in pixels.
constexpr int kStripMargin = 6;
constexpr int kPictureSize = 250; // picYoga: 3750 x 3750 twips
constexpr int kPanelWidth = 440;  // the browsing panels beside the picture
constexpr int kPanelGap = 12;
// picLeft: the section buttons and a thin gap before the document area.
constexpr int kMenuWidth = px(LearnYoga::kSectionButtonWidth) + 3;

const QColor kSectionColour(255, 192, 255);
const QColor kLessonColour(192, 192, 255);

struct SectionInfo {
    const char *caption;
    int firstLesson; // index in kLessons of the first lesson, -1 for a browsing section
};
constexpr std::array<SectionInfo, LearnYoga::SectionCount> kSections = {{
    {"Information on Yoga", 0},
    {"Yoga Asanas By Name", -1},
    {"Yoga Asanas By Body Parts", -1},
    {"Yoga Asanas By Therapeutic Applications", -1},
    {"Meditation", 6},
    {"Pranayam", 11},
    {"Surya Namaskar", 17},
}};

QString indexed(const char *name, int index)
{
    return QString::fromLatin1(name) + QLatin1Char('(') + QString::number(index) + QLatin1Char(')');
}

// Gives a widget (a button, or a panel whose buttons inherit it) its font and button colour.
void setLook(QWidget *widget, const QFont &font, const QColor &colour)
{
    widget->setFont(font);
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
}

QPushButton *makeButton(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QLabel *makeCaption(int index, const QString &text, QWidget *panel, int y)
{
    auto *label = new QLabel(text, panel);
    label->setObjectName(indexed("lblCaption", index));
    label->setFont(Look::Verdana(9, true));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(0, y, kPanelWidth, label->heightForWidth(kPanelWidth));
    return label;
}

// The list controls take the panel's Verdana: setting a font on a drop-down
// list would build its pop-up at once, which start-up does not need.
QComboBox *makeCombo(const QString &name, QWidget *panel, int y)
{
    auto *combo = new QComboBox(panel);
    combo->setObjectName(name);
    combo->setMaxVisibleItems(16);
    combo->setGeometry(0, y, kPanelWidth, 26);
    return combo;
}

QListWidget *makeList(const QString &name, QWidget *panel, int y, int height)
{
    auto *list = new QListWidget(panel);
    list->setObjectName(name);
    list->setGeometry(0, y, kPanelWidth, height);
    return list;
}

// Clears the list and fills it with the names, without running its click.
void refill(QListWidget *list, const QStringList &names)
{
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItems(names);
}

} // namespace

LearnYogaStrips::LearnYogaStrips(ModuleHost &host) : QObject(host.MainWindow()), host_(host)
{
    setObjectName(QStringLiteral("LearnYogaStrips"));
    main_ = host.MainWindow();
    // The lesson menu beside the document area, the browsing strip above it:
    // the module's own widgets in the panels the main window lends it.
    leftPanel_ = host.ModulePanel(ModuleHost::Panel::Left, kModuleName);
    topPanel_ = host.ModulePanel(ModuleHost::Panel::Top, kModuleName);
    if (!leftPanel_ || !topPanel_ || !leftPanel_->layout() || !topPanel_->layout())
        return;
    picLeft_ = new QWidget(leftPanel_);
    picLeft_->setObjectName(QStringLiteral("picLeft"));
    leftPanel_->layout()->addWidget(picLeft_);
    picTop1_ = new QWidget(topPanel_);
    picTop1_->setObjectName(QStringLiteral("picTop1"));
    topPanel_->layout()->addWidget(picTop1_);
    picContainer_ = new QWidget(picTop1_);
    picContainer_->setObjectName(QStringLiteral("picContainer"));
    picContainer_->move(kContainerLeft, 0);

    buildMenu();
    buildBrowsingPanels();
    fillLists();
    setTabOrder();
    applyMenu();
}

LearnYogaStrips *LearnYogaStrips::Of(QMainWindow *mainWindow)
{
    if (!mainWindow)
        return nullptr;
    return mainWindow->findChild<LearnYogaStrips *>(QStringLiteral("LearnYogaStrips"),
                                                    Qt::FindDirectChildrenOnly);
}

void LearnYogaStrips::buildMenu()
{
    picLeft_->setFixedWidth(kMenuWidth);
    const QFont sectionFont = Look::Verdana(8, true);
    const QFont lessonFont = Look::Verdana(8);
    // Each section's button, then its panel of lesson buttons; the panels
    // start hidden and the accordion puts everything in place.
    for (int s = 1; s <= LearnYoga::SectionCount; ++s) {
        const SectionInfo &info = kSections[std::size_t(s - 1)];
        QPushButton *button =
            makeButton(QStringLiteral("Command%1").arg(s), QString::fromLatin1(info.caption), picLeft_);
        setLook(button, sectionFont, kSectionColour);
        button->setGeometry(0, 0, px(LearnYoga::kSectionButtonWidth),
                            px(LearnYoga::kSectionButtonHeight));
        connect(button, &QPushButton::clicked, this, [this, s] { SectionClick(s); });
        button->installEventFilter(this);
        sectionButtons_[std::size_t(s - 1)] = button;
        if (info.firstLesson < 0)
            continue;

        auto *panel = new QWidget(picLeft_);
        panel->setObjectName(QStringLiteral("Picture%1").arg(s));
        panel->setGeometry(0, 0, px(LearnYoga::kSectionButtonWidth), px(LearnYoga::PanelHeight(s)));
        panel->hide();
        setLook(panel, lessonFont, kLessonColour); // before its buttons, which inherit it
        panels_[std::size_t(s - 1)] = panel;
        for (int i = 0; i < LearnYoga::LessonCount(s); ++i) {
            const int lesson = info.firstLesson + i;
            const LearnYogaContent::Page &page = LearnYogaContent::kLessons[std::size_t(lesson)];
            // The caption as stored: "&&" shows one "&" on the button.
            QPushButton *lessonButton =
                makeButton(QString::fromLatin1(page.button), QString::fromLatin1(page.title), panel);
            lessonButton->setGeometry(px(LearnYoga::kLessonButtonLeft),
                                      i * px(LearnYoga::kLessonButtonHeight),
                                      px(LearnYoga::kLessonButtonWidth),
                                      px(LearnYoga::kLessonButtonHeight));
            connect(lessonButton, &QPushButton::clicked, this, [this, lesson] { LessonClick(lesson); });
            lessonButton->installEventFilter(this);
            lessonButtons_[std::size_t(lesson)] = lessonButton;
        }
    }
}

void LearnYogaStrips::buildBrowsingPanels()
{
    const int stripHeight = kPictureSize + 2 * kStripMargin;
    picTop1_->setFixedHeight(stripHeight);
    picContainer_->setGeometry(picContainer_->x(), 0, kPanelWidth + kPanelGap + kPictureSize,
                               stripHeight);

    const auto makePanel = [this](int section) {
        auto *panel = new QWidget(picContainer_);
        panel->setObjectName(QStringLiteral("Picture%1").arg(section));
        panel->setFont(Look::Verdana(9));
        panel->setGeometry(0, kStripMargin, kPanelWidth, kPictureSize);
        panel->hide();
        panels_[std::size_t(section - 1)] = panel;
        return panel;
    };
    const QString selectAsana =
        QStringLiteral("Select the asana from the following list to get its corresponding details");

    QWidget *byName = makePanel(2);
    QLabel *caption = makeCaption(0, selectAsana, byName, 0);
    cboAsanasByName_ = makeCombo(QStringLiteral("cboAsanasByName"), byName, caption->height() + 4);

    // A panel of a drop-down list and the list box of its asanas below it.
    const auto makeListPanel = [&](int section, int comboCaption, const QString &comboText,
                                   int listCaption, const QString &comboName,
                                   const QString &listName, QComboBox *&combo,
                                   QListWidget *&list) {
        QWidget *panel = makePanel(section);
        QLabel *top = makeCaption(comboCaption, comboText, panel, 0);
        combo = makeCombo(comboName, panel, top->height() + 4);
        QLabel *below = makeCaption(listCaption, selectAsana, panel, combo->geometry().bottom() + 10);
        const int listTop = below->geometry().bottom() + 5;
        list = makeList(listName, panel, listTop, kPictureSize - listTop);
    };
    makeListPanel(3, 3, QStringLiteral("Select the Body Part to get the corresponding asanas list"), 4,
                  QStringLiteral("cboAsanasByBodyPart"), QStringLiteral("lstAsanasByBodyPart"),
                  cboAsanasByBodyPart_, lstAsanasByBodyPart_);
    makeListPanel(4, 1,
                  QStringLiteral("Select the Therapeutic Application to get the corresponding asanas"),
                  2, QStringLiteral("cboAsanasByTherapeuticApplications"),
                  QStringLiteral("lstAsanasByTherapeuticApplications"),
                  cboAsanasByTherapeuticApplications_, lstAsanasByTherapeuticApplications_);

    picYoga_ = new QLabel(picContainer_);
    picYoga_->setObjectName(QStringLiteral("picYoga"));
    picYoga_->setGeometry(kPanelWidth + kPanelGap, kStripMargin, kPictureSize, kPictureSize);
    picYoga_->setAlignment(Qt::AlignCenter);
}

// The three drop-down lists, filled once in list order. Their click runs on
// a choice of the user (also of the entry already chosen); the first actions
// of the browsing sections select entry 0 and run it themselves.
void LearnYogaStrips::fillLists()
{
    cboAsanasByName_->addItems(LearnYoga::YogasanaNames());
    cboAsanasByBodyPart_->addItems(LearnYoga::BodyPartNames());
    cboAsanasByTherapeuticApplications_->addItems(LearnYoga::ApplicationNames());

    connect(cboAsanasByName_, &QComboBox::activated, this, [this] { cboAsanasByName_Click(); });
    connect(cboAsanasByBodyPart_, &QComboBox::activated, this, [this] { cboAsanasByBodyPart_Click(); });
    connect(cboAsanasByTherapeuticApplications_, &QComboBox::activated, this,
            [this] { cboAsanasByTherapeuticApplications_Click(); });
    // A list shows the asana when its selection moves (mouse or keys), and
    // again on a click on the entry already selected when another page is shown.
    for (QListWidget *list : {lstAsanasByBodyPart_, lstAsanasByTherapeuticApplications_}) {
        const auto click = list == lstAsanasByBodyPart_
                               ? &LearnYogaStrips::lstAsanasByBodyPart_Click
                               : &LearnYogaStrips::lstAsanasByTherapeuticApplications_Click;
        connect(list, &QListWidget::currentRowChanged, this, [this, click] { (this->*click)(); });
        connect(list, &QListWidget::itemClicked, this, [this, click](QListWidgetItem *item) {
            if (item && item->text().trimmed() != shownAsana_)
                (this->*click)();
        });
    }
}

// Tab moves down the menu; a browsing section's controls come right after its button.
void LearnYogaStrips::setTabOrder()
{
    QList<QWidget *> chain;
    for (int s = 1; s <= LearnYoga::SectionCount; ++s) {
        chain.append(sectionButtons_[std::size_t(s - 1)]);
        if (s == 2)
            chain.append(cboAsanasByName_);
        if (s == 3)
            chain << cboAsanasByBodyPart_ << lstAsanasByBodyPart_;
        if (s == 4)
            chain << cboAsanasByTherapeuticApplications_ << lstAsanasByTherapeuticApplications_;
        const int first = kSections[std::size_t(s - 1)].firstLesson;
        for (int i = 0; first >= 0 && i < LearnYoga::LessonCount(s); ++i)
            chain.append(lessonButtons_[std::size_t(first + i)]);
    }
    for (qsizetype i = 1; i < chain.size(); ++i)
        QWidget::setTabOrder(chain.at(i - 1), chain.at(i));
}

// Puts the buttons and panels where the menu's state says.
void LearnYogaStrips::applyMenu()
{
    for (int s = 1; s <= LearnYoga::SectionCount; ++s) {
        QPushButton *button = sectionButtons_[std::size_t(s - 1)];
        button->move(0, px(menu_.ButtonTop(s)));
        QWidget *panel = panels_[std::size_t(s - 1)];
        if (!LearnYoga::IsBrowsingSection(s))
            panel->move(0, px(menu_.PanelTop(s)));
        panel->setVisible(menu_.PanelVisible(s));
    }
}

void LearnYogaStrips::Open()
{
    if (!picLeft_)
        return;
    leftPanel_->show();
    frmLearnYogaDisp *window = openDisplay();
    sizeDisplay();
    // A freshly opened window is empty: the introduction is written without emptying it.
    LearnYoga::WritePage(window->View(), LearnYoga::LessonPage(LearnYogaContent::kIntroduction, false));
    shownAsana_.clear();
}

frmLearnYogaDisp *LearnYogaStrips::openDisplay()
{
    auto *window = new frmLearnYogaDisp(host_);
    connect(window, &frmLearnYogaDisp::Closing, this, [this, window] {
        if (display_ == window)
            display_ = nullptr;
    });
    display_ = window;
    host_.ShowModuleWindow(window, ModuleHost::Placement::TopLeftBorderless);
    if (auto *frame = qobject_cast<QMdiSubWindow *>(window->parentWidget())) {
        QMdiArea *area = frame->mdiArea();
        if (area && watchedArea_ != area->viewport()) {
            watchedArea_ = area->viewport();
            watchedArea_->installEventFilter(this);
        }
    }
    return window;
}

frmLearnYogaDisp *LearnYogaStrips::display()
{
    if (display_)
        return display_;
    frmLearnYogaDisp *window = openDisplay();
    sizeDisplay();
    return window;
}

// Sizes the display window to fill the document area as it is now laid out.
void LearnYogaStrips::sizeDisplay()
{
    if (!display_ || sizingBusy_)
        return;
    sizingBusy_ = true;
    // Showing or hiding the browsing strip changes the document area: lay it
    // out now rather than when the events are next processed.
    for (QWidget *w : {topPanel_->parentWidget(), leftPanel_->parentWidget()})
        if (w && w->layout())
            w->layout()->activate();
    if (watchedArea_)
        display_->SetDisplaySize(LearnYoga::DisplaySize(watchedArea_->size()));
    sizingBusy_ = false;
}

bool LearnYogaStrips::eventFilter(QObject *watched, QEvent *event)
{
    // Up and Down go through the menu's buttons as they stand, sections and
    // open lessons alike; Enter and Space press them.
    if (event->type() == QEvent::KeyPress && picLeft_ && picLeft_->isAncestorOf(qobject_cast<QWidget *>(watched))) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            QList<QPushButton *> shown;
            for (QPushButton *button : picLeft_->findChildren<QPushButton *>())
                if (button->isVisible())
                    shown << button;
            std::sort(shown.begin(), shown.end(), [this](QWidget *a, QWidget *b) {
                return a->mapTo(picLeft_, QPoint(0, 0)).y() < b->mapTo(picLeft_, QPoint(0, 0)).y();
            });
            const qsizetype at = shown.indexOf(static_cast<QPushButton *>(watched));
            const qsizetype next = at + (key == Qt::Key_Down ? 1 : -1);
            if (at >= 0 && next >= 0 && next < shown.size())
                shown[next]->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    // The document area changed size (main window resized, strip shown or
    // hidden): keep the display within it.
    if (watched == watchedArea_ && event->type() == QEvent::Resize && display_)
        sizeDisplay();
    return QObject::eventFilter(watched, event);
}

void LearnYogaStrips::SectionClick(int section)
{
    if (section < 1 || section > LearnYoga::SectionCount || !picLeft_)
        return;
    const bool browsing = LearnYoga::IsBrowsingSection(section);
    topPanel_->setVisible(browsing);
    display();
    sizeDisplay();
    menu_.Click(section);
    applyMenu();
    firstAction(section);
}

void LearnYogaStrips::firstAction(int section)
{
    const auto selectFirst = [](QComboBox *combo) {
        const QSignalBlocker quiet(combo);
        combo->setCurrentIndex(0);
    };
    switch (section) {
    case 2:
        selectFirst(cboAsanasByName_);
        cboAsanasByName_Click();
        break;
    case 3:
        selectFirst(cboAsanasByBodyPart_);
        cboAsanasByBodyPart_Click();
        break;
    case 4:
        selectFirst(cboAsanasByTherapeuticApplications_);
        cboAsanasByTherapeuticApplications_Click();
        break;
    default:
        LessonClick(kSections[std::size_t(section - 1)].firstLesson);
        break;
    }
}

void LearnYogaStrips::LessonClick(int lesson)
{
    if (lesson < 0 || lesson >= int(LearnYogaContent::kLessons.size()))
        return;
    frmLearnYogaDisp *window = display();
    LearnYoga::WritePage(window->View(),
                         LearnYoga::LessonPage(LearnYogaContent::kLessons[std::size_t(lesson)], true));
    shownAsana_.clear();
}

void LearnYogaStrips::ShowYogasana(const QString &name)
{
    LearnYoga::LoadYogasanaCatalogue(records_);
    const int record = LearnYoga::FindYogasana(records_, name);
    if (record < 0 || !picYoga_)
        return;
    QTextEdit *view = display()->View();
    RTB::Empty(view);
    picYoga_->setPixmap(Look::Picture(LearnYoga::YogasanaPicturePath(record),
                                      QSize(kPictureSize, kPictureSize)));
    picYoga_->setAccessibleName(name);
    shownPicture_ = record + 1;
    LearnYoga::WritePage(view, LearnYoga::YogasanaPage(records_[std::size_t(record)]));
    shownAsana_ = name;
}

void LearnYogaStrips::ListAsanasByBodyPart(const QString &bodyPart)
{
    if (!lstAsanasByBodyPart_)
        return;
    LearnYoga::LoadYogasanaCatalogue(records_);
    refill(lstAsanasByBodyPart_,
           LearnYoga::AsanaNames(records_, LearnYoga::AsanasForBodyPart(bodyPart)));
}

void LearnYogaStrips::ListAsanasByApplication(const QString &application)
{
    if (!lstAsanasByTherapeuticApplications_)
        return;
    LearnYoga::LoadYogasanaCatalogue(records_);
    refill(lstAsanasByTherapeuticApplications_,
           LearnYoga::AsanaNames(records_, LearnYoga::AsanasForApplication(application)));
}

void LearnYogaStrips::cboAsanasByName_Click()
{
    ShowYogasana(cboAsanasByName_->currentText().trimmed());
}

void LearnYogaStrips::cboAsanasByBodyPart_Click()
{
    ListAsanasByBodyPart(cboAsanasByBodyPart_->currentText());
    {
        const QSignalBlocker quiet(lstAsanasByBodyPart_);
        lstAsanasByBodyPart_->setCurrentRow(0);
    }
    lstAsanasByBodyPart_Click();
}

void LearnYogaStrips::lstAsanasByBodyPart_Click()
{
    if (QListWidgetItem *item = lstAsanasByBodyPart_->currentItem())
        ShowYogasana(item->text().trimmed());
}

void LearnYogaStrips::cboAsanasByTherapeuticApplications_Click()
{
    ListAsanasByApplication(cboAsanasByTherapeuticApplications_->currentText());
    {
        const QSignalBlocker quiet(lstAsanasByTherapeuticApplications_);
        lstAsanasByTherapeuticApplications_->setCurrentRow(0);
    }
    lstAsanasByTherapeuticApplications_Click();
}

void LearnYogaStrips::lstAsanasByTherapeuticApplications_Click()
{
    if (QListWidgetItem *item = lstAsanasByTherapeuticApplications_->currentItem())
        ShowYogasana(item->text().trimmed());
}
