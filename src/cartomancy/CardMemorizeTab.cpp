#include "CardMemorizeTab.h"

#include "CardControls.h"
#include "modLearnCartomancyImageDB.h"
#include "toolkit/Look.h"
#include "toolkit/ModuleHost.h"
#include "toolkit/modRTB.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace CardControls;

CardMemorizeTab::CardMemorizeTab(ModuleWindow &owner, QWidget *parent) : QWidget(parent), owner_(owner)
{
    setObjectName(QStringLiteral("tabMemorize"));
    auto *h = new QHBoxLayout(this);
    h->setContentsMargins(14, 12, 14, 10);
    h->setSpacing(16);
    picCardMemorize = PictureBox(QStringLiteral("picCardMemorize"), this);
    picCardMemorize->setFocusPolicy(Qt::NoFocus);
    auto *left = new QVBoxLayout;
    left->addWidget(picCardMemorize);
    left->addStretch(1);
    h->addLayout(left);

    auto *v = new QVBoxLayout;
    v->setSpacing(4);
    lblCardNameMemorize = Label(QStringLiteral("Card Name"), this, QStringLiteral("lblCardNameMemorize"));
    SetBold(lblCardNameMemorize, 1.5);
    Look::SetTextColour(lblCardNameMemorize, Look::AccentBrown);
    v->addWidget(lblCardNameMemorize);
    v->addSpacing(4);
    QLabel *meaningLabel = Label(QStringLiteral("Card &Meaning :"), this, QStringLiteral("lblMeaning"));
    meaningLabel->setTextFormat(Qt::AutoText);
    SetBold(meaningLabel);
    txtNormalMeaning = TextBox(QStringLiteral("txtNormalMeaning"), true, this);
    meaningLabel->setBuddy(txtNormalMeaning);
    v->addWidget(meaningLabel);
    v->addWidget(txtNormalMeaning, 3);
    // The Settings tab promises upright, reversed and keywords on one screen.
    QLabel *reversedLabel = Label(QStringLiteral("Re&versed Meaning :"), this, QStringLiteral("lblReversedMeaning"));
    reversedLabel->setTextFormat(Qt::AutoText);
    SetBold(reversedLabel);
    txtReversedMeaning = TextBox(QStringLiteral("txtReversedMeaning"), true, this);
    reversedLabel->setBuddy(txtReversedMeaning);
    v->addWidget(reversedLabel);
    v->addWidget(txtReversedMeaning, 3);
    QLabel *keywordsLabel = Label(QStringLiteral("&Keywords (same for both)"), this, QStringLiteral("lblKeywords"));
    keywordsLabel->setTextFormat(Qt::AutoText);
    SetBold(keywordsLabel);
    txtKeywords = TextBox(QStringLiteral("txtKeywords"), true, this);
    keywordsLabel->setBuddy(txtKeywords);
    v->addWidget(keywordsLabel);
    v->addWidget(txtKeywords, 1);
    for (QPlainTextEdit *box : {txtNormalMeaning, txtReversedMeaning, txtKeywords}) {
        box->setFont(Look::Verdana(10));
        InstallClipboardGuard(box);
    }

    cmdPrevious = Button(QStringLiteral("cmdPrevious"), QStringLiteral("<< &Previous"), this);
    cmdNext = Button(QStringLiteral("cmdNext"), QStringLiteral("&Next >>"), this);
    cmdStartTest = Button(QStringLiteral("cmdStartTest"), QStringLiteral("&Test Me"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdPrevious);
    buttons->addWidget(cmdNext);
    buttons->addStretch(1);
    buttons->addWidget(cmdStartTest);
    v->addSpacing(4);
    v->addLayout(buttons);
    h->addLayout(v, 1);

    connect(cmdPrevious, &QPushButton::clicked, this, [this] { cmdPrevious_Click(); });
    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });
    connect(cmdStartTest, &QPushButton::clicked, this, [this] { Q_EMIT testRequested(); });
    QWidget::setTabOrder(cmdNext, cmdPrevious);
    QWidget::setTabOrder(cmdPrevious, cmdStartTest);
    QWidget::setTabOrder(cmdStartTest, txtNormalMeaning);
    QWidget::setTabOrder(txtNormalMeaning, txtReversedMeaning);
    QWidget::setTabOrder(txtReversedMeaning, txtKeywords);
}

QString CardMemorizeTab::OpenSelection(const QString &databasePath, const std::vector<int> &groups)
{
    OpenCardDatabase(cards_, databasePath);
    cards_.CardSet = OpenCardRecordset(cards_, BuildCardQuery(groups));
    return CardDatabaseProblem(cards_);
}

void CardMemorizeTab::ShowFirstCard()
{
    count_ = cards_.CardSet.RecordCount();
    cards_.CardSet.MoveFirst();
    position_ = 1;
    ShowMemorizeCard();
    updateMemorizeButtons();
}

void CardMemorizeTab::SetNextEnabled(bool enabled) { cmdNext->setEnabled(enabled); }

void CardMemorizeTab::cmdNext_Click()
{
    if (position_ < count_) {
        ++position_;
        cards_.CardSet.MoveNext();
        ShowMemorizeCard();
    }
    updateMemorizeButtons();
}

void CardMemorizeTab::cmdPrevious_Click()
{
    if (position_ >= 2) {
        --position_;
        cards_.CardSet.MovePrevious();
        ShowMemorizeCard();
    }
    updateMemorizeButtons();
}

// The buttons always match the position: no "<< Previous" on the first card,
// no "Next >>" on the last, whichever way the card was reached.
void CardMemorizeTab::updateMemorizeButtons()
{
    // A button about to be disabled hands the keyboard to the other one.
    const bool hadFocus = cmdNext->hasFocus() || cmdPrevious->hasFocus();
    cmdPrevious->setEnabled(position_ > 1);
    cmdNext->setEnabled(position_ < count_);
    if (hadFocus && !cmdNext->isEnabled() && cmdPrevious->isEnabled())
        cmdPrevious->setFocus();
    else if (hadFocus && !cmdPrevious->isEnabled() && cmdNext->isEnabled())
        cmdNext->setFocus();
}

void CardMemorizeTab::ShowMemorizeCard()
{
    const Db::RecordSet &cards = cards_.CardSet;
    const bool onCard = !cards.IsBOF() && !cards.IsEOF();
    // Without a current card (no database, nothing selected) the fields stay as they were.
    if (onCard)
        lblCardNameMemorize->setText(cards.Text(QStringLiteral("Name")));
    LoadPictureData(picCardMemorize, cards, QStringLiteral("PictureData"), owner_.Locations().TempFolder());
    if (onCard) {
        txtNormalMeaning->setPlainText(cards.Text(QStringLiteral("NormalMeaning")));
        txtReversedMeaning->setPlainText(cards.Text(QStringLiteral("ReversedMeaning")));
    }
    txtKeywords->clear();
    if (!onCard)
        return;
    Db::RecordSet keywords = OpenCardRecordset(cards_, CardKeywordsQuery(cards.Int(QStringLiteral("Id"))));
    QString text;
    for (int i = 0; i < 5 && !keywords.IsEOF(); ++i) {
        text += keywords.Text(QStringLiteral("keyword")) + QStringLiteral(", ");
        keywords.MoveNext();
    }
    txtKeywords->setPlainText(text);
}
