#include "frmZodiacYogaSave.h"

#include "ReadingFileDialog.h"
#include "frmZodiacYogaDisplay.h"
#include "frmZodiacYogaMain.h"
#include "modReadingFile.h"
#include "modSunSignYoga.h"
#include "modZodiacReport.h"
#include "shell/AppInfo.h"
#include "shell/LinkLabel.h"
#include "shell/ModuleHost.h"
#include "shell/MsgBox.h"
#include "shell/modHelp.h"
#include "shell/modRTB.h"

#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

frmZodiacYogaSave::frmZodiacYogaSave(frmZodiacYogaDisplay *display)
    : QDialog(display), display_(display)
{
    setObjectName(QStringLiteral("frmZodiacYogaSave"));
    setWindowTitle(QStringLiteral("Vessa Zodiac Yoga"));
    setModal(true);

    RTB_ = new QTextEdit(this);
    RTB_->setObjectName(QStringLiteral("RTB"));
    RTB::MakeDisplay(RTB_, QStringLiteral("Verdana"), 9.75);
    InstallClipboardGuard(RTB_);

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
    resize(900, 600);

    if (ModuleHost *host = ModuleHost::Current())
        host->TrackModuleWindow(this);
    EnableLinkHandling(RTB_, this);
    move((AppInfo::ScreenWidthPixels() - width()) / 2, 0);
    BuildReport();
}

frmZodiacYogaSave::~frmZodiacYogaSave()
{
    if (!closed_ && LinkHandlingView() == RTB_)
        DisableLinkHandling();
}

void frmZodiacYogaSave::done(int result)
{
    if (!closed_) {
        closed_ = true;
        DisableLinkHandling();
    }
    QDialog::done(result);
}

void frmZodiacYogaSave::BuildReport()
{
    frmZodiacYogaMain *entry = display_ ? display_->Entry() : nullptr;
    const ZodiacReading &reading = CurrentReading();
    ZodiacReport::Input input;
    input.name = reading.name;
    input.month = entry ? entry->SelectedMonth() : reading.month;
    input.day = entry ? entry->SelectedDay() : QString::number(reading.day);
    input.year = entry ? entry->SelectedYear() : QString::number(reading.year);
    input.sign = reading.sign;
    input.field = [this](const QString &name) {
        return display_ ? display_->FieldText(name) : QString();
    };
    ZodiacReport::Write(RTB_, ZodiacReport::BuildRuns(input));
    RTB_->moveCursor(QTextCursor::Start);
}

void frmZodiacYogaSave::cmdSave_Click()
{
    const QString path = ChooseReadingFile(this, QStringLiteral("Vessa Free Zodiac Yoga"), true);
    if (!path.isEmpty())
        SaveReadingTo(path);
}

bool frmZodiacYogaSave::SaveReadingTo(const QString &path)
{
    const ZodiacReading &reading = CurrentReading();
    const ReadingFile::Lines lines{reading.name, QString::number(reading.day), reading.month,
                                   QString::number(reading.year)};
    QString error;
    if (ReadingFile::Save(path, lines, &error))
        return true;
    ShowMessage(this, QStringLiteral("The reading could not be saved to \"%1\": %2").arg(path, error),
                QMessageBox::Critical);
    return false;
}

void frmZodiacYogaSave::cmdPrint_Click()
{
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    dialog.setObjectName(QStringLiteral("CD"));
    const bool hasSelection = RTB_->textCursor().hasSelection();
    QPrintDialog::PrintDialogOptions options = QPrintDialog::PrintToFile | QPrintDialog::PrintShowPageSize;
    if (hasSelection)
        options |= QPrintDialog::PrintSelection;
    dialog.setOptions(options);
    dialog.setPrintRange(hasSelection ? QPrintDialog::Selection : QPrintDialog::AllPages);
    if (dialog.exec() != QDialog::Accepted)
        return;
    RTB::Print(RTB_, &printer, printer.printRange() == QPrinter::Selection);
}

void frmZodiacYogaSave::PrintTo(QPrinter *printer)
{
    RTB::Print(RTB_, printer, RTB_->textCursor().hasSelection());
}
