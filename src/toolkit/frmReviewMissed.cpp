#include "frmReviewMissed.h"

#include "Controls.h"
#include "Look.h"
#include "ModuleHost.h"
#include "MsgBox.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr QSize kPictureBox(210, 270);

QLabel *answerLabel(const QString &name, QWidget *parent, const QColor &colour)
{
    QLabel *label = Controls::Label(name, QString(), parent);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Look::SetTextColour(label, colour);
    return label;
}

} // namespace

QString NothingToReviewText()
{
    return QStringLiteral("Every question of this test was answered correctly, so there are no "
                          "missed answers to review.");
}

frmReviewMissed::frmReviewMissed(ReviewItems items, QWidget *parent)
    : QDialog(parent), items_(std::move(items))
{
    setObjectName(QStringLiteral("frmReviewMissed"));
    setWindowTitle(QStringLiteral("Review Missed Answers"));
    setFont(Look::Verdana(9));

    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(14, 12, 14, 12);
    v->setSpacing(8);

    auto *heading = new QHBoxLayout;
    lblTitle_ = Controls::Label(QStringLiteral("lblReviewTitle"), QString(), this);
    lblTitle_->setFont(Look::Verdana(13, true));
    Look::SetTextColour(lblTitle_, Look::AccentBrown);
    lblPosition_ = Controls::Label(QStringLiteral("lblReviewPosition"), QString(), this, false);
    lblPosition_->setFont(Look::Verdana(9, true));
    lblPosition_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    heading->addWidget(lblTitle_, 1);
    heading->addWidget(lblPosition_);
    v->addLayout(heading);

    auto *middle = new QHBoxLayout;
    middle->setSpacing(14);
    picItem_ = new QLabel(this);
    picItem_->setObjectName(QStringLiteral("picReview"));
    picItem_->setFixedSize(kPictureBox);
    picItem_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    middle->addWidget(picItem_, 0, Qt::AlignTop);
    txtBody_ = new QTextBrowser(this);
    txtBody_->setObjectName(QStringLiteral("txtReviewBody"));
    txtBody_->setOpenLinks(false);
    txtBody_->setFont(Look::Verdana(10));
    txtBody_->setFocusPolicy(Qt::ClickFocus);
    middle->addWidget(txtBody_, 1);
    v->addLayout(middle, 1);

    auto *answers = new QGridLayout;
    answers->setHorizontalSpacing(10);
    answers->setVerticalSpacing(6);
    QLabel *givenCaption = Controls::Label(QStringLiteral("lblReviewGivenCaption"),
                                           QStringLiteral("Your Answer:"), this, false);
    QLabel *correctCaption = Controls::Label(QStringLiteral("lblReviewCorrectCaption"),
                                             QStringLiteral("Correct Answer:"), this, false);
    for (QLabel *caption : {givenCaption, correctCaption}) {
        caption->setFont(Look::Verdana(9, true));
        caption->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    lblGiven_ = answerLabel(QStringLiteral("lblReviewGiven"), this, Look::WarningRed);
    lblCorrect_ = answerLabel(QStringLiteral("lblReviewCorrect"), this, Look::HeadingGreen);
    answers->addWidget(givenCaption, 0, 0);
    answers->addWidget(lblGiven_, 0, 1);
    answers->addWidget(correctCaption, 1, 0);
    answers->addWidget(lblCorrect_, 1, 1);
    answers->setColumnStretch(1, 1);
    v->addLayout(answers);

    cmdPrevious_ = Controls::Button(QStringLiteral("cmdReviewPrevious"),
                                    QStringLiteral("&Previous"), this, 100);
    cmdNext_ =
        Controls::Button(QStringLiteral("cmdReviewNext"), QStringLiteral("&Next"), this, 100);
    cmdClose_ =
        Controls::Button(QStringLiteral("cmdReviewClose"), QStringLiteral("&Close"), this, 100);
    // Enter moves on only through the button that has the focus.
    for (QPushButton *button : {cmdPrevious_, cmdNext_, cmdClose_})
        button->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdPrevious_);
    buttons->addWidget(cmdNext_);
    buttons->addStretch(1);
    buttons->addWidget(cmdClose_);
    v->addLayout(buttons);

    connect(cmdPrevious_, &QPushButton::clicked, this, [this] { ShowItem(position_ - 1); });
    connect(cmdNext_, &QPushButton::clicked, this, [this] { ShowItem(position_ + 1); });
    connect(cmdClose_, &QPushButton::clicked, this, &QDialog::close);

    resize(760, 520);
    ShowItem(0);
}

void frmReviewMissed::ShowItem(int index)
{
    if (items_.isEmpty())
        return;
    position_ = std::clamp(index, 0, int(items_.size()) - 1);
    const ReviewItem &item = items_[position_];
    lblPosition_->setText(ReviewPositionText(position_, int(items_.size())));
    lblTitle_->setText(item.title);
    const QPixmap picture = Look::PictureFromBytes(item.picture, kPictureBox);
    picItem_->setPixmap(picture);
    picItem_->setVisible(!picture.isNull());
    txtBody_->setHtml(item.body);
    lblGiven_->setText(item.given);
    lblCorrect_->setText(item.correct);

    const bool atFirst = position_ == 0;
    const bool atLast = position_ == int(items_.size()) - 1;
    // The focus goes where the keyboard can go on: it stays on "Previous" while stepping back, else
    // goes to "Next", and to "Close" on the last item.
    QWidget *focus = cmdNext_;
    if (cmdPrevious_->hasFocus() && !atFirst)
        focus = cmdPrevious_;
    else if (atLast)
        focus = cmdClose_;
    cmdPrevious_->setEnabled(!atFirst);
    cmdNext_->setEnabled(!atLast);
    focus->setFocus();
}

frmReviewMissed *OpenReviewMissed(ModuleWindow *parent, const ReviewItems &items)
{
    if (items.isEmpty()) {
        ShowMessage(parent, NothingToReviewText(), QMessageBox::Information);
        return nullptr;
    }
    auto *review = new frmReviewMissed(items, parent);
    review->setAttribute(Qt::WA_DeleteOnClose);
    parent->Host().TrackModuleWindow(review);
    review->open();
    return review;
}
