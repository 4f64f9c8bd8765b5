#include "frmZodiacYogaMain.h"

#include "frmZodiacYogaDisplay.h"
#include "modReadingFile.h"
#include "modSunSignYoga.h"
#include "modYogasana.h"
#include "toolkit/LinkLabel.h"
#include "toolkit/Look.h"
#include "toolkit/MsgBox.h"
#include "toolkit/ReportView.h"
#include "toolkit/DataLocations.h"
#include "toolkit/UpdateReminder.h"
#include "toolkit/modHelp.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *makeLabel(const char *name, const QString &text, QWidget *parent, int points = 9,
                  bool bold = false)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(Look::Verdana(points, bold));
    label->setWordWrap(true);
    return label;
}

QComboBox *makeList(const char *name, const QStringList &entries, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(QString::fromLatin1(name));
    list->setEditable(false);
    list->addItems(entries);
    list->setCurrentIndex(0);
    list->setFont(Look::Verdana(9));
    list->setMaxVisibleItems(16);
    return list;
}

// The name box takes the letters A to Z and a to z and the blank; lower case
// becomes upper case. False when any character is something else.
bool NameCharacters(const QString &typed, QString *name)
{
    name->clear();
    for (const QChar ch : typed) {
        const char16_t c = ch.unicode();
        if (c >= u'a' && c <= u'z')
            name->append(QChar(c - u'a' + u'A'));
        else if ((c >= u'A' && c <= u'Z') || c == u' ')
            name->append(ch);
        else
            return false;
    }
    return true;
}

// The position of the entry with exactly this text, or -1.
int entryIndex(const QComboBox *list, const QString &text)
{
    return list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

} // namespace

frmZodiacYogaMain::frmZodiacYogaMain(ModuleHost &host, QWidget *parent)
    : ModuleWindow(QStringLiteral("frmZodiacYogaMain"), host, parent)
{
    RunUpdateReminder(Settings::Store(Locations().SettingsFile()));
    setWindowTitle(QStringLiteral("Vessa Zodiac Yoga"));
    buildMenus();

    auto *body = new QWidget(this);
    body->setObjectName(QStringLiteral("picBody"));
    auto *layout = new QVBoxLayout(body);
    layout->setContentsMargins(24, 16, 24, 8);
    layout->setSpacing(10);

    layout->addWidget(makeLabel(
        "Label3",
        QStringLiteral("Welcome to Vessa Zodiac Yoga! Yoga has been known to help people keep "
                       "themselves fit and attain mental peace. Enter your Date of Birth and get a "
                       "detailed report about what ailments may afflict you and how yoga can help "
                       "you overcome this and much more."),
        body, 10));
    auto *label4 = makeLabel(
        "Label4", QStringLiteral("Just input your name and date of birth and get a Reading Now!"),
        body, 11, true);
    Look::SetTextColour(label4, Look::AccentBrown);
    layout->addWidget(label4);

    auto *form = new QGridLayout;
    form->setHorizontalSpacing(12);
    form->setVerticalSpacing(8);
    QLabel *nameLabel = makeLabel("Label1", QStringLiteral("Name"), body, 9, true);
    form->addWidget(nameLabel, 0, 0);
    txtName_ = new QLineEdit(body);
    nameLabel->setBuddy(txtName_);
    txtName_->setObjectName(QStringLiteral("txtName"));
    txtName_->setFont(Look::Verdana(10));
    txtName_->setMaxLength(60);
    // Only typed letters and blanks reach the name: no pasting or dropping text in.
    txtName_->setContextMenuPolicy(Qt::NoContextMenu);
    txtName_->setAcceptDrops(false);
    txtName_->installEventFilter(this);
    form->addWidget(txtName_, 0, 1, 1, 5);

    form->addWidget(makeLabel("Label2", QStringLiteral("Date Of Birth"), body, 9, true), 1, 0);
    QStringList days, years;
    for (int d = 1; d <= 31; ++d)
        days << QString::number(d);
    for (int y = 1900; y <= 2050; ++y)
        years << QString::number(y);
    cboDate_ = makeList("cboDate", days, body);
    cboMonth_ = makeList("cboMonth", MonthNames(), body);
    cboYear_ = makeList("cboYear", years, body);
    auto *dateLabel = makeLabel("Label5", QStringLiteral("Date"), body);
    auto *monthLabel = makeLabel("Label7", QStringLiteral("Month"), body);
    auto *yearLabel = makeLabel("Label6", QStringLiteral("Year"), body);
    dateLabel->setBuddy(cboDate_);
    monthLabel->setBuddy(cboMonth_);
    yearLabel->setBuddy(cboYear_);
    form->addWidget(dateLabel, 1, 1);
    form->addWidget(monthLabel, 1, 3);
    form->addWidget(yearLabel, 1, 5);
    form->addWidget(cboDate_, 2, 1);
    form->addWidget(cboMonth_, 2, 3);
    form->addWidget(cboYear_, 2, 5);
    form->setColumnStretch(1, 1);
    form->setColumnStretch(3, 2);
    form->setColumnStretch(5, 1);
    layout->addLayout(form);

    auto *next = new QPushButton(QStringLiteral("Get Suitable &Yogas For My Zodiac"), body);
    next->setObjectName(QStringLiteral("cmdNext"));
    next->setFont(Look::Verdana(10, true));
    next->setMinimumHeight(34);
    next->setDefault(true);
    connect(next, &QPushButton::clicked, this, [this] { cmdNext_Click(); });
    auto *open = new QPushButton(
        QStringLiteral("Click Here To &Open Previously Saved Zodiac Yoga Reading"), body);
    open->setObjectName(QStringLiteral("cmdOpen"));
    open->setFont(Look::Verdana(9));
    open->setMinimumHeight(30);
    connect(open, &QPushButton::clicked, this, &frmZodiacYogaMain::cmdOpen_Click);
    layout->addWidget(next);
    layout->addWidget(open);

    auto *note = makeLabel(
        "Label8",
        QStringLiteral("Please Note: If you are suffering from health ailments, kindly consult "
                       "your doctor before doing the yoga exercises."),
        body, 9, true);
    Look::SetTextColour(note, Look::WarningRed);
    layout->addWidget(note);

    auto *exitRow = new QHBoxLayout;
    exitRow->addStretch();
    auto *exit = new QPushButton(QStringLiteral("&Exit"), body);
    exit->setObjectName(QStringLiteral("cmdExit"));
    connect(exit, &QPushButton::clicked, this, &ModuleWindow::CloseModule);
    exitRow->addWidget(exit);
    layout->addLayout(exitRow);
    layout->addStretch();
    layout->addWidget(PublisherLinks::Strip(body));

    setCentralWidget(body);
    setTabOrder(txtName_, cboDate_);
    setTabOrder(cboDate_, cboMonth_);
    setTabOrder(cboMonth_, cboYear_);
    setTabOrder(cboYear_, next);
    setTabOrder(next, open);
    setTabOrder(open, exit);
    resize(760, 520);
    txtName_->setFocus();
}

