#pragma once

#include <QString>

// The refer-a-friend form of the exit window: its checks and the address it opens.
namespace TellAFriend {

struct ReferralForm {
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

// The text each box shows while the user has not typed into it.
QString PlaceholderName();
QString PlaceholderEmail();
QString PlaceholderFriendName();
QString PlaceholderFriendEmail();
QString PlaceholderMessage();

// Runs the checks in order on the trimmed texts and returns the message of the
// first that fails, or an empty text when the form may be sent.
QString CheckReferral(const ReferralForm &form);

// The referral page address with the six query keys taf1 to taf6. Each value
// is percent-encoded, so a "&", "#" or "=" typed by the user stays part of its value.
QString ReferralAddress(const ReferralForm &form);

} // namespace TellAFriend

// Checks the form and, when it passes, opens the referral address. Returns the
// message of the failing check, or an empty text when the address was opened.
QString SubmitReferral(const TellAFriend::ReferralForm &form);
