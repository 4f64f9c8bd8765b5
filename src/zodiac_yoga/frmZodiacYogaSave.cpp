#include "frmZodiacYogaSave.h"

#include "frmZodiacYogaDisplay.h"
#include "frmZodiacYogaMain.h"
#include "modReadingFile.h"
#include "modSunSignYoga.h"
#include "modZodiacReport.h"
#include "toolkit/AppInfo.h"
#include "toolkit/LinkLabel.h"
#include "toolkit/ModuleHost.h"
#include "toolkit/MsgBox.h"
#include "toolkit/FileWriter.h"
#include "toolkit/modHelp.h"
#include "toolkit/ReportView.h"

#include <QHBoxLayout>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QTextEdit>
#include <QVBoxLayout>

frmZodiacYogaSave::frmZodiacYogaSave(frmZodiacYogaDisplay *display)
    : QDialog(display), display_(display)
{
    setObjectName(QStringLiteral("frmZodiacYogaSave"));
    setWindowTitle(QStringLiteral("Vessa Zodiac Yoga"));
    setModal(true);

    RTB_ = new ReportView(QStringLiteral("RTB"), this, QStringLiteral("Verdana"), 9.75);

    auto *save = new QPushButton(QStringLiteral("&Save"), this);
    save->setObjectName(QStringLiteral("cmdSave"));
    connect(save, &QPushButton::clicked, this, &frmZodiacYogaSave::cmdSave_Click);
    auto *print = new QPushButton(QStringLiteral("&Print"), this);
    print->setObjectName(QStringLiteral("cmdPrint"));
    connect(print, &QPushButton::clicked, this, &frmZodiacYogaSave::cmdPrint_Click);

    auto *visit = new LinkLabel(QStringLiteral("Label1"),
                                QStringLiteral("Visit us online: ") + PublisherPages::SiteAddress(),
                                this);
    visit->ShowAsLink();
    connect(visit, &LinkLabel::clicked, this, [] { OpenHomePage(); });

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(visit);
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(print);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(RTB_, 1);
    layout->addLayout(buttons);
    layout->addWidget(PublisherLinks::Strip(this, QStringLiteral("Label14")));
    // On a small screen the dialog keeps below its size, title bar included; the report scrolls.
    const QSize room = screen()->availableGeometry().size() - QSize(0, 40);
    resize(QSize(900, 600).boundedTo(room));

    display_->Host().TrackModuleWindow(this);
    RTB_->EnableLinks();
    move((AppInfo::ScreenWidthPixels() - width()) / 2, 0);
    BuildReport();
}

void frmZodiacYogaSave::done(int result)
{
    RTB_->DisableLinks();
    QDialog::done(result);
}

void frmZodiacYogaSave::BuildReport()
{
    // The date as the entry window's lists show it; the rest from the reading.
    frmZodiacYogaMain *entry = display_->Entry();
    const ZodiacReading &reading = display_->Reading();
    const ZodiacReport::ShownReading shown = ZodiacReport::ComposeShownReading(
        reading.name, entry ? entry->SelectedMonth() : reading.month,
        entry ? entry->SelectedDay() : QString::number(reading.day),
        entry ? entry->SelectedYear() : QString::number(reading.year), reading.sign);
    ZodiacReport::Write(RTB_, ZodiacReport::BuildRuns(shown));
    RTB_->moveCursor(QTextCursor::Start);
}

void frmZodiacYogaSave::cmdSave_Click()
{
    const QString path = ChooseFileToSave(this, ReadingFile::Kind(QStringLiteral("Vessa Free Zodiac Yoga")));
    if (!path.isEmpty())
        SaveReadingTo(path);
}

bool frmZodiacYogaSave::SaveReadingTo(const QString &path)
{
    const ZodiacReading &reading = display_->Reading();
    const ReadingFile::Lines lines{reading.name, QString::number(reading.day), reading.month,
                                   QString::number(reading.year)};
    const FileWriter::Result written = ReadingFile::Save(path, lines);
    if (written)
        return true;
    ShowMessage(this, QStringLiteral("The reading could not be saved to \"%1\". %2").arg(path, written.error),
                QMessageBox::Critical);
    return false;
}

void frmZodiacYogaSave::cmdPrint_Click()
{
    Printing::ReportOutcome(Printing::PrintWithDialog(RTB_, this), this);
}

Printing::Outcome frmZodiacYogaSave::PrintTo(QPrinter *printer)
{
    const Printing::Outcome outcome = Printing::PrintView(RTB_, printer, RTB_->textCursor().hasSelection());
    Printing::ReportOutcome(outcome, this);
    return outcome;
}
