#include "frmZodiacYogaDisplay.h"

#include "ZodiacContent.h"
#include "frmZodiacYogaMain.h"
#include "frmZodiacYogaSave.h"
#include "modSunSignYoga.h"
#include "modYogasana.h"
#include "toolkit/LinkLabel.h"
#include "toolkit/Look.h"
#include "toolkit/modHelp.h"
#include "toolkit/modRTB.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setFont(Look::Verdana(9, true));
    Look::SetTextColour(label, Look::HeadingGreen);
    label->setWordWrap(true);
    return label;
}

// A page that scrolls when the window is smaller than its contents.
QScrollArea *scrolling(QWidget *content)
{
    auto *area = new QScrollArea;
    area->setWidget(content);
    area->setWidgetResizable(true);
    area->setFrameShape(QFrame::NoFrame);
    return area;
}

QString fromContent(const char *text) { return QString::fromLatin1(text); }

const char *const kSignTexts[12] = {"Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo",
                                    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius",
                                    "Pisces"};

// The text boxes that empty the clipboard when used; the two trait boxes do not.
constexpr bool kGuarded = true;

} // namespace

frmZodiacYogaDisplay::frmZodiacYogaDisplay(frmZodiacYogaMain *entry, ZodiacReading reading)
    : ModuleWindow(QStringLiteral("frmZodiacYogaDisplay"), entry->Host()), entry_(entry),
      reading_(std::move(reading))
{
    setWindowTitle(QStringLiteral("Vessa Zodiac Yoga "));
    buildMenus();

    auto *body = new QWidget(this);
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(8, 6, 8, 4);
    layout->setSpacing(6);

    SSTab1_ = new QTabWidget(body);
    SSTab1_->setObjectName(QStringLiteral("SSTab1"));
    SSTab1_->setFont(Look::Verdana(9));
    SSTab1_->addTab(buildCharacteristicsPage(), QStringLiteral("Sun Sign Characteristics"));
    SSTab1_->addTab(buildHealthPage(), QStringLiteral("Health Ailments"));
    SSTab1_->addTab(buildAsanaPage(), QStringLiteral("Yoga Asanas"));
    SSTab1_->setCurrentIndex(0);
    layout->addWidget(SSTab1_, 1);

    auto *buttons = new QHBoxLayout;
    const auto button = [&](const char *name, const QString &caption, auto slot) {
        auto *b = new QPushButton(caption, body);
        b->setObjectName(QString::fromLatin1(name));
        b->setFont(Look::Verdana(9, true));
        b->setMinimumWidth(120);
        connect(b, &QPushButton::clicked, this, slot);
        buttons->addWidget(b);
        return b;
    };
    buttons->addStretch();
    button("cmdPrint", QStringLiteral("&Print"), &frmZodiacYogaDisplay::cmdPrint_Click);
    button("cmdBack", QStringLiteral("&Back To Main Page"), &frmZodiacYogaDisplay::cmdBack_Click);
    button("cmdExit", QStringLiteral("&Exit"), &ModuleWindow::CloseModule);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addWidget(PublisherLinks::Strip(body));
    setCentralWidget(body);
    resize(1000, 560);
}

void frmZodiacYogaDisplay::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *print = file->addAction(QStringLiteral("&Print"));
    print->setObjectName(QStringLiteral("mnuPrint"));
    connect(print, &QAction::triggered, this, &frmZodiacYogaDisplay::cmdPrint_Click);
    QAction *back = file->addAction(QStringLiteral("&Back To Main Page"));
    back->setObjectName(QStringLiteral("mnuFileBack"));
    connect(back, &QAction::triggered, this, &frmZodiacYogaDisplay::cmdBack_Click);
    QAction *exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &ModuleWindow::CloseModule);
    AddHelpMenus(menuBar(), this, HelpMenuCaptions{QStringLiteral("&Check for Software Update")});
}

QLabel *frmZodiacYogaDisplay::valueLabel(const char *name, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(Look::Verdana(9));
    Look::SetTextColour(label, Look::ValuePurple);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::NoTextInteraction);
    fields_.insert(label->objectName(), label);
    return label;
}

QPlainTextEdit *frmZodiacYogaDisplay::textBox(const char *name, QWidget *parent, bool guarded)
{
    auto *box = new QPlainTextEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setReadOnly(true);
    box->setFont(Look::Verdana(9));
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
    if (guarded)
        InstallClipboardGuard(box);
    fields_.insert(box->objectName(), box);
    return box;
}

