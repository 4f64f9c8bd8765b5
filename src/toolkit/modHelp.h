#pragma once

#include <QString>
#include <QUrl>

class QMenuBar;
class QWidget;

// The publisher's web pages and the one routine that opens any web address.
namespace PublisherPages {
QString HomePage();        // the home page, which is the discussion forum
QString OnlineHelpPage();
QString DownloadPage();
QString DonationPage();
QString FullBrandPage();
QString CoBrandPage();
QString CataloguePage();
QString ReferAFriendPage();
QString SuitePage();       // the suite's own page, sent with a referral
QString SiteAddress();     // the short address printed on reports and banners
} // namespace PublisherPages

// Asks the desktop to open a web address in the user's browser (through
// QDesktopServices, so a handler set for the scheme takes it instead). Text
// starting "www." is opened as an http address. The result is not examined.
void OpenWebPage(const QString &address);
// The address OpenWebPage would hand to the desktop for a text.
QUrl WebAddressToUrl(const QString &address);

void OpenOnlineHelpPage();
void OpenHomePage();
void OpenDownloadPage();
void OpenDonationPage();
void OpenFullBrandPage();
void OpenCoBrandPage();
void OpenCataloguePage();

// Adds the Help menu ("&Online Help", "&Visit Us Online", "Check for Software &Update",
// "&About Software") and the top-level "&Donate" item to a window's menu bar.
struct HelpMenuCaptions {
    QString update = QStringLiteral("Check for Software &Update");
    QString donate = QStringLiteral("&Donate");
};
void AddHelpMenus(QMenuBar *bar, QWidget *owner, const HelpMenuCaptions &captions = {});
