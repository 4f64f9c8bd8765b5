#include "frmNagScreen2.h"

#include "toolkit/AppInfo.h"
#include "toolkit/LinkLabel.h"
#include "toolkit/Look.h"
#include "toolkit/MsgBox.h"
#include "toolkit/modHelp.h"
#include "toolkit/modRandom.h"
#include "modTellAFriend.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace TellAFriend;

QStringList frmNagScreen2::SupportMessages()
{
    return {
        QStringLiteral("Thank you for learning with us! Our discussion forum keeps this suite "
                       "free: drop by regularly, ask your questions and help other learners."),
        QStringLiteral("Enjoyed your study session? Please support us by visiting our discussion "
                       "forum often - every visit helps us keep writing free learning software."),
        QStringLiteral("Your visits keep our free software alive. Make our discussion forum part "
                       "of your routine and share what you have learned with the community."),
        QStringLiteral("Help us help you: visit our discussion forum regularly, read the latest "
                       "threads and tell us which subject you would like to learn next."),
    };
}

frmNagScreen2::frmNagScreen2(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmNagScreen2"));
    setWindowTitle(AppInfo::ApplicationTitle());
    setWindowIcon(Look::AppIcon());
    setAttribute(Qt::WA_DeleteOnClose);

    auto *title = new QLabel(AppInfo::ApplicationTitle(), this);
    title->setObjectName(QStringLiteral("Label1"));
    title->setFont(Look::Verdana(12, true));

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(Look::Picture(QStringLiteral(":/toolkit/about-logo.svg"), QSize(72, 72)));
    picture->setFixedSize(76, 76);

    Label2_ = new QLabel(this);
    Label2_->setObjectName(QStringLiteral("Label2"));
    Label2_->setWordWrap(true);

    auto *frame6 = new QGroupBox(this);
    frame6->setObjectName(QStringLiteral("Frame6"));
    auto *label3 = new QLabel(
        QStringLiteral("Try our other free programs: learn-and-test tools on numerology, tarot, "
                       "astrology, feng shui and more, written in the same easy style as this "
                       "suite."),
        frame6);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setWordWrap(true);
    auto *goToHome = new LinkLabel(QStringLiteral("lblGoToHome"),
                                   QStringLiteral("Click here to download our other programs."),
                                   frame6);
    goToHome->ShowAsLink();
    connect(goToHome, &LinkLabel::clicked, this, [] { OpenCataloguePage(); });
    auto *frame6Layout = new QVBoxLayout(frame6);
    frame6Layout->addWidget(label3);
    frame6Layout->addWidget(goToHome);

    Check1_ = new QCheckBox(QStringLiteral("&Visit our web site and discussion forum now"), this);
    Check1_->setObjectName(QStringLiteral("Check1"));
    connect(Check1_, &QCheckBox::clicked, this, &frmNagScreen2::Check1_Click);

    auto *frame2 = new QGroupBox(QStringLiteral("Refer A Friend"), this);
    frame2->setObjectName(QStringLiteral("Frame2"));
    const auto makeLine = [&](const char *name, const QString &placeholder) {
        auto *box = new QLineEdit(placeholder, frame2);
        box->setObjectName(QString::fromLatin1(name));
        box->installEventFilter(this);
        return box;
    };
    txtName_ = makeLine("txtName", PlaceholderName());
    txtEmail_ = makeLine("txtEmail", PlaceholderEmail());
    txtFriendName_ = makeLine("txtFriendName", PlaceholderFriendName());
    txtFriendEmail_ = makeLine("txtFriendEmail", PlaceholderFriendEmail());
    txtMessage_ = new QPlainTextEdit(PlaceholderMessage(), frame2);
    txtMessage_->setObjectName(QStringLiteral("txtMessage"));
    txtMessage_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtMessage_->setTabChangesFocus(true);
    txtMessage_->setFixedHeight(70);
    txtMessage_->installEventFilter(this);
    auto *submit = new QPushButton(QStringLiteral("Refer A Friend &Now"), frame2);
    submit->setObjectName(QStringLiteral("cmdSubmit"));
    connect(submit, &QPushButton::clicked, this, &frmNagScreen2::cmdSubmit_Click);
    auto *form = new QGridLayout(frame2);
    form->addWidget(txtName_, 0, 0);
    form->addWidget(txtEmail_, 0, 1);
    form->addWidget(txtFriendName_, 1, 0);
    form->addWidget(txtFriendEmail_, 1, 1);
    form->addWidget(txtMessage_, 2, 0, 1, 2);
    form->addWidget(submit, 3, 1, Qt::AlignRight);

    auto *close = new QPushButton(QStringLiteral("E&xit"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto *header = new QHBoxLayout;
    header->addWidget(picture);
    auto *headerText = new QVBoxLayout;
    headerText->addWidget(title);
    headerText->addWidget(Label2_);
    header->addLayout(headerText, 1);
    auto *bottom = new QHBoxLayout;
    bottom->addStretch();
    bottom->addWidget(close);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(frame6);
    layout->addWidget(Check1_);
    layout->addWidget(frame2);
    layout->addLayout(bottom);
    setFixedWidth(560);

    // Load: a fresh random support message, and the window above all others.
    Random::SeedFromClock();
    Label2_->setText(SupportMessages().at(Random::DrawWhole(4)));
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

QString frmNagScreen2::placeholderOf(QObject *box) const
{
    if (box == txtName_) return PlaceholderName();
    if (box == txtEmail_) return PlaceholderEmail();
    if (box == txtFriendName_) return PlaceholderFriendName();
    if (box == txtFriendEmail_) return PlaceholderFriendEmail();
    if (box == txtMessage_) return PlaceholderMessage();
    return QString();
}

bool frmNagScreen2::eventFilter(QObject *watched, QEvent *event)
{
    const QString placeholder = placeholderOf(watched);
    if (placeholder.isEmpty())
        return QWidget::eventFilter(watched, event);
    const auto textOf = [&]() -> QString {
        if (watched == txtMessage_)
            return txtMessage_->toPlainText();
        return static_cast<QLineEdit *>(watched)->text();
    };
    const auto setText = [&](const QString &text) {
        if (watched == txtMessage_)
            txtMessage_->setPlainText(text);
        else
            static_cast<QLineEdit *>(watched)->setText(text);
    };
    switch (event->type()) {
    case QEvent::FocusIn:
        if (textOf().trimmed() == placeholder)
            setText(QString());
        break;
    case QEvent::FocusOut:
        if (textOf().trimmed().isEmpty())
            setText(placeholder);
        break;
    case QEvent::KeyPress:
        if ((watched == txtEmail_ || watched == txtFriendEmail_) &&
            static_cast<QKeyEvent *>(event)->text() == QStringLiteral(" ")) {
            ShowMessage(this, QStringLiteral("Email Address Cannot Contain Space"),
                        QMessageBox::Critical);
            static_cast<QWidget *>(watched)->setFocus();
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmNagScreen2::Check1_Click()
{
    if (!Check1_->isChecked())
        return;
    Check1_->setChecked(false);
    OpenHomePage();
}

void frmNagScreen2::cmdSubmit_Click()
{
    const ReferralForm form{txtName_->text(), txtEmail_->text(), txtMessage_->toPlainText(),
                            txtFriendName_->text(), txtFriendEmail_->text()};
    const QString problem = SubmitReferral(form);
    if (!problem.isEmpty())
        ShowMessage(this, problem, QMessageBox::Critical);
}

void frmNagScreen2::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    if (ending_)
        return;
    // Closing the last windows below ends the program; they do not come back here.
    ending_ = true;
    Q_EMIT Ending();
    QApplication::closeAllWindows();
    QCoreApplication::quit();
}