QWidget *frmZodiacYogaDisplay::buildCharacteristicsPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("Frame7"));
    auto *layout = new QGridLayout(page);
    layout->setHorizontalSpacing(14);

    picSunSign_ = new QLabel(page);
    picSunSign_->setObjectName(QStringLiteral("picSunSign"));
    picSunSign_->setFixedSize(150, 150);
    picSunSign_->setAlignment(Qt::AlignCenter);
    layout->addWidget(picSunSign_, 0, 0, 2, 1, Qt::AlignTop);

    auto *facts = new QGridLayout;
    facts->setVerticalSpacing(4);
    facts->setHorizontalSpacing(12);
    struct Row { const char *heading; const char *field; };
    const Row rows[] = {
        {"Your Sun Sign", "lblSunSign"},           {"Element", "lblSunSignElement"},
        {"Lucky Number", "lblSunSignNumber"},      {"Lucky Color", "lblSunSignColor"},
        {"Lucky Day", "lblSunSignDay"},            {"Compatibility", "lblSunSignCompatibility"},
        {"Birthstone", "lblSunSignBirthStone"},    {"Quality", "lblSunSignQuality"},
    };
    int i = 0;
    for (const Row &row : rows) {
        QLabel *title = nullptr;
        if (QLatin1String(row.field) == QLatin1String("lblSunSignColor")) {
            auto *link = new LinkLabel(QStringLiteral("Label19"), QString::fromLatin1(row.heading), page);
            link->setFont(Look::Verdana(9, true));
            Look::SetTextColour(link, Look::HeadingGreen);
            connect(link, &LinkLabel::clicked, this, [] { OpenCoBrandPage(); });
            title = link;
        } else {
            title = heading(QString::fromLatin1(row.heading), page);
        }
        facts->addWidget(title, i / 2, (i % 2) * 2);
        facts->addWidget(valueLabel(row.field, page), i / 2, (i % 2) * 2 + 1);
        ++i;
    }
    facts->addWidget(heading(QStringLiteral("Famous Personalities born under this sign"), page), 4,
                     0, 1, 4);
    facts->addWidget(valueLabel("lblSunSignFamousPersonBorn", page), 5, 0, 1, 4);
    facts->setColumnStretch(1, 1);
    facts->setColumnStretch(3, 1);
    layout->addLayout(facts, 0, 1);

    auto *traits = new QGridLayout;
    traits->addWidget(heading(QStringLiteral("Positive Traits"), page), 0, 0);
    traits->addWidget(heading(QStringLiteral("Negative Traits"), page), 0, 1);
    traits->addWidget(textBox("txtSunSignPositiveTraits", page, false), 1, 0);
    traits->addWidget(textBox("txtSunSignNegativeTraits", page, false), 1, 1);
    layout->addLayout(traits, 1, 1);
    layout->setRowStretch(1, 1);
    layout->setColumnStretch(1, 1);
    return page;
}

QWidget *frmZodiacYogaDisplay::buildHealthPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("fraHealth"));
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(4, 4, 4, 4);
    ssTab_ = new QTabWidget(page);
    ssTab_->setObjectName(QStringLiteral("ssTab"));
    ssTab_->addTab(buildDietPage(), QStringLiteral("Sun Sign and Diet"));
    ssTab_->addTab(buildFitnessPage(), QStringLiteral("Sun Sign and Fitness"));
    ssTab_->setCurrentIndex(0);
    layout->addWidget(ssTab_);
    return page;
}

