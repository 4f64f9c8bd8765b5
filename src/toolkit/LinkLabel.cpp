#include "LinkLabel.h"

#include "Look.h"
#include "modHelp.h"

#include <QHBoxLayout>
#include <QMouseEvent>

LinkLabel::LinkLabel(const QString &name, const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
    setTextFormat(Qt::PlainText);
}

void LinkLabel::ShowAsLink()
{
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    Look::SetTextColour(this, Look::LinkBlue);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

namespace PublisherLinks {

QString ForumBannerText()
{
    return QStringLiteral("Join our free discussion forum at www.vessaorrenic.com/forum - "
                          "ask questions, share your readings and learn with others.");
}

QString FullBrandText()
{
    return QStringLiteral("Home Business Opportunity. Start your own Internet business and make "
                          "money online. Get this software fully branded for your website. Click "
                          "here for more details.");
}

QString CoBrandText()
{
    return QStringLiteral("Co-brand this software for your site. Click here for more details.");
}

static LinkLabel *make(const QString &name, const QString &text, QWidget *parent,
                       void (*open)())
{
    auto *label = new LinkLabel(name, text, parent);
    label->setWordWrap(true);
    label->ShowAsLink();
    QObject::connect(label, &LinkLabel::clicked, label, open);
    return label;
}

LinkLabel *ForumBanner(const QString &name, QWidget *parent)
{
    return make(name, ForumBannerText(), parent, &OpenHomePage);
}

LinkLabel *FullBrand(const QString &name, QWidget *parent)
{
    return make(name, FullBrandText(), parent, &OpenFullBrandPage);
}

LinkLabel *CoBrand(const QString &name, QWidget *parent)
{
    return make(name, CoBrandText(), parent, &OpenCoBrandPage);
}

QWidget *Strip(QWidget *parent, const QString &forumName, const QString &coBrandName,
               const QString &fullBrandName)
{
    auto *strip = new QWidget(parent);
    strip->setObjectName(QStringLiteral("fraFullBrand"));
    auto *layout = new QHBoxLayout(strip);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->addWidget(ForumBanner(forumName, strip), 3);
    layout->addWidget(CoBrand(coBrandName, strip), 2);
    layout->addWidget(FullBrand(fullBrandName, strip), 4);
    return strip;
}

} // namespace PublisherLinks