void frmZodiacYogaMain::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *open = file->addAction(QStringLiteral("Open Previously Saved Zodiac Yoga Reading"));
    open->setObjectName(QStringLiteral("mnuOpenPreviouslySavedSunSignYoga"));
    connect(open, &QAction::triggered, this, &frmZodiacYogaMain::cmdOpen_Click);
    QAction *yogas = file->addAction(QStringLiteral("Get Suitable &Yogas For My Zodiac"));
    yogas->setObjectName(QStringLiteral("mnuGetSuitableYogas"));
    connect(yogas, &QAction::triggered, this, [this] { cmdNext_Click(); });
    QAction *exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &ModuleWindow::CloseModule);
    AddHelpMenus(menuBar(), this);
}

QString frmZodiacYogaMain::SelectedDay() const { return cboDate_->currentText(); }
QString frmZodiacYogaMain::SelectedMonth() const { return cboMonth_->currentText(); }
QString frmZodiacYogaMain::SelectedYear() const { return cboYear_->currentText(); }

bool frmZodiacYogaMain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == txtName_ && event->type() == QEvent::KeyPress)
        return txtName_KeyPress(static_cast<QKeyEvent *>(event));
    if (watched == txtName_ && event->type() == QEvent::InputMethod)
        return txtName_InputMethod(static_cast<QInputMethodEvent *>(event));
    // A middle click would paste the selection clipboard past the filter.
    if (watched == txtName_ &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease ||
         event->type() == QEvent::MouseButtonDblClick) &&
        static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton)
        return true;
    return ModuleWindow::eventFilter(watched, event);
}

