#include "frmAbout.h"

#include "AppInfo.h"
#include "LinkLabel.h"
#include "Look.h"
#include "modHelp.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmAbout::frmAbout(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(AppInfo::ApplicationTitle());
    setModal(true);

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(Look::Picture(QStringLiteral(":/toolkit/about-logo.svg"), QSize(96, 96)));
    picture->setFixedSize(100, 100);

    auto *title = new QLabel(AppInfo::ApplicationTitle(), this);
    title->setObjectName(QStringLiteral("Label2"));
    title->setFont(Look::Verdana(12, true));
    title->setWordWrap(true);

    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto *description = new QLabel(
        QStringLiteral("Vessa Orrenic Learning Suite II is a collection of learning softwares "
                       "teaching you the basics of Dream Interpretation, Palmistry, Yoga, "
                       "Cartomancy and Aromatherapy. This is a learn-and-test yourself kind of "
                       "learning software. This software is a simple and useful aid in the study "
                       "of the above mentioned topics. This can help beginners learn and test "
                       "their understanding of the subject."),
        this);
    description->setObjectName(QStringLiteral("Label1"));
    description->setWordWrap(true);

    auto *business = new QLabel(
        QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                       "money online. Get this software fully branded for your website. "),
        this);
    business->setObjectName(QStringLiteral("Label3"));
    business->setWordWrap(true);

    auto *coBrand = new LinkLabel(QStringLiteral("lblCoBrand"),
                                  QStringLiteral("Click here for more details."), this);
    connect(coBrand, &LinkLabel::clicked, this, [] { OpenFullBrandPage(); });

    auto *home = new LinkLabel(QStringLiteral("lblHomePage"),
                               QStringLiteral("Visit our home page: ") +
                                   PublisherPages::SiteAddress(),
                               this);
    connect(home, &LinkLabel::clicked, this, [] { OpenHomePage(); });
    coBrand->ShowAsLink();
    home->ShowAsLink();

    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *header = new QHBoxLayout;
    header->addWidget(picture);
    header->addWidget(title, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(header);
    layout->addWidget(line);
    layout->addWidget(description);
    layout->addWidget(business);
    layout->addWidget(coBrand);
    layout->addWidget(home);
    layout->addLayout(buttons);
    setFixedWidth(480);
}

void frmAbout::ShowModal(QWidget *owner)
{
    frmAbout about(owner);
    about.exec();
}