QWidget *frmZodiacYogaDisplay::buildDietPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("Frame1"));
    auto *layout = new QHBoxLayout(page);

    auto *left = new QGridLayout;
    left->setVerticalSpacing(4);
    left->addWidget(heading(QStringLiteral("Your Sun Sign"), page), 0, 0);
    left->addWidget(valueLabel("lblSunSignYourSunSign", page), 0, 1);
    left->addWidget(heading(QStringLiteral("Body Part Ruled By Sun Sign"), page), 1, 0);
    left->addWidget(valueLabel("lblBodyPartBySunSign", page), 1, 1);
    int row = 2;
    for (const auto &[title, name] : {std::pair{"Health Problems", "txtHealthProblems"},
                                      std::pair{"Required Diet", "txtRequiredDiet"},
                                      std::pair{"Diet to Avoid", "txtDiettoAvoid"},
                                      std::pair{"Diet Advice", "txtDietAdvice"}}) {
        left->addWidget(heading(QString::fromLatin1(title), page), row++, 0, 1, 2);
        QPlainTextEdit *box = textBox(name, page, kGuarded);
        box->setMinimumHeight(52);
        left->addWidget(box, row++, 0, 1, 2);
        left->setRowStretch(row - 1, 1);
    }
    left->setColumnStretch(1, 1);

    auto *right = new QVBoxLayout;
    auto *typeRow = new QHBoxLayout;
    typeRow->addWidget(heading(QStringLiteral("Constitution Type"), page));
    typeRow->addWidget(valueLabel("lblConstitutionType", page), 1);
    right->addLayout(typeRow);
    right->addWidget(valueLabel("lblConstitutionTypeDesc", page));

    const auto constitutionBox = [&](const char *frame, const QString &title, const char *type,
                                     const char *desc, const char *take, const char *avoid,
                                     const char *remedy) {
        auto *box = new QGroupBox(title, page);
        box->setObjectName(QString::fromLatin1(frame));
        box->setFont(Look::Verdana(9, true));
        auto *grid = new QGridLayout(box);
        grid->setVerticalSpacing(2);
        QLabel *typeLabel = valueLabel(type, box);
        typeLabel->setFont(Look::Verdana(9, true));
        grid->addWidget(typeLabel, 0, 0, 1, 2);
        QPlainTextEdit *descBox = textBox(desc, box, kGuarded);
        descBox->setMinimumHeight(48);
        grid->addWidget(descBox, 1, 0, 1, 2);
        int r = 2;
        for (const auto &[caption, name] : {std::pair{"Items to be taken", take},
                                            std::pair{"Items to Avoid", avoid},
                                            std::pair{"Remedy", remedy}}) {
            QLabel *h = heading(QString::fromLatin1(caption), box);
            h->setFixedWidth(120);
            grid->addWidget(h, r, 0, Qt::AlignTop);
            grid->addWidget(valueLabel(name, box), r++, 1);
        }
        grid->setColumnStretch(1, 1);
        return box;
    };
    right->addWidget(constitutionBox("Frame4", QStringLiteral("Excess"), "lblConstitutionTypeExcess",
                                     "txtConstitutionTypeExcessDesc", "lblExcessItemToBeTaken",
                                     "lblExcessItemToAvoid", "lblExcessRemedy"));
    right->addWidget(constitutionBox("Frame6", QStringLiteral("Low"), "lblConstitutionTypeLow",
                                     "txtConstitutionTypeLowDesc", "lblLowItemToBeTaken",
                                     "lblLowItemToAvoid", "lblLowRemedy"));
    right->addStretch();

    layout->addLayout(left, 2);
    layout->addLayout(right, 3);
    return scrolling(page);
}

QWidget *frmZodiacYogaDisplay::buildFitnessPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("Frame3"));
    auto *layout = new QVBoxLayout(page);
    auto *title = heading(QStringLiteral("Fitness Characteristics"), page);
    title->setFont(Look::Verdana(10, true));
    layout->addWidget(title);
    auto *grid = new QGridLayout;
    int i = 0;
    for (const char *name : {"lblAthletic", "lblMotivated", "lblEndurance", "lblFlexibility",
                             "lblRoutine", "lblTeamWork", "lblFocus", "lblvariety"}) {
        QLabel *value = valueLabel(name, page);
        value->setFont(Look::Verdana(10));
        Look::SetTextColour(value, QColor(0, 0, 0xc0));
        grid->addWidget(value, i / 2, i % 2);
        ++i;
    }
    layout->addLayout(grid);
    auto *adviceTitle = heading(QStringLiteral("Fitness Advice"), page);
    adviceTitle->setFont(Look::Verdana(10, true));
    layout->addWidget(adviceTitle);
    layout->addWidget(textBox("txtSunSignDesc", page, kGuarded), 1);
    return page;
}

