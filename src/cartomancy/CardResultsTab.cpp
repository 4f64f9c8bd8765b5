#include "CardResultsTab.h"

#include "CardControls.h"
#include "quiz/QuizReport.h"
#include "toolkit/FileWriter.h"
#include "toolkit/Look.h"
#include "toolkit/ModuleHost.h"
#include "toolkit/MsgBox.h"
#include "toolkit/ReportView.h"
#include "toolkit/modRTB.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QVBoxLayout>

using namespace CardControls;

CardResultsTab::CardResultsTab(ModuleWindow &owner, QWidget *parent) : QWidget(parent), owner_(owner)
{
    setObjectName(QStringLiteral("tabResults"));
    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(12, 10, 12, 10);
    lblScore_ = Quiz::MakeGlanceLabel(this);
    v->addWidget(lblScore_);
    txtResult = new QPlainTextEdit(this);
    txtResult->setObjectName(QStringLiteral("txtResult"));
    txtResult->setReadOnly(true);
    txtResult->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtResult->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtResult->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QFont fixed(QStringLiteral("Courier New"), 10);
    fixed.setStyleHint(QFont::TypeWriter);
    txtResult->setFont(fixed);
    InstallClipboardGuard(txtResult);
    v->addWidget(txtResult, 1);
    auto *bottom = new QHBoxLayout;
    lblResultInfo = Label(QString(), this, QStringLiteral("lblResultInfo"));
    SetBold(lblResultInfo, 1.15);
    Look::SetTextColour(lblResultInfo, Look::HeadingGreen);
    Command5 = Button(QStringLiteral("Command5"), QStringLiteral("&Save Current Result"), this);
    cmdReviewMissed = Button(QStringLiteral("cmdReviewMissed"), QStringLiteral("&Review Missed Answers"), this);
    bottom->addWidget(lblResultInfo, 1);
    bottom->addWidget(cmdReviewMissed);
    bottom->addWidget(Command5);
    connect(cmdReviewMissed, &QPushButton::clicked, this, [this] { Q_EMIT reviewRequested(); });
    v->addLayout(bottom);
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });
}

void CardResultsTab::ShowResult(CardTestType type, const Quiz::Result &result, int cardCount)
{
    const TestReport report = BuildTestReport(type, result, cardCount);
    QString shown = report.text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    txtResult->setPlainText(shown);
    // The question lines start under the title, its rule and an empty line.
    Quiz::MarkWrongLines(txtResult, result, 3);
    lblScore_->setText(Quiz::GlanceText(result));
    lblResultInfo->setText(report.summary);
    txtResult->moveCursor(QTextCursor::End);
}

void CardResultsTab::FocusReview() { cmdReviewMissed->setFocus(); }

bool CardResultsTab::SaveTo(const QString &path)
{
    const FileWriter::Result saved =
        FileWriter::WriteWholeFile(path, FileWriter::TextFileBytes(txtResult->toPlainText() + u'\n'));
    if (!saved)
        ShowMessage(&owner_, QStringLiteral("The result could not be saved.\r\n") + saved.error,
                    QMessageBox::Critical);
    return saved.ok;
}

void CardResultsTab::Command5_Click()
{
    const QString path = ChooseFileToSave(
        &owner_, FileKind{QStringLiteral("Save Current Result"), QStringLiteral("Text file"), QStringLiteral("txt")});
    if (!path.isEmpty())
        SaveTo(path);
}
