#include "frmLearnCartomancyPicEntry.h"

#include "toolkit/MsgBox.h"

#include "modLearnCartomancyDB.h"
#include "modLearnCartomancyImageDB.h"
#include "toolkit/Look.h"
#include "toolkit/MsgBox.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QSqlDatabase>
#include <QVBoxLayout>

namespace {
QPushButton *makeButton(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setMinimumWidth(100);
    return button;
}
} // namespace

frmLearnCartomancyPicEntry::frmLearnCartomancyPicEntry(ModuleHost &host, QWidget *parent)
    : ModuleWindow(QStringLiteral("frmLearnCartomancyPicEntry"), host, parent)
{
    setWindowTitle(QStringLiteral("Vessa Learn Cartomancy"));
    setWindowIcon(Look::AppIcon());
    setFont(Look::Verdana(9));

    auto *central = new QWidget(this);
    auto *v = new QVBoxLayout(central);
    v->setContentsMargins(16, 12, 16, 12);
    Label1 = new QLabel(QStringLiteral("Label1"), central);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setTextFormat(Qt::PlainText);
    Label1->setAlignment(Qt::AlignCenter);
    QFont bold = Label1->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.3);
    Label1->setFont(bold);
    Picture1 = new QLabel(central);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setFixedSize(250, 350);
    Picture1->setAlignment(Qt::AlignCenter);
    Picture1->setFrameShape(QFrame::StyledPanel);
    v->addWidget(Label1);
    v->addWidget(Picture1, 0, Qt::AlignHCenter);

    auto *prev = makeButton(QStringLiteral("Command3"), QStringLiteral("Prev"), central);
    auto *next = makeButton(QStringLiteral("Command2"), QStringLiteral("Next"), central);
    auto *select = makeButton(QStringLiteral("cmdSetPicture"), QStringLiteral("SelectPicture"), central);
    auto *seed = makeButton(QStringLiteral("Command4"), QStringLiteral("Command4"), central);
    auto *none = makeButton(QStringLiteral("Command1"), QStringLiteral("Command1"), central);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {prev, next, select, seed, none})
        buttons->addWidget(button);
    v->addLayout(buttons);
    setCentralWidget(central);
    connect(prev, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(next, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(select, &QPushButton::clicked, this, [this] { cmdSetPicture_Click(); });
    connect(seed, &QPushButton::clicked, this, [this] { Command4_Click(); });
    resize(minimumSizeHint());

    // The one writable connection to the card database.
    OpenCardDatabase(database_, CardDatabasePath(Locations()), false);
    database_.CardSet = OpenCardRecordset(database_, AllCardsQuery());
    database_.CardSet.MoveFirst();
}

void frmLearnCartomancyPicEntry::showCard()
{
    const Db::RecordSet &cards = database_.CardSet;
    if (cards.IsBOF() || cards.IsEOF())
        return;
    Label1->setText(cards.Text(QStringLiteral("Name")));
    LoadPictureData(Picture1, cards, QStringLiteral("PictureData"), Locations().TempFolder());
}

void frmLearnCartomancyPicEntry::Command2_Click()
{
    if (!database_.CardSet.IsEOF())
        database_.CardSet.MoveNext();
    showCard();
}

void frmLearnCartomancyPicEntry::Command3_Click()
{
    if (!database_.CardSet.IsBOF())
        database_.CardSet.MovePrevious();
    showCard();
}

void frmLearnCartomancyPicEntry::cmdSetPicture_Click()
{
    QFileDialog cdlg(this, QStringLiteral("SelectPicture"));
    cdlg.setObjectName(QStringLiteral("cdlg"));
    cdlg.setOption(QFileDialog::DontUseNativeDialog);
    cdlg.setAcceptMode(QFileDialog::AcceptOpen);
    cdlg.setFileMode(QFileDialog::ExistingFiles);
    cdlg.setNameFilter(QStringLiteral("All Picture files (*.bmp *.jpg *.jpe *.jpeg *.gif *.png)"));
    if (cdlg.exec() != QDialog::Accepted || cdlg.selectedFiles().isEmpty())
        return;
    StorePictureFile(cdlg.selectedFiles().constFirst());
}

bool frmLearnCartomancyPicEntry::StorePictureFile(const QString &path)
{
    // A picture the loader cannot decode is stored all the same.
    QString error;
    if (!SavePictureData(database_.CardSet, path, &error)) {
        // The card keeps the picture it had, which the window still shows.
        ShowMessage(this, error, QMessageBox::Warning);
        return false;
    }
    QImageReader reader(path);
    const QImage image = reader.read();
    if (image.isNull())
        Picture1->clear();
    else
        ShowPicture(Picture1, image);
    return true;
}

void frmLearnCartomancyPicEntry::Command4_Click()
{
    Db::RecordSet &cards = database_.CardSet;
    cards.MoveFirst();
    Db::RecordSet keywords = OpenCardRecordset(database_, AllKeywordsQuery());
    // One transaction for the 364 rows instead of one each.
    const bool batch = database_.CardConnection && database_.CardConnection->IsOpen() &&
                       database_.CardConnection->Handle().transaction();
    int n = 1;
    int added = 0;
    for (int card = 1; card <= 52; ++card) {
        cards.SetFilter(QStringLiteral("ID=") + QString::number(card));
        const QString name = cards.Text(QStringLiteral("Name"));
        for (int k = 1; k <= 7; ++k) {
            keywords.AddNew();
            keywords.SetValue(QStringLiteral("Id"), n);
            keywords.SetValue(QStringLiteral("CardID"), card);
            keywords.SetValue(QStringLiteral("CardName"), name);
            keywords.SetValue(QStringLiteral("keyword"), QString(name + u' ' + QString::number(k)));
            added += keywords.Update() ? 1 : 0;
            ++n;
        }
    }
    const bool committed = batch && database_.CardConnection->Handle().commit();
    if (batch && !committed)
        added = 0; // nothing of the batch was kept
    // Rows whose numbers the table holds already are refused; the user hears how many.
    ShowMessage(this, SeededKeywordsMessage(added, n - 1 - added),
                added == n - 1 ? QMessageBox::Information : QMessageBox::Warning);
}

QString SeededKeywordsMessage(int added, int refused)
{
    return QStringLiteral("%1 keyword rows were added and %2 were refused (their numbers are in use "
                          "or the database could not be written).")
        .arg(added)
        .arg(refused);
}