QWidget *frmZodiacYogaDisplay::buildAsanaPage()
{
    auto *page = new QWidget;
    page->setObjectName(QStringLiteral("fraSelectYoga"));
    page->setMouseTracking(true);
    page->installEventFilter(this);
    fraSelectYoga_ = page;
    auto *stack = new QGridLayout(page);
    stack->setContentsMargins(4, 4, 4, 4);

    overview_ = new QWidget(page);
    overview_->setObjectName(QStringLiteral("fraAsanaOverview"));
    overview_->setMouseTracking(true);
    overview_->installEventFilter(this);
    auto *row = new QHBoxLayout(overview_);
    row->setContentsMargins(0, 0, 0, 0);

    auto *intro = new QWidget;
    intro->setMouseTracking(true);
    intro->installEventFilter(this);
    auto *introLayout = new QVBoxLayout(intro);
    const char *introNames[4] = {"Label33", "Label34", "Label35", "Label36"};
    for (int i = 0; i < 4; ++i) {
        auto *paragraph = new QLabel(fromContent(ZodiacContent::kAsanaIntroduction[i]), intro);
        paragraph->setObjectName(QString::fromLatin1(introNames[i]));
        paragraph->setWordWrap(true);
        paragraph->setFont(Look::Verdana(9));
        paragraph->setMouseTracking(true);
        paragraph->installEventFilter(this);
        introLayout->addWidget(paragraph);
    }
    auto *hint = new QLabel(QStringLiteral("Click on Asana to know its Procedure and Benefits"), intro);
    hint->setObjectName(QStringLiteral("Label37"));
    hint->setFont(Look::Verdana(9, true));
    Look::SetTextColour(hint, Look::WarningRed);
    hint->setWordWrap(true);
    introLayout->addWidget(hint);
    introLayout->addStretch();
    QScrollArea *introArea = scrolling(intro);
    introArea->viewport()->setMouseTracking(true);
    row->addWidget(introArea, 3);

    // The twelve groups share one place; only the current sign's is shown.
    auto *groupPlace = new QGridLayout;
    for (int s = 0; s < 12; ++s) {
        const QString sign = QString::fromLatin1(kSignTexts[s]);
        auto *group = new QGroupBox(QStringLiteral("Recommended Yoga Asanas For ") + sign, overview_);
        group->setObjectName(QStringLiteral("fra") + sign);
        group->setFont(Look::Verdana(9, true));
        group->setMouseTracking(true);
        group->setAttribute(Qt::WA_NoMousePropagation);
        group->installEventFilter(this);
        auto *list = new QVBoxLayout(group);
        list->setSpacing(8);
        for (int record : Yogasana::SignAsanas(sign)) {
            auto *label = new QLabel(Yogasana::LabelCaption(record, sign), group);
            label->setObjectName(Yogasana::LabelName(record, sign));
            label->setFont(Look::Verdana(11, true));
            Look::SetTextColour(label, Look::LinkBlue);
            label->setCursor(Qt::PointingHandCursor);
            label->setFocusPolicy(Qt::StrongFocus);
            label->setMouseTracking(true);
            // A move over a label is the label's own; the group must not clear it at once.
            label->setAttribute(Qt::WA_NoMousePropagation);
            label->installEventFilter(this);
            label->setProperty("asanaRecord", record);
            label->setProperty("asanaSign", sign);
            list->addWidget(label);
            groupLabels_[group].append(label);
        }
        list->addStretch();
        group->hide();
        groups_.insert(sign, group);
        groupPlace->addWidget(group, 0, 0);
    }
    row->addLayout(groupPlace, 2);
    stack->addWidget(overview_, 0, 0);
    stack->addWidget(buildDetailPanel(page), 0, 0);
    return page;
}

