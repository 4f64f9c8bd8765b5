#include "modTellAFriend.h"

#include "toolkit/modHelp.h"

#include <QUrl>

namespace TellAFriend {

QString PlaceholderName() { return QStringLiteral("Your Name"); }
QString PlaceholderEmail() { return QStringLiteral("Your Email Address"); }
QString PlaceholderFriendName() { return QStringLiteral("Friend's Name"); }
QString PlaceholderFriendEmail() { return QStringLiteral("Friend's Email Address"); }
QString PlaceholderMessage() { return QStringLiteral("Your Message"); }

namespace {
ReferralForm trimmed(const ReferralForm &form)
{
    return {form.name.trimmed(), form.email.trimmed(), form.message.trimmed(),
            form.friendName.trimmed(), form.friendEmail.trimmed()};
}

bool missing(const QString &text, const QString &placeholder)
{
    return text.isEmpty() || text == placeholder;
}

QString encoded(const QString &value) { return QString::fromLatin1(QUrl::toPercentEncoding(value)); }
} // namespace

QString CheckReferral(const ReferralForm &raw)
{
    const ReferralForm f = trimmed(raw);
    if (f.email == f.friendEmail)
        return QStringLiteral("Please Enter Distinct Email Addresses");
    if (!f.email.contains(u'@') || !f.friendEmail.contains(u'@'))
        return QStringLiteral("Please Enter Proper Email Address");
    if (!f.email.contains(u'.') || !f.friendEmail.contains(u'.'))
        return QStringLiteral("Please Enter Proper Email Address");
    if (missing(f.name, PlaceholderName()))
        return QStringLiteral("Please Enter Your Name");
    if (missing(f.email, PlaceholderEmail()))
        return QStringLiteral("Please Enter Your Email");
    if (missing(f.message, PlaceholderMessage()))
        return QStringLiteral("Please Enter Your Message");
    if (missing(f.friendName, PlaceholderFriendName()))
        return QStringLiteral("Please Enter Your Friend's Name");
    if (missing(f.friendEmail, PlaceholderFriendEmail()))
        return QStringLiteral("Please Enter Your Friend's Email");
    return QString();
}

QString ReferralAddress(const ReferralForm &raw)
{
    const ReferralForm f = trimmed(raw);
    return PublisherPages::ReferAFriendPage() + QStringLiteral("?taf1=") + encoded(f.name) +
           QStringLiteral("&taf2=") + encoded(f.email) + QStringLiteral("&taf3=") +
           encoded(f.message) + QStringLiteral("&taf4=") + encoded(f.friendName) +
           QStringLiteral("&taf5=") + encoded(f.friendEmail) + QStringLiteral("&taf6=") +
           encoded(PublisherPages::SuitePage());
}

} // namespace TellAFriend

QString SubmitReferral(const TellAFriend::ReferralForm &form)
{
    const QString problem = TellAFriend::CheckReferral(form);
    if (problem.isEmpty())
        OpenWebPage(TellAFriend::ReferralAddress(form));
    return problem;
}
