#include "modHelp.h"

#include "frmAbout.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QMenu>
#include <QMenuBar>

namespace {
const QString kSite = QStringLiteral("https://www.vessaorrenic.com");
} // namespace

namespace PublisherPages {
QString HomePage() { return kSite + QStringLiteral("/forum/"); }
QString OnlineHelpPage() { return kSite + QStringLiteral("/learning-suite/help/"); }
QString DownloadPage() { return kSite + QStringLiteral("/learning-suite/download/"); }
QString DonationPage() { return kSite + QStringLiteral("/donate/"); }
QString FullBrandPage() { return kSite + QStringLiteral("/branding/full-brand/"); }
QString CoBrandPage() { return kSite + QStringLiteral("/branding/co-brand/"); }
QString CataloguePage() { return kSite + QStringLiteral("/software/"); }
QString ReferAFriendPage() { return kSite + QStringLiteral("/refer-a-friend/"); }
QString SuitePage() { return kSite + QStringLiteral("/learning-suite/"); }
QString SiteAddress() { return QStringLiteral("www.vessaorrenic.com"); }
} // namespace PublisherPages

QUrl WebAddressToUrl(const QString &address)
{
    const QString text = address.trimmed();
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        return QUrl(QStringLiteral("http://") + text, QUrl::TolerantMode);
    return QUrl(text, QUrl::TolerantMode);
}

void OpenWebPage(const QString &address)
{
    QDesktopServices::openUrl(WebAddressToUrl(address));
}

void OpenOnlineHelpPage() { OpenWebPage(PublisherPages::OnlineHelpPage()); }
void OpenHomePage() { OpenWebPage(PublisherPages::HomePage()); }
void OpenDownloadPage() { OpenWebPage(PublisherPages::DownloadPage()); }
void OpenDonationPage() { OpenWebPage(PublisherPages::DonationPage()); }
void OpenFullBrandPage() { OpenWebPage(PublisherPages::FullBrandPage()); }
void OpenCoBrandPage() { OpenWebPage(PublisherPages::CoBrandPage()); }
void OpenCataloguePage() { OpenWebPage(PublisherPages::CataloguePage()); }

void AddHelpMenus(QMenuBar *bar, QWidget *owner, const HelpMenuCaptions &captions)
{
    QMenu *help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    const auto add = [help](const char *name, const QString &caption, auto slot) {
        QAction *action = help->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        QObject::connect(action, &QAction::triggered, help, slot);
        return action;
    };
    add("mnuOnline", QStringLiteral("&Online Help"), [] { OpenOnlineHelpPage(); });
    add("mnuVisit", QStringLiteral("&Visit Us Online"), [] { OpenHomePage(); });
    help->addSeparator();
    add("mnuUpdate", captions.update, [] { OpenDownloadPage(); });
    help->addSeparator();
    add("mnuAbout", QStringLiteral("&About Software"), [owner] { frmAbout::ShowModal(owner); });

    QAction *donate = bar->addAction(captions.donate);
    donate->setObjectName(QStringLiteral("mnuDonate"));
    QObject::connect(donate, &QAction::triggered, bar, [] { OpenDonationPage(); });
}