QWidget *frmZodiacYogaDisplay::buildDetailPanel(QWidget *parent)
{
    auto *panel = new QWidget(parent);
    panel->setObjectName(QStringLiteral("fraYogaProcedure"));
    fraYogaProcedure_ = panel;
    auto *grid = new QGridLayout(panel);
    grid->setContentsMargins(4, 0, 4, 0);
    grid->setVerticalSpacing(4);

    auto *name = valueLabel("lblAsanaName", panel);
    name->setFont(Look::Verdana(13, true));
    Look::SetTextColour(name, Look::WarningRed);
    grid->addWidget(name, 0, 0);
    auto *englishRow = new QHBoxLayout;
    englishRow->setSpacing(10); // the heading never runs into its value
    englishRow->addWidget(heading(QStringLiteral("English Name"), panel));
    englishRow->addWidget(valueLabel("lblEnglishName", panel), 1);
    grid->addLayout(englishRow, 1, 0);

    picYoga_ = new QLabel(panel);
    picYoga_->setObjectName(QStringLiteral("picYoga"));
    picYoga_->setFixedSize(220, 161);
    picYoga_->setAlignment(Qt::AlignCenter);
    picYoga_->setFrameShape(QFrame::Box);
    Look::SetBackground(picYoga_, Qt::white);
    grid->addWidget(picYoga_, 2, 0, Qt::AlignTop | Qt::AlignHCenter);
    QPlainTextEdit *definition = textBox("txtYogaDefination", panel, kGuarded);
    grid->addWidget(definition, 3, 0);

    grid->addWidget(heading(QStringLiteral("Procedure"), panel), 0, 1);
    grid->addWidget(textBox("txtProcedure", panel, kGuarded), 1, 1, 3, 1);
    grid->addWidget(heading(QStringLiteral("Benefits"), panel), 4, 0);
    grid->addWidget(heading(QStringLiteral("Contradictions"), panel), 4, 1);
    grid->addWidget(textBox("txtBenefits", panel, kGuarded), 5, 0);
    grid->addWidget(textBox("txtContradiction", panel, kGuarded), 5, 1);

    auto *back = new QPushButton(QStringLiteral("&Back"), panel);
    back->setObjectName(QStringLiteral("cmdYogaBack"));
    back->setFont(Look::Verdana(9, true));
    connect(back, &QPushButton::clicked, this, &frmZodiacYogaDisplay::cmdYogaBack_Click);
    grid->addWidget(back, 6, 1, Qt::AlignRight);
    grid->setColumnStretch(0, 2);
    grid->setColumnStretch(1, 3);
    grid->setRowStretch(3, 1);
    grid->setRowStretch(5, 1);
    panel->hide();
    return panel;
}

void frmZodiacYogaDisplay::setField(const char *name, const QString &text)
{
    QWidget *field = fields_.value(QString::fromLatin1(name));
    if (auto *label = qobject_cast<QLabel *>(field))
        label->setText(text);
    else if (auto *box = qobject_cast<QPlainTextEdit *>(field))
        box->setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
}

QString frmZodiacYogaDisplay::FieldText(const QString &name) const
{
    QWidget *field = fields_.value(name);
    if (auto *label = qobject_cast<QLabel *>(field))
        return label->text();
    if (auto *box = qobject_cast<QPlainTextEdit *>(field))
        return box->toPlainText();
    return QString();
}

void frmZodiacYogaDisplay::FillSignProfile(const QString &sign)
{
    const ZodiacContent::SignProfile *p = SignProfileOf(sign);
    if (!p)
        return;
    setField("lblSunSign", sign);
    setField("lblSunSignElement", fromContent(p->element));
    setField("lblSunSignNumber", fromContent(p->luckyNumber));
    setField("lblSunSignColor", fromContent(p->luckyColour));
    setField("lblSunSignDay", fromContent(p->luckyDay));
    setField("lblSunSignCompatibility", fromContent(p->compatibility));
    setField("lblSunSignBirthStone", fromContent(p->birthstone));
    setField("lblSunSignQuality", fromContent(p->quality));
    setField("lblSunSignFamousPersonBorn", fromContent(p->famousPersonalities));
    setField("txtSunSignPositiveTraits", fromContent(p->positiveTraits));
    setField("txtSunSignNegativeTraits", fromContent(p->negativeTraits));
    picSunSign_->setPixmap(Look::Picture(SunSigns::PicturePath(SunSigns::NumberOf(sign)), QSize(146, 146)));
    setField("lblSunSignYourSunSign", sign);
    setField("lblBodyPartBySunSign", fromContent(p->bodyPartsRuled));
    setField("txtHealthProblems", fromContent(p->healthProblems));
    setField("txtRequiredDiet", fromContent(p->requiredDiet));
    setField("txtDiettoAvoid", fromContent(p->dietToAvoid));
    setField("txtDietAdvice", fromContent(p->dietAdvice));
    for (const char *name : {"lblConstitutionType", "lblConstitutionTypeExcess", "lblConstitutionTypeLow"})
        setField(name, fromContent(p->element));
    setField("lblAthletic", fromContent(p->athletic));
    setField("lblEndurance", fromContent(p->endurance));
    setField("lblFlexibility", fromContent(p->flexibility));
    setField("lblFocus", fromContent(p->focus));
    setField("lblMotivated", fromContent(p->motivation));
    setField("lblRoutine", fromContent(p->routine));
    setField("lblTeamWork", fromContent(p->teamWork));
    setField("lblvariety", fromContent(p->variety));
    setField("txtSunSignDesc", fromContent(p->fitnessAdvice));
    ShowSignGroup(sign);
}