// Letters, blank, Enter and Backspace pass; lower case becomes upper case;
// any other character is refused with a message. Keys that type nothing
// (arrows, Home, Delete, Tab) keep their usual meaning; pasting is refused.
bool frmZodiacYogaMain::txtName_KeyPress(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Paste)) {
        ShowMessage(this, QStringLiteral("Please Enter only Letters"));
        return true;
    }
    const QString text = event->text();
    if (text.isEmpty())
        return false;
    if (text.size() == 1) {
        const char16_t ch = text.at(0).unicode();
        if (ch == 13 || ch == 8)
            return false;
        if (ch < 32 || ch == 127)
            return false; // editing and navigation keys (Tab, Escape, Ctrl+A ...) type nothing
    }
    // A key may carry several characters (a character outside the basic plane
    // is two); every one of them must pass.
    QString name;
    if (!NameCharacters(text, &name)) {
        ShowMessage(this, QStringLiteral("Please Enter only Letters"));
        return true;
    }
    if (name == text)
        return false;
    txtName_->insert(name);
    return true;
}

// Text composed by an input method (accents, other scripts) passes the same
// filter as typed keys before it is committed to the box.
bool frmZodiacYogaMain::txtName_InputMethod(QInputMethodEvent *event)
{
    const QString commit = event->commitString();
    if (commit.isEmpty())
        return false;
    QString name;
    const bool letters = NameCharacters(commit, &name);
    if (letters && name == commit)
        return false;
    if (!letters)
        ShowMessage(this, QStringLiteral("Please Enter only Letters"));
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(letters ? name : QString(), event->replacementStart(),
                             event->replacementLength());
    QCoreApplication::sendEvent(txtName_, &filtered);
    return true;
}

bool frmZodiacYogaMain::CheckBirthData()
{
    const BirthDataProblem problem =
        ::CheckBirthData(txtName_->text(), cboDate_->currentText().toInt(), cboMonth_->currentText());
    if (problem == BirthDataProblem::None)
        return true;
    ShowMessage(this, BirthDataMessage(problem));
    if (problem == BirthDataProblem::EmptyName)
        txtName_->setFocus();
    return false;
}

bool frmZodiacYogaMain::cmdNext_Click()
{
    if (!CheckBirthData())
        return false;
    ZodiacReading reading;
    reading.name = txtName_->text().trimmed();
    reading.year = qint16(cboYear_->currentText().toInt());
    reading.day = qint16(cboDate_->currentText().toInt());
    reading.month = cboMonth_->currentText();
    reading.sign = FindSunSign(reading.month, reading.day);
    reading_ = reading;

    if (display_)
        display_->CloseModule();
    auto *display = new frmZodiacYogaDisplay(this, reading);  // the entry window it returns to
    display_ = display;
    display->FillSignProfile(reading.sign);
    display->FillConstitutionType();
    LoadAsanaRecords();

    SetModuleVisible(false);
    Host().ShowModuleWindow(display);
    Host().HideStartPanel();
    return true;
}

void frmZodiacYogaMain::ShowAgain()
{
    SetModuleVisible(true);
    activateWindow();
    txtName_->setFocus();
}

void frmZodiacYogaMain::cmdOpen_Click()
{
    OpenReadingFile(ChooseFileToOpen(this, ReadingFile::Kind(QStringLiteral("Select the source file"))));
}

// A saved reading is opened only when every line is one the suite writes: a
// name of letters and blanks, and a day, month and year that are entries of
// their lists. Anything else is a damaged file, refused before the form
// changes, so a damaged file never gives a reading for another date.
void frmZodiacYogaMain::OpenReadingFile(const QString &fileName)
{
    if (fileName.isEmpty())
        return;
    const auto refuse = [this] {
        ShowMessage(this, QStringLiteral("Please Check The File."), QMessageBox::Critical);
    };
    if (!fileName.endsWith(QLatin1String("zoy"), Qt::CaseSensitive))
        return refuse();
    const std::optional<ReadingFile::Lines> lines = ReadingFile::Load(fileName);
    if (!lines)
        return refuse();
    QString name;
    const int day = entryIndex(cboDate_, lines->day);
    const int month = entryIndex(cboMonth_, lines->month);
    const int year = entryIndex(cboYear_, lines->year);
    if (!NameCharacters(lines->name, &name) || day < 0 || month < 0 || year < 0)
        return refuse();
    txtName_->setText(name);
    cboDate_->setCurrentIndex(day);
    cboMonth_->setCurrentIndex(month);
    cboYear_->setCurrentIndex(year);
    cmdNext_Click();
}
