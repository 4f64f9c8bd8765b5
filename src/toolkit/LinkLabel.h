#pragma once

#include <QLabel>

#include <functional>

// A label that acts on a left click, with a hand cursor. The publisher banners
// and the start panel's module links use it.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    LinkLabel(const QString &name, const QString &text, QWidget *parent = nullptr);

    // Underlined, in the link colour.
    void ShowAsLink();

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// The publisher's banner labels that module windows carry.
namespace PublisherLinks {
// One line advertising the publisher's discussion forum; opens the home page.
LinkLabel *ForumBanner(const QString &name, QWidget *parent);
// "Home Business Opportunity. ..."; opens the full-brand page.
LinkLabel *FullBrand(const QString &name, QWidget *parent);
// "Co-brand this software for your site. ..."; opens the co-brand page.
LinkLabel *CoBrand(const QString &name, QWidget *parent);
// A strip with a forum banner, co-brand and full-brand label side by side,
// named as given, for the bottom of a module window.
QWidget *Strip(QWidget *parent, const QString &forumName = QStringLiteral("Label61"),
               const QString &coBrandName = QStringLiteral("lblCobrand"),
               const QString &fullBrandName = QStringLiteral("lblFullBrand"));

QString ForumBannerText();
QString FullBrandText();
QString CoBrandText();
} // namespace PublisherLinks