void frmZodiacYogaDisplay::FillConstitutionType()
{
    const QString type = FieldText(QStringLiteral("lblConstitutionType"));
    const ZodiacContent::ConstitutionProfile *c = nullptr;
    for (const char *element : {"Fire", "Air", "Water", "Earth"})
        if (type == QLatin1String(element))
            c = ConstitutionProfileOf(type);
    if (!c)
        return;
    setField("lblConstitutionTypeDesc", fromContent(c->description));
    setField("txtConstitutionTypeExcessDesc", fromContent(c->excessDescription));
    setField("lblExcessItemToBeTaken", fromContent(c->excessItemsToTake));
    setField("lblExcessItemToAvoid", fromContent(c->excessItemsToAvoid));
    setField("lblExcessRemedy", fromContent(c->excessRemedy));
    setField("txtConstitutionTypeLowDesc", fromContent(c->lowDescription));
    setField("lblLowItemToBeTaken", fromContent(c->lowItemsToTake));
    setField("lblLowItemToAvoid", fromContent(c->lowItemsToAvoid));
    setField("lblLowRemedy", fromContent(c->lowRemedy));
}

void frmZodiacYogaDisplay::ShowSignGroup(const QString &sign)
{
    for (auto it = groups_.cbegin(); it != groups_.cend(); ++it)
        it.value()->setVisible(it.key() == sign);
}

void frmZodiacYogaDisplay::ShowAsana(int record, const QString &sign)
{
    if (record < 0 || record >= Yogasana::Count)
        return;
    fraYogaProcedure_->show();
    overview_->hide();
    if (QWidget *group = groups_.value(sign))
        group->hide();
    picYoga_->setPixmap(Look::Picture(Yogasana::PicturePath(record), QSize(216, 158)));
    const auto &fields = AsanaRecords()[record].fields;
    setField("lblEnglishName", fields[0]);
    setField("txtYogaDefination", fields[1]);
    setField("txtProcedure", fields[2]);
    setField("txtBenefits", fields[3]);
    setField("txtContradiction", fields[4]);
    setField("lblAsanaName", Yogasana::Title(record));
}

void frmZodiacYogaDisplay::cmdYogaBack_Click()
{
    const QString sign = reading_.sign;
    if (SunSigns::NumberOf(sign) > 0)
        ShowSignGroup(sign);
    overview_->show();
    fraYogaProcedure_->hide();
}

void frmZodiacYogaDisplay::cmdPrint_Click()
{
    frmZodiacYogaSave report(this);
    report.exec();
    activateWindow();
}

void frmZodiacYogaDisplay::cmdBack_Click()
{
    QPointer<frmZodiacYogaMain> entry = entry_;
    CloseModule();
    if (entry)
        entry->ShowAgain();
    Host().HideStartPanel();
}

void frmZodiacYogaDisplay::setUnderline(QLabel *label, bool on)
{
    QFont font = label->font();
    if (font.underline() == on)
        return;
    font.setUnderline(on);
    label->setFont(font);
}

bool frmZodiacYogaDisplay::eventFilter(QObject *watched, QEvent *event)
{
    auto *widget = qobject_cast<QWidget *>(watched);
    const QVariant record = widget ? widget->property("asanaRecord") : QVariant();
    if (record.isValid()) {
        const QString sign = widget->property("asanaSign").toString();
        if (event->type() == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton &&
            widget->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint())) {
            ShowAsana(record.toInt(), sign);
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
                ShowAsana(record.toInt(), sign);
                return true;
            }
        }
    }
    if (event->type() != QEvent::MouseMove)
        return ModuleWindow::eventFilter(watched, event);
    if (auto *label = qobject_cast<QLabel *>(widget); label && label->property("asanaRecord").isValid()) {
        setUnderline(label, true);
    } else if (groupLabels_.contains(widget)) {
        for (QLabel *label : groupLabels_.value(widget))
            setUnderline(label, false);
    } else {
        // The asana page's background, outside any group.
        for (const QList<QLabel *> &labels : std::as_const(groupLabels_))
            for (QLabel *label : labels)
                setUnderline(label, false);
    }
    return ModuleWindow::eventFilter(watched, event);
}
